#include "modeller/editors/wall_editor.h"

#include "common/rounding.h"
#include "modeller/platform/message_service.h"

#include <QString>

namespace pelmora {

namespace {

// A foil-faced gap: the first gap of the foil-faced cavity when the insulation brings its own R.
constexpr double kFoilFacedGapR = 0.51; // m2K/W

} // namespace

WallConstructionRow ReadWallConstruction(const TableCursor& table) {
    WallConstructionRow row;
    row.TI = table.Integer("TI");
    row.D1 = table.Float("D1");
    row.R1 = table.Float("R1");
    row.D2 = table.Float("D2");
    row.R2 = table.Float("R2");
    row.D3 = table.Float("D3");
    row.R3 = table.Float("R3");
    row.AS = table.Boolean("AS");
    return row;
}

WallInsulationRow ReadWallInsulation(const TableCursor& table) {
    WallInsulationRow row;
    row.ShowR = table.Boolean("ShowR");
    row.G0 = table.Integer("G0");
    row.G1 = table.Integer("G1");
    row.G2 = table.Integer("G2");
    row.AddR = table.Float("AddR");
    return row;
}

double WallGapResistance(long long code) {
    switch (code) {
    case 1:
        return 0.163;
    case 2:
        return 0.625;
    case 3:
        return 0.51;
    case 4:
        return 0.28;
    default:
        return 0.0;
    }
}

double DefaultWallThickness(const WallConstructionRow& row) {
    return (row.TI == 0 || row.TI == 1 || row.TI == 3) ? row.D1 : row.D2;
}

WallResistances WallRValues(const WallConstructionRow& wall, const WallInsulationRow& insulation,
                            double thickness, double addedR, bool foilFacedCavity) {
    const double t = thickness; // mm
    WallResistances r;
    switch (wall.TI) {
    case 0:
        r.Rd = LayerResistance(wall.R1, t);
        break;
    case 1:
        r.Rd = LayerResistance(wall.R1, t) + LayerResistance(wall.R2, wall.D2);
        break;
    case 2:
        r.Rd = LayerResistance(wall.R1, wall.D1) + LayerResistance(wall.R2, t);
        break;
    case 3: // two leaves of the wall's thickness, both of the first layer's material
        r.Rd = LayerResistance(wall.R1, 2.0 * t);
        break;
    case 4:
        r.Rd = LayerResistance(wall.R1, wall.D1) + LayerResistance(wall.R2, t) +
               LayerResistance(wall.R3, wall.D3);
        break;
    default:
        r.Rd = 0.0;
        break;
    }
    double gap0 = WallGapResistance(insulation.G0);
    double gap1 = WallGapResistance(insulation.G1);
    double gap2 = WallGapResistance(insulation.G2);
    if (!wall.AS) gap0 = 0.0;
    if ((wall.TI == 0 || wall.TI == 4) && insulation.G0 == 0) gap0 = gap1 = gap2 = 0.0;
    if (insulation.AddR > 0.0 && foilFacedCavity) gap0 = kFoilFacedGapR;
    const double bulk = BulkResistance(insulation.AddR, insulation.ShowR, addedR);
    r.Ri = gap0 + gap1 + gap2 + bulk;
    r.Rt = r.Rd + r.Ri;
    return r;
}

WallEditor::WallEditor(EditorContext& context, EditorKind kind, MaterialTable& material,
                       MaterialTable& insulation, const WallTraits& traits)
    : ElementEditor(context, kind), materialstable(material), insulationtable(insulation), traits_(traits) {
    addTable(materialstable, [this] { materialsrceDataChange(); });
    addTable(insulationtable, [this] { insulationsrceDataChange(); });
    HEdit.OnChange([this] { HEditChange(); });
    ThickEdit.OnChange([this] { ThickEditChange(); });
    RadioGroup1.OnClick([this] { RadioGroup1Click(); });
}

void WallEditor::materialsrceDataChange() {
    buffers_.EditThickness = DefaultWallThickness(ReadWallConstruction(materialstable));
    ThickEdit.Show(FixedText(buffers_.EditThickness, 0));
    CalcRvalue();
}

void WallEditor::insulationsrceDataChange() {
    rpanelVisible = insulationtable.Boolean("ShowR");
    CalcRvalue();
}

void WallEditor::CalcRvalue() {
    if (!materialstable.Active() || !insulationtable.Active()) return;
    const WallResistances r = WallRValues(
        ReadWallConstruction(materialstable), ReadWallInsulation(insulationtable), buffers_.EditThickness,
        buffers_.EditAddedR, materialstable.RecNo() == traits_.foilFacedCavityRecord);
    RdLabel = ValueLabel("R  ", r.Rd);
    RiLabel = ValueLabel("R  ", r.Ri);
    RTotLabel = ValueLabel("Rt  ", r.Rt);
    UALabel = TransmittanceLabel(DefaultsMode(), r.Rt, traits_.surfaceR, buffers_.EditWallArea);
}

void WallEditor::AlterRadioButtons() {
    ClosePalette();
    RadioGroup1.SelectValue(buffers_.EditWallHeight);
}

void WallEditor::RadioGroup1Click() {
    if (RadioGroup1.ItemIndex() < 0) return;
    const double height = RadioGroup1.Value(RadioGroup1.ItemIndex()); // mm
    buffers_.EditWallHeight = height;
    // The box is rewritten only when it does not already say this height, so that selecting the
    // preset of a height being typed leaves the typing alone.
    if (ReadNumber(HEdit.Text()) != height) HEdit.SetText(FixedText(height, 0));
    DeleteAndDrawArea();
    CalcRvalue();
}

void WallEditor::HEditChange() {
    if (const auto height = TypedNumber(HEdit, kWallHeightRange, messages_)) {
        buffers_.EditWallHeight = *height;
        AlterRadioButtons();
    }
    DeleteAndDrawArea();
    CalcRvalue();
}

void WallEditor::ThickEditChange() {
    if (ThickEdit.Text().empty()) return;
    const auto thickness = ReadNumber(ThickEdit.Text());
    if (!thickness) {
        messages_.error(QString::fromStdString(NotANumberText(ThickEdit.Text())));
        return;
    }
    buffers_.EditThickness = *thickness;
    CalcRvalue();
}

bool WallEditor::TakeThickness() {
    const auto thickness = ReadNumber(ThickEdit.Text());
    if (!thickness) {
        messages_.error(QString::fromStdString(NotANumberText(ThickEdit.Text())));
        ThickEdit.Show(FixedText(buffers_.EditThickness, 0));
        return false;
    }
    buffers_.EditThickness = *thickness;
    return true;
}

void WallEditor::RscrollChange(int position) {
    Rscroll = position < 0 ? 0 : (position > kMaxRscroll ? kMaxRscroll : position);
    buffers_.EditAddedR = Rscroll / 10.0;
    RLabel = FixedText(buffers_.EditAddedR, 1);
    CalcRvalue();
}

void WallEditor::ShowBuffers() {
    RLabel = FixedText(buffers_.EditAddedR, 1);
    const long long position = common::roundHalfEvenToInt(buffers_.EditAddedR * 10.0);
    Rscroll = static_cast<int>(position < 0 ? 0 : (position > kMaxRscroll ? kMaxRscroll : position));
    HEdit.Show(FixedText(buffers_.EditWallHeight, 0));
    ThickEdit.Show(FixedText(buffers_.EditThickness, 0));
    AlterRadioButtons();
    DeleteAndDrawArea();
    CalcRvalue();
}

void WallEditor::DrawWallRectangle() {
    const double s = PreviewScale(model_); // px per metre
    PaintBox1.Clear();
    PaintBox1.DrawWall(s * buffers_.EditWallLength, s * buffers_.EditWallHeight / 1000.0);
}

void WallEditor::dbmaterialpictureClick(const PictureAnchor& at) {
    OpenPalette(traits_.materialKey, materialstable, at);
}

void WallEditor::dbinsulationpictureClick(const PictureAnchor& at) {
    OpenPalette(traits_.insulationKey, insulationtable, at);
}

} // namespace pelmora
