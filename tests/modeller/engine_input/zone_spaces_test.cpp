// Floor-space and roof-space pseudo zones: grouping, numbering, the cards that couple them to the real
// zones, their geometry against hand-worked values, and the errors of groups that have no geometry.
#include "zone_fixture.h"

#include "modeller/engine_input/floor_roof_spaces.h"
#include "modeller/engine_input/zone_card_text.h"

#include <cmath>
#include <set>

namespace zone_test {
namespace {

using namespace pelmora;

class ZoneSpaces : public ZoneWriterTest {
  protected:
    void writeAll() {
        WriteZoneData(*run_);
        GroupFloorSpaces(*run_);
        WriteFloorSpaces(*run_);
        GroupRoofSpaces(*run_);
        WriteRoofSpaces(*run_);
    }

    // Every zone that a surface card names (cards 51-140 carry it in columns 21-26) has a zone card,
    // and every zone with a zone card is named by no more cards than it has.
    void expectEveryNamedZoneHasACard() const {
        std::set<int> defined;
        for (const auto& line : *lines_)
            if (line.size() >= 8 && line.compare(0, 2, " 3") == 0 && line.substr(5, 3) == "   ")
                defined.insert(std::stoi(line.substr(2, 3)));
        for (const auto& line : *lines_) {
            if (line.size() < 8 || line.compare(0, 2, " 3") != 0 || line.substr(5, 3) == "   ") continue;
            const int card = std::stoi(line.substr(5, 3));
            if (card < 51 || card > 140) continue;
            const int named = static_cast<int>(number(line, 3));
            EXPECT_TRUE(named != 0 && defined.count(named) == 1)
                << "no zone card for zone " << named << ": " << line;
        }
    }
};

TEST_F(ZoneSpaces, OneSlabSharedByAllZonesIsOneUnderSlabZone) {
    const int a = addZone(0, 0, 5, 4), b = addZone(5, 0, 5, 4), c = addZone(0, 4, 10, 3);
    shareFloor({a, b, c});
    writeAll();
    EXPECT_EQ(model_->FloorSpaceGroupCount, 1);
    EXPECT_EQ(model_->FloorSpacePseudoCount, 1);
    for (int z : {a, b, c}) {
        const auto slab = cards(z, 51);
        ASSERT_EQ(slab.size(), 1u) << z;
        EXPECT_EQ(number(slab[0], 3), 4.0);
    }
    const auto zoneCard = cards(4, 0);
    ASSERT_EQ(zoneCard.size(), 1u);
    EXPECT_EQ(zoneCard[0].substr(8, 15), "  UnderSlab   1");
    const auto reverse = cards(4, 81);
    ASSERT_EQ(reverse.size(), 3u);
    EXPECT_EQ(number(reverse[0], 1), 20.0);
    EXPECT_EQ(number(reverse[2], 1), 30.0);
    EXPECT_EQ(number(reverse[2], 3), 3.0);
    const auto earth = cards(4, 50);
    ASSERT_EQ(earth.size(), 1u);
    EXPECT_EQ(field(earth[0], 1), " 70.00");
    expectEveryNamedZoneHasACard();
}

TEST_F(ZoneSpaces, AGableRoofSpaceOverThreeZonesHasTheHandWorkedAreaAndVolume) {
    // 10 m by 8 m under a gable roof of 45 degrees: w = 8, sloped area 80 x sqrt 2 + 32, volume 160.
    const int a = addZone(0, 0, 4, 8), b = addZone(4, 0, 3, 8), c = addZone(7, 0, 3, 8);
    shareFloor({a, b, c});
    shareCeiling({a, b, c});
    for (int z : {a, b, c}) {
        model_->ZoneRoofs(z).Slope = 45.0;
        model_->ZoneRoofs(z).RoofShape = 2;
    }
    writeAll();
    ASSERT_EQ(model_->RoofSpaceGroupCount, 1);
    const RoofSpaceGeometry g = CalcRoofSpaceGeometry(*model_, model_->RoofSpaceGroups(1));
    EXPECT_NEAR(g.SlopedRoofArea, 80.0 * std::sqrt(2.0) + 32.0, 1e-9);
    EXPECT_NEAR(g.Volume, 160.0, 1e-9);

    // Zone 4 lies under the slab; the roof space takes 5, its underside 6 and the ceilings' top 7.
    const auto space = cards(5, 0);
    ASSERT_EQ(space.size(), 1u);
    EXPECT_EQ(space[0].substr(8, 15), "  Roofspace   1");
    EXPECT_EQ(zoneField(space[0], 1), " 160.0");
    EXPECT_EQ(zoneField(space[0], 5), "RoofSA");
    EXPECT_EQ(zoneField(space[0], 7), "     7"); // CeilZ
    EXPECT_EQ(zoneField(space[0], 8), "     6"); // RoofZ
    EXPECT_EQ(zoneField(space[0], 9), "  0.82");
    for (int z : {a, b, c}) {
        const auto ceiling = cards(z, 91);
        ASSERT_EQ(ceiling.size(), 1u);
        EXPECT_EQ(number(ceiling[0], 3), 7.0);
    }
    const auto roof = cards(6, 31);
    ASSERT_EQ(roof.size(), 1u);
    EXPECT_EQ(field(roof[0], 1), "145.14");
    EXPECT_NEAR(number(roof[0], 4), 0.6 * 80.0 / 145.137, 0.006);
    const auto tops = cards(7, 61);
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_EQ(field(tops[0], 1), " 32.00");
    EXPECT_EQ(field(tops[1], 1), " 24.00");
    expectEveryNamedZoneHasACard();
}

TEST_F(ZoneSpaces, ACeilingWithLittleExposedAreaStillNamesARoofSpaceThatExists) {
    // 0.6 m2 of the lower zone's ceiling is not covered by the zone above.
    const int lower = addZone(0, 0, 2, 2, 1);
    const int upper = addZone(0, 0, 2, 1.7, 2);
    model_->CommonFloorArea(lower, upper) = model_->CommonFloorArea(upper, lower) = 3.4;
    writeAll();
    const auto ceiling = cards(lower, 91);
    ASSERT_EQ(ceiling.size(), 1u);
    EXPECT_EQ(field(ceiling[0], 1), "  0.60");
    EXPECT_EQ(model_->RoofSpaceGroupCount, 2);
    EXPECT_TRUE(cards(upper, 51).empty()); // the upper zone's floor lies all on the lower zone
    ASSERT_EQ(cards(upper, 71).size(), 1u);
    EXPECT_EQ(number(cards(upper, 71)[0], 3), static_cast<double>(lower));
    expectEveryNamedZoneHasACard();
}

TEST_F(ZoneSpaces, AFloorThatMeetsNoFloorSpaceFoundsNone) {
    const int veryOpen = addZone(0, 0, 5, 4);
    model_->ZoneExtFloors(veryOpen).Material = 2; // suspended timber
    model_->ZoneExtFloors(veryOpen).FloorVentilation = 0;
    const int neighbour = addZone(5, 0, 5, 4);
    model_->ZoneExtFloors(neighbour).Material = 6; // timber floor to a neighbour
    // A zone listing both in its shared list adds neither to its group.
    const int slab = addZone(10, 0, 5, 4);
    shareFloor({slab, veryOpen, neighbour});
    writeAll();
    ASSERT_EQ(model_->FloorSpaceGroupCount, 1);
    EXPECT_EQ(model_->FloorSpaceGroups(1).Zones(1), slab);
    EXPECT_EQ(model_->FloorSpaceGroups(1).Zones(2), 0);
    EXPECT_EQ(cards(veryOpen, 41).size(), 1u);
    EXPECT_EQ(cards(neighbour, 156).size(), 1u);
    EXPECT_EQ(cards(4, 81).size(), 1u);
    expectEveryNamedZoneHasACard();
}

TEST_F(ZoneSpaces, OpenAndEnclosedSubfloorsTakeTheirVentilation) {
    const int open = addZone(0, 0, 5, 4);
    model_->ZoneExtFloors(open).Material = 2;
    model_->ZoneExtFloors(open).FloorVentilation = 1;
    const int enclosed = addZone(20, 0, 5, 4);
    model_->ZoneExtFloors(enclosed).Material = 2;
    model_->ZoneExtFloors(enclosed).FloorVentilation = 2;
    model_->ZoneExtFloors(enclosed).FloorVentArea = 4; // 6000 mm2 per metre, not 5000
    model_->ZoneExtFloors(enclosed).UnderFloorHeight = 500.0;
    writeAll();
    EXPECT_EQ(model_->FloorSpacePseudoCount, 6);
    // Open: zones 3 (air), 4 (underside of floor) and 5 (top of ground).
    const auto openSpace = cards(3, 0);
    ASSERT_EQ(openSpace.size(), 1u);
    EXPECT_EQ(zoneField(openSpace[0], 1), " 100.0"); // five times 20 m2
    EXPECT_EQ(zoneField(openSpace[0], 2), "  6.00");
    EXPECT_EQ(zoneField(openSpace[0], 3), "  2.50");
    EXPECT_EQ(zoneField(openSpace[0], 5), "SubFlA");
    EXPECT_TRUE(cards(3, 30).empty());
    EXPECT_EQ(number(cards(open, 51)[0], 3), 4.0);
    // Enclosed: 20 m2 by 0.5 m is 10 m3, perimeter 18 m.
    const auto enclosedSpace = cards(6, 0);
    ASSERT_EQ(enclosedSpace.size(), 1u);
    EXPECT_EQ(zoneField(enclosedSpace[0], 1), "  10.0");
    EXPECT_NEAR(std::stod(zoneField(enclosedSpace[0], 2)), 9.612e-5 * 18.0 * 6000.0 / 10.0, 0.006);
    EXPECT_NEAR(std::stod(zoneField(enclosedSpace[0], 3)), 3.046e-4 * 18.0 * 6000.0 * 0.74 / 10.0, 0.006);
    const auto walls = cards(6, 30);
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(field(walls[1], 2), "  4.00");
    EXPECT_EQ(field(walls[1], 3), "  2.00");
    EXPECT_EQ(field(walls[1], 4), "    90");
    // A non-reflective floor underside (GU 1, emittance 0.82) links to the ground through the
    // non-reflective radiation section; a foil underside (GU 0, 0.05) through the reflective one.
    EXPECT_EQ(zoneField(enclosedSpace[0], 9), "  0.82");
    EXPECT_EQ(cards(7, 123).size(), 1u);
    EXPECT_EQ(cards(8, 123).size(), 1u);
    expectEveryNamedZoneHasACard();

    lines_->clear();
    model_->ZoneExtFloors(enclosed).Insulation = 3; // reflective foil under the floor
    GroupFloorSpaces(*run_);
    WriteFloorSpaces(*run_);
    EXPECT_EQ(zoneField(cards(6, 0)[0], 9), "  0.05");
    EXPECT_EQ(cards(7, 124).size(), 1u);
    EXPECT_TRUE(cards(7, 123).empty());
    EXPECT_EQ(cards(8, 121).size(), 1u);
}

TEST_F(ZoneSpaces, GroupsWithoutGeometryAreRefusedNamingTheZone) {
    struct Case {
        const char* what;
        void (*spoil)(HouseModel&);
    };
    const Case cases[] = {
        {"a roof space larger than its extents", [](HouseModel& m) { m.Zones(1).FloorArea = 30.0; }},
        {"an enclosed subfloor of no height",
         [](HouseModel& m) {
             m.ZoneExtFloors(1).Material = 2;
             m.ZoneExtFloors(1).UnderFloorHeight = 0.0;
         }},
        {"a roof of 90 degrees", [](HouseModel& m) { m.ZoneRoofs(1).Slope = 90.0; }},
    };
    for (const Case& c : cases) {
        lines_->clear();
        model_->ZoneCount = 0;
        addZone(0, 0, 5, 4, 1, "Lounge");
        c.spoil(*model_);
        try {
            writeAll();
            ADD_FAILURE() << c.what << " was written";
        } catch (const ScratchError& e) {
            EXPECT_NE(std::string(e.what()).find("zone 1 (Lounge)"), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace zone_test
