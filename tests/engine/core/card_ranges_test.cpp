#include <gtest/gtest.h>

#include <functional>

#include "engine/core/input_messages.h"
#include "input_fixture.h"

namespace engine::testing {
namespace {

class CardRanges : public EngineRun {
  protected:
    // One heated and cooled zone with a floor; `extra` stands before the end card.
    std::vector<std::string> house(const std::vector<std::string>& extra) const {
        std::vector<std::string> cards = projectCards();
        for (const std::string& c :
             {zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}),
              zoneCardLine(1, 300, {0.0, 2.4}),
              zoneCardLine(1, 501, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}),
              zoneCardLine(1, 503, {25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25})})
            cards.push_back(c);
        cards.insert(cards.end(), extra.begin(), extra.end());
        cards.push_back(" 9");
        return cards;
    }
};

std::string outOfRange(const std::string& where) {
    return std::string(msg::kValueRange) + where + std::string(msg::kOnAboveCard);
}

// Twelve hourly values with `value` in the third field (columns 21-26).
std::vector<double> hours(double value, double others) {
    std::vector<double> v(12, others);
    v[2] = value;
    return v;
}

// A value outside what its quantity can be is illegal input: the card is echoed with a line that
// names the zone, the card, the field and its columns, the value and its range; nothing of the card
// is kept, the later cards are still read, and no rating comes of the run.
TEST_F(CardRanges, ValuesOutsideTheirPhysicalRangeAreIllegalInputNamingZoneCardAndField) {
    struct Case {
        const char* what;
        std::string card;
        std::string where; // of the error line
        std::function<bool(EngineState&)> untouched;
    };
    const auto heating = [](EngineState& s) { return s.sysa.theat(3, 1) == 20.0; };
    const auto cooling = [](EngineState& s) { return s.sysa.tcool(3, 1) == 25.0; };
    const Case cases[] = {
        {"a heating set-point of 1000 °C", zoneCardLine(1, 501, hours(20.0, 20.0)).replace(20, 6, "1000.0"),
         "zone 1, card 501, field 3 (columns 21-26): heating set-point 1000 outside -99 to 60 °C", heating},
        {"a heating set-point of 9.9E99 °C", zoneCardLine(1, 501, hours(20.0, 20.0)).replace(20, 6, "9.9E99"),
         "zone 1, card 501, field 3 (columns 21-26): heating set-point 9.9e+99 outside -99 to 60 °C",
         heating},
        {"a cooling set-point of -99999 °C", zoneCardLine(1, 503, hours(25.0, 25.0)).replace(20, 6, "-99999"),
         "zone 1, card 503, field 3 (columns 21-26): cooling set-point -99999 outside 0 to 99 °C", cooling},
        {"a negative sensible gain", zoneCardLine(1, 401, hours(100.0, 100.0)).replace(20, 6, "-300.0"),
         "zone 1, card 401, field 3 (columns 21-26): internal gain -300 outside 0 to 999999 W",
         [](EngineState& s) { return s.bss.igains(1) == 0; }},
        {"a covering closed at hour 30", zoneCardLine(1, 601, {30, 7, 20.0, 300.0}),
         "zone 1, card 601, field 1 (columns 9-14): hour 30 outside 0 to 24",
         [](EngineState& s) { return s.var.covclw(1) == 0; }},
        {"a negative ceiling height", zoneCardLine(1, 300, {0.0, -2.4}),
         "zone 1, card 300, field 2 (columns 15-20): ceiling height -2.4 outside 0 to 1000 m",
         [](EngineState& s) { return s.geo.zceilht(1) == 2.4; }},
        {"a discharge coefficient of 6", zoneCardLine(1, 301, {0.9, 6.0, 50.0, 0.0, 2.1, 7, 1, 0.5, 0, 1}),
         "zone 1, card 301, field 2 (columns 15-20): discharge coefficient 6 outside 0 to 1",
         [](EngineState& s) { return s.open1.nopen(1) == 0 && s.ventzones.nvz == 0; }},
        {"a fan of negative power", zoneCardLine(1, 701, {1.0, -60.0}),
         "zone 1, card 701, field 2 (columns 15-20): fan power -60 outside 0 to 99999 W",
         [](EngineState& s) { return s.ceilingfans.fanv(1) == 0.0; }},
        {"a wall of negative area", zoneCardLine(1, 21, {2.7, 10.0, -25.9, 0.0, 0.6, 0.5, 0.9}),
         "zone 1, card 21, field 3 (columns 21-26): area -25.9 outside 0 to 999999 m2",
         [](EngineState& s) { return s.shad.nwpath == 0; }},
        {"a roof absorptance of 1.5", zoneCardLine(1, 31, {50.0, 0.0, 22.5, 1.5, 0.5, 0.9}),
         "zone 1, card 31, field 4 (columns 27-32): absorptance 1.5 outside 0 to 1",
         [](EngineState& s) { return s.shad.nrpath == 0; }},
        {"a window azimuth of 720 degrees", zoneCardLine(1, 1, {1.2, 0.9, 0.0}).replace(20, 6, " 720.0"),
         "zone 1, card 1, field 3 (columns 21-26): azimuth 720 outside -360 to 360 degrees",
         [](EngineState& s) { return s.shad.nwin(1) == 0; }},
        {"a zone volume of 9.9E99", zoneDefinition(2, "B", 50.0, "Normal").replace(23, 6, "9.9E99"),
         "zone 2, card 0, field 2 (columns 24-29): volume 9.9e+99 outside 0 to 999999 m3",
         [](EngineState& s) { return s.zones.zvol(2) == 0.0; }},
        {"a layer of negative thickness",
         card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 25LL, 100LL, -11.0, 0LL, 0.0}),
         "card 2/25, field 2 (columns 12-15): layer thickness -11 outside 0 to 9999 mm",
         [](EngineState& s) { return s.bss.isecdef(25) == 0; }},
        {"a ground reflectance of 2", card("(A2,I3,3X,2F6.1)", {std::string(" 1"), 15LL, 2.0, 120.0}),
         "card 1/15, field 1 (columns 9-14): ground reflectance 2 outside 0 to 1",
         [](EngineState& s) { return s.groundr.grefl == 0.2 && s.gground.slabar == 120.0; }},
        {"a curtain of negative transmittance",
         card("(A2,I3,I3,3F6.2)", {std::string(" 1"), 16LL, 1LL, 0.3, -0.5, 0.1}),
         "card 1/16, field 3 (columns 15-20): transmittance -0.5 outside 0 to 1",
         [](EngineState& s) { return s.wind41.curtr(1) == 0.0; }},
        {"a pressure coefficient of 50",
         card("(A2,I3,I3,8F6.2)",
              {std::string(" 1"), 13LL, 8LL, 0.6, 50.0, -0.3, -0.5, -0.4, -0.5, -0.3, 0.4}),
         "card 1/13, field 3 (columns 15-20): pressure coefficient 50 outside -10 to 10",
         [](EngineState& s) { return s.wind.ncpset == 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        writeStandardData();
        writeScratch(house({c.card, zoneCardLine(1, 51, {20.0, 0.5, 0, 0.0})}));
        EXPECT_NE(run(), 0);
        const std::string expected = " " + c.card.substr(0, 80) + "\n" + outOfRange(c.where) + "\n";
        EXPECT_NE(console().find(expected), std::string::npos) << console();
        EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(file("energy.txt")));
        EXPECT_EQ(state().blank.npath(1), 2) << "the card after the refused one is read";
        EXPECT_TRUE(c.untouched(state())) << "nothing of the refused card is kept";
    }
}

