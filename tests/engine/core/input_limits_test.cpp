// Every limit and consistency stop of the input: the message on the console and a non-zero exit.
#include <gtest/gtest.h>

#include "engine/core/input_messages.h"
#include "input_fixture.h"

namespace engine::testing {
namespace {

// Scheme numbers of 1000 and more cannot be written in the three columns that the reader takes, so
// the scheme-number limits are shown by scheme 999 being accepted.
struct LimitCase {
    std::string name;
    std::vector<std::string> cards; // after the project cards; the end card follows
    std::string message;            // the console line, without its leading blank
};

std::vector<std::string> repeat(const std::string& line, int times) {
    return std::vector<std::string>(times, line);
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string windowSection() {
    return card("(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
                {std::string(" 2"),          1LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL,
                 std::string("GGG-05-001a"), 6.0, 0.2, 0.5, 0.0, 0.0, 0.0, 0.0});
}
std::string skylightSection() {
    return card("(A2,I3,3X,5(I3,F4.0),I7,I7,A11,7F7.2)",
                {std::string(" 2"),          11LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL, 1LL,
                 std::string("GEN-04-001a"), 5.0,  0.1, 0.0, 0.0, 0.0, 0.0, 0.0});
}
std::string zoneA() {
    return zoneDefinition(1, "A", 50.0, "Normal");
}
std::string floorOf(int z) {
    return zoneCardLine(z, 51, {10.0, 0.5, 0, 0.0});
}
std::string opening(int z, int c, double top = 2.0, int type = 1) {
    return zoneCardLine(z, c,
                        {0.8, 0.6, 100.0, 0.0, top, 7, static_cast<double>(type), 0.5, 0, 1, 0.0, 0, 0});
}
std::string projectCard(int number, int index, const std::vector<double>& values) {
    std::vector<fw::Value> v = {std::string(" 1"), static_cast<long long>(number),
                                static_cast<long long>(index)};
    for (double x : values) v.emplace_back(x);
    return card("(A2,I3,I3," + std::to_string(values.size()) + "F6.2)", v);
}
std::vector<double> monthly(double factor) {
    return std::vector<double>(12, factor);
}
std::vector<double> withMonthly(std::vector<double> head, double factor) {
    auto m = monthly(factor);
    head.insert(head.end(), m.begin(), m.end());
    return head;
}
std::string wallCard(int z, double louvre = 0) {
    return zoneCardLine(z, 21, {2.4, 1.0, 2.4, 0.0, 0.6, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, louvre});
}
std::string roofCard(int z, double azimuth) {
    return zoneCardLine(z, 31, {1.0, azimuth, 22.5, 0.7, 0.5, 0.9, 0.0});
}

std::vector<std::string> distinctRoofs(int count) {
    std::vector<std::string> cards;
    for (int i = 0; i < count; ++i) cards.push_back(roofCard(1, i));
    return cards;
}

const std::vector<LimitCase>& limitCases() {
    static const std::vector<LimitCase> cases = {
        {"31st window of a zone",
         std::vector<std::string>{windowSection(), zoneA()} +
             repeat(zoneCardLine(1, 1, {1.0, 1.0, 0.0, 0, 0, 0, 0, 0, 0, 0, 0}), 31),
         "TOO MANY WINDOWS IN ZONE            1"},
        {"11th skylight of a zone",
         std::vector<std::string>{skylightSection(), zoneA()} +
             repeat(zoneCardLine(1, 11, {1.0, 0, 0, 0, 0, 1}), 11),
         "TOO MANY SKYLIGHTS IN ZONE            1"},
        {"skylight lighting zone 0",
         {skylightSection(), zoneA(), zoneCardLine(1, 11, {1.0, 0, 0, 0, 0, 0})},
         "INDEX OUT OF RANGE ON CARD OF ZONE            1, CARD           11"},
        {"skylight lighting a zone the input does not have",
         {skylightSection(), zoneA(), floorOf(1), zoneCardLine(1, 11, {1.0, 0, 0, 0, 0, 2})},
         "SKYLIGHT LIGHTS A ZONE WITHOUT ZONE CARD: ZONE            1, SKYLIGHT            1, LIT ZONE       "
         "     2"},
        {"201st wall path of the building",
         std::vector<std::string>{zoneA()} + repeat(wallCard(1), 150) +
             std::vector<std::string>{zoneDefinition(2, "B", 50.0, "Normal")} + repeat(wallCard(2), 51),
         "TOO MANY WALL SOL-AIR PATHS"},
        {"101st roof path of the building", std::vector<std::string>{zoneA()} + distinctRoofs(101),
         "TOO MANY ROOF SOL-AIR PATHS"},
        {"zone type",
         {zoneDefinition(3, "A", 50.0, "normal")},
         "Zone type not recognised: zone            3"},
        {"1000th pressure coefficient set", repeat(projectCard(13, 1, {0.5}), 999),
         "TOO MANY PRESSURE COEFFICIENT SETS. MAXIMUM ALLOWED = 999"},
        {"curtain 21",
         {projectCard(16, 21, {0.1, 0.5, 0.2})},
         "TOO MANY INDOOR CURTAINS (MAX = 20). CALCULATION STOPPED"},
        {"roof-window curtain 21",
         {projectCard(17, 21, {0.1, 0.5, 0.2})},
         "TOO MANY INDOOR CURTAINS (MAX = 20). CALCULATION STOPPED"},
        {"curtain transmittance above 1",
         {projectCard(16, 1, {0.0, 1.2, 0.0})},
         "WINDOW CURTAIN DATA UNPHYSICAL. CALCULATION STOPPED"},
        {"roof-window curtain absorptance above 1",
         {projectCard(17, 1, {0.0, 0.5, 1.1})},
         "ROOF WINDOW CURTAIN DATA UNPHYSICAL. CALCULATION STOPPED"},
        {"window blind 21",
         {projectCard(18, 21, {0.5})},
         "TOO MANY OUTDOOR BLINDS FOR WINDOWS (MAX = 20). CALCULATION STOPPED"},
        {"window blind factor above 1",
         {projectCard(18, 1, {1.5})},
         "***** ERROR: WINDOW BLIND DATA UNPHYSICAL. CALCULATION STOPPED"},
        {"skylight blind 21",
         {projectCard(19, 21, {0.5})},
         "TOO MANY OUTDOOR BLINDS FOR SKYLIGHTS IR ROOF WINDOWS (MAX = 20). CALCULATION STOPPED"},
        {"skylight blind factor below 0",
         {projectCard(19, 1, {-0.1})},
         "***** ERROR: SKYLIGHT OR ROOF WINDOW BLIND DATA UNPHYSICAL. CALCULATION STOPPED"},
        {"pergola factor above 1",
         {projectCard(20, 5, withMonthly({0, 0, 0, 0}, 1.01))},
         "* ERROR: HORIZONTAL SHADING SCHEME BLOCKING FACTOR NOT BETWEEN 0 AND 1 *"},
        {"screen factor below 0",
         {projectCard(22, 1, withMonthly({0, 0, 0, 0, 0}, -0.5))},
         "* ERROR: SCREEN SCHEME BLOCKING FACTOR NOT BETWEEN 0 AND 1*"},
        {"51st opening of a zone",
         [] {
             std::vector<std::string> c = {zoneA(), zoneCardLine(1, 300, {0.0, 2.4})};
             for (int k = 1; k <= 51; ++k) c.push_back(opening(1, 300 + (k - 1) % 50 + 1));
             return c;
         }(),
         "TOO MANY VENTILATION OPENINGS IN ZONE            1, MAX. =           50"},
        {"opening top above the ceiling",
         {zoneA(), zoneCardLine(1, 300, {0.0, 2.4}), opening(1, 301, 2.5)},
         "TOP OF OPENING            1 IN ZONE            1 IS HIGHER THAN CEILING HEIGHT"},
        {"opening without heights card",
         {zoneA(), opening(1, 301, 0.1)},
         "TOP OF OPENING            1 IN ZONE            1 IS HIGHER THAN CEILING HEIGHT"},
        {"fan faster than 1.5 m/s",
         {zoneA(), floorOf(1), zoneCardLine(1, 701, {1.51, 50.0})},
         "ERROR: Ceiling fan air speed for zone            1 too large. Max. value = 1.5"},
        {"no zone in the temperature output",
         {zoneDefinition(1, "A", 50.0, "Normal", 0.0, {1, 0, 0, 0}, 1), floorOf(1)},
         "NO ZONES AVAILABLE FOR TEMPERATURE OUTPUT. RUN STOPPED"},
        {"ventilation factors beside openings",
         {zoneA(), floorOf(1), zoneCardLine(1, 300, {0.0, 2.4}), opening(1, 301),
          zoneCardLine(1, 605, {0, 0, 99, 99, 1.0, 0.0})},
         "CONFLICTING VENTILATION DATA, ZONE            1"},
        // Limits that keep the cards inside the engine's tables.
        {"zone 151",
         {zoneDefinition(151, "A", 50.0, "Normal")},
         "ZONE NUMBER OUT OF RANGE (1 TO 150):          151"},
        {"surface of zone 0",
         {zoneCardLine(0, 51, {10.0})},
         "ZONE NUMBER OUT OF RANGE (1 TO 150):            0"},
        {"201st surface of a zone", std::vector<std::string>{zoneA()} + repeat(floorOf(1), 201),
         "TOO MANY SURFACES (MAX = 200) IN ZONE            1"},
        {"opening card 351",
         {zoneA(), zoneCardLine(1, 300, {0.0, 2.4}), opening(1, 351)},
         "TOO MANY VENTILATION OPENINGS IN ZONE            1, MAX. =           50"},
        {"zone beyond an opening past the table",
         {zoneA(), zoneCardLine(1, 300, {0.0, 2.4}),
          zoneCardLine(1, 301, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 151, 1, 0.0, 0, 0})},
         "INDEX OUT OF RANGE ON CARD OF ZONE            1, CARD          301"},
        {"zone beyond a surface past the table",
         {zoneA(), zoneCardLine(1, 111, {10.0, 0.5, 200})},
         "INDEX OUT OF RANGE ON CARD OF ZONE            1, CARD          111"},
        {"window curtain number past the table",
         {windowSection(), zoneA(), zoneCardLine(1, 1, {1.0, 1.0, 0.0, 0, 0, 0, 0, 0, 0, 21, 0})},
         "INDEX OUT OF RANGE ON CARD OF ZONE            1, CARD            1"},
        {"shading scheme number past the table",
         {windowSection(), zoneA(),
          zoneCardLine(1, 1, {1.0, 1.0, 0.0, 0, 0, 0, 0, 0, 0, 0, 0}).replace(26, 6, "  1000")},
         "INDEX OUT OF RANGE ON CARD OF ZONE            1, CARD            1"},
        {"linked zone past the table",
         {zoneDefinition(2, "Roof", 50.0, "RoofSA", 0.0, {0, 1, 151, 0.9})},
         "LINKED ZONE NUMBER OUT OF RANGE (0 TO 150) IN ZONE            2"},
        {"curtain number 0",
         {projectCard(16, 0, {0.1, 0.5, 0.2})},
         "SCHEME, CURTAIN OR BLIND NUMBER BELOW 1 ON PROJECT CARD           16"},
        {"scheme number 0",
         {projectCard(21, 0, {0.5, 0.0, 0.5, 0.0})},
         "SCHEME, CURTAIN OR BLIND NUMBER BELOW 1 ON PROJECT CARD           21"},
        {"glazing library number 21",
         {card("(A2,I3,I3,A20)", {std::string(" 1"), 4LL, 21LL, std::string("x")})},
         "GLAZING LIBRARY NUMBER OUT OF RANGE (1 TO 20):           21"},
        {"glazing card naming an empty library slot",
         {card("(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
               {std::string(" 2"),          1LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 2LL,
                std::string("GGG-05-001a"), 6.0, 0.2, 0.5, 0.0, 0.0, 0.0, 0.0})},
         "No glazing library file given for library number            2"},
        {"shading grid of 101",
         {card("(A2,I3,3X,5F6.1)", {std::string(" 1"), 23LL, 10.0, 0.0, -99.0, 101.0, 0.0})},
         "SHADING GRID SIZE MUST LIE BETWEEN 1 AND 100"},
        {"layer material past the table",
         {card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 21LL, 100LL, 110.0, -1LL, 10.0})},
         "MATERIAL CODE OUT OF RANGE (0 TO 999) IN SECTION           21"},
        {"opaque louvre without a louvre wall",
         {zoneA(), zoneCardLine(1, 300, {0.0, 2.4}),
          zoneCardLine(1, 301, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 0, 1, 0.0, 0, 1})},
         "NO LOUVRE WALL LEFT FOR LOUVRE OPENING            1 IN ZONE            1"},
        {"air gap surface on a section without a second layer",
         {card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 111LL, 100LL, 10.0, 0LL, 0.0}),
          zoneDefinition(1, "Gap", 5.0, "AirGpT", 0.0, {0, 2, 0, 0}), zoneCardLine(1, 111, {10.0, 0.5, 2})},
         "AIR GAP SURFACE HAS NO SECOND LAYER MATERIAL, ZONE            1"},
    };
    return cases;
}

