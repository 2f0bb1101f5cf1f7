// The skylight editor's logic over the zone's list of skylights, the level default, the product codes,
// the figures and drawings by kind, and the slope.  Figures are worked by hand from the shipped
// skylight library's "GEN-04-001a" (glass U 5.798, frame U 2.6, glass fraction 0.8) and from the
// test's window product (skylight_fixture.h).
#include "skylight_fixture.h"

#include "modeller/model/product_codes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <numbers>

namespace {

using namespace pelmora;
using editor_test::kTestWindowCode;

class SkylightEditorTest : public editor_test::SkylightTest {};

TEST_F(SkylightEditorTest, InsertingSavesTheNewSkylightWithTheLevelDefaultsAtOnce) {
    AddSkylight(900.0, 900.0);
    AddSkylight(1200.0, 600.0);
    // The level's default names a skylight product that the default rows (1 and 1) do not build.
    TLevelDefaultRec& d = model().LevelDefaults(1);
    d.DefSkyCode = "ORL-08-601a";
    d.DefSkyWidth = 1500.0;
    d.DefShaftLength = 750;
    Open(true);
    SkylightEditor& e = *editor_;
    EXPECT_FALSE(selection().InsertSkylightMode);
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 3);
    EXPECT_EQ(e.CurrentSkylight, 3);
    EXPECT_EQ(e.Caption, "Skylight 3 for Zone 1");
    EXPECT_EQ(e.NumberButtonCount(), 3);
    EXPECT_FALSE(e.CancelSBVisible);
    const TSkylightRec& s = model().ZoneSkylights(zone_, 3);
    EXPECT_EQ(s.Width, 1500.0);
    EXPECT_EQ(s.Height, 600.0);
    EXPECT_EQ(s.Slope, 22.0);
    EXPECT_EQ(s.ShaftLength, 750);
    EXPECT_EQ(s.ShaftReflectance, 50);
    EXPECT_EQ(s.ShaftR, 0.5);
    EXPECT_EQ(s.ProductCode, "ORL-08-601a");
    EXPECT_EQ(s.WindowCode, "GGG-05-001a");
    // Escape drops what was typed since, and keeps the new skylight.
    e.WEdit.SetText("2400");
    Cancel();
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 3);
    EXPECT_EQ(model().ZoneSkylights(zone_, 3).Width, 1500.0);
    EXPECT_EQ(statusClears_, 1);
}

// A skylight inserted on the factory defaults shows the frame it is simulated with: the card writer
// takes the library product of the stored code, and the shipped frames are aluminium (U 9.0) in row
// 1 and timber (U 2.6) in row 2.
TEST_F(SkylightEditorTest, ANewSkylightShowsTheFrameItIsSimulatedWith) {
    Open(true);
    ASSERT_EQ(model().Zones(zone_).SkylightCount, 1);
    const TSkylightRec& s = model().ZoneSkylights(zone_, 1);
    EXPECT_EQ(editor_->SkyFrameTable.Text("Material Description"), "Timber skylight frame");
    EXPECT_EQ(s.SkyFrame, editor_->SkyFrameTable.RecNo());
    const int product = SkylightProductIndexOf(model(), s.ProductCode);
    ASSERT_GE(product, 1) << s.ProductCode;
    EXPECT_EQ(model().SkylightProducts(product).FrameU, 2.6);
    Ok();
    const TSkylightRec& saved = model().ZoneSkylights(zone_, 1);
    EXPECT_EQ(saved.SkyFrame, 2);
    EXPECT_EQ(model().SkylightProducts(SkylightProductIndexOf(model(), saved.ProductCode)).FrameU, 2.6);
}

TEST_F(SkylightEditorTest, InsertingIntoAFullZoneShowsSkylightOneAndTheMessage) {
    for (int i = 0; i < 6; ++i) AddSkylight(600.0 + 300.0 * i, 600.0);
    Open(true);
    EXPECT_EQ(messages_.informations(), std::vector<QString>{"Only 6 skylights can be modelled"});
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 6);
    EXPECT_EQ(editor_->CurrentSkylight, 1);
    EXPECT_EQ(editor_->Caption, "Skylight 1 for Zone 1");
    EXPECT_EQ(editor_->WEdit.Text(), "600");
    // "+" at the limit only says so.
    messages_.clear();
    editor_->SBAddClick();
    EXPECT_EQ(messages_.informations(), std::vector<QString>{"Only 6 skylights can be modelled"});
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 6);
}

