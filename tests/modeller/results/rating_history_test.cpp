// The rating history file: its fixed lines against a golden file, the round trip with the file's
// rounding, the nine-record limit, and faulty files that leave the history in memory as it was.
#include "modeller/results/rating_history.h"

#include "common/text_values.h"
#include "results_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace {

using namespace pelmora;
using namespace results_test;

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The record of the golden file: one zone "Living" with the house's own energies.
void fillGoldenRecord(StarType& r) {
    r.Name = "House_3";
    r.Zones = 1;
    r.Climate = 5;
    r.Heat = 1234.4;
    r.CoolS = 567.5; // a half: written 568, to the even neighbour
    r.CoolL = 88.5;  // written 88
    r.Total = 0.0;   // set from the parts when written
    r.Area = 80.0;
    r.Stars = 3.5;
    r.AreaAdjust = 0.8;
    r.ZoneName(1) = "Living";
    r.ZoneArea(1) = 80.0;
    r.ZoneColour(1) = 0x0080FF;
    r.ZoneHeat(1) = 1234.4;
    r.ZoneCoolS(1) = 567.5;
    r.ZoneCoolL(1) = 88.5;
    r.ZoneStars(1) = 3.5;
    r.ZoneConditioned(1) = true;
    r.MonthHeat(1) = 617.2;
    r.MonthHeat(6) = 0.25; // written 0.2, to the even neighbour
    r.MonthHeat(12) = 617.2;
    r.MonthCoolS(7) = 567.5;
    r.MonthCoolL(7) = 88.5;
    for (int m = 1; m <= kMonths; ++m) {
        r.ZoneMonthHeat(1, m) = r.MonthHeat(m);
        r.ZoneMonthCoolS(1, m) = r.MonthCoolS(m);
        r.ZoneMonthCoolL(1, m) = r.MonthCoolL(m);
    }
}

class RatingHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(folder.path() / "Data"); }
    std::string read(SimulationHistory& into) {
        return modelErrorOf([&] { ReadPastRatings(into, folder.path()); });
    }
    TempFolder folder;
    std::unique_ptr<SimulationHistory> history = std::make_unique<SimulationHistory>();
};

TEST_F(RatingHistoryTest, OneRecordIsWrittenLineForLineAsTheGoldenFile) {
    history->SimulationRecordCount = 1;
    fillGoldenRecord(history->SimulationRecords(1));
    ASSERT_EQ(modelErrorOf([&] { WritePastRatings(*history, folder.path()); }), "no error");
    const std::string golden = fileText(std::filesystem::path(TEST_SOURCE_DIR) / "one_record_history.txt");
    const std::string written = fileText(folder.path() / "Data" / "PASTRATE.TXT");
    const auto goldenLines = common::splitLines(golden);
    const auto writtenLines = common::splitLines(written);
    ASSERT_EQ(writtenLines.size(), goldenLines.size());
    for (std::size_t i = 0; i < goldenLines.size(); ++i)
        EXPECT_EQ(writtenLines[i], goldenLines[i]) << "line " << i + 1;
    EXPECT_EQ(written, golden) << "CR LF line ends";
    EXPECT_NEAR(history->SimulationRecords(1).Total, 1890.4, 1e-9) << "the total is set when written";
    EXPECT_NEAR(history->SimulationRecords(1).ZoneTotal(1), 1890.4, 1e-9);
}

TEST_F(RatingHistoryTest, RecordHasTwentyFiveLinesAndTwentyThreePerZone) {
    history->SimulationRecordCount = 1;
    StarType& r = history->SimulationRecords(1);
    fillGoldenRecord(r);
    r.Zones = 2;
    r.ZoneName(2) = "Bed";
    EXPECT_EQ(common::splitLines(pastRatingsText(*history)).size(), 72u);
}

