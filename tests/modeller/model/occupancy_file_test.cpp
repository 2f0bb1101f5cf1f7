// The occupancy file reader: values at their line positions, the stream rules of the file's format,
// and the errors of a file that cannot be read.
#include <gtest/gtest.h>

#include "common/text_values.h"
#include "modeller/model/model_error.h"
#include "modeller/model/occupancy_file.h"
#include "tests/support/temporary_folder.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace pelmora {
namespace {

// A profile value that says where it belongs: profile k, hour h holds 100 k + h.
double marker(int profile, int hour) {
    return 100.0 * profile + hour;
}

std::vector<std::string> profileLines(int profile) {
    std::vector<std::string> lines(2);
    for (int h = 1; h <= 24; ++h)
        lines[(h - 1) / 12] += " " + std::to_string(static_cast<int>(marker(profile, h)));
    return lines;
}

// Control set values 1..11 offset by `base`; hours integers, the rest reals with a unit after them.
std::vector<std::string> controlLines(int base) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 11; ++i) {
        const bool integer = i == 1 || i == 2 || i == 7 || i == 8;
        lines.push_back((integer ? std::to_string(base + i) : std::to_string(base + i) + ".5") +
                        "   value in words");
    }
    return lines;
}

std::vector<std::string> wellFormedFile() {
    std::vector<std::string> lines{"Occupancy schedules of a test climate"};
    const auto add = [&](const std::vector<std::string>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    };
    add(controlLines(0));
    for (int p : {1, 8, 10, 11}) add(profileLines(p));
    lines.push_back("21.25");
    add(controlLines(20));
    for (int p : {2, 9, 12, 13}) add(profileLines(p));
    lines.push_back("41.75");
    for (int p = 3; p <= 7; ++p) add(profileLines(p));
    return lines;
}

class OccupancyFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(root_ / "Data" / "Occupant");
        model_.RootDir = root_.string();
        model_.ClimateFileName = "climat07.TXT";
    }

    std::filesystem::path write(const std::vector<std::string>& lines,
                                const std::string& name = "OCCUP07.DAT") {
        common::TextFileWriter writer;
        for (const auto& line : lines) writer.line(line);
        const auto file = root_ / "Data" / "Occupant" / name;
        writer.save(file);
        return file;
    }

    const test_support::TemporaryFolder work_{"occupancy_file_test"};
    const std::filesystem::path& root_ = work_.path();
    HouseModel model_;
};

TEST_F(OccupancyFile, ReadsEveryValueAtItsLine) {
    write(wellFormedFile());
    const TOccupancyData data = ReadOccupancyData(OccupancyFilePath(model_));
    for (int p = 1; p <= kOccupancyProfileCount; ++p)
        for (int h = 1; h <= 24; ++h) ASSERT_DOUBLE_EQ(data.Profiles(p, h), marker(p, h)) << p << " " << h;
    EXPECT_EQ(data.DayControls.CoveringClosingHour, 1);
    EXPECT_EQ(data.DayControls.CoveringOpeningHour, 2);
    EXPECT_DOUBLE_EQ(data.DayControls.CoveringDrawingTemperature, 3.5);
    EXPECT_DOUBLE_EQ(data.DayControls.CoveringDrawingSolar, 4.5);
    EXPECT_DOUBLE_EQ(data.DayControls.BlindDrawingTemperature, 5.5);
    EXPECT_DOUBLE_EQ(data.DayControls.BlindDrawingSolar, 6.5);
    EXPECT_EQ(data.DayControls.VentilationOnHour, 7);
    EXPECT_EQ(data.DayControls.VentilationOffHour, 8);
    EXPECT_DOUBLE_EQ(data.DayControls.VentilationOnTemperature, 9.5);
    EXPECT_DOUBLE_EQ(data.DayControls.VentilationOffTemperature, 10.5);
    EXPECT_DOUBLE_EQ(data.DayControls.Unused, 11.5);
    EXPECT_EQ(data.SleepingControls.CoveringClosingHour, 21);
    EXPECT_EQ(data.SleepingControls.VentilationOffHour, 28);
    EXPECT_DOUBLE_EQ(data.SleepingControls.Unused, 31.5);
    EXPECT_DOUBLE_EQ(data.Line21, 21.25);
    EXPECT_DOUBLE_EQ(data.Line41, 41.75);
}

TEST_F(OccupancyFile, IgnoresWhatFollowsTheValuesOfALineAndEverythingAfterLine51) {
    auto lines = wellFormedFile();
    lines[12] += " 999"; // a thirteenth value on the first line of profile 1
    lines[1] = "20 o'clock is when the coverings close";
    lines.push_back("not a number at all");
    write(lines);
    const TOccupancyData data = ReadOccupancyData(OccupancyFilePath(model_));
    EXPECT_EQ(data.DayControls.CoveringClosingHour, 20);
    EXPECT_DOUBLE_EQ(data.Profiles(1, 13), marker(1, 13));
    EXPECT_DOUBLE_EQ(data.Profiles(7, 24), marker(7, 24));
}

