// Whole runs of a room over a subfloor space and of a room under a roof space, in a year of steady
// weather, against the steady network of the space solved by hand with the film coefficients that
// the space's own correlations give at the network's temperatures.
#include "input_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/core/gap_and_space_zones.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"

namespace {

using namespace engine::testing;

constexpr double kMJPerWattHour = 0.0036;
constexpr double kAirPerChange = 0.3353454; // W/K per m³ and air change an hour
constexpr double kWind = 3.0;               // m/s, every hour
constexpr double kWindFactor = 0.5;         // the zone cards' wind-speed reduction
constexpr double kRoomGain = 700.0;         // W
constexpr double kPlanArea = 50.0;          // m², of the room, the space and its surfaces
constexpr double kRoofSlope = 22.5;         // degrees
constexpr double kSigma = 5.6697e-8;        // W/m²K⁴
constexpr double kKelvin = 273.15;
constexpr double kGravity = 9.8;       // m/s²
constexpr double kFreeRunning = -99.0; // no heating set-point

// Zones: 1 the room, 2 the space's air, 3 the surface of the space next to the room (floor underside
// or ceiling top), 4 its other surface (top of ground or roof underside).
enum Node { Room, Bottom, Air, Top };

enum class Space { Floor, Roof };
enum class Route { Constant, Wind }; // the space's air changes as the card's A, or as B × wind speed

struct SpaceCase {
    Space space;
    double emissivity; // REmis of the space
    Route route;
    double airChanges = 6.0; // an hour
    const char* name = "";
};

class SpaceRun : public EngineRun {
  protected:
    double spaceVolume(Space space) const {
        return space == Space::Floor ? 2.0 * kPlanArea : 0.4 * kPlanArea;
    }
    double slopedArea() const { return kPlanArea / std::cos(kRoofSlope * 0.017453292); }

