#include "formats/vcard.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/safefile.h"
#include "common/textcodec.h"
#include "formats/decode.h"
#include "formats/interchange.h"
#include "store/agenda.h"

#include <cmath>

bool vcfDebug = false;

const std::array<VCardParam, 30> VCardParamTable = {{
    {"QUOTED-PRINTABLE", 1u << 0},
    {"PREF", 1u << 0},
    {"WORK", 1u << 1},
    {"HOME", 1u << 2},
    {"VOICE", 1u << 3},
    {"FAX", 1u << 4},
    {"MSG", 1u << 5},
    {"CELL", 1u << 6},
    {"PAGER", 1u << 7},
    {"BBS", 1u << 8},
    {"MODEM", 1u << 9},
    {"CAR", 1u << 10},
    {"ISDN", 1u << 11},
    {"VIDEO", 1u << 12},
    {"AOL", 1u << 16},
    {"AppleLink", 1u << 17},
    {"ATTMail", 1u << 18},
    {"CIS", 1u << 19},
    {"eWorld", 1u << 20},
    {"INTERNET", 1u << 21},
    {"IBMMail", 1u << 22},
    {"MCIMail", 1u << 23},
    {"POWERSHARE", 1u << 24},
    {"PRODIGY", 1u << 25},
    {"TLX", 1u << 26},
    {"X400", 1u << 27},
    {"DOM", 1u << 28},
    {"INTL", 1u << 29},
    {"POSTAL", 1u << 30},
    {"PARCEL", 1u << 31},
}};

const std::array<VCardProperty, 32> VCardPropertyTable = {{
    {"BEGIN", 0},
    {"END", 0},
    {"VERSION", 0},
    {"FN", 0},
    {"N", 0},
    {"TEL", 0x1FFFu},
    {"EMAIL", 0x7u | 0x0FFF0000u},
    {"ADR", 0xF0000006u},
    {"NOTE", 0},
    {"GEO", 0},
    {"NICKNAME", 0xFFFFFFFFu},
    {"PHOTO", 0xFFFFFFFFu},
    {"BDAY", 0xFFFFFFFFu},
    {"LABEL", 0xFFFFFFFFu},
    {"MAILER", 0xFFFFFFFFu},
    {"TZ", 0xFFFFFFFFu},
    {"TITLE", 0xFFFFFFFFu},
    {"ROLE", 0xFFFFFFFFu},
    {"LOGO", 0xFFFFFFFFu},
    {"AGENT", 0xFFFFFFFFu},
    {"ORG", 0xFFFFFFFFu},
    {"CATEGORIES", 0xFFFFFFFFu},
    {"PRODID", 0xFFFFFFFFu},
    {"REV", 0xFFFFFFFFu},
    {"SORT-STRING", 0xFFFFFFFFu},
    {"SOUND", 0xFFFFFFFFu},
    {"URL", 0xFFFFFFFFu},
    {"UID", 0xFFFFFFFFu},
    {"CLASS", 0xFFFFFFFFu},
    {"KEY", 0xFFFFFFFFu},
    {"KIND", 0},
    {"X-ADDRESSBOOKSERVER-KIND", 0},
}};

