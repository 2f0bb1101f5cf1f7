#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/card_fields.h"
#include "engine/core/input_messages.h"
#include "engine/core/input_reader.h"
#include "input_fixture.h"

namespace engine::testing {
namespace {

constexpr double kTol = 1e-5;

// Construction cards: a window (section 1), a skylight (11), a roof window (12), a wall (21), a roof
// (31), a floor (51), an internal wall (111) and a material change card.
std::vector<std::string> constructionCards() {
    return {
        "C Constructions",
        card("(A2,A1,I3,A80,A25)",
             {std::string(" 2"), std::string("N"), 21LL, std::string("Brick veneer"), std::string("")}),
        card("(A2,I3,3X,I6,3F6.2,I6,A60)",
             {std::string(" 2"), 0LL, 400LL, 800.0, 0.5, 0.0, 1LL, std::string("Plasterboard")}),
        card("(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
             {std::string(" 2"),          1LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL,
              std::string("GGG-05-001a"), 6.0, 0.2, 0.5, 1.0, 2.0, 3.0, 4.0}),
        card("(A2,I3,3X,5(I3,F4.0),I7,I7,A11,7F7.2)",
             {std::string(" 2"),          11LL, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL, 1LL,
              std::string("GEN-04-001a"), 5.0,  0.1, 0.0, 0.0, 0.0, 0.0, 0.0}),
        card("(A2,I3,3X,5(I3,F4.0),I7,I7,A11,7F7.2)",
             {std::string(" 2"),          12LL, 0LL,  0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 3LL, 1LL,
              std::string("GGG-05-001a"), 4.0,  0.25, 0.6, 0.0, 0.0, 0.0, 0.0}),
        card("(A2,I3,3X,3(I3,F4.0))", {std::string(" 2"), 21LL, 100LL, 110.0, 200LL, 0.0, 400LL, 10.0}),
        card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 31LL, 400LL, 10.0, 0LL, 0.0}),
        card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 51LL, 100LL, 100.0, 0LL, 0.0}),
        card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 111LL, 400LL, 10.0, 0LL, 0.0}),
    };
}

std::vector<std::string> oneZoneCards() {
    return {
        "c Zone 1",
        zoneDefinition(1, "Living", 125.0, "Normal", 1.0),
        zoneCardLine(1, 1, {1.2, 0.9, 0.0, 3, 0, 0, 0, 0, 0, 1, 1}),
        zoneCardLine(1, 11, {1.0, 0.0, 0.0, 0, 0, 1, 0.5, 1.0, 0.6, 0.5, 1, 0, 0}),
        zoneCardLine(1, 12, {0.8, 90.0, 30.0, 1, 1}),
        zoneCardLine(1, 21, {2.7, 10.0, 25.92, 0.0, 0.6, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 0}),
        zoneCardLine(1, 31, {50.0, 0.0, 22.5, 0.7, 0.5, 0.9, 0.0}),
        zoneCardLine(1, 51, {50.0, 0.5, 0, 0.0}),
        zoneCardLine(1, 300, {0.0, 2.5, 0.0, 0.0}),
        zoneCardLine(1, 301, {0.9, 0.6, 50.0, 0.0, 2.1, 7, 1, 0.5, 0, 1, 0.0, 0, 0}),
        zoneCardLine(1, 401, {100, 100, 100, 100, 100, 100, 200, 200, 200, 200, 200, 200}),
        zoneCardLine(1, 402, {300, 300, 300, 300, 300, 300, 400, 400, 400, 400, 400, 20}),
        zoneCardLine(1, 403, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}),
        zoneCardLine(1, 404, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 5}),
        zoneCardLine(1, 501, {0, 0, 0, 0, 0, 0, 18, 18, 18, 18, 18, 18}),
        zoneCardLine(1, 502, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 0}),
        zoneCardLine(1, 503, {25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25}),
        zoneCardLine(1, 504, {25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 0, 0}),
        zoneCardLine(1, 601, {22, 7, 20.0, 300.0}),
        zoneCardLine(1, 603, {28.0, 500.0}),
        zoneCardLine(1, 604, {27.0, 400.0}),
        zoneCardLine(1, 605, {8, 22, 24.0, 21.0, 0.0, 0.0}),
        zoneCardLine(1, 701, {1.5, 60.0, 0.0}),
        zoneCardLine(1, 801, {9, 24}),
    };
}

std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class InputReader : public EngineRun {
  protected:
    std::vector<std::string> house(const std::vector<std::string>& zones, bool endCard = true) {
        auto cards = join(join(projectCards(), constructionCards()), zones);
        if (endCard) cards.push_back(" 9");
        return cards;
    }
};

