#include "store/fields.h"

#include "store/recordrules.h"

namespace {

// The position text of the list's GPS column: "S33.856789,W151.215278" is 22 units; a
// little room for signs and extra digits.
constexpr int kGpsTextMax = 25;

template <QString AgendaRecord::*Member>
QString Read(const AgendaRecord &r)
{
    return r.*Member;
}

template <QString AgendaRecord::*Member>
bool Write(AgendaRecord &r, const QString &text)
{
    r.*Member = text;
    return true;
}

template <int N>
QString ReadPhone(const AgendaRecord &r)
{
    return r.phone[N];
}

template <int N>
bool WritePhone(AgendaRecord &r, const QString &text)
{
    r.phone[N] = text;
    return true;
}

template <int N>
QString ReadEmail(const AgendaRecord &r)
{
    return r.email[N];
}

template <int N>
bool WriteEmail(AgendaRecord &r, const QString &text)
{
    r.email[N] = text;
    return true;
}

QString ReadGps(const AgendaRecord &r)
{
    return r.nav.GpsText();
}

bool WriteGps(AgendaRecord &r, const QString &text)
{
    return r.nav.ReadGpsText(text);
}

QString ReadPoiLabel(const AgendaRecord &r)
{
    return r.nav.poiLabel;
}

bool WritePoiLabel(AgendaRecord &r, const QString &text)
{
    r.nav.poiLabel = text;
    return true;
}

QString NoText(const AgendaRecord &)
{
    return QString();
}

using F = FieldId;

// One row per field, in the order of FieldId.
const std::array<RecordField, kFieldCount> kFields = {{
    {F::Record, QT_TRANSLATE_NOOP("FieldName", "record"), "slot", "#", 0, false, false, false, NoText, nullptr},
    {F::Label, QT_TRANSLATE_NOOP("FieldName", "label"), "label", QT_TRANSLATE_NOOP("ColumnTitle", "Label"), FieldMax::label, true, false, true, Read<&AgendaRecord::label>,
     Write<&AgendaRecord::label>},
    {F::Note, QT_TRANSLATE_NOOP("FieldName", "note"), "note", QT_TRANSLATE_NOOP("ColumnTitle", "Note"), FieldMax::note, false, false, true, Read<&AgendaRecord::note>,
     Write<&AgendaRecord::note>},
    // fld51 only exists in the newer file form, which Save does not write: not editable.
    {F::Fld51, "fld51", "fld51", "fld51", FieldMax::fld51, false, false, false, Read<&AgendaRecord::fld51>,
     Write<&AgendaRecord::fld51>},
    {F::Street, QT_TRANSLATE_NOOP("FieldName", "street"), "street", QT_TRANSLATE_NOOP("ColumnTitle", "Street"), FieldMax::street, false, true, true, Read<&AgendaRecord::street>,
     Write<&AgendaRecord::street>},
    {F::Numb, QT_TRANSLATE_NOOP("FieldName", "number"), "numb", QT_TRANSLATE_NOOP("ColumnTitle", "Numb"), FieldMax::numb, false, true, true, Read<&AgendaRecord::numb>,
     Write<&AgendaRecord::numb>},
    {F::Zip, QT_TRANSLATE_NOOP("FieldName", "zip"), "zip", QT_TRANSLATE_NOOP("ColumnTitle", "Zip"), FieldMax::zip, false, true, true, Read<&AgendaRecord::zip>,
     Write<&AgendaRecord::zip>},
    {F::City, QT_TRANSLATE_NOOP("FieldName", "city"), "city", QT_TRANSLATE_NOOP("ColumnTitle", "City"), FieldMax::city, false, true, true, Read<&AgendaRecord::city>,
     Write<&AgendaRecord::city>},
    {F::Country, QT_TRANSLATE_NOOP("FieldName", "country"), "country", QT_TRANSLATE_NOOP("ColumnTitle", "Country"), FieldMax::country, false, true, true,
     Read<&AgendaRecord::country>, Write<&AgendaRecord::country>},
    {F::Gps, QT_TRANSLATE_NOOP("FieldName", "GPS position"), "gps", QT_TRANSLATE_NOOP("ColumnTitle", "GPS"), kGpsTextMax, false, false, true, ReadGps, WriteGps},
    {F::Phone1, QT_TRANSLATE_NOOP("FieldName", "phone"), "phone1", QT_TRANSLATE_NOOP("ColumnTitle", "Phone-1"), FieldMax::phone, false, false, true, ReadPhone<0>, WritePhone<0>},
    {F::Phone2, QT_TRANSLATE_NOOP("FieldName", "phone"), "phone2", QT_TRANSLATE_NOOP("ColumnTitle", "Phone-2"), FieldMax::phone, false, false, true, ReadPhone<1>, WritePhone<1>},
    {F::Phone3, QT_TRANSLATE_NOOP("FieldName", "phone"), "phone3", QT_TRANSLATE_NOOP("ColumnTitle", "Phone-3"), FieldMax::phone, false, false, true, ReadPhone<2>, WritePhone<2>},
    {F::Phone4, QT_TRANSLATE_NOOP("FieldName", "phone"), "phone4", QT_TRANSLATE_NOOP("ColumnTitle", "Phone-4"), FieldMax::phone, false, false, true, ReadPhone<3>, WritePhone<3>},
    {F::Phone5, QT_TRANSLATE_NOOP("FieldName", "phone"), "phone5", QT_TRANSLATE_NOOP("ColumnTitle", "Phone-5"), FieldMax::phone, false, false, true, ReadPhone<4>, WritePhone<4>},
    {F::Email1, QT_TRANSLATE_NOOP("FieldName", "e-mail"), "email1", QT_TRANSLATE_NOOP("ColumnTitle", "Email-1"), FieldMax::email, false, false, true, ReadEmail<0>, WriteEmail<0>},
    {F::Email2, QT_TRANSLATE_NOOP("FieldName", "e-mail"), "email2", QT_TRANSLATE_NOOP("ColumnTitle", "Email-2"), FieldMax::email, false, false, true, ReadEmail<1>, WriteEmail<1>},
    {F::Email3, QT_TRANSLATE_NOOP("FieldName", "e-mail"), "email3", QT_TRANSLATE_NOOP("ColumnTitle", "Email-3"), FieldMax::email, false, false, true, ReadEmail<2>, WriteEmail<2>},
    {F::Email4, QT_TRANSLATE_NOOP("FieldName", "e-mail"), "email4", QT_TRANSLATE_NOOP("ColumnTitle", "Email-4"), FieldMax::email, false, false, true, ReadEmail<3>, WriteEmail<3>},
    {F::Email5, QT_TRANSLATE_NOOP("FieldName", "e-mail"), "email5", QT_TRANSLATE_NOOP("ColumnTitle", "Email-5"), FieldMax::email, false, false, true, ReadEmail<4>, WriteEmail<4>},
    {F::PoiLabel, QT_TRANSLATE_NOOP("FieldName", "POI label"), "poiLabel", QT_TRANSLATE_NOOP("ColumnTitle", "POI label"), FieldMax::poiLabel, false, false, false, ReadPoiLabel,
     WritePoiLabel},
}};

static_assert(kPhoneCount == 5 && kEmailCount == 5, "one field per phone and e-mail");

} // namespace

