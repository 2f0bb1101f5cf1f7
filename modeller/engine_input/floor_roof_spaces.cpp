// Floor-space and roof-space groups and their pseudo zones.
#include "modeller/engine_input/floor_roof_spaces.h"

#include "modeller/engine_input/simulated_floor.h"
#include "modeller/model/roof_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelmora {
namespace {

constexpr int kSlabKind = 1; // TFloorSpaceGroupRec.Kind
constexpr int kSuspendedKind = 2;
constexpr int kOpen = 1; // FloorVentilation
constexpr int kEnclosed = 2;
constexpr int kRoofNoCavity = 3; // RoofSpace
constexpr int kAnotherApartment = 4;
constexpr double kPixelsPerMetre = 20.0; // at magnification 1

constexpr std::string_view kCommentRule =
    "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC";
constexpr std::string_view kZoneHeader = "C                  Name   Vol     A     B WsRed  Type EstSG";
constexpr std::string_view kAdjacentHeader = "C         Area  AbsI  AdjZ";
constexpr std::string_view kInsideAbsorptance = "  0.50";
constexpr std::string_view kNormalType = "Normal     1";

double DegreesToRadians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

bool Lists(const SharedZoneList& zones, int zone) {
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
        if (zones(slot) == zone) return true;
    return false;
}

bool ListedInFloorGroup(const HouseModel& model, int zone) {
    for (int g = 1; g <= model.FloorSpaceGroupCount; ++g)
        if (Lists(model.FloorSpaceGroups(g).Zones, zone)) return true;
    return false;
}

bool ListedInRoofGroup(const HouseModel& model, int zone) {
    for (int g = 1; g <= model.RoofSpaceGroupCount; ++g)
        if (Lists(model.RoofSpaceGroups(g).Zones, zone)) return true;
    return false;
}

double SharedArea(const HouseModel& model, int zone, int otherLevel) {
    double sum = 0.0;
    for (int j = 1; j <= model.ZoneCount; ++j)
        if (model.Zones(j).Level == otherLevel) sum += model.CommonFloorArea(j, zone);
    return sum < kSharedAreaThreshold ? 0.0 : sum;
}

bool FloorIsAboveNeighbour(const HouseModel& model, MaterialTables& tables, int zone) {
    MaterialTable& table = tables.ExtFloorForm.materialstable;
    SeekElementRecord(table, SimulatedFloorOf(model, zone).Material, "the floor of " + ZoneText(model, zone));
    return table.FieldAsBoolean("UB");
}

// The members of a new group: the founding zone first, then the zones its element lists as sharing
// the space that face such a space at all (`faces`: a floor space below, a roof space above) and are
// in no group yet.  Whether a member's floor is the founder's kind (a slab or a suspended floor) is
// not asked: a listed zone shares the founder's space whatever its own floor.
template <class Faces, class Listed>
SharedZoneList Members(const HouseModel& model, int founder, const SharedZoneList& shared, Faces faces,
                       Listed listed) {
    SharedZoneList members{};
    int count = 0;
    members(++count) = founder;
    for (int slot = 1; slot <= kSharedZoneSlots && count < kSharedZoneSlots; ++slot) {
        const int m = shared(slot);
        if (m < 1 || m > model.ZoneCount || Lists(members, m) || listed(m) || !faces(m)) continue;
        members(++count) = m;
    }
    return members;
}

// A pseudo zone's name: its 12-character prefix and the group's number in three columns.
std::string GroupName(std::string_view prefix, int group, const std::string& element) {
    return std::string(prefix) + IntegerField(group, 3, element);
}

std::string FloorGroupLabel(const HouseModel& model, int group) {
    const int founder = model.FloorSpaceGroups(group).Zones(1);
    return "the floor space under " + ZoneText(model, founder);
}

std::string RoofGroupLabel(const HouseModel& model, int group) {
    const int founder = model.RoofSpaceGroups(group).Zones(1);
    return "the roof space over " + ZoneText(model, founder);
}

void PseudoZoneCard(ZoneWriterRun& run, int zone, std::string_view name, const std::string& element) {
    run.Line(kZoneHeader);
    run.Card(ZoneCard(zone, 0, element)
                 .Name(name)
                 .R(0.0, 6, 1)
                 .R(0.0, 6, 2)
                 .R(0.0, 6, 2)
                 .Text(run.scratch.WindSpeedFactorText)
                 .Text(kNormalType));
}

void AdjacentCard(ZoneWriterRun& run, int zone, int section, double area, int adjacent,
                  const std::string& element) {
    run.Card(ZoneCard(zone, section, element).R(area, 6, 2).Text(kInsideAbsorptance).I(adjacent, 6));
}

void EarthCard(ZoneWriterRun& run, int zone, double area, const std::string& element) {
    constexpr int kEarthSection = 50;
    run.Card(ZoneCard(zone, kEarthSection, element).R(area, 6, 2).Text(kInsideAbsorptance));
}

// GroundCode 1 is a non-reflective floor underside (its emittance 0.82 on the floor-space zone card),
// 0 a foil underside (0.05); the radiation link between ground and floor follows the same face.
int GroundRadiationSection(const TFloorSpaceGroupRec& group) {
    constexpr int kNonReflective = 123;
    constexpr int kReflective = 124;
    return group.GroundCode == 0 ? kReflective : kNonReflective;
}

// RoofGapCode 1 is a non-reflective roof lining, 2 a foil; any other code is taken as non-reflective
// unless it names a reflective gap (3).
int RoofRadiationSection(const TRoofSpaceGroupRec& group) {
    constexpr int kNonReflective = 127;
    constexpr int kReflective = 128;
    return group.RoofGapCode == 2 || group.RoofGapCode == 3 ? kReflective : kNonReflective;
}

std::string ZoneTitle(int zone, std::string_view title) {
    return "C Zone " + IntegerField(zone, 3, "zone " + std::to_string(zone)) + std::string(title);
}

void ReverseFloorCards(ZoneWriterRun& run, int zone, const TFloorSpaceGroupRec& group,
                       const std::string& element) {
    const HouseModel& model = run.model;
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot) {
        const int m = group.Zones(slot);
        if (m == 0) continue;
        const double area = model.Zones(m).FloorArea - FloorAreaBelow(model, m);
        AdjacentCard(run, zone, run.sections.ReverseExtFloorSection(m), area, m, element);
    }
}

