// The readers of the material file, the glazing libraries and the climate file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <limits>

#include "common/framed_records.h"
#include "engine/core/card_fields.h"
#include "engine/core/climate_file.h"
#include "engine/core/glazing_libraries.h"
#include "engine/core/input_files.h"
#include "engine/core/input_messages.h"
#include "engine/core/input_reader.h"
#include "engine/core/material_file.h"
#include "engine/core/run_stop.h"
#include "input_fixture.h"

namespace engine::testing {
namespace {

constexpr double kTol = 1e-6;

class MaterialFile : public EngineRun {};

TEST_F(MaterialFile, StoresPropertiesWithTheThirdDefaultingToTheSecond) {
    writeMaterialFile(file("MATDATA.BIN"), {
                                               {5, "Second only", 1.0f, 0.3f, 0.0f, 'N'},
                                               {6, "Third only", 2.0f, 0.0f, 0.4f, 'y'},
                                               {7, "Both", 3.0f, 0.2f, 0.6f, 'Y'},
                                               {903, "Inside film", 0.0f, 0.12f, 0.0f, 'N'},
                                               {906, "Outside film", 0.0f, 0.04f, 0.0f, 'N'},
                                               {916, "Floor film", 0.0f, 0.10f, 0.0f, 'X'},
                                           });
    setInputDefaults(state());
    readMaterialFile(state());
    const auto& cr = state().cr;
    EXPECT_NEAR(cr.crp3(5), 0.3, kTol);
    EXPECT_EQ(cr.icond(5), 0);
    EXPECT_NEAR(cr.crp2(6), 0.0, kTol);
    EXPECT_NEAR(cr.crp3(6), 0.4, kTol);
    EXPECT_EQ(cr.icond(6), 1);
    EXPECT_NEAR(cr.crp3(7), 0.6, kTol);
    EXPECT_EQ(cr.icond(7), 1);
    EXPECT_EQ(cr.icond(916), 0);
    EXPECT_EQ(trimRight(state().mat.matname(7)), "Both");
    EXPECT_NEAR(state().bss.rs903, 0.12, kTol);
    EXPECT_NEAR(state().bss.rs906, 0.04, kTol);
    EXPECT_NEAR(state().bss.rs916, 0.10, kTol);
}

TEST_F(MaterialFile, ConductingLayerResistanceScalesWithThickness) {
    writeMaterialFile(file("matdata.bin"), {{300, "Timber", 600.0f, 5.0f, 5.0f, 'y'},
                                            {200, "Air space", 0.0f, 0.17f, 0.15f, 'N'},
                                            {400, "Nothing", 0.0f, 0.0f, 0.0f, 'N'}});
    setInputDefaults(state());
    readMaterialFile(state());
    // A 10 mm layer of a material with both resistivities 5.0 m K/W adds 0.05 m²K/W.
    EXPECT_NEAR(layerResistance(state(), 300, 10.0), 0.05, 1e-9);
    // A fixed resistance takes 2ab / (a + b) whatever the thickness.
    EXPECT_NEAR(layerResistance(state(), 200, 90.0), 2 * 0.17 * 0.15 / 0.32, 1e-6);
    // Both resistivities zero: no resistance, and no division by zero.
    EXPECT_EQ(layerResistance(state(), 400, 10.0), 0.0);
}

TEST_F(MaterialFile, MissingOrDamagedFileIsReportedByName) {
    setInputDefaults(state());
    EXPECT_THROW(readMaterialFile(state()), RunStopped);
    EXPECT_NE(console().find("File not found: matdata.bin"), std::string::npos) << console();

    // A file without its end marker.
    {
        common::RecordWriter writer(file("matdata.bin"));
        common::Record r;
        r.put<std::int32_t>(1);
        writer.write(r);
        writer.write(r);
        writer.close();
    }
    EXPECT_THROW(readMaterialFile(state()), RunStopped);
    EXPECT_NE(console().find(std::string(msg::kMaterialFileEnded) + file("matdata.bin").string()),
              std::string::npos)
        << console();

    // A record cut short.
    {
        common::RecordWriter writer(file("matdata.bin"));
        common::Record r;
        r.put<std::int32_t>(1);
        writer.write(r);
        writer.write(r);
        writer.write(r);
        writer.close();
    }
    EXPECT_THROW(readMaterialFile(state()), RunStopped);
    EXPECT_NE(console().find(std::string(msg::kFileUnreadable) + file("matdata.bin").string()),
              std::string::npos)
        << console();

    // A property damaged into no number at all.
    console_.str("");
    writeMaterialFile(file("matdata.bin"),
                      {{5, "Brick", 1500.0f, std::numeric_limits<float>::quiet_NaN(), 0.0f, 'Y'}});
    EXPECT_THROW(readMaterialFile(state()), RunStopped);
    EXPECT_NE(console().find(std::string(msg::kFileUnreadable) + file("matdata.bin").string()),
              std::string::npos)
        << console();
}

// A material name goes into the text report as it stands: a control character in it is damage.
TEST_F(MaterialFile, NameWithAControlCharacterIsRefused) {
    setInputDefaults(state());
    for (const char* name : {"Brick\x1b[2J", "Brick\r\n 2  9", "Brick\tveneer"}) {
        SCOPED_TRACE(name);
        console_.str("");
        writeMaterialFile(file("matdata.bin"),
                          {{5, "Timber", 600.0f, 5.0f, 5.0f, 'Y'}, {6, name, 1500.0f, 1.0f, 0.0f, 'Y'}});
        EXPECT_THROW(readMaterialFile(state()), RunStopped);
        EXPECT_NE(console().find(std::string(msg::kMaterialNameControl) + file("matdata.bin").string()),
                  std::string::npos)
            << console();
    }
}

class GlazingLibrary : public EngineRun {};

TEST_F(GlazingLibrary, SkipsSystemsThatDoNotMatchAndStoresValuesByPosition) {
    WindowSystem first{"DOUBLE-1", 2, "Double", {2.9f, 1, 2, 3, 4, 5}, {1, 2, 3}, {4, 5}, {}, {{}, {}}};
    WindowSystem triple{"TRIPLE-1",
                        3,
                        "Triple glazing",
                        {1.8f, 0.11f, 0.12f, 0.13f, 0.14f, 0.15f},
                        {0.21f, 0.22f, 0.23f, 0.24f},
                        {0.31f, 0.32f, 0.33f},
                        {},
                        {{}, {}, {}}};
    for (int i = 0; i < 10; ++i) {
        triple.gangle[static_cast<std::size_t>(i)] = 0.5f + 0.01f * static_cast<float>(i);
        for (int k = 0; k < 3; ++k)
            triple.layers[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] =
                0.1f * static_cast<float>(k + 1) + 0.01f * static_cast<float>(i);
    }
    writeWindowLibrary(file("lib.vwg"), {first, triple});
    std::string code = "TRIPLE-1";
    code.resize(kGlazingCodeWidth, ' ');
    readWindowSystem(state(), file("lib.vwg"), code, 12);
    const auto& w = state().wind41;
    EXPECT_EQ(w.nglay(12), 3);
    EXPECT_NEAR(w.gug(12), 1.8, kTol);
    EXPECT_NEAR(w.glib2(12), 0.11, kTol);
    EXPECT_NEAR(w.glib6(12), 0.15, kTol);
    EXPECT_NEAR(w.glayb(4, 12), 0.24, kTol);
    EXPECT_NEAR(w.glayc(3, 12), 0.33, kTol);
    EXPECT_NEAR(w.gangle(10, 12), 0.59, kTol);
    EXPECT_NEAR(w.glayang(1, 1, 12), 0.1, kTol);
    EXPECT_NEAR(w.glayang(10, 3, 12), 0.39, kTol);
    EXPECT_EQ(trimRight(state().wininf.wdesc(12)), "Triple glazing");
}

TEST_F(GlazingLibrary, ReadsSkylightSystems) {
    SkylightSystem a{"SKY-A", "First", 5.0f, {}, 1.0f, 2.0f};
    SkylightSystem b{"SKY-B", "Second", 3.5f, {}, 2.2f, 0.55f};
    for (int i = 0; i < 10; ++i) b.tau[static_cast<std::size_t>(i)] = 0.9f - 0.09f * static_cast<float>(i);
    writeSkylightLibrary(file("lib.vsg"), {a, b});
    std::string code = "SKY-B";
    code.resize(kGlazingCodeWidth, ' ');
    EXPECT_NEAR(readSkylightSystem(state(), file("lib.vsg"), code, 4), 3.5, kTol);
    EXPECT_NEAR(state().skylight.sktau(4, 1), 0.9, kTol);
    EXPECT_NEAR(state().skylight.sktau(4, 10), 0.09, kTol);
    EXPECT_NEAR(state().skylight.skp2(4), 0.55, kTol);
    EXPECT_EQ(trimRight(state().wininf.wdesc(14)), "Second");
}

TEST_F(GlazingLibrary, MissingLibraryOrSystemIsReportedByName) {
    std::string code = "NOT-THERE";
    code.resize(kGlazingCodeWidth, ' ');
    EXPECT_THROW(readWindowSystem(state(), file("none.vwg"), code, 1), RunStopped);
    EXPECT_NE(console().find("File not found: " + file("none.vwg").string()), std::string::npos) << console();

    writeWindowLibrary(file("lib.vwg"), {{"OTHER", 1, "Single", {5.8f}, {0.1f, 0.1f}, {0.1f}, {}, {{}}}});
    EXPECT_THROW(readWindowSystem(state(), file("lib.vwg"), code, 1), RunStopped);
    EXPECT_NE(
        console().find(std::string(msg::kGlazingSystemNotFound) + code + " in " + file("lib.vwg").string()),
        std::string::npos)
        << console();
    EXPECT_EQ(state().wind41.nglay(1), 0) << "nothing of the other system was stored";

    // A value damaged into no number at all.
    console_.str("");
    writeWindowLibrary(
        file("lib.vwg"),
        {{"OTHER", 1, "Single", {std::numeric_limits<float>::infinity()}, {0.1f, 0.1f}, {0.1f}, {}, {{}}}});
    std::string other = "OTHER";
    other.resize(kGlazingCodeWidth, ' ');
    EXPECT_THROW(readWindowSystem(state(), file("lib.vwg"), other, 1), RunStopped);
    EXPECT_NE(console().find(std::string(msg::kFileUnreadable) + file("lib.vwg").string()), std::string::npos)
        << console();

    // A damaged record length of 4 GB is the library's fault, named.
    {
        std::fstream f(file("lib.vwg"), std::ios::in | std::ios::out | std::ios::binary);
        const char huge[4] = {'\xf0', '\xff', '\xff', '\xff'};
        f.write(huge, 4);
    }
    EXPECT_THROW(readWindowSystem(state(), file("lib.vwg"), code, 1), RunStopped);
    EXPECT_NE(console().find(std::string(msg::kFileUnreadable) + file("lib.vwg").string()), std::string::npos)
        << console();
}

// A library value no glazing can have stops the run naming the value, the system and the file, and
// nothing of the system is stored.
TEST_F(GlazingLibrary, RefusesValuesNoGlazingCanHave) {
    const WindowSystem good{"GOOD-1",
                            2,
                            "Double",
                            {2.9f, 0.84f, 0.84f, 20.0f, 8.0f, 0.75f},
                            {0.05f, 0.17f, 0.12f},
                            {0.004f, 0.004f},
                            {0.7f, 0.7f, 0.69f, 0.68f, 0.66f, 0.62f, 0.55f, 0.42f, 0.22f, 0.0f},
                            {{0.1f, 0.1f}, {0.05f, 0.05f}}};
    struct Case {
        const char* what;
        std::function<void(WindowSystem&)> damage;
        std::string expected;
    };
    const std::string range(msg::kGlazingValueRange);
    const Case cases[] = {
        {"no U-value", [](WindowSystem& w) { w.first[0] = 0.0f; },
         range + "centre-of-glass U-value 0 outside 0 to 20, system GOOD-1 in "},
        {"a negative U-value", [](WindowSystem& w) { w.first[0] = -2.9f; },
         range + "centre-of-glass U-value"},
        {"a U-value of 25", [](WindowSystem& w) { w.first[0] = 25.0f; },
         range + "centre-of-glass U-value 25"},
        {"an emittance of 1.2", [](WindowSystem& w) { w.first[2] = 1.2f; }, range + "emittance 1.2"},
        {"no film", [](WindowSystem& w) { w.first[3] = 0.0f; }, range + "film coefficient 0"},
        {"a negative inside film", [](WindowSystem& w) { w.first[4] = -8.0f; },
         range + "film coefficient -8"},
        {"no solar reference", [](WindowSystem& w) { w.first[5] = 0.0f; },
         range + "solar heat gain coefficient 0"},
        {"a solar reference of 1.5", [](WindowSystem& w) { w.first[5] = 1.5f; },
         range + "solar heat gain coefficient 1.5"},
        {"a negative node resistance", [](WindowSystem& w) { w.glayb[1] = -0.17f; },
         range + "resistance between nodes -0.17"},
        {"a negative pane resistance", [](WindowSystem& w) { w.glayc[1] = -0.004f; },
         range + "pane resistance -0.004"},
        {"a transmittance of 1.5", [](WindowSystem& w) { w.gangle[0] = 1.5f; },
         range + "transmittance or absorptance 1.5"},
        {"a negative absorptance", [](WindowSystem& w) { w.layers[1][3] = -0.2f; },
         range + "transmittance or absorptance -0.2"},
        {"an escape in the description", [](WindowSystem& w) { w.description = "Double\x1b[2J"; },
         range + "control character 27 in the description, system GOOD-1"},
        {"no glass layers", [](WindowSystem& w) { w.n = 0; }, std::string(msg::kFileUnreadable)},
        {"seven glass layers", [](WindowSystem& w) { w.n = 7; }, std::string(msg::kFileUnreadable)},
    };
    std::string code = "GOOD-1";
    code.resize(kGlazingCodeWidth, ' ');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowSystem bad = good;
        c.damage(bad);
        writeWindowLibrary(file("lib.vwg"), {bad});
        console_.str("");
        EXPECT_THROW(readWindowSystem(state(), file("lib.vwg"), code, 3), RunStopped);
        EXPECT_NE(console().find(c.expected), std::string::npos) << console();
        EXPECT_NE(console().find(file("lib.vwg").string()), std::string::npos) << console();
        EXPECT_EQ(state().wind41.nglay(3), 0);
        EXPECT_EQ(state().wind41.gug(3), 0.0);
    }
    // The same system undamaged is read.
    writeWindowLibrary(file("lib.vwg"), {good});
    readWindowSystem(state(), file("lib.vwg"), code, 3);
    EXPECT_EQ(state().wind41.nglay(3), 2);
}

TEST_F(GlazingLibrary, RefusesSkylightValuesNoSkylightCanHave) {
    SkylightSystem good{"SKY-1", "Dome", 4.0f, {}, 4.6f, 0.8f};
    for (int i = 0; i < 10; ++i) good.tau[static_cast<std::size_t>(i)] = 0.7f - 0.07f * static_cast<float>(i);
    struct Case {
        const char* what;
        std::function<void(SkylightSystem&)> damage;
        std::string expected;
    };
    const std::string range(msg::kGlazingValueRange);
    const Case cases[] = {
        {"no U-value", [](SkylightSystem& s) { s.u = 0.0f; }, range + "centre-of-glass U-value 0"},
        {"a U-value of 50", [](SkylightSystem& s) { s.u = 50.0f; }, range + "centre-of-glass U-value 50"},
        {"a transmittance of 1.2", [](SkylightSystem& s) { s.tau[4] = 1.2f; },
         range + "transmittance or absorptance 1.2"},
        {"a negative diffuser U-value", [](SkylightSystem& s) { s.p1 = -4.6f; },
         range + "diffuser U-value -4.6"},
        {"a diffuser transmittance of 2", [](SkylightSystem& s) { s.p2 = 2.0f; },
         range + "transmittance or absorptance 2"},
        {"a tab in the description", [](SkylightSystem& s) { s.description = "Do\tme"; },
         range + "control character 9 in the description, system SKY-1"},
    };
    std::string code = "SKY-1";
    code.resize(kGlazingCodeWidth, ' ');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SkylightSystem bad = good;
        c.damage(bad);
        writeSkylightLibrary(file("lib.vsg"), {bad});
        console_.str("");
        EXPECT_THROW(readSkylightSystem(state(), file("lib.vsg"), code, 2), RunStopped);
        EXPECT_NE(console().find(c.expected), std::string::npos) << console();
        EXPECT_EQ(state().skylight.skp1(2), 0.0) << "nothing of the system was stored";
        EXPECT_EQ(state().skylight.sktau(2, 1), 0.0);
    }
    writeSkylightLibrary(file("lib.vsg"), {good});
    EXPECT_NEAR(readSkylightSystem(state(), file("lib.vsg"), code, 2), 4.0, kTol);
}

