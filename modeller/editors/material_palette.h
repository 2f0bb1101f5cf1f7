// The material picture palette: one small modeless window for all element editors that shows the
// pictures of every row of one of the editor's tables in a grid, so that the user can pick a
// construction by its picture.  The grid is bound to the editor's own table: clicking a cell moves the
// editor's table to that row, and the editor's data-change handler updates its display.  Moving the
// pointer over a cell shows that row's description in the palette's status bar.  Nothing of the model
// changes until the editor's OK.
//
// This is the palette's plain logic (what it lists, its grid and window size, hover and choice); the
// window that draws it is TSelectAllForm.
#pragma once

#include "common/arrays.h"
#include "modeller/editors/table_cursor.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The kinds of table whose current row an editor hands to the palette before opening it.
enum class PaletteEntry {
    Insulation = 1,
    Material,
    Glass,
    Frame,
    Style,
    Shading,
    WindowFurnishing,
    SkylightFurnishing,
    SkylightFrame,
    FloorCovering,
    Door,
};
inline constexpr int kPaletteEntries = 11;

// One table an editor can show in the palette, named by a short key.
struct PaletteKeyInfo {
    std::string_view key;     // "WM"
    std::string_view table;   // "Wallmaterial"
    std::string_view caption; // "External Wall Type"
    int columns;              // picture columns, 1..5
    PaletteEntry entry;
};
std::span<const PaletteKeyInfo> paletteKeys();
// The key's table, caption and columns; nothing for an unknown key.
const PaletteKeyInfo* paletteKeyInfo(std::string_view key);

// Where the clicked picture stands: the editor's window position and the picture's size, which the
// palette takes as the size of its cells' pictures.
struct PictureAnchor {
    int FormLeft = 0; // px, the editor's window
    int FormTop = 0;  // px
    int PictureWidth = 0;
    int PictureHeight = 0;
    // px from the editor's top to the palette's top: the palette stands 5 px above the editor's top
    // unless the editor places it otherwise.
    int PaletteTopOffset = -5;
};

// The anchor for a one-column list of floor types, ceiling types or coverings, which gives each
// picture 8 px more height than the clicked one.
inline PictureAnchor WithTallerPictures(PictureAnchor at) {
    at.PictureHeight += 8;
    return at;
}

// What the palette needs of the window that shows it.
class PaletteView {
  public:
    virtual ~PaletteView() = default;
    virtual void showPalette() = 0;
    virtual void hidePalette() = 0;
    // The hover text or the chosen cell changed.
    virtual void refreshPalette() = 0;
    // The palette's place (Left, Top) changed while it is shown.
    virtual void placePalette() = 0;
};

class MaterialPalette {
  public:
    static constexpr std::string_view kDesignCaption = "Wall Type";

    void setView(PaletteView* view) { view_ = view; }

    // The current row of each kind of table, stored by an editor before it opens the palette (the
    // record number); the palette moves the table back to it after listing the rows.
    common::FixedArray1<int, 1, kPaletteEntries> PaletteRecNos{};
    int& RecNoOf(PaletteEntry entry) { return PaletteRecNos(static_cast<int>(entry)); }

    // Opens the palette on the table of `key` bound to `cursor`: closes it first if it is open,
    // takes the key's caption and columns, the table's row count, the clicked picture's size and
    // stands left of the editor (left = editor left - columns x (picture width + 11) - 18, top =
    // editor top + the anchor's PaletteTopOffset).  The editor has stored the table's current row in the
    // key's PaletteRecNos entry.  An unknown key raises std::invalid_argument; a table that cannot be read
    // raises ModelError and leaves the palette closed.
    void Open(std::string_view key, TableCursor& cursor, const PictureAnchor& at);
    // The editor's window moved or changed its size (a suspended floor widens the floor editor, which
    // then moves left to stay on the screen): the palette takes its place left of it again, so it
    // never covers the editor's pictures.
    void FollowEditor(int formLeft, int formTop);
    // Closes the palette; closing a closed palette does nothing.
    void Close();
    bool Visible() const { return visible_; }

    // ---- The grid as shown ---------------------------------------------------------------------
    std::string PaletteKey;
    std::string PaletteCaption{kDesignCaption};
    int PaletteColumns = 1;
    int RowCount = 0; // rows of the table
    int PictureWidth = 0;
    int PictureHeight = 0;
    int Left = 0; // px, the palette window
    int Top = 0;  // px
    // Cell and window sizes, and the number of picture rows (CellGrid).
    int CellWidth = 0;
    int CellHeight = 0;
    int GridRows = 0;
    int WindowWidth = 0;
    int WindowHeight = 0;
    // The descriptions and pictures of the table's rows, in table order (lbmaterials).
    std::vector<std::string> lbmaterials;
    std::vector<std::vector<std::uint8_t>> Pictures;
    // The palette's status bar.
    std::string StatusText;

    // The cell of the table's current row (drawn gray), -1 when the palette is closed.
    int SelectedCell() const;

    // ---- Handlers ------------------------------------------------------------------------------
    // The pointer at (x, y) of the grid: the status bar shows the description of the cell under it,
    // or nothing past the last picture.
    void imagegridMouseMove(int x, int y);
    // A click on cell `index`: that row becomes the current row of the editor's table.
    void ChooseCell(int index);

  private:
    void FormShow();
    void CellGrid();

    PaletteView* view_ = nullptr;
    TableCursor* cursor_ = nullptr;
    bool visible_ = false;
    int topOffset_ = 0; // px from the editor's top to the palette's top
};

} // namespace pelmora
