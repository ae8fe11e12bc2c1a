#include "formats/csvcolumns.h"

#include "formats/vcard.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <initializer_list>

namespace {

using P = CsvPart;
using Id = FieldId;
constexpr uint32_t kPref = VcParam::Pref;
constexpr uint32_t kWork = VcParam::Work;
constexpr uint32_t kHome = VcParam::Home;
constexpr uint32_t kFax = VcParam::Fax;
constexpr uint32_t kCell = VcParam::Cell;
constexpr uint32_t kPager = VcParam::Pager;
constexpr uint8_t H = kBlockHome;
constexpr uint8_t W = kBlockWork;
constexpr uint8_t O = kBlockOther;

// One header name of a table. A name listed twice in a table stands for two columns that
// an exporter writes under the same name: the first column of that name takes the first
// entry, the second column the second (French Thunderbird writes "Ville" for home and work).
struct Alias
{
    QString name;
    CsvColumn column;
};

CsvColumn Col(CsvPart part, FieldId field, uint32_t params = 0, uint8_t block = H)
{
    CsvColumn c;
    c.part = part;
    c.field = field;
    c.params = params;
    c.block = block;
    return c;
}

// A name part of the label, an organisation.
Alias N(const char *name, CsvPart part) { return {QString::fromUtf8(name), Col(part, Id::Label)}; }
// A record field written as it stands: the label, the note, the coordinates.
Alias Fd(const char *name, FieldId field) { return {QString::fromUtf8(name), Col(P::Field, field)}; }
Alias Ig(const char *name) { return {QString::fromUtf8(name), CsvColumn()}; }
Alias Ph(const char *name, uint32_t params) { return {QString::fromUtf8(name), Col(P::Field, Id::Phone1, params)}; }
Alias Em(const char *name, uint32_t params = 0) { return {QString::fromUtf8(name), Col(P::Field, Id::Email1, params)}; }
// A part of the address of a block: street, number, zip, city or country.
Alias Ad(const char *name, FieldId field, uint8_t block) { return {QString::fromUtf8(name), Col(P::Field, field, 0, block)}; }
// A further line of a block's street, or its whole address in one cell.
Alias More(const char *name, uint8_t block) { return {QString::fromUtf8(name), Col(P::MoreStreet, Id::Street, 0, block)}; }
Alias Whole(const char *name, uint8_t block) { return {QString::fromUtf8(name), Col(P::FormattedAddress, Id::Street, 0, block)}; }

struct AliasTable
{
    const char *layout;
    bool googleGroups;  // "Phone 1 - Label" ... recognised by pattern
    std::vector<Alias> aliases;

