#include "data/climate/climate_record.h"

#include "common/fixed_width.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ClimateRecord, WritesImpliedDecimalsThatTheEngineDescriptorsReadBack) {
    struct Case {
        climate::ClimateRecord record;
        const char* text;
    };
    const Case cases[] = {
        {{1, 1, 0, 21.5, 12.3, 4.5, 16, 8, 0, 0}, "     1 1 0 215123     45168            0   0"},
        {{7, 31, 23, -12.3, 1.6, 0.0, 0, 0, 0, 0}, "     73123-123 16      0 00            0   0"},
        {{12, 9, 13, 45.6, 25.0, 12.4, 9, 3, 123, 987}, "    12 913 456250    124 93          123 987"},
    };
    const auto format = fw::parseFormat("(4X,2I2,2X,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0)");
    for (const auto& c : cases) {
        const std::string text = climate::formatClimateRecord(c.record);
        EXPECT_EQ(text, c.text);
        std::string_view record = text;
        std::vector<fw::Value> v;
        ASSERT_TRUE(fw::readFormatted(std::span(&record, 1), format, v).ok);
        EXPECT_EQ(std::get<long long>(v[0]), c.record.month);
        EXPECT_EQ(std::get<long long>(v[1]), c.record.day);
        EXPECT_DOUBLE_EQ(std::get<double>(v[2]), c.record.dryBulb);
        EXPECT_DOUBLE_EQ(std::get<double>(v[3]), c.record.moisture);
        EXPECT_DOUBLE_EQ(std::get<double>(v[4]), c.record.windSpeed);
        EXPECT_DOUBLE_EQ(std::get<double>(v[5]), c.record.windCode);
        EXPECT_EQ(std::get<long long>(v[6]), c.record.cloud);
        EXPECT_DOUBLE_EQ(std::get<double>(v[7]), c.record.diffuse);
        EXPECT_DOUBLE_EQ(std::get<double>(v[8]), c.record.beam);

        climate::ClimateRecord back;
        ASSERT_TRUE(climate::parseClimateRecord(text, back));
        EXPECT_EQ(back.hour, c.record.hour);
    }
}

TEST(ClimateRecord, RefusesAValueTooWideForItsField) {
    climate::ClimateRecord r;
    r.diffuse = 1000; // three columns
    EXPECT_THROW(climate::formatClimateRecord(r), std::range_error);
    r.diffuse = 0;
    r.dryBulb = -100; // "-1000" needs five columns
    EXPECT_THROW(climate::formatClimateRecord(r), std::range_error);
}

TEST(ClimateRecord, FileNamesCarryTwoDigits) {
    EXPECT_EQ(climate::climateFileName(7), "climat07.TXT");
    EXPECT_EQ(climate::climateFileName(62), "climat62.TXT");
}

} // namespace
