// The checked card pieces: right-aligned values, whole numbers without a point, and a value too wide
// for its field refused with the element named.
#include "writer_fixture.h"

#include "modeller/engine_input/card_fields.h"

#include <limits>

namespace writer_test {
namespace {

using namespace pelmora;

TEST(CardFields, WritesRightAlignedPieces) {
    EXPECT_EQ(CardText("e", " 1 14     ").real(0.57, 4, 2).str(), " 1 14     0.57");
    EXPECT_EQ(RealField(-34.9, 6, 1, "e"), " -34.9");
    EXPECT_EQ(RealField(59.5, 6, 0, "e"), "    60"); // no decimals: a whole number, halves to even
    EXPECT_EQ(RealField(60.5, 6, 0, "e"), "    60");
    EXPECT_EQ(RealField(0.125, 6, 2, "e"), "  0.12"); // halves to even
    EXPECT_EQ(RealField(-0.001, 6, 2, "e"), "  0.00");
    EXPECT_EQ(IntegerField(21, 3, "e"), " 21");
    EXPECT_EQ(CardText("e").field("GGG", 5).text("|").str(), "GGG  |");
}

TEST(CardFields, RefusesAValueTooWideAndNamesItsElement) {
    EXPECT_EQ(
        ScratchErrorOf([] { IntegerField(1000, 3, "curtain 1000"); }),
        "curtain 1000: the value 1000 does not fit in its field of 3 characters of the engine input file");
    EXPECT_EQ(ScratchErrorOf([] { RealField(-100.0, 6, 2, "the slab"); }),
              "the slab: the value -100 does not fit in its field of 6 characters of the engine input file");
    EXPECT_EQ(
        ScratchErrorOf([] { RealField(1e7, 6, 0, "the slab"); }),
        "the slab: the value 10000000 does not fit in its field of 6 characters of the engine input file");
    EXPECT_EQ(ScratchErrorOf([] { RealField(std::numeric_limits<double>::quiet_NaN(), 6, 2, "a wall"); }),
              "a wall: a value that is not a finite number cannot be written to the engine input file");
    EXPECT_EQ(
        ScratchErrorOf([] { CardText("a window").field("GGG-05-001ab", 11); }),
        "a window: the value \"GGG-05-001ab\" does not fit in its field of 11 characters of the engine input "
        "file");
}

TEST(CardFields, ShortestDecimalForm) {
    EXPECT_EQ(ShortestDecimal(0.9), "0.9");
    EXPECT_EQ(ShortestDecimal(0.05), "0.05");
    EXPECT_EQ(ShortestDecimal(2.0), "2");
    EXPECT_EQ(ShortestDecimal(2.5), "2.5");
}

} // namespace
} // namespace writer_test
