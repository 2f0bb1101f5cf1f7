// The charts of the modeller's dialogs: room for every axis title to be drawn whole.
#pragma once

class QChartView;

namespace platform {

// Raises the view's minimum size until every titled axis of its chart is long enough for its whole
// title.  A chart draws an axis title no longer than its axis and cuts the rest off with an ellipsis,
// so a small chart, or a long title, loses the end of the title.  Call it once the chart has its
// axes, and again whenever an axis or its title is replaced.
void KeepAxisTitlesWhole(QChartView& view);

} // namespace platform
