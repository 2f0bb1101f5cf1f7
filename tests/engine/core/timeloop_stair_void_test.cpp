// Whole years of two boxes stacked one over the other with a floor structure between them and a
// stair void joining them, each with an open window: the air the void carries, read from the
// air-flow report of every step, against the mass balance of the house.
#include "input_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "engine/core/main_program.h"
#include "engine/core/state.h"

namespace {

using namespace engine::testing;

constexpr double kVolume = 125.0;   // m³ of each box
constexpr double kCeiling = 2.5;    // m
constexpr double kStructure = 0.25; // m of floor structure between the boxes
constexpr int kLower = 1, kUpper = 2;

class StackedBoxes : public EngineRun {
  protected:
    // A windless year at `outdoor` °C, the lower box heated to 20 °C, the upper one free.
    int runYear(double outdoor) {
        writeStandardData();
        writeText("climat01.TXT", climateYear([outdoor](int m, int d, int h) {
                      return climateLine(m, d, h, outdoor, 8.0, 0.0, 4, 9);
                  }));
        std::vector<std::string> cards = projectCards();
        for (std::string& c : cards)
            if (c.starts_with(" 1 11"))
                c = card("(A2,I3,2X,A1,A120)",
                         {std::string(" 1"), 11LL, std::string("1"), std::string("airflow.txt")});
        const std::vector<std::string> sections = {
            card("(A2,I3,3X,I6,3F6.2,I6,A60)",
                 {std::string(" 2"), 0LL, 400LL, 800.0, 0.5, 0.0, 1LL, std::string("Plasterboard")}),
            card("(A2,I3,3X,3(I3,F4.0))", {std::string(" 2"), 21LL, 100LL, 110.0, 200LL, 0.0, 400LL, 10.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 31LL, 400LL, 10.0, 0LL, 0.0}),
            card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 41LL, 300LL, 19.0, 0LL, 0.0}),
        };
        cards.insert(cards.end(), sections.begin(), sections.end());
        for (const int z : {kLower, kUpper}) {
            const int other = z == kLower ? kUpper : kLower;
            const std::vector<std::string> zone = {
                zoneDefinition(z, z == kLower ? "Lower" : "Upper", kVolume, "Normal"),
                zoneCardLine(z, 21, {kCeiling, 10.0, 23.2, 0.0, 0.0, 0.5, 0.0, 0, 0, 0, 0, 0, 0.0, 0.0}),
                zoneCardLine(z, 31, {50.0, 0.0, 22.5, 0.0, 0.5, 0.0, 0.0}),
                zoneCardLine(z, 41, {50.0, 0.5, 0.0}),
                zoneCardLine(z, 300, {z == kLower ? 0.0 : kCeiling + kStructure, kCeiling, 0.0, 0.0}),
                // A window of 0.6 m × 1 m that stays open, and the void of 1 m × 1 m: in the
                // ceiling of the lower box (type 3), in the floor of the upper one (type 2).
                zoneCardLine(z, 301, {0.6, 0.6, 100.0, 1.0, 2.0, 7, 1, 0.5, 0, 0, 0.0, 1, 0}),
                zoneCardLine(z, 302,
                             {1.0, 0.6, 100.0, 0.0, 1.0, -1, z == kLower ? 3.0 : 2.0, 0.5,
                              static_cast<double>(other), 0, 0.0, 1, 0}),
            };
            cards.insert(cards.end(), zone.begin(), zone.end());
        }
        const std::vector<double> heat(12, 20.0);
        cards.push_back(zoneCardLine(kLower, 501, heat));
        cards.push_back(zoneCardLine(kLower, 502, heat));
        cards.push_back(" 9");
        writeScratch(cards);
        return engine::runEngine(state());
    }

    // One step of the air-flow report: per zone, the inflow and outflow of each opening by the
    // zone beyond it (0 the outdoors), m³/s.
    struct Flow {
        double in = 0.0, out = 0.0;
    };
    using Step = std::map<int, std::map<int, Flow>>;

    std::vector<Step> reportedSteps() const {
        std::vector<Step> steps;
        std::ifstream in(file("airflow.txt"));
        Step step;
        int zone = 0;
        bool openings = false;
        for (std::string line; std::getline(in, line);) {
            if (line.find("====== Zone") != std::string::npos) {
                zone = std::stoi(line.substr(line.find("Zone") + 4, 3));
                openings = false;
            } else if (line.find("N'bor-Zone") != std::string::npos) {
                openings = true;
            } else if (line.find("Summary") != std::string::npos) {
                steps.push_back(step);
                step.clear();
                openings = false;
            } else if (openings) {
                std::istringstream fields(line);
                int k = 0, beyond = 0;
                Flow f;
                if (fields >> k >> beyond >> f.in >> f.out) step[zone][beyond] = f;
            }
        }
        return steps;
    }
};

// The lower box held at 20 °C in air of 0 °C warms the upper one through the void: warm air rises
// from the lower box into the upper one, which lets it out.  What leaves the lower box through the
// void enters the upper one, and the house takes in through its windows what it lets out, in every
// step; the printed flows carry five decimals.
TEST_F(StackedBoxes, VoidFlowAgreesFromBothSidesAndTheHouseKeepsItsAirInEveryStep) {
    ASSERT_EQ(runYear(0.0), 0) << console();
    EXPECT_NEAR(state().sysb.tzonea(kLower), 20.0, 1e-6);
    const std::vector<Step> steps = reportedSteps();
    ASSERT_GE(steps.size(), 8760u);
    int upwards = 0;
    for (std::size_t n = 0; n < steps.size(); ++n) {
        const Step& s = steps[n];
        ASSERT_TRUE(s.count(kLower) && s.count(kUpper)) << "step " << n;
        const Flow lower = s.at(kLower).at(kUpper), upper = s.at(kUpper).at(kLower);
        const Flow lowerWindow = s.at(kLower).at(0), upperWindow = s.at(kUpper).at(0);
        const double scale = lower.in + lower.out + lowerWindow.in + lowerWindow.out;
        ASSERT_GT(scale, 0.01) << "step " << n;
        EXPECT_NEAR(lower.out, upper.in, 2e-5) << "step " << n;
        EXPECT_NEAR(lower.in, upper.out, 2e-5) << "step " << n;
        const double intoHouse = lowerWindow.in + upperWindow.in;
        const double outOfHouse = lowerWindow.out + upperWindow.out;
        EXPECT_NEAR(intoHouse, outOfHouse, 2e-3 * scale) << "step " << n;
        if (lower.out > lower.in) ++upwards;
    }
    EXPECT_EQ(upwards, static_cast<int>(steps.size()));
}

} // namespace
