// Shortcuts of the main window, files dropped on it, and sizes that follow the font.
#include "app/windowfixture.h"

#include "app/apptexts.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

class TestWindowKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shortcuts_data();
    void shortcuts();
    void contextMenuAtCurrentRow();
    void drops_data();
    void drops();
    void sizesFollowFont();
};

namespace {

void ShowActive(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

void Drop(QWidget &w, const QStringList &files)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &f : files)
        urls.append(QUrl::fromLocalFile(f));
    mime.setUrls(urls);
    const QPointF at(w.width() / 2, w.height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
}

} // namespace

void TestWindowKeys::shortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("asked");  // the first question or file selector title
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << int(Qt::ControlModifier) << AppText::saveModified();
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier) << AppText::saveTitle();
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << AppText::ExitQuestion();
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << AppText::deleteSelected();
}

void TestWindowKeys::shortcuts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, asked);
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    w.book.SetModified(true);  // so that Load asks first
    ShowActive(w);
    SelectRows(w.List(0), {2}, 2);
    w.List(0)->setFocus();
    p.answers = {Prompter::Answer::Cancel};
    QTest::keyClick(w.List(0), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!p.shown.isEmpty());
    QCOMPARE(p.shown.first().text, asked);
    QVERIFY(!w.Finished());
}

void TestWindowKeys::contextMenuAtCurrentRow()
{
    ScriptedPrompter p;
    TestWindow w(p);
    QVERIFY(w.LoadFile(SampleAgenda()));
    ShowActive(w);
    auto *list = w.List(0);
    SelectRows(list, {3}, 3);
    list->setFocus();
    QRect menuAt;
    QTimer::singleShot(50, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            menuAt = menu->geometry();
            menu->close();
        }
    });
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(menuAt.isValid());
    const QRect row = list->visualRect(list->model()->index(3, 0));
    const QPoint rowBottom = list->viewport()->mapToGlobal(row.bottomLeft());
    QVERIFY2(qAbs(menuAt.top() - rowBottom.y()) < 4, "the menu opens below the current row");
}

void TestWindowKeys::drops_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("asked");
    const QString vcards = QStringLiteral(KESTRAVON_TESTDATA "/vcards/");
    QTest::newRow("two vCards") << QStringList{vcards + "John_Doe_GMAIL.vcf", vcards + "outlook-2003.vcf"} << 2
                                << QStringList{};
    QTest::newRow("a phonebook") << QStringList{SampleAgenda()} << 0 << QStringList{AppText::saveModified()};
}

void TestWindowKeys::drops()
{
    QFETCH(QStringList, files);
    QFETCH(int, added);
    QFETCH(QStringList, asked);
    ScriptedPrompter p;
    TestWindow w(p);
    const int used = w.agenda.usedCount;
    w.book.SetModified(true);
    p.answers = {Prompter::Answer::No};  // drop the changes, load
    Drop(w, files);
    QCOMPARE(p.Messages(), asked);
    if (added > 0) {
        QCOMPARE(w.agenda.usedCount, used + added);
        QCOMPARE(w.List(0)->rowCount(), 1 + added);
    } else {
        QCOMPARE(w.Filename(), files.first());
        QCOMPARE(Tabs(w)->tabText(0), QStringLiteral("MARCO:1"));
    }
}

void TestWindowKeys::sizesFollowFont()
{
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSizeF(15);
    QApplication::setFont(large);
    const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
    ScriptedPrompter p;
    TestWindow w(p);
    const double zoom = MainWindow::LayoutZoom(large);
    QVERIFY(zoom > 1.4);
    // A font drawn larger by a higher font DPI counts as a larger font.
    QFont dense = before;
    dense.setPixelSize(18);  // 9 points at 144 dpi
    QVERIFY(qAbs(MainWindow::LayoutZoom(dense) - 1.5) < 0.15);
    QCOMPARE(w.Zoom(), zoom);
    // Laid out at the smallest size the window allows.
    w.resize(w.minimumSize());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Buttons, rows, columns and the window grow with the font; no caption is cut.
    const QFontMetrics fm(large);
    for (const char *name : {"btLoad", "btExport", "btImport", "btInsert", "btDelete", "btEdit", "btCheck", "btExit"}) {
        QPushButton *b = Button(w, name);
        QVERIFY2(b->width() >= fm.horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 8, name);
        QVERIFY2(b->height() >= fm.height() + 4, name);
    }
    QCOMPARE(w.List(0)->verticalHeader()->defaultSectionSize(), w.Z(20));
    QVERIFY(w.List(0)->verticalHeader()->defaultSectionSize() >= fm.height());
    QCOMPARE(w.List(0)->columnWidth(MainWindow::colLabel), w.Z(120));
    QCOMPARE(w.ColumnWidth(0, MainWindow::colLabel), 120);  // layout units, as remembered
    // As wide as the layout units ask, but never wider than the screen.
    QCOMPARE(w.minimumSize().width(), qMin(w.Z(800), w.screen()->availableGeometry().width()));
}

QTEST_MAIN(TestWindowKeys)
#include "test_windowkeys.moc"