TEST_F(InputReader, OneZoneHouseFillsEveryBlockFromItsCards) {
    writeStandardData();
    writeScratch(house(oneZoneCards()));
    ASSERT_EQ(run(), 0) << console();
    const EngineState& s = state();

    // Project cards.
    EXPECT_EQ(trimRight(s.ch.jobname), "Test house");
    EXPECT_EQ(s.tim.iyear, 2026);
    EXPECT_NEAR(s.where.xlat, -34.5 * 0.017453292, 1e-9);
    EXPECT_NEAR(s.where.smerid, 150.0, 1e-12);
    EXPECT_EQ(s.reader.wxname, "climat01.TXT");
    EXPECT_EQ(s.numerics.maxitv, 100);
    EXPECT_NEAR(s.numerics.urft, 0.2, kTol);
    EXPECT_NEAR(s.mixc.rungek, 5.0, kTol);
    EXPECT_EQ(s.wind.ncpset, 1);
    EXPECT_EQ(s.outdoor.icpno(1), 7);
    EXPECT_NEAR(s.wind.cpval(1, 3), -0.3, kTol);
    EXPECT_NEAR(s.ventfactors.shield, 0.85, kTol);
    EXPECT_EQ(s.additionalcontrol.iactl, 2);
    EXPECT_NEAR(s.gground.gwallt, 0.2, kTol);
    EXPECT_NEAR(s.gground.gcond, 1.5, kTol);
    EXPECT_NEAR(s.gground.gdiff, 4.6, kTol);
    EXPECT_NEAR(s.condfa.cfarea, 100.0, kTol);
    EXPECT_EQ(s.zn.ndrep, 10);
    EXPECT_EQ(s.grid.ngrid, 40);
    // Starting temperature -99: 0.7 × the climate mean (15.75 °C) + 7.2.
    EXPECT_NEAR(s.zn.tstart, 0.7 * 15.75 + 7.2, 1e-9);
    EXPECT_EQ(s.additionalcontrol.istick, 3);
    EXPECT_EQ(trimRight(s.prin2.c8file), "None");

    // Constructions.
    EXPECT_EQ(trimRight(s.names.secname(21)), "Brick veneer");
    EXPECT_NEAR(s.cr.crp3(400), 0.5, kTol);
    EXPECT_EQ(s.cr.icond(400), 1);
    EXPECT_EQ(s.bss.nlay(21), 3);
    EXPECT_EQ(s.bss.matlay(21, 2), 200);
    EXPECT_EQ(s.bss.nlay(31), 1);
    // Window: uwin = gug × (1 - FrameF) + FrameU × FrameF; one pseudo-layer of (1/U - R907) × 1000.
    const double uwin = 5.8 * 0.8 + 6.0 * 0.2;
    EXPECT_NEAR(s.wind41.uwin(1), uwin, 1e-5);
    EXPECT_EQ(s.bss.nlay(1), 1);
    EXPECT_EQ(s.bss.matlay(1, 1), 901);
    EXPECT_NEAR(s.bss.thklay(1, 1), (1.0 / uwin - 0.16) * 1000.0, 1e-3);
    EXPECT_NEAR(s.wind41.gsys7(1), 4.0, kTol);
    EXPECT_NEAR(s.wind41.gfrac(1), 0.8, kTol);
    // Skylight: usky = (1 - FrameF) × g + FrameU × FrameF, resistance from material 906.
    EXPECT_NEAR(s.skylight.usky(1), 0.9 * 4.0 + 5.0 * 0.1, 1e-5);
    EXPECT_NEAR(s.bss.thklay(11, 1), (1.0 / 4.1 - 0.04) * 1000.0, 1e-3);
    EXPECT_NEAR(s.skylight.skp1(1), 2.5, kTol);
    EXPECT_NEAR(s.shad.skfrf(1), 0.1, kTol);
    // Roof window: a window system at index 12.
    EXPECT_EQ(s.shad.igltyp(2), 3);
    EXPECT_NEAR(s.wind41.uwin(12), 5.8 * 0.75 + 4.0 * 0.25, 1e-5);
    EXPECT_NEAR(s.wind41.frma(12), 0.6, kTol);

    // Zone and surfaces.
    EXPECT_EQ(s.zones.nzones, 1);
    EXPECT_EQ(s.blank.npath(1), 6);
    EXPECT_EQ(trimRight(s.names.zname(1)), "Living");
    EXPECT_NEAR(s.shad.warea(1, 1), 1.08, 1e-9);
    EXPECT_NEAR(s.bss.patharea(1, 1), 1.08, 1e-9);
    EXPECT_EQ(s.shad.whs1(1, 1), 3);
    EXPECT_EQ(s.shad.wcurt(1, 1), 1);
    EXPECT_EQ(s.shad.nsky(1), 2);
    EXPECT_EQ(s.shad.issys(1, 2), 12);
    EXPECT_EQ(s.shad.szonlit(1, 1), 1);
    EXPECT_EQ(s.shad.sdiff(1, 1), 1);
    EXPECT_EQ(s.shad.nwpath, 1);
    EXPECT_NEAR(s.bss.patharea(1, 4), 25.92, 1e-9);
    EXPECT_EQ(s.bss.ispath(1, 4), 1);
    EXPECT_EQ(s.shad.nrpath, 1);
    EXPECT_NEAR(s.shad.rpslope(1), 22.5, kTol);
    EXPECT_EQ(s.bss.isectp(1, 6), 51);
    EXPECT_EQ(s.bss.iainf(1), 1);
    EXPECT_EQ(s.reader.iglazed(1), 1);
    EXPECT_EQ(s.zn.idrvuse(452, 1), 1);

    // Heights and the opening.
    EXPECT_NEAR(s.geo.zmidabs(1), 1.25, kTol);
    EXPECT_EQ(s.pressure.irefz, 1);
    EXPECT_EQ(s.ventzones.nvz, 1);
    EXPECT_EQ(s.ventzones.ivz(1), 1);
    EXPECT_EQ(s.open1.nopen(1), 1);
    EXPECT_NEAR(s.open1.operc(1, 1), 0.5, kTol);
    EXPECT_NEAR(s.geo.omidht(1, 1), 1.25, kTol) << "a blank mid-height takes the zone's mid-height";
    EXPECT_EQ(s.type.ifixop(1, 1), 1);
    EXPECT_EQ(s.ventzones.iventout(1), 1);

    // Gains: hour H in column mod(H, 24) + 1; hour 24 (20 W) at the start of the day.
    EXPECT_NEAR(s.blank.drive(452, 2), 100.0, kTol);
    EXPECT_NEAR(s.blank.drive(452, 1), 20.0, kTol);
    EXPECT_NEAR(s.blank.drive(452, 24), 400.0, kTol);
    EXPECT_NEAR(s.latent.latgain(1, 1), 5.0, kTol);
    EXPECT_EQ(s.bss.igains(1), 1);
    // Thermostats: blank hours read as no heating or cooling.
    EXPECT_DOUBLE_EQ(s.sysa.theat(2, 1), -99.0);
    EXPECT_NEAR(s.sysa.theat(8, 1), 18.0, kTol);
    EXPECT_DOUBLE_EQ(s.sysa.theat(1, 1), -99.0);
    EXPECT_DOUBLE_EQ(s.sysa.tcool(24, 1), 99.0);
    EXPECT_NEAR(s.sysa.tcool(23, 1), 25.0, kTol);
    EXPECT_EQ(s.sysa.ncond, 1);
    EXPECT_EQ(s.sysa.icondz(1), 1);
    // Schedules, fan and stated hours.
    EXPECT_EQ(s.var.covclw(1), 22);
    EXPECT_NEAR(s.var.covsw(1), 300.0, kTol);
    EXPECT_DOUBLE_EQ(s.var.covss(1), 9999.0) << "no card 602: the default stands";
    EXPECT_NEAR(s.var.blndts(1), 27.0, kTol);
    EXPECT_EQ(s.zn.ibvent(1), 1);
    EXPECT_EQ(s.ceilingfans.ifanon(1), 1);
    EXPECT_NEAR(s.ceilingfans.fandt(1), 6.0 * 1.3 - 1.6 * 1.69, 1e-6);
    EXPECT_EQ(s.blank.nstath, 1);
    EXPECT_EQ(s.blank.ihrfrom(1), 9);
    EXPECT_EQ(s.blank.ihrto(1), 0);
    EXPECT_EQ(s.prin2.ntemp, 1);
    EXPECT_EQ(s.reader.endcard, 1);
}

