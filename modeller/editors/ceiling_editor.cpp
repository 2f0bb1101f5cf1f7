#include "modeller/editors/ceiling_editor.h"

#include "modeller/model/common_floor_area.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

bool Lists(const SharedZoneList& zones, int zone) {
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
        if (zones(slot) == zone) return true;
    return false;
}

std::string ZoneTypeText(std::int32_t type) {
    if (type < 0 || type >= static_cast<std::int32_t>(ceiling_text::kZoneTypes.size())) return {};
    return std::string(ceiling_text::kZoneTypes[static_cast<std::size_t>(type)]);
}

} // namespace

std::string ShareLimitText(int unlisted) {
    return "Only " + std::to_string(kSharedZoneSlots) +
           " zones can share a roof space: " + std::to_string(unlisted) +
           (unlisted == 1 ? " zone" : " zones") + " of this level " + (unlisted == 1 ? "is" : "are") +
           " not listed";
}

CeilingEditor::CeilingEditor(EditorContext& context)
    : SlopedEditor(context, EditorKind::Ceiling, context.tables.CeilingForm.materialstable,
                   context.tables.CeilingForm.insulationtable, PaletteKeys{"CM", "CI", 10}) {
    Caption = std::string(ceiling_text::kDesignCaption);
    AboveRG.OnClick([this] { AboveRGClick(); });
}

double CeilingEditor::ComputeCeilingArea(bool refresh) {
    const int zone = selection_.CurrentZone;
    const int level = model_.Zones(zone).Level;
    double covered = 0.0; // m2 under zones of the level above
    if (level < model_.LevelCount) {
        if (refresh) CommonArea(model_, level, level + 1);
        for (int i = 1; i <= model_.ZoneCount; ++i)
            if (model_.Zones(i).Level == level + 1) covered += model_.CommonFloorArea(i, zone);
    }
    return model_.Zones(zone).FloorArea - covered;
}

void CeilingEditor::SetValues() {
    if (DefaultsMode()) {
        const TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        ShowDefaultsFrame();
        AreaLabelVisible = false;
        SharePanelVisible = false;
        ShareRows.clear();
        ++ShareRowsVersion;
        ShareLimitLabel.clear();
        CeilingArea = 0.0;
        materialstable.MoveTo(d.DefCeilingMaterial);
        insulationtable.MoveTo(d.DefCeilingInsulation);
        AboveRG.SetItemIndex(d.DefCeilingRoofSpace);
        buffers_.EditAddedR = d.DefCeilingAddedR;
        buffers_.EditSlope = d.DefCeilingSlope;
    } else {
        const int zone = selection_.CurrentZone;
        const TCeilingRec& c = model_.ZoneCeilings(zone);
        CeilingArea = ComputeCeilingArea(true);
        ShowElementFrame("Ceiling for Zone " + std::to_string(zone) + "  " + model_.Zones(zone).Name);
        AreaLabelVisible = true;
        SharePanelVisible = true;
        materialstable.MoveTo(c.Material);
        insulationtable.MoveTo(c.Insulation);
        AboveRG.SetItemIndex(c.RoofSpace);
        buffers_.EditAddedR = c.AddedR;
        buffers_.EditSlope = c.Slope;
        InstallCheckbox();
        InitCB();
    }
    ShowBuffers();
}

void CeilingEditor::ShowBuffers() {
    ShowAddedR();
    PaintBoxTilt.ShowSlope(); // ends with CalcRvalue
}

