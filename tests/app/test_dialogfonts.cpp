// The record editor, the check report and the import review at small and large fonts:
// every caption, button, check box and column title gets the width its text needs.
// With KESTRAVON_SHOTS set to a folder, each dialog is also saved there as a picture.
#include "app/checkreport.h"
#include "app/importreviewdlg.h"
#include "app/windowfixture.h"
#include "editor/editrecorddlg.h"
#include "formats/importreview.h"
#include "formats/vcardimport.h"
#include "store/phonebook.h"
#include "store/phonebookcheck.h"
#include "support/testfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

// The text as shown: "&" marks a shortcut and is not drawn, "&&" is one "&".
QString Shown(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Every captioned control of `dialog` that is narrower than its text, as "name: has < needs".
QStringList CutCaptions(QWidget &dialog)
{
    QStringList cut;
    const auto check = [&](const QWidget *w, int has, const QString &text) {
        const int needs = w->fontMetrics().horizontalAdvance(Shown(text));
        if (has < needs)
            cut << QStringLiteral("%1 \"%2\": %3 < %4").arg(w->objectName(), text).arg(has).arg(needs);
    };
    for (const QLabel *l : dialog.findChildren<QLabel *>())
        if (l->isVisibleTo(&dialog) && !l->wordWrap() && l->textFormat() != Qt::RichText)
            check(l, l->contentsRect().width(), l->text());
    for (const QPushButton *b : dialog.findChildren<QPushButton *>()) {
        if (!b->isVisibleTo(&dialog))
            continue;
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        check(b, b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width(), b->text());
    }
    for (const QComboBox *c : dialog.findChildren<QComboBox *>()) {
        if (!c->isVisibleTo(&dialog) || c->isEditable())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(c);
        check(c, c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c).width(),
              c->currentText());
    }
    for (const QCheckBox *c : dialog.findChildren<QCheckBox *>()) {
        if (!c->isVisibleTo(&dialog))
            continue;
        QStyleOptionButton option;
        option.initFrom(c);
        option.text = c->text();
        check(c, c->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, c).width(), c->text());
    }
    for (const QGroupBox *g : dialog.findChildren<QGroupBox *>())
        if (g->isVisibleTo(&dialog))
            check(g, g->width(), g->title());
    for (const QTableView *t : dialog.findChildren<QTableView *>()) {
        const QHeaderView *h = t->horizontalHeader();
        const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        for (int c = 0; c < h->count(); ++c)
            check(h, h->sectionSize(c) - margin, t->model()->headerData(c, Qt::Horizontal).toString());
    }
    return cut;
}

// The screen's density as the fonts see it: its logical dots per inch times the scale.
int Dpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return qRound(screen->logicalDotsPerInchY() * screen->devicePixelRatio());
}

void Show(QWidget &dialog, const QString &name, int points)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QString folder = qEnvironmentVariable("KESTRAVON_SHOTS");
    if (!folder.isEmpty()) {
        // The whole dialog, scrolled contents included.
        QWidget *content = &dialog;
        if (auto *scroll = dialog.findChild<QScrollArea *>())
            content = scroll->widget();
        const int dpi = Dpi();
        const QString density = dpi == 96 ? QString() : QStringLiteral("-%1dpi").arg(dpi);
        content->grab().save(QStringLiteral("%1/%2-%3pt%4.png").arg(folder, name).arg(points).arg(density));
    }
}

} // namespace

class TestDialogFonts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void nothingCut_data();
    void nothingCut();
    void editorFitsScreenAt12Points();

private:
    QFont original_;
};

void TestDialogFonts::init()
{
    original_ = QApplication::font();
}

void TestDialogFonts::cleanup()
{
    QApplication::setFont(original_);
}

void TestDialogFonts::nothingCut_data()
{
    // Run again by CTest with QT_FONT_DPI=144: the density asked for must be the one shown.
    const int asked = qEnvironmentVariableIntValue("QT_FONT_DPI");
    QCOMPARE(Dpi(), asked > 0 ? asked : 96);
    QTest::addColumn<int>("points");
    for (int points : {9, 12, 15})
        QTest::addRow("%d points at %d dpi", points, Dpi()) << points;
}

void TestDialogFonts::nothingCut()
{
    QFETCH(int, points);
    QFont font = QApplication::font();
    font.setPointSize(points);
    QApplication::setFont(font);

    ScriptedPrompter prompter;
    auto book = std::make_unique<Phonebook>();
    QVERIFY(book->Load(SampleAgenda(), prompter));
    const Agenda *agenda = &book->Data();

    EditRecordDlg editor(*book, 0, prompter);
    Show(editor, QStringLiteral("editor"), points);
    QCOMPARE(CutCaptions(editor).join("\n"), QString());

    CheckReportDlg report;
    report.ShowFindings(*agenda, CheckPhonebook(*agenda, QStringLiteral("IT")));
    Show(report, QStringLiteral("checkreport"), points);
    QCOMPARE(CutCaptions(report).join("\n"), QString());

    QTemporaryDir dir;
    const QString cards = dir.filePath(QStringLiteral("cards.vcf"));
    QVERIFY(WriteAll(cards, "BEGIN:VCARD\r\nFN:Rossi Mario\r\nTEL:06 555\r\nEMAIL:r@x.it\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nFN:Nuova Persona\r\nADR:;;Via Po 1;Torino;;;\r\nEND:VCARD\r\n"));
    ImportReview review(*agenda, ReadCardFiles({cards}, prompter), 1);
    ImportReviewDlg importReview(review);
    Show(importReview, QStringLiteral("importreview"), points);
    QCOMPARE(CutCaptions(importReview).join("\n"), QString());
}

// At 12 points the whole editor fits a 1366 by 768 screen with room for the window frame.
void TestDialogFonts::editorFitsScreenAt12Points()
{
    if (Dpi() != 96)
        QSKIP("a screen of 1366 by 768 pixels has about 96 dpi");
    QFont font = QApplication::font();
    font.setPointSize(12);
    QApplication::setFont(font);
    ScriptedPrompter prompter;
    Phonebook book;
    QVERIFY(book.Load(SampleAgenda(), prompter));
    EditRecordDlg editor(book, 0, prompter);
    const QSize needs = editor.findChild<QScrollArea *>()->widget()->sizeHint();
    QVERIFY2(needs.width() <= 1366 - 16 && needs.height() <= 768 - 40,
             qPrintable(QStringLiteral("%1 x %2").arg(needs.width()).arg(needs.height())));
}

QTEST_MAIN(TestDialogFonts)
#include "test_dialogfonts.moc"
