#include "store/phonebookcheck.h"

#include "store/agenda.h"
#include "store/duplicates.h"
#include "store/fields.h"
#include "store/phonenumber.h"
#include "store/recordrules.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>

namespace {

using Kind = CheckFinding::Kind;

// The findings' texts are translated in the window and stay English in the command-line
// tool, which installs no translator.

// The name of a field in a finding; phones and e-mails carry their number 1..5.
QString NameOf(FieldId field)
{
    const QString name = QCoreApplication::translate("FieldName", Field(field).name);
    const int number = std::max(PhoneIndex(field), EmailIndex(field)) + 1;
    return number > 0 ? name + QLatin1Char(' ') + QString::number(number) : name;
}

// A text quoted in a finding, with control characters shown as "?" so that one finding
// stays one line.
QString Quoted(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    return QLatin1Char('"') + out + QLatin1Char('"');
}

class Checker
{
public:
    Checker(const Agenda &agenda, const QString &region) : agenda_(agenda), region_(region) {}

    QList<CheckFinding> Run()
    {
        for (int i = 0; i < agenda_.slotCount; ++i)
            if (const AgendaRecord *r = agenda_.RecordAt(i))
                CheckRecord(i, *r);
        return findings_;
    }

private:
    void Add(Kind kind, const QString &field, const QString &what)
    {
        findings_.append({kind, slot_, owner_, field, what});
    }

    void CheckRecord(int slot, const AgendaRecord &r)
    {
        slot_ = slot;
        owner_ = r.owner;
        CheckLengths(r);
        if (r.owner < 1 || r.owner > uint32_t(agenda_.userCount))
            Add(Kind::ForeignOwner, QCoreApplication::translate("FieldName", "owner"),
                QCoreApplication::translate("CheckText", "owner %1 is not one of the phonebook's %2 users").arg(r.owner).arg(agenda_.userCount));
        if (slot >= agenda_.userCount)
            CheckDuplicate(r);
        for (int k = 0; k < kPhoneCount; ++k)
            if (!IsDialable(r.phone[size_t(k)]))
                Add(Kind::Undialable, NameOf(PhoneField(k)),
                    QCoreApplication::translate("CheckText", "%1 %2 holds characters a phone cannot dial")
                        .arg(NameOf(PhoneField(k)), Quoted(r.phone[size_t(k)])));
        // The numbers of contacts are what the unit dials; a user's own slot is no contact.
        if (slot >= agenda_.userCount)
            for (int k = 0; k < kPhoneCount; ++k)
                CheckNumber(NameOf(PhoneField(k)), r.phone[size_t(k)]);
        CheckGps(r.nav);
        if (r.label.isEmpty()) {
            bool reachable = false;
            for (const QString &p : r.phone)
                reachable = reachable || !p.isEmpty();
            for (const QString &e : r.email)
                reachable = reachable || !e.isEmpty();
            if (reachable)
                Add(Kind::NoLabel, NameOf(FieldId::Label), QCoreApplication::translate("CheckText", "has no label"));
            else
                Add(Kind::Empty, NameOf(FieldId::Label), QCoreApplication::translate("CheckText", "has no label, phone or e-mail"));
        }
    }

    void CheckLength(FieldId field, const QString &text)
    {
        const int limit = Field(field).limit;
        if (text.size() > limit)
            Add(Kind::TooLong, NameOf(field),
                QCoreApplication::translate("CheckText", "%1 is %2 characters, the unit allows %3")
                    .arg(NameOf(field), QString::number(text.size()), QString::number(limit)));
    }

    // Every text the unit stores with a limit (not the GPS column, which is no stored text).
    void CheckLengths(const AgendaRecord &r)
    {
        for (const RecordField &f : Fields())
            if (f.id != FieldId::Record && f.id != FieldId::Gps)
                CheckLength(f.id, f.read(r));
    }

    // A number that reads but is no valid number, and one that only dials at home.
    void CheckNumber(const QString &field, const QString &phone)
    {
        const PhoneReading reading = ReadPhone(phone, region_);
        switch (reading.kind) {
        case PhoneKind::NotValid:
        case PhoneKind::NotANumber:
            //: %1 the field ("phone 2"), %2 the number in quotes, %3 why it is no valid number ("holds letters").
            Add(Kind::InvalidNumber, field, QCoreApplication::translate("CheckText", "%1 %2 %3").arg(field, Quoted(phone), PhoneKeptReason(reading)));
            break;
        case PhoneKind::NoRegion:
            Add(Kind::NoRegion, field,
                QCoreApplication::translate("CheckText", "%1 %2 has no country code and no region is set: it will not dial abroad").arg(field, Quoted(phone)));
            break;
        default:
            break;
        }
    }

