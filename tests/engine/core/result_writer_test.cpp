// Temperature bins and stated hours of the result writer.
#include <gtest/gtest.h>

#include "engine/core/result_writer.h"

namespace {

using namespace engine;

TEST(ResultWriter, TemperatureBinsHaveClosedLowerEdges) {
    struct Case {
        double t;
        int bin;
    };
    for (const Case& c : {Case{11.99, 1}, Case{-5.0, 1}, Case{12.0, 2}, Case{14.99, 2}, Case{15.0, 3},
                          Case{21.0, 5}, Case{29.99, 7}, Case{30.0, 8}, Case{45.0, 8}})
        EXPECT_EQ(temperatureBin(c.t), c.bin) << c.t;
}

TEST(ResultWriter, StatedHoursCountTheirSteps) {
    // 9 to 17: steps 10 through 18.
    for (int s = 1; s <= 24; ++s) EXPECT_EQ(inStatedHours(s, 9, 17), s >= 10 && s <= 18) << s;
    // 18 to 24 (stored as 0): steps 19 through 24 and step 1.
    for (int s = 1; s <= 24; ++s) EXPECT_EQ(inStatedHours(s, 18, 0), s >= 19 || s == 1) << s;
}

} // namespace