    AliasTable &operator<<(const std::vector<Alias> &more)
    {
        aliases.insert(aliases.end(), more.begin(), more.end());
        return *this;
    }
};

// Thunderbird writes the same 37 columns in every language, named in the language of its
// window; the columns the record uses, with their names in English, German, French,
// Italian, Spanish and Dutch. Region ("State") has no place in the record, as in a vCard.
struct ThunderbirdColumn
{
    Alias role;  // its name is unused
    const char *names[6];
};

const std::vector<ThunderbirdColumn> &ThunderbirdColumns()
{
    static const std::vector<ThunderbirdColumn> columns = {
        {N("", P::Given), {"First Name", "Vorname", "Prénom", "Nome", "Nombre", "Voornaam"}},
        {N("", P::Family), {"Last Name", "Nachname", "Nom de famille", "Cognome", "Apellidos", "Achternaam"}},
        {Fd("", Id::Label), {"Display Name", "Anzeigename", "Nom à afficher", "Nome visualizzato", "Nombre mostrado", "Weergavenaam"}},
        {Em("", kPref), {"Primary Email", "Primäre E-Mail-Adresse", "Adresse e-mail principale", "Email primaria",
                         "Dirección de correo electrónico principal", "Primair e-mailadres"}},
        {Em(""), {"Secondary Email", "Sekundäre E-Mail-Adresse", "Adresse e-mail secondaire", "Email secondaria",
                  "Dirección de correo electrónico secundaria", "Secundair e-mailadres"}},
        {Ph("", kWork), {"Work Phone", "Tel. dienstlich", "Tél. professionnel", "Telefono lavoro", "Teléfono (Trabajo)", "Telefoon werk"}},
        {Ph("", kHome), {"Home Phone", "Tel. privat", "Tél. personnel", "Telefono casa", "Teléfono particular", "Telefoon thuis"}},
        {Ph("", kFax), {"Fax Number", "Fax-Nummer", "Fax", "Numero fax", "Fax", "Faxnummer"}},
        {Ph("", kPager), {"Pager Number", "Pager-Nummer", "Pager", "Numero cercapersone", "Buscapersonas", "Piepernummer"}},
        {Ph("", kCell), {"Mobile Number", "Mobil-Tel.-Nr.", "Portable", "Numero cellulare", "Teléfono móvil", "Mobiel nummer"}},
        {Ad("", Id::Street, H), {"Home Address", "Privat: Adresse", "Adresse privée", "Indirizzo di casa", "Dirección personal", "Adres"}},
        {More("", H), {"Home Address 2", "Privat: Adresse 2", "Adresse privée 2", "Indirizzo di casa 2", "Dirección personal 2", "Adres 2"}},
        {Ad("", Id::City, H), {"Home City", "Privat: Ort", "Ville", "Città di residenza", "Ciudad donde vive", "Woonplaats"}},
        {Ig(""), {"Home State", "Privat: Bundesland", "Pays/État", "Provincia di residenza", "Provincia", "Provincie"}},
        {Ad("", Id::Zip, H), {"Home ZipCode", "Privat: PLZ", "Code postal", "CAP di residenza", "Código postal", "Postcode"}},
        {Ad("", Id::Country, H), {"Home Country", "Privat: Land", "Pays/Région (domicile)", "Nazione di residenza", "País de residencia", "Land"}},
        {Ad("", Id::Street, W), {"Work Address", "Dienstlich: Adresse", "Adresse professionnelle", "Indirizzo di lavoro", "Dirección de trabajo", "Werkadres"}},
        {More("", W), {"Work Address 2", "Dienstlich: Adresse 2", "Adresse professionnelle 2", "Indirizzo di lavoro 2", "Dirección de trabajo 2", "Werkadres 2"}},
        {Ad("", Id::City, W), {"Work City", "Dienstlich: Ort", "Ville", "Città di lavoro", "Ciudad (Trabajo)", "Werklocatie"}},
        {Ig(""), {"Work State", "Dienstlich: Bundesland", "Pays/État", "Provincia di lavoro", "Provincia (Trabajo)", "Werkprovincie"}},
        {Ad("", Id::Zip, W), {"Work ZipCode", "Dienstlich: PLZ", "Code postal", "CAP di lavoro", "Código postal (Trabajo)", "Werkpostcode"}},
        {Ad("", Id::Country, W), {"Work Country", "Dienstlich: Land", "Pays/Région (bureau)", "Nazione di lavoro", "País (Trabajo)", "Werkland"}},
        {N("", P::Organisation), {"Organization", "Organisation", "Société", "Organizzazione", "Organización", "Organisatie"}},
        {Fd("", Id::Note), {"Notes", "Notizen", "Notes", "Note", "Notas", "Aantekeningen"}},
    };
    return columns;
}

AliasTable Thunderbird(int language, const char *layout)
{
    AliasTable table{layout, false, {}};
    for (const ThunderbirdColumn &c : ThunderbirdColumns()) {
        Alias a = c.role;
        a.name = QString::fromUtf8(c.names[language]);
        table.aliases.push_back(a);
    }
    return table;
}

// An English address block of the Outlook family ("Business", "Home", "Other"): street
// with its further lines, city, postal code and country. Region and post-office box have
// no place in the record, as in a vCard.
std::vector<Alias> EnglishBlock(const char *prefix, uint8_t block, bool moreLines)
{
    const QString p = QString::fromLatin1(prefix) + QLatin1Char(' ');
    const auto at = [&](const char *part, CsvColumn column) { return Alias{p + QLatin1String(part), column}; };
    std::vector<Alias> out = {
        at("Street", Col(P::Field, Id::Street, 0, block)), at("City", Col(P::Field, Id::City, 0, block)),
        at("Postal Code", Col(P::Field, Id::Zip, 0, block)), at("Country/Region", Col(P::Field, Id::Country, 0, block)),
        at("Country", Col(P::Field, Id::Country, 0, block)), at("State", CsvColumn()), at("Address PO Box", CsvColumn()),
    };
    if (moreLines)
        out.insert(out.end(), {at("Street 2", Col(P::MoreStreet, Id::Street, 0, block)),
                               at("Street 3", Col(P::MoreStreet, Id::Street, 0, block))});
    return out;
}

// What Outlook and the programs writing its layout in English share: the names, the three
// address blocks, the phone and fax columns, three e-mails and the notes.
std::vector<Alias> OutlookEnglishCore(bool moreLines)
{
    std::vector<Alias> core = {
        Ig("Title"), N("First Name", P::Given), N("Middle Name", P::Middle), N("Last Name", P::Family), Ig("Suffix"),
        N("Company", P::Organisation), Ig("Department"), Ig("Job Title"), Fd("Notes", Id::Note),
        Ph("Assistant's Phone", kWork), Ph("Business Fax", kWork | kFax), Ph("Business Phone", kWork),
        Ph("Business Phone 2", kWork), Ph("Callback", 0), Ph("Car Phone", kCell), Ph("Company Main Phone", kWork),
        Ph("Home Fax", kHome | kFax), Ph("Home Phone", kHome), Ph("Home Phone 2", kHome), Ph("ISDN", 0),
        Ph("Mobile Phone", kCell), Ph("Other Fax", kFax), Ph("Other Phone", 0), Ph("Pager", kPager),
        Ph("Primary Phone", kPref), Ph("Radio Phone", 0), Ph("TTY/TDD Phone", 0), Ig("Telex"),
        Em("E-mail Address"), Em("E-mail 2 Address"), Em("E-mail 3 Address"), Ig("Birthday"), Ig("Anniversary"),
        Ig("Web Page"), Ig("Spouse"), Ig("Manager's Name"), Ig("Assistant's Name"),
    };
    for (const auto &[prefix, block] : {std::pair{"Business", W}, std::pair{"Home", H}, std::pair{"Other", O}}) {
        const std::vector<Alias> b = EnglishBlock(prefix, block, moreLines);
        core.insert(core.end(), b.begin(), b.end());
    }
    return core;
}

// Outlook on the desktop: three street lines per block, "Country/Region" (older versions
// "Country"), and each e-mail with its type and display name.
AliasTable OutlookEnglish()
{
    return AliasTable{"Outlook (English)", false, {}} << OutlookEnglishCore(true) << std::vector<Alias>{
        Ig("E-mail Type"), Ig("E-mail Display Name"), Ig("E-mail 2 Type"), Ig("E-mail 2 Display Name"),
        Ig("E-mail 3 Type"), Ig("E-mail 3 Display Name"), Ig("Categories"), Ig("Account"), Ig("Billing Information"),
        Ig("Directory Server"), Ig("Government ID Number"), Ig("Internet Free Busy"), Ig("Organizational ID Number"),
        Ig("Keywords"), Ig("Mileage"), Ig("Sensitivity"), Ig("Priority"), Ig("Private"), Ig("User 1"),
    };
}

// Google Contacts' "Outlook CSV": as Outlook, plus each block's whole address in one
// quoted, multi-line cell ("Home Address") before its parts; "Country" only.
AliasTable GoogleOutlook()
{
    return AliasTable{"Google Contacts (Outlook CSV)", false, {}} << OutlookEnglishCore(true) << std::vector<Alias>{
        Whole("Home Address", H), Whole("Business Address", W), Whole("Other Address", O), Ig("Categories"),
    };
}

// outlook.com's export: one street line per block, reading names ("Yomi"), nickname,
// messenger address and schools.
AliasTable OutlookCom()
{
    return AliasTable{"outlook.com", false, {}} << OutlookEnglishCore(false) << std::vector<Alias>{
        Ig("Nickname"), Ig("Given Yomi"), Ig("Surname Yomi"), Ig("Company Yomi"), Ig("IMAddress"), Ig("Schools"),
        Ig("Personal Web Page"), Ig("Office Location"), Ig("Hobby"), Ig("Location"),
    };
}

// Windows Live Mail in English: Outlook's names, plus the whole name ("Name") and web pages
// per block.
AliasTable WindowsLiveEnglish()
{
    return AliasTable{"Windows Live Mail (English)", false, {}} << OutlookEnglishCore(false) << std::vector<Alias>{
        Fd("Name", Id::Label), Ig("Nickname"), Ig("Personal Web Page"), Ig("Business Web Page"), Ig("Office Location"),
    };
}

// Outlook in German: both spellings of the private phones ("Telefon (privat)" in the
// exports of newer versions, "Telefon privat" in older ones). "Ort" alone is the
// location of a meeting, not a city.
AliasTable OutlookGerman()
{
    return {"Outlook (German)", false, {
        Ig("Anrede"), N("Vorname", P::Given), N("Weitere Vornamen", P::Middle), N("Nachname", P::Family),
        Fd("Name", Id::Label), N("Firma", P::Organisation), Fd("Notizen", Id::Note), Ig("Ort"),
        Ad("Straße geschäftlich", Id::Street, W), More("Straße geschäftlich 2", W), More("Straße geschäftlich 3", W),
        Ad("Ort geschäftlich", Id::City, W), Ad("Postleitzahl geschäftlich", Id::Zip, W),
        Ad("Land/Region geschäftlich", Id::Country, W), Whole("Adresse geschäftlich", W),
        Ig("Region geschäftlich"), Ig("Postfach geschäftlich"),
        Ad("Straße privat", Id::Street, H), More("Straße privat 2", H), More("Straße privat 3", H),
        Ad("Ort privat", Id::City, H), Ad("Postleitzahl privat", Id::Zip, H), Ad("Land/Region privat", Id::Country, H),
        Whole("Adresse privat", H), Ig("Bundesland/Kanton privat"), Ig("Postfach privat"),
        Ad("Weitere Straße", Id::Street, O), More("Weitere Straße 2", O), More("Weitere Straße 3", O),
        Ad("Weiterer Ort", Id::City, O), Ad("Weitere Postleitzahl", Id::Zip, O),
        Ad("Weiteres/e Land/Region", Id::Country, O), Ig("Weiteres/r Bundesland/Kanton"), Ig("Weiteres Postfach"),
        Ph("Telefon Assistent", kWork), Ph("Fax geschäftlich", kWork | kFax), Ph("Telefon geschäftlich", kWork),
        Ph("Telefon geschäftlich 2", kWork), Ph("Rückmeldung", 0), Ph("Autotelefon", kCell),
        Ph("Telefon Firma", kWork), Ph("Fax privat", kHome | kFax), Ph("Telefon (privat)", kHome),
        Ph("Telefon privat", kHome), Ph("Telefon (privat 2)", kHome), Ph("Telefon privat 2", kHome),
        Ph("ISDN", 0), Ph("Mobiltelefon", kCell), Ph("Mobiltelefon 2", kCell), Ph("Weiteres Fax", kFax),
        Ph("Weiteres Telefon", 0), Ph("Pager", kPager), Ph("Haupttelefon", kPref), Ph("Telefon für Hörbehinderte", 0),
        Em("E-Mail-Adresse"), Em("E-Mail 2: Adresse"), Em("E-Mail 3: Adresse"),
    }};
}

AliasTable OutlookFrench()
{
    // "Nom" is the family name; Outlook's import also knows a second "Nom", the whole name.
    return {"Outlook (French)", false, {
        Ig("Titre"), N("Prénom", P::Given), N("Deuxième prénom", P::Middle), N("Nom", P::Family), Fd("Nom", Id::Label),
        N("Société", P::Organisation), Fd("Notes", Id::Note),
        Ad("Rue (bureau)", Id::Street, W), More("Rue (bureau) 2", W), More("Rue (bureau) 3", W),
        Ad("Ville (bureau)", Id::City, W), Ad("Code postal (bureau)", Id::Zip, W),
        Ad("Pays/Région (bureau)", Id::Country, W), Whole("Adresse professionnelle", W), Ig("Dép/Région (bureau)"),
        Ad("Rue (domicile)", Id::Street, H), More("Rue (domicile) 2", H), More("Rue (domicile) 3", H),
        Ad("Ville (domicile)", Id::City, H), Ad("Code postal (domicile)", Id::Zip, H),
        Ad("Pays/Région (domicile)", Id::Country, H), Whole("Adresse personnelle", H), Ig("Dép/Région (domicile)"),
        Ad("Rue (autre)", Id::Street, O), More("Rue (autre) 2", O), More("Rue (autre) 3", O),
        Ad("Ville (autre)", Id::City, O), Ad("Code postal (autre)", Id::Zip, O),
        Ad("Pays/Région (autre)", Id::Country, O), Ig("Dép/Région (autre)"),
        Ph("Téléphone de l'assistant(e)", kWork), Ph("Télécopie (bureau)", kWork | kFax), Ph("Téléphone (bureau)", kWork),
        Ph("Téléphone 2 (bureau)", kWork), Ph("Rappel", 0), Ph("Téléphone (voiture)", kCell),
        Ph("Téléphone société", kWork), Ph("Télécopie (domicile)", kHome | kFax), Ph("Téléphone (domicile)", kHome),
        Ph("Téléphone 2 (domicile)", kHome), Ph("RNIS", 0), Ph("Tél. mobile", kCell), Ph("Télécopie (autre)", kFax),
        Ph("Téléphone (autre)", 0), Ph("Récepteur de radiomessagerie", kPager), Ph("Téléphone principal", kPref),
        Ph("Radio téléphone", 0), Ph("Téléphone TDD/TTY", 0),
        Em("Adresse de messagerie"), Em("Adresse de messagerie 2"), Em("Adresse de messagerie 3"),
    }};
}

AliasTable OutlookItalian()
{
    return {"Outlook (Italian)", false, {
        Ig("Titolo"), N("Nome", P::Given), Fd("Nome", Id::Label), N("Secondo nome", P::Middle), N("Cognome", P::Family),
        N("Società", P::Organisation), Fd("Notes", Id::Note), Ig("Luogo"),
        Ad("Via (uff.)", Id::Street, W), More("Via (uff.) 2", W), More("Via (uff.) 3", W), Ad("Città (uff.)", Id::City, W),
        Ad("CAP (uff.)", Id::Zip, W), Ad("Paese (uff.)", Id::Country, W), Whole("Indirizzo ufficio", W),
        Ig("Provincia (uff.)"),
        Ad("Via (ab.)", Id::Street, H), More("Via (ab.) 2", H), More("Via (ab.) 3", H), Ad("Città (ab.)", Id::City, H),
        Ad("CAP (ab.)", Id::Zip, H), Ad("Paese (ab.)", Id::Country, H), Whole("Indirizzo casa", H), Ig("Provincia (ab.)"),
        Ad("Altra via", Id::Street, O), More("Altra via 2", O), More("Altra via 3", O), Ad("Altra città", Id::City, O),
        Ad("Altro CAP", Id::Zip, O), Ad("Altro paese", Id::Country, O), Ig("Altra provincia"),
        Ph("Telefono assistente", kWork), Ph("Fax (uff.)", kWork | kFax), Ph("Ufficio", kWork), Ph("Ufficio 2", kWork),
        Ph("Richiamata automatica", 0), Ph("Telefono auto", kCell), Ph("Telefono principale società", kWork),
        Ph("Fax (ab.)", kHome | kFax), Ph("Abitazione", kHome), Ph("Abitazione 2", kHome), Ph("ISDN", 0),
        Ph("Cellulare", kCell), Ph("Altro fax", kFax), Ph("Altro telefono", 0), Ph("Cercapersone", kPager),
        Ph("Telefono principale", kPref), Ph("Radiotelefono", 0), Ph("Telefono TTY/TDD", 0),
        Em("Indirizzo posta elettronica"), Em("Indirizzo posta elettronica 2"), Em("Indirizzo posta elettronica 3"),
    }};
}

AliasTable OutlookSpanish()
{
    // Spanish Outlook leaves some names in English.
    return {"Outlook (Spanish)", false, {
        Ig("Title"), N("Nombre", P::Given), Fd("Nombre", Id::Label), N("Segundo nombre", P::Middle),
        N("Apellidos", P::Family), N("Organización", P::Organisation), Fd("Notes", Id::Note),
        Ad("Calle del trabajo", Id::Street, W), More("Calle del trabajo 2", W), More("Calle del trabajo 3", W),
        Ad("Ciudad de trabajo", Id::City, W), Ad("Código postal del trabajo", Id::Zip, W),
        Ad("País o región del trabajo", Id::Country, W), Whole("Dirección trabajo", W),
        Ig("Provincia o estado de trabajo"),
        Ad("Home Street", Id::Street, H), More("Home Street 2", H), More("Home Street 3", H),
        Ad("Home City", Id::City, H), Ad("Home Postal Code", Id::Zip, H),
        Ad("País o región del domicilio", Id::Country, H), Whole("Dirección particular", H), Ig("Home State"),
        Ad("Otra calle", Id::Street, O), More("Otra calle 2", O), More("Otra calle 3", O),
        Ad("Otra ciudad", Id::City, O), Ad("Otro código postal", Id::Zip, O),
        Ad("Otro país o región", Id::Country, O), Ig("Otra provincia o estado"),
        Ph("Assistant's Phone", kWork), Ph("Business Fax", kWork | kFax), Ph("Teléfono del trabajo", kWork),
        Ph("Business Phone 2", kWork), Ph("Devolución de llamada", 0), Ph("Car Phone", kCell),
        Ph("Número de centralita de la organización", kWork), Ph("Home Fax", kHome | kFax), Ph("Particular", kHome),
        Ph("Home Phone 2", kHome), Ph("ISDN", 0), Ph("Mobile Phone", kCell), Ph("Otro fax", kFax),
        Ph("Otro teléfono", 0), Ph("Pager", kPager), Ph("Teléfono principal", kPref), Ph("Radioteléfono", 0),
        Ph("Número de teletipo", 0),
        Em("E-mail Address"), Em("Dirección de correo electrónico 2"), Em("Dirección del correo electrónico 3"),
    }};
}

AliasTable OutlookDutch()
{
    return {"Outlook (Dutch)", false, {
        Ig("Titel"), N("Voornaam", P::Given), N("Middelste naam", P::Middle), N("Achternaam", P::Family),
        Fd("Naam", Id::Label), N("Bedrijf", P::Organisation), Fd("Notities", Id::Note),
        Ad("Werkadres, straat", Id::Street, W), More("Werkadres 2, straat", W), More("Werkadres 3, straat", W),
        Ad("Werkadres, plaats", Id::City, W), Ad("Werkadres, postcode", Id::Zip, W),
        Ad("Land/regio (werk)", Id::Country, W), Whole("Adres werk", W), Ig("Werkadres, provincie"),
        Ad("Huisadres, straat", Id::Street, H), More("Huisadres, straat 2", H), More("Huisadres, straat 3", H),
        Ad("Huisadres, plaats", Id::City, H), Ad("Huisadres, postcode", Id::Zip, H),
        Ad("Land/regio (thuis)", Id::Country, H), Whole("Adres thuis", H), Ig("Huisadres, provincie"),
        Ad("Ander adres, straat", Id::Street, O), More("Ander adres, straat 2", O), More("Ander adres, straat 3", O),
        Ad("Ander adres, plaats", Id::City, O), Ad("Ander adres, postcode", Id::Zip, O),
        Ad("Land/regio (anders)", Id::Country, O), Ig("Ander adres, provincie"),
        Ph("Telefoon assistent", kWork), Ph("Fax op werk", kWork | kFax), Ph("Telefoon op werk", kWork),
        Ph("Telefoon op werk 2", kWork), Ph("Terugbellen", 0), Ph("Autotelefoon", kCell),
        Ph("Hoofdtelefoon bedrijf", kWork), Ph("Fax thuis", kHome | kFax), Ph("Telefoon thuis", kHome),
        Ph("Telefoon thuis 2", kHome), Ph("ISDN", 0), Ph("Mobiele telefoon", kCell), Ph("Andere fax", kFax),
        Ph("Andere telefoon", 0), Ph("Pager", kPager), Ph("Hoofdtelefoon", kPref), Ph("Radiotelefoon", 0),
        Ph("Teksttelefoon", 0),
        Em("E-mailadres"), Em("E-mailadres 2"), Em("E-mailadres 3"),
    }};
}

AliasTable WindowsLiveGerman()
{
    return {"Windows Live Mail (German)", false, {
        N("Vorname", P::Given), N("Nachname", P::Family), N("2. Vorname", P::Middle), Fd("Name", Id::Label),
        Em("E-Mail-Adresse"), Ad("Straße (privat)", Id::Street, H), Ad("Ort (privat)", Id::City, H),
        Ad("Postleitzahl (privat)", Id::Zip, H), Ad("Land/Region (privat)", Id::Country, H), Ig("Bundesland (privat)"),
        Ph("Telefon (privat)", kHome), Ph("Fax (privat)", kHome | kFax), Ph("Mobiltelefon", kCell),
        Ad("Straße (geschäftlich)", Id::Street, W), Ad("Ort (geschäftlich)", Id::City, W),
        Ad("Postleitzahl (geschäftlich)", Id::Zip, W), Ad("Land/Region (geschäftlich)", Id::Country, W),
        Ig("Bundesland (geschäftlich)"),
        Ph("Telefon (geschäftlich)", kWork), Ph("Fax (geschäftlich)", kWork | kFax), Ph("Pager", kPager),
        N("Firma", P::Organisation), Fd("Notizen", Id::Note),
    }};
}

AliasTable Yahoo()
{
    return {"Yahoo", false, {
        N("First", P::Given), N("Middle", P::Middle), N("Last", P::Family), Em("Email"),
        Ph("Home", kHome), Ph("Work", kWork), Ph("Pager", kPager), Ph("Fax", kFax), Ph("Mobile", kCell),
        Ph("Other", 0), Ph("Primary", kPref), Em("Alternate Email 1"), Em("Alternate Email 2"),
        N("Company", P::Organisation), Ad("Work Address", Id::Street, W), Ad("Work City", Id::City, W),
        Ad("Work ZIP", Id::Zip, W), Ad("Work Country", Id::Country, W), Ig("Work State"),
        Ad("Home Address", Id::Street, H), Ad("Home City", Id::City, H), Ad("Home ZIP", Id::Zip, H),
        Ad("Home Country", Id::Country, H), Ig("Home State"), Fd("Comments", Id::Note),
    }};
}

// Names a hand-made list or a small program may use, and this program's own header.
AliasTable Generic()
{
    return {"generic", false, {
        Fd("Name", Id::Label), Fd("Full Name", Id::Label), Fd("Display Name", Id::Label), Fd("Label", Id::Label),
        N("First Name", P::Given), N("Firstname", P::Given), N("Given Name", P::Given),
        N("Middle Name", P::Middle), N("Last Name", P::Family), N("Lastname", P::Family), N("Surname", P::Family),
        N("Family Name", P::Family), N("Company", P::Organisation), N("Organization", P::Organisation),
        N("Organisation", P::Organisation), Fd("Note", Id::Note), Fd("Notes", Id::Note), Fd("Comment", Id::Note),
        Fd("Comments", Id::Note), Fd("Address", Id::Street), Fd("Street", Id::Street), Fd("House Number", Id::Numb),
        Fd("City", Id::City), Fd("Town", Id::City), Fd("ZIP", Id::Zip), Fd("ZIP Code", Id::Zip), Fd("Postcode", Id::Zip),
        Fd("Postal Code", Id::Zip), Fd("Country", Id::Country), Fd("GPS", Id::Gps), Fd("Coordinates", Id::Gps),
        Ph("Phone", 0), Ph("Telephone", 0), Ph("Tel", 0), Ph("Phone Number", 0), Ph("Mobile", kCell),
        Ph("Cell", kCell), Ph("Mobile Phone", kCell), Ph("Home Phone", kHome), Ph("Work Phone", kWork),
        Ph("Business Phone", kWork), Ph("Fax", kFax), Em("E-mail"), Em("Email"), Em("E-mail Address"),
        Em("Email Address"), Em("Mail"),
        // This program's own header, in a file another program saved again.
        Fd("last", Id::Label), Fd("first", Id::Label), Fd("numb", Id::Numb), Fd("coord", Id::Gps),
        Ph("phone1", 0), Ph("phone2", 0), Ph("phone3", 0), Ph("phone4", 0), Ph("phone5", 0),
        Em("email1"), Em("email2"), Em("email3"), Em("email4"), Em("email5"),
    }};
}

std::vector<AliasTable> BuildTables()
{
    std::vector<AliasTable> tables;
    tables.push_back({"Google Contacts", true, {
        N("First Name", P::Given), N("Middle Name", P::Middle), N("Last Name", P::Family),
        N("Organization Name", P::Organisation), Fd("Notes", Id::Note), Ig("File As"), Ig("Labels"), Ig("Nickname"),
        Ig("Name Prefix"), Ig("Name Suffix"), Ig("Birthday"), Ig("Organization Title"),
    }});
    tables.push_back({"Google Contacts (older layout)", true, {
        Fd("Name", Id::Label), N("Given Name", P::Given), N("Additional Name", P::Middle), N("Family Name", P::Family),
        Fd("Notes", Id::Note), Ig("Group Membership"), Ig("Name Prefix"), Ig("Name Suffix"), Ig("Birthday"),
        Ig("Nickname"), Ig("Yomi Name"),
    }});
    // Outlook's English layout first: a header that only holds the names the four share is
    // Outlook's.
    tables.push_back(OutlookEnglish());
    tables.push_back(GoogleOutlook());
    tables.push_back(OutlookCom());
    tables.push_back(WindowsLiveEnglish());
    tables.push_back(OutlookGerman());
    tables.push_back(OutlookFrench());
    tables.push_back(OutlookItalian());
    tables.push_back(OutlookSpanish());
    tables.push_back(OutlookDutch());
    tables.push_back(Thunderbird(0, "Thunderbird (English)"));
    tables.push_back(Thunderbird(1, "Thunderbird (German)"));
    tables.push_back(Thunderbird(2, "Thunderbird (French)"));
    tables.push_back(Thunderbird(3, "Thunderbird (Italian)"));
    tables.push_back(Thunderbird(4, "Thunderbird (Spanish)"));
    tables.push_back(Thunderbird(5, "Thunderbird (Dutch)"));
    tables.push_back(WindowsLiveGerman());
    tables.push_back(Yahoo());
    tables.push_back(Generic());
    return tables;
}

// A header name as it is compared: trimmed, inner white space as one blank, case ignored.
QString NameKey(const QString &name)
{
    return name.simplified().toCaseFolded();
}

// A table as it is looked up: every name with its columns, in table order.
struct TableIndex
{
    QString layout;
    bool googleGroups = false;
    QHash<QString, std::vector<CsvColumn>> names;
};

const std::vector<TableIndex> &Tables()
{
    static const std::vector<TableIndex> tables = [] {
        std::vector<TableIndex> out;
        for (const AliasTable &t : BuildTables()) {
            TableIndex index;
            index.layout = QString::fromUtf8(t.layout);
            index.googleGroups = t.googleGroups;
            for (const Alias &a : t.aliases)
                index.names[NameKey(a.name)].push_back(a.column);
            out.push_back(std::move(index));
        }
        return out;
    }();
    return tables;
}

// Google's numbered groups: "Phone 2 - Label", "E-mail 1 - Value", "Address 1 - City",
// "Custom Field 1 - Value"; the older layout writes "Type" for "Label".
bool GoogleGroupColumn(const QString &name, CsvColumn &column)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(e-mail|phone|address|custom field|organization) (\\d{1,4}) - (.+)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(name.simplified());
    if (!m.hasMatch())
        return false;
    const QString kind = m.captured(1).toLower();
    const int n = m.captured(2).toInt();
    const QString part = m.captured(3).toLower();
    const bool isType = part == QLatin1String("label") || part == QLatin1String("type");
    column = CsvColumn();
    column.group = n;
    const auto field = [&column](FieldId id) {
        column.part = P::Field;
        column.field = id;
    };
    const bool isValue = part == QLatin1String("value");
    if (kind == QLatin1String("phone")) {
        if (isType)
            column.part = P::PhoneLabel;
        else if (isValue)
            field(Id::Phone1);
    } else if (kind == QLatin1String("e-mail")) {
        if (isType)
            column.part = P::EmailLabel;
        else if (isValue)
            field(Id::Email1);
    } else if (kind == QLatin1String("custom field")) {
        column.part = isType ? P::CustomLabel : isValue ? P::CustomValue : P::Ignore;
    } else if (kind == QLatin1String("organization")) {
        column.part = n == 1 && part == QLatin1String("name") ? P::Organisation : P::Ignore;
    } else if (isType) {
        column.part = P::AddressLabel;
    } else if (part == QLatin1String("formatted")) {
        column.part = P::FormattedAddress;
    } else if (part == QLatin1String("extended address")) {
        // The line after the street ("Apartment 4"); post-office box and region have no
        // place in the record, as in a vCard.
        column.part = P::MoreStreet;
    } else {
        static const QHash<QString, FieldId> parts = {
            {QStringLiteral("street"), Id::Street}, {QStringLiteral("city"), Id::City},
            {QStringLiteral("postal code"), Id::Zip}, {QStringLiteral("country"), Id::Country},
        };
        if (parts.contains(part))
            field(parts.value(part));
    }
    return true;
}

