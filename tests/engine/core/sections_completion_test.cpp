#include "engine/core/input_completion.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"
#include <unistd.h>

#include "common/text_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr double kDeg = std::numbers::pi / 180.0;

class Completion : public ::testing::Test {
  protected:
    void SetUp() override {
        state->zones.nzones = 0;
        state->console = &console;
        dir = fs::temp_directory_path() /
              (std::string("completion_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
               "_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        engine::deleteWorkFile(*state);
        fs::remove_all(dir);
    }

    void zone(int z, const std::string& name, const std::string& type, double volume) {
        state->names.zname(z) = name;
        state->names.ztype(z) = type;
        state->zones.zvol(z) = volume;
        state->zones.nzones = std::max(state->zones.nzones, z);
    }
    // Adds a path to zone z and returns its number.
    int path(int z, int section, double area, int beyond = 0, double absin = 0.5, int solAirPath = 0) {
        const int p = ++state->blank.npath(z);
        state->bss.isectp(z, p) = section;
        state->bss.patharea(z, p) = area;
        state->bss.iadjp(z, p) = beyond;
        state->bss.absin(z, p) = absin;
        state->bss.ispath(z, p) = solAirPath;
        return p;
    }
    void window(int z, double height, double width) {
        const int w = ++state->shad.nwin(z);
        state->shad.wheight(z, w) = height;
        state->shad.wwidth(z, w) = width;
        path(z, 1, height * width);
        state->reader.iglazed(z) = 1;
        state->zn.iestsg(z) = 1;
    }
    void roofWindow(int z, double area) {
        state->shad.igltyp(1) = 3;
        path(z, 11, area);
        state->reader.iglazed(z) = 1;
        state->zn.iestsg(z) = 1;
    }
    // A section whose second layer is a material of resistance r (m2K/W).
    void linkSection(int s, int material, double r) {
        state->bss.isecdef(s) = 1;
        state->bss.nlay(s) = 2;
        state->bss.matlay(s, 1) = material;
        state->bss.matlay(s, 2) = material;
        state->cr.crp2(material) = r;
        state->cr.crp3(material) = r;
    }
    double shareSum(int z) {
        double sum = 0.0;
        for (int p = 1; p <= state->blank.npath(z); ++p)
            if (state->bss.isectp(z, p) > 20) sum += state->bss.shgf(z, p);
        return sum;
    }

    std::unique_ptr<engine::EngineState> state = std::make_unique<engine::EngineState>();
    std::ostringstream console;
    fs::path dir;
};

TEST_F(Completion, ZoneBoxFollowsFloorAreaHeightAndPerimeter) {
    struct Case {
        double floor, height, walls, withinWalls;
        double boxL, boxW; // m: the larger and the smaller plan dimension
    };
    const Case cases[] = {
        {50.0, 2.5, 75.0, 0.0, 10.0, 5.0}, // P = 30: x = 30 - sqrt(900 - 800) = 20
        {20.0, 2.5, 0.0, 40.0, 5.0, 4.0},  // only walls within the zone: P = 16 = x
        {36.0, 2.5, 50.0, 0.0, 7.2, 5.0},  // P = 20 below 4 sqrt(36): x = P
    };
    for (const Case& c : cases) {
        state = std::make_unique<engine::EngineState>();
        zone(1, "Living", "Normal", c.floor * c.height);
        if (c.walls > 0) path(1, 21, c.walls);
        if (c.withinWalls > 0) path(1, 141, c.withinWalls);
        path(1, 51, c.floor);
        path(1, 91, c.floor);
        roofWindow(1, 1.0); // no window card: glazing height sqrt(1), width 1
        engine::zoneSurfaceSums(*state);
        engine::solarDistribution(*state, 1);
        // The window wall is the longer side; the depth the shorter.
        EXPECT_NEAR(state->win.boxw, c.boxL, 1e-9) << c.floor;
        EXPECT_NEAR(state->win.boxl, c.boxW, 1e-9) << c.floor;
        EXPECT_NEAR(state->win.boxh, c.height, 1e-9) << c.floor;
        EXPECT_NEAR(state->win.wtop - state->win.wbottom, 1.0, 1e-9);
    }
}

TEST_F(Completion, SolarSharesAddUpWithWhatLeavesThroughTheWindow) {
    zone(1, "Living", "Normal", 125.0);
    path(1, 21, 60.0, 0, 0.6);
    path(1, 111, 12.0, 2, 0.4);
    path(1, 51, 50.0, 3, 0.7);
    path(1, 91, 50.0, 4, 0.3);
    window(1, 1.2, 2.5);
    engine::zoneSurfaceSums(*state);
    engine::solarDistribution(*state, 1);
    // The floor absorbs 0.7 first; the reflected 0.3 is shared as the floor's emission, and the share
    // that reaches the window leaves the zone.
    const double escaped = 0.3 * state->exchange(5, 6);
    EXPECT_GT(escaped, 0.0);
    EXPECT_NEAR(shareSum(1) + escaped, 1.0, 1e-9);
    // Walls share by area: 60 of 72 m2 of wall.
    EXPECT_NEAR(state->bss.shgf(1, 1) / state->bss.shgf(1, 2), 5.0, 1e-9);
    // The floor keeps at least what it absorbs directly.
    EXPECT_GT(state->bss.shgf(1, 3), 0.7);
    // The window keeps its card value.
    EXPECT_EQ(state->bss.shgf(1, 5), 0.0);
}

// A hall without window or roof window, lit by a light well of its own or by one whose shaft passes
// through the roof zone above it: the hall takes the well's sun in its solar row, and with no
// glazing for the light to leave by, its walls, floor and ceiling absorb all of it.  The roof zone
// that only holds the well takes none.
TEST_F(Completion, ZoneLitOnlyByALightWellAbsorbsAllOfItsLight) {
    for (const int holder : {1, 2}) {
        state = std::make_unique<engine::EngineState>();
        state->console = &console;
        state->workdir = dir;
        state->reader.repfile = "output.txt";
        state->reader.temfile = "t.TEM";
        state->prin2.c8file = "None";
        zone(1, "Hall", "Normal", 30.0);
        zone(2, "Roof", "Normal", 10.0);
        path(1, 21, 36.0, 0, 0.5);
        path(1, 41, 12.0, 0, 0.7);
        path(1, 31, 12.0, 0, 0.3);
        state->zn.iestsg(1) = 1;
        state->zn.iestsg(2) = 1;
        path(holder, 11, 2.0);
        state->shad.igltyp(1) = 1; // a well with a rectangular shaft
        state->shad.nsky(holder) = 1;
        state->shad.issys(holder, 1) = 11;
        state->shad.szonlit(holder, 1) = 1;
        engine::openWorkFile(*state, dir / "tape52");
        engine::completeInput(*state);
        engine::closeWorkFile(*state);

        double absorbed = 0.0; // of the light in the hall's solar row
        for (const auto& r : engine::zonePathRecords(*state, 1)) {
            if (r.row != 302) continue;
            for (std::size_t e = 0; e + 1 < r.value.size(); ++e) absorbed += r.value[e];
        }
        EXPECT_NEAR(absorbed, 1.0, 1e-9) << "well of zone " << holder;
        EXPECT_GT(state->bss.shgf(1, 2), 0.7) << "the floor first";
        for (const auto& r : engine::zonePathRecords(*state, 2)) EXPECT_NE(r.row, 303);
        engine::deleteWorkFile(*state);
    }
}

TEST_F(Completion, GlazedZoneWithoutFloorStopsTheRun) {
    zone(1, "Hall", "Normal", 30.0);
    path(1, 21, 20.0);
    window(1, 1.0, 1.0);
    engine::zoneSurfaceSums(*state);
    try {
        engine::solarDistribution(*state, 1);
        FAIL() << "no stop";
    } catch (const engine::RunStopped& e) {
        const std::string line = "  Zone " + std::string(11, ' ') +
                                 "1 HAS GLAZING BUT ZERO FLOOR AREA OR VOLUME. CALCULATION STOPPED";
        EXPECT_EQ(e.what(), line);
        EXPECT_EQ(console.str(), line + "\n");
    }
}

TEST_F(Completion, FloorAndCeilingAreasOfOrdinaryAndSpecialZones) {
    zone(1, "Living", "Normal", 100.0);
    path(1, 51, 40.0, 2);  // floor over the subfloor space
    path(1, 160, 5.0, 3);  // floor above a neighbour
    path(1, 91, 30.0, 4);  // ceiling below a roof space
    path(1, 175, 15.0, 3); // ceiling to a neighbour
    path(1, 21, 50.0);     // a wall counts for neither
    zone(2, "Floorspace", "SubFlA", 20.0);
    state->specialzones.iflooz(2) = 5;
    state->specialzones.igrouz(2) = 6;
    path(2, 30, 8.0);
    path(2, 122, 40.0, 5);
    path(2, 121, 40.0, 6);
    engine::zoneSurfaceSums(*state);
    EXPECT_DOUBLE_EQ(state->zonesums.Af(1), 45.0);
    EXPECT_DOUBLE_EQ(state->zonesums.Ac(1), 45.0);
    EXPECT_DOUBLE_EQ(state->zonesums.Af(2), 40.0);
    EXPECT_DOUBLE_EQ(state->zonesums.Ac(2), 40.0);
}

TEST_F(Completion, RoofSpaceValuesFromItsLinksAndRoofs) {
    // Roof space 3 over ceiling zone 5 under roof zone 4; the roof zone carries two roof paths.
    zone(3, "  Roofspace   1", "RoofSA", 60.0);
    state->specialzones.iceilz(3) = 5;
    state->specialzones.iroofz(3) = 4;
    zone(4, "UnderSideRf   1", "Normal", 0.0);
    zone(5, "TopOfCeiling  1", "Normal", 0.0);
    linkSection(125, 20, 0.20);
    linkSection(126, 21, 0.25);
    linkSection(127, 22, 0.50);
    path(3, 125, 64.0, 5);
    path(3, 125, 36.0, 5);
    path(3, 126, 120.0, 4);
    path(4, 126, 120.0, 3);
    path(4, 127, 100.0, 5);
    state->shad.nrpath = 2;
    state->shad.rpslope(1) = 20.0;
    state->shad.rpslope(2) = 40.0;
    path(4, 31, 60.0, 0, 0.5, 1);
    path(4, 32, 60.0, 0, 0.5, 2);
    engine::roofAndSubfloorSpaces(*state);
    const engine::RoofspacesBlock& rs = state->roofspaces;
    EXPECT_DOUBLE_EQ(rs.arsc(3), 100.0);
    EXPECT_DOUBLE_EQ(rs.lrsc(3), 10.0);
    EXPECT_DOUBLE_EQ(rs.hrsc0(3), 5.0);
    EXPECT_DOUBLE_EQ(rs.arsr(3), 120.0);
    EXPECT_DOUBLE_EQ(rs.hrsr0(3), 4.0);
    EXPECT_DOUBLE_EQ(rs.hrsrad0(3), 2.0);
    EXPECT_DOUBLE_EQ(rs.rsslope(3), 30.0);
    EXPECT_NEAR(rs.lrsr(3), 5.0 / std::cos(30 * kDeg), 1e-12);
    EXPECT_NEAR(rs.arsx(3), 25.0 * std::tan(30 * kDeg), 1e-12);
}

TEST_F(Completion, RoofSlopeReachesThroughAnAirGap) {
    // The roof zone 4 faces zone 6, beyond which lies air gap 7 with the roof path.
    zone(3, "Roofspace", "RoofSA", 60.0);
    state->specialzones.iceilz(3) = 5;
    state->specialzones.iroofz(3) = 4;
    zone(4, "Underside", "Normal", 0.0);
    zone(6, "Cavity side", "Normal", 0.0);
    zone(7, "Gap", "AirGpT", 1.0);
    path(4, 111, 10.0, 6);
    path(6, 112, 10.0, 7);
    state->shad.nrpath = 1;
    state->shad.rpslope(1) = 25.0;
    path(7, 33, 10.0, 0, 0.5, 1);
    engine::roofAndSubfloorSpaces(*state);
    EXPECT_DOUBLE_EQ(state->roofspaces.rsslope(3), 25.0);
}

TEST_F(Completion, RoofSpaceStopsWithoutRoofsOrWithASteepPitch) {
    zone(3, "Roofspace", "RoofSA", 60.0);
    state->specialzones.iceilz(3) = 5;
    state->specialzones.iroofz(3) = 4;
    zone(4, "Underside", "Normal", 0.0);
    try {
        engine::roofAndSubfloorSpaces(*state);
        FAIL() << "no stop";
    } catch (const engine::RunStopped& e) {
        EXPECT_EQ(e.what(), " ZONE " + std::string(11, ' ') + "4 HAS NO ROOFS");
    }
    state->shad.nrpath = 1;
    state->shad.rpslope(1) = 90.0;
    path(4, 31, 10.0, 0, 0.5, 1);
    try {
        engine::roofAndSubfloorSpaces(*state);
        FAIL() << "no stop";
    } catch (const engine::RunStopped& e) {
        EXPECT_EQ(e.what(),
                  " AVERAGE ROOF PITCH IN ZONE " + std::string(11, ' ') + "4 IS 90 DEGREES OR GREATER!");
    }
}

TEST_F(Completion, SubfloorSpaceValues) {
    zone(2, "Floorspace", "SubFlA", 25.0);
    state->specialzones.iflooz(2) = 3;
    state->specialzones.igrouz(2) = 4;
    zone(3, "UnderSideFl", "Normal", 0.0);
    linkSection(121, 20, 0.125);
    linkSection(122, 21, 0.25);
    linkSection(123, 22, 0.5);
    path(2, 121, 36.0, 4);
    path(2, 122, 16.0, 3);
    path(2, 122, 9.0, 3);
    path(3, 123, 25.0, 4);
    engine::roofAndSubfloorSpaces(*state);
    const engine::SubflspacesBlock& sf = state->subflspaces;
    EXPECT_DOUBLE_EQ(sf.asfg(2), 36.0);
    EXPECT_DOUBLE_EQ(sf.lsfg(2), 6.0);
    EXPECT_DOUBLE_EQ(sf.hsfg0(2), 8.0);
    EXPECT_DOUBLE_EQ(sf.asff(2), 25.0);
    EXPECT_DOUBLE_EQ(sf.lsff(2), 3.0); // the last path's own area, not the sum
    EXPECT_DOUBLE_EQ(sf.hsff0(2), 4.0);
    EXPECT_DOUBLE_EQ(sf.hsfrad0(2), 2.0);
    EXPECT_DOUBLE_EQ(sf.asfx(2), 25.0 / 6.0);
}

TEST_F(Completion, SpaceWithoutFilmOrGroundGivesZerosNotInfinities) {
    zone(2, "Floorspace", "SubFlA", 25.0);
    state->specialzones.iflooz(2) = 3;
    state->specialzones.igrouz(2) = 4;
    linkSection(122, 20, 0.0); // a film material without resistance
    path(2, 122, 16.0, 3);
    path(2, 51, 10.0, 3); // a section without layers
    engine::roofAndSubfloorSpaces(*state);
    const engine::SubflspacesBlock& sf = state->subflspaces;
    EXPECT_EQ(sf.hsff0(2), 0.0);
    EXPECT_DOUBLE_EQ(sf.asff(2), 26.0);
    EXPECT_EQ(sf.lsfg(2), 0.0);
    EXPECT_EQ(sf.asfx(2), 0.0); // no ground path
}

TEST_F(Completion, NothingIsCompletedAfterAnIllegalField) {
    zone(1, "Hall", "Normal", 30.0);
    window(1, 1.0, 1.0); // glazed without floor: would stop the run
    state->bss.ierrin = 1;
    state->workdir = dir;
    state->reader.repfile = "output.txt";
    EXPECT_NO_THROW(engine::completeInput(*state));
    EXPECT_TRUE(console.str().empty());
    EXPECT_FALSE(fs::exists(dir / "output.txt"));
    EXPECT_FALSE(fs::exists(dir / "tape52"));
}

TEST_F(Completion, InfiltrationConductanceOfOrdinaryAndSpaceZones) {
    // 2 air changes an hour in 100 m3: 2 / 1.05 x 100 x 0.3353454 = 63.875 W/K for an ordinary zone,
    // 2 x 100 x 0.3353454 = 67.069 W/K for a roof space.
    zone(1, "Living", "Normal", 100.0);
    zone(2, "Roofspace", "RoofSA", 100.0);
    for (int z = 1; z <= 2; ++z) {
        state->zn.zonea(z) = 2.0;
        state->bss.iainf(z) = 1;
        path(z, 21, 10.0);
    }
    const auto normal = engine::zonePathRecords(*state, 1);
    const auto roof = engine::zonePathRecords(*state, 2);
    ASSERT_EQ(normal[0].code.front(), 22);
    EXPECT_NEAR(normal[0].value.front(), 63.875, 5e-4);
    EXPECT_NEAR(roof[0].value.front(), 67.069, 5e-4);
    // Row 1 carries the same conductance from the outdoor air; the roof space adds its mass marker.
    ASSERT_EQ(normal[1].row, 1);
    EXPECT_EQ(normal[1].code.front(), 21);
    EXPECT_NEAR(normal[1].value.front(), 63.875, 5e-4);
    const std::vector<int> roofOwn = {22, 521, 2500, 2501, 11};
    EXPECT_EQ(roof[0].code, roofOwn);
}

TEST_F(Completion, ZoneRecordsSayWhichDriverActsOnWhichPath) {
    zone(1, "Living", "Normal", 120.0);
    zone(2, "Bed", "Normal", 60.0);
    state->shad.nwpath = 2;
    state->shad.nrpath = 1;
    path(1, 22, 30.0, 0, 0.5, 2); // external wall on wall path 2
    path(1, 33, 48.0, 0, 0.5, 1); // roof on roof path 1
    path(1, 45, 0.0);             // a floor of no area takes no part
    path(1, 112, 10.0, 2);        // wall to zone 2
    path(1, 150, 20.0);           // wall within the zone
    window(1, 1.0, 2.0);          // section 1, 2 m2
    path(2, 113, 10.0, 1);        // the other face of the wall to zone 1
    state->bss.shgf(1, 4) = 0.25; // set by the cards (no solar distribution asked for here)
    state->bss.shgf(1, 5) = 0.4;
    state->bss.shgf(2, 1) = 0.0;
    state->zn.iestsg(1) = 0;
    state->zn.idrvuse(452, 1) = 1; // its internal gains are in use

    const auto recs = engine::zonePathRecords(*state, 1);
    struct Expected {
        int row;
        std::vector<int> code;
        std::vector<double> value;
    };
    const Expected expected[] = {
        {0, {522, 533, 612, 1450, 101, 2500, 11}, {30, 48, 10, 20, 2, 120, 0}},
        {1, {301, 11}, {2, 0}},
        {2, {733, 11}, {48, 0}},   // roof path 1
        {103, {722, 11}, {30, 0}}, // wall path 2
        {302, {922, 933, 1012, 1650, 1850, 11}, {0, 0, 0.25, 0.2, 0.2, 0}},
        {452, {31, 11}, {1, 0}},
        {603, {812, 11}, {10, 0}}, // the air of zone 2
    };
    ASSERT_EQ(recs.size(), std::size(expected));
    for (std::size_t i = 0; i < recs.size(); ++i) {
        EXPECT_EQ(recs[i].zone, 1);
        EXPECT_EQ(recs[i].name, "Living         ");
        EXPECT_EQ(recs[i].row, expected[i].row);
        EXPECT_EQ(recs[i].code, expected[i].code) << "row " << expected[i].row;
        ASSERT_EQ(recs[i].value.size(), expected[i].value.size());
        for (std::size_t k = 0; k < recs[i].value.size(); ++k)
            EXPECT_NEAR(recs[i].value[k], expected[i].value[k], 1e-12) << "row " << expected[i].row;
    }
    EXPECT_EQ(state->zn.idrvuse(103, 1), 1);
    EXPECT_EQ(state->zn.idrvuse(603, 1), 1);
    EXPECT_EQ(state->zn.idrvuse(102, 1), 0);

    // Zone 2 faces glazed zone 1: row 302 takes the share of zone 1's facing wall.
    const auto other = engine::zonePathRecords(*state, 2);
    const auto solar = std::find_if(other.begin(), other.end(), [](const auto& r) { return r.row == 302; });
    ASSERT_NE(solar, other.end());
    EXPECT_EQ(solar->code, (std::vector<int>{1213, 11}));
    EXPECT_NEAR(solar->value[0], 0.25, 1e-12);
}

TEST_F(Completion, ZoneRecordsGoThroughTheWorkFileAndBack) {
    zone(1, "Living", "Normal", 120.0);
    zone(2, "", "Normal", 60.0); // no zone card: the blank-card name, never the end of the file
    path(1, 112, 10.0, 2);
    path(2, 113, 10.0, 1);
    path(2, 21, 12.5);
    state->zn.zonea(2) = 1.5;
    state->bss.iainf(2) = 1;
    engine::openWorkFile(*state, dir / "tape52");
    engine::zoneRecords(*state);
    engine::closeWorkFile(*state);

    std::vector<engine::ZonePathRecord> written;
    for (int z = 1; z <= 2; ++z)
        for (const auto& r : engine::zonePathRecords(*state, z)) written.push_back(r);
    common::RecordReader in(dir / "tape52");
    common::Record r;
    std::vector<engine::ZonePathRecord> read;
    while (in.next(r)) read.push_back(engine::readZonePathRecord(r));
    ASSERT_EQ(read.size(), written.size() + 1);
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(read[i].zone, written[i].zone);
        EXPECT_EQ(read[i].name, written[i].name);
        EXPECT_EQ(read[i].row, written[i].row);
        EXPECT_EQ(read[i].code, written[i].code);
        for (std::size_t k = 0; k < written[i].value.size(); ++k)
            EXPECT_NEAR(read[i].value[k], written[i].value[k], 1e-5 * std::fabs(written[i].value[k]));
    }
    EXPECT_EQ(read[written.size() - 1].name, "         ZON  2");
    // The closing record: the zone count, 15 blanks, row 0 and the entries of the last record.
    const engine::ZonePathRecord& last = read.back();
    EXPECT_EQ(last.zone, 2);
    EXPECT_EQ(last.name, std::string(15, ' '));
    EXPECT_EQ(last.row, 0);
    EXPECT_EQ(last.code, written.back().code);
}

TEST_F(Completion, ResultFilesAreOpenedAndHeaded) {
    state->workdir = dir;
    state->reader.repfile = (dir / "output.txt").string() + "   ";
    state->reader.temfile = (dir / "house1.TEM").string();
    state->reader.enfile = "energy.txt";
    state->reader.wxfile = "/pf/Data/Climate/climat10.TXT";
    state->reader.wxname = "climat10.TXT";
    state->reader.winlib(1) = "/pf/Data/WindowData/std.VWG";
    state->reader.skylib(2) = "/pf/Data/WindowData/std.VSG";
    state->where.xlat = -27.48 / 57.29578;
    state->ch.jobname = "House 1";
    state->ch.datetext = "10/12/2026";
    state->prin2.c8file = "None" + std::string(116, ' ');
    state->sysa.iconon = 0;
    engine::openResultFiles(*state);
    state->units = engine::ResultUnits(); // closes them

    EXPECT_EQ(common::readTextLines(dir / "house1.TEM"), std::vector<std::string>{"-27.5 climat10.TXT"});
    EXPECT_TRUE(fs::exists(dir / "natrep.dt2"));
    EXPECT_FALSE(fs::exists(dir / "energy.txt")); // no conditioned zone
    EXPECT_FALSE(fs::exists(dir / "None"));

    const std::vector<std::string> head = common::readTextLines(dir / "output.txt");
    const std::string frame = std::string(14, ' ') + std::string(50, '*');
    ASSERT_GE(head.size(), 18u);
    EXPECT_EQ(head[0], "");
    EXPECT_EQ(head[2], frame);
    EXPECT_EQ(head[3], std::string(14, ' ') + "*                 Varonell Engine                *");
    EXPECT_EQ(head[5], std::string(14, ' ') + "*           Version 2.13 October 2006            *");
    EXPECT_EQ(head[12], frame);
    EXPECT_EQ(head[13], "");
    EXPECT_EQ(head[14], " Jobname: House 1" + std::string(29, ' '));
    EXPECT_EQ(head[15], " Weather data filename: /pf/Data/Climate/climat10.TXT" + std::string(91, ' '));
    const std::string window = " Window glass data filename: /pf/Data/WindowData/std.VWG";
    const std::string skylight = " Skylight glass data filename: /pf/Data/WindowData/std.VSG";
    EXPECT_EQ(head[16], window + std::string(120 - 27, ' '));
    EXPECT_EQ(head[17], skylight + std::string(120 - 27, ' '));
    ASSERT_EQ(head.size(), 19u);
    EXPECT_EQ(head[18], " Date: 10/12/2026");
    for (std::size_t i = 3; i < 12; ++i) EXPECT_EQ(head[i].size(), 64u) << i;
}

TEST_F(Completion, EnergyAndCardEightFilesOnlyWhenAskedFor) {
    state->workdir = dir;
    state->reader.repfile = "output.txt";
    state->reader.temfile = "t.TEM";
    state->reader.enfile = "ENERGY.TXT";
    state->prin2.c8file = "card8.out";
    state->sysa.iconon = 1;
    engine::openResultFiles(*state);
    state->units = engine::ResultUnits();
    EXPECT_TRUE(fs::exists(dir / "ENERGY.TXT"));
    EXPECT_TRUE(fs::exists(dir / "card8.out"));

    state->reader.temfile = "no_such_folder/t.TEM";
    EXPECT_THROW(engine::openResultFiles(*state), engine::RunStopped);
}

TEST_F(Completion, WholeCompletionWritesSectionsThenZoneRecords) {
    state->workdir = dir;
    state->reader.repfile = "output.txt";
    state->reader.temfile = "t.TEM";
    state->prin2.c8file = "None";
    state->cr.crp2(903) = 0.12;
    state->bss.rs903 = 0.12;
    state->bss.isecdef(1) = 1;
    state->bss.nlay(1) = 1;
    state->bss.matlay(1, 1) = 903;
    state->bss.isecdef(51) = 1;
    state->bss.nlay(51) = 1;
    state->bss.matlay(51, 1) = 903;
    zone(1, "Living", "Normal", 50.0);
    zone(2, "Bed", "Normal", 50.0);
    for (int z = 1; z <= 2; ++z) {
        path(z, 51, 20.0, 3);
        window(z, 1.0, 1.0);
        state->bss.shgf(z, 1) = 0.125;
    }
    state->zn.iestsg(2) = 0; // zone 2 keeps the shares of its cards
    engine::openWorkFile(*state, dir / "tape52");
    engine::completeInput(*state);
    engine::closeWorkFile(*state);

    EXPECT_NE(state->bss.shgf(1, 1), 0.125);
    EXPECT_EQ(state->bss.shgf(2, 1), 0.125);
    common::RecordReader in(dir / "tape52");
    common::Record r;
    std::vector<int> keys;
    for (;;) {
        ASSERT_TRUE(in.next(r));
        keys.push_back(engine::readSectionRecord(r).key);
        if (keys.back() == engine::kSectionEndKey) break;
    }
    EXPECT_EQ(keys, (std::vector<int>{101, 551, 2500, 2501, 10000}));
    std::vector<engine::ZonePathRecord> zoneRecs;
    while (in.next(r)) zoneRecs.push_back(engine::readZonePathRecord(r));
    ASSERT_GE(zoneRecs.size(), 3u);
    EXPECT_EQ(zoneRecs.front().zone, 1);
    EXPECT_EQ(zoneRecs.front().row, 0);
    EXPECT_EQ(zoneRecs.back().name, std::string(15, ' '));
}

} // namespace