    // The card file of the case: the room's steady gain (W) and heating set-point, and the climate
    // record of every hour.
    void writeHouse(const SpaceCase& k, double gain, double heating,
                    const std::function<std::string(int, int, int)>& climate) {
        writeStandardData();
        std::vector<Material> materials = standardMaterials();
        const std::array<std::pair<int, float>, 8> films = {{{908, 0.40f},
                                                             {909, 0.33f},
                                                             {910, 0.21f},
                                                             {911, 3.50f},
                                                             {912, 0.40f},
                                                             {913, 0.60f},
                                                             {914, 0.21f},
                                                             {915, 3.50f}}};
        for (const auto& [code, r] : films) materials.push_back({code, "Space film", 0.0f, r, r, 'N'});
        materials.push_back({500, "Insulation", 10.0f, 25.0f, 25.0f, 'Y'}); // resistivity 25 m K/W
        writeMaterialFile(file("matdata.bin"), materials);
        writeText("climat01.TXT", climateYear(climate));

        auto all = projectCards();
        auto section = [](int s, std::vector<std::pair<int, double>> layers) {
            std::vector<fw::Value> v = {std::string(" 2"), static_cast<long long>(s)};
            for (const auto& [m, t] : layers) {
                v.emplace_back(static_cast<long long>(m));
                v.emplace_back(t);
            }
            return card("(A2,I3,3X," + std::to_string(layers.size()) + "(I3,F4.0))", v);
        };
        const bool floor = k.space == Space::Floor;
        // The radiation between the space's two surfaces: a dark pair, or one lined with foil.
        const bool dark = k.emissivity > 0.5;
        const int radiation = floor ? (dark ? 123 : 124) : (dark ? 127 : 128);
        const int radiationFilm = floor ? (dark ? 914 : 915) : (dark ? 910 : 911);
        std::vector<std::string> cards = {
            section(21, {{100, 110.0}, {500, 80.0}}), // the room's walls
            section(31, {{300, 20.0}, {500, 80.0}}),  // a roof to outdoors
            section(41, {{300, 20.0}, {500, 80.0}}),  // a floor over outdoor air
            section(floor ? 51 : 91, {{300, 19.0}}),  // the room's side of the floor or ceiling
            section(floor ? 81 : 61, {{300, 19.0}}),  // the space's side of the same
            section(floor ? 121 : 125, {{999, 0.0}, {floor ? 912 : 908, 0.0}, {999, 0.0}}),
            section(floor ? 122 : 126, {{999, 0.0}, {floor ? 913 : 909, 0.0}, {999, 0.0}}),
            section(radiation, {{999, 0.0}, {radiationFilm, 0.0}, {999, 0.0}}),
        };
        const double a = k.route == Route::Constant ? k.airChanges : 0.0;
        const double b = k.route == Route::Wind ? k.airChanges / (kWind * kWindFactor) : 0.0;
        const std::string type = floor ? "SubFlA" : "RoofSA";
        const std::vector<double> gains(12, gain), heat(12, heating);
        cards.insert(cards.end(),
                     {
                         zoneDefinition(1, "Room", 2.5 * kPlanArea, "Normal"),
                         zoneCardLine(1, 21, {2.5, 24.0, 60.0, 0.0, 0.0, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 0}),
                         floor ? zoneCardLine(1, 31, {kPlanArea, 0.0, 0.0, 0.0, 0.5, 0.9, 0.0})
                               : zoneCardLine(1, 41, {kPlanArea, 0.5, 0.0}),
                         zoneCardLine(1, floor ? 51 : 91, {kPlanArea, 0.5, 3, 0.0}),
                         zoneCardLine(1, 300, {0.0, 2.5, 0.0, 0.0}),
                         zoneCardLine(1, 401, gains),
                         zoneCardLine(1, 402, gains),
                         card("(A2,2I3,A15,4F6.2,A6,4F6.2,I6)",
                              {std::string(" 3"), 2LL, 0LL, std::string("Space"), spaceVolume(k.space), a, b,
                               kWindFactor, type, 1.0, 3.0, 4.0, k.emissivity, 0LL}),
                         zoneDefinition(3, floor ? "UnderSideFl" : "TopOfCeiling", 0.0, "Normal"),
                         zoneDefinition(4, floor ? "TopOfGround" : "UnderSideRf", 0.0, "Normal"),
                     });
        if (floor) {
            // The subfloor space links its floor zone (3) and its ground zone (4).
            cards.insert(cards.end(), {
                                          zoneCardLine(2, 122, {kPlanArea, 0.5, 3, 0.0}),
                                          zoneCardLine(2, 121, {kPlanArea, 0.5, 4, 0.0}),
                                          zoneCardLine(3, 122, {kPlanArea, 0.5, 2, 0.0}),
                                          zoneCardLine(3, radiation, {kPlanArea, 0.5, 4, 0.0}),
                                          zoneCardLine(3, 81, {kPlanArea, 0.5, 1, 0.0}),
                                          zoneCardLine(4, 41, {kPlanArea, 0.5, 0.0}),
                                          zoneCardLine(4, radiation, {kPlanArea, 0.5, 3, 0.0}),
                                          zoneCardLine(4, 121, {kPlanArea, 0.5, 2, 0.0}),
                                      });
        } else {
            // The roof space links its ceiling zone (3) and its roof zone (4).
            cards.insert(cards.end(),
                         {
                             zoneCardLine(2, 126, {slopedArea(), 0.5, 4, 0.0}),
                             zoneCardLine(2, 125, {kPlanArea, 0.5, 3, 0.0}),
                             zoneCardLine(4, 126, {slopedArea(), 0.5, 2, 0.0}),
                             zoneCardLine(4, radiation, {kPlanArea, 0.5, 3, 0.0}),
                             zoneCardLine(4, 31, {slopedArea(), 0.0, kRoofSlope, 0.6, 0.5, 0.9, 0.0}),
                             zoneCardLine(3, 61, {kPlanArea, 0.5, 1, 0.0}),
                             zoneCardLine(3, 125, {kPlanArea, 0.5, 2, 0.0}),
                             zoneCardLine(3, radiation, {kPlanArea, 0.5, 4, 0.0}),
                         });
        }
        if (heating > -99.0) {
            cards.push_back(zoneCardLine(1, 501, heat));
            cards.push_back(zoneCardLine(1, 502, heat));
        }
        cards.push_back(" 9");
        all.insert(all.end(), cards.begin(), cards.end());
        writeScratch(all);
    }

    double u(int section) { return state().bss.usec(section); }

