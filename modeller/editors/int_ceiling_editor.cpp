#include "modeller/editors/int_ceiling_editor.h"

#include "common/rounding.h"
#include "modeller/editors/wall_editor.h"
#include "modeller/model/common_floor_area.h"

namespace pelmora {

namespace {

// The fixed resistances of the air gap of an insulation code, heat flowing up and down (m2K/W).
GapResistances IntCeilingGap(long long code) {
    switch (code) {
    case 1:
        return {0.149, 0.192};
    case 2:
        return {0.461, 1.514};
    case 3:
        return {0.145, 0.180};
    case 4:
        return {0.422, 1.0};
    default:
        return {};
    }
}

bool specialKind(long long code) {
    return code == 3 || code == 4;
}

} // namespace

IntCeilingResistances IntCeilingRValues(const IntCeilingMaterialRow& material, long long insulationGap,
                                        bool showR, double addedR) {
    IntCeilingResistances r;
    r.Rm = LayerResistance(material.R1, material.D1) + LayerResistance(material.R2, material.D2);
    // A construction without a cavity (its "G" 0) still takes the reflective foil on battens, a 40 mm
    // gap of code 4 laid over it.
    const bool onBattens = material.G == 0 && insulationGap == 4;
    const bool gapCounts =
        onBattens || (material.G != 0 && !(specialKind(material.G) && specialKind(insulationGap)));
    if (gapCounts) {
        const GapResistances gap = IntCeilingGap(insulationGap);
        r.GapUp = gap.Up;
        r.GapDown = gap.Down;
    }
    r.Bulk = showR ? addedR : 0.0;
    r.TotalUp = r.Rm + r.GapUp + r.Bulk;
    r.TotalDown = r.Rm + r.GapDown + r.Bulk;
    return r;
}

double AreaUnderLevelAbove(HouseModel& model, int zone) {
    const int level = model.Zones(zone).Level;
    if (level >= model.LevelCount) return 0.0;
    CommonArea(model, level, level + 1);
    double area = 0.0; // m2
    for (int i = 1; i <= model.ZoneCount; ++i)
        if (model.Zones(i).Level == level + 1) area += model.CommonFloorArea(i, zone);
    return area;
}

IntCeilingEditor::IntCeilingEditor(EditorContext& context)
    : ElementEditor(context, EditorKind::IntCeiling),
      materialstable(context.tables.IntCeilingForm.materialstable),
      insulationtable(context.tables.IntCeilingForm.insulationtable) {
    Caption = std::string(int_ceiling_text::kDesignCaption);
    addTable(materialstable, [this] { materialsrceDataChange(); });
    addTable(insulationtable, [this] { insulationsrceDataChange(); });
}

void IntCeilingEditor::SetValues() {
    if (DefaultsMode()) {
        const TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        ShowDefaultsFrame();
        materialstable.MoveTo(d.DefIntCeilingMaterial);
        insulationtable.MoveTo(d.DefIntCeilingInsulation);
        EditIntCeilingAddedR = d.DefIntCeilingAddedR;
        SharedArea = 0.0;
    } else {
        const int zone = selection_.CurrentZone;
        ShowElementFrame("Internal Ceiling of Zone " + std::to_string(zone) + "  " + model_.Zones(zone).Name);
        SharedArea = AreaUnderLevelAbove(model_, zone);
        const TIntCeilingRec& ceiling = model_.ZoneIntCeilings(zone);
        materialstable.MoveTo(ceiling.Material);
        insulationtable.MoveTo(ceiling.Insulation);
        EditIntCeilingAddedR = ceiling.AddedR;
    }
    ShowAddedR();
    CalcRvalue();
}

void IntCeilingEditor::ShowAddedR() {
    RLabel = FixedText(EditIntCeilingAddedR, 1);
    // The scroll bar stands at the value the label shows.
    const long long position = common::roundHalfEvenToInt(ReadNumber(RLabel).value_or(0.0) * 10.0);
    Rscroll = static_cast<int>(position < 0 ? 0 : (position > kMaxRscroll ? kMaxRscroll : position));
}

void IntCeilingEditor::insulationsrceDataChange() {
    rpanelVisible = insulationtable.Boolean("ShowR");
    CalcRvalue();
}

void IntCeilingEditor::CalcRvalue() {
    if (!materialstable.Active() || !insulationtable.Active()) return;
    IntCeilingMaterialRow material;
    material.D1 = materialstable.Float("D1");
    material.R1 = materialstable.Float("R1");
    material.D2 = materialstable.Float("D2");
    material.R2 = materialstable.Float("R2");
    material.G = materialstable.Integer("G");
    const IntCeilingResistances r =
        IntCeilingRValues(material, insulationtable.Integer("G"), rpanelVisible, EditIntCeilingAddedR);
    RumLabel = ValueLabel("Ru  ", r.Rm);
    RdmLabel = ValueLabel("Rd  ", r.Rm);
    RuiLabel = ValueLabel("Ru  ", r.GapUp + r.Bulk);
    RdiLabel = ValueLabel("Rd  ", r.GapDown + r.Bulk);
    RTotUpLabel = ValueLabel("Rtu  ", r.TotalUp);
    RTotDnLabel = ValueLabel("Rtd  ", r.TotalDown);
    if (DefaultsMode()) {
        UAUpLabel = ValueLabel("Uu  ", 1.0 / (r.TotalUp + kIntCeilingSurfaceR));
        UADnLabel = ValueLabel("Ud  ", 1.0 / (r.TotalDown + kIntCeilingSurfaceR));
        AreaLabel.clear();
        return;
    }
    AreaLabel = "Area   " + FixedText(SharedArea, 2);
    UAUpLabel = ValueLabel("UAu  ", SharedArea / (r.TotalUp + kIntCeilingSurfaceR));
    UADnLabel = ValueLabel("UAd  ", SharedArea / (r.TotalDown + kIntCeilingSurfaceR));
}

void IntCeilingEditor::RscrollChange(int position) {
    ClosePalette();
    Rscroll = position < 0 ? 0 : (position > kMaxRscroll ? kMaxRscroll : position);
    EditIntCeilingAddedR = Rscroll / 10.0;
    RLabel = FixedText(EditIntCeilingAddedR, 1);
    CalcRvalue();
}

bool IntCeilingEditor::StoreValues() {
    if (DefaultsMode()) {
        TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        d.DefIntCeilingMaterial = materialstable.RecNo();
        d.DefIntCeilingInsulation = insulationtable.RecNo();
        d.DefIntCeilingAddedR = EditIntCeilingAddedR;
        return true;
    }
    TIntCeilingRec& ceiling = model_.ZoneIntCeilings(selection_.CurrentZone);
    ceiling.Material = materialstable.RecNo();
    ceiling.Insulation = insulationtable.RecNo();
    // The added R is kept even while the insulation hides it, for a later insulation that shows it.
    ceiling.AddedR = EditIntCeilingAddedR;
    return true;
}

void IntCeilingEditor::CopyValues() {
    context_.clipboard.IntCeiling =
        IntCeilingCopy{materialstable.RecNo(), insulationtable.RecNo(), EditIntCeilingAddedR};
}

void IntCeilingEditor::PasteValues() {
    const IntCeilingCopy& copy = context_.clipboard.IntCeiling;
    materialstable.MoveTo(copy.Material);
    insulationtable.MoveTo(copy.Insulation);
    EditIntCeilingAddedR = copy.AddedR;
    ShowAddedR();
    CalcRvalue();
}

void IntCeilingEditor::dbmaterialpictureClick(const PictureAnchor& at) {
    OpenPalette("IFM", materialstable, WithTallerPictures(at));
}

void IntCeilingEditor::dbinsulationpictureClick(const PictureAnchor& at) {
    OpenPalette("IFI", insulationtable, at);
}

} // namespace pelmora
