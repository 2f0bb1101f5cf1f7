#include "modeller/platform/charts.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The length a title takes along its axis, as a text item of the title's face draws it.  The item's
// own margins make it a few pixels longer than the chart's, so the room found is never too small.
double TitleLength(const QAbstractAxis& axis) {
    QGraphicsTextItem text;
    text.setFont(axis.titleFont());
    text.setHtml(axis.titleText());
    return text.boundingRect().width();
}

// How much the plot area of `chart`, laid out at `size`, falls short of the longest title along
// each direction (px).
QSize Shortfall(QChart& chart, QSize size) {
    chart.resize(size);
    chart.layout()->activate();
    const QRectF plot = chart.plotArea();
    double across = 0.0, up = 0.0;
    for (const QAbstractAxis* axis : chart.axes()) {
        if (!axis->isVisible() || !axis->isTitleVisible() || axis->titleText().isEmpty()) continue;
        const double length = TitleLength(*axis);
        if (axis->orientation() == Qt::Horizontal)
            across = std::max(across, length - plot.width());
        else
            up = std::max(up, length - plot.height());
    }
    return {static_cast<int>(std::ceil(across)), static_cast<int>(std::ceil(up))};
}

} // namespace

void KeepAxisTitlesWhole(QChartView& view) {
    QChart* chart = view.chart();
    if (!chart) return;
    const QSizeF shown = chart->size();
    QSize size = view.minimumSize().expandedTo(view.minimumSizeHint()).expandedTo(QSize(1, 1));
    // The axes' labels may take a little more room on a larger chart, so the size is tried again.
    for (int trial = 0; trial < 4; ++trial) {
        const QSize shortfall = Shortfall(*chart, size);
        if (shortfall.width() <= 0 && shortfall.height() <= 0) break;
        size += shortfall.expandedTo(QSize(0, 0));
    }
    view.setMinimumSize(size);
    // The chart goes back to the view's size; a view that grows lays it out again.
    chart->resize(shown);
}

} // namespace platform
