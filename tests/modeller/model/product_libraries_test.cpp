#include "modeller/model/model_error.h"
#include "modeller/model/product_libraries.h"

#include "model_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::HasSubstr;

using pelmora::ModelError;

// Puts `text` at 1-based column `column` of `line`, padding with blanks.
void place(std::string& line, int column, const std::string& text) {
    const auto at = static_cast<std::size_t>(column - 1);
    if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
    line.replace(at, text.size(), text);
}

struct WindowProduct {
    std::string code;
    int panes;
    std::string glassU = "  5.900 ";
};

// One window record in the library's layout.
std::string windowRecord(const WindowProduct& p) {
    std::string line6;
    place(line6, 1, std::to_string(p.panes));
    place(line6, 10, "ignored text");
    place(line6, 25, "  0.810 "); // SC
    place(line6, 49, "  0.880 "); // VT
    place(line6, 57, "  0.590 "); // UVT
    place(line6, 81, p.glassU);   // GlassU
    place(line6, 89, "  0.700 "); // GlassSHGC
    std::string text = p.code + " trailing remark\r\n";
    text += "comment line\r\n";
    text += "Vitrea Glass Co   \r\n";
    text += "Clearline\r\n";
    text += "Single clear 4 mm      \r\n";
    text += line6 + "\r\n";
    text += "  6.2  0.75  anything after the values\r\n";
    text += "comment line\r\n";
    text += "0.80 0.79 0.78 0.77 0.74 0.69 0.60 0.45 0.24 0.00\r\n";
    for (int pane = 1; pane <= p.panes; ++pane) {
        for (int a = 0; a < 10; ++a) text += " 0.0" + std::to_string(pane) + std::to_string(a);
        text += "\r\n";
    }
    return text;
}

std::string cutBefore(const std::string& text, const std::string& mark) {
    return text.substr(0, text.find(mark));
}

// `text` with its first `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string skylightRecord(const std::string& code, const std::string& name,
                           const std::string& glassU = "   2.900") {
    return code + "  3  2" + name + "\r\n" + glassU + "   4.100   0.850\r\nnot used\r\n   0.123\r\n";
}

TEST(TrimTrailingBlanks, RemovesOnlyTrailingBlanks) {
    EXPECT_EQ(pelmora::TrimTrailingBlanks("  Maker  "), "  Maker");
    EXPECT_EQ(pelmora::TrimTrailingBlanks("Maker"), "Maker");
    EXPECT_EQ(pelmora::TrimTrailingBlanks("   "), "   "); // blanks only come back unchanged
    EXPECT_EQ(pelmora::TrimTrailingBlanks(""), "");
}

TEST(WindowLibrary, ReadsRecordsOfEachPaneCount) {
    const std::string text = windowRecord({"AAA-01-001a", 2}) + windowRecord({"AAA-01-002b", 3}) +
                             windowRecord({"AAA-01-003c", 1});
    EXPECT_EQ(linesOf(windowRecord({"X", 2})).size(), 11u);
    EXPECT_EQ(linesOf(windowRecord({"X", 3})).size(), 12u);
    const auto products = pelmora::parseWindowLibrary(linesOf(text), "VORTwindows.txt");
    ASSERT_EQ(products.size(), 3u);
    const auto& p = products[1];
    EXPECT_EQ(p.ProductCode, "AAA-01-002b");
    EXPECT_EQ(p.Manufacturer, "Vitrea Glass Co");
    EXPECT_EQ(p.Brand, "Clearline");
    EXPECT_EQ(p.ProductName, "Single clear 4 mm");
    EXPECT_EQ(p.PaneCount, 3);
    EXPECT_DOUBLE_EQ(p.SC, 0.81);
    EXPECT_DOUBLE_EQ(p.VT, 0.88);
    EXPECT_DOUBLE_EQ(p.UVT, 0.59);
    EXPECT_DOUBLE_EQ(p.GlassU, 5.9);
    EXPECT_DOUBLE_EQ(p.GlassSHGC, 0.70);
    EXPECT_DOUBLE_EQ(p.FrameU, 6.2);
    EXPECT_DOUBLE_EQ(p.GlassFraction, 0.75);
    EXPECT_DOUBLE_EQ(p.AngleTransmittance(1), 0.80);
    EXPECT_DOUBLE_EQ(p.AngleTransmittance(10), 0.0);
    EXPECT_DOUBLE_EQ(p.PaneAbsorptance(1, 1), 0.010);
    EXPECT_DOUBLE_EQ(p.PaneAbsorptance(3, 10), 0.039);
    EXPECT_EQ(products[2].PaneCount, 1);
    EXPECT_EQ(products[2].PaneAbsorptance(2, 1), 0.0);
}

