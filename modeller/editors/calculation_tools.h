// The arithmetic of the calculators an assessor keeps beside the plan: the material list of the R and
// C value calculators, the R value of a layered construction, and the sun's position for a date, a
// clock time and a place.  None of them reads or writes the house.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// ---- Materials of the R value calculators ------------------------------------------------------

inline constexpr std::string_view kRCPropsFileName = "RCProps.TXT";
// The calculators' tables have room for this many materials.
inline constexpr int kMaxRCMaterials = 200;

struct RCMaterial {
    std::int32_t Code = 0;
    double HeatCapacity = 0.0; // kJ/(m3 K)
    double Resistivity = 0.0;  // m K/W
    std::string Name;          // as written after the third number, leading blanks included
};

// The result of reading the material list.
struct RCPropsRead {
    bool found = false;                // false: no file, nothing was read
    std::vector<RCMaterial> materials; // in file order, when the whole file was read
    std::optional<std::string> error;  // why the file was refused, naming it
};

// Reads "<program folder>/Data/RCProps.TXT": one material per line, three numbers and a name.  A line
// is a material when it starts with a whole code of 1 to 999, a heat capacity of 0 to 10000
// kJ/(m3 K) and a resistivity above 0 and at most 1000 m K/W, and its name holds no control
// character.  A file with a line that is no material, or with more materials than the tables hold,
// is refused whole with an error naming the file and the line.  Blank lines are not materials.
RCPropsRead ReadRCProps(const std::filesystem::path& programFolder);

// One material line: code, heat capacity, resistivity, then the name (everything after the third
// number).  Nothing for a line that is no material.
std::optional<RCMaterial> ParseRCMaterial(std::string_view line);

// The first material whose name is `name`, 1-based, or 0.
int FirstMaterialNamed(const std::vector<RCMaterial>& materials, std::string_view name);

// ---- A layered construction -----------------------------------------------------------------------

// A top layer of two materials side by side (R1 over share p1, R2 over share p2, percent) over a
// continuous bottom layer R3, with the air films Ft above and Fb below; all R in m2K/W.
struct CompoundLayers {
    double R1 = 0.0, R2 = 0.0, R3 = 0.0;
    double Ft = 0.0, Fb = 0.0;
    double p1 = 100.0, p2 = 0.0;
};

struct CompoundR {
    double Upper = 0.0;    // parallel paths through the whole construction
    double Lower = 0.0;    // the top layer combined in parallel, in series with the rest
    double Total = 0.0;    // the two limits weighted by their ratio
    double TopLayer = 0.0; // the equivalent R of the top layer alone
};

// The limits and total R of the construction, or nothing when a limit has no value (both shares 0,
// or paths of no resistance), so that the dialog shows blanks rather than a division by zero.
std::optional<CompoundR> CalcTotR(const CompoundLayers& layers);

// ---- Sun position ---------------------------------------------------------------------------------

// Clock times are written h.mm (10.30 is half past ten).
double ClockToHours(double hmm);
// 59.5 minutes and more count as the next full hour.
double HoursToClock(double hours);

// The latitude as the sun position tool computes with it: exactly 0, 90 and -90 would put a pole or
// the equator into a division, so they are moved off by a hundred-thousandth of a degree.
double UsableLatitude(double latitude);

struct SunPositionInput {
    double LocalTime = 10.0;  // h, clock time
    double Day = 10.0;        // day of the month
    double Month = 10.0;      // 1..12
    double Latitude = -27.5;  // degrees, south negative
    double Longitude = 150.0; // degrees east
    double TimeZone = 150.0;  // degrees east, the meridian of the clock time
};

struct SunPosition {
    int DayNumber = 0;           // 1..365
    double Declination = 0.0;    // rad
    double EquationOfTime = 0.0; // h
    double SolarTime = 0.0;      // h
    double HourAngle = 0.0;      // rad, positive before solar noon
    double Altitude = 0.0;       // rad
    double Azimuth = 0.0;        // rad from north, positive towards east, in (-pi, pi]
};

// The sun's position from a Fourier-series declination and equation of time on a 366-day year.  A
// month outside 1..12 keeps the day number of `previous`.
SunPosition CalcSunPosition(const SunPositionInput& in, const SunPosition& previous = {});

// The days of month 1..12 in a common year.
int MonthLength(int month);

} // namespace pelmora