void CeilingEditor::CalcRvalue() {
    if (!materialstable.Active() || !insulationtable.Active()) return;
    // A row of one or two layers; with any other count the labels keep their text and count 0.
    const long long layers = materialstable.Integer("L");
    UpDownR material;
    switch (layers) {
    case 1: {
        const double r = LayerResistance(materialstable.Float("R1"), materialstable.Float("D1"));
        material = {r, r};
        break;
    }
    case 2: {
        // The two layers enclose a plain air gap.
        const double r = LayerResistance(materialstable.Float("R1"), materialstable.Float("D1")) +
                         LayerResistance(materialstable.Float("R2"), materialstable.Float("D2"));
        const GapResistances gap = Gap(1, kCeilingLayerGap);
        material = {r + gap.Up, r + gap.Down};
        break;
    }
    default:
        material = {};
        break;
    }
    if (layers == 1 || layers == 2) {
        RmUpLabel = SlopedLabel("Ru  ", material.Up);
        RmDnLabel = SlopedLabel("Rd  ", material.Down);
    }

    const SlopedInsulationRow insulation = ReadSlopedInsulation(insulationtable);
    const GapResistances g0 = Gap(insulation.G0, kCeilingInsulationGap);
    const GapResistances g1 = Gap(insulation.G1, kCeilingInsulationGap);
    const double bulk = BulkResistance(insulation.AddR, rpanelVisible, buffers_.EditAddedR);
    RuiLabel = SlopedLabel("Ru  ", g0.Up + g1.Up + bulk);
    RdiLabel = SlopedLabel("Rd  ", g0.Down + g1.Down + bulk);
    const double rtu = material.Up + g0.Up + g1.Up + bulk;
    const double rtd = material.Down + g0.Down + g1.Down + bulk;
    RTotUpLabel = SlopedLabel("Rtu  ", rtu);
    RTotDnLabel = SlopedLabel("Rtd  ", rtd);

    if (DefaultsMode()) {
        UAUpLabel = SlopedLabel("Uu  ", 1.0 / (rtu + kCeilingSurfaceR));
        UADnLabel = SlopedLabel("Ud  ", 1.0 / (rtd + kCeilingSurfaceR));
        AreaLabel.clear();
        return;
    }
    SlopedCeilingArea = CeilingArea / std::cos(buffers_.EditSlope * std::numbers::pi / 180.0);
    AreaLabel = "Area   " + FixedText(SlopedCeilingArea, 2);
    UAUpLabel = SlopedLabel("UAu  ", SlopedCeilingArea / (rtu + kCeilingSurfaceR));
    UADnLabel = SlopedLabel("UAd  ", SlopedCeilingArea / (rtd + kCeilingSurfaceR));
    SharePanelVisible = AboveRG.ItemIndex() != kAboveAnotherApartment;
}

void CeilingEditor::AboveRGClick() {
    CalcRvalue();
}

void CeilingEditor::InstallCheckbox() {
    ShareRows.clear();
    ++ShareRowsVersion;
    ShareLimitLabel.clear();
    const int current = selection_.CurrentZone;
    const int level = model_.Zones(current).Level;
    std::vector<int> onLevel;
    for (int z = 1; z <= model_.ZoneCount; ++z)
        if (model_.Zones(z).Level == level) onLevel.push_back(z);

    std::vector<int> listed;
    if (static_cast<int>(onLevel.size()) <= kSharedZoneSlots) {
        listed = onLevel;
    } else {
        // The current zone and the zones already sharing its roof space first, so that every one of
        // them can be unticked; then the others in zone order while there is room.
        const auto take = [&](int z) {
            if (static_cast<int>(listed.size()) < kSharedZoneSlots &&
                std::find(listed.begin(), listed.end(), z) == listed.end())
                listed.push_back(z);
        };
        take(current);
        const SharedZoneList& shared = model_.ZoneCeilings(current).SharedZones;
        for (int z : onLevel)
            if (Lists(shared, z)) take(z);
        for (int z : onLevel) take(z);
        std::sort(listed.begin(), listed.end());
        ShareLimitLabel = ShareLimitText(static_cast<int>(onLevel.size() - listed.size()));
    }
    for (int z : listed) {
        const TZoneRec& zone = model_.Zones(z);
        ShareRows.push_back(
            ShareRow{z, std::to_string(z), zone.Name, false, true, zone.Colour, ZoneTypeText(zone.ZoneType)});
    }
}

void CeilingEditor::InitCB() {
    const int current = selection_.CurrentZone;
    const SharedZoneList& shared = model_.ZoneCeilings(current).SharedZones;
    for (ShareRow& row : ShareRows) {
        row.Checked = Lists(shared, row.Zone);
        row.CheckVisible = row.Zone != current;
    }
}

