#include "formats/csvcontacts.h"

#include "formats/contactname.h"
#include "formats/csv.h"
#include "formats/csvtokenizer.h"
#include "formats/decode.h"
#include "formats/vcard.h"
#include "store/agenda.h"
#include "store/fields.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {


bool BlankRow(const QStringList &fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const QString &f) { return f.trimmed().isEmpty(); });
}

// Several values in one cell, as Google joins them: "a ::: b".
QStringList CellValues(const QString &cell)
{
    static const QString separator = QStringLiteral(" ::: ");
    if (!cell.contains(separator))
        return {cell.trimmed()};
    QStringList values;
    for (const QString &v : cell.split(separator))
        if (!v.trimmed().isEmpty())
            values.append(v.trimmed());
    return values;
}

// One address block of a row: its parts by record field (street .. country), the
// further street lines, and the whole address when a cell gives it.
struct Address
{
    int rank = 0;  // kBlockHome, kBlockWork, kBlockOther; a Google group by its label
    int group = 0;
    uint8_t block = 0;
    std::array<QString, 5> parts;  // FieldId::Street .. FieldId::Country
    QStringList moreStreet;
    QString formatted;

    static size_t Index(FieldId id) { return size_t(int(id) - int(FieldId::Street)); }
    QString &Part(FieldId id) { return parts[Index(id)]; }
    const QString &Part(FieldId id) const { return parts[Index(id)]; }
    bool Empty() const
    {
        return std::all_of(parts.begin(), parts.end(), [](const QString &p) { return p.isEmpty(); })
               && moreStreet.isEmpty() && formatted.isEmpty();
    }
};

struct Typed
{
    QString value;
    uint32_t params = 0;
    int group = 0;
    bool firstOfCell = true;
};

int AddressRank(const QString &label)
{
    const uint32_t params = CsvTypeParams(label);
    if (params & VcParam::Home)
        return kBlockHome;
    if (params & VcParam::Work)
        return kBlockWork;
    return kBlockOther;
}

Address &AddressOf(std::vector<Address> &addresses, const CsvColumn &c)
{
    for (Address &a : addresses)
        if (a.group == c.group && a.block == c.block)
            return a;
    Address a;
    a.group = c.group;
    a.block = c.block;
    a.rank = c.block;
    addresses.push_back(a);
    return addresses.back();
}

void AppendPart(QString &to, const QString &value, QChar separator)
{
    if (to.isEmpty())
        to = value;
    else
        to += separator + value;
}

// The group labels of a row: group number -> its label cell.
using GroupLabels = std::vector<std::pair<int, QString>>;

QString GroupLabel(const GroupLabels &labels, int group)
{
    for (const auto &l : labels)
        if (l.first == group)
            return l.second;
    return QString();
}

// Phones or e-mails into the record's five places; returns how many were dropped.
template <typename Store>
int Place(const std::vector<Typed> &values, const GroupLabels &labels, Store store)
{
    int placed = 0;
    int dropped = 0;
    for (const Typed &t : values) {
        uint32_t params = t.params;
        if (t.group > 0) {
            const QString label = GroupLabel(labels, t.group);
            params |= CsvTypeParams(label);
            // "* Mobile" marks the first number of its cell as the preferred one.
            if (!t.firstOfCell)
                params &= ~uint32_t(VcParam::Pref);
        }
        if (placed < kPhoneCount)
            store(placed++, t.value, params);
        else
            ++dropped;
    }
    return dropped;
}

QString CsvQuoted(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A type as a Google label: "* " for the preferred one, then Home / Work, Voice, Fax or
// Mobile ("Other" when only the mark is left); empty for no type. Read back through
// CsvTypeParams it gives the same bits.
QString TypeLabel(uint32_t params)
{
    using namespace VcParam;
    QStringList words;
    if (params & Home)
        words << QStringLiteral("Home");
    if (params & Work)
        words << QStringLiteral("Work");
    if (params & Voice)
        words << QStringLiteral("Voice");
    if (params & Fax)
        words << QStringLiteral("Fax");
    if (params & Cell)
        words << QStringLiteral("Mobile");
    if (params & Pager)
        words << QStringLiteral("Pager");
    if (words.isEmpty() && (params & Pref))
        words << QStringLiteral("Other");
    const QString text = words.join(QLatin1Char(' '));
    return (params & Pref) ? QStringLiteral("* ") + text : text;
}

// The type bits of an e-mail's label. vCards write HOME as no parameter at all; the
// label says "Home", so that the type reads back.
uint32_t EmailLabelParams(uint32_t emailType)
{
    const uint32_t params = EmailTypeToParams(emailType);
    return emailType != 0 && params == 0 ? uint32_t(VcParam::Home) : params;
}

// Street and house number in the one street cell, in the order that the reader splits
// back into the same two ("Via Roma 12", "221B Baker Street").
QString StreetLine(const QString &street, const QString &number)
{
    if (number.isEmpty())
        return street;
    QString s, n;
    for (const QString &line : {street + QLatin1Char(' ') + number, number + QLatin1Char(' ') + street}) {
        SplitHouseNumber(line, s, n);
        if (s == street && n == number)
            return line;
    }
    return street + QLatin1Char(' ') + number;
}

} // namespace

