// The simulation records: the result of every run read from the engine's hourly energy file, per
// zone and month, with its star ratings and area adjustment.  The last nine runs stay in memory,
// newest first.
#pragma once

#include "common/arrays.h"
#include "modeller/model/house_model.h"
#include "modeller/results/star_rating.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora {

constexpr int kMaxSimulationRecords = 9;
constexpr int kMonths = 12;

// The energy file the engine writes in the program folder.
inline constexpr std::string_view kEnergyFile = "ENERGY.TXT";
constexpr int kEnergyFileHeaderLines = 5;
// The energy file holds one row for every hour of the year; the star bands rate a year's energy.
constexpr int kEnergyFileRows = 8760;

// The result of one run.  Only the first `Zones` entries of the zone arrays are meaningful.
struct StarType {
    using ZoneMonths = common::FixedArray2<double, 1, kMaxZones, 1, kMonths>;
    using PerZone = common::FixedArray1<double, 1, kMaxZones>;
    using PerMonth = common::FixedArray1<double, 1, kMonths>;

    std::string Name;            // project name, "_" and run number
    std::int32_t Climate = 0;    // climate number 1..99 of the run
    std::int32_t Zones = 0;      // zones of the house at the time of the run, 0..100
    ZoneMonths ZoneMonthHeat{};  // MJ
    ZoneMonths ZoneMonthCoolS{}; // MJ, sensible cooling
    ZoneMonths ZoneMonthCoolL{}; // MJ, latent cooling
    PerMonth MonthHeat{};        // MJ, house
    PerMonth MonthCoolS{};       // MJ
    PerMonth MonthCoolL{};       // MJ
    double Heat = 0.0;           // MJ, house, year
    double CoolS = 0.0;          // MJ
    double CoolL = 0.0;          // MJ
    double Total = 0.0;          // MJ, Heat + CoolS + CoolL
    double Area = 0.0;           // m2, floor area of the zones both heated and cooled
    double Stars = 0.0;          // stars, 0..10 in halves, or kNoRating
    PerZone ZoneTotal{};         // MJ
    PerZone ZoneHeat{};          // MJ, year
    PerZone ZoneCoolS{};         // MJ
    PerZone ZoneCoolL{};         // MJ
    PerZone ZoneArea{};          // m2
    PerZone ZoneStars{};         // stars
    common::FixedArray1<std::string, 1, kMaxZones> ZoneName{};
    common::FixedArray1<std::int32_t, 1, kMaxZones> ZoneColour{}; // 0x00BBGGRR
    common::FixedArray1<bool, 1, kMaxZones> ZoneConditioned{};    // heated or cooled or both
    double AreaAdjust = 1.0;                                      // 1 / AreaCorrection(climate zone, Area)
};

// The kept runs: record 1 the newest, record k + 1 always the run made before record k.
struct SimulationHistory {
    SimulationHistory() : SimulationRecords(1, kMaxSimulationRecords) {}
    common::Array1<StarType> SimulationRecords; // 1..9
    std::int32_t SimulationRecordCount = 0;     // 0..9
};

// The climate number of a climate file name: its characters 7 and 8 ("climat05.TXT" gives 5), 0 when
// they are not a number.
int climateNumber(std::string_view climateFileName);

// Fills `record` from the house model and from the energy file in the program folder: names, colours,
// areas and conditioned flags of the zones, and the hourly heating, sensible and latent cooling of
// every heated or cooled zone summed per zone, month and house.  A house with no heated or cooled
// zone has no columns in the file and reads nothing (the engine writes no file for it).  Raises
// ModelError naming the file (and line) when it is missing, holds a value that is not a number, or
// holds other than one row for each hour of the year.
void ReadEnergyFile(StarType& record, const HouseModel& model);

// Builds the record of the run that has just ended and puts it in front of the history; the oldest of
// nine falls out.  A house in a climate that the star band or area correction table has no row for
// gets no rating (kNoRating).  The history moves down only after the energy file was read completely:
// when ReadEnergyFile raises, or the energies are too large to add up, the history is left as it was.
void StoreSimulationRecord(SimulationHistory& history, const HouseModel& model, const RatingTables& tables);

// Recomputes the house's monthly sums of `record` from its zones' monthly values.
void SumMonthlyTotals(StarType& record);

// The area-adjusted star rating of a record: its total energy times the area adjustment factor of its
// climate at its rating area, rated on that area.  It is worked from the figures as the rating
// history keeps them (the total to the whole MJ, the area to 0.01 m2) with the factor taken from the
// area correction table, not from the factor's two-decimal copy in the history, so that a record
// shows after the history is read again the rating it showed when it was made.  kNoRating when the
// record has no rating or the area correction table has no row for its climate.
double AdjustedStarRating(const RatingTables& tables, const StarType& record);

} // namespace pelmora
