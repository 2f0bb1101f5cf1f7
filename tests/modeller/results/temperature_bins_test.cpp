// The distribution table in its two modes (the display's curves, every series of a file) and the
// histogram windows' rows, names and axis.
#include "modeller/results/temperature_bins.h"

#include "modeller/model/house_model.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"
#include "temperature_fixture.h"
#include "tests/support/temporary_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>
#include <numeric>

namespace {

using namespace pelmora;
using namespace temperature_test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

int total(const BinRow& row) {
    return std::accumulate(row.begin(), row.end(), 0);
}

class TemperatureBinsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model.RootDir = folder.path().string();
        writeLines(folder / "Data/Climate/extremes.ext", extremesLines(5));
        display.FormShow();
    }
    void chooseFile(const std::filesystem::path& file) {
        files.chooseNext(QString::fromStdString(file.string()));
    }

    test_support::TemporaryFolder folder{"tbins"};
    HouseModel model;
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    TemperatureDisplay display{model, messages, files};
    TemperatureBins bins{model, messages, files, display};
};

TEST_F(TemperatureBinsTest, FileModeCountsEverySeriesAtTheBinEdges) {
    // Outdoor: 9.99, 10.0, 36.99, 37.0; Living four hours at 21.5; Kitchen at -3, 10.5, 10.9, 40.
    const std::vector<Hour> hours = {{1, 1, 0, 9.99, {21.5, -3.0}},
                                     {1, 1, 1, 10.0, {21.5, 10.5}},
                                     {1, 1, 2, 36.99, {21.5, 10.9}},
                                     {1, 1, 3, 37.0, {21.5, 40.0}}};
    auto lines = temLines("climat05.TXT", {"Living", "Kitchen"}, hours);
    // The engine writes one decimal; 9.99 and 36.99 need two, so they are written by hand here.
    lines[4].replace(15, 8, "    9.99");
    lines[6].replace(15, 8, "   36.99");
    const auto file = writeLines(folder / "temperature/temps.txt", lines);
    bins.FormShow();
    chooseFile(file);
    bins.SBOpenP1Click();
    EXPECT_EQ(files.requests.back().fileName, "temps.txt");
    EXPECT_EQ(files.requests.back().filter,
              "Temperature Files   *.tem|*.tem|All Files                    *.*|*.*");
    ASSERT_TRUE(bins.BinFileMode());
    EXPECT_EQ(bins.counts(0)[0], 1);  // 9.99 below 10
    EXPECT_EQ(bins.counts(0)[1], 1);  // 10.0 in "10"
    EXPECT_EQ(bins.counts(0)[27], 1); // 36.99 in "36"
    EXPECT_EQ(bins.counts(0)[28], 1); // 37.0 in ">36"
    EXPECT_EQ(bins.counts(1)[12], 4); // 21.5 in "21"
    EXPECT_EQ(bins.counts(2)[0], 1);
    EXPECT_EQ(bins.counts(2)[1], 2);
    EXPECT_EQ(bins.counts(2)[28], 1);

    const auto& table = bins.lines();
    ASSERT_EQ(table.size(), 5u + 3u);
    EXPECT_EQ(table[0].text, kBinTableTitle);
    EXPECT_EQ(table[0].font, 0);
    EXPECT_EQ(table[2].text, file.string());
    EXPECT_EQ(table[2].font, 1);
    EXPECT_EQ(table[4].text, BinTableHeading());
    EXPECT_EQ(table[5].text.substr(0, 27), "         Outdoor     1    1");
    EXPECT_EQ(table[6].text.substr(0, 17), " Living          ");
    EXPECT_EQ(table[7].font, 3);
    EXPECT_EQ(bins.fileLabel(), "temps.txt");
}

// The open dialog lists, by its first filter, the hourly temperature file that a run writes into
// the temperature folder (named after the project and run, with the extension ".TEM"), as the
// file dialog matches names: without regard to case.
TEST_F(TemperatureBinsTest, TheOpenDialogListsTheTemperatureFileOfARun) {
    bins.FormShow();
    files.chooseNext(std::nullopt); // the user cancels
    bins.SBOpenP1Click();
    ASSERT_EQ(files.requests.size(), 1u);
    const QStringList filter = files.requests.back().filter.split('|');
    ASSERT_GE(filter.size(), 2);
    const QStringList patterns = filter[1].split(';');
    const auto listed = [&](const QString& name) {
        return std::any_of(patterns.begin(), patterns.end(),
                           [&](const QString& pattern) { return QDir::match(pattern, name); });
    };
    EXPECT_TRUE(listed("New Project1.TEM")) << filter[1].toStdString();
    EXPECT_TRUE(listed("house12.tem"));
    EXPECT_FALSE(listed("climat05.TXT")) << "a climate file is no temperature file";
    EXPECT_FALSE(bins.BinFileMode());
}