void WriteSlabGroup(ZoneWriterRun& run, int group, int u) {
    const TFloorSpaceGroupRec& g = run.model.FloorSpaceGroups(group);
    const std::string element = FloorGroupLabel(run.model, group);
    run.Line(ZoneTitle(u, " Under Slab"));
    PseudoZoneCard(run, u, GroupName("  UnderSlab ", group, element), element);
    run.Line("C Ceilings (Reverse Floor), Floor (Ground)");
    run.Line(kAdjacentHeader);
    ReverseFloorCards(run, u, g, element);
    EarthCard(run, u, g.Area, element);
    run.Line(kCommentRule);
}

// The external walls around an enclosed floor space: those of its zones on level 1.
double CollectSubfloorWalls(HouseModel& model, int group, const std::string& element) {
    TFloorSpaceGroupRec& g = model.FloorSpaceGroups(group);
    g.WallLengths.fill(0.0);
    g.WallAzimuths.fill(0.0);
    double perimeter = 0.0; // m
    int count = 0;
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot) {
        const int m = g.Zones(slot);
        if (m == 0 || model.Zones(m).Level != 1) continue;
        for (int w = 0; w < model.Zones(m).NodeCount; ++w) {
            const TWallRec& wall = model.Walls(m, w);
            if (wall.AdjZone != 0) continue;
            if (count == kMaxNodes)
                throw ScratchError("Cannot write " + element + ": more than 51 external walls enclose it");
            perimeter += wall.Length;
            ++count;
            g.WallLengths(count) = wall.Length;
            g.WallAzimuths(count) = wall.Azimuth;
        }
    }
    return perimeter;
}

struct Ventilation {
    double Volume = 0.0; // m3
    double A = 0.0;
    double B = 0.0;
};

