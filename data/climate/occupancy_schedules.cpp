#include "data/climate/occupancy_schedules.h"

#include "data/climate/climate_record.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace climate {

namespace {

// An hourly profile from runs of hours: {first hour, last hour, value}, hours 1-24.
struct HourRun {
    int first;
    int last;
    double value;
};

HourlyProfile profile(std::initializer_list<HourRun> runs, double otherwise) {
    HourlyProfile p;
    p.fill(otherwise);
    for (const auto& r : runs)
        for (int h = r.first; h <= r.last; ++h) p[h - 1] = r.value;
    return p;
}

// Heating: day zones 20 °C from 7 am to midnight; sleeping zones 18 °C from 7 to 9 am and from
// 4 pm to midnight, 15 °C through the night.
constexpr double kDayHeating = 20.0;
constexpr double kSleepingHeatingEvening = 18.0;
constexpr double kSleepingHeatingNight = 15.0;

// Internal gains in W of a zone of 80 m² for a household of four (the card writer scales them).
// Occupants, sensible part; the latent part is half of it.
const HourlyProfile kDayOccupants =
    profile({{8, 9, 300}, {10, 16, 75}, {17, 18, 150}, {19, 22, 300}, {23, 24, 150}}, 0);
const HourlyProfile kSleepingOccupants = profile({{1, 7, 280}, {8, 8, 140}, {22, 22, 140}, {23, 24, 280}}, 0);
// Appliances and lighting.
const HourlyProfile kDayBase = profile({{7, 9, 300}, {10, 17, 200}, {18, 22, 450}, {23, 24, 250}}, 150);
const HourlyProfile kSleepingBase = profile({{7, 8, 100}, {18, 21, 60}, {22, 23, 100}}, 20);
// Cooking in a living/kitchen zone: sensible and latent.
const HourlyProfile kCookingSensible = profile({{8, 8, 300}, {13, 13, 200}, {18, 19, 800}}, 50);
const HourlyProfile kCookingLatent = profile({{8, 8, 150}, {13, 13, 100}, {18, 19, 400}}, 0);
// Persons present (profiles the programs do not use, kept for the reader of the file).
const HourlyProfile kDayPersons = profile({{8, 9, 4}, {10, 16, 1}, {17, 18, 2}, {19, 22, 4}, {23, 24, 2}}, 0);
const HourlyProfile kSleepingPersons = profile({{1, 7, 4}, {8, 8, 2}, {22, 22, 2}, {23, 24, 4}}, 0);

constexpr double kReferenceArea = 80.0; // m², floor area the gain profiles stand for

struct ControlSet {
    int coveringClose;                // hour
    int coveringOpen;                 // hour
    double coveringTemperature;       // °C: coverings stay open while it is this cold outside
    double coveringSolar;             // W/m² on the window above which coverings are drawn
    double blindTemperature;          // °C
    double blindSolar;                // W/m²
    int ventilationOn;                // hour
    int ventilationOff;               // hour
    double ventilationOnTemperature;  // °C
    double ventilationOffTemperature; // °C
    double unused;
};

std::string real(double v, int decimals) {
    char b[32];
    std::snprintf(b, sizeof b, "%.*f", decimals, v);
    return b;
}

void appendProfile(std::vector<std::string>& lines, const HourlyProfile& p, int decimals) {
    for (int half = 0; half < 2; ++half) {
        std::string line;
        for (int h = 0; h < 12; ++h) {
            const std::string v = real(p[half * 12 + h], decimals);
            line += std::string(h == 0 ? 0 : 1, ' ') + std::string(v.size() < 6 ? 6 - v.size() : 0, ' ') + v;
        }
        lines.push_back(line);
    }
}

void appendValue(std::vector<std::string>& lines, const std::string& value, const char* what) {
    std::string line = value;
    line.resize(std::max<std::size_t>(line.size() + 1, 10), ' ');
    lines.push_back(line + what);
}

void appendControlSet(std::vector<std::string>& lines, const ControlSet& c) {
    appendValue(lines, std::to_string(c.coveringClose), "covering closing hour");
    appendValue(lines, std::to_string(c.coveringOpen), "covering opening hour");
    appendValue(lines, real(c.coveringTemperature, 1), "covering drawing temperature (C)");
    appendValue(lines, real(c.coveringSolar, 0), "covering drawing solar level (W/m2)");
    appendValue(lines, real(c.blindTemperature, 1), "external blind drawing temperature (C)");
    appendValue(lines, real(c.blindSolar, 0), "external blind drawing solar level (W/m2)");
    appendValue(lines, std::to_string(c.ventilationOn), "ventilation on hour");
    appendValue(lines, std::to_string(c.ventilationOff), "ventilation off hour");
    appendValue(lines, real(c.ventilationOnTemperature, 1), "ventilation on temperature (C)");
    appendValue(lines, real(c.ventilationOffTemperature, 1), "ventilation off temperature (C)");
    appendValue(lines, real(c.unused, 1), "not used");
}

} // namespace

