// The completion of the input after a real card file: section records, zone records and the result
// files of a one-zone house read by the card reader.
#include "input_fixture.h"

#include "common/text_values.h"
#include "engine/core/input_completion.h"
#include "engine/core/input_reader.h"
#include "engine/core/work_file.h"

#include <gtest/gtest.h>

namespace {

using namespace engine::testing;

class SectionsAfterCards : public EngineRun {
  protected:
    std::vector<std::string> cards() const {
        auto all = projectCards();
        const std::vector<std::string> rest = {
            "C Constructions",
            card("(A2,I3,3X,I6,3F6.2,I6,A60)",
                 {std::string(" 2"), 0LL, 400LL, 800.0, 0.5, 0.0, 1LL, std::string("Plasterboard")}),
            card("(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
                 {std::string(" 2"),          1LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL,
                  std::string("GGG-05-001a"), 6.0, 0.2, 0.5, 1.0, 2.0, 3.0, 4.0}),
            // Brick veneer: 110 mm brick, air space, 10 mm plasterboard.
            card("(A2,I3,3X,3(I3,F4.0))", {std::string(" 2"), 21LL, 100LL, 110.0, 200LL, 0.0, 400LL, 10.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 31LL, 400LL, 10.0, 0LL, 0.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 51LL, 100LL, 100.0, 0LL, 0.0}),
            zoneDefinition(1, "Living", 125.0, "Normal", 1.0),
            zoneCardLine(1, 1, {1.2, 1.5, 0.0, 0, 0, 0, 0, 0, 0, 0, 0}),
            zoneCardLine(1, 21, {2.5, 10.0, 23.2, 0.0, 0.6, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 0}),
            zoneCardLine(1, 31, {50.0, 0.0, 22.5, 0.7, 0.5, 0.9, 0.0}),
            zoneCardLine(1, 51, {50.0, 0.5, 0, 0.0}),
            zoneCardLine(1, 300, {0.0, 2.5, 0.0, 0.0}),
            zoneCardLine(1, 501, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}),
            " 9",
        };
        all.insert(all.end(), rest.begin(), rest.end());
        return all;
    }
};

TEST_F(SectionsAfterCards, OneZoneHouseGetsItsWorkFileAndResultFiles) {
    writeStandardData();
    writeScratch(cards());
    ASSERT_EQ(engine::readin(state()), 0) << console();
    engine::completeInput(state());
    engine::closeWorkFile(state());
    state().units = engine::ResultUnits();

    // Brick 0.110 x 1.0, air space 2 x 0.17 x 0.15 / 0.32 = 0.159375, plasterboard 0.010 x 0.5, films
    // 0.04 and 0.12: R = 0.434375 m2K/W.
    EXPECT_NEAR(state().bss.usec(21), 1.0 / 0.434375, 1e-6);

    common::RecordReader in(file("tape52"));
    common::Record r;
    std::vector<int> keys;
    while (in.next(r)) {
        keys.push_back(engine::readSectionRecord(r).key);
        if (keys.back() == engine::kSectionEndKey) break;
    }
    EXPECT_EQ(keys, (std::vector<int>{101, 521, 531, 551, 2500, 2501, 10000}));
    std::vector<engine::ZonePathRecord> zones;
    while (in.next(r)) zones.push_back(engine::readZonePathRecord(r));
    ASSERT_GE(zones.size(), 2u);
    EXPECT_EQ(zones.front().name, "Living         ");
    EXPECT_EQ(zones.front().code, (std::vector<int>{22, 101, 521, 531, 551, 2500, 11}));
    EXPECT_EQ(zones.back().name, std::string(15, ' '));

    // The glazed zone's own solar distribution replaced the shares of its cards.
    double shares = 0.0;
    for (int p = 2; p <= 4; ++p) shares += state().bss.shgf(1, p);
    EXPECT_GT(shares, 0.9);
    EXPECT_LT(shares, 1.0);

    EXPECT_EQ(common::readTextLines(file("test1.TEM")), std::vector<std::string>{"-34.5 climat01.TXT"});
    const auto report = common::readTextLines(file("output.txt"));
    ASSERT_GE(report.size(), 15u);
    EXPECT_EQ(report[14], " Jobname: Test house" + std::string(26, ' '));
    EXPECT_TRUE(std::filesystem::exists(file("energy.txt"))); // zone 1 is heated
    EXPECT_TRUE(std::filesystem::exists(file("natrep.dt2")));
}

} // namespace
