#include "modeller/results/simulation_records.h"

#include "common/fixed_width.h"
#include "modeller/model/model_error.h"
#include "modeller/results/text_tokens.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace pelmora {

namespace {

// "climat" + two digits + ".TXT": the digits are characters 7 and 8.
constexpr std::size_t kClimateDigitsOffset = 6;
constexpr std::size_t kClimateDigitsLength = 2;

void addHour(StarType& r, int zone, int month, double heat, double coolS, double coolL) {
    r.ZoneHeat(zone) += heat;
    r.ZoneCoolS(zone) += coolS;
    r.ZoneCoolL(zone) += coolL;
    if (month >= 1 && month <= kMonths) {
        r.ZoneMonthHeat(zone, month) += heat;
        r.ZoneMonthCoolS(zone, month) += coolS;
        r.ZoneMonthCoolL(zone, month) += coolL;
    }
    r.Heat += heat;
    r.CoolS += coolS;
    r.CoolL += coolL;
    r.Total = r.Heat + r.CoolS + r.CoolL;
}

// A figure as the rating history keeps it: rounded to `decimals` as its fixed-notation text is.
double keptFigure(double value, int decimals) {
    char text[400]; // room for any finite double in fixed notation
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return std::strtod(text, nullptr);
}

// True when every value of the record is a finite number, as the rating history can keep it.
bool finiteRecord(const StarType& r) {
    bool finite = std::isfinite(r.Heat) && std::isfinite(r.CoolS) && std::isfinite(r.CoolL) &&
                  std::isfinite(r.Total) && std::isfinite(r.Area) && std::isfinite(r.Stars) &&
                  std::isfinite(r.AreaAdjust);
    for (int m = 1; m <= kMonths; ++m)
        finite = finite && std::isfinite(r.MonthHeat(m)) && std::isfinite(r.MonthCoolS(m)) &&
                 std::isfinite(r.MonthCoolL(m));
    for (int z = 1; z <= r.Zones; ++z) {
        finite = finite && std::isfinite(r.ZoneTotal(z)) && std::isfinite(r.ZoneArea(z)) &&
                 std::isfinite(r.ZoneStars(z));
        for (int m = 1; m <= kMonths; ++m)
            finite = finite && std::isfinite(r.ZoneMonthHeat(z, m)) &&
                     std::isfinite(r.ZoneMonthCoolS(z, m)) && std::isfinite(r.ZoneMonthCoolL(z, m));
    }
    return finite;
}

bool anyZoneConditioned(const HouseModel& model) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (model.IsConditioned(z)) return true;
    return false;
}

// The hourly rows after the header: month, day and hour, then three values for every conditioned
// zone in zone order.  A row must hold all its values on its own line.
void readEnergyRows(StarType& r, const HouseModel& model, const std::filesystem::path& rootDir) {
    const std::vector<std::string> lines = readResultFile(rootDir, kEnergyFile);
    TokenReader reader(lines, (rootDir / std::string(kEnergyFile)).string());
    for (int i = 0; i < kEnergyFileHeaderLines; ++i) reader.line();
    int rows = 0;
    while (!reader.atEnd()) {
        ++rows;
        const int month = reader.integer();
        reader.requireOnLine();
        reader.integer(); // day
        reader.requireOnLine();
        reader.integer(); // hour
        for (int z = 1; z <= model.ZoneCount; ++z) {
            if (!model.IsConditioned(z)) continue;
            double values[3];
            for (double& v : values) {
                reader.requireOnLine();
                v = reader.real();
            }
            addHour(r, z, month, values[0], values[1], values[2]);
        }
        reader.skipLine();
    }
    // A file of a run cut short, or of more than one year, would be rated as if it were the year.
    if (rows != kEnergyFileRows) {
        throw ModelError("The energy file " + (rootDir / std::string(kEnergyFile)).string() + " holds " +
                         std::to_string(rows) + " hourly rows; a rating needs one for each of the " +
                         std::to_string(kEnergyFileRows) + " hours of the year");
    }
}

} // namespace

int climateNumber(std::string_view climateFileName) {
    if (climateFileName.size() < kClimateDigitsOffset + kClimateDigitsLength) return 0;
    int climate = 0;
    const auto digits = climateFileName.substr(kClimateDigitsOffset, kClimateDigitsLength);
    if (!fw::readInteger(digits, climate, fw::Blanks::Null)) return 0;
    return climate;
}

