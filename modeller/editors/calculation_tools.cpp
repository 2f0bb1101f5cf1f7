#include "modeller/editors/calculation_tools.h"

#include "common/control_characters.h"
#include "common/file_lookup.h"
#include "common/text_values.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iomanip>
#include <numbers>
#include <sstream>

namespace pelmora {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0; // rad

// Skips blanks, then reads one number token; returns the rest of the line after it.
std::optional<double> nextNumber(std::string_view& line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t end = i;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
    if (end == i) return std::nullopt;
    const std::optional<double> value = common::parseReal(line.substr(i, end - i));
    if (!value) return std::nullopt;
    line.remove_prefix(end);
    return value;
}

bool blank(std::string_view line) {
    for (char c : line)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

} // namespace

namespace {

// What a material may be: the codes of the material file, and values of real substances with room to
// spare (water stores about 4200 kJ/(m3 K); the best insulation resists about 70 m K/W).
constexpr int kFirstMaterialCode = 1;
constexpr int kLastMaterialCode = 999;
constexpr double kMaxHeatCapacity = 10000.0; // kJ/(m3 K)
constexpr double kMaxResistivity = 1000.0;   // m K/W

std::string numberText(double v) {
    std::ostringstream out;
    out << std::setprecision(10) << v;
    return out.str();
}

// Reads one material line into `m`; says why when the line is no material.
std::optional<std::string> parseMaterialLine(std::string_view line, RCMaterial& m) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view rest = line;
    const std::optional<double> code = nextNumber(rest);
    const std::optional<double> capacity = code ? nextNumber(rest) : std::nullopt;
    const std::optional<double> resistivity = capacity ? nextNumber(rest) : std::nullopt;
    if (!resistivity || *code != std::trunc(*code))
        return "does not start with a code, a heat capacity and a resistivity";
    if (*code < static_cast<double>(kFirstMaterialCode) || *code > static_cast<double>(kLastMaterialCode)) {
        return "has the material code " + numberText(*code) + ", outside " +
               std::to_string(kFirstMaterialCode) + " to " + std::to_string(kLastMaterialCode);
    }
    if (!(*capacity >= 0.0 && *capacity <= kMaxHeatCapacity)) {
        return "has the heat capacity " + numberText(*capacity) + " kJ/(m3 K), outside 0 to " +
               numberText(kMaxHeatCapacity);
    }
    if (!(*resistivity > 0.0 && *resistivity <= kMaxResistivity)) {
        return "has the resistivity " + numberText(*resistivity) +
               " m K/W, which must be above 0 and at most " + numberText(kMaxResistivity);
    }
    if (const auto c = common::firstControlCharacter(rest))
        return "has the control character " + std::to_string(*c) + " in its name";
    m = RCMaterial{static_cast<std::int32_t>(*code), *capacity, *resistivity, std::string(rest)};
    return std::nullopt;
}

} // namespace

std::optional<RCMaterial> ParseRCMaterial(std::string_view line) {
    RCMaterial m;
    if (parseMaterialLine(line, m)) return std::nullopt;
    return m;
}

RCPropsRead ReadRCProps(const std::filesystem::path& programFolder) {
    RCPropsRead result;
    const std::filesystem::path data = programFolder / "Data";
    const auto file = common::findCaseInsensitive(data, kRCPropsFileName);
    if (!file) return result;
    result.found = true;
    const std::string name = file->string();
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(*file);
    } catch (const std::exception& e) {
        result.error = e.what();
        return result;
    }
    std::vector<RCMaterial> materials;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (blank(lines[i])) continue;
        RCMaterial material;
        if (const auto why = parseMaterialLine(lines[i], material)) {
            result.error = "The material file " + name + " cannot be read: line " + std::to_string(i + 1) +
                           " " + *why + ".";
            return result;
        }
        if (static_cast<int>(materials.size()) == kMaxRCMaterials) {
            result.error = "The material file " + name + " holds more than " +
                           std::to_string(kMaxRCMaterials) + " materials and was not read.";
            return result;
        }
        materials.push_back(std::move(material));
    }
    result.materials = std::move(materials);
    return result;
}

int FirstMaterialNamed(const std::vector<RCMaterial>& materials, std::string_view name) {
    for (std::size_t i = 0; i < materials.size(); ++i)
        if (materials[i].Name == name) return static_cast<int>(i) + 1;
    return 0;
}

