// The temperature profile display's handlers: files in their slots with the climate check, curve
// picks, moves and colours, the period controls and typical periods, the chart's drag and axis.
#include "modeller/results/temperature_display.h"

#include "modeller/model/house_model.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"
#include "temperature_fixture.h"
#include "tests/support/temporary_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using namespace temperature_test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class TemperatureDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model.RootDir = folder.path().string();
        writeLines(folder / "Data/Climate/extremes.ext", extremesLines(12));
    }
    std::filesystem::path tem(const std::string& name, int climate, std::vector<std::string> zones,
                              bool leapYear = false) {
        const std::string climateFile = format("climat%02d.TXT", climate);
        const auto n = static_cast<int>(zones.size());
        return writeLines(
            folder / "temperature" / name,
            temLines(climateFile, zones, yearOfHours(leapYear, n, [](int row) { return row % 40; })));
    }
    void open(int slot, const std::filesystem::path& file) {
        files.chooseNext(QString::fromStdString(file.string()));
        display.SBOpenClick(slot);
    }
    const TempDisplayState& s() const { return display.state(); }

    test_support::TemporaryFolder folder{"tdisplay"};
    HouseModel model;
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    TemperatureDisplay display{model, messages, files};
};

TEST_F(TemperatureDisplayTest, OpensTheFirstSlotAndListsItsSeries) {
    ASSERT_TRUE(display.FormShow());
    EXPECT_EQ(s().StartDayLabel, " 1 JAN");
    EXPECT_EQ(s().EndNumLabel, "7");
    open(1, tem("house1.TEM", 5, {"Living", "Kitchen"}));
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, "Open Temperature File");
    EXPECT_EQ(files.requests[0].filter,
              "Temperature Files   *.tem|*.tem|All Files                    *.*|*.*");
    ASSERT_TRUE(s().Projects[0].Temps);
    EXPECT_THAT(s().Projects[0].Temps->SeriesNames, ElementsAre("Outdoor", "Living", "Kitchen"));
    EXPECT_EQ(s().Projects[0].Name, "house1.TEM");
    EXPECT_TRUE(s().Projects[0].FileVisible);
    EXPECT_EQ(s().TempFileClimate, 5);
    EXPECT_EQ(s().ClimateLabel, "Climate file climat05.TXT");
    EXPECT_TRUE(s().Projects[1].OpenVisible) << "the next slot can be opened";
    EXPECT_FALSE(s().Projects[2].PanelVisible);
}

TEST_F(TemperatureDisplayTest, ASlotOfAnotherClimateIsRefusedAndLoadsNothing) {
    display.FormShow();
    open(1, tem("a.TEM", 5, {"Living"}));
    open(2, tem("b.TEM", 12, {"Living"}));
    EXPECT_THAT(messages.informations(), ElementsAre("This project used CLIMAT12 instead of CLIMAT5."));
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_FALSE(s().Projects[1].Temps);
    EXPECT_FALSE(s().Projects[1].FileVisible);
    EXPECT_FALSE(s().Projects[2].OpenVisible);
    EXPECT_EQ(s().TempFileClimate, 5);
}

TEST_F(TemperatureDisplayTest, ADamagedFileIsReportedAndTheSlotKeepsWhatItHeld) {
    display.FormShow();
    open(1, tem("a.TEM", 5, {"Living"}));
    auto lines = temLines("climat05.TXT", {"Kitchen"}, {{1, 1, 0, 5.0, {20.0}}});
    lines[4].replace(26, 5, "x.y.z");
    const auto damaged = writeLines(folder / "temperature/bad.TEM", lines);
    open(1, damaged);
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_THAT(messages.errors()[0].toStdString(), HasSubstr(damaged.string()));
    EXPECT_THAT(s().Projects[0].Temps->SeriesNames, ElementsAre("Outdoor", "Living"));
    EXPECT_EQ(s().Projects[0].Name, "a.TEM");
}

