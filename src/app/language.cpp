#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

constexpr char kResourceDir[] = ":/i18n";
constexpr char kPrefix[] = "kestravon_";

// "de-AT", "de_AT" and "DE" all mean German.
QString Primary(const QString &code)
{
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

namespace Language {

QStringList Available()
{
    QStringList codes;
    const QStringList files =
        QDir(QLatin1String(kResourceDir)).entryList({QLatin1String(kPrefix) + QLatin1String("*.qm")}, QDir::Files);
    for (const QString &file : files)
        codes.append(file.mid(int(qstrlen(kPrefix))).chopped(3));
    codes.sort();
    return codes;
}

QString Choose(const QString &commandLine, const QString &setting, const QStringList &uiLanguages,
               const QStringList &available)
{
    const auto known = [&available](const QString &code) {
        return code == QLatin1String("en") || available.contains(code);
    };
    for (const QString &chosen : {commandLine, setting})
        if (known(Primary(chosen)))
            return Primary(chosen);
    for (const QString &system : uiLanguages)
        if (known(Primary(system)))
            return Primary(system);
    return QStringLiteral("en");
}

bool Install(QCoreApplication &app, const QString &language)
{
    // English is the source texts: no translator, and none left from an earlier language.
    Remove(app);
    if (language == QLatin1String("en"))
        return true;
    auto *own = new QTranslator(&app);
    if (!own->load(QLatin1String(kPrefix) + language, QLatin1String(kResourceDir))) {
        delete own;
        return false;
    }
    app.installTranslator(own);
    // Qt's own texts (the standard buttons of message boxes and file selectors), from the
    // system's Qt translations; a system without them keeps Qt's English.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return true;
}

void Remove(QCoreApplication &app)
{
    for (QTranslator *translator : app.findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace Language