// A roof space (zone 3) above zone 1, a subfloor space (zone 2) below it, and a second living zone
// (zone 4) beside zone 1, with openings between zones 1 and 4.
std::vector<std::string> threeZoneCards() {
    return {
        zoneDefinition(1, "Living", 100.0, "Normal", 0.5),
        zoneCardLine(1, 21, {2.4, 10.0, 24.0, 0.0, 0.6, 0.5, 0.9, 0, 0, 0, 0, 0, 0.0, 0}),
        zoneCardLine(1, 1, {1.2, 1.5, 0.0, 0, 0, 0, 0, 0, 0, 0, 0}),
        zoneCardLine(1, 111, {20.0, 0.5, 4, 0.0}),
        zoneCardLine(1, 51,
                     {80.0, 0.5, 2, 0.0}), // floor over the subfloor space: the window's sun lands on it
        zoneCardLine(1, 300, {0.6, 2.4, 0.0, 0.0}),
        zoneCardLine(1, 301, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 4, 1, 0.0, 0, 0}),
        zoneCardLine(1, 501, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}),
        zoneDefinition(2, "Subfloor", 30.0, "SubFlA", 2.0, {0.0, 1.0, 5.0, 0.9}),
        zoneCardLine(2, 51, {40.0, 0.5, 1, 0.0}),
        zoneDefinition(3, "Roof space", 40.0, "RoofSA", 2.0, {0.0, 1.0, 3.0, 0.9}),
        zoneCardLine(3, 31, {45.0, 0.0, 22.5, 0.7, 0.5, 0.9, 0.0}),
        zoneCardLine(3, 31, {45.0, 0.0, 22.5, 0.7, 0.3, 0.9, 0.0}),
        zoneCardLine(3, 31, {45.0, 180.0, 22.5, 0.7, 0.5, 0.9, 0.0}),
        zoneDefinition(4, "Bedroom", 60.0, "Normal", 0.5, {1.0, 0.0, 0.0, 0.0}, 1),
        zoneCardLine(4, 111, {20.0, 0.5, 1, 0.0}),
        zoneCardLine(4, 300, {0.6, 2.4, 0.0, 0.0}),
        zoneCardLine(4, 301, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 1, 1, 0.0, 1, 0}),
        zoneCardLine(4, 503, {26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26}),
        zoneCardLine(2, 300, {0.0, 0.6, 0.0, 0.0}),
    };
}

