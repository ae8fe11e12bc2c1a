#include "common/markup.h"
#include "support/scriptedprompter.h"
#include "update/update.h"

#include <QtTest>

// Reading the published version list and comparing versions.
class TestVersionList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void isNewerVersion_data();
    void isNewerVersion();
    void findUpdate_data();
    void findUpdate();
    void questionText();
};

void TestVersionList::isNewerVersion_data()
{
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<bool>("newer");
    QTest::newRow("next minor") << QByteArray("v01.10") << QByteArray("v01.09") << true;
    QTest::newRow("same") << QByteArray("v01.09") << QByteArray("v01.09") << false;
    QTest::newRow("older") << QByteArray("v01.08") << QByteArray("v01.09") << false;
    QTest::newRow("letter decides when rest equal") << QByteArray("w01.09") << QByteArray("v01.09") << true;
    QTest::newRow("smaller letter") << QByteArray("u01.09") << QByteArray("v01.09") << false;
    QTest::newRow("rest beats letter") << QByteArray("a01.10") << QByteArray("v01.09") << true;
    QTest::newRow("unpadded is textual") << QByteArray("v1.10") << QByteArray("v01.09") << true;
    QTest::newRow("unpadded older text") << QByteArray("v01.9") << QByteArray("v01.10") << true;
    QTest::newRow("proper prefix smaller") << QByteArray("v01.0") << QByteArray("v01.09") << false;
    QTest::newRow("longer is greater") << QByteArray("v01.09a") << QByteArray("v01.09") << true;
    QTest::newRow("rest bytes unsigned") << QByteArray("v\xE9") << QByteArray("vz") << true;
    QTest::newRow("first byte signed") << QByteArray("\xE9" "01.09") << QByteArray("v01.09") << false;
    QTest::newRow("empty published") << QByteArray() << QByteArray("v01.09") << false;
    QTest::newRow("empty current") << QByteArray("v") << QByteArray() << true;
    QTest::newRow("both empty") << QByteArray() << QByteArray() << false;
}

void TestVersionList::isNewerVersion()
{
    QFETCH(QByteArray, published);
    QFETCH(QByteArray, current);
    QFETCH(bool, newer);
    QCOMPARE(IsNewerVersion(published, current), newer);
}

namespace {
const QString kUpToDate = QStringLiteral("Your program is up to date");
const QString kNoUpdate = QStringLiteral("No update found");
const QString kAsked = QStringLiteral("?");  // the question was shown
} // namespace