namespace {

// Upper-cases per UTF-16 code unit, so the length never changes.
QString UpperUnits(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = c.toUpper();
    return out;
}

// The property whose name equals `name` upper-cased code unit by code unit, without
// building the upper-cased text (this runs for every line of a file).
int FindProperty(QStringView name)
{
    constexpr qsizetype kLongest = 32;  // longer than every name of the table
    if (name.size() > kLongest)
        return -1;
    char16_t upper[kLongest];
    for (qsizetype k = 0; k < name.size(); ++k) {
        const char16_t c = name[k].unicode();
        // ASCII letters directly; everything else as the framework upper-cases it.
        upper[k] = c < 0x80 ? char16_t(c >= 'a' && c <= 'z' ? c - 32 : c) : name[k].toUpper().unicode();
    }
    for (int i = 0; i < int(VCardPropertyTable.size()); ++i) {
        const char *candidate = VCardPropertyTable[size_t(i)].name;
        qsizetype k = 0;
        while (k < name.size() && candidate[k] != '\0' && char16_t(uchar(candidate[k])) == upper[k])
            ++k;
        if (k == name.size() && candidate[k] == '\0')
            return i;
    }
    return -1;
}

// Parameter keywords compare without regard to case.
int FindParam(const QString &upperToken)
{
    static const std::array<QString, 30> upperNames = [] {
        std::array<QString, 30> names;
        for (size_t i = 0; i < names.size(); ++i)
            names[i] = UpperUnits(QString::fromLatin1(VCardParamTable[i].name));
        return names;
    }();
    for (int i = 0; i < int(upperNames.size()); ++i)
        if (upperToken == upperNames[size_t(i)])
            return i;
    return -1;
}

// The physical lines of a file: the bytes up to a line feed, one carriage return before it
// dropped, decoded as byte-preserving UTF-8.
class LineSource
{
public:
    explicit LineSource(const QByteArray &bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    // Mail programs put a UTF-8 byte-order mark before the first line; it is no text.
    void SkipByteOrderMark()
    {
        if (pos_ == 0 && bytes_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }
    // A line that begins with a space or a tab continues the one before it.
    bool NextIsContinuation() const
    {
        return !AtEnd() && (bytes_.at(pos_) == ' ' || bytes_.at(pos_) == '\t');
    }
    QString Next()
    {
        QString line;
        AppendNext(line, 0);
        return line;
    }
    // Appends the next line, less its first `skip` bytes (a continuation line's leading
    // blank, which is one byte and one character), to `out`.
    void AppendNext(QString &out, int skip)
    {
        const qsizetype lf = bytes_.indexOf('\n', pos_);
        const qsizetype next = lf < 0 ? bytes_.size() : lf + 1;
        qsizetype end = lf < 0 ? bytes_.size() : lf;
        if (end > pos_ && bytes_.at(end - 1) == '\r')
            --end;
        const qsizetype from = qMin(pos_ + skip, end);
        AppendDecodedHeldUtf8(out, bytes_.constData() + from, int(end - from));
        pos_ = next;
    }
    void Skip()
    {
        const qsizetype lf = bytes_.indexOf('\n', pos_);
        pos_ = lf < 0 ? bytes_.size() : lf + 1;
    }

private:
    const QByteArray &bytes_;
    qsizetype pos_ = 0;
};

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// Decodes "=XX" escapes. When the resulting bytes (the escapes together with the
// characters around them, as they stood in the file) form valid UTF-8 they are read as
// UTF-8, which is how phones and mail programs write accented names; otherwise every
// escape becomes the one character of its code (Latin-1).
QString DecodeQuotedPrintable(const QString &value)
{
    const qsizetype n = value.size();
    QString perByte;
    perByte.reserve(n);
    QByteArray bytes;
    bytes.reserve(n);
    qsizetype run = 0;  // start of the literal characters not yet added to `bytes`
    bool escapes = false;
    qsizetype i = 0;
    while (i < n) {
        if (value.at(i) == QLatin1Char('=') && i + 2 < n) {
            const int hi = HexValue(value.at(i + 1));
            const int lo = HexValue(value.at(i + 2));
            if (hi >= 0 && lo >= 0) {
                AppendHeldUtf8(bytes, value.mid(run, i - run));
                const int code = hi * 16 + lo;
                bytes.append(char(code));
                perByte.append(QChar(char16_t(code)));
                escapes = true;
                i += 3;
                run = i;
                continue;
            }
        }
        perByte.append(value.at(i));
        ++i;
    }
    if (!escapes)
        return perByte;
    AppendHeldUtf8(bytes, value.mid(run));
    // A zero byte would end the text in the codec; keep such values one character per byte.
    if (!bytes.contains('\0') && IsValidUtf8(bytes))
        return DecodeHeldUtf8(bytes);
    return perByte;
}

void ReportUnknown(Prompter &prompter, const QString &fileName, const QString &token, int line)
{
    if (!vcfDebug)
        return;
    prompter.Information(QLatin1String(InterchangeText::kFile) + MarkupEscape(MessagePath(fileName))
                         + QLatin1String(InterchangeText::kUnknownToken) + QLatin1Char('"')
                         + MarkupEscape(token) + QLatin1Char('"') + QLatin1String(InterchangeText::kAtLine)
                         + QString::number(line));
}

bool IsParamSeparator(QChar c)
{
    return c == QLatin1Char('=') || c == QLatin1Char(';') || c == QLatin1Char(':') || c == QLatin1Char(',');
}

// Reads a decimal number the way atof does in the C locale: leading white space skipped,
// the longest valid prefix taken, 0 when there is none.
double ReadDecimal(const QString &text)
{
    const QByteArray s = text.toLatin1();
    qsizetype i = 0;
    while (i < s.size() && (s.at(i) == ' ' || s.at(i) == '\t'))
        ++i;
    const qsizetype start = i;
    if (i < s.size() && (s.at(i) == '+' || s.at(i) == '-'))
        ++i;
    bool digits = false;
    while (i < s.size() && s.at(i) >= '0' && s.at(i) <= '9') {
        ++i;
        digits = true;
    }
    if (i < s.size() && s.at(i) == '.') {
        ++i;
        while (i < s.size() && s.at(i) >= '0' && s.at(i) <= '9') {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && (s.at(i) == 'e' || s.at(i) == 'E')) {
        qsizetype e = i + 1;
        if (e < s.size() && (s.at(e) == '+' || s.at(e) == '-'))
            ++e;
        if (e < s.size() && s.at(e) >= '0' && s.at(e) <= '9') {
            while (e < s.size() && s.at(e) >= '0' && s.at(e) <= '9')
                ++e;
            i = e;
        }
    }
    bool ok = false;
    const double v = s.mid(start, i - start).toDouble(&ok);  // locale-independent
    return ok && std::isfinite(v) ? v : 0.0;
}

bool IsDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A property name may stand behind one or more group names ("item1.TEL", "A-B.EMAIL"):
// letters, digits and "-", each followed by ".". Groups only tie properties together, so
// the property is looked up without them. -1 when the name is not in the table.
int FindGroupedProperty(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return FindProperty(name);
    bool groupStart = true;
    for (qsizetype i = 0; i < dot; ++i) {
        const char16_t c = name[i].unicode();
        if (c == '.') {
            if (groupStart)
                return -1;  // an empty group name
            groupStart = true;
            continue;
        }
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!allowed)
            return -1;
        groupStart = false;
    }
    return groupStart ? -1 : FindProperty(name.mid(dot + 1));
}

} // namespace

bool VCard::ReadVcf(const QString &fileName, Prompter &prompter)
{
    // Only a regular file of a sensible size: a device or a huge wrong pick is refused
    // before anything is read.
    QByteArray bytes;
    if (!ReadInputFile(fileName, bytes))
        return false;
    return ReadVcfBytes(bytes, fileName, prompter);
}

bool VCard::ReadVcfBytes(const QByteArray &bytes, const QString &fileName, Prompter &prompter)
{
    LineSource source(bytes);
    source.SkipByteOrderMark();
    bool result = false;
    int lineNo = 1;
    while (!source.AtEnd()) {
        const int firstLine = lineNo;
        QString line = source.Next();
        // A folded name or parameter list is joined before it is parsed.
        while (!line.contains(QLatin1Char(':')) && source.NextIsContinuation()) {
            source.AppendNext(line, 1);
            ++lineNo;
        }

        qsizetype sep = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line.at(i) == QLatin1Char(';') || line.at(i) == QLatin1Char(':')) {
                sep = i;
                break;
            }
        }
        const int code = sep < 0 ? -1 : FindGroupedProperty(QStringView(line).left(sep));
        if (code < 0) {
            // The property is skipped together with its continuation lines.
            if (vcfDebug)
                ReportUnknown(prompter, fileName, sep < 0 ? QString() : UpperUnits(line.left(sep)), firstLine);
            while (source.NextIsContinuation()) {
                source.Skip();
                ++lineNo;
            }
            ++lineNo;
            continue;
        }

