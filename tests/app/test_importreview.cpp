// The import review: the dialog over its rows, and the window's insert through it.
#include "app/importreviewdlg.h"
#include "app/windowfixture.h"
#include "formats/importreview.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// ROSSI MARIO is a record of user 1 in the sample (the card has no phone, so the same name
// makes it a duplicate); the second card is too long for the unit, the third has no name.
const QByteArray kCards = "BEGIN:VCARD\r\nFN:Rossi Mario\r\nEMAIL:r@x.it\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nFN:Bartolomeo Giovanni Maria Rinaldi\r\nADR:;;Via Po 1;Torino;;;\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nTEL:+39 333 7654321\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nFN:Nuova Persona\r\nTEL:0123\r\nEND:VCARD\r\n";

// Every row of the dialog's table as "x|label|phone|e-mail|city|remarks".
QStringList Rows(const QTableView &table)
{
    const QAbstractItemModel *m = table.model();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells{m->index(r, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked ? "x" : " "};
        for (int c = 0; c < m->columnCount(); ++c)
            cells << m->index(r, c).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

template <typename T>
T *Child(const QWidget &w, const char *name)
{
    T *child = w.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

} // namespace

class TestImportReview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The remembered choices of the review are this test's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void dialog();
    void wordsOfTheSource_data();
    void wordsOfTheSource();
    void windowInsertsTheCheckedCards();
    void windowCancelInsertsNothing();
    void dialogCancelInsertsNothing();

private:
    QString Cards() { return Put(kCards); }
    QString Put(const QByteArray &bytes);
    QTemporaryDir dir_;
};

QString TestImportReview::Put(const QByteArray &bytes)
{
    const QString path = dir_.filePath(QStringLiteral("cards.vcf"));
    if (!WriteAll(path, bytes))
        qFatal("cannot write");
    return path;
}

void TestImportReview::dialog()
{
    ScriptedPrompter p;
    auto agenda = std::make_unique<Agenda>();
    QVERIFY(agenda->Load(SampleAgenda(), p));
    ImportReview review(*agenda, ReadCardFiles({Cards()}, p), 1);
    ImportReviewDlg dlg(review);
    QCOMPARE(dlg.objectName(), QStringLiteral("ImportReview"));
    QTableView &table = *Child<QTableView>(dlg, "tvCards");
    QLabel &counts = *Child<QLabel>(dlg, "lbCounts");
    QComboBox &user = *Child<QComboBox>(dlg, "cbUser");
    QComboBox &filter = *Child<QComboBox>(dlg, "cbFilter");
    QCheckBox &shorten = *Child<QCheckBox>(dlg, "chShorten");

    QCOMPARE(user.count(), 2);
    QCOMPARE(user.currentText(), QStringLiteral("MARCO:1"));
    QVERIFY(shorten.isChecked());
    QCOMPARE(Rows(table), (QStringList{" |Rossi Mario||r@x.it||already in this user's list",
                                       "x|Bartolomeo Giovanni Maria Rina|||Torino|too long for the unit",
                                       "x|+39 333 7654321|+39 333 765 4321|||no name",
                                       "x|Nuova Persona|0123|||"}));
    // The phone column shows the number as it will be written: internationally unless the
    // user turns it off, which the next review remembers.
    QCheckBox &phones = *Child<QCheckBox>(dlg, "chPhones");
    QVERIFY(phones.isChecked());
    QCOMPARE(review.Record(2).phone[0], QStringLiteral("+39 333 765 4321"));
    phones.setChecked(false);
    QCOMPARE(Rows(table).at(2), QStringLiteral("x|+39 333 7654321|+39 333 7654321|||no name"));
    QCOMPARE(review.Record(2).phone[0], QStringLiteral("+39 333 7654321"));
    {
        ImportReviewDlg again(review);
        QVERIFY(!Child<QCheckBox>(again, "chPhones")->isChecked());
    }
    phones.setChecked(true);
    QCOMPARE(counts.text(), QStringLiteral("4 cards, 3 selected, 358 free places"));

    // Shortening off shows the whole label.
    shorten.setChecked(false);
    QCOMPARE(table.model()->index(1, 0).data().toString(), QStringLiteral("Bartolomeo Giovanni Maria Rinaldi"));
    QVERIFY(!review.Shorten());

    // A filter by remark; Select none and Select all act on the rows shown.
    QVERIFY(filter.findText(QStringLiteral("contact group, not a contact")) > 0 && filter.findText(QStringLiteral("empty card")) > 0);
    filter.setCurrentIndex(filter.findText(QStringLiteral("no name")));
    QCOMPARE(table.model()->rowCount(), 1);
    Child<QPushButton>(dlg, "btSelectNone")->click();
    QCOMPARE(counts.text(), QStringLiteral("4 cards, 2 selected, 358 free places"));
    filter.setCurrentIndex(0);
    QCOMPARE(table.model()->rowCount(), 4);
    Child<QPushButton>(dlg, "btSelectAll")->click();
    QCOMPARE(counts.text(), QStringLiteral("4 cards, 4 selected, 358 free places"));

    // Check boxes clicked in the table.
    QAbstractItemModel &model = *table.model();
    QVERIFY(model.setData(model.index(3, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(model.setData(model.index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(model.setData(model.index(2, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!review.Checked(3) && review.Checked(2));
    QCOMPARE(counts.text(), QStringLiteral("4 cards, 3 selected, 358 free places"));

    // Another user: ROSSI MARIO is not in GIULIA's list.
    user.setCurrentIndex(1);
    QCOMPARE(review.User(), 2u);
    QCOMPARE(table.model()->index(0, ImportReviewModel::colRemarks).data().toString(), QString());
    filter.setCurrentIndex(filter.findText(QStringLiteral("already in this user's list")));
    QCOMPARE(table.model()->rowCount(), 0);
}

void TestImportReview::wordsOfTheSource_data()
{
    QTest::addColumn<ImportSource>("source");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("words");  // counts, then the first filter entries
    QTest::addColumn<bool>("columns");       // "Columns..." offered
    QTest::newRow("vCard") << ImportSource::VCard << "Insert from vCard"
                           << QStringList{"4 cards, 3 selected, 358 free places", "all cards", "already in this user's list"}
                           << false;
    QTest::newRow("own CSV") << ImportSource::OwnCsv << "Insert from Excel CSV"
                             << QStringList{"4 rows, 3 selected, 358 free places", "all rows", "already in this user's list"}
                             << false;
    QTest::newRow("another program's CSV") << ImportSource::Csv << "Insert from Excel CSV"
                                           << QStringList{"4 rows, 3 selected, 358 free places", "all rows",
                                                          "already in this user's list"}
                                           << true;
}

// The dialog speaks of cards or rows as its source has them; a CSV file has no groups and
// no unreadable files, and "empty"/"repeated" name rows.
void TestImportReview::wordsOfTheSource()
{
    QFETCH(ImportSource, source);
    ScriptedPrompter p;
    auto agenda = std::make_unique<Agenda>();
    QVERIFY(agenda->Load(SampleAgenda(), p));
    ImportReview review(*agenda, ReadCardFiles({Cards()}, p), 1, QString(), source);
    ImportReviewDlg dlg(review);
    QTEST(dlg.windowTitle(), "title");
    QFETCH(QStringList, words);
    const QComboBox &filter = *Child<QComboBox>(dlg, "cbFilter");
    QCOMPARE((QStringList{Child<QLabel>(dlg, "lbCounts")->text(), filter.itemText(0), filter.itemText(1)}), words);
    const bool rows = source != ImportSource::VCard;
    QCOMPARE(filter.findText(QStringLiteral("contact group, not a contact")) >= 0, !rows);
    QCOMPARE(filter.findText(QStringLiteral("cannot be read")) >= 0, !rows);
    QCOMPARE(filter.findText(rows ? QStringLiteral("empty row") : QStringLiteral("empty card")) > 0, true);
    QCOMPARE(filter.findText(rows ? QStringLiteral("same as an earlier row") : QStringLiteral("same as an earlier card")) > 0,
             true);
    QPushButton *button = dlg.findChild<QPushButton *>(QStringLiteral("btColumns"));
    QFETCH(bool, columns);
    QCOMPARE(button != nullptr, columns);
    if (button) {
        button->click();
        QCOMPARE(dlg.result(), ImportReviewDlg::kColumnsChosen);
    }
}

void TestImportReview::windowInsertsTheCheckedCards()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const int rows0 = w.List(0)->rowCount();
    const int rows1 = w.List(1)->rowCount();
    int seen = 0;
    w.review = [&](ImportReview &r) {
        seen = r.Count();
        r.SetUser(2);
        r.SetChecked(QList<int>{0, 1, 2, 3}, true);
        r.SetChecked(2, false);
        r.SetShorten(false);
        return true;
    };
    w.InsertVcfFiles({Cards()});
    QCOMPARE(seen, 4);
    QCOMPARE(w.List(0)->rowCount(), rows0);
    QStringList added;
    for (int r = rows1; r < w.List(1)->rowCount(); ++r)
        added << w.List(1)->CellText(r, MainWindow::colLabel);
    QCOMPARE(added, (QStringList{"Rossi Mario", "Bartolomeo Giovanni Maria Rinaldi", "Nuova Persona"}));
    QCOMPARE(w.agenda.RecordAt(w.RowSlot(1, rows1))->owner, 2u);
    // The window shows the list the cards went to, the cursor on the last of them.
    QCOMPARE(w.CurrentTab(), 1);
    QCOMPARE(w.CursorSlot(), w.RowSlot(1, w.List(1)->rowCount() - 1));
    QVERIFY(w.agenda.modified);
    QVERIFY(p.shown.isEmpty());
}

void TestImportReview::windowCancelInsertsNothing()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const int used = w.agenda.usedCount;
    w.review = [](ImportReview &) { return false; };
    w.InsertVcfFiles({Cards()});
    QCOMPARE(w.reviews, 1);
    QCOMPARE(w.agenda.usedCount, used);
    QVERIFY(!w.agenda.modified);
}

void TestImportReview::dialogCancelInsertsNothing()
{
    // The window's own review: the dialog opens modal over 3,000 cards; Cancel.
    QByteArray many;
    for (int i = 0; i < 3000; ++i)
        many += "BEGIN:VCARD\r\nFN:Card " + QByteArray::number(i) + "\r\nTEL:" + QByteArray::number(100000 + i) + "\r\nEND:VCARD\r\n";
    const QString path = Put(many);
    ScriptedPrompter p;
    MainWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    const int used = w.agenda.usedCount;
    int rowsShown = -1;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog && dialog->objectName() == QLatin1String("ImportReview"));
        rowsShown = Child<QTableView>(*dialog, "tvCards")->model()->rowCount();
        Child<QDialogButtonBox>(*dialog, "buttons")->button(QDialogButtonBox::Cancel)->click();
    });
    w.InsertVcfFiles({path});
    QCOMPARE(rowsShown, 3000);
    QCOMPARE(w.agenda.usedCount, used);
    QVERIFY(!w.agenda.modified);
}

QTEST_MAIN(TestImportReview)
#include "test_importreview.moc"
