// The plan tools on the main window: its buttons and mouse events reach the plan editor, and what the
// editor draws in the inverting mode always matches a full repaint of the plan.
#include "modeller/plan/main_form.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

class PlanToolsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // The editors and the new-zone dialog have tests of their own; here a new element takes its
        // level's defaults as if its editor had been closed with OK.
        forms->PlanDialogs->NewZone = nullptr;
        forms->PlanDialogs->ExtWall = nullptr;
        forms->PlanDialogs->IntWall = nullptr;
        forms->PlanDialogs->Door = nullptr;
        forms->PlanDialogs->Glazing = nullptr;
        startWithNewHouse();
        main().resizeCanvas({600, 400}, {0, 0});
        main().RestoreAll();
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        send(main().PaintBox1, QEvent::MouseMove, at);
        send(main().PaintBox1, QEvent::MouseButtonPress, at, button);
    }
    // The plan as it is drawn now must be what a full repaint draws.
    void expectCanvasIsARepaint(const char* when) {
        const QImage drawn = main().planCanvas().copy();
        main().RestoreAll();
        EXPECT_TRUE(drawn == main().planCanvas()) << when;
    }
};

TEST_F(PlanToolsTest, AZoneDrawnWithTheMouseLeavesThePlanAsARepaintDrawsIt) {
    main().SBDrawNewZone->click();
    EXPECT_TRUE(main().SBDrawNewZone->isDown());
    click({80, 80});
    click({280, 80});
    send(main().PaintBox1, QEvent::MouseMove, {281, 199}); // the band follows the pointer, snapped
    EXPECT_EQ(main().StatusBar1->panelText(2), "Length is 3.00 m");
    expectCanvasIsARepaint("with an open outline and its rubber band");
    click({280, 200});
    click({80, 200});
    click({80, 80});
    ASSERT_EQ(model().ZoneCount, 1);
    EXPECT_EQ(model().Zones(1).NodeCount, 4);
    EXPECT_DOUBLE_EQ(model().Zones(1).FloorArea, 15.0);
    EXPECT_FALSE(main().SBDrawNewZone->isDown());
    expectCanvasIsARepaint("after the outline closed");

    click({150, 150}); // a pick of the zone, then of its first node
    click({82, 78});
    EXPECT_EQ(main().StatusBar1->panelText(2), "Wall node 1 of Zone 1");
    expectCanvasIsARepaint("with a node selected");
}

TEST_F(PlanToolsTest, ToolButtonsOfAGroupPushEachOtherUp) {
    main().SBInsertWindow->click();
    EXPECT_TRUE(main().SBInsertWindow->isDown());
    EXPECT_EQ(main().StatusBar1->panelText(0), "Insert window");
    main().SBInsertDoor->click();
    EXPECT_FALSE(main().SBInsertWindow->isDown());
    EXPECT_TRUE(main().SBInsertDoor->isDown());
    EXPECT_EQ(main().StatusBar1->panelText(0), "Insert door");
    main().SBPlusNode->click(); // the other group
    EXPECT_TRUE(main().SBInsertDoor->isDown());
    EXPECT_TRUE(main().SBPlusNode->isDown());
    main().SBInsertDoor->click();
    EXPECT_FALSE(main().SBInsertDoor->isDown());
    EXPECT_EQ(main().StatusBar1->panelText(0), "");
}

TEST_F(PlanToolsTest, AWindowAndAnInternalWallAddedWithTheMouseAreDrawnOnThePlan) {
    main().SBDrawNewZone->click();
    for (const QPoint p :
         {QPoint{80, 80}, QPoint{280, 80}, QPoint{280, 200}, QPoint{80, 200}, QPoint{80, 80}})
        click(p);
    main().SBInsertWindow->click();
    click({180, 81});
    ASSERT_EQ(model().Walls(1, 0).WindowCount, 1);
    EXPECT_GT(model().WallWindows(1, 0, 1).Width, 0.0) << "the level's default window";
    main().SBInsertInternalWall->click();
    click({160, 80});
    send(main().PaintBox1, QEvent::MouseMove, {160, 150});
    expectCanvasIsARepaint("with an internal wall's rubber band");
    click({160, 200});
    EXPECT_EQ(model().Zones(1).IntWallCount, 1);
    EXPECT_FALSE(main().SBInsertInternalWall->isDown());
    expectCanvasIsARepaint("after the window and the internal wall");
}

} // namespace
