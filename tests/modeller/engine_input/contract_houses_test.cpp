// The contract between the card writer and the engine: houses written by WriteScratchFile are read by
// the engine's own input reader.  Every house must read without an illegal field or a stop, every
// section a surface card names must be defined, and every zone a card names must have a zone card.
#include "zone_fixture.h"

#include "simulation_fixture.h"

#include "common/file_lookup.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"
#include "modeller/editors/ext_floor_editor.h"
#include "modeller/engine_input/scratch_writer.h"
#include "modeller/model/product_libraries.h"
#include "modeller/model/roof_geometry.h"
#include "modeller/platform/message_service.h"
#include "tests/modeller/model/roof_solid.h"

#include <unistd.h>

#include <cmath>
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

} // namespace
} // namespace zone_test