Ventilation SubfloorVentilation(ZoneWriterRun& run, int group, const std::string& element) {
    const TFloorSpaceGroupRec& g = run.model.FloorSpaceGroups(group);
    if (g.FloorVentilation == kOpen) return {5.0 * g.Area, 6.0, 2.5};
    constexpr double kVentAreaPerMetre[] = {1000.0, 2000.0, 3000.0, 4000.0, 6000.0}; // mm2/m
    if (g.FloorVentArea < 0 || g.FloorVentArea > 4)
        throw ScratchError("Cannot write " + element + ": its vent area choice " +
                           std::to_string(g.FloorVentArea) + " is none of 0 to 4");
    const double perimeter = CollectSubfloorWalls(run.model, group, element);
    const double a = kVentAreaPerMetre[g.FloorVentArea];
    const double volume = g.Area * g.UnderFloorHeight / 1000.0;
    if (!(volume > 0.0))
        throw ScratchError("Cannot write " + element + ": the enclosed space under the floor has no height");
    return {volume, 9.612e-5 * perimeter * a / volume,
            3.046e-4 * perimeter * a * run.model.ShieldingFactor / volume};
}

void WriteFloorSpaceZone(ZoneWriterRun& run, int group, int f) {
    const TFloorSpaceGroupRec& g = run.model.FloorSpaceGroups(group);
    const std::string element = FloorGroupLabel(run.model, group);
    const Ventilation v = SubfloorVentilation(run, group, element);
    run.Line(ZoneTitle(f, " Floor Space"));
    run.Line("C                  Name   Vol     A     B WsRed  Type EstSG FlooZ GrouZ REmis");
    run.Card(ZoneCard(f, 0, element)
                 .Name(GroupName(" Floorspace ", group, element))
                 .R(v.Volume, 6, 1)
                 .R(v.A, 6, 2)
                 .R(v.B, 6, 2)
                 .Text(run.scratch.WindSpeedFactorText)
                 .Text("SubFlA     1")
                 .I(f + 1, 6)
                 .I(f + 2, 6)
                 .R(g.GroundCode == 1 ? 0.82 : 0.05, 6, 2));
    run.Line("C Walls of underfloor space");
    run.Line("C       Height Width NArea  Azim  AbsO  AbsI EmissHShSchVShSchScSch1ScSch2ScSch3SHGFra");
    if (g.FloorVentilation == kEnclosed) {
        constexpr int kSubfloorWallSection = 30;
        const double height = g.UnderFloorHeight / 1000.0; // m
        for (int i = 1; i <= kMaxNodes; ++i) {
            if (g.WallLengths(i) == 0.0) continue;
            run.Card(ZoneCard(f, kSubfloorWallSection, element)
                         .R(height, 6, 2)
                         .R(g.WallLengths(i), 6, 2)
                         .R(height * g.WallLengths(i), 6, 2)
                         .R(g.WallAzimuths(i), 6, 0)
                         .Text("  0.50  0.50  1.00     0     0     0     0     0  0.00     0"));
        }
    }
    run.Line("C Conv to Under-floors, Conv to Above-ground");
    run.Line(kAdjacentHeader);
    AdjacentCard(run, f, 122, g.Area, f + 1, element);
    AdjacentCard(run, f, 121, g.Area, f + 2, element);
    run.Line(kCommentRule);
}

void WriteUndersideOfFloor(ZoneWriterRun& run, int zone, int group) {
    const TFloorSpaceGroupRec& g = run.model.FloorSpaceGroups(group);
    const std::string element = FloorGroupLabel(run.model, group);
    const int f = zone - 1;
    run.Line(ZoneTitle(zone, " Underside of Floor"));
    PseudoZoneCard(run, zone, GroupName("UnderSideFl ", group, element), element);
    run.Line("C Conv to Subfloor Air, Rad to Top of Ground, Ceiling (Reverse Floors)");
    run.Line(kAdjacentHeader);
    AdjacentCard(run, zone, 122, g.Area, f, element);
    AdjacentCard(run, zone, GroundRadiationSection(g), g.Area, f + 2, element);
    ReverseFloorCards(run, zone, g, element);
    run.Line(kCommentRule);
}

