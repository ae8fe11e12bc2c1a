#include "formats/csvcolumns.h"

#include "formats/vcard.h"

#include <QHash>
#include <QRegularExpression>

#include <initializer_list>

namespace {

using F = CsvField;
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
    const char *name;  // UTF-8
    CsvField field;
    uint32_t params;
    uint8_t block;
};

constexpr Alias N(const char *name, CsvField field) { return {name, field, 0, H}; }
constexpr Alias Ig(const char *name) { return {name, F::Ignore, 0, H}; }
constexpr Alias Ph(const char *name, uint32_t params) { return {name, F::Phone, params, H}; }
constexpr Alias Em(const char *name, uint32_t params = 0) { return {name, F::Email, params, H}; }
constexpr Alias Ad(const char *name, CsvField field, uint8_t block) { return {name, field, 0, block}; }

struct AliasTable
{
    const char *layout;
    bool googleGroups;  // "Phone 1 - Label" ... recognised by pattern
    std::vector<Alias> aliases;
};

// Thunderbird writes the same 37 columns in every language, named in the language of its
// window; the columns the record uses, with their names in English, German, French,
// Italian, Spanish and Dutch.
struct ThunderbirdColumn
{
    Alias role;  // its name is unused
    const char *names[6];
};

const std::vector<ThunderbirdColumn> &ThunderbirdColumns()
{
    static const std::vector<ThunderbirdColumn> columns = {
        {N("", F::Given), {"First Name", "Vorname", "Prénom", "Nome", "Nombre", "Voornaam"}},
        {N("", F::Family), {"Last Name", "Nachname", "Nom de famille", "Cognome", "Apellidos", "Achternaam"}},
        {N("", F::Label), {"Display Name", "Anzeigename", "Nom à afficher", "Nome visualizzato", "Nombre mostrado", "Weergavenaam"}},
        {Em("", kPref), {"Primary Email", "Primäre E-Mail-Adresse", "Adresse e-mail principale", "Email primaria",
                         "Dirección de correo electrónico principal", "Primair e-mailadres"}},
        {Em(""), {"Secondary Email", "Sekundäre E-Mail-Adresse", "Adresse e-mail secondaire", "Email secondaria",
                  "Dirección de correo electrónico secundaria", "Secundair e-mailadres"}},
        {Ph("", kWork), {"Work Phone", "Tel. dienstlich", "Tél. professionnel", "Telefono lavoro", "Teléfono (Trabajo)", "Telefoon werk"}},
        {Ph("", kHome), {"Home Phone", "Tel. privat", "Tél. personnel", "Telefono casa", "Teléfono particular", "Telefoon thuis"}},
        {Ph("", kFax), {"Fax Number", "Fax-Nummer", "Fax", "Numero fax", "Fax", "Faxnummer"}},
        {Ph("", kPager), {"Pager Number", "Pager-Nummer", "Pager", "Numero cercapersone", "Buscapersonas", "Piepernummer"}},
        {Ph("", kCell), {"Mobile Number", "Mobil-Tel.-Nr.", "Portable", "Numero cellulare", "Teléfono móvil", "Mobiel nummer"}},
        {Ad("", F::Street, H), {"Home Address", "Privat: Adresse", "Adresse privée", "Indirizzo di casa", "Dirección personal", "Adres"}},
        {Ad("", F::City, H), {"Home City", "Privat: Ort", "Ville", "Città di residenza", "Ciudad donde vive", "Woonplaats"}},
        {Ig(""), {"Home State", "Privat: Bundesland", "Pays/État", "Provincia di residenza", "Provincia", "Provincie"}},
        {Ad("", F::Zip, H), {"Home ZipCode", "Privat: PLZ", "Code postal", "CAP di residenza", "Código postal", "Postcode"}},
        {Ad("", F::Country, H), {"Home Country", "Privat: Land", "Pays/Région (domicile)", "Nazione di residenza", "País de residencia", "Land"}},
        {Ad("", F::Street, W), {"Work Address", "Dienstlich: Adresse", "Adresse professionnelle", "Indirizzo di lavoro", "Dirección de trabajo", "Werkadres"}},
        {Ad("", F::City, W), {"Work City", "Dienstlich: Ort", "Ville", "Città di lavoro", "Ciudad (Trabajo)", "Werklocatie"}},
        {Ig(""), {"Work State", "Dienstlich: Bundesland", "Pays/État", "Provincia di lavoro", "Provincia (Trabajo)", "Werkprovincie"}},
        {Ad("", F::Zip, W), {"Work ZipCode", "Dienstlich: PLZ", "Code postal", "CAP di lavoro", "Código postal (Trabajo)", "Werkpostcode"}},
        {Ad("", F::Country, W), {"Work Country", "Dienstlich: Land", "Pays/Région (bureau)", "Nazione di lavoro", "País (Trabajo)", "Werkland"}},
        {N("", F::Organisation), {"Organization", "Organisation", "Société", "Organizzazione", "Organización", "Organisatie"}},
        {N("", F::Note), {"Notes", "Notizen", "Notes", "Note", "Notas", "Aantekeningen"}},
    };
    return columns;
}

