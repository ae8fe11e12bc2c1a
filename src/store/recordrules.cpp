#include "store/recordrules.h"

#include "common/prompter.h"
#include "store/agenda.h"

#include <array>

static_assert(kLastOwner == Agenda::kMaxUsers, "owners are the phonebook's users");

namespace {

struct FieldRule
{
    TextField field;
    const char *name;
    int limit;
    bool required;
};

// One row per field, in the order of TextField.
constexpr std::array<FieldRule, 11> kRules = {{
    {TextField::Label, "label", FieldMax::label, true},
    {TextField::Note, "note", FieldMax::note, false},
    {TextField::Fld51, "fld51", FieldMax::fld51, false},
    {TextField::Street, "street", FieldMax::street, false},
    {TextField::Numb, "number", FieldMax::numb, false},
    {TextField::Zip, "zip", FieldMax::zip, false},
    {TextField::City, "city", FieldMax::city, false},
    {TextField::Country, "country", FieldMax::country, false},
    {TextField::PoiLabel, "POI label", FieldMax::poiLabel, false},
    {TextField::Phone, "phone", FieldMax::phone, false},
    {TextField::Email, "e-mail", FieldMax::email, false},
}};

const FieldRule &RuleOf(TextField field)
{
    return kRules[size_t(field)];
}

} // namespace

int FieldLimit(TextField field)
{
    return RuleOf(field).limit;
}

QString FieldName(TextField field)
{
    return QString::fromLatin1(RuleOf(field).name);
}

QString TextRefusal(TextField field, const QString &text)
{
    const FieldRule &rule = RuleOf(field);
    if (rule.required && text.isEmpty())
        return RecordText::nullValue;
    if (text.size() > rule.limit)
        return RecordText::tooLong.arg(rule.limit);
    return QString();
}

QString OwnerRefusal(std::optional<int64_t> owner)
{
    if (owner && *owner >= kFirstOwner && *owner <= kLastOwner)
        return QString();
    return RecordText::outOfRange.arg(kFirstOwner).arg(kLastOwner);
}

bool AddressDiffers(const AgendaRecord &a, const AgendaRecord &b)
{
    return a.street != b.street || a.numb != b.numb || a.zip != b.zip || a.city != b.city
           || a.country != b.country;
}

bool AskClearPostal(bool addressChanged, uint32_t &navFlags, Prompter &prompter)
{
    const uint32_t derived = kNavPostal | kNavPoi;
    if (!addressChanged || !(navFlags & derived) || !prompter.YesNo(RecordText::addressQuestion))
        return false;
    navFlags &= ~derived;
    return true;
}

bool AskClearVoice(bool labelChanged, uint16_t &voiceIndex, Prompter &prompter)
{
    if (!labelChanged || voiceIndex == 0xFFFF || !prompter.YesNo(RecordText::labelQuestion))
        return false;
    voiceIndex = 0xFFFF;
    return true;
}
