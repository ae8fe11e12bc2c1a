#include "formats/vcardtokenizer.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "formats/decode.h"
#include "formats/interchange.h"
#include "formats/vcard.h"
#include "formats/vcarddecoding.h"

#include <array>
#include <tuple>

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 32) : c;
}

QByteArray UpperAscii(QByteArray text)
{
    for (char &c : text)
        c = UpperAscii(c);
    return text;
}

// The property whose name equals `name` without regard to ASCII case; -1 for none.
int FindProperty(const char *name, qsizetype size)
{
    for (int i = 0; i < int(VCardPropertyTable.size()); ++i) {
        const char *candidate = VCardPropertyTable[size_t(i)].name;
        qsizetype k = 0;
        while (k < size && candidate[k] != '\0' && UpperAscii(name[k]) == candidate[k])
            ++k;
        if (k == size && candidate[k] == '\0')
            return i;
    }
    return -1;
}

// A property name may stand behind one or more group names ("item1.TEL", "A-B.EMAIL"):
// letters, digits and "-", each followed by ".". Groups only tie properties together, so
// the property is looked up without them. -1 when the name is not in the table.
int FindGroupedProperty(const QByteArray &line, qsizetype size)
{
    const char *name = line.constData();
    qsizetype dot = -1;
    for (qsizetype i = size - 1; i >= 0; --i)
        if (name[i] == '.') {
            dot = i;
            break;
        }
    if (dot < 0)
        return FindProperty(name, size);
    bool groupStart = true;
    for (qsizetype i = 0; i < dot; ++i) {
        const char c = name[i];
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
    return groupStart ? -1 : FindProperty(name + dot + 1, size - dot - 1);
}

// Whether the text before the first ";" or ":" has the form of a property name (letters,
// digits, "-" and the "." of groups), so that the line is a property at all.
bool IsPropertyName(const QByteArray &line, qsizetype size)
{
    if (size <= 0)
        return false;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = line.at(i);
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_';
        if (!allowed)
            return false;
    }
    return true;
}

// Parameter keywords compare without regard to case; -1 for none.
int FindParam(const QByteArray &upperToken)
{
    static const std::array<QByteArray, 30> upperNames = [] {
        std::array<QByteArray, 30> names;
        for (size_t i = 0; i < names.size(); ++i)
            names[i] = UpperAscii(QByteArray(VCardParamTable[i].name));
        return names;
    }();
    for (int i = 0; i < int(upperNames.size()); ++i)
        if (upperToken == upperNames[size_t(i)])
            return i;
    return -1;
}