// Every system of the shipped glazing libraries is read without complaint.
TEST_F(GlazingLibrary, EveryShippedSystemIsReadable) {
    const std::filesystem::path data = std::filesystem::path(PROGRAM_FOLDER) / "Data/WindowData";
    struct Library {
        std::filesystem::path file;
        bool windows;
    };
    for (const Library& library :
         {Library{data / "VORTwindows.VWG", true}, Library{data / "VORTskylights.VSG", false}}) {
        common::RecordReader reader(library.file);
        common::Record header;
        int systems = 0;
        while (reader.next(header)) {
            const std::string code = header.getText(kGlazingCodeWidth);
            int skip = 3;
            if (library.windows) skip = header.get<std::int32_t>() + 4;
            for (int i = 0; i < skip; ++i) ASSERT_TRUE(reader.next(header));
            SCOPED_TRACE(code);
            if (library.windows)
                EXPECT_NO_THROW(readWindowSystem(state(), library.file, code, 1)) << console();
            else
                EXPECT_NO_THROW(readSkylightSystem(state(), library.file, code, 1)) << console();
            ++systems;
        }
        EXPECT_GT(systems, 10) << library.file;
    }
}

TEST_F(GlazingLibrary, GlazingSectionWithFivePairsGetsTheGlazingLayerSixth) {
    writeStandardData();
    auto cards = projectCards();
    cards.push_back(card(
        "(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
        {std::string(" 2"),          3LL, 300LL, 10.0, 300LL, 10.0, 200LL, 0.0, 300LL, 20.0, 200LL, 0.0, 1LL,
         std::string("GGG-05-001a"), 3.0, 0.3,   0.5,  0.0,   0.0,  0.0,   0.0}));
    cards.push_back(zoneDefinition(1, "A", 50.0, "Normal"));
    cards.push_back(zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}));
    cards.push_back(" 9");
    writeScratch(cards);
    ASSERT_EQ(run(), 0) << console();
    const auto& b = state().bss;
    EXPECT_EQ(b.nlay(3), 6);
    EXPECT_EQ(b.matlay(3, 5), 200);
    EXPECT_EQ(b.matlay(3, 6), 901);
    // R = 0.16 (film) + 40 mm of timber at 5 m K/W (0.2) + two air spaces of 2ab/(a+b) each.
    const double air = 2 * 0.17 * 0.15 / 0.32;
    const double r = 0.16 + 0.2 + 2 * air;
    const double u = 5.8 * 0.7 + 3.0 * 0.3;
    EXPECT_NEAR(b.thklay(3, 6), (1.0 / u - r) * 1000.0, 1e-3);
}