    // A record that looks like an earlier record of the same owner names the first of them;
    // one that does not, but has a number that may be a shorter or longer form of an earlier
    // record's, names the first of those.
    void CheckDuplicate(const AgendaRecord &r)
    {
        auto it = byOwner_.find(r.owner);
        if (it == byOwner_.end())
            it = byOwner_.insert(r.owner, DuplicateIndex(region_));
        DuplicateIndex &index = it.value();
        const DuplicateIndex::PhoneKeys keys = DuplicateIndex::KeysOf(r, region_);
        const DuplicateMatch match = index.Find(r, keys);
        index.Add(r, keys, slot_);
        if (match.first < 0) {
            DuplicateMatch possibly;
            for (int k = 0; k < kPhoneCount; ++k) {
                const int first = shortForms_.Find(r.owner, keys[size_t(k)]);
                if (first >= 0 && (possibly.first < 0 || first < possibly.first))
                    possibly = {first, k};
            }
            if (possibly.first >= 0) {
                const QString field = NameOf(PhoneField(possibly.phone));
                Add(Kind::Duplicate, field,
                    QCoreApplication::translate("CheckText", "%1 %2 is possibly the same number as record %3")
                        .arg(field, Quoted(r.phone[size_t(possibly.phone)]), QString::number(possibly.first + 1)));
            }
        }
        for (const QString &key : keys)
            shortForms_.Add(r.owner, key, slot_);
        if (match.first < 0)
            return;
        if (match.phone < 0) {
            Add(Kind::Duplicate, NameOf(FieldId::Label),
                QCoreApplication::translate("CheckText", "looks like a duplicate of record %1 (%2)")
                    .arg(QString::number(match.first + 1), QCoreApplication::translate("CheckText", "same label")));
            return;
        }
        // The number that matched, as this record holds it, and the record that has it too.
        const QString field = NameOf(PhoneField(match.phone));
        Add(Kind::Duplicate, field,
            QCoreApplication::translate("CheckText", "%1 %2 is the same number as record %3")
                .arg(field, Quoted(r.phone[size_t(match.phone)]), QString::number(match.first + 1)));
    }

    void CheckGps(const NavData &nav)
    {
        if (!(nav.navFlags & kNavGps))
            return;
        const double lat = nav.lat.ToDegrees();
        // The stored longitude is west-positive; the finding shows it east-positive.
        const double lon = -nav.lon.ToDegrees();
        if (std::fabs(lat) > kMaxLatitude)
            Add(Kind::GpsOutOfRange, QStringLiteral("GPS"),
                QCoreApplication::translate("CheckText", "GPS latitude %1 is beyond ±%2").arg(lat, 0, 'f', 6).arg(kMaxLatitude));
        if (std::fabs(lon) > kMaxLongitude)
            Add(Kind::GpsOutOfRange, QStringLiteral("GPS"),
                QCoreApplication::translate("CheckText", "GPS longitude %1 is beyond ±%2").arg(lon, 0, 'f', 6).arg(kMaxLongitude));
    }

    const Agenda &agenda_;
    const QString region_;
    QList<CheckFinding> findings_;
    int slot_ = 0;
    uint32_t owner_ = 0;
    // The contacts seen so far, by owner.
    QHash<uint32_t, DuplicateIndex> byOwner_;
    ShortFormIndex shortForms_;  // the contacts' numbers seen so far, by owner
};

} // namespace

QList<CheckFinding> CheckPhonebook(const Agenda &agenda, const QString &region)
{
    return Checker(agenda, region).Run();
}

QString FindingLine(const CheckFinding &finding)
{
    return QCoreApplication::translate("CheckText", "record %1: %2").arg(QString::number(finding.slot + 1), finding.what);
}

bool IsDialable(const QString &phone)
{
    static const QString separators = QStringLiteral("+*# -./()");
    for (QChar c : phone)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && !separators.contains(c))
            return false;
    return true;
}