void CeilingEditor::ShareCheckClick(int row, bool checked) {
    if (row < 0 || row >= static_cast<int>(ShareRows.size())) return;
    ShareRows[static_cast<std::size_t>(row)].Checked = checked;
}

void CeilingEditor::CombineButtonClick() {
    for (ShareRow& row : ShareRows) row.Checked = true;
}

void CeilingEditor::SeparateButtonClick() {
    for (ShareRow& row : ShareRows) row.Checked = false;
}

void CeilingEditor::ProcessCB() {
    const int current = selection_.CurrentZone;
    const int level = model_.Zones(current).Level;
    const SharedZoneList old = model_.ZoneCeilings(current).SharedZones;
    SharedZoneList added{};
    int count = 0;
    for (const ShareRow& row : ShareRows) {
        // There are never more rows than slots.
        if ((row.Checked || row.Zone == current) && count < kSharedZoneSlots) added(++count) = row.Zone;
    }
    if (!Lists(added, current) && count < kSharedZoneSlots) added(++count) = current;

    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != level) continue;
        SharedZoneList& p = model_.ZoneCeilings(z).SharedZones;
        if (Lists(added, z)) {
            p = added;
        } else if (Lists(old, z)) {
            for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
                if (p(slot) != 0 && Lists(old, p(slot))) p(slot) = 0;
            p(1) = z;
        } else {
            for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
                if (p(slot) != 0 && Lists(added, p(slot))) p(slot) = 0;
        }
    }
}

void CeilingEditor::ChangeRoofValues(int z) {
    if (z < 1 || z > model_.ZoneCount) return;
    model_.ZoneCeilings(z).RoofSpace = AboveRG.ItemIndex();
    const TRoofRec& from = model_.ZoneRoofs(selection_.CurrentZone);
    TRoofRec& to = model_.ZoneRoofs(z);
    to.Material = from.Material;
    to.Insulation = from.Insulation;
    to.RoofColour = from.RoofColour;
    to.Absorptance = from.Absorptance;
    to.AddedR = from.AddedR;
    to.Slope = from.Slope;
    to.RoofSpace = from.RoofSpace;
}

bool CeilingEditor::StoreValues() {
    const int above = AboveRG.ItemIndex();
    if (DefaultsMode()) {
        TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        d.DefCeilingMaterial = materialstable.RecNo();
        d.DefCeilingInsulation = insulationtable.RecNo();
        d.DefCeilingAddedR = buffers_.EditAddedR;
        d.DefCeilingSlope = buffers_.EditSlope;
        d.DefCeilingRoofSpace = above;
        d.DefRoofSpace = above;
        return true;
    }
    const int zone = selection_.CurrentZone;
    TCeilingRec& c = model_.ZoneCeilings(zone);
    c.Material = materialstable.RecNo();
    c.Insulation = insulationtable.RecNo();
    c.AddedR = buffers_.EditAddedR;
    c.Slope = buffers_.EditSlope;
    c.RoofSpace = above;
    model_.ZoneRoofs(zone).RoofSpace = above;
    ProcessCB();
    const SharedZoneList group = model_.ZoneCeilings(zone).SharedZones;
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
        if (group(slot) != 0) ChangeRoofValues(group(slot));
    return true;
}

void CeilingEditor::CopyValues() {
    context_.clipboard.Ceiling = CeilingCopy{materialstable.RecNo(), insulationtable.RecNo(),
                                             AboveRG.ItemIndex(), buffers_.EditAddedR, buffers_.EditSlope};
}

void CeilingEditor::PasteValues() {
    const CeilingCopy& copy = context_.clipboard.Ceiling;
    materialstable.MoveTo(copy.Material);
    insulationtable.MoveTo(copy.Insulation);
    AboveRG.SetItemIndex(copy.Above);
    buffers_.EditAddedR = copy.AddedR;
    buffers_.EditSlope = copy.Slope;
    ShowBuffers();
}

} // namespace pelmora
