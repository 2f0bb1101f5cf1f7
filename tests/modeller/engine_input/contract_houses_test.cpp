// The contract between the card writer and the engine: houses written by WriteScratchFile are read by
// the engine's own input reader.  Every house must read without an illegal field or a stop, every
// section a surface card names must be defined, and every zone a card names must have a zone card.
#include "zone_fixture.h"

#include "simulation_fixture.h"

#include "common/file_lookup.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"
#include "modeller/editors/ceiling_editor.h"
#include "modeller/editors/door_editor.h"
#include "modeller/editors/ext_floor_editor.h"
#include "modeller/editors/ext_wall_editor.h"
#include "modeller/editors/int_ceiling_editor.h"
#include "modeller/editors/int_wall_editor.h"
#include "modeller/editors/roof_editor.h"
#include "modeller/engine_input/construction_sections.h"
#include "modeller/engine_input/layer_texts.h"
#include "modeller/engine_input/scratch_writer.h"
#include "modeller/model/product_libraries.h"
#include "modeller/model/roof_geometry.h"
#include "modeller/platform/message_service.h"
#include "tests/modeller/model/roof_solid.h"

#include <unistd.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <sstream>
#include <utility>

namespace zone_test {
namespace {

using namespace pelmora;

constexpr const char* kWindowCode = "GGG-05-001a";
constexpr const char* kSkylightCode = "GEN-04-001a";

class ContractHouses : public ZoneWriterTest {
  protected:
    void SetUp() override {
        ZoneWriterTest::SetUp();
        // A short program folder: the engine reads each path as a field of 120 characters.
        folder_ = std::filesystem::path("/tmp") /
                  ("zc_" + std::to_string(::getpid()) + "_" + std::to_string(++counter_));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "temperature");
        for (const char* name :
             {"matdata.bin", "BESTFIT.DAT", "Data/Climate/climat21.TXT", "Data/WindowData/VORTwindows.VWG",
              "Data/WindowData/VORTskylights.VSG", "Data/WindowData/VORTwindows.txt",
              "Data/WindowData/VORTskylights.txt", "Data/Occupant/OCCUP21.DAT"}) {
            const auto found = common::findCaseInsensitive(PROGRAM_FOLDER, name);
            ASSERT_TRUE(found) << name << " is not in the program folder";
            std::filesystem::create_directories((folder_ / name).parent_path());
            std::filesystem::copy_file(*found, folder_ / name);
        }
        HouseModel& m = *model_;
        m.RootDir = folder_.string();
        m.ClimateFileName = "climat21.TXT";
        m.ClimateZone = 21;
        m.Latitude = -37.8;
        m.Longitude = 145.0;
        m.Postcode = 3000;
        m.ProjectName = "Contract";
        m.RunNumber = 1;
        TLevelDefaultRec& level = m.LevelDefaults(1);
        level.DefExtMaterial = 1;
        level.DefExtInsulation = 1;
        level.DefExtColour = 0x808080;
        ReadWindowLibrary(m);
        ReadSkylightLibrary(m);
        scratch_->Today = [] { return std::string("10/12/2026"); };
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        ZoneWriterTest::TearDown();
    }

    int addContractZone(double left, double top, double x, double y, int level = 1, std::string name = "") {
        const int z = addZone(left, top, x, y, level, std::move(name));
        model_->Zones(z).Heated = model_->Zones(z).Cooled = true;
        return z;
    }

    TWindowRec& addContractWindow(int zone, int wall, double width, double height, int style = 1) {
        const int i = model_->AddWindow(zone, wall).index;
        TWindowRec& win = model_->WallWindows(zone, wall, i);
        win = TWindowRec{};
        win.Width = width;
        win.Height = height;
        win.ElementArea = width * height;
        win.HeadHeight = 2.1;
        win.Position = model_->Walls(zone, wall).Length / 2.0;
        win.Azimuth = model_->Walls(zone, wall).Azimuth;
        win.Style = style;
        win.Shading = 1;
        win.Furnishing = 1;
        win.ProductCode = kWindowCode;
        for (int m = 1; m <= 12; ++m) win.MonthlyShading(m) = 100;
        return win;
    }

    // Writes the card file with the card writer, runs the engine's input phase on it and checks the
    // contract.
    void expectEngineReadsTheHouse() {
        WriteScratchFile(*scratch_);
        auto state = std::make_unique<engine::EngineState>();
        std::ostringstream console;
        state->workdir = folder_;
        state->console = &console;
        ASSERT_EQ(engine::runEngine(*state), 0) << console.str();
        EXPECT_EQ(console.str().find("ERROR"), std::string::npos) << console.str();

        const engine::EngineState& s = *state;
        std::map<std::pair<int, int>, double> coupled; // m2 of the surfaces of zone z to zone a
        const int zoneCount =
            model_->ZoneCount + model_->FloorSpacePseudoCount + 3 * model_->RoofSpaceGroupCount;
        EXPECT_EQ(s.zones.nzones, zoneCount);
        for (int z = 1; z <= s.zones.nzones; ++z) {
            EXPECT_FALSE(s.names.ztype(z).empty()) << "zone " << z << " has no zone card";
            EXPECT_GT(s.blank.npath(z), 0) << "zone " << z << " has no surface card";
            for (int p = 1; p <= s.blank.npath(z); ++p) {
                const int section = s.bss.isectp(z, p);
                EXPECT_EQ(s.bss.isecdef(section), 1)
                    << "zone " << z << " path " << p << " section " << section;
                const int adjacent = s.bss.iadjp(z, p);
                if (adjacent == 0) continue;
                EXPECT_TRUE(adjacent <= s.zones.nzones && !s.names.ztype(adjacent).empty())
                    << "zone " << z << " path " << p << " names zone " << adjacent;
                coupled[{z, adjacent}] += s.bss.patharea(z, p);
            }
        }
        // Each coupling is seen from both sides with the same area (to the card's two decimals).
        for (const auto& [pair, area] : coupled) {
            const auto back = coupled.find({pair.second, pair.first});
            ASSERT_NE(back, coupled.end())
                << "zone " << pair.second << " has no surface to zone " << pair.first;
            EXPECT_NEAR(back->second, area, 0.02) << "zones " << pair.first << " and " << pair.second;
        }
        engine_ = std::move(state);
    }