TEST_F(SkylightEditorTest, AZoneWithoutSkylightsShowsTheDefaultAndOKWritesNothing) {
    const std::vector<std::string> before = HouseFileLines();
    Open();
    EXPECT_EQ(editor_->Caption, "No Skylights for Zone 1");
    EXPECT_EQ(editor_->CurrentSkylight, 0);
    EXPECT_EQ(editor_->NumberButtonCount(), 0);
    EXPECT_EQ(editor_->WEdit.Text(), "600");
    editor_->WEdit.SetText("900");
    Ok();
    EXPECT_EQ(HouseFileLines(), before);
    EXPECT_EQ(statusClears_, 1);
    // Deleting with no skylight only beeps.
    Open();
    editor_->SBDeleteClick();
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 0);
}

TEST_F(SkylightEditorTest, SwitchingAndAddingSaveTheSkylightShown) {
    AddSkylight(900.0, 900.0);
    AddSkylight(1200.0, 600.0);
    Open();
    SkylightEditor& e = *editor_;
    e.WEdit.SetText("2100");
    e.DiffuserCBClick(true);
    e.LengthSEChange(2000);
    e.NumberButtonClick(2);
    const TSkylightRec& first = model().ZoneSkylights(zone_, 1);
    EXPECT_EQ(first.Width, 2100.0);
    EXPECT_TRUE(first.Diffuser);
    EXPECT_EQ(first.ShaftLength, 2000);
    EXPECT_EQ(e.Caption, "Skylight 2 for Zone 1");
    EXPECT_EQ(e.WEdit.Text(), "1200");
    EXPECT_EQ(e.WidthRG.ItemIndex(), 2);
    EXPECT_FALSE(e.DiffuserCB);
    // "+" saves skylight 2 first and adds skylight 3 with the level default.
    e.HEdit.SetText("1500");
    e.SBAddClick();
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).Height, 1500.0);
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 3);
    EXPECT_EQ(e.Caption, "Skylight 3 for Zone 1");
    EXPECT_EQ(model().ZoneSkylights(zone_, 3).Width, 600.0);
    // OK writes the skylight shown.
    e.AngleEdit.SetText("40");
    Ok();
    EXPECT_EQ(model().ZoneSkylights(zone_, 3).Slope, 40.0);
}

TEST_F(SkylightEditorTest, DeletingMovesTheLaterSkylightsUpAndShowsSkylightOne) {
    for (int i = 1; i <= 4; ++i) {
        AddSkylight(300.0 * (i + 1), 600.0);
        model().ZoneSkylights(zone_, i).SkyAzimuth = 10.0 * i;
    }
    Open();
    SkylightEditor& e = *editor_;
    e.NumberButtonClick(2);
    e.WEdit.SetText("2700"); // typed for the skylight being deleted: not saved
    e.SBDeleteClick();
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 3);
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).Width, 600.0);
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).Width, 1200.0);
    EXPECT_EQ(model().ZoneSkylights(zone_, 3).Width, 1500.0);
    // The azimuths belong to the places, not to the skylights.
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).SkyAzimuth, 20.0);
    EXPECT_EQ(e.CurrentSkylight, 1);
    EXPECT_EQ(e.Caption, "Skylight 1 for Zone 1");
    for (int i = 0; i < 3; ++i) e.SBDeleteClick();
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 0);
    EXPECT_EQ(e.Caption, "No Skylights for Zone 1");
}

