// The project data: site and wind values, fins of concave corners, obstructions mapped onto walls
// and windows, the numbered lists, and the refusal of values too wide for their fields.
#include "writer_fixture.h"

#include "modeller/engine_input/project_cards.h"

#include <cmath>

namespace writer_test {
namespace {

using namespace pelmora;

TEST(ProjectValues, StandardMeridianFollowsThePostcode) {
    const std::pair<int, double> cases[] = {{800, 142.5},  {899, 142.5},  {900, 150.0},  {2000, 150.0},
                                            {4999, 150.0}, {5000, 142.5}, {5999, 142.5}, {6000, 120.0},
                                            {6999, 120.0}, {7000, 150.0}, {0, 150.0}};
    for (const auto& [postcode, meridian] : cases)
        EXPECT_EQ(StandardMeridian(postcode), meridian) << postcode;
}

TEST(ProjectValues, PressureCoefficientOfASquarePlanAtNormalIncidence) {
    EXPECT_NEAR(0.6 * WindPressureCoefficient(0.0, 8.0, 8.0), 0.6 * std::log(2.734), 1e-12); // 0.6035
    // Wind along the wall of a square plan: ln(1.248 - 0.703 sin 45 - 1.175 + 0.769 cos 45 + 0.717 cos2 45).
    const double h = std::sqrt(0.5);
    EXPECT_NEAR(WindPressureCoefficient(90.0, 8.0, 8.0),
                std::log(1.248 - 0.703 * h - 1.175 + 0.769 * h + 0.717 * 0.5), 1e-12);
}

TEST_F(WriterTest, WindSpeedFactorOfTwoLevelsInSuburbanShielding) {
    AddBoxZone(4.0, 4.0);
    model_->LevelCount = 2;
    model_->ShieldingFactor = 0.57;
    OpenTables();
    WriteProjectData(*scratch_);
    EXPECT_NEAR(scratch_->WindSpeedFactor, 0.67 * std::pow(0.48, 0.25), 1e-12); // 0.5577
    EXPECT_EQ(scratch_->WindSpeedFactorText, "  0.56");
}

// An L-shaped zone: the wall of the inner corner's one side stands as a fin beside the other.
TEST_F(WriterTest, ConcaveCornerGivesFinsToBothWallsAndToTheWindowBesideIt) {
    HouseModel& m = *model_;
    const int z = AddBoxZone(10.0, 8.0);
    // Outline (m): (0,0) (10,0) (10,4) (4,4) (4,8) (0,8); plan azimuths 0, 90, 180, 90, 180, 270.
    const double corners[6][2] = {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 8}, {0, 8}};
    const double azimuths[6] = {0, 90, 180, 90, 180, 270};
    const double lengths[6] = {10, 4, 6, 4, 4, 8};
    m.Zones(z).NodeCount = 6;
    for (int w = 0; w < 6; ++w) {
        m.ZoneNodes(z, w) =
            TPlanPoint{static_cast<int>(corners[w][0] * 20), static_cast<int>(corners[w][1] * 20)};
        m.Walls(z, w) = m.Walls(z, 0);
        m.Walls(z, w).Length = lengths[w];
        m.Walls(z, w).PlanAzimuth = m.Walls(z, w).Azimuth = azimuths[w];
        m.Walls(z, w).WindowCount = 0;
    }
    const int n = AddWindow(z, 3, 2.0, 1.0);
    CalcFins(*scratch_);
    // Wall 2 (facing the bottom) runs 6 m out from the start of wall 3; wall 3 runs 4 m down from the
    // end of wall 2.
    EXPECT_EQ(WallVerticalSchemeText(*scratch_, z, 3), "  6.00  0.00  0.00  0.00");
    EXPECT_EQ(WallVerticalSchemeText(*scratch_, z, 2), "  0.00  0.00  4.00  0.00");
    EXPECT_EQ(WallVerticalSchemeText(*scratch_, z, 0), "  0.00  0.00  0.00  0.00"); // convex corners
    // The window's left side is 2.0 - 0.5 = 1.5 m from the fin; no fin on its right.
    EXPECT_EQ(WindowVerticalSchemeText(*scratch_, z, 3, n), "  6.00  1.50  0.00  0.00");
    // A shade typed for the window replaces the wall's fin on that side.
    m.WallWindows(z, 3, n).VertShadeLeftWidth = 0.6;
    m.WallWindows(z, 3, n).VertShadeLeftOffset = 0.2;
    m.WallWindows(z, 3, n).VertShadeRightWidth = 0.02; // under 3 cm: no fin
    m.WallWindows(z, 3, n).VertShadeRightOffset = 0.4;
    OpenTables();
    BuildVerticalSchemes(*scratch_);
    EXPECT_EQ(WindowVerticalSchemeText(*scratch_, z, 3, n), "  0.60  0.20  0.00  0.00");
    ASSERT_EQ(scratch_->VerticalSchemes.Count(), 3);
    EXPECT_EQ(scratch_->VerticalSchemes.Position("  0.60  0.20  0.00  0.00"), 3);
}

// An obstruction below the house, seen by the wall facing the bottom and by its window.  The house,
// 10 m by 6 m, stands with its top-left corner at plan point (30 m, 12 m); the obstruction runs from
// 2 m to 8 m along the bottom side, measured from the house's left end (plan x 32 to 38), 4 m below
// the house (plan y 22).
TEST_F(WriterTest, ObstructionsAreMappedOntoTheWallsFacingThemAndBecomeScreens) {
    HouseModel& m = *model_;
    const int z = AddBoxZone(10.0, 6.0, 30.0, 12.0);
    const int n = AddWindow(z, 2, 5.0);
    TObstructionRec& ob = m.SiteObstructions(3)(1);
    ob.D = 4.0; // m from the house
    ob.L1 = 8.0;
    ob.L2 = 2.0;
    ob.H = 5.0;
    for (int month = 1; month <= 12; ++month) ob.Shading(month) = 80;
    OpenTables();
    BuildScreens(*scratch_);
    const TSurfaceObstructionRec& wall = m.Walls(z, 2).WallObstructions(1);
    EXPECT_DOUBLE_EQ(wall.Distance, 4.0);
    EXPECT_DOUBLE_EQ(wall.LateralPosition, -2.0); // the wall's end (x 30) less the nearer end (x 32)
    EXPECT_DOUBLE_EQ(wall.Width, 6.0);
    EXPECT_DOUBLE_EQ(wall.RelativeHeight, 5.0);
    const TSurfaceObstructionRec& win = m.WallWindows(z, 2, n).WindowObstructions(1);
    EXPECT_DOUBLE_EQ(win.LateralPosition, 2.4); // -2 + 10 - 5 - 0.6
    EXPECT_DOUBLE_EQ(win.VerticalOffset, 1.2 - 2.1);
    EXPECT_EQ(m.Walls(z, 0).WallObstructions(1).Distance, 0.0); // the other sides see nothing
    std::string eighty;
    for (int month = 0; month < 12; ++month) eighty += "  0.80";
    ASSERT_EQ(scratch_->Screens.Count(), 2);
    EXPECT_EQ(scratch_->Screens[1].key, "  5.00  6.00  4.00 -2.00  0.00" + eighty);
    EXPECT_EQ(scratch_->Screens[2].key, "  5.00  6.00  4.00  2.40 -0.90" + eighty);
}

// D, L1 and L2 are measured from the house as the obstructions dialog shows them, wherever the house
// stands on the plan and on whichever side.  The house of 10 m by 6 m (an L when a second box
// stands at its bottom right) has its top-left corner at plan point (x, y).  Figures by hand: the
// wall's distance is D plus its setback from the house's outermost wall on that side; its lateral
// position puts the obstruction's ends where L1 and L2 say along the side.
TEST_F(WriterTest, AnObstructionStandsWhereTheDialogPutsItFromTheHouse) {
    const struct {
        const char* what;
        double x, y; // m, the house's top-left corner on the plan
        int side;
        double d, l1, l2, h;
        int wall;                        // of the 10 m by 6 m box
        double distance, lateral, width; // m
    } cases[] = {
        {"a 4 m wall 3 m north", 30.0, 12.0, 1, 3.0, 2.0, 6.0, 4.0, 0, 3.0, -4.0, 4.0},
        {"the same wall with the house elsewhere", 2.0, 40.0, 1, 3.0, 2.0, 6.0, 4.0, 0, 3.0, -4.0, 4.0},
        {"3 m east", 30.0, 12.0, 2, 3.0, 0.0, 6.0, 3.0, 1, 3.0, 0.0, 6.0},
        {"from 2 m west of the house's west end", 30.0, 12.0, 1, 2.0, -2.0, 3.0, 4.0, 0, 2.0, -7.0, 5.0},
        {"5 m west, the lower 4 m of the side", 30.0, 12.0, 4, 5.0, 2.0, 6.0, 3.0, 3, 5.0, -2.0, 4.0},
    };
    HouseModel& m = *model_;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m.ZoneCount = 0;
        for (int side = 1; side <= 4; ++side)
            for (int k = 1; k <= 3; ++k) m.SiteObstructions(side)(k) = TObstructionRec{};
        const int z = AddBoxZone(10.0, 6.0, c.x, c.y);
        TObstructionRec& ob = m.SiteObstructions(c.side)(1);
        ob.D = c.d;
        ob.L1 = c.l1;
        ob.L2 = c.l2;
        ob.H = c.h;
        MapObstructions(*scratch_);
        const TSurfaceObstructionRec& e = m.Walls(z, c.wall).WallObstructions(1);
        EXPECT_NEAR(e.Distance, c.distance, 1e-9);
        EXPECT_NEAR(e.LateralPosition, c.lateral, 1e-9);
        EXPECT_NEAR(e.Width, c.width, 1e-9);
    }
}

