#include "data/climate/typical_periods.h"

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace climate {

namespace {

constexpr int kWeek = 7;

struct DaySummary {
    int month;
    int day;
    double meanTemperature; // °C
    double beamSum;         // Wh/m² of direct normal irradiance
    double solarSum;        // Wh/m² of diffuse plus direct
};

std::vector<DaySummary> summariseDays(const std::vector<ClimateRecord>& records) {
    std::vector<DaySummary> days;
    for (std::size_t first = 0; first + 24 <= records.size(); first += 24) {
        DaySummary s{records[first + 23].month, records[first + 23].day, 0, 0, 0};
        for (std::size_t k = first; k < first + 24; ++k) {
            s.meanTemperature += records[k].dryBulb / 24.0;
            s.beamSum += records[k].beam;
            s.solarSum += records[k].beam + records[k].diffuse;
        }
        days.push_back(s);
    }
    return days;
}

bool inSummer(int month) {
    return month == 12 || month <= 2;
}
bool inWinter(int month) {
    return month >= 6 && month <= 8;
}

// First day of the week (7 days, all in the season) with the best mean temperature.
PeriodStart bestWeek(const std::vector<DaySummary>& days, bool (*season)(int), bool coldest) {
    int best = -1;
    double bestMean = 0;
    for (std::size_t first = 0; first + kWeek <= days.size(); ++first) {
        double mean = 0;
        bool inside = true;
        for (std::size_t d = first; d < first + kWeek; ++d) {
            inside = inside && season(days[d].month);
            mean += days[d].meanTemperature / kWeek;
        }
        if (!inside) continue;
        if (best < 0 || (coldest ? mean < bestMean : mean > bestMean)) {
            best = static_cast<int>(first);
            bestMean = mean;
        }
    }
    if (best < 0) throw std::invalid_argument("the climate year holds no whole week of the season");
    return {days[best].month, days[best].day};
}

PeriodStart bestMarchDay(const std::vector<DaySummary>& days,
                         const std::function<bool(const DaySummary&, const DaySummary&)>& better) {
    const DaySummary* best = nullptr;
    for (const auto& d : days)
        if (d.month == 3 && (!best || better(d, *best))) best = &d;
    if (!best) throw std::invalid_argument("the climate year holds no day of March");
    return {best->month, best->day};
}

} // namespace

std::array<PeriodStart, 6> findTypicalPeriods(const std::vector<ClimateRecord>& records) {
    const auto days = summariseDays(records);
    return {
        bestWeek(days, inWinter, true),
        bestWeek(days, inWinter, false),
        bestWeek(days, inSummer, true),
        bestWeek(days, inSummer, false),
        bestMarchDay(days, [](const DaySummary& a, const DaySummary& b) { return a.beamSum > b.beamSum; }),
        bestMarchDay(days, [](const DaySummary& a, const DaySummary& b) { return a.solarSum < b.solarSum; }),
    };
}

std::vector<std::string> typicalPeriodLines(int zone, const std::string& place,
                                            const std::array<PeriodStart, 6>& starts) {
    static const char* const kLabels[6] = {"CWW", "WWW", "CSW", "HSW", "SMD", "CMD"};
    std::vector<std::string> lines;
    lines.push_back("Climate " + std::to_string(zone) + " " + place +
                    ": cold and warm winter week, cool and hot summer week, sunny and cloudy March day");
    for (int p = 0; p < 6; ++p) {
        char line[32];
        std::snprintf(line, sizeof line, "%s%3d%3d", kLabels[p], starts[p].month, starts[p].day);
        lines.emplace_back(line);
    }
    return lines;
}

} // namespace climate
