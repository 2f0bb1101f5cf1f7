#include "modeller/engine_input/construction_sections.h"

#include "common/rounding.h"
#include "modeller/engine_input/floor_roof_spaces.h"
#include "modeller/engine_input/layer_texts.h"
#include "modeller/engine_input/simulated_floor.h"
#include "modeller/model/building_physics.h"
#include "modeller/model/level_defaults.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

constexpr int kMaxLayersPerCard = 10;
constexpr std::size_t kLayerPairWidth = 7;
constexpr double kAirGapMatch = 0.01; // m2K/W: gaps this close share one material

// The fixed sections of the floor and roof spaces: number, name card and layer card.
struct FixedSection {
    int number;
    std::string_view name;
    std::string_view layers;
};
constexpr std::array<FixedSection, 10> kFixedSections{{
    {30, " 2N  30 Floorspace Walls 19mm hardwood", " 2 30    49  19"},
    {121, " 2N 121 Floorspace convective, Air to ground", " 2121   999   0912   0999   0"},
    {122, " 2N 122 Floorspace convective, Air to underfloor", " 2122   999   0913   0999   0"},
    {123, " 2N 123 Floorspace radiant (NonReflective), Ground to floor ", " 2123   999   0914   0999   0"},
    {124, " 2N 124 Floorspace radiant (Reflective), Ground to floor ", " 2124   999   0915   0999   0"},
    {50, " 2N  50 Floor of above ground, Earth", " 2 50   902   0999   0"},
    {125, " 2N 125 Roofspace convective, Air to ceiling", " 2125   999   0908   0999   0"},
    {126, " 2N 126 Roofspace convective, Air to roof", " 2126   999   0909   0999   0"},
    {127, " 2N 127 Roofspace radiant (NonReflective), Roof to ceiling", " 2127   999   0910   0999   0"},
    {128, " 2N 128 Roofspace radiant (Reflective), Roof to ceiling", " 2128   999   0911   0999   0"},
}};

// The opaque lists in the order their sections are written.
constexpr std::array<ConstructionKind, 14> kOpaqueWriteOrder{
    ConstructionKind::ExternalWall,      ConstructionKind::WallToNeighbour,
    ConstructionKind::InterzoneWall,     ConstructionKind::IntrazoneWall,
    ConstructionKind::ExtFloorVeryOpen,  ConstructionKind::ExtFloorEnclosed,
    ConstructionKind::ReverseExtFloor,   ConstructionKind::ExtCeiling,
    ConstructionKind::ReverseExtCeiling, ConstructionKind::IntCeiling,
    ConstructionKind::InternalFloor,     ConstructionKind::CeilingToNeighbour,
    ConstructionKind::FloorToNeighbour,  ConstructionKind::Roof,
};

// Moves a table to the record of the element in hand, refusing a record the table does not hold.
void Seek(Scratch& s, MaterialTable& table, int record) {
    SeekElementRecord(table, record, s.Element);
}

std::string TwoNames(const Scratch& s) {
    return s.CurrentName1 + "  " + s.CurrentName2;
}

std::string FloorName(const Scratch& s) {
    return s.CurrentCoverName + "  " + s.CurrentName1 + "  " + s.CurrentName2;
}

std::string IntCeilingName(const Scratch& s) {
    if (s.CurrentCoverName.empty()) return TwoNames(s);
    return TwoNames(s) + "  " + s.CurrentCoverName;
}