        uint32_t typeBits = 0;
        uint32_t encoding = 0;
        uint32_t *target = &typeBits;
        qsizetype valueStart = -1;
        if (line.at(sep) == QLatin1Char(':')) {
            valueStart = sep + 1;
        } else {
            qsizetype pos = sep + 1;
            for (;;) {
                qsizetype end = pos;
                while (end < line.size() && !IsParamSeparator(line.at(end)))
                    ++end;
                // vCard 4.0 may quote a value list (TYPE="cell,voice"): the quotes are no
                // part of the values.
                QStringView raw = QStringView(line).mid(pos, end - pos);
                if (raw.startsWith(QLatin1Char('"')))
                    raw = raw.mid(1);
                if (raw.endsWith(QLatin1Char('"')))
                    raw.chop(1);
                const QString token = UpperUnits(raw.toString());
                const bool isName = end < line.size() && line.at(end) == QLatin1Char('=');
                if (isName) {
                    if (token == QLatin1String("TYPE"))
                        target = &typeBits;
                    else if (token == QLatin1String("ENCODING"))
                        target = &encoding;
                    else
                        ReportUnknown(prompter, fileName, token, firstLine);
                } else {
                    const int param = FindParam(token);
                    if (param < 0)
                        ReportUnknown(prompter, fileName, token, firstLine);
                    else if (param == 0)
                        encoding |= VCardParamTable[0].value;  // a bare encoding name, as vCard 2.1 allows
                    else
                        *target |= VCardParamTable[size_t(param)].value;
                }
                if (end >= line.size())
                    break;  // no ":": the line has no value
                if (line.at(end) == QLatin1Char(':')) {
                    valueStart = end + 1;
                    break;
                }
                pos = end + 1;
            }
        }