AliasTable Thunderbird(int language, const char *layout)
{
    AliasTable table{layout, false, {}};
    for (const ThunderbirdColumn &c : ThunderbirdColumns()) {
        Alias a = c.role;
        a.name = c.names[language];
        table.aliases.push_back(a);
    }
    return table;
}

// The names Outlook writes in English; Google's "Outlook CSV", outlook.com and Windows
// Live Mail use the same names (with "Country" for "Country/Region" in some versions,
// and a whole "Home Address" beside its parts).
AliasTable OutlookEnglish()
{
    return {"Outlook CSV (English: Outlook, Google's Outlook CSV, outlook.com, Windows Live Mail)", false, {
        Ig("Title"), N("First Name", F::Given), N("Middle Name", F::Middle), N("Last Name", F::Family),
        N("Name", F::Label), N("Company", F::Organisation), N("Notes", F::Note),
        Ad("Business Street", F::Street, W), Ad("Business City", F::City, W), Ad("Business Postal Code", F::Zip, W),
        Ad("Business Country/Region", F::Country, W), Ad("Business Country", F::Country, W),
        Ad("Business Address", F::FormattedAddress, W),
        Ad("Home Street", F::Street, H), Ad("Home City", F::City, H), Ad("Home Postal Code", F::Zip, H),
        Ad("Home Country/Region", F::Country, H), Ad("Home Country", F::Country, H),
        Ad("Home Address", F::FormattedAddress, H),
        Ad("Other Street", F::Street, O), Ad("Other City", F::City, O), Ad("Other Postal Code", F::Zip, O),
        Ad("Other Country/Region", F::Country, O), Ad("Other Country", F::Country, O),
        Ad("Other Address", F::FormattedAddress, O),
        Ph("Assistant's Phone", kWork), Ph("Business Fax", kWork | kFax), Ph("Business Phone", kWork),
        Ph("Business Phone 2", kWork), Ph("Callback", 0), Ph("Car Phone", kCell), Ph("Company Main Phone", kWork),
        Ph("Home Fax", kHome | kFax), Ph("Home Phone", kHome), Ph("Home Phone 2", kHome), Ph("ISDN", 0),
        Ph("Mobile Phone", kCell), Ph("Other Fax", kFax), Ph("Other Phone", 0), Ph("Pager", kPager),
        Ph("Primary Phone", kPref), Ph("Radio Phone", 0), Ph("TTY/TDD Phone", 0),
        Em("E-mail Address"), Em("E-mail 2 Address"), Em("E-mail 3 Address"),
    }};
}

