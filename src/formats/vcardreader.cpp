// Reading a vCard file into items: the tokenizer cuts it into property lines, the decoding
// layer reads each value in its charset, card by card.
#include "formats/vcardreader.h"

#include "common/safefile.h"
#include "formats/interchange.h"
#include "formats/vcard.h"
#include "formats/vcarddecoding.h"

namespace {

// The charset that a card's lines without one of their own are read in when they are
// not UTF-8: the first one another line names (a phone writes it on its non-ASCII lines
// only). Lines [0, count) are the card's.
QByteArray CardCharset(const std::vector<VCardLine> &lines, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (!lines[i].charset.isEmpty() && !IsUtf8Charset(lines[i].charset))
            return lines[i].charset;
    return QByteArray();
}

} // namespace

VCardReader::VCardReader(const QByteArray &bytes, const QString &fileName, Prompter &prompter)
    : tokenizer_(bytes, fileName, prompter)
{
}

VCardReader::VCardReader(const QString &path, Prompter &prompter, qsizetype piece) : tokenizer_(path, prompter, piece)
{
}

bool VCardReader::NextCard(VCard &card, bool mappedOnly)
{
    size_t count = 0;
    for (;;) {
        if (count == lines_.size())
            lines_.emplace_back();
        if (!tokenizer_.Next(lines_[count]))
            break;
        lastWasEnd_ = lines_[count++].property == kVcEnd;
        if (lastWasEnd_) {
            ++ends_;
            break;
        }
    }
    if (count == 0)
        return false;
    // A UTF-16 file is Unicode already: a CHARSET of its lines means nothing.
    const bool unicode = tokenizer_.Unicode();
    const QByteArray cardCharset = unicode ? QByteArray() : CardCharset(lines_, count);
    for (size_t i = 0; i < count; ++i) {
        const VCardLine &line = lines_[i];
        VCardItem item;
        item.property = line.property;
        item.params = line.typeBits & VCardPropertyTable[size_t(line.property)].admitted;
        item.pref = line.pref;
        if (!mappedOnly || MapCardReadsValue(line.property))
            item.value = DecodeVCardValue(line.value, unicode ? QByteArray() : line.charset, cardCharset);
        card.Append(std::move(item));
    }
    return true;
}

QString VCardReader::Reason() const
{
    if (!tokenizer_.Reason().isEmpty())
        return tokenizer_.Reason();
    if (lastWasEnd_)
        return QString();
    if (!tokenizer_.SawBegin() && ends_ == 0 && tokenizer_.FirstStrayLine() > 0)
        return InterchangeText::Tr(InterchangeText::kNotAProperty).arg(tokenizer_.FirstStrayLine());
    if (!tokenizer_.SawBegin() && ends_ == 0)
        return InterchangeText::Tr(InterchangeText::kNoBegin);
    return InterchangeText::Tr(InterchangeText::kNoEnd).arg(ends_ + 1);
}

bool VCard::ReadVcf(const QString &fileName, Prompter &prompter)
{
    // Only a regular file of a sensible size: a device or a huge wrong pick is refused
    // before anything is read.
    QByteArray bytes;
    if (!ReadInputFile(fileName, bytes, &reason_))
        return false;
    return ReadVcfBytes(bytes, fileName, prompter);
}

bool VCard::ReadVcfBytes(const QByteArray &bytes, const QString &fileName, Prompter &prompter)
{
    VCardReader reader(bytes, fileName, prompter);
    while (reader.NextCard(*this)) {
    }
    reason_ = reader.Reason();
    return reader.Complete();
}

bool VCard::TakeFirst(VCardItem &item)
{
    if (items_.empty())
        return false;
    item = std::move(items_.front());
    items_.pop_front();
    return true;
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