TEST_F(InputReader, ThreeZoneHouseLinksItsSpecialZonesAndNetwork) {
    writeStandardData();
    writeScratch(house(threeZoneCards()));
    ASSERT_EQ(run(), 0) << console();
    const EngineState& s = state();
    EXPECT_EQ(s.zones.nzones, 4);
    EXPECT_EQ(s.specialzones.iflooz(2), 1);
    EXPECT_EQ(s.specialzones.igrouz(2), 5);
    EXPECT_NEAR(s.subflspaces.remisf(2), 0.9, kTol);
    EXPECT_EQ(s.specialzones.iceilz(3), 1);
    EXPECT_EQ(s.specialzones.iroofz(3), 3);
    // A space's own gain row is in use for the space alone, not for the zones it links: a watt put
    // into its air is taken out of that air once.
    EXPECT_EQ(s.zn.idrvuse(453, 2), 1);
    EXPECT_EQ(s.zn.idrvuse(454, 3), 1);
    EXPECT_EQ(s.zn.idrvuse(453, 1), 0);
    EXPECT_EQ(s.zn.idrvuse(454, 1), 0);
    // Equal azimuth, slope, outside absorptance and emittance share one roof path, whatever AbsI.
    EXPECT_EQ(s.shad.nrpath, 2);
    EXPECT_EQ(s.bss.ispath(3, 2), 1);
    EXPECT_EQ(s.bss.ispath(3, 3), 2);
    EXPECT_EQ(s.bss.iadjp(1, 3), 4);
    // Zone 4 asked to be left out of the hourly temperature output.
    EXPECT_EQ(s.prin2.ntemp, 3);
    EXPECT_DOUBLE_EQ(s.prin2.tempz(3), 3.0);
    EXPECT_NEAR(s.wind.hmax, 0.5, kTol);
    // The subfloor space's mid-height (0.3 m) is below that of zones 1 and 4 (1.8 m).
    EXPECT_EQ(s.pressure.irefz, 2);
    EXPECT_EQ(s.ventzones.nvz, 2);
    EXPECT_EQ(s.ventzones.ivz(2), 4);
    EXPECT_EQ(s.type.iadjz(1, 1), 4);
    EXPECT_EQ(s.ventzones.iventout(1), 0);
    EXPECT_EQ(s.type.ifixop(4, 1), 0);
    EXPECT_EQ(s.type.ipermz(4), 1);
    // Heating-only zone 1 and cooling-only zone 4 are both conditioned, in zone order.
    EXPECT_EQ(s.sysa.ncond, 2);
    EXPECT_EQ(s.sysa.icondz(1), 1);
    EXPECT_EQ(s.sysa.icondz(2), 4);
    EXPECT_EQ(s.sysa.iconon, 1);
}

TEST_F(InputReader, EqualMidHeightsMakeTheFirstZoneTheReference) {
    writeStandardData();
    writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal"), zoneDefinition(2, "B", 50.0, "Normal"),
                        zoneCardLine(2, 300, {1.0, 2.0}), zoneCardLine(1, 300, {0.5, 3.0})}));
    ASSERT_EQ(run(), 0) << console();
    EXPECT_EQ(state().pressure.irefz, 2);
}

TEST_F(InputReader, BlankZoneNameBecomesZonAndTheNumber) {
    writeStandardData();
    writeScratch(house({zoneDefinition(7, "", 50.0, "Normal"), zoneCardLine(7, 51, {10.0, 0.5, 0, 0.0})}));
    ASSERT_EQ(run(), 0) << console();
    EXPECT_EQ(state().names.zname(7), "         ZON  7");
    EXPECT_EQ(state().zones.nzones, 7);
}

TEST_F(InputReader, ZoneCardsAloneDoNotRaiseTheZoneCount) {
    writeStandardData();
    writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}),
                        zoneDefinition(2, "B", 50.0, "Normal")}));
    ASSERT_EQ(run(), 0) << console();
    EXPECT_EQ(state().zones.nzones, 1);
}

TEST_F(InputReader, IllegalFieldsAreEchoedCountedAndEndTheRunAfterTheInput) {
    writeStandardData();
    auto cards = house(oneZoneCards());
    // A letter in the area field of the floor card, and in the card number of a project card.
    for (std::string& c : cards) {
        if (c.rfind(" 3  1 51", 0) == 0) c.replace(8, 6, "   ABC");
    }
    cards.insert(cards.begin() + 3, " 1 X3");
    writeScratch(cards);
    EXPECT_NE(run(), 0);
    const std::string out = console();
    const std::string floorCard = zoneCardLine(1, 51, {50.0, 0.5, 0, 0.0}).replace(8, 6, "   ABC");
    // The error line names the column where the illegal field starts.
    EXPECT_NE(out.find(" " + floorCard + "\n" + std::string(msg::kIllegalField) + ", column 9\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  1 X3\n" + std::string(msg::kIllegalField) + ", column 3\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("\n\n" + std::string(msg::kAbnormalEnd) + "\n"), std::string::npos) << out;
    EXPECT_EQ(out.find(msg::kAbnormalEnd), out.rfind(msg::kAbnormalEnd)) << "one abnormal-end message";
    EXPECT_EQ(out.find("CALCULATIONS IN PROGRESS"), std::string::npos) << "no banner";
    // Cards after the illegal ones were read; the illegal card itself stored nothing.
    EXPECT_EQ(state().bss.ierrin, 1);
    EXPECT_EQ(state().open1.nopen(1), 1);
    EXPECT_EQ(state().blank.npath(1), 5);
}

TEST_F(InputReader, EchoShowsOnlyTheFirst80Columns) {
    writeStandardData();
    auto cards = house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})});
    std::string bad = " 1 12" + std::string(3, ' ') + std::string(80, '9') + "x" + std::string(20, '7');
    cards.insert(cards.begin() + 2, bad);
    writeScratch(cards);
    EXPECT_NE(run(), 0);
    EXPECT_NE(console().find(" " + bad.substr(0, 80) + "\n"), std::string::npos) << console();
}

