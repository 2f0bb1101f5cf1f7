#include "modeller/editors/floor_cover_editor.h"

namespace pelmora {

FloorCoverRow ReadFloorCover(const TableCursor& table) {
    FloorCoverRow row;
    row.D1 = table.Float("D1");
    row.R1 = table.Float("R1");
    row.A1 = table.Float("A1");
    row.D2 = table.Float("D2");
    row.R2 = table.Float("R2");
    row.A2 = table.Float("A2");
    return row;
}

double CoverResistance(const FloorCoverRow& row, double floorR) {
    const double c1 = LayerResistance(row.R1, row.D1); // m2K/W
    const double c2 = LayerResistance(row.R2, row.D2); // m2K/W
    const double denominator = (floorR + c1) * row.A2 + (floorR + c2) * row.A1;
    if (denominator == 0.0) return 0.0;
    return (floorR + c1) * (floorR + c2) * (row.A1 + row.A2) / denominator - floorR;
}

double AreaOverLevelBelow(const HouseModel& model, int zone) {
    const int below = model.Zones(zone).Level - 1;
    double area = 0.0; // m2
    for (int i = 1; i <= model.ZoneCount; ++i)
        if (i != zone && model.Zones(i).Level == below) area += model.CommonFloorArea(zone, i);
    return area;
}

FloorCoverEditor::FloorCoverEditor(EditorContext& context)
    : ElementEditor(context, EditorKind::FloorCover),
      FloorCoverTable(context.tables.FloorCoverForm.FloorCoverTable) {
    Caption = std::string(floor_cover_text::kDesignCaption);
    addTable(FloorCoverTable, [this] { FloorCoverDataDataChange(); });
}

void FloorCoverEditor::SetValues() {
    if (DefaultsMode()) {
        ShowDefaultsFrame();
        FloorCoverTable.MoveTo(model_.LevelDefaults(model_.CurrentLevel).DefFloorCover);
    } else {
        const int zone = selection_.CurrentZone;
        ShowElementFrame("Internal Floor Cover of Zone " + std::to_string(zone) + "  " +
                         model_.Zones(zone).Name);
        FloorCoverTable.MoveTo(model_.ZoneFloorCovers(zone).FloorCovering);
    }
    CalcRvalue();
}

void FloorCoverEditor::CalcRvalue() {
    if (!FloorCoverTable.Active()) return;
    const double r = CoverResistance(ReadFloorCover(FloorCoverTable), kReferenceFloorR); // m2K/W
    RLabel = ValueLabel("R  ", r);
    if (DefaultsMode()) {
        UALabel = ValueLabel("U  ", 1.0 / (r + kFloorCoverSurfaceR));
        AreaLabel.clear();
        return;
    }
    // The covered floor is the part of the zone that lies over zones of the level below.
    const double area = AreaOverLevelBelow(model_, selection_.CurrentZone); // m2
    buffers_.EditFloorArea = area < kSmallestCoveredArea ? 0.0 : area;
    AreaLabel = "Area " + FixedText(buffers_.EditFloorArea, 2);
    UALabel = ValueLabel("UA  ", buffers_.EditFloorArea / (r + kFloorCoverSurfaceR));
}

bool FloorCoverEditor::StoreValues() {
    if (DefaultsMode())
        model_.LevelDefaults(model_.CurrentLevel).DefFloorCover = FloorCoverTable.RecNo();
    else
        model_.ZoneFloorCovers(selection_.CurrentZone).FloorCovering = FloorCoverTable.RecNo();
    return true;
}

void FloorCoverEditor::CopyValues() {
    context_.clipboard.FloorCover = FloorCoverCopy{FloorCoverTable.RecNo()};
}

void FloorCoverEditor::PasteValues() {
    FloorCoverTable.MoveTo(context_.clipboard.FloorCover.FloorCovering);
}

void FloorCoverEditor::DBFloorCoverImageClick(const PictureAnchor& at) {
    OpenPalette("IFK", FloorCoverTable, WithTallerPictures(at));
}

} // namespace pelmora