class InputLimits : public EngineRun {};

TEST_F(InputLimits, EachLimitStopsTheRunWithItsMessage) {
    for (const LimitCase& c : limitCases()) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        writeStandardData();
        auto cards = projectCards() + c.cards;
        cards.push_back(" 9");
        writeScratch(cards);
        EXPECT_NE(run(), 0);
        const std::string out = "\n" + console();
        EXPECT_NE(out.find("\n " + c.message + "\n"), std::string::npos) << out;
        EXPECT_EQ(out.find(msg::kAbnormalEnd), std::string::npos) << "a limit stop is not an input error";
        EXPECT_EQ(out.find("CALCULATIONS IN PROGRESS"), std::string::npos);
    }
}

TEST_F(InputLimits, ValuesAtTheLimitsAreAccepted) {
    writeStandardData();
    std::vector<std::string> cards =
        projectCards() + std::vector<std::string>{windowSection(), zoneA(), floorOf(1)} +
        repeat(zoneCardLine(1, 1, {1.0, 1.0, 0.0, 999, 0, 0, 0, 0, 0, 20, 20}), 30) +
        repeat(projectCard(13, 1, {0.5}), 998) +
        std::vector<std::string>{
            projectCard(16, 20, {0.1, 1.0, 1.0}),
            projectCard(18, 20, {1.0}),
            projectCard(20, 999, withMonthly({0, 0, 0, 0}, 1.0)),
            projectCard(22, 999, withMonthly({0, 0, 0, 0, 0}, 0.0)),
            zoneCardLine(1, 300, {0.0, 2.4}),
            opening(1, 301, 2.4),
            opening(1, 350, 2.4, 2),
            zoneCardLine(1, 701, {1.5, 50.0}),
            " 9",
        };
    writeScratch(cards);
    ASSERT_EQ(run(), 0) << console();
    EXPECT_EQ(state().shad.nwin(1), 30);
    EXPECT_EQ(state().wind.ncpset, 999);
    EXPECT_EQ(state().open1.nopen(1), 2);
    EXPECT_EQ(state().horizontalopenings.ihoriz, 1);
    EXPECT_NEAR(state().ceilingfans.fandt(1), 6.0 * 1.3 - 1.6 * 1.69, 1e-6);
    EXPECT_NEAR(state().shad.scrf(999, 7), 1.0, 1e-12);
}

