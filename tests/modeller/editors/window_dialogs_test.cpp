// The custom window chooser, the vertical shading dialog and the shading schedules: their logic over
// a small product library, and the dialogs offscreen where keys and files are the point.
#include "modeller/editors/cust_win_chooser.h"
#include "modeller/editors/cust_win_form.h"
#include "modeller/editors/glazing_form.h"
#include "modeller/editors/shad_sched_form.h"
#include "modeller/editors/vert_shad_form.h"
#include "modeller/editors/vert_shading.h"

#include "common/text_values.h"
#include "editor_fixture.h"
#include "modeller/model/model_error.h"
#include "tests/support/chart_titles.h"
#include "window_library_fixture.h"

#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace pelmora;

// ---- Custom window chooser -------------------------------------------------------------------------

class CustWinChooserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model_ = std::make_unique<HouseModel>();
        count_ = editor_test::FillWindowLibrary(*model_);
        chooser_ = std::make_unique<CustWinChooser>(*model_, buffers_, messages_);
    }
    // Opens the chooser on library entry `index` as the window editor does.
    void Open(int index) {
        buffers_.WindowProductIndex = index;
        buffers_.SavedWindowProductIndex = index;
        buffers_.CurrentWindowCode = model_->WindowProducts(index).ProductCode;
        chooser_->FormShow();
    }
    std::unique_ptr<HouseModel> model_;
    int count_ = 0;
    EditorBuffers buffers_;
    platform::ScriptedMessageService messages_;
    std::unique_ptr<CustWinChooser> chooser_;
};

TEST_F(CustWinChooserTest, ShowListsTheMakersProductsInLibraryOrder) {
    Open(63); // "ZED-02-001a"
    CustWinChooser& c = *chooser_;
    EXPECT_EQ(c.ManufacturerNames, (std::vector<std::string>{"Generic", "Zedd Windows", "Kelwood Joinery",
                                                             "Alpha Aluminium", ""}));
    EXPECT_EQ(c.ManufacturerItems,
              (std::vector<std::string>{"Alpha Aluminium", "Generic", "Kelwood Joinery", "Zedd Windows"}));
    EXPECT_EQ(c.ManufacturerCB, "Zedd Windows");
    EXPECT_EQ(c.ProductLB, (std::vector<std::string>{"ZED-02-002a", "ZED-02-001a"}));
    EXPECT_EQ(c.ProductLBIndex, 1);
    EXPECT_EQ(c.UMaxCB, "30.00");
    EXPECT_EQ(c.SMaxCB, "1.00");
    // All glass: the window's figures are the glass's.
    EXPECT_EQ(c.WinUEB, "2.00");
    EXPECT_EQ(c.WinSHGCEB, "0.38");
    EXPECT_EQ(c.FrameAEB, "0");
    EXPECT_EQ(c.FrameUEB, "3.66"); // 3.0 x 1.22
    ASSERT_EQ(c.Transmittance.size(), 10u);
    EXPECT_EQ(c.Transmittance[9], (std::pair{90.0, 100.0 * (0.8 - 0.45)}));
    EXPECT_EQ(c.PaneAbsorptances.size(), 1u);

    c.ProductLBClick(0);
    EXPECT_EQ(buffers_.WindowProductIndex, 61);
    EXPECT_EQ(c.WindowNameEB, "ZED-02-002a");
}

TEST_F(CustWinChooserTest, LimitsIncludeTheirBounds) {
    Open(61);
    CustWinChooser& c = *chooser_;
    c.LimitChange(ChooserLimit::UMax, "3");
    EXPECT_EQ(c.ProductLB, (std::vector<std::string>{"ZED-02-002a", "ZED-02-001a"})); // U 3.0 and 2.0
    c.LimitChange(ChooserLimit::UMax, "2.999");
    EXPECT_EQ(c.ProductLB, std::vector<std::string>{"ZED-02-001a"});
    c.LimitChange(ChooserLimit::SMin, "0.376"); // SHGC 0.375
    EXPECT_TRUE(c.ProductLB.empty());
    // A limit that is not a number is reported; the limit and the list stay.
    c.LimitChange(ChooserLimit::UMax, "x");
    EXPECT_EQ(messages_.errors().size(), 1u);
    EXPECT_EQ(c.UMax, 2.999);
    c.ResetButtonClick();
    EXPECT_EQ(c.ProductLB.size(), 2u);
    c.SetSearchMode(SearchMode::All);
    EXPECT_EQ(c.ProductLB.size(), static_cast<std::size_t>(count_)); // every product, no empty code
}

