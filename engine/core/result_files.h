// Layouts of the engine's result files: the hourly temperature file (.TEM), energy.txt, the
// summaries of output.txt, natrep.dt2, the card-8 file and the console progress line.  Every line is
// a fixed-format record described once below as a format text (edit descriptors, literal texts in
// apostrophes or as nH, repeat counts, groups and '/').  Formats whose repeat counts depend on the
// run are templates with "***" in place of the count; the writer completes them at the start of the
// run with the count written as I3.
//
// The modeller reads the .TEM file and energy.txt back by column, so their layouts are binding to the
// column.
#pragma once

#include "common/fixed_width.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One output format, parsed once.  Writing follows the rules of formatted output: values are taken
// by the data descriptors in order; writing ends at the first data descriptor for which no value is
// left (literals before it are written); a format that runs out while values remain starts a new line
// and goes on from its last top-level group.  Reals too wide for their field are written as
// asterisks; a text longer than its field is cut, a shorter one padded on the right.  Blanks skipped
// by X with nothing written after them are not written.
class ReportFormat {
  public:
    ReportFormat() = default;
    // Throws std::invalid_argument for a malformed format.
    explicit ReportFormat(std::string_view text);

    // Appends the lines the values make (without line ends) to `lines`.  Throws std::invalid_argument
    // when a value does not match its descriptor's kind.
    void write(std::span<const fw::Value> values, std::vector<std::string>& lines) const;
    std::vector<std::string> lines(std::span<const fw::Value> values) const;
    std::vector<std::string> lines(std::initializer_list<fw::Value> values) const;

  private:
    enum class Kind { Data, Skip, Literal, NewLine };
    struct Item {
        Kind kind;
        fw::Descriptor descriptor{}; // Data: its edit; Skip: width = columns
        std::string text;            // Literal
    };
    friend class ReportFormatParser;

    std::vector<Item> items_;
    std::size_t reversion_ = 0; // where a format that runs out of descriptors goes on
    bool hasData_ = false;
    bool reversionHasData_ = false; // the part from reversion_ on takes values
};

// Replaces the n-th "***" of a template with counts[n] written as I3.  Throws std::invalid_argument
// when the template holds a different number of placeholders than counts, or a count does not fit.
std::string completeTemplate(std::string_view templateText, std::span<const int> counts);

