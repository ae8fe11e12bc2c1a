// The window's language: which one is chosen, and that the window then speaks it.
#include "app/windowfixture.h"

#include "app/language.h"
#include "common/plural.h"
#include "formats/interchange.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The translation of a source text in a context, read from the language's .ts file: one
// text, or the plural forms of a text with a count.
QStringList Translation(const QString &language, const QString &context, const QString &source)
{
    QFile file(QStringLiteral(KESTRAVON_SOURCE_DIR "/translations/kestravon_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QString currentContext;
    QString currentSource;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            currentContext = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            currentSource = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && currentContext == context && currentSource == source) {
            QString text;
            QStringList forms;
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("translation"))) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
            }
            return forms.isEmpty() ? QStringList{text} : forms;
        }
    }
    return {};
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

// Each language's window shows its translation of the main buttons, of a question and of a
// file selector's title (English: the texts as they are), a count takes the language's plural
// form, and Qt's own translation gives the standard buttons' texts.
void TestLanguage::windowSpeaksTheLanguage()
{
    QFETCH(QString, language);
    QVERIFY(Language::Install(*QCoreApplication::instance(), language));
    const bool english = language == QLatin1String("en");
    const auto expected = [&](const char *context, const char *source) {
        const QStringList forms = Translation(language, QLatin1String(context), QString::fromUtf8(source));
        return english ? QString::fromUtf8(source) : forms.value(0);
    };
    ScriptedPrompter p;
    TestWindow w(p);
    for (const auto &[name, source] : {std::pair{"btLoad", "&Load"}, {"btSave", "&Save"}, {"btExit", "E&xit"},
                                       {"btCheck", "Check phonebook"}}) {
        QVERIFY2(!expected("KESTRAVONLayout", source).isEmpty(), source);
        QCOMPARE(Button(w, name)->text(), expected("KESTRAVONLayout", source));
    }

    // The question before a changed phonebook is replaced, and the file selector of Save.
    QVERIFY(w.LoadFile(SampleAgenda()));
    w.book.SetModified(true);
    p.answers = {Prompter::Answer::Cancel};
    Button(w, "btLoad")->click();
    w.SaveAs();
    QCOMPARE(p.shown.size(), 2);
    QVERIFY(!expected("AppText", "Save modified Agenda ?").isEmpty());
    QCOMPARE(p.shown[0].text, expected("AppText", "Save modified Agenda ?"));
    QCOMPARE(p.shown[1].kind, ScriptedPrompter::Shown::Kind::File);
    QVERIFY(!expected("AppText", "Save Agenda.dat file").isEmpty());
    QCOMPARE(p.shown[1].text, expected("AppText", "Save Agenda.dat file"));
    if (english) {
        QCOMPARE(p.shown[0].text, QStringLiteral("Save modified Agenda ?"));
        QCOMPARE(p.shown[1].text, QStringLiteral("Save Agenda.dat file"));
    }

    // Counts: every language here has one form for one and one for more.
    const char *cards = InterchangeText::kReviewCards;
    const QStringList forms = english ? QStringList{"%n card", "%n cards"}
                                      : Translation(language, QStringLiteral("InterchangeText"), QLatin1String(cards));
    QCOMPARE(forms.size(), 2);
    QCOMPARE(CountText("InterchangeText", cards, 1), QString(forms[0]).replace(QLatin1String("%n"), QLatin1String("1")));
    QCOMPARE(CountText("InterchangeText", cards, 7), QString(forms[1]).replace(QLatin1String("%n"), QLatin1String("7")));

    // The list's column titles fit the columns' initial widths: nothing is cut.
    const QHeaderView *header = w.List(0)->horizontalHeader();
    for (int c = 0; c < header->count(); ++c) {
        const QString title = header->model()->headerData(c, Qt::Horizontal).toString();
        if (!header->isSectionHidden(c))
            QVERIFY2(header->fontMetrics().horizontalAdvance(title) + 4 <= header->sectionSize(c), qPrintable(title));
    }

    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    QCOMPARE(yes == QLatin1String("&Yes"), english);
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
