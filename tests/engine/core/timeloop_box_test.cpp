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

#include "engine/core/harmonic_conduction.h"
#include "engine/core/main_program.h"
#include "engine/core/response_factors.h"
#include "engine/core/state.h"
#include "engine/core/time_loop.h"
#include "engine/core/work_file_reading.h"
#include "engine/core/zone_response.h"

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
        std::function<double(int)> outdoor;                           // dry bulb of hour 0..23, °C
        std::function<double(int)> diffuse = [](int) { return 0.0; }; // of hour 0..23, W/m²
        std::function<double(int)> direct = [](int) { return 0.0; };
        double gain = 0.0;      // sensible internal gain, W
        double heating = -99.0; // set-points, °C
        double cooling = 99.0;
        bool louvreWall = false;                // the wall carries opaque louvres
        std::vector<std::string> constructions; // further construction cards
        std::vector<std::string> extra;         // further cards before the end card
        std::string energyFile = "energy.txt";
    };

    int runBox(const Setup& setup) {
        writeBox(setup);
        return engine::runEngine(state()); // the whole year, not the input alone
    }

    void writeBox(const Setup& setup) {
        writeStandardData();
        // The glazing pseudo-layer of the shipped material file: resistivity 1 m K/W, no mass, so that
        // a glazing section holds the U-value of its glazing.
        std::vector<Material> materials = standardMaterials();
        materials.push_back({901, "Glazing pseudo-layer", 0.0f, 1.0f, 1.0f, 'Y'});
        writeMaterialFile(file("matdata.bin"), materials);
        writeText("climat01.TXT", climateYear([&setup](int m, int d, int h) {
                      return climateLine(m, d, h, setup.outdoor(h), 8.0, 0.0, 4, 9, setup.diffuse(h),
                                         setup.direct(h));
                  }));
        auto all = projectCards();
        const std::vector<double> gains(12, setup.gain), heat(12, setup.heating), cool(12, setup.cooling);
        std::vector<std::string> rest = {
            card("(A2,I3,3X,I6,3F6.2,I6,A60)",
                 {std::string(" 2"), 0LL, 400LL, 800.0, 0.5, 0.0, 1LL, std::string("Plasterboard")}),
            card("(A2,I3,3X,3(I3,F4.0))", {std::string(" 2"), 21LL, 100LL, 110.0, 200LL, 0.0, 400LL, 10.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 31LL, 400LL, 10.0, 0LL, 0.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 41LL, 300LL, 19.0, 0LL, 0.0}),
        };
        rest.insert(rest.end(), setup.constructions.begin(), setup.constructions.end());
        const std::vector<std::string> zone = {
            zoneDefinition(1, "Box", kVolume, "Normal", kAirChanges),
            zoneCardLine(
                1, 21,
                {2.5, 10.0, 23.2, 0.0, 0.0, 0.5, 0.0, 0, 0, 0, 0, 0, 0.0, setup.louvreWall ? 1.0 : 0.0}),
            zoneCardLine(1, 31, {50.0, 0.0, 22.5, 0.0, 0.5, 0.0, 0.0}),
            zoneCardLine(1, 41, {50.0, 0.5, 0.0}),
            zoneCardLine(1, 300, {0.0, 2.5, 0.0, 0.0}),
        };
        rest.insert(rest.end(), zone.begin(), zone.end());
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
        rest.insert(rest.end(), setup.extra.begin(), setup.extra.end());
        rest.push_back(" 9");
        all.insert(all.end(), rest.begin(), rest.end());
        for (std::string& c : all)
            if (c.starts_with(" 1 10"))
                c = card("(A2,I3,3X,A120)", {std::string(" 1"), 10LL, setup.energyFile});
        writeScratch(all);
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

// A light well of 2 m² in the box's roof, in a year without sun: its glazing conducts U·A·ΔT once,
// as the zone's other paths do, with or without a diffuser under it.  The skylight system of the
// standard library has glass U 4.0 W/m²K; the card's frame of U 5.0 W/m²K takes a tenth of the area,
// so U = 0.9 × 4.0 + 0.1 × 5.0 = 4.1 W/m²K.
TEST_F(BoxRun, LightWellConductsItsUATimesTemperatureDifferenceOnce) {
    constexpr double kSkylightArea = 2.0; // m²
    constexpr double kSkylightU = 4.1;    // W/m²K
    auto heating = [&](bool skylight, bool diffuser) {
        Setup setup;
        setup.outdoor = [](int) { return 5.0; };
        setup.heating = 20.0;
        if (skylight) {
            setup.constructions = {card(
                "(A2,I3,3X,5(I3,F4.0),I7,I7,A11,7F7.2)",
                {std::string(" 2"),          11LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL, 1LL,
                 std::string("GEN-04-001a"), 5.0,  0.1, 0.0, 0.0, 0.0, 0.0, 0.0})};
            // Area, azimuth, slope, no blind or curtain, lighting the box itself through a shaft of
            // 0.6 m and 3 m² of wall, reflectance 0.8, insulation R 0.5 m²K/W.
            setup.extra = {zoneCardLine(
                1, 11, {kSkylightArea, 0.0, 0.0, 0, 0, 1, 0.6, 3.0, 0.8, 0.5, diffuser ? 1.0 : 0.0, 0, 0})};
        }
        EXPECT_EQ(runBox(setup), 0) << console();
        EXPECT_NEAR(state().sysb.tzonea(1), 20.0, 1e-6);
        return lastDay(12, 152);
    };
    const double without = heating(false, false);
    for (const bool diffuser : {false, true}) {
        TearDown(); // a fresh engine and folder for the next year
        SetUp();
        const double added = heating(true, diffuser) - without;
        const double expected = kSkylightU * kSkylightArea * 15.0 * kMJPerWattHour;
        EXPECT_NEAR(added, expected, 0.01 * expected) << (diffuser ? "with a diffuser" : "without one");
    }
}

// A horizontal light well of 2 m² lights the box, which has no window, in a sunny year; the box is
// heated to 40 °C in air of 20 °C all year, so what the well lets in saves heating, and its glazing
// loses U·A·ΔT (U = 4.1 W/m²K, as above).  The room takes the well's light whether or not it has a
// window: without one it gets what it gets beside a window of 0.1 m × 0.1 m, through which next to
// nothing of the light inside escapes.
TEST_F(BoxRun, LightWellLightsARoomWithoutAWindowAsOneWithATinyWindow) {
    constexpr double kSkylightArea = 2.0;                                              // m²
    constexpr double kWellLoss = 4.1 * kSkylightArea * 20.0 * 8760.0 * kMJPerWattHour; // MJ a year
    // The year's heating of the box, MJ.
    auto heating = [&](long long wellKind, bool well, bool window) {
        TearDown(); // a fresh engine and folder for each year
        SetUp();
        Setup setup;
        setup.outdoor = [](int) { return 20.0; };
        setup.diffuse = [](int h) { return h >= 6 && h <= 18 ? 90.0 : 0.0; };
        setup.direct = [](int h) { return h >= 6 && h <= 18 ? 500.0 : 0.0; };
        setup.heating = 40.0;
        setup.constructions = {
            card("(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
                 {std::string(" 2"),          1LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL,
                  std::string("GGG-05-001a"), 6.0, 0.2, 0.5, 0.0, 0.0, 0.0, 0.0}),
            card("(A2,I3,3X,5(I3,F4.0),I7,I7,A11,7F7.2)", {std::string(" 2"),
                                                           11LL,
                                                           0LL,
                                                           0.0,
                                                           0LL,
                                                           0.0,
                                                           0LL,
                                                           0.0,
                                                           0LL,
                                                           0.0,
                                                           0LL,
                                                           0.0,
                                                           wellKind,
                                                           1LL,
                                                           std::string("GEN-04-001a"),
                                                           5.0,
                                                           0.1,
                                                           0.0,
                                                           0.0,
                                                           0.0,
                                                           0.0,
                                                           0.0})};
        // A shaft of 0.6 m and 3 m² of wall, reflectance 0.8, lighting the box itself.
        if (well)
            setup.extra.push_back(
                zoneCardLine(1, 11, {kSkylightArea, 0.0, 0.0, 0, 0, 1, 0.6, 3.0, 0.8, 0.5, 0, 0, 0}));
        // A north window of 0.1 m × 0.1 m.
        if (window) setup.extra.push_back(zoneCardLine(1, 1, {0.1, 0.1, 0.0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(runBox(setup), 0) << console();
        EXPECT_NEAR(state().sysb.tzonea(1), 40.0, 1e-6);
        return state().en1.ehrun(1);
    };
    struct Case {
        const char* well;
        long long kind;
    };
    for (const Case c : {Case{"rectangular", 1}, Case{"tube", 2}}) {
        const double besideWindow = heating(c.kind, false, true) - heating(c.kind, true, true) + kWellLoss;
        const double alone = heating(c.kind, false, false) - heating(c.kind, true, false) + kWellLoss;
        EXPECT_GT(besideWindow, 1000.0) << c.well;
        EXPECT_NEAR(alone, besideWindow, 0.01 * besideWindow) << c.well;
    }
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

// An opening to outdoors that stays open (not the occupant's), once plain and once an opaque louvre
// in the brick wall: the louvre conducts U·A·(inside − outside) on top of the same air flow, so the
// heating that holds the box at 20 °C in 5 °C air must grow, not shrink.
TEST_F(BoxRun, OpenLouvreAddsItsConductionToTheHeating) {
    constexpr double kWidth = 0.5, kLow = 0.0, kHigh = 1.0; // m
    auto heatingWith = [&](bool louvre) {
        Setup setup;
        setup.outdoor = [](int) { return 5.0; };
        setup.heating = 20.0;
        setup.louvreWall = true;
        setup.extra = {zoneCardLine(
            1, 301, {kWidth, 0.6, 100.0, kLow, kHigh, 7, 1, 0.5, 0, 1, 0.0, 1, louvre ? 1.0 : 0.0})};
        EXPECT_EQ(runBox(setup), 0) << console();
        EXPECT_NEAR(state().sysb.tzonea(1), 20.0, 1e-6);
        return lastDay(12, 152);
    };
    const double plain = heatingWith(false);
    TearDown(); // a fresh engine and folder for the second year
    SetUp();
    const double withLouvre = heatingWith(true);
    const engine::EngineState& s = state();
    const double ua = s.bss.usec(s.type.ilvsec(1, 1)) * kWidth * (kHigh - kLow);
    ASSERT_GT(ua, 0.0);
    // The louvre's loss enters the zone like an internal gain, partly at the room's surfaces, which
    // then lose a little less through the walls: the heating grows by most of U·A·ΔT, never more.
    const double louvreLoss = ua * 15.0 * kMJPerWattHour;
    EXPECT_GT(withLouvre - plain, 0.75 * louvreLoss);
    EXPECT_LE(withLouvre - plain, 1.001 * louvreLoss);
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

// A ceiling fan runs only in steps whose comfort test switches it on: in the months the test is off
// (cooling flags of card 1/25) no fan energy is booked, however the last tested step left the fan.
TEST_F(BoxRun, CeilingFanRunsOnlyInMonthsWithTheComfortTest) {
    Setup setup;
    // Warm and dry all year: the box floats above the still-air comfort limit and below the limit of
    // the fan's air speed, so the fan runs in every tested step and no cooling is needed.
    setup.outdoor = [](int) { return 30.0; };
    setup.gain = 100.0;
    setup.cooling = 25.0;
    const double fanPower = 60.0; // W
    setup.extra = {zoneCardLine(1, 701, {1.5, fanPower, 0.0}),
                   card("(A2,I3,I3,12F6.1)", {std::string(" 1"), 25LL, 2LL, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.0,
                                              0.0, 0.0, 0.0, 0.0, 0.0})};
    ASSERT_EQ(runBox(setup), 0) << console();
    // January to June, 181 days, and the ten warm-up repeats of 1 January: at most one step an hour.
    const double tested = (181 + 10) * 24;
    const double fanEnergy = state().ceilingfans.fanen; // MJ
    EXPECT_GT(fanEnergy, 0.0);
    EXPECT_LE(fanEnergy, kMJPerWattHour * fanPower * tested + 1e-9);
}

// A full disk (here /dev/full) that cannot take the energy file ends the run with a message naming
// the file, never with exit status 0 and a file cut mid-line.
TEST_F(BoxRun, ResultFileThatCannotBeWrittenEndsTheRun) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    Setup setup;
    setup.outdoor = [](int) { return 5.0; };
    setup.heating = 20.0;
    setup.energyFile = "/dev/full";
    EXPECT_NE(runBox(setup), 0);
    const std::string message = " Cannot write result file /dev/full\n";
    EXPECT_NE(console().find(message), std::string::npos) << console();
    EXPECT_NE(fileText("output.txt").find(message), std::string::npos);
}

// A climate record that went bad after the input read the file (the file was replaced while the run
// went on) ends the time loop with the record named, in the text report and on the console.
TEST_F(BoxRun, WeatherRecordTheLoopCannotUseIsNamedOnTheConsoleAndInTheReport) {
    const auto hourly = [](int m, int d, int h) { return climateLine(m, d, h, 5.0, 8.0, 0.0, 4, 9); };
    std::vector<std::string> letter = climateYear(hourly), cut = letter;
    letter[5000].replace(10, 4, " 1X5");
    cut.resize(4380);
    struct Case {
        std::vector<std::string> lines;
        std::string message;
    };
    const Case cases[] = {
        {letter, "ILLEGAL DATA IN FIELD WHEN READING WEATHER DATA FILE\n" + std::string(20, ' ') +
                     "Climate file %, record 5001: illegal data in field, column 11\n"},
        {cut, "WEATHER DATA FILE ENDED BEFORE THE YEAR\n" + std::string(20, ' ') +
                  "Climate file %, ends after record 4380: the input read 8760 records\n"},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        Setup setup;
        setup.outdoor = [](int) { return 5.0; };
        setup.heating = 20.0;
        writeBox(setup);
        ASSERT_EQ(engine::runInput(state()), 0) << console();
        writeText("climat01.TXT", c.lines); // the same file, open for the loop, now damaged
        engine::EngineState& s = state();
        int ierr = 0;
        engine::rewindWorkFile(s);
        engine::calgrc(s, ierr);
        engine::harmnc(s, ierr);
        engine::removeWorkFile(s);
        ASSERT_EQ(ierr, 0);
        engine::clbehv(s);
        s.textReport = &s.units.report;
        engine::perfrm(s, ierr);
        EXPECT_EQ(ierr, 1);
        std::string message = std::string(20, ' ') + c.message;
        message.replace(message.find('%'), 1, file("climat01.TXT").string());
        EXPECT_NE(console().find(message), std::string::npos) << console();
        s.units.report.flush();
        EXPECT_NE(fileText("output.txt").find(message), std::string::npos);
    }
}

} // namespace
