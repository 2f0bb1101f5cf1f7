#include "modeller/plan/main_form.h"

#include "modeller/model/model_error.h"
#include "modeller/results/simulation_records.h"
#include "modeller/results/star_panel_widget.h"
#include "modeller/results/star_rating.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

TEST_F(MainWindowTest, StartsUpWithoutARatingHistory) {
    main().FormShow();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    EXPECT_EQ(model().RootDir, std::filesystem::current_path().string());
    EXPECT_EQ(workspace->Database1.AliasName(), "ZURO41");
    EXPECT_EQ(model().Magnification, 2.0);
    EXPECT_EQ(workspace->scale.SnapStep, 10);
    EXPECT_EQ(model().LevelCount, 1);
    EXPECT_EQ(model().CurrentLevel, 1);
    EXPECT_EQ(model().ExtThicknessByMaterial(1, 2), 230) << "level defaults read from the wall tables";
    EXPECT_TRUE(model().UseDefaultGains && model().UseDefaultSetpoints);
    EXPECT_EQ(main().ratingTables().StarBands(5, 20), 10.0) << "star bands read";
    EXPECT_EQ(main().history().SimulationRecordCount, 0);
    const TStarPanel& stars = *main().StarPanel;
    for (QWidget* w :
         std::initializer_list<QWidget*>{main().TopPanel, main().SnapPanel, main().LevelsPanel, main().Panel3,
                                         stars.DelRecSB, stars.StarLabel, stars.AnalysisSB, stars.ForwardSB,
                                         stars.BackSB, stars.Label1, stars.ClimNameLabel})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    for (const QLabel* l : {stars.FileLabel, stars.TotalLabel, stars.CoolLabel, stars.HeatLabel})
        EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
    EXPECT_FALSE(main().StarPanel->isHidden());
    EXPECT_FALSE(main().FilePanel->isHidden()) << "New and Open are there before any house exists";
    EXPECT_TRUE(main().UpperLevelSB->isDown() && main().LowerLevelSB->isDown());
    EXPECT_EQ(main().lbBearingTop->text(), "0°");
    EXPECT_EQ(main().lbBearingLeft->text(), "270");
    EXPECT_EQ(main().ScaleLabel->text(), "40 pix/m");
    EXPECT_EQ(main().RunLabel->text(), "") << "run number 0 shows empty";
    EXPECT_EQ(forms->ProjectDetailsForm->HelpContext, 14);
}

TEST_F(MainWindowTest, StartsUpWithARatingHistoryShowingItsNewestRating) {
    folder.addRatingHistory();
    main().FormShow();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    ASSERT_EQ(main().history().SimulationRecordCount, 1);
    const TStarPanel& stars = *main().StarPanel;
    EXPECT_FALSE(stars.DelRecSB->isHidden());
    EXPECT_FALSE(stars.StarLabel->isHidden());
    EXPECT_EQ(stars.FileLabel->text(), "House_3");
    EXPECT_EQ(stars.ClimNameLabel->text(), "climat05.TXT");
    EXPECT_EQ(stars.CoolLabel->text(), "8.2") << "(568 + 88) MJ / 80 m2";
    EXPECT_EQ(stars.StarLabel->text(), "3.5");
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(stars.star(n)->isHidden()) << n;
    EXPECT_FALSE(stars.halfstar(4)->isHidden());
    EXPECT_TRUE(stars.star(4)->isHidden());
    EXPECT_FALSE(stars.AnalysisSB->isHidden());
    EXPECT_TRUE(stars.AnalysisSB->isEnabled());
    EXPECT_EQ(stars.AnalysisSB->toolTip(), "Analyse");
}

TEST_F(MainWindowTest, AnUnreadableRatingHistoryIsReportedAndTheRestOfTheStartUpStillHappens) {
    std::ofstream(folder.path() / "Data/PASTRATE.TXT") << "one\r\n";
    main().FormShow();
    const auto errors = scripted.messages.errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains("PASTRATE.TXT")) << errors[0].toStdString();
    EXPECT_EQ(main().history().SimulationRecordCount, 0);
    EXPECT_TRUE(main().StarPanel->FileLabel->text().isEmpty());
    EXPECT_EQ(main().ratingTables().AreaCorrectionCoeffs(5, 6), 0.25) << "the area correction is still read";
    EXPECT_TRUE(model().UseDefaultGains);
}