std::optional<CompoundR> CalcTotR(const CompoundLayers& l) {
    // Upper limit: heat flows down two separate paths, one through each top-layer material.
    const double A = l.R1 + l.Ft + l.R3 + l.Fb;
    const double B = l.R2 + l.Ft + l.R3 + l.Fb;
    const double upperDenominator = A * l.p2 + B * l.p1;
    // Lower limit: the top layer spreads the heat sideways, so its two materials act in parallel.
    const double a = l.R1 + l.Ft;
    const double b = l.R2 + l.Ft;
    const double lowerDenominator = a * l.p2 + b * l.p1;
    if (upperDenominator == 0.0 || lowerDenominator == 0.0) return std::nullopt;
    CompoundR r;
    r.Upper = A * B * (l.p1 + l.p2) / upperDenominator;
    r.Lower = a * b * (l.p1 + l.p2) / lowerDenominator + l.R3 + l.Fb;
    if (r.Upper == 0.0) return std::nullopt;
    const double d = r.Lower / r.Upper;
    r.Total = r.Upper * d + r.Lower * (1.0 - d);
    r.TopLayer = r.Total - l.R3 - l.Ft - l.Fb;
    return r;
}

double ClockToHours(double hmm) {
    const double whole = std::trunc(hmm);
    return whole + (hmm - whole) * 10.0 / 6.0;
}

double HoursToClock(double hours) {
    const double whole = std::trunc(hours);
    const double minutes = (hours - whole) * 0.6;
    return minutes <= 0.59499 ? whole + minutes : whole + 1.0;
}

double UsableLatitude(double latitude) {
    if (latitude == 0.0) return 0.00001;
    if (latitude == 90.0) return 89.99999;
    if (latitude == -90.0) return -89.99999;
    return latitude;
}

int MonthLength(int month) {
    switch (month) {
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

SunPosition CalcSunPosition(const SunPositionInput& in, const SunPosition& previous) {
    static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    SunPosition s;
    const double phi = UsableLatitude(in.Latitude) * kDegree;
    const int month = static_cast<int>(in.Month);
    s.DayNumber = (month >= 1 && month <= 12 && in.Month == month)
                      ? static_cast<int>(in.Day) + kDaysBefore[month - 1]
                      : previous.DayNumber;
    const double a = s.DayNumber * 360.0 / 366.0 * kDegree;
    s.Declination = (0.33281 - 22.984 * std::cos(a) + 3.7872 * std::sin(a) - 0.3499 * std::cos(2 * a) +
                     0.03205 * std::sin(2 * a) - 0.1398 * std::cos(3 * a) + 0.07187 * std::sin(3 * a)) *
                    kDegree;
    // The series gives the equation of time in minutes.
    s.EquationOfTime = (0.00037 + 0.43177 * std::cos(a) - 7.3764 * std::sin(a) - 3.165 * std::cos(2 * a) -
                        9.3893 * std::sin(2 * a) + 0.07272 * std::cos(3 * a) - 0.24498 * std::sin(3 * a)) /
                       60.0;
    // Four minutes of time per degree of longitude east of the clock's meridian.
    s.SolarTime = in.LocalTime + s.EquationOfTime + (in.Longitude - in.TimeZone) * 4.0 / 60.0;
    s.HourAngle = (12.0 - s.SolarTime) * 2.0 * std::numbers::pi / 24.0;
    const double delta = s.Declination, omega = s.HourAngle;
    s.Altitude =
        std::asin(std::cos(phi) * std::cos(delta) * std::cos(omega) + std::sin(phi) * std::sin(delta));

    // The arcsine gives the azimuth only up to the east-west line; the sun is on the far side of it
    // when its altitude is below the altitude at which it crosses that line.
    const double pi = std::numbers::pi;
    double A = std::asin(std::clamp(std::cos(delta) * std::sin(omega) / std::cos(s.Altitude), -1.0, 1.0));
    const double crossing = std::sin(delta) / std::sin(phi);
    if (std::fabs(crossing) <= 1.0 && s.Altitude < std::asin(crossing)) A = pi - A;
    if (std::fabs(crossing) > 1.0 && crossing > 0.0) A = pi - A;
    if (A > pi) A -= 2.0 * pi;
    if (phi > 0.0) {
        A = pi - A;
        if (A > pi) A -= 2.0 * pi;
    }
    s.Azimuth = A;
    return s;
}

} // namespace pelmora
