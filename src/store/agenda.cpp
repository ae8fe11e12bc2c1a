#include "store/agenda.h"

#include "common/numbers.h"

#include <cmath>
#include <cstdlib>

// ---- coded values -------------------------------------------------------------------

namespace Codes {
const std::array<CodeText, 7> recordTypes = {{
    {0, "not used"}, {1, "normal"}, {17, "ACP"}, {19, "Volatil ACP"}, {227, "BT"}, {71, "SIM"}, {79, "SIM SDN"},
}};
const std::array<CodeText, 3> postalTypes = {{
    {0, "CENTER ROAD"}, {1, "CROSS ROAD"}, {2, "HOUSE NUMBER"},
}};
const std::array<CodeText, 15> phoneTypes = {{
    {0, ""}, {7, "HOME"}, {3, "HOME.FAX"}, {4, "HOME.CELL"}, {19, "CELL"}, {10, "WORK.FAX"},
    {11, "WORK.CELL"}, {20, "PREF.CELL"}, {5, "PREF.HOME"}, {8, "PR.HM.FAX"}, {9, "PR.HM.CELL"},
    {12, "PREF.WORK"}, {6, "PR.WK.VOICE"}, {15, "PR.WK.FAX"}, {16, "PR.WK.CELL"},
}};
const std::array<CodeText, 6> emailTypes = {{
    {0, ""}, {1, "HOME"}, {2, "WORK"}, {5, "PREF"}, {6, "PREF.HOME"}, {7, "PREF.WORK"},
}};
} // namespace Codes

// ---- GpsCoord -----------------------------------------------------------------------

double GpsCoord::ToDegrees() const
{
    const double v = double(deg) + double(min) / 60.0 + double(sec) / 3600.0 + double(hund) / 360000.0;
    return negative ? -v : v;
}

namespace {

// A non-negative whole number into a 16-bit field, wrapping like the field would; values
// that are not finite give 0 instead of undefined behaviour.
uint16_t ToField16(double whole)
{
    if (!std::isfinite(whole) || whole < 0)
        return 0;
    return uint16_t(uint64_t(std::fmod(whole, 65536.0)));
}

} // namespace

void GpsCoord::FromDegrees(double value)
{
    negative = value < 0 ? 1 : 0;
    const double a = std::fabs(value);
    const double d = std::floor(a);
    const double r = (a - d) * 60.0;
    const double m = std::floor(r);
    const double s = (r - m) * 60.0;
    const double sc = std::floor(s);
    deg = ToField16(d);
    min = ToField16(m);
    sec = ToField16(sc);
    hund = ToField16(std::floor((s - sc) * 100.0 + 0.5));
}

void GpsCoord::ReadCoordinate(const QString &text)
{
    QString t = text;
    if (!t.isEmpty()) {
        const QChar c = t.at(0);
        if (c == QLatin1Char('N') || c == QLatin1Char('n') || c == QLatin1Char('W') || c == QLatin1Char('w'))
            t[0] = QLatin1Char('+');
        else if (c == QLatin1Char('E') || c == QLatin1Char('e') || c == QLatin1Char('S') || c == QLatin1Char('s'))
            t[0] = QLatin1Char('-');
    }
    // As atof reads it: blanks before the number, anything behind it ignored, 0 when
    // there is none; a number too large for a double is an infinity.
    FromDegrees(ReadNumber(t, 0, NumberSyntax{true, false}).value);
}

// ---- NavData ------------------------------------------------------------------------

void NavData::ClearNav()
{
    *this = NavData();
}

QString NavData::GpsText() const
{
    if (!(navFlags & kNavGps))
        return QString();
    return QString::asprintf("%c%f,%c%f", lat.negative ? 'S' : 'N', std::fabs(lat.ToDegrees()),
                             lon.negative ? 'E' : 'W', std::fabs(lon.ToDegrees()));
}

namespace {

// A leading "-" becomes `minusLetter`; a leading digit gets `plusLetter` in front.
QString SignToLetter(const QString &text, QChar minusLetter, QChar plusLetter)
{
    if (text.isEmpty())
        return text;
    const QChar c = text.at(0);
    if (c == QLatin1Char('-'))
        return QString(minusLetter) + text.mid(1);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return QString(plusLetter) + text;
    return text;
}

QString AfterFirstComma(const QString &text)
{
    const int comma = int(text.indexOf(QLatin1Char(',')));
    return comma < 0 ? text : text.mid(comma + 1);
}

} // namespace

void NavData::SetGpsText(const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    if (t.isEmpty()) {
        navFlags &= ~uint32_t(kNavGps);
        lat.FromDegrees(0);
        lon.FromDegrees(0);
        return;
    }
    navFlags |= kNavGps;
    const QChar c = t.at(0);
    if (c == QLatin1Char('E') || c == QLatin1Char('W') || c == QLatin1Char('e') || c == QLatin1Char('w')) {
        lon.ReadCoordinate(t);
        lat.ReadCoordinate(SignToLetter(AfterFirstComma(t), QLatin1Char('S'), QLatin1Char('N')));
    } else {
        // The longitude is read from the text as rewritten for the latitude, so a text
        // without a comma gives the latitude's letter to the longitude too ("8" is N8, W8).
        t = SignToLetter(t, QLatin1Char('S'), QLatin1Char('N'));
        lat.ReadCoordinate(t);
        lon.ReadCoordinate(SignToLetter(AfterFirstComma(t), QLatin1Char('W'), QLatin1Char('E')));
    }
}