TEST_F(SkylightEditorTest, DefaultsModeEditsTheLevelDefaultAndCancelDropsIt) {
    model().DefaultsMode = true;
    const TLevelDefaultRec before = model().LevelDefaults(1);
    Open();
    SkylightEditor& e = *editor_;
    EXPECT_EQ(e.Caption, "Default Skylight");
    EXPECT_FALSE(e.NumPanelVisible);
    EXPECT_FALSE(e.OrientPanelVisible);
    EXPECT_TRUE(e.CancelSBVisible);
    EXPECT_TRUE(e.ResetButtonVisible);
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    EXPECT_FALSE(e.ZoneColourPanelVisible);
    e.WEdit.SetText("1800");
    e.ReflSEChange(80);
    e.RscrollChange(25);
    // What the defaults warning dialog would take, without storing it.
    const std::optional<ShownDefaults> shown = e.ShownDefaultValues();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->values.DefSkyWidth, 1800.0);
    EXPECT_EQ(shown->values.DefShaftReflectance, 80);
    EXPECT_EQ(shown->values.DefShaftR, 2.5);
    EXPECT_EQ(model().LevelDefaults(1), before);
    Cancel();
    EXPECT_EQ(model().LevelDefaults(1), before);

    Open();
    EXPECT_EQ(e.WEdit.Text(), "600");
    e.WEdit.SetText("1800");
    e.RoofWindowCBClick(true);
    Ok();
    EXPECT_EQ(model().LevelDefaults(1).DefSkyWidth, 1800.0);
    EXPECT_TRUE(model().LevelDefaults(1).DefClerestory);
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 0);
}

TEST_F(SkylightEditorTest, TheFiguresAndTheDrawingFollowTheKind) {
    AddSkylight(600.0, 600.0);
    TSkylightRec& s = model().ZoneSkylights(zone_, 1);
    s.Glass = 4;      // with frame row 1: the generic window of the test's product
    s.Style = 3;      // casement, 90 % openable
    s.Furnishing = 4; // heavy drapes, added R 0.15
    s.WindowCode = kTestWindowCode;
    Open();
    SkylightEditor& e = *editor_;
    // U = 5.798 x 0.8 + 2.6 x 0.2 = 5.1584: Rt = 0.1939, UA = 5.1584 x 0.36 = 1.857.
    EXPECT_EQ(e.Figures.AreaLabel, "     Area  0.36 m²");
    EXPECT_EQ(e.Figures.NameEB, "GEN-04-001a");
    EXPECT_EQ(e.Figures.RtLabel, "Rt                  0.19");
    EXPECT_EQ(e.Figures.UALabel, "UA                 1.86");
    EXPECT_EQ(e.Figures.RgLabel, "Rglass            0.17");
    EXPECT_EQ(e.Figures.RfLabel, "Rframe            0.38");
    EXPECT_EQ(e.Figures.RfurnLl, "Rfurn = 0.15");
    EXPECT_DOUBLE_EQ(buffers_.SkylightArea, 0.36);
    // A 600 mm square is 12 px at 20 px/m, blue in the middle of the 300 x 180 box.
    ASSERT_EQ(e.PaintBox1.Rects.size(), 1u);
    EXPECT_EQ(e.PaintBox1.Rects[0], (PreviewRect{144, 84, 12, 12, preview_colour::kBlue}));
    EXPECT_TRUE(e.ShaftPanelVisible);
    EXPECT_FALSE(e.PageControl1Visible);

    e.RoofWindowCBClick(true);
    e.HEdit.SetText("900");
    e.WEdit.SetText("1200");
    EXPECT_TRUE(e.PageControl1Visible);
    EXPECT_TRUE(e.DimPanelVisible);
    EXPECT_FALSE(e.ShaftPanelVisible);
    EXPECT_FALSE(e.PanelTiltVisible);
    EXPECT_TRUE(e.pbfindVisible);
    EXPECT_EQ(e.ActivePage, SkylightEditor::Page::Custom);
    // The test's window: U 4.8, Rt = 1 / 4.8 + 0.15 = 0.3583, UA = 1.08 / 0.3583 = 3.01.
    EXPECT_EQ(e.Figures.WindowNameEB, kTestWindowCode);
    EXPECT_EQ(e.Figures.BrandEB, "Test Maker");
    EXPECT_EQ(e.Figures.GrossWallAreaLabel, "Gross Wall A  6.00 m²");
    EXPECT_EQ(e.Figures.NettWallAreaLabel, "Net Wall A    4.92 m²");
    EXPECT_EQ(e.Figures.AreaLabel, "Window A      1.08 m²");
    EXPECT_EQ(e.Figures.RtLabel, "Rt                  0.36");
    EXPECT_EQ(e.Figures.UALabel, "UA                 3.01");
    EXPECT_EQ(e.Figures.SHGCLabel, "SHGC             0.46");
    EXPECT_EQ(e.Figures.OpeningLl, "Opening 90%");
    // The 3 m x 2 m wall (60 x 40 px) on the bottom edge and the 24 x 18 px window at its top.
    ASSERT_EQ(e.PaintBox1.Rects.size(), 2u);
    EXPECT_EQ(e.PaintBox1.Rects[0], (PreviewRect{120, 140, 60, 40, preview_colour::kYellow}));
    EXPECT_EQ(e.PaintBox1.Rects[1], (PreviewRect{138, 140, 24, 18, preview_colour::kBlue}));
    Ok();
    EXPECT_TRUE(model().ZoneSkylights(zone_, 1).Clerestory);
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).WindowCode, kTestWindowCode);
}

