#include "formats/vcardtokenizer.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/safefile.h"
#include "formats/decode.h"
#include "formats/interchange.h"
#include "formats/vcard.h"
#include "formats/vcarddecoding.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>

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

// Whether `text` equals `name` without regard to ASCII case.
bool EqualsNoCase(QByteArrayView text, QByteArrayView name)
{
    if (text.size() != name.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (UpperAscii(text[i]) != UpperAscii(name[i]))
            return false;
    return true;
}

// The property names sorted, for a binary search that compares without regard to ASCII
// case (the table's names are upper case).
struct PropertyName
{
    QByteArrayView name;
    int code;
};

const std::array<PropertyName, 32> &SortedProperties()
{
    static const std::array<PropertyName, 32> sorted = [] {
        std::array<PropertyName, 32> names;
        for (size_t i = 0; i < names.size(); ++i)
            names[i] = {QByteArrayView(VCardPropertyTable[i].name), int(i)};
        std::sort(names.begin(), names.end(),
                  [](const PropertyName &a, const PropertyName &b) { return a.name.compare(b.name) < 0; });
        return names;
    }();
    return sorted;
}

// <0, 0, >0 as the upper-cased `name` sorts before, equals or after the upper-case `entry`.
int CompareUpper(QByteArrayView name, QByteArrayView entry)
{
    const qsizetype n = std::min(name.size(), entry.size());
    for (qsizetype i = 0; i < n; ++i) {
        const uchar a = uchar(UpperAscii(name[i]));
        const uchar b = uchar(entry[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return name.size() == entry.size() ? 0 : name.size() < entry.size() ? -1 : 1;
}

// The property whose name equals `name` without regard to ASCII case; -1 for none.
int FindProperty(QByteArrayView name)
{
    const auto &sorted = SortedProperties();
    size_t lo = 0, hi = sorted.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        const int c = CompareUpper(name, sorted[mid].name);
        if (c == 0)
            return sorted[mid].code;
        if (c < 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return -1;
}

// A property name may stand behind one or more group names ("item1.TEL", "A-B.EMAIL"):
// letters, digits and "-", each followed by ".". Groups only tie properties together, so
// the property is looked up without them. -1 when the name is not in the table.
int FindGroupedProperty(const char *name, qsizetype size)
{
    qsizetype dot = -1;
    for (qsizetype i = size - 1; i >= 0; --i)
        if (name[i] == '.') {
            dot = i;
            break;
        }
    if (dot < 0)
        return FindProperty(QByteArrayView(name, size));
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
    return groupStart ? -1 : FindProperty(QByteArrayView(name + dot + 1, size - dot - 1));
}

// Whether the text before the first ";" or ":" has the form of a property name (letters,
// digits, "-" and the "." of groups), so that the line is a property at all.
bool IsPropertyName(const char *line, qsizetype size)
{
    if (size <= 0)
        return false;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = line[i];
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_';
        if (!allowed)
            return false;
    }
    return true;
}

// Parameter keywords compare without regard to case; -1 for none.
int FindParam(QByteArrayView token)
{
    static const std::array<QByteArrayView, 30> names = [] {
        std::array<QByteArrayView, 30> views;
        for (size_t i = 0; i < views.size(); ++i)
            views[i] = QByteArrayView(VCardParamTable[i].name);
        return views;
    }();
    for (int i = 0; i < int(names.size()); ++i)
        if (EqualsNoCase(token, names[size_t(i)]))
            return i;
    return -1;
}

bool IsBlankLine(const char *line, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        if (line[i] != ' ' && line[i] != '\t')
            return false;
    return true;
}

void ReportUnknown(Prompter &prompter, const QString &fileName, QByteArrayView token, int line)
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

    qsizetype Read(const char *line, qsizetype n, qsizetype pos, VCardLine &out)
    {
        for (;;) {
            QByteArrayView token;
            qsizetype end = pos;
            bool quoted = false;
            if (pos < n && line[pos] == '"') {
                // A quoted value holds anything but a quote: ":", ";" and "," included.
                quoted = true;
                const void *quote = pos + 1 < n ? std::memchr(line + pos + 1, '"', size_t(n - pos - 1)) : nullptr;
                const qsizetype close = quote ? static_cast<const char *>(quote) - line : n;
                token = QByteArrayView(line + pos + 1, close - pos - 1);
                end = qMin(close + 1, n);
                while (end < n && !IsParamSeparator(line[end]))
                    ++end;
            } else {
                while (end < n && !IsParamSeparator(line[end]))
                    ++end;
                token = QByteArrayView(line + pos, end - pos);
            }
            if (!quoted && end < n && line[end] == '=')
                Name(token);
            else
                Value(token, quoted, out);
            if (end >= n)
                return -1;  // no ":": the line has no value
            if (line[end] == ':')
                return end + 1;
            if (line[end] == ';')
                valueOf_ = Of::None;  // a bare value after ";" goes to the current target
            pos = end + 1;
        }
    }

    uint32_t encoding = 0;
    uint32_t TypeBits() const { return typeBits_; }

private:
    // Which parameter the values being read belong to.
    enum class Of { None, Bits, Charset, Pref, Unknown };

    void Name(QByteArrayView name)
    {
        if (EqualsNoCase(name, "TYPE")) {
            target_ = &typeBits_;
            valueOf_ = Of::Bits;
        } else if (EqualsNoCase(name, "ENCODING")) {
            target_ = &encoding;
            valueOf_ = Of::Bits;
        } else if (EqualsNoCase(name, "CHARSET")) {
            valueOf_ = Of::Charset;
        } else if (EqualsNoCase(name, "PREF")) {
            valueOf_ = Of::Pref;
        } else {
            // Any other name leaves the target as it was.
            ReportUnknown(prompter_, fileName_, name, lineNo_);
            valueOf_ = Of::Unknown;
        }
    }

    void Value(QByteArrayView token, bool quoted, VCardLine &out)
    {
        switch (valueOf_) {
        case Of::Charset:
            if (out.charset.isEmpty())
                out.charset.append(token.trimmed());
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
        for (;;) {
            const qsizetype comma = quoted ? token.indexOf(',') : -1;
            const QByteArrayView v = comma < 0 ? token : token.first(comma);
            const int param = FindParam(v);
            if (param < 0)
                ReportUnknown(prompter_, fileName_, v, lineNo_);
            else if (param == 0)
                encoding |= VCardParamTable[0].value;  // a bare encoding name, as vCard 2.1 allows
            else
                *target_ |= VCardParamTable[size_t(param)].value;
            if (comma < 0)
                break;
            token = token.sliced(comma + 1);
        }
    }

    const QString &fileName_;
    int lineNo_;
    Prompter &prompter_;
    uint32_t typeBits_ = 0;
    uint32_t *target_ = &typeBits_;
    Of valueOf_ = Of::None;
};

} // namespace

VCardTokenizer::VCardTokenizer(const QByteArray &input, const QString &fileName, Prompter &prompter)
    : fileName_(fileName), prompter_(prompter)
{
    Start(input);
}

VCardTokenizer::VCardTokenizer(const QString &path, Prompter &prompter, qsizetype piece)
    : piece_(qMax<qsizetype>(piece, 16)), fileName_(path), prompter_(prompter)
{
    auto file = std::make_unique<InputFile>();
    if (!file->Open(path, &reason_))
        return;
    // The first piece; a file that fits is read whole.
    buffer_.resize(qsizetype(qMin<qint64>(file->Size(), piece_) + 1));
    qsizetype have = 0;
    qint64 n = 0;
    while (have < buffer_.size() && (n = file->Read(buffer_.data() + have, buffer_.size() - have)) > 0)
        have += qsizetype(n);
    bool whole = n < 0;
    if (have < buffer_.size() && n == 0) {
        buffer_.resize(have);
        Start(buffer_);
        return;
    }
    // The rest is read through once for what would make the whole-file read refuse the
    // file or read it otherwise; such a file is left to that read.
    const auto seen = [](const char *bytes, qsizetype size) {
        return std::memchr(bytes, '\0', size_t(size)) != nullptr;
    };
    whole = whole || buffer_.startsWith("\xFF\xFE") || buffer_.startsWith("\xFE\xFF") || seen(buffer_.constData(), have);
    qint64 total = have;
    if (!whole) {
        QByteArray scratch(piece_, Qt::Uninitialized);
        while ((n = file->Read(scratch.data(), piece_)) > 0) {
            total += n;
            if (total > kMaxInputFileSize || seen(scratch.constData(), qsizetype(n)))
                break;
        }
        whole = n != 0 || !file->Seek(have);
    }
    if (whole) {
        file.reset();
        QByteArray bytes;
        if (ReadInputFile(path, bytes, &reason_)) {
            buffer_ = std::move(bytes);
            Start(buffer_);
        } else {
            buffer_.clear();
        }
        return;
    }
    unread_ = total - have;
    if (unread_ > 0)
        file_ = std::move(file);
    total_ = total;
    data_ = buffer_.constData();
    size_ = have;
    if (buffer_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3;
}

VCardTokenizer::~VCardTokenizer() = default;

void VCardTokenizer::Start(const QByteArray &input)
{
    const QByteArray *bytes = &input;
    // UTF-16 shows itself by its byte-order mark or by the zero bytes of its ASCII
    // characters; any other file with zero bytes is no text.
    if (input.startsWith("\xFF\xFE") || input.startsWith("\xFE\xFF") || input.contains('\0')) {
        const DecodedText text = DecodeTextFile(input);
        if (!text.ok) {
            reason_ = text.reason;
            return;
        }
        converted_ = text.text.toUtf8();
        bytes = &converted_;
        unicode_ = text.encoding.startsWith("UTF-16");
    }
    data_ = bytes->constData();
    size_ = bytes->size();
    total_ = size_;
    if (bytes->startsWith("\xEF\xBB\xBF"))
        pos_ = 3;
}

void VCardTokenizer::ReadPiece()
{
    const qsizetype keep = size_ - pos_;
    // A line longer than the room left makes the buffer grow, doubling, so that a long
    // line is not moved over and over.
    if (buffer_.size() - keep < piece_ / 2)
        buffer_.resize(qMax(2 * buffer_.size(), keep + piece_));
    char *bytes = buffer_.data();
    if (pos_ > 0 && keep > 0)
        std::memmove(bytes, bytes + pos_, size_t(keep));
    base_ += pos_;
    pos_ = 0;
    size_ = keep;
    const qint64 n = file_->Read(bytes + keep, qMin<qint64>(buffer_.size() - keep, unread_));
    if (n > 0) {
        size_ += qsizetype(n);
        unread_ -= n;
    } else {
        // The file became shorter, or unreadable, since it was read through: it ends here.
        if (n < 0)
            reason_ = QCoreApplication::translate("SafeFileText", SafeFileText::kUnreadable);
        unread_ = 0;
    }
    if (unread_ == 0)
        file_.reset();
    data_ = buffer_.constData();
}

VCardTokenizer::Bounds VCardTokenizer::Line()
{
    const qsizetype pos = pos_;
    const void *lf = pos < size_ ? std::memchr(data_ + pos, '\n', size_t(size_ - pos)) : nullptr;
    while (file_ && (!lf || static_cast<const char *>(lf) + 1 == data_ + size_)) {
        // The line, or the byte after it, is not held yet.
        const qsizetype scanned = (lf ? static_cast<const char *>(lf) - data_ : size_) - pos_;
        ReadPiece();
        lf = std::memchr(data_ + scanned, '\n', size_t(size_ - scanned));
    }
    const qsizetype from = pos_;
    const qsizetype at = lf ? static_cast<const char *>(lf) - data_ : -1;
    const qsizetype next = at < 0 ? size_ : at + 1;
    qsizetype end = at < 0 ? size_ : at;
    while (end > from && data_[end - 1] == '\r')
        --end;
    return {from, end, next};
}

// Whether the next line is BEGIN:VCARD (in any case, blanks around it).
bool VCardTokenizer::NextIsBegin()
{
    const Bounds b = Line();
    return EqualsNoCase(QByteArrayView(data_ + b.from, b.end - b.from).trimmed(), "BEGIN:VCARD");
}

void VCardTokenizer::AppendNext(QByteArray &out, int skip)
{
    const Bounds b = Line();
    const qsizetype start = qMin(b.from + skip, b.end);
    out.append(data_ + start, b.end - start);
    pos_ = b.next;
}

// Skips the lines of a card nested in an AGENT property (vCard 2.1 writes it as lines of
// its own), so that its END does not close the outer card. `depth` is 1 when the AGENT
// value itself began the card, 0 when the next line does. Returns the lines skipped.
int VCardTokenizer::SkipNestedCard(int depth)
{
    int skipped = 0;
    while (!AtEnd()) {
        const Bounds b = Line();
        pos_ = b.next;
        const QByteArrayView line = QByteArrayView(data_ + b.from, b.end - b.from).trimmed();
        ++skipped;
        if (EqualsNoCase(line, "BEGIN:VCARD"))
            ++depth;
        else if (EqualsNoCase(line, "END:VCARD") && --depth <= 0)
            break;
    }
    return skipped;
}

bool VCardTokenizer::Next(VCardLine &item)
{
    while (!AtEnd()) {
        const int firstLine = lineNo_;
        const Bounds b = Line();
        pos_ = b.next;
        const char *line = data_ + b.from;
        qsizetype n = b.end - b.from;
        // A folded name or parameter list is joined before it is parsed.
        if (!std::memchr(line, ':', size_t(n)) && NextIsContinuation()) {
            joined_.resize(0);
            joined_.append(line, n);
            while (!joined_.contains(':') && NextIsContinuation()) {
                AppendNext(joined_, 1);
                ++lineNo_;
            }
            line = joined_.constData();
            n = joined_.size();
        }

        qsizetype sep = -1;
        for (qsizetype i = 0; i < n; ++i) {
            if (line[i] == ';' || line[i] == ':') {
                sep = i;
                break;
            }
        }
        const int code = sep < 0 ? -1 : FindGroupedProperty(line, sep);
        if (code < 0) {
            if (firstStrayLine_ == 0 && !IsBlankLine(line, n) && !IsPropertyName(line, sep))
                firstStrayLine_ = firstLine;
            // The property is skipped together with its continuation lines.
            ReportUnknown(prompter_, fileName_, sep < 0 ? QByteArrayView() : QByteArrayView(line, sep), firstLine);
            while (NextIsContinuation()) {
                Skip();
                ++lineNo_;
            }
            ++lineNo_;
            continue;
        }

        item.property = code;
        item.pref = false;
        item.charset.resize(0);
        ParamReader params(fileName_, firstLine, prompter_);
        const qsizetype valueStart = line[sep] == ':' ? sep + 1 : params.Read(line, n, sep + 1, item);
        item.typeBits = params.TypeBits();
        item.pref = item.pref || (item.typeBits & VcParam::Pref);

        item.value.resize(0);
        if (valueStart >= 0) {
            item.value.append(line + valueStart, n - valueStart);
            const bool quotedPrintable = params.encoding == 1;
            for (;;) {
                if (quotedPrintable && item.value.endsWith('=')) {
                    // Soft line break: the next line follows as it stands.
                    item.value.chop(1);
                    ++lineNo_;
                    if (AtEnd())
                        break;
                    AppendNext(item.value, 0);
                } else if (NextIsContinuation()) {
                    AppendNext(item.value, 1);
                    ++lineNo_;
                } else {
                    break;
                }
            }
            if (quotedPrintable)
                DecodeQuotedPrintable(item.value);
        }

        if (code == kVcBegin)
            begin_ = true;
        if (code == kVcAgent) {
            const QByteArray agent = UpperAscii(item.value.trimmed());
            if (agent.isEmpty() && NextIsBegin()) {
                lineNo_ += SkipNestedCard(0);
                item.value.resize(0);
            } else if (agent.startsWith("BEGIN:VCARD") && !agent.contains("END:VCARD")) {
                lineNo_ += SkipNestedCard(1);
                item.value.resize(0);
            }
        }
        ++lineNo_;
        return true;
    }
    return false;
}
