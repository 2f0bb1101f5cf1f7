// The occupancy file of a climate zone (Data/Occupant/OCCUPnn.DAT): the standard hourly profiles of
// internal gains and thermostat set-points, and the daily control settings of window coverings,
// external blinds and ventilation, for day-time zones and sleeping zones.  Shipped data; the modeller
// only reads it.
//
// The file is read as a stream of values: reading a value skips blanks and line ends before it, and
// the end of a line drops whatever else stands on it.  So an empty value line, or a profile line with
// fewer than twelve values, makes the read run on into the next line, as the file's format says.
#pragma once

#include "common/arrays.h"
#include "modeller/model/house_model.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora {

constexpr int kOccupancyProfileCount = 13;
constexpr int kOccupancyLinesRead = 51; // lines after line 51 are never read

// Profiles by their numbers: profile k at index k (1..13), hour h at index h (1..24); hour 1 runs
// from midnight to 1 am.  Gains in W, set-points in °C.
using TOccupantProfiles = common::FixedArray2<double, 1, kOccupancyProfileCount, 1, 24>;

namespace occupancy_profile {
inline constexpr int kKitchenSensible = 3;   // W, Living/Kitchen zones, unscaled
inline constexpr int kDayBase = 4;           // W, scaled by area and household
inline constexpr int kDayOccupants = 5;      // W, scaled by area and occupants
inline constexpr int kSleepingBase = 6;      // W
inline constexpr int kSleepingOccupants = 7; // W
inline constexpr int kKitchenLatent = 8;     // W
inline constexpr int kDayHeating = 10;       // °C
inline constexpr int kDayCooling = 11;       // °C
inline constexpr int kSleepingHeating = 12;  // °C
inline constexpr int kSleepingCooling = 13;  // °C
} // namespace occupancy_profile

// The daily control settings of one kind of zone (eleven value lines).
struct TOccupancyControlSet {
    int CoveringClosingHour = 0;
    int CoveringOpeningHour = 0;
    double CoveringDrawingTemperature = 0.0; // °C
    double CoveringDrawingSolar = 0.0;       // W/m2
    double BlindDrawingTemperature = 0.0;    // °C
    double BlindDrawingSolar = 0.0;          // W/m2
    int VentilationOnHour = 0;
    int VentilationOffHour = 0;
    double VentilationOnTemperature = 0.0;  // °C
    double VentilationOffTemperature = 0.0; // °C
    double Unused = 0.0;                    // read, written to no card
    bool operator==(const TOccupancyControlSet&) const = default;
};

// Everything the engine input writer reads from the file.
struct TOccupancyData {
    TOccupancyControlSet DayControls;      // lines 2-12
    TOccupancyControlSet SleepingControls; // lines 22-32
    TOccupantProfiles Profiles{};
    double Line21 = 0.0; // read, used by nothing
    double Line41 = 0.0; // read, used by nothing
    bool operator==(const TOccupancyData&) const = default;
};

// The file of the model's climate: RootDir + "/Data/Occupant/OCCUP" + characters 7 and 8 of
// ClimateFileName + ".DAT", found without regard to case.  Raises ModelError when ClimateFileName is
// too short to hold a climate number.
std::filesystem::path OccupancyFilePath(const HouseModel& model);

// Reads lines 1 to 51 of the file in order into a fresh record.  A missing file, a line without a
// value where one is read, an integer line holding a real or a file that ends before its last value
// raises ModelError naming the file and the line.
TOccupancyData ReadOccupancyData(const std::filesystem::path& file);

// The occupancy dialog's reader: reads profiles 1, 8, 10 and 11 (lines 13-20), 2, 9, 12 and 13
// (lines 33-40) and 3 to 7 (lines 42-51) of the model's occupancy file into `profiles`, and nothing
// else.  On an error `profiles` keeps every value it had, and ModelError is raised.
void ReadOccupancyProfiles(const HouseModel& model, TOccupantProfiles& profiles);

} // namespace pelmora
