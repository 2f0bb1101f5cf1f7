// WriteZoneData: the real zones' zone cards and surface cards, then their ventilation and control
// cards.
#include "modeller/engine_input/zone_data_writer.h"

#include "modeller/engine_input/floor_roof_spaces.h"
#include "modeller/engine_input/simulated_floor.h"
#include "modeller/engine_input/zone_openings_gains.h"
#include "modeller/model/building_physics.h"

#include <cmath>
#include <numbers>

namespace pelmora {
namespace {

constexpr int kBeyondShadedAir = 1;
constexpr int kBeyondNeighbour = 2;
constexpr int kBeyondEarth = 3;
constexpr int kRoofNoCavity = 3;
constexpr int kAnotherApartment = 4;
constexpr std::string_view kNoScheme = "     0";
constexpr std::string_view kAbsI = "  0.50";
constexpr std::string_view kNoSolarShare = "  0.00";
constexpr std::string_view kNoPergola = "  0.00  0.00";
constexpr std::string_view kScheduledPergola = "  6.00  0.00";
constexpr std::string_view kAreaAbsIHeader = "C         Area  AbsI";
constexpr std::string_view kAreaAbsIAdjHeader = "C         Area  AbsI  AdjZ";
constexpr std::string_view kAreaAbsISolarHeader = "C         Area  AbsI  SHGF";
constexpr std::string_view kExternalWallHeader =
    "C       Height Width NArea  Azim  AbsO  AbsI EmissHShSchVShSchScSch1ScSch2ScSch3SHGFra";

double Cosine(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180.0);
}

std::string Label(const HouseModel& model, int zone) {
    return ZoneText(model, zone);
}

std::string WallLabel(const HouseModel& model, int zone, int wall) {
    return "wall " + std::to_string(wall) + " of " + Label(model, zone);
}

std::string OnesKey(double projection, double offset, const std::string& element) {
    return HorizontalKey(projection, offset, kNoPergola, nullptr, element);
}

// The three screen fields of a surface's obstruction entries.
void ScreenFields(ZoneWriterRun& run, ZoneCard& card,
                  const common::FixedArray1<TSurfaceObstructionRec, 1, 3>& entries,
                  const std::string& element) {
    constexpr double kNone = 0.001; // m
    for (int k = 1; k <= 3; ++k) {
        const TSurfaceObstructionRec& e = entries(k);
        if (std::abs(e.Distance) <= kNone || std::abs(e.Width) <= kNone) {
            card.Text(kNoScheme);
            continue;
        }
        card.I(run.sections.Screen(ScreenKey(e, element)), 6);
    }
}

void WriteZoneCard(ZoneWriterRun& run, int z) {
    const HouseModel& model = run.model;
    run.Line("C  Zone " + IntegerField(z, 3, Label(model, z)) + "  Normal Zone");
    run.Line("CZone              Name   Vol     A     B WsRed  Type EstSG");
    run.Card(ZoneCard(z, 0, Label(model, z))
                 .Name(model.Zones(z).Name)
                 .R(ZoneVolume(run.scratch, z), 6, 2)
                 .R(run.ZoneLeakageA(z), 6, 2)
                 .R(run.ZoneLeakageB(z), 6, 2)
                 .Text(run.scratch.WindSpeedFactorText)
                 .Text("Normal     1"));
}

void WriteWindowCards(ZoneWriterRun& run, int z) {
    HouseModel& model = run.model;
    run.Line("C Windows");
    run.Line("C       Height Width  AzimHSSch1HSSch2VShSchScSch1ScSch2ScSch3 Curtn Blind");
    MaterialTable& shading = run.tables.GlazingForm.shadingtable;
    MaterialTable& furnishing = run.tables.GlazingForm.furnishingstable;
    for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
        const TWallRec& wall = model.Walls(z, w);
        if (wall.AdjZone != 0) continue;
        for (int i = 1; i <= wall.WindowCount; ++i) {
            const TWindowRec& win = model.WallWindows(z, w, i);
            const std::string element = "window " + std::to_string(i) + " of " + WallLabel(model, z, w);
            const int section = run.sections.WindowSection(z, w, i);
            SeekElementRecord(shading, win.Shading, element);
            const bool scheduled = shading.FieldAsBoolean("Schedule");
            const std::string blindName = shading.FieldAsString("Material Description");
            SeekElementRecord(furnishing, win.Furnishing, element);
            const std::string curtainName = furnishing.FieldAsString("Material Description");
            const double eave = win.SecondEaves != 0.0 ? win.SecondEaves : win.EavesDepth;
            ZoneCard card(z, section, element);
            card.R(win.Height, 6, 2).R(win.Width, 6, 2).R(win.Azimuth, 6, 0);
            card.I(run.sections.HorizontalScheme(HorizontalKey(eave, win.Offset,
                                                               scheduled ? kScheduledPergola : kNoPergola,
                                                               &win.MonthlyShading, element)),
                   6);
            card.Text(kNoScheme);
            card.I(run.sections.VerticalScheme(VerticalKey(win.LeftFinDepth, win.LeftFinOffset,
                                                           win.RightFinDepth, win.RightFinOffset, element)),
                   6);
            ScreenFields(run, card, win.WindowObstructions, element);
            card.I(run.sections.Curtain(curtainName), 6);
            card.I(scheduled ? 0 : run.sections.Blind(blindName), 6);
            run.Card(card);
        }
    }
    MaterialTable& skyFurnishing = run.tables.SkylightForm.furnishingstable;
    for (int s = 1; s <= model.Zones(z).SkylightCount; ++s) {
        const TSkylightRec& sky = model.ZoneSkylights(z, s);
        if (!sky.Clerestory) continue;
        const std::string element = "clerestory window " + std::to_string(s) + " of " + Label(model, z);
        SetSkylightAzimuth(run.scratch, z, s);
        const int section = run.sections.ClerestorySection(z, s);
        SeekElementRecord(skyFurnishing, sky.Furnishing, element);
        const std::string curtainName = skyFurnishing.FieldAsString("Material Description");
        ZoneCard card(z, section, element);
        card.R(sky.Height / 1000.0, 6, 2).R(sky.Width / 1000.0, 6, 2).R(sky.SkyAzimuth, 6, 0);
        card.I(run.sections.HorizontalScheme(
                   OnesKey(sky.ClereEavesWidth / 1000.0, sky.ClereEavesOffset / 1000.0, element)),
               6);
        card.Text(kNoScheme).Text(kNoScheme).Text(kNoScheme).Text(kNoScheme).Text(kNoScheme);
        card.I(run.sections.Curtain(curtainName), 6).Text(kNoScheme);
        run.Card(card);
    }
}

