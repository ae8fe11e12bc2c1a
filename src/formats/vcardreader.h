#pragma once

#include "formats/vcardtokenizer.h"

#include <QByteArray>
#include <QString>

#include <vector>

class Prompter;
class VCard;

// The cards of a vCard file one at a time: each card's lines are tokenised, decoded in
// their charset and handed over before the next card is read, so that reading a file
// of many cards holds one card's lines at a time, not the file's.
class VCardReader
{
public:
    // `bytes` must outlive the reader.
    VCardReader(const QByteArray &bytes, const QString &fileName, Prompter &prompter);
    // Reads the file at `path` a piece at a time (VCardTokenizer); a file that cannot be
    // read gives no card, and Reason() says why.
    VCardReader(const QString &path, Prompter &prompter, qsizetype piece = VCardTokenizer::kPieceSize);

    // Appends the items of the next card to `card`: those up to and including the next
    // END, or all that are left when no END follows. False when no item is left. With
    // `mappedOnly`, only the values that MapCard reads are decoded; the others are empty.
    bool NextCard(VCard &card, bool mappedOnly = false);
    // Once NextCard gave false: whether the last recognised property line was END; if
    // not, Reason() says why the file or its last card cannot be read ("not a text file",
    // "no BEGIN:VCARD line", "line 3 is not a vCard property", "card 2 has no END:VCARD
    // line").
    bool Complete() const { return lastWasEnd_; }
    QString Reason() const;
    // The bytes taken so far and all there are, for an estimate of the cards to come.
    qint64 Consumed() const { return tokenizer_.Consumed(); }
    qint64 Total() const { return tokenizer_.Total(); }

private:
    VCardTokenizer tokenizer_;
    std::vector<VCardLine> lines_;  // the current card's lines; kept to reuse their buffers
    int ends_ = 0;
    bool lastWasEnd_ = false;
};