    // The steady network of the space with 0 °C outdoors, its film coefficients worked at its own
    // temperatures: the temperatures of the room, the surface below the space's air, the air and the
    // surface above it.  The room either takes the steady gain, or is held at `held` °C; `load` is
    // then the heat (W) that holds it.
    std::array<double, 4> handNetwork(const SpaceCase& k, double held = kFreeRunning,
                                      double* load = nullptr) {
        const bool floor = k.space == Space::Floor;
        const double volume = spaceVolume(k.space);
        const double ventilation = volume * k.airChanges * kAirPerChange; // W/K
        const double flow = volume * k.airChanges / 3600.0;               // m³/s
        // The room's losses to outdoors, and the construction between the room and its space.
        const double roomOut = u(21) * 60.0 + (floor ? u(31) : u(41)) * kPlanArea;
        const double link = u(floor ? 51 : 91) * kPlanArea;
        const double surfaceOut = floor ? u(41) * kPlanArea : u(31) * slopedArea();
        const double areaBottom = kPlanArea;
        const double areaTop = floor ? kPlanArea : slopedArea();
        const double lengthBottom = std::sqrt(kPlanArea);
        const double lengthTop =
            floor ? std::sqrt(kPlanArea) : 0.5 * lengthBottom / std::cos(kRoofSlope * 0.017453292);
        const double section =
            floor ? volume / lengthBottom : 0.25 * kPlanArea * std::tan(kRoofSlope * 0.017453292);
        const double speed = flow / section;
        const double theta = floor ? 0.0 : kRoofSlope;

        auto film = [&](double ts, double ta, double length, bool top) {
            const double tm = (ts + ta) / 2.0 + kKelvin;
            double pr, mu, rho, kk;
            engine::airproperties(tm, pr, mu, rho, kk);
            const double gr =
                std::pow(length, 3) * std::fabs(ts - ta) * rho * rho * kGravity / (mu * mu * tm);
            const double ra = gr * pr;
            const double free = top ? engine::roofUndersideFree(ra, gr, pr, theta, ts > ta)
                                    : engine::horizontalFree(ra, ts >= ta);
            const double forced = engine::forcedConvection(speed * length * rho / mu, pr);
            return kk / length * std::cbrt(std::pow(forced, 3) + std::pow(free, 3));
        };

        std::array<double, 4> t{20.0, 5.0, 1.0, 5.0};
        for (int pass = 0; pass < 200; ++pass) {
            const double hb = film(t[Bottom], t[Air], lengthBottom, false) * areaBottom;
            const double ht = film(t[Top], t[Air], lengthTop, true) * areaTop;
            const double tr = (t[Bottom] + t[Top]) / 2.0 + kKelvin;
            const double hr = k.emissivity * 4.0 * kSigma * tr * tr * tr * areaBottom;
            // Conductances between the nodes, g[i][j], and to outdoors at 0 °C, out[i].
            double g[4][4] = {};
            auto join = [&g](int i, int j, double v) {
                g[i][j] += v;
                g[j][i] += v;
            };
            join(Room, floor ? Top : Bottom, link);
            join(Bottom, Air, hb);
            join(Top, Air, ht);
            join(Bottom, Top, hr);
            double out[4] = {roomOut, floor ? surfaceOut : 0.0, ventilation, floor ? 0.0 : surfaceOut};
            // Kirchhoff's law at each node, solved by Gaussian elimination.
            double m[4][5] = {};
            for (int i = 0; i < 4; ++i) {
                m[i][i] = out[i];
                for (int j = 0; j < 4; ++j) {
                    m[i][i] += g[i][j];
                    if (j != i) m[i][j] -= g[i][j];
                }
                m[i][4] = i == Room ? kRoomGain : 0.0;
            }
            if (held != kFreeRunning) {
                for (int j = 0; j < 4; ++j) m[Room][j] = j == Room ? 1.0 : 0.0;
                m[Room][4] = held;
            }
            for (int c = 0; c < 4; ++c)
                for (int r = c + 1; r < 4; ++r) {
                    const double f = m[r][c] / m[c][c];
                    for (int j = c; j < 5; ++j) m[r][j] -= f * m[c][j];
                }
            std::array<double, 4> next{};
            for (int r = 3; r >= 0; --r) {
                double v = m[r][4];
                for (int j = r + 1; j < 4; ++j) v -= m[r][j] * next[static_cast<std::size_t>(j)];
                next[static_cast<std::size_t>(r)] = v / m[r][r];
            }
            t = next;
            if (load) *load = roomOut * t[Room] + link * (t[Room] - t[floor ? Top : Bottom]);
        }
        return t;
    }

