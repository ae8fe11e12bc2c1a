// Save and the exports when the medium refuses the write: each tells the system's reason,
// with the file, under its message.
#include "app/windowfixture.h"

#include "common/markup.h"
#include "support/writefailure.h"

#include <QTest>

#include <memory>

class TestWriteFailures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reasonShown_data();
    void reasonShown();
};

void TestWriteFailures::reasonShown_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("sizeLimit");  // false: a read-only folder
    const struct
    {
        const char *command, *file, *message;
    } commands[] = {
        {"save", "Agenda.dat", "Error saving file : "},
        {"vCard", "ROSSI.vcf", "Error exporting file : "},
        {"one vCard file", "all.vcf", "Error exporting file : "},
        {"CSV", "all.csv", "Error creating file : "},
    };
    for (const auto &c : commands) {
        for (const bool sizeLimit : {true, false}) {
            const QByteArray row = QByteArray(c.command) + (sizeLimit ? ", size limit" : ", read-only folder");
            QTest::newRow(row.constData()) << c.command << c.file << c.message << sizeLimit;
        }
    }
}

void TestWriteFailures::reasonShown()
{
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, sizeLimit);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkdir(out));
    const QString path = out + QLatin1Char('/') + file;
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(CopySample(dir)));
    SelectRows(w.List(0), {1}, 1);
    w.book.SetModified(true);
    p.files = {QStringList{path}};

    QString words = QStringLiteral("File too large");
    std::unique_ptr<FileSizeLimit> limit;
    std::unique_ptr<ReadOnlyFolder> folder;
    if (sizeLimit) {
        limit = std::make_unique<FileSizeLimit>(0);
    } else {
        folder = std::make_unique<ReadOnlyFolder>(out);
        words = folder->Words();
        if (words.isEmpty())
            QSKIP("No folder can be made read-only here.");
    }
    if (command == QLatin1String("save"))
        QVERIFY(!w.SaveAs());
    else if (command == QLatin1String("vCard"))
        w.ExportVcf();
    else if (command == QLatin1String("one vCard file"))
        w.ExportOneVcf();
    else
        w.ExportCsv();
    limit.reset();
    folder.reset();

    QCOMPARE(p.Messages(), QStringList{message + MarkupEscape(path)});
    QCOMPARE(p.shown.last().detail, path + QStringLiteral(": ") + words);
    QVERIFY(QDir(out).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(w.agenda.modified, true);
}

QTEST_MAIN(TestWriteFailures)
#include "test_writefailures.moc"