// The line named by the error of a read that should fail, or a failure when it was read.
std::string failingLine(const std::function<void()>& read) {
    try {
        read();
    } catch (const ModelError& e) {
        return e.what();
    }
    ADD_FAILURE() << "the file was read";
    return {};
}

TEST_F(OccupancyFile, AnEmptyValueLineRunsOnIntoTheNextLineSoTheLastValueIsMissing) {
    auto lines = wellFormedFile();
    lines.insert(lines.begin() + 1, ""); // the closing hour's line is empty
    const auto file = write(lines);
    // Every later value moves one line down, and the second half of the last profile would have to
    // come from line 52, which is never read.
    const std::string what = failingLine([&] { ReadOccupancyData(file); });
    EXPECT_NE(what.find("OCCUP07.DAT, line 52:"), std::string::npos) << what;
}

TEST_F(OccupancyFile, AFileThatEndsEarlyIsAnErrorNamingTheFirstMissingLine) {
    // Missing values once read as 0: a 0 °C thermostat and no gains, and a rating with no error.
    struct Case {
        std::size_t kept;
        int writerLine; // the first line the engine input writer's reader misses
        int dialogLine; // the first line the dialog's reader misses (it skips the control sets)
    };
    for (const Case& c : {Case{0, 2, 13}, Case{30, 31, 33}, Case{50, 51, 51}}) {
        auto lines = wellFormedFile();
        lines.resize(c.kept);
        const auto file = write(lines);
        std::string what = failingLine([&] { ReadOccupancyData(file); });
        EXPECT_NE(what.find("OCCUP07.DAT, line " + std::to_string(c.writerLine) + ":"), std::string::npos)
            << what;

        TOccupantProfiles profiles{};
        profiles.fill(-1.0);
        const TOccupantProfiles before = profiles;
        what = failingLine([&] { ReadOccupancyProfiles(model_, profiles); });
        EXPECT_NE(what.find("OCCUP07.DAT, line " + std::to_string(c.dialogLine) + ":"), std::string::npos)
            << what;
        EXPECT_EQ(profiles, before) << "the dialog keeps its profiles";
    }
}

TEST_F(OccupancyFile, ReportsAFileThatCannotBeReadWithItsNameAndLine) {
    EXPECT_THROW(ReadOccupancyData(OccupancyFilePath(model_)), ModelError);

    struct Case {
        int line;
        std::string text;
    };
    for (const Case& bad :
         {Case{2, "18.5 closing hour as a real"}, Case{4, "warm"}, Case{15, "1 2 3 x 5 6 7 8 9 10 11 12"}}) {
        auto lines = wellFormedFile();
        lines[bad.line - 1] = bad.text;
        const auto file = write(lines);
        try {
            ReadOccupancyData(file);
            ADD_FAILURE() << "line " << bad.line << " was read";
        } catch (const ModelError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("OCCUP07.DAT"), std::string::npos) << what;
            EXPECT_NE(what.find("line " + std::to_string(bad.line)), std::string::npos) << what;
        }
    }
}

TEST_F(OccupancyFile, TheClimateNumberPicksTheFileAndTheDialogReadsTheSameProfiles) {
    write(wellFormedFile(), "occup07.dat"); // found whatever the case of its name
    auto other = wellFormedFile();
    other[16] = "1 1 1 1 1 1 1 1 1 1 1 1";
    write(other, "OCCUP08.DAT");

    TOccupantProfiles profiles{};
    profiles.fill(-1.0);
    ReadOccupancyProfiles(model_, profiles);
    const TOccupancyData data = ReadOccupancyData(OccupancyFilePath(model_));
    EXPECT_EQ(profiles, data.Profiles);

    model_.ClimateFileName = "climat08.TXT";
    ReadOccupancyProfiles(model_, profiles);
    EXPECT_DOUBLE_EQ(profiles(10, 1), 1.0);
}

TEST_F(OccupancyFile, TheDialogKeepsItsProfilesWhenTheFileCannotBeRead) {
    auto lines = wellFormedFile();
    lines[44] = "lots of gains";
    write(lines);
    TOccupantProfiles profiles{};
    profiles.fill(-1.0);
    const TOccupantProfiles before = profiles;
    EXPECT_THROW(ReadOccupancyProfiles(model_, profiles), ModelError);
    EXPECT_EQ(profiles, before);

    model_.ClimateFileName = "";
    EXPECT_THROW(ReadOccupancyProfiles(model_, profiles), ModelError);
}

} // namespace
} // namespace pelmora