TEST_F(CustWinChooserTest, SimilarProductsLieWithinATenthOfTheShownFigures) {
    Open(61);
    CustWinChooser& c = *chooser_;
    c.WinUEB = "29.95";
    c.WinSHGCEB = "0.05";
    c.pbfindClick();
    EXPECT_EQ(c.UMax, 30.0);
    EXPECT_NEAR(c.UMin, 29.85, 1e-12);
    EXPECT_NEAR(c.SMax, 0.15, 1e-12);
    EXPECT_EQ(c.SMin, 0.0);
    EXPECT_EQ(c.SearchRG, SearchMode::All);

    c.WinUEB = "3.00";
    c.WinSHGCEB = "0.63";
    c.pbfindClick(); // U 2.9 .. 3.1, SHGC 0.53 .. 0.73
    EXPECT_EQ(c.ProductLB, std::vector<std::string>{"ZED-02-002a"});
}

TEST_F(CustWinChooserTest, OKTakesTheChosenProductAndCancelRestoresTheIndex) {
    Open(61);
    CustWinChooser& c = *chooser_;
    c.ProductLBClick(1);
    c.OKSBClick();
    EXPECT_EQ(buffers_.CurrentWindowCode, "ZED-02-001a");

    Open(61);
    c.ProductLBClick(1);
    c.WindowNameEB.clear(); // the product box emptied
    c.OKSBClick();
    EXPECT_EQ(buffers_.WindowProductIndex, 61);
    EXPECT_EQ(buffers_.CurrentWindowCode, "ZED-02-002a");

    Open(61);
    c.ProductLBClick(1);
    c.CancelSBClick();
    EXPECT_EQ(buffers_.WindowProductIndex, 61);
    EXPECT_EQ(buffers_.CurrentWindowCode, "ZED-02-002a");
}

TEST_F(CustWinChooserTest, AnyNumberOfMakersIsListed) {
    for (int i = 1; i <= 150; ++i)
        model_->WindowProducts(count_ + i) = editor_test::Product(
            "M" + std::to_string(i), "Maker " + std::to_string(1000 + i), 3.0, 3.0, 0.5, 1.0);
    Open(count_ + 150);
    EXPECT_EQ(chooser_->ManufacturerItems.size(), 154u);
    EXPECT_EQ(chooser_->ManufacturerCB, "Maker 1150");
    EXPECT_EQ(chooser_->ProductLB, std::vector<std::string>{"M150"});
}

// ---- Vertical shading ------------------------------------------------------------------------------

TEST(VertShadingTest, TwinBoxesReadAlikeAndNegativeWidthsAreRefused) {
    ElementClipboard clipboard;
    platform::ScriptedMessageService messages;
    VertShadingEditor e(clipboard, messages);
    VertShadingValues values{};
    values(1) = 0.5;
    values(3) = -0.2;
    e.SetValues("Default Vertical Shading", values);
    EXPECT_EQ(e.LWEdit.Text(), "0.50");
    EXPECT_EQ(e.LOEdit2.Text(), "-0.20");
    EXPECT_FALSE(e.PasteButtonVisible);

    e.LOEdit2.SetText("0.5");
    EXPECT_EQ(e.LOEdit.Text(), "0.5");
    EXPECT_EQ(e.VertShadeWork(3), 0.5);
    e.LOEdit.SetText("x");
    EXPECT_EQ(e.LOEdit.Text(), "");
    EXPECT_EQ(e.LOEdit2.Text(), "");
    EXPECT_EQ(e.VertShadeWork(3), 0.5);
    EXPECT_EQ(messages.beeps, 1);
    e.ROEdit.SetText("-0.3"); // offsets may be negative
    EXPECT_EQ(e.VertShadeWork(4), -0.3);
    for (EditText* width : {&e.LWEdit2, &e.RWEdit}) {
        width->SetText("-0.4");
        EXPECT_EQ(width->Text(), width == &e.RWEdit ? "0.00" : "0.50");
    }
    EXPECT_EQ(e.VertShadeWork(1), 0.5);
    EXPECT_EQ(e.VertShadeWork(2), 0.0);
    EXPECT_EQ(messages.informations(),
              (std::vector<QString>(2, QString::fromUtf8(vert_shading_text::kNegativeWidth.data()))));

    e.CopyButtonClick();
    e.SBDeleteClick();
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(e.VertShadeWork(i), 0.0);
    EXPECT_EQ(e.RWEdit2.Text(), "0.00");
    e.PasteButtonClick();
    EXPECT_EQ(e.VertShadeWork(1), 0.5);
    EXPECT_EQ(e.VertShadeWork(4), -0.3);
}