// The format texts, as stored.  Templates name the counts that complete them.
namespace resultformat {

// Hourly temperature file, unit 63.
inline constexpr std::string_view kTemLatitude = "(F5.1,1X,A12)";
inline constexpr std::string_view kTemZoneCount = "(1X,'Total number of zones = ',I3,/)";
inline constexpr std::string_view kTemNames = "(1x,'Month',' Day',' Hour',' Outdoor',***(1x,a15))"; // nzones
inline constexpr std::string_view kTemHour = "(4x,i2,2x,i2,3x,i2,f8.1,***f16.1)";                   // nzones
inline constexpr std::string_view kTemHourHumid = "(4x,i2,2x,i2,3x,i2,f8.1,***f16.1,2F7.1)"; // nzones + 2

// energy.txt, unit 64.
inline constexpr std::string_view kEnergyJob = "(A36)";
inline constexpr std::string_view kEnergyZoneCount = "(1X,'Total number of conditioned zones = ',I3,/)";
inline constexpr std::string_view kEnergyNames =
    "(1X,'Month',' Day',' Hour',***(5X,4(1H-),      A15,3(1H-)))";                             // ncond
inline constexpr std::string_view kEnergyColumns = "(15X,***('     Heat    CoolS    CoolL'))"; // ncond
inline constexpr std::string_view kEnergyHour = "(4x,i2,2x,i2,3x,i2,***f9.1)";                 // 3 * ncond

// output.txt: daily summary.
inline constexpr std::string_view kDayDate = "(/,/,10X,A3,1X,I4,5X,'DAY',I3)";
inline constexpr std::string_view kSeparator = "(1X)";
inline constexpr std::string_view kDayHeating = "(1X,'DAY HEATING ENERGY (MJ): ',A15,1X,F9.1)";
inline constexpr std::string_view kDayHeatingPeak = "(1X,'PEAK HEATING DEMAND (kW): ',A15,1X,F9.1)";
inline constexpr std::string_view kDaySensibleCooling =
    "(1X,'DAY SENSIBLE COOLING ENERGY (MJ): ',A15,1X,F9.1)";
inline constexpr std::string_view kDayLatentCooling = "(1X,'  DAY LATENT COOLING ENERGY (MJ): ',A15,1X,F9.1)";
inline constexpr std::string_view kDaySensiblePeak = "(1X,'PEAK SENSIBLE COOLING DEMAND (kW): ',A15,F9.1)";
inline constexpr std::string_view kDayLatentPeak = "(1X,'  PEAK LATENT COOLING DEMAND (kW): ',A15,F9.1)";

// output.txt: monthly summary.
inline constexpr std::string_view kMonthHeading = "(/,/,1X,'MONTHLY SUMMARY',/,1X,15(1H-))";
inline constexpr std::string_view kMonthTemperatures =
    "(/1X,'MEAN TEMPERATURE AND MEAN OF DAILY TEMPERATURE RANGES FOR ',A3,1X,     I4/1X,66(1H-)//,8X,"
    "'EXTERNAL',1X,***(A15,1X)/1X,'TEMP ',3X,***(F5.1,4X)/1X,'RANGE',3X,***(F5.1,4X))"; // nzones, nzones + 1
                                                                                        // twice
inline constexpr std::string_view kMonthHeating = "(1X,'HEATING ENERGY (MJ): ',A15,5X,F9.1)";
inline constexpr std::string_view kMonthHeatingPeak = "(1X,'PEAK HEATING DEMAND (kW):',A15,F9.1)";
inline constexpr std::string_view kSensibleCooling = "(1X,'SENSIBLE COOLING ENERGY (MJ): ',A15,5X,F9.1)";
inline constexpr std::string_view kLatentCooling = "(1X,'  LATENT COOLING ENERGY (MJ): ',A15,5X,F9.1)";
inline constexpr std::string_view kSensiblePeak = "(1X,'PEAK SENSIBLE COOLING DEMAND (kW): ',A15,F9.1)";
inline constexpr std::string_view kLatentPeak = "(1X,'  PEAK LATENT COOLING DEMAND (kW): ',A15,F9.1)";
inline constexpr std::string_view kMonthDistributionHeading =
    "(/,/,18X,'MONTH TEMPERATURE DISTRIBUTION FOR ',A3,1X,I4,/,18X,43(1H-),/,/,36X,'TEMP (DEG C)',/,18X,"
    "'  <12  12-15 15-18 18-21 21-24 24-27 27-30  >30    TOTAL',/,20X,45(1H-),4X,5H-----,/)";
inline constexpr std::string_view kStatedHoursZone = "(1X,A15,' (',A4,'-',A4,')')";
inline constexpr std::string_view kOccurrences = "(1X,'No. of occurrences',I4,7I6,I9)";
inline constexpr std::string_view kPercentages = "(9X,'%',7X,8F6.1,F9.1,/)";
inline constexpr std::string_view kStatedHoursMeansHeading =
    "(/,18X,'MEAN TEMPERATURES OVER STATED HOURS',/)";
inline constexpr std::string_view kStatedHoursMean = "(21X,A15,' (',A4,'-',A4,')',F11.1)";

// output.txt: summary of the whole period and the closing line.
inline constexpr std::string_view kPeriodHeading =
    "(/,/,' SUMMARY FOR ENTIRE PERIOD OF CALCULATION',2X,2(I2,1H.),I4,' TO ',2(I2,1H.),I4,3X,'(',I4,' DAYS)',"
    "/,1X,40(1H-))";
inline constexpr std::string_view kPeriodTemperatures =
    "(/1X,'MEAN TEMPERATURE AND MEAN OF DAILY TEMPERATURE "
    "RANGES'/1X,53(1H-)//,8X,'EXTERNAL',1X,***(A15,1X)/1X,"
    "'TEMP ',3X,***(F5.1,4X)/1X,'RANGE',3X,***(F5.1,4X))"; // nzones, nzones + 1 twice
inline constexpr std::string_view kPeriodHeatingPeak = "(1X,'PEAK HEATING DEMAND (kW): ',A15,F9.1)";
inline constexpr std::string_view kOverallDistributionHeading =
    "(/,/,18X,'OVERALL TEMPERATURE DISTRIBUTION',/,18X,32(1H-),/,/,36X,'TEMP (DEG C)',/,18X,"
    "'  <12  12-15 15-18 18-21 21-24 24-27 27-30  >30    TOTAL',/,20X,45(1H-),4X,5H-----,/)";
inline constexpr std::string_view kTerminatedNormally = "(/,/,15X,'PROGRAM TERMINATED NORMALLY')";

// natrep.dt2 (unit 70) and the card-8 file (unit 80).
inline constexpr std::string_view kNatrepTotals = "(F9.1,/,F9.1,/,F9.1,/,F6.1,/,F6.1,/,F6.1)";
inline constexpr std::string_view kNatrepPerArea = "(F9.2,/,F9.2,/,F9.2,/,F9.2,/,F9.2,/,F9.2)";

// Console.
inline constexpr std::string_view kProgress = "(' CALCULATIONS COMPLETED FOR ',A3)";

// Three-letter month abbreviations, three characters per month.
inline constexpr std::string_view kMonthNames = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

} // namespace resultformat