TEST_F(TemperatureDisplayTest, SixCurvesAtMostAndDeletingMovesTheRestUp) {
    display.FormShow();
    open(1, tem("a.TEM", 5, {"Living", "Kitchen", "Bed"}));
    for (int series : {1, 2, 3, 0}) display.ListBoxClick(1, series);
    EXPECT_EQ(s().CurveCount, 4);
    EXPECT_TRUE(s().CurveListVisible);
    EXPECT_EQ(s().Curves[0].Label, "P1  Living");
    EXPECT_EQ(s().Curves[3].Label, "P1  Outdoor");
    EXPECT_EQ(s().Curves[1].Colour, kCurvePalette[1]);
    display.CheckBoxClick(3, false);

    // Deleting curve 2 moves curves 3 and 4 up with their names, colours and ticks.
    display.SBDeleteClick(2);
    EXPECT_EQ(s().CurveCount, 3);
    EXPECT_EQ(s().Curves[1].Label, "P1  Bed");
    EXPECT_EQ(s().Curves[1].Colour, kCurvePalette[2]);
    EXPECT_FALSE(s().Curves[1].Checked);
    EXPECT_EQ(s().Curves[2].Label, "P1  Outdoor");
    EXPECT_EQ(s().Curves[2].Colour, kCurvePalette[3]);
    EXPECT_TRUE(s().Curves[2].Checked);
    EXPECT_FALSE(s().Curves[3].Visible);
    // The next pick takes the colour that was freed, and copies the series it names.
    display.ListBoxClick(1, 2);
    EXPECT_EQ(s().Curves[3].Colour, kCurvePalette[1]);
    EXPECT_EQ(s().Curves[3].Points.size(), 8760u);
    EXPECT_DOUBLE_EQ(s().Curves[3].Points[41].Temp, 1.0);

    display.ListBoxClick(1, 1);
    display.ListBoxClick(1, 1);
    ASSERT_EQ(s().CurveCount, 6);
    messages.clear();
    display.ListBoxClick(1, 3);
    EXPECT_THAT(messages.informations(), ElementsAre("Only 6 zones can be displayed"));
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(s().Curves[5].Label, "P1  Living");

    display.ClearAllButtonClick();
    EXPECT_EQ(s().CurveCount, 6);
    EXPECT_FALSE(s().Curves[0].Checked);
    display.DeleteAllButtonClick();
    EXPECT_EQ(s().CurveCount, 0);
    EXPECT_FALSE(s().Curves[0].Visible);
}

TEST_F(TemperatureDisplayTest, ALeapYearFileReadAloneShowsTheWholeYear) {
    display.FormShow();
    open(1, tem("leap.TEM", 5, {"Living"}, true));
    EXPECT_TRUE(s().LeapYearFile);
    EXPECT_EQ(s().LastHourIndex, 8783);
    display.ListBoxClick(1, 1);
    ASSERT_EQ(s().Curves[0].Points.size(), 8784u);
    EXPECT_NEAR(s().Curves[0].Points.back().Time, 365.0 + 23.0 / 24.0, 1e-9);
    display.DayEBChange("29");
    display.MonthEBChange("2");
    EXPECT_EQ(s().StartDayLabel, "29 FEB");
}

TEST_F(TemperatureDisplayTest, PeriodFieldsAndTheirLimits) {
    display.FormShow();
    display.DayEBChange("30");
    display.DurationEBChange("7");
    EXPECT_EQ(s().StartNumLabel, "30");
    EXPECT_EQ(s().EndNumLabel, "36");
    EXPECT_EQ(s().StartDayLabel, "30 JAN");
    EXPECT_EQ(s().EndDayLabel, " 5 FEB");
    EXPECT_EQ(s().ChartTitle, "Temperature Profiles  from the start of 30 JAN to the end of  5 FEB");
    EXPECT_DOUBLE_EQ(s().BottomMinimum, 29.0);
    EXPECT_DOUBLE_EQ(s().BottomMaximum, 36.0);

    display.MonthEBChange("4");
    display.DayEBChange("31");
    EXPECT_EQ(s().PeriodDay, 30);
    EXPECT_EQ(s().DayText, " 30");
    display.MonthEBChange("2");
    EXPECT_EQ(s().PeriodDay, 28);
    display.MonthEBChange("14");
    EXPECT_EQ(s().PeriodMonth, 12);

    // The day's arrows run over the ends of months and of the year.
    display.DayEBChange("31");
    display.UpDownDayClick(32);
    EXPECT_EQ(s().PeriodMonth, 1);
    EXPECT_EQ(s().PeriodDay, 1);
    display.UpDownDayClick(0);
    EXPECT_EQ(s().PeriodMonth, 12);
    EXPECT_EQ(s().PeriodDay, 31);
    display.UpDownMonthClick(13);
    EXPECT_EQ(s().PeriodMonth, 1);
    display.UpDownMonthClick(2);
    EXPECT_EQ(s().PeriodDay, 28);

    messages.clear();
    display.DurationEBChange("ten");
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(s().DurationText, "");
    EXPECT_EQ(s().PeriodDays, 7);
    display.DurationEBChange("400");
    EXPECT_EQ(s().PeriodDays, 366);
}

