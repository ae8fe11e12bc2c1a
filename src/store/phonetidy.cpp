#include "store/phonetidy.h"

#include "store/agenda.h"

QList<PhoneTidyRow> PlanPhoneTidy(const Agenda &agenda, const QList<int> &slots, const QString &region,
                                  PhoneFormat format)
{
    QList<PhoneTidyRow> rows;
    for (int slot : slots) {
        const AgendaRecord *r = agenda.RecordAt(slot);
        if (!r)
            continue;
        for (int k = 0; k < kPhoneCount; ++k) {
            const QString &phone = r->phone[size_t(k)];
            const PhoneTidy tidy = TidyPhone(phone, region, format);
            if (tidy.changed)
                rows.append({slot, k, phone, tidy.text, QString()});
            else if (!tidy.reason.isEmpty())
                rows.append({slot, k, phone, QString(), tidy.reason});
        }
    }
    return rows;
}

int ApplyPhoneTidy(Agenda &agenda, const QList<PhoneTidyRow> &rows)
{
    int changed = 0;
    for (const PhoneTidyRow &row : rows) {
        const AgendaRecord *r = agenda.RecordAt(row.slot);
        if (!row.Changes() || !r || r->phone[size_t(row.phone)] != row.before)
            continue;
        AgendaRecord copy = *r;
        copy.phone[size_t(row.phone)] = row.after;
        if (agenda.StoreRecord(row.slot, copy))
            ++changed;
    }
    return changed;
}

QString PhoneTidyLine(const PhoneTidyRow &row)
{
    const QString start = QStringLiteral("record %1: phone %2 \"%3\"").arg(row.slot + 1).arg(row.phone + 1).arg(row.before);
    return row.Changes() ? start + QStringLiteral(" -> \"%1\"").arg(row.after) : start + QStringLiteral(" kept: ") + row.reason;
}

int TidyRecordPhones(AgendaRecord &record, const QString &region, PhoneFormat format)
{
    // As they stand: nothing to read (reading and validating is the dear part).
    if (format == PhoneFormat::AsIs)
        return 0;
    int changed = 0;
    for (QString &phone : record.phone) {
        const PhoneTidy tidy = TidyPhone(phone, region, format);
        if (tidy.changed) {
            phone = tidy.text;
            ++changed;
        }
    }
    return changed;
}
