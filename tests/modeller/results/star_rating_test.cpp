// Star bands and area correction: the rating of energy per square metre against twenty falling
// limits, the polynomial of the area correction, and the two tables' loaders.
#include "modeller/results/star_rating.h"

#include "results_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using results_test::modelErrorOf;
using results_test::starBandRow;
using results_test::TempFolder;

// Limits falling by 10 from 200: L1 = 200, L2 = 190, ... L20 = 10 (MJ/m2).
RatingTables fallingBy10(int climate) {
    RatingTables t;
    results_test::rateableClimate(t, climate);
    return t;
}

TEST(StarRating, RatesEnergyPerSquareMetreAgainstTheBands) {
    const RatingTables t = fallingBy10(5);
    struct Case {
        double energy, area, stars;
    };
    const Case cases[] = {
        {3000.0, 20.0, 3.0},  // x = 150 = L6
        {3002.0, 20.0, 2.5},  // x = 150.1
        {5000.0, 20.0, 0.0},  // x = 250, above every limit
        {100.0, 20.0, 10.0},  // x = 5, below L20
        {4000.0, 20.0, 0.5},  // x = 200 = L1 exactly
        {3400.0, 20.0, 2.0},  // x = 170 = L4 exactly
        {3400.002, 20.0, 1.5} // a hair above L4
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(StarRating(t, 5, c.area, c.energy), c.stars) << c.energy << " MJ on " << c.area;
}

TEST(StarRating, NoEnergyOrNoAreaIsNoRating) {
    const RatingTables t = fallingBy10(5);
    EXPECT_EQ(StarRating(t, 5, 100.0, 0.0), kNoRating);
    EXPECT_EQ(StarRating(t, 5, 0.0, 5000.0), kNoRating);
    EXPECT_EQ(StarRating(t, 5, 0.0, 0.0), kNoRating);
}

// A climate the star band table has no row for cannot be rated: no rating, never the 0 stars that
// limits of 0 would give.
TEST(StarRating, ClimateWithoutBandsHasNoRating) {
    const RatingTables t = fallingBy10(5);
    EXPECT_EQ(StarRating(t, 6, 100.0, 1.0), kNoRating) << "absent row";
    EXPECT_EQ(StarRating(t, 0, 100.0, 1.0), kNoRating) << "climate 0 (no climate file) has no row";
    EXPECT_EQ(StarRating(t, 150, 100.0, 1.0), kNoRating);
    EXPECT_EQ(RatingTableGap(t, 5, 5), "");
    EXPECT_EQ(
        RatingTableGap(t, 6, 5),
        "The star band table Data/STARS/STARS.TXT has no row for climate 6, so the house cannot be rated.");
    EXPECT_EQ(RatingTableGap(t, 5, 7), "The area correction table Data/areacorrection.txt has no row for "
                                       "climate 7, so the house cannot be rated.");
}

TEST(AreaCorrection, PolynomialAddsOneBesidesK6) {
    RatingTables t;
    // k1..k6 = 1e-10, -2e-8, 3e-6, -4e-4, 0.01, 0.05
    const double k[] = {1e-10, -2e-8, 3e-6, -4e-4, 0.01, 0.05};
    for (int i = 1; i <= kAreaCorrectionCoeffCount; ++i) t.AreaCorrectionCoeffs(7, i) = k[i - 1];
    // a = 50: 1e-10*312500000 - 2e-8*6250000 + 3e-6*125000 - 4e-4*2500 + 0.5 + 0.05 + 1
    //       = 0.03125 - 0.125 + 0.375 - 1 + 0.5 + 0.05 + 1 = 0.83125
    EXPECT_NEAR(AreaCorrection(t, 7, 50.0), 0.83125, 1e-12);
    // a = 300: 1e-10*2.43e12 - 2e-8*8.1e9 + 3e-6*2.7e7 - 4e-4*9e4 + 3 + 0.05 + 1
    //        = 243 - 162 + 81 - 36 + 3 + 0.05 + 1 = 130.05
    EXPECT_NEAR(AreaCorrection(t, 7, 300.0), 130.05, 1e-9);
    EXPECT_DOUBLE_EQ(AreaCorrection(t, 8, 120.0), 1.0) << "a climate without coefficients corrects nothing";
}

TEST(AreaCorrection, AdjustmentIsTheReciprocalAndOneWhereItCannotBeFormed) {
    RatingTables t;
    t.AreaCorrectionCoeffs(3, 6) = 0.25; // correction 1.25 at every area
    EXPECT_NEAR(AreaAdjustment(t, 3, 150.0), 0.8, 1e-15);
    EXPECT_EQ(AreaAdjustment(t, 3, 0.0), 1.0) << "no rating area";
    EXPECT_EQ(AreaAdjustment(t, 0, 150.0), 1.0) << "no climate zone";
    t.AreaCorrectionCoeffs(4, 6) = -1.0; // correction exactly 0
    EXPECT_EQ(AreaAdjustment(t, 4, 150.0), 1.0);
    t.AreaCorrectionCoeffs(4, 5) = -0.01; // correction -1.5 at 150 m2
    EXPECT_EQ(AreaAdjustment(t, 4, 150.0), 1.0);
}

class RatingTablesFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    RatingTables tables;
    std::string readBands() {
        return modelErrorOf([&] { ReadStarBands(tables, folder.path()); });
    }
};