        QString value;
        if (valueStart >= 0) {
            // The line is not used after this: its text becomes the value in place.
            line.remove(0, valueStart);
            value = std::move(line);
            const bool quotedPrintable = encoding == 1;
            for (;;) {
                if (quotedPrintable && value.endsWith(QLatin1Char('='))) {
                    // Soft line break: the next line follows as it stands.
                    value.chop(1);
                    ++lineNo;
                    if (source.AtEnd())
                        break;
                    source.AppendNext(value, 0);
                } else if (source.NextIsContinuation()) {
                    source.AppendNext(value, 1);
                    ++lineNo;
                } else {
                    break;
                }
            }
            if (quotedPrintable)
                value = DecodeQuotedPrintable(value);
        }

        items_.push_back({code, typeBits & VCardPropertyTable[size_t(code)].admitted, std::move(value)});
        result = code == kVcEnd;
        ++lineNo;
    }
    return result;
}

bool VCard::TakeFirst(VCardItem &item)
{
    if (items_.empty())
        return false;
    item = std::move(items_.front());
    items_.pop_front();
    return true;
}

QString AddressComponent(const QString &value, int n)
{
    qsizetype pos = 0;
    for (int k = 0; k < n; ++k) {
        const qsizetype semi = value.indexOf(QLatin1Char(';'), pos);
        if (semi < 0)
            return QString();
        pos = semi + 1;
    }
    const qsizetype end = value.indexOf(QLatin1Char(';'), pos);
    return end < 0 ? value.mid(pos) : value.mid(pos, end - pos);
}

QString UnescapeVCardText(const QString &value, QChar lineBreak)
{
    if (!value.contains(QLatin1Char('\\')))
        return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const QChar next = i + 1 < value.size() ? value.at(i + 1) : QChar();
        if (c == QLatin1Char('\\') && (next == QLatin1Char('\\') || next == QLatin1Char(',') || next == QLatin1Char(';'))) {
            out += next;
            ++i;
        } else if (c == QLatin1Char('\\') && (next == QLatin1Char('n') || next == QLatin1Char('N'))) {
            out += lineBreak;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString EscapedComponent(const QString &value, int n)
{
    int k = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value.at(i) == QLatin1Char('\\')) {
            ++i;  // the escaped character is no separator
            continue;
        }
        if (i == value.size() || value.at(i) == QLatin1Char(';')) {
            if (k == n)
                return UnescapeVCardText(value.mid(start, i - start), QLatin1Char(' '));
            ++k;
            start = i + 1;
        }
    }
    return QString();
}

void SplitHouseNumber(const QString &text, QString &street, QString &number)
{
    street.clear();
    number.clear();
    if (text.isEmpty())
        return;
    if (IsDigit(text.front())) {
        const qsizetype space = text.indexOf(QLatin1Char(' '));
        if (space < 0) {
            number = text;
        } else {
            number = text.left(space);
            street = text.mid(space + 1);
        }
    } else if (IsDigit(text.back())) {
        const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
        if (space < 0) {
            number = text;
        } else {
            number = text.mid(space + 1);
            street = text.left(space);
        }
    } else {
        street = text;
        // The writer puts a space between street and house number also when there is no
        // number; that space is no part of the street (and would make a full-length street
        // too long for the unit when read back).
        if (street.endsWith(QLatin1Char(' ')))
            street.chop(1);
    }
}

uint32_t ParamsToPhoneType(uint32_t params)
{
    using namespace VcParam;
    const bool pref = params & Pref;
    const bool work = params & Work;
    const bool home = params & Home;
    const bool fax = params & Fax;
    const bool cell = params & Cell;
    if (pref && work) {
        if (params & Voice)
            return 6;
        if (fax)
            return 15;
        if (cell)
            return 16;
        return 12;
    }
    if (pref) {
        if (home && fax)
            return 8;
        if (home && cell)
            return 9;
        return home ? 5 : 20;
    }
    if (work) {
        if (fax)
            return 10;
        if (cell)
            return 11;
        return 12;
    }
    if (home && fax)
        return 3;
    if (home && cell)
        return 4;
    return home ? 7 : 19;
}

uint32_t ParamsToEmailType(uint32_t params)
{
    using namespace VcParam;
    if (params & Pref) {
        if (params & Work)
            return 7;
        if (params & Home)
            return 6;
        return 5;
    }
    if (params & Work)
        return 2;
    return 1;
}

