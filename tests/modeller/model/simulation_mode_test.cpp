// The simulation mode's ticks: set by zone type for a rating, cleared for a free-running house, and
// written into the zones only on OK.
#include "model_fixture.h"

#include "modeller/model/house_file.h"
#include "modeller/model/occupancy_gains.h"
#include "modeller/model/simulation_mode.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class SimulationModeTest : public ::testing::Test {
  protected:
    int addZone(int type, bool heated, bool cooled) {
        const int z = ++model.ZoneCount;
        model.Zones(z).ZoneType = type;
        model.Zones(z).Level = 1;
        model.Zones(z).Heated = heated;
        model.Zones(z).Cooled = cooled;
        return z;
    }
    HouseModel model;
    SimulationMode mode{model};
};

TEST_F(SimulationModeTest, ConditionedHeatsAndCoolsTheHabitableZonesOnly) {
    for (int type = 0; type <= 7; ++type) addZone(type, type == zone_type::kGarage, false);
    mode.TakeZones();
    ASSERT_EQ(mode.RowCount(), 8);
    EXPECT_TRUE(mode.Row(6).Heat) << "the rows start from the zones' flags";
    mode.CondSBClick();
    EXPECT_FALSE(model.Zones(1).Heated) << "the buttons change only the ticks";
    mode.OKSBClick();
    for (int z = 1; z <= 8; ++z) {
        const int type = model.Zones(z).ZoneType;
        const bool habitable =
            type != zone_type::kWetArea && type != zone_type::kCorridor && type != zone_type::kGarage;
        EXPECT_EQ(model.Zones(z).Heated, habitable) << ZoneTypeName(type);
        EXPECT_EQ(model.Zones(z).Cooled, habitable) << ZoneTypeName(type);
    }
    EXPECT_EQ(mode.RowCount(), 0) << "OK drops the rows";
}

TEST_F(SimulationModeTest, FreeRunningClearsEveryZoneOnlyWhenConfirmed) {
    const int living = addZone(zone_type::kLiving, true, true);
    const int bed = addZone(zone_type::kSleeping, true, false);
    mode.TakeZones();
    mode.FreeSBClick();
    mode.Discard(); // Enter or Escape
    EXPECT_TRUE(model.Zones(living).Heated && model.Zones(living).Cooled);
    EXPECT_TRUE(model.Zones(bed).Heated);

    mode.TakeZones();
    mode.FreeSBClick();
    mode.OKSBClick();
    EXPECT_FALSE(model.IsConditioned(living));
    EXPECT_FALSE(model.IsConditioned(bed));
}

TEST_F(SimulationModeTest, AZoneCanBeHeatedWithoutBeingCooledAndTheOtherWayRound) {
    const int living = addZone(zone_type::kLiving, false, false);
    const int bed = addZone(zone_type::kSleeping, false, false);
    mode.TakeZones();
    mode.Row(living) = {true, false};
    mode.Row(bed) = {false, true};
    mode.OKSBClick();
    EXPECT_TRUE(model.Zones(living).Heated);
    EXPECT_FALSE(model.Zones(living).Cooled);
    EXPECT_FALSE(model.Zones(bed).Heated);
    EXPECT_TRUE(model.Zones(bed).Cooled);
}

TEST_F(SimulationModeTest, TheChosenModeIsKeptInTheHouseFile) {
    model_test::TempFolder folder;
    model.ClimateFileName = "climat07.TXT";
    model.LevelCount = 1;
    const int living = addZone(zone_type::kLiving, false, false);
    const int bed = addZone(zone_type::kSleeping, false, false);
    const int bath = addZone(zone_type::kWetArea, true, true);
    mode.TakeZones();
    mode.CondSBClick();
    mode.Row(bed).Cool = false;
    mode.OKSBClick();
    WriteHouseFile(model, folder.path() / "Mode_1.VOR");
    HouseModel read;
    ReadHouseFile(read, folder.path() / "Mode_1.VOR");
    ASSERT_EQ(read.ZoneCount, 3);
    EXPECT_TRUE(read.Zones(living).Heated && read.Zones(living).Cooled);
    EXPECT_TRUE(read.Zones(bed).Heated);
    EXPECT_FALSE(read.Zones(bed).Cooled);
    EXPECT_FALSE(read.IsConditioned(bath));
}

} // namespace
