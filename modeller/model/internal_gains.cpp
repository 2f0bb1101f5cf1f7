#include "modeller/model/internal_gains.h"

#include "common/rounding.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <string>
#include <vector>

namespace pelmora {
namespace {

constexpr int kScheduleLines = 2 * kHoursPerDay;
// Bars far past the chart are only drawn past its edge; the limit keeps the pixel arithmetic in range.
constexpr double kBarPercentLimit = 10000.0;

std::int32_t RoundToGain(double watts) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(common::roundHalfEven(watts), lo, hi));
}

std::optional<std::int32_t> ParseGain(std::string_view text) {
    const auto value = common::parseInteger(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

// The first blank-separated piece of a line.
std::string_view FirstValue(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && std::isspace(static_cast<unsigned char>(line[start]))) ++start;
    std::size_t end = start;
    while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
    return line.substr(start, end - start);
}

// Reads the 48 values of a schedule file, each with `parse`, into `values` (index 0..47).  Nothing is
// changed unless every value was read.
template <class T, class Parse>
std::array<T, kScheduleLines> ReadSchedule(const std::filesystem::path& file, Parse parse, const char* kind) {
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(file);
    } catch (const std::exception&) {
        throw ModelError("Cannot open the schedule file " + file.string());
    }
    std::array<T, kScheduleLines> values{};
    for (int i = 0; i < kScheduleLines; ++i) {
        const std::string where =
            "Cannot read the schedule file " + file.string() + ", line " + std::to_string(i + 1);
        if (static_cast<std::size_t>(i) >= lines.size())
            throw ModelError(where + ": the file ends before its " + std::to_string(kScheduleLines) +
                             " values");
        const std::string_view text = FirstValue(lines[static_cast<std::size_t>(i)]);
        const auto value = parse(text);
        if (!value)
            throw ModelError(where + ": " + kind + " was expected, not \"" + std::string(text) + "\"");
        values[static_cast<std::size_t>(i)] = *value;
    }
    return values;
}

} // namespace

void InternalGains::ReadOccupancyProfiles() {
    pelmora::ReadOccupancyProfiles(model_, OccupantProfiles);
}

void InternalGains::Prepare() {
    ReadOccupancyProfiles();
    CalcIntGain();
    AllocateThermostats();
    model_.DisplayZone = 1;
}

void InternalGains::CalcIntGain() {
    Occupants = CalcOccupantValues(model_);
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        const int type = model_.Zones(z).ZoneType;
        const double f = AreaFactor(model_, z);
        for (int h = 1; h <= kHoursPerDay; ++h) {
            // Zones without internal gains of their own (wet areas, corridors, garages and the two
            // "other" types) get none, as on the card file.
            const THourGain gain = ZoneHourGain(OccupantProfiles, Occupants, type, f, h);
            DefaultSensibleGains(z, h) = RoundToGain(gain.Sensible);
            DefaultLatentGains(z, h) = RoundToGain(gain.Latent);
            SensibleGains(z, h) = DefaultSensibleGains(z, h);
            LatentGains(z, h) = DefaultLatentGains(z, h);
        }
    }
}

void InternalGains::AllocateThermostats() {
    using namespace occupancy_profile;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        const int type = model_.Zones(z).ZoneType;
        int heating = 0, cooling = 0; // profile numbers, 0 for none
        if (type == zone_type::kLiving || type == zone_type::kLivingKitchen) {
            heating = kDayHeating;
            cooling = kDayCooling;
        } else if (type == zone_type::kSleeping) {
            heating = kSleepingHeating;
            cooling = kSleepingCooling;
        }
        for (int h = 1; h <= kHoursPerDay; ++h) {
            DefaultHeatingSetpoints(z, h) = heating ? OccupantProfiles(heating, h) : 0.0;
            DefaultCoolingSetpoints(z, h) = cooling ? OccupantProfiles(cooling, h) : 0.0;
            HeatingSetpoints(z, h) = DefaultHeatingSetpoints(z, h);
            CoolingSetpoints(z, h) = DefaultCoolingSetpoints(z, h);
        }
    }
}

int InternalGains::Zone() const {
    return std::clamp(model_.DisplayZone, 1, std::max(1, model_.ZoneCount));
}

void InternalGains::ScaleRGClick(int index) {
    if (index < 0 || index >= static_cast<int>(kGainFullScales.size())) return;
    FullScale = kGainFullScales[static_cast<std::size_t>(index)];
    CalcBarPercents();
}

void InternalGains::CalcBarPercents() {
    const int z = Zone();
    for (int h = 1; h <= kHoursPerDay; ++h) {
        const double percent = SensibleGains(z, h) * 100.0 / FullScale;
        BarPercent(h) =
            static_cast<int>(common::roundHalfEven(std::clamp(percent, -kBarPercentLimit, kBarPercentLimit)));
    }
    PlaceBars();
}

void InternalGains::PlaceBars() {
    using namespace gain_chart;
    for (int h = 1; h <= kHoursPerDay; ++h) BarTop(h) = kBaseRow - kPixelsPerPercent * BarPercent(h);
}

TDailyGains InternalGains::ZonePercentBar() {
    BuildingDailyGain = 0;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        std::int64_t sum = 0;
        for (int h = 1; h <= kHoursPerDay; ++h) sum += std::int64_t{SensibleGains(z, h)} + LatentGains(z, h);
        ZoneDailyGain(z) = sum;
        BuildingDailyGain += sum;
    }
    TDailyGains totals;
    totals.Zone = model_.ZoneCount > 0 ? ZoneDailyGain(Zone()) : 0;
    totals.Building = BuildingDailyGain;
    if (BuildingDailyGain != 0)
        totals.SharePercent =
            100.0 * static_cast<double>(totals.Zone) / static_cast<double>(BuildingDailyGain);
    return totals;
}

