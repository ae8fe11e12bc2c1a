#include "formats/csvcontacts.h"

#include "formats/csv.h"
#include "formats/csvtokenizer.h"
#include "formats/decode.h"
#include "formats/vcard.h"
#include "store/agenda.h"
#include "store/fields.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

// Outlook exports an Exchange account's contact with its directory name ("/o=ExchangeLabs/
// ou=.../cn=Recipients/cn=...", e-mail type "EX") in the e-mail column: no address to
// write to, and far longer than the unit's field.
bool IsExchangeName(QStringView v)
{
    return v.startsWith(u"/o=", Qt::CaseInsensitive) && !v.contains(u'@');
}


bool Blank(QStringView text)
{
    return text.trimmed().isEmpty();
}

bool BlankRow(const CsvFields &fields)
{
    for (int i = 0; i < fields.size(); ++i)
        if (!Blank(fields.at(i)))
            return false;
    return true;
}

// Several values in one cell, as Google joins them: "a ::: b"; each trimmed, empty ones
// left out. `cell` is trimmed and not empty.
template <typename Take>
void CellValues(QStringView cell, Take take)
{
    static constexpr QStringView separator = u" ::: ";
    qsizetype from = cell.contains(QLatin1Char(':')) ? cell.indexOf(separator) : -1;
    if (from < 0) {
        take(cell);
        return;
    }
    qsizetype start = 0;
    for (;;) {
        const QStringView v = cell.sliced(start, (from < 0 ? cell.size() : from) - start).trimmed();
        if (!v.isEmpty())
            take(v);
        if (from < 0)
            return;
        start = from + separator.size();
        from = cell.indexOf(separator, start);
    }
}

// Appends the words of `text` to `to`, one space between words: joining texts this way
// gives what QString::simplified() gives for the texts joined with spaces.
void AppendWords(QString &to, QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && !text[i].isSpace())
            ++i;
        if (!to.isEmpty())
            to += QLatin1Char(' ');
        to += text.sliced(start, i - start);
    }
}

// One address block of a row: its parts by record field (street .. country), the
// further street lines, and the whole address when a cell gives it. Views into the row.
struct Address
{
    int rank = 0;  // kBlockHome, kBlockWork, kBlockOther; a Google group by its label
    int group = 0;
    uint8_t block = 0;
    std::array<QStringView, 5> parts;  // FieldId::Street .. FieldId::Country
    QString streets;                   // several street columns, joined with spaces
    std::vector<QStringView> moreStreet;
    QStringView formatted;

    static size_t Index(FieldId id) { return size_t(int(id) - int(FieldId::Street)); }
    QStringView Part(FieldId id) const { return id == FieldId::Street && !streets.isEmpty() ? QStringView(streets) : parts[Index(id)]; }
    void AddStreet(QStringView value)
    {
        QStringView &street = parts[Index(FieldId::Street)];
        if (street.isEmpty()) {
            street = value;
            return;
        }
        if (streets.isEmpty())
            streets = street.toString();
        streets += QLatin1Char(' ');
        streets += value;
    }
    bool Empty() const
    {
        return std::all_of(parts.begin(), parts.end(), [](QStringView p) { return p.isEmpty(); })
               && moreStreet.empty() && formatted.isEmpty();
    }
};

struct Typed
{
    QStringView value;
    uint32_t params = 0;
    int group = 0;
    bool firstOfCell = true;
};

int AddressRank(QStringView label)
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
    Address &a = addresses.emplace_back();
    a.group = c.group;
    a.block = c.block;
    a.rank = c.block;
    return a;
}

// The group labels of a row: group number -> its label cell.
using GroupLabels = std::vector<std::pair<int, QStringView>>;

