// The hourly temperature file of a year of the sample house, written by the engine program and read
// back as the temperature displays read it: every hour of the year, the listed zones by name, and
// the outdoor column equal to the dry bulb of the climate file at the same time of the year.
#include "modeller/model/climate_statistics.h"
#include "modeller/model/model_error.h"
#include "modeller/results/temperature_files.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace pelmora;

const fs::path kProgramFolder = PROGRAM_FOLDER;
const fs::path kSample = kProgramFolder.parent_path() / "sample" / "SCRATCH";

// The modeller's climate readers take every shipped climate file whole: every value within the
// ranges of weather and every record the hour after the one before.
TEST(ShippedClimateFiles, EveryOneReadsInTheModellersClimateReaders) {
    for (int zone = 1; zone <= 69; ++zone) {
        char name[16];
        std::snprintf(name, sizeof name, "climat%02d.TXT", zone);
        SCOPED_TRACE(name);
        const fs::path file = kProgramFolder / "Data/Climate" / name;
        EXPECT_EQ(ReadWeatherFile(file).Temps.size(), 8760u);
        double days = 0.0;
        const TClimateStatistics s = ComputeClimateStatistics(file, -30.0);
        for (int m = 1; m <= 12; ++m) days += s.Days(m);
        EXPECT_EQ(days, 365.0);
    }
}

TEST(SampleTemperatureFile, ReadsBackWithTheClimateFilesOutdoorTemperature) {
    ASSERT_TRUE(fs::exists(kSample)) << kSample;
    test_support::TemporaryFolder dir("tem_e2e");
    fs::copy_file(kProgramFolder / "matdata.bin", dir / "matdata.bin");
    {
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
    const std::string command = "cd '" + dir.path().string() + "' && '" +
                                (kProgramFolder / "varonellengine").string() + "' > console.txt 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const TemperatureFile tem = ReadTemperatureFile(dir / "Sample1.TEM");
    EXPECT_EQ(tem.ClimateFileName, "climat21.TXT");
    EXPECT_EQ(tem.Climate, 21);
    EXPECT_TRUE(tem.HeaderReadable);
    ASSERT_EQ(tem.ZoneCount, 3);
    EXPECT_FALSE(tem.LeapYear);
    ASSERT_EQ(tem.HourCount(), 8760);
    for (const std::string& name : tem.SeriesNames) EXPECT_FALSE(name.empty());

    const WeatherFile weather = ReadWeatherFile(kProgramFolder / "Data/Climate/climat21.TXT");
    ASSERT_EQ(weather.Temps.size(), 8760u);
    // Every hour of the temperature file stands at a time of the climate file and carries its dry
    // bulb, to the one decimal both files keep.
    std::map<long long, double> dryBulb;
    for (const TTempPoint& p : weather.Temps) dryBulb[std::llround(p.Time * 24.0)] = p.Temp;
    ASSERT_EQ(dryBulb.size(), 8760u);
    for (int h = 0; h < tem.HourCount(); ++h) {
        const TTempPoint& outdoor = tem.Series[0][static_cast<std::size_t>(h)];
        const auto at = dryBulb.find(std::llround(outdoor.Time * 24.0));
        ASSERT_NE(at, dryBulb.end()) << h;
        EXPECT_NEAR(outdoor.Temp, at->second, 0.051) << "hour row " << h;
        for (int j = 1; j <= tem.ZoneCount; ++j)
            ASSERT_EQ(tem.Series[static_cast<std::size_t>(j)][static_cast<std::size_t>(h)].Time,
                      outdoor.Time);
    }
}

} // namespace