// ---- Shading schedules -----------------------------------------------------------------------------

TEST(ShadingScheduleTest, DraggingMovesInStepsOfFivePercent) {
    ShadingSchedule s;
    MonthlyPercent values{};
    values.fill(100);
    s.Load(values);
    s.MouseDown(ShadingSchedule::BarX(3) + 5, 10 + 5); // March's handle at y 10
    ASSERT_TRUE(s.Dragging);
    EXPECT_EQ(s.PickedMonth, 3);
    for (auto [y, percent] : {std::pair{15, 95}, std::pair{25, 95}, std::pair{35, 85}, std::pair{12, 100},
                              std::pair{209, 0}, std::pair{100, 55}}) {
        EXPECT_TRUE(s.MouseMove(y));
        EXPECT_EQ(s.MonthPercent(3), percent) << y;
        EXPECT_EQ(s.edpercentage, std::to_string(percent));
    }
    EXPECT_FALSE(s.MouseMove(5));
    EXPECT_FALSE(s.MouseMove(210));
    EXPECT_EQ(s.MonthPercent(3), 55);
    s.MouseUp();
    EXPECT_FALSE(s.MouseMove(50));
    EXPECT_EQ(s.MonthPercent(2), 100);
    s.MouseDown(ShadingSchedule::BarX(7), 120); // no handle there
    EXPECT_FALSE(s.Dragging);

    s.MonthPercent(1) = 40;
    s.PasteButtonClick();
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(s.MonthPercent(m), 40);
    s.ResetButtonClick();
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(s.MonthPercent(m), 100);
}

class ScheduleFileTest : public ::testing::Test {
  protected:
    std::filesystem::path Write(const std::string& contents) {
        const std::filesystem::path file = folder_.path() / "Test.SHS";
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }
    model_test::TempFolder folder_;
};

TEST_F(ScheduleFileTest, AScheduleIsWrittenAndReadOneMonthALine) {
    ShadingSchedule s;
    s.ResetButtonClick();
    const std::filesystem::path file = folder_.path() / "Schedule1.SHS";
    s.WriteFile(file);
    std::string expected;
    for (int m = 1; m <= 12; ++m) expected += "100\r\n";
    EXPECT_EQ(common::readTextLines(file), std::vector<std::string>(12, "100"));
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);

    s.ReadFile(Write("0\r\n5 shaded\r\n10\n15\r\n20\r\n 25\r\n30\r\n35\r\n40\r\n45\r\n50\r\n55\r\n"));
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(s.MonthPercent(m), 5 * (m - 1));
}

TEST_F(ScheduleFileTest, AFileThatCannotBeReadWholeChangesNothing) {
    std::string twelve;
    for (int m = 1; m <= 11; ++m) twelve += "50\r\n";
    struct Case {
        const char* why;
        std::string contents;
    };
    for (const Case& c :
         {Case{"eleven lines", twelve}, Case{"above 100", twelve + "101\r\n"},
          Case{"below 0", "-1\r\n" + twelve}, Case{"not a number", "x\r\n" + twelve}, Case{"empty", ""}}) {
        SCOPED_TRACE(c.why);
        ShadingSchedule s;
        s.ResetButtonClick();
        const std::filesystem::path file = Write(c.contents);
        try {
            s.ReadFile(file);
            ADD_FAILURE() << "the file was taken";
        } catch (const ModelError& e) {
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
        }
        for (int m = 1; m <= 12; ++m) EXPECT_EQ(s.MonthPercent(m), 100);
    }
    ShadingSchedule s;
    EXPECT_THROW(s.ReadFile(folder_.path() / "none.SHS"), ModelError);
}

// ---- The dialogs offscreen --------------------------------------------------------------------------

class WindowFormsTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        editor_test::FillWindowLibrary(model());
        zone_ = AddBoxZone(5.0, 4.0);
        selection().CurrentZone = zone_;
        selection().CurrentWall = 0;
    }
    int zone_ = 0;
};

TEST_F(WindowFormsTest, EnterOnTheWindowEditorChecksTheHeadHeight) {
    const int w = AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    selection().CurrentWindow = w;
    model().Zones(zone_).Name = "Hall";
    TGlazingForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Window 1  Wall 1  Zone 1  Hall");
    EXPECT_EQ(form.PageControl1->currentIndex(), 1);
    EXPECT_EQ(form.WindowNameEB->text(), "GGG-05-001a");
    EXPECT_EQ(form.UALabel->text(), "UA 10.60");
    form.HHEdit->selectAll();
    QTest::keyClicks(form.HHEdit, "900");
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_DOUBLE_EQ(model().WallWindows(zone_, 0, w).HeadHeight, 2.1);
    EXPECT_EQ(form.HHEdit->text(), "2400");
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_DOUBLE_EQ(model().WallWindows(zone_, 0, w).HeadHeight, 2.4);
}