TEST_F(InputReader, GoodInputPrintsTheBannerOnceAfterTheWholeInput) {
    writeStandardData();
    writeScratch(house(oneZoneCards()));
    ASSERT_EQ(run(), 0);
    const std::string out = console();
    EXPECT_EQ(out.find("CALCULATIONS IN PROGRESS"), out.rfind("CALCULATIONS IN PROGRESS"));
    for (const std::string& line : bannerLines()) {
        if (line.empty()) continue;
        EXPECT_EQ(line.size(), 64u) << line;
        EXPECT_NE(out.find(line), std::string::npos) << line;
    }
    EXPECT_NE(out.find("              *           Varonell Engine Version 2.13         *\n"),
              std::string::npos);
    EXPECT_NE(out.find("              *     CALCULATIONS IN PROGRESS.  PLEASE WAIT     *\n"),
              std::string::npos);
}

TEST_F(InputReader, CommentCardsOfEitherCaseAreSkipped) {
    writeStandardData();
    writeScratch(
        house({"C upper-case comment", "c lower-case comment with 3  1 51 in it",
               zoneDefinition(1, "A", 50.0, "Normal"), "c", zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})}));
    ASSERT_EQ(run(), 0) << console();
    EXPECT_EQ(state().blank.npath(1), 1);
}

// A blank line before more cards would end the input there and lose the cards after it (a blank line
// before a zone's cards rates the house without that zone): it is illegal input naming the line.
TEST_F(InputReader, BlankLineBeforeMoreCardsIsIllegalInputNamingTheLine) {
    const std::vector<std::string> zones = {zoneDefinition(1, "A", 50.0, "Normal"),
                                            zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})};
    const std::vector<std::string> zone2 = {zoneDefinition(2, "B", 50.0, "Normal"),
                                            zoneCardLine(2, 51, {20.0, 0.5, 0, 0.0})};
    const std::vector<std::string> blanks[] = {{""}, {"   "}, {"", "C a comment", "\t"}};
    for (const auto& blank : blanks) {
        SCOPED_TRACE(blank.size());
        TearDown();
        SetUp();
        writeStandardData();
        std::vector<std::string> cards = house(join(join(zones, blank), zone2));
        const std::size_t first = projectCards().size() + constructionCards().size() + zones.size() + 1;
        const std::size_t next = first + blank.size();
        writeScratch(cards);
        EXPECT_NE(run(), 0);
        const std::string expected = std::string(msg::kBlankLineBeforeCards) + std::to_string(first) +
                                     ", before line " + std::to_string(next) + ": " +
                                     file("SCRATCH").string();
        EXPECT_NE(console().find(expected + "\n"), std::string::npos) << console();
        EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
        EXPECT_EQ(console().find("CALCULATIONS IN PROGRESS"), std::string::npos);
        EXPECT_NE(fileText("output.txt").find(expected), std::string::npos);
    }
}

// Cards after the end card would be lost without a word (an end card before a zone's cards would
// rate the house without that zone): they are illegal input that names both lines.  A card whose
// data type merely reads 9 ends the input just as the end card does.
TEST_F(InputReader, CardsAfterTheEndCardAreIllegalInputNamingTheLines) {
    const std::vector<std::string> zones = {zoneDefinition(1, "A", 50.0, "Normal"),
                                            zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})};
    const std::vector<std::string> zone2 = {
        zoneDefinition(2, "B", 50.0, "Normal"), zoneCardLine(2, 51, {20.0, 0.5, 0, 0.0}),
        zoneCardLine(2, 501, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20})};
    struct Case {
        std::vector<std::string> end; // the early end card, with what stands between it and zone 2
        std::size_t endAt;            // of `end`
    };
    const Case cases[] = {
        {{" 9"}, 0},
        {{" 9", "", "C zone 2"}, 0},
        {{" 902 1301  99  10"}, 0},
        {{"c before the end", " 9 end of the house"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end.back());
        TearDown();
        SetUp();
        writeStandardData();
        const std::vector<std::string> cards = house(join(join(zones, c.end), zone2));
        const std::size_t endLine =
            projectCards().size() + constructionCards().size() + zones.size() + 1 + c.endAt;
        const std::size_t nextLine =
            projectCards().size() + constructionCards().size() + zones.size() + c.end.size() + 1;
        writeScratch(cards);
        EXPECT_NE(run(), 0);
        const std::string expected = std::string(msg::kCardsAfterEndCard) + std::to_string(endLine) +
                                     ", card at line " + std::to_string(nextLine) + ": " +
                                     file("SCRATCH").string();
        EXPECT_NE(console().find(expected + "\n"), std::string::npos) << console();
        EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
        EXPECT_EQ(console().find("CALCULATIONS IN PROGRESS"), std::string::npos);
        EXPECT_NE(fileText("output.txt").find(expected), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(file("energy.txt")));
    }
    // Comments and blank lines after the end card are no cards.
    TearDown();
    SetUp();
    writeStandardData();
    writeScratch(join(house(zones), {"", "C written after the end", "   "}));
    EXPECT_EQ(run(), 0) << console();
}