    // The floor of `zone` as the external floor editor stores it: the construction, insulation,
    // ventilation and height chosen, and the zones `sharing` ticked in its share rows.
    void storeFloor(int zone, int material, int insulation, int ventilation, const std::string& height,
                    const std::vector<int>& sharing) {
        PlanSelection selection;
        selection.CurrentZone = zone;
        platform::ScriptedMessageService messages;
        EditorContext context(*model_, *tables_, buffers_, selection, messages);
        ExtFloorEditor editor(context);
        editor.FormShow();
        editor.materialstable.MoveTo(material);
        editor.insulationtable.MoveTo(insulation);
        editor.ExtFloorVent.SetItemIndex(ventilation);
        editor.HEdit.SetText(height);
        for (std::size_t k = 0; k < editor.SharedZoneRows.size(); ++k)
            for (int other : sharing)
                if (editor.SharedZoneRows[k].Zone == other) editor.CheckBoxClick(k, true);
        EXPECT_TRUE(editor.OKSBClick());
        editor.FormClose();
        EXPECT_TRUE(messages.shown.empty());
        // The editor closes its tables; the writer's tests keep them open.
        OpenMaterialTables(*tables_);
    }

    std::filesystem::path folder_;
    static inline int counter_ = 0;
    // The engine's state after the last house it read.
    std::unique_ptr<engine::EngineState> engine_;
};

TEST_F(ContractHouses, OneZone) {
    const int z = addContractZone(0, 0, 8, 6, 1, "Living");
    addContractWindow(z, 0, 2.0, 1.5);
    const int d = model_->AddDoor(z, 2).index;
    model_->WallDoors(z, 2, d) = TDoorRec{0.0, 0.9, 2.0, 1.8, 180.0, 0.0, 0.0, {}, 1};
    expectEngineReadsTheHouse();
}

TEST_F(ContractHouses, TwoLevelsWithAStairwell) {
    const int lower = addContractZone(0, 0, 8, 6, 1, "Family");
    const int upper = addContractZone(0, 0, 8, 6, 2, "Bed 1");
    model_->Zones(upper).ZoneType = 2;
    model_->CommonFloorArea(lower, upper) = model_->CommonFloorArea(upper, lower) = 48.0;
    model_->AddStairDown(upper);
    model_->StairsDown(upper, 1) = TStairRec{2500.0, 1000.0, lower, 1};
    model_->AddStairUp(lower);
    model_->StairsUp(lower, 1) = TStairRec{2500.0, 1000.0, upper, 1};
    model_->VoidArea(lower, upper) = model_->VoidArea(upper, lower) = 2.5;
    expectEngineReadsTheHouse();
}

TEST_F(ContractHouses, ARoofSpaceSharedByThreeZones) {
    const int a = addContractZone(0, 0, 4, 8), b = addContractZone(4, 0, 3, 8),
              c = addContractZone(7, 0, 3, 8);
    joinWalls(a, 1, b, 3);
    joinWalls(b, 1, c, 3);
    shareFloor({a, b, c});
    shareCeiling({a, b, c});
    for (int z : {a, b, c}) {
        model_->ZoneRoofs(z).Slope = 30.0;
        model_->ZoneRoofs(z).RoofShape = 1;
    }
    expectEngineReadsTheHouse();
    EXPECT_EQ(model_->RoofSpaceGroupCount, 1);
}

TEST_F(ContractHouses, EveryRoofShapeReachesTheEngineWithTheVolumeOfItsRoofSpace) {
    // One 10 m x 8 m zone at 30 degrees: the roof space is zone 3, after the zone and its slab.
    const int z = addContractZone(0, 0, 10, 8);
    const double t = std::tan(std::numbers::pi / 6.0);
    const struct {
        int shape;
        double volume; // m3
    } shapes[] = {
        {0, 80.0 * 8.0 * t / 4.0 - 512.0 * t / 12.0},                           // hip: 67.7
        {1, roof_solid::SolidVolume(RoofShapeKind::HipAndGable, 10.0, 8.0, t)}, // the solid: 76.5
        {2, 80.0 * 8.0 * t / 4.0},                                              // gable: 92.4
        {3, 80.0 * 8.0 * t / 2.0},                                              // skillion
    };
    for (const auto& s : shapes) {
        model_->ZoneRoofs(z).Slope = 30.0;
        model_->ZoneRoofs(z).RoofShape = s.shape;
        expectEngineReadsTheHouse();
        ASSERT_TRUE(engine_) << s.shape;
        ASSERT_EQ(engine_->zones.nzones, 5);
        EXPECT_NEAR(engine_->zones.zvol(3), s.volume, 0.05) << "shape " << s.shape;
    }
}

TEST_F(ContractHouses, ASuspendedFloorOverAnEnclosedSubfloor) {
    const int a = addContractZone(0, 0, 6, 5), b = addContractZone(6, 0, 4, 5);
    joinWalls(a, 1, b, 3);
    shareFloor({a, b});
    for (int z : {a, b}) {
        TExtFloorRec& floor = model_->ZoneExtFloors(z);
        floor.Material = 2;
        floor.FloorVentilation = 2;
        floor.FloorVentArea = 2;
        floor.UnderFloorHeight = 450.0;
        floor.Insulation = 3; // a foil under the floor
    }
    expectEngineReadsTheHouse();
    EXPECT_EQ(model_->FloorSpacePseudoCount, 3);
}

// Floors stored by the external floor editor: two zones on one slab, and two zones sharing an
// enclosed subfloor under a suspended floor with foil under it.
TEST_F(ContractHouses, ASlabAndASuspendedFloorStoredByTheFloorEditor) {
    const int a = addContractZone(0, 0, 5, 4), b = addContractZone(5, 0, 4, 4);
    const int c = addContractZone(0, 4, 5, 4), d = addContractZone(5, 4, 4, 4);
    joinWalls(a, 1, b, 3);
    joinWalls(c, 1, d, 3);
    joinWalls(a, 2, c, 0);
    joinWalls(b, 2, d, 0);
    storeFloor(a, 1, 5, 2, "600", {b});
    storeFloor(c, 2, 3, 2, "450", {d});
    ASSERT_EQ(model_->ZoneExtFloors(b).SharedZones(1), a);
    ASSERT_EQ(model_->ZoneExtFloors(d).UnderFloorHeight, 450.0);
    ASSERT_EQ(model_->ZoneExtFloors(d).Material, 1); // d keeps its own construction until edited
    storeFloor(d, 2, 3, 2, "450", {c});
    expectEngineReadsTheHouse();
    // One under-slab zone, and three zones for the subfloor.
    EXPECT_EQ(model_->FloorSpaceGroupCount, 2);
    EXPECT_EQ(model_->FloorSpacePseudoCount, 4);
}

// A bedroom of 8 m x 5 m over a family room of 6 m x 5 m overhangs it by 10 m2.  Whatever its floor
// record says (a slab on ground from a level default that offered one, or a suspended floor stored
// "Open" or "Enclosed"), the overhang has outside air under it: the engine gets one floor path of
// 10 m2 to outdoors, no ground and no space under the bedroom, and the path conducts as the floor's
// own layer between the films of a floor over open space (0.05 outside, 0.109 inside): 100 mm of
// dense concrete (k 1.40) gives U = 1 / (0.05 + 0.1 / 1.40 + 0.109) = 4.340 W/m2K, 868 W at 20 K over
// 10 m2; 19 mm of hardwood (k 0.18) 3.780 W/m2K, 756 W; 19 mm of particleboard (k 0.14) 3.393 W/m2K,
// 679 W.  The family room keeps its slab on the ground.
TEST_F(ContractHouses, AnUpperFloorOverhangingTheLevelBelowHasOutsideAirUnderIt) {
    struct Case {
        const char* what;
        int material;    // record of ExtFloormaterial
        int ventilation; // 1 Open, 2 Enclosed
        double layerR;   // m2K/W, the floor's one layer
        double watts;    // W through 10 m2 at 20 K, worked from U by hand
    };
    const Case cases[] = {
        {"slab on ground record, enclosed", 1, 2, 0.1 / 1.40, 868.0},
        {"suspended concrete, open", 4, 1, 0.1 / 1.40, 868.0},
        {"suspended concrete, enclosed", 4, 2, 0.1 / 1.40, 868.0},
        {"suspended timber, open", 2, 1, 0.019 / 0.18, 756.0},
        {"suspended timber, enclosed", 2, 2, 0.019 / 0.18, 756.0},
        {"suspended particleboard, enclosed", 3, 2, 0.019 / 0.14, 679.0},
    };
    const int lower = addContractZone(0, 0, 6, 5, 1, "Family");
    const int upper = addContractZone(0, 0, 8, 5, 2, "Bed 1");
    model_->CommonFloorArea(lower, upper) = model_->CommonFloorArea(upper, lower) = 30.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TExtFloorRec& floor = model_->ZoneExtFloors(upper);
        floor.Material = c.material;
        floor.FloorVentilation = c.ventilation;
        floor.UnderFloorHeight = 600.0;
        const TExtFloorRec stored = floor;
        expectEngineReadsTheHouse();
        ASSERT_TRUE(engine_);
        const engine::EngineState& s = *engine_;
        constexpr int kEarth = 902; // the earth's material code in matdata.bin

        int floorsToOutdoors = 0;
        for (int p = 1; p <= s.blank.npath(upper); ++p) {
            const int section = s.bss.isectp(upper, p);
            EXPECT_FALSE(section >= 51 && section <= 60) << "the bedroom's floor faces a space under it";
            if (section < 41 || section > 50) continue;
            ++floorsToOutdoors;
            EXPECT_EQ(s.bss.iadjp(upper, p), 0);
            EXPECT_NEAR(s.bss.patharea(upper, p), 10.0, 0.005);
            for (int k = 1; k <= s.bss.nlay(section); ++k) EXPECT_NE(s.bss.matlay(section, k), kEarth);
            const double u = 1.0 / (0.05 + c.layerR + 0.109); // W/m2K
            EXPECT_NEAR(s.bss.usec(section), u, 1e-3);
            EXPECT_NEAR(s.bss.usec(section) * s.bss.patharea(upper, p) * 20.0, c.watts, 0.5); // W
        }
        EXPECT_EQ(floorsToOutdoors, 1);
        // No space sees the bedroom's floor from below, and the only ground is under the family room.
        double earth = 0.0; // m2
        for (int z = 1; z <= s.zones.nzones; ++z) {
            for (int p = 1; p <= s.blank.npath(z); ++p) {
                const int section = s.bss.isectp(z, p);
                if (section == 50) earth += s.bss.patharea(z, p);
                if (section >= 81 && section <= 90) {
                    EXPECT_NE(s.bss.iadjp(z, p), upper) << "zone " << z;
                }
            }
        }
        EXPECT_NEAR(earth, 30.0, 0.005);
        EXPECT_EQ(model_->FloorSpacePseudoCount, 1);
        EXPECT_EQ(model_->ZoneExtFloors(upper), stored); // the house keeps its record
    }
}

