#include "modeller/editors/roof_editor.h"

#include "modeller/model/building_physics.h"
#include "modeller/model/common_floor_area.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelmora {

RoofEditor::RoofEditor(EditorContext& context)
    : SlopedEditor(context, EditorKind::Roof, context.tables.RoofForm.materialstable,
                   context.tables.RoofForm.insulationtable, PaletteKeys{"RM", "RI", 0}) {
    Caption = std::string(roof_text::kDesignCaption);
    RoofVentRG.OnClick([this] { RoofVentRGClick(); });
    RoofShapeRG.OnClick([this] { RoofShapeRGClick(); });
}

std::vector<int> RoofEditor::GroupZones() const {
    std::vector<int> zones;
    const SharedZoneList& shared = model_.ZoneCeilings(selection_.CurrentZone).SharedZones;
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot) {
        const int z = shared(slot);
        if (z >= 1 && z <= model_.ZoneCount) zones.push_back(z);
    }
    return zones;
}

void RoofEditor::FindZonesAndAreas() {
    GroupText.clear();
    GroupArea = 0.0;
    for (int z : GroupZones()) {
        GroupText += " " + std::to_string(z);
        GroupArea += model_.Zones(z).FloorArea;
    }
}

void RoofEditor::ReadShowData() {
    CalcAllCommonArea(model_);
    if (!DefaultsMode()) FindZonesAndAreas();
    SlopedEditor::ReadShowData();
}

void RoofEditor::SetValues() {
    if (DefaultsMode()) {
        const TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        ShowDefaultsFrame();
        AreaLabelVisible = false;
        VolumeLabelVisible = false;
        materialstable.MoveTo(d.DefRoofMaterial);
        insulationtable.MoveTo(d.DefRoofInsulation);
        buffers_.EditAddedR = d.DefRoofAddedR;
        RoofVentRG.SetItemIndex(d.DefRoofSpace);
        RoofShapeRG.SetItemIndex(d.DefRoofShape);
        TakeColour(d.DefRoofColour);
        buffers_.EditSlope = d.DefRoofSlope;
    } else {
        const int zone = selection_.CurrentZone;
        const TRoofRec& r = model_.ZoneRoofs(zone);
        FindZonesAndAreas();
        // The caption lists every zone of the roof space.
        ShowElementFrame("Roof for Zone " + GroupText + "  " + model_.Zones(zone).Name);
        AreaLabelVisible = true;
        VolumeLabelVisible = true;
        materialstable.MoveTo(r.Material);
        insulationtable.MoveTo(r.Insulation);
        buffers_.EditAddedR = r.AddedR;
        RoofVentRG.SetItemIndex(r.RoofSpace);
        RoofShapeRG.SetItemIndex(r.RoofShape);
        TakeColour(r.RoofColour);
        buffers_.EditSlope = r.Slope;
    }
    ShowBuffers();
}

void RoofEditor::ShowBuffers() {
    RoofPicture = RoofShapeLines(RoofShapeRG.ItemIndex());
    ShowAddedR();
    PaintBoxTilt.ShowSlope(); // ends with CalcRvalue
}

void RoofEditor::CalcGeometry() {
    const std::vector<int> zones = GroupZones();
    bool first = true;
    int minX = 0, maxX = 0, minY = 0, maxY = 0; // px
    for (int z : zones) {
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            const TPlanPoint p = model_.Walls(z, w).Start;
            minX = first ? p.X : std::min(minX, p.X);
            maxX = first ? p.X : std::max(maxX, p.X);
            minY = first ? p.Y : std::min(minY, p.Y);
            maxY = first ? p.Y : std::max(maxY, p.Y);
            first = false;
        }
    }
    const double scale = 20.0 * model_.Magnification; // px per metre
    const double a = (maxX - minX) / scale;           // m
    const double b = (maxY - minY) / scale;           // m
    EffectiveWidth = EffectiveRoofWidth(a, b, GroupArea);

    // The part of the group's floor that the level above covers has no roof.
    const int level = model_.Zones(selection_.CurrentZone).Level;
    double covered = 0.0; // m2
    if (level < model_.LevelCount) {
        for (int v = 1; v <= model_.ZoneCount; ++v) {
            if (model_.Zones(v).Level != level + 1) continue;
            for (int u : zones) covered += model_.CommonFloorArea(v, u);
        }
    }
    HorizontalArea = GroupArea - covered;

    const double slope = buffers_.EditSlope;
    const int shape = RoofShapeRG.ItemIndex();
    if (RoofVentRG.ItemIndex() == kRoofUnventedNoCavity || shape < 0 || shape >= kRoofShapeCount) {
        RoofArea = HorizontalArea / std::cos(slope * std::numbers::pi / 180.0);
        RoofSpaceVolume = 0.0;
        return;
    }
    const RoofShapeFigures f =
        RoofShapeGeometry(static_cast<RoofShapeKind>(shape), HorizontalArea, EffectiveWidth, slope);
    RoofArea = f.RoofArea;
    RoofSpaceVolume = f.Volume;
}