TEST_F(WindowFormsTest, TheScheduleDialogKeepsDraggedValuesOnEscapeAndOpensFiles) {
    platform::PanelStatusBar status({100});
    TShadSchedForm form(model(), services_);
    form.SetStatus = [&status](const QString& text) { status.setPanelText(0, text); };
    form.ScheduleBuffer.fill(100);
    form.FormShow();
    form.show();
    form.PaintBox1MouseDown(ShadingSchedule::BarX(1), 10);
    form.PaintBox1MouseMove(110); // 50 %
    form.PaintBox1MouseUp();
    EXPECT_EQ(form.edpercentage->text(), "50");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.ScheduleBuffer(1), 50);
    EXPECT_EQ(form.ScheduleBuffer(2), 100);

    const std::filesystem::path file = root_ / "Winter.SHS";
    {
        std::ofstream out(file, std::ios::binary);
        for (int m = 1; m <= 12; ++m) out << (m <= 3 ? 30 : 100) << "\r\n";
    }
    form.FormShow();
    files_.chooseNext(QString::fromStdString(file.string()));
    form.SBopenFileClick();
    EXPECT_EQ(form.schedule().MonthPercent(2), 30);
    EXPECT_EQ(status.panelText(0), "Opened Schedule " + QString::fromStdString(file.string()));
    form.OKSBClick();
    EXPECT_EQ(form.ScheduleBuffer(3), 30);
    EXPECT_EQ(form.ScheduleBuffer(4), 100);
}

TEST_F(WindowFormsTest, TheVerticalShadingDialogHandsItsValuesBackOnEscape) {
    model().DefaultsMode = true;
    buffers_.EditVertShading(1) = 0.2;
    TVertShadForm form(context(), services_);
    form.SetValues();
    form.show();
    EXPECT_EQ(form.windowTitle(), "Default Vertical Shading");
    EXPECT_EQ(form.LWEdit2->text(), "0.20");
    form.RWEdit->selectAll();
    QTest::keyClicks(form.RWEdit, "0.6");
    EXPECT_EQ(form.RWEdit2->text(), "0.6");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(buffers_.EditVertShading(2), 0.6);
    EXPECT_EQ(buffers_.EditVertShading(1), 0.2);
}

} // namespace

namespace {

TEST_F(WindowFormsTest, TheChooserChartsShowTheirWholeAxisTitlesAtTheDialogsSize) {
    buffers_.WindowProductIndex = 1;
    buffers_.SavedWindowProductIndex = 1;
    TCustWinForm form(model(), buffers_, services_);
    form.FormShow();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const QChartView* chart : {form.TrChart, form.AChart}) {
        SCOPED_TRACE(chart->chart()->title().toStdString());
        test_support::ExpectAxisTitlesWhole(*chart);
    }
    form.close();
}

TEST_F(WindowFormsTest, TheChooserListsTakesALimitWhenTypedAndOKTakesTheClickedProduct) {
    buffers_.WindowProductIndex = 61; // "ZED-02-002a"
    buffers_.SavedWindowProductIndex = 61;
    TCustWinForm form(model(), buffers_, services_);
    form.FormShow();
    form.show();
    EXPECT_EQ(form.ManufacturerCB->currentText(), "Zedd Windows");
    ASSERT_EQ(form.ProductLB->count(), 2);
    EXPECT_EQ(form.WinUEB->text(), "3.00");
    // A half-typed limit is not taken; the finished one is.
    form.UMaxCB->lineEdit()->selectAll();
    QTest::keyClicks(form.UMaxCB->lineEdit(), "2.5");
    EXPECT_EQ(form.ProductLB->count(), 2);
    emit form.UMaxCB->lineEdit()->editingFinished();
    ASSERT_EQ(form.ProductLB->count(), 1);
    EXPECT_TRUE(messages_.errors().empty());
    form.ProductLB->setCurrentRow(0);
    EXPECT_EQ(form.WindowNameEB->text(), "ZED-02-001a");
    EXPECT_EQ(form.WinUEB->text(), "2.00");
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(buffers_.CurrentWindowCode, "ZED-02-001a");
    EXPECT_EQ(buffers_.WindowProductIndex, 63);
}

} // namespace