TEST_F(RatingTablesFileTest, BandsSpanLinesAndTheRestOfTheTwentiethValuesLineIsSkipped) {
    folder.write("Data/STARS/STARS.TXT", "12\t200 190 180 170 160 150 140 130 120 110\r\n"
                                         "  100 90 80 70 60 50 40 30 20 10 remarks 99 here\r\n"
                                         "3 "
                                         "300 290 280 270 260 250 240 230 220 210 200 190 180 170 160 150 "
                                         "140 130 120 110");
    ASSERT_EQ(readBands(), "no error");
    EXPECT_EQ(tables.StarBands(12, 1), 200.0);
    EXPECT_EQ(tables.StarBands(12, 11), 100.0);
    EXPECT_EQ(tables.StarBands(12, 20), 10.0);
    EXPECT_EQ(tables.StarBands(3, 20), 110.0) << "last climate ends without a line end";
    EXPECT_EQ(tables.StarBands(4, 1), 0.0) << "absent climates stay 0";
}

TEST_F(RatingTablesFileTest, LaterRowOfAClimateWins) {
    folder.write("data/stars/stars.txt", starBandRow(5, 200, 10) + "\n" + starBandRow(5, 400, 20) + "\n");
    ASSERT_EQ(readBands(), "no error") << "names matched without regard to case";
    EXPECT_EQ(tables.StarBands(5, 1), 400.0);
    EXPECT_EQ(tables.StarBands(5, 20), 20.0);
}

TEST_F(RatingTablesFileTest, FaultyFileIsReportedAndLeavesTheTableAsItWas) {
    tables.StarBands(5, 1) = 123.0;
    EXPECT_NE(readBands().find("File not found"), std::string::npos);
    struct Case {
        const char* text;
        const char* fault;
    };
    const Case cases[] = {
        {"5 200 190 18O 170", "Invalid numeric format"},
        {"5 200 190 180", "Unexpected end of file"},
        {"0 200 190 180 170 160 150 140 130 120 110 100 90 80 70 60 50 40 30 20 10", "Climate number"},
        {"100 200 190 180 170 160 150 140 130 120 110 100 90 80 70 60 50 40 30 20 10", "Climate number"},
    };
    for (const Case& c : cases) {
        folder.write("Data/STARS/STARS.TXT", starBandRow(6, 300, 10) + "\n" + c.text + "\n");
        const std::string error = readBands();
        EXPECT_NE(error.find(c.fault), std::string::npos) << error;
        EXPECT_NE(error.find("STARS.TXT, line 2"), std::string::npos) << error;
        EXPECT_EQ(tables.StarBands(5, 1), 123.0) << c.text;
        EXPECT_EQ(tables.StarBands(6, 1), 0.0) << "the good first row is not half-applied";
    }
}