TEST_F(InputReader, BlankLinesAtTheEndEndTheInputAndTheEndChecksStillRun) {
    writeStandardData();
    writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}),
                        "   ", "", "C after the last card"},
                       false));
    ASSERT_EQ(run(), 0) << console();
    EXPECT_EQ(state().blank.npath(1), 1);
    EXPECT_EQ(state().reader.endcard, 1);

    // The checks of the end card are made: with no zone in the temperature output they stop the run.
    TearDown();
    SetUp();
    writeStandardData();
    writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal", 0.0, {1, 0, 0, 0}, 1),
                        zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}), ""},
                       false));
    EXPECT_NE(run(), 0);
    EXPECT_NE(console().find(msg::kNoTemperatureOutput), std::string::npos) << console();
}

// A site off the globe would place the sun for no place at all: the site card is illegal input, and
// nothing of it is taken.
TEST_F(InputReader, ASiteCardOffTheGlobeIsIllegalInput) {
    struct Case {
        double latitude, longitude, meridian;
        std::string_view why;
    };
    const Case cases[] = {
        {500.0, 151.2, 150.0, msg::kLatitudeRange},  {-90.5, 151.2, 150.0, msg::kLatitudeRange},
        {-34.5, 180.5, 150.0, msg::kLongitudeRange}, {-34.5, -500.0, 150.0, msg::kLongitudeRange},
        {-34.5, 151.2, 999.0, msg::kMeridianRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TearDown();
        SetUp();
        writeStandardData();
        std::vector<std::string> cards =
            house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})});
        const std::string site =
            card("(A2,I3,3X,3F6.1)", {std::string(" 1"), 3LL, c.latitude, c.longitude, c.meridian});
        ASSERT_EQ(cards[3].substr(0, 5), site.substr(0, 5)) << "the site card";
        cards[3] = site;
        writeScratch(cards);
        EXPECT_NE(run(), 0);
        const std::string expected = " " + site + "\n" + std::string(c.why) + "\n";
        EXPECT_NE(console().find(expected), std::string::npos) << console();
        EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
        EXPECT_EQ(state().where.xlat, 0.0);
        EXPECT_EQ(state().where.smerid, 0.0);
    }
    // The poles and the date line are on the globe.
    TearDown();
    SetUp();
    writeStandardData();
    std::vector<std::string> cards =
        house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})});
    cards[3] = card("(A2,I3,3X,3F6.1)", {std::string(" 1"), 3LL, -90.0, 180.0, -180.0});
    writeScratch(cards);
    EXPECT_EQ(run(), 0) << console();
}

// A card the reader does not know is illegal input: echoed with the reason, the cards after it are
// still read (and checked), and the run ends after the input; the text report tells the same.
TEST_F(InputReader, UnknownCardsAreIllegalInput) {
    struct Case {
        std::string card;
        std::string why;
    };
    const Case cases[] = {
        {" 4  1", std::string(msg::kUnknownDataType)},
        {" 0  1  5", std::string(msg::kUnknownDataType)},
        {card("(A2,I3)", {std::string(" 2"), 201LL}), std::string(msg::kSectionNumberRange)},
        {card("(A2,I3)", {std::string(" 2"), -1LL}), std::string(msg::kSectionNumberRange)},
        {zoneCardLine(1, 702, {1.0}), std::string(msg::kUnknownCardNumber)},
        {zoneCardLine(99, 51, {20.0, 0.5, 0, 0.0}),
         "     **ERROR** No zone card before the above card for zone 99"},
        {card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 25LL, 0LL, 0.0, 0LL, 0.0}),
         std::string(msg::kSectionWithoutLayers) + "25" + std::string(msg::kOnAboveCard)},
        // The no-layer code alone leaves the section without a single entry to conduct through.
        {card("(A2,I3,3X,2(I3,F4.0))", {std::string(" 2"), 25LL, 999LL, 110.0, 0LL, 0.0}),
         std::string(msg::kSectionWithoutLayers) + "25" + std::string(msg::kOnAboveCard)},
        {card("(A2,I3,3X,10(I3,F4.0))", {std::string(" 2"),
                                         140LL,
                                         999LL,
                                         1.0,
                                         999LL,
                                         2.0,
                                         999LL,
                                         3.0,
                                         999LL,
                                         4.0,
                                         999LL,
                                         5.0,
                                         999LL,
                                         6.0,
                                         999LL,
                                         7.0,
                                         999LL,
                                         8.0,
                                         999LL,
                                         9.0,
                                         999LL,
                                         10.0}),
         std::string(msg::kSectionWithoutLayers) + "140" + std::string(msg::kOnAboveCard)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.card);
        TearDown();
        SetUp();
        writeStandardData();
        writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}),
                            c.card, zoneCardLine(1, 51, {20.0, 0.5, 0, 0.0})}));
        EXPECT_NE(run(), 0);
        const std::string expected = " " + c.card + "\n" + c.why + "\n";
        EXPECT_NE(console().find(expected), std::string::npos) << console();
        EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
        EXPECT_NE(fileText("output.txt").find(expected), std::string::npos) << fileText("output.txt");
        EXPECT_EQ(state().blank.npath(1), 2) << "the card after the unknown one is read";
        EXPECT_EQ(state().zones.nzones, 1);
        EXPECT_FALSE(std::filesystem::exists(file("tape52")));
    }
}