// A value too wide for its field is written whole, however wide, and reads back: the largest energy
// a double holds, and one past the range of a 64-bit integer in a field without decimals.
TEST_F(RatingHistoryTest, ValueWiderThanItsFieldIsWrittenWhole) {
    history->SimulationRecordCount = 1;
    StarType& r = history->SimulationRecords(1);
    fillGoldenRecord(r);
    r.AreaAdjust = 12.5;
    r.Heat = 1e15;
    r.ZoneName(1) = "A zone name of twenty";
    auto lines = common::splitLines(pastRatingsText(*history));
    EXPECT_EQ(lines[4], "1000000000000000 House Heating, MJ");
    EXPECT_EQ(lines[10], "12.50 Area Adjustment");
    EXPECT_EQ(lines[25], "A zone name of twenty");

    r.Heat = 1e308;
    r.ZoneHeat(1) = 1e19;
    r.ZoneMonthCoolS(1, 7) = -2.5e300;
    ASSERT_EQ(modelErrorOf([&] { WritePastRatings(*history, folder.path()); }), "no error");
    lines = common::splitLines(fileText(folder.path() / "Data" / "PASTRATE.TXT"));
    const std::string caption = " House Heating, MJ";
    EXPECT_EQ(lines[4].size(), 309 + caption.size()) << "309 digits, then the caption";
    EXPECT_TRUE(lines[4].ends_with(caption));
    EXPECT_EQ(lines[28], "10000000000000000000 Zone Heating, MJ");
    // Energies no house can use are written whole, but a file that holds them is no rating.
    auto restored = std::make_unique<SimulationHistory>();
    EXPECT_NE(read(*restored).find("the energy 1e+308 outside 0 to 1e+12 MJ"), std::string::npos);
    EXPECT_EQ(restored->SimulationRecordCount, 0);

    r.Heat = 1234.4;
    r.ZoneHeat(1) = 1234.4;
    r.ZoneMonthCoolS(1, 7) = 567.5;
    ASSERT_EQ(modelErrorOf([&] { WritePastRatings(*history, folder.path()); }), "no error");
    ASSERT_EQ(read(*restored), "no error");
    EXPECT_DOUBLE_EQ(restored->SimulationRecords(1).AreaAdjust, 12.5);
    EXPECT_EQ(restored->SimulationRecords(1).ZoneName(1), "A zone name of twenty");
}

