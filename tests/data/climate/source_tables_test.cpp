// The build tool's source tables: a fault is reported with the file and line, never half read.
#include "data/climate/climate_normals.h"
#include "data/climate/location_tables.h"
#include "tests/support/temporary_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class SourceTables : public ::testing::Test {
  protected:
    std::filesystem::path write(const std::string& text) {
        const auto file = work_ / ("source_" + std::to_string(++files_) + ".txt");
        std::ofstream(file) << text;
        return file;
    }
    const test_support::TemporaryFolder work_{"climate_source"};
    int files_ = 0;
};

const char* const kZoneOne = "zone 1 | Darwin | NT | 0800 | -12.42 | 130.89 | 30 | WNW | ESE | -\n"
                             "tmax  31.8 31.4 31.9 32.7 32.0 30.6 30.5 31.3 32.5 33.2 33.2 32.6\n"
                             "tmin  24.8 24.7 24.5 24.0 22.1 19.9 19.3 20.4 23.0 24.9 25.3 25.3\n"
                             "rh3pm 70 72 68 52 42 37 36 39 47 52 58 65\n"
                             "wind  3.3 3.4 2.9 3.2 3.4 3.3 3.2 3.4 3.7 3.6 3.3 3.1\n"
                             "cloud 6.4 6.5 5.8 3.7 2.4 1.7 1.4 1.6 2.4 3.6 4.9 6.0\n";

// The message names the line of the fault.
void expectFault(const std::filesystem::path& file, const std::string& line) {
    try {
        climate::readClimateNormals(file);
        FAIL() << "no fault reported";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(line), std::string::npos) << e.what();
    }
}

TEST_F(SourceTables, ReadsAZoneOfNormals) {
    const auto places = climate::readClimateNormals(write(std::string("# comment\n\n") + kZoneOne));
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].place, "Darwin");
    EXPECT_EQ(places[0].postcode, 800);
    EXPECT_DOUBLE_EQ(places[0].summerWindFrom, 292.5);
    EXPECT_DOUBLE_EQ(places[0].winterWindFrom, 112.5);
    EXPECT_DOUBLE_EQ(places[0].maxTemperature[11], 32.6);
    EXPECT_DOUBLE_EQ(places[0].cloudCover[0], 6.4);
}

TEST_F(SourceTables, ReportsTheLineOfAFaultInTheNormals) {
    std::string text = kZoneOne;
    expectFault(write(text.replace(text.find("31.4"), 4, "3x.4")), "line 2");
    text = kZoneOne;
    expectFault(write(text.replace(text.find(" 6.0"), 4, "")), "line 6"); // eleven cloud values
    text = kZoneOne;
    expectFault(write(text.replace(text.find("24.8"), 4, "33.0")), "line 1"); // minimum above maximum
    text = kZoneOne;
    expectFault(write(text.replace(text.find("zone 1"), 6, "zone 2")), "line 1"); // zones start at 1
    text = kZoneOne;
    expectFault(write(text.replace(text.find("WNW"), 3, "UP")), "line 1");
}

TEST_F(SourceTables, PostcodesMustReachEveryZoneAndOnlyExistingOnes) {
    const auto file = write(
        "0800 | NT | 130.84 | -12.46 | 1 | DARWIN\n0870 | NT | 133.88 | -23.70 | 2 3 | ALICE SPRINGS\n");
    const auto postcodes = climate::readLocalities(file);
    ASSERT_EQ(postcodes.size(), 2u);
    EXPECT_NO_THROW(climate::checkZoneCoverage(postcodes, 3));
    EXPECT_THROW(climate::checkZoneCoverage(postcodes, 4), std::runtime_error); // zone 4 unreachable
    EXPECT_THROW(climate::checkZoneCoverage(postcodes, 2), std::runtime_error); // zone 3 has no file
    EXPECT_EQ(climate::postcodeClimateLines(postcodes)[1], "0870 133.88 -23.70 02 03");
    EXPECT_EQ(climate::postcodeLocalityLines(postcodes)[0], "0800 NT  DARWIN");

    EXPECT_THROW(climate::readLocalities(write("0800 | NT | 130.84 | -12.46 | 1 2 3 4 | DARWIN\n")),
                 std::runtime_error);
    EXPECT_THROW(
        climate::readLocalities(write("0800 | NT | 130.84 | -12.46 | 1 | A\n0800 | NT | 1 | 1 | 1 | B\n")),
        std::runtime_error);
}

} // namespace