// The formats of one run whose repeat counts depend on the number of zones (nzones) and of
// conditioned zones (ncond), completed once before the first day.
struct ResultFormats {
    ReportFormat temNames, temHour, temHourHumid;
    ReportFormat energyNames, energyColumns, energyHour;
    ReportFormat monthTemperatures, periodTemperatures;
};

// Completes the templates for a run.  ncond = 0 (no conditioned zone) leaves the energy formats
// empty, since energy.txt is then not written.
void completeResultFormats(ResultFormats& formats, int nzones, int ncond);

// Lines of the result files end as the platform's text files did.
inline constexpr std::string_view kLineEnd = "\r\n";
// Writes the lines, each followed by kLineEnd.
void writeLines(std::ostream& out, std::span<const std::string> lines);

// Three-letter abbreviation of month 1..12.
std::string monthAbbreviation(int month);

// First line of the .TEM file, written by the input phase: the latitude in degrees and the climate
// file's name (12 characters).
std::string temLatitudeLine(double latitudeDegrees, std::string_view climateName);

// Head of the .TEM file (zone count line, empty line, name line) for the listed zones, names as
// stored (15 characters).
std::vector<std::string> temHeadLines(const ResultFormats& formats, std::span<const std::string> listedNames);

// Head of energy.txt (job name, conditioned-zone count, empty line, name line, column line).
std::vector<std::string> energyHeadLines(const ResultFormats& formats, std::string_view jobName,
                                         std::span<const std::string> conditionedNames);

// Lines of natrep.dt2: record 1 always, record 2 only when the conditioned floor area exceeds
// 0.1 m2.  Energies in MJ, peaks in kW, area in m2.
struct NatrepTotals {
    double heating = 0.0;         // MJ
    double sensibleCooling = 0.0; // MJ, with the ceiling-fan energy
    double latentCooling = 0.0;   // MJ
    double heatingPeak = 0.0;     // kW
    double sensiblePeak = 0.0;    // kW
    double latentPeak = 0.0;      // kW
};
std::vector<std::string> natrepRecord1(const NatrepTotals& totals);
std::vector<std::string> natrepLines(const NatrepTotals& totals, double fanEnergy, double conditionedArea);

} // namespace engine
