// The climate file: one fixed-width text record per hour of the weather year.  The input reads it
// once, checks that it is one whole year of readable records and takes its mean dry bulb, and opens
// it again for the time loop, which reads it a day at a time.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "common/arrays.h"
#include "common/climate_record.h"

namespace engine {

struct EngineState;

// The values of one hourly record.
struct ClimateRecord {
    int month = 0;
    int day = 0;
    int hour = 0;        // clock hour of the record, 0..23
    double tair = 0.0;   // dry bulb, °C
    double wmoist = 0.0; // humidity ratio, g/kg
    double wspeed = 0.0; // wind speed, m/s
    double wdir = 0.0;   // wind direction, degrees (code × 22.5; above 359 becomes 0)
    int cloud = 0;       // cloud cover digit
    double difrad = 0.0; // diffuse horizontal irradiance, W/m²
    double dirrad = 0.0; // direct normal irradiance, W/m²
};

enum class ClimateRead { Record, EndOfFile, IllegalData };

// Why a record could not be taken (IllegalData): a field that is not a number of its format, a
// month, day or hour that no calendar has, or a measured value outside what weather can bring.  A
// whole year (readClimateYear) also refuses a date that is not the hour after the record before, the
// first being 1 January, hour 0 (Calendar).
// A record that lacks a reading (cut short, a blank line, a blank dry bulb or moisture) is NoReading.
enum class ClimateFault { None, IllegalField, NoReading, Month, Day, Hour, Range, Calendar };

// Days of month 1..12 in a year that has 29 February.
int daysInMonth(int month);

// The climate file open on the engine's unit 10.  Reading reuses one line buffer, so the hourly loop
// allocates nothing.
class ClimateFile {
  public:
    // False when the file cannot be opened.
    bool open(const std::filesystem::path& file);
    void close();
    bool isOpen() const { return in_.is_open(); }
    const std::filesystem::path& path() const { return path_; }
    // Records read since the file was opened.
    long records() const { return records_; }

    // The next record; IllegalData when it cannot be taken (fault() says why).
    ClimateRead next(ClimateRecord& record);

    // What made the last record IllegalData: the fault, the first column of an illegal field, and
    // the month, day or hour out of range.
    ClimateFault fault() const { return fault_; }
    int faultColumn() const { return faultColumn_; }
    // The text of the record read last.
    const std::string& line() const { return line_; }
    int faultValue() const { return faultValue_; }
    int faultMonth() const { return faultMonth_; }
    // The record last refused, for the messages that name its field or its date.
    const common::ClimateRecordFields& faultRecord() const { return faultRecord_; }
    common::ClimateField faultField() const { return faultField_; }

  private:
    bool nextLine();
    ClimateRead refuse(ClimateFault fault, int value, int month = 0);
    std::ifstream in_;
    std::filesystem::path path_;
    std::string line_;
    long records_ = 0;
    ClimateFault fault_ = ClimateFault::None;
    int faultColumn_ = 0, faultValue_ = 0, faultMonth_ = 0;
    common::ClimateRecordFields faultRecord_;
    common::ClimateField faultField_ = common::ClimateField::None;
};

// Records of a year of 365 days, and of one that holds 29 February.
inline constexpr long kYearRecords = 8760;
inline constexpr long kLeapYearRecords = 8784;

// The whole file as the input reads it before the time loop: one year of records, 8760, or 8784 when
// it holds 29 February, every one readable and within the ranges of weather, running hour by hour
// from 1 January, hour 0, and their mean dry bulb.
struct ClimateYear {
    ClimateRead status = ClimateRead::Record;      // IllegalData: record `records` + 1 cannot be taken
    long records = 0;                              // records read
    bool leapDay = false;                          // some record is of 29 February
    double mean = 0.0;                             // °C; 0 when no record was read
    ClimateFault recordFault = ClimateFault::None; // why record `records` + 1 cannot be taken
    // Empty for a whole year; otherwise what is wrong, naming the record (not the file).
    std::string fault;
};
ClimateYear readClimateYear(ClimateFile& file);

// "record n: " and what is wrong with the record that `file` could not take.
std::string climateFaultText(const ClimateFile& file);

// One day of weather as the time loop reads it: 24 × nwxhr records into the steps of block `clim`
// (one step per record).
struct ClimateDay {
    ClimateRead status = ClimateRead::Record;   // EndOfFile: the file ended before the day was complete
    int records = 0;                            // records read for the day
    common::FixedArray1<int, 1, 24> month, day; // month and day of each record, for the sun position
    common::FixedArray1<double, 1, 24> hour;    // hour of each record, 0.0 .. 23.0
    int lastMonth = 0;                          // month and day of the day's last record: the day simulated
    int lastDay = 0;
    double tmax = -999.0; // highest dry bulb of the day, °C
};
// Reads the next day from the climate file open on unit 10 into `clim` (tair, wmoist, wspeed, wdir,
// cloud, difrad, dirrad of steps 1..24).
void readClimateDay(EngineState& state, ClimateDay& day);

} // namespace engine