// A value that is not a number cannot be read back: the whole file is refused before anything is
// replaced, naming the record and the value, and the kept file stays as it was.
TEST_F(RatingHistoryTest, ValueThatIsNoNumberIsRefusedAndTheOldFileStays) {
    history->SimulationRecordCount = 1;
    fillGoldenRecord(history->SimulationRecords(1));
    ASSERT_EQ(modelErrorOf([&] { WritePastRatings(*history, folder.path()); }), "no error");
    const std::string kept = fileText(folder.path() / "Data" / "PASTRATE.TXT");
    const struct {
        const char* what;
        std::function<void(StarType&)> spoil;
        const char* named;
    } cases[] = {
        {"a total past the largest double", [](StarType& r) { r.Heat = r.CoolS = 1e308; },
         "House Energy Total"},
        {"a zone's energy", [](StarType& r) { r.ZoneCoolL(1) = std::nan(""); }, "Zone Cooling Latent"},
        {"a month's energy", [](StarType& r) { r.MonthHeat(3) = HUGE_VAL; }, "energy of month 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        history->SimulationRecordCount = 2;
        fillGoldenRecord(history->SimulationRecords(1));
        c.spoil(history->SimulationRecords(1));
        const std::string error = modelErrorOf([&] { WritePastRatings(*history, folder.path()); });
        EXPECT_NE(error.find("The rating of \"House_3\" cannot be kept"), std::string::npos) << error;
        EXPECT_NE(error.find(c.named), std::string::npos) << error;
        EXPECT_EQ(fileText(folder.path() / "Data" / "PASTRATE.TXT"), kept);
    }
}

TEST_F(RatingHistoryTest, RoundTripKeepsTheFilesRoundedValuesAndNames) {
    history->SimulationRecordCount = 2;
    fillGoldenRecord(history->SimulationRecords(1));
    StarType& older = history->SimulationRecords(2);
    fillGoldenRecord(older);
    older.Name = "Old house_1";
    older.Zones = 2;
    older.ZoneName(2) = "Bed 2";
    older.ZoneArea(2) = 12.346;
    older.ZoneConditioned(2) = false;
    older.Stars = kNoRating;
    older.AreaAdjust = 0.876;
    ASSERT_EQ(modelErrorOf([&] { WritePastRatings(*history, folder.path()); }), "no error");

    auto restored = std::make_unique<SimulationHistory>();
    restored->SimulationRecords(2).ZoneConditioned(2) = true;
    ASSERT_EQ(read(*restored), "no error");
    EXPECT_EQ(restored->SimulationRecordCount, 2);
    const StarType& a = restored->SimulationRecords(1);
    EXPECT_EQ(a.Name, "House_3");
    EXPECT_EQ(a.Zones, 1);
    EXPECT_EQ(a.Climate, 5);
    EXPECT_EQ(a.Heat, 1234.0);
    EXPECT_EQ(a.CoolS, 568.0);
    EXPECT_EQ(a.Total, 1890.0) << "taken from the file";
    EXPECT_EQ(a.Area, 80.0);
    EXPECT_EQ(a.Stars, 3.5);
    EXPECT_EQ(a.AreaAdjust, 0.8);
    EXPECT_EQ(a.ZoneName(1), "         Living") << "nine blanks and the name";
    EXPECT_EQ(a.ZoneColour(1), 0x0080FF);
    EXPECT_EQ(a.ZoneTotal(1), 1890.0);
    EXPECT_TRUE(a.ZoneConditioned(1));
    EXPECT_NEAR(a.MonthHeat(1), 617.2, 1e-12);
    EXPECT_NEAR(a.MonthHeat(6), 0.2, 1e-12);
    EXPECT_NEAR(a.MonthCoolL(7), 88.5, 1e-12);
    EXPECT_NEAR(a.ZoneMonthCoolS(1, 7), 567.5, 1e-12);
    const StarType& b = restored->SimulationRecords(2);
    EXPECT_EQ(b.Name, "Old house_1");
    EXPECT_EQ(b.ZoneName(2), "          Bed 2");
    EXPECT_NEAR(b.ZoneArea(2), 12.35, 1e-12) << "areas to 0.01 m2";
    EXPECT_FALSE(b.ZoneConditioned(2));
    EXPECT_EQ(b.Stars, kNoRating);
    EXPECT_NEAR(b.AreaAdjust, 0.88, 1e-12) << "the adjustment to 0.01";
}

TEST_F(RatingHistoryTest, NineRecordsAreWrittenAndReadBack) {
    history->SimulationRecordCount = 9;
    for (int k = 1; k <= 9; ++k) {
        fillGoldenRecord(history->SimulationRecords(k));
        history->SimulationRecords(k).Name = "House_" + std::to_string(10 - k);
        history->SimulationRecords(k).Heat = 100.0 * k;
    }
    ASSERT_EQ(modelErrorOf([&] { WritePastRatings(*history, folder.path()); }), "no error");
    auto restored = std::make_unique<SimulationHistory>();
    ASSERT_EQ(read(*restored), "no error");
    EXPECT_EQ(restored->SimulationRecordCount, 9);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(restored->SimulationRecords(k).Name, "House_" + std::to_string(10 - k));
        EXPECT_EQ(restored->SimulationRecords(k).Heat, 100.0 * k);
    }
}

TEST_F(RatingHistoryTest, ConditionedLineOtherThanTrueOrFalseLeavesTheFlag) {
    std::string text = fileText(std::filesystem::path(TEST_SOURCE_DIR) / "one_record_history.txt");
    text.replace(text.find("TRUE"), 4, "true");
    folder.write("Data/PASTRATE.TXT", text);
    auto restored = std::make_unique<SimulationHistory>();
    restored->SimulationRecords(1).ZoneConditioned(1) = false;
    ASSERT_EQ(read(*restored), "no error");
    EXPECT_FALSE(restored->SimulationRecords(1).ZoneConditioned(1));
}

