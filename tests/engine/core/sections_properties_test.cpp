#include "engine/core/run_stop.h"
#include "engine/core/section_properties.h"
#include "engine/core/state.h"
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Materials of the tests.  Property 1 in kJ/m3K, properties 2 and 3 in m K/W (conducting) or m2K/W.
enum Material {
    Brick = 1,
    Cavity = 2,
    Glasswool = 3,
    Plasterboard = 4,
    Glass = 5,
    Concrete = 6,
    Nothing = 7
};

class SectionProperties : public ::testing::Test {
  protected:
    void SetUp() override {
        setMaterial(903, 0.0, 0.12, 0.12, false); // inside film
        setMaterial(906, 0.0, 0.04, 0.04, false); // outside film of walls and roofs
        setMaterial(916, 0.0, 0.20, 0.20, false); // outside film of floors above outside air
        setMaterial(Brick, 1360.0, 1.0 / 0.77, 1.0 / 0.77, true);
        setMaterial(Cavity, 1.2, 0.16, 0.18, false);
        setMaterial(Glasswool, 10.08, 1.0 / 0.04, 1.0 / 0.04, true);
        setMaterial(Plasterboard, 959.2, 1.0 / 0.17, 1.0 / 0.17, true);
        setMaterial(Glass, 2100.0, 1.0, 1.0, true);
        setMaterial(Concrete, 2112.0, 1.0 / 1.44, 1.0 / 1.44, true);
        setMaterial(Nothing, 0.0, 0.0, 0.0, true);
        state->bss.rs903 = 0.12;
        state->bss.rs906 = 0.04;
        state->bss.rs916 = 0.20;
        file = fs::temp_directory_path() /
               (std::string("tape52_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                "_" + std::to_string(::getpid()));
        engine::openWorkFile(*state, file);
    }
    void TearDown() override { engine::deleteWorkFile(*state); }

    void setMaterial(int m, double p1, double p2, double p3, bool conducts) {
        state->cr.crp1(m) = p1;
        state->cr.crp2(m) = p2;
        state->cr.crp3(m) = p3;
        state->cr.icond(m) = conducts ? 1 : 0;
    }
    // Defines section s with layers (material, thickness in mm), outside first.
    void define(int s, std::vector<std::pair<int, double>> layers) {
        state->bss.isecdef(s) = 1;
        state->bss.nlay(s) = static_cast<int>(layers.size());
        for (std::size_t k = 0; k < layers.size(); ++k) {
            state->bss.matlay(s, static_cast<int>(k) + 1) = layers[k].first;
            state->bss.thklay(s, static_cast<int>(k) + 1) = layers[k].second;
        }
    }
    std::vector<engine::SectionRecord> readBack() {
        engine::closeWorkFile(*state);
        common::RecordReader in(file);
        common::Record r;
        std::vector<engine::SectionRecord> out;
        while (in.next(r)) out.push_back(engine::readSectionRecord(r));
        return out;
    }

    std::unique_ptr<engine::EngineState> state = std::make_unique<engine::EngineState>();
    fs::path file;
};

TEST_F(SectionProperties, BrickVeneerWallAddsUpToItsHandWorkedR) {
    // Brick veneer: 110 mm brick, cavity, 75 mm glass wool, 10 mm plasterboard.
    define(25, {{Brick, 110}, {Cavity, 50}, {Glasswool, 75}, {Plasterboard, 10}});
    const engine::SectionRecord rec = engine::sectionEntries(*state, 25);
    // Hand-worked: films 0.04 and 0.12; brick 0.110 / 0.77 = 0.142857; cavity 2 x 0.16 x 0.18 / 0.34 =
    // 0.169412 (a fixed resistance: the card's 50 mm do not count); glass wool 0.075 / 0.04 = 1.875;
    // plasterboard 0.010 / 0.17 = 0.058824.  R = 2.406092 m2K/W.
    const double expected[] = {0.04, 0.142857, 0.169412, 1.875, 0.058824, 0.12};
    ASSERT_EQ(rec.n, 6);
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(rec.r[k], expected[k], 1e-6) << k;
    // Capacitances: brick 0.110 x 1360 = 149.6; the cavity takes its property 1 as it stands.
    EXPECT_NEAR(rec.c[1], 149.6, 1e-9);
    EXPECT_NEAR(rec.c[2], 1.2, 1e-12);
    EXPECT_EQ(rec.c[0], 0.0);
    EXPECT_EQ(rec.c[5], 0.0);
    EXPECT_EQ(rec.i3, 5);
    EXPECT_EQ(rec.i4, 1);

    engine::tprop(*state, 25);
    EXPECT_NEAR(state->bss.usec(25), 1.0 / 2.406092, 1e-6);
    EXPECT_EQ(state->bss.ngcode, 4);
    EXPECT_EQ(state->bss.igcode(1), 525);
    EXPECT_EQ(state->bss.igcode(2), 725);
    EXPECT_EQ(state->bss.igcode(3), 925);
    EXPECT_EQ(state->bss.igcode(4), 1125);
}

TEST_F(SectionProperties, FilmsFollowTheSectionAndItsLayers) {
    struct Case {
        int s;
        std::vector<std::pair<int, double>> layers;
        std::vector<double> r; // expected resistances, outside first
        int i3, i4;
    };
    const Case cases[] = {
        // A glazing system: outer film, its layer, no inner film.
        {3, {{Glass, 4}}, {0.04, 0.004}, 0, 0},
        // A floor above outside air takes the outside film of 916.
        {45, {{Concrete, 144}}, {0.20, 0.1, 0.12}, 2, 1},
        // A floor to the level below has the inside film on both faces.
        {75, {{Concrete, 144}}, {0.12, 0.1, 0.12}, 2, 1},
        // A floor on earth: no outer film, the earth entry carries nothing.
        {55, {{902, 0}, {Concrete, 144}}, {0.0, 0.1, 0.12}, 2, 1},
        // An empty layer between real layers leaves no gap.
        {111, {{Plasterboard, 10}, {999, 0}, {Plasterboard, 10}}, {0.12, 0.058824, 0.058824, 0.12}, 3, 1},
        // An empty last layer: no inner film.
        {150, {{Plasterboard, 10}, {999, 0}}, {0.12, 0.058824}, 1, 1},
    };
    for (const Case& c : cases) {
        define(c.s, c.layers);
        const engine::SectionRecord rec = engine::sectionEntries(*state, c.s);
        ASSERT_EQ(rec.n, static_cast<int>(c.r.size())) << "section " << c.s;
        for (std::size_t k = 0; k < c.r.size(); ++k)
            EXPECT_NEAR(rec.r[k], c.r[k], 1e-6) << c.s << " entry " << k;
        EXPECT_EQ(rec.i3, c.i3) << c.s;
        EXPECT_EQ(rec.i4, c.i4) << c.s;
    }
}

TEST_F(SectionProperties, ZeroResistanceGivesTheLargeUValueAndNoNaN) {
    // A material with neither resistivity (0/0 in the harmonic mean) and an earth-only section.
    state->bss.rs903 = 0.0;
    define(160, {{902, 0}, {Nothing, 20}});
    engine::tprop(*state, 160);
    EXPECT_EQ(state->bss.usec(160), 9999.0);
    define(30, {{Nothing, 20}});
    state->bss.rs906 = 0.0;
    engine::tprop(*state, 30);
    EXPECT_EQ(state->bss.usec(30), 9999.0);
    for (double r : engine::sectionEntries(*state, 30).r) EXPECT_TRUE(std::isfinite(r));
}

TEST_F(SectionProperties, DriverWritesSectionsMarkersAndEndRecord) {
    define(21, {{Brick, 110}});
    define(142, {{Plasterboard, 10}, {Plasterboard, 10}});
    engine::rndriv(*state);
    const int expected[] = {521, 721, 921, 1121, 1442, 1642, 1842, 2500, 2501};
    ASSERT_EQ(state->bss.ngcode, 9);
    for (int p = 1; p <= 9; ++p) EXPECT_EQ(state->bss.igcode(p), expected[p - 1]) << p;

    const std::vector<engine::SectionRecord> recs = readBack();
    ASSERT_EQ(recs.size(), 5u);
    EXPECT_EQ(recs[0].key, 521);
    EXPECT_EQ(recs[0].n, 3);
    EXPECT_NEAR(recs[0].r[1], 0.110 / 0.77, 1e-6); // stored as a 4-byte real
    EXPECT_EQ(recs[1].key, 1442);
    EXPECT_EQ(recs[1].n, 4);
    EXPECT_EQ(recs[2].key, 2500);
    EXPECT_EQ(recs[2].n, 1);
    EXPECT_EQ(recs[2].r[0], 0.0);
    EXPECT_NEAR(recs[2].c[0], 1.25, 1e-7);
    EXPECT_EQ(recs[3].key, 2501);
    EXPECT_NEAR(recs[3].c[0], 21.0, 1e-6);
    EXPECT_EQ(recs[4].key, 10000);
    EXPECT_EQ(recs[4].n, 1);
    EXPECT_EQ(recs[4].c[0], 0.0);
}

TEST_F(SectionProperties, InputErrorStopsAfterTheCurrentSection) {
    // The flag is tested after each section number: with it set by the cards, section 1 is the last
    // one written, and neither markers nor an end record follow.
    define(1, {{Glass, 4}});
    define(21, {{Brick, 110}});
    state->bss.ierrin = 1;
    engine::rndriv(*state);
    const std::vector<engine::SectionRecord> recs = readBack();
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ(recs[0].key, 101);
    EXPECT_EQ(state->bss.ngcode, 2);
}

TEST_F(SectionProperties, EveryDefinedSectionOverflowsTheCoefficientTableWithAMessage) {
    std::ostringstream console;
    state->console = &console;
    for (int s = 1; s <= 200; ++s) define(s, {{Plasterboard, 10}});
    EXPECT_THROW(engine::rndriv(*state), engine::RunStopped);
    EXPECT_LE(state->bss.ngcode, engine::kMaxGorcumKeys);
    EXPECT_NE(console.str().find("TOO MANY BUILDING SECTIONS"), std::string::npos);
    // Without section 200 every key and both markers fit exactly.
    state->bss.isecdef(200) = 0;
    state->bss.ngcode = 0;
    engine::openWorkFile(*state, file);
    EXPECT_NO_THROW(engine::rndriv(*state));
    EXPECT_EQ(state->bss.ngcode, 699);
}

} // namespace
