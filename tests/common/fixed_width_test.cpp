#include "common/fixed_width.h"
#include "common/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

struct RealCase {
    const char* field;
    int decimals;
    double expected;
};

TEST(FixedWidthRead, RealsFollowTheCardRules) {
    const RealCase cases[] = {
        {"  -345", 1, -34.5},                      // implied decimal
        {" 215", 1, 21.5},                         // climate dry bulb without its point
        {"21.5", 1, 21.5},                         // the same with the point written
        {"1234", 0, 1234.0},                       // F4.0 radiation
        {"  12.", 3, 12.0},                        // a written point overrides the implied decimals
        {"      ", 2, 0.0},                        // all blank
        {"", 2, 0.0},                              // past the end of a short line
        {" 1 5", 1, 10.5},                         // an inner blank is a zero
        {" 1.5E2", 1, 150.0},                      // exponent
        {"1.5E-1", 1, 0.15},  {" 15+2", 1, 150.0}, // sign-led exponent applies to the implied decimals too
        {"  +7.25", 2, 7.25}, {"-0.001", 3, -0.001},
    };
    for (const auto& c : cases) {
        double v = -999;
        EXPECT_TRUE(fw::readReal(c.field, c.decimals, v)) << '"' << c.field << '"';
        EXPECT_DOUBLE_EQ(v, c.expected) << '"' << c.field << '"';
    }
}

TEST(FixedWidthRead, RealsAreRoundedAsTheLibraryRoundsTheirText) {
    // Random fields of up to 24 digits, with and without a written point and an exponent, read with
    // implied decimals; each must come out as the library's correctly rounded reading of the same
    // decimal number, to the bit.
    std::mt19937_64 random(7);
    for (int k = 0; k < 100000; ++k) {
        const int length = 1 + static_cast<int>(random() % 24);
        std::string digits;
        for (int i = 0; i < length; ++i) digits.push_back(static_cast<char>('0' + random() % 10));
        const int implied = static_cast<int>(random() % 6);
        const bool point = random() % 2 == 0;
        const int pointAt = static_cast<int>(random() % static_cast<unsigned>(length + 1));
        const bool exponent = random() % 3 == 0;
        const int power = static_cast<int>(random() % 61) - 30;
        const bool negative = random() % 2 == 0;
        std::string field = negative ? "-" : "";
        field += point ? digits.substr(0, static_cast<std::size_t>(pointAt)) + "." +
                             digits.substr(static_cast<std::size_t>(pointAt))
                       : digits;
        if (exponent) field += "E" + std::to_string(power);
        const int scale = (exponent ? power : 0) - (point ? length - pointAt : implied);
        const std::string text = (negative ? "-" : "") + digits + "e" + std::to_string(scale);
        double v = 0;
        ASSERT_TRUE(fw::readReal(field, implied, v)) << field;
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(std::memcmp(&v, &expected, sizeof v), 0)
            << field << " read as " << v << ", not " << expected;
    }
}

TEST(FixedWidthRead, BlanksAsNullAreIgnored) {
    double v = 0;
    ASSERT_TRUE(fw::readReal(" 1 5", 1, v, fw::Blanks::Null));
    EXPECT_DOUBLE_EQ(v, 1.5);
    int i = 0;
    ASSERT_TRUE(fw::readInteger("12  ", i, fw::Blanks::Null));
    EXPECT_EQ(i, 12);
}

TEST(FixedWidthRead, IntegersFollowTheCardRules) {
    const std::pair<const char*, int> cases[] = {
        {"  12", 12}, {"   ", 0}, {" -3", -3}, {"+4", 4}, {"12  ", 1200}};
    for (const auto& [field, expected] : cases) {
        int v = -1;
        EXPECT_TRUE(fw::readInteger(field, v)) << field;
        EXPECT_EQ(v, expected) << field;
    }
}

TEST(FixedWidthRead, RejectsWhatIsNotANumber) {
    for (const char* field : {" 2a", "1.2.3", "x", "1E", "E5", "--1", "1,5"}) {
        double v = 42;
        EXPECT_FALSE(fw::readReal(field, 1, v)) << field;
        EXPECT_EQ(v, 42) << "an illegal field must not change the value";
    }
    int i = 0;
    EXPECT_FALSE(fw::readInteger(" 1.5", i));
    EXPECT_FALSE(fw::readInteger("99999999999", i)) << "out of int range";
}

