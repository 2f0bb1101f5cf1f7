// Air leakage, ventilation openings, internal gains, thermostats, controls and ceiling fans.
#include "modeller/engine_input/zone_openings_gains.h"

#include "common/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pelmora {
namespace {

using zone_type::kSleeping;

std::string Label(const HouseModel& model, int zone) {
    return ZoneText(model, zone);
}

const TOccupancyControlSet& Controls(const ZoneWriterRun& run, int zone) {
    return run.model.Zones(zone).ZoneType == kSleeping ? run.Occupancy.SleepingControls
                                                       : run.Occupancy.DayControls;
}

// Card 300: floor and ceiling heights, no mechanical ventilation.
void WriteHeightsCard(ZoneWriterRun& run, int zone) {
    const HouseModel& model = run.model;
    double floorHeight = 0.0; // m
    for (int k = 1; k < model.Zones(zone).Level; ++k)
        floorHeight += model.LevelDefaults(k).DefExtHeight / 1000.0 + 0.25;
    MaterialTable& floors = run.tables.ExtFloorForm.materialstable;
    SeekElementRecord(floors, model.LevelDefaults(1).DefFloorMaterial, "the default floor of level 1");
    if (floors.FieldAsBoolean("UF")) floorHeight += model.LevelDefaults(1).DefUnderFloorHeight / 1000.0;
    double ceilingHeight = 0.0; // m
    for (int w = 0; w < model.Zones(zone).NodeCount; ++w) {
        const TWallRec& wall = model.Walls(zone, w);
        ceilingHeight = std::max(ceilingHeight, wall.AdjZone != 0 ? wall.PartHeight : wall.ExtHeight);
    }
    run.Line("C General ventilation data");
    run.Line("C        FlrHtCeilHtMecSupMechEx");
    run.Card(ZoneCard(zone, 300, "the heights of " + Label(model, zone))
                 .R(floorHeight, 6, 2)
                 .R(ceilingHeight, 6, 2)
                 .Text("   0.0   0.0"));
}

struct Opening {
    double Width = 0.0; // m
    int Percent = 100;
    double Low = 0.0;  // m
    double High = 0.0; // m
    int CpIndex = -1;
    int Type = 1;
    int AdjacentZone = 0;
    int ConnectionType = 0;
};

class OpeningCards {
  public:
    OpeningCards(ZoneWriterRun& run, int zone) : run_(run), zone_(zone) {}

    void Write(const Opening& o, const std::string& element) {
        ++card_;
        run_.Card(ZoneCard(zone_, card_, element)
                      .R(o.Width, 6, 2)
                      .R(0.6, 6, 1)
                      .I(o.Percent, 6)
                      .R(o.Low, 6, 2)
                      .R(o.High, 6, 2)
                      .I(o.CpIndex, 6)
                      .I(o.Type, 6)
                      .R(0.5, 6, 1)
                      .I(o.AdjacentZone, 6)
                      .I(o.ConnectionType, 6)
                      .Text("  0.00     0     0"));
    }

