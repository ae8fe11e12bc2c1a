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

void CsvTokenizer::ReadPlain(QString &field)
{
    const qsizetype start = pos_;
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
    pos_ = i;
    field = text_.mid(start, i - start).toString();
}

bool CsvTokenizer::ReadQuoted(QString &field)
{
    const int startLine = line_;
    const QChar *p = text_.data();
    const qsizetype size = text_.size();
    qsizetype i = pos_ + 1;
    field.clear();
    for (;;) {
        // A run of ordinary characters at once.
        const qsizetype run = i;
        while (i < size && p[i] != kQuote && p[i] != kCr && p[i] != kLf)
            ++i;
        field.append(p + run, i - run);
        if (i >= size || field.size() > kCsvMaxQuoted) {
            error_ = NotClosed(startLine);
            pos_ = size;
            return false;
        }
        if (p[i] == kQuote) {
            if (i + 1 < size && p[i + 1] == kQuote) {
                field.append(kQuote);
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        // A line break inside the field: CR LF, LF or CR, kept as one LF.
        if (p[i] == kCr && i + 1 < size && p[i + 1] == kLf)
            ++i;
        ++i;
        ++line_;
        field.append(kLf);
    }
    // Text after the closing quote (`"a"b`) is not RFC 4180; it is kept as it stands.
    pos_ = i;
    if (pos_ < size && text_[pos_] != dialect_.delimiter && !AtLineEnd()) {
        QString rest;
        ReadPlain(rest);
        field += rest;
    }
    return true;
}

bool CsvTokenizer::ReadOwnQuoted(QString &field)
{
    const QChar *p = text_.data();
    const qsizetype size = text_.size();
    const QChar delimiter = dialect_.delimiter;
    QString text;
    int breaks = 0;
    for (qsizetype i = pos_ + 1;;) {
        if (i >= size)
            return false;
        const QChar c = p[i];
        if (c == kLf) {
            // Joined with the next line only when there is one and the field is not too long.
            if (i + 1 >= size || text.size() > kOwnCsvMaxQuoted)
                return false;
            text += kLf;
            ++breaks;
            ++i;
        } else if (c != kQuote) {
            text += c;
            ++i;
        } else if (i + 1 < size && p[i + 1] == kQuote) {
            text += kQuote;
            i += 2;
        } else if (i + 1 == size || p[i + 1] == delimiter || p[i + 1] == kLf) {
            field = text;
            pos_ = i + 1;
            line_ += breaks;
            return true;
        } else {
            return false;
        }
    }
}

bool CsvTokenizer::Next(QStringList &fields)
{
    fields.clear();
    if (pos_ >= text_.size() || !error_.isEmpty())
        return false;
    rowLine_ = line_;
    QString field;
    for (;;) {
        const bool quoted = pos_ < text_.size() && text_[pos_] == kQuote;
        if (quoted && !dialect_.own) {
            if (!ReadQuoted(field))
                return false;
        } else if (!quoted || !ReadOwnQuoted(field)) {
            ReadPlain(field);
        }
        if (fields.size() < dialect_.maxFields)
            fields.append(field);
        if (dialect_.own && fields.size() == dialect_.maxFields) {
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

QChar DetectCsvDelimiter(QStringView text)
{
    QChar best = QLatin1Char(',');
    qsizetype most = 0;
    for (const QChar candidate : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        CsvDialect dialect;
        dialect.delimiter = candidate;
        CsvTokenizer tokenizer(text, dialect);
        QStringList fields;
        tokenizer.Next(fields);
        if (fields.size() > most) {
            most = fields.size();
            best = candidate;
        }
    }
    return best;
}