TEST(WindowLibrary, ReportsABadLineWithItsFileAndLine) {
    struct Case {
        const char* what;
        std::string text;
        const char* expected;
    };
    const std::string good = windowRecord({"AAA-01-001a", 2});
    const Case cases[] = {
        {"a letter in the glass U-value", good + windowRecord({"AAA-01-002a", 1, "  5.9x0 "}),
         "VORTwindows.txt, line 17: columns 81-88"},
        {"a pane count of 4", good + windowRecord({"AAA-01-002a", 4}), "line 17: the pane count"},
        {"a record cut short", good + cutBefore(windowRecord({"AAA-01-002a", 2}), "0.80 0.79"),
         "VORTwindows.txt, line 20: the file ends inside a product record"},
        {"too few transmittances",
         good + replaced(windowRecord({"AAA-01-002a", 2}), " 0.78 0.77 0.74 0.69 0.60 0.45 0.24 0.00", ""),
         "line 20: 10 numbers expected, 2 found"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(model_test::modelErrorOf(
                        [&] { pelmora::parseWindowLibrary(linesOf(c.text), "VORTwindows.txt"); }),
                    HasSubstr(c.expected))
            << c.what;
    }
}

// A value no window can have refuses the library, naming the file, the line and the value.
TEST(WindowLibrary, RefusesValuesNoWindowCanHave) {
    struct Case {
        const char* what;
        std::string from, to; // in the second record
        const char* expected;
    };
    const Case cases[] = {
        {"a glass fraction of 1.5", "  6.2  0.75", "  6.2  1.5",
         "line 18: the glass fraction 1.5 is outside 0 to 1"},
        {"a glass fraction of -0.2", "  6.2  0.75", "  6.2  -0.2",
         "line 18: the glass fraction -0.2 is outside 0 to 1"},
        {"a negative frame U", "  6.2  0.75", "  -6.2  0.75",
         "line 18: the frame U-value -6.2 is outside 0.01 to 20"},
        {"no frame U", "  6.2  0.75", "  0  0.75", "line 18: the frame U-value 0 is outside 0.01 to 20"},
        // The card file carries a frame U-value with two decimals: this one would reach the engine as 0.
        {"a frame U below the card's decimals", "  6.2  0.75", "  0.004  0.75",
         "line 18: the frame U-value 0.004 is outside 0.01 to 20"},
        {"a glass U of 0", "  5.900 ", "  0.000 ", "line 17: the glass U-value 0 must be above 0"},
        {"a glass U of 25", "  5.900 ", " 25.000 ",
         "line 17: the glass U-value 25 must be above 0 and at most 20"},
        {"a solar heat gain coefficient of 1.2", "  0.700 ", "  1.200 ",
         "line 17: the solar heat gain coefficient 1.2 is outside 0 to 1"},
        {"a negative shading coefficient", "  0.810 ", " -0.100 ", "line 17: the shading coefficient -0.1"},
        {"a visible transmittance of 1.5", "  0.880 ", "  1.500 ", "line 17: the visible transmittance 1.5"},
        {"a negative ultraviolet transmittance", "  0.590 ", " -0.200 ",
         "line 17: the ultraviolet transmittance -0.2"},
        {"a solar transmittance of 1.3", "0.80 0.79", "1.30 0.79", "line 20: a solar transmittance 1.3"},
        {"an absorptance of 1.01", " 0.010 0.011", " 1.010 0.011", "line 21: a solar absorptance 1.01"},
        {"a pane count of 0", "\r\n2", "\r\n0", "line 17: the pane count"},
        {"a pane count of 7", "\r\n2", "\r\n7", "line 17: the pane count"},
        {"an escape in the manufacturer", "Vitrea Glass", "Vitrea\x1b[2J Glass",
         "line 14: the manufacturer holds the control character 27"},
        {"a tab in the product code", "AAA-01-002a", "AAA\t01-002a",
         "line 12: the product code holds the control character 9"},
        {"a NUL in the product name", "Single clear", std::string("Single\0clear", 12),
         "line 16: the product name holds the control character 0"},
    };
    const std::string good = windowRecord({"AAA-01-001a", 2});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = good + replaced(windowRecord({"AAA-01-002a", 2}), c.from, c.to);
        EXPECT_THAT(
            model_test::modelErrorOf([&] { pelmora::parseWindowLibrary(linesOf(text), "VORTwindows.txt"); }),
            HasSubstr(std::string("VORTwindows.txt, ") + c.expected));
    }
    // The limits themselves are products a window can be.
    const std::string edges =
        replaced(replaced(windowRecord({"AAA-01-002a", 1}), "  6.2  0.75", "  20  1"), "0.80 0.79", "1 0.79");
    EXPECT_EQ(pelmora::parseWindowLibrary(linesOf(edges), "VORTwindows.txt").at(0).GlassFraction, 1.0);
}