// A stop in the completion of the input (a glazed zone without floor) names its reason on the console
// and in the text report, and leaves no work file behind.
TEST_F(InputReader, StopAfterTheCardsLeavesNoWorkFile) {
    writeStandardData();
    writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 1, {1.2, 0.9, 0.0})}));
    EXPECT_NE(run(), 0);
    const std::string message =
        "  Zone            1 HAS GLAZING BUT ZERO FLOOR AREA OR VOLUME. CALCULATION STOPPED\n";
    EXPECT_NE(console().find(message), std::string::npos) << console();
    EXPECT_NE(fileText("output.txt").find(message), std::string::npos) << fileText("output.txt");
    EXPECT_NE(fileText("output.txt").find("Varonell Engine"), std::string::npos) << "after the report's head";
    EXPECT_FALSE(std::filesystem::exists(file("tape52")));
}

// A file cut short, before its end card, is not taken for a whole house: the run does not go on to
// stop on what the missing cards would have given (a glazed zone without its floor).
TEST_F(InputReader, CardFileWithoutItsEndCardIsIllegalInput) {
    writeStandardData();
    writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 1, {1.2, 0.9, 0.0})}, false));
    EXPECT_NE(run(), 0);
    const std::string expected = std::string(msg::kNoEndCard) + file("SCRATCH").string() + "\n";
    EXPECT_NE(console().find(expected), std::string::npos) << console();
    EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
    EXPECT_EQ(console().find("HAS GLAZING"), std::string::npos);
    EXPECT_NE(fileText("output.txt").find(expected), std::string::npos) << fileText("output.txt");
}

TEST_F(InputReader, GainCardsOfZonesPastTheTableAreIgnored) {
    writeStandardData();
    writeScratch(house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}),
                        zoneCardLine(151, 401, {100.0}), zoneCardLine(1, 405, {100.0})}));
    EXPECT_EQ(run(), 0) << console();
    EXPECT_EQ(state().bss.igains(1), 0);
}

TEST_F(InputReader, ProjectCardValuesAndDefaults) {
    writeStandardData();
    auto cards = projectCards();
    // Latitude written without its point: -345 in F6.1 is -34.5.
    cards[3] = " 1  3     -345 151.2 150.0";
    cards.push_back(card("(A2,I3,I3,3F6.2)", {std::string(" 1"), 16LL, 20LL, 0.0, 0.0, 0.0}));
    cards.push_back(card("(A2,I3,I3,3F6.2)", {std::string(" 1"), 17LL, 2LL, 0.3, 0.5, 0.2}));
    cards.push_back(card("(A2,I3,I3,F6.2)", {std::string(" 1"), 19LL, 3LL, 0.4}));
    cards.push_back(card("(A2,I3,I3,16F6.2)", {std::string(" 1"), 20LL, 999LL, 0.6, 0.0, 1.0, 0.2, 0.1, 0.2,
                                               0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 0.0, 0.5}));
    cards.push_back(card("(A2,I3,3X,6F6.1)", {std::string(" 1"), 24LL, 18.0, 0.0, 0.5, 10.0, 15.0, 35.0}));
    cards.push_back(card("(A2,I3,I3,12F6.1)", {std::string(" 1"), 25LL, 2LL, 0.0, 1.0, 2.0, 1.9, 0.5, 0.0,
                                               0.0, 0.0, 0.0, 0.0, 0.0, 0.0}));
    cards.push_back(card("(A2,I3,I3,F6.1)", {std::string(" 1"), 25LL, 3LL, 0.0}));
    cards.push_back(card("(A2,I3)", {std::string(" 1"), 27LL}));
    cards.push_back(zoneDefinition(1, "A", 50.0, "Normal"));
    cards.push_back(zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}));
    cards.push_back(" 9");
    writeScratch(cards);
    ASSERT_EQ(run(), 0) << console();
    const EngineState& s = state();
    EXPECT_NEAR(s.where.xlat, -34.5 * data::RAD, 1e-9);
    EXPECT_DOUBLE_EQ(s.wind41.curtt(20), 1.0) << "a blank curtain lets everything through";
    EXPECT_NEAR(s.skylight.rcurtt(2), 0.5, kTol);
    EXPECT_NEAR(s.wind41.blinds(3), 0.4, kTol);
    EXPECT_DOUBLE_EQ(s.wind41.blinds(4), 1.0);
    EXPECT_NEAR(s.shad.pergf(999, 1), 0.9, kTol);
    EXPECT_NEAR(s.shad.pergf(999, 10), 0.0, kTol);
    EXPECT_DOUBLE_EQ(s.shad.pergf(998, 1), 1.0);
    EXPECT_NEAR(s.additionalcontrol.actl2, 0.0, kTol) << "the card sets all six, blanks as zeros";
    EXPECT_EQ(s.additionalcontrol.actl4, 10);
    // Flag set 2: 0 and 1 set, 2 leaves the flag, 1.9 has integer part 1, 0.5 has 0.
    EXPECT_EQ(s.additionalcontrol.iacfl2(1), 0);
    EXPECT_EQ(s.additionalcontrol.iacfl2(2), 1);
    EXPECT_EQ(s.additionalcontrol.iacfl2(3), 1);
    EXPECT_EQ(s.additionalcontrol.iacfl2(4), 1);
    EXPECT_EQ(s.additionalcontrol.iacfl2(5), 0);
    EXPECT_EQ(s.additionalcontrol.iacfl1(1), 1);
}

