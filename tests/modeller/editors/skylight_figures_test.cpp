// The skylight editor's product codes, figures and drawings as plain functions.  Every number below is
// worked by hand from the product's values.
#include "modeller/editors/skylight_figures.h"
#include "modeller/model/product_codes.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using namespace pelmora;

TEST(SkylightProductCodes, GenericCodesAndTheirRows) {
    EXPECT_EQ(GenericWindowCode(1, 1), "GGG-05-001a");
    EXPECT_EQ(GenericWindowCode(4, 1), "GGG-05-013a");
    EXPECT_EQ(GenericWindowCode(15, 4), "GGG-05-060a");
    EXPECT_EQ(GenericWindowCode(16, 1), std::nullopt);
    EXPECT_EQ(GenericWindowCode(1, 5), std::nullopt);
    EXPECT_EQ(RowsOfGenericWindowCode("GGG-05-013a"), (GenericWindowRows{4, 1}));
    EXPECT_EQ(RowsOfGenericWindowCode("GGG-05-060a"), (GenericWindowRows{15, 4}));
    // Only the first three characters and NN count.
    EXPECT_EQ(RowsOfGenericWindowCode("GGGxxxxx07y"), (GenericWindowRows{2, 3}));
    EXPECT_EQ(RowsOfGenericWindowCode("GGG-05-061a"), std::nullopt);
    EXPECT_EQ(RowsOfGenericWindowCode("GGG-05-000a"), std::nullopt);
    EXPECT_TRUE(IsGenericWindowCode("GGG-05-0x1a"));
    EXPECT_FALSE(IsGenericWindowCode("ggg-05-001a"));
    EXPECT_EQ(GenericSkylightCode(1, 2), "GEN-04-001a");
    EXPECT_EQ(GenericSkylightCode(5, 2), "GEN-04-005a");
    EXPECT_EQ(GenericSkylightCode(3, 1), "GEN-04-008a");
    EXPECT_EQ(GenericSkylightCode(3, 3), std::nullopt);
    EXPECT_EQ(GenericSkylightCode(6, 1), std::nullopt);
}

TEST(SkylightProductCodes, LookupIsWholeAndTheLowerEntryWins) {
    HouseModel model;
    model.SkylightProducts(2).ProductCode = "GEN-04-003a";
    model.SkylightProducts(7).ProductCode = "GEN-04-003a";
    model.WindowProducts(3).ProductCode = "GGG-05-001a";
    EXPECT_EQ(SkylightProductIndexOf(model, "GEN-04-003a"), 2);
    EXPECT_EQ(SkylightProductIndexOf(model, "GEN-04-003"), 0);
    EXPECT_EQ(SkylightProductIndexOf(model, ""), 0); // the empty codes past the products match nothing
    EXPECT_EQ(WindowProductIndexOf(model, "GGG-05-001a"), 3);
    EXPECT_EQ(WindowProductIndexOf(model, "ggg-05-001a"), 0);
}

TEST(SkylightFigures, ARoofSkylightCountsItsFrameAsItIs) {
    CustSkyType p;
    p.ProductCode = "SKY-01-001a";
    p.GlassU = 5.0;
    p.FrameU = 10.0;
    p.GlassFraction = 0.8;
    // U = 5 x 0.8 + 10 x 0.2 = 6; Rt = 1/6 = 0.1667; a 600 x 600 skylight of 0.36 m2 has UA 2.16.
    const GlazingFigures f = SkylightProductFigures(p, 0.36, 0.15);
    EXPECT_EQ(f.AreaLabel, "     Area  0.36 m²");
    EXPECT_EQ(f.NameEB, "SKY-01-001a");
    EXPECT_EQ(f.RtLabel, "Rt                  0.17");
    EXPECT_EQ(f.UALabel, "UA                 2.16");
    EXPECT_EQ(f.RgLabel, "Rglass            0.20");
    EXPECT_EQ(f.RfLabel, "Rframe            0.10");
    EXPECT_EQ(f.RfurnLl, "Rfurn = 0.15");
    EXPECT_EQ(f.SHGCLabel, "");
    EXPECT_DOUBLE_EQ(f.WholeWindowU, 6.0);
}

TEST(SkylightFigures, AClerestoryWindowsRtAndUAAgreeAsInTheWindowEditor) {
    CustWinType p;
    p.ProductCode = "GGG-05-013a";
    p.Manufacturer = "Maker";
    p.Brand = "Glass";
    p.ProductName = "Frame";
    p.GlassU = 3.0;
    p.FrameU = 6.0; // above 5: the frame counts 1.5 x 6 = 9
    p.GlassFraction = 0.7;
    p.GlassSHGC = 0.6;
    // U = 3 x 0.7 + 0.3 x 9 = 4.8; Rt = 1 / 4.8 + 0.15 = 0.3583 (the frame taken without its factor
    // would give 1 / 3.9 + 0.15 = 0.41); UA = 1.08 / 0.3583 = 3.014.
    // SHGC = 0.6 x 0.7 + 9 x 0.3 x 0.3 / 21.8 = 0.4572.
    const GlazingFigures f = ClerestoryWindowFigures(p, 2.0, 1.08, 0.15, 90.0);
    EXPECT_EQ(f.GrossWallAreaLabel, "Gross Wall A  2.00 m²");
    EXPECT_EQ(f.NettWallAreaLabel, "Net Wall A    0.92 m²");
    EXPECT_EQ(f.AreaLabel, "Window A      1.08 m²");
    EXPECT_EQ(f.RtLabel, "Rt                  0.36");
    EXPECT_EQ(f.UALabel, "UA                 3.01");
    EXPECT_EQ(f.SHGCLabel, "SHGC             0.46");
    EXPECT_EQ(f.RgLabel, "Rglass            0.33");
    EXPECT_EQ(f.RfLabel, "Rframe            0.17");
    EXPECT_EQ(f.RfurnLl, "Rfurn   0.15");
    EXPECT_EQ(f.OpeningLl, "Opening 90%");
    EXPECT_EQ(f.BrandEB, "Maker");
    EXPECT_EQ(f.GlassEB, "Glass");
    EXPECT_EQ(f.FrameEB, "Frame");
    EXPECT_EQ(f.WindowNameEB, "GGG-05-013a");
    EXPECT_NEAR(f.WholeWindowU, 4.8, 1e-12);
    EXPECT_NEAR(f.WholeWindowSHGC, 0.457156, 1e-6);
    // A frame U of exactly 5 takes the factor 1.22: U = 3 x 0.7 + 0.3 x 6.1 = 3.93.
    p.FrameU = 5.0;
    EXPECT_NEAR(ClerestoryWindowFigures(p, 2.0, 1.08, 0.0, 0.0).WholeWindowU, 3.93, 1e-12);
}

