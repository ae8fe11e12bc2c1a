#pragma once

#include "formats/vcardimport.h"
#include "store/duplicates.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

// What the import review says about a card; each is also a filter of its rows.
enum ImportRemark : uint32_t {
    kRemarkDuplicate = 1,   // a record of the target user has a phone number of it, or its label
                            // where one of the two has no phone
    kRemarkTooLong = 2,     // a text is longer than the unit's limit for its field
    kRemarkTooMany = 4,     // more than five phones or e-mails: the extra ones are dropped
    kRemarkNoName = 8,      // no name: the first phone becomes the label
    kRemarkUnreadable = 16, // the file could not be read: an empty record stands for it
    kRemarkGroup = 32,      // a contact group of the export, no person
    kRemarkEmpty = 64,      // nothing a record holds
    kRemarkRepeated = 128,  // the same as kRemarkDuplicate for an earlier card of the same insert
    kRemarkBadGeo = 256,    // a GEO value that gave no position: the record gets none
    kRemarkSameName = 512,  // a record or an earlier card has its label but other phone numbers
};
constexpr int kRemarkCount = 10;
// The remarks of a card that leave it out unless the user checks it.
constexpr uint32_t kRemarksUnchecked = kRemarkDuplicate | kRemarkGroup | kRemarkEmpty | kRemarkRepeated;

// What the duplicate rule compares of a record: computed once per card of a review.
struct ImportReviewKeys
{
    DuplicateIndex::PhoneKeys phones;
    DuplicateIndex::LabelKeys label;
    bool hasPhone = false;  // a phone that is more than spaces
};

// Where the cards of a review come from: vCard files, this program's own CSV file, or the
// CSV file of another program, whose columns were mapped by name or chosen by the user.
// The counts, remarks and filters of a CSV file speak of rows.
enum class ImportSource { VCard, OwnCsv, Csv };

// The cards of an insert before anything is inserted: one row per card, in file order,
// with its check state and remarks, the target user and the shortening choice. The
// dialog is a view over it; the rows and remarks are computed here, without widgets.
class ImportReview
{
public:
    // `cards` hold no failed card other than those that KeepsEmptyRecord; `user` is the
    // preselected target user (1-based). Phone numbers are read with the default region
    // `region` (duplicates, their new form); they are written in international form
    // unless SetPhones says otherwise.
    ImportReview(const Agenda &agenda, std::vector<CardOfFile> cards, uint32_t user,
                 const QString &region = QString(), ImportSource source = ImportSource::VCard);

    int Count() const { return int(cards_.size()); }
    ImportSource Source() const { return source_; }
    const CardOfFile &Card(int row) const { return cards_[size_t(row)]; }
    const Agenda &Phonebook() const { return agenda_; }

    uint32_t User() const { return user_; }
    // Changes the target user. Rows whose duplicate remark changes take their default check
    // state (unchecked with a remark of kRemarksUnchecked, otherwise checked).
    void SetUser(uint32_t user);
    bool Shorten() const { return options_.shorten; }
    void SetShorten(bool on) { options_.shorten = on; }
    PhoneFormat Phones() const { return options_.phones; }
    void SetPhones(PhoneFormat format) { options_.phones = format; }
    CardInsertOptions Options() const { return options_; }

    bool Checked(int row) const { return checked_[size_t(row)] != 0; }
    void SetChecked(int row, bool on);
    // Checks or unchecks the given rows (Select all / Select none of the rows shown).
    void SetChecked(const QList<int> &rows, bool on);
    int CheckedCount() const { return checkedCount_; }
    // The free slots of the phonebook.
    int FreePlaces() const;
    // "312 cards, 290 selected, 91 free places" ("12 rows, ..." for a CSV file).
    QString CountsText() const;

    uint32_t Remarks(int row) const { return remarks_[size_t(row)]; }
    // The remarks of a row as text, e.g. "already in this user's list; no name".
    QString RemarksText(int row) const;
    // The rows that have a remark (all rows for 0).
    QList<int> RowsWith(uint32_t remark) const;
    // The label that the row's record gets on insert (a proposed or a cut one).
    QString Label(int row) const { return CardLabel(Card(row), options_); }
    // The first phone number of the row as it is inserted (in the form of Phones()), and
    // as the card holds it.
    QString Phone(int row) const;
    QString CardPhone(int row) const;
    // The record that the row inserts.
    AgendaRecord Record(int row) const { return CardRecord(Card(row), user_, options_); }
    // The checked cards, in order.
    std::vector<CardOfFile> ChosenCards() const;

    // The name of one remark (also the filter's entry), and the filter's entry for every
    // row, in the words of the source.
    static QString RemarkName(ImportRemark remark, ImportSource source = ImportSource::VCard);
    static QString AllRowsName(ImportSource source);

private:
    void MarkDuplicates();
    void MarkRepeated();
    void UpdateSameName();

    const Agenda &agenda_;
    std::vector<CardOfFile> cards_;
    std::vector<ImportReviewKeys> keys_;  // each card's, computed once
    std::vector<uint32_t> remarks_;
    std::vector<char> checked_;
    std::vector<char> sameNameInList_;   // a record of the user has the card's label, other phones
    std::vector<char> sameNameEarlier_;  // so has an earlier card
    int checkedCount_ = 0;
    uint32_t user_;
    ImportSource source_;
    CardInsertOptions options_;
};