void WriteTopOfGround(ZoneWriterRun& run, int zone, int group) {
    const TFloorSpaceGroupRec& g = run.model.FloorSpaceGroups(group);
    const std::string element = FloorGroupLabel(run.model, group);
    const int f = zone - 2;
    run.Line(ZoneTitle(zone, " Top of Ground"));
    PseudoZoneCard(run, zone, GroupName("TopOfGround ", group, element), element);
    run.Line("C Floor (Ground), Rad to Under-side of Floor, Conv to Sub-floor Air");
    run.Line(kAdjacentHeader);
    EarthCard(run, zone, g.Area, element);
    AdjacentCard(run, zone, GroundRadiationSection(g), g.Area, f + 1, element);
    AdjacentCard(run, zone, 121, g.Area, f, element);
    run.Line(kCommentRule);
}

Ventilation CalcRoofSpaceVentilation(ZoneWriterRun& run, int group) {
    const TRoofSpaceGroupRec& g = run.model.RoofSpaceGroups(group);
    if (g.RoofSpace == 1) return {0.0, 10.0, 10.0};
    if (g.RoofSpace == 2) return {0.0, 20.0, 30.0};
    const TRoofRec& roof = run.model.ZoneRoofs(g.Zones(1));
    MaterialTable& materials = run.tables.RoofForm.materialstable;
    SeekElementRecord(materials, roof.Material, "the roof of " + ZoneText(run.model, g.Zones(1)));
    if (materials.FieldAsBoolean("Gd") && roof.Insulation == 1) return {0.0, 6.0, 2.5};
    return {0.0, 2.0, 1.0};
}

void WriteRoofSpaceZone(ZoneWriterRun& run, int group, int r, const RoofSpaceGeometry& geometry) {
    const TRoofSpaceGroupRec& g = run.model.RoofSpaceGroups(group);
    const std::string element = RoofGroupLabel(run.model, group);
    const Ventilation v = CalcRoofSpaceVentilation(run, group);
    run.Line(ZoneTitle(r, " Roof Space"));
    run.Line("C                  Name   Vol     A     B WsRed  Type EstSG CeilZ RoofZ REmis");
    run.Card(ZoneCard(r, 0, element)
                 .Name(GroupName("  Roofspace ", group, element))
                 .R(geometry.Volume, 6, 1)
                 .R(v.A, 6, 2)
                 .R(v.B, 6, 2)
                 .Text(run.scratch.WindSpeedFactorText)
                 .Text("RoofSA     1")
                 .I(r + 2, 6)
                 .I(r + 1, 6)
                 .R(g.RoofGapCode == 1 ? 0.82 : 0.05, 6, 2));
    run.Line("C Conv to Under-roof, Conv to Above Ceilings");
    run.Line(kAdjacentHeader);
    AdjacentCard(run, r, 126, geometry.SlopedRoofArea, r + 1, element);
    AdjacentCard(run, r, 125, g.Area, r + 2, element);
    run.Line(kCommentRule);
}

void WriteUndersideOfRoof(ZoneWriterRun& run, int zone, int group, const RoofSpaceGeometry& geometry) {
    const TRoofSpaceGroupRec& g = run.model.RoofSpaceGroups(group);
    const std::string element = RoofGroupLabel(run.model, group);
    const int r = zone - 1;
    run.Line(ZoneTitle(zone, " Underside of Roof"));
    PseudoZoneCard(run, zone, GroupName("UnderSideRf ", group, element), element);
    run.Line("C Conv to Roofspace Air, Rad to Above Ceilings, Roof");
    run.Line(kAdjacentHeader);
    AdjacentCard(run, zone, 126, geometry.SlopedRoofArea, r, element);
    AdjacentCard(run, zone, RoofRadiationSection(g), g.Area, r + 2, element);
    run.Line("C Skylights");
    run.Line("C         Area  Azim Slope ShadI ShadEZonlit ShLenShAreaShRefl ShRes  Diff VArea VType");
    run.Line("C Roofs");
    run.Line("C         Area  Azim Slope  AbsE  AbsI Emiss SHGFra");
    const double share = g.Area / geometry.SlopedRoofArea; // plan area per sloped area
    run.Card(ZoneCard(zone, run.sections.RoofSection(g.Zones(1)), element)
                 .R(geometry.SlopedRoofArea, 6, 2)
                 .Text("  0.00  0.00")
                 .R(g.Absorptance * share, 6, 2)
                 .R(0.5 * share, 6, 2)
                 .R(0.9, 6, 2));
    run.Line(kCommentRule);
}

