// Whole runs of a one-zone box through the time loop, against steady and periodic heat balances
// worked from the box's conductances.
#include "input_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>

#include "engine/core/main_program.h"
#include "engine/core/state.h"

namespace {

using namespace engine::testing;

constexpr double kVolume = 125.0;   // m³
constexpr double kAirChanges = 1.0; // an hour
constexpr double kMJPerWattHour = 0.0036;

// A box of 125 m³ losing heat through a brick wall, a roof and a floor over outside air, without
// windows; the sky is overcast and dark, so every sol-air temperature is the air's.
class BoxRun : public EngineRun {
  protected:
    struct Setup {
        std::function<double(int)> outdoor; // dry bulb of hour 0..23, °C
        double gain = 0.0;                  // sensible internal gain, W
        double heating = -99.0;             // set-points, °C
        double cooling = 99.0;
    };

    int runBox(const Setup& setup) {
        writeStandardData();
        writeText("climat01.TXT", climateYear([&setup](int m, int d, int h) {
                      return climateLine(m, d, h, setup.outdoor(h), 8.0, 0.0, 4, 9);
                  }));
        auto all = projectCards();
        const std::vector<double> gains(12, setup.gain), heat(12, setup.heating), cool(12, setup.cooling);
        std::vector<std::string> rest = {
            card("(A2,I3,3X,I6,3F6.2,I6,A60)",
                 {std::string(" 2"), 0LL, 400LL, 800.0, 0.5, 0.0, 1LL, std::string("Plasterboard")}),
            card("(A2,I3,3X,3(I3,F4.0))", {std::string(" 2"), 21LL, 100LL, 110.0, 200LL, 0.0, 400LL, 10.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 31LL, 400LL, 10.0, 0LL, 0.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 41LL, 300LL, 19.0, 0LL, 0.0}),
            zoneDefinition(1, "Box", kVolume, "Normal", kAirChanges),
            zoneCardLine(1, 21, {2.5, 10.0, 23.2, 0.0, 0.0, 0.5, 0.0, 0, 0, 0, 0, 0, 0.0, 0}),
            zoneCardLine(1, 31, {50.0, 0.0, 22.5, 0.0, 0.5, 0.0, 0.0}),
            zoneCardLine(1, 41, {50.0, 0.5, 0.0}),
            zoneCardLine(1, 300, {0.0, 2.5, 0.0, 0.0}),
        };
        if (setup.gain != 0.0) {
            rest.push_back(zoneCardLine(1, 401, gains));
            rest.push_back(zoneCardLine(1, 402, gains));
        }
        if (setup.heating > -99.0) {
            rest.push_back(zoneCardLine(1, 501, heat));
            rest.push_back(zoneCardLine(1, 502, heat));
        }
        if (setup.cooling < 99.0) {
            rest.push_back(zoneCardLine(1, 503, cool));
            rest.push_back(zoneCardLine(1, 504, cool));
        }
        rest.push_back(" 9");
        all.insert(all.end(), rest.begin(), rest.end());
        writeScratch(all);
        return engine::runEngine(state()); // the whole year, not the input alone
    }

    // Conductance of the box to outdoors, W/K: every path's U-value times its area, and the
    // infiltration of A air changes an hour, A / (1 + 0.025 A) × volume × 0.3353454.
    double conductance() {
        const engine::EngineState& s = state();
        double g = kAirChanges / (1.0 + 0.025 * kAirChanges) * kVolume * 0.3353454;
        for (int p = 1; p <= s.blank.npath(1); ++p)
            g += s.bss.usec(s.bss.isectp(1, p)) * s.bss.patharea(1, p);
        return g;
    }

    // Hour h (1..24) of the last day in the result writer's day store: column 1 outdoor, 2 the zone,
    // 152 heating, 302 sensible cooling (MJ).
    double lastDay(int h, int column) { return state().writer.daystore(h, column, state().tim.iday); }
};

TEST_F(BoxRun, SteadyHeatingIsConductanceTimesTemperatureDifference) {
    Setup setup;
    setup.outdoor = [](int) { return 5.0; };
    setup.heating = 20.0;
    ASSERT_EQ(runBox(setup), 0) << console();
    const double expected = conductance() * 15.0 * kMJPerWattHour; // MJ an hour
    EXPECT_NEAR(state().sysb.tzonea(1), 20.0, 1e-6);
    for (int h = 1; h <= 24; ++h) EXPECT_NEAR(lastDay(h, 152), expected, 0.002 * expected) << h;
    EXPECT_TRUE(std::filesystem::exists(file("energy.txt")));
}

TEST_F(BoxRun, FreeRunningMeanIsOutdoorMeanPlusGainOverConductance) {
    Setup setup;
    setup.outdoor = [](int h) { return 10.0 + 5.0 * std::sin(2.0 * std::numbers::pi * h / 24.0); };
    setup.gain = 300.0;
    ASSERT_EQ(runBox(setup), 0) << console();
    double zone = 0.0, outdoor = 0.0;
    for (int h = 1; h <= 24; ++h) {
        zone += lastDay(h, 2) / 24.0;
        outdoor += lastDay(h, 1) / 24.0;
    }
    EXPECT_NEAR(outdoor, 10.0, 1e-9);
    EXPECT_NEAR(zone, 10.0 + 300.0 / conductance(), 0.02);
    // No conditioned zone: no energy file.
    EXPECT_FALSE(std::filesystem::exists(file("energy.txt")));
}

TEST_F(BoxRun, FirstDayWarmsUpTenTimesAndIsReportedOnce) {
    Setup setup;
    setup.outdoor = [](int h) { return 10.0 + h / 2.0; };
    // The card file asks for ten repeats of day 1 before it is reported.
    ASSERT_EQ(runBox(setup), 0) << console();
    EXPECT_EQ(state().loop.nstepz(1), (10 + 365) * 24);
    EXPECT_EQ(state().writer.ndays, 365);
    std::ifstream tem(file("test1.TEM"));
    int lines = 0;
    for (std::string l; std::getline(tem, l);) ++lines;
    EXPECT_EQ(lines, 4 + 8760);
}

// Over a periodic day the stored heat returns to where it started, so the plant's energy balances the
// conduction and infiltration losses less the internal gains.
class BoxBalance : public BoxRun {
  protected:
    void expectBalance(double heating, double cooling, double mean) {
        Setup setup;
        setup.outdoor = [mean](int h) { return mean + 6.0 * std::sin(2.0 * std::numbers::pi * h / 24.0); };
        setup.gain = 400.0;
        setup.heating = heating;
        setup.cooling = cooling;
        ASSERT_EQ(runBox(setup), 0) << console();
        const double g = conductance();
        double plant = 0.0, losses = 0.0;
        for (int h = 1; h <= 24; ++h) {
            plant += (lastDay(h, 152) - lastDay(h, 302)) / kMJPerWattHour;
            losses += g * (lastDay(h, 2) - lastDay(h, 1)) - setup.gain;
        }
        EXPECT_GT(std::fabs(plant), 1000.0);
        EXPECT_NEAR(plant, losses, 0.01 * std::fabs(losses));
    }
};

TEST_F(BoxBalance, HeatingOnly) {
    expectBalance(20.0, 99.0, 8.0);
}

TEST_F(BoxBalance, CoolingOnly) {
    expectBalance(-99.0, 23.0, 30.0);
}

} // namespace