TEST_F(RatingTablesFileTest, AreaCorrectionRowsHoldSixCoefficients) {
    folder.write("Data/areacorrection.txt", "7 0 0 0 0 0.001 0.1 trailing\n8 1E-3 0 0 0 0 0\n");
    ASSERT_EQ(modelErrorOf([&] { ReadAreaCorrection(tables, folder.path()); }), "no error");
    EXPECT_NEAR(AreaCorrection(tables, 7, 100.0), 1.2, 1e-12); // 0.001 * 100 + 1 + 0.1
    EXPECT_NEAR(AreaCorrection(tables, 8, 2.0), 1.032, 1e-12); // 1e-3 * 32 + 1
}

// The location tables name climates 1-5 (the zone table 1-3, the postcode table 4 and 5, and 3 once
// more).  A band table that lacks some of them, is empty, or was cut after a whole row is reported
// with the climates it lacks; one with a row for each is not.  The rows read are kept either way.
TEST_F(RatingTablesFileTest, ATableWithoutARowForAClimateTheLocationTablesNameIsReported) {
    folder.write("Data/clim69.txt", "1 -12.42 130.89 NT  Darwin\r\n2 -14.47 132.26 NT  Katherine\r\n"
                                    "3 -12.27 136.82 NT  Nhulunbuy\r\n");
    folder.write("Data/CLIMPC.TXT", "0800 130.84 -12.46 04\r\n0835 131.08 -12.64 05 03\r\n");
    EXPECT_EQ(LocationTableClimates(folder.path()), (std::vector<int>{1, 2, 3, 4, 5}));
    std::string allFive;
    for (int c = 1; c <= 5; ++c) allFive += starBandRow(c, 200, 10) + "\r\n";
    const auto check = [&] { return modelErrorOf([&] { CheckStarBandRows(tables, folder.path()); }); };
    const struct {
        std::string file;
        std::string reported; // "" for none
    } cases[] = {
        {allFive, ""},
        {"", "has no row for climates 1-5, which the location tables name: a house in these climates cannot "
             "be rated."},
        {allFive.substr(0, allFive.find("\r\n4 ")) + "\r\n", "has no row for climates 4-5"},
        {starBandRow(1, 200, 10) + "\r\n" + starBandRow(3, 200, 10) + "\r\n" + starBandRow(4, 200, 10) +
             "\r\n" + starBandRow(5, 200, 10),
         "has no row for climate 2, which the location tables name: a house in this climate cannot be "
         "rated."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.substr(0, 20));
        folder.write("Data/STARS/STARS.TXT", c.file);
        ASSERT_EQ(readBands(), "no error");
        const std::string error = check();
        if (c.reported.empty()) {
            EXPECT_EQ(error, "no error");
            continue;
        }
        EXPECT_NE(error.find("The star band table " + (folder.path() / "Data/STARS/STARS.TXT").string()),
                  std::string::npos)
            << error;
        EXPECT_NE(error.find(c.reported), std::string::npos) << error;
    }
    EXPECT_EQ(tables.StarBands(5, 1), 200.0) << "the rows read are kept";

    // The area correction table the same way.
    folder.write("Data/areacorrection.txt", "1 0 0 0 0 0 0\r\n2 0 0 0 0 0 0\r\n");
    ASSERT_EQ(modelErrorOf([&] { ReadAreaCorrection(tables, folder.path()); }), "no error");
    const std::string error = modelErrorOf([&] { CheckAreaCorrectionRows(tables, folder.path()); });
    EXPECT_NE(error.find("The area correction table"), std::string::npos) << error;
    EXPECT_NE(error.find("has no row for climates 3-5"), std::string::npos) << error;
}

// Without location tables to say which climates there are, only a table without any row is reported.
TEST_F(RatingTablesFileTest, WithoutLocationTablesOnlyAnEmptyTableIsReported) {
    folder.write("Data/STARS/STARS.TXT", "\r\n");
    ASSERT_EQ(readBands(), "no error");
    EXPECT_NE(modelErrorOf([&] { CheckStarBandRows(tables, folder.path()); }).find("holds no climate"),
              std::string::npos);
    folder.write("Data/STARS/STARS.TXT", starBandRow(9, 200, 10));
    ASSERT_EQ(readBands(), "no error");
    EXPECT_EQ(modelErrorOf([&] { CheckStarBandRows(tables, folder.path()); }), "no error");
}

} // namespace
