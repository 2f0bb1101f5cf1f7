// The contract between the zone writers and the engine: houses written to a card file are read by the
// engine's own input reader.  Every house must read without an illegal field or a stop, every section
// a surface card names must be defined, and every zone a card names must have a zone card.
//
// The project and construction cards ahead of the zone cards are a fixed set here that defines every
// section the test's section lookup answers; the zone cards are the writers' own.
#include "zone_fixture.h"

#include "common/file_lookup.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"
#include "modeller/engine_input/floor_roof_spaces.h"

#include <fstream>
#include <memory>
#include <sstream>

namespace zone_test {
namespace {

using namespace pelmora;

// Scheme and list lookups answer "none": the fixed project cards define no shading schemes.
class ContractSections : public BaseSections {
  public:
    using BaseSections::BaseSections;
    int HorizontalScheme(const std::string&) override { return 0; }
    int VerticalScheme(const std::string&) override { return 0; }
    int Screen(const std::string&) override { return 0; }
    int Curtain(const std::string&) override { return 0; }
    int Blind(const std::string&) override { return 0; }
};

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
             {"matdata.bin", "Data/Climate/climat21.TXT", "Data/WindowData/VORTwindows.VWG",
              "Data/WindowData/VORTskylights.VSG", "Data/Occupant/OCCUP21.DAT"}) {
            const auto found = common::findCaseInsensitive(PROGRAM_FOLDER, name);
            ASSERT_TRUE(found) << name << " is not in the program folder";
            std::filesystem::create_directories((folder_ / name).parent_path());
            std::filesystem::copy_file(*found, folder_ / name);
        }
        model_->RootDir = folder_.string();
        model_->ClimateFileName = "climat21.TXT";
        contractSections_ = std::make_unique<ContractSections>(*model_);
        run_ = std::make_unique<ZoneWriterRun>(*model_, *tables_, *contractSections_, lines_, "  0.56");
        ReadOccupancyFile(*run_);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        ZoneWriterTest::TearDown();
    }

    int addContractZone(double left, double top, double x, double y, int level = 1, std::string name = "") {
        const int z = addZone(left, top, x, y, level, std::move(name));
        for (int w = 0; w < 4; ++w) model_->Walls(z, w).CpSetIndex = 1;
        model_->Zones(z).Heated = model_->Zones(z).Cooled = true;
        return z;
    }

    std::vector<std::string> projectAndConstructionCards() const {
        const std::string root = folder_.string();
        std::vector<std::string> cards = {
            "C  Data type 1: Project data",
            " 1  1                                       10/12/2026             00000020000000",
            " 1  2   " + root + "/Data/Climate/climat21.TXT",
            " 1  3    -37.8 145.0 150.0",
            " 1  4  1" + root + "/Data/WindowData/VORTwindows.VWG",
            " 1  6  1" + root + "/Data/WindowData/VORTskylights.VSG",
            " 1  7   output.txt",
            " 1  9   " + root + "/temperature/Contract1.TEM",
            " 1 10   energy.txt",
            " 1 11   airflow.txt",
            " 1 12        100     100 0.00100 0.01000    0.20       5     100 0.10000     100 0.00100    "
            "0.20",
            " 1 13  1  0.60  0.40 -0.30 -0.50 -0.40 -0.50 -0.30  0.40",
            " 1 14     0.74",
            " 1 15      0.2    72    36   0.2   1.5   4.6  0.00    72",
            " 1 23       10     0 -99.0    40",
            " 1 26        3   2.5",
            "C  Data type 2: Construction data",
            " 2 30    49  19",
            " 2 50   902   0999   0",
            " 2121   999   0912   0999   0",
            " 2122   999   0913   0999   0",
            " 2123   999   0914   0999   0",
            " 2124   999   0915   0999   0",
            " 2125   999   0908   0999   0",
            " 2126   999   0909   0999   0",
            " 2127   999   0910   0999   0",
            " 2128   999   0911   0999   0",
        };
        // One pane in each glazing section: the layer pairs end in column 49, then the library number.
        std::string window = " 2  1    25   4";
        window.resize(49, ' ');
        cards.push_back(window + "1GGG-05-001a   7.00   0.25   0.50");
        std::string skylight = " 2 11    36   3";
        skylight.resize(48, ' ');
        cards.push_back(skylight + " 1      1GEN-04-001a   5.00   0.20");
        for (int section : {21, 22, 31, 41, 51, 61, 71, 81, 91, 101, 111, 141, 156, 171, 186}) {
            std::ostringstream card;
            card << " 2" << std::string(section < 100 ? " " : "") << section << "     2 100";
            cards.push_back(card.str());
        }
        return cards;
    }

    // Writes the card file, runs the engine's input phase on it and checks the contract.
    void expectEngineReadsTheHouse() {
        WriteZoneData(*run_);
        GroupFloorSpaces(*run_);
        WriteFloorSpaces(*run_);
        GroupRoofSpaces(*run_);
        WriteRoofSpaces(*run_);
        std::vector<std::string> file = projectAndConstructionCards();
        file.insert(file.end(), lines_.begin(), lines_.end());
        file.push_back(" 9");
        {
            std::ofstream out(folder_ / "SCRATCH", std::ios::binary);
            for (const auto& line : file) out << line << "\r\n";
        }
        auto state = std::make_unique<engine::EngineState>();
        std::ostringstream console;
        state->workdir = folder_;
        state->console = &console;
        ASSERT_EQ(engine::runEngine(*state), 0) << console.str();
        EXPECT_EQ(console.str().find("ERROR"), std::string::npos) << console.str();

        const engine::EngineState& s = *state;
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
            }
        }
    }

    std::filesystem::path folder_;
    std::unique_ptr<ContractSections> contractSections_;
    static inline int counter_ = 0;
};

TEST_F(ContractHouses, OneZone) {
    const int z = addContractZone(0, 0, 8, 6, 1, "Living");
    const int w = model_->AddWindow(z, 0).index;
    TWindowRec& win = model_->WallWindows(z, 0, w);
    win = TWindowRec{};
    win.Width = 2.0;
    win.Height = 1.5;
    win.ElementArea = 3.0;
    win.HeadHeight = 2.1;
    win.Style = 1;
    win.Shading = 1;
    win.Furnishing = 1;
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
    for (int style : {1, 3, 5}) {
        const int i = model_->AddWindow(living, 0).index;
        TWindowRec& win = model_->WallWindows(living, 0, i);
        win = TWindowRec{};
        win.Width = 1.2;
        win.Height = 1.2;
        win.ElementArea = 1.44;
        win.HeadHeight = 2.1;
        win.Style = style;
        win.Shading = 1;
        win.Furnishing = 1;
    }
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
    expectEngineReadsTheHouse();
}

} // namespace
} // namespace zone_test