void BuildWindowSystems(Scratch& s) {
    HouseModel& m = s.model;
    s.List(ConstructionKind::WindowSystem).Reset();
    auto add = [&] {
        const CustWinType& product = m.WindowProducts(s.WriterWindowProduct);
        BuildWindowGlazing(s);
        AddConstruction(s, ConstructionKind::WindowSystem, s.CurrentLayers,
                        product.Manufacturer + "  " + product.Brand + "  " + product.ProductName);
    };
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int w = 0; w < m.Zones(z).NodeCount; ++w) {
            if (m.Walls(z, w).AdjZone != 0) continue;
            for (int n = 1; n <= m.Walls(z, w).WindowCount; ++n) {
                s.Element = WallText(m, z, w) + ", window " + std::to_string(n);
                RequireWindowProduct(s, z, w, n);
                add();
            }
        }
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int k = 1; k <= m.Zones(z).SkylightCount; ++k) {
            if (!m.ZoneSkylights(z, k).Clerestory) continue;
            s.Element = ZoneText(m, z) + ", clerestory window " + std::to_string(k);
            RequireClerestoryProduct(s, z, k);
            add();
        }
    }
}

void BuildSkylightSystems(Scratch& s) {
    HouseModel& m = s.model;
    s.List(ConstructionKind::SkylightSystem).Reset();
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int k = 1; k <= m.Zones(z).SkylightCount; ++k) {
            if (m.ZoneSkylights(z, k).Clerestory) continue;
            s.Element = ZoneText(m, z) + ", skylight " + std::to_string(k);
            RequireSkylightProduct(s, z, k);
            BuildSkylightGlazing(s);
            AddConstruction(s, ConstructionKind::SkylightSystem, s.CurrentLayers,
                            m.SkylightProducts(s.buffers.SkylightProductIndex).ProductName);
        }
    }
}

void BuildWallLists(Scratch& s) {
    HouseModel& m = s.model;
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int w = 0; w < m.Zones(z).NodeCount; ++w) {
            if (m.Walls(z, w).AdjZone != 0 || m.Walls(z, w).Beyond == 2) continue;
            PositionExtWall(s, z, w);
            BuildExtWall(s);
            AddConstruction(s, ConstructionKind::ExternalWall, s.CurrentLayers,
                            TwoNames(s) + (s.WriterBeyond == 3 ? " Earth Bermed" : ""));
        }
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int w = 0; w < m.Zones(z).NodeCount; ++w) {
            if (m.Walls(z, w).AdjZone != 0 || m.Walls(z, w).Beyond != 2) continue;
            PositionExtWall(s, z, w);
            BuildExtWall(s);
            AddConstruction(s, ConstructionKind::WallToNeighbour, s.CurrentLayers, TwoNames(s));
        }
    }
    PositionDefaultExtWall(s);
    BuildExtWall(s);
    AddConstruction(s, ConstructionKind::ExternalWall, s.CurrentLayers, TwoNames(s));
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int w = 0; w < m.Zones(z).NodeCount; ++w) {
            if (m.Walls(z, w).AdjZone != 0) continue;
            for (int d = 1; d <= m.Walls(z, w).DoorCount; ++d) {
                PositionDoor(s, z, w, d);
                // An open doorway (no first leaf) is no construction.
                if (s.tables.DoorForm.DoorTable.FieldAsInteger("M1") == 0) continue;
                BuildDoor(s);
                AddConstruction(s, ConstructionKind::ExternalWall, s.CurrentLayers, s.CurrentName1);
            }
        }
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int w = 0; w < m.Zones(z).NodeCount; ++w) {
            if (m.Walls(z, w).AdjZone == 0) continue;
            PositionPartitionWall(s, z, w);
            BuildIntWall(s);
            AddConstruction(s, ConstructionKind::InterzoneWall, s.CurrentLayers, TwoNames(s));
        }
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int n = 1; n <= m.Zones(z).IntWallCount; ++n) {
            PositionIntWall(s, z, n);
            BuildIntWall(s);
            AddConstruction(s, ConstructionKind::IntrazoneWall, s.CurrentLayers, TwoNames(s));
        }
    }
}

