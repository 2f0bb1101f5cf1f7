#include "modeller/results/rating_history.h"

#include "common/file_lookup.h"
#include "common/fixed_width.h"
#include "common/rounding.h"
#include "common/text_values.h"
#include "common/value_range.h"
#include "modeller/model/model_error.h"
#include "modeller/results/star_rating.h"
#include "modeller/results/text_tokens.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <system_error>

namespace pelmora {

namespace {

// One value line: the value rounded to `decimals` and right-aligned in `width` (with no decimal
// point when `decimals` is 0), then the caption.  A value wider than its field is written whole.
constexpr int kInteger = -1; // a whole number of the record (a count, a climate, a colour, a month)
struct ValueLine {
    int width;
    int decimals;
    std::string_view caption;
};

// Lines 2..10 of a record, in order.
constexpr std::array<ValueLine, 9> kRecordLines{{
    {15, kInteger, " Zones"},
    {15, kInteger, " Climate Number"},
    {15, 0, " House Heating, MJ"},
    {15, 0, " House Cooling Sensible, MJ"},
    {15, 0, " House Cooling Latent, MJ"},
    {15, 0, " House Energy Total, MJ"},
    {15, 2, " House Total Area"},
    {15, 1, " House Star Rating"},
    {4, 2, " Area Adjustment"},
}};

// Lines 2..8 of a zone, in order.
constexpr std::array<ValueLine, 7> kZoneLines{{
    {15, 2, " Zone Area  "},
    {15, kInteger, " Drawing Colour"},
    {15, 0, " Zone Heating, MJ"},
    {15, 0, " Zone Cooling Sensible, MJ"},
    {15, 0, " Zone Cooling Latent, MJ"},
    {15, 0, " Zone Energy Total, MJ"},
    {15, 1, " Zone Star Rating"},
}};

constexpr std::string_view kMonthHeading = " CoolL     CoolS      Heat       Month";
// A month line: latent cooling, sensible cooling and heating (MJ) and the month number.
constexpr int kMonthValueWidth = 8;
constexpr int kMonthValueDecimals = 1;
constexpr std::string_view kMonthValueGap = "  ";
constexpr std::string_view kMonthNumberGap = "        ";
constexpr int kMonthNumberWidth = 2;
constexpr int kZoneNameWidth = 15;

// A value whole, rounded to `decimals` (halves to even) in fixed notation, without a decimal point
// when `decimals` is 0: "-3150", "12.50".  A value that rounds to zero has no minus sign.
std::string fixedText(double value, int decimals) {
    char buffer[400]; // room for any finite double in fixed notation
    if (decimals == kInteger) {
        std::snprintf(buffer, sizeof buffer, "%lld", common::roundHalfEvenToInt(value));
    } else {
        // printf rounds the exact binary value, ties to even.
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    }
    std::string_view text(buffer);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos) text.remove_prefix(1);
    return std::string(text);
}

// Writes the value right-aligned in its field, or whole when it is wider.  A value that is not a finite
// number could not be read back, and the rewritten file would lose every kept rating: it stops the
// writing of the whole file, naming the record and the value.
void appendWhole(std::string& out, double value, int width, int decimals, const StarType& r,
                 std::string_view what) {
    if (!std::isfinite(value)) {
        while (!what.empty() && what.back() == ' ') what.remove_suffix(1);
        throw ModelError("The rating of \"" + r.Name + "\" cannot be kept in " +
                         std::string(kPastRatingsFile) + ": its" + std::string(what) + " is not a number");
    }
    const std::string text = fixedText(value, decimals);
    if (static_cast<int>(text.size()) < width) out.append(static_cast<std::size_t>(width) - text.size(), ' ');
    out += text;
}

std::string valueLine(double value, const ValueLine& format, const StarType& r) {
    std::string text;
    appendWhole(text, value, format.width, format.decimals, r, format.caption);
    text += format.caption;
    return text;
}

std::string monthLine(double coolL, double coolS, double heat, int month, const StarType& r) {
    const std::string what = " energy of month " + std::to_string(month);
    std::string text;
    appendWhole(text, coolL, kMonthValueWidth, kMonthValueDecimals, r, what);
    text += kMonthValueGap;
    appendWhole(text, coolS, kMonthValueWidth, kMonthValueDecimals, r, what);
    text += kMonthValueGap;
    appendWhole(text, heat, kMonthValueWidth, kMonthValueDecimals, r, what);
    text += kMonthNumberGap;
    appendWhole(text, month, kMonthNumberWidth, kInteger, r, what);
    return text;
}

// A name line as it stands; a line break inside it would split the file, so each becomes a blank.
std::string nameLine(std::string name) {
    for (char& c : name)
        if (c == '\r' || c == '\n') c = ' ';
    return name;
}

void writeZone(common::TextFileWriter& out, StarType& r, int z) {
    std::string name;
    if (!fw::appendText(name, r.ZoneName(z), kZoneNameWidth, fw::Overflow::Refuse, fw::Align::Right))
        name = r.ZoneName(z);
    out.line(nameLine(name));
    r.ZoneTotal(z) = r.ZoneHeat(z) + r.ZoneCoolS(z) + r.ZoneCoolL(z);
    const std::array<double, kZoneLines.size()> values{r.ZoneArea(z),  static_cast<double>(r.ZoneColour(z)),
                                                       r.ZoneHeat(z),  r.ZoneCoolS(z),
                                                       r.ZoneCoolL(z), r.ZoneTotal(z),
                                                       r.ZoneStars(z)};
    for (std::size_t i = 0; i < values.size(); ++i) out.line(valueLine(values[i], kZoneLines[i], r));
    out.boolean(r.ZoneConditioned(z));
    out.line(kMonthHeading);
    for (int m = 1; m <= kMonths; ++m)
        out.line(monthLine(r.ZoneMonthCoolL(z, m), r.ZoneMonthCoolS(z, m), r.ZoneMonthHeat(z, m), m, r));
    out.line("");
}

void writeRecord(common::TextFileWriter& out, StarType& r) {
    out.line(nameLine(r.Name));
    r.Total = r.Heat + r.CoolS + r.CoolL;
    const std::array<double, kRecordLines.size()> values{static_cast<double>(r.Zones),
                                                         static_cast<double>(r.Climate),
                                                         r.Heat,
                                                         r.CoolS,
                                                         r.CoolL,
                                                         r.Total,
                                                         r.Area,
                                                         r.Stars,
                                                         r.AreaAdjust};
    for (std::size_t i = 0; i < values.size(); ++i) out.line(valueLine(values[i], kRecordLines[i], r));
    out.line(kMonthHeading);
    for (int m = 1; m <= kMonths; ++m)
        out.line(monthLine(r.MonthCoolL(m), r.MonthCoolS(m), r.MonthHeat(m), m, r));
    out.line("");
    for (int z = 1; z <= r.Zones; ++z) writeZone(out, r, z);
    out.line("");
}

common::TextFileWriter pastRatingsWriter(SimulationHistory& history) {
    common::TextFileWriter out;
    out.integer(history.SimulationRecordCount);
    for (int k = 1; k <= history.SimulationRecordCount; ++k) writeRecord(out, history.SimulationRecords(k));
    return out;
}

// The value at the start of a value line; the caption after it is skipped.
double realLine(TokenReader& in) {
    in.requireOnLine();
    const double value = in.real();
    in.skipLine();
    return value;
}

// What a kept rating can hold: an energy of a year or a month of a house is a finite number of MJ,
// not negative, and far below what any house could use (a million million MJ a year is the output of
// thirty large power stations); a star rating lies on the rating scale, in half stars from 0 to 10, or
// is the mark of no rating.  A file that holds anything else is damage, never a rating to show.
constexpr common::ValueRange kEnergy{"the energy", 0.0, 1.0e12}; // MJ

double energy(TokenReader& in, double value) {
    if (!kEnergy.contains(value)) in.fail(kEnergy.refusal(value) + " MJ");
    return value;
}

double energyLine(TokenReader& in) {
    in.requireOnLine();
    const double value = energy(in, in.real());
    in.skipLine();
    return value;
}

bool onRatingScale(double stars) {
    if (stars == kNoRating) return true;
    const double halves = stars / kStarStep;
    return stars >= 0.0 && stars <= kStarStep * kStarBandCount && halves == std::floor(halves);
}

double starsLine(TokenReader& in) {
    in.requireOnLine();
    const double value = in.real();
    if (!onRatingScale(value))
        in.fail("the star rating " + common::numberText(value) +
                " lies off the rating scale (0 to 10 in half stars, or 11 for no rating)");
    in.skipLine();
    return value;
}

int integerLine(TokenReader& in) {
    in.requireOnLine();
    const int value = in.integer();
    in.skipLine();
    return value;
}

// The heading, twelve month lines (the month number is not read) and the empty line.
template <class Store> void readMonths(TokenReader& in, Store store) {
    in.line();
    for (int m = 1; m <= kMonths; ++m) {
        std::array<double, 3> values{};
        for (double& v : values) {
            in.requireOnLine();
            v = energy(in, in.real());
        }
        store(m, values[0], values[1], values[2]);
        in.skipLine();
    }
    in.line();
}

void readZone(TokenReader& in, StarType& r, int z) {
    r.ZoneName(z) = in.line();
    r.ZoneArea(z) = realLine(in);
    r.ZoneColour(z) = integerLine(in);
    r.ZoneHeat(z) = energyLine(in);
    r.ZoneCoolS(z) = energyLine(in);
    r.ZoneCoolL(z) = energyLine(in);
    r.ZoneTotal(z) = energyLine(in);
    r.ZoneStars(z) = starsLine(in);
    // Any text but these two leaves the flag as it was.
    const std::string& conditioned = in.line();
    if (conditioned == common::formatBoolean(true)) r.ZoneConditioned(z) = true;
    if (conditioned == common::formatBoolean(false)) r.ZoneConditioned(z) = false;
    readMonths(in, [&](int m, double coolL, double coolS, double heat) {
        r.ZoneMonthCoolL(z, m) = coolL;
        r.ZoneMonthCoolS(z, m) = coolS;
        r.ZoneMonthHeat(z, m) = heat;
    });
}

void readRecord(TokenReader& in, StarType& r) {
    r.Name = in.line();
    r.Zones = integerLine(in);
    if (r.Zones < 0 || r.Zones > kMaxZones) in.fail("Zone count outside 0..100");
    r.Climate = integerLine(in);
    r.Heat = energyLine(in);
    r.CoolS = energyLine(in);
    r.CoolL = energyLine(in);
    r.Total = energyLine(in);
    r.Area = realLine(in);
    r.Stars = starsLine(in);
    r.AreaAdjust = realLine(in);
    readMonths(in, [&](int m, double coolL, double coolS, double heat) {
        r.MonthCoolL(m) = coolL;
        r.MonthCoolS(m) = coolS;
        r.MonthHeat(m) = heat;
    });
    for (int z = 1; z <= r.Zones; ++z) readZone(in, r, z);
    in.line();
}

} // namespace

