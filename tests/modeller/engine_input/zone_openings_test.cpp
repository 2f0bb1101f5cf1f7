// Air leakage, occupants, ceiling fans, card 300, ventilation openings, gains, thermostats and
// controls of the real zones, against hand-worked values.
#include "zone_fixture.h"

#include "modeller/engine_input/zone_openings_gains.h"

#include <cmath>

namespace zone_test {
namespace {

using namespace pelmora;

class ZoneOpenings : public ZoneWriterTest {
  protected:
    // Profiles that say their hour: base 100 W, occupants 200 W, kitchen 50 W sensible and 30 W
    // latent, day set-points 20 °C heating and 25 °C cooling, sleeping 17 and 26 °C; hour 24 of the
    // day heating profile 21 °C.
    void setProfiles() {
        using namespace occupancy_profile;
        for (int h = 1; h <= 24; ++h) {
            auto& p = run_->Occupancy.Profiles;
            p(kDayBase, h) = p(kSleepingBase, h) = 100.0;
            p(kDayOccupants, h) = p(kSleepingOccupants, h) = 200.0;
            p(kKitchenSensible, h) = 50.0;
            p(kKitchenLatent, h) = 30.0;
            p(kDayHeating, h) = 20.0;
            p(kDayCooling, h) = 25.0;
            p(kSleepingHeating, h) = 17.0;
            p(kSleepingCooling, h) = 26.0;
        }
        run_->Occupancy.Profiles(kDayHeating, 24) = 21.0;
        run_->Occupancy.DayControls = {18, 7, 18.0, 300.0, 24.0, 200.0, 6, 23, 23.5, 21.5, 0.0};
        run_->Occupancy.SleepingControls = {20, 7, 18.0, 300.0, 24.5, 250.0, 0, 24, 24.0, 22.0, 0.0};
    }
};

TEST_F(ZoneOpenings, OccupantsFollowTheNonGarageFloorArea) {
    struct Case {
        double area; // m2 of non-garage floor
        int count;
    };
    for (const Case c : {Case{55.0, 1}, Case{84.0, 1}, Case{100.0, 2}, Case{115.0, 2}, Case{145.0, 4},
                         Case{205.0, 6}, Case{400.0, 6}}) {
        model_->ZoneCount = 0;
        addZone(0, 0, c.area, 1.0);
        const int garage = addZone(0, 5, 10, 10);
        model_->Zones(garage).ZoneType = 5;
        const TOccupantValues v = CalcOccupantValues(*model_);
        EXPECT_EQ(v.OccupantCount, c.count) << c.area;
        EXPECT_NEAR(v.HouseholdFactor, 0.165 * c.count + 0.33, 1e-12);
        EXPECT_NEAR(v.OccupantFactor, c.count / 4.0, 1e-12);
    }
    model_->ZoneCount = 0;
    const int small = addZone(0, 0, 2, 2), large = addZone(0, 5, 20, 10), mid = addZone(0, 0, 8, 5);
    EXPECT_DOUBLE_EQ(AreaFactor(*model_, small), 0.1);
    EXPECT_DOUBLE_EQ(AreaFactor(*model_, large), 2.0);
    EXPECT_DOUBLE_EQ(AreaFactor(*model_, mid), 0.5);
}

TEST_F(ZoneOpenings, LeakageOfAZoneWithEveryKindOfLeak) {
    for (const bool sealed : {false, true}) {
        model_->ZoneCount = 0;
        const int z = addZone(0, 0, 5, 4); // 20 m2, 48 m3
        TZoneRec& zone = model_->Zones(z);
        zone.DraughtSeals = sealed;
        zone.VentCount = 1;
        zone.DownlightCount = 2;
        zone.ExhaustFanCount = 1;
        zone.UnsealedChimney = true;
        model_->AddWindow(z, 0);
        model_->WallWindows(z, 0, 1).ElementArea = 2.0;
        model_->AddDoor(z, 1);
        CalcZoneLeakage(*run_, z);
        // Worked by hand from the leakage coefficients of each item.
        EXPECT_NEAR(run_->ZoneLeakageA(z), sealed ? 2.13043196 : 2.39213734, 1e-6) << sealed;
        EXPECT_NEAR(run_->ZoneLeakageB(z), sealed ? 5.58792769 : 5.67516131, 1e-6) << sealed;
    }
}

TEST_F(ZoneOpenings, AZoneWithoutVolumeIsRefusedNamingIt) {
    const int z = addZone(0, 0, 5, 4, 1, "Study");
    for (int w = 0; w < 4; ++w) model_->Walls(z, w).ExtHeight = 0.0;
    try {
        CalcZoneLeakage(*run_, z);
        ADD_FAILURE() << "a zone of no volume got leakage values";
    } catch (const ScratchError& e) {
        EXPECT_NE(std::string(e.what()).find("zone 1 (Study)"), std::string::npos) << e.what();
    }
}

TEST_F(ZoneOpenings, CeilingFansGiveTheAirSpeedOfTheirCoverage) {
    const int small = addZone(0, 0, 2, 2);
    model_->Zones(small).CeilingFanCount = 1;
    model_->Zones(small).FanDiameter = 1200.0;
    CeilingFan fan = CalcCeilingFan(*model_, small);
    EXPECT_NEAR(fan.AirSpeed, 0.66, 1e-3); // the fan covers the whole floor: its rated speed
    EXPECT_DOUBLE_EQ(fan.Power, 60.0);

    const int large = addZone(0, 0, 5, 4);
    model_->Zones(large).CeilingFanCount = 1;
    model_->Zones(large).FanDiameter = 900.0;
    fan = CalcCeilingFan(*model_, large);
    // Effect 1.656 K over 2.54 of 20 m2 is 0.2103 K, the speed that gives it 0.2354 m/s.
    EXPECT_NEAR(fan.AirSpeed, 0.23539, 1e-4);
    EXPECT_NEAR(6.0 * (fan.AirSpeed - 0.2) - 1.6 * std::pow(fan.AirSpeed - 0.2, 2), 1.656 * 2.54 / 20.0,
                1e-3);

    model_->Zones(large).FanDiameter = 1000.0;
    EXPECT_THROW(CalcCeilingFan(*model_, large), ScratchError);
}

TEST_F(ZoneOpenings, FloorHeightCountsTheLevelsBelowAndARaisedGroundFloor) {
    const int top = addZone(0, 0, 5, 4, 3);
    model_->Walls(top, 1).ExtHeight = 2.7;
    WriteZoneVentilationAndControls(*run_, top);
    auto card = cards(top, 300);
    ASSERT_EQ(card.size(), 1u);
    EXPECT_EQ(card[0], " 3  1300  5.30  2.70   0.0   0.0");

    lines_->clear();
    model_->LevelDefaults(1).DefFloorMaterial = 2; // a suspended timber floor raises the house
    model_->LevelDefaults(1).DefUnderFloorHeight = 600.0;
    WriteZoneVentilationAndControls(*run_, top);
    EXPECT_EQ(field(cards(top, 300)[0], 1), "  5.90");
}

TEST_F(ZoneOpenings, OpeningsOfEveryKindInTheirOrder) {
    const int lower = addZone(0, 0, 5, 4, 1);
    const int next = addZone(5, 0, 5, 4, 1);
    const int upper = addZone(0, 0, 5, 4, 2);
    joinWalls(lower, 1, next, 3);
    model_->Zones(lower).InsectScreens = true;
    model_->Walls(lower, 0).CpSetIndex = 3;
    // A stairwell of 1000 x 2250 mm from the upper zone into the lower one, 2.25 m2 of void.
    model_->AddStairUp(lower);
    model_->StairsUp(lower, 1) = TStairRec{1000.0, 2250.0, upper, 1};
    model_->VoidArea(lower, upper) = model_->VoidArea(upper, lower) = 2.25;
    // Stairwells a house file may hold that lead to no zone, or to none of this house: no opening.
    for (const int nowhere : {0, 99}) {
        const int i = model_->AddStairUp(lower).index;
        model_->StairsUp(lower, i) = TStairRec{800.0, 800.0, nowhere, 2};
    }
    // A fixed window (no opening) and a casement window of 90 % opening.
    for (int style : {5, 3}) {
        const int i = model_->AddWindow(lower, 0).index;
        TWindowRec& w = model_->WallWindows(lower, 0, i);
        w = TWindowRec{};
        w.Style = style;
        w.Width = 1.2;
        w.Height = 1.0;
        w.HeadHeight = 2.1;
    }
    const int d = model_->AddDoor(lower, 2).index;
    model_->WallDoors(lower, 2, d) = TDoorRec{};
    model_->WallDoors(lower, 2, d).Width = 0.9;
    model_->WallDoors(lower, 2, d).Height = 2.0;
    const int own = model_->AddDoor(lower, 1).index;
    model_->WallDoors(lower, 1, own).Width = 0.8;
    model_->WallDoors(lower, 1, own).Height = 2.0;
    const int mirrored = model_->AddInterzoneDoor(next, 3).index;
    model_->InterzoneDoors(next, 3, mirrored).Width = 0.8;
    model_->InterzoneDoors(next, 3, mirrored).Height = 2.0;

    WriteZoneVentilationAndControls(*run_, lower);
    WriteZoneVentilationAndControls(*run_, next);
    const std::vector<std::string> expected = {
        " 3  1301  1.50   0.6   100  0.00  1.50    -1     3   0.5     3     0  0.00     0     0",
        " 3  1302  0.00   0.6    50  1.10  2.10     3     1   0.5     0     0  0.00     0     0",
        " 3  1303  1.08   0.6    50  1.10  2.10     3     1   0.5     0     0  0.00     0     0",
        " 3  1304  0.90   0.6    50  0.00  2.00     0     1   0.5     0     0  0.00     0     0",
        " 3  1305  0.80   0.6   100  0.00  2.00    -1     1   0.5     2     1  0.00     0     0",
    };
    std::vector<std::string> openings;
    for (int c = 301; c <= 310; ++c)
        for (const auto& card : cards(lower, c)) openings.push_back(card);
    EXPECT_EQ(openings, expected);
    // The door between the two zones is written in the other zone too, as its mirrored door.
    ASSERT_EQ(cards(next, 301).size(), 1u);
    EXPECT_EQ(cards(next, 301)[0],
              " 3  2301  0.80   0.6   100  0.00  2.00    -1     1   0.5     1     1  0.00     0     0");
}

TEST_F(ZoneOpenings, GainsThermostatsAndControlsByZoneType) {
    setProfiles();
    const int living = addZone(0, 0, 8, 5, 1, "Living");   // 40 m2: area factor 0.5
    const int kitchen = addZone(8, 0, 4, 5, 1, "Kitchen"); // 20 m2
    const int bedroom = addZone(0, 5, 8, 5, 1, "Bed");     // 40 m2
    const int garage = addZone(8, 5, 4, 5, 1, "Garage");   // not counted: house of 100 m2
    model_->Zones(kitchen).ZoneType = 1;
    model_->Zones(bedroom).ZoneType = 2;
    model_->Zones(garage).ZoneType = 5;
    model_->Zones(living).Heated = model_->Zones(living).Cooled = true;
    model_->Zones(bedroom).Heated = true;
    model_->Zones(garage).Heated = true;
    run_->Occupants = CalcOccupantValues(*model_); // two occupants: 0.66 and 0.5
    for (int z = 1; z <= model_->ZoneCount; ++z) WriteZoneVentilationAndControls(*run_, z);

    // Living: 100 x 0.5 x 0.66 + 200 x 0.5 x 0.5 = 83 W sensible, 25 W latent.
    ASSERT_EQ(cards(living, 402).size(), 1u);
    EXPECT_EQ(field(cards(living, 402)[0], 12), "    83");
    EXPECT_EQ(field(cards(living, 404)[0], 1), "    25");
    // Living/kitchen, area factor 0.25: 100 + 50 + 200 + (0.165 - 1) 100 + (0.125 - 1) 200 = 91.5,
    // written as 92 (half to even); latent 0.5 x 200 x (0.125 - 1) + 30 = -57.5, not clipped.
    EXPECT_EQ(field(cards(kitchen, 401)[0], 1), "    92");
    EXPECT_EQ(field(cards(kitchen, 403)[0], 1), "   -58");
    // Sleeping zones take the sleeping profiles, scaled alike.
    EXPECT_EQ(field(cards(bedroom, 401)[0], 1), "    83");
    EXPECT_TRUE(cards(garage, 401).empty());

    // Thermostats: hour 24 in the last field of card 502.
    EXPECT_EQ(field(cards(living, 502)[0], 12), "  21.0");
    EXPECT_EQ(field(cards(living, 503)[0], 1), "  25.0");
    EXPECT_EQ(field(cards(bedroom, 501)[0], 1), "  17.0");
    EXPECT_TRUE(cards(bedroom, 503).empty());
    EXPECT_EQ(field(cards(garage, 501)[0], 1), "  20.0");
    EXPECT_TRUE(cards(kitchen, 501).empty());

    // Controls: the sleeping set for sleeping zones, the day set for every other type.
    EXPECT_EQ(cards(living, 601)[0], " 3  1601    18     7  18.0   300");
    EXPECT_EQ(cards(bedroom, 601)[0], " 3  3601    20     7  18.0   300");
    EXPECT_EQ(cards(bedroom, 603)[0], " 3  3603  24.5   250");
    EXPECT_EQ(cards(bedroom, 604)[0], " 3  3604  24.5   250");
    EXPECT_EQ(cards(garage, 605)[0], " 3  4605     6    23  23.5  21.5   0.0   0.0");
}

} // namespace
} // namespace zone_test
