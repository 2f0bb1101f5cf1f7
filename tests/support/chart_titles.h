// The axis titles a chart view draws: each titled axis's title as it stands on the screen, whole or
// cut short with an ellipsis, and where it stands in the view.
#pragma once

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <gtest/gtest.h>

#include <vector>

namespace test_support {

struct DrawnAxisTitle {
    QString title; // the axis's title
    QString shown; // the text drawn for it; empty when none was found
    QRect rect;    // where the drawn text stands, in the view's coordinates
};

inline std::vector<DrawnAxisTitle> DrawnAxisTitles(const QChartView& view) {
    std::vector<const QGraphicsTextItem*> texts;
    for (const QGraphicsItem* item : view.scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->isVisible())
            texts.push_back(text);
    // The whole title if it is drawn, else the longest start of it drawn with an ellipsis.
    const auto drawnFor = [&texts](const QString& title) -> const QGraphicsTextItem* {
        const QGraphicsTextItem* found = nullptr;
        for (const QGraphicsTextItem* text : texts) {
            const QString shown = text->toPlainText();
            if (shown == title) return text;
            const QString start = shown.endsWith("...") ? shown.chopped(3) : QString();
            if (!start.isEmpty() && title.startsWith(start) &&
                (!found || found->toPlainText().size() < shown.size()))
                found = text;
        }
        return found;
    };
    std::vector<DrawnAxisTitle> titles;
    for (const QAbstractAxis* axis : view.chart()->axes()) {
        if (axis->titleText().isEmpty()) continue;
        DrawnAxisTitle drawn{axis->titleText(), {}, {}};
        if (const QGraphicsTextItem* text = drawnFor(drawn.title)) {
            drawn.shown = text->toPlainText();
            drawn.rect = view.mapFromScene(text->sceneBoundingRect()).boundingRect();
        }
        titles.push_back(drawn);
    }
    return titles;
}

// Every titled axis of the view's chart has its whole title drawn inside the view.
inline void ExpectAxisTitlesWhole(const QChartView& view) {
    const std::vector<DrawnAxisTitle> titles = DrawnAxisTitles(view);
    EXPECT_FALSE(titles.empty()) << "the chart has no titled axis";
    for (const DrawnAxisTitle& drawn : titles) {
        EXPECT_EQ(drawn.shown.toStdString(), drawn.title.toStdString());
        EXPECT_TRUE(view.rect().contains(drawn.rect))
            << drawn.title.toStdString() << " stands outside the view";
    }
}

} // namespace test_support