std::string pastRatingsText(SimulationHistory& history) {
    return pastRatingsWriter(history).text();
}

void WritePastRatings(SimulationHistory& history, const std::filesystem::path& rootDir) {
    const common::TextFileWriter out = pastRatingsWriter(history);
    try {
        out.save(common::resolveForWriting(rootDir, kPastRatingsFile));
    } catch (const std::exception& error) {
        throw ModelError(error.what());
    }
}

void ReadPastRatings(SimulationHistory& history, const std::filesystem::path& rootDir) {
    const std::vector<std::string> lines = readResultFile(rootDir, kPastRatingsFile);
    TokenReader in(lines, (rootDir / std::string(kPastRatingsFile)).string());
    auto loaded = std::make_unique<SimulationHistory>(history);
    const int count = integerLine(in);
    if (count < 0 || count > kMaxSimulationRecords) in.fail("Record count outside 0..9");
    for (int k = 1; k <= count; ++k) readRecord(in, loaded->SimulationRecords(k));
    loaded->SimulationRecordCount = count;
    history = std::move(*loaded);
}

void DeletePastRatings(const std::filesystem::path& rootDir) {
    const auto file = common::findCaseInsensitive(rootDir, kPastRatingsFile);
    if (!file) return;
    std::error_code ignored;
    std::filesystem::remove(*file, ignored);
}

} // namespace pelmora
