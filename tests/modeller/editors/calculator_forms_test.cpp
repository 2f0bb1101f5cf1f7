// The calculation tools' dialogs on the shipped program folder: the tools dialog opens each
// calculator and stays open on Enter and Escape; the R value calculators show the shipped materials'
// values; the sun position tool steps its dates and times as a calendar does; the air-gap calculator
// limits what it computes with and gives the model's own air-gap resistances.
#include "modeller/editors/air_gap_form.h"
#include "modeller/editors/sun_position_form.h"
#include "modeller/editors/tools_forms.h"
#include "modeller/model/building_physics.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"

#include "tests/support/temporary_folder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace pelmora;

class CalculatorFormsTest : public ::testing::Test {
  protected:
    const std::filesystem::path folder_{PROGRAM_FOLDER};
    platform::ScriptedMessageService messages_;
    platform::ScriptedFileDialogService files_;
    platform::ScriptedHelpService help_;
    platform::PdfPrintService printing_{"/dev/null"};
    platform::Services services_{messages_, files_, help_, printing_};
};

void pressKey(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

TEST_F(CalculatorFormsTest, TheToolsDialogOpensTheCalculatorsAndClosesOnlyByItsButton) {
    TToolsForm tools(services_);
    TSimpleRForm simple(folder_, services_);
    TRValForm compound(folder_, services_);
    TSunPosForm sun(folder_, services_);
    TAirGapForm gap(folder_, services_);
    tools.SimpleRForm = &simple;
    tools.RValForm = &compound;
    tools.SunPosForm = &sun;
    tools.AirGapForm = &gap;
    tools.show();
    pressKey(tools, Qt::Key_Escape);
    pressKey(tools, Qt::Key_Return);
    EXPECT_TRUE(tools.isVisible());

    tools.SpeedButton1Click();
    tools.SpeedButton2Click();
    tools.SpeedButton3Click();
    EXPECT_TRUE(simple.isVisible());
    EXPECT_TRUE(compound.isVisible());
    EXPECT_TRUE(sun.isVisible());
    // The air-gap calculator is modal: it is showing while its button waits.
    bool shownModal = false;
    QTimer::singleShot(0, [&] {
        shownModal = gap.isVisible() && gap.isModal();
        gap.CancelSBClick();
    });
    tools.SpeedButton4Click();
    EXPECT_TRUE(shownModal);
    tools.CancelSBClick();
    EXPECT_FALSE(tools.isVisible());
    EXPECT_TRUE(messages_.errors().empty());
}

// Typed into a box, as the user types over its text; the typing ends with Enter.
void typeInto(platform::EditBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

TEST_F(CalculatorFormsTest, TheSimpleCalculatorShowsTheChosenMaterialsValues) {
    TSimpleRForm form(folder_, services_);
    form.show();
    ASSERT_GT(form.ProductLB->count(), 1);
    // The shipped list starts with clay brick: resistivity 1.2987 m K/W, 1360 kJ/m3K, at 20 mm.
    EXPECT_EQ(form.MatNameLabel->text(), "  Clay brick, common");
    EXPECT_EQ(form.RvalueEB->text(), "   0.0260");
    EXPECT_EQ(form.CvalueEB->text(), "  27.2000");
    EXPECT_EQ(form.KLabel->text(), "  0.7700");
    form.ThickEB->setText("110");
    EXPECT_EQ(form.RvalueEB->text(), "   0.1429");
    EXPECT_EQ(form.UpDownThick->value(), 110);
    form.ThickEB->setText("abc");
    EXPECT_EQ(form.ThickEB->text(), "0");
    EXPECT_EQ(form.RvalueEB->text(), "   0.0000");
    form.ProductLB->setCurrentRow(1);
    form.ProductLBClick();
    EXPECT_EQ(form.MatNameLabel->text(), form.ProductLB->item(1)->text());
}

// A thickness outside 0 to 2000 mm is refused with a message when the typing ends, and the box shows
// again the thickness whose R and C are shown; conductivity is given per metre and kelvin.
TEST_F(CalculatorFormsTest, TheRValueCalculatorsRefuseAThicknessOutsideTheirRange) {
    TSimpleRForm simple(folder_, services_);
    TRValForm compound(folder_, services_);
    simple.show();
    compound.show();
    QStringList units;
    for (const QLabel* label : simple.findChildren<QLabel*>()) units << label->text();
    EXPECT_TRUE(units.contains("W/(m·K)")) << units.join(" | ").toStdString();
    EXPECT_FALSE(units.contains("W/m².K"));
    // The box computes at every keystroke that leaves a thickness within the range: typing 2500
    // computes with 250 mm until the last 0.
    struct Case {
        const char* typed;
        int used; // mm
    };
    for (MaterialRForm* form : std::initializer_list<MaterialRForm*>{&simple, &compound}) {
        for (const Case& c : {Case{"-50", 110}, Case{"2500", 250}}) {
            typeInto(form->ThickEB, QString::number(c.used));
            const QString r = form->RvalueEB->text();
            messages_.clear();
            typeInto(form->ThickEB, c.typed);
            EXPECT_EQ(messages_.informations(), std::vector<QString>{MaterialRForm::kThicknessOutOfRange})
                << c.typed;
            EXPECT_EQ(form->ThickEB->text(), QString::number(c.used)) << c.typed;
            EXPECT_EQ(form->thickness(), c.used) << c.typed;
            EXPECT_EQ(form->RvalueEB->text(), r) << c.typed;
            EXPECT_EQ(form->UpDownThick->value(), c.used) << c.typed;
        }
    }
    typeInto(simple.ThickEB, "110");
    typeInto(simple.ThickEB, "-50");
    // Clay brick, 1360 kJ/m3K: 110 mm store 149.6 kJ/m2K, whatever was refused.
    EXPECT_EQ(simple.CvalueEB->text(), " 149.6000");
}

TEST_F(CalculatorFormsTest, TheCompoundCalculatorCombinesItsRowsAndLeavesBlanksWithoutArea) {
    TRValForm form(folder_, services_);
    form.show();
    form.R1EB->setText("2.0");
    form.R2EB->setText("0.5");
    form.R3EB->setText("0.1");
    form.Percent1EB->setText("90");
    EXPECT_EQ(form.Percent2Label->text(), "10");
    // Worked by hand for these rows: upper 1.985455, lower 1.927013, total 1.983734.
    EXPECT_EQ(form.UL->text(), "   1.9855");
    EXPECT_EQ(form.LL->text(), "   1.9270");
    EXPECT_EQ(form.RAllLabel->text(), "   1.9837");
    EXPECT_EQ(form.RTopLabel->text(), "   1.6437");

    // A box that is not a number is reported and the results keep what they showed.
    form.R2EB->setText("x");
    ASSERT_EQ(messages_.errors().size(), 1u);
    EXPECT_EQ(form.UL->text(), "   1.9855");
    // Films and layers of no resistance on a row of no share: no limit to show, blanks.
    for (auto* box : {form.R1EB, form.R2EB, form.R3EB, form.AirFilmTop, form.AirFilmBottom})
        box->setText("0");
    EXPECT_EQ(form.UL->text(), "");
    EXPECT_EQ(form.RAllLabel->text(), "");

    // A material goes into a row with its name, thickness and R value.
    form.ThickEB->setText("20");
    form.Transfer3SBClick();
    EXPECT_EQ(form.MatName3Label->text(), form.MatNameLabel->text());
    EXPECT_EQ(form.Thick3Label->text(), "20");
    EXPECT_EQ(form.R3EB->text(), "0.0260");
}

TEST_F(CalculatorFormsTest, TheSunPositionToolStartsOnTheTenthOfOctoberAndStepsLikeACalendar) {
    TSunPosForm form(folder_, services_);
    form.show();
    EXPECT_TRUE(messages_.errors().empty());
    EXPECT_EQ(form.Time1->text(), "   10.13");
    EXPECT_EQ(form.position().DayNumber, 283);
    EXPECT_TRUE(form.Altitude->text().startsWith("   "));

    // Minutes of 60 or more give the whole hour.
    form.LocalT->setText("10.75");
    EXPECT_EQ(form.LocalT->text().trimmed(), "10.00");
    EXPECT_DOUBLE_EQ(form.input().LocalTime, 10.0);
    // At night the direction says so.
    form.LocalT->setText("22.00");
    EXPECT_TRUE(form.Altitude->text().startsWith("Night "));
    EXPECT_TRUE(form.Azimuth->text().startsWith("Night "));
    // A text that is not a number keeps the last good value.
    form.Day1->setText("abc");
    EXPECT_DOUBLE_EQ(form.input().Day, 10.0);
    form.Latitude->setText("x");
    EXPECT_DOUBLE_EQ(form.input().Latitude, -27.5);
    // The equator is computed a hair off it while the box keeps 0.
    form.Latitude->setText("0");
    EXPECT_DOUBLE_EQ(form.input().Latitude, 0.00001);
    EXPECT_EQ(form.Latitude->text(), "0");
    // Longitude 15 degrees east of the meridian: an hour later by the sun.
    const double solar = form.position().SolarTime;
    form.Longitude->setText("165");
    EXPECT_NEAR(form.position().SolarTime - solar, 1.0, 1e-9);
    form.Longitude->setText("east");
    EXPECT_EQ(form.Longitude->text(), "");
    EXPECT_GE(messages_.beeps, 1);

    struct Step {
        int day, month;
        int upDownDay; // the position the day's up-down moves to
        int expectedDay, expectedMonth;
    };
    for (const Step& s :
         {Step{31, 1, 32, 1, 2}, Step{1, 3, 0, 28, 2}, Step{31, 12, 32, 1, 1}, Step{1, 1, 0, 31, 12}}) {
        SCOPED_TRACE(testing::Message() << s.day << "/" << s.month);
        form.Month1->setText(QString::number(s.month));
        form.Day1->setText(QString::number(s.day));
        form.UpDownDay->setValue(s.upDownDay);
        EXPECT_EQ(form.input().Day, s.expectedDay);
        EXPECT_EQ(form.input().Month, s.expectedMonth);
        EXPECT_EQ(form.Day1->text().trimmed(), QString::number(s.expectedDay));
    }
    // February chosen on the 31st: the 28th.
    form.Month1->setText("1");
    form.Day1->setText("31");
    form.UpDownMonth->setValue(2);
    EXPECT_EQ(form.input().Day, 28);
    EXPECT_EQ(form.Day1->text().trimmed(), "28");

    form.ImageMouseMove(200, 110);
    EXPECT_EQ(form.StatusBar1->panelText(1), "Current: (-90, 45)");
}

TEST_F(CalculatorFormsTest, TheSunPositionToolRoundsHalvesToEven) {
    TSunPosForm form(folder_, services_);
    form.show();
    // Two pixels a degree: an odd pixel off the chart's origin lies half a degree between two
    // whole degrees, and the half goes to the even one.
    struct Pointer {
        int x, y;
        const char* shown;
    };
    for (const Pointer& p : {Pointer{21, 21, "Current: (-180, 90)"}, Pointer{23, 23, "Current: (-178, 88)"},
                             Pointer{25, 205, "Current: (-178, -2)"}}) {
        SCOPED_TRACE(p.shown);
        form.ImageMouseMove(p.x, p.y);
        EXPECT_EQ(form.StatusBar1->panelText(1), p.shown);
    }
    // The latitude's up-down stands at the typed latitude rounded the same way.
    form.Latitude->setText("-26.5");
    EXPECT_EQ(form.UpDownLat->value(), -26);
    form.Latitude->setText("-27.5");
    EXPECT_EQ(form.UpDownLat->value(), -28);
}

TEST_F(CalculatorFormsTest, TheAirGapCalculatorComputesWithTheTypedValueItsScrollBarRounded) {
    TAirGapForm form(folder_, services_);
    form.show();
    // The scroll bar goes to the typed value rounded, halves to even; the calculator computes with
    // the value the box shows.
    form.E1edit->setText("0.125"); // 12.5 hundredths: down to the even 12
    EXPECT_EQ(form.E1scroll->value(), 12);
    EXPECT_DOUBLE_EQ(form.emittance1(), 0.125);
    form.E2edit->setText("0.375"); // 37.5 hundredths: up to the even 38
    EXPECT_EQ(form.E2scroll->value(), 38);
    EXPECT_DOUBLE_EQ(form.emittance2(), 0.375);
    form.GEdit->setText("20.5");
    EXPECT_EQ(form.GapScroll->value(), 20);
    EXPECT_DOUBLE_EQ(form.gap(), 20.5);
    EXPECT_NEAR(form.effectiveEmittance(), 1.0 / (1.0 / 0.125 + 1.0 / 0.375 - 1.0), 1e-12);
}

// A gap or an emittance outside the coefficient table is refused with a message when the typing
// ends, and the box shows again the value the calculator computes with.
TEST_F(CalculatorFormsTest, TheAirGapCalculatorRefusesAValueOutsideItsTable) {
    TAirGapForm form(folder_, services_);
    form.show();
    struct Case {
        platform::EditBox* box;
        const char* typed;
        const char* message;
        const char* shown;
        double (TAirGapForm::*value)() const;
        double used;
    };
    form.GEdit->setText("40");
    form.E1edit->setText("0.3");
    const Case cases[] = {
        {form.GEdit, "0", TAirGapForm::kGapOutOfRange, "40", &TAirGapForm::gap, 40.0},
        {form.GEdit, "-20", TAirGapForm::kGapOutOfRange, "40", &TAirGapForm::gap, 40.0},
        {form.GEdit, "8", TAirGapForm::kGapOutOfRange, "40", &TAirGapForm::gap, 40.0},
        {form.GEdit, "95", TAirGapForm::kGapOutOfRange, "40", &TAirGapForm::gap, 40.0},
        {form.E1edit, "0", TAirGapForm::kEmittanceOutOfRange, "0.30", &TAirGapForm::emittance1, 0.3},
        {form.E1edit, "0.01", TAirGapForm::kEmittanceOutOfRange, "0.30", &TAirGapForm::emittance1, 0.3},
        {form.E2edit, "0.95", TAirGapForm::kEmittanceOutOfRange, "0.90", &TAirGapForm::emittance2, 0.9},
    };
    const double down = form.resistanceDown();
    for (const Case& c : cases) {
        messages_.clear();
        typeInto(c.box, c.typed);
        EXPECT_EQ(messages_.informations(), std::vector<QString>{c.message}) << c.typed;
        EXPECT_EQ(messages_.beeps, 1) << c.typed;
        EXPECT_EQ(c.box->text(), c.shown) << c.typed;
        EXPECT_DOUBLE_EQ((form.*c.value)(), c.used) << c.typed;
        EXPECT_DOUBLE_EQ(form.resistanceDown(), down) << c.typed;
    }
    // A value within the table is taken as typed, without a message.
    messages_.clear();
    typeInto(form.GEdit, "25");
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(form.GEdit->text(), "25");
    EXPECT_DOUBLE_EQ(form.gap(), 25.0);
    EXPECT_LT(form.resistanceDown(), down) << "a narrower gap resists heat flowing down less";
}

TEST_F(CalculatorFormsTest, TheSunPathsAreDrawnOnlyWhileTicked) {
    TSunPosForm form(folder_, services_);
    form.show();
    const QImage withPaths = form.chart();
    form.CheckBox1->setChecked(false);
    form.CheckBox1Click();
    const QImage without = form.chart();
    EXPECT_NE(withPaths, without);
    // Without the paths, changing the day leaves none on the chart: only the sun moves.
    form.Day1->setText("11");
    int differing = 0;
    for (int y = 0; y < without.height(); ++y)
        for (int x = 0; x < without.width(); ++x)
            differing += without.pixel(x, y) != form.chart().pixel(x, y);
    EXPECT_GT(differing, 0);
    EXPECT_LT(differing, 400); // two sun discs of radius 6 at most
    // The sun is drawn where its direction falls on the chart.
    const QPoint sun = TSunPosForm::ChartPoint(form.position().Azimuth * 180.0 / M_PI,
                                               form.position().Altitude * 180.0 / M_PI);
    EXPECT_EQ(QColor(form.chart().pixel(sun)), QColor(Qt::yellow));
}

TEST_F(CalculatorFormsTest, TheAirGapCalculatorLimitsItsInputsAndMatchesTheModelsResistances) {
    TAirGapForm form(folder_, services_);
    form.show();
    ASSERT_TRUE(form.tableRead());
    // 0.05 and 0.9: 1 / (1 / 0.05 + 1 / 0.9 - 1) = 0.0497.
    EXPECT_NEAR(form.effectiveEmittance(), 1.0 / (20.0 + 1.0 / 0.9 - 1.0), 1e-12);
    EXPECT_EQ(form.EffEmit->text(), "0.05");
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 4);

    form.GEdit->setText("21");
    EXPECT_DOUBLE_EQ(form.gap(), 21.0);
    EXPECT_EQ(form.GapRG->itemIndex(), -1);
    form.GEdit->setText("40");
    EXPECT_EQ(form.GapRG->itemIndex(), 2);
    EXPECT_EQ(form.GEdit->text(), " 40");
    form.AngleEdit->setText("120");
    EXPECT_EQ(form.AngleEdit->text(), "90");
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 0);
    // Dragging the handle from upright to a point as far out as up from the pivot gives 45 degrees.
    QTest::mousePress(form.PaintBoxTilt, Qt::LeftButton, {}, QPoint(5, 25));
    QTest::mouseMove(form.PaintBoxTilt, QPoint(100, 20));
    QTest::mouseRelease(form.PaintBoxTilt, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_DOUBLE_EQ(form.tilt(), 45.0);
    EXPECT_EQ(form.AngleEdit->text(), "45");
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 2);

    // "45°" unvented gives what the ceiling and roof editors get for the same gap.
    form.RadioGroup2->setItemIndex(2);
    HouseModel model;
    model.RootDir = folder_.string();
    ReadBestFitFile(model);
    AirGapResistance(model, 0, 40.0, 0.05, 0.9, 45.0);
    EXPECT_DOUBLE_EQ(form.resistanceUp(), model.AirGapResistanceUp);
    EXPECT_DOUBLE_EQ(form.resistanceDown(), model.AirGapResistanceDown);
    EXPECT_GT(form.resistanceDown(), form.resistanceUp()); // still air resists downward flow more
    EXPECT_EQ(form.PaintBox1->upLength(), static_cast<int>(model.AirGapResistanceUp * 100));
    // Vented gaps resist less.
    form.RadioGroup3->setItemIndex(1);
    EXPECT_LT(form.resistanceUp(), model.AirGapResistanceUp);
}

TEST_F(CalculatorFormsTest, WithoutItsCoefficientTableTheAirGapCalculatorShowsNoFigures) {
    test_support::TemporaryFolder empty("airgap");
    TAirGapForm form(empty.path(), services_);
    form.show();
    EXPECT_FALSE(form.tableRead());
    ASSERT_EQ(messages_.errors().size(), 1u);
    EXPECT_TRUE(messages_.errors()[0].contains("BESTFIT.DAT"));
    EXPECT_EQ(form.Edit1->text(), "");
    EXPECT_EQ(form.Edit2->text(), "");
}

} // namespace
