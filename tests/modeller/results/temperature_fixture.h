// Small temperature, climate and typical-period files written column by column as the engine and the
// climate data build write them, for the temperature display tests.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace temperature_test {

struct Hour {
    int month = 1, day = 1, hour = 0;
    double outdoor = 0.0;
    std::vector<double> zones;
};

inline std::string format(const char* pattern, auto... values) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

// The lines of a temperature file: latitude and climate file name, the zone count, an empty line,
// the names, then one row an hour.
inline std::vector<std::string> temLines(const std::string& climateFile,
                                         const std::vector<std::string>& zones,
                                         const std::vector<Hour>& hours) {
    std::vector<std::string> lines;
    lines.push_back(format("%5.1f %-12s", -27.5, climateFile.c_str()));
    lines.push_back(format(" Total number of zones = %3d", static_cast<int>(zones.size())));
    lines.push_back("");
    std::string names = " Month Day Hour Outdoor";
    // The engine writes each name left-aligned in 15 characters after a blank (1X,A15).
    for (const auto& z : zones) names += format(" %-15s", z.c_str());
    lines.push_back(names);
    for (const Hour& h : hours) {
        std::string row = format("    %2d  %2d   %2d%8.1f", h.month, h.day, h.hour, h.outdoor);
        for (double t : h.zones) row += format("%16.1f", t);
        lines.push_back(row);
    }
    return lines;
}

inline std::filesystem::path writeLines(const std::filesystem::path& file,
                                        const std::vector<std::string>& lines) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    for (const auto& l : lines) out << l << "\r\n";
    return file;
}

// Every hour of a year (a leap year holds 29 February) with the temperature `value`(row) outdoors
// and in each of `zones` zones.
template <class Value> std::vector<Hour> yearOfHours(bool leapYear, int zones, Value value) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Hour> hours;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= kDays[m - 1] + (leapYear && m == 2 ? 1 : 0); ++d)
            for (int h = 0; h < 24; ++h) {
                const double t = value(static_cast<int>(hours.size()));
                hours.push_back({m, d, h, t, std::vector<double>(static_cast<std::size_t>(zones), t)});
            }
    return hours;
}

// A climate file's record: month, day and hour in columns 5-10 and the dry bulb in tenths in 11-14;
// the rest of the record as blanks and zeros.
inline std::string climateRecord(int month, int day, int hour, double dryBulb) {
    return format("    %2d%2d%2d%4d  0      0 00            0   0", month, day, hour,
                  static_cast<int>(dryBulb * 10.0 + (dryBulb < 0 ? -0.5 : 0.5)));
}

// A typical periods file of `climates` blocks; climate c's period p starts on month p + 1, day c.
inline std::vector<std::string> extremesLines(int climates) {
    static const char* kLabels[] = {"CWW", "WWW", "CSW", "HSW", "SMD", "CMD"};
    std::vector<std::string> lines;
    for (int c = 1; c <= climates; ++c) {
        lines.push_back(format("Climate %d", c));
        for (int p = 1; p <= 6; ++p) lines.push_back(format("%s %2d %2d", kLabels[p - 1], p + 1, c));
    }
    return lines;
}

} // namespace temperature_test
