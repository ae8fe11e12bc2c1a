#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Splitting CSV text into rows of fields. One tokenizer serves every CSV the program reads:
// the exports of other address books (RFC 4180) and this program's own exchange file, whose
// reading has its own long-standing rules (CsvDialect::own).

// The longest quoted field of an RFC 4180 file; a stray quote makes the reader stop with
// "a quoted field is not closed" there instead of taking the rest of a large file as one field.
constexpr qsizetype kCsvMaxQuoted = 64 * 1024;
// The longest quoted field of the own file that is joined over line breaks; a longer one
// is read as it stands, quote included (the unit holds no text near this length).
constexpr qsizetype kOwnCsvMaxQuoted = 4096;
// Fields of one row beyond this are read past and dropped.
constexpr int kCsvMaxFields = 1024;

struct CsvDialect
{
    QChar delimiter = QLatin1Char(',');
    // The own file: a line ends at LF only and every CR is dropped wherever it stands; a
    // quoted field counts only when its closing quote ends the field, closes within
    // kOwnCsvMaxQuoted characters and before the last line ends; otherwise the field is
    // read as it stands, up to the next delimiter of its line. Fields after `maxFields` are
    // not read at all (the rest of the line is dropped).
    bool own = false;
    int maxFields = kCsvMaxFields;
};

// Where one field's text stands: most fields are a stretch of the tokenised text itself
// (`start` >= 0); a field whose text differs from its stretch (doubled quotes, a CR line
// break inside quotes, text after the closing quote) is written to a buffer beside it and
// stands there at -start - 1.
struct CsvSpan
{
    qsizetype start = 0;
    qsizetype size = 0;
};

// The fields of one row as views, over the text and buffer their spans refer to.
struct CsvFields
{
    QStringView text;
    QStringView buffer;
    const CsvSpan *spans = nullptr;
    int count = 0;

    int size() const { return count; }
    QStringView at(int i) const
    {
        const CsvSpan s = spans[i];
        return s.start >= 0 ? text.sliced(s.start, s.size) : buffer.sliced(-s.start - 1, s.size);
    }
    QStringList ToList() const;
};

class CsvTokenizer
{
public:
    // `text` must outlive the tokenizer.
    CsvTokenizer(QStringView text, const CsvDialect &dialect);

    // Reads the next row into `fields` (replacing them): false at the end of the text and
    // after an error. An empty line is a row of one empty field. In RFC 4180 mode a line
    // ends at CR LF, LF or CR; quoted fields hold the delimiter, doubled quotes and line
    // breaks (given as LF); text after a closing quote is kept as it stands.
    bool Next(QStringList &fields);
    // The same without a string per field: the row's fields are appended to `fields` as
    // spans of Text() or of `buffer`, where the text of the fields that need it is
    // appended. On false nothing of a row is appended.
    bool Next(std::vector<CsvSpan> &fields, QString &buffer);
    // The text the spans refer to: the text given, or for the own file that text without
    // its CRs.
    QStringView Text() const { return text_; }
    bool AtEnd() const { return pos_ >= text_.size(); }
    // Where the next row starts in Text().
    qsizetype Position() const { return pos_; }
    // The line (from 1) the row last read starts on.
    int RowLine() const { return rowLine_; }
    // "line 12: a quoted field is not closed"; empty while there is no error.
    const QString &Error() const { return error_; }

private:
    bool ReadQuoted(CsvSpan &field, QString &buffer);
    bool ReadOwnQuoted(CsvSpan &field, QString &buffer);
    void ReadPlain(CsvSpan &field);
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipRestOfLine();

    QStringView text_;
    QString ownText_;  // the own file's text without its CRs
    CsvDialect dialect_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int rowLine_ = 0;
    QString error_;
    std::vector<CsvSpan> spans_;  // Next(QStringList &)'s row
    QString buffer_;
};

// The delimiter among "," ";" and tab that splits the first row of the text into the most
// fields (in that order on a tie).
QChar DetectCsvDelimiter(QStringView text);