  private:
    ZoneWriterRun& run_;
    int zone_;
    int card_ = 300;
};

void WriteOpeningCards(ZoneWriterRun& run, int zone) {
    HouseModel& model = run.model;
    const TZoneRec& z = model.Zones(zone);
    const std::string label = Label(model, zone);
    const int screenedPercent = z.InsectScreens ? 50 : 100;
    OpeningCards cards(run, zone);
    run.Line("C Data for each ventilation opening");
    run.Line("C    No. Width    Cd  Perc   Low  HighCpIndx  Type ExponAdjZonConTyp MidHtContrlLouvre");

    run.Line("C Stair void ventilation");
    const auto stair = [&](const TStairRec& s, int type, const std::string& what) {
        // A stairwell that leads to no other zone of the house (a house file may hold one) opens into
        // nothing: it has no void and no card.
        if (s.Zone < 1 || s.Zone > model.ZoneCount || s.Zone == zone) return;
        Opening o;
        o.Width = std::sqrt(std::max(0.0, model.VoidArea(zone, s.Zone)));
        o.High = std::sqrt(s.Length * s.Width) / 1000.0;
        o.Type = type;
        o.AdjacentZone = s.Zone;
        cards.Write(o, what);
    };
    for (int i = 1; i <= z.StairUpCount; ++i)
        stair(model.StairsUp(zone, i), 3, "stair void " + std::to_string(i) + " up from " + label);
    for (int i = 1; i <= z.StairDownCount; ++i)
        stair(model.StairsDown(zone, i), 2, "stair void " + std::to_string(i) + " down from " + label);

    run.Line("C Window ventilation");
    MaterialTable& styles = run.tables.GlazingForm.styletable;
    for (int w = 0; w < z.NodeCount; ++w) {
        const TWallRec& wall = model.Walls(zone, w);
        if (wall.AdjZone != 0) continue;
        for (int i = 1; i <= wall.WindowCount; ++i) {
            const TWindowRec& window = model.WallWindows(zone, w, i);
            const std::string element =
                "window " + std::to_string(i) + " of wall " + std::to_string(w) + " of " + label;
            SeekElementRecord(styles, window.Style, element);
            Opening o;
            o.Width = styles.FieldAsFloat("Opening") * window.Width / 100.0;
            o.Percent = screenedPercent;
            o.Low = window.HeadHeight - window.Height;
            o.High = window.HeadHeight;
            o.CpIndex = wall.CpSetIndex;
            cards.Write(o, element);
        }
    }

    run.Line("C External door ventilation");
    for (int w = 0; w < z.NodeCount; ++w) {
        const TWallRec& wall = model.Walls(zone, w);
        if (wall.AdjZone != 0) continue;
        for (int i = 1; i <= wall.DoorCount; ++i) {
            const TDoorRec& door = model.WallDoors(zone, w, i);
            Opening o;
            o.Width = door.Width;
            o.Percent = screenedPercent;
            o.High = door.Height;
            o.CpIndex = wall.CpSetIndex;
            cards.Write(o, "door " + std::to_string(i) + " of wall " + std::to_string(w) + " of " + label);
        }
    }

    run.Line("C Internal door ventilation");
    for (int w = 0; w < z.NodeCount; ++w) {
        const TWallRec& wall = model.Walls(zone, w);
        if (wall.AdjZone == 0) continue;
        const auto door = [&](double width, double height, const std::string& what) {
            Opening o;
            o.Width = width;
            o.High = height;
            o.AdjacentZone = wall.AdjZone;
            o.ConnectionType = 1;
            cards.Write(o, what);
        };
        for (int i = 1; i <= wall.DoorCount; ++i) {
            const TDoorRec& d = model.WallDoors(zone, w, i);
            door(d.Width, d.Height,
                 "door " + std::to_string(i) + " of wall " + std::to_string(w) + " of " + label);
        }
        for (int i = 1; i <= wall.InterzoneDoorCount; ++i) {
            const TInterzoneDoorRec& d = model.InterzoneDoors(zone, w, i);
            door(d.Width, d.Height,
                 "mirrored door " + std::to_string(i) + " of wall " + std::to_string(w) + " of " + label);
        }
    }
}

void WriteHourCards(ZoneWriterRun& run, int zone, int firstCard, std::string_view what, const double* values,
                    int decimals, const std::string& element) {
    for (int half = 0; half < 2; ++half) {
        run.Line("C       " + std::string(what) + (half == 0 ? " [hours 1-12]" : " [hours 13-24]"));
        ZoneCard card(zone, firstCard + half, element);
        for (int h = 0; h < 12; ++h) card.R(values[half * 12 + h], 6, decimals);
        run.Card(card);
    }
}

void WriteGainCards(ZoneWriterRun& run, int zone) {
    const HouseModel& model = run.model;
    const int type = model.Zones(zone).ZoneType;
    if (!HasInternalGains(type)) return;
    const double f = AreaFactor(model, zone);
    std::array<double, 24> sensible{}, latent{}; // W
    for (int h = 1; h <= 24; ++h) {
        const THourGain gain = ZoneHourGain(run.Occupancy.Profiles, run.Occupants, type, f, h);
        sensible[h - 1] = gain.Sensible;
        latent[h - 1] = gain.Latent;
    }
    const std::string element = "the internal gains of " + Label(model, zone);
    WriteHourCards(run, zone, 401, "Sensible internal heat gain (watts),", sensible.data(), 0, element);
    WriteHourCards(run, zone, 403, "Latent internal heat gain (watts),", latent.data(), 0, element);
}

void WriteThermostatCards(ZoneWriterRun& run, int zone) {
    const HouseModel& model = run.model;
    const TZoneRec& z = model.Zones(zone);
    using namespace occupancy_profile;
    const bool sleeping = z.ZoneType == kSleeping;
    const std::string element = "the thermostats of " + Label(model, zone);
    const auto profile = [&](int k) {
        std::array<double, 24> values{};
        for (int h = 1; h <= 24; ++h) values[h - 1] = run.Occupancy.Profiles(k, h);
        return values;
    };
    if (z.Heated) {
        const auto values = profile(sleeping ? kSleepingHeating : kDayHeating);
        WriteHourCards(run, zone, 501, "Heating thermostat settings", values.data(), 1, element);
    }
    if (z.Cooled) {
        const auto values = profile(sleeping ? kSleepingCooling : kDayCooling);
        WriteHourCards(run, zone, 503, "Cooling thermostat settings", values.data(), 1, element);
    }
}

void WriteControlCards(ZoneWriterRun& run, int zone) {
    const TOccupancyControlSet& c = Controls(run, zone);
    const std::string element = "the controls of " + Label(run.model, zone);
    run.Line("C   Indoor covering closing & opening times, drawing temp, drawing solar for windows");
    run.Card(ZoneCard(zone, 601, element)
                 .I(c.CoveringClosingHour, 6)
                 .I(c.CoveringOpeningHour, 6)
                 .R(c.CoveringDrawingTemperature, 6, 1)
                 .R(c.CoveringDrawingSolar, 6, 0));
    run.Line("C   External blind drawing temp, drawing solar for windows");
    run.Card(ZoneCard(zone, 603, element).R(c.BlindDrawingTemperature, 6, 1).R(c.BlindDrawingSolar, 6, 0));
    run.Line("C   External blind drawing temp, drawing solar for skylights");
    run.Card(ZoneCard(zone, 604, element).R(c.BlindDrawingTemperature, 6, 1).R(c.BlindDrawingSolar, 6, 0));
    run.Line("C   Ventilation on & off times, on & off temps, A factor, B factor");
    run.Card(ZoneCard(zone, 605, element)
                 .I(c.VentilationOnHour, 6)
                 .I(c.VentilationOffHour, 6)
                 .R(c.VentilationOnTemperature, 6, 1)
                 .R(c.VentilationOffTemperature, 6, 1)
                 .Text("   0.0   0.0"));
}

void WriteFanCard(ZoneWriterRun& run, int zone) {
    if (run.model.Zones(zone).CeilingFanCount <= 0) return;
    const CeilingFan fan = CalcCeilingFan(run.model, zone);
    run.Line("C   Ceiling fan data: air speed in zone, total fan power, cooling benefit flag");
    run.Card(ZoneCard(zone, 701, "the ceiling fans of " + Label(run.model, zone))
                 .R(fan.AirSpeed, 6, 2)
                 .R(fan.Power, 6, 0)
                 .Text("     0"));
}

} // namespace

