#include "store/phonebook.h"

Phonebook::Phonebook(QObject *parent) : QObject(parent), agenda_(std::make_unique<Agenda>())
{
}

Phonebook::~Phonebook() = default;

LoadResult Phonebook::Load(const QString &path, Prompter &prompter, Agenda::UnknownVersion unknown)
{
    auto fresh = std::make_unique<Agenda>();
    LoadResult loaded = fresh->Load(path, prompter, unknown);
    if (loaded) {
        ReplaceData(std::move(*fresh));
        path_ = path;
    }
    return loaded;
}

WriteResult Phonebook::Save(const QString &path, Prompter &prompter)
{
    const WriteResult saved = agenda_->Save(path, prompter);
    if (saved)
        path_ = path;
    return saved;
}

void Phonebook::Replace(const Agenda &agenda)
{
    Agenda copy = agenda;
    ReplaceData(std::move(copy));
}

void Phonebook::ReplaceData(Agenda &&agenda)
{
    Q_EMIT AboutToReset();
    *agenda_ = std::move(agenda);
    // What an open group kept belongs to the phonebook that is gone.
    groupBefore_.clear();
    groupUsedBefore_ = agenda_->usedCount;
    Q_EMIT Reset();
}

void Phonebook::Touch(int slot)
{
    if (depth_ > 0 && slot >= 0 && slot < Agenda::kCapacity)
        groupBefore_.try_emplace(slot, agenda_->slots[size_t(slot)]);
}

void Phonebook::Announce(const QList<int> &slots)
{
    if (!slots.isEmpty())
        Q_EMIT SlotsChanged(slots);
}

BookResult Phonebook::StoreRecord(int slot, const AgendaRecord &record)
{
    if (slot < 0 || slot >= agenda_->slotCount)
        return BookResult::Failed(BookText::noRecord(), slot);
    Touch(slot);
    agenda_->StoreRecord(slot, record);
    Announce({slot});
    return BookResult::Done(slot);
}

BookResult Phonebook::InsertRecord(const AgendaRecord &record)
{
    for (int i = agenda_->userCount; i < agenda_->slotCount; ++i)
        if (agenda_->slots[size_t(i)].recType == 0)
            return StoreRecord(i, record);
    return BookResult::Failed(BookText::noMoreSpace());
}

BookResult Phonebook::DeleteRecord(int slot)
{
    if (slot >= 0 && slot < agenda_->userCount)
        return BookResult::Failed(BookText::userSlot(), slot);
    if (!agenda_->RecordAt(slot))
        return BookResult::Failed(BookText::noRecord(), slot);
    Touch(slot);
    agenda_->DeleteRecord(slot);
    Announce({slot});
    return BookResult::Done(slot);
}

BookResult Phonebook::MoveToUser(int slot, uint32_t user)
{
    if (user < 1 || int(user) > agenda_->userCount)
        return BookResult::Failed(BookText::noUser(), slot);
    if (slot >= 0 && slot < agenda_->userCount)
        return BookResult::Failed(BookText::userSlot(), slot);
    const AgendaRecord *r = agenda_->RecordAt(slot);
    if (!r)
        return BookResult::Failed(BookText::noRecord(), slot);
    if (r->owner == user)
        return BookResult::Done(slot);  // already there: nothing to store or mark modified
    AgendaRecord moved = *r;
    moved.owner = user;
    return StoreRecord(slot, moved);
}

BookResult Phonebook::CopyToUser(int slot, uint32_t user)
{
    if (user < 1 || int(user) > agenda_->userCount)
        return BookResult::Failed(BookText::noUser(), slot);
    const AgendaRecord *r = agenda_->RecordAt(slot);
    if (!r)
        return BookResult::Failed(BookText::noRecord(), slot);
    AgendaRecord copy = *r;
    copy.owner = user;
    return InsertRecord(copy);
}

Phonebook::Snapshot Phonebook::TakeSnapshot() const
{
    // The records share their texts with the live ones, so the copy is cheap.
    return {std::make_unique<std::array<AgendaRecord, Agenda::kCapacity>>(agenda_->slots), agenda_->usedCount};
}

void Phonebook::AnnounceDifferences(const Snapshot &before)
{
    QList<int> changed;
    for (int i = 0; i < Agenda::kCapacity; ++i) {
        const AgendaRecord &was = (*before.slots)[size_t(i)];
        if (was != agenda_->slots[size_t(i)]) {
            if (depth_ > 0)
                groupBefore_.try_emplace(i, was);
            changed.append(i);
        }
    }
    Announce(changed);
}

void Phonebook::BeginChange()
{
    if (depth_++ > 0)
        return;
    groupBefore_.clear();
    groupUsedBefore_ = agenda_->usedCount;
}

Phonebook::Change Phonebook::EndChange()
{
    Change change;
    if (depth_ == 0 || --depth_ > 0)
        return change;
    for (auto &[slot, before] : groupBefore_)
        if (before != agenda_->slots[size_t(slot)])
            change.slots.push_back({slot, std::move(before), agenda_->slots[size_t(slot)]});
    groupBefore_.clear();
    change.usedBefore = groupUsedBefore_;
    change.usedAfter = agenda_->usedCount;
    return change;
}

void Phonebook::Restore(const Change &change, bool after)
{
    QList<int> slots;
    slots.reserve(qsizetype(change.slots.size()));
    for (const SlotState &s : change.slots) {
        if (s.index < 0 || s.index >= Agenda::kCapacity)
            continue;
        Touch(s.index);
        agenda_->slots[size_t(s.index)] = after ? s.after : s.before;
        slots.append(s.index);
    }
    agenda_->usedCount = after ? change.usedAfter : change.usedBefore;
    Announce(slots);
}
