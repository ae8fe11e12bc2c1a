// The column-mapping dialog of a CSV file whose columns are not known, and the window's
// CSV insert through it and the import review.
#include "app/csvcolumnsdlg.h"
#include "app/importreviewdlg.h"
#include "app/windowfixture.h"
#include "formats/csvcontacts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

class TestCsvColumns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void rowsAndChoices();
    void rememberedMapping();
    void windowInsert_data();
    void windowInsert();
    void recognisedColumnsChanged_data();
    void recognisedColumnsChanged();
};

namespace {

const QStringList kHeader{"Kunde", "Rufnummer", "Stadt"};

QString Cell(CsvColumnsDlg &dlg, int row, int column)
{
    return dlg.findChild<QTableWidget *>(QStringLiteral("twColumns"))->item(row, column)->text();
}

QPushButton *OkButton(QDialog &dlg)
{
    return dlg.findChild<QDialogButtonBox *>(QStringLiteral("bbButtons"))->button(QDialogButtonBox::Ok);
}

// Answers the column dialog when it opens: the fields chosen per column, then OK, or Cancel
// for an empty list. `shown` receives the fields it showed.
void AnswerColumns(const QStringList &fields, QStringList *shown)
{
    QTimer::singleShot(0, [fields, shown] {
        auto *dlg = qobject_cast<CsvColumnsDlg *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        QCOMPARE(dlg->objectName(), QStringLiteral("CsvColumns"));
        for (int i = 0; i < kHeader.size(); ++i)
            *shown << dlg->FieldBox(i)->currentText();
        if (fields.isEmpty()) {
            dlg->reject();
            return;
        }
        for (int i = 0; i < fields.size(); ++i)
            dlg->FieldBox(i)->setCurrentText(fields.at(i));
        OkButton(*dlg)->click();
    });
}

} // namespace

void TestCsvColumns::init()
{
    QSettings().clear();
}

void TestCsvColumns::rowsAndChoices()
{
    const std::vector<QStringList> rows{{"", "0123", "Roma"}, {"Bar Sport", "", "Milano"},
                                        {"Caff\u00e8 " + QString(60, QLatin1Char('x')), "0456"}, {"Four", "4", "Bari"}};
    CsvColumnsDlg dlg(kHeader, rows, RecognizeCsvColumns(kHeader));
    const auto *table = dlg.findChild<QTableWidget *>(QStringLiteral("twColumns"));
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(Cell(dlg, 0, 0), QStringLiteral("Kunde"));
    // The first three values that are there, long ones cut.
    QCOMPARE(Cell(dlg, 0, 1), "Bar Sport | Caff\u00e8 " + QString(34, QLatin1Char('x')) + QChar(0x2026) + " | Four");
    QCOMPARE(Cell(dlg, 1, 1), QStringLiteral("0123 | 0456 | 4"));
    QCOMPARE(dlg.FieldBox(2)->count(), CsvFieldNames().size());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(dlg.FieldBox(i)->currentText(), QStringLiteral("ignore"));
    // OK only once a column gives a name or a phone.
    QVERIFY(!OkButton(dlg)->isEnabled());
    dlg.FieldBox(2)->setCurrentText(QStringLiteral("city"));
    QVERIFY(!OkButton(dlg)->isEnabled());
    dlg.FieldBox(1)->setCurrentText(QStringLiteral("phone:cell"));
    QVERIFY(OkButton(dlg)->isEnabled());
    const CsvMapping chosen = dlg.Mapping();
    QCOMPARE(CsvFieldName(chosen.columns[1]), QStringLiteral("phone:cell"));
    const AgendaRecord r = MapCsvRow(rows[0], chosen).record;
    QCOMPARE(r.phone[0], QStringLiteral("0123"));
    QCOMPARE(r.city, QStringLiteral("Roma"));
    QCOMPARE(MapCsvRow(rows[1], dlg.Mapping()).record.city, QStringLiteral("Milano"));
}

void TestCsvColumns::rememberedMapping()
{
    CsvMapping mapping = RecognizeCsvColumns(kHeader);
    QVERIFY(!RememberedCsvMapping(kHeader, mapping));
    CsvMapping chosen = mapping;
    CsvColumnForName(QStringLiteral("label"), chosen.columns[0]);
    CsvColumnForName(QStringLiteral("phone:work"), chosen.columns[1]);
    RememberCsvMapping(kHeader, chosen);
    // The same names, blanks and case aside, find it; another header does not.
    CsvMapping again = RecognizeCsvColumns(kHeader);
    QVERIFY(RememberedCsvMapping({" kunde", "RUFNUMMER ", "Stadt"}, again));
    QCOMPARE(CsvFieldName(again.columns[0]), QStringLiteral("label"));
    QCOMPARE(CsvFieldName(again.columns[1]), QStringLiteral("phone:work"));
    QCOMPARE(CsvFieldName(again.columns[2]), QStringLiteral("ignore"));
    CsvMapping other = RecognizeCsvColumns({"Kunde", "Rufnummer"});
    QVERIFY(!RememberedCsvMapping({"Kunde", "Rufnummer"}, other));
    QVERIFY(!PlacesNameOrPhone(other));
    // The dialog offers what was remembered.
    CsvColumnsDlg dlg(kHeader, {}, again);
    QCOMPARE(dlg.FieldBox(1)->currentText(), QStringLiteral("phone:work"));
    QVERIFY(OkButton(dlg)->isEnabled());
}