TEST_F(RatingHistoryTest, FaultyFileLeavesTheHistoryAsItWas) {
    const std::string golden = fileText(std::filesystem::path(TEST_SOURCE_DIR) / "one_record_history.txt");
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = golden;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        std::string text;
        const char* fault;
        int line = 0; // named in the fault, when given
    } cases[] = {
        {replaced("1\r\nHouse_3", "10\r\nHouse_3"), "Record count outside 0..9"},
        // Impossible values are damage, never a rating to show.
        {replaced("            3.5 House Star", "           -5.0 House Star"),
         "the star rating -5 lies off the rating scale (0 to 10 in half stars, or 11 for no rating)", 10},
        {replaced("            3.5 House Star", "           99.0 House Star"), "the star rating 99 lies off",
         10},
        {replaced("            3.5 House Star", "          1E308 House Star"),
         "the star rating 1e+308 lies off", 10},
        {replaced("            3.5 Zone Star", "            3.7 Zone Star"), "the star rating 3.7 lies off",
         33},
        {replaced("           1234 House Heating", "          1E308 House Heating"),
         "the energy 1e+308 outside 0 to 1e+12 MJ", 5},
        {replaced("           1890 House Energy Total", "          -1890 House Energy Total"),
         "the energy -1890 outside 0 to 1e+12 MJ", 8},
        {replaced("            568 Zone Cooling Sensible", "           -568 Zone Cooling Sensible"),
         "the energy -568 outside", 30},
        {replaced("    88.5     567.5       0.0         7", "   -88.5     567.5       0.0         7"),
         "the energy -88.5 outside", 19},
        {replaced("              1 Zones", "            101 Zones"), "Zone count outside 0..100"},
        {replaced("          80.00 Zone Area", "          8O.00 Zone Area"), "Invalid numeric format"},
        {replaced("    88.5     567.5       0.0         7", "    88.5     567.5"), "Unexpected end of line"},
        {golden.substr(0, golden.find("         Living")), "Unexpected end of file"},
    };
    history->SimulationRecordCount = 1;
    history->SimulationRecords(1).Name = "Kept";
    for (const auto& c : cases) {
        folder.write("Data/PASTRATE.TXT", c.text);
        const std::string error = read(*history);
        EXPECT_NE(error.find(c.fault), std::string::npos) << error;
        EXPECT_NE(error.find("PASTRATE.TXT, line "), std::string::npos) << error;
        if (c.line != 0) {
            EXPECT_TRUE(error.ends_with("PASTRATE.TXT, line " + std::to_string(c.line))) << error;
        }
        EXPECT_EQ(history->SimulationRecordCount, 1);
        EXPECT_EQ(history->SimulationRecords(1).Name, "Kept");
    }
    // The ends of the rating scale and the mark of no rating are ratings.
    for (const char* stars :
         {"            0.0 House Star", "           10.0 House Star", "           11.0 House Star"}) {
        folder.write("Data/PASTRATE.TXT", replaced("            3.5 House Star", stars));
        EXPECT_EQ(read(*history), "no error") << stars;
    }
    history->SimulationRecords(1).Name = "Kept";
    std::filesystem::remove(folder.path() / "Data" / "PASTRATE.TXT");
    EXPECT_NE(read(*history).find("File not found"), std::string::npos);
}

TEST_F(RatingHistoryTest, UnwritableFileIsReportedAndTheOldFileStays) {
    history->SimulationRecordCount = 1;
    fillGoldenRecord(history->SimulationRecords(1));
    std::filesystem::remove_all(folder.path() / "Data");
    const std::string error = modelErrorOf([&] { WritePastRatings(*history, folder.path()); });
    EXPECT_NE(error.find("PASTRATE.TXT"), std::string::npos) << error;
    EXPECT_EQ(history->SimulationRecordCount, 1);
}

} // namespace