// The choices of the column dialog and --map: a record field (a phone or an e-mail with
// a type), a part of the label, or nothing.
struct FieldName
{
    const char *name;
    CsvPart part;
    FieldId field;
    uint32_t params;
};

const std::vector<FieldName> &FieldNames()
{
    static const std::vector<FieldName> names = {
        {"label", P::Field, Id::Label, 0}, {"given", P::Given, Id::Label, 0}, {"middle", P::Middle, Id::Label, 0},
        {"family", P::Family, Id::Label, 0}, {"organisation", P::Organisation, Id::Label, 0},
        {"note", P::Field, Id::Note, 0}, {"street", P::Field, Id::Street, 0}, {"number", P::Field, Id::Numb, 0},
        {"zip", P::Field, Id::Zip, 0}, {"city", P::Field, Id::City, 0}, {"country", P::Field, Id::Country, 0},
        {"gps", P::Field, Id::Gps, 0}, {"phone", P::Field, Id::Phone1, 0},
        {"phone:cell", P::Field, Id::Phone1, kCell}, {"phone:home", P::Field, Id::Phone1, kHome},
        {"phone:work", P::Field, Id::Phone1, kWork}, {"phone:fax", P::Field, Id::Phone1, kFax},
        {"email", P::Field, Id::Email1, 0}, {"email:home", P::Field, Id::Email1, kHome},
        {"email:work", P::Field, Id::Email1, kWork}, {"ignore", P::Ignore, Id::Label, 0},
    };
    return names;
}