bool NavData::IsGpsText(const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    if (t.isEmpty())
        return true;
    const int comma = int(t.indexOf(QLatin1Char(',')));
    if (comma < 0)
        return false;
    // One coordinate: an optional letter from `letters` or a sign, then digits with an
    // optional decimal point (at least one digit), at most `max` degrees.
    const auto coordinate = [](QStringView part, QLatin1String letters, double max) {
        if (!part.isEmpty() && (letters.contains(part.front().toUpper()) || part.front() == QLatin1Char('+')
                                || part.front() == QLatin1Char('-')))
            part = part.mid(1);
        int digits = 0;
        int points = 0;
        for (QChar c : part) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                ++digits;
            else if (c == QLatin1Char('.'))
                ++points;
            else
                return false;
        }
        if (digits == 0 || points > 1)
            return false;
        const std::optional<double> value = ReadNumberText(part);
        return value && *value <= max;
    };
    const QStringView first = QStringView(t).left(comma);
    const QStringView second = QStringView(t).mid(comma + 1);
    const QChar lead = first.isEmpty() ? QChar() : first.front().toUpper();
    if (lead == QLatin1Char('E') || lead == QLatin1Char('W'))
        return coordinate(first, QLatin1String("EW"), 180.0) && coordinate(second, QLatin1String("NS"), 90.0);
    return coordinate(first, QLatin1String("NS"), 90.0) && coordinate(second, QLatin1String("EW"), 180.0);
}

bool NavData::ReadGpsText(const QString &text)
{
    if (!IsGpsText(text))
        return false;
    // A "+" is dropped: SetGpsText reads "+9" as a longitude as west, a plain "9" as east.
    QString t = text;
    t.remove(QLatin1Char(' '));
    if (t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    const int comma = int(t.indexOf(QLatin1Char(',')));
    if (comma >= 0 && comma + 1 < t.size() && t.at(comma + 1) == QLatin1Char('+'))
        t.remove(comma + 1, 1);
    SetGpsText(t);
    return true;
}

bool NavData::operator==(const NavData &o) const
{
    return navFlags == o.navFlags && lon == o.lon && lat == o.lat && postalType == o.postalType
        && posCode == o.posCode && posRoad1 == o.posRoad1 && posRoad2 == o.posRoad2 && posNumb == o.posNumb
        && poiCat == o.poiCat && poiFac0 == o.poiFac0 && poiFac1 == o.poiFac1 && poiLabel == o.poiLabel
        && cdQuarter == o.cdQuarter && cdYear == o.cdYear && cdCid == o.cdCid;
}

// ---- AgendaRecord -------------------------------------------------------------------

bool AgendaRecord::HasAddress() const
{
    return !street.isEmpty() || !numb.isEmpty() || !zip.isEmpty() || !city.isEmpty() || !country.isEmpty();
}

bool AgendaRecord::operator==(const AgendaRecord &o) const
{
    return recType == o.recType && owner == o.owner && label == o.label && note == o.note && fld51 == o.fld51
        && simPos == o.simPos && voiceIndex == o.voiceIndex && street == o.street && numb == o.numb
        && zip == o.zip && city == o.city && country == o.country && nav == o.nav && phoneWord == o.phoneWord
        && phone == o.phone && phoneType == o.phoneType && emailWord == o.emailWord && email == o.email
        && emailType == o.emailType && acpType == o.acpType && acpDate1 == o.acpDate1 && acpDate2 == o.acpDate2;
}

// ---- Agenda -------------------------------------------------------------------------

Agenda::Agenda()
{
    for (int n = 1; n <= kMaxUsers; ++n) {
        AgendaRecord &r = slots[n - 1];
        r.recType = 1;
        r.owner = uint32_t(n);
        r.label = QStringLiteral("User");
        r.phone[0] = QString(4, QChar(u'0' + n));
        r.phoneType[0] = 6;
    }
    usedCount = kMaxUsers;
}

const AgendaRecord *Agenda::RecordAt(int index) const
{
    if (index < 0 || index >= slotCount || slots[size_t(index)].recType == 0)
        return nullptr;
    return &slots[size_t(index)];
}

std::optional<AgendaRecord> Agenda::GetRecord(int index) const
{
    const AgendaRecord *r = RecordAt(index);
    if (!r)
        return std::nullopt;
    return *r;
}

bool Agenda::StoreRecord(int index, AgendaRecord &record)
{
    if (index < 0 || index >= slotCount)
        return false;
    AgendaRecord &slot = slots[size_t(index)];
    if (slot.recType == 0)
        ++usedCount;
    if (record.recType == 0)
        record.recType = 1;
    if (index < userCount)
        record.owner = uint32_t(index + 1);
    slot = record;
    modified = true;
    return true;
}

int Agenda::InsertRecord(AgendaRecord &record)
{
    for (int i = userCount; i < slotCount; ++i) {
        if (slots[size_t(i)].recType == 0) {
            StoreRecord(i, record);
            return i;
        }
    }
    return 0;
}

bool Agenda::DeleteRecord(int index)
{
    if (index < userCount || index >= slotCount)
        return false;
    AgendaRecord &slot = slots[size_t(index)];
    if (slot.recType != 0)
        --usedCount;
    slot.recType = 0;
    modified = true;
    return true;
}

QString Agenda::UserName(int index) const
{
    if (index < 0 || index >= userCount)
        return QString();
    return slots[size_t(index)].label + QLatin1Char(':') + QString::number(index + 1);
}
