#include "modeller/results/star_rating.h"

#include "modeller/model/model_error.h"
#include "modeller/results/text_tokens.h"

#include <cmath>
#include <string>

namespace pelmora {

namespace {

bool knownClimate(int climate) {
    return climate >= 1 && climate <= kMaxClimates;
}

// One climate number and its `count` values after it, then the rest of the line skipped; a later
// row of a climate overwrites an earlier one.  The table changes only when the whole file was read.
template <class Table>
void readClimateRows(Table& table, int count, const std::filesystem::path& rootDir,
                     std::string_view relative) {
    const std::vector<std::string> lines = readResultFile(rootDir, relative);
    TokenReader reader(lines, (rootDir / std::filesystem::path(relative)).string());
    Table loaded = table;
    while (!reader.atEnd()) {
        const int climate = reader.integer();
        if (!knownClimate(climate)) reader.fail("Climate number outside 1..99");
        for (int j = 1; j <= count; ++j) loaded(climate, j) = reader.real();
        reader.skipLine();
    }
    table = loaded;
}

} // namespace

void ReadStarBands(RatingTables& tables, const std::filesystem::path& rootDir) {
    readClimateRows(tables.StarBands, kStarBandCount, rootDir, kStarBandFile);
}

void ReadAreaCorrection(RatingTables& tables, const std::filesystem::path& rootDir) {
    readClimateRows(tables.AreaCorrectionCoeffs, kAreaCorrectionCoeffCount, rootDir, kAreaCorrectionFile);
}

double StarRating(const RatingTables& tables, int climate, double area, double energy) {
    if (energy == 0.0 || area == 0.0) return kNoRating;
    const double x = energy / area; // MJ/m2
    if (!knownClimate(climate)) return 0.0;
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
