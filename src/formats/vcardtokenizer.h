#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>

class InputFile;
class Prompter;

// The first layer of the vCard reader: a file's bytes cut into property lines, one at a
// time. Names and parameters are read here; values stay bytes (Quoted-Printable already
// decoded) until the decoding layer (vcarddecoding.h) reads them in their charset.

// One recognised property line. The reader hands the same object back line after line,
// so that its buffers are reused rather than allocated per line.
struct VCardLine
{
    int32_t property = 0;  // index into VCardPropertyTable
    uint32_t typeBits = 0; // all type bits given, not yet reduced to those the property admits
    bool pref = false;     // PREF, TYPE=pref or PREF=1
    QByteArray charset;    // the line's CHARSET, empty when it names none
    QByteArray value;      // the value's bytes
};

// Cuts bytes into property lines: UTF-16 files (with a byte-order mark, or without one
// when their zero bytes show it) are read as UTF-8, a UTF-8 byte-order mark is dropped;
// a line ends at a line feed, the carriage returns before it dropped; folded lines and
// Quoted-Printable soft line breaks are joined; quoted parameter values may hold ":",
// ";" and ","; a card nested in an AGENT property is skipped whole. Unknown names and
// parameters are reported through the prompter when vcfDebug is set.
class VCardTokenizer
{
public:
    // The bytes read from a file a piece at a time.
    static constexpr qsizetype kPieceSize = 64 * 1024;

    // `bytes` must outlive the tokenizer.
    VCardTokenizer(const QByteArray &bytes, const QString &fileName, Prompter &prompter);
    // Reads the file at `path` under the rules of ReadInputFile, `piece` bytes at a time:
    // what is held is the current piece, or the line being read when it is longer. The
    // file is first read through once, so that a file the whole-file read refuses (too
    // large, unreadable) or would read as UTF-16 or as no text (zero bytes) is treated
    // exactly as that read treats it; such a file is then read whole.
    VCardTokenizer(const QString &path, Prompter &prompter, qsizetype piece = kPieceSize);
    ~VCardTokenizer();
    VCardTokenizer(const VCardTokenizer &) = delete;
    VCardTokenizer &operator=(const VCardTokenizer &) = delete;

    // The next recognised property line into `line`; false at the end of the bytes.
    bool Next(VCardLine &line);

    // Why the bytes are no text at all (then there are no lines); empty otherwise.
    const QString &Reason() const { return reason_; }
    // The file was UTF-16: its values are UTF-8 whatever CHARSET says.
    bool Unicode() const { return unicode_; }
    // A BEGIN line was seen so far.
    bool SawBegin() const { return begin_; }
    // The first line, not blank, that is no property at all; 0 for none so far.
    int FirstStrayLine() const { return firstStrayLine_; }
    // The bytes read so far and all there are, for an estimate of what is still to come.
    qint64 Consumed() const { return base_ + pos_; }
    qint64 Total() const { return total_; }

private:
    // The physical line at `pos_`: its first byte, its end (before the carriage returns
    // that end it) and the start of the next one. Reading a file in pieces, it first
    // makes sure that the line and the byte after it are held (or that the file ends
    // before): after a line is taken, AtEnd() and NextIsContinuation() need no more
    // bytes, and the line's bytes stay where they are until the next Line().
    struct Bounds
    {
        qsizetype from, end, next;
    };
    Bounds Line();
    void Start(const QByteArray &bytes);
    // Moves the bytes from `pos_` on to the front of the buffer and reads the next piece
    // behind them.
    void ReadPiece();
    bool AtEnd() const { return pos_ >= size_; }
    bool NextIsContinuation() const { return !AtEnd() && (data_[pos_] == ' ' || data_[pos_] == '\t'); }
    bool NextIsBegin();
    // Appends the next physical line less its first `skip` bytes to `out`.
    void AppendNext(QByteArray &out, int skip);
    void Skip() { pos_ = Line().next; }
    int SkipNestedCard(int depth);

    std::unique_ptr<InputFile> file_;  // while a file has bytes left to read
    QByteArray buffer_;     // the file's bytes read so far and not yet taken, or the whole file
    qsizetype piece_ = 0;
    qint64 unread_ = 0;     // the bytes of the file not yet read (of those it had at first)
    qint64 base_ = 0;       // the file offset of data_[0]
    qint64 total_ = 0;
    QByteArray converted_;  // a UTF-16 file as UTF-8
    const char *data_ = nullptr;
    qsizetype size_ = 0;
    qsizetype pos_ = 0;
    int lineNo_ = 1;
    const QString fileName_;  // a copy: the reader may be given a temporary name
    Prompter &prompter_;
    QByteArray joined_;  // a name or parameter list folded over several lines, joined
    QString reason_;
    bool unicode_ = false;
    bool begin_ = false;
    int firstStrayLine_ = 0;
};
