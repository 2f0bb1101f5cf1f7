// The window editor's logic over the shipped tables and a small product library.  Figures worked by
// hand from the library records (window_library_fixture.h) and the shipped rows: furnishing 1 "None"
// (AddR 0), furnishing 2 "Holland Blind" (AddR 0.05), style 1 "Sliding Window" (45 %), shading 1
// "No Shading" (no schedule, 0 %), shading 2 the monthly schedule.
#include "modeller/editors/glazing_editor.h"

#include "editor_fixture.h"
#include "window_library_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class GlazingEditorTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        editor_test::FillWindowLibrary(model());
        zone_ = AddBoxZone(5.0, 4.0);
        model().Zones(zone_).Name = "Lounge";
        context().main.InsertWindowDown = [this] { return insertWindow_; };
        editor_ = std::make_unique<GlazingEditor>(context());
    }
    void TearDown() override {
        editor_.reset();
        EditorTest::TearDown();
    }
    // Selects and shows window `window` of wall `wall` of `zone`.
    void Show(int zone, int wall, int window) {
        selection().CurrentZone = zone;
        selection().CurrentWall = wall;
        selection().CurrentWindow = window;
        editor_->FormShow();
    }
    TWindowRec& Window(int zone, int wall, int window) { return model().WallWindows(zone, wall, window); }
    std::vector<QString> Informations() const { return messages_.informations(); }

    int zone_ = 0;
    bool insertWindow_ = false;
    std::unique_ptr<GlazingEditor> editor_;
};

TEST_F(GlazingEditorTest, AnExistingWindowShowsItsProductAndFiguresWorkedByHand) {
    const int w = AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    Show(zone_, 0, w);
    GlazingEditor& e = *editor_;
    EXPECT_EQ(e.Caption, "Window 1  Wall 1  Zone 1  Lounge");
    EXPECT_EQ(e.PageIndex, GlazingPage::CustomWindows);
    EXPECT_TRUE(e.pbfindVisible);
    EXPECT_EQ(e.WindowNameEB, "GGG-05-001a");
    EXPECT_EQ(e.BrandEB, "Generic");
    EXPECT_EQ(e.GlassEB, "GGG-05-001a glass");
    EXPECT_EQ(e.FrameEB, "GGG-05-001a frame");
    EXPECT_EQ(e.HEdit.Text(), "1200");
    EXPECT_EQ(e.WEdit.Text(), "1500");
    EXPECT_EQ(e.HHEdit.Text(), "2100");
    EXPECT_EQ(e.HeightRG.ItemIndex(), 2);
    EXPECT_EQ(e.WidthRG.ItemIndex(), 3);
    EXPECT_EQ(e.OffsetRG.ItemIndex(), 2);
    // Glass U 5.8, frame U 5.0 (x 1.22 = 6.1), fraction 0.7: U = 4.06 + 1.83 = 5.89, Rt = 0.1698,
    // SHGC = 0.525 + 6.1 x 0.3 x 0.3 / 21.8 = 0.5502; A = 1.8 m2, UA = 1.8 x 5.89 = 10.60.
    EXPECT_EQ(e.AreaLabel, "1.80 m²");
    EXPECT_EQ(e.SHGCLabel, "SHGC 0.55");
    EXPECT_EQ(e.RtLabel, "Rt 0.17");
    EXPECT_EQ(e.UALabel, "UA 10.60");
    EXPECT_EQ(e.RgLabel, "Rglass 0.17");
    EXPECT_EQ(e.RfLabel, "Rframe 0.20");
    EXPECT_EQ(e.RfurnLl, "Rfurn 0.00");
    EXPECT_EQ(e.ShadeLl, "Shading 0%");
    EXPECT_EQ(e.OpeningLl, "Opening 45%");
    EXPECT_NEAR(buffers_.WholeWindowU, 5.89, 1e-9);
    // The 5 m x 2.4 m wall at 0.02 px/mm on the bottom edge, the window 30 x 24 px with its head 42 px
    // up, and the eaves line at the head.
    ASSERT_EQ(e.PaintBox1.Rects.size(), 2u);
    EXPECT_EQ(e.PaintBox1.Rects[0], (PreviewRect{210, 152, 100, 48, preview_colour::kYellow}));
    EXPECT_EQ(e.PaintBox1.Rects[1], (PreviewRect{245, 158, 30, 24, preview_colour::kBlue}));
    EXPECT_EQ(e.EavesLineY, 158);
    e.OEdit.SetText("300");
    EXPECT_EQ(e.EavesLineY, 152);
    EXPECT_EQ(e.OffsetRG.ItemIndex(), 4);

    // A blind adds its R: Rt = 0.1698 + 0.05 = 0.2198, UA = 1.8 / 0.2198 = 8.19.
    e.furnishingstable.MoveTo(2);
    EXPECT_EQ(e.RtLabel, "Rt 0.22");
    EXPECT_EQ(e.UALabel, "UA 8.19");
    EXPECT_EQ(e.RfurnLl, "Rfurn 0.05");
}

