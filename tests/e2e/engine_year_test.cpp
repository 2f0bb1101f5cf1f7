// A whole year of the sample house through the engine program: the energy file, the hourly
// temperature file, the rating summary and the console keep their layouts and row counts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kProgramFolder = PROGRAM_FOLDER;
const fs::path kSample = kProgramFolder.parent_path() / "sample" / "SCRATCH";

std::vector<std::string> readLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

bool allEndInCarriageReturn(const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        if (l.empty() || l.back() != '\r') return false;
    return true;
}

std::string body(const std::string& line) {
    return line.substr(0, line.size() - 1);
}

class SampleYear : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vy" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(kProgramFolder / "matdata.bin", dir / "matdata.bin");
        // The sample names the program folder's climate and glazing files; its hourly temperature
        // file goes into the test's own folder.
        std::ifstream in(kSample);
        std::ofstream out(dir / "SCRATCH");
        const std::string temName = (kProgramFolder / "temperature" / "Sample1.TEM").string();
        std::string line;
        while (std::getline(in, line)) {
            if (const auto at = line.find(temName); at != std::string::npos)
                line.replace(at, temName.size(), (dir / "Sample1.TEM").string());
            out << line << '\n';
        }
    }
    void TearDown() override { fs::remove_all(dir); }

    int run() {
        const std::string command = "cd '" + dir.string() + "' && '" +
                                    (kProgramFolder / "varonellengine").string() + "' > console.txt 2>&1";
        return std::system(command.c_str());
    }

    fs::path dir;
};

TEST_F(SampleYear, WritesAYearOfHourlyRowsInTheirLayouts) {
    ASSERT_TRUE(fs::exists(kSample)) << kSample;
    ASSERT_EQ(run(), 0) << readLines(dir / "console.txt").size();

    const auto energy = readLines(dir / "energy.txt");
    const auto tem = readLines(dir / "Sample1.TEM");
    ASSERT_EQ(energy.size(), 5u + 8760u);
    ASSERT_EQ(tem.size(), 4u + 8760u);
    EXPECT_TRUE(allEndInCarriageReturn(energy));
    EXPECT_TRUE(allEndInCarriageReturn(tem));

    // energy.txt: two conditioned zones, three 9-column values each after the 15 columns of the date.
    EXPECT_EQ(body(energy[1]), " Total number of conditioned zones =   2");
    EXPECT_EQ(body(energy[4]),
              std::string(15, ' ') + "     Heat    CoolS    CoolL     Heat    CoolS    CoolL");
    // The .TEM file: the outdoor and three listed zones.
    EXPECT_EQ(body(tem[1]), " Total number of zones =   3");
    EXPECT_EQ(body(tem[3]).substr(0, 23), " Month Day Hour Outdoor");
    double heating = 0.0;
    for (std::size_t i = 0; i < 8760; ++i) {
        const std::string e = body(energy[5 + i]);
        const std::string t = body(tem[4 + i]);
        ASSERT_EQ(e.size(), 15u + 2u * 27u) << i;
        ASSERT_EQ(t.size(), 23u + 3u * 16u) << i;
        const int hour = std::stoi(e.substr(12, 3));
        EXPECT_EQ(hour, static_cast<int>(i % 24));
        EXPECT_EQ(e.substr(0, 15), t.substr(0, 15)); // the same month, day and hour
        heating += std::stod(e.substr(15, 9)) + std::stod(e.substr(42, 9));
        const double zone = std::stod(t.substr(23, 16));
        ASSERT_GT(zone, -20.0) << i;
        ASSERT_LT(zone, 60.0) << i;
    }
    EXPECT_EQ(body(energy[5]).substr(0, 15), "     1   1    0");
    EXPECT_EQ(body(energy.back()).substr(0, 15), "    12  31   23");

    // The rating summary: both records, the first holding the year's heating within the rounding of
    // the hourly rows.
    const auto natrep = readLines(dir / "natrep.dt2");
    ASSERT_EQ(natrep.size(), 12u);
    EXPECT_NEAR(std::stod(natrep[0]), heating, 0.05 * 8760 * 2 + 0.1);

    // One console line per month.
    std::ifstream console(dir / "console.txt");
    std::stringstream text;
    text << console.rdbuf();
    for (const char* month : {"JAN", "JUN", "DEC"})
        EXPECT_NE(text.str().find(std::string(" CALCULATIONS COMPLETED FOR ") + month), std::string::npos)
            << month;
}

} // namespace
