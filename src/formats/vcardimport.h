#pragma once

class Phonebook;

#include "store/phonenumber.h"

#include "store/agenda.h"
#include "formats/vcard.h"
#include "formats/vcardreader.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class Prompter;

// Inserting the cards of vCard files as new records: every card of every file, in file
// order. The main window (directly or after its review) and kestravon-cli share it.

// One card of a file, mapped onto a fresh record.
struct CardOfFile
{
    QString path;
    int number = 1;     // its place in the file, from 1
    int fileCards = 1;  // the cards of its file; a file without any card counts one that fails
    bool failed = false;    // the card could not be read (no END, or the file not at all)
    bool reported = false;  // ... and the failure has already been shown
    QString reason;         // why the card or its file could not be read (shown as the detail)
    AgendaRecord record;    // the card on a default record; the default record when it failed
    int droppedPhones = 0;  // phones and e-mails beyond the record's five
    int droppedEmails = 0;
    bool group = false;     // a contact group (its members listed), not a person
    QString badGeo;         // a GEO value that gave no position (the record has none from it)
};

// The cards of one vCard file, read and mapped one at a time (the file is read a piece
// at a time, one card's items held). Nothing is asked (only -vcfdebug reports).
class CardFileReader
{
public:
    CardFileReader(const QString &path, Prompter &prompter, qsizetype piece = VCardTokenizer::kPieceSize);
    ~CardFileReader();
    CardFileReader(const CardFileReader &) = delete;
    CardFileReader &operator=(const CardFileReader &) = delete;
    // The next card into `card`, its `fileCards` left at 1 (the count is only known at
    // the end of the file). A file that cannot be read, or that holds no property the
    // reader knows, gives one failed card; a card without END is the last and fails.
    // False when the file has no more cards.
    bool Next(CardOfFile &card);
    // How many cards the whole file holds, estimated from the bytes the cards read so
    // far took once they are enough to tell; the cards read until then.
    qint64 EstimatedCards() const;

private:
    QString path_;
    VCardReader reader_;
    VCard items_;
    int read_ = 0;
    bool done_ = false;
};

// Reads every card of the files, in order. A file that cannot be read, or that holds no
// property the reader knows, gives one failed card; so does the rest after a file's last
// END when it holds a property line. Nothing is asked (only -vcfdebug reports). `piece`
// as VCardTokenizer reads.
std::vector<CardOfFile> ReadCardFiles(const QStringList &paths, Prompter &prompter,
                                      qsizetype piece = VCardTokenizer::kPieceSize);

// Why a card is no contact of its own. Only a file of several cards (a phone's or a
// service's export of everything) holds such cards beside the contacts; a one-card file
// and a failed card are always inserted as they are.
enum class NotContact {
    No,
    Group,  // a contact group
    Empty,  // nothing a record holds: no name, phone, e-mail, address, note or coordinates
};
NotContact NotContactReason(const CardOfFile &card);
// Removes the cards that are no contacts (above); returns how many.
int RemoveNotContacts(std::vector<CardOfFile> &cards);

// How a card becomes the record that is inserted.
struct CardInsertOptions
{
    bool shorten = false;         // cut texts to the unit's limits
    bool labelFromPhone = false;  // a card without a name takes its first phone as label
    PhoneFormat phones = PhoneFormat::AsIs;  // the form the phone numbers are written in
    QString region;               // the default region the numbers are read with
};

// The record a card gives for user `user`.
AgendaRecord CardRecord(const CardOfFile &card, uint32_t user, const CardInsertOptions &options);
// The label a card gives: its name, or with `labelFromPhone` its first phone when it has
// no name; cut to the unit's limit with `shorten`.
QString CardLabel(const CardOfFile &card, const CardInsertOptions &options);

// "Error importing : <path>", followed by " (card N)" when the file holds several cards.
QString FailedCardMessage(const CardOfFile &card);
// Asks FailedCardMessage with OK/Cancel, the card's reason as detail; true for OK.
bool ReportFailedCard(const CardOfFile &card, Prompter &prompter);
// Whether a failed card still stands for a record: the empty record that the insert of
// a one-card file adds after OK.
inline bool KeepsEmptyRecord(const CardOfFile &card)
{
    return card.failed && card.fileCards == 1;
}

struct CardInsertResult
{
    int inserted = 0;  // cards read and inserted
    int failed = 0;    // cards that could not be read
    int noRoom = 0;    // cards left when the phonebook was full
    bool cancelled = false;
};
// Inserts the cards in order as new records of user `user`. A failed card not yet reported
// asks as ReportFailedCard: Cancel stops; OK goes on, after adding the empty record when
// KeepsEmptyRecord. A full phonebook shows "No more space to add contact to Agenda" once
// and stops. The records go through the phonebook document, which announces them.
// `inserted` is called with the slot of every record added.
CardInsertResult InsertCards(Phonebook &book, uint32_t user, const std::vector<CardOfFile> &cards,
                             const CardInsertOptions &options, Prompter &prompter,
                             const std::function<void(int)> &inserted = {});