void BuildFloorLists(Scratch& s) {
    HouseModel& m = s.model;
    // Over a very open space, then over an open or enclosed space (and slabs), then reversed.
    for (int pass = 0; pass < 3; ++pass) {
        for (int z = 1; z <= m.ZoneCount; ++z) {
            PositionExtFloor(s, z);
            if (s.WriterUB) continue;
            const bool veryOpen = s.WriterFloorVent == 0 && s.WriterFloorMaterial != 1;
            if (pass == 0 && !veryOpen) continue;
            if (pass == 1 && veryOpen) continue;
            BuildExtFloor(s);
            if (pass == 2) {
                AddConstruction(s, ConstructionKind::ReverseExtFloor, s.CurrentLayersReversed, FloorName(s));
                continue;
            }
            AddConstruction(
                s, pass == 0 ? ConstructionKind::ExtFloorVeryOpen : ConstructionKind::ExtFloorEnclosed,
                s.CurrentLayers, FloorName(s));
        }
    }
}

void BuildRoofAndCeilingLists(Scratch& s) {
    HouseModel& m = s.model;
    for (int z = 1; z <= m.ZoneCount; ++z) {
        if (!ZoneHasRoof(m, z)) continue;
        PositionRoof(s, z);
        if (s.WriterRoofSpace == 4) continue;
        if (s.WriterRoofSpace == 3) {
            BuildRoofWithCeiling(s, z);
            s.Element = ZoneText(m, z) + ", roof"; // the build positioned the ceiling last
            AddConstruction(s, ConstructionKind::Roof, s.CurrentLayers, s.CurrentName1);
            continue;
        }
        BuildRoof(s);
        AddConstruction(s, ConstructionKind::Roof, s.CurrentLayers, TwoNames(s));
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        PositionCeiling(s, z);
        if (s.WriterRoofSpace == 3 || s.WriterRoofSpace == 4) continue;
        BuildCeiling(s);
        AddConstruction(s, ConstructionKind::ExtCeiling, s.CurrentLayers, TwoNames(s));
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        PositionCeiling(s, z);
        if (s.WriterRoofSpace == 3 || s.WriterRoofSpace == 4) continue;
        BuildCeiling(s);
        AddConstruction(s, ConstructionKind::ReverseExtCeiling, s.CurrentLayersReversed, TwoNames(s));
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        PositionCeiling(s, z);
        if (s.WriterRoofSpace != 4) continue;
        BuildCeiling(s);
        AddConstruction(s, ConstructionKind::CeilingToNeighbour, s.CurrentLayers, TwoNames(s));
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        PositionExtFloor(s, z);
        if (!s.WriterUB) continue;
        BuildExtFloor(s);
        AddConstruction(s, ConstructionKind::FloorToNeighbour, s.CurrentLayers, FloorName(s));
    }
    // A floor between levels carries the covering of the zone above it, so each pair of a zone and a
    // zone of the level above that shares its plan has a construction of its own; a zone with nothing
    // above still lists its floor between levels, without a covering.
    for (int pass = 0; pass < 2; ++pass) {
        for (int z = 1; z <= m.ZoneCount; ++z) {
            std::vector<int> above;
            for (int j = 1; j <= m.ZoneCount; ++j)
                if (m.Zones(j).Level == m.Zones(z).Level + 1 &&
                    std::max(m.CommonFloorArea(j, z), m.CommonFloorArea(z, j)) >= kSharedAreaThreshold)
                    above.push_back(j);
            if (above.empty()) above.push_back(0);
            for (int upper : above) {
                PositionIntCeiling(s, z, upper);
                BuildIntCeiling(s);
                const std::string name = IntCeilingName(s);
                if (pass == 0)
                    AddConstruction(s, ConstructionKind::IntCeiling, s.CurrentLayers, name);
                else
                    AddConstruction(s, ConstructionKind::InternalFloor, s.CurrentLayersReversed, name);
            }
        }
    }
}

void DefineAirGapMaterials(Scratch& s) {
    HouseModel& m = s.model;
    ReadBestFitFile(m);
    s.AirGapMaterials.clear();
    s.MaterialChangeCount = kFirstAirGapMaterial - 1;
    for (int z = 1; z <= m.ZoneCount; ++z) {
        PositionRoof(s, z);
        BuildRoof(s);
    }
    for (int z = 1; z <= m.ZoneCount; ++z) {
        PositionCeiling(s, z);
        BuildCeiling(s);
    }
}

