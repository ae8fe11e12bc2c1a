#include "common/plural.h"

#include <QCoreApplication>

QString CountText(const char *context, const char *text, int n)
{
    const QString translated = QCoreApplication::translate(context, text, nullptr, n);
    QString source = QString::fromUtf8(text);
    source.replace(QLatin1String("%n"), QString::number(n));
    if (translated != source)
        return translated;
    return source.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}