TEST_F(InputLimits, OpaqueLouvresAreBoundToTheZonesLouvreWallsInCardOrder) {
    writeStandardData();
    auto cards =
        projectCards() + std::vector<std::string>{
                             card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 22LL, 100LL, 10.0, 0LL, 0.0}),
                             zoneA(),
                             wallCard(1),
                             wallCard(1, 1),
                             zoneCardLine(1, 22, {2.4, 1.0, 2.4, 0.0, 0.6, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 1}),
                             zoneCardLine(1, 300, {0.0, 2.4}),
                             opening(1, 301),
                             zoneCardLine(1, 302, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 0, 1, 0.0, 0, 1}),
                             zoneCardLine(1, 303, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 0, 1, 0.0, 0, 1}),
                             " 9"};
    writeScratch(cards);
    ASSERT_EQ(run(), 0) << console();
    const auto& t = state().type;
    EXPECT_EQ(t.ilouv(1, 1), 0);
    EXPECT_EQ(t.iwplink(1, 2), 2);
    EXPECT_EQ(t.ilvsec(1, 2), 21);
    EXPECT_EQ(t.ilvdrv(1, 2), 103);
    EXPECT_EQ(t.iwplink(1, 3), 3);
    EXPECT_EQ(t.ilvsec(1, 3), 22);
    EXPECT_EQ(t.ilouvz(1), 1);
    EXPECT_EQ(t.iwpzone(1), 1);
}

} // namespace
} // namespace engine::testing
