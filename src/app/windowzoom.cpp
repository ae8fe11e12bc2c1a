// Sizes that follow the application font: the window, its buttons and fields, the list
// columns and the row height are given in layout units, which are pixels at a 9-point font
// on a 96 dpi screen and grow with a larger font or font DPI, so that a caption is never cut.
#include "app/mainwindow.h"

#include "app/recordlist.h"
#include "ui_KESTRAVONLayout.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cmath>

namespace {

// The font size the layout units are drawn for: 9 points on a 96 dpi screen. Given in
// pixels, so that a larger font DPI (a desktop's "force font DPI" setting) also grows
// the layout, not only the text.
constexpr int kBasePixelSize = 12;

} // namespace

double MainWindow::LayoutZoom(const QFont &font)
{
    QFont base = font;
    base.setPixelSize(kBasePixelSize);
    const double baseHeight = QFontMetricsF(base).height();
    const double height = QFontMetricsF(font).height();
    return baseHeight > 0 && height > baseHeight ? height / baseHeight : 1.0;
}

int MainWindow::Z(int units) const
{
    return int(std::lround(units * zoom_));
}

void MainWindow::ApplyZoom()
{
    zoom_ = LayoutZoom(font());
    for (QPushButton *b : {ui_->btLoad, ui_->btSave}) {
        // At least the caption's own width, should a font be wider than it is tall.
        const int w = std::max(Z(100), b->sizeHint().width());
        b->setMinimumSize(w, Z(28));
        b->setMaximumSize(w, Z(28));
    }
    // The bottom row holds seven buttons and the filter: the buttons are 100 units wide
    // where there is room and give way down to their caption's width where there is not,
    // so that the filter and the check button fit without widening the window.
    for (QPushButton *b : {ui_->btExport, ui_->btImport, ui_->btInsert, ui_->btDelete, ui_->btEdit,
                           ui_->btCheck, ui_->btExit}) {
        const int caption = b->sizeHint().width();
        const int widest = b == ui_->btCheck ? caption : std::max(Z(100), caption);
        b->setMinimumSize(std::min(caption, widest), Z(28));
        b->setMaximumSize(widest, Z(28));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    for (QLineEdit *e : {ui_->esFilename, ui_->esFilter}) {
        e->setMinimumHeight(Z(28));
        e->setMaximumHeight(Z(28));
    }
    ui_->esFilter->setMinimumWidth(Z(80));
    if (QLayout *l = centralWidget()->layout())
        l->setContentsMargins(Z(20), Z(20), Z(20), Z(20));
    for (QLayout *row : {static_cast<QLayout *>(ui_->topRow), static_cast<QLayout *>(ui_->bottomRow)})
        row->setSpacing(Z(row == ui_->topRow ? 16 : 8));
    for (RecordListView *list : lists_)
        if (list)
            list->verticalHeader()->setDefaultSectionSize(Z(kRowHeight));
    // Never wider or taller than the screen: with a large font the window would otherwise
    // hang over the screen's edge with Save and Exit out of reach.
    QSize least(Z(800), Z(420));
    if (const QScreen *s = screen())
        least = least.boundedTo(s->availableGeometry().size());
    setMinimumSize(least);
}
