// The air-flow network on opening data as the input reader stores them from the cards.
#include "engine/core/card_handlers.h"
#include "engine/core/input_reader.h"
#include "engine/core/state.h"
#include "engine/solar_airflow/airflow_network.h"
#include "engine/solar_airflow/ventilation_openings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

namespace engine {
namespace {

// A card of the zone's ventilation group: eight header columns, then six-column values.
std::string card(std::initializer_list<double> values) {
    std::string text(8, ' ');
    char field[16];
    for (double v : values) {
        std::snprintf(field, sizeof field, "%6.2f", v);
        text += field;
    }
    return text;
}

TEST(AirflowCards, StackFlowOfVentsReadFromTheirCards) {
    auto state = std::make_unique<EngineState>();
    auto& s = *state;
    setInputDefaults(s);
    s.numerics.maxitv = 3000;
    s.numerics.maxivi = 100;
    s.numerics.urfv = 0.2;
    s.numerics.convv = 1e-11;
    s.numerics.convvi = 1e-6;
    // FlrHt CeilHt MecSup MechEx, then two vents: bottom 0.2 m x 0.5 m, top 0.1 m x 0.5 m.
    ASSERT_EQ(zoneControlCard(s, 1, 300, card({0.0, 3.0, 0.0, 0.0})), CardResult::Next);
    ASSERT_EQ(zoneControlCard(s, 1, 301, card({0.2, 0.6, 100, 0.0, 0.5, -1, 5, 0.5, 0, 0, 0, 0, 0})),
              CardResult::Next);
    ASSERT_EQ(zoneControlCard(s, 1, 302, card({0.1, 0.6, 100, 0.0, 0.5, -1, 4, 0.5, 0, 0, 0, 0, 0})),
              CardResult::Next);
    s.zones.zvol(1) = 60.0;
    checkventinput(s);
    EXPECT_EQ(s.others.voltot, 60.0);

    s.ventzones.venfac(1) = 1.0;
    s.ventzones.nvzact = s.ventzones.nvz;
    common::FixedArray1<double, 0, kMaxZones + 1> t;
    t(1) = 20.0;
    t(kMaxZones + 1) = 0.0;
    int istat = -1;
    mix2(s, t, 0.0, 0.0, 1, istat);
    ASSERT_EQ(istat, 0);
    // Neutral plane at 3 / (1 + 2^2) m above the floor; orifice flow of the stack below it.
    const double drho = 101325.0 / 287.055 * (1.0 / 273.15 - 1.0 / 293.15);
    const double q = 0.6 * 0.1 * std::sqrt(2.0 * 9.8 * drho * 0.6 / 1.2);
    EXPECT_NEAR(s.flow.qin(1, 1), q, 1e-3 * q);
    EXPECT_NEAR(s.flow.qout(1, 2), q, 1e-3 * q);
}

} // namespace
} // namespace engine