bool IsPhone(const CsvColumn &c)
{
    return c.part == P::Field && c.field >= Id::Phone1 && c.field <= Id::Phone5;
}

bool IsEmail(const CsvColumn &c)
{
    return c.part == P::Field && c.field >= Id::Email1 && c.field <= Id::Email5;
}

} // namespace

CsvMapping RecognizeCsvColumns(const QStringList &header)
{
    QStringList keys;
    keys.reserve(header.size());
    for (const QString &name : header)
        keys.append(NameKey(name));
    // The table that knows most of the names.
    const TableIndex *best = nullptr;
    int bestScore = 0;
    for (const TableIndex &t : Tables()) {
        int score = 0;
        CsvColumn scratch;
        for (int i = 0; i < keys.size(); ++i)
            if (t.names.contains(keys.at(i)) || (t.googleGroups && GoogleGroupColumn(header.at(i), scratch)))
                ++score;
        if (score > bestScore) {
            bestScore = score;
            best = &t;
        }
    }
    CsvMapping mapping;
    mapping.columns.resize(size_t(header.size()));
    if (!best)
        return mapping;
    mapping.layout = best->layout;
    QHash<QString, int> seen;
    for (int i = 0; i < keys.size(); ++i) {
        CsvColumn &column = mapping.columns[size_t(i)];
        const auto it = best->names.constFind(keys.at(i));
        if (it != best->names.constEnd()) {
            const int nth = seen[keys.at(i)]++;
            if (nth < int(it->size()))
                column = (*it)[size_t(nth)];
        } else if (best->googleGroups) {
            GoogleGroupColumn(header.at(i), column);
        }
    }
    return mapping;
}