// A house on stumps: both rooms stand on suspended floors with outside air under them ("Very Open"),
// so nothing rests on the earth.  The card file defines no earth section, the engine asks no ground
// model for a slab, and the year runs; each floor is one path of its whole area to outdoors.
TEST_F(ContractHouses, AHouseOnStumpsHasNoEarthAndRunsTheYear) {
    const int living = addContractZone(0, 0, 6, 5, 1, "Living");
    const int bed = addContractZone(6, 0, 4, 5, 1, "Bed");
    joinWalls(living, 1, bed, 3);
    for (const int material : {2, 3, 4}) { // suspended timber, particleboard, concrete
        SCOPED_TRACE("floor record " + std::to_string(material));
        for (const int z : {living, bed}) {
            model_->ZoneExtFloors(z).Material = material;
            model_->ZoneExtFloors(z).FloorVentilation = 0;
        }
        expectEngineReadsTheHouse();
        ASSERT_TRUE(engine_);
        const engine::EngineState& s = *engine_;
        EXPECT_EQ(s.bss.isecdef(50), 0) << "the earth section is defined";
        EXPECT_EQ(model_->FloorSpaceGroupCount, 0);
        for (const int z : {living, bed}) {
            double toOutdoors = 0.0; // m2
            for (int p = 1; p <= s.blank.npath(z); ++p) {
                const int section = s.bss.isectp(z, p);
                if (section >= 41 && section <= 50 && s.bss.iadjp(z, p) == 0)
                    toOutdoors += s.bss.patharea(z, p);
            }
            EXPECT_NEAR(toOutdoors, model_->Zones(z).FloorArea, 0.005) << "zone " << z;
        }
    }
}

