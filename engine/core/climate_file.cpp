#include "engine/core/climate_file.h"

#include <cassert>
#include <string>

#include "common/climate_record.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr double kDegreesPerDirectionCode = 22.5;

} // namespace

int daysInMonth(int month) {
    return common::daysInMonth(month);
}

bool ClimateFile::open(const std::filesystem::path& file) {
    close();
    path_ = file;
    in_.open(file, std::ios::binary);
    return in_.is_open();
}

void ClimateFile::close() {
    if (in_.is_open()) in_.close();
    in_.clear();
    records_ = 0;
}

bool ClimateFile::nextLine() {
    if (!std::getline(in_, line_)) return false;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    return true;
}

ClimateRead ClimateFile::refuse(ClimateFault fault, int value, int month) {
    fault_ = fault;
    faultValue_ = value;
    faultMonth_ = month;
    return ClimateRead::IllegalData;
}

ClimateRead ClimateFile::next(ClimateRecord& record) {
    fault_ = ClimateFault::None;
    if (!nextLine()) return ClimateRead::EndOfFile;
    common::ClimateRecordFields fields;
    faultColumn_ = common::readClimateRecord(line_, fields);
    if (faultColumn_ != 0) {
        const bool missing = common::climateReadingMissing(line_, faultColumn_);
        return refuse(missing ? ClimateFault::NoReading : ClimateFault::IllegalField, 0);
    }
    // The sun position and the day store index by month, day and hour: a record outside the
    // calendar is refused here, before anything reads past the end of a table.
    const int month = fields.month, day = fields.day, hour = fields.hour;
    if (month < 1 || month > 12) return refuse(ClimateFault::Month, month);
    if (day < 1 || day > daysInMonth(month)) return refuse(ClimateFault::Day, day, month);
    if (hour < 0 || hour > 23) return refuse(ClimateFault::Hour, hour);
    faultField_ = common::fieldOutOfRange(fields);
    if (faultField_ != common::ClimateField::None) {
        faultRecord_ = fields; // kept only for the message, not copied for every good hour
        return refuse(ClimateFault::Range, 0);
    }
    ++records_;
    record.month = month;
    record.day = day;
    record.hour = hour;
    record.tair = fields.dryBulb;
    record.wmoist = fields.moisture;
    record.wspeed = fields.windSpeed;
    record.wdir = kDegreesPerDirectionCode * fields.windCode;
    if (record.wdir > 359.0) record.wdir = 0.0;
    record.cloud = fields.cloud;
    record.difrad = fields.diffuse;
    record.dirrad = fields.direct;
    return ClimateRead::Record;
}

std::string climateFaultText(const ClimateFile& file) {
    std::string text = "record " + std::to_string(file.records() + 1) + ": ";
    const std::string value = std::to_string(file.faultValue());
    switch (file.fault()) {
    case ClimateFault::IllegalField:
    case ClimateFault::NoReading:
        return text + common::climateRecordFaultText(file.line(), file.faultColumn());
    case ClimateFault::Month:
        return text + "month " + value + " outside 1 to 12";
    case ClimateFault::Day:
        return text + "day " + value + " outside 1 to " + std::to_string(daysInMonth(file.faultMonth())) +
               " of month " + std::to_string(file.faultMonth());
    case ClimateFault::Hour:
        return text + "hour " + value + " outside 0 to 23";
    case ClimateFault::Range:
        return text + common::fieldRangeText(file.faultField(), file.faultRecord());
    case ClimateFault::Calendar:
    case ClimateFault::None:
        break;
    }
    return text + "cannot be read";
}

ClimateYear readClimateYear(ClimateFile& file) {
    ClimateYear year;
    double sum = 0.0;
    ClimateRecord record;
    // The run simulates a year from its first hour, and books each day by its date.
    common::ClimateCalendar calendar(true);
    bool beyondTheYear = false;
    for (;;) {
        const ClimateRead status = file.next(record);
        if (status == ClimateRead::EndOfFile) break;
        if (status == ClimateRead::IllegalData) {
            year.status = status;
            year.recordFault = file.fault();
            year.fault = climateFaultText(file);
            return year;
        }
        if (!beyondTheYear && !calendar.take(record.month, record.day, record.hour)) {
            // A year that is complete and goes on is a file of more than a year, counted on and said
            // below; anywhere else the record is out of the calendar's order.
            beyondTheYear = year.records == (year.leapDay ? kLeapYearRecords : kYearRecords);
            if (!beyondTheYear) {
                year.status = ClimateRead::IllegalData;
                year.recordFault = ClimateFault::Calendar;
                year.fault = "record " + std::to_string(year.records + 1) + ": " +
                             calendar.faultText(record.month, record.day, record.hour);
                return year;
            }
        }
        sum += record.tair;
        ++year.records;
        if (!beyondTheYear && record.month == 2 && record.day == 29) year.leapDay = true;
        // A second year (or more) would be simulated and booked as part of this one.
        if (year.records > kLeapYearRecords) break;
    }
    if (year.records > 0) year.mean = sum / static_cast<double>(year.records);
    const long whole = year.leapDay ? kLeapYearRecords : kYearRecords;
    const std::string days = year.leapDay ? "366 days" : "365 days";
    if (year.records > whole)
        year.fault = "record " + std::to_string(whole + 1) + ": more records than a year of " + days + " (" +
                     std::to_string(whole) + " records)";
    else if (year.records < whole)
        year.fault = "ends after record " + std::to_string(year.records) + ": a year of " + days + " has " +
                     std::to_string(whole) + " records";
    return year;
}

void readClimateDay(EngineState& state, ClimateDay& day) {
    assert(state.time.nwxhr == 1 && state.time.nstphr == 1);
    const int perDay = 24 * state.time.nwxhr;
    day.records = 0;
    day.tmax = -999.0;
    day.status = ClimateRead::Record;
    ClimateRecord record;
    for (int k = 1; k <= perDay; ++k) {
        const ClimateRead status = state.unit10.next(record);
        if (status != ClimateRead::Record) {
            day.status = status;
            return;
        }
        day.records = k;
        day.month(k) = record.month;
        day.day(k) = record.day;
        day.hour(k) = static_cast<double>((k - 1) / state.time.nwxhr);
        state.clim.tair(k) = record.tair;
        state.clim.wmoist(k) = record.wmoist;
        state.clim.wspeed(k) = record.wspeed;
        state.clim.wdir(k) = record.wdir;
        state.clim.cloud(k) = record.cloud;
        state.clim.difrad(k) = record.difrad;
        state.clim.dirrad(k) = record.dirrad;
        if (record.tair > day.tmax) day.tmax = record.tair;
        day.lastMonth = record.month;
        day.lastDay = record.day;
    }
}

} // namespace engine