void TestVersionList::findUpdate_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<bool>("answerOk");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");  // the one message shown, kAsked for the question

    QTest::newRow("up to date") << QByteArray("KESTRAVON=v01.09,11/10/2013,kestravon.zip;\r\n")
                                << true << QString() << kUpToDate;
    QTest::newRow("newer, OK") << QByteArray("KESTRAVON=v01.10,01/02/2014,kestravon110.zip;\r\n")
                               << true << QStringLiteral("kestravon110.zip") << kAsked;
    QTest::newRow("newer, Cancel") << QByteArray("KESTRAVON=v01.10,01/02/2014,kestravon110.zip;\r\n")
                                   << false << QString() << kAsked;
    QTest::newRow("third record")
        << QByteArray("OTHER=v02.00,01/01/2014,other.zip;\r\nTOOL=v00.01,x,tool.zip;\r\n"
                      "KESTRAVON=v01.10,d,k.zip;\r\n")
        << true << QStringLiteral("k.zip") << kAsked;
    QTest::newRow("line feeds only") << QByteArray("A=1,2,a.zip;\nKESTRAVON=v01.10,d,k.zip;\n")
                                     << true << QStringLiteral("k.zip") << kAsked;
    QTest::newRow("no separators at end") << QByteArray("KESTRAVON=v01.10,d,k.zip")
                                          << true << QStringLiteral("k.zip") << kAsked;
    QTest::newRow("tabs around records")
        << QByteArray("\tOTHER=1,2,o.zip;\t\r\n\tKESTRAVON=v01.10,d,k.zip;\t\r\n")
        << true << QStringLiteral("k.zip") << kAsked;
    QTest::newRow("tabs as separators")
        << QByteArray("KESTRAVON\tv01.10\td\tk.zip\t") << true << QStringLiteral("k.zip") << kAsked;
    QTest::newRow("tab before equals sign shifts the fields")
        // version "=", date "v01.10", file "," : not newer than v01.09.
        << QByteArray("KESTRAVON\t=\tv01.10\t,\td\t,\tk.zip\t;\r\n") << true << QString() << kUpToDate;
    QTest::newRow("blank lines and line ends between fields")
        << QByteArray("\r\n\r\nKESTRAVON=v01.10,\r\n\r\nd\n\nk.zip;\r\n")
        << true << QStringLiteral("k.zip") << kAsked;
    QTest::newRow("a doubled comma belongs to the file name")
        << QByteArray("KESTRAVON=v01.10,d,,k.zip;\r\n")
        << true << QStringLiteral(",k.zip") << kAsked;
    QTest::newRow("blanks kept in the file name")
        << QByteArray("KESTRAVON=v01.10,d, k 2.zip ;\r\n")
        << true << QStringLiteral(" k 2.zip ") << kAsked;
    QTest::newRow("trailing blank in name does not match")
        << QByteArray("KESTRAVON =v01.10,d,k.zip;\r\n") << true << QString() << kNoUpdate;
    QTest::newRow("leading blank in name does not match")
        << QByteArray("OTHER=1,2,3;\r\n KESTRAVON=v01.10,d,k.zip;\r\n") << true << QString() << kNoUpdate;
    QTest::newRow("case-sensitive name")
        << QByteArray("Kestravon=v01.10,d,k.zip;\r\n") << true << QString() << kNoUpdate;
    QTest::newRow("missing file name shifts the next record into it")
        << QByteArray("KESTRAVON=v01.10,d\r\nOTHER=v02.00,e,o.zip;\r\n")
        << true << QStringLiteral("OTHER=v02.00,e,o.zip") << kAsked;
    QTest::newRow("missing file name on the last line")
        << QByteArray("OTHER=v02.00,e,o.zip;\r\nKESTRAVON=v01.10,d\r\n") << true << QString() << kNoUpdate;
    QTest::newRow("missing date and file")
        << QByteArray("KESTRAVON=v01.10\r\n") << true << QString() << kNoUpdate;
    QTest::newRow("first matching record only")
        << QByteArray("KESTRAVON=v01.09,d,old.zip;\r\nKESTRAVON=v01.10,d,new.zip;\r\n")
        << true << QString() << kUpToDate;
    QTest::newRow("shifted rotation finds a later name")
        // The first record lacks its file name, so the next record fills it; the rotation
        // then reads "KESTRAVON" from the third line as a name.
        << QByteArray("X=1,2\r\nY=3,4,y.zip;\r\nKESTRAVON=v01.10,d,k.zip;\r\n")
        << true << QStringLiteral("k.zip") << kAsked;
    QTest::newRow("empty list") << QByteArray() << true << QString() << kNoUpdate;
    QTest::newRow("html error page") << QByteArray("<html><body>oops</body></html>")
                                     << true << QString() << kNoUpdate;
}

void TestVersionList::findUpdate()
{
    QFETCH(QByteArray, list);
    QFETCH(bool, answerOk);
    QFETCH(QString, file);
    QFETCH(QString, message);
    ScriptedPrompter prompter;
    prompter.answers = {answerOk ? Prompter::Answer::Ok : Prompter::Answer::Cancel};
    QCOMPARE(FindUpdate(list, QStringLiteral("KESTRAVON"), QStringLiteral("v01.09"), prompter), file);
    QCOMPARE(prompter.shown.size(), 1);
    if (message == kAsked) {
        QCOMPARE(prompter.shown.first().kind, ScriptedPrompter::Shown::Kind::OkCancel);
    } else {
        QCOMPARE(prompter.shown.first().kind, ScriptedPrompter::Shown::Kind::Information);
        QCOMPARE(prompter.shown.first().text, message);
    }
}

void TestVersionList::questionText()
{
    ScriptedPrompter prompter;
    prompter.answers = {Prompter::Answer::Ok};
    FindUpdate("KESTRAVON=v01.10,24/12/2013,k.zip;\r\n", QStringLiteral("KESTRAVON"),
               QStringLiteral("v01.09"), prompter);
    QCOMPARE(prompter.LastMessage(),
             QStringLiteral("[3B New version present !&]Program filename -|: KESTRAVON"
                            "&Version          -|: v01.10&Release date     -|: 24/12/2013"
                            "&&Would you download the new file ?"));

    // Texts from the server are shown literally, not read as markup.
    prompter.ClearShown();
    prompter.answers = {Prompter::Answer::Cancel};
    FindUpdate("KESTRAVON=v01.10,[* a&b],k.zip;", QStringLiteral("KESTRAVON"),
               QStringLiteral("v01.09"), prompter);
    QVERIFY2(MarkupToPlain(prompter.LastMessage()).contains(QStringLiteral("Release date     \t: [* a&b]")),
             qPrintable(MarkupToPlain(prompter.LastMessage())));
}

QTEST_MAIN(TestVersionList)
#include "test_versionlist.moc"