bool PlacesNameOrPhone(const CsvMapping &mapping)
{
    for (const CsvColumn &c : mapping.columns) {
        switch (c.part) {
        case P::Given:
        case P::Middle:
        case P::Family:
        case P::Organisation:
            return true;
        case P::Field:
            if (c.field == Id::Label || IsPhone(c))
                return true;
            break;
        default:
            break;
        }
    }
    return false;
}

const QStringList &CsvFieldNames()
{
    static const QStringList names = [] {
        QStringList out;
        for (const FieldName &f : FieldNames())
            out.append(QLatin1String(f.name));
        return out;
    }();
    return names;
}

bool CsvColumnForName(const QString &name, CsvColumn &column)
{
    const QString key = name.trimmed().toLower();
    for (const FieldName &f : FieldNames()) {
        if (key == QLatin1String(f.name)) {
            column = Col(f.part, f.field, f.params);
            return true;
        }
    }
    return false;
}

QString CsvFieldName(const CsvColumn &column)
{
    CsvColumn c = column;
    // A further street line or a whole address is nearest to the street.
    if (c.part == P::MoreStreet || c.part == P::FormattedAddress)
        c = Col(P::Field, Id::Street);
    uint32_t params = 0;
    if (IsPhone(c) || IsEmail(c)) {
        c.field = IsPhone(c) ? Id::Phone1 : Id::Email1;
        // The one type a drop-down entry names; fax before home and work ("Work Fax").
        for (const uint32_t bit : {kFax, kCell, kHome, kWork})
            if (c.params & bit) {
                params = bit;
                break;
            }
        if (IsEmail(c))
            params &= kHome | kWork;
    }
    for (const FieldName &f : FieldNames())
        if (f.part == c.part && (f.part != P::Field || f.field == c.field) && f.params == params)
            return QLatin1String(f.name);
    return QStringLiteral("ignore");
}

