// The typical periods of a climate year (Data/Climate/extremes.ext), found in the climate file
// itself: the coldest and the warmest week of winter (June to August), the coolest and the hottest
// week of summer (December to February, weeks not running past 31 December), and the sunniest and
// the cloudiest day of March.
#pragma once

#include "data/climate/climate_record.h"

#include <array>
#include <string>
#include <vector>

namespace climate {

struct PeriodStart {
    int month = 0;
    int day = 0;
};

enum class TypicalPeriod {
    ColdWinterWeek,
    WarmWinterWeek,
    CoolSummerWeek,
    HotSummerWeek,
    SunnyMarchDay,
    CloudyMarchDay
};

// Start dates in the order of TypicalPeriod.  Days are taken as 24 records each, dated by their
// last record.  Throws std::invalid_argument when the year lacks a season's days.
std::array<PeriodStart, 6> findTypicalPeriods(const std::vector<ClimateRecord>& records);

// The seven lines of one climate's block: a heading, then per period a three-character label
// and the month and day.
std::vector<std::string> typicalPeriodLines(int zone, const std::string& place,
                                            const std::array<PeriodStart, 6>& starts);

} // namespace climate
