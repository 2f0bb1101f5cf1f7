// Generic window and skylight codes, library lookup and the whole-window figures, worked by hand.
#include "modeller/model/product_codes.h"

#include "modeller/model/model_error.h"
#include "window_library_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace pelmora;

TEST(ProductCodesTest, GenericWindowCodesRoundTripWithTheirRows) {
    struct Case {
        const char* code;
        int glass, frame;
    };
    for (const Case& c : {Case{"GGG-05-001a", 1, 1}, Case{"GGG-05-004a", 1, 4}, Case{"GGG-05-005a", 2, 1},
                          Case{"GGG-05-013a", 4, 1}, Case{"GGG-05-060a", 15, 4}}) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(GenericWindowCode(c.glass, c.frame), c.code);
        EXPECT_EQ(RowsOfGenericWindowCode(c.code), (GenericWindowRows{c.glass, c.frame}));
    }
    // Only the prefix and the two digits count.
    EXPECT_EQ(RowsOfGenericWindowCode("GGGxxxxx07z"), (GenericWindowRows{2, 3}));
    for (const char* code :
         {"ggg-05-001a", "GGG-05-000a", "GGG-05-061a", "GGG-05-0x1a", "GGG", "KLW-06-101a"}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(RowsOfGenericWindowCode(code));
    }
    EXPECT_FALSE(IsGenericWindowCode("ggg-05-001a"));
    for (auto [g, r] : {std::pair{16, 1}, std::pair{1, 5}, std::pair{0, 1}, std::pair{1, 0}})
        EXPECT_FALSE(GenericWindowCode(g, r));
}

TEST(ProductCodesTest, GenericSkylightCodesPairTypeAndFrameRows) {
    EXPECT_EQ(GenericSkylightCode(1, 2), "GEN-04-001a");
    EXPECT_EQ(GenericSkylightCode(5, 2), "GEN-04-005a");
    EXPECT_EQ(GenericSkylightCode(3, 1), "GEN-04-008a");
    EXPECT_EQ(GenericSkylightCode(5, 1), "GEN-04-010a");
    EXPECT_FALSE(GenericSkylightCode(3, 3));
    EXPECT_FALSE(GenericSkylightCode(6, 1));
}

TEST(ProductCodesTest, LookupFindsTheFirstEqualCodeOnly) {
    auto model = std::make_unique<HouseModel>();
    const int n = editor_test::FillWindowLibrary(*model);
    model->WindowProducts(n + 1) = model->WindowProducts(61); // the same code twice
    EXPECT_EQ(WindowProductIndexOf(*model, "ZED-02-002a"), 61);
    EXPECT_EQ(WindowProductIndexOf(*model, "GGG-05-013a"), 13);
    EXPECT_EQ(WindowProductIndexOf(*model, "ggg-05-013a"), 0);
    EXPECT_EQ(WindowProductIndexOf(*model, ""), 0);
    model->SkylightProducts(3).ProductCode = "GEN-04-003a";
    EXPECT_EQ(SkylightProductIndexOf(*model, "GEN-04-003a"), 3);
    EXPECT_EQ(SkylightProductIndexOf(*model, "GEN-04-004a"), 0);
}

TEST(ProductCodesTest, WholeWindowFiguresWeightGlassAndRaisedFrame) {
    struct Case {
        double glassU, frameU, shgc, fraction;
        double factor, u, windowShgc;
    };
    // U = Ug f + (1 - f) k Uf; SHGC = SHGCg f + k Uf 0.3 (1 - f) / 21.8.
    for (const Case& c : {
             // frame U exactly 5: k 1.22, Fu 6.1; U 4.06 + 1.83; SHGC 0.525 + 0.549 / 21.8
             Case{5.8, 5.0, 0.75, 0.7, 1.22, 5.89, 0.525 + 0.549 / 21.8},
             // frame U 5.01: k 1.5, Fu 7.515; U 2.4 + 1.503; SHGC 0.4 + 0.4509 / 21.8
             Case{3.0, 5.01, 0.5, 0.8, 1.5, 3.903, 0.4 + 0.4509 / 21.8},
             // all glass: the frame does not count
             Case{2.0, 9.0, 0.6, 1.0, 1.5, 2.0, 0.6},
         }) {
        const WholeWindowFigures w =
            WholeWindowValues(editor_test::Product("X", "M", c.glassU, c.frameU, c.shgc, c.fraction));
        EXPECT_DOUBLE_EQ(w.FrameFactor, c.factor);
        EXPECT_NEAR(w.U, c.u, 1e-12);
        EXPECT_NEAR(w.SHGC, c.windowShgc, 1e-12);
    }
    EXPECT_FALSE(HasThermalValues(CustWinType{}));
    EXPECT_FALSE(HasThermalValues(editor_test::Product("X", "M", 0.0, 5.0, 0.5, 0.7)));
    EXPECT_TRUE(HasThermalValues(editor_test::Product("X", "M", 5.8, 5.0, 0.5, 0.7)));
}

TEST(ProductCodesTest, ALibraryWithoutEveryGenericCodeIsReportedByName) {
    auto model = std::make_unique<HouseModel>();
    editor_test::FillWindowLibrary(*model);
    EXPECT_NO_THROW(CheckGenericWindowCodes(*model));
    model->WindowProducts(7).ProductCode = "XYZ-00-000a";
    EXPECT_EQ(MissingGenericWindowCodes(*model), std::vector<std::string>{"GGG-05-007a"});
    try {
        CheckGenericWindowCodes(*model);
        FAIL() << "a missing generic code was accepted";
    } catch (const ModelError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("VORTwindows.txt"), std::string::npos) << text;
        EXPECT_NE(text.find("GGG-05-007a"), std::string::npos) << text;
    }
}

} // namespace
