// One hourly record of a climate file, as both programs read it: the engine's input and time loop,
// and the modeller's climate statistics.  The record's field layout is described here once; every
// reader of a climate file goes through these functions.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace common {

// The edit descriptors of a climate record: month, day and hour (columns 5-10), dry bulb (11-14,
// with its sign), moisture (15-17), wind speed (22-24), wind direction code (25-26), cloud digit
// (27), diffuse (38-40) and direct (41-44) irradiance.
inline constexpr std::string_view kClimateRecordLayout = "(4X,3I2,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0)";

// Characters of a record: its last field, the direct irradiance, ends in column 44.
inline constexpr std::size_t kClimateRecordWidth = 44;

// The values of one record, as written in the file.
struct ClimateRecordFields {
    int month = 0;
    int day = 0;
    int hour = 0;           // clock hour of the record, 0..23
    double dryBulb = 0.0;   // °C
    double moisture = 0.0;  // humidity ratio, g of water per kg of dry air
    double windSpeed = 0.0; // m/s
    double windCode = 0.0;  // wind direction in sixteenths of a circle
    int cloud = 0;          // cloud cover digit
    double diffuse = 0.0;   // diffuse horizontal irradiance, W/m²
    double direct = 0.0;    // direct normal irradiance, W/m²
};

// Reads one record (its text without the line end).  Blanks inside a field read as zeros and reals
// written without a point take the implied decimals of their descriptor.  Returns 0, or the first
// column of what makes the record unreadable: a field that is not a number, the first column a
// record cut short lacks (a blank line too), or a dry bulb or moisture field left blank, which is
// no reading at all; `record` is then left as it was.  Allocates nothing.
int readClimateRecord(std::string_view line, ClimateRecordFields& record);

// Why readClimateRecord refused `line` at `column`: "a blank line", "the record ends after column
// 10; its fields run to column 44", "the dry bulb (columns 11-14) is blank: no reading", or
// "illegal data in field, column 12".
std::string climateRecordFaultText(std::string_view line, int column);

// True when readClimateRecord refused `line` at `column` for a reading it lacks (a record cut short,
// a blank line, a blank dry bulb or moisture) rather than for a field that is not a number.
bool climateReadingMissing(std::string_view line, int column);

// Days of month 1..12 in a year that has 29 February; 0 for any other month.
int daysInMonth(int month);

// The measured values of a record, each of which must lie within what weather can bring anywhere
// people build houses: a value outside it is damage (a dry bulb of 999.9, a negative wind speed, an
// exponent that blows a field up), never weather.  The cloud digit needs no range: every digit its
// one column can hold is a cover in oktas, 9 for a sky hidden from view.
enum class ClimateField { None, DryBulb, Moisture, WindSpeed, WindCode, Diffuse, Direct };

// The first measured field of `record` outside its range, or None.  Allocates nothing.
ClimateField fieldOutOfRange(const ClimateRecordFields& record);

// What is wrong with `field` of `record`: its name and columns, the value and its range, such as
// "dry bulb (columns 11-14) 999.9 outside -70 to 60 °C".
std::string fieldRangeText(ClimateField field, const ClimateRecordFields& record);

// The calendar order of a climate file's records: every record is the hour after the one before it,
// hour by hour through a day and day by day through the months (29 February only after the 28th),
// and the first is hour 0 of a day (of 1 January when the records must make a year).  A file of
// 8760 records without February, or of 365 copies of 1 January, breaks it.  Allocates nothing.
class ClimateCalendar {
  public:
    explicit ClimateCalendar(bool yearFromFirstOfJanuary) : yearStart_(yearFromFirstOfJanuary) {}
    // Takes the date of the next record; false when it is not the one the calendar expects (the
    // calendar then stays at the record before).
    bool take(int month, int day, int hour);
    // Why the date the last take refused is not the next one: "1 March hour 0 does not follow
    // 31 January hour 23", or "the first record is 2 January hour 0, not 1 January hour 0".
    std::string faultText(int month, int day, int hour) const;

  private:
    bool yearStart_;
    long taken_ = 0;
    int month_ = 0, day_ = 0, hour_ = 0; // of the last record taken
};

} // namespace common
