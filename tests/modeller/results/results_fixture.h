// Fixtures of the results tests: a temporary program folder (the model tests' one), small star band
// tables and energy files written on the spot, and a house model with named zones.
#pragma once

#include "../model/model_fixture.h"
#include "modeller/model/house_model.h"
#include "modeller/results/rating_panel.h"

#include <string>
#include <string_view>
#include <vector>

namespace results_test {

using model_test::modelErrorOf;
using model_test::TempFolder;

struct ZoneSpec {
    const char* name;
    double area; // m2
    bool heated;
    bool cooled;
    std::int32_t colour = 0;
};

// A house of the given zones in climate `climate` (climate file and zone both set), rooted in `root`.
void makeHouse(pelmora::HouseModel& model, const std::filesystem::path& root, std::vector<ZoneSpec> zones,
               int climate = 5);

// One hourly row of the energy file as the engine writes it: four blanks, month, two blanks, day,
// three blanks, hour, then three F9.1 values per conditioned zone.
std::string energyRow(int month, int day, int hour, const std::vector<double>& values);
// An energy file of a year: the five header lines, `rows`, and then rows of no energy (with as many
// values as the first row) for the rest of the year's 8760 hours.
std::string energyFile(const std::vector<std::string>& rows);
// An energy file of the five header lines and `rows` alone, however many they are.
std::string energyFileOfRows(const std::vector<std::string>& rows);

// A star band row of 20 limits falling by `step` from `first` (MJ/m2).
std::string starBandRow(int climate, double first, double step);
// Gives `climate` star bands falling by 10 from 200 MJ/m2 (L1 = 200 .. L20 = 10) and a row of the area
// correction table (all coefficients 0: a correction of 1), as if both files had a row for it.
void rateableClimate(pelmora::RatingTables& tables, int climate);

// The information boxes of the post-run road, recorded.
struct RecordedMessages : pelmora::RatingMessages {
    void information(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

} // namespace results_test
