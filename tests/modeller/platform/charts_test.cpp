// A chart keeps its axis titles whole: the view is made large enough for the longest title along each
// axis, whatever size it was given.
#include "modeller/platform/charts.h"
#include "tests/support/chart_titles.h"

#include <QChart>
#include <QChartView>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace {

TEST(Charts, AxisTitlesAreDrawnWholeInsideTheView) {
    const struct {
        const char* bottom;
        const char* left;
        QSize size; // the view's own minimum size, px
    } cases[] = {
        {"Angle of Incidence", "%", {260, 200}},
        {"A bottom title much longer than the chart is wide", "%", {200, 200}},
        {"Day", "A left title much longer than the chart is high", {400, 120}},
        {"Day Number", "Temperature °C", {640, 420}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bottom);
        auto* chart = new QChart;
        chart->setTitle("Chart");
        chart->legend()->hide();
        for (auto [title, side] : {std::pair{c.bottom, Qt::AlignBottom}, std::pair{c.left, Qt::AlignLeft}}) {
            auto* axis = new QValueAxis;
            axis->setRange(0, 100);
            axis->setTitleText(title);
            chart->addAxis(axis, side);
        }
        QChartView view(chart);
        view.setMinimumSize(c.size);
        platform::KeepAxisTitlesWhole(view);
        EXPECT_GE(view.minimumWidth(), c.size.width());
        EXPECT_GE(view.minimumHeight(), c.size.height());
        view.resize(view.minimumSize());
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        test_support::ExpectAxisTitlesWhole(view);
    }
}

} // namespace
