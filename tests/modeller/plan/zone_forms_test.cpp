// The zone dialogs offscreen: what each shows, what OK writes and what Cancel leaves, the interplay
// of their controls, and the plan editor's route to them.
#include "modeller/model/house_file.h"
#include "modeller/plan/air_flow_form.h"
#include "modeller/plan/new_zone_form.h"
#include "modeller/plan/stair_form.h"
#include "modeller/plan/zone_detail_form.h"

#include "plan_fixture.h"
#include "tests/support/dialog_layout.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

#include <functional>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;
using platform::Answer;

class ZoneFormsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
    }
    void TearDown() override {
        EXPECT_EQ(answered_, scheduled_) << "every dialog a test answers was shown";
        MainWindowTest::TearDown();
    }
    // Runs `answer` once the modal run of `dialog` has started.
    void whenShown(QDialog* dialog, std::function<void()> answer) {
        ++scheduled_;
        QTimer::singleShot(0, dialog, [this, dialog, answer] {
            if (!dialog->isVisible()) return;
            ++answered_;
            answer();
        });
    }
    // A rectangle of w x h metres with its corner at (x, y) metres on the plan (at the plan's
    // magnification).
    int box(int level, double x, double y, double w, double h, std::int32_t colour = 0xFFFFFF) {
        if (level > model().LevelCount) model().LevelCount = level;
        return plan_test::addRectangle(model(), level, px(x), px(y), px(w), px(h), colour);
    }
    int px(double metres) { return int(std::lround(metres * 20 * model().Magnification)); }
    PlanSelection& selection() { return workspace->selection; }
    std::string houseFile() { return houseFileText(model()); }

  private:
    int scheduled_ = 0;
    int answered_ = 0;
};

// ---- New zone ----------------------------------------------------------------------------------

TEST_F(ZoneFormsTest, TheNewZoneDialogProposesTheNextZoneAndItsTypesDefaults) {
    model().Zones(box(1, 0, 0, 4, 4)).Name = "Living 1";
    TNewZoneOptions& options = model().NewZoneOptions;
    options.DefVentCount = 2;
    options.DefCeilingFanCount = 1;
    options.DefFanDiameter = 1200.0;
    options.DefInsectScreens = true;
    selection().CurrentZone = 2;
    TNewZoneForm& form = *forms->NewZoneForm;
    form.ExpandImageClick(); // a show starts collapsed whatever it was before
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), "New Zone Number 2");
    EXPECT_EQ(form.ZoneNameEdit->text(), "Living 2");
    EXPECT_EQ(form.ZoneTypeCB->currentIndex(), 0);
    EXPECT_EQ(form.NewZoneColour, Rgb(255, 80, 80));
    EXPECT_TRUE(form.Hcb->isChecked());
    EXPECT_TRUE(form.Ccb->isChecked());
    EXPECT_TRUE(form.VentExpandPanel->isVisibleTo(&form));
    EXPECT_FALSE(form.Panels->InfiltrationPanel->isVisibleTo(&form));
    EXPECT_FALSE(form.Panels->MechPanel->isVisibleTo(&form));
    EXPECT_EQ(form.Panels->CVEB->text(), "2");
    EXPECT_EQ(form.Panels->FanNumEB->text(), "1");
    EXPECT_EQ(form.Panels->DiameterRG->itemIndex(), 1);
    EXPECT_TRUE(form.Panels->InsectCB->isChecked());

    // The type decides heating and cooling, over what the user ticked.
    form.ZoneTypeCB->setCurrentIndex(3);
    emit form.ZoneTypeCB->activated(3);
    EXPECT_EQ(form.ZoneNameEdit->text(), "Wet Area 1");
    EXPECT_EQ(form.NewZoneColour, Rgb(0, 255, 0));
    EXPECT_FALSE(form.Hcb->isChecked());
    EXPECT_FALSE(form.Ccb->isChecked());
    form.Hcb->setChecked(true);
    form.ZoneTypeCB->setCurrentIndex(5);
    emit form.ZoneTypeCB->activated(5);
    EXPECT_FALSE(form.Hcb->isChecked());
    form.Ccb->setChecked(false);
    form.ZoneTypeCB->setCurrentIndex(0);
    emit form.ZoneTypeCB->activated(0);
    EXPECT_TRUE(form.Hcb->isChecked());
    EXPECT_TRUE(form.Ccb->isChecked());

    form.show();
    QApplication::processEvents();
    EXPECT_LE(form.height(), TNewZoneForm::kCollapsedHeight + 40) << "collapsed to its first lines";
    form.ExpandImageClick();
    EXPECT_GE(form.height(), TNewZoneForm::kExpandedHeight);
    EXPECT_TRUE(form.Panels->InfiltrationPanel->isVisibleTo(&form));
    EXPECT_FALSE(form.VentExpandPanel->isVisibleTo(&form));
    EXPECT_FALSE(form.Panels->MechPanel->isVisibleTo(&form)) << "mechanical ventilation is never offered";
    form.reject();
}

