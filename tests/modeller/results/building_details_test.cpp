// The building details report of a two-level house: the summary figures and tallies, the rows of each
// zone's elements with areas worked by hand, the section switches, and the faults a report must not
// make (a product code outside the library, more constructions than a short list holds, a house
// without floor area, a record number outside its table, a damaged table).
#include "modeller/results/building_details.h"

#include "building_details_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace pelmora;
using namespace details_test;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;

std::string sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

const std::string kSite = "Sydney  PC 2000  Lat  -33.87  Long  151.21   Climate File climat17.TXT";

class BuildingDetailsTest : public DetailsHouse {
  protected:
    ReportDocument Report(const ReportSwitches& switches, int zone = 0) {
        BuildingDetails details(model, *tables, plan, question);
        return details.Display(switches, zone);
    }
    ReportDocument Full(int zone = 0) { return Report(ReportSwitches{}, zone); }
    // Only the zone heading and the given section.
    static ReportSwitches Only(bool ReportSwitches::*section) {
        ReportSwitches s;
        s.HideAll();
        s.*section = true;
        s.ZoneHeading = true;
        return s;
    }
    // The lines from the first that equals `first` up to, not including, the first empty line after it.
    static std::vector<std::string> Block(const ReportDocument& document, const std::string& first) {
        const std::vector<std::string> lines = document.plainLines();
        auto begin = std::find(lines.begin(), lines.end(), first);
        EXPECT_NE(begin, lines.end()) << first;
        auto end = std::find(begin, lines.end(), std::string());
        return {begin, end};
    }
};