// Outlook in German: both spellings of the private phones ("Telefon (privat)" in the
// exports of newer versions, "Telefon privat" in older ones). "Ort" alone is the
// location of a meeting, not a city.
AliasTable OutlookGerman()
{
    return {"Outlook (German)", false, {
        Ig("Anrede"), N("Vorname", F::Given), N("Weitere Vornamen", F::Middle), N("Nachname", F::Family),
        N("Name", F::Label), N("Firma", F::Organisation), N("Notizen", F::Note), Ig("Ort"),
        Ad("Straße geschäftlich", F::Street, W), Ad("Ort geschäftlich", F::City, W),
        Ad("Postleitzahl geschäftlich", F::Zip, W), Ad("Land/Region geschäftlich", F::Country, W),
        Ad("Adresse geschäftlich", F::FormattedAddress, W),
        Ad("Straße privat", F::Street, H), Ad("Ort privat", F::City, H), Ad("Postleitzahl privat", F::Zip, H),
        Ad("Land/Region privat", F::Country, H), Ad("Adresse privat", F::FormattedAddress, H),
        Ad("Weitere Straße", F::Street, O), Ad("Weiterer Ort", F::City, O), Ad("Weitere Postleitzahl", F::Zip, O),
        Ad("Weiteres/e Land/Region", F::Country, O),
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
        Ig("Titre"), N("Prénom", F::Given), N("Deuxième prénom", F::Middle), N("Nom", F::Family), N("Nom", F::Label),
        N("Société", F::Organisation), N("Notes", F::Note),
        Ad("Rue (bureau)", F::Street, W), Ad("Ville (bureau)", F::City, W), Ad("Code postal (bureau)", F::Zip, W),
        Ad("Pays/Région (bureau)", F::Country, W), Ad("Adresse professionnelle", F::FormattedAddress, W),
        Ad("Rue (domicile)", F::Street, H), Ad("Ville (domicile)", F::City, H), Ad("Code postal (domicile)", F::Zip, H),
        Ad("Pays/Région (domicile)", F::Country, H), Ad("Adresse personnelle", F::FormattedAddress, H),
        Ad("Rue (autre)", F::Street, O), Ad("Ville (autre)", F::City, O), Ad("Code postal (autre)", F::Zip, O),
        Ad("Pays/Région (autre)", F::Country, O),
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
        Ig("Titolo"), N("Nome", F::Given), N("Nome", F::Label), N("Secondo nome", F::Middle), N("Cognome", F::Family),
        N("Società", F::Organisation), N("Notes", F::Note), Ig("Luogo"),
        Ad("Via (uff.)", F::Street, W), Ad("Città (uff.)", F::City, W), Ad("CAP (uff.)", F::Zip, W),
        Ad("Paese (uff.)", F::Country, W), Ad("Indirizzo ufficio", F::FormattedAddress, W),
        Ad("Via (ab.)", F::Street, H), Ad("Città (ab.)", F::City, H), Ad("CAP (ab.)", F::Zip, H),
        Ad("Paese (ab.)", F::Country, H), Ad("Indirizzo casa", F::FormattedAddress, H),
        Ad("Altra via", F::Street, O), Ad("Altra città", F::City, O), Ad("Altro CAP", F::Zip, O),
        Ad("Altro paese", F::Country, O),
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
        Ig("Title"), N("Nombre", F::Given), N("Nombre", F::Label), N("Segundo nombre", F::Middle),
        N("Apellidos", F::Family), N("Organización", F::Organisation), N("Notes", F::Note),
        Ad("Calle del trabajo", F::Street, W), Ad("Ciudad de trabajo", F::City, W),
        Ad("Código postal del trabajo", F::Zip, W), Ad("País o región del trabajo", F::Country, W),
        Ad("Dirección trabajo", F::FormattedAddress, W),
        Ad("Home Street", F::Street, H), Ad("Home City", F::City, H), Ad("Home Postal Code", F::Zip, H),
        Ad("País o región del domicilio", F::Country, H), Ad("Dirección particular", F::FormattedAddress, H),
        Ad("Otra calle", F::Street, O), Ad("Otra ciudad", F::City, O), Ad("Otro código postal", F::Zip, O),
        Ad("Otro país o región", F::Country, O),
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
        Ig("Titel"), N("Voornaam", F::Given), N("Middelste naam", F::Middle), N("Achternaam", F::Family),
        N("Naam", F::Label), N("Bedrijf", F::Organisation), N("Notities", F::Note),
        Ad("Werkadres, straat", F::Street, W), Ad("Werkadres, plaats", F::City, W), Ad("Werkadres, postcode", F::Zip, W),
        Ad("Land/regio (werk)", F::Country, W), Ad("Adres werk", F::FormattedAddress, W),
        Ad("Huisadres, straat", F::Street, H), Ad("Huisadres, plaats", F::City, H), Ad("Huisadres, postcode", F::Zip, H),
        Ad("Land/regio (thuis)", F::Country, H), Ad("Adres thuis", F::FormattedAddress, H),
        Ad("Ander adres, straat", F::Street, O), Ad("Ander adres, plaats", F::City, O),
        Ad("Ander adres, postcode", F::Zip, O), Ad("Land/regio (anders)", F::Country, O),
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
        N("Vorname", F::Given), N("Nachname", F::Family), N("2. Vorname", F::Middle), N("Name", F::Label),
        Em("E-Mail-Adresse"), Ad("Straße (privat)", F::Street, H), Ad("Ort (privat)", F::City, H),
        Ad("Postleitzahl (privat)", F::Zip, H), Ad("Land/Region (privat)", F::Country, H),
        Ph("Telefon (privat)", kHome), Ph("Fax (privat)", kHome | kFax), Ph("Mobiltelefon", kCell),
        Ad("Straße (geschäftlich)", F::Street, W), Ad("Ort (geschäftlich)", F::City, W),
        Ad("Postleitzahl (geschäftlich)", F::Zip, W), Ad("Land/Region (geschäftlich)", F::Country, W),
        Ph("Telefon (geschäftlich)", kWork), Ph("Fax (geschäftlich)", kWork | kFax), Ph("Pager", kPager),
        N("Firma", F::Organisation), N("Notizen", F::Note),
    }};
}