TEST(SkylightLibrary, RefusesValuesNoSkylightCanHave) {
    struct Case {
        const char* what;
        std::string from, to; // in the second record
        const char* expected;
    };
    const Case cases[] = {
        {"no panes", "  3  2", "  0  2", "line 5: the pane count 0 is outside 1 to 3"},
        {"seven panes", "  3  2", "  7  2", "line 5: the pane count 7 is outside 1 to 3"},
        {"glazing system 0", "  3  2", "  3  0", "line 5: the glazing system number 0 is outside 1 to 2"},
        {"a roof-window system", "  3  2", "  3  3", "line 5: the glazing system number 3 is outside 1 to 2"},
        {"glazing system 17", "  3  2", "  3  17", "line 5: the glazing system number 17 is outside 1 to 2"},
        {"a system number past any integer", "  3  2", "  3  2147483648",
         "line 5: the glazing system number 2147483648 is outside 1 to 2"},
        {"no glass U", "   2.900", "   0.000", "line 6: the glass U-value 0 must be above 0"},
        {"a negative frame U", "   4.100", "  -4.100",
         "line 6: the frame U-value -4.1 is outside 0.01 to 20"},
        {"no frame U", "   4.100", "   0.000", "line 6: the frame U-value 0 is outside 0.01 to 20"},
        {"a glass fraction of 1.5", "   0.850", "   1.500",
         "line 6: the glass fraction 1.5 is outside 0 to 1"},
        {"a solar heat gain coefficient of 1.2", "   0.123", "   1.200",
         "line 8: the solar heat gain coefficient 1.2 is outside 0 to 1"},
        {"an escape in the name", " Flat",
         " Fl\x1b"
         "at",
         "line 5: the product name holds the control character 27"},
    };
    const std::string good = skylightRecord("GEN-04-001a", " Dome");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = good + replaced(skylightRecord("GEN-04-002a", " Flat"), c.from, c.to);
        EXPECT_THAT(model_test::modelErrorOf(
                        [&] { pelmora::parseSkylightLibrary(linesOf(text), "VORTskylights.txt"); }),
                    HasSubstr(std::string("VORTskylights.txt, ") + c.expected));
    }
}

TEST(SkylightLibrary, KeepsTheBlankBeforeTheName) {
    const auto products = pelmora::parseSkylightLibrary(
        linesOf(skylightRecord("GEN-04-001a", " Generic dome") + skylightRecord("GEN-04-002a", " Twin skin")),
        "VORTskylights.txt");
    ASSERT_EQ(products.size(), 2u);
    EXPECT_EQ(products[0].ProductCode, "GEN-04-001a");
    EXPECT_EQ(products[0].PaneCount, 3);
    EXPECT_EQ(products[0].SystemNumber, 2);
    EXPECT_EQ(products[0].ProductName, " Generic dome");
    EXPECT_DOUBLE_EQ(products[1].GlassU, 2.9);
    EXPECT_DOUBLE_EQ(products[1].FrameU, 4.1);
    EXPECT_DOUBLE_EQ(products[1].GlassFraction, 0.85);
    EXPECT_DOUBLE_EQ(products[1].FourthValue, 0.123);
}