// A glazing card whose frame or skylight type no glazing can have is illegal input: the run ends
// after the input instead of rating a window of more than all glass or a skylight that gains no sun.
TEST_F(GlazingLibrary, GlazingCardsWithImpossibleFramesOrSkylightTypesAreIllegal) {
    const auto windowCard = [](double frameU, double frameF) {
        return card(
            "(A2,I3,3X,5(I3,F4.0),I7,A11,7F7.2)",
            {std::string(" 2"),          3LL,    0LL,    0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 0LL, 0.0, 1LL,
             std::string("GGG-05-001a"), frameU, frameF, 0.5, 0.0, 0.0, 0.0, 0.0});
    };
    const auto skylightCard = [](long long type, double frameU, double frameF) {
        return card("(A2,I3,3X,5(I3,F4.0),I7,I7,A11,7F7.2)", {std::string(" 2"),
                                                              13LL,
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
                                                              type,
                                                              1LL,
                                                              std::string("GEN-04-001a"),
                                                              frameU,
                                                              frameF,
                                                              0.0,
                                                              0.0,
                                                              0.0,
                                                              0.0,
                                                              0.0});
    };
    struct Case {
        const char* what;
        std::string card;
        std::string_view error; // empty: the card is legal
    };
    const Case cases[] = {
        {"a window", windowCard(3.0, 0.3), {}},
        {"a window of glass fraction 1.5", windowCard(3.0, -0.5), msg::kFrameValueRange},
        {"a window of frame fraction 1.2", windowCard(3.0, 1.2), msg::kFrameValueRange},
        {"a window frame of negative U", windowCard(-3.0, 0.3), msg::kFrameValueRange},
        // No frame insulates perfectly; the product libraries refuse such a frame too.
        {"a window frame of U 0", windowCard(0.0, 0.3), msg::kFrameValueRange},
        {"a window frame of U 0.01", windowCard(0.01, 0.3), {}},
        {"a skylight frame of U 0", skylightCard(1, 0.0, 0.2), msg::kFrameValueRange},
        {"a rectangular light well", skylightCard(1, 4.0, 0.2), {}},
        {"a tubular light well", skylightCard(2, 4.0, 0.2), {}},
        {"skylight type 0", skylightCard(0, 4.0, 0.2), msg::kSkylightTypeRange},
        {"skylight type 4", skylightCard(4, 4.0, 0.2), msg::kSkylightTypeRange},
        {"skylight type 17", skylightCard(17, 4.0, 0.2), msg::kSkylightTypeRange},
        {"a skylight of glass fraction 1.5", skylightCard(1, 4.0, -0.5), msg::kFrameValueRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        writeStandardData();
        auto cards = projectCards();
        cards.push_back(c.card);
        cards.push_back(zoneDefinition(1, "A", 50.0, "Normal"));
        cards.push_back(zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}));
        cards.push_back(" 9");
        writeScratch(cards);
        if (c.error.empty()) {
            EXPECT_EQ(run(), 0) << console();
            continue;
        }
        EXPECT_NE(run(), 0);
        EXPECT_NE(console().find(" " + c.card.substr(0, 80) + "\n" + std::string(c.error) + "\n"),
                  std::string::npos)
            << console();
    }
}

