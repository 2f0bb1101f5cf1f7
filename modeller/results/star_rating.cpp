#include "modeller/results/star_rating.h"

#include "common/file_lookup.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"
#include "modeller/results/text_tokens.h"

#include <cmath>
#include <set>
#include <sstream>
#include <string>

namespace pelmora {

namespace {

bool knownClimate(int climate) {
    return climate >= 1 && climate <= kMaxClimates;
}

using ClimateRows = common::FixedArray1<bool, 1, kMaxClimates>;

// One climate number and its `count` values after it, then the rest of the line skipped; a later
// row of a climate overwrites an earlier one.  The table and its rows change only when the whole
// file was read.
template <class Table>
void readClimateRows(Table& table, ClimateRows& rows, int count, const std::filesystem::path& rootDir,
                     std::string_view relative) {
    const std::vector<std::string> lines = readResultFile(rootDir, relative);
    TokenReader reader(lines, (rootDir / std::filesystem::path(relative)).string());
    Table loaded{};
    ClimateRows present{};
    while (!reader.atEnd()) {
        const int climate = reader.integer();
        if (!knownClimate(climate)) reader.fail("Climate number outside 1..99");
        for (int j = 1; j <= count; ++j) loaded(climate, j) = reader.real();
        present(climate) = true;
        reader.skipLine();
    }
    table = loaded;
    rows = present;
}

// The lines of a table of the program folder; none when it cannot be read.
std::vector<std::string> tableLines(const std::filesystem::path& rootDir, std::string_view relative) {
    const auto file = common::findCaseInsensitive(rootDir, relative);
    if (!file) return {};
    try {
        return common::readTextLines(*file);
    } catch (const std::exception&) {
        return {};
    }
}

// The blank-separated whole numbers of a line from its `first` (1-based) on, those of 1..99 only.
void addClimates(std::set<int>& climates, const std::string& line, int first) {
    std::istringstream tokens(line);
    std::string token;
    for (int position = 1; tokens >> token; ++position) {
        if (position < first) continue;
        const auto value = common::parseInteger(token);
        if (value && knownClimate(static_cast<int>(*value))) climates.insert(static_cast<int>(*value));
    }
}

// "1, 4-7, 12": the climates in increasing order with runs joined.
std::string climateList(const std::vector<int>& climates) {
    std::string text;
    for (std::size_t i = 0; i < climates.size();) {
        std::size_t last = i;
        while (last + 1 < climates.size() && climates[last + 1] == climates[last] + 1) ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(climates[i]);
        if (last > i) text += "-" + std::to_string(climates[last]);
        i = last + 1;
    }
    return text;
}

void checkRows(const ClimateRows& rows, std::string_view file, std::string_view table,
               const std::filesystem::path& rootDir) {
    bool any = false;
    for (int c = 1; c <= kMaxClimates; ++c) any = any || rows(c);
    std::vector<int> missing;
    for (const int c : LocationTableClimates(rootDir))
        if (!rows(c)) missing.push_back(c);
    const std::string path = (rootDir / std::filesystem::path(file)).string();
    if (!missing.empty()) {
        throw ModelError("The " + std::string(table) + " " + path + " has no row for climate" +
                         (missing.size() > 1 ? "s " : " ") + climateList(missing) +
                         ", which the location tables name: a house in " +
                         (missing.size() > 1 ? "these climates" : "this climate") + " cannot be rated.");
    }
    if (!any)
        throw ModelError("The " + std::string(table) + " " + path +
                         " holds no climate: no house can be rated.");
}

} // namespace

void ReadStarBands(RatingTables& tables, const std::filesystem::path& rootDir) {
    readClimateRows(tables.StarBands, tables.StarBandRow, kStarBandCount, rootDir, kStarBandFile);
}

void ReadAreaCorrection(RatingTables& tables, const std::filesystem::path& rootDir) {
    readClimateRows(tables.AreaCorrectionCoeffs, tables.AreaCorrectionRow, kAreaCorrectionCoeffCount, rootDir,
                    kAreaCorrectionFile);
}

std::vector<int> LocationTableClimates(const std::filesystem::path& rootDir) {
    std::set<int> climates;
    // A zone line: its number first.  A postcode line: postcode, longitude, latitude, then its zones.
    for (const std::string& line : tableLines(rootDir, kClimateZoneTable)) {
        std::istringstream tokens(line);
        std::string first;
        if (tokens >> first) addClimates(climates, first, 1);
    }
    for (const std::string& line : tableLines(rootDir, kPostcodeClimateTable)) addClimates(climates, line, 4);
    return {climates.begin(), climates.end()};
}

void CheckStarBandRows(const RatingTables& tables, const std::filesystem::path& rootDir) {
    checkRows(tables.StarBandRow, kStarBandFile, "star band table", rootDir);
}

void CheckAreaCorrectionRows(const RatingTables& tables, const std::filesystem::path& rootDir) {
    checkRows(tables.AreaCorrectionRow, kAreaCorrectionFile, "area correction table", rootDir);
}

std::string RatingTableGap(const RatingTables& tables, int climate, int climateZone) {
    const auto gap = [](std::string_view table, std::string_view file, int c) {
        return "The " + std::string(table) + " " + std::string(file) + " has no row for climate " +
               std::to_string(c) + ", so the house cannot be rated.";
    };
    if (!knownClimate(climate) || !tables.StarBandRow(climate))
        return gap("star band table", kStarBandFile, climate);
    if (!knownClimate(climateZone) || !tables.AreaCorrectionRow(climateZone))
        return gap("area correction table", kAreaCorrectionFile, climateZone);
    return {};
}

double StarRating(const RatingTables& tables, int climate, double area, double energy) {
    if (energy == 0.0 || area == 0.0) return kNoRating;
    const double x = energy / area; // MJ/m2
    if (!knownClimate(climate) || !tables.StarBandRow(climate)) return kNoRating;
    for (int j = kStarBandCount; j >= 1; --j)
        if (x <= tables.StarBands(climate, j)) return kStarStep * j;
    return 0.0;
}

double AreaCorrection(const RatingTables& tables, int climate, double area) {
    if (!knownClimate(climate)) return 1.0;
    const auto k = [&](int i) { return tables.AreaCorrectionCoeffs(climate, i); };
    const double a = area;
    return k(1) * std::pow(a, 5) + 1.0 + k(2) * std::pow(a, 4) + k(3) * std::pow(a, 3) + k(4) * a * a +
           k(5) * a + k(6);
}

double AreaAdjustment(const RatingTables& tables, int climate, double area) {
    if (area == 0.0 || climate == 0) return 1.0;
    const double correction = AreaCorrection(tables, climate, area);
    if (!std::isfinite(correction) || correction <= 0.0) return 1.0;
    return 1.0 / correction;
}

} // namespace pelmora