AliasTable Yahoo()
{
    return {"Yahoo", false, {
        N("First", F::Given), N("Middle", F::Middle), N("Last", F::Family), Em("Email"),
        Ph("Home", kHome), Ph("Work", kWork), Ph("Pager", kPager), Ph("Fax", kFax), Ph("Mobile", kCell),
        Ph("Other", 0), Ph("Primary", kPref), Em("Alternate Email 1"), Em("Alternate Email 2"),
        N("Company", F::Organisation), Ad("Work Address", F::Street, W), Ad("Work City", F::City, W),
        Ad("Work ZIP", F::Zip, W), Ad("Work Country", F::Country, W), Ad("Home Address", F::Street, H),
        Ad("Home City", F::City, H), Ad("Home ZIP", F::Zip, H), Ad("Home Country", F::Country, H),
        N("Comments", F::Note),
    }};
}

// Names a hand-made list or a small program may use, and this program's own header.
AliasTable Generic()
{
    return {"generic", false, {
        N("Name", F::Label), N("Full Name", F::Label), N("Display Name", F::Label), N("Label", F::Label),
        N("First Name", F::Given), N("Firstname", F::Given), N("Given Name", F::Given),
        N("Middle Name", F::Middle), N("Last Name", F::Family), N("Lastname", F::Family), N("Surname", F::Family),
        N("Family Name", F::Family), N("Company", F::Organisation), N("Organization", F::Organisation),
        N("Organisation", F::Organisation), N("Note", F::Note), N("Notes", F::Note), N("Comment", F::Note),
        N("Comments", F::Note), N("Address", F::Street), N("Street", F::Street), N("House Number", F::Number),
        N("City", F::City), N("Town", F::City), N("ZIP", F::Zip), N("ZIP Code", F::Zip), N("Postcode", F::Zip),
        N("Postal Code", F::Zip), N("Country", F::Country), N("GPS", F::Gps), N("Coordinates", F::Gps),
        Ph("Phone", 0), Ph("Telephone", 0), Ph("Tel", 0), Ph("Phone Number", 0), Ph("Mobile", kCell),
        Ph("Cell", kCell), Ph("Mobile Phone", kCell), Ph("Home Phone", kHome), Ph("Work Phone", kWork),
        Ph("Business Phone", kWork), Ph("Fax", kFax), Em("E-mail"), Em("Email"), Em("E-mail Address"),
        Em("Email Address"), Em("Mail"),
        // This program's own header, in a file another program saved again.
        N("last", F::Label), N("first", F::Label), N("numb", F::Number), N("coord", F::Gps),
        Ph("phone1", 0), Ph("phone2", 0), Ph("phone3", 0), Ph("phone4", 0), Ph("phone5", 0),
        Em("email1"), Em("email2"), Em("email3"), Em("email4"), Em("email5"),
    }};
}