    // The engine's zone of each node of the network.
    static int zoneOf(Space space, Node n) {
        if (n == Room) return 1;
        if (n == Air) return 2;
        const bool bottomIsThree = space == Space::Roof; // the ceiling top lies below the roof space's air
        return (n == Bottom) == bottomIsThree ? 3 : 4;
    }
};

std::string steadyHour(int m, int d, int h) {
    return climateLine(m, d, h, 0.0, 4.0, kWind, 4, 9);
}

// A free-running room with a steady gain over a subfloor space and under a roof space, at 0 °C: the
// year ends on the steady corrected network, over a dark and a foil-lined space, whether the space's
// air changes are the card's constant A or the same number as B × wind speed.
TEST_F(SpaceRun, FreeRunningRoomLandsOnTheCorrectedNetwork) {
    const SpaceCase cases[] = {
        {Space::Floor, 0.05, Route::Constant, 6.0, "floor space, foil, A"},
        {Space::Floor, 0.82, Route::Constant, 6.0, "floor space, dark, A"},
        {Space::Roof, 0.82, Route::Constant, 2.0, "roof space, dark, A"},
        {Space::Roof, 0.05, Route::Constant, 2.0, "roof space, foil, A"},
        {Space::Floor, 0.05, Route::Wind, 6.0, "floor space, foil, B"},
        {Space::Floor, 0.82, Route::Wind, 6.0, "floor space, dark, B"},
        {Space::Roof, 0.82, Route::Wind, 2.0, "roof space, dark, B"},
    };
    for (const SpaceCase& k : cases) {
        TearDown(); // a fresh engine and folder for every year
        SetUp();
        writeHouse(k, kRoomGain, kFreeRunning, steadyHour);
        ASSERT_EQ(engine::runEngine(state()), 0) << console();
        const std::array<double, 4> expected = handNetwork(k);
        EXPECT_GT(expected[Room], 5.0) << k.name; // the room's gain keeps it well above outdoors
        for (const Node n : {Room, Bottom, Air, Top})
            EXPECT_NEAR(state().sysb.tzonea(zoneOf(k.space, n)), expected[n], 0.02)
                << k.name << ", node " << n;
    }
}

// The same rooms held at 20 °C with no gain: the heating, and the space's temperatures, are those of
// the corrected network with the room at 20 °C, whichever way the space's air changes are given.
TEST_F(SpaceRun, HeatedRoomLandsOnTheCorrectedNetwork) {
    const SpaceCase cases[] = {
        {Space::Floor, 0.82, Route::Constant, 6.0, "floor space, dark, A"},
        {Space::Floor, 0.05, Route::Constant, 6.0, "floor space, foil, A"},
        {Space::Floor, 0.82, Route::Wind, 6.0, "floor space, dark, B"},
        {Space::Roof, 0.05, Route::Constant, 2.0, "roof space, foil, A"},
        {Space::Roof, 0.82, Route::Wind, 2.0, "roof space, dark, B"},
    };
    constexpr double kSetPoint = 20.0;
    for (const SpaceCase& k : cases) {
        TearDown();
        SetUp();
        writeHouse(k, 0.0, kSetPoint, steadyHour);
        ASSERT_EQ(engine::runEngine(state()), 0) << console();
        double load = 0.0;
        const std::array<double, 4> expected = handNetwork(k, kSetPoint, &load);
        EXPECT_NEAR(state().en1.eh(1) / kMJPerWattHour, load, 0.002 * load) << k.name; // the last hour
        for (const Node n : {Room, Bottom, Air, Top})
            EXPECT_NEAR(state().sysb.tzonea(zoneOf(k.space, n)), expected[n], 0.02)
                << k.name << ", node " << n;
    }
}

// Outdoor air at 20 °C all year, sun on the roof by day: nothing around the room is ever cooler than
// its 20 °C set-point, so it needs no heating.
TEST_F(SpaceRun, RoomUnderASunlitRoofSpaceInWarmAirNeedsNoHeating) {
    const auto sunny = [](int m, int d, int h) {
        const bool day = h >= 8 && h <= 16;
        return climateLine(m, d, h, 20.0, 8.0, kWind, 4, 9, day ? 90.0 : 0.0, day ? 600.0 : 0.0);
    };
    for (const double emissivity : {0.82, 0.05}) {
        TearDown();
        SetUp();
        writeHouse({Space::Roof, emissivity, Route::Constant, 2.0}, 0.0, 20.0, sunny);
        ASSERT_EQ(engine::runEngine(state()), 0) << console();
        EXPECT_GT(state().sysb.tzonea(2), 20.0);                         // the sun warmed the roof space
        EXPECT_LT(state().en1.ehrun(1), 0.05) << "REmis " << emissivity; // MJ in the year
    }
}

} // namespace