// The ends of the ranges are values a house can have: the codes for no heating and no cooling, an
// open window of discharge coefficient 1 and percent 100, a covering closed at hour 24; and a zone
// may take up moisture (a latent gain below zero, as the modeller writes for a small kitchen zone).
TEST_F(CardRanges, ValuesAtTheEndsOfTheirRangesAreAccepted) {
    writeStandardData();
    writeScratch(house({
        zoneCardLine(1, 501, hours(-99.0, 60.0)),
        zoneCardLine(1, 503, hours(99.0, 0.0)),
        zoneCardLine(1, 301, {0.9, 1.0, 100.0, 0.0, 2.1, 7, 1, 1.0, 0, 1}),
        zoneCardLine(1, 601, {24, 0, -99.0, 0.0}).replace(26, 6, "9999.0"),
        zoneCardLine(1, 403, hours(-26.0, 10.0)),
        zoneCardLine(1, 21, {2.7, 10.0, 0.0, 0.0, 1.0, 0.0, 1.0}).replace(26, 6, "-360.0"),
    }));
    ASSERT_EQ(run(), 0) << console();
    EXPECT_EQ(state().sysa.theat(4, 1), -99.0);
    EXPECT_EQ(state().sysa.theat(3, 1), 60.0);
    EXPECT_EQ(state().sysa.tcool(4, 1), 99.0);
    EXPECT_EQ(state().var.covclw(1), 24);
    EXPECT_EQ(state().latent.latgain(1, 4), -26.0);
}

} // namespace
} // namespace engine::testing