TEST_F(InputReader, PrintSwitchesAreClearedUnlessSwitch8IsSet) {
    struct Case {
        std::string digits;
        int expected[8];
    };
    const std::vector<Case> cases = {
        {"0020000000", {0, 0, 0, 0, 0, 0, 0, 0}}, // the modeller's digits after a 10-character date
        {"0011111110", {0, 0, 0, 0, 1, 0, 1, 0}},
        {"0011111111", {1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digits);
        TearDown();
        SetUp();
        writeStandardData();
        auto cards =
            house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})});
        cards[1] =
            card("(A2,I3,3X,A36,A10,A12,I4,A10)", {std::string(" 1"), 1LL, std::string("Job"),
                                                   std::string("1/2/2026"), std::string(""), 0LL, c.digits});
        writeScratch(cards);
        ASSERT_EQ(run(), 0) << console();
        const auto& b = state().blank;
        const int actual[8] = {b.iprnt1, b.iprnt2, b.iprnt3, b.iprnt4,
                               b.iprnt5, b.iprnt6, b.iprnt7, b.iprnt8};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(actual[i], c.expected[i]) << "switch " << i + 1;
    }
}

TEST_F(InputReader, MissingCardFileIsReportedByName) {
    writeStandardData();
    EXPECT_NE(run(), 0);
    EXPECT_NE(console().find("File not found: scratch"), std::string::npos) << console();
}

TEST_F(InputReader, LowerCaseCardFileNameIsFound) {
    writeStandardData();
    writeText("scratch",
              house({zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0})}));
    EXPECT_EQ(run(), 0) << console();
}

} // namespace
} // namespace engine::testing

namespace engine::testing {
namespace {

class InputMends : public EngineRun {};

TEST_F(InputMends, EveryRoofCardAddsItsSolarShareAndARepeatedFirstOpeningJoinsTheNetworkOnce) {
    writeStandardData();
    auto cards = projectCards();
    for (const std::string& c :
         {zoneDefinition(1, "A", 50.0, "Normal"), zoneCardLine(1, 31, {10.0, 0, 0, 0.7, 0.5, 0.9, 0.2}),
          zoneCardLine(1, 31, {10.0, 0, 0, 0.7, 0.5, 0.9, 0.1}), zoneDefinition(2, "B", 50.0, "Normal"),
          zoneCardLine(2, 31, {10.0, 0, 0, 0.7, 0.5, 0.9, 0.3}), zoneCardLine(2, 300, {0.0, 2.4}),
          zoneCardLine(2, 301, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 0, 1, 0.0, 0, 0}),
          zoneCardLine(2, 301, {0.8, 0.6, 100.0, 0.0, 2.0, 7, 1, 0.5, 0, 1, 0.0, 0, 0}), std::string(" 9")})
        cards.push_back(c);
    writeScratch(cards);
    ASSERT_EQ(run(), 0) << console();
    EXPECT_NEAR(state().reader.sceil(1), 0.3, 1e-6);
    EXPECT_NEAR(state().reader.sceil(2), 0.3, 1e-6);
    EXPECT_EQ(state().ventzones.nvz, 1);
    EXPECT_EQ(state().open1.nopen(2), 2);
}

TEST_F(InputMends, InputWithoutAClimateFileStops) {
    writeStandardData();
    auto cards = projectCards();
    cards.erase(cards.begin() + 2); // card 1/2
    cards.push_back(zoneDefinition(1, "A", 50.0, "Normal"));
    cards.push_back(zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}));
    cards.push_back(" 9");
    writeScratch(cards);
    EXPECT_NE(run(), 0);
    EXPECT_NE(console().find(" NO WEATHER DATA FILE NAMED IN THE INPUT\n"), std::string::npos) << console();
}

TEST_F(InputMends, IntegerFieldTooLargeForAnIntegerIsIllegal) {
    writeStandardData();
    auto cards = projectCards();
    cards.push_back(zoneDefinition(1, "A", 50.0, "Normal"));
    cards.push_back(zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}).replace(20, 6, "9.9E12"));
    cards.push_back(" 9");
    writeScratch(cards);
    EXPECT_NE(run(), 0);
    EXPECT_NE(console().find(msg::kIllegalField), std::string::npos) << console();
    EXPECT_EQ(state().blank.npath(1), 0);
}

} // namespace
} // namespace engine::testing