TEST_F(MainWindowTest, AMissingStarTableGivesOneBoxAndTheRestOfTheStartUpStillHappens) {
    std::filesystem::remove(folder.path() / "Data/STARS/STARS.TXT");
    folder.addRatingHistory();
    main().FormShow();
    const auto errors = scripted.messages.errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains("STARS.TXT")) << errors[0].toStdString();
    EXPECT_EQ(scripted.messages.shown.size(), 1u);
    EXPECT_EQ(main().history().SimulationRecordCount, 1) << "the history is still read";
    EXPECT_EQ(main().StarPanel->FileLabel->text(), "House_3");
    EXPECT_TRUE(model().UseDefaultGains);
    EXPECT_TRUE(main().LowerLevelSB->isDown());
}

TEST_F(MainWindowTest, MissingTablesAndLibrariesAreEachReportedAndTheStartUpGoesOn) {
    std::filesystem::remove(folder.path() / "Data/tables.db");
    std::filesystem::remove(folder.path() / "Data/WindowData/VORTskylights.txt");
    main().FormShow();
    const auto errors = scripted.messages.errors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_TRUE(errors[0].contains("tables.db"));
    EXPECT_TRUE(errors[1].contains("VORTskylights.txt"));
    EXPECT_EQ(model().LevelCount, 1);
    EXPECT_TRUE(model().UseDefaultSetpoints);
}

TEST_F(MainWindowTest, HelpButtonOpensTopicTen) {
    main().HelpButtonClick();
    EXPECT_EQ(scripted.help.shownTopics, std::vector<int>{10});
}

TEST_F(MainWindowTest, TheProjectButtonClearsTheResultsEvenWhenTheDialogIsCancelled) {
    startWithNewHouse();
    model().ResultsCurrent = true;
    QTimer::singleShot(0, forms->ProjectDetailsForm.get(), [this] { forms->ProjectDetailsForm->reject(); });
    main().ProjectSBClick();
    EXPECT_FALSE(model().ResultsCurrent);
}

// A house of six levels, edit mode on, fits a screen 900 px high with room for a title bar, and the
// status bar that carries the plan editor's refusals stays on the window.
TEST_F(MainWindowTest, TheWindowOfASixLevelHouseFitsAScreenNineHundredPixelsHigh) {
    constexpr int kScreenHeight = 900;
    constexpr int kTitleBar = 40; // px a window manager may add above the window
    startWithNewHouse();
    for (int levels = 1; levels <= kMaxLevels; ++levels) {
        model().LevelCount = levels;
        main().ShowLevelButtons();
        main().show();
        QApplication::processEvents();
        const int least = std::max(main().minimumSizeHint().height(), main().minimumHeight());
        EXPECT_LE(least + kTitleBar, kScreenHeight) << levels << " levels";
    }
    main().resize(1024, kScreenHeight - kTitleBar);
    QApplication::processEvents();
    EXPECT_TRUE(main().StatusBar1->isVisible());
    EXPECT_LE(main().StatusBar1->geometry().bottom(), main().height() - 1);
    EXPECT_TRUE(main().SBLevel[static_cast<std::size_t>(kMaxLevels)]->isVisible());
}

// A new house starts with an empty status bar: nothing the last house's zones or files put there.
TEST_F(MainWindowTest, ANewHouseClearsWhatTheStatusBarSaidOfTheLastOne) {
    startWithNewHouse();
    const QString said[] = {"Saved as Cottage_1.VOR", "Zone 3  Bedroom 2", "External Wall 2 of Zone 3",
                            "X  4.20  Y  1.10"};
    for (int panel = 0; panel < 4; ++panel) main().StatusBar1->setPanelText(panel, said[panel]);
    main().ResetJob();
    for (int panel = 0; panel < 4; ++panel) EXPECT_EQ(main().StatusBar1->panelText(panel), "") << panel;
}

