// Reading a vCard file into items: the tokenizer cuts it into property lines, the decoding
// layer reads each value in its charset, card by card.
#include "formats/vcard.h"

#include "common/safefile.h"
#include "formats/interchange.h"
#include "formats/vcarddecoding.h"
#include "formats/vcardtokenizer.h"

namespace {

// The charset that a card's lines without one of their own are read in when they are
// not UTF-8: the first one another line names (a phone writes it on its non-ASCII lines
// only). Lines [from, to) are the card's.
QByteArray CardCharset(const std::vector<VCardLine> &lines, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i)
        if (!lines[i].charset.isEmpty() && !IsUtf8Charset(lines[i].charset))
            return lines[i].charset;
    return QByteArray();
}

} // namespace

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
    reason_.clear();
    VCardTokens tokens = TokenizeVCard(bytes, fileName, prompter);
    if (!tokens.reason.isEmpty()) {
        reason_ = tokens.reason;
        return false;
    }
    std::vector<VCardLine> &lines = tokens.lines;
    int ends = 0;
    size_t from = 0;
    while (from < lines.size()) {
        size_t to = from;
        while (to < lines.size() && lines[to].property != kVcEnd)
            ++to;
        if (to < lines.size()) {
            ++to;  // the END belongs to the card
            ++ends;
        }
        // A UTF-16 file is Unicode already: a CHARSET of its lines means nothing.
        const QByteArray cardCharset = tokens.unicode ? QByteArray() : CardCharset(lines, from, to);
        for (size_t i = from; i < to; ++i) {
            VCardLine &line = lines[i];
            VCardItem item;
            item.property = line.property;
            item.params = line.typeBits & VCardPropertyTable[size_t(line.property)].admitted;
            item.pref = line.pref;
            item.value = DecodeVCardValue(line.value, tokens.unicode ? QByteArray() : line.charset, cardCharset);
            items_.push_back(std::move(item));
        }
        from = to;
    }
    const bool complete = !lines.empty() && lines.back().property == kVcEnd;
    if (!complete) {
        if (!tokens.begin && ends == 0 && tokens.firstStrayLine > 0)
            reason_ = InterchangeText::Tr(InterchangeText::kNotAProperty).arg(tokens.firstStrayLine);
        else if (!tokens.begin && ends == 0)
            reason_ = InterchangeText::Tr(InterchangeText::kNoBegin);
        else
            reason_ = InterchangeText::Tr(InterchangeText::kNoEnd).arg(ends + 1);
    }
    return complete;
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