CsvTable ReadCsvTable(const QByteArray &bytes)
{
    CsvTable table;
    if (bytes.startsWith("\xFF\xFE") && OwnCsvReader(bytes).IsOwnFile()) {
        table.ok = true;
        table.own = true;
        table.encoding = "UTF-16LE";
        table.delimiter = QLatin1Char(';');
        table.header = OwnCsvHeader();
        return table;
    }
    const DecodedText decoded = DecodeTextFile(bytes);
    table.encoding = decoded.encoding;
    if (!decoded.ok) {
        table.reason = decoded.reason;
        return table;
    }
    const QString &text = decoded.text;
    table.delimiter = DetectCsvDelimiter(text);
    CsvDialect dialect;
    dialect.delimiter = table.delimiter;
    CsvTokenizer tokenizer(text, dialect);
    QStringList fields;
    bool haveHeader = false;
    while (tokenizer.Next(fields)) {
        if (BlankRow(fields))
            continue;
        if (!haveHeader) {
            while (!fields.isEmpty() && fields.constLast().trimmed().isEmpty())
                fields.removeLast();
            table.header = fields;
            haveHeader = true;
            continue;
        }
        if (int(table.rows.size()) >= kCsvMaxRows) {
            table.reason = QCoreApplication::translate("ReadText", "more than %1 rows").arg(kCsvMaxRows);
            return table;
        }
        table.rows.push_back(fields);
        table.lines.push_back(tokenizer.RowLine());
    }
    if (!tokenizer.Error().isEmpty()) {
        table.reason = tokenizer.Error();
        table.rows.clear();
        table.lines.clear();
        return table;
    }
    if (!haveHeader) {
        table.reason = QCoreApplication::translate("ReadText", "no header row");
        return table;
    }
    table.ok = true;
    return table;
}

QStringList UnplacedColumns(const QStringList &header, const CsvMapping &mapping)
{
    QStringList names;
    for (int i = 0; i < header.size(); ++i)
        if (size_t(i) >= mapping.columns.size() || mapping.columns[size_t(i)].part == CsvPart::Ignore)
            names.append(header.at(i).trimmed());
    return names;
}