void WriteTopOfCeiling(ZoneWriterRun& run, int zone, int group) {
    const HouseModel& model = run.model;
    const TRoofSpaceGroupRec& g = model.RoofSpaceGroups(group);
    const std::string element = RoofGroupLabel(model, group);
    const int r = zone - 2;
    run.Line(ZoneTitle(zone, " Top of Ceiling"));
    PseudoZoneCard(run, zone, GroupName("TopOfCeiling", group, element), element);
    run.Line("C Floors(Reverse Ceilings), Conv to Roofspace, Rad to Under-roof");
    run.Line(kAdjacentHeader);
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot) {
        const int m = g.Zones(slot);
        if (m == 0) continue;
        const double plan = model.Zones(m).FloorArea - CeilingAreaAbove(model, m);
        const double area = plan / std::cos(DegreesToRadians(model.ZoneCeilings(m).Slope));
        AdjacentCard(run, zone, run.sections.ReverseCeilingSection(m), area, m,
                     "the ceiling of " + ZoneText(model, m));
    }
    AdjacentCard(run, zone, 125, g.Area, r, element);
    AdjacentCard(run, zone, RoofRadiationSection(g), g.Area, r + 1, element);
    run.Line(kCommentRule);
}

} // namespace

double FloorAreaBelow(const HouseModel& model, int zone) {
    const int level = model.Zones(zone).Level;
    return level <= 1 ? 0.0 : SharedArea(model, zone, level - 1);
}

double CeilingAreaAbove(const HouseModel& model, int zone) {
    const int level = model.Zones(zone).Level;
    return level >= model.LevelCount ? 0.0 : SharedArea(model, zone, level + 1);
}

bool FloorFacesFloorSpace(const HouseModel& model, MaterialTables& tables, int zone) {
    const SimulatedExtFloor floor = SimulatedFloorOf(model, zone);
    if (model.Zones(zone).FloorArea - FloorAreaBelow(model, zone) < kSharedAreaThreshold) return false;
    if (floor.Material == kSlabOnGroundFloor) return true;
    return floor.FloorVentilation != kVeryOpenFloor && !FloorIsAboveNeighbour(model, tables, zone);
}

bool FloorFacesFloorSpace(ZoneWriterRun& run, int zone) {
    return FloorFacesFloorSpace(run.model, run.tables, zone);
}

bool HouseRestsOnEarth(const HouseModel& model, MaterialTables& tables) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (FloorFacesFloorSpace(model, tables, z)) return true;
    return false;
}

bool CeilingFacesRoofSpace(const HouseModel& model, int zone) {
    const int roofSpace = model.ZoneCeilings(zone).RoofSpace;
    if (roofSpace == kRoofNoCavity || roofSpace == kAnotherApartment) return false;
    return model.Zones(zone).FloorArea - CeilingAreaAbove(model, zone) >= kSharedAreaThreshold;
}

void GroupFloorSpaces(ZoneWriterRun& run) {
    HouseModel& model = run.model;
    model.FloorSpaceGroupCount = 0;
    for (int g = 1; g <= kMaxSpaceGroups; ++g) model.FloorSpaceGroups(g) = TFloorSpaceGroupRec{};
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (ListedInFloorGroup(model, z) || !FloorFacesFloorSpace(run, z)) continue;
        const AddResult added = model.AddFloorSpaceGroup();
        if (!added) throw ScratchError(std::string(added.refusal));
        const TExtFloorRec& floor = model.ZoneExtFloors(z);
        TFloorSpaceGroupRec& g = model.FloorSpaceGroups(added.index);
        g.Zones = Members(
            model, z, floor.SharedZones, [&](int m) { return FloorFacesFloorSpace(run, m); },
            [&](int m) { return ListedInFloorGroup(model, m); });
        for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
            if (const int m = g.Zones(slot); m != 0)
                g.Area += model.Zones(m).FloorArea - FloorAreaBelow(model, m);
        MaterialTable& insulation = run.tables.ExtFloorForm.insulationtable;
        SeekElementRecord(insulation, floor.Insulation, "the floor of " + ZoneText(model, z));
        g.GroundCode = static_cast<std::int32_t>(insulation.FieldAsInteger("GU"));
        g.FloorVentilation = floor.FloorVentilation;
        g.FloorVentArea = floor.FloorVentArea;
        g.UnderFloorHeight = floor.UnderFloorHeight;
        g.Kind = SimulatedFloorOf(model, z).Material == kSlabOnGroundFloor ? kSlabKind : kSuspendedKind;
    }
}