// The added bulk R of a layer is written to the whole millimetre of material 209 (resistivity
// 17.54 m K/W): within 0.5 mm x 17.54 / 1000 = 0.0088 m2K/W of the R entered.
constexpr double kBulkRoundingR = 0.0088 + 1e-4; // m2K/W, with the material file's single precision

// Weatherboards on timber studs lined with plasterboard, the stud cavity's non-reflective 40 mm gap
// and bulk insulation entered as R 1.0 and R 2.5, round an 8 m x 6 m room with walls 2.4 m high.
// Every wall reaches the engine as the steady film network of its layers: outside film 0.05, 19 mm
// of softwood at 0.13 W/mK, the gap 0.163, the R entered, 10 mm of plasterboard at 0.25 W/mK and the
// inside film 0.109; the 67.2 m2 of wall then lose U A 20 K.
TEST_F(ContractHouses, AnAddedRReachesTheEngineAsEntered) {
    const int z = addContractZone(0, 0, 8, 6, 1, "Living");
    for (const double entered : {1.0, 2.5}) {
        SCOPED_TRACE(entered);
        for (int w = 0; w < 4; ++w) {
            TWallRec& wall = model_->Walls(z, w);
            wall.ExtMaterial = 2;   // weatherboard on timber frame
            wall.ExtInsulation = 2; // bulk insulation, R entered
            wall.ExtThickness = 19.0;
            wall.ExtAddedR = entered;
        }
        expectEngineReadsTheHouse();
        ASSERT_TRUE(engine_);
        const engine::EngineState& s = *engine_;
        const double r = 0.05 + 0.019 / 0.13 + 0.163 + entered + 0.010 / 0.25 + 0.109; // m2K/W
        double area = 0.0;                                                             // m2
        double loss = 0.0;                                                             // W at 20 K
        for (int p = 1; p <= s.blank.npath(z); ++p) {
            const int section = s.bss.isectp(z, p);
            if (section < 21 || section > 30) continue;
            EXPECT_NEAR(1.0 / s.bss.usec(section), r, kBulkRoundingR) << "section " << section;
            area += s.bss.patharea(z, p);
            loss += s.bss.usec(section) * s.bss.patharea(z, p) * 20.0;
        }
        EXPECT_NEAR(area, 28.0 * 2.4, 0.01);
        EXPECT_NEAR(loss, 67.2 * 20.0 / r, 67.2 * 20.0 * kBulkRoundingR / (r * r));
    }
}

