// The completion of the input after a real card file: section records, zone records and the result
// files of a one-zone house read by the card reader.
#include "input_fixture.h"

#include "common/text_values.h"
#include "engine/core/input_completion.h"
#include "engine/core/input_reader.h"
#include "engine/core/main_program.h"
#include "engine/core/work_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

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

// The numbers of a dump line (after its leading text, if any).
std::vector<double> numbersOf(const std::string& line) {
    std::vector<double> v;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        try {
            v.push_back(std::stod(word));
        } catch (const std::invalid_argument&) {
        }
    }
    return v;
}

// Print switch 6 (with switch 8) dumps the work file into the text report after a good input, and
// the run goes on to read the work file as if nothing had been dumped.
TEST_F(SectionsAfterCards, PrintSwitchSixDumpsTheWorkFile) {
    writeStandardData();
    auto all = cards();
    all[1] = card("(A2,I3,3X,A36,A10,A12,I4,10I1)",
                  {std::string(" 1"), 1LL, std::string("Test house"), std::string("10/12/2026"),
                   std::string(""), 2026LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 1LL, 0LL, 1LL});
    writeScratch(all);
    ASSERT_EQ(engine::runEngine(state()), 0) << console();
    const auto report = common::readTextLines(file("output.txt"));
    const auto at = [&report](const std::string& line) {
        return std::find(report.begin(), report.end(), line) - report.begin();
    };
    const auto head = at("     DATA WRITTEN ON TAPE52");
    ASSERT_LT(head, static_cast<long>(report.size()));
    EXPECT_EQ(report[head - 3], "\f") << "a new page";
    EXPECT_EQ(report[head - 2], "");
    EXPECT_EQ(report[head + 1], "");

    // The brick veneer (section 21, key 521): outer film 0.04, brick 0.110 m at 1.0 m K/W with
    // 1500 kJ/m3K, air space 2 x 0.17 x 0.15 / 0.32, plasterboard 0.010 m at 0.5 m K/W with 800 kJ/m3K,
    // inner film 0.12; the core is entries 2 to 4.
    const auto wall = at(std::string(10, ' ') + "   521     5" + std::string(20, ' ') + "   0   0   4   1");
    ASSERT_LT(wall, static_cast<long>(report.size())) << "no record line of section 21";
    const std::vector<double> r = numbersOf(report[wall + 1]), c = numbersOf(report[wall + 2]);
    const std::vector<double> rExpected = {0.04, 0.11, 0.159375, 0.005, 0.12},
                              cExpected = {0, 165.0, 0, 8.0, 0};
    ASSERT_EQ(r.size(), 5u);
    ASSERT_EQ(c.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_NEAR(r[k], rExpected[k], 0.0051) << k;
        EXPECT_NEAR(c[k], cExpected[k], 0.0051) << k;
    }

    // The zone's own record: infiltration 1 / 1.025 x 125 m3 x 0.3353454 W/K, window 1.2 x 1.5 m,
    // wall 23.2, roof 50 and floor 50 m2, zone air 125 m3, and the end entry.
    const auto zone = at(std::string(10, ' ') + "Living            0   7");
    ASSERT_LT(zone, static_cast<long>(report.size())) << "no record line of zone 1, row 0";
    const std::vector<double> entries = numbersOf(report[zone + 1]);
    const std::vector<double> expected = {
        22, 125.0 / 1.025 * 0.3353454, 101, 1.8, 521, 23.2, 531, 50.0, 551, 50.0, 2500, 125.0, 11, 0.0};
    ASSERT_EQ(entries.size(), expected.size()) << report[zone + 1];
    for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_NEAR(entries[k], expected[k], 0.0051) << k;

    // The driver-use table: rows 1 to 25, then zone 1's marks; the outdoor air (row 1) drives it.
    const auto table = at("  NB  ARRAY");
    ASSERT_LT(table + 3, static_cast<long>(report.size()));
    const std::vector<double> rows = numbersOf(report[table + 2]), marks = numbersOf(report[table + 3]);
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(rows.front(), 1.0);
    EXPECT_EQ(rows.back(), 25.0);
    ASSERT_EQ(marks.size(), 25u);
    EXPECT_EQ(marks.front(), 1.0);
}

} // namespace