void ReadEnergyFile(StarType& r, const HouseModel& model) {
    r.Heat = 0.0;
    r.CoolS = 0.0;
    r.CoolL = 0.0;
    r.Total = 0.0;
    r.Name = model.ProjectName + "_" + std::to_string(model.RunNumber);
    r.Zones = model.ZoneCount;
    for (int z = 1; z <= model.ZoneCount; ++z) {
        const TZoneRec& zone = model.Zones(z);
        r.ZoneName(z) = zone.Name;
        r.ZoneColour(z) = zone.Colour;
        r.ZoneArea(z) = zone.FloorArea;
        r.ZoneConditioned(z) = zone.Heated || zone.Cooled;
        for (int m = 1; m <= kMonths; ++m) {
            r.ZoneMonthHeat(z, m) = 0.0;
            r.ZoneMonthCoolS(z, m) = 0.0;
            r.ZoneMonthCoolL(z, m) = 0.0;
        }
        r.ZoneHeat(z) = 0.0;
        r.ZoneCoolS(z) = 0.0;
        r.ZoneCoolL(z) = 0.0;
    }
    // With no heated or cooled zone every row would yield only its date: there is nothing to read,
    // and the engine writes no energy file for such a house.
    if (!anyZoneConditioned(model)) return;
    readEnergyRows(r, model, model.RootDir);
}

void StoreSimulationRecord(SimulationHistory& history, const HouseModel& model, const RatingTables& tables) {
    // The new record is built aside and enters the history only once the energy file was read.
    auto fresh = std::make_unique<StarType>();
    StarType& r = *fresh;
    r.Name = model.ProjectName;
    r.Climate = climateNumber(model.ClimateFileName);
    r.Zones = model.ZoneCount;
    r.Area = 0.0;
    for (int z = 1; z <= r.Zones; ++z) {
        r.ZoneArea(z) = model.Zones(z).FloorArea;
        r.ZoneColour(z) = model.Zones(z).Colour;
        if (model.Zones(z).Heated && model.Zones(z).Cooled) r.Area += r.ZoneArea(z);
    }
    r.AreaAdjust = AreaAdjustment(tables, model.ClimateZone, r.Area);
    ReadEnergyFile(r, model);
    r.Stars = StarRating(tables, r.Climate, r.Area, r.Total);
    for (int z = 1; z <= r.Zones; ++z) {
        r.ZoneTotal(z) = r.ZoneHeat(z) + r.ZoneCoolS(z) + r.ZoneCoolL(z);
        r.ZoneStars(z) = StarRating(tables, r.Climate, r.ZoneArea(z), r.ZoneTotal(z));
    }
    SumMonthlyTotals(r);
    if (r.Area == 0.0) r.Stars = kNoRating;
    // A climate that a rating table has no row for gets no rating, never the 0 stars of empty limits.
    if (!RatingTableGap(tables, r.Climate, model.ClimateZone).empty()) r.Stars = kNoRating;
    // Energies too large to add up would give a rating of nothing and a history file that no longer
    // reads; the record is refused before it enters the history.
    if (!finiteRecord(r)) {
        throw ModelError("The energy file " + (std::filesystem::path(model.RootDir) / kEnergyFile).string() +
                         " holds energies too large to add up to the year's");
    }

    auto& records = history.SimulationRecords;
    for (int k = history.SimulationRecordCount; k >= 1; --k)
        if (k < kMaxSimulationRecords) records(k + 1) = records(k);
    records(1) = std::move(r);
    if (history.SimulationRecordCount < kMaxSimulationRecords) ++history.SimulationRecordCount;
}

double AdjustedStarRating(const RatingTables& tables, const StarType& r) {
    if (r.Stars == kNoRating) return kNoRating;
    if (r.Climate < 1 || r.Climate > kMaxClimates || !tables.AreaCorrectionRow(r.Climate)) return kNoRating;
    // The precision of the history's total energy and area lines.
    constexpr int kTotalDecimals = 0;
    constexpr int kAreaDecimals = 2;
    const double area = keptFigure(r.Area, kAreaDecimals);    // m2
    const double total = keptFigure(r.Total, kTotalDecimals); // MJ
    return StarRating(tables, r.Climate, area, total * AreaAdjustment(tables, r.Climate, area));
}

void SumMonthlyTotals(StarType& r) {
    for (int m = 1; m <= kMonths; ++m) {
        r.MonthHeat(m) = 0.0;
        r.MonthCoolS(m) = 0.0;
        r.MonthCoolL(m) = 0.0;
        for (int z = 1; z <= r.Zones; ++z) {
            r.MonthHeat(m) += r.ZoneMonthHeat(z, m);
            r.MonthCoolS(m) += r.ZoneMonthCoolS(z, m);
            r.MonthCoolL(m) += r.ZoneMonthCoolL(z, m);
        }
    }
}

} // namespace pelmora
