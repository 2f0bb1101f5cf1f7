// Whole years of a box held at its set-point while outdoor air passes through it: the heating takes
// the air's heat capacity flow times the temperature difference, whichever way the air enters and
// however heavy the box.
#include "input_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/main_program.h"
#include "engine/core/state.h"

namespace {

using namespace engine::testing;

constexpr double kMJPerWattHour = 0.0036;
constexpr double kAirPerChange = 0.3353454; // W/K per m³ and air change an hour
constexpr double kAirHeatPerFlow = 1207.0;  // W/K per m³/s
constexpr double kVolume = 5.0 * 5.0 * 2.5; // m³
constexpr double kWind = 2.0;               // m/s, every hour
constexpr double kWindFactor = 0.5;         // the zone card's wind-speed reduction
constexpr double kSetPoint = 20.0;          // °C, in a year at 0 °C
constexpr double kHours = 8760.0;

enum class Route { None, Constant, Wind, Supply };

struct AirCase {
    Route route;
    bool heavy;
    const char* name;
};

class HeldBox : public EngineRun {
  protected:
    // The year's heating of the box (MJ) with one air change an hour given as `route`.
    double heatingYear(Route route, bool heavy) {
        TearDown(); // a fresh engine and folder for every year
        SetUp();
        writeStandardData();
        std::vector<Material> materials = standardMaterials();
        materials.push_back({500, "Insulation", 10.0f, 25.0f, 25.0f, 'Y'}); // resistivity 25 m K/W
        writeMaterialFile(file("matdata.bin"), materials);
        writeText("climat01.TXT", climateYear([](int m, int d, int h) {
                      return climateLine(m, d, h, 0.0, 4.0, kWind, 4, 9);
                  }));
        // Insulation outside; inside 200 mm of brick, or 10 mm of timber.
        auto section = [heavy](int s) {
            return card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), static_cast<long long>(s), 500LL, 50.0,
                                                  heavy ? 100LL : 300LL, heavy ? 200.0 : 10.0});
        };
        const double a = route == Route::Constant ? 1.0 : 0.0;
        const double b = route == Route::Wind ? 1.0 / (kWind * kWindFactor) : 0.0;
        const double supply = route == Route::Supply ? supplyFlow() : 0.0;
        const std::vector<double> heat(12, kSetPoint);
        auto all = projectCards();
        const std::vector<std::string> cards = {
            section(21),
            section(31),
            section(41),
            card("(A2,2I3,A15,4F6.2,A6,4F6.2,I6)",
                 {std::string(" 3"), 1LL, 0LL, std::string("Box"), kVolume, a, b, kWindFactor,
                  std::string("Normal"), 1.0, 0.0, 0.0, 0.0, 0LL}),
            zoneCardLine(1, 21, {2.5, 20.0, 50.0, 0.0, 0.0, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 0}),
            zoneCardLine(1, 31, {25.0, 0.0, 0.0, 0.0, 0.5, 0.9, 0.0}),
            zoneCardLine(1, 41, {25.0, 0.5, 0.0}),
            card("(A2,2I3,2F6.2,F6.4,F6.2)", {std::string(" 3"), 1LL, 300LL, 0.0, 2.5, supply, 0.0}),
            zoneCardLine(1, 501, heat),
            zoneCardLine(1, 502, heat),
            " 9",
        };
        all.insert(all.end(), cards.begin(), cards.end());
        writeScratch(all);
        EXPECT_EQ(engine::runEngine(state()), 0) << console();
        EXPECT_NEAR(state().sysb.tzonea(1), kSetPoint, 1e-6);
        return state().en1.ehrun(1);
    }

    // One air change an hour as a supply of outdoor air, as the card's four decimals hold it (m³/s).
    static double supplyFlow() { return 0.0174; }
};

// ρ·cp·V·ACH·ΔT over the year, on top of the box's conduction: the constant term A enters the
// response model as A / (1 + 0.025 A) air changes, the wind term and the supply as they are.
TEST_F(HeldBox, HeldZoneLosesItsAirExchangeAtTheSetPoint) {
    const AirCase cases[] = {
        {Route::Constant, false, "A, light"},    {Route::Constant, true, "A, heavy"},
        {Route::Wind, false, "B x wind, light"}, {Route::Wind, true, "B x wind, heavy"},
        {Route::Supply, false, "supply, light"}, {Route::Supply, true, "supply, heavy"},
    };
    const double light = heatingYear(Route::None, false), heavy = heatingYear(Route::None, true);
    for (const AirCase& k : cases) {
        const double conductance = k.route == Route::Constant ? kVolume * kAirPerChange / 1.025
                                   : k.route == Route::Wind   ? kVolume * kAirPerChange
                                                              : kAirHeatPerFlow * supplyFlow(); // W/K
        const double expected = conductance * kSetPoint * kHours * kMJPerWattHour;
        const double air = heatingYear(k.route, k.heavy) - (k.heavy ? heavy : light);
        EXPECT_NEAR(air, expected, 0.002 * expected) << k.name;
    }
}

} // namespace
