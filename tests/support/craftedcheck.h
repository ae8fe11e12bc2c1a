#pragma once

#include "store/agenda.h"
#include "store/phonebookcheck.h"

#include <QString>
#include <QStringList>

// Phonebooks for the phonebook check: a clean contact, and the same contact spoilt in one
// way per finding kind.
namespace CraftedCheck {

// The contact every crafted record starts from: clean, owner 1.
inline AgendaRecord Contact(const QString &label, const QString &phone)
{
    AgendaRecord r;
    r.recType = 1;
    r.owner = 1;
    r.label = label;
    r.phone[0] = phone;
    return r;
}

// A clean first contact in slot 4 ("Anna Rossi", "+39 347 123 4567"), which the
// duplicate cases repeat.
inline Agenda WithFirstContact()
{
    Agenda agenda;
    agenda.InsertRecord(Contact(QStringLiteral("Anna Rossi"), QStringLiteral("+39 347 123 4567")));
    return agenda;
}

// "Bruno Verdi" spoilt in one way; `how` names the finding kind it must give.
inline AgendaRecord Spoilt(const QString &how)
{
    AgendaRecord r = Contact(QStringLiteral("Bruno Verdi"), QStringLiteral("02 7654321"));
    if (how == QLatin1String("too long"))
        r.label = QString(33, QLatin1Char('B'));
    else if (how == QLatin1String("foreign owner"))
        r.owner = 7;
    else if (how == QLatin1String("same label"))
        r.label = QStringLiteral("ANNA ROSSI");
    else if (how == QLatin1String("same phone"))
        r.phone[2] = QStringLiteral("347/1234567");
    else if (how == QLatin1String("letters"))
        r.phone[1] = QStringLiteral("0800 FLOWERS");
    else if (how == QLatin1String("latitude")) {
        r.nav.navFlags = kNavGps;
        r.nav.lat.FromDegrees(95.5);
    } else if (how == QLatin1String("longitude")) {
        r.nav.navFlags = kNavGps;
        r.nav.lon.FromDegrees(200);  // stored west-positive: 200 W
    } else if (how == QLatin1String("no label"))
        r.label.clear();
    else if (how == QLatin1String("empty")) {
        r.label.clear();
        r.phone[0].clear();
    }
    return r;
}

// The spoilt records, one per finding kind, in the order of CheckFinding::Kind.
inline const QStringList kEveryKind = {
    QStringLiteral("too long"), QStringLiteral("foreign owner"), QStringLiteral("same label"),
    QStringLiteral("same phone"), QStringLiteral("letters"), QStringLiteral("latitude"),
    QStringLiteral("longitude"), QStringLiteral("no label"), QStringLiteral("empty")};

// The first contact followed by every spoilt record (slots 5 onwards), each made distinct
// from the others so that it gives its own finding only.
inline Agenda EveryKindOnce()
{
    Agenda agenda = WithFirstContact();
    for (int i = 0; i < kEveryKind.size(); ++i) {
        AgendaRecord r = Spoilt(kEveryKind[i]);
        if (r.label == QLatin1String("Bruno Verdi"))
            r.label += QLatin1Char(' ') + QString::number(i);
        if (r.phone[0] == QLatin1String("02 7654321"))
            r.phone[0] = QStringLiteral("02 765430") + QString::number(i);
        agenda.InsertRecord(r);
    }
    return agenda;
}

} // namespace CraftedCheck