void WriteSections(Scratch& s, ConstructionKind kind) {
    const ConstructionKindInfo& info = KindInfo(kind);
    const NumberedList& list = s.List(kind);
    for (int i = 1; i <= list.Count(); ++i) {
        const int n = info.base + i;
        const std::string what = "building section " + std::to_string(n);
        s.Card(CardText(what, " 2N ").integer(n, 3).text(info.label).text(list[i].name));
        const bool glazing =
            kind == ConstructionKind::WindowSystem || kind == ConstructionKind::SkylightSystem;
        s.Card(CardText(what, " 2").integer(n, 3).text(glazing ? "" : "   ").text(list[i].key));
    }
}

} // namespace

int AddConstruction(Scratch& s, ConstructionKind kind, const std::string& layers, const std::string& name) {
    NumberedList& list = s.List(kind);
    const int found = list.Position(layers);
    if (found >= 0) return found;
    const ConstructionKindInfo& info = KindInfo(kind);
    const bool glazing = kind == ConstructionKind::WindowSystem || kind == ConstructionKind::SkylightSystem;
    if (!glazing && layers.size() > kMaxLayersPerCard * kLayerPairWidth) {
        throw ScratchError(s.Element + ": its " + std::string(info.what) + " construction has more than " +
                           std::to_string(kMaxLayersPerCard) +
                           " layers, more than the engine reads of a section");
    }
    if (list.Count() >= info.capacity) {
        throw ScratchError(
            s.Element + ": its " + std::string(info.what) + " construction would be the " +
            std::to_string(info.capacity + 1) + "th different one, but the engine input holds only " +
            std::to_string(info.capacity) + " of that kind (building sections " +
            std::to_string(info.base + 1) + " to " + std::to_string(info.base + info.capacity) + ")");
    }
    return list.Add({layers, name, {}});
}

bool ZoneHasRoof(const HouseModel& m, int zone) {
    double covered = 0.0; // m2
    for (int z2 = 1; z2 <= m.ZoneCount; ++z2)
        if (m.Zones(z2).Level == m.Zones(zone).Level + 1) covered += m.CommonFloorArea(zone, z2);
    return std::fabs(m.Zones(zone).FloorArea - covered) > 0.1;
}

void BuildConstructionLists(Scratch& s) {
    DefineAirGapMaterials(s);
    BuildWindowSystems(s);
    BuildSkylightSystems(s);
    for (ConstructionKind kind : kOpaqueWriteOrder) s.List(kind).Reset();
    BuildWallLists(s);
    BuildFloorLists(s);
    BuildRoofAndCeilingLists(s);
}

void WriteConstructionData(Scratch& s) {
    // Every list is built before the first card, so that an air gap met late still has its material
    // change card ahead of the sections that use it.
    BuildConstructionLists(s);
    s.Card("C Change material properties");
    for (const AirGapMaterialRec& material : s.AirGapMaterials) s.Card(material.Card);
    s.Card("C" + std::string(45, ' ') + "File     System FrameU FrameF FrameA");
    WriteSections(s, ConstructionKind::WindowSystem);
    s.Card("C" + std::string(45, ' ') + "Type   File     System FrameU FrameF");
    WriteSections(s, ConstructionKind::SkylightSystem);
    for (ConstructionKind kind : kOpaqueWriteOrder) WriteSections(s, kind);
    // The earth section is written only for a house that rests on the earth: the engine asks a section
    // on earth for the ground model's slab, which a house on stumps does not have.
    const bool onEarth = HouseRestsOnEarth(s.model, s.tables);
    for (const FixedSection& section : kFixedSections) {
        if (!onEarth && section.number == fixed_section::kEarthFloor) continue;
        s.Card(std::string(section.name));
        s.Card(std::string(section.layers));
    }
}