std::vector<AliasTable> BuildTables()
{
    std::vector<AliasTable> tables;
    tables.push_back({"Google Contacts", true, {
        N("First Name", F::Given), N("Middle Name", F::Middle), N("Last Name", F::Family),
        N("Organization Name", F::Organisation), N("Notes", F::Note), Ig("File As"), Ig("Labels"), Ig("Nickname"),
        Ig("Name Prefix"), Ig("Name Suffix"), Ig("Birthday"), Ig("Organization Title"),
    }});
    tables.push_back({"Google Contacts (older layout)", true, {
        N("Name", F::Label), N("Given Name", F::Given), N("Additional Name", F::Middle), N("Family Name", F::Family),
        N("Notes", F::Note), Ig("Group Membership"), Ig("Name Prefix"), Ig("Name Suffix"), Ig("Birthday"),
        Ig("Nickname"), Ig("Yomi Name"),
    }});
    tables.push_back(OutlookEnglish());
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
            for (const Alias &a : t.aliases) {
                CsvColumn c;
                c.field = a.field;
                c.params = a.params;
                c.block = a.block;
                index.names[NameKey(QString::fromUtf8(a.name))].push_back(c);
            }
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
    if (kind == QLatin1String("phone")) {
        column.field = isType ? F::PhoneLabel : part == QLatin1String("value") ? F::Phone : F::Ignore;
    } else if (kind == QLatin1String("e-mail")) {
        column.field = isType ? F::EmailLabel : part == QLatin1String("value") ? F::Email : F::Ignore;
    } else if (kind == QLatin1String("custom field")) {
        column.field = isType ? F::CustomLabel : part == QLatin1String("value") ? F::CustomValue : F::Ignore;
    } else if (kind == QLatin1String("organization")) {
        column.field = n == 1 && part == QLatin1String("name") ? F::Organisation : F::Ignore;
    } else {
        static const QHash<QString, CsvField> parts = {
            {QStringLiteral("label"), F::AddressLabel}, {QStringLiteral("type"), F::AddressLabel},
            {QStringLiteral("formatted"), F::FormattedAddress}, {QStringLiteral("street"), F::Street},
            {QStringLiteral("city"), F::City}, {QStringLiteral("postal code"), F::Zip},
            {QStringLiteral("country"), F::Country},
        };
        column.field = parts.value(part, F::Ignore);
    }
    return true;
}

struct FieldName
{
    const char *name;
    CsvField field;
    uint32_t params;
};

const std::vector<FieldName> &FieldNames()
{
    static const std::vector<FieldName> names = {
        {"label", F::Label, 0}, {"given", F::Given, 0}, {"middle", F::Middle, 0}, {"family", F::Family, 0},
        {"organisation", F::Organisation, 0}, {"note", F::Note, 0}, {"street", F::Street, 0},
        {"number", F::Number, 0}, {"zip", F::Zip, 0}, {"city", F::City, 0}, {"country", F::Country, 0},
        {"gps", F::Gps, 0}, {"phone", F::Phone, 0}, {"phone:cell", F::Phone, kCell},
        {"phone:home", F::Phone, kHome}, {"phone:work", F::Phone, kWork}, {"phone:fax", F::Phone, kFax},
        {"email", F::Email, 0}, {"email:home", F::Email, kHome}, {"email:work", F::Email, kWork},
        {"ignore", F::Ignore, 0},
    };
    return names;
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
        switch (c.field) {
        case F::Label:
        case F::Given:
        case F::Middle:
        case F::Family:
        case F::Organisation:
        case F::Phone:
            return true;
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
            column = CsvColumn();
            column.field = f.field;
            column.params = f.params;
            return true;
        }
    }
    return false;
}

QString CsvFieldName(const CsvColumn &column)
{
    CsvField field = column.field;
    if (field == F::FormattedAddress)
        field = F::Street;
    uint32_t params = 0;
    if (field == F::Phone || field == F::Email) {
        // The one type a drop-down entry names; fax before home and work ("Work Fax").
        for (const uint32_t bit : {kFax, kCell, kHome, kWork})
            if (column.params & bit) {
                params = bit;
                break;
            }
        if (field == F::Email)
            params &= kHome | kWork;
    }
    for (const FieldName &f : FieldNames())
        if (f.field == field && f.params == params)
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

uint32_t CsvTypeParams(const QString &text)
{
    static const QHash<QString, uint32_t> words = {
        {QStringLiteral("mobile"), kCell}, {QStringLiteral("cell"), kCell}, {QStringLiteral("cellular"), kCell},
        {QStringLiteral("handy"), kCell}, {QStringLiteral("mobil"), kCell}, {QStringLiteral("home"), kHome},
        {QStringLiteral("private"), kHome}, {QStringLiteral("personal"), kHome}, {QStringLiteral("work"), kWork},
        {QStringLiteral("business"), kWork}, {QStringLiteral("office"), kWork}, {QStringLiteral("fax"), kFax},
        {QStringLiteral("pager"), kPager}, {QStringLiteral("voice"), VcParam::Voice},
        {QStringLiteral("primary"), kPref}, {QStringLiteral("preferred"), kPref}, {QStringLiteral("pref"), kPref},
        {QStringLiteral("main"), kPref},
    };
    const QString t = text.trimmed();
    uint32_t params = t.startsWith(QLatin1Char('*')) ? kPref : 0;
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    for (const QString &word : t.toLower().split(nonLetters, Qt::SkipEmptyParts))
        params |= words.value(word, 0);
    return params;
}