CardOfFile MapCsvRow(const QStringList &fields, const CsvMapping &mapping)
{
    using P = CsvPart;
    using Id = FieldId;
    CardOfFile card;
    AgendaRecord &r = card.record;
    QString label, given, middle, family, organisation, gps;
    QStringList notes;
    std::vector<Address> addresses;
    std::vector<Typed> phones, emails;
    GroupLabels phoneLabels, emailLabels, addressLabels, customLabels, customValues;
    const int n = std::min(int(fields.size()), int(mapping.columns.size()));
    for (int i = 0; i < n; ++i) {
        const CsvColumn &c = mapping.columns[size_t(i)];
        if (c.part == P::Ignore)
            continue;
        const QString value = fields.at(i).trimmed();
        if (value.isEmpty())
            continue;
        switch (c.part) {
        case P::Ignore: break;
        case P::Given: AppendPart(given, value, QLatin1Char(' ')); break;
        case P::Middle: AppendPart(middle, value, QLatin1Char(' ')); break;
        case P::Family: AppendPart(family, value, QLatin1Char(' ')); break;
        case P::Organisation:
            if (organisation.isEmpty())
                organisation = value;
            break;
        case P::MoreStreet: AddressOf(addresses, c).moreStreet.append(value); break;
        case P::FormattedAddress: AddressOf(addresses, c).formatted = value; break;
        case P::PhoneLabel: phoneLabels.emplace_back(c.group, value); break;
        case P::EmailLabel: emailLabels.emplace_back(c.group, value); break;
        case P::AddressLabel: addressLabels.emplace_back(c.group, value); break;
        case P::CustomLabel: customLabels.emplace_back(c.group, value); break;
        case P::CustomValue: customValues.emplace_back(c.group, value); break;
        case P::Field:
            switch (c.field) {
            case Id::Label: AppendPart(label, value, QLatin1Char(' ')); break;
            case Id::Note: notes.append(value); break;
            case Id::Street: AppendPart(AddressOf(addresses, c).Part(Id::Street), value, QLatin1Char(' ')); break;
            case Id::Numb:
            case Id::Zip:
            case Id::City:
            case Id::Country: AddressOf(addresses, c).Part(c.field) = value; break;
            case Id::Gps:
                if (gps.isEmpty())
                    gps = value;
                break;
            case Id::Phone1: case Id::Phone2: case Id::Phone3: case Id::Phone4: case Id::Phone5:
            case Id::Email1: case Id::Email2: case Id::Email3: case Id::Email4: case Id::Email5: {
                const bool phone = c.field <= Id::Phone5;
                bool first = true;
                for (const QString &v : CellValues(value)) {
                    (phone ? phones : emails).push_back({v, c.params, c.group, first});
                    first = false;
                }
                break;
            }
            default:
                // Any other field takes the text as it stands.
                if (const auto write = Field(c.field).write)
                    write(r, value);
                break;
            }
            break;
        }
    }
    r.recType = 1;
    r.owner = 1;
    const auto write = [&r](FieldId id, const QString &text) { return Field(id).write(r, text); };
    write(Id::Label, ContactLabel(label.simplified(), given, middle, family, organisation));
    write(Id::Note, notes.join(QLatin1Char('\n')));
    card.droppedPhones = Place(phones, phoneLabels, [&](int k, const QString &v, uint32_t params) {
        write(PhoneField(k), v);
        r.phoneType[size_t(k)] = params ? ParamsToPhoneType(params) : 0;
    });
    card.droppedEmails = Place(emails, emailLabels, [&](int k, const QString &v, uint32_t params) {
        write(EmailField(k), v);
        params &= VcParam::Pref | VcParam::Work | VcParam::Home;
        r.emailType[size_t(k)] = params ? ParamsToEmailType(params) : 0;
    });
    // The first address that holds anything: home, then work, then other.
    for (Address &a : addresses)
        if (a.group > 0)
            a.rank = AddressRank(GroupLabel(addressLabels, a.group));
    std::stable_sort(addresses.begin(), addresses.end(), [](const Address &a, const Address &b) { return a.rank < b.rank; });
    for (const Address &a : addresses) {
        if (a.Empty())
            continue;
        QString street = a.Part(Id::Street);
        const bool parts = std::any_of(a.parts.begin(), a.parts.end(), [](const QString &p) { return !p.isEmpty(); });
        if (!parts && a.moreStreet.isEmpty())
            street = a.formatted.section(QLatin1Char('\n'), 0, 0).trimmed();  // its first line
        // The house number from the street line, as a vCard's street gives it, unless a
        // column gives it; the further lines ("Apartment 4") follow the street.
        QString streetName = street;
        QString number = a.Part(Id::Numb);
        if (number.isEmpty())
            SplitHouseNumber(street, streetName, number);
        QStringList lines = a.moreStreet;
        if (!streetName.isEmpty())
            lines.prepend(streetName);
        write(Id::Street, lines.join(QStringLiteral(", ")));
        write(Id::Numb, number);
        for (const FieldId id : {Id::Zip, Id::City, Id::Country})
            write(id, a.Part(id));
        break;
    }
    for (const auto &l : customLabels)
        if (l.second.compare(QLatin1String("GPS"), Qt::CaseInsensitive) == 0 && gps.isEmpty())
            gps = GroupLabel(customValues, l.first);
    // Only a text that is a position sets coordinates (a wrong column must not put the
    // contact at 0,0); any other is named in the review.
    if (!gps.isEmpty() && !write(Id::Gps, gps))
        card.badGeo = gps;
    return card;
}