class ClimateFileTest : public EngineRun {};

TEST_F(ClimateFileTest, ReadsRecordsWithImpliedOrWrittenDecimals) {
    // Columns: 5-6 month, 7-8 day, 11-14 dry bulb, 15-17 moisture, 22-24 wind, 25-26 direction code,
    // 27 cloud, 38-40 diffuse, 41-44 direct.
    const std::string skip10(10, ' ');
    writeText("c.txt", {
                           "9999"
                           "01"
                           "01"
                           "00"
                           "21.5"
                           "8.0"
                           "    "
                           "3.5"
                           "16"
                           "0" +
                               skip10 +
                               "120"
                               " 850",
                           "9999"
                           "01"
                           "01"
                           "01"
                           " 215"
                           " 80"
                           "    "
                           " 35"
                           "15"
                           "1" +
                               skip10 +
                               "12 "
                               " 85 ",
                           "9999"
                           "01"
                           "01"
                           "02"
                           " 100"
                           " 50"
                           "    "
                           "   "
                           " 1"
                           "0" +
                               skip10 +
                               "   "
                               "    ",
                       });
    ClimateFile f;
    ASSERT_TRUE(f.open(file("c.txt")));
    ClimateRecord r;
    ASSERT_EQ(f.next(r), ClimateRead::Record);
    EXPECT_EQ(r.month, 1);
    EXPECT_EQ(r.day, 1);
    EXPECT_NEAR(r.tair, 21.5, kTol);
    EXPECT_NEAR(r.wmoist, 8.0, kTol);
    EXPECT_NEAR(r.wspeed, 3.5, kTol);
    EXPECT_NEAR(r.wdir, 0.0, kTol) << "code 16 is north";
    EXPECT_EQ(r.cloud, 0);
    EXPECT_NEAR(r.difrad, 120.0, kTol);
    EXPECT_NEAR(r.dirrad, 850.0, kTol);
    ASSERT_EQ(f.next(r), ClimateRead::Record);
    EXPECT_NEAR(r.tair, 21.5, kTol);
    EXPECT_NEAR(r.wdir, 337.5, kTol) << "code 15";
    EXPECT_EQ(r.cloud, 1);
    EXPECT_NEAR(r.difrad, 120.0, kTol) << "blanks inside a field read as zeros";
    EXPECT_NEAR(r.dirrad, 850.0, kTol);
    ASSERT_EQ(f.next(r), ClimateRead::Record);
    EXPECT_NEAR(r.wdir, 22.5, kTol);
    EXPECT_EQ(r.wspeed, 0.0) << "a blank wind speed is calm";
    EXPECT_EQ(f.next(r), ClimateRead::EndOfFile);
}