bool ApplyCsvMap(const QString &mapText, const QStringList &header, CsvMapping &mapping, QString &reason)
{
    QStringList pairs;
    QString pending;
    for (const QString &piece : mapText.split(QLatin1Char(','))) {
        pending = pending.isNull() ? piece : pending + QLatin1Char(',') + piece;
        if (pending.contains(QLatin1Char('='))) {
            pairs.append(pending);
            pending = QString();
        }
    }
    if (!pending.trimmed().isEmpty()) {
        reason = QStringLiteral("--map: no field given for \"%1\"").arg(pending.trimmed());
        return false;
    }
    mapping.columns.resize(size_t(header.size()));
    for (const QString &pair : std::as_const(pairs)) {
        const qsizetype eq = pair.lastIndexOf(QLatin1Char('='));
        const QString name = NameKey(pair.left(eq));
        const QString fieldName = pair.mid(eq + 1).trimmed();
        CsvColumn column;
        if (!CsvColumnForName(fieldName, column)) {
            reason = QStringLiteral("--map: \"%1\" is no field; the fields are: %2")
                         .arg(fieldName, CsvFieldNames().join(QStringLiteral(", ")));
            return false;
        }
        bool found = false;
        for (int i = 0; i < header.size(); ++i)
            if (NameKey(header.at(i)) == name) {
                mapping.columns[size_t(i)] = column;
                found = true;
            }
        if (!found) {
            reason = QStringLiteral("--map: the file has no column \"%1\"").arg(pair.left(eq).trimmed());
            return false;
        }
    }
    return true;
}