TEST_F(MainWindowTest, ThePlanShowsEveryZoneOfTheCurrentLevel) {
    startWithNewHouse();
    main().resize(900, 700);
    main().resizeCanvas({600, 400}, {0, 0});
    const int a = plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    const int b = plan_test::addRectangle(model(), 1, 200, 40, 120, 120, 0xFF8000);
    const int c = plan_test::addRectangle(model(), 2, 40, 40, 100, 100, 0x0000FF);
    main().RestoreAll();
    const QImage& plan = main().planCanvas();
    EXPECT_EQ(plan.pixel(120, 100) & 0xFFFFFF, modelColour(model().Zones(a).Colour).rgb() & 0xFFFFFF);
    EXPECT_EQ(plan.pixel(260, 100) & 0xFFFFFF, modelColour(model().Zones(b).Colour).rgb() & 0xFFFFFF);
    EXPECT_LT(qGray(plan.pixel(120, 160)), 128) << "outline of zone a";
    EXPECT_NE(plan.pixel(90, 90) & 0xFFFFFF, modelColour(model().Zones(c).Colour).rgb() & 0xFFFFFF)
        << "the level above is not filled";
}

TEST_F(MainWindowTest, OnlyShowBackgroundHidesThePlanUntilThePlanIsShownAgain) {
    startWithNewHouse();
    main().resizeCanvas({600, 400}, {0, 0});
    model().LevelCount = 2;
    plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    plan_test::addRectangle(model(), 2, 60, 60, 100, 100, 0x0000FF);
    main().RestoreAll();
    main().BackgroundOnlySBClick();
    QImage grid(600, 400, QImage::Format_RGB32);
    grid.fill(Qt::white);
    PlanDrawing gridOnly(model(), workspace->selection, workspace->scale);
    gridOnly.setCanvas(&grid, {0, 0});
    gridOnly.DrawGrid();
    EXPECT_EQ(main().planCanvas(), grid) << "neither the zones nor the outline of the level above";
    main().HideBackgroundSBClick();
    EXPECT_EQ(main().planCanvas().pixel(121, 101) & 0xFFFFFF, 0x80FF00u) << "the plan is back";
}

TEST_F(MainWindowTest, MagnificationDialogRescalesThePlanAndKeepsTheSnapLength) {
    startWithNewHouse();
    const int z = plan_test::addRectangle(model(), 1, 41, 40, 160, 120, 0x00FF80);
    auto& mag = *forms->MagForm;
    mag.FormShow();
    EXPECT_EQ(mag.MagRG->itemIndex(), 1) << "magnification 2 selected";
    mag.MagRG->setItemIndex(3);
    EXPECT_EQ(model().Magnification, 4.0);
    EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{82, 80}));
    EXPECT_EQ(workspace->scale.SnapStep, 8);
    EXPECT_EQ(main().ScaleLabel->text(), "80 pix/m");
    EXPECT_EQ(main().SnapLabel->text(), "100 mm snap");
    mag.FormShow();
    mag.MagRG->setItemIndex(1);
    EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{41, 40})) << "back within a pixel: here exactly";
}

TEST_F(MainWindowTest, RefreshScreenRemovesZonesWithoutArea) {
    startWithNewHouse();
    plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    const int empty = plan_test::addZone(model(), 1, {{300, 300}}, 0x00FF80);
    plan_test::addRectangle(model(), 1, 240, 40, 80, 80, 0x0080FF);
    ASSERT_EQ(model().Zones(empty).FloorArea, 0.0);
    main().WipeSBClick();
    EXPECT_EQ(model().ZoneCount, 2);
    EXPECT_EQ(model().ZoneNodes(2, 0), (TPlanPoint{240, 40}));
}

TEST_F(MainWindowTest, SnapDialogSetsTheStepForTheMagnification) {
    startWithNewHouse();
    auto& snap = *forms->SnapForm;
    snap.FormShow();
    EXPECT_EQ(snap.SnapRG->itemIndex(), 1) << "100 mm at magnification 2";
    snap.SnapRG->setItemIndex(3);
    EXPECT_EQ(workspace->scale.SnapStep, 20);
    EXPECT_EQ(main().SnapLabel->text(), "500 mm snap");
}