// A name the user typed is the user's: choosing a type proposes its colour and conditioning but
// leaves the name.  The next showing proposes names again.
TEST_F(ZoneFormsTest, ANameTypedInTheNewZoneDialogStaysWhenATypeIsChosen) {
    selection().CurrentZone = 1;
    TNewZoneForm& form = *forms->NewZoneForm;
    const auto chooseType = [&form](int type) {
        form.ZoneTypeCB->setCurrentIndex(type);
        emit form.ZoneTypeCB->activated(type);
    };
    form.FormShow();
    form.ZoneNameEdit->selectAll();
    QTest::keyClicks(form.ZoneNameEdit, "Bedroom");
    chooseType(2);
    EXPECT_EQ(form.ZoneNameEdit->text(), "Bedroom");
    EXPECT_EQ(form.NewZoneColour, Rgb(0, 0, 255)) << "the first sleeping zone's colour";
    EXPECT_TRUE(form.Hcb->isChecked());
    form.OKSBClick();
    EXPECT_EQ(model().Zones(1).Name, "Bedroom");
    EXPECT_EQ(model().Zones(1).ZoneType, 2);

    form.FormShow();
    EXPECT_EQ(form.ZoneNameEdit->text(), "Living 1");
    chooseType(2);
    EXPECT_EQ(form.ZoneNameEdit->text(), "Sleeping 1");
    form.CancelSBClick();
}

// How far a dialog's opened size may be from the size it is laid out for (px).
constexpr int kSizeTolerance = 4;

TEST_F(ZoneFormsTest, TheNewZoneDialogOpensAtItsHeightsWithEveryControlReadable) {
    selection().CurrentZone = 1;
    TNewZoneForm& form = *forms->NewZoneForm;
    form.FormShow();
    form.show();
    QApplication::processEvents();
    EXPECT_NEAR(form.height(), TNewZoneForm::kCollapsedHeight, kSizeTolerance);
    EXPECT_EQ(test_support::ControlsCutOff(form), "") << "collapsed";
    form.ExpandImageClick();
    QApplication::processEvents();
    EXPECT_NEAR(form.height(), TNewZoneForm::kExpandedHeight, kSizeTolerance);
    EXPECT_EQ(test_support::ControlsCutOff(form), "") << "expanded";
    form.reject();
}