TEST_F(ClimateFileTest, LetterInAFieldIsIllegal) {
    writeText("c.txt", {"9999"
                        "01"
                        "01"
                        "00"
                        "21.5"
                        "8.0"
                        "    "
                        "3.5"
                        "16"
                        "0" +
                        std::string(10, ' ') +
                        "12A"
                        " 850"});
    ClimateFile f;
    ASSERT_TRUE(f.open(file("c.txt")));
    ClimateRecord r;
    EXPECT_EQ(f.next(r), ClimateRead::IllegalData);
    EXPECT_EQ(climateFaultText(f), "record 1: illegal data in field, column 38");
}

// A year is the file's year: 8760 records, or 8784 when the file holds 29 February; any other count
// names the record where the file parts from the year.
TEST_F(ClimateFileTest, YearIsExactlyTheRecordsOfTheFile) {
    // Hour h of every day at 10 + h / 2 °C: the mean of whole days is 15.75 °C.
    const auto hourly = [](int m, int d, int h) { return climateLine(m, d, h, 10.0 + h / 2.0); };
    const std::vector<std::string> year = climateYear(hourly);
    const std::vector<std::string> leap = climateYear(hourly, true);
    auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        std::string what;
        std::vector<std::string> lines;
        long records;
        std::string fault;
    };
    const Case cases[] = {
        {"a year", year, 8760, ""},
        {"a year with 29 February", leap, 8784, ""},
        {"cut in half",
         {year.begin(), year.begin() + 4380},
         4380,
         "ends after record 4380: a year of 365 days has 8760 records"},
        {"two years", join(year, year), 8785,
         "record 8761: more records than a year of 365 days (8760 records)"},
        {"29 February and a day short",
         {leap.begin(), leap.begin() + 8760},
         8760,
         "ends after record 8760: a year of 366 days has 8784 records"},
        {"366 days without 29 February", join(year, {year.begin(), year.begin() + 24}), 8784,
         "record 8761: more records than a year of 365 days (8760 records)"},
    };
    for (const Case& c : cases) {
        writeText("c.txt", c.lines);
        ClimateFile f;
        ASSERT_TRUE(f.open(file("c.txt")));
        const ClimateYear y = readClimateYear(f);
        EXPECT_EQ(y.records, c.records) << c.what;
        EXPECT_EQ(y.fault, c.fault) << c.what;
        if (c.fault.empty()) {
            EXPECT_NEAR(y.mean, 15.75, 1e-9) << c.what;
        }
    }
}

// A record outside the calendar is refused before the sun position or the day store index with it.
TEST_F(ClimateFileTest, RecordOutsideTheCalendarIsRefusedNamingTheRecord) {
    struct Case {
        int month, day, hour;
        ClimateFault fault;
        std::string text;
    };
    const Case cases[] = {
        {0, 1, 0, ClimateFault::Month, "record 2: month 0 outside 1 to 12"},
        {13, 1, 0, ClimateFault::Month, "record 2: month 13 outside 1 to 12"},
        {1, 0, 0, ClimateFault::Day, "record 2: day 0 outside 1 to 31 of month 1"},
        {1, 32, 0, ClimateFault::Day, "record 2: day 32 outside 1 to 31 of month 1"},
        {2, 30, 0, ClimateFault::Day, "record 2: day 30 outside 1 to 29 of month 2"},
        {4, 31, 0, ClimateFault::Day, "record 2: day 31 outside 1 to 30 of month 4"},
        {1, 1, 24, ClimateFault::Hour, "record 2: hour 24 outside 0 to 23"},
        {1, 1, -1, ClimateFault::Hour, "record 2: hour -1 outside 0 to 23"},
    };
    for (const Case& c : cases) {
        writeText("c.txt", {climateLine(1, 1, 0, 10.0), climateLine(c.month, c.day, c.hour, 10.0)});
        ClimateFile f;
        ASSERT_TRUE(f.open(file("c.txt")));
        ClimateRecord r;
        ASSERT_EQ(f.next(r), ClimateRead::Record);
        EXPECT_EQ(f.next(r), ClimateRead::IllegalData) << c.text;
        EXPECT_EQ(f.fault(), c.fault) << c.text;
        EXPECT_EQ(climateFaultText(f), c.text);
    }
    // 29 February and the last days of the other months are in the calendar.
    writeText("c.txt",
              {climateLine(2, 29, 23, 10.0), climateLine(4, 30, 0, 10.0), climateLine(12, 31, 23, 10.0)});
    ClimateFile f;
    ASSERT_TRUE(f.open(file("c.txt")));
    ClimateRecord r;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.next(r), ClimateRead::Record) << i;
}

