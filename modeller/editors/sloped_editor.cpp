#include "modeller/editors/sloped_editor.h"

#include "common/rounding.h"
#include "common/text_values.h"
#include "modeller/model/building_physics.h"

#include <algorithm>

namespace pelmora {

SlopedInsulationRow ReadSlopedInsulation(const TableCursor& table) {
    SlopedInsulationRow row;
    row.ShowR = table.Boolean("ShowR");
    row.G0 = table.Integer("G0");
    row.G1 = table.Integer("G1");
    row.GR = table.Integer("GR");
    row.AddR = table.Float("AddR");
    return row;
}

SlopedEditor::SlopedEditor(EditorContext& context, EditorKind kind, MaterialTable& material,
                           MaterialTable& insulation, const PaletteKeys& keys)
    : ElementEditor(context, kind), materialstable(material), insulationtable(insulation),
      PaintBoxTilt(context.buffers.EditSlope, context.messages), keys_(keys) {
    addTable(materialstable, [this] { CalcRvalue(); });
    addTable(insulationtable, [this] { insulationsrceDataChange(); });
    PaintBoxTilt.OnTyping = [this] { ClosePalette(); };
    PaintBoxTilt.OnRedraw = [this] { CalcRvalue(); };
}

void SlopedEditor::ReadShowData() {
    ReadBestFitFile(model_);
}

void SlopedEditor::insulationsrceDataChange() {
    rpanelVisible = insulationtable.Boolean("ShowR");
    CalcRvalue();
}

void SlopedEditor::RscrollChange(int position) {
    Rscroll = std::clamp(position, 0, kSlopedMaxRscroll);
    buffers_.EditAddedR = Rscroll / 10.0;
    RLabel = FixedText(buffers_.EditAddedR, 1);
    ClosePalette();
    CalcRvalue();
}

void SlopedEditor::ShowAddedR() {
    RLabel = FixedText(buffers_.EditAddedR, 1);
    const double shown = common::parseReal(RLabel).value_or(0.0);
    Rscroll = static_cast<int>(
        std::clamp<long long>(common::roundHalfEvenToInt(shown * 10.0), 0, kSlopedMaxRscroll));
}

GapResistances SlopedEditor::Gap(long long code, double width) {
    return ReflectiveGap(model_, code, width, buffers_.EditSlope);
}

void SlopedEditor::dbmaterialpictureClick(const PictureAnchor& at) {
    PictureAnchor placed = at;
    placed.FormTop += keys_.topOffset;
    OpenPalette(keys_.material, materialstable, placed);
}

void SlopedEditor::dbinsulationpictureClick(const PictureAnchor& at) {
    PictureAnchor placed = at;
    placed.FormTop += keys_.topOffset;
    OpenPalette(keys_.insulation, insulationtable, placed);
}

} // namespace pelmora
