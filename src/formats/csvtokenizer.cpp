#include "formats/csvtokenizer.h"

#include <QCoreApplication>

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kLf = QLatin1Char('\n');
constexpr QChar kCr = QLatin1Char('\r');

QString NotClosed(int line)
{
    return QCoreApplication::translate("ReadText", "line %1: a quoted field is not closed").arg(line);
}

} // namespace

CsvTokenizer::CsvTokenizer(QStringView text, const CsvDialect &dialect) : text_(text), dialect_(dialect)
{
    if (dialect_.own && text_.contains(kCr)) {
        ownText_ = text_.toString();
        ownText_.remove(kCr);
        text_ = ownText_;
    }
    if (dialect_.maxFields < 1)
        dialect_.maxFields = 1;
}

bool CsvTokenizer::AtLineEnd() const
{
    const QChar c = text_[pos_];
    return c == kLf || (c == kCr && !dialect_.own);
}

void CsvTokenizer::SkipLineEnd()
{
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == kCr) {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == kLf)
            ++pos_;
    } else {
        ++pos_;
    }
    ++line_;
}

void CsvTokenizer::SkipRestOfLine()
{
    while (pos_ < text_.size() && text_[pos_] != kLf)
        ++pos_;
    SkipLineEnd();
}

void CsvTokenizer::ReadPlain(CsvSpan &field)
{
    const QChar delimiter = dialect_.delimiter;
    const QChar *p = text_.data();
    const qsizetype size = text_.size();
    qsizetype i = pos_;
    if (dialect_.own) {
        while (i < size && p[i] != delimiter && p[i] != kLf)
            ++i;
    } else {
        while (i < size && p[i] != delimiter && p[i] != kLf && p[i] != kCr)
            ++i;
    }
    field = {pos_, i - pos_};
    pos_ = i;
}

bool CsvTokenizer::ReadQuoted(CsvSpan &field, QString &buffer)
{
    const int startLine = line_;
    const QChar *p = text_.data();
    const qsizetype size = text_.size();
    const qsizetype first = pos_ + 1;
    qsizetype i = first;
    qsizetype length = 0;     // the field's characters so far
    qsizetype copied = -1;    // where the field starts in the buffer once it differs from its stretch
    const auto copy = [&](qsizetype to) {
        if (copied < 0) {
            copied = buffer.size();
            buffer.append(p + first, to - first);
        }
    };
    for (;;) {
        // A run of ordinary characters at once.
        const qsizetype run = i;
        while (i < size && p[i] != kQuote && p[i] != kCr && p[i] != kLf)
            ++i;
        if (copied >= 0)
            buffer.append(p + run, i - run);
        length += i - run;
        if (i >= size || length > kCsvMaxQuoted) {
            error_ = NotClosed(startLine);
            pos_ = size;
            if (copied >= 0)
                buffer.truncate(copied);
            return false;
        }
        if (p[i] == kQuote) {
            if (i + 1 < size && p[i + 1] == kQuote) {
                copy(i);
                buffer.append(kQuote);
                ++length;
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        // A line break inside the field: CR LF, LF or CR, kept as one LF.
        if (p[i] == kCr) {
            copy(i);
            if (i + 1 < size && p[i + 1] == kLf)
                ++i;
        }
        if (copied >= 0)
            buffer.append(kLf);
        ++i;
        ++length;
        ++line_;
    }
    // Text after the closing quote (`"a"b`) is not RFC 4180; it is kept as it stands.
    pos_ = i;
    if (pos_ < size && text_[pos_] != dialect_.delimiter && !AtLineEnd()) {
        copy(i - 1);
        CsvSpan rest;
        ReadPlain(rest);
        buffer.append(p + rest.start, rest.size);
    }
    field = copied < 0 ? CsvSpan{first, length} : CsvSpan{-copied - 1, buffer.size() - copied};
    return true;
}

bool CsvTokenizer::ReadOwnQuoted(CsvSpan &field, QString &buffer)
{
    const QChar *p = text_.data();
    const qsizetype size = text_.size();
    const QChar delimiter = dialect_.delimiter;
    const qsizetype first = pos_ + 1;
    qsizetype length = 0;
    int breaks = 0;
    bool doubled = false;
    qsizetype i = first;
    for (;;) {
        if (i >= size)
            return false;
        const QChar c = p[i];
        if (c == kLf) {
            // Joined with the next line only when there is one and the field is not too long.
            if (i + 1 >= size || length > kOwnCsvMaxQuoted)
                return false;
            ++length;
            ++breaks;
            ++i;
        } else if (c != kQuote) {
            ++length;
            ++i;
        } else if (i + 1 < size && p[i + 1] == kQuote) {
            doubled = true;
            ++length;
            i += 2;
        } else if (i + 1 == size || p[i + 1] == delimiter || p[i + 1] == kLf) {
            break;
        } else {
            return false;
        }
    }
    // `i` is the closing quote.
    if (!doubled) {
        field = {first, i - first};
    } else {
        const qsizetype start = buffer.size();
        for (qsizetype k = first; k < i; ++k) {
            buffer.append(p[k]);
            if (p[k] == kQuote)
                ++k;  // the second of a doubled quote
        }
        field = {-start - 1, buffer.size() - start};
    }
    pos_ = i + 1;
    line_ += breaks;
    return true;
}

bool CsvTokenizer::Next(std::vector<CsvSpan> &fields, QString &buffer)
{
    if (pos_ >= text_.size() || !error_.isEmpty())
        return false;
    rowLine_ = line_;
    const size_t rowStart = fields.size();
    const qsizetype bufferStart = buffer.size();
    int count = 0;
    for (;;) {
        const qsizetype mark = buffer.size();
        CsvSpan field;
        const bool quoted = pos_ < text_.size() && text_[pos_] == kQuote;
        if (quoted && !dialect_.own) {
            if (!ReadQuoted(field, buffer)) {
                fields.resize(rowStart);
                buffer.truncate(bufferStart);
                return false;
            }
        } else if (!quoted || !ReadOwnQuoted(field, buffer)) {
            ReadPlain(field);
        }
        if (count < dialect_.maxFields) {
            fields.push_back(field);
            ++count;
        } else {
            buffer.truncate(mark);  // a field read past keeps nothing
        }
        if (dialect_.own && count == dialect_.maxFields) {
            SkipRestOfLine();
            return true;
        }
        if (pos_ < text_.size() && text_[pos_] == dialect_.delimiter) {
            ++pos_;
            continue;
        }
        SkipLineEnd();
        return true;
    }
}

bool CsvTokenizer::Next(QStringList &fields)
{
    spans_.clear();
    buffer_.clear();
    const bool ok = Next(spans_, buffer_);
    fields = CsvFields{text_, buffer_, spans_.data(), int(spans_.size())}.ToList();
    return ok;
}

QStringList CsvFields::ToList() const
{
    QStringList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(at(i).toString());
    return list;
}

QChar DetectCsvDelimiter(QStringView text)
{
    QChar best = QLatin1Char(',');
    qsizetype most = 0;
    for (const QChar candidate : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        CsvDialect dialect;
        dialect.delimiter = candidate;
        CsvTokenizer tokenizer(text, dialect);
        std::vector<CsvSpan> fields;
        QString buffer;
        tokenizer.Next(fields, buffer);
        if (qsizetype(fields.size()) > most) {
            most = fields.size();
            best = candidate;
        }
    }
    return best;
}