bool InternalGains::MouseDown(int x, int y) {
    using namespace gain_chart;
    Dragging = false;
    for (int h = 1; h <= kHoursPerDay; ++h) {
        if (std::abs(x - kBarSpacing * h) < kGripReach && std::abs(y - BarTop(h)) < kGripReach) {
            Dragging = true;
            DragHour = h;
            BarPercent(h) = (kBaseRow - BarTop(h)) / kPixelsPerPercent;
        }
    }
    return Dragging;
}

bool InternalGains::MouseMove(int /*x*/, int y) {
    using namespace gain_chart;
    // The pointer's column plays no part once a bar is held; its row stays between 1 % and 100 %.
    if (!Dragging || y < kTopRow || y >= kBaseRow) return false;
    BarTop(DragHour) = kPixelsPerPercent * static_cast<int>(common::roundHalfEvenToInt(y / 2.0));
    BarPercent(DragHour) = (kBaseRow - BarTop(DragHour)) / kPixelsPerPercent;
    const int z = Zone();
    for (int h = 1; h <= kHoursPerDay; ++h)
        SensibleGains(z, h) = RoundToGain(BarPercent(h) * FullScale / 100.0);
    CalcBarPercents();
    return true;
}

bool InternalGains::TakeHourValue(HourBox box, int hour, std::string_view text) {
    const int z = Zone();
    switch (box) {
    case HourBox::Sensible:
    case HourBox::Latent: {
        const auto value = ParseGain(text);
        (box == HourBox::Sensible ? SensibleGains : LatentGains)(z, hour) = value.value_or(0);
        if (box == HourBox::Sensible) CalcBarPercents();
        return value.has_value();
    }
    case HourBox::Heating:
    case HourBox::Cooling: {
        const auto value = common::parseReal(text);
        (box == HourBox::Heating ? HeatingSetpoints : CoolingSetpoints)(z, hour) = value.value_or(0.0);
        return value.has_value();
    }
    }
    return false;
}

std::string InternalGains::HourText(HourBox box, int hour) const {
    const int z = Zone();
    switch (box) {
    case HourBox::Sensible:
        return std::to_string(SensibleGains(z, hour));
    case HourBox::Latent:
        return std::to_string(LatentGains(z, hour));
    case HourBox::Heating:
    case HourBox::Cooling: {
        const double value = (box == HourBox::Heating ? HeatingSetpoints : CoolingSetpoints)(z, hour);
        char text[64];
        std::snprintf(text, sizeof text, "%.1f", value);
        return text;
    }
    }
    return {};
}

void InternalGains::MakeSameGains() {
    const int z = Zone();
    for (int h = 2; h <= kHoursPerDay; ++h) {
        SensibleGains(z, h) = SensibleGains(z, 1);
        LatentGains(z, h) = LatentGains(z, 1);
    }
    CalcBarPercents();
}

void InternalGains::ResetGains() {
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        for (int h = 1; h <= kHoursPerDay; ++h) {
            SensibleGains(z, h) = DefaultSensibleGains(z, h);
            LatentGains(z, h) = DefaultLatentGains(z, h);
        }
    }
    CalcBarPercents();
}

void InternalGains::MakeSameSetpoints() {
    const int z = Zone();
    for (int h = 2; h <= kHoursPerDay; ++h) {
        HeatingSetpoints(z, h) = HeatingSetpoints(z, 1);
        CoolingSetpoints(z, h) = CoolingSetpoints(z, 1);
    }
}

void InternalGains::ResetSetpoints() {
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        for (int h = 1; h <= kHoursPerDay; ++h) {
            HeatingSetpoints(z, h) = DefaultHeatingSetpoints(z, h);
            CoolingSetpoints(z, h) = DefaultCoolingSetpoints(z, h);
        }
    }
}

void InternalGains::WriteGainSchedule(const std::filesystem::path& file) const {
    const int z = Zone();
    common::TextFileWriter out;
    for (int h = 1; h <= kHoursPerDay; ++h) out.integer(SensibleGains(z, h));
    for (int h = 1; h <= kHoursPerDay; ++h) out.integer(LatentGains(z, h));
    out.save(file);
}

void InternalGains::WriteComfortSchedule(const std::filesystem::path& file) const {
    const int z = Zone();
    common::TextFileWriter out;
    for (int h = 1; h <= kHoursPerDay; ++h) out.real(HeatingSetpoints(z, h));
    for (int h = 1; h <= kHoursPerDay; ++h) out.real(CoolingSetpoints(z, h));
    out.save(file);
}

void InternalGains::ReadGainSchedule(const std::filesystem::path& file) {
    const auto values = ReadSchedule<std::int32_t>(file, ParseGain, "a whole number of watts");
    const int z = Zone();
    for (int h = 1; h <= kHoursPerDay; ++h) {
        SensibleGains(z, h) = values[static_cast<std::size_t>(h - 1)];
        LatentGains(z, h) = values[static_cast<std::size_t>(kHoursPerDay + h - 1)];
    }
    CalcBarPercents();
}

void InternalGains::ReadComfortSchedule(const std::filesystem::path& file) {
    const auto values = ReadSchedule<double>(
        file, [](std::string_view text) { return common::parseReal(text); }, "a temperature");
    const int z = Zone();
    for (int h = 1; h <= kHoursPerDay; ++h) {
        HeatingSetpoints(z, h) = values[static_cast<std::size_t>(h - 1)];
        CoolingSetpoints(z, h) = values[static_cast<std::size_t>(kHoursPerDay + h - 1)];
    }
}

} // namespace pelmora