// ---- Position services ----------------------------------------------------------------------

void PositionExtWall(Scratch& s, int zone, int wall) {
    const TWallRec& w = s.model.Walls(zone, wall);
    s.Element = WallText(s.model, zone, wall);
    Seek(s, s.tables.ExtWallForm.materialstable, w.ExtMaterial);
    Seek(s, s.tables.ExtWallForm.insulationtable, w.ExtInsulation);
    s.WriterBeyond = w.Beyond;
    s.WriterInsulated = w.ExtInsulated;
    s.buffers.EditThickness = w.ExtThickness;
    s.buffers.ElementAddedR = w.ExtAddedR;
}

void PositionDefaultExtWall(Scratch& s) {
    const TLevelDefaultRec& d = s.model.LevelDefaults(1);
    s.Element = "the default external wall of level 1";
    Seek(s, s.tables.ExtWallForm.materialstable, d.DefExtMaterial);
    Seek(s, s.tables.ExtWallForm.insulationtable, d.DefExtInsulation);
    s.WriterBeyond = d.DefBeyond;
    s.WriterInsulated = d.DefExtInsulated;
    s.buffers.EditColour = d.DefExtColour;
    s.buffers.ElementAddedR = d.DefExtAddedR;
    s.buffers.EditThickness = ExtThicknessFor(s.model, 1, d.DefExtMaterial);
}

void PositionPartitionWall(Scratch& s, int zone, int wall) {
    const TWallRec& w = s.model.Walls(zone, wall);
    s.Element = WallText(s.model, zone, wall) + " (between zones)";
    Seek(s, s.tables.IntWallForm.materialstable, w.PartMaterial);
    Seek(s, s.tables.IntWallForm.insulationtable, w.PartInsulation);
    s.buffers.EditWallHeight = w.PartHeight * 1000.0;
    s.buffers.EditWallLength = w.Length;
    s.buffers.EditThickness = w.PartThickness;
    s.buffers.ElementAddedR = w.PartAddedR;
}

void PositionIntWall(Scratch& s, int zone, int n) {
    const TIntWallRec& w = s.model.ZoneIntWalls(zone, n);
    s.Element = ZoneText(s.model, zone) + ", internal wall " + std::to_string(n);
    Seek(s, s.tables.IntWallForm.materialstable, w.Material);
    Seek(s, s.tables.IntWallForm.insulationtable, w.Insulation);
    s.buffers.EditWallHeight = w.Height * 1000.0;
    s.buffers.EditThickness = w.Thickness;
    s.buffers.ElementAddedR = w.AddedR;
}

void PositionExtFloor(Scratch& s, int zone) {
    const TExtFloorRec& f = s.model.ZoneExtFloors(zone);
    const SimulatedExtFloor simulated = SimulatedFloorOf(s.model, zone);
    s.Element = ZoneText(s.model, zone) + ", external floor";
    Seek(s, s.tables.ExtFloorForm.materialstable, simulated.Material);
    Seek(s, s.tables.ExtFloorForm.insulationtable, f.Insulation);
    Seek(s, s.tables.ExtFloorForm.FloorCoverTable, f.FloorCovering);
    s.WriterFloorMaterial = simulated.Material;
    s.WriterUnderFloorHeight = f.UnderFloorHeight;
    s.buffers.ElementAddedR = f.AddedR;
    s.WriterFloorVent = simulated.FloorVentilation;
    s.WriterUB = s.tables.ExtFloorForm.materialstable.FieldAsBoolean("UB");
    s.WriterLevel = s.model.Zones(zone).Level;
}

void PositionCeiling(Scratch& s, int zone) {
    const TCeilingRec& c = s.model.ZoneCeilings(zone);
    s.Element = ZoneText(s.model, zone) + ", ceiling";
    Seek(s, s.tables.CeilingForm.materialstable, c.Material);
    Seek(s, s.tables.CeilingForm.insulationtable, c.Insulation);
    s.buffers.ElementAddedR = c.AddedR;
    s.buffers.EditSlope = c.Slope;
    s.WriterRoofSpace = c.RoofSpace;
}