// A family room of 8 m x 6 m under two bedrooms of 4 m x 6 m, one carpeted (15 mm of carpet and
// underlay at 0.06 W/mK: R 0.25), one bare.  The floor between the levels is 19 mm hardwood boards
// at 0.18 W/mK on joists with a 10 mm plasterboard ceiling at 0.25 W/mK and nothing in the 90 mm
// joist space, whose fixed resistances (0.149 up, 0.192 down) a layer takes as 2ab / (a + b) =
// 0.1678.  Seen from either room, each floor is that network between two inside films of 0.109, the
// carpet on the floor side where it lies: U = 1 / 0.7813 = 1.280 under the carpet, 1 / 0.5313 =
// 1.882 under the bare boards.
TEST_F(ContractHouses, AFloorBetweenLevelsCarriesTheCoveringOfTheRoomAbove) {
    const int lower = addContractZone(0, 0, 8, 6, 1, "Family");
    const int carpeted = addContractZone(0, 0, 4, 6, 2, "Bed 1");
    const int bare = addContractZone(4, 0, 4, 6, 2, "Bed 2");
    joinWalls(carpeted, 1, bare, 3);
    for (int upper : {carpeted, bare})
        model_->CommonFloorArea(lower, upper) = model_->CommonFloorArea(upper, lower) = 24.0;
    model_->ZoneIntCeilings(lower) = TIntCeilingRec{1, 1, 0.0}; // timber floor, plasterboard ceiling
    model_->ZoneFloorCovers(carpeted).FloorCovering = 2;        // carpet and underlay
    model_->ZoneFloorCovers(bare).FloorCovering = 1;            // no covering
    expectEngineReadsTheHouse();
    ASSERT_TRUE(engine_);
    const engine::EngineState& s = *engine_;
    const double boards = 0.109 + 0.019 / 0.18 + 2 * 0.149 * 0.192 / (0.149 + 0.192) + 0.010 / 0.25 + 0.109;
    const std::map<int, double> expected{{carpeted, boards + 0.25}, {bare, boards}}; // m2K/W
    int seen = 0;
    for (int z : {lower, carpeted, bare}) {
        for (int p = 1; p <= s.blank.npath(z); ++p) {
            const int section = s.bss.isectp(z, p);
            const int other = s.bss.iadjp(z, p);
            const bool ceilingBelow = z == lower && section >= 101 && section <= 110;
            const bool floorAbove = z != lower && section >= 71 && section <= 80;
            if (!ceilingBelow && !floorAbove) continue;
            ++seen;
            const double r = expected.at(ceilingBelow ? other : z);
            EXPECT_NEAR(1.0 / s.bss.usec(section), r, kBulkRoundingR)
                << "zone " << z << " section " << section;
            EXPECT_NEAR(s.bss.patharea(z, p), 24.0, 0.01);
        }
    }
    EXPECT_EQ(seen, 4);
}

TEST_F(ContractHouses, EveryOpeningAndControlKind) {
    const int living = addContractZone(0, 0, 6, 5, 1, "Living");
    const int kitchen = addContractZone(6, 0, 4, 5, 1, "Kitchen");
    const int bed = addContractZone(0, 5, 6, 4, 1, "Bed");
    const int garage = addContractZone(6, 5, 4, 4, 1, "Garage");
    model_->Zones(kitchen).ZoneType = 1;
    model_->Zones(bed).ZoneType = 2;
    model_->Zones(garage).ZoneType = 5;
    model_->Zones(garage).Cooled = false;
    model_->Zones(bed).Heated = false;
    joinWalls(living, 1, kitchen, 3);
    model_->Zones(living).InsectScreens = true;
    model_->Zones(living).CeilingFanCount = 2;
    model_->Zones(living).FanDiameter = 1200.0;
    model_->Zones(living).DraughtSeals = true;
    model_->Zones(living).VentCount = 1;
    model_->Zones(living).UnsealedChimney = true;
    // Windows of several styles, an external door, and a door between living and kitchen.
    for (int style : {1, 3, 5}) addContractWindow(living, 0, 1.2, 1.2, style);
    TWindowRec& shaded = addContractWindow(kitchen, 0, 1.0, 1.0);
    shaded.Shading = 2; // a monthly schedule
    shaded.MonthlyShading(1) = 40;
    shaded.Furnishing = 4;
    shaded.EavesDepth = 0.6;
    addContractWindow(bed, 2, 1.5, 1.2).Shading = 3; // an outdoor blind
    const int d = model_->AddDoor(living, 3).index;
    model_->WallDoors(living, 3, d) = TDoorRec{0.0, 0.9, 2.0, 1.8, 270.0, 0.0, 0.0, {}, 1};
    const int inner = model_->AddDoor(living, 1).index;
    model_->WallDoors(living, 1, inner) = TDoorRec{0.0, 0.8, 2.0, 1.6, 90.0, 0.0, 0.0, {}, 2};
    const int mirrored = model_->AddInterzoneDoor(kitchen, 3).index;
    model_->InterzoneDoors(kitchen, 3, mirrored) = TInterzoneDoorRec{0.8, 2.0, 1.6, {}, 2};
    // A skylight and a clerestory window in the kitchen, a roof without roof space on the garage,
    // a wall to the neighbour and an internal wall in the bedroom.
    const int s = model_->AddSkylight(kitchen).index;
    TSkylightRec& sky = model_->ZoneSkylights(kitchen, s);
    sky = TSkylightRec{};
    sky.Width = 600.0;
    sky.Height = 1000.0;
    sky.Slope = 22.0;
    sky.ShaftLength = 400;
    sky.ShaftReflectance = 80;
    sky.Furnishing = 1;
    sky.ProductCode = kSkylightCode;
    sky.WindowCode = kWindowCode;
    const int c = model_->AddSkylight(kitchen).index;
    model_->ZoneSkylights(kitchen, c) = sky;
    model_->ZoneSkylights(kitchen, c).Clerestory = true;
    model_->ZoneSkylights(kitchen, c).ClereWallWidth = 2000.0;
    model_->ZoneSkylights(kitchen, c).ClereWallHeight = 1000.0;
    model_->ZoneCeilings(garage).RoofSpace = 3;
    model_->ZoneRoofs(garage).RoofSpace = 3;
    model_->Walls(garage, 1).Beyond = 2;
    const int iw = model_->AddIntWall(bed).index;
    model_->ZoneIntWalls(bed, iw).IntWallLength = 3.0;
    model_->ZoneIntWalls(bed, iw).Height = 2.4;
    model_->ZoneIntWalls(bed, iw).Material = 2;
    model_->ZoneIntWalls(bed, iw).Thickness = 10.0; // plasterboard leaves of 10 mm
    model_->ZoneIntWalls(bed, iw).Insulation = 1;
    expectEngineReadsTheHouse();
}

