// The harmonic and response-factor phases after a card file read and completed by the input.
#include "input_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/input_completion.h"
#include "engine/core/input_reader.h"
#include "engine/core/response_factors.h"
#include "engine/core/work_file.h"
#include "engine/core/work_file_reading.h"
#include "engine/core/zone_response.h"

namespace {

using namespace engine::testing;

class ResponseAfterCards : public EngineRun {
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

TEST_F(ResponseAfterCards, OneZoneHouseRespondsAsItsHandWorkedHeatBalance) {
    writeStandardData();
    writeScratch(cards());
    ASSERT_EQ(engine::readin(state()), 0) << console();
    engine::completeInput(state());
    engine::EngineState& s = state();

    int ierr = 0;
    engine::rewindWorkFile(s);
    engine::calgrc(s, ierr);
    ASSERT_EQ(ierr, 0);
    engine::harmnc(s, ierr);
    ASSERT_EQ(ierr, 0);
    engine::removeWorkFile(s);
    engine::clbehv(s);
    EXPECT_FALSE(std::filesystem::exists(file("tape52")));

    // Window 1.8 m2, wall 23.2 m2, roof 50 m2 and floor 50 m2 with the sections' U-values, and one air
    // change an hour of 125 m3 (1 / (1 + 0.025) × 125 × 0.3353454 W/K).
    double ua = 1.0 / 1.025 * 125.0 * 0.3353454;
    const double uaInfiltration = ua;
    for (int p = 1; p <= s.blank.npath(1); ++p) ua += s.bss.usec(s.bss.isectp(1, p)) * s.bss.patharea(1, p);
    const auto& hss = s.hp.hss;
    EXPECT_NEAR(hss(1, 452), 1.0 / ua, 1e-6 / ua);
    EXPECT_NEAR(hss(1, 1), (uaInfiltration + 1.8 * s.bss.usec(1)) / ua, 1e-6);
    EXPECT_NEAR(hss(1, 102), 23.2 * s.bss.usec(21) / ua, 1e-6);
    EXPECT_NEAR(hss(1, 2), 50.0 * s.bss.usec(31) / ua, 1e-6);
    EXPECT_EQ(s.hz.iuserow(452), 31);
    EXPECT_EQ(s.hz.kindrf(452), engine::kPulse);
    EXPECT_EQ(s.hz.kindrf(302), engine::kTriangle);
    // The zone's internal gain warms it at once, the sun on its surfaces a little later.
    EXPECT_GT(s.rf.rfac(1, 452, 1), 0.0);
    EXPECT_GT(hss(1, 302), 0.0);
}

} // namespace