TEST_F(ClimateFileTest, DaysAreCountedByRecordsAndTheLastRecordNamesTheDay) {
    std::vector<std::string> lines;
    for (int h = 0; h < 24; ++h)
        lines.push_back(climateLine(1, 31, h, 10.0 + h % 7, 8.0, 2.0, 8, 3, 50.0, 400.0));
    // A month that changes in the middle of the second day takes effect only from its 24th record.
    for (int h = 0; h < 24; ++h) lines.push_back(climateLine(h < 12 ? 1 : 2, h < 12 ? 31 : 1, h, 5.0));
    // A third day of 10 records only.
    for (int h = 0; h < 10; ++h) lines.push_back(climateLine(2, 29, h, 5.0));
    writeText("c.txt", lines);
    ASSERT_TRUE(state().unit10.open(file("c.txt")));
    ClimateDay day;
    readClimateDay(state(), day);
    ASSERT_EQ(day.status, ClimateRead::Record);
    EXPECT_EQ(day.records, 24);
    EXPECT_NEAR(day.tmax, 16.0, kTol);
    EXPECT_NEAR(day.hour(24), 23.0, kTol);
    EXPECT_NEAR(state().clim.tair(7), 16.0, kTol);
    EXPECT_NEAR(state().clim.wdir(1), 180.0, kTol);
    EXPECT_NEAR(state().clim.dirrad(3), 400.0, kTol);
    EXPECT_EQ(state().clim.cloud(24), 3);
    EXPECT_EQ(day.lastMonth, 1);
    EXPECT_EQ(day.lastDay, 31);
    readClimateDay(state(), day);
    EXPECT_EQ(day.month(12), 1);
    EXPECT_EQ(day.lastMonth, 2);
    EXPECT_EQ(day.lastDay, 1);
    readClimateDay(state(), day);
    EXPECT_EQ(day.status, ClimateRead::EndOfFile) << "the unfinished last day is dropped";
    EXPECT_EQ(day.records, 10);
}

class ClimatePrepass : public EngineRun {
  protected:
    std::vector<std::string> cards() {
        auto c = projectCards();
        c.push_back(zoneDefinition(1, "A", 50.0, "Normal"));
        c.push_back(zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}));
        c.push_back(" 9");
        return c;
    }
};

TEST_F(ClimatePrepass, MissingClimateFileIsReportedByName) {
    writeStandardData();
    std::filesystem::remove(file("climat01.TXT"));
    writeScratch(cards());
    EXPECT_NE(run(), 0);
    EXPECT_NE(console().find("File not found: " + file("climat01.TXT").string()), std::string::npos)
        << console();
    EXPECT_FALSE(std::filesystem::exists(file("climat01.TXT"))) << "no empty file is created in its place";
}

TEST_F(ClimatePrepass, EmptyClimateFileStopsTheRunNamingTheFile) {
    writeStandardData();
    writeText("climat01.TXT", {});
    writeScratch(cards());
    EXPECT_NE(run(), 0);
    const std::string expected =
        " Calculation of outdoor mean temperature failed: " + file("climat01.TXT").string() +
        " is empty: it holds no record\n";
    EXPECT_NE(console().find(expected), std::string::npos) << console();
    EXPECT_NE(fileText("output.txt").find(expected), std::string::npos) << fileText("output.txt");
}