TEST(FixedWidthRead, ReadsAClimateRecordWithItsFormat) {
    // month 1, day 2, 21.5 C, 8.3 g/kg, 3.6 m/s, code 16, cloud 4, 120 diffuse, 1234 direct
    const std::string record = std::string("    ") + "0102" + "  " + " 215" + " 83" + "    " + " 36" + "16" +
                               "4" + std::string(10, ' ') + "120" + "1234";
    const auto format = fw::parseFormat("(4X,2I2,2X,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0)");
    std::vector<fw::Value> values;
    const std::string_view records[] = {record};
    ASSERT_TRUE(fw::readFormatted(records, format, values).ok);
    ASSERT_EQ(values.size(), 9u);
    EXPECT_EQ(std::get<long long>(values[0]), 1);
    EXPECT_EQ(std::get<long long>(values[1]), 2);
    EXPECT_DOUBLE_EQ(std::get<double>(values[2]), 21.5);
    EXPECT_DOUBLE_EQ(std::get<double>(values[3]), 8.3);
    EXPECT_DOUBLE_EQ(std::get<double>(values[4]), 3.6);
    EXPECT_DOUBLE_EQ(std::get<double>(values[5]), 16.0);
    EXPECT_EQ(std::get<long long>(values[6]), 4);
    EXPECT_DOUBLE_EQ(std::get<double>(values[7]), 120.0);
    EXPECT_DOUBLE_EQ(std::get<double>(values[8]), 1234.0);
}

TEST(FixedWidthRead, ReportsTheLineAndColumnOfAnIllegalField) {
    const auto format = fw::parseFormat("I3/2X,F4.1");
    const std::string_view records[] = {"  7", "  12x4"};
    std::vector<fw::Value> values;
    auto r = fw::readFormatted(records, format, values);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(r.column, 3);
}

TEST(FixedWidthFormat, ExpandsRepeatCountsAndGroups) {
    using fw::Edit;
    const fw::Format expected = {{Edit::X, 1, 0}, {Edit::F, 6, 2},     {Edit::X, 2, 0}, {Edit::F, 6, 2},
                                 {Edit::X, 2, 0}, {Edit::Slash, 0, 0}, {Edit::A, 10, 0}};
    EXPECT_EQ(fw::parseFormat("(1X,2(F6.2,2X)/A10)"), expected);
    EXPECT_THROW(fw::parseFormat("(I)"), std::invalid_argument);
    EXPECT_THROW(fw::parseFormat("(F6)"), std::invalid_argument);
    EXPECT_THROW(fw::parseFormat("(Z4)"), std::invalid_argument);
    EXPECT_THROW(fw::parseFormat("(I4"), std::invalid_argument);
}

struct FixedCase {
    double value;
    int width, decimals;
    const char* expected;
};

TEST(FixedWidthWrite, FixedPointRoundsHalvesToEven) {
    const FixedCase cases[] = {
        {2.5, 4, 0, "  2."},     {3.5, 4, 0, "  4."},      {0.125, 6, 2, "  0.12"},
        {0.375, 6, 2, "  0.38"}, {-34.5, 6, 1, " -34.5"},  {0.5, 3, 2, ".50"},
        {-0.5, 4, 2, "-.50"},    {-0.001, 6, 2, "  0.00"}, {12.0, 8, 3, "  12.000"},
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_TRUE(fw::appendFixed(out, c.value, c.width, c.decimals, fw::Overflow::Refuse)) << c.value;
        EXPECT_EQ(out, c.expected) << c.value;
    }
}

// The field as printf("%#.*f") rounds it, with the report rules applied to its text: no minus sign on
// a value that rounds to zero, no leading zero when the field lacks the room, asterisks on overflow.
std::string printfField(double value, int width, int decimals) {
    if (!std::isfinite(value)) return std::string(static_cast<std::size_t>(width), '*');
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, "%#.*f", decimals, value);
    std::string text(buffer, static_cast<std::size_t>(n));
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    if (static_cast<int>(text.size()) == width + 1) {
        if (text.starts_with("0."))
            text.erase(0, 1);
        else if (text.starts_with("-0."))
            text.erase(1, 1);
    }
    if (static_cast<int>(text.size()) > width) return std::string(static_cast<std::size_t>(width), '*');
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

TEST(FixedWidthWrite, FixedPointMatchesPrintfRoundingEverywhere) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.05,
                                  -0.05,
                                  0.25,
                                  -0.25,
                                  999.95,
                                  -999.95,
                                  9999999.95,
                                  1e15,
                                  -1e15 + 0.125,
                                  9007199254740991.0,
                                  9007199254740992.0,
                                  1e10 - 0.5,
                                  1e22,
                                  -1e300,
                                  std::numeric_limits<double>::denorm_min(),
                                  -std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  std::nan("")};
    // Halves and quarters at every decimal place are exact in binary: the ties that go to the even
    // neighbour.
    for (int k = -40; k <= 40; ++k) {
        values.push_back(k + 0.5);
        values.push_back(k / 8.0);
        values.push_back(k * 0.03125 + 1000.0);
        values.push_back(std::ldexp(static_cast<double>(k), -20));
    }
    // Every binade from the subnormals to far beyond the exact range, with random significands.
    std::mt19937_64 random(20240611);
    for (int exponent = -1074; exponent <= 80; ++exponent)
        for (int k = 0; k < 12; ++k) {
            const double significand = 1.0 + std::ldexp(static_cast<double>(random() >> 11), -53);
            const double v = std::ldexp(significand, exponent);
            values.push_back(random() % 2 ? v : -v);
        }
    // The values a year of reports is made of: temperatures and energies with a few decimals.
    std::uniform_real_distribution<double> report(-5000.0, 50000.0);
    for (int k = 0; k < 5000; ++k) values.push_back(report(random));
    for (double v : values)
        for (int decimals = 0; decimals <= 11; ++decimals)
            for (int width : {1, 2, 3, 4, 5, 6, 8, 9, 12, 16, 24}) {
                std::string out = "x";
                fw::appendFixed(out, v, width, decimals, fw::Overflow::Asterisks);
                ASSERT_EQ(out, "x" + printfField(v, width, decimals))
                    << std::hexfloat << v << " F" << width << '.' << decimals;
            }
}