QStringView GroupLabel(const GroupLabels &labels, int group)
{
    for (const auto &l : labels)
        if (l.first == group)
            return l.second;
    return QStringView();
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
            params |= CsvTypeParams(GroupLabel(labels, t.group));
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

// What the columns of one row gather before the record is written; kept from row to row
// so that its lists are allocated once per file.
struct RowParts
{
    QString label;
    std::vector<QStringView> given, middle, family, notes;
    QStringView organisation, gps;
    std::vector<Address> addresses;
    std::vector<Typed> phones, emails;
    GroupLabels phoneLabels, emailLabels, addressLabels, customLabels, customValues;

    void Clear()
    {
        label.clear();
        organisation = gps = QStringView();
        for (auto *list : {&given, &middle, &family, &notes})
            list->clear();
        addresses.clear();
        phones.clear();
        emails.clear();
        for (GroupLabels *list : {&phoneLabels, &emailLabels, &addressLabels, &customLabels, &customValues})
            list->clear();
    }
};

// One row onto `card`, a fresh one.
void MapFields(const CsvFields &fields, const CsvMapping &mapping, RowParts &row, CardOfFile &card)
{
    using P = CsvPart;
    using Id = FieldId;
    row.Clear();
    AgendaRecord &r = card.record;
    const int n = std::min(fields.size(), int(mapping.columns.size()));
    for (int i = 0; i < n; ++i) {
        const CsvColumn &c = mapping.columns[size_t(i)];
        if (c.part == P::Ignore)
            continue;
        const QStringView value = fields.at(i).trimmed();
        if (value.isEmpty())
            continue;
        switch (c.part) {
        case P::Ignore: break;
        case P::Given: row.given.push_back(value); break;
        case P::Middle: row.middle.push_back(value); break;
        case P::Family: row.family.push_back(value); break;
        case P::Organisation:
            if (row.organisation.isEmpty())
                row.organisation = value;
            break;
        case P::MoreStreet: AddressOf(row.addresses, c).moreStreet.push_back(value); break;
        case P::FormattedAddress: AddressOf(row.addresses, c).formatted = value; break;
        case P::PhoneLabel: row.phoneLabels.emplace_back(c.group, value); break;
        case P::EmailLabel: row.emailLabels.emplace_back(c.group, value); break;
        case P::AddressLabel: row.addressLabels.emplace_back(c.group, value); break;
        case P::CustomLabel: row.customLabels.emplace_back(c.group, value); break;
        case P::CustomValue: row.customValues.emplace_back(c.group, value); break;
        case P::Field:
            switch (c.field) {
            case Id::Label: AppendWords(row.label, value); break;
            case Id::Note: row.notes.push_back(value); break;
            case Id::Street: AddressOf(row.addresses, c).AddStreet(value); break;
            case Id::Numb:
            case Id::Zip:
            case Id::City:
            case Id::Country: AddressOf(row.addresses, c).parts[Address::Index(c.field)] = value; break;
            case Id::Gps:
                if (row.gps.isEmpty())
                    row.gps = value;
                break;
            case Id::Phone1: case Id::Phone2: case Id::Phone3: case Id::Phone4: case Id::Phone5:
            case Id::Email1: case Id::Email2: case Id::Email3: case Id::Email4: case Id::Email5: {
                const bool phone = c.field <= Id::Phone5;
                std::vector<Typed> &to = phone ? row.phones : row.emails;
                bool first = true;
                CellValues(value, [&](QStringView v) {
                    if (!phone && IsExchangeName(v))
                        return;
                    to.push_back({v, c.params, c.group, first});
                    first = false;
                });
                break;
            }
            default:
                // Any other field takes the text as it stands.
                if (const auto write = Field(c.field).write)
                    write(r, value.toString());
                break;
            }
            break;
        }
    }
    r.recType = 1;
    r.owner = 1;
    const auto write = [&r](FieldId id, const QString &text) { return Field(id).write(r, text); };
    // The label: the label columns, else given, middle and family names, else the
    // organisation, each with its spaces made single.
    QString label = std::move(row.label);
    if (label.isEmpty()) {
        qsizetype size = 0;
        for (const auto *names : {&row.given, &row.middle, &row.family})
            for (const QStringView name : *names)
                size += name.size() + 1;
        if (size > 0)
            label.reserve(size);
        for (const auto *names : {&row.given, &row.middle, &row.family})
            for (const QStringView name : *names)
                AppendWords(label, name);
    }
    if (label.isEmpty())
        AppendWords(label, row.organisation);
    write(Id::Label, label);
    if (row.notes.size() == 1) {
        write(Id::Note, row.notes.front().toString());
    } else {
        QString notes;
        for (const QStringView note : row.notes) {
            if (!notes.isEmpty())
                notes += QLatin1Char('\n');
            notes += note;
        }
        write(Id::Note, notes);
    }
    card.droppedPhones = Place(row.phones, row.phoneLabels, [&](int k, QStringView v, uint32_t params) {
        write(PhoneField(k), v.toString());
        r.phoneType[size_t(k)] = params ? ParamsToPhoneType(params) : 0;
    });
    card.droppedEmails = Place(row.emails, row.emailLabels, [&](int k, QStringView v, uint32_t params) {
        write(EmailField(k), v.toString());
        params &= VcParam::Pref | VcParam::Work | VcParam::Home;
        r.emailType[size_t(k)] = params ? ParamsToEmailType(params) : 0;
    });
    // The first address that holds anything: home, then work, then other.
    for (Address &a : row.addresses)
        if (a.group > 0)
            a.rank = AddressRank(GroupLabel(row.addressLabels, a.group));
    std::stable_sort(row.addresses.begin(), row.addresses.end(),
                     [](const Address &a, const Address &b) { return a.rank < b.rank; });
    for (const Address &a : row.addresses) {
        if (a.Empty())
            continue;
        QStringView street = a.Part(Id::Street);
        const bool parts = std::any_of(a.parts.begin(), a.parts.end(), [](QStringView p) { return !p.isEmpty(); });
        if (!parts && a.moreStreet.empty())
            street = a.formatted.left(a.formatted.indexOf(QLatin1Char('\n'))).trimmed();  // its first line
        // The house number from the street line, as a vCard's street gives it, unless a
        // column gives it; the further lines ("Apartment 4") follow the street.
        QStringView streetName = street;
        QStringView number = a.Part(Id::Numb);
        if (number.isEmpty())
            SplitHouseNumber(street, streetName, number);
        QString lines = streetName.toString();
        for (const QStringView more : a.moreStreet) {
            if (!lines.isEmpty())
                lines += QLatin1String(", ");
            lines += more;
        }
        write(Id::Street, lines);
        write(Id::Numb, number.toString());
        for (const FieldId id : {Id::Zip, Id::City, Id::Country})
            write(id, a.Part(id).toString());
        break;
    }
    QStringView gps = row.gps;
    for (const auto &l : row.customLabels)
        if (l.second.compare(QLatin1String("GPS"), Qt::CaseInsensitive) == 0 && gps.isEmpty())
            gps = GroupLabel(row.customValues, l.first);
    // Only a text that is a position sets coordinates (a wrong column must not put the
    // contact at 0,0); any other is named in the review.
    if (!gps.isEmpty() && !write(Id::Gps, gps.toString()))
        card.badGeo = gps.toString();
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
    table.text = decoded.text;
    table.delimiter = DetectCsvDelimiter(table.text);
    CsvDialect dialect;
    dialect.delimiter = table.delimiter;
    CsvTokenizer tokenizer(table.text, dialect);
    std::vector<CsvSpan> &fields = table.fields;
    bool haveHeader = false;
    for (;;) {
        const size_t rowStart = fields.size();
        const qsizetype unquotedStart = table.unquoted.size();
        const qsizetype rowPosition = tokenizer.Position();
        if (!tokenizer.Next(fields, table.unquoted))
            break;
        const CsvFields row{table.text, table.unquoted, fields.data() + rowStart, int(fields.size() - rowStart)};
        const bool blank = BlankRow(row);
        if (blank || !haveHeader) {
            if (!blank) {
                int n = row.size();
                while (n > 0 && Blank(row.at(n - 1)))
                    --n;
                table.header = CsvFields{row.text, row.buffer, row.spans, n}.ToList();
                haveHeader = true;
            }
            fields.resize(rowStart);
            table.unquoted.truncate(unquotedStart);
            continue;
        }
        if (int(table.RowCount()) >= kCsvMaxRows) {
            fields.resize(rowStart);
            table.reason = QCoreApplication::translate("ReadText", "more than %1 rows").arg(kCsvMaxRows);
            return table;
        }
        table.rowEnds.push_back(fields.size());
        table.lines.push_back(tokenizer.RowLine());
        if (table.rowEnds.size() == 1) {
            // Room for the fields of as many rows as the first one's length promises (the
            // fields of a row take at least one character each, so this stays near the
            // text's length).
            const qsizetype rowChars = std::max<qsizetype>(tokenizer.Position() - rowPosition, 1);
            const qsizetype rows = std::min<qsizetype>((table.text.size() - tokenizer.Position()) / rowChars + 1, kCsvMaxRows);
            fields.reserve(size_t(std::min<qsizetype>(rows * qsizetype(fields.size()) * 9 / 8, qsizetype(1) << 22)));
            table.rowEnds.reserve(size_t(rows));
            table.lines.reserve(size_t(rows));
        }
    }
    if (!tokenizer.Error().isEmpty()) {
        table.reason = tokenizer.Error();
        table.fields.clear();
        table.rowEnds.clear();
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

std::vector<QStringList> CsvTable::RowLists() const
{
    std::vector<QStringList> rows;
    rows.reserve(RowCount());
    for (size_t i = 0; i < RowCount(); ++i)
        rows.push_back(Row(i).ToList());
    return rows;
}

QStringList UnplacedColumns(const QStringList &header, const CsvMapping &mapping)
{
    QStringList names;
    for (int i = 0; i < header.size(); ++i)
        if (size_t(i) >= mapping.columns.size() || mapping.columns[size_t(i)].part == CsvPart::Ignore)
            names.append(header.at(i).trimmed());
    return names;
}

CardOfFile MapCsvFields(const CsvFields &fields, const CsvMapping &mapping)
{
    RowParts row;
    CardOfFile card;
    MapFields(fields, mapping, row, card);
    return card;
}

CardOfFile MapCsvRow(const QStringList &fields, const CsvMapping &mapping)
{
    QString text;
    std::vector<CsvSpan> spans;
    for (const QString &f : fields) {
        spans.push_back({text.size(), f.size()});
        text += f;
    }
    return MapCsvFields({text, QStringView(), spans.data(), int(spans.size())}, mapping);
}

std::vector<CardOfFile> MapCsvRows(const CsvTable &table, const CsvMapping &mapping, const QString &path)
{
    std::vector<CardOfFile> cards;
    cards.reserve(table.RowCount());
    RowParts row;
    for (size_t i = 0; i < table.RowCount(); ++i) {
        CardOfFile &c = cards.emplace_back();
        MapFields(table.Row(i), mapping, row, c);
        c.path = path;
        c.number = int(cards.size());
        c.fileCards = int(table.RowCount());
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