TEST_F(MainWindowTest, PrintsTheWindowAsAPicture) {
    QTemporaryDir dir;
    platform::PdfPrintService pdf(dir.filePath("screen.pdf"));
    platform::Services services{scripted.messages, scripted.files, scripted.help, pdf};
    Workspace local;
    TMainForm window(local, services);
    window.resize(800, 600);
    window.SBPrintPlanClick();
    EXPECT_EQ(pdf.pagesPrinted, 1);
    EXPECT_TRUE(QFileInfo(dir.filePath("screen.pdf")).size() > 1000);
}

// Every text the status bar's panels are given can be read whole: it fits its panel as drawn, or the
// panel's tool tip holds the whole of it.  The texts are the editing commands' and file actions' in
// panel 0, the zone under the pointer in panel 1, the element picked in panel 2 and the pointer's
// position in panel 3, each at its longest likely length.
TEST_F(MainWindowTest, EveryStatusTextFitsItsPanelOrIsReadWholeInItsToolTip) {
    main().FormShow();
    main().show();
    QApplication::processEvents();
    std::vector<std::pair<int, std::string>> texts;
    for (std::string_view text : {plan_editor_text::kClickedOutsideAZone,
                                  plan_editor_text::kClickedInWrongZone,
                                  plan_editor_text::kNoZoneBelow,
                                  plan_editor_text::kInsertInternalWall,
                                  plan_editor_text::kInsertWindow,
                                  plan_editor_text::kInsertDoor,
                                  plan_editor_text::kInsertSkylight,
                                  plan_editor_text::kInsertStairwell,
                                  plan_editor_text::kInternalWallDeleted,
                                  plan_editor_text::kZoneNodeDeleted,
                                  plan_editor_text::kEavesNodeDeleted,
                                  plan_editor_text::kZoneDeleted,
                                  plan_editor_text::kOverlappingZones,
                                  plan_editor_text::kFinishDrawingFirst,
                                  limit_text::kZones,
                                  limit_text::kLevels,
                                  limit_text::kAtLeastOneLevel,
                                  limit_text::kNodes,
                                  limit_text::kEavesPoints,
                                  limit_text::kWindows,
                                  limit_text::kDoors,
                                  limit_text::kInterzoneDoors,
                                  limit_text::kIntWalls,
                                  limit_text::kSkylights,
                                  limit_text::kStairsDown,
                                  limit_text::kStairsUp,
                                  limit_text::kFloorSpaceGroups,
                                  limit_text::kRoofSpaceGroups})
        texts.emplace_back(0, std::string(text));
    const std::string longPath =
        "/home/assessor/Projects/2026/Clients/Fenwick Renovation/house/Fenwick_3.hse";
    for (const char* action : {"Saved as ", "Opened Client ", "Opened Assessor ", "Opened Defaults "})
        texts.emplace_back(0, action + longPath);
    texts.emplace_back(1, "Zone 100  Main Bedroom with Ensuite  Area 140.00 m\u00b2");
    texts.emplace_back(2, "Zone 100  Main Bedroom with Ensuite  Area 140.00 m\u00b2");
    texts.emplace_back(2, "Partition Wall 12 of Zone 100 and Wall 3 of Zone 99");
    texts.emplace_back(2, "Window 12 of Wall 50 of Zone 100");
    texts.emplace_back(2, "Wall 50 of Zone 100, External Wall");
    texts.emplace_back(2, "Length is 123.45 m");
    texts.emplace_back(3, "X  100.10  Y  100.10");

    platform::PanelStatusBar& bar = *main().StatusBar1;
    for (const auto& [panel, text] : texts) {
        const QString whole = QString::fromStdString(text);
        bar.setPanelText(panel, whole);
        QApplication::processEvents();
        const QLabel& label = *bar.panel(panel);
        ASSERT_EQ(bar.panelText(panel), whole);
        const int room = label.contentsRect().width() - 2 * label.margin();
        const bool fits = label.fontMetrics().horizontalAdvance(whole) <= room;
        EXPECT_TRUE(fits || label.toolTip() == whole) << "panel " << panel << " (" << room << " px) cuts \""
                                                      << text << "\" and has no tool tip with it";
    }
    bar.setPanelText(0, "Insert window");
    EXPECT_EQ(bar.panel(0)->toolTip(), "") << "a text that fits needs no tool tip";
}

} // namespace