TEST_F(GlazingEditorTest, AFrameUAboveFiveRaisesTheFrameByOneAndAHalf) {
    const int w = AddWindow(zone_, 0, 2.5, 1.0, 1.0, 2.1);
    Window(zone_, 0, w).ProductCode = "GGG-05-013a";
    Show(zone_, 0, w);
    // Glass U 3.0, frame U 5.01 (x 1.5 = 7.515), fraction 0.8: U = 2.4 + 1.503 = 3.903, Rt = 0.2562;
    // SHGC = 0.4 + 7.515 x 0.3 x 0.2 / 21.8 = 0.4207; UA = 1 / 0.2562 = 3.90.
    EXPECT_EQ(editor_->SHGCLabel, "SHGC 0.42");
    EXPECT_EQ(editor_->RtLabel, "Rt 0.26");
    EXPECT_EQ(editor_->UALabel, "UA 3.90");
}

TEST_F(GlazingEditorTest, AProductWithoutGlassOrFrameUShowsBlankFigures) {
    const int w = AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    for (auto [glassU, frameU] : {std::pair{0.0, 5.0}, std::pair{5.8, 0.0}}) {
        model().WindowProducts(1).GlassU = glassU;
        model().WindowProducts(1).FrameU = frameU;
        Show(zone_, 0, w);
        for (const std::string* label : {&editor_->SHGCLabel, &editor_->RtLabel, &editor_->UALabel,
                                         &editor_->RgLabel, &editor_->RfLabel})
            EXPECT_EQ(*label, "") << glassU << " " << frameU;
        EXPECT_EQ(editor_->AreaLabel, "1.80 m²");
        editor_->FormClose();
    }
}

TEST_F(GlazingEditorTest, SizesStayInsideTheWall) {
    const int shortWall = AddBoxZone(1.2, 4.0, 10.0, 0.0); // wall 0 is 1.2 m long
    // Inserting with the 1500 mm default width.
    const AddResult added = model().AddWindow(shortWall, 0);
    ASSERT_TRUE(added.added);
    insertWindow_ = true;
    Show(shortWall, 0, added.index);
    EXPECT_EQ(buffers_.EditWinWidth, 1199.0);
    EXPECT_EQ(editor_->WEdit.Text(), "1199");
    EXPECT_EQ(Informations(), std::vector<QString>{"Window Width can not be greater than Wall Length"});
    ASSERT_TRUE(editor_->OKSBClick());
    EXPECT_DOUBLE_EQ(Window(shortWall, 0, added.index).Width, 1.199);
    EXPECT_FALSE(selection().ElementDeleted);
    EXPECT_EQ(statusClears_, 1); // the window tool's prompt
    editor_->FormClose();

    // Typing and picking on an existing window of that wall.
    insertWindow_ = false;
    messages_.clear();
    Show(shortWall, 0, added.index);
    editor_->WEdit.SetText("1300");
    EXPECT_EQ(buffers_.EditWinWidth, 1200.0);
    EXPECT_EQ(editor_->WEdit.Text(), "1200");
    EXPECT_EQ(editor_->WidthRG.ItemIndex(), -1);
    editor_->WidthRG.SetItemIndex(4); // 1800
    EXPECT_EQ(buffers_.EditWinWidth, 1200.0);
    editor_->HEdit.SetText("2200"); // above the head height of 2100
    EXPECT_EQ(buffers_.EditWinHeight, 1200.0);
    EXPECT_EQ(editor_->HEdit.Text(), "");
    editor_->HEdit.SetText("abc");
    EXPECT_EQ(buffers_.EditWinHeight, 1200.0);
    EXPECT_EQ(Informations(),
              (std::vector<QString>{"Window Width can not be greater than Wall Width",
                                    "Window Width can not be greater than Wall Width",
                                    "Window Height can not be greater than Window Head Height"}));
    EXPECT_EQ(messages_.beeps, 4);
    // Cancel writes none of it.
    editor_->CancelSBClick();
    EXPECT_TRUE(selection().ElementDeleted);
    EXPECT_DOUBLE_EQ(Window(shortWall, 0, added.index).Width, 1.199);
    EXPECT_EQ(statusClears_, 2);
}

