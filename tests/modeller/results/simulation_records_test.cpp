// Simulation records: the energy file summed per zone, month and house, the rating area of the zones
// both heated and cooled, and the history of nine records that moves only after a complete read.
#include "modeller/results/simulation_records.h"

#include "results_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace pelmora;
using namespace results_test;

class SimulationRecordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Climate 5: limits falling by 10 from 200 MJ/m2; area correction 1.25 everywhere.
        rateableClimate(tables, 5);
        tables.AreaCorrectionCoeffs(5, 6) = 0.25;
    }
    void writeEnergy(const std::vector<std::string>& rows) { folder.write("energy.txt", energyFile(rows)); }
    std::string store() {
        return modelErrorOf([&] { StoreSimulationRecord(*history, model, tables); });
    }

    TempFolder folder;
    HouseModel model;
    RatingTables tables;
    std::unique_ptr<SimulationHistory> history = std::make_unique<SimulationHistory>();
};

// A heated-only zone of 50 m2 and a heated and cooled zone of 80 m2: both zones' energies count, the
// rating area is 80 m2.
TEST_F(SimulationRecordsTest, HeatedOnlyZoneCountsInEnergyButNotInTheRatingArea) {
    makeHouse(model, folder.path(),
              {{"Living", 50.0, true, false, 0x0000FF}, {"Bed", 80.0, true, true, 0x00FF00}});
    writeEnergy({energyRow(1, 1, 1, {10.0, 0.0, 0.0, 20.0, 0.0, 0.0}),
                 energyRow(1, 1, 2, {5.5, 0.0, 0.0, 4.5, 0.0, 0.0}),
                 energyRow(7, 15, 14, {0.0, 3.0, 1.0, 0.0, 100.0, 6.0}),
                 energyRow(12, 31, 24, {1000.0, 0.0, 0.0, 2000.0, 0.0, 0.0})});
    ASSERT_EQ(store(), "no error");
    const StarType& r = history->SimulationRecords(1);
    EXPECT_EQ(history->SimulationRecordCount, 1);
    EXPECT_EQ(r.Name, "House_3");
    EXPECT_EQ(r.Climate, 5);
    EXPECT_EQ(r.Zones, 2);
    EXPECT_EQ(r.ZoneName(2), "Bed");
    EXPECT_EQ(r.ZoneColour(1), 0x0000FF);
    EXPECT_TRUE(r.ZoneConditioned(1));
    // Heating 10 + 5.5 + 1000 and 20 + 4.5 + 2000; cooling only in July.
    EXPECT_NEAR(r.ZoneHeat(1), 1015.5, 1e-9);
    EXPECT_NEAR(r.ZoneHeat(2), 2024.5, 1e-9);
    EXPECT_NEAR(r.ZoneCoolS(2), 100.0, 1e-9);
    EXPECT_NEAR(r.ZoneCoolL(1), 1.0, 1e-9);
    EXPECT_NEAR(r.Heat, 3040.0, 1e-9);
    EXPECT_NEAR(r.CoolS, 103.0, 1e-9);
    EXPECT_NEAR(r.CoolL, 7.0, 1e-9);
    EXPECT_NEAR(r.Total, 3150.0, 1e-9);
    EXPECT_NEAR(r.ZoneTotal(2), 2130.5, 1e-9);
    EXPECT_NEAR(r.ZoneMonthHeat(1, 1), 15.5, 1e-9);
    EXPECT_NEAR(r.ZoneMonthCoolS(2, 7), 100.0, 1e-9);
    EXPECT_NEAR(r.MonthHeat(1), 40.0, 1e-9);
    EXPECT_NEAR(r.MonthHeat(12), 3000.0, 1e-9);
    EXPECT_NEAR(r.MonthCoolL(7), 7.0, 1e-9);
    EXPECT_EQ(r.Area, 80.0);
    // 3150 / 80 = 39.4 MJ/m2: L17 = 40 is the highest limit at or above it, 8.5 stars.
    EXPECT_EQ(r.Stars, 8.5);
    // Zone 2 alone: 2130.5 / 80 = 26.6, L18 = 30 -> 9 stars; zone 1: 1019.5 / 50 = 20.4, L19 = 20 is
    // below it -> L18, 9 stars.
    EXPECT_EQ(r.ZoneStars(2), 9.0);
    EXPECT_EQ(r.ZoneStars(1), 9.0);
    EXPECT_NEAR(r.AreaAdjust, 0.8, 1e-15);
}

TEST_F(SimulationRecordsTest, MonthOutsideTheYearCountsInTheYearOnly) {
    makeHouse(model, folder.path(), {{"Living", 100.0, true, true}});
    writeEnergy({energyRow(0, 1, 1, {7.0, 0.0, 0.0}), energyRow(13, 1, 1, {3.0, 0.0, 0.0}),
                 energyRow(2, 1, 1, {1.0, 0.0, 0.0})});
    ASSERT_EQ(store(), "no error");
    const StarType& r = history->SimulationRecords(1);
    EXPECT_NEAR(r.Heat, 11.0, 1e-12);
    double months = 0.0;
    for (int m = 1; m <= kMonths; ++m) months += r.MonthHeat(m);
    EXPECT_NEAR(months, 1.0, 1e-12);
}

TEST_F(SimulationRecordsTest, HouseWithoutConditionedZonesNeedsNoEnergyFileAndHasNoRating) {
    makeHouse(model, folder.path(), {{"Living", 100.0, false, false}, {"Bed", 20.0, false, false}});
    ASSERT_EQ(store(), "no error") << "the engine writes no energy file for such a house";
    const StarType& r = history->SimulationRecords(1);
    EXPECT_EQ(r.Total, 0.0);
    EXPECT_EQ(r.Area, 0.0);
    EXPECT_EQ(r.Stars, kNoRating);
    EXPECT_EQ(r.ZoneStars(1), kNoRating);
    EXPECT_FALSE(r.ZoneConditioned(2));
    EXPECT_EQ(r.AreaAdjust, 1.0);
}

