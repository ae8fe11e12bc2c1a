#include "formats/contactname.h"

#include <QStringList>

QString ContactLabel(const QString &display, const QString &given, const QString &middle, const QString &family,
                     const QString &organisation)
{
    if (!display.trimmed().isEmpty())
        return display;
    QStringList parts;
    for (const QString *part : {&given, &middle, &family}) {
        const QString p = part->simplified();
        if (!p.isEmpty())
            parts.append(p);
    }
    if (!parts.isEmpty())
        return parts.join(QLatin1Char(' '));
    return organisation.simplified();
}
