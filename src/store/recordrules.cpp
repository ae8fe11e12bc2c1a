#include "store/recordrules.h"

#include "common/prompter.h"
#include "store/agenda.h"
#include "store/fields.h"

#include <array>

static_assert(kLastOwner == Agenda::kMaxUsers, "owners are the phonebook's users");

FieldId FieldOf(TextField field)
{
    switch (field) {
    case TextField::Label: return FieldId::Label;
    case TextField::Note: return FieldId::Note;
    case TextField::Fld51: return FieldId::Fld51;
    case TextField::Street: return FieldId::Street;
    case TextField::Numb: return FieldId::Numb;
    case TextField::Zip: return FieldId::Zip;
    case TextField::City: return FieldId::City;
    case TextField::Country: return FieldId::Country;
    case TextField::PoiLabel: return FieldId::PoiLabel;
    case TextField::Phone: return FieldId::Phone1;
    case TextField::Email: return FieldId::Email1;
    }
    return FieldId::Label;
}

int FieldLimit(TextField field)
{
    return Field(FieldOf(field)).limit;
}

QString FieldName(TextField field)
{
    return QCoreApplication::translate("FieldName", Field(FieldOf(field)).name);
}

QString TextRefusal(TextField field, const QString &text)
{
    return FieldRefusal(FieldOf(field), text);
}

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
