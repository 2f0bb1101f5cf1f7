// The main window as the plan of the model's plan computations: status texts, redraws in the
// inverting mode that pair up, selection flags that move with their zones, and the zone under the
// pointer.
#include "modeller/model/presimulation_pass.h"
#include "modeller/plan/main_form.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

void movePointer(QWidget* widget, QPoint at) {
    QMouseEvent event(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

TEST_F(MainWindowTest, StatusPanelOneShowsTheZoneOfTheCurrentLevelUnderThePointer) {
    startWithNewHouse();
    // 160 x 120 px at 40 px/m: 4 m x 3 m.
    const int living = plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    model().Zones(living).Name = "Living";
    plan_test::addRectangle(model(), 2, 300, 40, 80, 80, 0x0000FF);
    model().LevelCount = 2;
    movePointer(main().PaintBox1, {100, 100});
    EXPECT_EQ(main().StatusBar1->panelText(1), QString::fromUtf8("Zone 1  Living  Area 12.00 m\u00b2"));
    EXPECT_EQ(main().StatusBar1->panelText(3), "X  2.50  Y  2.50");
    movePointer(main().PaintBox1, {340, 80});
    EXPECT_TRUE(main().StatusBar1->panelText(1).isEmpty()) << "the zone above is not on the current level";
}

TEST_F(MainWindowTest, DeletedInternalWallsAreToldInThePlanAndItsRedrawsPairUp) {
    startWithNewHouse();
    main().resizeCanvas({600, 400}, {0, 0});
    const int z = plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    model().Zones(z).IntWallCount = 2;
    model().ZoneIntWalls(z, 1).StartPoint = {80, 40};
    model().ZoneIntWalls(z, 1).EndPoint = {80, 160};
    model().ZoneIntWalls(z, 2).StartPoint = {120, 40};
    model().ZoneIntWalls(z, 2).EndPoint = {120, 300}; // ends outside its zone
    model().ZoneIntWalls(z, 2).Thickness = 90;
    model().ZoneIntWalls(z, 1).Thickness = 90;
    main().RestoreAll();
    DeleteUnwantedIntWall(model(), main());
    EXPECT_EQ(main().StatusBar1->panelText(0), "Deleting Internal wall 2 of Zone 1");
    EXPECT_EQ(model().Zones(z).IntWallCount, 1);
    const QImage afterPass = main().planCanvas();
    main().RestoreAll();
    EXPECT_EQ(afterPass, main().planCanvas()) << "the plan shows the house as it now is";
}

TEST_F(MainWindowTest, RemovingAnEmptyLevelShowsLevelOneWithItsNeighbourOutline) {
    startWithNewHouse();
    main().resizeCanvas({600, 400}, {0, 0});
    model().LevelCount = 3;
    main().ShowLevelButtons();
    plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    plan_test::addRectangle(model(), 3, 60, 60, 100, 100, 0x0000FF);
    main().SBLevelClick(3);
    DeleteUntiedLevels(model(), main());
    EXPECT_EQ(model().LevelCount, 2);
    EXPECT_EQ(model().CurrentLevel, 1);
    EXPECT_TRUE(main().SBLevel[1]->isDown());
    EXPECT_FALSE(main().SBLevel[3]->isDown());
    EXPECT_TRUE(main().SBLevel[3]->isHidden());
    EXPECT_FALSE(main().SBLevel[2]->isHidden());
    const QImage afterPass = main().planCanvas();
    main().RestoreAll();
    EXPECT_EQ(afterPass, main().planCanvas()) << "level 1 with the outline of the level above, once";
}

TEST_F(MainWindowTest, SelectionFlagsMoveDownWithTheZonesAfterARemovedOne) {
    startWithNewHouse();
    plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    plan_test::addZone(model(), 1, {{300, 300}}, 0x00FF80); // no area: Refresh Screen removes it
    const int last = plan_test::addRectangle(model(), 1, 240, 40, 80, 80, 0x0080FF);
    workspace->selection.NodeSelected(last, 1) = true;
    main().WipeSBClick();
    ASSERT_EQ(model().ZoneCount, 2);
    EXPECT_TRUE(workspace->selection.NodeSelected(2, 1));
    EXPECT_FALSE(workspace->selection.NodeSelected(2, 0));
}

} // namespace
