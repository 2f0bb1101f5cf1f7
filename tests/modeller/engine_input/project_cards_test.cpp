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

// An obstruction below the plan, seen by the wall facing the bottom and by its window.
TEST_F(WriterTest, ObstructionsAreMappedOntoTheWallsFacingThemAndBecomeScreens) {
    HouseModel& m = *model_;
    const int z = AddBoxZone(10.0, 6.0);
    const int n = AddWindow(z, 2, 5.0);
    TObstructionRec& ob = m.SiteObstructions(3)(1);
    ob.D = 20.0; // m, plan y of the obstruction
    ob.L1 = 8.0;
    ob.L2 = 2.0;
    ob.H = 5.0;
    for (int month = 1; month <= 12; ++month) ob.Shading(month) = 80;
    OpenTables();
    BuildScreens(*scratch_);
    const TSurfaceObstructionRec& wall = m.Walls(z, 2).WallObstructions(1);
    EXPECT_DOUBLE_EQ(wall.Distance, 14.0);        // 20 - 6, from the wall's start (10, 6)
    EXPECT_DOUBLE_EQ(wall.LateralPosition, -2.0); // end x 0 less the nearer limit 2
    EXPECT_DOUBLE_EQ(wall.Width, 6.0);
    EXPECT_DOUBLE_EQ(wall.RelativeHeight, 5.0);
    const TSurfaceObstructionRec& win = m.WallWindows(z, 2, n).WindowObstructions(1);
    EXPECT_DOUBLE_EQ(win.LateralPosition, 2.4); // -2 + 10 - 5 - 0.6
    EXPECT_DOUBLE_EQ(win.VerticalOffset, 1.2 - 2.1);
    EXPECT_EQ(m.Walls(z, 0).WallObstructions(1).Distance, 0.0); // the other sides see nothing
    std::string eighty;
    for (int month = 0; month < 12; ++month) eighty += "  0.80";
    ASSERT_EQ(scratch_->Screens.Count(), 2);
    EXPECT_EQ(scratch_->Screens[1].key, "  5.00  6.00 14.00 -2.00  0.00" + eighty);
    EXPECT_EQ(scratch_->Screens[2].key, "  5.00  6.00 14.00  2.40 -0.90" + eighty);
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
