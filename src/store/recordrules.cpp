#include "store/recordrules.h"

#include "common/prompter.h"
#include "store/agenda.h"

static_assert(kLastOwner == Agenda::kMaxUsers, "owners are the phonebook's users");

QString OwnerRefusal(std::optional<int64_t> owner)
{
    if (owner && *owner >= kFirstOwner && *owner <= kLastOwner)
        return QString();
    return RecordText::outOfRange().arg(kFirstOwner).arg(kLastOwner);
}

bool AddressDiffers(const AgendaRecord &a, const AgendaRecord &b)
{
    return a.street != b.street || a.numb != b.numb || a.zip != b.zip || a.city != b.city
           || a.country != b.country;
}

bool AskClearPostal(bool addressChanged, uint32_t &navFlags, Prompter &prompter)
{
    const uint32_t derived = kNavPostal | kNavPoi;
    if (!addressChanged || !(navFlags & derived) || !prompter.YesNo(RecordText::addressQuestion()))
        return false;
    navFlags &= ~derived;
    return true;
}

bool AskClearVoice(bool labelChanged, uint16_t &voiceIndex, Prompter &prompter)
{
    if (!labelChanged || voiceIndex == 0xFFFF || !prompter.YesNo(RecordText::labelQuestion()))
        return false;
    voiceIndex = 0xFFFF;
    return true;
}