void WriteSkylightCards(ZoneWriterRun& run, int z) {
    HouseModel& model = run.model;
    run.Line("C Skylights");
    run.Line("C         Area  Azim Slope ShadI ShadEZonlit ShLenShAreaShRefl ShRes  Diff VArea VType");
    for (int s = 1; s <= model.Zones(z).SkylightCount; ++s) {
        const TSkylightRec& sky = model.ZoneSkylights(z, s);
        if (sky.Clerestory) continue;
        const std::string element = "skylight " + std::to_string(s) + " of " + Label(model, z);
        SetSkylightAzimuth(run.scratch, z, s);
        const int section = run.sections.SkylightSection(z, s);
        const std::string area = RealField(sky.Width * sky.Height / 1.0e6, 6, 2, element);
        run.Card(ZoneCard(z, section, element)
                     .Text(area)
                     .R(sky.SkyAzimuth, 6, 0)
                     .R(sky.Slope, 6, 0)
                     .Text(kNoScheme)
                     .Text(kNoScheme)
                     .Text("   ")
                     .I(z, 3)
                     .R(sky.ShaftLength / 1000.0, 6, 2)
                     .Text(area)
                     .R(sky.ShaftReflectance / 100.0, 6, 2)
                     .R(sky.ShaftR, 6, 2)
                     .I(sky.Diffuser ? 1 : 0, 6)
                     .Text(kNoScheme)
                     .Text(kNoScheme));
    }
}

// One external-wall card after its section, size and area.
void ExternalWallFields(ZoneWriterRun& run, ZoneCard& card, double azimuth, double absorptance,
                        const std::string& horizontalKey, int verticalScheme,
                        const common::FixedArray1<TSurfaceObstructionRec, 1, 3>* obstructions,
                        const std::string& element) {
    card.R(azimuth, 6, 0).R(absorptance, 6, 2).Text(kAbsI).Text("  0.90");
    card.I(run.sections.HorizontalScheme(horizontalKey), 6).I(verticalScheme, 6);
    if (obstructions != nullptr)
        ScreenFields(run, card, *obstructions, element);
    else
        card.Text(kNoScheme).Text(kNoScheme).Text(kNoScheme);
    card.Text(kNoSolarShare).Text(kNoScheme);
}