TEST_F(TemperatureBinsTest, LeapAndCommonYearsCountEveryHour) {
    for (bool leap : {false, true}) {
        const auto file = writeLines(
            folder / "temperature/year.txt",
            temLines("climat05.TXT", {"Living"}, yearOfHours(leap, 1, [](int row) { return row % 30; })));
        chooseFile(file);
        bins.SBOpenP1Click();
        EXPECT_EQ(total(bins.counts(0)), leap ? 8784 : 8760);
        EXPECT_EQ(total(bins.counts(1)), leap ? 8784 : 8760);
        // Values 0..29 each once in 30 hours: 10 below 10 °C, the rest one bin each.
        EXPECT_EQ(bins.counts(1)[0], leap ? 2930 : 2920);
    }
}

TEST_F(TemperatureBinsTest, CurveModeListsTheCurvesShownWithTheirLabels) {
    const auto first =
        writeLines(folder / "temperature/a.TEM",
                   temLines("climat05.TXT", {"Bed"}, yearOfHours(false, 1, [](int) { return 15.0; })));
    const auto second =
        writeLines(folder / "temperature/b.TEM",
                   temLines("climat05.TXT", {"Living"}, yearOfHours(false, 1, [](int) { return 22.0; })));
    chooseFile(first);
    display.SBOpenClick(1);
    chooseFile(second);
    display.SBOpenClick(2);
    display.ListBoxClick(1, 1);
    display.ListBoxClick(2, 1);

    bins.FormShow();
    EXPECT_FALSE(bins.BinFileMode());
    EXPECT_EQ(bins.counts(1)[6], 8760);
    EXPECT_EQ(bins.counts(2)[13], 8760);
    EXPECT_EQ(total(bins.counts(3)), 0) << "a slot not in use counts nothing";
    const auto& table = bins.lines();
    ASSERT_EQ(table.size(), 5u + 2u);
    EXPECT_EQ(table[6].text.substr(0, 17), "P2  Living       ");
    // Opening again starts the counts afresh.
    bins.FormShow();
    EXPECT_EQ(bins.counts(1)[6], 8760);

    Histogram histogram(bins);
    histogram.FormShow();
    EXPECT_THAT(histogram.names(), ElementsAre("P1  Bed", "P2  Living"));
    EXPECT_EQ(histogram.row(), 1);
    EXPECT_EQ(histogram.bars()[6], 8760);
    histogram.ComboBox1Change(1);
    EXPECT_EQ(histogram.row(), 2);
    EXPECT_EQ(histogram.caption(), "Histogram of Temperature Distribution for the P2  Living");
    EXPECT_EQ(histogram.title(), "Number of Hours per Year that the P2  Living Spends at Each Temperature");
}

TEST_F(TemperatureBinsTest, HistogramOfAFileStartsOutdoorsAndItsAxisKeepsAStep) {
    const auto file =
        writeLines(folder / "temperature/temps.txt", temLines("climat05.TXT", {"Living", "Kitchen", "Bed"},
                                                              {{1, 1, 0, 5.0, {20.0, 21.0, 22.0}}}));
    chooseFile(file);
    bins.SBOpenP1Click();
    Histogram histogram(bins);
    histogram.FormShow();
    EXPECT_THAT(histogram.names(), ElementsAre("Outdoor", "Living", "Kitchen", "Bed"));
    EXPECT_EQ(histogram.row(), 0);
    EXPECT_EQ(histogram.caption(), "Histogram of Temperature Distribution for the Outdoor");
    histogram.ComboBox1Change(2);
    EXPECT_EQ(histogram.row(), 2);
    EXPECT_EQ(histogram.bars()[12], 1);

    EXPECT_DOUBLE_EQ(histogram.maximum(), 1500.0);
    histogram.UpGraphSBClick();
    EXPECT_DOUBLE_EQ(histogram.maximum(), 1000.0);
    histogram.UpGraphSBClick();
    EXPECT_DOUBLE_EQ(histogram.maximum(), 900.0);
    for (int i = 0; i < 20; ++i) histogram.UpGraphSBClick();
    EXPECT_DOUBLE_EQ(histogram.maximum(), 100.0) << "the axis never falls to its bottom";
    for (int i = 0; i < 9; ++i) histogram.DownGraphSBClick();
    EXPECT_DOUBLE_EQ(histogram.maximum(), 1000.0);
    histogram.DownGraphSBClick();
    EXPECT_DOUBLE_EQ(histogram.maximum(), 1500.0);
}

TEST_F(TemperatureBinsTest, ADamagedFileKeepsTheTableAsItWas) {
    const auto good = writeLines(folder / "temperature/temps.txt",
                                 temLines("climat05.TXT", {"Living"}, {{1, 1, 0, 5.0, {20.0}}}));
    chooseFile(good);
    bins.SBOpenP1Click();
    const auto before = bins.lines();
    auto lines = temLines("climat05.TXT", {"Living"}, {{1, 1, 0, 5.0, {20.0}}});
    lines[1] = " Total number of zones = 200";
    const auto bad = writeLines(folder / "temperature/bad.txt", lines);
    chooseFile(bad);
    bins.SBOpenP1Click();
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_THAT(messages.errors()[0].toStdString(), HasSubstr(bad.string()));
    EXPECT_EQ(bins.lines().size(), before.size());
    EXPECT_EQ(bins.lines()[2].text, good.string());
    EXPECT_EQ(bins.counts(1)[11], 1);
}

} // namespace