// A climate file that is not one whole year of readable records makes card 1/2 illegal: the card is
// echoed with a line naming the file and the record, on the console and in the text report.
TEST_F(ClimatePrepass, ClimateFileThatIsNotAWholeYearIsIllegalInput) {
    const auto hourly = [](int m, int d, int h) { return climateLine(m, d, h, 10.0 + h / 2.0); };
    const std::vector<std::string> year = climateYear(hourly);
    std::vector<std::string> twoYears = year;
    twoYears.insert(twoYears.end(), year.begin(), year.end());
    std::vector<std::string> month13 = year, letter = year;
    month13[100] = climateLine(13, 5, 4, 10.0);
    letter[2].replace(11, 3, "1X5");
    struct Case {
        std::string what;
        std::vector<std::string> lines;
        std::string_view head;
        std::string fault;
    };
    const Case cases[] = {
        {"cut in half",
         {year.begin(), year.begin() + 4380},
         msg::kClimateRecord,
         ", ends after record 4380: a year of 365 days has 8760 records"},
        {"two years", twoYears, msg::kClimateRecord,
         ", record 8761: more records than a year of 365 days (8760 records)"},
        {"month 13", month13, msg::kClimateRecord, ", record 101: month 13 outside 1 to 12"},
        {"a letter in the dry bulb", letter, msg::kIllegalField,
         ": climate file %, record 3: illegal data in field, column 11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        writeStandardData();
        writeText("climat01.TXT", c.lines);
        const auto all = cards();
        writeScratch(all);
        EXPECT_NE(run(), 0);
        std::string why(c.head);
        std::string fault = c.fault;
        if (const auto at = fault.find('%'); at != std::string::npos)
            fault.replace(at, 1, file("climat01.TXT").string());
        else
            why += file("climat01.TXT").string();
        const std::string expected = " " + all[2].substr(0, 80) + "\n" + why + fault + "\n";
        EXPECT_NE(console().find(expected), std::string::npos) << console();
        EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
        EXPECT_NE(fileText("output.txt").find(expected), std::string::npos) << fileText("output.txt");
    }
}

// A record whose measured values no weather brings, or a year whose records do not run hour by hour
// from 1 January, was simulated and rated: now card 1/2 is illegal input naming the file, the record
// and the field or the dates.
TEST_F(ClimatePrepass, ClimateRecordsOutsideWeatherOrTheCalendarAreIllegalInput) {
    const auto hourly = [](int m, int d, int h) { return climateLine(m, d, h, 10.0 + h / 2.0); };
    const std::vector<std::string> year = climateYear(hourly);
    // Columns `first`.. of record `index` (0-based) replaced by `text`.
    const auto with = [&](std::size_t index, std::size_t first, const std::string& text) {
        std::vector<std::string> lines = year;
        lines[index].replace(first - 1, text.size(), text);
        return lines;
    };
    std::vector<std::string> noFebruary;
    for (const std::string& line : year)
        if (std::stoi(line.substr(4, 2)) != 2) noFebruary.push_back(line);
    while (noFebruary.size() < year.size()) noFebruary.push_back(noFebruary.back());
    std::vector<std::string> firstOfJanuary;
    for (int d = 1; d <= 365; ++d)
        for (int h = 0; h < 24; ++h) firstOfJanuary.push_back(hourly(1, 1, h));
    std::vector<std::string> fromSecondOfJanuary(year.begin() + 24, year.end());
    fromSecondOfJanuary.insert(fromSecondOfJanuary.end(), year.begin(), year.begin() + 24);
    std::vector<std::string> hourMissing = year;
    hourMissing.erase(hourMissing.begin() + 30);
    hourMissing.push_back(year.back());
    // Every July record cut to its first 10 columns: the month, day and hour, and no weather.
    std::vector<std::string> julyCut = year;
    for (std::string& line : julyCut)
        if (line.substr(4, 2) == " 7") line.resize(10);
    std::vector<std::string> oneShort = year;
    oneShort[19].pop_back();
    std::vector<std::string> blankLineAfter = year;
    blankLineAfter.push_back("");

    struct Case {
        std::string what;
        std::vector<std::string> lines;
        std::string fault;
    };
    const Case cases[] = {
        {"dry bulb 999.9", with(5, 11, "9999"),
         "record 6: dry bulb (columns 11-14) 999.9 outside -70 to 60 °C"},
        {"dry bulb -70.1", with(6, 11, "-701"),
         "record 7: dry bulb (columns 11-14) -70.1 outside -70 to 60 °C"},
        {"an exponent in the dry bulb", with(7, 11, "9E03"),
         "record 8: dry bulb (columns 11-14) 900 outside -70 to 60 °C"},
        {"a huge exponent in the dry bulb", with(8, 11, "9E99"),
         "record 9: dry bulb (columns 11-14) 9e+98 outside -70 to 60 °C"},
        {"moisture 51 g/kg", with(9, 15, "510"),
         "record 10: moisture (columns 15-17) 51 outside 0 to 50 g/kg"},
        {"negative wind speed", with(10, 22, "-10"),
         "record 11: wind speed (columns 22-24) -1 outside 0 to 60 m/s"},
        {"wind direction code 99", with(11, 25, "99"),
         "record 12: wind direction code (columns 25-26) 99 outside 0 to 16 sixteenths of a circle"},
        {"negative diffuse", with(13, 38, "-50"),
         "record 14: diffuse irradiance (columns 38-40) -50 outside 0 to 1420 W/m²"},
        {"negative direct", with(14, 41, " -50"),
         "record 15: direct irradiance (columns 41-44) -50 outside 0 to 1420 W/m²"},
        {"direct 9999", with(15, 41, "9999"),
         "record 16: direct irradiance (columns 41-44) 9999 outside 0 to 1420 W/m²"},
        {"8760 records without February", noFebruary,
         "record 745: 1 March hour 0 does not follow 31 January hour 23"},
        {"365 copies of 1 January", firstOfJanuary,
         "record 25: 1 January hour 0 does not follow 1 January hour 23"},
        {"a year from 2 January", fromSecondOfJanuary,
         "record 1: the first record is 2 January hour 0, not 1 January hour 0"},
        {"an hour missing", hourMissing, "record 31: 2 January hour 7 does not follow 2 January hour 5"},
        {"July cut to its first 10 columns", julyCut,
         "record 4345: the record ends after column 10; its fields run to column 44"},
        {"a record one column short", oneShort,
         "record 20: the record ends after column 43; its fields run to column 44"},
        {"a blank dry bulb", with(20, 11, "    "),
         "record 21: the dry bulb (columns 11-14) is blank: no reading"},
        {"a blank moisture", with(21, 15, "   "),
         "record 22: the moisture (columns 15-17) is blank: no reading"},
        {"a line of blanks among the records", with(100, 1, std::string(44, ' ')),
         "record 101: a blank line"},
        {"a blank line after the year", blankLineAfter, "record 8761: a blank line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        writeStandardData();
        writeText("climat01.TXT", c.lines);
        const auto all = cards();
        writeScratch(all);
        EXPECT_NE(run(), 0);
        const std::string expected = " " + all[2].substr(0, 80) + "\n" + std::string(msg::kClimateRecord) +
                                     file("climat01.TXT").string() + ", " + c.fault + "\n";
        EXPECT_NE(console().find(expected), std::string::npos) << console();
        EXPECT_NE(console().find(msg::kAbnormalEnd), std::string::npos);
    }
}

// Every shipped climate file is a year that the engine takes whole.
TEST(ShippedClimate, EveryShippedClimateFileIsAWholeYearWithinTheRanges) {
    const std::filesystem::path folder = std::filesystem::path(PROGRAM_FOLDER) / "Data/Climate";
    for (int zone = 1; zone <= 69; ++zone) {
        char name[16];
        std::snprintf(name, sizeof name, "climat%02d.TXT", zone);
        ClimateFile f;
        ASSERT_TRUE(f.open(folder / name)) << name;
        const ClimateYear year = readClimateYear(f);
        EXPECT_EQ(year.fault, "") << name;
        EXPECT_EQ(year.records, kYearRecords) << name;
    }
}

TEST_F(ClimatePrepass, CaseOfTheClimateFileNameDoesNotMatterAndTheFileIsReopenedAtItsStart) {
    writeStandardData();
    std::filesystem::rename(file("climat01.TXT"), file("CLIMAT01.txt"));
    writeScratch(cards());
    ASSERT_EQ(run(), 0) << console();
    EXPECT_NEAR(state().reader.tmean, 15.75, 1e-9);
    ClimateDay day;
    readClimateDay(state(), day);
    EXPECT_EQ(day.status, ClimateRead::Record);
    EXPECT_EQ(day.lastDay, 1);
    EXPECT_NEAR(state().clim.tair(1), 10.0, kTol);
}

} // namespace
} // namespace engine::testing