void WriteExternalWallCards(ZoneWriterRun& run, int z) {
    HouseModel& model = run.model;
    run.Line("C External Walls");
    run.Line(kExternalWallHeader);
    for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
        const TWallRec& wall = model.Walls(z, w);
        if (wall.AdjZone != 0 || wall.Beyond == kBeyondNeighbour) continue;
        double net = wall.ExtHeight * wall.Length; // m2
        for (int i = 1; i <= wall.DoorCount; ++i) net -= model.WallDoors(z, w, i).ElementArea;
        for (int i = 1; i <= wall.WindowCount; ++i) net -= model.WallWindows(z, w, i).ElementArea;
        if (!(net > 0.2)) continue;
        const std::string element = WallLabel(model, z, w);
        const int section = run.sections.ExtWallSection(z, w);
        const bool dark = wall.Beyond == kBeyondShadedAir || wall.Beyond == kBeyondEarth;
        ZoneCard card(z, section, element);
        card.R(wall.ExtHeight, 6, 2).R(wall.Length, 6, 2).R(net, 6, 2);
        const int vertical = run.sections.VerticalScheme(VerticalKey(
            wall.StartFinDepth, wall.StartFinOffset, wall.EndFinDepth, wall.EndFinOffset, element));
        ExternalWallFields(run, card, wall.Azimuth, dark ? 0.0 : wall.Absorptance,
                           OnesKey(wall.EavesDepth, 0.0, element), vertical, &wall.WallObstructions, element);
        run.Card(card);
    }
    for (int s = 1; s <= model.Zones(z).SkylightCount; ++s) {
        const TSkylightRec& sky = model.ZoneSkylights(z, s);
        if (!sky.Clerestory || !(sky.ClereWallWidth * sky.ClereWallHeight > 0.0)) continue;
        const double net = (sky.ClereWallWidth * sky.ClereWallHeight - sky.Width * sky.Height) / 1.0e6; // m2
        if (!(net > 0.0)) continue;
        const std::string element =
            "the wall of clerestory window " + std::to_string(s) + " of " + Label(model, z);
        const int section = run.sections.DefaultExtWallSection();
        ZoneCard card(z, section, element);
        card.R(sky.ClereWallHeight / 1000.0, 6, 2).R(sky.ClereWallWidth / 1000.0, 6, 2).R(net, 6, 2);
        ExternalWallFields(run, card, sky.SkyAzimuth,
                           ColourToAbsorptance(model.LevelDefaults(1).DefExtColour),
                           OnesKey(sky.ClereEavesWidth / 1000.0, 0.0, element), 0, nullptr, element);
        run.Card(card);
    }
    MaterialTable& doors = run.tables.DoorForm.DoorTable;
    for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
        const TWallRec& wall = model.Walls(z, w);
        if (wall.AdjZone != 0) continue;
        for (int i = 1; i <= wall.DoorCount; ++i) {
            const TDoorRec& door = model.WallDoors(z, w, i);
            const std::string element = "door " + std::to_string(i) + " of " + WallLabel(model, z, w);
            SeekElementRecord(doors, door.Material, element);
            if (doors.FieldAsInteger("M1") == 0) continue; // an open doorway
            const int section = run.sections.DoorSection(z, w, i);
            ZoneCard card(z, section, element);
            card.R(door.Height, 6, 2).R(door.Width, 6, 2).R(door.ElementArea, 6, 2);
            const int vertical = run.sections.VerticalScheme(VerticalKey(
                wall.StartFinDepth, wall.StartFinOffset, wall.EndFinDepth, wall.EndFinOffset, element));
            ExternalWallFields(run, card, wall.Azimuth, wall.Absorptance,
                               OnesKey(wall.EavesDepth, 0.0, element), vertical, &wall.WallObstructions,
                               element);
            run.Card(card);
        }
    }
}