// Picking the clerestory window's size from the presets shows the figures of that size: the
// window's area and UA as well as the wall's areas.
TEST_F(SkylightEditorTest, EveryClerestoryFigureFollowsAPresetSize) {
    AddSkylight(600.0, 600.0);
    TSkylightRec& s = model().ZoneSkylights(zone_, 1);
    s.Clerestory = true;
    s.ClereWallWidth = 3000.0;
    s.ClereWallHeight = 2000.0;
    s.Glass = 4;      // with frame row 1: the generic window of the test's product
    s.Style = 3;      // casement, 90 % openable
    s.Furnishing = 4; // heavy drapes, added R 0.15
    s.WindowCode = kTestWindowCode;
    Open();
    SkylightEditor& e = *editor_;
    // U 4.8, Rt = 1 / 4.8 + 0.15 = 0.3583: UA = 0.36 / 0.3583 = 1.00.
    EXPECT_EQ(e.Figures.AreaLabel, "Window A      0.36 m²");
    EXPECT_EQ(e.Figures.UALabel, "UA                 1.00");
    e.HeightRG.SetItemIndex(2); // 1200
    e.WidthRG.SetItemIndex(1);  // 900
    EXPECT_EQ(buffers_.EditSkyHeight, 1200.0);
    EXPECT_EQ(buffers_.EditSkyWidth, 900.0);
    // 1.08 m2: UA = 1.08 / 0.3583 = 3.01.
    EXPECT_EQ(e.Figures.AreaLabel, "Window A      1.08 m²");
    EXPECT_EQ(e.Figures.UALabel, "UA                 3.01");
    EXPECT_EQ(e.Figures.RtLabel, "Rt                  0.36");
    EXPECT_EQ(e.Figures.GrossWallAreaLabel, "Gross Wall A  6.00 m²");
    EXPECT_EQ(e.Figures.NettWallAreaLabel, "Net Wall A    4.92 m²");
    EXPECT_EQ(e.TotalAreaLabel, "1.08 m²");
}

TEST_F(SkylightEditorTest, AClerestoryWallGrowsToItsWindowWithAMessage) {
    AddSkylight(600.0, 600.0);
    model().ZoneSkylights(zone_, 1).Clerestory = true;
    model().ZoneSkylights(zone_, 1).ClereWallHeight = 1000.0;
    Open();
    SkylightEditor& e = *editor_;
    EXPECT_TRUE(messages_.informations().empty());
    e.HEdit.SetText("1200");
    EXPECT_EQ(messages_.informations(),
              std::vector<QString>{"Window height can not be greater than wall height."});
    EXPECT_EQ(e.EditClereWallHeight, 1200.0);
    EXPECT_EQ(e.WHEdit.Text(), "1200");
    e.WEdit.SetText("3600");
    EXPECT_EQ(messages_.informations().back(), "Window width can not be greater than wall width.");
    EXPECT_EQ(e.WWEdit.Text(), "3600");
    // A wall box that is not a number is told and keeps its value.
    e.WWEdit.SetText("4x");
    EXPECT_EQ(messages_.errors().size(), 1u);
    EXPECT_EQ(e.EditClereWallWidth, 3600.0);
    Ok();
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).ClereWallHeight, 1200.0);
}

TEST_F(SkylightEditorTest, TheTotalAreaCountsTheSkylightBeingEditedAsTyped) {
    AddSkylight(1000.0, 1000.0);
    AddSkylight(1000.0, 1000.0);
    Open();
    EXPECT_EQ(editor_->TotalAreaLabel, "2.00 m²");
    editor_->WEdit.SetText("2000");
    EXPECT_EQ(editor_->TotalAreaLabel, "3.00 m²");
    editor_->WEdit.SetText("abc"); // beep and an emptied box; the width stays
    EXPECT_EQ(editor_->WEdit.Text(), "");
    EXPECT_EQ(buffers_.EditSkyWidth, 2000.0);
    EXPECT_EQ(messages_.beeps, 1);
}