TEST_F(ZoneFormsTest, NewZoneOkWritesTheSlotAndCancelLeavesItAsItWas) {
    box(1, 0, 0, 4, 4);
    const int slot = model().ZoneCount + 1;
    selection().CurrentZone = slot;
    TNewZoneForm& form = *forms->NewZoneForm;
    form.ColorDialog1 = [&](std::int32_t) { return std::optional<std::int32_t>(Rgb(1, 2, 3)); };

    model().Zones(slot).Name = "left over";
    const TZoneRec before = model().Zones(slot);
    whenShown(&form, [&] {
        form.Panels->FanNumUD->setValue(3);
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_FALSE(form.ShowModal());
    EXPECT_FALSE(form.NewZoneArmed);
    EXPECT_EQ(model().Zones(slot), before);

    whenShown(&form, [&] {
        form.ZoneTypeCB->setCurrentIndex(7);
        emit form.ZoneTypeCB->activated(7);
        form.Panels->FanNumUD->setValue(3);
        form.Panels->DiameterRG->item(2)->click();
        form.Panels->DownLightsUD->setValue(4);
        form.Panels->DraughtCB->setChecked(true);
        form.ZoneColourPanelClick();
        form.Ccb->setChecked(false);
        QTest::keyClick(form.ZoneNameEdit, Qt::Key_Return);
    });
    EXPECT_TRUE(form.ShowModal());
    const TZoneRec& zone = model().Zones(slot);
    EXPECT_EQ(form.NewZoneName, "Other Night-time 1");
    EXPECT_EQ(zone.Name, "Other Night-tim");
    EXPECT_EQ(zone.ZoneType, 7);
    EXPECT_EQ(model().WorkZoneType, 7);
    EXPECT_EQ(zone.Colour, Rgb(1, 2, 3));
    EXPECT_EQ(zone.CeilingFanCount, 3);
    EXPECT_EQ(zone.FanDiameter, 1400.0);
    EXPECT_EQ(zone.DownlightCount, 4);
    EXPECT_TRUE(zone.DraughtSeals);
    EXPECT_TRUE(zone.Heated);
    EXPECT_FALSE(zone.Cooled);
    EXPECT_EQ(zone.MechVentRate, model().NewZoneOptions.DefMechVentRate);
    EXPECT_EQ(model().ZoneCount, slot - 1) << "the zone counts once its outline starts";
}

TEST_F(ZoneFormsTest, TheDrawNewZoneToolGivesTheDialogsValuesToTheOutline) {
    main().resizeCanvas({600, 400}, {0, 0});
    TNewZoneForm& form = *forms->NewZoneForm;
    whenShown(&form, [&] {
        form.ZoneTypeCB->setCurrentIndex(2);
        emit form.ZoneTypeCB->activated(2);
        form.OKSBClick();
    });
    main().planEditor().Press(PlanTool::DrawNewZone);
    EXPECT_TRUE(main().planEditor().NewZoneArmed);
    for (const TPlanPoint p : {TPlanPoint{80, 80}, {280, 80}, {280, 200}, {80, 200}, {80, 80}}) {
        main().planEditor().MouseMove(p);
        main().planEditor().MouseDown(p, MouseButton::Left, {});
    }
    ASSERT_EQ(model().ZoneCount, 1);
    EXPECT_EQ(model().Zones(1).Name, "Sleeping 1");
    EXPECT_EQ(model().Zones(1).ZoneType, 2);
    EXPECT_EQ(model().Zones(1).Colour, Rgb(0, 0, 255));

    whenShown(&form, [&] { form.CancelSBClick(); });
    main().planEditor().Press(PlanTool::DrawNewZone);
    EXPECT_FALSE(main().planEditor().NewZoneArmed);
    EXPECT_FALSE(main().planEditor().IsDown(PlanTool::DrawNewZone));
}

// ---- Air movement ------------------------------------------------------------------------------

TEST_F(ZoneFormsTest, TheAirMovementDialogShowsTheZoneAndItsFansSweptArea) {
    const int z = box(1, 0, 0, 8, 5); // 40 m2
    TZoneRec& zone = model().Zones(z);
    zone.Name = "Family";
    zone.CeilingFanCount = 3;
    zone.FanDiameter = 1200.0;
    zone.VentCount = 4;
    zone.GasHeaterVent = true;
    selection().CurrentZone = z;
    TAirFlowForm& form = *forms->AirFlowForm;
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), "Air Flow for Z1  Family");
    // 3 x pi x 1.2^2 / 4 = 3.39 m2 of 40 m2.
    EXPECT_EQ(form.Panels->FanArea->text(), "8");
    EXPECT_EQ(form.Panels->FloorAreaLB->text(), "40.0");
    EXPECT_EQ(form.Panels->DiameterRG->itemIndex(), 1);
    EXPECT_EQ(form.Panels->CVEB->text(), "4");
    EXPECT_TRUE(form.Panels->GasCB->isChecked());
    EXPECT_FALSE(form.Panels->MechPanel->isVisibleTo(&form));
    form.Panels->FanNumUD->setValue(5);
    form.Panels->DiameterRG->item(2)->click(); // 5 x pi x 1.4^2 / 4 = 7.70 m2
    EXPECT_EQ(form.Panels->FanArea->text(), "19");
    EXPECT_EQ(form.Panels->FanNumEB->text(), "5");
    form.reject();

    zone.FloorArea = 0.0;
    form.FormShow();
    EXPECT_EQ(form.Panels->FanArea->text(), "-") << "no share of a zone without floor";
}