void WritePartitionCards(ZoneWriterRun& run, int z) {
    const HouseModel& model = run.model;
    run.Line("C Floors, Ceilings, Partitions");
    run.Line("C Interzone Walls");
    run.Line("C         Area  AbsI  AdjZ  SHGF");
    for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
        const TWallRec& wall = model.Walls(z, w);
        if (wall.AdjZone == 0) continue;
        double area = wall.PartHeight * wall.Length; // m2
        for (int i = 1; i <= wall.InterzoneDoorCount; ++i) area -= model.InterzoneDoors(z, w, i).ElementArea;
        for (int i = 1; i <= wall.DoorCount; ++i) area -= model.WallDoors(z, w, i).ElementArea;
        if (!(area > 1e-7)) continue;
        const std::string element = WallLabel(model, z, w);
        run.Card(ZoneCard(z, run.sections.PartitionSection(z, w), element)
                     .R(area, 6, 2)
                     .Text(kAbsI)
                     .I(wall.AdjZone, 6)
                     .Text(kNoSolarShare));
    }
    run.Line("C Walls within zones");
    run.Line(kAreaAbsISolarHeader);
    for (int i = 1; i <= model.Zones(z).IntWallCount; ++i) {
        const TIntWallRec& wall = model.ZoneIntWalls(z, i);
        const std::string element = "internal wall " + std::to_string(i) + " of " + Label(model, z);
        run.Card(ZoneCard(z, run.sections.IntWallSection(z, i), element)
                     .R(wall.IntWallLength * wall.Height, 6, 2)
                     .Text(kAbsI)
                     .Text(kNoSolarShare));
    }
    run.Line("C Walls adjacent to neighbour");
    run.Line(kAreaAbsISolarHeader);
    for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
        const TWallRec& wall = model.Walls(z, w);
        if (wall.AdjZone != 0 || wall.Beyond != kBeyondNeighbour) continue;
        run.Card(ZoneCard(z, run.sections.NeighbourWallSection(z, w), WallLabel(model, z, w))
                     .R(wall.ExtHeight * wall.Length, 6, 2)
                     .Text(kAbsI)
                     .Text(kNoSolarShare));
    }
}

void WriteFloorCards(ZoneWriterRun& run, int z) {
    HouseModel& model = run.model;
    const SimulatedExtFloor floor = SimulatedFloorOf(model, z);
    const double below = FloorAreaBelow(model, z);
    const double exposed = model.Zones(z).FloorArea - below; // m2
    const std::string element = "the floor of " + Label(model, z);
    if (exposed >= kSharedAreaThreshold) {
        MaterialTable& materials = run.tables.ExtFloorForm.materialstable;
        SeekElementRecord(materials, floor.Material, element);
        const bool slab = floor.Material == kSlabOnGroundFloor;
        const bool aboveNeighbour = !slab && materials.FieldAsBoolean("UB");
        const int section = run.sections.ExtFloorSection(z);
        if (aboveNeighbour || (!slab && floor.FloorVentilation == kVeryOpenFloor)) {
            run.Line(aboveNeighbour ? "C Floor above neighbour" : "C Elevated floor, outside air temp below");
            run.Line(kAreaAbsIHeader);
            run.Card(ZoneCard(z, section, element).R(exposed, 6, 2).Text(kAbsI));
        } else {
            run.Line(slab ? "C Slab on Ground" : "C Elevated floor");
            run.Line(kAreaAbsIAdjHeader);
            const int space = FloorSpaceZoneOf(run, z);
            run.Card(ZoneCard(z, section, element).R(exposed, 6, 2).Text(kAbsI).I(space, 6));
        }
    }
    if (below < kSharedAreaThreshold) return;
    run.Line("C Internal Floor to lower level");
    run.Line(kAreaAbsIHeader);
    for (int j = 1; j <= model.ZoneCount; ++j) {
        if (model.Zones(j).Level != model.Zones(z).Level - 1) continue;
        if (model.CommonFloorArea(j, z) < kSharedAreaThreshold) continue;
        const double area =
            std::max(kSharedAreaThreshold, model.CommonFloorArea(j, z) - model.VoidArea(z, j));
        run.Card(ZoneCard(z, run.sections.IntFloorSection(j, z), element + " over " + Label(model, j))
                     .R(area, 6, 2)
                     .Text(kAbsI)
                     .I(j, 6));
    }
}

void WriteRoofWithoutSpace(ZoneWriterRun& run, int z, double exposed) {
    const HouseModel& model = run.model;
    const TRoofRec& roof = model.ZoneRoofs(z);
    const std::string element = "the roof of " + Label(model, z);
    const double sloped = exposed / Cosine(roof.Slope); // m2
    const bool steep = !(sloped >= exposed);            // slopes of 90 degrees or more
    run.Line("C Ceiling/Roof of habitable zone, no roofspace");
    run.Line("C         Area  Azim Slope  AbsO  AbsI   EmO SHGFr");
    ZoneCard card(z, run.sections.RoofWithCeilingSection(z), element);
    if (steep)
        card.R(exposed, 6, 2).Text("  0.00  0.00").R(roof.Absorptance, 6, 2).Text(kAbsI);
    else
        card.R(sloped, 6, 2)
            .Text("  0.00  0.00")
            .R(roof.Absorptance * exposed / sloped, 6, 2)
            .R(0.5 * exposed / sloped, 6, 2);
    run.Card(card.Text("  0.90"));
}