void TestCsvColumns::windowInsert_data()
{
    QTest::addColumn<QStringList>("fields");  // empty: Cancel
    QTest::newRow("placed, reviewed, inserted") << QStringList{"label", "phone", "city"};
    QTest::newRow("cancel inserts nothing") << QStringList{};
}

void TestCsvColumns::windowInsert()
{
    QFETCH(QStringList, fields);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kunden.csv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Kunde;Rufnummer;Stadt\r\nBar Sport;0123;Milano\r\n");
    f.close();
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const int used = w.agenda.usedCount;
    QStringList shown;
    AnswerColumns(fields, &shown);
    w.InsertCsvFile(path);
    QCOMPARE(shown, QStringList(3, QStringLiteral("ignore")));
    QVERIFY(p.Messages().isEmpty());
    QCOMPARE(w.reviews, fields.isEmpty() ? 0 : 1);
    QCOMPARE(w.agenda.usedCount, used + (fields.isEmpty() ? 0 : 1));
    QCOMPARE(w.agenda.modified, !fields.isEmpty());
    if (fields.isEmpty())
        return;
    const AgendaRecord *r = w.agenda.RecordAt(w.RowSlot(0, w.List(0)->currentRow()));
    QVERIFY(r);
    QCOMPARE(r->label, QStringLiteral("Bar Sport"));
    QCOMPARE(r->phone[0], QStringLiteral("0123"));
    QCOMPARE(r->city, QStringLiteral("Milano"));

    // The same columns again: the dialog offers the choice made; Cancel leaves the phonebook.
    shown.clear();
    AnswerColumns({}, &shown);
    w.InsertCsvFile(path);
    QCOMPARE(shown, fields);
    QCOMPARE(w.agenda.usedCount, used + 1);
    QCOMPARE(w.reviews, 1);
}

void TestCsvColumns::recognisedColumnsChanged_data()
{
    QTest::addColumn<QStringList>("fields");  // chosen after "Columns..." in the review; empty: Cancel
    QTest::addColumn<QString>("city");        // of the record inserted
    QTest::addColumn<QString>("note");
    QTest::newRow("city read as the note") << QStringList{"label", "phone", "note"} << "" << "Milano";
    QTest::newRow("cancel keeps the columns") << QStringList{} << "Milano" << "";
}

// A file whose columns are recognised goes straight to the review; "Columns..." there
// shows the recognised columns, and the rows are reviewed again as chosen.
void TestCsvColumns::recognisedColumnsChanged()
{
    QFETCH(QStringList, fields);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.csv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Name,Phone,City\r\nBar Sport,0123,Milano\r\n");
    f.close();
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    QStringList counts, shown;
    w.review = [&](ImportReview &r) {
        counts << r.CountsText();
        if (w.reviews > 1)
            return int(QDialog::Accepted);
        AnswerColumns(fields, &shown);
        return ImportReviewDlg::kColumnsChosen;
    };
    w.InsertCsvFile(path);
    QCOMPARE(shown, (QStringList{"label", "phone", "city"}));
    QCOMPARE(w.reviews, 2);
    QCOMPARE(counts, QStringList(2, QStringLiteral("1 row, 1 selected, 358 free places")));
    const AgendaRecord *r = w.agenda.RecordAt(w.RowSlot(0, w.List(0)->currentRow()));
    QVERIFY(r);
    QCOMPARE(r->label, QStringLiteral("Bar Sport"));
    QTEST(r->city, "city");
    QTEST(r->note, "note");

    // The next file with these columns is read as chosen, without the dialog.
    w.reviews = 0;
    QString city;
    w.review = [&](ImportReview &r) {
        city = r.Record(0).city;
        return int(QDialog::Rejected);
    };
    w.InsertCsvFile(path);
    QCOMPARE(w.reviews, 1);
    QCOMPARE(city, r->city);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("kestravon-test"));
    QCoreApplication::setApplicationName(QStringLiteral("csvcolumns"));
    TestCsvColumns test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_csvcolumns.moc"