TEST_F(SkylightEditorTest, TheTablesBuildGenericCodesAndTheGenericPageMovesThem) {
    AddSkylight(600.0, 600.0);
    Open();
    SkylightEditor& e = *editor_;
    e.materialstable.MoveTo(3);
    EXPECT_EQ(buffers_.CurrentSkylightCode, "GEN-04-008a");
    EXPECT_EQ(e.Figures.NameEB, "GEN-04-008a");
    e.SkyFrameTable.MoveTo(2);
    EXPECT_EQ(buffers_.CurrentSkylightCode, "GEN-04-003a");

    e.RoofWindowCBClick(true);
    buffers_.CurrentWindowCode = "GGGxxxxx07y";
    e.PageControl1Change(SkylightEditor::Page::Generic);
    EXPECT_EQ(e.glasstable.RecNo(), 2);
    EXPECT_EQ(e.frametable.RecNo(), 3);
    EXPECT_EQ(buffers_.CurrentWindowCode, "GGG-05-007a");
    EXPECT_EQ(e.ActivePage, SkylightEditor::Page::Generic);
    EXPECT_FALSE(e.pbfindVisible);
    // A library product cannot be shown on the generic page.
    buffers_.CurrentWindowCode = "KLW-06-101a";
    e.PageControl1Change(SkylightEditor::Page::Generic);
    EXPECT_EQ(e.ActivePage, SkylightEditor::Page::Custom);
    EXPECT_TRUE(e.pbfindVisible);
    Ok();
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).ProductCode, "GEN-04-003a");
}

// "Display Details" of a clerestory window opens the custom window chooser on the window's own
// product, and the product chosen there becomes the window's.
TEST_F(SkylightEditorTest, TheChooserStartsOnTheClerestoryProductAndItsChoiceIsTaken) {
    AddSkylight(600.0, 600.0, "ORL-08-601a", "KLW-06-101a");
    model().ZoneSkylights(zone_, 1).Clerestory = true;
    Open();
    SkylightEditor& e = *editor_;
    const int shown = e.WindowProductIndex;
    ASSERT_GE(shown, 1);
    buffers_.WindowProductIndex = shown == 1 ? 2 : 1; // the window editor's last product
    int startedOn = 0;
    e.CustWinForm = [&] {
        startedOn = buffers_.WindowProductIndex;
        buffers_.CurrentWindowCode = kTestWindowCode;
    };
    e.pbfindClick();
    EXPECT_EQ(startedOn, shown);
    EXPECT_EQ(e.WindowProductIndex, WindowProductIndexOf(model(), kTestWindowCode));
    EXPECT_EQ(e.Figures.WindowNameEB, kTestWindowCode);
}

TEST_F(SkylightEditorTest, SavingKeepsTheProductCodeOfTheKindNotShown) {
    // A roof skylight that once was a clerestory window of a library product, and a clerestory
    // window with a skylight product: neither code is rebuilt from the rows of the hidden tables.
    AddSkylight(600.0, 600.0, "ORL-08-601a", "KLW-06-101a");
    AddSkylight(600.0, 600.0, "ORL-08-602a", kTestWindowCode);
    model().ZoneSkylights(zone_, 2).Clerestory = true;
    Open();
    editor_->NumberButtonClick(2);
    Ok();
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).WindowCode, "KLW-06-101a");
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).ProductCode, "ORL-08-601a");
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).ProductCode, "ORL-08-602a");
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).WindowCode, kTestWindowCode);
}