std::vector<CardOfFile> MapCsvRows(const CsvTable &table, const CsvMapping &mapping, const QString &path)
{
    std::vector<CardOfFile> cards;
    cards.reserve(table.rows.size());
    for (const QStringList &row : table.rows) {
        cards.push_back(MapCsvRow(row, mapping));
        CardOfFile &c = cards.back();
        c.path = path;
        c.number = int(cards.size());
        c.fileCards = int(table.rows.size());
    }
    return cards;
}

std::vector<CardOfFile> OwnCsvCards(const QByteArray &bytes, const QString &path, std::vector<ShortCsvLine> &shortLines)
{
    std::vector<CardOfFile> cards;
    OwnCsvReader reader(bytes);
    for (int line = 2; !reader.AtEnd(); ++line) {
        CardOfFile c;
        c.path = path;
        c.record.owner = 1;
        if (!reader.ReadLine(c.record)) {
            // A short last line is the end of the file, as it always was.
            if (!reader.AtEnd())
                shortLines.push_back({line, c.record.label});
            continue;
        }
        c.number = int(cards.size()) + 1;
        cards.push_back(std::move(c));
    }
    for (CardOfFile &c : cards)
        c.fileCards = int(cards.size());
    return cards;
}

QByteArray GoogleCsvBytes(const QList<const AgendaRecord *> &records)
{
    int phones = 1;
    int emails = 1;
    bool gps = false;
    for (const AgendaRecord *r : records) {
        phones = std::max(phones, int(std::count_if(r->phone.begin(), r->phone.end(), [](const QString &p) { return !p.isEmpty(); })));
        emails = std::max(emails, int(std::count_if(r->email.begin(), r->email.end(), [](const QString &e) { return !e.isEmpty(); })));
        gps = gps || (r->nav.navFlags & kNavGps);
    }
    QStringList header = QString::fromLatin1(
        "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Phonetic Last Name,"
        "Name Prefix,Name Suffix,Nickname,File As,Organization Name,Organization Title,"
        "Organization Department,Birthday,Notes,Photo,Labels").split(QLatin1Char(','));
    const int notesColumn = 14;
    const int labelsColumn = 16;
    for (int k = 1; k <= emails; ++k)
        header << QStringLiteral("E-mail %1 - Label").arg(k) << QStringLiteral("E-mail %1 - Value").arg(k);
    for (int k = 1; k <= phones; ++k)
        header << QStringLiteral("Phone %1 - Label").arg(k) << QStringLiteral("Phone %1 - Value").arg(k);
    for (const char *part : {"Label", "Formatted", "Street", "City", "PO Box", "Region", "Postal Code", "Country",
                             "Extended Address"})
        header << QStringLiteral("Address 1 - ") + QLatin1String(part);
    if (gps)
        header << QStringLiteral("Custom Field 1 - Label") << QStringLiteral("Custom Field 1 - Value");

    QString text = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const AgendaRecord *r : records) {
        QStringList row(labelsColumn + 1);
        row[0] = r->label;
        row[notesColumn] = r->note;
        row[labelsColumn] = QStringLiteral("* myContacts");
        int used = 0;
        for (size_t k = 0; k < r->email.size(); ++k)
            if (!r->email[k].isEmpty()) {
                row << TypeLabel(EmailLabelParams(r->emailType[k])) << r->email[k];
                ++used;
            }
        for (; used < emails; ++used)
            row << QString() << QString();
        used = 0;
        for (size_t k = 0; k < r->phone.size(); ++k)
            if (!r->phone[k].isEmpty()) {
                row << TypeLabel(PhoneTypeToParams(r->phoneType[k])) << r->phone[k];
                ++used;
            }
        for (; used < phones; ++used)
            row << QString() << QString();
        if (r->HasAddress()) {
            const QString street = StreetLine(r->street, r->numb);
            QStringList lines;
            for (const QString &line : {street, (r->zip + QLatin1Char(' ') + r->city).trimmed(), r->country})
                if (!line.isEmpty())
                    lines << line;
            row << QStringLiteral("Home") << lines.join(QLatin1Char('\n')) << street << r->city << QString()
                << QString() << r->zip << r->country << QString();
        } else {
            for (int k = 0; k < 9; ++k)
                row << QString();
        }
        if (gps) {
            const bool has = r->nav.navFlags & kNavGps;
            row << (has ? QStringLiteral("GPS") : QString()) << (has ? r->nav.GpsText() : QString());
        }
        for (QString &field : row)
            field = CsvQuoted(field);
        text += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