void CalcZoneLeakage(ZoneWriterRun& run, int zone) {
    const HouseModel& model = run.model;
    const TZoneRec& z = model.Zones(zone);
    const double volume = ZoneVolume(run.scratch, zone);
    if (!(volume > 0.0))
        throw ScratchError("Cannot write " + Label(model, zone) +
                           ": it has no volume (its walls have no height or no length)");
    const double af = z.FloorArea;
    const bool sealed = z.DraughtSeals;
    double windowArea = 0.0; // m2
    double da = 0.0, db = 0.0;
    for (int w = 0; w < z.NodeCount; ++w) {
        const TWallRec& wall = model.Walls(zone, w);
        if (wall.AdjZone != 0) continue;
        for (int i = 1; i <= wall.WindowCount; ++i) windowArea += model.WallWindows(zone, w, i).ElementArea;
        for (int i = 1; i <= wall.DoorCount; ++i) {
            da += (sealed ? 0.25434 : 1.74861) + 0.027733;
            db += (sealed ? 0.08478 : 0.58287) + 0.009245;
        }
    }
    // The windows' shares of their total area add up to 1, so windows of some area give Af x c.
    const double wa = windowArea > 0.0 ? af * (sealed ? 0.032354 : 0.073954) : 0.0;
    const double wb = windowArea > 0.0 ? af * (sealed ? 0.010785 : 0.024651) : 0.0;
    const double sumA = 0.011554 * af + 1.00909 * z.DownlightCount + 5.6 * z.ExhaustFanCount +
                        (z.UnsealedChimney ? 16.7 : 0.0) + (z.GasHeaterVent ? 5.3 * 1.39 : 0.0) +
                        1.39 * z.VentCount + 1.5 * wa + 1.5 * 0.035759 * af + 1.5 * da;
    const double sumB = 0.003851 * af + (z.UnsealedChimney ? 72.41294 : 0.0) +
                        (z.GasHeaterVent ? 8.8 * 1.193555 : 0.0) + 1.193555 * z.VentCount + 1.5 * wb +
                        1.5 * 0.01192 * af + 1.5 * db;
    run.ZoneLeakageA(zone) = 3.6 * sumA / volume;
    run.ZoneLeakageB(zone) = 3.6 * sumB / volume;
}