const std::array<RecordField, kFieldCount> &Fields()
{
    return kFields;
}

const RecordField &Field(FieldId id)
{
    return kFields[size_t(id)];
}

const RecordField *ColumnField(int column)
{
    return column >= 0 && column < kListColumnCount ? &kFields[size_t(column)] : nullptr;
}

FieldId PhoneField(int index)
{
    return FieldId(int(FieldId::Phone1) + index);
}

FieldId EmailField(int index)
{
    return FieldId(int(FieldId::Email1) + index);
}

int PhoneIndex(FieldId id)
{
    const int k = int(id) - int(FieldId::Phone1);
    return k >= 0 && k < kPhoneCount ? k : -1;
}

int EmailIndex(FieldId id)
{
    const int k = int(id) - int(FieldId::Email1);
    return k >= 0 && k < kEmailCount ? k : -1;
}

QString FieldText(const AgendaRecord &record, int slot, FieldId id)
{
    if (id == FieldId::Record)
        return QString::number(slot + 1);
    return Field(id).read(record);
}

QString FieldRefusal(FieldId id, const QString &text)
{
    const RecordField &f = Field(id);
    if (f.required && text.isEmpty())
        return RecordText::nullValue();
    if (f.limit > 0 && text.size() > f.limit)
        return RecordText::tooLong().arg(f.limit);
    if (id == FieldId::Gps && !NavData::IsGpsText(text))
        return RecordText::invalidGps();
    return QString();
}
