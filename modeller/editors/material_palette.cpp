#include "modeller/editors/material_palette.h"

#include <stdexcept>

namespace pelmora {

namespace {

using E = PaletteEntry;

constexpr PaletteKeyInfo kKeys[] = {
    {"WM", "Wallmaterial", "External Wall Type", 5, E::Material},
    {"WI", "WallInsulation", "External Wall Insulation", 3, E::Insulation},
    {"IM", "IntWallmaterial", "Internal Wall Type", 4, E::Material},
    {"II", "InWallInsulation", "Internal Wall Insulation", 3, E::Insulation},
    {"FM", "ExtFloormaterial", "External Floor Type", 1, E::Material},
    {"FI", "ExtFloorInsulation", "External Floor Insulation", 3, E::Insulation},
    {"FC", "FloorCovering", "Floor Covering", 1, E::FloorCovering},
    {"IFM", "IntFloorMaterial", "Ceiling Type", 1, E::Material},
    {"IFI", "IntCeilInsulation", "Internal Ceiling Insulation", 2, E::Insulation},
    {"IFK", "FloorCovering", "Floor Covering", 1, E::FloorCovering},
    {"CM", "Ceilingmaterial", "Ceiling Type", 1, E::Material},
    {"CI", "CeilingInsulation", "Ceiling Insulation", 3, E::Insulation},
    {"RM", "Roofmaterial", "Roof Type", 1, E::Material},
    {"RI", "RoofInsulation", "Roof Insulation", 3, E::Insulation},
    {"SM", "Skylight", "Skylight Type", 2, E::Material},
    {"SU", "Windowfurnishing", "Furnishing", 4, E::SkylightFurnishing},
    {"SG", "Windowglass", "Window Glass", 3, E::Glass},
    {"SF", "Windowframe", "Window Frame", 2, E::Frame},
    {"SR", "SkyFrame", "Skylight Frame", 2, E::SkylightFrame},
    {"SS", "Windowstyle", "Window Style", 3, E::Style},
    {"DM", "DoorMaterial", "Door Type", 2, E::Door},
    {"WS", "Windowstyle", "Window Style", 3, E::Style},
    {"WU", "Windowfurnishing", "Window Furnishings", 4, E::WindowFurnishing},
    {"WG", "Windowglass", "Window Glass", 3, E::Glass},
    {"WF", "Windowframe", "Window Frame", 2, E::Frame},
    {"WH", "Windowshading", "Window Shading", 3, E::Shading},
};

// Spacing of the grid around a picture and of the window around the grid, in pixels.
constexpr int kCellExtraWidth = 11;
constexpr int kCellExtraHeight = 13;
constexpr int kWindowExtraWidth = 33;
constexpr int kWindowExtraHeight = 46;
constexpr int kOneRowWindowExtraHeight = 51;
constexpr int kLeftOfEditor = 18;

} // namespace

std::span<const PaletteKeyInfo> paletteKeys() {
    return kKeys;
}

const PaletteKeyInfo* paletteKeyInfo(std::string_view key) {
    for (const auto& info : kKeys)
        if (info.key == key) return &info;
    return nullptr;
}

void MaterialPalette::Open(std::string_view key, TableCursor& cursor, const PictureAnchor& at) {
    const PaletteKeyInfo* info = paletteKeyInfo(key);
    if (!info) throw std::invalid_argument("The material palette has no table of key " + std::string(key));
    Close();
    PaletteKey = std::string(key);
    PaletteCaption = std::string(info->caption);
    PaletteColumns = info->columns;
    PictureWidth = at.PictureWidth;
    PictureHeight = at.PictureHeight;
    topOffset_ = at.PaletteTopOffset;
    Left = at.FormLeft - PaletteColumns * (PictureWidth + kCellExtraWidth) - kLeftOfEditor;
    Top = at.FormTop + topOffset_;
    cursor_ = &cursor;
    try {
        RowCount = cursor.RecordCount();
        FormShow();
    } catch (...) {
        cursor_ = nullptr;
        throw;
    }
    visible_ = true;
    if (view_) view_->showPalette();
}

void MaterialPalette::FollowEditor(int formLeft, int formTop) {
    if (!visible_) return;
    Left = formLeft - PaletteColumns * (PictureWidth + kCellExtraWidth) - kLeftOfEditor;
    Top = formTop + topOffset_;
    if (view_) view_->placePalette();
}

void MaterialPalette::Close() {
    if (!visible_) return;
    visible_ = false;
    cursor_ = nullptr;
    if (view_) view_->hidePalette();
}

void MaterialPalette::FormShow() {
    StatusText.clear();
    CellWidth = PictureWidth + kCellExtraWidth;
    CellHeight = PictureHeight + kCellExtraHeight;
    lbmaterials.clear();
    Pictures.clear();
    // The rows are listed on the table itself, round the editor's data-change handler: listing them
    // is no choice of the user and must not reset what the editor shows.
    const PaletteKeyInfo& info = *paletteKeyInfo(PaletteKey);
    const std::string_view descriptionField =
        info.entry == PaletteEntry::Insulation ? "Insulation Description" : "Material Description";
    MaterialTable& table = cursor_->Table();
    const int current = table.RecNo();
    try {
        for (int record = 1; record <= RowCount; ++record) {
            table.SetRecNo(record);
            lbmaterials.push_back(table.FieldAsString(descriptionField));
            Pictures.push_back(table.FieldAsBytes("Graphic"));
        }
    } catch (...) {
        table.SetRecNo(current);
        throw;
    }
    table.SetRecNo(current);
    cursor_->MoveTo(RecNoOf(info.entry));
    CellGrid();
}

void MaterialPalette::CellGrid() {
    GridRows = (RowCount + PaletteColumns - 1) / PaletteColumns;
    WindowWidth = PaletteColumns * CellWidth + kWindowExtraWidth;
    WindowHeight = GridRows * CellHeight + (GridRows == 1 ? kOneRowWindowExtraHeight : kWindowExtraHeight);
}

int MaterialPalette::SelectedCell() const {
    if (!visible_ || !cursor_) return -1;
    return cursor_->RecNo() - 1;
}

void MaterialPalette::imagegridMouseMove(int x, int y) {
    if (!visible_ || CellWidth <= 0 || CellHeight <= 0) return;
    const int column = x / CellWidth;
    const int row = y / CellHeight;
    // A point right of the last column belongs to no cell (it would name a cell of the next row).
    const int index = column + row * PaletteColumns;
    if (x < 0 || y < 0 || column >= PaletteColumns || index >= static_cast<int>(lbmaterials.size()))
        StatusText.clear();
    else
        StatusText = lbmaterials[static_cast<std::size_t>(index)];
    if (view_) view_->refreshPalette();
}

void MaterialPalette::ChooseCell(int index) {
    if (!visible_ || !cursor_ || index < 0 || index >= RowCount) return;
    cursor_->MoveTo(index + 1);
    if (view_) view_->refreshPalette();
}

} // namespace pelmora