void PositionRoof(Scratch& s, int zone) {
    const TRoofRec& r = s.model.ZoneRoofs(zone);
    s.Element = ZoneText(s.model, zone) + ", roof";
    Seek(s, s.tables.RoofForm.materialstable, r.Material);
    Seek(s, s.tables.RoofForm.insulationtable, r.Insulation);
    s.buffers.ElementAddedR = r.AddedR;
    s.buffers.EditSlope = r.Slope;
    s.WriterRoofSpace = r.RoofSpace;
}

void PositionIntCeiling(Scratch& s, int zone, int upperZone) {
    const TIntCeilingRec& c = s.model.ZoneIntCeilings(zone);
    s.WriterUpperZone = upperZone;
    if (upperZone != 0) PositionFloorCover(s, upperZone);
    s.Element = ZoneText(s.model, zone) + ", floor between levels above it";
    if (upperZone != 0) s.Element += " (under " + ZoneText(s.model, upperZone) + ")";
    Seek(s, s.tables.IntCeilingForm.materialstable, c.Material);
    Seek(s, s.tables.IntCeilingForm.insulationtable, c.Insulation);
    s.buffers.ElementAddedR = c.AddedR;
}

void PositionFloorCover(Scratch& s, int zone) {
    s.Element = ZoneText(s.model, zone) + ", floor covering";
    Seek(s, s.tables.FloorCoverForm.FloorCoverTable, s.model.ZoneFloorCovers(zone).FloorCovering);
}

void PositionDoor(Scratch& s, int zone, int wall, int door) {
    s.Element = WallText(s.model, zone, wall) + ", door " + std::to_string(door);
    Seek(s, s.tables.DoorForm.DoorTable, s.model.WallDoors(zone, wall, door).Material);
}

// ---- Air-gap materials ----------------------------------------------------------------------

std::string AirGapMaterial(Scratch& s, int gapWidth, double e1, double e2) {
    HouseModel& m = s.model;
    const double slope = s.buffers.EditSlope; // degrees
    AirGapResistance(m, 0, gapWidth, e1, e2, slope);
    const double up = m.AirGapResistanceUp;     // m2K/W
    const double down = m.AirGapResistanceDown; // m2K/W
    auto matches = [&](double u, double d) {
        return std::fabs(u - up) < kAirGapMatch && std::fabs(d - down) < kAirGapMatch;
    };
    int material = matches(0.0, 0.0) ? kFirstAirGapMaterial - 1 : 0;
    for (std::size_t i = 0; i < s.AirGapMaterials.size(); ++i) {
        if (matches(s.AirGapMaterials[i].Up, s.AirGapMaterials[i].Down))
            material = kFirstAirGapMaterial + static_cast<int>(i);
    }
    if (material == 0) {
        material = s.MaterialChangeCount + 1;
        if (material > kLastAirGapMaterial) {
            throw ScratchError(s.Element +
                               ": its air gap needs a new air-gap material, but the engine input's " +
                               "air-gap materials " + std::to_string(kFirstAirGapMaterial) + " to " +
                               std::to_string(kLastAirGapMaterial) + " are all taken");
        }
        const std::string what = "air-gap material " + std::to_string(material) + " of " + s.Element;
        CardText card(what, " 2     0   ");
        card.integer(material, 3)
            .text("     0")
            .real(up, 6, 2)
            .real(down, 6, 2)
            .text("     0 ")
            .integer(gapWidth, 4)
            .text("mm gap, slope ")
            .text(std::to_string(common::roundHalfEvenToInt(slope)))
            .text(", emit " + ShortestDecimal(e1) + " and " + ShortestDecimal(e2));
        s.AirGapMaterials.push_back({up, down, card.str()});
        s.MaterialChangeCount = material;
    }
    return LayerPair(material, 0, s.Element);
}

} // namespace pelmora