TEST_F(GlazingEditorTest, OKNeverStoresAHeadHeightBelowTheWindowOrAboveTheWall) {
    const int w = AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    for (const char* head : {"1000", "3000"}) {
        SCOPED_TRACE(head);
        messages_.clear();
        Window(zone_, 0, w).HeadHeight = 2.1;
        const TWindowRec before = Window(zone_, 0, w);
        Show(zone_, 0, w);
        editor_->HHEdit.SetText(head);
        // OK as Enter reaches it: the guard runs all the same and the dialog stays open.
        EXPECT_FALSE(editor_->OKSBClick());
        EXPECT_EQ(Window(zone_, 0, w), before);
        EXPECT_EQ(Informations(),
                  std::vector<QString>{"Window Head Height has been increased to Wall Height"});
        EXPECT_EQ(editor_->HHEdit.Text(), "2400");
        EXPECT_TRUE(editor_->OKSBClick());
        EXPECT_DOUBLE_EQ(Window(zone_, 0, w).HeadHeight, 2.4);
        editor_->FormClose();
    }

    // A window taller than its wall is lowered first, then its head set at the wall.
    messages_.clear();
    Window(zone_, 0, w).Height = 2.6;
    Window(zone_, 0, w).HeadHeight = 2.1;
    Show(zone_, 0, w);
    EXPECT_FALSE(editor_->OKSBClick());
    EXPECT_FALSE(editor_->OKSBClick());
    EXPECT_TRUE(editor_->OKSBClick());
    EXPECT_EQ(Informations(), (std::vector<QString>{"Window Height can not be greater than Wall Height",
                                                    "Window Head Height has been increased to Wall Height"}));
    EXPECT_DOUBLE_EQ(Window(zone_, 0, w).Height, 2.4);
    EXPECT_DOUBLE_EQ(Window(zone_, 0, w).HeadHeight, 2.4);
}

TEST_F(GlazingEditorTest, PagesFollowTheKindOfCode) {
    const int w = AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    Window(zone_, 0, w).ProductCode = "ZED-02-002a";
    Show(zone_, 0, w);
    GlazingEditor& e = *editor_;
    EXPECT_EQ(e.WindowNameEB, "ZED-02-002a");
    // A library product cannot be shown on "Generic".
    e.PageControl1Change(GlazingPage::Generic);
    EXPECT_EQ(e.PageIndex, GlazingPage::CustomWindows);
    EXPECT_TRUE(e.pbfindVisible);
    EXPECT_EQ(e.WindowNameEB, "ZED-02-002a");

    // The chooser picks a generic product: "Generic" then shows its glass and frame rows.
    e.ShowCustomWindows = [this] {
        buffers_.WindowProductIndex = 13;
        buffers_.CurrentWindowCode = "GGG-05-013a";
    };
    e.pbfindClick();
    EXPECT_EQ(buffers_.SavedWindowProductIndex, 61);
    EXPECT_EQ(e.WindowNameEB, "GGG-05-013a");
    e.PageControl1Change(GlazingPage::Generic);
    EXPECT_EQ(e.PageIndex, GlazingPage::Generic);
    EXPECT_FALSE(e.pbfindVisible);
    EXPECT_EQ(e.glasstable.RecNo(), 4);
    EXPECT_EQ(e.frametable.RecNo(), 1);
    // Another frame makes another generic code, which OK stores with the rows.
    e.frametable.MoveTo(2);
    EXPECT_EQ(e.WindowNameEB, "GGG-05-014a");
    ASSERT_TRUE(e.OKSBClick());
    const TWindowRec& stored = Window(zone_, 0, w);
    EXPECT_EQ(stored.ProductCode, "GGG-05-014a");
    EXPECT_EQ(stored.Glass, 4);
    EXPECT_EQ(stored.Frame, 2);
}

TEST_F(GlazingEditorTest, AGlassAndFramePairWithoutAProductIsRefused) {
    model().WindowProducts(6).ProductCode = "GONE-000000"; // "GGG-05-006a": glass 2 with frame 2
    const int w = AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    Show(zone_, 0, w);
    GlazingEditor& e = *editor_;
    e.PageControl1Change(GlazingPage::Generic);
    e.frametable.MoveTo(2);
    EXPECT_EQ(e.WindowNameEB, "GGG-05-002a");
    e.glasstable.MoveTo(2);
    EXPECT_EQ(Informations(),
              std::vector<QString>{QString::fromUtf8(glazing_text::kNoGenericProduct.data())});
    EXPECT_EQ(e.glasstable.RecNo(), 1);
    EXPECT_EQ(e.frametable.RecNo(), 2);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(Window(zone_, 0, w).ProductCode, "GGG-05-002a");
    EXPECT_EQ(Window(zone_, 0, w).Glass, 1);
    EXPECT_EQ(Window(zone_, 0, w).Frame, 2);
}