TEST_F(ZoneFormsTest, TheAirMovementDialogOpensAtItsHeightWithEveryControlReadable) {
    const int z = box(1, 0, 0, 12, 10); // 120 m2: the widest floor area text of a house
    model().Zones(z).Name = "Living/Kitchen";
    model().Zones(z).CeilingFanCount = 10;
    selection().CurrentZone = z;
    TAirFlowForm& form = *forms->AirFlowForm;
    form.FormShow();
    form.show();
    QApplication::processEvents();
    EXPECT_NEAR(form.height(), TAirFlowForm::kHeight, kSizeTolerance);
    EXPECT_EQ(test_support::ControlsCutOff(form), "");
    form.reject();
}

TEST_F(ZoneFormsTest, AirMovementCancelLeavesTheHouseAsItWasAndOkWritesIt) {
    const int z = box(1, 0, 0, 8, 5);
    model().Zones(z).FanDiameter = 1000.0; // none of the offered diameters
    model().Zones(z).CeilingFanCount = 1;
    model().Zones(z).MechVentOn = true;
    model().Zones(z).MechVentRate = 15;
    selection().CurrentZone = z;
    TAirFlowForm& form = *forms->AirFlowForm;
    const std::string before = houseFile();
    const auto change = [&] {
        form.Panels->CVUD->setValue(6);
        form.Panels->ExFanUD->setValue(2);
        form.Panels->FanNumUD->setValue(4);
        form.Panels->InsectCB->setChecked(true);
        form.Panels->ChimneyCB->setChecked(true);
    };
    for (const auto& cancel : std::vector<std::function<void()>>{
             [&] { form.CancelSBClick(); }, [&] { QTest::keyClick(&form, Qt::Key_Escape); }}) {
        whenShown(&form, [&] {
            EXPECT_EQ(form.Panels->DiameterRG->itemIndex(), -1);
            change();
            cancel();
        });
        form.ShowModal();
        EXPECT_EQ(houseFile(), before);
    }
    whenShown(&form, [&] {
        EXPECT_EQ(form.Panels->CVEB->text(), "0") << "a new show reloads the zone";
        change();
        QTest::keyClick(&form, Qt::Key_Return);
    });
    EXPECT_EQ(form.ShowModal(), QDialog::Accepted);
    const TZoneRec& zone = model().Zones(z);
    EXPECT_EQ(zone.VentCount, 6);
    EXPECT_EQ(zone.ExhaustFanCount, 2);
    EXPECT_EQ(zone.CeilingFanCount, 4);
    EXPECT_TRUE(zone.InsectScreens);
    EXPECT_TRUE(zone.UnsealedChimney);
    EXPECT_EQ(zone.FanDiameter, 1000.0) << "kept unless a diameter is chosen";
    EXPECT_TRUE(zone.MechVentOn);
    EXPECT_EQ(zone.MechVentRate, 15);
}

// ---- Zone details ------------------------------------------------------------------------------

TEST_F(ZoneFormsTest, ZoneDetailsShowTheZoneItsAreaAndGlassAndTheButtonsThatExist) {
    const int z = box(1, 0, 0, 10, 8, Rgb(10, 20, 30));
    TZoneRec& zone = model().Zones(z);
    zone.Name = "Lounge";
    zone.ZoneType = 1;
    zone.Heated = true;
    model().Walls(z, 0).WindowCount = 2;
    model().WallWindows(z, 0, 1).ElementArea = 2.0;
    model().WallWindows(z, 0, 2).ElementArea = 1.6;
    selection().CurrentZone = z;
    TZoneDetailForm& form = *forms->ZoneDetailForm;
    // A button whose editor the program does not hold does nothing.
    form.RoofForm = nullptr;
    form.ShowDetailedReport = nullptr;
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), "Details for Zone 1  Lounge");
    EXPECT_EQ(form.ZoneNameEdit->text(), "Lounge");
    EXPECT_EQ(form.ZoneTypeCB->currentIndex(), 1);
    EXPECT_TRUE(form.Hcb->isChecked());
    EXPECT_FALSE(form.Ccb->isChecked());
    EXPECT_EQ(form.AreaLabel->text(), "Floor Area 80.0 m\u00b2");
    EXPECT_EQ(form.GlassLabel->text(), "Glass to Floor Ratio 4.5 %");
    for (auto* b : {form.SBFloor, form.SBCeiling, form.SBRoof})
        EXPECT_TRUE(b->isVisibleTo(&form)) << b->objectName().toStdString();
    for (auto* b : {form.SBSkylight, form.InBetweenFloorButton, form.IntFloorCoverSB, form.StairWellSB})
        EXPECT_FALSE(b->isVisibleTo(&form)) << b->objectName().toStdString();
    EXPECT_TRUE(form.SBFloor->isEnabled());
    EXPECT_FALSE(form.SBRoof->isEnabled());
    EXPECT_TRUE(form.SBAirFlow->isEnabled());
    EXPECT_TRUE(form.WaterSB->isEnabled());
    EXPECT_FALSE(form.SBZoneInfo->isEnabled());
    int reports = 0;
    form.ShowDetailedReport = [&] { ++reports; };
    form.FormShow();
    form.SBZoneInfo->click();
    EXPECT_EQ(reports, 1);
    form.reject();
}

