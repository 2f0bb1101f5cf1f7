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

// A living room and a bedroom side by side: the living room loses heat through a window, a wall, a
// roof and a floor above outside air, the bedroom through a wall; a partition joins them, and the
// bedroom has its internal gains.
class ResponseAfterCards : public EngineRun {
  protected:
    std::vector<std::string> cards() const {
        auto all = projectCards();
        const std::vector<double> gains(12, 150.0);
        const std::vector<std::string> rest = {
            "C Constructions",
            card("(A2,I3,3X,I6,3F6.2,I6,A60)",
                 {std::string(" 2"), 0LL, 400LL, 800.0, 0.5, 0.0, 1LL, std::string("Plasterboard")}),
            card("(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
                 {std::string(" 2"),          1LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL,
                  std::string("GGG-05-001a"), 6.0, 0.2, 0.5, 1.0, 2.0, 3.0, 4.0}),
            card("(A2,I3,3X,3(I3,F4.0))", {std::string(" 2"), 21LL, 100LL, 110.0, 200LL, 0.0, 400LL, 10.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 31LL, 400LL, 10.0, 0LL, 0.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 41LL, 300LL, 19.0, 0LL, 0.0}),
            card("(A2,I3,3X,3(I3,F4.0))", {std::string(" 2"), 111LL, 400LL, 10.0, 200LL, 0.0, 400LL, 10.0}),
            zoneDefinition(1, "Living", 125.0, "Normal", 1.0),
            zoneCardLine(1, 1, {1.2, 1.5, 0.0, 0, 0, 0, 0, 0, 0, 0, 0}),
            zoneCardLine(1, 21, {2.5, 10.0, 23.2, 0.0, 0.6, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 0}),
            zoneCardLine(1, 31, {50.0, 0.0, 22.5, 0.7, 0.5, 0.9, 0.0}),
            zoneCardLine(1, 41, {50.0, 0.5, 0.0}),
            zoneCardLine(1, 111, {10.0, 0.5, 2, 0.0}),
            zoneCardLine(1, 300, {0.0, 2.5, 0.0, 0.0}),
            zoneCardLine(1, 501, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}),
            zoneDefinition(2, "Bed", 60.0, "Normal", 0.5),
            zoneCardLine(2, 21, {2.5, 6.0, 15.0, 90.0, 0.6, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 0}),
            zoneCardLine(2, 111, {10.0, 0.5, 1, 0.0}),
            zoneCardLine(2, 300, {0.0, 2.5, 0.0, 0.0}),
            zoneCardLine(2, 401, gains),
            zoneCardLine(2, 402, gains),
            " 9",
        };
        all.insert(all.end(), rest.begin(), rest.end());
        return all;
    }
};

TEST_F(ResponseAfterCards, TwoZoneHouseRespondsAsItsHandWorkedHeatBalance) {
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

    // Conductances to outdoors: every path's U-value times its area, and the infiltration of
    // A air changes an hour, A / (1 + 0.025 A) × volume × 0.3353454 W/K; the partition joins the zones.
    auto outdoors = [&s](int z, double volume, double ach) {
        double ua = ach / (1.0 + 0.025 * ach) * volume * 0.3353454;
        for (int p = 1; p <= s.blank.npath(z); ++p)
            if (s.bss.isectp(z, p) != 111) ua += s.bss.usec(s.bss.isectp(z, p)) * s.bss.patharea(z, p);
        return ua;
    };
    const double g1 = outdoors(1, 125.0, 1.0), g2 = outdoors(2, 60.0, 0.5);
    const double gp = 10.0 * s.bss.usec(111);
    // 1 W in the bedroom: T2 = (g1 + gp) / det, T1 = gp / det, det = g1 g2 + gp (g1 + g2).
    const double det = g1 * g2 + gp * (g1 + g2);
    const auto& hss = s.hp.hss;
    EXPECT_NEAR(hss(2, 453), (g1 + gp) / det, 1e-6 * hss(2, 453));
    EXPECT_NEAR(hss(1, 453), gp / det, 1e-6 * hss(1, 453));
    // The outdoor air drives the living room through its infiltration, window and floor, and the
    // bedroom through its infiltration and through the living room.
    const double air1 = 1.0 / 1.025 * 125.0 * 0.3353454 + 1.8 * s.bss.usec(1) + 50.0 * s.bss.usec(41);
    const double air2 = 0.5 / 1.0125 * 60.0 * 0.3353454;
    EXPECT_NEAR(hss(1, 1), (air1 * (g2 + gp) + gp * air2) / det, 1e-6);
    EXPECT_NEAR(hss(2, 1), (air2 * (g1 + gp) + gp * air1) / det, 1e-6);
    EXPECT_EQ(s.hz.iuserow(453), 31);
    EXPECT_EQ(s.hz.kindrf(453), engine::kPulse);
    // The bedroom's gain warms the bedroom at once, and the living room less.
    EXPECT_GT(s.rf.rfac(1, 453, 2), s.rf.rfac(1, 453, 1));
    EXPECT_GT(s.rf.rfac(1, 453, 1), 0.0);
}

} // namespace