bool IsBlankLine(const QByteArray &line)
{
    for (const char c : line)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

// The physical lines of a file: the bytes up to a line feed, with every carriage return
// before it dropped (some exports end their lines with CR CR LF).
class LineSource
{
public:
    explicit LineSource(const QByteArray &bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    void SkipUtf8ByteOrderMark()
    {
        if (pos_ == 0 && bytes_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }
    // A line that begins with a space or a tab continues the one before it.
    bool NextIsContinuation() const
    {
        return !AtEnd() && (bytes_.at(pos_) == ' ' || bytes_.at(pos_) == '\t');
    }
    QByteArray Next()
    {
        QByteArray line;
        AppendNext(line, 0);
        return line;
    }
    // Whether the next line is BEGIN:VCARD (in any case, blanks around it).
    bool NextIsBegin() const
    {
        const auto [from, end, next] = Bounds();
        Q_UNUSED(next);
        return UpperAscii(bytes_.mid(from, end - from).trimmed()) == "BEGIN:VCARD";
    }
    // Appends the next line, less its first `skip` bytes (a continuation line's blank).
    void AppendNext(QByteArray &out, int skip)
    {
        const auto [from, end, next] = Bounds();
        const qsizetype start = qMin(from + skip, end);
        out.append(bytes_.constData() + start, end - start);
        pos_ = next;
    }
    void Skip() { pos_ = std::get<2>(Bounds()); }

private:
    // The line's first byte, its end (before the carriage returns), and the next line.
    std::tuple<qsizetype, qsizetype, qsizetype> Bounds() const
    {
        const qsizetype lf = bytes_.indexOf('\n', pos_);
        const qsizetype next = lf < 0 ? bytes_.size() : lf + 1;
        qsizetype end = lf < 0 ? bytes_.size() : lf;
        while (end > pos_ && bytes_.at(end - 1) == '\r')
            --end;
        return {pos_, end, next};
    }

    const QByteArray &bytes_;
    qsizetype pos_ = 0;
};

void ReportUnknown(Prompter &prompter, const QString &fileName, const QByteArray &token, int line)
{
    if (!vcfDebug)
        return;
    QString upper = QString::fromUtf8(token);
    for (QChar &c : upper)
        c = c.toUpper();
    prompter.Information(InterchangeText::Tr(InterchangeText::kUnknownToken)
                             .arg(MarkupEscape(MessagePath(fileName)), MarkupEscape(upper), QString::number(line)));
}

bool IsParamSeparator(char c)
{
    return c == '=' || c == ';' || c == ':' || c == ',';
}

// The parameters of one line, from the character after the name's ";" on. Returns the
// position of the value (after the ":" that ends them), or -1 when the line has none.
class ParamReader
{
public:
    ParamReader(const QString &fileName, int lineNo, Prompter &prompter)
        : fileName_(fileName), lineNo_(lineNo), prompter_(prompter)
    {
    }

    qsizetype Read(const QByteArray &line, qsizetype pos, VCardLine &out)
    {
        const qsizetype n = line.size();
        for (;;) {
            QByteArray token;
            qsizetype end = pos;
            bool quoted = false;
            if (pos < n && line.at(pos) == '"') {
                // A quoted value holds anything but a quote: ":", ";" and "," included.
                quoted = true;
                qsizetype close = line.indexOf('"', pos + 1);
                if (close < 0)
                    close = n;
                token = line.mid(pos + 1, close - pos - 1);
                end = qMin(close + 1, n);
                while (end < n && !IsParamSeparator(line.at(end)))
                    ++end;
            } else {
                while (end < n && !IsParamSeparator(line.at(end)))
                    ++end;
                token = line.mid(pos, end - pos);
            }
            if (!quoted && end < n && line.at(end) == '=')
                Name(UpperAscii(token));
            else
                Value(token, quoted, out);
            if (end >= n)
                return -1;  // no ":": the line has no value
            if (line.at(end) == ':')
                return end + 1;
            if (line.at(end) == ';')
                valueOf_ = Of::None;  // a bare value after ";" goes to the current target
            pos = end + 1;
        }
    }

    uint32_t encoding = 0;

private:
    // Which parameter the values being read belong to.
    enum class Of { None, Bits, Charset, Pref, Unknown };

    void Name(const QByteArray &name)
    {
        if (name == "TYPE") {
            target_ = &typeBits_;
            valueOf_ = Of::Bits;
        } else if (name == "ENCODING") {
            target_ = &encoding;
            valueOf_ = Of::Bits;
        } else if (name == "CHARSET") {
            valueOf_ = Of::Charset;
        } else if (name == "PREF") {
            valueOf_ = Of::Pref;
        } else {
            // Any other name leaves the target as it was.
            ReportUnknown(prompter_, fileName_, name, lineNo_);
            valueOf_ = Of::Unknown;
        }
    }

    void Value(const QByteArray &token, bool quoted, VCardLine &out)
    {
        switch (valueOf_) {
        case Of::Charset:
            if (out.charset.isEmpty())
                out.charset = token.trimmed();
            return;
        case Of::Pref:
            // vCard 4.0: PREF=1 is the most preferred; higher numbers rank below it.
            if (token.trimmed() == "1") {
                out.pref = true;
                typeBits_ |= VcParam::Pref;
            }
            return;
        case Of::Unknown:
            if (quoted)
                return;  // free text of a parameter this reader does not use (LABEL="...")
            break;
        case Of::None:
        case Of::Bits:
            break;
        }
        // A quoted list (TYPE="work,voice") holds several values.
        const QList<QByteArray> values = quoted ? token.split(',') : QList<QByteArray>{token};
        for (const QByteArray &v : values) {
            const QByteArray upper = UpperAscii(v);
            const int param = FindParam(upper);
            if (param < 0)
                ReportUnknown(prompter_, fileName_, upper, lineNo_);
            else if (param == 0)
                encoding |= VCardParamTable[0].value;  // a bare encoding name, as vCard 2.1 allows
            else
                *target_ |= VCardParamTable[size_t(param)].value;
        }
    }

public:
    uint32_t TypeBits() const { return typeBits_; }

private:
    const QString &fileName_;
    int lineNo_;
    Prompter &prompter_;
    uint32_t typeBits_ = 0;
    uint32_t *target_ = &typeBits_;
    Of valueOf_ = Of::None;
};

// Skips the lines of a card nested in an AGENT property (vCard 2.1 writes it as lines of
// its own), so that its END does not close the outer card. `depth` is 1 when the AGENT
// value itself began the card, 0 when the next line does. Returns the lines skipped.
int SkipNestedCard(LineSource &source, int depth)
{
    int skipped = 0;
    while (!source.AtEnd()) {
        const QByteArray line = UpperAscii(source.Next().trimmed());
        ++skipped;
        if (line == "BEGIN:VCARD")
            ++depth;
        else if (line == "END:VCARD" && --depth <= 0)
            break;
    }
    return skipped;
}

} // namespace

VCardTokens TokenizeVCard(const QByteArray &input, const QString &fileName, Prompter &prompter)
{
    VCardTokens tokens;
    QByteArray converted;
    const QByteArray *bytes = &input;
    // UTF-16 shows itself by its byte-order mark or by the zero bytes of its ASCII
    // characters; any other file with zero bytes is no text.
    if (input.startsWith("\xFF\xFE") || input.startsWith("\xFE\xFF") || input.contains('\0')) {
        const DecodedText text = DecodeTextFile(input);
        if (!text.ok) {
            tokens.reason = text.reason;
            return tokens;
        }
        converted = text.text.toUtf8();
        bytes = &converted;
        tokens.unicode = text.encoding.startsWith("UTF-16");
    }

    LineSource source(*bytes);
    source.SkipUtf8ByteOrderMark();
    int lineNo = 1;
    while (!source.AtEnd()) {
        const int firstLine = lineNo;
        QByteArray line = source.Next();
        // A folded name or parameter list is joined before it is parsed.
        while (!line.contains(':') && source.NextIsContinuation()) {
            source.AppendNext(line, 1);
            ++lineNo;
        }

        qsizetype sep = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line.at(i) == ';' || line.at(i) == ':') {
                sep = i;
                break;
            }
        }
        const int code = sep < 0 ? -1 : FindGroupedProperty(line, sep);
        if (code < 0) {
            if (tokens.firstStrayLine == 0 && !IsBlankLine(line) && !IsPropertyName(line, sep))
                tokens.firstStrayLine = firstLine;
            // The property is skipped together with its continuation lines.
            ReportUnknown(prompter, fileName, sep < 0 ? QByteArray() : line.left(sep), firstLine);
            while (source.NextIsContinuation()) {
                source.Skip();
                ++lineNo;
            }
            ++lineNo;
            continue;
        }

        VCardLine item;
        item.property = code;
        ParamReader params(fileName, firstLine, prompter);
        const qsizetype valueStart = line.at(sep) == ':' ? sep + 1 : params.Read(line, sep + 1, item);
        item.typeBits = params.TypeBits();
        item.pref = item.pref || (item.typeBits & VcParam::Pref);

        if (valueStart >= 0) {
            // The line is not used after this: its bytes become the value in place.
            line.remove(0, valueStart);
            item.value = std::move(line);
            const bool quotedPrintable = params.encoding == 1;
            for (;;) {
                if (quotedPrintable && item.value.endsWith('=')) {
                    // Soft line break: the next line follows as it stands.
                    item.value.chop(1);
                    ++lineNo;
                    if (source.AtEnd())
                        break;
                    source.AppendNext(item.value, 0);
                } else if (source.NextIsContinuation()) {
                    source.AppendNext(item.value, 1);
                    ++lineNo;
                } else {
                    break;
                }
            }
            if (quotedPrintable)
                item.value = DecodeQuotedPrintable(item.value);
        }

        if (code == kVcBegin)
            tokens.begin = true;
        if (code == kVcAgent) {
            const QByteArray agent = UpperAscii(item.value.trimmed());
            if (agent.isEmpty() && source.NextIsBegin()) {
                lineNo += SkipNestedCard(source, 0);
                item.value.clear();
            } else if (agent.startsWith("BEGIN:VCARD") && !agent.contains("END:VCARD")) {
                lineNo += SkipNestedCard(source, 1);
                item.value.clear();
            }
        }
        tokens.lines.push_back(std::move(item));
        ++lineNo;
    }
    return tokens;
}