bool VCard::TakeCard(VCard &card)
{
    if (items_.empty())
        return false;
    while (!items_.empty()) {
        const bool end = items_.front().property == kVcEnd;
        card.items_.push_back(std::move(items_.front()));
        items_.pop_front();
        if (end)
            break;
    }
    return true;
}

VCardMapResult MapCard(VCard &card, AgendaRecord &record)
{
    VCardMapResult result;
    // Work on a copy so that the record stays unchanged unless an END is found.
    AgendaRecord r = record;
    int phones = 0;
    int emails = 0;
    // vCard 3.0 and 4.0 (the phones' and web services' exports) escape backslashes,
    // commas, semicolons and line breaks in text values; earlier versions and cards
    // without a VERSION line, such as this program's own, are taken as they stand.
    bool escaped = false;
    for (int i = 0; i < card.Count() && card.At(i).property != kVcEnd; ++i)
        if (card.At(i).property == kVcVersion) {
            const QString version = card.At(i).value.trimmed();
            escaped = version.startsWith(QLatin1Char('3')) || version.startsWith(QLatin1Char('4'));
        }
    // A line break stays one only in the note; the unit shows every other field on one line.
    const auto text = [escaped](const QString &value, QChar lineBreak = QLatin1Char(' ')) {
        return escaped ? UnescapeVCardText(value, lineBreak) : value;
    };
    const auto component = [escaped](const QString &value, int n) {
        return escaped ? EscapedComponent(value, n) : AddressComponent(value, n);
    };
    VCardItem item;
    while (card.TakeFirst(item)) {
        switch (item.property) {
        case kVcEnd:
            if (r.owner < 1)
                r.owner = 1;
            else if (r.owner > 4)
                r.owner = 4;
            r.recType = 1;
            record = r;
            result.ok = true;
            return result;
        case kVcFn:
            r.label = text(item.value);
            break;
        case kVcTel:
            if (phones < kPhoneCount) {
                // vCard 4.0 writes the number as a URI ("tel:+39-06-1234"); the unit dials
                // the number alone.
                if (item.value.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                    item.value.remove(0, 4);
                r.phone[size_t(phones)] = text(item.value);
                r.phoneType[size_t(phones)] = ParamsToPhoneType(item.params);
                ++phones;
            } else {
                ++result.droppedPhones;
            }
            break;
        case kVcEmail:
            if (emails < kEmailCount) {
                r.email[size_t(emails)] = text(item.value);
                r.emailType[size_t(emails)] = ParamsToEmailType(item.params);
                ++emails;
            } else {
                ++result.droppedEmails;
            }
            break;
        case kVcAdr:
            SplitHouseNumber(component(item.value, 2), r.street, r.numb);
            r.city = component(item.value, 3);
            r.zip = component(item.value, 5);
            r.country = component(item.value, 6);
            break;
        case kVcNote:
            r.note = text(item.value, QLatin1Char('\n'));
            break;
        case kVcKind:
        case kVcAddressBookKind:
            // A group lists its members; it is no person of its own.
            result.group = result.group || item.value.trimmed().compare(QLatin1String("group"), Qt::CaseInsensitive) == 0;
            break;
        case kVcGeo: {
            r.nav.ClearNav();
            r.nav.navFlags = kNavGps;
            // Longitude first, east positive; the stored longitude is west-positive.
            const qsizetype comma = item.value.indexOf(QLatin1Char(','));
            const double lon = comma < 0 ? 0.0 : ReadDecimal(item.value.left(comma));
            const double lat = comma < 0 ? 0.0 : ReadDecimal(item.value.mid(comma + 1));
            r.nav.lon.FromDegrees(-lon);
            r.nav.lat.FromDegrees(lat);
            break;
        }
        default:
            break;
        }
    }
    return VCardMapResult();
}

bool ImportVCard(AgendaRecord &record, const QString &fileName, Prompter &prompter)
{
    VCard card;
    // The whole file must end with END, as a one-card file always has.
    return card.ReadVcf(fileName, prompter) && MapCard(card, record).ok;
}

bool ImportVCardAt(Agenda &agenda, int index, uint32_t user, const QString &fileName, Prompter &prompter)
{
    if (index < 0 || index >= agenda.slotCount)
        return false;
    // Read into a copy taken over only on success: a card that fails leaves the record,
    // owner included, as it was.
    AgendaRecord read = agenda.slots[size_t(index)];
    read.owner = index < agenda.userCount ? uint32_t(index + 1) : user;
    if (!ImportVCard(read, fileName, prompter))
        return false;
    return agenda.StoreRecord(index, read);
}
