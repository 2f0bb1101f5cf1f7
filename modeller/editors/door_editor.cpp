#include "modeller/editors/door_editor.h"

#include "modeller/platform/message_service.h"

#include <QString>

#include <algorithm>

namespace pelmora {

namespace {

constexpr double kDefaultsWallLength = 4000.0; // mm, the wall of the preview in defaults mode

void warn(platform::MessageService& messages, std::string_view text) {
    messages.warn(platform::Utf8(text));
}

} // namespace

std::string DoorCaption(int door, int wall, int zone) {
    return "Door " + std::to_string(door) + "  Wall " + std::to_string(wall + 1) + "  Zone " +
           std::to_string(zone);
}

std::string DoorCaption(int door, int wall, int zone, int otherWall, int otherZone) {
    return DoorCaption(door, wall, zone) + "  Through Wall " + std::to_string(otherWall + 1) + "  Zone " +
           std::to_string(otherZone);
}

DoorEditor::DoorEditor(EditorContext& context)
    : ElementEditor(context, EditorKind::Door), DoorTable(context.tables.DoorForm.DoorTable) {
    Caption = std::string(door_text::kDesignCaption);
    addTable(DoorTable, [this] { DoorDataDataChange(); });
    HEdit.OnChange([this] { HEditChange(); });
    WEdit.OnChange([this] { WEditChange(); });
    HeightRG.OnClick([this] { HeightRGClick(); });
    WidthRG.OnClick([this] { WidthRGClick(); });
}

bool DoorEditor::Inserting() const {
    return !DefaultsMode() && context_.main.InsertDoorDown && context_.main.InsertDoorDown();
}

void DoorEditor::TakeWallSize() {
    const TWallRec& w = model_.Walls(selection_.CurrentZone, selection_.CurrentWall);
    buffers_.EditWallLength = w.Length * 1000.0;
    buffers_.EditWallHeight = (w.AdjZone == 0 ? w.ExtHeight : w.PartHeight) * 1000.0;
}

void DoorEditor::SetValues() {
    ZoneColourPanel2Visible = false;
    if (DefaultsMode()) {
        const TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        ShowDefaultsFrame();
        DoorTable.MoveTo(d.DefDoorMaterial);
        buffers_.EditDoorHeight = d.DefDoorHeight;
        buffers_.EditDoorWidth = d.DefDoorWidth;
        buffers_.EditWallLength = kDefaultsWallLength;
        buffers_.EditWallHeight = std::max(d.DefExtHeight, d.DefPartHeight);
    } else {
        // The opener has set the caption, which names the door and its wall.
        ShowElementFrame("");
        const PlanSelection& s = selection_;
        const TWallRec& w = model_.Walls(s.CurrentZone, s.CurrentWall);
        if (w.AdjZone != 0) {
            ZoneColourPanel2Visible = true;
            const int other = s.OtherZone >= 1 && s.OtherZone <= model_.ZoneCount ? s.OtherZone : w.AdjZone;
            ZoneColourPanel2 = model_.Zones(other).Colour;
        }
        TakeWallSize();
        if (Inserting()) {
            const TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
            DoorTable.MoveTo(d.DefDoorMaterial);
            buffers_.EditDoorHeight = d.DefDoorHeight;
            buffers_.EditDoorWidth = d.DefDoorWidth;
            FitIntoWall();
        } else {
            const TDoorRec& door = model_.WallDoors(s.CurrentZone, s.CurrentWall, s.CurrentDoor);
            DoorTable.MoveTo(door.Material);
            buffers_.EditDoorHeight = door.Height * 1000.0;
            buffers_.EditDoorWidth = door.Width * 1000.0;
        }
    }
    ShowSizes();
}

void DoorEditor::FitIntoWall() {
    if (buffers_.EditDoorHeight > buffers_.EditWallHeight) {
        buffers_.EditDoorHeight = buffers_.EditWallHeight;
        warn(messages_, door_text::kHeightAboveWall);
    }
    if (buffers_.EditDoorWidth > MaxDoorWidth()) {
        buffers_.EditDoorWidth = MaxDoorWidth();
        warn(messages_, door_text::kWidthAboveWallLength);
    }
}

void DoorEditor::ShowSizes() {
    HEdit.Show(FixedText(buffers_.EditDoorHeight, 0));
    WEdit.Show(FixedText(buffers_.EditDoorWidth, 0));
    HeightRG.SelectValue(buffers_.EditDoorHeight);
    WidthRG.SelectValue(buffers_.EditDoorWidth);
    DeleteAndDrawArea();
}

void DoorEditor::CalcRvalue() {
    if (!DoorTable.Active()) return;
    double r = LayerResistance(DoorTable.Float("R1"), DoorTable.Float("D1")) +
               LayerResistance(DoorTable.Float("R2"), DoorTable.Float("D2")); // m2K/W
    // Two leaves enclose an air gap.
    if (DoorTable.Integer("M2") != 0) r += kDoorLeafGapR;
    const double area = buffers_.EditDoorWidth * buffers_.EditDoorHeight / 1000000.0; // m2
    RTotLabel = ValueLabel("R  ", r);
    AreaLabel = "A  " + FixedText(area, 2) + " m²";
    // The door shows its area and UA in defaults mode too.
    UALabel = ValueLabel("UA  ", area / (r + kDoorSurfaceR));
}

void DoorEditor::DeleteAndDrawArea() {
    ClosePalette();
    const double s = PreviewScale(model_); // px per metre
    PaintBox1.Clear();
    PaintBox1.DrawWall(s * buffers_.EditWallLength / 1000.0, s * buffers_.EditWallHeight / 1000.0);
    const double width = s * buffers_.EditDoorWidth / 1000.0;   // px
    const double height = s * buffers_.EditDoorHeight / 1000.0; // px
    PaintBox1.DrawOpening((PaintBox1.Width - width) / 2.0, PaintBox1.Height - height, width, height,
                          preview_colour::kGreen);
    CalcRvalue();
}

void DoorEditor::HeightRGClick() {
    if (HeightRG.ItemIndex() < 0) return;
    const double height = HeightRG.Value(HeightRG.ItemIndex()); // mm
    buffers_.EditDoorHeight = height;
    if (ReadNumber(HEdit.Text()) != height) HEdit.Show(FixedText(height, 0));
    DeleteAndDrawArea();
}

void DoorEditor::HEditChange() {
    const auto height = TypedNumber(HEdit, kDoorSizeRange, messages_);
    if (!height) return;
    buffers_.EditDoorHeight = *height;
    AlterRadioButtons1();
}

void DoorEditor::AlterRadioButtons1() {
    HeightRG.SelectValue(buffers_.EditDoorHeight);
    DeleteAndDrawArea();
}

void DoorEditor::WidthRGClick() {
    if (WidthRG.ItemIndex() < 0) return;
    buffers_.EditDoorWidth = WidthRG.Value(WidthRG.ItemIndex()); // mm
    if (buffers_.EditDoorWidth > MaxDoorWidth()) {
        buffers_.EditDoorWidth = MaxDoorWidth();
        warn(messages_, door_text::kWidthAboveWallWidth);
        WidthRG.SelectValue(buffers_.EditDoorWidth);
    }
    if (ReadNumber(WEdit.Text()) != buffers_.EditDoorWidth) WEdit.Show(FixedText(buffers_.EditDoorWidth, 0));
    DeleteAndDrawArea();
}

void DoorEditor::WEditChange() {
    ClosePalette();
    const auto width = TypedNumber(WEdit, kDoorSizeRange, messages_);
    if (!width) return;
    if (*width > MaxDoorWidth()) {
        buffers_.EditDoorWidth = MaxDoorWidth();
        warn(messages_, door_text::kWidthAboveWallWidth);
        WEdit.Show(FixedText(buffers_.EditDoorWidth, 0));
        WidthRG.SetItemIndex(-1);
        DeleteAndDrawArea();
        return;
    }
    buffers_.EditDoorWidth = *width;
    AlterRadioButtons2();
}

void DoorEditor::AlterRadioButtons2() {
    WidthRG.SelectValue(buffers_.EditDoorWidth);
    DeleteAndDrawArea();
}

bool DoorEditor::StoreValues() {
    if (DefaultsMode()) {
        TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        d.DefDoorHeight = buffers_.EditDoorHeight;
        d.DefDoorWidth = buffers_.EditDoorWidth;
        d.DefDoorMaterial = DoorTable.RecNo();
        return true;
    }
    // A door typed higher than its wall, or a wall that has become shorter than its door, is limited
    // here, whatever way the size came: the dialog stays open to show the limited size.
    if (buffers_.EditDoorHeight > buffers_.EditWallHeight || buffers_.EditDoorWidth > MaxDoorWidth()) {
        FitIntoWall();
        ShowSizes();
        return false;
    }
    const PlanSelection& s = selection_;
    TDoorRec& door = model_.WallDoors(s.CurrentZone, s.CurrentWall, s.CurrentDoor);
    door.Height = buffers_.EditDoorHeight / 1000.0;
    door.Width = buffers_.EditDoorWidth / 1000.0;
    door.Material = DoorTable.RecNo();
    door.ElementArea = door.Width * door.Height;
    return true;
}

void DoorEditor::CopyValues() {
    ClosePalette();
    context_.clipboard.Door = DoorCopy{DoorTable.RecNo(), buffers_.EditDoorHeight, buffers_.EditDoorWidth};
}

void DoorEditor::PasteValues() {
    const DoorCopy& copy = context_.clipboard.Door;
    DoorTable.MoveTo(copy.Material);
    buffers_.EditDoorHeight = copy.DoorHeight;
    buffers_.EditDoorWidth = copy.DoorWidth;
    FitIntoWall();
    ShowSizes();
}

void DoorEditor::dbDoorpicClick(const PictureAnchor& at) {
    OpenPalette("DM", DoorTable, at);
}

} // namespace pelmora