// Rooms apart from each other, each on a slab and under a roof space of its own, take five zones in
// the engine: 30 of them fill its 150 zones and the engine reads the card file; a 31st would need 155,
// and the writer refuses it before anything is written, saying so.
TEST_F(ContractHouses, AHouseNeedingMoreZonesThanTheEngineHoldsIsRefusedByTheWriter) {
    for (int room = 0; room < 30; ++room) addContractZone(4.0 * (room % 6), 4.0 * (room / 6), 3.0, 3.0);
    WriteScratchFile(*scratch_);
    auto state = std::make_unique<engine::EngineState>();
    std::ostringstream console;
    state->workdir = folder_;
    state->console = &console;
    ASSERT_EQ(engine::runInput(*state), 0) << console.str();
    EXPECT_EQ(state->zones.nzones, 150);
    const std::string written = simulation_test::readFile(folder_ / "SCRATCH");

    addContractZone(0.0, 24.0, 3.0, 3.0);
    try {
        WriteScratchFile(*scratch_);
        ADD_FAILURE() << "the writer took a house of 155 engine zones";
    } catch (const ScratchError& e) {
        EXPECT_NE(std::string(e.what()).find("The house needs 155 zones in the simulation engine"),
                  std::string::npos)
            << e.what();
        EXPECT_NE(std::string(e.what()).find("the engine holds at most 150"), std::string::npos) << e.what();
    }
    EXPECT_EQ(simulation_test::readFile(folder_ / "SCRATCH"), written) << "the card file was left as it was";
}

// ---- The R an editor shows is the R simulated -------------------------------------------------------

// The resistances (m2K/W) of a layer text for heat flowing up and down, from the engine's material
// table as the engine read it (the shipped material file and the card file's material change cards):
// a conducting layer counts its resistivity times its thickness, a fixed layer its two resistances;
// "no layer" and earth count nothing.
struct UpDown {
    double up = 0.0;
    double down = 0.0;
};
UpDown LayersR(const engine::EngineState& s, const std::string& layers) {
    UpDown r;
    for (std::size_t i = 0; i + 7 <= layers.size(); i += 7) {
        const int m = std::stoi(layers.substr(i, 3));
        const double t = std::stod(layers.substr(i + 3, 4)); // mm
        if (m >= 999 || m == 902) continue;
        const double scale = s.cr.icond(m) == 1 ? t / 1000.0 : 1.0;
        r.up += s.cr.crp2(m) * scale;
        r.down += s.cr.crp3(m) * scale;
    }
    return r;
}

// The value of an R label ("Rt  1.23").
double LabelValue(const std::string& label) {
    return std::stod(label.substr(label.find_last_of(' ') + 1));
}