void CountFloorSpaceZones(ZoneWriterRun& run) {
    GroupFloorSpaces(run);
    HouseModel& model = run.model;
    model.FloorSpacePseudoCount = 0;
    for (int g = 1; g <= model.FloorSpaceGroupCount; ++g)
        model.FloorSpacePseudoCount += model.FloorSpaceGroups(g).Kind == kSlabKind ? 1 : 3;
}

int FloorSpaceZoneOf(ZoneWriterRun& run, int zone) {
    GroupFloorSpaces(run);
    const HouseModel& model = run.model;
    int n = model.ZoneCount;
    for (int g = 1; g <= model.FloorSpaceGroupCount; ++g) {
        const TFloorSpaceGroupRec& group = model.FloorSpaceGroups(g);
        n += group.Kind == kSlabKind ? 1 : 3;
        if (Lists(group.Zones, zone)) return group.Kind == kSlabKind ? n : n - 1;
    }
    throw ScratchError("Cannot write the floor of " + ZoneText(model, zone) +
                       ": it stands on no floor space");
}

void GroupRoofSpaces(ZoneWriterRun& run) {
    HouseModel& model = run.model;
    model.RoofSpaceGroupCount = 0;
    for (int g = 1; g <= kMaxSpaceGroups; ++g) model.RoofSpaceGroups(g) = TRoofSpaceGroupRec{};
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (ListedInRoofGroup(model, z) || !CeilingFacesRoofSpace(model, z)) continue;
        const AddResult added = model.AddRoofSpaceGroup();
        if (!added) throw ScratchError(std::string(added.refusal));
        TRoofSpaceGroupRec& g = model.RoofSpaceGroups(added.index);
        g.Zones = Members(
            model, z, model.ZoneCeilings(z).SharedZones,
            [&](int m) { return CeilingFacesRoofSpace(model, m); },
            [&](int m) { return ListedInRoofGroup(model, m); });
        for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
            if (const int m = g.Zones(slot); m != 0)
                g.Area += model.Zones(m).FloorArea - CeilingAreaAbove(model, m);
        const TRoofRec& roof = model.ZoneRoofs(z);
        g.Slope = roof.Slope;
        g.Absorptance = roof.Absorptance;
        g.RoofGapCode = roof.RoofGapCode;
        g.RoofSpace = model.ZoneCeilings(z).RoofSpace; // the project writer copies it into the roof too
        g.RoofShape = roof.RoofShape;
    }
}

int RoofSpaceZoneOf(ZoneWriterRun& run, int zone) {
    CountFloorSpaceZones(run);
    GroupRoofSpaces(run);
    const HouseModel& model = run.model;
    int n = model.ZoneCount + model.FloorSpacePseudoCount;
    for (int g = 1; g <= model.RoofSpaceGroupCount; ++g) {
        n += 3;
        if (Lists(model.RoofSpaceGroups(g).Zones, zone)) return n;
    }
    throw ScratchError("Cannot write the ceiling of " + ZoneText(model, zone) +
                       ": it lies under no roof space");
}

