// The window's language: which one is chosen, and that the window then speaks it.
#include "app/windowfixture.h"

#include "app/language.h"

#include <QApplication>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The translation of a source text in a context, read from the language's .ts file.
QString Translation(const QString &language, const QString &context, const QString &source)
{
    QFile file(QStringLiteral(KESTRAVON_SOURCE_DIR "/translations/kestravon_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    QString currentContext;
    QString currentSource;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            currentContext = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            currentSource = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && currentContext == context && currentSource == source)
            return xml.readElementText();
    }
    return QString();
}

QPushButton *Button(QWidget &w, const char *name)
{
    return w.findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Language::Remove(*QCoreApplication::instance()); }
    void available();
    void choose_data();
    void choose();
    void windowSpeaksTheLanguage_data();
    void windowSpeaksTheLanguage();
};

void TestLanguage::available()
{
    QCOMPARE(Language::Available(), (QStringList{"da", "de", "es", "fr", "it", "nl"}));
}

void TestLanguage::choose_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("system German") << "" << "" << QStringList{"de-AT", "de"} << "de";
    QTest::newRow("first known system language") << "" << "" << QStringList{"sv-SE", "nl-BE", "fr"} << "nl";
    QTest::newRow("system English before a translation") << "" << "" << QStringList{"en-GB", "de"} << "en";
    QTest::newRow("no known language") << "" << "" << QStringList{"sv", "pt-PT"} << "en";
    QTest::newRow("C locale") << "" << "" << QStringList{"C"} << "en";
    QTest::newRow("setting over system") << "" << "fr" << QStringList{"de"} << "fr";
    QTest::newRow("command line over setting") << "it" << "fr" << QStringList{"de"} << "it";
    QTest::newRow("command line English") << "en" << "fr" << QStringList{"de"} << "en";
    QTest::newRow("region and case ignored") << "ES_es" << "" << QStringList() << "es";
    QTest::newRow("unknown code passed over") << "xx" << "da" << QStringList{"de"} << "da";
}

void TestLanguage::choose()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, setting);
    QFETCH(QStringList, system);
    QTEST(Language::Choose(commandLine, setting, system, Language::Available()), "chosen");
}

void TestLanguage::windowSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const char *code : {"en", "da", "de", "es", "fr", "it", "nl"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// Each language's window shows its translation of the main buttons (English: the texts as
// they are), and Qt's own translation gives the standard buttons' texts.
void TestLanguage::windowSpeaksTheLanguage()
{
    QFETCH(QString, language);
    QVERIFY(Language::Install(*QCoreApplication::instance(), language));
    ScriptedPrompter p;
    TestWindow w(p);
    const bool english = language == QLatin1String("en");
    for (const auto &[name, source] : {std::pair{"btLoad", "&Load"}, {"btSave", "&Save"}, {"btExit", "E&xit"},
                                       {"btCheck", "Check phonebook"}}) {
        const QString expected = english ? QString::fromLatin1(source)
                                         : Translation(language, QStringLiteral("KESTRAVONLayout"), QLatin1String(source));
        QVERIFY2(!expected.isEmpty(), source);
        QCOMPARE(Button(w, name)->text(), expected);
    }
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    QCOMPARE(yes == QLatin1String("&Yes"), english);
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