// A living room of 8 m x 6 m with a garage beside it and a bedroom over it, each element set as a
// user sets it in its editor.  For every element and option the editor's total R, for heat flowing up
// and down where it shows both, equals the R of the layers the card writer gives the engine, worked
// from the engine's material table.  The labels show two decimals, an entered R is written to the
// whole millimetre (0.0088) and an air-gap material's card to two decimals: within 0.02 m2K/W.
TEST_F(ContractHouses, EveryEditorShowsTheRThatIsSimulated) {
    const int living = addContractZone(0, 0, 8, 6, 1, "Living");
    const int garage = addContractZone(8, 0, 4, 6, 1, "Garage");
    const int bed = addContractZone(0, 0, 8, 6, 2, "Bed");
    model_->Zones(garage).ZoneType = 5;
    joinWalls(living, 1, garage, 3);
    model_->CommonFloorArea(living, bed) = model_->CommonFloorArea(bed, living) = 48.0;
    model_->ZoneFloorCovers(bed).FloorCovering = 1; // the floor covering editor shows its own R
    const int door = model_->AddDoor(living, 2).index;
    model_->WallDoors(living, 2, door) = TDoorRec{4.0, 0.82, 2.04, 0.82 * 2.04, 180.0, 0.0, 0.0, {}, 1};
    const int intWall = model_->AddIntWall(living).index;
    model_->ZoneIntWalls(living, intWall).IntWallLength = 3.0;
    model_->ZoneIntWalls(living, intWall).Height = 2.4;
    model_->ZoneIntWalls(living, intWall).Material = 2;
    model_->ZoneIntWalls(living, intWall).Insulation = 1;
    model_->ZoneIntWalls(living, intWall).Thickness = 10.0;

    PlanSelection selection;
    platform::ScriptedMessageService messages;
    EditorContext context(*model_, *tables_, buffers_, selection, messages);
    context.main.InsertDoorDown = [] { return false; };
    context.main.InsertWindowDown = [] { return false; };
    // Shows the editor on the element the selection names, and takes its R labels.
    auto shown = [&](auto& editor, auto labels) {
        editor.FormShow();
        const UpDown r = labels(editor);
        editor.FormClose();
        OpenMaterialTables(*tables_); // the editor closes its tables; the writer's tests keep them open
        return r;
    };
    auto one = [](const std::string& label) { return UpDown{LabelValue(label), LabelValue(label)}; };
    auto upDown = [](const std::string& up, const std::string& down) {
        return UpDown{LabelValue(up), LabelValue(down)};
    };

    struct Case {
        std::string what;
        std::function<void()> set;           // the element as the user leaves it
        std::function<UpDown()> editor;      // the R its editor shows
        std::function<std::string()> layers; // the layer text the writer gives the engine
    };
    auto extWall = [&](int material, int insulation, double thickness, double addedR) {
        return [=, this] {
            for (int w : {0, 2, 3}) {
                TWallRec& wall = model_->Walls(living, w);
                wall.ExtMaterial = material;
                wall.ExtInsulation = insulation;
                wall.ExtThickness = thickness;
                wall.ExtAddedR = addedR;
            }
        };
    };
    auto extWallShown = [&] {
        selection.CurrentZone = living;
        selection.CurrentWall = 0;
        selection.IntWallMode = false;
        ExtWallEditor editor(context);
        return shown(editor, [&](ExtWallEditor& e) { return one(e.RTotLabel); });
    };
    auto extWallLayers = [&] {
        PositionExtWall(*scratch_, living, 0);
        BuildExtWall(*scratch_);
        return scratch_->CurrentLayers;
    };
    auto intWallOf = [&](int material, int insulation, double thickness, double addedR) {
        return [=, this] {
            TIntWallRec& wall = model_->ZoneIntWalls(living, intWall);
            wall.Material = material;
            wall.Insulation = insulation;
            wall.Thickness = thickness;
            wall.AddedR = addedR;
        };
    };
    auto intWallShown = [&] {
        selection.CurrentZone = living;
        selection.CurrentWall = intWall;
        selection.IntWallMode = true;
        selection.NewIntWall = false;
        IntWallEditor editor(context);
        return shown(editor, [&](IntWallEditor& e) { return one(e.RTotLabel); });
    };
    auto intWallLayers = [&] {
        PositionIntWall(*scratch_, living, intWall);
        BuildIntWall(*scratch_);
        return scratch_->CurrentLayers;
    };
    auto partition = [&](int material, double thickness) {
        return [=, this] {
            for (auto [z, w] : {std::pair{living, 1}, std::pair{garage, 3}}) {
                TWallRec& wall = model_->Walls(z, w);
                wall.PartMaterial = material;
                wall.PartInsulation = 1;
                wall.PartThickness = thickness;
            }
        };
    };
    auto partitionShown = [&] {
        selection.CurrentZone = living;
        selection.CurrentWall = 1;
        selection.OtherZone = garage;
        selection.OtherWall = 3;
        selection.IntWallMode = false;
        IntWallEditor editor(context);
        return shown(editor, [&](IntWallEditor& e) { return one(e.RTotLabel); });
    };
    auto partitionLayers = [&] {
        PositionPartitionWall(*scratch_, living, 1);
        BuildIntWall(*scratch_);
        return scratch_->CurrentLayers;
    };
    auto doorOf = [&](int material) {
        return [=, this] { model_->WallDoors(living, 2, door).Material = material; };
    };
    auto doorShown = [&] {
        selection.CurrentZone = living;
        selection.CurrentWall = 2;
        selection.CurrentDoor = door;
        DoorEditor editor(context);
        return shown(editor, [&](DoorEditor& e) { return one(e.RTotLabel); });
    };
    auto doorLayers = [&] {
        PositionDoor(*scratch_, living, 2, door);
        BuildDoor(*scratch_);
        return scratch_->CurrentLayers;
    };
    auto floorOf = [&](int material, int insulation, double addedR, int covering) {
        return [=, this] {
            TExtFloorRec& floor = model_->ZoneExtFloors(living);
            floor.Material = material;
            floor.Insulation = insulation;
            floor.AddedR = addedR;
            floor.FloorCovering = covering;
            floor.UnderFloorHeight = 450.0;
        };
    };
    auto floorShown = [&] {
        selection.CurrentZone = living;
        ExtFloorEditor editor(context);
        return shown(editor, [&](ExtFloorEditor& e) { return upDown(e.RTotUpLabel, e.RTotDnLabel); });
    };
    auto floorLayers = [&] {
        PositionExtFloor(*scratch_, living);
        BuildExtFloor(*scratch_);
        return scratch_->CurrentLayers;
    };
    auto roofOf = [&](int roofSpace, int material, int insulation, double addedR) {
        return [=, this] {
            TRoofRec& roof = model_->ZoneRoofs(bed);
            roof.RoofSpace = roofSpace;
            roof.Material = material;
            roof.Insulation = insulation;
            roof.AddedR = addedR;
            roof.Slope = 22.5;
            model_->ZoneCeilings(bed).RoofSpace = roofSpace;
            model_->ZoneCeilings(bed).Slope = 22.5;
        };
    };
    auto roofShown = [&] {
        selection.CurrentZone = bed;
        RoofEditor editor(context);
        return shown(editor, [&](RoofEditor& e) { return upDown(e.RTotUpLabel, e.RTotDnLabel); });
    };
    auto ceilingShown = [&] {
        selection.CurrentZone = bed;
        CeilingEditor editor(context);
        return shown(editor, [&](CeilingEditor& e) { return upDown(e.RTotUpLabel, e.RTotDnLabel); });
    };
    // A roof without a roof space is one construction with its ceiling: both editors' R together.
    auto roofAndCeilingShown = [&] {
        const UpDown roof = roofShown();
        const UpDown ceiling = ceilingShown();
        return UpDown{roof.up + ceiling.up, roof.down + ceiling.down};
    };
    auto roofLayers = [&] {
        PositionRoof(*scratch_, bed);
        if (scratch_->WriterRoofSpace == 3)
            BuildRoofWithCeiling(*scratch_, bed);
        else
            BuildRoof(*scratch_);
        return scratch_->CurrentLayers;
    };
    auto ceilingOf = [&](int material, int insulation, double addedR) {
        return [=, this] {
            TCeilingRec& ceiling = model_->ZoneCeilings(bed);
            ceiling.RoofSpace = 0;
            ceiling.Material = material;
            ceiling.Insulation = insulation;
            ceiling.AddedR = addedR;
            ceiling.Slope = 22.5;
            model_->ZoneRoofs(bed).RoofSpace = 0;
        };
    };
    auto ceilingLayers = [&] {
        PositionCeiling(*scratch_, bed);
        BuildCeiling(*scratch_);
        return scratch_->CurrentLayers;
    };
    auto betweenOf = [&](int material, int insulation, double addedR) {
        return [=, this] { model_->ZoneIntCeilings(living) = TIntCeilingRec{material, insulation, addedR}; };
    };
    auto betweenShown = [&] {
        selection.CurrentZone = living;
        IntCeilingEditor editor(context);
        return shown(editor, [&](IntCeilingEditor& e) { return upDown(e.RTotUpLabel, e.RTotDnLabel); });
    };
    auto betweenLayers = [&] {
        PositionIntCeiling(*scratch_, living, bed);
        BuildIntCeiling(*scratch_);
        return scratch_->CurrentLayers;
    };

    const Case cases[] = {
        {"external wall, block typed 300 mm", extWall(4, 1, 300, 0), extWallShown, extWallLayers},
        {"external wall, block of the table's 190 mm", extWall(4, 1, 190, 0), extWallShown, extWallLayers},
        {"external wall, brick veneer with R 2.0 entered", extWall(1, 2, 110, 2.0), extWallShown,
         extWallLayers},
        {"external wall, cavity brick of 90 mm leaves", extWall(6, 5, 90, 0), extWallShown, extWallLayers},
        {"external wall, sandwich panel with a 100 mm core", extWall(11, 1, 100, 0), extWallShown,
         extWallLayers},
        {"internal wall, block typed 250 mm", intWallOf(5, 1, 250, 0), intWallShown, intWallLayers},
        {"internal wall, studs lined with 13 mm and R 1.5", intWallOf(2, 2, 13, 1.5), intWallShown,
         intWallLayers},
        {"partition, block typed 140 mm", partition(5, 140), partitionShown, partitionLayers},
        {"door, solid core", doorOf(1), doorShown, doorLayers},
        {"door, glazed aluminium", doorOf(4), doorShown, doorLayers},
        {"door, double timber doors with an air gap", doorOf(5), doorShown, doorLayers},
        {"slab beside a garage, carpet", floorOf(1, 1, 0, 2), floorShown, floorLayers},
        {"slab beside a garage, board under it, tiles", floorOf(1, 5, 0, 3), floorShown, floorLayers},
        {"suspended timber floor, foil under it", floorOf(2, 3, 0, 1), floorShown, floorLayers},
        {"suspended particleboard, R 1.5 entered, vinyl", floorOf(3, 2, 1.5, 4), floorShown, floorLayers},
        {"roof over a roof space, tiles and sarking", roofOf(0, 1, 2, 0), roofShown, roofLayers},
        {"roof over a roof space, metal deck and R 2.0", roofOf(0, 3, 3, 2.0), roofShown, roofLayers},
        {"roof without a roof space, plain lining", roofOf(3, 3, 1, 0), roofAndCeilingShown, roofLayers},
        {"roof without a roof space, foil", roofOf(3, 3, 2, 0), roofAndCeilingShown, roofLayers},
        {"roof without a roof space, sarking and R 1.5", roofOf(3, 5, 4, 1.5), roofAndCeilingShown,
         roofLayers},
        {"roof without a roof space, blanket R 1.5", roofOf(3, 6, 7, 0), roofAndCeilingShown, roofLayers},
        {"ceiling, batts R 2.5", ceilingOf(1, 3, 0), ceilingShown, ceilingLayers},
        {"ceiling, two layers, foil and R 2.0", ceilingOf(5, 6, 2.0), ceilingShown, ceilingLayers},
        {"floor between levels, timber, nothing in it", betweenOf(1, 1, 0), betweenShown, betweenLayers},
        {"floor between levels, concrete, foil on battens", betweenOf(3, 6, 0), betweenShown, betweenLayers},
        {"floor between levels, concrete under a ceiling, R 2.5", betweenOf(4, 2, 2.5), betweenShown,
         betweenLayers},
        {"floor between levels, particleboard, foil", betweenOf(2, 3, 0), betweenShown, betweenLayers},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.set();
        const UpDown editor = c.editor();
        expectEngineReadsTheHouse();
        ASSERT_TRUE(engine_);
        OpenMaterialTables(*tables_); // the writer closes the tables it opened
        const std::string layers = c.layers();
        const UpDown simulated = LayersR(*engine_, layers);
        EXPECT_NEAR(editor.up, simulated.up, 0.02) << layers;
        EXPECT_NEAR(editor.down, simulated.down, 0.02) << layers;
    }
}

} // namespace
} // namespace zone_test