// A wall set back from the house's outermost wall on the obstruction's side is that much further
// from it: an L-shaped house of two boxes, the right one 2 m lower at the top.
TEST_F(WriterTest, AWallSetBackFromTheHouseIsFurtherFromItsObstruction) {
    HouseModel& m = *model_;
    const int front = AddBoxZone(6.0, 8.0, 20.0, 10.0);
    const int back = AddBoxZone(4.0, 6.0, 26.0, 12.0);
    TObstructionRec& ob = m.SiteObstructions(1)(1);
    ob.D = 3.0;
    ob.L1 = 0.0;
    ob.L2 = 10.0;
    ob.H = 4.0;
    MapObstructions(*scratch_);
    EXPECT_NEAR(m.Walls(front, 0).WallObstructions(1).Distance, 3.0, 1e-9);
    EXPECT_NEAR(m.Walls(back, 0).WallObstructions(1).Distance, 5.0, 1e-9) << "2 m behind the front";
}

// An obstruction at no distance from the house, or a negative one, would stand inside or behind the
// walls facing it: the run is refused with the obstruction named, not run without it.
TEST_F(WriterTest, AnObstructionAtTheHouseOrBehindItsWallsIsRefused) {
    HouseModel& m = *model_;
    AddBoxZone(10.0, 6.0, 30.0, 12.0);
    for (const double d : {0.0, -1.5}) {
        TObstructionRec& ob = m.SiteObstructions(2)(3);
        ob.D = d;
        ob.L1 = 1.0;
        ob.L2 = 4.0;
        ob.H = 3.0;
        const std::string error = ScratchErrorOf([&] { MapObstructions(*scratch_); });
        EXPECT_NE(error.find("Obstruction 3 on the right side of the plan stands"), std::string::npos)
            << error;
        EXPECT_NE(error.find("more than 0 m in front of the house"), std::string::npos) << error;
    }
}