RoofSpaceGeometry CalcRoofSpaceGeometry(const HouseModel& model, const TRoofSpaceGroupRec& group) {
    const int founder = group.Zones(1);
    const std::string element = "the roof space over " + ZoneText(model, founder);
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool first = true;
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot) {
        const int m = group.Zones(slot);
        if (m == 0) continue;
        for (int w = 0; w < model.Zones(m).NodeCount; ++w) {
            const TPlanPoint p = model.Walls(m, w).Start;
            minX = first ? p.X : std::min(minX, p.X);
            maxX = first ? p.X : std::max(maxX, p.X);
            minY = first ? p.Y : std::min(minY, p.Y);
            maxY = first ? p.Y : std::max(maxY, p.Y);
            first = false;
        }
    }
    const double scale = kPixelsPerMetre * model.Magnification;          // px/m
    const double l1 = (maxX - minX) / scale, l2 = (maxY - minY) / scale; // m
    const double perimeter = l1 + l2;                                    // half the perimeter, m
    const double discriminant = perimeter * perimeter - 4.0 * group.Area;
    if (!(discriminant >= -1e-9 * perimeter * perimeter) || !(group.Area > 0.0))
        throw ScratchError("Cannot write " + element + ": its area of " + std::to_string(group.Area) +
                           " m2 exceeds what its plan extents of " + std::to_string(l1) + " m by " +
                           std::to_string(l2) + " m allow");
    if (!(group.Slope >= 0.0 && group.Slope < 90.0))
        throw ScratchError("Cannot write " + element + ": its roof slope of " + std::to_string(group.Slope) +
                           " degrees is not below 90");
    if (group.RoofShape < 0 || group.RoofShape >= kRoofShapeCount)
        throw ScratchError("Cannot write " + element + ": its roof shape " + std::to_string(group.RoofShape) +
                           " is none of hip, hip and gable, gable or skillion");
    // A plan area a hair above what the extents allow (rounding) counts as a square.
    const double w = (perimeter - std::sqrt(std::max(0.0, discriminant))) / 2.0; // m
    const RoofShapeFigures f =
        RoofShapeGeometry(static_cast<RoofShapeKind>(group.RoofShape), group.Area, w, group.Slope);
    return {f.RoofArea, f.Volume};
}

void CheckEngineZoneCount(ZoneWriterRun& run) {
    CountFloorSpaceZones(run);
    GroupRoofSpaces(run);
    const HouseModel& model = run.model;
    const int roofSpaceZones = 3 * model.RoofSpaceGroupCount;
    const int needed = model.ZoneCount + model.FloorSpacePseudoCount + roofSpaceZones;
    if (needed <= kEngineZoneLimit) return;
    throw ScratchError("The house needs " + std::to_string(needed) + " zones in the simulation engine (" +
                       std::to_string(model.ZoneCount) + " zones of the plan, " +
                       std::to_string(model.FloorSpacePseudoCount) +
                       " for the spaces under their floors and " + std::to_string(roofSpaceZones) +
                       " for their roof spaces), and the engine holds at most " +
                       std::to_string(kEngineZoneLimit) +
                       ". Let zones share their roof and under-floor spaces, or join zones.");
}

void WriteFloorSpaces(ZoneWriterRun& run) {
    const HouseModel& model = run.model;
    int n = model.ZoneCount;
    for (int g = 1; g <= model.FloorSpaceGroupCount; ++g) {
        if (model.FloorSpaceGroups(g).Kind == kSlabKind) {
            WriteSlabGroup(run, g, ++n);
            continue;
        }
        WriteFloorSpaceZone(run, g, n + 1);
        WriteUndersideOfFloor(run, n + 2, g);
        WriteTopOfGround(run, n + 3, g);
        n += 3;
    }
}

void WriteRoofSpaces(ZoneWriterRun& run) {
    CountFloorSpaceZones(run);
    GroupRoofSpaces(run);
    const HouseModel& model = run.model;
    int n = model.ZoneCount + model.FloorSpacePseudoCount;
    for (int g = 1; g <= model.RoofSpaceGroupCount; ++g) {
        const RoofSpaceGeometry geometry = CalcRoofSpaceGeometry(model, model.RoofSpaceGroups(g));
        WriteRoofSpaceZone(run, g, n + 1, geometry);
        WriteUndersideOfRoof(run, n + 2, g, geometry);
        WriteTopOfCeiling(run, n + 3, g);
        n += 3;
    }
}

} // namespace pelmora