TEST_F(TemperatureDisplayTest, TypicalPeriodsOfTheFilesClimate) {
    display.FormShow();
    // Before any file names the climate there is no row of periods: a beep and nothing changes.
    display.ComboBox1Change(4);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(s().PeriodMonth, 1);
    EXPECT_EQ(s().PeriodDays, 7);

    open(1, tem("a.TEM", 5, {"Living"}));
    display.ComboBox1Change(4); // "Sunny day in March": period 5 of climate 5
    EXPECT_EQ(s().PeriodMonth, 6);
    EXPECT_EQ(s().PeriodDay, 5);
    EXPECT_EQ(s().PeriodDays, 1);
    EXPECT_EQ(s().DurationText, "  1");
    display.ComboBox1Change(1); // "Hot week in summer": period 4
    EXPECT_EQ(s().PeriodMonth, 5);
    EXPECT_EQ(s().PeriodDays, 7);

    // A climate past the end of the table is refused in the same way.
    open(1, tem("b.TEM", 13, {"Living"}));
    messages.clear();
    display.ComboBox1Change(0);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(s().PeriodMonth, 5);
}

TEST_F(TemperatureDisplayTest, AMissingPeriodsFileIsNamedAndTheDisplayStillWorks) {
    std::filesystem::remove(folder / "Data/Climate/extremes.ext");
    EXPECT_FALSE(display.FormShow());
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_THAT(messages.errors()[0].toStdString(), HasSubstr("extremes.ext"));
    open(1, tem("a.TEM", 5, {"Living"}));
    display.ComboBox1Change(0);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(s().PeriodMonth, 1);
}

TEST_F(TemperatureDisplayTest, ADragSnapsToWholeDaysAndSteps) {
    display.FormShow();
    display.Chart1MouseUp(40.6, 47.6, -2.4, 38.6);
    EXPECT_DOUBLE_EQ(s().BottomMinimum, 41.0);
    EXPECT_DOUBLE_EQ(s().BottomMaximum, 48.0);
    EXPECT_EQ(s().StartNumLabel, "42");
    EXPECT_EQ(s().EndNumLabel, "48");
    EXPECT_EQ(s().PeriodMonth, 2);
    EXPECT_EQ(s().PeriodDay, 11);
    EXPECT_EQ(s().DayText, " 11");
    EXPECT_DOUBLE_EQ(s().LeftMinimum, 0.0);
    EXPECT_DOUBLE_EQ(s().LeftMaximum, 40.0);
    display.Chart1MouseUp(-3.2, 3.8, 0.0, 45.0);
    EXPECT_DOUBLE_EQ(s().BottomMinimum, 0.0);
    EXPECT_EQ(s().StartDayLabel, " 1 JAN");
}

TEST_F(TemperatureDisplayTest, TheAxisTopStopsOneStepAboveItsBottom) {
    display.FormShow();
    display.UpGraphSBClick();
    EXPECT_DOUBLE_EQ(s().LeftMaximum, 40.0);
    for (int i = 0; i < 20; ++i) display.UpGraphSBClick();
    EXPECT_DOUBLE_EQ(s().LeftMaximum, 5.0);
    display.DownGraphSBClick();
    EXPECT_DOUBLE_EQ(s().LeftMaximum, 10.0);
}

TEST_F(TemperatureDisplayTest, TheWeatherFileSetsTheClimateAndTheYear) {
    display.FormShow();
    std::vector<std::string> lines;
    for (int d = 28; d <= 29; ++d)
        for (int h = 0; h < 24; ++h) lines.push_back(climateRecord(2, d, h, 10.0 + h / 10.0));
    const auto file = writeLines(folder / "Data/Climate/climat07.TXT", lines);
    files.chooseNext(QString::fromStdString(file.string()));
    display.SBOpenWeatherClick();
    EXPECT_EQ(files.requests.back().title, "Open Climate File");
    EXPECT_EQ(s().TempFileClimate, 7);
    EXPECT_TRUE(s().LeapYearFile);
    EXPECT_EQ(s().LastHourIndex, 8783);
    EXPECT_TRUE(s().WeatherChecked);
    EXPECT_EQ(s().WeatherName, "climat07.TXT");
    ASSERT_EQ(s().WeatherTemps.size(), 48u);
    EXPECT_DOUBLE_EQ(s().WeatherTemps[25].Temp, 10.1);
    display.ComboBox1Change(5); // "Cloudy day in March" of climate 7: month 7, day 7
    EXPECT_EQ(s().PeriodMonth, 7);
    EXPECT_EQ(s().PeriodDay, 7);

    // Opened again, the display keeps the file in memory but shows no curve of it.
    display.FormShow();
    EXPECT_FALSE(s().WeatherChecked);
    EXPECT_FALSE(s().WeatherVisible);
    EXPECT_EQ(s().WeatherTemps.size(), 48u);
    EXPECT_FALSE(s().LeapYearFile);
}

} // namespace
