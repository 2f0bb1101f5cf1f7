// The air-flow report written after each call of the network when the input switches it on.
#include "airflow_network_fixture.h"

#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace engine::testing {
namespace {

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every record ends in CR LF";
    return lines;
}

TEST(AirflowReport, WritesZoneBlocksSummaryAndPressures) {
    const test_support::TemporaryFolder work("airflow_report_test");
    const std::filesystem::path& dir = work.path();
    const auto file = dir / "airflow.txt";

    AirflowNetwork net;
    net.setTightNumerics();
    const int z = net.addZone(0.0, 3.0, 60.0);
    net.addOpening(z, {.width = 0.2, .low = 0.0, .high = 0.5, .type = 5});
    net.addOpening(z, {.width = 0.2, .perc = 0.0, .low = 0.0, .high = 0.5, .type = 4});
    net.addOpening(z, {.width = 0.1, .low = 0.0, .high = 0.5, .type = 4});
    auto& s = net.state();
    s.flow.qmsup(z) = 0.01;
    s.flowfile.iflowf = 1;
    s.workdir = dir;
    s.reader.flowfname = "airflow.txt";
    s.tim.imonth = 7;
    s.tim.iday = 14;
    net.finishInput();
    s.type.iopen(z, 2) = 0;
    std::array<double, 11> t{};
    t[1] = 20.0;
    s.ventzones.venfac(z) = 1.0;
    s.ventzones.nvzact = 1;
    ASSERT_EQ(net.step(t, 0.0, 0.0, 0.0, false), 0);
    s.airflowreport.file.close();

    const auto lines = splitCrLf(readAll(file));
    ASSERT_GE(lines.size(), 30u);
    EXPECT_EQ(lines[0], "   ");
    EXPECT_EQ(lines[1], " ====== Zone  1====== Month  7 Day 14 Time step    1 Converged =   0");
    EXPECT_EQ(lines[3], " Overall flow rate");
    // 3600 × flow / 60 m3 air changes per hour, then the flow itself.
    const double qin = s.flow.qzin(z);
    char expected[128];
    std::snprintf(expected, sizeof expected, "  Total inflow:  %10.5f ACH(local zone)  %10.5f m3/s",
                  60.0 * qin, qin);
    EXPECT_EQ(lines[5], expected);
    EXPECT_EQ(lines[7], "  Mech. ventflow:   0.60000 ACH(local zone)     0.01000 m3/s");
    EXPECT_EQ(lines[12], "  Opening  N'bor-Zone  Inflow(m3/s) Outflow(m3/s) ");
    // Openings 1 and 3 are listed; the closed opening 2 leaves a gap.
    EXPECT_EQ(lines[13].substr(0, 14), "      1      0");
    EXPECT_EQ(lines[14].substr(0, 14), "      3      0");
    EXPECT_EQ(lines[16], " ------------------Summary ------------------");
    EXPECT_EQ(lines[17].substr(0, 37), " zone, inf, exf,  qs,  qe (m3/s)    1");
    EXPECT_EQ(lines[19], " Total volume of the entire building (m3)          60.00");
    EXPECT_EQ(lines[22], " Total mech. supply rate (ach) for the building      0.60");
    EXPECT_EQ(lines[26], " Calculated pressures in each zone -------------");
    EXPECT_EQ(lines[28], " Zone  Pressure  Neutral-P RL-Height H'Stat-P");
    EXPECT_EQ(lines[29].substr(0, 5), "    1");
    EXPECT_EQ(lines.size(), 30u);
}

} // namespace
} // namespace engine::testing