TEST(ReportNumberFormats, FollowTheirWidthsAndDecimals) {
    struct Case {
        std::string got, want;
    };
    const Case cases[] = {
        {IntField(5, 3), "  5"},
        {IntField(1234, 2), "1234"}, // a wider value takes the characters it needs
        {RealField(3.14159, 8, 2), "    3.14"},
        {RealField(-0.001, 6, 2), "  0.00"}, // no minus sign on a value shown as zero
        {RealField(90.0, 8, 0), "      90"},
        {FixedText(12.34, 4, 1), "12.3"},
        {FixedText(0.0, 4, 1), "0.0"},
        {FixedText(123456.0, 5, 1), "1.2346E+005"}, // six digits before the point with precision 5
        {IntText(42), "42"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(ReportWindowFigures, WeighGlassAndFrameByTheGlazedFraction) {
    // Frame U above 5: Uf = 6 x 1.5 = 9; U = 3 x 0.8 + 0.2 x 9 = 4.2; SHGC = 0.56 + 0.3 x 9 x 0.2 / 21.8.
    CustWinType metal;
    metal.GlassU = 3.0;
    metal.FrameU = 6.0;
    metal.GlassSHGC = 0.7;
    metal.GlassFraction = 0.8;
    EXPECT_NEAR(WholeWindowValues(metal).U, 4.2, 1e-12);
    EXPECT_NEAR(WholeWindowValues(metal).SHGC, 0.56 + 0.54 / 21.8, 1e-12);
    // Frame U of 5 or less: Uf = 4 x 1.22 = 4.88; U = 2 x 0.5 + 0.5 x 4.88 = 3.44.
    CustWinType timber;
    timber.GlassU = 2.0;
    timber.FrameU = 4.0;
    timber.GlassSHGC = 0.7;
    timber.GlassFraction = 0.5;
    EXPECT_NEAR(WholeWindowValues(timber).U, 3.44, 1e-12);
    EXPECT_NEAR(WholeWindowValues(timber).SHGC, 0.35 + 0.3 * 4.88 * 0.5 / 21.8, 1e-12);
}

TEST(ReportPrinting, LineHeightAddsFourTenthsForTheGap) {
    EXPECT_EQ(PrintLineHeight(10.0, 600), 116); // 83 + 33
    EXPECT_EQ(PrintLineHeight(9.0, 1200), 210); // 150 + 60
}

TEST_F(BuildingDetailsTest, ProductLookupTakesTheFirstEntryOfACodeAndNoneForAnEmptyCode) {
    EXPECT_EQ(WindowProductIndexOf(model, "KLW-06-101a"), 1);
    EXPECT_EQ(WindowProductIndexOf(model, "GGG-05-001a"), 0);
    // The library's unused entries have empty codes; an empty code must not find them.
    EXPECT_EQ(WindowProductIndexOf(model, ""), 0);
}

TEST_F(BuildingDetailsTest, HeaderNamesTheProjectAndSite) {
    const ReportDocument report = Full();
    ASSERT_GE(report.lines.size(), 3u);
    EXPECT_EQ(report.lines[0], (ReportLine{1, "Project   Test    Run 4"}));
    EXPECT_EQ(report.lines[1], (ReportLine{5, kSite}));
    EXPECT_EQ(report.lines[2], (ReportLine{5, ""}));
}

TEST_F(BuildingDetailsTest, SummaryFiguresAndTalliesCoverTheWholeHouse) {
    const ReportDocument report = Full();
    // Floor: living 20 and upstairs 20 m2 heated and cooled; the bedroom (15 m2) heated only.
    // Glazing 3.0 + 1.2 + 1.0 = 5.2 m2; the outside door 0.82 x 2.04 = 1.6728 m2.
    // External walls: living 13 m x 2.4, bedroom 11 m x 2.4, upstairs 18 m x 2.7 = 106.2 m2 gross.
    EXPECT_THAT(
        Block(report, "Summary"),
        ElementsAre("Summary", "Conditioned Area                 40.0 m²",
                    "Unconditioned Area               15.0 m²", "Total Floor Area                 55.0 m²",
                    "Total Glazed Area                5.2 m²", "Total External Solid door Area   1.7 m²",
                    "Glass to Floor Area              9.5 %", "Gross External Wall Area         106.2 m²",
                    "Net External Wall Area           99.3 m²"));
    // Two windows of one product in two zones make one entry; the code outside the library shows
    // no U or SHGC.
    EXPECT_THAT(Block(report, "Window"),
                ElementsAre("Window", "Area 4.2 m²  KLW-06-101a Kelwood Joinery  Uval 4.20  SHGC 0.58",
                            "              Glass  Clear single", "              Frame  Timber frame",
                            "Area 1.0 m²  GGG-05-001a  Uval   SHGC ", "              Glass  ",
                            "              Frame  "));
    // Living 6.6 + 9.6 + 12.0 and bedroom 7.2 + 6.0 with batts; the bedroom's east wall against the
    // neighbour 12.0 - 1.6728; upstairs 9.8 + 13.5 + 10.8 + 13.5 of weatherboard.
    EXPECT_THAT(Block(report, "External Wall"),
                ElementsAre("External Wall", "Area 41.4 m²  Brick veneer  Wall batts R 2.0",
                            "Area 10.3 m²  Brick veneer to neighbour   Wall batts R 2.0",
                            "Area 47.6 m²  Weatherboard  None"));
    // The partition of 5 m x 2.4 m is met from both zones: 24 m2 counted, 12 printed.
    EXPECT_THAT(Block(report, "Internal Wall"),
                ElementsAre("Internal Wall", "Area 12.0 m²  Stud plaster  None"));
    // The upstairs zone lies wholly over the living zone: its floor construction is listed with 0.0,
    // and its slab on record, above level 1, as the suspended concrete it is simulated as.
    EXPECT_THAT(Block(report, "External Floor"),
                ElementsAre("External Floor", "Area 20.0 m²  Concrete slab  No insulation  Carpet",
                            "Area 15.0 m²  Suspended timber  Foil batts R 1.5  Tiles",
                            "Area 0.0 m²  Suspended concrete  No insulation  Tiles"));
}

TEST_F(BuildingDetailsTest, CoveredZoneShowsTheCeilingBetweenLevelsAndNoRoof) {
    const std::vector<std::string> living = Block(Full(), "Zone 1      Living      Living Area on Level 1");
    EXPECT_THAT(living, Contains(sp(45) + "   20.00   Carpet  Concrete slab  No insulation    "));
    EXPECT_THAT(living, Contains("Internal Ceiling                                 Area"));
    EXPECT_THAT(living, Contains(sp(45) + "   20.00" + sp(18) + "Timber joists  None"));
    EXPECT_THAT(living, Not(Contains(HasSubstr("Roof   "))));
    EXPECT_THAT(living, Not(Contains(HasSubstr("Ceiling                 Slope"))));
    EXPECT_THAT(living, Not(Contains(HasSubstr("Int Floor Cover"))));
    // Walls: north 4 m with its 3 m2 window, the partition to the bedroom less its door.
    EXPECT_THAT(
        living,
        Contains("Wall E  1        4.00    2.40    0.00       0    6.60   Brick veneer  Wall batts   R2.00"));
    EXPECT_THAT(living,
                Contains("Wall P  2        5.00    2.40               2   10.33   Stud plaster  None  "));
    EXPECT_THAT(living, Contains("Door I( 2, 1)    0.82    2.04               2    1.67   Hollow core"));
    EXPECT_THAT(living, Contains("Window( 1, 1)    2.00    1.50    0.00       0    3.00   KLW-06-101a  Clear "
                                 "single   Timber frame"));
    EXPECT_THAT(living, Contains(sp(56) + "Awning  Holland blind  No shading"));
}

TEST_F(BuildingDetailsTest, ZoneUnderTheRoofShowsFloorCeilingRoofAndSkylight) {
    const std::vector<std::string> bedroom = Block(Full(), "Zone 2      Bed 1      Sleeping Area on Level 1");
    EXPECT_THAT(bedroom,
                Contains("                  Yes     No         No      No         1          0          0"
                         "       2x1200mm"));
    EXPECT_THAT(bedroom,
                Contains("Skylight   1     0.54      20      90    0.90    0.60    SKY-01   Dome acrylic   "
                         "Timber shaft frame"));
    EXPECT_THAT(bedroom, Contains(sp(45) + "   15.00   Tiles  Suspended timber  Foil batts R1.50  "
                                           "Floor Height  600  Enclosed"));
    // The ceiling is the floor less the 0.54 m2 skylight.
    EXPECT_THAT(bedroom, Contains(sp(21) + "       0" + sp(16) +
                                  "   14.46   Plasterboard  Ceiling batts   R3.50  "
                                  "Roofspace or roof above ceiling"));
    EXPECT_THAT(bedroom, Contains(sp(21) + "      25   Hip and Gable" + sp(11) + "Metal deck  Sarking  "));
    EXPECT_THAT(bedroom, Not(Contains(HasSubstr("Internal Ceiling"))));
    // The mirrored partition door is deducted from this side's wall too.
    EXPECT_THAT(bedroom,
                Contains("Wall P  4        5.00    2.40               1   10.33   Stud plaster  None  "));
    EXPECT_THAT(bedroom, Contains("Door I( 4, 1)    0.82    2.04               1    1.67   Hollow core"));
    EXPECT_THAT(bedroom, Contains("Door E( 2, 1)    0.82    2.04    0.00      90    1.67   Solid timber"));
    EXPECT_THAT(
        bedroom,
        Contains("Wall E  2        5.00    2.40    0.00      90   10.33   Brick veneer to neighbour   "
                 "Wall batts   R2.00"));
}

TEST_F(BuildingDetailsTest, UpperZoneOverALowerOneShowsItsFloorCoverAndNoExternalFloor) {
    const std::vector<std::string> upstairs =
        Block(Full(), "Zone 3      Upstairs      Other Night-time Area on Level 2");
    EXPECT_THAT(upstairs, Contains("Int Floor Cover                                  Area"));
    EXPECT_THAT(upstairs, Contains(sp(45) + "   20.00" + sp(18) + "Carpet"));
    EXPECT_THAT(upstairs, Not(Contains(HasSubstr("External Floor"))));
    EXPECT_THAT(upstairs, Contains(sp(21) + "       0" + sp(16) +
                                   "   20.00   Timber boards  None    "
                                   "Another apartment above ceiling"));
    EXPECT_THAT(upstairs, Contains(sp(21) + "      30        Skillion" + sp(11) +
                                   "Concrete tiles  Roof blanket   R1.30"));
    // A window whose code is outside the library shows its code alone.
    EXPECT_THAT(upstairs, Contains("Window( 1, 1)    1.00    1.00    0.00       0    1.00   GGG-05-001a"));
}

TEST_F(BuildingDetailsTest, WindowButtonListsEachZoneHeadingWithItsWindowsOnly) {
    const std::string heading1 =
        "Window          Width  Height   Eaves  Orient    Area   Name            Glass          Frame";
    const std::string heading2 =
        "                                                        Opening        Covering      Shading";
    const std::string furnishings = sp(56) + "Awning  Holland blind  No shading";
    const ReportDocument report = Report(Only(&ReportSwitches::Window));
    EXPECT_THAT(report.plainLines(),
                ElementsAreArray(std::vector<std::string>{
                    "Project   Test    Run 4",
                    kSite,
                    "",
                    "Zone 1      Living      Living Area on Level 1",
                    heading1,
                    heading2,
                    "Window( 1, 1)    2.00    1.50    0.00       0    3.00   KLW-06-101a  Clear single   "
                    "Timber frame",
                    furnishings,
                    "",
                    "Zone 2      Bed 1      Sleeping Area on Level 1",
                    heading1,
                    heading2,
                    "Window( 3, 1)    1.00    1.20    0.00     180    1.20   KLW-06-101a  Clear single   "
                    "Timber frame",
                    furnishings,
                    "",
                    "Zone 3      Upstairs      Other Night-time Area on Level 2",
                    heading1,
                    heading2,
                    "Window( 1, 1)    1.00    1.00    0.00       0    1.00   GGG-05-001a",
                    furnishings,
                    ""}));
    // The styles: headings blue, column headings red, rows black.
    EXPECT_EQ(report.lines[3].style, 1);
    EXPECT_EQ(report.lines[4].style, 2);
    EXPECT_EQ(report.lines[6].style, 5);
}

TEST_F(BuildingDetailsTest, DoorButtonShowsDoorHeadingsAndRowsWithoutWalls) {
    const std::vector<std::string> bedroom =
        Block(Report(Only(&ReportSwitches::Door)), "Zone 2      Bed 1      Sleeping Area on Level 1");
    EXPECT_THAT(bedroom, ElementsAre("Zone 2      Bed 1      Sleeping Area on Level 1",
                                     "Door Int        Width  Height            AdjZ    Area   Type",
                                     "Door I( 4, 1)    0.82    2.04               1    1.67   Hollow core",
                                     "Door Ext        Width  Height   Eaves  Orient    Area   Type",
                                     "Door E( 2, 1)    0.82    2.04    0.00      90    1.67   Solid timber"));
}

TEST_F(BuildingDetailsTest, CeilingAloneStillDeductsTheSkylights) {
    const std::vector<std::string> bedroom =
        Block(Report(Only(&ReportSwitches::ExtCeiling)), "Zone 2      Bed 1      Sleeping Area on Level 1");
    EXPECT_THAT(bedroom, ElementsAre("Zone 2      Bed 1      Sleeping Area on Level 1",
                                     "Ceiling                 Slope                    Area",
                                     sp(21) + "       0" + sp(16) +
                                         "   14.46   Plasterboard  Ceiling batts   R3.50  "
                                         "Roofspace or roof above ceiling"));
}

TEST_F(BuildingDetailsTest, SkylightRowsFollowTrueNorthAndShowClerestoryWindows) {
    struct Case {
        double northDegrees;
        bool clerestory;
        std::string row;
    };
    const Case cases[] = {
        {0.0, false,
         "Skylight   1     0.54      20      90    0.90    0.60    SKY-01   Dome acrylic   Timber shaft "
         "frame"},
        // True north 100 degrees clockwise from the plan's top: east on the plan faces 350.
        {100.0, false,
         "Skylight   1     0.54      20     350    0.90    0.60    SKY-01   Dome acrylic   Timber shaft "
         "frame"},
        // A clerestory window stands upright and names its window code, glass and frame.
        {0.0, true,
         "Skylight   1     0.54      90      90    0.90    0.60    CLR-07   Double clear   Timber"},
    };
    TSkylightRec& sky = model.ZoneSkylights(kBedroom, 1);
    sky.WindowCode = "CLR-07";
    sky.Glass = 2;
    sky.Frame = 2;
    for (const Case& c : cases) {
        model.NorthAngle = c.northDegrees * 3.14159265358979323846 / 180.0;
        sky.Clerestory = c.clerestory;
        EXPECT_THAT(
            Block(Report(Only(&ReportSwitches::Skylight)), "Zone 2      Bed 1      Sleeping Area on Level 1"),
            Contains(c.row));
    }
}

TEST_F(BuildingDetailsTest, SelectedZoneAloneWithoutSummary) {
    ReportSwitches switches;
    switches.Summary = false;
    const std::vector<std::string> lines = Report(switches, kUpstairs).plainLines();
    EXPECT_THAT(lines, Not(Contains("Summary")));
    EXPECT_THAT(lines, Not(Contains(HasSubstr("Zone 1 "))));
    EXPECT_THAT(lines, Not(Contains(HasSubstr("Zone 2 "))));
    EXPECT_THAT(lines, Contains("Zone 3      Upstairs      Other Night-time Area on Level 2"));
}

TEST_F(BuildingDetailsTest, RecordOutsideItsTableGivesAnEmptyDescription) {
    model.Walls(kUpstairs, 1).ExtMaterial = 99;
    model.Walls(kUpstairs, 1).ExtInsulation = 0;
    model.ZoneRoofs(kUpstairs).Material = -3;
    const ReportDocument report = Full();
    const std::vector<std::string> upstairs =
        Block(report, "Zone 3      Upstairs      Other Night-time Area on Level 2");
    EXPECT_THAT(upstairs, Contains("Wall E  2        5.00    2.70    0.00      90   13.50       "));
    EXPECT_THAT(upstairs, Contains(sp(21) + "      30        Skillion" + sp(11) + "  Roof blanket   R1.30"));
    EXPECT_THAT(Block(report, "External Wall"), Contains("Area 13.5 m²    "));
}

TEST_F(BuildingDetailsTest, TalliesHoldEveryDistinctProduct) {
    // 22 windows of 22 codes, more than a list of 20 would hold.
    std::vector<std::string> expected = {"Window",
                                         "Area 4.2 m²  KLW-06-101a Kelwood Joinery  Uval 4.20  SHGC 0.58",
                                         "              Glass  Clear single",
                                         "              Frame  Timber frame",
                                         "Area 1.0 m²  GGG-05-001a  Uval   SHGC ",
                                         "              Glass  ",
                                         "              Frame  "};
    for (int n = 1; n <= 22; ++n) {
        const std::string code = "X" + std::to_string(100 + n);
        AddWindow(kUpstairs, 1 + (n - 1) / 10, 0.6, 0.5, code);
        expected.insert(expected.end(), {"Area 0.3 m²  " + code + "  Uval   SHGC ", "              Glass  ",
                                         "              Frame  "});
    }
    EXPECT_THAT(Block(Full(), "Window"), ElementsAreArray(expected));
}

TEST_F(BuildingDetailsTest, HouseWithoutFloorAreaHasNoGlassToFloorRatio) {
    model.ZoneCount = 0;
    const std::vector<std::string> summary = Block(Full(), "Summary");
    EXPECT_THAT(summary, Contains("Glass to Floor Area              0.0 %"));
    EXPECT_THAT(summary, Contains("Total Floor Area                 0.0 m²"));
}

TEST_F(BuildingDetailsTest, TablesAreClosedAfterABuildAndAfterADamagedTable) {
    Full();
    EXPECT_FALSE(tables->ExtWallForm.materialstable.Active());
    EXPECT_FALSE(tables->FloorCoverForm.FloorCoverTable.Active());
    Sql("DROP TABLE Roofmaterial; CREATE TABLE Roofmaterial (\"Material Number\" INTEGER);"
        "INSERT INTO Roofmaterial VALUES (1);");
    const std::string error = model_test::modelErrorOf([&] { Full(); });
    EXPECT_THAT(error, HasSubstr("Roofmaterial"));
    EXPECT_FALSE(tables->RoofForm.materialstable.Active());
    EXPECT_FALSE(tables->ExtWallForm.materialstable.Active());
}

TEST(ReportRichText, WritesTheDocumentByteForByte) {
    ReportDocument document;
    document.add(1, "Summary");
    document.add(2, "Area 4.2 m²  {brace} back\\slash");
    document.add(5, "");
    document.add(4, "plain");
    const std::string expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n"
        "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;"
        "\\red0\\green128\\blue0;}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs18\r\n"
        "\\cf2\\b Summary\\par\r\n"
        "\\cf3\\b Area 4.2 m\\'b2  \\{brace\\} back\\\\slash\\par\r\n"
        "\\cf1\\b \\par\r\n"
        "\\cf1\\b0 plain\\par\r\n"
        "}\r\n";
    EXPECT_EQ(WriteRichText(document), expected);
}

} // namespace