TEST(FixedWidthWrite, IntegersMatchPrintf) {
    for (long long v : {0LL, 7LL, -7LL, 10LL, -99LL, 1000LL, 123456789012LL,
                        std::numeric_limits<long long>::max(), std::numeric_limits<long long>::min()})
        for (int width : {1, 2, 3, 4, 12, 20, 24}) {
            char buffer[32];
            const int n = std::snprintf(buffer, sizeof buffer, "%*lld", width, v);
            const std::string expected =
                n > width ? std::string(static_cast<std::size_t>(width), '*') : std::string(buffer);
            std::string out;
            fw::appendInteger(out, v, width, fw::Overflow::Asterisks);
            EXPECT_EQ(out, expected) << v << " I" << width;
        }
}

TEST(FixedWidthWrite, OverflowIsRefusedOrStarred) {
    std::string out = "ab";
    EXPECT_FALSE(fw::appendFixed(out, 12345678.9, 9, 1, fw::Overflow::Refuse));
    EXPECT_EQ(out, "ab") << "a refused field leaves the line as it was";
    EXPECT_TRUE(fw::appendFixed(out, 12345678.9, 9, 1, fw::Overflow::Asterisks));
    EXPECT_EQ(out, "ab*********");
    out.clear();
    EXPECT_FALSE(fw::appendInteger(out, 1000, 3, fw::Overflow::Refuse));
    EXPECT_TRUE(fw::appendInteger(out, -99, 3, fw::Overflow::Refuse));
    EXPECT_EQ(out, "-99");
    out.clear();
    EXPECT_FALSE(fw::appendText(out, "too long", 4, fw::Overflow::Refuse));
    EXPECT_TRUE(fw::appendText(out, "ab", 4, fw::Overflow::Refuse));
    EXPECT_TRUE(fw::appendText(out, "cd", 4, fw::Overflow::Refuse, fw::Align::Right));
    EXPECT_EQ(out, "ab    cd");
    out.clear();
    EXPECT_FALSE(fw::appendFixed(out, std::nan(""), 8, 2, fw::Overflow::Refuse));
}

TEST(FixedWidthWrite, ExponentFormLooksLikeFortran) {
    const FixedCase cases[] = {
        {1234.5, 12, 5, " 0.12345E+04"}, {-0.000123, 12, 3, "  -0.123E-03"}, {0.0, 10, 3, " 0.000E+00"},
        {1.0e120, 11, 4, " 0.1000+121"}, {5.0, 9, 4, ".5000E+01"}, // no room for the leading zero
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_TRUE(fw::appendExponent(out, c.value, c.width, c.decimals, fw::Overflow::Refuse)) << c.value;
        EXPECT_EQ(out, c.expected) << c.value;
    }
}

TEST(FixedWidthWrite, WritesLinesWithAFormatAndDropsTrailingSkips) {
    const auto format = fw::parseFormat("(1X,I3,F6.1,2X/A4,5X)");
    const fw::Value values[] = {7LL, 2.25, std::string("ab")};
    const auto lines = fw::writeFormatted(format, values, fw::Overflow::Asterisks);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "   7   2.2");
    EXPECT_EQ(lines[1], "ab  ");
    const fw::Value tooWide[] = {1234LL, 0.0, std::string("x")};
    EXPECT_THROW(fw::writeFormatted(format, tooWide, fw::Overflow::Refuse), fw::FieldOverflow);
}

TEST(FixedWidthWrite, WrittenValuesReadBack) {
    for (double v : {0.0, 1.5, -273.15, 99999.9, 0.001}) {
        std::string out;
        ASSERT_TRUE(fw::appendFixed(out, v, 12, 4, fw::Overflow::Refuse));
        double back = 0;
        ASSERT_TRUE(fw::readReal(out, 4, back));
        EXPECT_NEAR(back, v, 5e-5);
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(common::roundHalfEven(2.5), 2.0);
    EXPECT_EQ(common::roundHalfEven(3.5), 4.0);
    EXPECT_EQ(common::roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(common::roundHalfEvenToInt(0.5), 0);
    EXPECT_DOUBLE_EQ(common::roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(common::roundHalfEven(1.235, 2), 1.24); // 1.235 is just above the half in binary
    EXPECT_EQ(common::nint(2.5), 3);
    EXPECT_EQ(common::nint(-2.5), -3);
}

} // namespace
