#include "modeller/engine_input/layer_texts.h"

#include "common/rounding.h"
#include "modeller/engine_input/construction_sections.h"
#include "modeller/model/building_physics.h"

namespace pelmora {

namespace {

constexpr std::string_view kEarthLayers = "902   0999   0"; // earth, then no layer
constexpr std::string_view kDoorLeafGap = "515   0";        // the air gap between two door leaves
constexpr std::string_view kSlabUnderGarage = " 44 200";

constexpr int kCavityBrickWall = 6;    // record of the external wall table whose first gap is foil-faced
constexpr int kCavityBrickIntWall = 4; // the same record of the internal wall table
constexpr std::string_view kFoilBoardGap = "512  40";

constexpr int kRoofGap1Width = 20; // mm
constexpr int kGapWidth = 40;      // mm

constexpr std::size_t kWindowPaneText = 44;   // characters of the window pane pairs, blanks included
constexpr std::size_t kSkylightPaneText = 43; // the same for skylights
constexpr int kMaxPanes = 3;

struct FloorGap {
    std::string_view pair;
    double first;  // m2K/W
    double second; // m2K/W
};

// The wall gap pairs of an insulation row's gap codes 1..4.
std::string WallGap(long long code) {
    switch (code) {
    case 1:
        return "508  40";
    case 2:
        return "513  40";
    case 3:
        return "512  40";
    case 4:
        return "510  40";
    default:
        return {};
    }
}

FloorGap FloorGapOf(long long code) {
    switch (code) {
    case 1:
        return {"529  90", 0.149, 0.192};
    case 2:
        return {"534  90", 0.461, 1.514};
    case 3:
        return {"533  90", 0.407, 1.051};
    case 4:
        return {"531  90", 0.242, 0.38};
    default:
        return {"", 0.0, 0.0};
    }
}

// The gaps of a floor between levels: their pairs and fixed resistances (materials 529, 534, 536
// and 541 of the material file).
FloorGap IntFloorGapOf(long long code) {
    switch (code) {
    case 1:
        return {"529  90", 0.149, 0.192};
    case 2:
        return {"534  90", 0.461, 1.514};
    case 3:
        return {"536  40", 0.145, 0.180};
    case 4:
        return {"541  40", 0.422, 1.0};
    default:
        return {"", 0.0, 0.0};
    }
}

// The covering's layer on a floor of resistance `up` for heat flowing up and `down` for heat flowing
// down (m2K/W): one layer of bulk insulation carrying the mean of what the covering adds in the two
// directions; empty when it adds nothing.
std::string CoveringPair(Scratch& s, const MaterialTable& cover, double up, double down) {
    const double rc1 = cover.FieldAsFloat("R1") * cover.FieldAsFloat("D1") / 1000.0; // m2K/W
    const double rc2 = cover.FieldAsFloat("R2") * cover.FieldAsFloat("D2") / 1000.0; // m2K/W
    const double a1 = cover.FieldAsFloat("A1");
    const double a2 = cover.FieldAsFloat("A2");
    const double ra = CoveringResistance(a2, a1, up, rc2, rc1);
    const double rb2 = CoveringResistance(a2, a1, down, rc2, rc1);
    if (ra + rb2 == 0.0) return {};
    return LayerPair(kBulkInsulationMaterial,
                     common::roundHalfEvenToInt((ra + rb2) * 500.0 / kBulkInsulationResistivity), s.Element);
}

std::string Gap(Scratch& s, long long code, int width) {
    if (code < 1 || code > 4) return {};
    return AirGapMaterial(s, width, kPlainEmittance, GapCodeEmittance(code));
}

long long Thickness(const MaterialTable& table, std::string_view field) {
    return common::roundHalfEvenToInt(table.FieldAsFloat(field));
}

std::string Pair(Scratch& s, const MaterialTable& table, std::string_view code, std::string_view thickness) {
    return LayerPair(table.FieldAsInteger(code), Thickness(table, thickness), s.Element);
}

// The bulk R of an element (the row's AddR and, when the row shows it, the element's added R) and the
// insulation name with the added R in front.
struct Bulk {
    double r = 0.0; // m2K/W
    std::string name;
};

Bulk BulkOf(Scratch& s, const MaterialTable& insulation, bool hasAddR) {
    const bool showR = insulation.FieldAsBoolean("ShowR");
    const double added = showR ? s.buffers.ElementAddedR : 0.0; // m2K/W
    Bulk bulk;
    bulk.r = (hasAddR ? insulation.FieldAsFloat("AddR") : 0.0) + added;
    const std::string prefix = added != 0.0 ? "R " + ShortestDecimal(added) : std::string();
    bulk.name = prefix + " " + insulation.FieldAsString("Insulation Description");
    return bulk;
}

// External and internal walls share their layers and gaps; they differ in the cavity-brick record
// and in the order of an uninsulated single-leaf wall.  The layer whose thickness the user sets (the
// first for "TI" 0, 1 and 3, the second for 2 and 4) takes the wall's stored thickness, EditThickness,
// as the wall editor counts it; a wall without a thickness is refused.
void BuildWall(Scratch& s, const MaterialTable& material, const MaterialTable& insulation,
               int cavityBrickRecord, bool external) {
    const long long ti = material.FieldAsInteger("TI");
    const long long t = common::roundHalfEvenToInt(s.buffers.EditThickness); // mm
    if (ti >= 0 && ti <= 4 && !(t > 0))
        throw ScratchError(s.Element + ": its thickness of " + ShortestDecimal(s.buffers.EditThickness) +
                           " mm is not above 0; give the wall its thickness in its editor");
    const long long m1 = material.FieldAsInteger("M1");
    const long long m2 = material.FieldAsInteger("M2");
    const long long m3 = material.FieldAsInteger("M3");
    std::string l1, l2, l3;
    switch (ti) {
    case 0:
        l1 = LayerPair(m1, t, s.Element);
        break;
    case 1:
        l1 = LayerPair(m1, t, s.Element);
        l2 = LayerPair(m2, Thickness(material, "D2"), s.Element);
        break;
    case 2:
        l1 = LayerPair(m1, Thickness(material, "D1"), s.Element);
        l2 = LayerPair(m2, t, s.Element);
        break;
    case 3:
        l1 = LayerPair(m1, t, s.Element);
        l2 = LayerPair(m2, t, s.Element);
        break;
    case 4:
        l1 = LayerPair(m1, Thickness(material, "D1"), s.Element);
        l2 = LayerPair(m2, t, s.Element);
        l3 = LayerPair(m3, Thickness(material, "D3"), s.Element);
        break;
    default:
        break;
    }
    const long long g0 = insulation.FieldAsInteger("G0");
    std::string a = WallGap(g0);
    std::string b = WallGap(insulation.FieldAsInteger("G1"));
    std::string c = WallGap(insulation.FieldAsInteger("G2"));
    if (!material.FieldAsBoolean("AS")) a.clear();
    const bool singleLeaf = ti == 0 || ti == 4;
    if (singleLeaf && g0 == 0) a.clear(), b.clear(), c.clear();
    if (insulation.FieldAsFloat("AddR") > 0.0 && material.RecNo() == cavityBrickRecord) a = kFoilBoardGap;
    const Bulk bulk = BulkOf(s, insulation, true);
    const std::string d = BulkInsulationPair(bulk.r, s.Element);

    if (!singleLeaf)
        s.CurrentLayers = l1 + a + b + c + d + l2 + l3;
    else if (!external || s.WriterInsulated)
        s.CurrentLayers = a + b + c + d + l1 + l2 + l3;
    else
        s.CurrentLayers = l1 + d + l2 + l3 + a + b + c;
    if (external && s.WriterBeyond == 3) s.CurrentLayers = std::string(kEarthLayers) + s.CurrentLayers;
    s.CurrentName1 = material.FieldAsString("Material Description");
    s.CurrentName2 = bulk.name;
}

std::string Repeat(std::string_view piece, long long times) {
    std::string text;
    for (long long i = 0; i < times; ++i) text += piece;
    return text;
}

std::string PaneText(std::string_view pane, std::int32_t paneCount, std::size_t width) {
    std::string text = "   ";
    if (paneCount >= 1 && paneCount <= kMaxPanes) text += Repeat(pane, paneCount);
    text.resize(width, ' ');
    return text;
}

} // namespace

std::string LayerPair(long long material, long long thickness, std::string_view element) {
    return CardText(std::string(element)).integer(material, 3).integer(thickness, 4).str();
}

std::string BulkInsulationPair(double r, std::string_view element) {
    if (r == 0.0) return {};
    return LayerPair(kBulkInsulationMaterial,
                     common::roundHalfEvenToInt(r * 1000.0 / kBulkInsulationResistivity), element);
}

void BuildWindowGlazing(Scratch& s) {
    const CustWinType& p = s.model.WindowProducts(s.WriterWindowProduct);
    s.CurrentLayers = CardText(s.Element, PaneText(" 25   4", p.PaneCount, kWindowPaneText))
                          .text("1")
                          .field(p.ProductCode, 11)
                          .real(p.FrameU, 7, 2)
                          .real(1.0 - p.GlassFraction, 7, 2)
                          .real(0.5, 7, 2)
                          .str();
}

void BuildSkylightGlazing(Scratch& s) {
    const CustSkyType& p = s.model.SkylightProducts(s.buffers.SkylightProductIndex);
    s.CurrentLayers = CardText(s.Element, PaneText(" 36   3", p.PaneCount, kSkylightPaneText))
                          .integer(p.SystemNumber, 2)
                          .text("      1")
                          .field(p.ProductCode, 11)
                          .real(p.FrameU, 7, 2)
                          .real(1.0 - p.GlassFraction, 7, 2)
                          .str();
}

void BuildDoor(Scratch& s) {
    const MaterialTable& door = s.tables.DoorForm.DoorTable;
    if (door.FieldAsInteger("M1") == 0) return;
    s.CurrentLayers = Pair(s, door, "M1", "D1");
    if (door.FieldAsInteger("M2") != 0)
        s.CurrentLayers += std::string(kDoorLeafGap) + Pair(s, door, "M2", "D2");
    s.CurrentName1 = "External Door" + door.FieldAsString("Material Description");
}

void BuildExtWall(Scratch& s) {
    BuildWall(s, s.tables.ExtWallForm.materialstable, s.tables.ExtWallForm.insulationtable, kCavityBrickWall,
              true);
}

void BuildIntWall(Scratch& s) {
    BuildWall(s, s.tables.IntWallForm.materialstable, s.tables.IntWallForm.insulationtable,
              kCavityBrickIntWall, false);
}

double CoveringResistance(double a2, double a1, double r, double r2, double r1) {
    const double g = r1 + r;
    const double h = r + r2;
    const double divisor = g * a2 + h * a1;
    if (divisor == 0.0) return 0.0;
    return g * h * (a1 + a2) / divisor - r;
}

void BuildExtFloor(Scratch& s) {
    const MaterialTable& material = s.tables.ExtFloorForm.materialstable;
    const MaterialTable& insulation = s.tables.ExtFloorForm.insulationtable;
    const MaterialTable& cover = s.tables.ExtFloorForm.FloorCoverTable;
    const std::string l = Pair(s, material, "M1", "D1");
    const double rs = material.FieldAsFloat("R1") * material.FieldAsFloat("D1") / 1000.0; // m2K/W
    const FloorGap gap1 = FloorGapOf(insulation.FieldAsInteger("G0"));
    const FloorGap gap2 = FloorGapOf(insulation.FieldAsInteger("G1"));
    const Bulk bulk = BulkOf(s, insulation, true);
    const std::string bulkPair = BulkInsulationPair(bulk.r, s.Element);

    const std::string covering = CoveringPair(s, cover, rs + gap1.first + gap2.first + bulk.r,
                                              rs + gap1.second + gap2.second + bulk.r);

    std::string p2 = s.WriterFloorVent != 0 ? std::string(kNoLayer) : std::string();
    std::string p1;
    if (material.FieldAsBoolean("UB")) p2.clear();
    if (material.FieldAsInteger("Material Number") == 1) {
        for (int z = 1; z <= s.model.ZoneCount; ++z)
            if (s.model.Zones(z).ZoneType == 5) p1 = kSlabUnderGarage;
        p2 = kNoLayer;
    }
    s.CurrentLayers = p2 + p1 + std::string(gap1.pair) + bulkPair + std::string(gap2.pair) + l + covering;
    s.CurrentLayersReversed =
        covering + l + std::string(gap2.pair) + bulkPair + std::string(gap1.pair) + p1 + p2;
    s.CurrentName1 = material.FieldAsString("Material Description");
    s.CurrentName2 = bulk.name;
    s.CurrentCoverName = cover.FieldAsString("Material Description");
}

void BuildRoof(Scratch& s) {
    if (s.WriterRoofSpace == 4) return;
    const MaterialTable& material = s.tables.RoofForm.materialstable;
    const MaterialTable& insulation = s.tables.RoofForm.insulationtable;
    const std::string l = Pair(s, material, "M1", "D1");
    const long long g0 = insulation.FieldAsInteger("G0");
    // A dusty first gap (Gd) is plain whatever its code.
    const std::string gap1 =
        Gap(s, material.FieldAsBoolean("Gd") && g0 >= 1 && g0 <= 4 ? 1 : g0, kRoofGap1Width);
    const std::string gap2 = Gap(s, insulation.FieldAsInteger("G1"), kGapWidth);
    const Bulk bulk = BulkOf(s, insulation, true);
    const std::string bulkPair = BulkInsulationPair(bulk.r, s.Element);
    if (s.WriterRoofSpace == 3) {
        // The lining seen from the room: plain, foil, or a lining of emittance 0.15.
        const double lining = RoofLiningEmittance(insulation.FieldAsInteger("GR"));
        std::string grGap;
        if (lining > 0.0) grGap = AirGapMaterial(s, kGapWidth, kPlainEmittance, lining);
        s.CurrentLayers = l + gap1 + gap2 + bulkPair + grGap;
    } else {
        s.CurrentLayers = l + gap1 + gap2 + bulkPair + std::string(kNoLayer);
    }
    s.CurrentName1 = material.FieldAsString("Material Description");
    s.CurrentName2 = bulk.name;
}

void BuildCeiling(Scratch& s) {
    const MaterialTable& material = s.tables.CeilingForm.materialstable;
    const MaterialTable& insulation = s.tables.CeilingForm.insulationtable;
    const std::string l1 = Pair(s, material, "M1", "D1");
    std::string gap, l2;
    if (material.FieldAsInteger("L") == 2) {
        gap = AirGapMaterial(s, kGapWidth, kPlainEmittance, kPlainEmittance);
        l2 = Pair(s, material, "M2", "D2");
    }
    const std::string a = Gap(s, insulation.FieldAsInteger("G0"), kGapWidth);
    const std::string b = Gap(s, insulation.FieldAsInteger("G1"), kGapWidth);
    const Bulk bulk = BulkOf(s, insulation, true);
    const std::string bulkPair = BulkInsulationPair(bulk.r, s.Element);
    const std::string inner = a + bulkPair + b + l1 + gap + l2;
    s.CurrentLayers = s.WriterRoofSpace == 3 ? inner : std::string(kNoLayer) + inner;
    s.CurrentLayersReversed = l2 + gap + l1 + b + bulkPair + a + std::string(kNoLayer);
    s.CurrentName1 = material.FieldAsString("Material Description");
    s.CurrentName2 = bulk.name;
}

void BuildRoofWithCeiling(Scratch& s, int zone) {
    PositionRoof(s, zone);
    BuildRoof(s);
    const std::string roofLayers = s.CurrentLayers;
    const std::string roofNames = s.CurrentName1 + "  " + s.CurrentName2;
    PositionCeiling(s, zone);
    BuildCeiling(s);
    s.CurrentLayers = roofLayers + s.CurrentLayers;
    s.CurrentName1 = roofNames + "  " + s.CurrentName1 + " " + s.CurrentName2;
}

void BuildIntCeiling(Scratch& s) {
    const MaterialTable& material = s.tables.IntCeilingForm.materialstable;
    const MaterialTable& insulation = s.tables.IntCeilingForm.insulationtable;
    const std::string l1 = Pair(s, material, "M1", "D1");
    const std::string l2 = material.FieldAsInteger("M2") != 0 ? Pair(s, material, "M2", "D2") : std::string();
    const long long g = insulation.FieldAsInteger("G");
    // A construction without a cavity takes only the reflective gap on battens (code 4).
    const FloorGap gap =
        material.FieldAsInteger("G") != 0 || g == 4 ? IntFloorGapOf(g) : FloorGap{"", 0.0, 0.0};
    const Bulk bulk = BulkOf(s, insulation, false);
    const std::string bulkPair = BulkInsulationPair(bulk.r, s.Element);
    // The covering of the zone above lies on the floor side, the side the layer text starts from.
    std::string covering;
    s.CurrentCoverName.clear();
    if (s.WriterUpperZone != 0) {
        double floorR = material.FieldAsFloat("R1") * material.FieldAsFloat("D1") / 1000.0; // m2K/W
        if (material.FieldAsInteger("M2") != 0)
            floorR += material.FieldAsFloat("R2") * material.FieldAsFloat("D2") / 1000.0;
        const MaterialTable& cover = s.tables.FloorCoverForm.FloorCoverTable;
        covering = CoveringPair(s, cover, floorR + gap.first + bulk.r, floorR + gap.second + bulk.r);
        if (!covering.empty()) s.CurrentCoverName = cover.FieldAsString("Material Description");
    }
    const std::string gapPair(gap.pair);
    s.CurrentLayers = covering + l1 + gapPair + bulkPair + l2;
    s.CurrentLayersReversed = l2 + bulkPair + gapPair + l1 + covering;
    s.CurrentName1 = material.FieldAsString("Material Description");
    s.CurrentName2 = bulk.name;
}

} // namespace pelmora