TEST_F(GlazingEditorTest, TheMonthlyScheduleCountsOnlyForADeviceWithASchedule) {
    const int w = AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    Window(zone_, 0, w).MonthlyShading.fill(50);
    Show(zone_, 0, w);
    GlazingEditor& e = *editor_;
    EXPECT_FALSE(e.HorizShadSchedButtonVisible);
    EXPECT_TRUE(e.HorShadeCheckBox);
    ASSERT_TRUE(e.OKSBClick());
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(Window(zone_, 0, w).MonthlyShading(m), 100);
    e.FormClose();

    Show(zone_, 0, w);
    EXPECT_FALSE(e.HorShadeCheckBox);
    e.shadingtable.MoveTo(2);
    EXPECT_TRUE(e.HorizShadSchedButtonVisible);
    EXPECT_EQ(e.ShadeLl, "");
    e.ShowSchedule = [](MonthlyPercent& months) { months(7) = 20; };
    e.HorizShadSchedButtonClick();
    EXPECT_TRUE(e.HorShadeCheckBox);
    e.ShowVerticalShading = [this] {
        buffers_.EditVertShading(1) = 0.3;
        buffers_.EditVertShading(3) = 0.1;
    };
    e.VertSButtonClick();
    EXPECT_TRUE(e.VertShadCB);
    ASSERT_TRUE(e.OKSBClick());
    const TWindowRec& stored = Window(zone_, 0, w);
    EXPECT_EQ(stored.Shading, 2);
    EXPECT_EQ(stored.MonthlyShading(7), 20);
    EXPECT_EQ(stored.MonthlyShading(6), 100);
    EXPECT_EQ(stored.VertShadeLeftWidth, 0.3);
    EXPECT_EQ(stored.VertShadeLeftOffset, 0.1);
    EXPECT_EQ(stored.VertShadeRightWidth, 0.0);
}

TEST_F(GlazingEditorTest, DefaultsModeEditsTheLevelsDefaultWindow) {
    model().DefaultsMode = true;
    TLevelDefaultRec& d = model().LevelDefaults(1);
    d.DefExtHeight = 2700.0;
    editor_->FormShow();
    GlazingEditor& e = *editor_;
    EXPECT_EQ(e.Caption, "Default Window");
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    // A 4000 mm wall 2700 mm high: 80 x 54 px.
    EXPECT_EQ(e.PaintBox1.Rects[0], (PreviewRect{220, 146, 80, 54, preview_colour::kYellow}));
    e.WEdit.SetText("900");
    e.EAEdit.SetText("450");
    e.ShowVerticalShading = [this] { buffers_.EditVertShading(2) = 0.25; };
    e.VertSButtonClick();
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(d.DefWinWidth, 900.0);
    EXPECT_EQ(d.DefWin2ndEaves, 450.0);
    EXPECT_EQ(d.DefWinCode, "GGG-05-001a");
    EXPECT_EQ(d.DefVertShadeRightWidth, 0.25);
}

TEST_F(GlazingEditorTest, PasteLimitsTheCopiedWindowToTheWall) {
    const int big = AddWindow(zone_, 0, 2.5, 2.4, 1.8, 2.1);
    Window(zone_, 0, big).ProductCode = "KLW-06-101a";
    Show(zone_, 0, big);
    editor_->CopyButtonClick();
    editor_->FormClose();
    const int shortWall = AddBoxZone(1.2, 4.0, 10.0, 0.0);
    const int w = AddWindow(shortWall, 0, 0.6, 0.6, 0.6, 2.1);
    Show(shortWall, 0, w);
    EXPECT_TRUE(editor_->PasteButtonVisible);
    editor_->PasteButtonClick();
    EXPECT_EQ(buffers_.EditWinWidth, 1199.0);
    EXPECT_EQ(buffers_.EditWinHeight, 1800.0);
    EXPECT_EQ(editor_->WindowNameEB, "KLW-06-101a");
    ASSERT_TRUE(editor_->OKSBClick());
    EXPECT_EQ(Window(shortWall, 0, w).ProductCode, "KLW-06-101a");
    EXPECT_DOUBLE_EQ(Window(shortWall, 0, w).Width, 1.199);
}

} // namespace