double coolingSetPoint(const PlaceNormals& place) {
    double warmest = -100;
    for (int m = 0; m < 12; ++m)
        warmest = std::max(warmest, 0.5 * (place.maxTemperature[m] + place.minTemperature[m]));
    const double neutral = 0.31 * warmest + 17.6;
    return std::clamp(std::round(2.0 * (neutral + 1.5)) / 2.0, 23.5, 27.5);
}

std::vector<std::string> occupancyFileLines(const PlaceNormals& place) {
    const double cooling = coolingSetPoint(place);
    // Coverings are drawn at dusk (6 pm) and opened at 7 am; by day they stay open while it is cool
    // outside and are drawn against strong sun.  Windows may be opened from 6 am to 11 pm when the
    // zone is warmer than 1.5 K under the cooling set-point and shut again 2 K lower.
    const ControlSet day{18, 7, 18.0, 300.0, 24.0, 200.0, 6, 23, cooling - 1.5, cooling - 3.5, 0.0};
    // Bedrooms: coverings drawn from 8 pm to 7 am; windows may stay open all night.
    const ControlSet sleeping{20, 7, 18.0, 300.0, 24.0, 200.0, 0, 24, cooling - 1.5, cooling - 3.5, 0.0};

    const HourlyProfile dayHeating = profile({{8, 24, kDayHeating}}, kNoHeating);
    const HourlyProfile dayCooling = profile({{8, 24, cooling}}, kNoCooling);
    const HourlyProfile sleepingHeating = profile(
        {{1, 7, kSleepingHeatingNight}, {8, 9, kSleepingHeatingEvening}, {17, 24, kSleepingHeatingEvening}},
        kNoHeating);
    const HourlyProfile sleepingCooling = profile({{1, 9, cooling}, {17, 24, cooling}}, kNoCooling);

    std::vector<std::string> lines;
    lines.push_back("Occupancy schedules of climate zone " + std::to_string(place.zone) + " (" + place.place +
                    ")");
    appendControlSet(lines, day);                                                        // lines 2-12
    appendProfile(lines, kDayPersons, 0);                                                // 13-14, profile 1
    appendProfile(lines, kCookingLatent, 0);                                             // 15-16, profile 8
    appendProfile(lines, dayHeating, 1);                                                 // 17-18, profile 10
    appendProfile(lines, dayCooling, 1);                                                 // 19-20, profile 11
    appendValue(lines, real(kReferenceArea, 1), "floor area of the gain profiles (m2)"); // 21
    appendControlSet(lines, sleeping);                                                   // 22-32
    appendProfile(lines, kSleepingPersons, 0);                                           // 33-34, profile 2
    appendProfile(lines, kSleepingPersons, 0);                                           // 35-36, profile 9
    appendProfile(lines, sleepingHeating, 1);                                            // 37-38, profile 12
    appendProfile(lines, sleepingCooling, 1);                                            // 39-40, profile 13
    appendValue(lines, real(kReferenceArea, 1), "floor area of the gain profiles (m2)"); // 41
    appendProfile(lines, kCookingSensible, 0);                                           // 42-43, profile 3
    appendProfile(lines, kDayBase, 0);                                                   // 44-45, profile 4
    appendProfile(lines, kDayOccupants, 0);                                              // 46-47, profile 5
    appendProfile(lines, kSleepingBase, 0);                                              // 48-49, profile 6
    appendProfile(lines, kSleepingOccupants, 0);                                         // 50-51, profile 7
    return lines;
}

std::string occupancyFileName(int zone) {
    // The modeller takes the two digits from characters 7 and 8 of the climate file name.
    return "OCCUP" + climateFileName(zone).substr(6, 2) + ".DAT";
}

} // namespace climate
