// The card file of a small house against a fragment worked out by hand, and the writer's shared
// services: skylight azimuth, zone volume, product lookups and section numbers.
#include "writer_fixture.h"

#include "engine/core/card_fields.h"
#include "engine/core/card_handlers.h"
#include "engine/core/input_reader.h"
#include "engine/core/material_file.h"
#include "engine/core/state.h"
#include "modeller/engine_input/construction_sections.h"

#include <sstream>

#include <functional>
#include <numbers>

namespace writer_test {
namespace {

using namespace pelmora;

// A 10 m x 6 m single-zone house: brick veneer with R2.5 batts, a carpeted slab, a tiled roof over a
// ceiling with R2.5 batts, one window of the generic single-glazed product on the wall facing the
// bottom of the plan.
class SmallHouse : public WriterTest {
  protected:
    void SetUp() override {
        WriterTest::SetUp();
        SiteInAdelaide("Box", 3);
        HouseModel& m = *model_;
        zone_ = AddBoxZone(10.0, 6.0);
        m.Zones(zone_).Heated = m.Zones(zone_).Cooled = true;
        for (int w = 0; w < 4; ++w) {
            m.Walls(zone_, w).ExtMaterial = 1;
            m.Walls(zone_, w).ExtInsulation = 7;
            m.Walls(zone_, w).EavesDepth = 0.45;
        }
        m.ZoneRoofs(zone_) = TRoofRec{1, 1, 0, 0, 1, 0.0, 22.5, 0.6, 0};
        m.ZoneCeilings(zone_).Material = 1;
        m.ZoneCeilings(zone_).Insulation = 3;
        m.ZoneCeilings(zone_).RoofSpace = 0;
        m.ZoneCeilings(zone_).AddedR = 0.0;
        TExtFloorRec& floor = m.ZoneExtFloors(zone_);
        floor.Material = 1;
        floor.Insulation = 1;
        floor.FloorVentilation = 0;
        floor.FloorCovering = 2;
        m.ZoneIntCeilings(zone_) = TIntCeilingRec{1, 1, 1.0};
        const int n = AddWindow(zone_, 2, 5.0);
        TWindowRec& win = m.WallWindows(zone_, 2, n);
        win.ProductCode = "GGG-05-001a";
        win.Furnishing = 4; // heavy drapes
        win.Shading = 3;    // external blind 50 %
        win.EavesDepth = 0.45;
        win.Offset = 0.3;
    }
    int zone_ = 0;
};

TEST_F(SmallHouse, ProjectAndConstructionCardsMatchTheWorkedFile) {
    const std::string root = root_.string();
    const std::string ones = "  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00";
    const std::string c78(78, 'C');
    const std::vector<std::string> expected = {
        "C  Data type 1: Project data",
        "C",
        " 1  1" + std::string(39, ' ') + "10/12/2026" + std::string(13, ' ') + "00000020000000",
        " 1  2   " + root + "/Data/Climate/climat16.TXT",
        " 1  3    -34.9 138.6 142.5", // Adelaide's postcode 5000: meridian 142.5
        " 1  4  1" + root + "/data/windowdata/VORTwindows.VWG",
        " 1  6  1" + root + "/data/windowdata/VORTskylights.VSG",
        " 1  7   output.txt",
        " 1  9   " + root + "/temperature/Box3.TEM",
        " 1 10   energy.txt",
        " 1 11   airflow.txt",
        c78,
        "C Basic data for ventilation modelling and numerics",
        "C         MaxItV  MaxIVI   ConvV  ConvVI    UrfV  RungeK  MaxItT   ConvT  MaxItG   ConvG    UrfT",
        " 1 12        100     100 0.00100 0.01000    0.20       5     100 0.10000     100 0.00100    0.20",
        "C Cp data",
        // One set per wall: the long walls (10 m against 6 m) face 0 and 180 degrees.
        " 1 13  1  0.60  0.34 -0.29 -0.46 -0.34 -0.46 -0.29  0.34",
        " 1 13  2 -0.62  0.31  0.60  0.31 -0.62 -0.57 -0.34 -0.57",
        " 1 13  3 -0.34 -0.46 -0.29  0.34  0.60  0.34 -0.29 -0.46",
        " 1 13  4 -0.62 -0.57 -0.34 -0.57 -0.62  0.31  0.60  0.31",
        "C Shielding factor",
        " 1 14     0.57",
        c78,
        "C Ground model data",
        "C Ground refl, sog area, perim, wall thick, conductance, diffusivity, edge insul, cond fl area",
        " 1 15      0.2    60    32   0.2   1.5   4.6  0.00    60",
        "C Curtain data for windows, maximum 20",
        "C       AddedR Trans   Abs",
        "C Heavy Drapes",
        " 1 16  1  0.15  0.05  0.40",
        "C Curtain data for roof windows (AddedR, Trans, Abs). 20 maximum",
        "C 17 Not used",
        "C Outdoor blinds shading factor for windows. 999 maximum",
        "C External Blind 50%",
        " 1 18  1  0.50",
        "C Outdoor blinds shading factor for skylights and roof windows. 999 maximum",
        "C 19 Not used",
        "C Horizontal shading schemes. 999 maximum",
        "C Scheme no., eave proj., eave offset, pergola proj, pergola offset, pergola shading factors",
        "C        EaveP EaveO PergP PergO",
        " 1 20  1  0.45  0.00  0.00  0.00" + ones, // the walls' eaves
        " 1 20  2  0.45  0.30  0.00  0.00" + ones, // the window's eaves, 0.3 m above its head
        "C Vertical shading schemes. 999 maximum",
        "C Left proj., left offset, right proj., right offset",
        "C        LeftP LeftORightPRightO",
        // The corners of a rectangle are convex: no wall makes a fin, and no scheme is needed.
        "C Screen schemes. 1-999 maximum",
        "C Scheme no., screen height, width, dist, offset horiz, offset vert, shading factors",
        "C       Height Width  Dist  OffH  OffV",
        "C  Number of repeats of day 1, repeat flag, starting temp, grid size for shade calcs",
        " 1 23       10     0 -99.0    40",
        "C  Stickiness period for controlled openings, Cooling thermostat leeway,",
        " 1 26        3   2.5",
        c78,
        "C  Data type 2: Construction data",
        "C Change material properties",
        "C" + std::string(45, ' ') + "File     System FrameU FrameF FrameA",
        " 2N   1 Window   Generic  Single clear 3 mm  Aluminium frame",
        " 2  1    25   4" + std::string(34, ' ') + "1GGG-05-001a   9.00   0.15   0.50",
        "C" + std::string(45, ' ') + "Type   File     System FrameU FrameF",
        // Brick veneer (110 mm brick, 40 mm plain gap, R2.5 batts as 143 mm of material 209, 10 mm
        // plasterboard), then the level's default wall without insulation.
        " 2N  21 External Wall  Brick Veneer   Glasswool Batts R2.5",
        " 2 21     1 110508  40209 143 10  10",
        " 2N  22 External Wall  Brick Veneer   No Insulation",
        " 2 22     1 110508  40 10  10",
        // The slab: an empty layer, 100 mm concrete, carpet of R 0.25 as 14 mm of material 209.
        " 2N  51 External Floor  Carpet and Underlay  Concrete Slab on Ground   No Insulation",
        " 2 51   999   0  2 100209  14",
        " 2N  81 Reverse External Floor  Carpet and Underlay  Concrete Slab on Ground   No Insulation",
        " 2 81   209  14  2 100999   0",
        " 2N  91 External Ceiling  Plasterboard Ceiling, 10 mm   Glasswool Batts R2.5",
        " 2 91   999   0209 143 10  10",
        " 2N  61 Reverse External Ceiling  Plasterboard Ceiling, 10 mm   Glasswool Batts R2.5",
        " 2 61    10  10209 143999   0",
        // Timber floor over plasterboard with its 90 mm plain gap; the added R is not shown by the
        // "No Insulation" row and is not counted.
        " 2N 101 Internal Ceiling  Timber Floor, Plasterboard Ceiling   No Insulation",
        " 2101     7  19529  90 10  10",
        " 2N  71 Internal Floor  Timber Floor, Plasterboard Ceiling   No Insulation",
        " 2 71    10  10529  90  7  19",
        " 2N  31 Roof  Concrete Roof Tiles   No Insulation",
        " 2 31    17  20999   0",
        " 2N  30 Floorspace Walls 19mm hardwood",
        " 2 30    49  19",
        " 2N 121 Floorspace convective, Air to ground",
        " 2121   999   0912   0999   0",
        " 2N 122 Floorspace convective, Air to underfloor",
        " 2122   999   0913   0999   0",
        " 2N 123 Floorspace radiant (NonReflective), Ground to floor ",
        " 2123   999   0914   0999   0",
        " 2N 124 Floorspace radiant (Reflective), Ground to floor ",
        " 2124   999   0915   0999   0",
        " 2N  50 Floor of above ground, Earth",
        " 2 50   902   0999   0",
        " 2N 125 Roofspace convective, Air to ceiling",
        " 2125   999   0908   0999   0",
        " 2N 126 Roofspace convective, Air to roof",
        " 2126   999   0909   0999   0",
        " 2N 127 Roofspace radiant (NonReflective), Roof to ceiling",
        " 2127   999   0910   0999   0",
        " 2N 128 Roofspace radiant (Reflective), Roof to ceiling",
        " 2128   999   0911   0999   0",
    };
    WriteScratchFile(*scratch_);
    const std::vector<std::string> lines = ReadCardLines(root_ / "SCRATCH");
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(lines.back(), " 9"); // the end card, nothing after it
    // The working fields the zone writers read.
    EXPECT_EQ(model_->Walls(zone_, 2).CpSetIndex, 3);
    EXPECT_EQ(scratch_->WindSpeedFactorText, "  0.47"); // 0.67 x (2.4 / 10)^0.25 = 0.469
    EXPECT_EQ(SectionNumber(*scratch_, ConstructionKind::ExternalWall, "  1 110508  40209 143 10  10"), 21);
    EXPECT_FALSE(tables_->ExtWallForm.materialstable.Active()); // the tables are closed after the write
}

TEST_F(SmallHouse, EachCardFileCarriesTheDateItWasWrittenOn) {
    // The writer lives as long as the program: a run on the next day must not keep the first date.
    std::string today = "10/12/2026";
    scratch_->Today = [&today] { return today; };
    WriteScratchFile(*scratch_);
    EXPECT_EQ(ReadCardLines(root_ / "SCRATCH").at(2).substr(44, 10), "10/12/2026");
    today = "11/12/2026";
    WriteScratchFile(*scratch_);
    EXPECT_EQ(ReadCardLines(root_ / "SCRATCH").at(2).substr(44, 10), "11/12/2026");
}

TEST_F(SmallHouse, AFaultLeavesThePreviousCardFileAndClosesTheTables) {
    WriteScratchFile(*scratch_);
    const std::vector<std::string> before = ReadCardLines(root_ / "SCRATCH");
    model_->WallWindows(zone_, 2, 1).ProductCode = "NO-SUCH";
    EXPECT_EQ(
        ScratchErrorOf([&] { WriteScratchFile(*scratch_); }),
        "zone 1 (Zone1), wall 2, window 1: the product code \"NO-SUCH\" is in no entry of the window product "
        "library");
    EXPECT_EQ(ReadCardLines(root_ / "SCRATCH"), before);
    EXPECT_FALSE(tables_->RoofForm.materialstable.Active());
}

// A record number that a table does not hold is refused naming the zone and the element whose record
// it is, so the assessor knows what to mend, and the card file is left as it was.
TEST_F(SmallHouse, ARecordATableDoesNotHoldNamesTheZoneAndElement) {
    WriteScratchFile(*scratch_);
    const std::vector<std::string> before = ReadCardLines(root_ / "SCRATCH");
    struct Case {
        const char* what;
        std::function<std::int32_t&(HouseModel&, int)> record; // the record number the case damages
        std::int32_t damaged;
        std::string expected;
    };
    const Case cases[] = {
        {"curtain", [](HouseModel& m, int z) -> std::int32_t& { return m.WallWindows(z, 2, 1).Furnishing; },
         99, "zone 1 (Zone1), wall 2, window 1: record 99 of the table Windowfurnishing does not exist"},
        {"blind", [](HouseModel& m, int z) -> std::int32_t& { return m.WallWindows(z, 2, 1).Shading; }, 0,
         "zone 1 (Zone1), wall 2, window 1: record 0 of the table Windowshading does not exist"},
        {"opening style", [](HouseModel& m, int z) -> std::int32_t& { return m.WallWindows(z, 2, 1).Style; },
         99, "window 1 of wall 2 of zone 1 (Zone1): record 99 of the table Windowstyle does not exist"},
        {"default floor",
         [](HouseModel& m, int) -> std::int32_t& { return m.LevelDefaults(1).DefFloorMaterial; }, 99,
         "the default floor of level 1: record 99 of the table ExtFloormaterial does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::int32_t& record = c.record(*model_, zone_);
        const std::int32_t kept = record;
        record = c.damaged;
        EXPECT_EQ(ScratchErrorOf([&] { WriteScratchFile(*scratch_); }), c.expected);
        EXPECT_EQ(ReadCardLines(root_ / "SCRATCH"), before);
        record = kept;
    }
}

TEST_F(WriterTest, SkylightAzimuthFoldsIntoAWholeCircle) {
    const int z = AddBoxZone(4.0, 4.0);
    model_->Zones(z).SkylightCount = 1;
    struct Case {
        int orientation;
        double northDegrees, azimuth;
    };
    for (const Case c : {Case{0, 0.0, 0.0}, Case{2, 100.0, 350.0}, Case{4, 0.0, 180.0}, Case{1, 45.5, 0.0},
                         Case{7, -30.0, 345.0}}) {
        model_->ZoneSkylights(z, 1).Orientation = c.orientation;
        model_->NorthAngle = c.northDegrees * std::numbers::pi / 180.0;
        SetSkylightAzimuth(*scratch_, z, 1);
        EXPECT_EQ(model_->ZoneSkylights(z, 1).SkyAzimuth, c.azimuth)
            << c.orientation << " " << c.northDegrees;
    }
}

TEST_F(WriterTest, ZoneVolumeTakesTheLengthWeightedWallHeight) {
    const int z = AddBoxZone(5.0, 5.0); // four walls of 5 m, floor 25 m2
    for (int w = 0; w < 4; ++w) model_->Walls(z, w).ExtHeight = 2.4;
    model_->Walls(z, 1).AdjZone = model_->Walls(z, 3).AdjZone = 2; // half the length is partition walls
    model_->Walls(z, 1).PartHeight = model_->Walls(z, 3).PartHeight = 2.7;
    EXPECT_NEAR(ZoneVolume(*scratch_, z), 25.0 * 2.55, 1e-9);
    for (int w = 0; w < 4; ++w) model_->Walls(z, w).Length = 0.0;
    EXPECT_EQ(ZoneVolume(*scratch_, z), 0.0);
}

TEST_F(WriterTest, ProductCodesMatchExactlyAndAMissingOneIsReported) {
    const int z = AddBoxZone(4.0, 4.0);
    const int n = AddWindow(z, 0, 2.0);
    TWindowRec& win = model_->WallWindows(z, 0, n);
    win.ProductCode = "GGG-05-002a";
    ASSERT_TRUE(FindWindowProduct(*scratch_, z, 0, n));
    EXPECT_EQ(scratch_->WriterWindowProduct, 2);
    // Letter case and length count: neither finds a product, and the index stays where it was.
    for (const char* code : {"ggg-05-002a", "GGG-05-002", "GGG-05-002a "}) {
        win.ProductCode = code;
        EXPECT_FALSE(FindWindowProduct(*scratch_, z, 0, n)) << code;
        EXPECT_EQ(scratch_->WriterWindowProduct, 2);
        EXPECT_NE(ScratchErrorOf([&] { RequireWindowProduct(*scratch_, z, 0, n); }), "no error");
    }
    model_->Zones(z).SkylightCount = 1;
    model_->ZoneSkylights(z, 1).ProductCode = "GEN-04-003a";
    ASSERT_TRUE(FindSkylightProduct(*scratch_, z, 1));
    EXPECT_EQ(buffers_.SkylightProductIndex, 3);
    model_->ZoneSkylights(z, 1).ProductCode = "GEN-04-999a";
    EXPECT_EQ(
        ScratchErrorOf([&] { RequireSkylightProduct(*scratch_, z, 1); }),
        "zone 1 (Zone1), skylight 1: the product code \"GEN-04-999a\" is in no entry of the skylight product "
        "library");
}

} // namespace
} // namespace writer_test

namespace writer_test {
namespace {

// The engine's own reader takes the written cards without an illegal field and finds in the project
// and construction cards what the writer meant.
TEST_F(SmallHouse, TheEnginesReaderReadsTheCardsWithoutAnIllegalField) {
    for (const char* file : {"matdata.bin", "Data/Climate/climat16.TXT", "Data/WindowData/VORTwindows.VWG",
                             "Data/WindowData/VORTskylights.VSG"})
        CopyFromProgramFolder(file);
    HouseModel& m = *model_;
    m.ZoneCeilings(zone_).Insulation = 5; // foil on the ceiling: an air-gap material of its own
    m.Zones(zone_).SkylightCount = 1;
    TSkylightRec& sky = m.ZoneSkylights(zone_, 1);
    sky = TSkylightRec{};
    sky.ProductCode = "GEN-04-002a";
    sky.Furnishing = 1;
    WriteScratchFile(*scratch_);

    auto state = std::make_unique<engine::EngineState>();
    std::ostringstream console;
    state->workdir = root_;
    state->console = &console;
    engine::setInputDefaults(*state);
    engine::readMaterialFile(*state);
    std::vector<std::string> illegal;
    for (const std::string& line : ReadCardLines(root_ / "SCRATCH")) {
        if (line.starts_with("C") || line == " 9") continue;
        try {
            const auto result = line.starts_with(" 1")   ? engine::projectCard(*state, line)
                                : line.starts_with(" 2") ? engine::constructionCard(*state, line)
                                                         : engine::zoneDataCard(*state, line);
            ASSERT_EQ(result, engine::CardResult::Next) << line;
        } catch (const engine::IllegalField&) {
            illegal.push_back(line);
        }
    }
    EXPECT_TRUE(illegal.empty()) << illegal.front();
    EXPECT_EQ(console.str(), "");

    EXPECT_NEAR(state->where.xlat, -34.9 * 0.017453292, 1e-6);
    EXPECT_NEAR(state->where.smerid, 142.5, 1e-9);
    EXPECT_NEAR(state->wind41.curtt(1), 0.05, 1e-6);
    EXPECT_NEAR(state->wind41.blindw(1), 0.5, 1e-6);
    EXPECT_NEAR(state->shad.eaveo(2), 0.3, 1e-6);
    // The window section: one 4 mm pane, then the glazing layer; the system's U-value is the glass
    // (5.8316 W/m2K) over 85 % and the frame (9 W/m2K) over 15 %.
    EXPECT_EQ(state->bss.nlay(1), 2);
    EXPECT_EQ(state->bss.matlay(1, 2), 901);
    EXPECT_NEAR(state->wind41.uwin(1), 5.8316 * 0.85 + 9.0 * 0.15, 1e-4);
    // The skylight section: two 3 mm panes and the glazing layer.
    EXPECT_EQ(state->bss.nlay(11), 3);
    EXPECT_EQ(state->bss.matlay(11, 3), 901);
    // The brick veneer: four layers as written.
    EXPECT_EQ(state->bss.nlay(21), 4);
    EXPECT_EQ(state->bss.matlay(21, 3), 209);
    EXPECT_NEAR(state->bss.thklay(21, 3), 143.0, 1e-9);
    // The air-gap material of the foil ceiling and its use in the ceiling section.
    ASSERT_EQ(scratch_->AirGapMaterials.size(), 1u);
    EXPECT_NEAR(state->cr.crp2(801), scratch_->AirGapMaterials[0].Up, 0.005);
    EXPECT_NEAR(state->cr.crp3(801), scratch_->AirGapMaterials[0].Down, 0.005);
    EXPECT_EQ(state->bss.matlay(91, 2), 801);
    EXPECT_EQ(state->bss.isecdef(128), 1);
}

} // namespace
} // namespace writer_test