void RoofEditor::CalcRvalue() {
    if (!materialstable.Active() || !insulationtable.Active()) return;
    if (!DefaultsMode()) CalcGeometry();

    const double rm = LayerResistance(materialstable.Float("R1"), materialstable.Float("D1"));
    RumLabel = SlopedLabel("Ru  ", rm);
    RdmLabel = SlopedLabel("Rd  ", rm);

    const SlopedInsulationRow insulation = ReadSlopedInsulation(insulationtable);
    // Under a roofing that gathers dust ("Gd") the first gap is a plain one whatever its code.
    const bool dusty = materialstable.Boolean("Gd");
    const long long firstCode = dusty && insulation.G0 >= 2 && insulation.G0 <= 4 ? 1 : insulation.G0;
    const GapResistances g0 = Gap(firstCode, kRoofFirstGap);
    const GapResistances g1 = Gap(insulation.G1, kRoofSecondGap);
    const double bulk = BulkResistance(insulation.AddR, rpanelVisible, buffers_.EditAddedR);
    // A roof without a roof space lies on its ceiling over a 40 mm gap faced by its lining ("GR").
    GapResistances lining;
    const double liningEmittance = RoofLiningEmittance(insulation.GR);
    if (RoofVentRG.ItemIndex() == kRoofUnventedNoCavity && liningEmittance > 0.0) {
        AirGapResistance(model_, 0, kRoofSecondGap, kPlainEmittance, liningEmittance, buffers_.EditSlope);
        lining = {model_.AirGapResistanceUp, model_.AirGapResistanceDown};
    }
    RuiLabel = SlopedLabel("Ru  ", g0.Up + g1.Up + bulk + lining.Up);
    RdiLabel = SlopedLabel("Rd  ", g0.Down + g1.Down + bulk + lining.Down);
    RTotUpLabel = SlopedLabel("Rtu  ", rm + g0.Up + g1.Up + bulk + lining.Up);
    RTotDnLabel = SlopedLabel("Rtd  ", rm + g0.Down + g1.Down + bulk + lining.Down);

    if (DefaultsMode()) {
        AreaLabel.clear();
        VolumeLabel.clear();
    } else {
        AreaLabel = "A  " + FixedText(RoofArea, 2);
        VolumeLabel = "V  " + FixedText(RoofSpaceVolume, 2);
    }
    if (RoofVentRG.ItemIndex() == kRoofNeighbourNoRoof) {
        AreaLabel.clear();
        VolumeLabel.clear();
        RTotUpLabel.clear();
        RTotDnLabel.clear();
    }
}

void RoofEditor::RoofVentRGClick() {
    ClosePalette();
    CalcRvalue();
}

void RoofEditor::RoofShapeRGClick() {
    ClosePalette();
    RoofPicture = RoofShapeLines(RoofShapeRG.ItemIndex());
    CalcRvalue();
}

void RoofEditor::TakeColour(std::int32_t colour) {
    EditRoofColour = colour;
    ALabel = AbsorptanceLabel(colour);
}

void RoofEditor::colourpanelClick() {
    ClosePalette();
    if (!ColorDialog1) return;
    if (const auto chosen = ColorDialog1(EditRoofColour)) TakeColour(*chosen);
}

void RoofEditor::DarkPClick() {
    ClosePalette();
    TakeColour(kDarkRoofColour);
}

void RoofEditor::MedPClick() {
    ClosePalette();
    TakeColour(kMediumRoofColour);
}

void RoofEditor::LightPClick() {
    ClosePalette();
    TakeColour(kLightRoofColour);
}

void RoofEditor::ChangeRoofValues(int z) {
    if (z < 1 || z > model_.ZoneCount) return;
    TRoofRec& roof = model_.ZoneRoofs(z);
    roof.Material = materialstable.RecNo();
    roof.Insulation = insulationtable.RecNo();
    roof.RoofColour = EditRoofColour;
    roof.Absorptance = ColourToAbsorptance(EditRoofColour);
    roof.AddedR = buffers_.EditAddedR;
    roof.Slope = buffers_.EditSlope;
    roof.RoofSpace = RoofVentRG.ItemIndex();
    roof.RoofShape = RoofShapeRG.ItemIndex();
    model_.ZoneCeilings(z).RoofSpace = RoofVentRG.ItemIndex();
}

bool RoofEditor::StoreValues() {
    const auto gapCode = static_cast<std::int32_t>(insulationtable.Integer("GR"));
    const int vent = RoofVentRG.ItemIndex();
    if (DefaultsMode()) {
        TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        d.DefRoofMaterial = materialstable.RecNo();
        d.DefRoofInsulation = insulationtable.RecNo();
        d.DefRoofGapCode = gapCode;
        d.DefRoofColour = EditRoofColour;
        d.DefRoofAddedR = buffers_.EditAddedR;
        d.DefRoofSlope = buffers_.EditSlope;
        d.DefRoofSpace = vent;
        d.DefRoofShape = RoofShapeRG.ItemIndex();
        d.DefCeilingRoofSpace = vent;
        return true;
    }
    const int zone = selection_.CurrentZone;
    ChangeRoofValues(zone);
    // The gap code follows the insulation of the zone being edited only.
    model_.ZoneRoofs(zone).RoofGapCode = gapCode;
    for (int z : GroupZones()) ChangeRoofValues(z);
    return true;
}

void RoofEditor::CopyValues() {
    context_.clipboard.Roof =
        RoofCopy{materialstable.RecNo(), insulationtable.RecNo(), EditRoofColour,         buffers_.EditAddedR,
                 buffers_.EditSlope,     RoofVentRG.ItemIndex(),  RoofShapeRG.ItemIndex()};
}

void RoofEditor::PasteValues() {
    const RoofCopy& copy = context_.clipboard.Roof;
    materialstable.MoveTo(copy.Material);
    insulationtable.MoveTo(copy.Insulation);
    buffers_.EditAddedR = copy.AddedR;
    RoofVentRG.SetItemIndex(copy.Ventilation);
    RoofShapeRG.SetItemIndex(copy.Shape);
    TakeColour(copy.Colour);
    buffers_.EditSlope = copy.Slope;
    ShowBuffers();
}

} // namespace pelmora