void WriteCeilingCards(ZoneWriterRun& run, int z) {
    HouseModel& model = run.model;
    const TCeilingRec& ceiling = model.ZoneCeilings(z);
    const double above = CeilingAreaAbove(model, z);
    const double exposed = model.Zones(z).FloorArea - above; // m2
    const std::string element = "the ceiling of " + Label(model, z);
    if (CeilingFacesRoofSpace(model, z)) {
        run.Line("C Ceiling of habitable zone below roofspace");
        run.Line(kAreaAbsIAdjHeader);
        const int section = run.sections.CeilingSection(z);
        const int space = RoofSpaceZoneOf(run, z);
        run.Card(
            ZoneCard(z, section, element).R(exposed / Cosine(ceiling.Slope), 6, 2).Text(kAbsI).I(space, 6));
    } else if (exposed >= kSharedAreaThreshold && ceiling.RoofSpace == kAnotherApartment) {
        run.Line("C Ceiling of habitable zone to neighbour");
        run.Line(kAreaAbsIHeader);
        run.Card(ZoneCard(z, run.sections.CeilingSection(z), element).R(exposed, 6, 2).Text(kAbsI));
    }
    if (above >= kSharedAreaThreshold) {
        run.Line("C Internal Ceiling to upper level");
        run.Line(kAreaAbsIHeader);
        for (int j = 1; j <= model.ZoneCount; ++j) {
            if (model.Zones(j).Level != model.Zones(z).Level + 1) continue;
            if (model.CommonFloorArea(j, z) < kSharedAreaThreshold) continue;
            const double area = model.CommonFloorArea(j, z) - model.VoidArea(z, j);
            if (!(area > kSharedAreaThreshold)) continue;
            run.Card(ZoneCard(z, run.sections.IntCeilingSection(z, j), element + " under " + Label(model, j))
                         .R(area, 6, 2)
                         .Text(kAbsI)
                         .I(j, 6));
        }
    }
    if (exposed >= kSharedAreaThreshold && ceiling.RoofSpace == kRoofNoCavity)
        WriteRoofWithoutSpace(run, z, exposed);
}

} // namespace

std::string HorizontalKey(double eaveProjection, double eaveOffset, std::string_view pergola,
                          const MonthlyPercent* monthlyPercent, const std::string& element) {
    std::string key = RealField(eaveProjection, 6, 2, element) + RealField(eaveOffset, 6, 2, element) +
                      std::string(pergola);
    for (int m = 1; m <= 12; ++m)
        key += MonthlyShadingField(monthlyPercent != nullptr ? (*monthlyPercent)(m) : 100, m, element);
    return key;
}

std::string VerticalKey(double leftDepth, double leftOffset, double rightDepth, double rightOffset,
                        const std::string& element) {
    return RealField(leftDepth, 6, 2, element) + RealField(leftOffset, 6, 2, element) +
           RealField(rightDepth, 6, 2, element) + RealField(rightOffset, 6, 2, element);
}

std::string ScreenKey(const TSurfaceObstructionRec& entry, const std::string& element) {
    std::string key = RealField(entry.RelativeHeight, 6, 2, element) + RealField(entry.Width, 6, 2, element) +
                      RealField(entry.Distance, 6, 2, element) +
                      RealField(entry.LateralPosition, 6, 2, element) +
                      RealField(entry.VerticalOffset, 6, 2, element);
    for (int m = 1; m <= 12; ++m) key += MonthlyShadingField(entry.Shading(m), m, element);
    return key;
}

void WriteZoneData(ZoneWriterRun& run) {
    HouseModel& model = run.model;
    run.Line(std::string(51, 'C'));
    run.Line("C Data Type 3: Zone information");
    run.Occupants = CalcOccupantValues(model);
    for (int z = 1; z <= model.ZoneCount; ++z) {
        CalcZoneLeakage(run, z);
        WriteZoneCard(run, z);
        WriteWindowCards(run, z);
        WriteSkylightCards(run, z);
        WriteExternalWallCards(run, z);
        WritePartitionCards(run, z);
        WriteFloorCards(run, z);
        WriteCeilingCards(run, z);
        WriteZoneVentilationAndControls(run, z);
        run.Line(std::string(78, 'C'));
    }
}

} // namespace pelmora
