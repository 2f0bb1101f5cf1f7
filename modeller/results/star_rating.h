// The star rating: twenty energy limits per climate, one for every half star, and an area correction
// polynomial per climate whose reciprocal adjusts the rating for the size of the house.  Both tables
// are shipped text files read once at start-up.
#pragma once

#include "common/arrays.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

constexpr int kMaxClimates = 99;
constexpr int kStarBandCount = 20;           // limits for 0.5, 1.0, ... 10 stars
constexpr int kAreaCorrectionCoeffCount = 6; // k1..k6
constexpr double kNoRating = 11.0;           // on the star scale: no energy or no rating area
constexpr double kStarStep = 0.5;            // stars per band

// Where the tables lie under the program folder.
inline constexpr std::string_view kStarBandFile = "Data/STARS/STARS.TXT";
inline constexpr std::string_view kAreaCorrectionFile = "Data/areacorrection.txt";
// The location tables, which name the climates a site can be given.
inline constexpr std::string_view kClimateZoneTable = "Data/clim69.txt";
inline constexpr std::string_view kPostcodeClimateTable = "Data/CLIMPC.TXT";

struct RatingTables {
    // MJ/m2: entry (c, j) is the highest energy per square metre that still earns j x 0.5 stars in
    // climate c.  Rows of climates absent from the file stay 0.
    common::FixedArray2<double, 1, kMaxClimates, 1, kStarBandCount> StarBands{};
    // k1..k6 of each climate's area correction polynomial; rows absent from the file stay 0.
    common::FixedArray2<double, 1, kMaxClimates, 1, kAreaCorrectionCoeffCount> AreaCorrectionCoeffs{};
    // Whether the file gave a row for the climate: a climate without one cannot be rated.
    common::FixedArray1<bool, 1, kMaxClimates> StarBandRow{};
    common::FixedArray1<bool, 1, kMaxClimates> AreaCorrectionRow{};
};

// Load the star band table and the area correction table from the program folder, replacing the
// table whole.  Each raises ModelError naming the file (and the line, for a bad value or a climate
// number outside 1..99) and then leaves its table as it was.
void ReadStarBands(RatingTables& tables, const std::filesystem::path& rootDir);
void ReadAreaCorrection(RatingTables& tables, const std::filesystem::path& rootDir);

// The climates that the location tables of the program folder name (the zone table and the postcode
// table), in increasing order.  A table that cannot be read names none; its own dialog reports it.
std::vector<int> LocationTableClimates(const std::filesystem::path& rootDir);

// Raise ModelError, after a table was loaded, when it has no row for some climate that the location
// tables name (or no row at all), saying which: houses in those climates cannot be rated.
void CheckStarBandRows(const RatingTables& tables, const std::filesystem::path& rootDir);
void CheckAreaCorrectionRows(const RatingTables& tables, const std::filesystem::path& rootDir);

// Why a house in `climate` (the star bands' climate, from the climate file name) and `climateZone`
// (the area correction's) cannot be rated: the table that has no row for it.  Empty when it can be.
std::string RatingTableGap(const RatingTables& tables, int climate, int climateZone);

// The star rating of `energy` (MJ) on `area` (m2) in `climate`: 0.5 x the highest j whose limit is at
// least energy / area, 0 when every limit is exceeded, kNoRating when the energy or the area is 0, or
// when the star band table has no row for the climate (or it lies outside 1..99).
double StarRating(const RatingTables& tables, int climate, double area, double energy);

// The area correction of `climate` for `area` (m2): k1 a^5 + 1 + k2 a^4 + k3 a^3 + k4 a^2 + k5 a + k6.
// A climate outside 1..99 has no coefficients, so its correction is 1.
double AreaCorrection(const RatingTables& tables, int climate, double area);

// The area adjustment factor of a record: 1 / AreaCorrection, or 1.0 when the area or the climate is
// 0, or when the correction is not a positive number (a factor from it would be meaningless).
double AreaAdjustment(const RatingTables& tables, int climate, double area);

} // namespace pelmora