uint32_t CsvTypeParams(QStringView text)
{
    struct Word
    {
        QLatin1String word;
        uint32_t params;
    };
    static constexpr Word words[] = {
        {QLatin1String("mobile"), kCell}, {QLatin1String("cell"), kCell}, {QLatin1String("cellular"), kCell},
        {QLatin1String("handy"), kCell}, {QLatin1String("mobil"), kCell}, {QLatin1String("home"), kHome},
        {QLatin1String("private"), kHome}, {QLatin1String("personal"), kHome}, {QLatin1String("work"), kWork},
        {QLatin1String("business"), kWork}, {QLatin1String("office"), kWork}, {QLatin1String("fax"), kFax},
        {QLatin1String("pager"), kPager}, {QLatin1String("voice"), VcParam::Voice},
        {QLatin1String("primary"), kPref}, {QLatin1String("preferred"), kPref}, {QLatin1String("pref"), kPref},
        {QLatin1String("main"), kPref},
    };
    const auto lookUp = [](QStringView word, Qt::CaseSensitivity cs) {
        for (const Word &w : words)
            if (word.compare(w.word, cs) == 0)
                return w.params;
        return uint32_t(0);
    };
    const QStringView t = text.trimmed();
    uint32_t params = t.startsWith(QLatin1Char('*')) ? kPref : 0;
    const bool ascii = std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        // Lower case may change the letters of other scripts (and their number), so such
        // a text is lowered as a whole before it is split into words.
        static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
        for (const QString &word : t.toString().toLower().split(nonLetters, Qt::SkipEmptyParts))
            params |= lookUp(word, Qt::CaseSensitive);
        return params;
    }
    // ASCII: the words are the runs of letters, compared without case.
    const auto letter = [](QChar c) { return (c.unicode() | 0x20) >= 'a' && (c.unicode() | 0x20) <= 'z'; };
    for (qsizetype i = 0; i < t.size();) {
        if (!letter(t[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < t.size() && letter(t[i]))
            ++i;
        params |= lookUp(t.sliced(start, i - start), Qt::CaseInsensitive);
    }
    return params;
}