struct LibraryFiles : ::testing::Test {
    model_test::TempFolder root;
    std::unique_ptr<pelmora::HouseModel> model = model_test::modelIn(root.path());
    void writeSkylights(const std::string& text) { root.write("Data/WindowData/VORTskylights.txt", text); }
    // Loads a library of two skylights, "GEN-04-001a" and "GEN-04-002a".
    void loadTwoSkylights() {
        writeSkylights(skylightRecord("GEN-04-001a", " Dome") + skylightRecord("GEN-04-002a", " Flat"));
        pelmora::ReadSkylightLibrary(*model);
    }
};

TEST_F(LibraryFiles, LoadsBothLibrariesFromTheProgramFolder) {
    root.write("Data/WindowData/VORTwindows.txt",
               windowRecord({"AAA-01-001a", 1}) + windowRecord({"AAA-01-002a", 2}));
    root.write("Data/WindowData/vortskylights.TXT", skylightRecord("GEN-04-001a", " Dome") + "\r\n\r\n");
    pelmora::ReadWindowLibrary(*model);
    pelmora::ReadSkylightLibrary(*model);
    EXPECT_EQ(model->WindowProducts(2).ProductCode, "AAA-01-002a");
    EXPECT_EQ(model->WindowProducts(3).ProductCode, "");
    EXPECT_EQ(model->SkylightProducts(1).ProductName, " Dome");
}

TEST_F(LibraryFiles, ABadFileLeavesTheLoadedLibraryAsItWas) {
    loadTwoSkylights();
    writeSkylights(skylightRecord("GEN-04-009a", " New") + skylightRecord("GEN-04-010a", " Bad", "   2,900"));
    EXPECT_THROW(pelmora::ReadSkylightLibrary(*model), ModelError);
    EXPECT_EQ(model->SkylightProducts(1).ProductCode, "GEN-04-001a");
    EXPECT_EQ(model->SkylightProducts(2).ProductCode, "GEN-04-002a");
}

TEST_F(LibraryFiles, AShorterLibraryLeavesNoStaleProductsBehind) {
    loadTwoSkylights();
    writeSkylights(skylightRecord("GEN-04-003a", " Other"));
    pelmora::ReadSkylightLibrary(*model);
    EXPECT_EQ(model->SkylightProducts(1).ProductCode, "GEN-04-003a");
    EXPECT_EQ(model->SkylightProducts(2), pelmora::CustSkyType{});
}

TEST_F(LibraryFiles, RefusesAMissingFileOrMoreProductsThanTheLibraryHolds) {
    EXPECT_THAT(model_test::modelErrorOf([&] { pelmora::ReadWindowLibrary(*model); }),
                HasSubstr("VORTwindows.txt does not exist"));
    std::string text;
    for (int i = 1; i <= pelmora::kMaxSkylightProducts + 1; ++i)
        text += skylightRecord("GEN-04-001a", " Dome");
    root.write("Data/WindowData/VORTskylights.txt", text);
    EXPECT_THAT(model_test::modelErrorOf([&] { pelmora::ReadSkylightLibrary(*model); }),
                HasSubstr("line 401: the library holds more than 100 products"));
    EXPECT_EQ(model->SkylightProducts(1).ProductCode, "");
}

// Every product of the shipped libraries lies within the ranges the readers hold to.
TEST(ShippedLibraries, EveryProductIsRead) {
    const auto model = model_test::modelIn(PROGRAM_FOLDER);
    ASSERT_NO_THROW(pelmora::ReadWindowLibrary(*model));
    ASSERT_NO_THROW(pelmora::ReadSkylightLibrary(*model));
    EXPECT_EQ(model->WindowProducts(60).ProductCode, "GGG-05-060a");
    EXPECT_EQ(model->SkylightProducts(10).ProductCode, "GEN-04-010a");
}

} // namespace