TEST_F(ZoneFormsTest, ZoneDetailsTypeChangeSetsItsColourAndConditioningAndEscapeKeepsTheEdits) {
    const int z = box(1, 0, 0, 10, 8, Rgb(10, 20, 30));
    model().Zones(z).Heated = true;
    model().Zones(z).Cooled = true;
    selection().CurrentZone = z;
    TZoneDetailForm& form = *forms->ZoneDetailForm;
    whenShown(&form, [&] {
        form.ZoneTypeCB->setCurrentIndex(5);
        emit form.ZoneTypeCB->activated(5);
        EXPECT_FALSE(form.Hcb->isChecked());
        EXPECT_FALSE(form.Ccb->isChecked());
        form.Hcb->setChecked(true);
        form.ZoneTypeCB->setCurrentIndex(5);
        emit form.ZoneTypeCB->activated(5); // chosen again, it clears the tick again
        form.ZoneNameEdit->setText("A garage with a long name");
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    // The plan editor's route: the zone takes the colour the dialog hands back.
    EXPECT_EQ(forms->PlanDialogs->ZoneDetailForm(), Rgb(119, 255, 159));
    const TZoneRec& zone = model().Zones(z);
    EXPECT_EQ(zone.ZoneType, 5);
    EXPECT_EQ(zone.Name, "A garage with a");
    EXPECT_FALSE(zone.Heated);
    EXPECT_FALSE(zone.Cooled);

    // Closed by the window's close box, nothing is written and the zone keeps its own colour,
    // not the one handed back before.
    model().Zones(z).Colour = Rgb(1, 1, 1);
    const std::string before = houseFile();
    whenShown(&form, [&] {
        form.ZoneNameEdit->setText("Changed");
        form.ZoneColourPanelClick();
        form.close();
    });
    form.ColorDialog1 = [](std::int32_t) { return std::optional<std::int32_t>(Rgb(9, 9, 9)); };
    form.ShowModal();
    EXPECT_EQ(form.ZoneDetailColour, Rgb(1, 1, 1));
    EXPECT_EQ(houseFile(), before);
}

TEST_F(ZoneFormsTest, ZoneDetailsOpenTheAirMovementAndStairsDialogsOnTheZone) {
    const int lower = box(1, 0, 0, 10, 8);
    const int upper = box(2, 0, 0, 10, 8);
    model().Zones(upper).StairDownCount = 1;
    model().StairsDown(upper, 1) = {2400, 1200, lower, 1};
    model().Zones(lower).StairUpCount = 1;
    model().StairsUp(lower, 1) = {2400, 1200, upper, 1};
    selection().CurrentZone = upper;
    TZoneDetailForm& form = *forms->ZoneDetailForm;
    TAirFlowForm& air = *forms->AirFlowForm;
    TStairForm& stairs = *forms->StairForm;
    whenShown(&form, [&] {
        ASSERT_TRUE(form.StairWellSB->isVisible());
        whenShown(&air, [&] {
            air.Panels->CVUD->setValue(3);
            air.OKSBClick();
        });
        form.SBAirFlow->click();
        whenShown(&stairs, [&] {
            EXPECT_EQ(stairs.windowTitle(), "Stair or Void 1 from Zone 2 to 1");
            stairs.HeightRG->item(3)->click(); // 900
            stairs.OKSBClick();
        });
        form.StairWellSB->click();
        form.OKSBClick();
    });
    form.ShowModal();
    EXPECT_EQ(model().Zones(upper).VentCount, 3);
    EXPECT_EQ(model().StairsDown(upper, 1).Length, 900);
    EXPECT_EQ(model().StairsUp(lower, 1).Length, 900);
}

// ---- Stairs and voids --------------------------------------------------------------------------

class StairFormTest : public ZoneFormsTest {
  protected:
    void SetUp() override {
        ZoneFormsTest::SetUp();
        // 2.5 m2 shared between the two levels.
        lower = box(1, 0, 0, 2.5, 1, Rgb(0, 200, 0));
        upper = box(2, 0, 0, 5, 5, Rgb(200, 0, 0));
    }
    // Opens the dialog as the stairwell tool does and runs `act` in it.
    void insertWith(std::function<void()> act) {
        selection().CurrentZone = upper;
        selection().OtherZone = lower;
        selection().InsertStairMode = true;
        whenShown(&form(), act);
        forms->PlanDialogs->StairForm();
        selection().InsertStairMode = false;
    }
    TStairForm& form() { return *forms->StairForm; }
    const TStairRec& down(int i = 1) { return model().StairsDown(upper, i); }
    const TStairRec& up(int i = 1) { return model().StairsUp(lower, i); }
    int lower = 0, upper = 0;
};

TEST_F(StairFormTest, AnInsertedOpeningIsShownAndATooLongLengthIsLimitedToTheSharedArea) {
    insertWith([&] {
        EXPECT_EQ(form().windowTitle(), "Stair or Void 1 from Zone 2 to 1");
        EXPECT_EQ(form().LowerZoneLbl->text(), "1");
        EXPECT_EQ(form().AvailAreaLb->text(), "2.50");
        EXPECT_EQ(form().HEdit->text(), "2400");
        EXPECT_EQ(form().WEdit->text(), "1200");
        EXPECT_EQ(form().HeightRG->itemIndex(), 8);
        EXPECT_EQ(form().WidthRG->itemIndex(), 4);
        EXPECT_EQ(form().AreaLabel->text(), "2.88 m\u00b2");
        EXPECT_TRUE(form().SB[0]->isVisibleTo(&form()));
        EXPECT_FALSE(form().SB[1]->isVisibleTo(&form()));

        // 2.5 m2 / 1.2 m = 2083.3 mm at most: one millimetre less, in whole millimetres.
        form().HEdit->selectAll();
        QTest::keyClicks(form().HEdit, "3000");
        EXPECT_EQ(scripted.messages.informations(),
                  std::vector<QString>{
                      "Too long. Combined Stair Void can not be greater than the Common Floor Area"});
        EXPECT_EQ(form().HEdit->text(), "2082");
        EXPECT_EQ(down().Length, 2082);
        EXPECT_EQ(up().Length, 2082);
        EXPECT_EQ(form().HeightRG->itemIndex(), -1);

        // Text that is not a number is emptied with a beep; the stored size stays.
        scripted.messages.clear();
        form().WEdit->setText("12x");
        EXPECT_EQ(scripted.messages.beeps, 1);
        EXPECT_TRUE(scripted.messages.informations().empty());
        EXPECT_EQ(form().WEdit->text(), "");
        EXPECT_EQ(down().Width, 1200);
        form().WEdit->setText("-600");
        EXPECT_EQ(form().WEdit->text(), "") << "a side is never negative";
        EXPECT_EQ(down().Width, 1200);

        // A preset is taken without the check.
        form().WidthRG->item(10)->click();
        EXPECT_EQ(down().Width, 3000);
        EXPECT_EQ(up().Width, 3000);
        EXPECT_EQ(form().WEdit->text(), "3000");
        QTest::keyClick(&form(), Qt::Key_Escape); // Escape keeps what was done, as OK
    });
    EXPECT_EQ(model().Zones(upper).StairDownCount, 1);
    EXPECT_EQ(down(), (TStairRec{2082, 3000, lower, 1}));
    EXPECT_EQ(up(), (TStairRec{2082, 3000, upper, 1}));
}

TEST_F(StairFormTest, WithTheSharedAreaTakenByAnotherOpeningATypedSizeIsRefused) {
    // The first opening takes 9 m2 of the 2.5 m2 shared (presets are not checked), so the second
    // may take less than nothing: whatever is typed is too long, and the length keeps its size.
    insertWith([&] {
        form().WidthRG->item(10)->click();
        form().HeightRG->item(10)->click();
        form().OKSBClick();
    });
    insertWith([&] {
        EXPECT_EQ(form().AvailAreaLb->text(), "-6.50");
        form().HEdit->setText("100");
        EXPECT_EQ(form().HEdit->text(), "2400");
        EXPECT_EQ(form().HeightRG->itemIndex(), 8);
        EXPECT_EQ(down(2).Length, 2400);
        EXPECT_EQ(up(2).Length, 2400);
        form().OKSBClick();
    });
    EXPECT_EQ(
        scripted.messages.informations(),
        std::vector<QString>{"Too long. Combined Stair Void can not be greater than the Common Floor Area"});
    EXPECT_EQ(down(1), (TStairRec{3000, 3000, lower, 1}));
}

// An opening is never of no length or width: the preset "0" and a typed 0 are refused with a
// message, and each box shows the size the opening keeps.  A width typed then is held to the
// shared area as any other.
TEST_F(StairFormTest, ASideOfNothingIsRefusedAndTheBoxesShowTheSizeUsed) {
    insertWith([&] {
        form().HeightRG->item(0)->click();
        EXPECT_EQ(scripted.messages.informations(), std::vector<QString>{TStairForm::kNoSize});
        EXPECT_EQ(form().HeightRG->itemIndex(), 8);
        EXPECT_EQ(form().HEdit->text(), "2400");
        EXPECT_EQ(down().Length, 2400);

        scripted.messages.clear();
        form().WEdit->setFocus();
        form().WEdit->selectAll();
        QTest::keyClicks(form().WEdit, "0");
        QTest::keyClick(form().WEdit, Qt::Key_Return);
        EXPECT_EQ(scripted.messages.informations(), std::vector<QString>{TStairForm::kNoSize});
        EXPECT_EQ(form().WEdit->text(), "1200");
        EXPECT_EQ(form().WidthRG->itemIndex(), 4);
        EXPECT_EQ(down().Width, 1200);

        // 2.5 m2 / 2.4 m = 1041.7 mm at most: 5000 is limited to 1041 and shown so.
        scripted.messages.clear();
        form().WEdit->selectAll();
        QTest::keyClicks(form().WEdit, "5000");
        QTest::keyClick(form().WEdit, Qt::Key_Return);
        EXPECT_EQ(scripted.messages.informations(),
                  std::vector<QString>{
                      "Too wide. Combined Stair Void can not be greater than the Common Floor Area"});
        EXPECT_EQ(form().WEdit->text(), "1041");
        EXPECT_EQ(down().Width, 1041);
        EXPECT_EQ(up().Width, 1041);
        form().OKSBClick();
    });
    EXPECT_EQ(down(), (TStairRec{2400, 1041, lower, 1}));
}

TEST_F(StairFormTest, RemovingTheOnlyOpeningClosesTheDialogAndAllLevelsEmptiesEveryZone) {
    insertWith([&] { form().RemoveStairwellSB->click(); });
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(model().Zones(upper).StairDownCount, 0);
    EXPECT_EQ(model().Zones(lower).StairUpCount, 0);

    insertWith([&] { form().OKSBClick(); });
    insertWith([&] {
        EXPECT_EQ(form().windowTitle(), "Stair or Void 2 from Zone 2 to 1");
        EXPECT_TRUE(form().SB[1]->isDown());
        form().SB[0]->click();
        EXPECT_EQ(selection().CurrentStair, 1);
        EXPECT_EQ(form().windowTitle(), "Stair or Void 1 from Zone 2 to 1");
        form().DeleteAllSB->click();
        EXPECT_TRUE(form().isVisible()) << "the dialog stays open";
        form().RemoveStairwellSB->click();
        form().OKSBClick();
    });
    for (int z = 1; z <= model().ZoneCount; ++z) {
        EXPECT_EQ(model().Zones(z).StairDownCount, 0);
        EXPECT_EQ(model().Zones(z).StairUpCount, 0);
    }
}

TEST_F(StairFormTest, AllLevelsAsksBeforeRemovingTheOpeningsOfOtherZones) {
    // An opening from a zone on the level above into the upper zone: the dialog does not show it.
    const int top = box(3, 0, 0, 2, 2);
    model().Zones(top).StairDownCount = 1;
    model().StairsDown(top, 1) = {1000, 1000, upper, 7};
    model().Zones(upper).StairUpCount = 1;
    model().StairsUp(upper, 1) = {1000, 1000, top, 7};
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        scripted.messages.clear();
        scripted.messages.answerNext(answer);
        insertWith([&] {
            form().DeleteAllSB->click();
            form().OKSBClick();
        });
        EXPECT_EQ(
            scripted.messages.confirmations(),
            std::vector<QString>{"Remove every stairwell and void of the house, those from Zone 3 too?"});
        const int kept = answer == Answer::No ? 1 : 0;
        EXPECT_EQ(model().Zones(top).StairDownCount, kept);
        EXPECT_EQ(model().Zones(upper).StairUpCount, kept);
        EXPECT_EQ(model().Zones(upper).StairDownCount, kept) << "the opening just inserted";
        EXPECT_EQ(model().Zones(lower).StairUpCount, kept);
    }
}

TEST_F(StairFormTest, ASeventhOpeningIsRefusedWithTheLimitMessage) {
    for (int i = 0; i < kMaxStairsDown; ++i) insertWith([&] { form().OKSBClick(); });
    scripted.messages.clear();
    insertWith([&] {
        EXPECT_EQ(form().windowTitle(), "Stair or Void 1 from Zone 2 to 1");
        form().OKSBClick();
    });
    EXPECT_EQ(scripted.messages.informations(),
              std::vector<QString>{"Only 6 stairs or voids can be modelled"});
    EXPECT_EQ(scripted.messages.beeps, 1);
    EXPECT_EQ(model().Zones(upper).StairDownCount, kMaxStairsDown);
    EXPECT_EQ(model().Zones(lower).StairUpCount, kMaxStairsDown);
}

TEST_F(StairFormTest, TheOpeningIsDrawnToThePlansScale) {
    model().Magnification = 1.0;
    insertWith([&] {
        // 1200 mm wide and 2400 mm long at 20 px/m: 24 x 48 px about the middle of the box, from
        // 12 px left of it to 11 right (the outline's last column) and 24 up to 23 down.
        QImage picture(form().PaintBox1->size(), QImage::Format_RGB32);
        form().PaintBox1->render(&picture);
        const QPoint c(picture.width() / 2, picture.height() / 2);
        const QColor blue(Qt::blue), black(Qt::black), silver(192, 192, 192);
        EXPECT_EQ(picture.pixelColor(c), blue);
        EXPECT_EQ(picture.pixelColor(c + QPoint(10, 22)), blue);
        EXPECT_EQ(picture.pixelColor(c + QPoint(-12, 0)), black);
        EXPECT_EQ(picture.pixelColor(c + QPoint(11, 0)), black);
        EXPECT_EQ(picture.pixelColor(c + QPoint(0, 23)), black);
        EXPECT_EQ(picture.pixelColor(c + QPoint(12, 0)), silver);
        EXPECT_EQ(picture.pixelColor(c + QPoint(0, -25)), silver);
        form().OKSBClick();
    });
}

} // namespace

namespace {

TEST_F(ZoneFormsTest, ZoneDetailsReportButtonOpensTheBuildingDetailsOnItsZone) {
    const int z = box(1, 0, 0, 10, 8);
    selection().CurrentZone = z;
    TZoneDetailForm& form = *forms->ZoneDetailForm;
    form.FormShow();
    ASSERT_TRUE(form.SBZoneInfo->isEnabled());
    form.SBZoneInfo->click();
    EXPECT_TRUE(forms->InfoForm->isVisible());
    EXPECT_TRUE(selection().DetailedReportOpen);
    EXPECT_EQ(forms->InfoForm->ZoneNumUpDown->value(), z);
    forms->InfoForm->OKSBClick();
    EXPECT_FALSE(selection().DetailedReportOpen);
    form.reject();
}

} // namespace