TEST_F(WriterTest, ACurtainOfAWindowAndASkylightIsListedOnce) {
    const int z = AddBoxZone(6.0, 6.0);
    const int n = AddWindow(z, 0, 3.0);
    model_->WallWindows(z, 0, n).Furnishing = 6;
    model_->Zones(z).SkylightCount = 1;
    model_->ZoneSkylights(z, 1).Furnishing = 6;
    OpenTables();
    BuildCurtains(*scratch_);
    ASSERT_EQ(scratch_->Curtains.Count(), 1);
    EXPECT_EQ(scratch_->Curtains[1].key, "Venetian Blinds");
    EXPECT_EQ(scratch_->Curtains[1].text, "  0.05  0.15  0.35");
    // A window without a curtain names the "None" row, which is slot 0.
    model_->WallWindows(z, 0, n).Furnishing = 1;
    model_->ZoneSkylights(z, 1).Furnishing = 1;
    BuildCurtains(*scratch_);
    EXPECT_EQ(scratch_->Curtains.Count(), 0);
}

TEST_F(WriterTest, AValueTooWideForItsFieldIsReportedWithItsElement) {
    const int z = AddBoxZone(6.0, 6.0);
    model_->Walls(z, 1).EavesDepth = 1000.0; // "1000.00" needs seven characters of six
    OpenTables();
    EXPECT_EQ(ScratchErrorOf([&] { WriteProjectData(*scratch_); }),
              "the eaves of zone 1 (Zone1), wall 1: the value 1000 does not fit in its field of 6 characters "
              "of the "
              "engine input file");
}

TEST_F(WriterTest, AFileNameLongerThanTheEnginesFieldIsReported) {
    AddBoxZone(6.0, 6.0);
    model_->ClimateFileName = "climat01.TXT";
    model_->RootDir = "/" + std::string(110, 'p');
    OpenTables();
    const std::string error = ScratchErrorOf([&] { WriteProjectData(*scratch_); });
    EXPECT_NE(error.find("the climate file \"/ppp"), std::string::npos) << error;
    EXPECT_NE(error.find("longer than the 120 characters"), std::string::npos) << error;
}

} // namespace
} // namespace writer_test
