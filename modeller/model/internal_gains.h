// The occupancy dialog's working state, as plain C++: every zone's hourly internal gains and
// thermostat set-points with the defaults the occupancy file gives them, the bar chart of the shown
// zone's sensible gains, the daily totals, and the schedule files (.IGS gains, .HCS set-points) that
// keep one zone's values.
//
// These values live only here.  Nothing else reads them: they are not stored in the house file, and
// the card writer derives each zone's gains and set-points from the occupancy file by itself.  Every
// showing of the dialog replaces them by the defaults.
#pragma once

#include "common/arrays.h"
#include "modeller/model/house_model.h"
#include "modeller/model/occupancy_file.h"
#include "modeller/model/occupancy_gains.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace pelmora {

constexpr int kHoursPerDay = 24;

using TZoneHourGains = common::FixedArray2<std::int32_t, 1, kMaxZones, 1, kHoursPerDay>; // W
using TZoneHourSetpoints = common::FixedArray2<double, 1, kMaxZones, 1, kHoursPerDay>;   // °C

// The bar chart's geometry in the paint box's pixels: bar h stands at column 10 h, its foot on row
// 210; 1 % of the full scale is 2 pixels, so 100 % reaches row 10.
namespace gain_chart {
inline constexpr int kBarSpacing = 10;  // px between bar centres
inline constexpr int kBarHalfWidth = 5; // px
inline constexpr int kBaseRow = 210;    // px, the row of 0 %
inline constexpr int kTopRow = 10;      // px, the row of 100 %
inline constexpr int kPixelsPerPercent = 2;
inline constexpr int kGripHalf = 2;     // px, half the grip's side
inline constexpr int kGripReach = 5;    // px, how near the pointer must come to a grip
inline constexpr int kWidth = 247;      // px
inline constexpr int kHeight = 215;     // px
inline constexpr int kGaugeHeight = 60; // px, the zone's share gauge, full at 100 %
} // namespace gain_chart

// The full scales of the scale group, W, and the items that show them.
inline constexpr std::array<double, 8> kGainFullScales = {200, 500, 1000, 2000, 5000, 10000, 20000, 50000};
inline constexpr std::array<std::string_view, 8> kGainScaleItems = {"200 W", "500 W", "1 kW",  "2 kW",
                                                                    "5 kW",  "10 kw", "20 kW", "50 kW"};
inline constexpr int kShownScaleItem = 3; // "2 kW", chosen at every showing

// The four families of hour boxes.
enum class HourBox { Sensible, Latent, Heating, Cooling };

// The daily totals of the shown zone and the building.
struct TDailyGains {
    std::int64_t Zone = 0;     // Wh
    std::int64_t Building = 0; // Wh
    // The zone's share of the building's gains, %; none when the building has no gains at all.
    std::optional<double> SharePercent;
};

class InternalGains {
  public:
    explicit InternalGains(HouseModel& model) : model_(model) {}

    // ---- The arrays (zone 1..100, hour 1..24) --------------------------------------------------
    TZoneHourGains SensibleGains{}, LatentGains{};
    TZoneHourGains DefaultSensibleGains{}, DefaultLatentGains{};
    TZoneHourSetpoints HeatingSetpoints{}, CoolingSetpoints{};
    TZoneHourSetpoints DefaultHeatingSetpoints{}, DefaultCoolingSetpoints{};
    common::FixedArray1<std::int64_t, 1, kMaxZones> ZoneDailyGain{}; // Wh
    std::int64_t BuildingDailyGain = 0;                              // Wh

    // ---- Values of the default computation -----------------------------------------------------
    TOccupantProfiles OccupantProfiles{};
    TOccupantValues Occupants;

    // ---- The bar chart of the shown zone ---------------------------------------------------------
    double FullScale = kGainFullScales[kShownScaleItem];    // W, the gain of a full bar
    common::FixedArray1<int, 1, kHoursPerDay> BarPercent{}; // % of FullScale
    common::FixedArray1<int, 1, kHoursPerDay> BarTop{};     // px, the row of each bar's top
    bool Dragging = false;
    int DragHour = 1;

    // ---- Showing -------------------------------------------------------------------------------
    // Reads the profiles of the site's occupancy file, computes every zone's defaults and makes them
    // the current values; the shown zone becomes zone 1.  When the file cannot be read ModelError is
    // raised and every value stays as it was.
    void Prepare();
    void ReadOccupancyProfiles();
    // Default gains of all zones from the profiles, then current gains := defaults.
    void CalcIntGain();
    // Default set-points of all zones, then current set-points := defaults.
    void AllocateThermostats();

    // ---- Bars and totals -------------------------------------------------------------------------
    // The zone the dialog shows (the model's DisplayZone, within 1..ZoneCount).
    int Zone() const;
    // FullScale from item `index` of the scale group, then the shown zone's bars.
    void ScaleRGClick(int index);
    // BarPercent of the shown zone from its sensible gains, and the bars placed.
    void CalcBarPercents();
    // BarTop from BarPercent.
    void PlaceBars();
    // Every zone's daily total, the building's, and the shown zone's share.
    TDailyGains ZonePercentBar();

    // ---- Dragging a bar (paint box pixels) ---------------------------------------------------------
    // True when the pointer took hold of a bar's grip.
    bool MouseDown(int x, int y);
    // True when the held bar moved: its top follows the pointer in steps of 1 %, and all 24 sensible
    // gains of the zone are rewritten from their bars in steps of FullScale / 100.
    bool MouseMove(int x, int y);
    void MouseUp() { Dragging = false; }

    // ---- Typed values --------------------------------------------------------------------------
    // Takes the text of hour box `hour` of a family into the shown zone's array.  Gains take a whole
    // number, set-points any real; the whole text is one number.  A text that does not convert sets
    // the value to 0 and gives false (the dialog beeps and shows "0").
    bool TakeHourValue(HourBox box, int hour, std::string_view text);
    // The text an hour box shows for the shown zone.
    std::string HourText(HourBox box, int hour) const;

    // ---- Buttons -------------------------------------------------------------------------------
    // Every hour of the shown zone takes hour 1's gains; the bars follow.
    void MakeSameGains();
    // Every zone's gains back to its defaults; the bars follow.
    void ResetGains();
    // Every hour of the shown zone takes hour 1's set-points.
    void MakeSameSetpoints();
    // Every zone's set-points back to its defaults.
    void ResetSetpoints();

    // ---- Schedule files of the shown zone ----------------------------------------------------------
    // .IGS: the 24 sensible gains, then the 24 latent gains, whole numbers one a line.
    void WriteGainSchedule(const std::filesystem::path& file) const;
    // .HCS: the 24 heating set-points, then the 24 cooling set-points, as 23-character reals.
    void WriteComfortSchedule(const std::filesystem::path& file) const;
    // Each reads one value from the start of each of the 48 lines, the rest of a line dropped.  A file
    // that cannot be read, ends before its 48th line or holds no value of the right kind where one is
    // read raises ModelError naming the file and line, and the zone keeps every value it had.
    void ReadGainSchedule(const std::filesystem::path& file);
    void ReadComfortSchedule(const std::filesystem::path& file);

  private:
    HouseModel& model_;
};

} // namespace pelmora
