// Contaminants carried by the air flows: decay in a well-mixed zone, the steady state of a source,
// transfer between zones, the saturation humidity ratio and the source files.
#include "airflow_network_fixture.h"

#include "engine/solar_airflow/contaminants.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace engine::testing {
namespace {

// One zone of volume V with one outdoor opening exchanging Q both ways.
struct VentilatedZone {
    VentilatedZone(double volume, double exchange) {
        zone = net.addZone(0.0, 2.5, volume);
        net.addOpening(zone, {.width = 1.0});
        auto& s = net.state();
        s.flow.qin(zone, 1) = exchange;
        s.flow.qout(zone, 1) = exchange;
        s.conc.nscal = 1;
        s.mixc.rungek = 5.0;
    }
    AirflowNetwork net;
    int zone = 0;
};

TEST(Contaminants, ConcentrationDecaysExponentiallyInAWellMixedZone) {
    const double volume = 100.0, q = 0.05, c0 = 1e-3;
    VentilatedZone v(volume, q);
    ScalarConcentrations c;
    c(v.zone, 1) = c0;
    for (int hour = 1; hour <= 3; ++hour) {
        contam(v.net.state(), c, 60, hour);
        const double expected = c0 * std::exp(-q * 3600.0 * hour / volume);
        EXPECT_NEAR(c(v.zone, 1), expected, 1e-8 * c0) << hour;
    }
}

TEST(Contaminants, SourceAndOutdoorAirSettleAtTheirBalance) {
    // Outdoor air at 2e-4 and a source of 1e-5 kg/s: the zone settles at co + G / (rho Q).
    const double volume = 40.0, q = 0.1, co = 2e-4, g = 1e-5;
    VentilatedZone v(volume, q);
    auto& s = v.net.state();
    for (int t = 0; t <= kMaxStepsPerDay; ++t) s.conc.cout(1, t) = co;
    s.conc.gsrc.allocate(1, 1, 1, 1, 0, 24, g);
    s.conc.lastsource = 24;
    ScalarConcentrations c;
    for (int hour = 1; hour <= 24; ++hour) contam(s, c, 60, hour);
    EXPECT_NEAR(c(v.zone, 1), co + g / (1.2 * q), 1e-9);
}

TEST(Contaminants, AirFromAnotherZoneCarriesItsConcentration) {
    // Zone 2 gets all its air from zone 1, held at 1e-3 by a large volume: after many time
    // constants zone 2 holds the same concentration.
    AirflowNetwork net;
    const int z1 = net.addZone(0.0, 2.5, 1e9);
    const int z2 = net.addZone(0.0, 2.5, 20.0);
    net.addOpening(z1, {.adjzon = z2, .contyp = 1});
    net.addOpening(z2, {.adjzon = z1, .contyp = 1});
    net.addOpening(z2, {});
    auto& s = net.state();
    s.flow.qin(z2, 1) = 0.05;
    s.flow.qout(z2, 2) = 0.05;
    s.flow.qout(z1, 1) = 0.05;
    s.flow.qin(z1, 1) = 0.0;
    s.conc.nscal = 1;
    s.mixc.rungek = 10.0;
    ScalarConcentrations c;
    c(z1, 1) = 1e-3;
    for (int hour = 1; hour <= 4; ++hour) contam(s, c, 60, hour);
    EXPECT_NEAR(c(z2, 1), 1e-3 * (1.0 - std::exp(-0.05 * 4 * 3600.0 / 20.0)), 1e-9);
    EXPECT_NEAR(c(z1, 1), 1e-3, 1e-9);
}

TEST(Contaminants, SaturationHumidityRatioMatchesThePsychrometricTable) {
    struct Case {
        double t;  // °C
        double ws; // kg/kg at sea level
    };
    for (const Case c : {Case{0.0, 0.003789}, {20.0, 0.014758}, {30.0, 0.027329}}) {
        double w1 = 0.0, w2 = 0.0;
        init_con(w1, w2, c.t);
        EXPECT_NEAR(w1, c.ws, 0.01 * c.ws) << c.t;
        EXPECT_EQ(w1, w2);
    }
}

TEST(Contaminants, InputReadsNamesAndHourlySources) {
    const test_support::TemporaryFolder work("airflow_contaminants_input");
    const std::filesystem::path& dir = work.path();
    const auto file = dir / "co2.txt";
    {
        std::ofstream out(file);
        for (int zone = 1; zone <= 2; ++zone) {
            for (int h = 1; h <= 24; ++h) out << zone * 100 + h << (h % 12 == 0 ? "\n" : " ");
        }
    }
    AirflowNetwork net;
    net.addZone(0.0, 2.5, 50.0);
    net.addZone(0.0, 2.5, 50.0);
    auto& s = net.state();
    s.time.mintwx = 60;
    std::istringstream in("1\nCO2\n" + file.string() + "\n");
    std::ostringstream prompts;
    input(s, in, prompts);
    EXPECT_EQ(s.conc.nscal, 1);
    EXPECT_EQ(s.conc.scname[0], "CO2");
    EXPECT_NE(prompts.str().find("Name of scalar: "), std::string::npos);
    EXPECT_NE(prompts.str().find("Hourly contaminant file names: "), std::string::npos);
    // g/s in the file, kg/s in the table; hour 24 also at entry 0.
    EXPECT_DOUBLE_EQ(s.conc.gsrc(1, 1, 1), 0.101);
    EXPECT_DOUBLE_EQ(s.conc.gsrc(2, 1, 24), 0.224);
    EXPECT_DOUBLE_EQ(s.conc.gsrc(2, 1, 0), 0.224);

    // Steps shorter than the weather records: hour h fills its steps from h × steps per hour.
    s.time.mintwx = 30;
    s.time.nstphr = 2;
    std::istringstream again("1\nCO2\n" + file.string() + "\n");
    input(s, again, prompts);
    EXPECT_DOUBLE_EQ(s.conc.gsrc(1, 1, 2), 0.101);
    EXPECT_DOUBLE_EQ(s.conc.gsrc(1, 1, 3), 0.101);
    EXPECT_DOUBLE_EQ(s.conc.gsrc(1, 1, 49), 0.124);
    EXPECT_DOUBLE_EQ(s.conc.gsrc(1, 1, 1), 0.124);

    // A missing source file is reported, never created.
    std::istringstream missing("1\nCO2\n" + (dir / "none.txt").string() + "\n");
    EXPECT_THROW(input(s, missing, prompts), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.txt"));
    std::istringstream tooMany("7\n");
    EXPECT_THROW(input(s, tooMany, prompts), std::runtime_error);
}

} // namespace
} // namespace engine::testing