namespace engine::testing {
namespace {

class InputFiles : public EngineRun {};

TEST_F(InputFiles, PathsOfCardsAreFoundWhateverTheirCaseAndSeparators) {
    std::filesystem::create_directories(file("Data/Climate"));
    writeText("Data/Climate/climat05.TXT", {climateLine(1, 1, 0, 10.0)});
    const auto expected = file("Data/Climate/climat05.TXT");
    EXPECT_EQ(findInputFile(state(), "data\\climate\\CLIMAT05.txt   "), expected);
    EXPECT_EQ(findInputFile(state(), dir_.string() + "\\DATA\\Climate\\climat05.TXT"), expected);
    EXPECT_EQ(findInputFile(state(), dir_.string() + "/Data/Climate/climat05.TXT"), expected);
    EXPECT_FALSE(findInputFile(state(), "Data/Climate/climat06.TXT"));
    EXPECT_FALSE(findInputFile(state(), "Data/Climate")) << "a folder is not a file";
    EXPECT_FALSE(findInputFile(state(), "    "));
}

// A card that names an input or a shipped data file as a result file stops the run before any result
// file is opened: the file keeps every byte, and the console names the card's file and what it is.
TEST_F(InputFiles, AResultFileNamedOverAnInputOrShippedFileIsRefusedBeforeAnythingIsWritten) {
    const std::string folder = dir_.string() + "/";
    const auto fileCard = [](long long number, const std::string& name) {
        return card("(A2,I3,3X,A120)", {std::string(" 1"), number, name});
    };
    const auto flowCard = [](const std::string& name) {
        return card("(A2,I3,2X,A1,A120)", {std::string(" 1"), 11LL, std::string("1"), name});
    };
    struct Case {
        std::size_t index; // of the card in the project cards
        std::string card;
        std::string name;
        std::string what;
    };
    const Case cases[] = {
        {7, fileCard(7, folder + "climat01.TXT"), folder + "climat01.TXT", "it is the climate file"},
        {8, fileCard(9, "CLIMAT01.txt"), "CLIMAT01.txt", "it is the climate file"},
        {8, fileCard(9, folder + "sub/../climat01.TXT"), folder + "sub/../climat01.TXT",
         "it is the climate file"},
        {7, fileCard(7, "link.txt"), "link.txt", "it is the climate file"},
        {7, fileCard(7, "SCRATCH"), "SCRATCH", "it is the card file"},
        {8, fileCard(9, "matdata.bin"), "matdata.bin", "it is the program folder's matdata.bin"},
        {7, fileCard(7, "tape52"), "tape52", "it is the program folder's tape52"},
        {8, fileCard(9, folder + "WINDOWS.VWG"), folder + "WINDOWS.VWG", "it is a glazing library"},
        {10, flowCard("sky.vsg"), "sky.vsg", "it is a glazing library"},
        {7, fileCard(7, "Data/Climate/climat02.TXT"), "Data/Climate/climat02.TXT",
         "it lies in the program folder's shipped data"},
        {8, fileCard(9, "DATA/new.TEM"), "DATA/new.TEM", "it lies in the program folder's shipped data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        writeStandardData();
        std::filesystem::create_directories(file("sub"));
        std::filesystem::create_directories(file("Data/Climate"));
        writeText("Data/Climate/climat02.TXT", {climateLine(1, 1, 0, 10.0)});
        std::filesystem::create_symlink(file("climat01.TXT"), file("link.txt"));
        auto cards = projectCards();
        ASSERT_LT(c.index, cards.size());
        cards[c.index] = c.card;
        cards.push_back(zoneDefinition(1, "A", 50.0, "Normal"));
        cards.push_back(zoneCardLine(1, 51, {10.0, 0.5, 0, 0.0}));
        cards.push_back(" 9");
        writeScratch(cards);
        const std::vector<std::string> inputs = {"climat01.TXT", "SCRATCH", "matdata.bin",
                                                 "WINDOWS.VWG",  "SKY.VSG", "Data/Climate/climat02.TXT"};
        std::vector<std::string> before;
        for (const std::string& name : inputs) before.push_back(fileText(name));

        EXPECT_NE(run(), 0);
        const std::string expected =
            " RESULT FILE WOULD OVERWRITE AN INPUT OR SHIPPED DATA FILE: " + c.name + " (" + c.what + ")\n";
        EXPECT_NE(console().find(expected), std::string::npos) << console();
        for (std::size_t i = 0; i < inputs.size(); ++i)
            EXPECT_EQ(fileText(inputs[i]), before[i]) << inputs[i];
        EXPECT_FALSE(std::filesystem::exists(file("DATA/new.TEM")));
        EXPECT_FALSE(std::filesystem::exists(file("Data/new.TEM")));
    }
}

} // namespace
} // namespace engine::testing
