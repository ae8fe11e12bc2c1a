#pragma once

#include "store/agenda.h"

#include <QList>
#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class Prompter;

// The outcome of a phonebook operation: done, or why not, and the slot it concerns (the
// new slot of an insert or copy).
struct BookResult
{
    bool ok = false;
    QString reason;
    int slot = -1;

    explicit operator bool() const { return ok; }
    static BookResult Done(int slot) { return {true, QString(), slot}; }
    static BookResult Failed(const QString &reason, int slot = -1) { return {false, reason, slot}; }
};

// The texts of the reasons, translated when they are used (English in the command-line tool).
namespace BookText {
inline QString noMoreSpace() { return QCoreApplication::translate("BookText", "No more space to add contact to Agenda"); }
inline QString noRecord() { return QCoreApplication::translate("BookText", "There is no record in this slot."); }
inline QString userSlot()
{
    return QCoreApplication::translate("BookText", "A user cannot be deleted or given to another user.");
}
inline QString noUser() { return QCoreApplication::translate("BookText", "There is no such user."); }
} // namespace BookText

// The phonebook document: owns the records, the file they came from and its form, and is
// the only way to change them. Every operation says whether it was done and why not, and
// announces the slots it changed (SlotsChanged), or a whole new phonebook (Reset), so that
// views follow without being told by the commands.
//
// Undo: between BeginChange and EndChange the document keeps each changed slot as it was
// before its first change; EndChange hands over the slots that differ, before and after,
// and Restore puts either side back. Groups nest; the outermost one counts.
class Phonebook : public QObject
{
    Q_OBJECT

public:
    // A slot as it was before and after a change.
    struct SlotState
    {
        int index;
        AgendaRecord before;
        AgendaRecord after;
    };
    // What one group of operations changed.
    struct Change
    {
        std::vector<SlotState> slots;
        int usedBefore = 0;
        int usedAfter = 0;
        bool IsEmpty() const { return slots.empty(); }
    };

    explicit Phonebook(QObject *parent = nullptr);
    ~Phonebook() override;

    // Read access. The Agenda object stays the same for the document's life (a load
    // replaces its contents), so a reference to it may be kept.
    const Agenda &Data() const { return *agenda_; }
    const AgendaRecord *RecordAt(int slot) const { return agenda_->RecordAt(slot); }
    int SlotCount() const { return agenda_->slotCount; }
    int UserCount() const { return agenda_->userCount; }
    int UsedCount() const { return agenda_->usedCount; }
    int FreeSlots() const { return agenda_->slotCount - agenda_->usedCount; }
    QString UserName(int slot) const { return agenda_->UserName(slot); }
    // Whether the records differ from the file they were loaded from or saved to.
    bool Modified() const { return agenda_->modified; }
    void SetModified(bool modified) { agenda_->modified = modified; }
    // The file last loaded or saved (empty before), and whether it is the compressed form.
    QString Path() const { return path_; }
    bool Compressed() const { return agenda_->compressed; }

    // Replaces the records from a file, read into a fresh phonebook taken over only on
    // success (Reset); on failure nothing changed and the result says why.
    // A file of an unknown format version is asked about, refused or accepted (Agenda::Load).
    LoadResult Load(const QString &path, Prompter &prompter,
                    Agenda::UnknownVersion unknown = Agenda::UnknownVersion::Ask);
    // Writes the records to a file in the form they were loaded in (Agenda::Save).
    WriteResult Save(const QString &path, Prompter &prompter);
    // Takes over a phonebook built in memory (Reset), as if it had been loaded.
    void Replace(const Agenda &agenda);

    // Stores a record into a slot (a user slot keeps its owner).
    BookResult StoreRecord(int slot, const AgendaRecord &record);
    // Stores a record into the lowest free contact slot.
    BookResult InsertRecord(const AgendaRecord &record);
    // Frees a contact slot; users are never deleted.
    BookResult DeleteRecord(int slot);
    // Gives a contact to user 1..UserCount().
    BookResult MoveToUser(int slot, uint32_t user);
    // Inserts a copy of a record for user 1..UserCount(); the result names the new slot.
    BookResult CopyToUser(int slot, uint32_t user);
    // Runs an operation of the exchange layer, which works on an Agenda (vCard and CSV
    // import and insert), and announces the slots that it changed.
    template <typename Operation>
    auto Apply(Operation &&operation) -> decltype(operation(std::declval<Agenda &>()))
    {
        const Snapshot before = TakeSnapshot();
        if constexpr (std::is_void_v<decltype(operation(std::declval<Agenda &>()))>) {
            operation(*agenda_);
            AnnounceDifferences(before);
        } else {
            auto result = operation(*agenda_);
            AnnounceDifferences(before);
            return result;
        }
    }

    void BeginChange();
    // Ends a group; the outermost one returns what changed since its BeginChange.
    Change EndChange();
    // Puts the slots of a change back as they were before it (`after` false) or after it.
    void Restore(const Change &change, bool after);

Q_SIGNALS:
    // Slots whose records changed, appeared or were freed.
    void SlotsChanged(const QList<int> &slots);
    // The whole phonebook is about to be / has been replaced.
    void AboutToReset();
    void Reset();

private:
    struct Snapshot
    {
        std::unique_ptr<std::array<AgendaRecord, Agenda::kCapacity>> slots;
        int used = 0;
    };
    Snapshot TakeSnapshot() const;
    void AnnounceDifferences(const Snapshot &before);
    // Keeps a slot's record as it is now, the first time it changes in an open group.
    void Touch(int slot);
    void Announce(const QList<int> &slots);
    void ReplaceData(Agenda &&agenda);

    std::unique_ptr<Agenda> agenda_;
    QString path_;
    int depth_ = 0;
    std::map<int, AgendaRecord> groupBefore_;
    int groupUsedBefore_ = 0;
};
