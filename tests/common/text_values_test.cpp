#include "common/text_values.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

TEST(Real23, HasTheStoredLayout) {
    const std::pair<double, const char*> cases[] = {
        {2400.0, " 2.40000000000000E+0003"},   {20.0, " 2.00000000000000E+0001"},
        {-0.00125, "-1.25000000000000E-0003"}, {0.0, " 0.00000000000000E+0000"},
        {1e-300, " 1.00000000000000E-0300"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(common::formatReal23(value), text);
        EXPECT_EQ(common::formatReal23(value).size(), 23u);
    }
    EXPECT_THROW(common::formatReal23(std::nan("")), std::invalid_argument);
}

TEST(Real23, RoundTripsTo15SignificantDigits) {
    for (double v : {3.14159265358979, -123456.789012345, 1.0 / 3.0, 6.02214076e23, -2.5e-7}) {
        auto back = common::parseReal(common::formatReal23(v));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14);
    }
}

TEST(OneValueLines, ParseRealsIntegersAndBooleans) {
    EXPECT_EQ(common::parseReal(" 1.5 "), 1.5);
    EXPECT_EQ(common::parseReal("-2E3"), -2000.0);
    EXPECT_EQ(common::parseReal("12"), 12.0);
    for (const char* bad : {"", "abc", "1.5x", "nan", "inf", "0x10", "1,5"})
        EXPECT_FALSE(common::parseReal(bad).has_value()) << bad;
    EXPECT_EQ(common::parseInteger(" 42"), 42);
    EXPECT_EQ(common::parseInteger("-7"), -7);
    for (const char* bad : {"", "4.2", "x1", "-", "99999999999999999999"})
        EXPECT_FALSE(common::parseInteger(bad).has_value()) << bad;
    EXPECT_TRUE(common::parseBoolean("TRUE"));
    for (const char* notTrue : {"true", "TRUE ", "FALSE", "", "1"})
        EXPECT_FALSE(common::parseBoolean(notTrue));
}

TEST(OneValueLines, SplitTakesLineEndsOfAnyKind) {
    using V = std::vector<std::string>;
    EXPECT_EQ(common::splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(common::splitLines("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(common::splitLines("a\r\n\r\nc\n"), (V{"a", "", "c"}));
    EXPECT_EQ(common::splitLines("a\r\r\n\r\r\nc\r\r\n"), (V{"a", "", "c"})) << "CR CR LF is one line end";
    EXPECT_EQ(common::splitLines("a\r\rc\r"), (V{"a", "", "c"}))
        << "CR alone ends lines of a text without LF";
    EXPECT_EQ(common::splitLines("caf\xe9\n"), (V{"caf\xe9"})) << "8-bit text passes through";
}

TEST(OneValueLines, WriterUsesCrLfAndReplacesTheFileWhole) {
    const test_support::TemporaryFolder work("common_text_values_test");
    const std::filesystem::path& dir = work.path();
    const auto file = dir / "house.VOR";
    common::TextFileWriter w;
    w.integer(3);
    w.real(2400.0);
    w.boolean(true);
    w.line("Zone 1");
    w.save(file);
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "3\r\n 2.40000000000000E+0003\r\nTRUE\r\nZone 1\r\n");
    EXPECT_EQ(common::readTextLines(file).size(), 4u);
    EXPECT_FALSE(std::filesystem::exists(dir / "house.VOR.tmp~"));
    EXPECT_THROW(w.save(dir / "no such folder" / "x.VOR"), std::runtime_error);
    EXPECT_THROW(common::readTextLines(dir / "missing.VOR"), std::runtime_error);
}

} // namespace