TEST_F(SimulationRecordsTest, OnlyConditionedZonesHaveColumns) {
    // Zone 2 is free running: the second triple of each row belongs to zone 3.
    makeHouse(model, folder.path(),
              {{"A", 10.0, true, true}, {"Hall", 5.0, false, false}, {"C", 10.0, true, true}});
    writeEnergy({energyRow(3, 1, 1, {1.0, 2.0, 3.0, 4.0, 5.0, 6.0})});
    ASSERT_EQ(store(), "no error");
    const StarType& r = history->SimulationRecords(1);
    EXPECT_EQ(r.ZoneHeat(2), 0.0);
    EXPECT_EQ(r.ZoneHeat(3), 4.0);
    EXPECT_EQ(r.ZoneCoolL(3), 6.0);
    EXPECT_EQ(r.ZoneStars(2), kNoRating);
}

TEST_F(SimulationRecordsTest, TenthRunDropsTheOldestAndKeepsNine) {
    makeHouse(model, folder.path(), {{"Living", 100.0, true, true}});
    for (int run = 1; run <= 10; ++run) {
        model.RunNumber = run;
        writeEnergy({energyRow(1, 1, 1, {static_cast<double>(run), 0.0, 0.0})});
        ASSERT_EQ(store(), "no error");
    }
    EXPECT_EQ(history->SimulationRecordCount, 9);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(history->SimulationRecords(k).Name, "House_" + std::to_string(11 - k));
        EXPECT_EQ(history->SimulationRecords(k).Heat, 11.0 - k);
    }
}

TEST_F(SimulationRecordsTest, FailedReadLeavesTheHistoryAsItWas) {
    makeHouse(model, folder.path(), {{"Living", 100.0, true, true}, {"Bed", 50.0, false, true}});
    writeEnergy({energyRow(1, 1, 1, {1.0, 0.0, 0.0, 2.0, 0.0, 0.0})});
    ASSERT_EQ(store(), "no error");
    model.RunNumber = 4;
    const struct {
        const char* energy; // nullptr: no file
        const char* fault;
    } cases[] = {
        {nullptr, "File not found"},
        {"    1   1    1      1.0      0.0      0.0      x.0      0.0      0.0", "Invalid numeric format"},
        {"    1   1    1      1.0      0.0      0.0      2.0", "Unexpected end"},
        {"    1   1    1*********      0.0      0.0      2.0      0.0      0.0", "Invalid numeric format"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder.path() / "energy.txt");
        if (c.energy) writeEnergy({energyRow(1, 1, 1, {1.0, 0.0, 0.0, 2.0, 0.0, 0.0}), c.energy});
        const std::string error = store();
        EXPECT_NE(error.find(c.fault), std::string::npos) << error;
        EXPECT_NE(error.find("ENERGY.TXT"), std::string::npos) << "names the file: " << error;
        EXPECT_EQ(history->SimulationRecordCount, 1);
        EXPECT_EQ(history->SimulationRecords(1).Name, "House_3");
        EXPECT_EQ(history->SimulationRecords(1).Total, 3.0);
        EXPECT_EQ(history->SimulationRecords(2).Name, "") << "nothing moved down";
    }
}

// The star bands rate a year's energy: a file of two days, of a run cut an hour short, an hour long or
// of two years is refused, naming the file and its rows, and the history stays as it was.
TEST_F(SimulationRecordsTest, ARatingNeedsExactlyTheRowsOfTheYear) {
    makeHouse(model, folder.path(), {{"Living", 100.0, true, true}});
    const std::string hour = energyRow(1, 1, 1, {1.0, 0.0, 0.0});
    for (const int rows : {48, 8759, 8761, 17520}) {
        SCOPED_TRACE(rows);
        folder.write("energy.txt", energyFileOfRows(std::vector<std::string>(rows, hour)));
        const std::string error = store();
        EXPECT_NE(error.find("ENERGY.TXT holds " + std::to_string(rows) + " hourly rows"), std::string::npos)
            << error;
        EXPECT_NE(error.find("8760 hours of the year"), std::string::npos) << error;
        EXPECT_EQ(history->SimulationRecordCount, 0);
    }
    folder.write("energy.txt", energyFileOfRows(std::vector<std::string>(8760, hour)));
    ASSERT_EQ(store(), "no error");
    EXPECT_EQ(history->SimulationRecords(1).Heat, 8760.0) << "1 MJ in each hour";
}

// Energies too large to add up give a year of no number: the record is refused before it enters the
// history, naming the energy file.
TEST_F(SimulationRecordsTest, EnergiesTooLargeToAddUpAreRefused) {
    makeHouse(model, folder.path(), {{"Living", 100.0, true, true}});
    writeEnergy({"    1   1    1    1E308      0.0      0.0", "    1   1    2    1E308      0.0      0.0"});
    const std::string error = store();
    EXPECT_NE(error.find("ENERGY.TXT holds energies too large"), std::string::npos) << error;
    EXPECT_EQ(history->SimulationRecordCount, 0);
}

TEST(ClimateNumber, CharactersSevenAndEightOfTheClimateFileName) {
    EXPECT_EQ(climateNumber("climat05.TXT"), 5);
    EXPECT_EQ(climateNumber("climat69.TXT"), 69);
    EXPECT_EQ(climateNumber(""), 0);
    EXPECT_EQ(climateNumber("climatXY.TXT"), 0);
}

} // namespace