CeilingFan CalcCeilingFan(const HouseModel& model, int zone) {
    const TZoneRec& z = model.Zones(zone);
    double ratedSpeed = 0.0; // m/s
    double coverage = 0.0;   // m2
    if (z.FanDiameter == 900.0) {
        ratedSpeed = 0.5;
        coverage = 2.54;
    } else if (z.FanDiameter == 1200.0) {
        ratedSpeed = 0.66;
        coverage = 4.52;
    } else if (z.FanDiameter == 1400.0) {
        ratedSpeed = 0.77;
        coverage = 6.16;
    } else {
        throw ScratchError("Cannot write the ceiling fans of " + Label(model, zone) + ": a fan diameter of " +
                           std::to_string(z.FanDiameter) + " mm is none of 900, 1200 and 1400 mm");
    }
    const double excess = ratedSpeed - 0.2; // m/s
    const double effect = std::max(0.0, 6.0 * excess - 1.6 * excess * excess);
    double x = z.FloorArea == 0.0 ? 0.0 : z.CeilingFanCount * effect * coverage / z.FloorArea;
    x = std::min(x, effect);
    return {std::max(0.0, 2.075 - std::sqrt(3.5156 - 0.625 * x)), z.CeilingFanCount * 60.0};
}

void WriteZoneVentilationAndControls(ZoneWriterRun& run, int zone) {
    WriteHeightsCard(run, zone);
    WriteOpeningCards(run, zone);
    WriteGainCards(run, zone);
    WriteThermostatCards(run, zone);
    WriteControlCards(run, zone);
    WriteFanCard(run, zone);
}

void ReadOccupancyFile(ZoneWriterRun& run) {
    run.Occupancy = ReadOccupancyData(OccupancyFilePath(run.model));
}

} // namespace pelmora
