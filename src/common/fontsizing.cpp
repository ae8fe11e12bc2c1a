#include "common/fontsizing.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QWidget>

int CharsWidth(const QWidget *widget, int chars)
{
    const QFontMetrics metrics = widget->fontMetrics();
    // The frame and the text margins of a line edit, which grow with the font too.
    const int frame = 2 * widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget)
        + metrics.averageCharWidth() + 4;
    return metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) + frame;
}

void SizeColumns(QHeaderView *header, const int *chars, int count)
{
    for (int c = 0; c < count && c < header->count(); ++c)
        header->resizeSection(c, qMax(CharsWidth(header, chars[c]), header->sectionSizeHint(c)));
}