TEST(SkylightFigures, AGlassOrFrameUOfZeroShowsBlanksInsteadOfDividing) {
    struct Case {
        double glassU, frameU;
        const char *rt, *rg, *rf;
    };
    for (const Case c :
         {Case{0.0, 0.0, "Rt                  ", "Rglass            ", "Rframe            "},
          Case{0.0, 4.0, "Rt                  ", "Rglass            ", "Rframe            0.25"},
          Case{2.0, 0.0, "Rt                  ", "Rglass            0.50", "Rframe            "}}) {
        CustSkyType sky;
        sky.GlassU = c.glassU;
        sky.FrameU = c.frameU;
        sky.GlassFraction = 1.0;
        const GlazingFigures s = SkylightProductFigures(sky, 0.36, 0.0);
        EXPECT_EQ(s.RtLabel, c.rt) << c.glassU << " " << c.frameU;
        EXPECT_EQ(s.UALabel, "UA                 ");
        EXPECT_EQ(s.RgLabel, c.rg);
        EXPECT_EQ(s.RfLabel, c.rf);
        EXPECT_EQ(s.WholeWindowU, 0.0);
        CustWinType window;
        window.GlassU = c.glassU;
        window.FrameU = c.frameU;
        window.GlassFraction = 1.0;
        const GlazingFigures w = ClerestoryWindowFigures(window, 2.0, 1.0, 0.0, 0.0);
        EXPECT_EQ(w.RtLabel, c.rt);
        EXPECT_EQ(w.UALabel, "UA                 ");
        EXPECT_EQ(w.RgLabel, c.rg);
        EXPECT_EQ(w.RfLabel, c.rf);
    }
}

TEST(SkylightDrawings, TheSlopeLineEndAndTheDraggedSlope) {
    EXPECT_EQ(TiltPointOf(22.0), (PixelPoint{93, 83}));
    EXPECT_EQ(TiltPointOf(90.0), (PixelPoint{0, 20}));
    EXPECT_EQ(TiltPointOf(0.0001), (PixelPoint{100, 120}));
    EXPECT_EQ(DraggedSlope(50, 70), 45.0);
    EXPECT_EQ(DraggedSlope(0, 20), 90.0); // x = 0 is taken as 0.000001
    EXPECT_EQ(DraggedSlope(100, 130), -6.0);
    TiltDrawing d;
    d.TiltPoint = {93, 83};
    EXPECT_EQ(d.End(), (PixelPoint{103, 83}));
    EXPECT_EQ(d.Triangle()[2], (PixelPoint{103, 120}));
    EXPECT_EQ(d.BoxTopLeft(), (PixelPoint{100, 80}));
    EXPECT_EQ(d.BoxBottomRight(), (PixelPoint{106, 86}));
}

TEST(SkylightDrawings, BearingsFollowTheNorthAngle) {
    const std::array<std::string, 8> north{"0°", "45°", "90°", "135°", "180°", "225°", "270°", "315°"};
    EXPECT_EQ(BearingCaptions(0.0), north);
    const std::array<std::string, 8> thirty{"330°", "15°", "60°", "105°", "150°", "195°", "240°", "285°"};
    EXPECT_EQ(BearingCaptions(30.0 * std::numbers::pi / 180.0), thirty);
    // 100 degrees: plan direction 45 becomes -55, shown as 305.
    EXPECT_EQ(BearingCaptions(100.0 * std::numbers::pi / 180.0)[1], "305°");
}

TEST(SkylightDrawings, TheBarIsCentredAndTheWindowHangsFromTheEaves) {
    // 20 px per metre: 0.02 px per mm.
    ElevationPicture bar;
    DrawBar(bar, 0.02, 600.0, 1200.0);
    ASSERT_EQ(bar.Rects.size(), 1u);
    // 12 x 24 px around the middle (260, 100) of the 520 x 200 box.
    EXPECT_EQ(bar.Rects[0], (PreviewRect{254, 88, 12, 24, preview_colour::kBlue}));
    ElevationPicture wall;
    DrawWall(wall, 0.02, 2000.0, 1000.0);
    DrawWindow(wall, 0.02, 1200.0, 600.0, 1000.0, 100.0);
    ASSERT_EQ(wall.Rects.size(), 2u);
    EXPECT_EQ(wall.Rects[0], (PreviewRect{240, 180, 40, 20, preview_colour::kYellow}));
    // 24 x 12 px, its head 0.1 m (2 px) below the top of the wall.
    EXPECT_EQ(wall.Rects[1], (PreviewRect{248, 182, 24, 12, preview_colour::kBlue}));
}

} // namespace