TEST_F(SkylightEditorTest, TheSlopeIsTypedOrDraggedAndStaysWithinZeroAndNinety) {
    AddSkylight(600.0, 600.0);
    model().ZoneSkylights(zone_, 1).Slope = 22.0;
    Open();
    SkylightEditor& e = *editor_;
    EXPECT_EQ(e.AngleEdit.Text(), "22");
    EXPECT_EQ(e.PaintBoxTilt.TiltPoint, (PixelPoint{93, 83}));
    EXPECT_TRUE(e.PaintBoxTilt.Drawn);
    e.AngleEdit.SetText("95");
    EXPECT_EQ(buffers_.EditSlope, 90.0);
    EXPECT_EQ(e.AngleEdit.Text(), "90");
    EXPECT_EQ(e.PaintBoxTilt.TiltPoint, (PixelPoint{0, 20}));
    e.AngleEdit.SetText("x");
    EXPECT_EQ(buffers_.EditSlope, 0.0001);
    EXPECT_EQ(e.AngleEdit.Text(), "");
    EXPECT_EQ(messages_.beeps, 1);
    e.AngleEdit.SetText("30");
    // A press away from the line's end does not drag; one within 30 px of TiltPoint does.
    e.PaintBoxTiltMouseDown(10, 120);
    e.PaintBoxTiltMouseMove(50, 70);
    EXPECT_EQ(buffers_.EditSlope, 30.0);
    const PixelPoint end = e.PaintBoxTilt.TiltPoint;
    e.PaintBoxTiltMouseDown(end.X + 20, end.Y - 20);
    e.PaintBoxTiltMouseMove(50, 70);
    EXPECT_EQ(buffers_.EditSlope, 45.0);
    EXPECT_EQ(e.AngleEdit.Text(), "45");
    // Below the horizontal the slope ends at 0.0001, shown as 0.
    e.PaintBoxTiltMouseMove(80, 140);
    EXPECT_EQ(buffers_.EditSlope, 0.0001);
    EXPECT_EQ(e.AngleEdit.Text(), "0");
    e.PaintBoxTiltMouseUp();
    e.PaintBoxTiltMouseMove(50, 70);
    EXPECT_EQ(buffers_.EditSlope, 0.0001);
}

TEST_F(SkylightEditorTest, OrientationShowsTrueBearingsAndIsSaved) {
    AddSkylight(600.0, 600.0);
    model().NorthAngle = 30.0 * std::numbers::pi / 180.0;
    Open();
    SkylightEditor& e = *editor_;
    EXPECT_EQ(e.OrientationCaptions[0], "330°");
    EXPECT_EQ(e.OrientationCaptions[1], "15°");
    EXPECT_EQ(e.OrientationDown, 0);
    e.OrientationButtonClick(3);
    EXPECT_EQ(e.OrientationDown, 3);
    Ok();
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).Orientation, 3);
}

TEST_F(SkylightEditorTest, CopyAndPasteCarryEverythingButSaveNothing) {
    AddSkylight(600.0, 600.0);
    AddSkylight(900.0, 900.0);
    Open();
    SkylightEditor& e = *editor_;
    EXPECT_FALSE(e.PasteButtonVisible);
    e.WEdit.SetText("2400");
    e.RoofWindowCBClick(true);
    e.ReflSEChange(90);
    e.CopyButtonClick();
    EXPECT_TRUE(e.PasteButtonVisible);
    e.NumberButtonClick(2);
    EXPECT_FALSE(e.RoofWindowCB);
    e.PasteButtonClick();
    EXPECT_TRUE(e.RoofWindowCB);
    EXPECT_TRUE(e.PageControl1Visible);
    EXPECT_EQ(e.WEdit.Text(), "2400");
    EXPECT_EQ(e.ReflSE, 90);
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).Width, 900.0);
    Ok();
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).Width, 2400.0);
    EXPECT_TRUE(model().ZoneSkylights(zone_, 2).Clerestory);
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).ShaftReflectance, 90);
}

TEST_F(SkylightEditorTest, AnEmptySkylightLibraryShowsBlankFiguresAndKeepsTheStoredCode) {
    std::ofstream(root_ / "Data/WindowData/VORTskylights.txt", std::ios::trunc);
    AddSkylight(600.0, 600.0, "GEN-04-002a");
    Open();
    SkylightEditor& e = *editor_;
    EXPECT_EQ(e.Figures.RtLabel, "Rt                  ");
    EXPECT_EQ(e.Figures.UALabel, "UA                 ");
    EXPECT_EQ(e.Figures.RgLabel, "Rglass            ");
    EXPECT_EQ(e.Figures.AreaLabel, "     Area  0.36 m²");
    e.WEdit.SetText("900");
    Ok();
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).Width, 900.0);
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).ProductCode, "GEN-04-002a");
}

} // namespace
