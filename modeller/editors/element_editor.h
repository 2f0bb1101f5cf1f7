// What every element editor shares, as plain C++ (each editor's dialog only holds widgets over it).
//
// An element editor is a modal dialog created once at start-up.  Its opener sets the selection of the
// plan editor (CurrentZone, CurrentWall, CurrentDoor, OtherZone, OtherWall, IntWallMode, NewIntWall)
// or the model's DefaultsMode with CurrentLevel, and shows it:
// - FormShow opens the editor's tables, shows Paste when the editor's clipboard holds a copy and fills
//   the controls and buffers (SetValues) from the level default (defaults mode), from the level
//   default for an element being inserted, or from the element;
// - OK writes the tables' record numbers and the buffers into the level default or the element and
//   closes the form, unless a check fails (then the editor beeps, says why and stays open); Cancel,
//   Escape and the window's close box write nothing.  The window, door and internal wall editors set
//   ElementDeleted (true on Cancel, false on OK), from which the plan editor learns to remove an
//   element that was being inserted;
// - FormClose closes the picture palette and the tables and releases the defaults dialog's button.
// Copy and Paste keep the editor's values in its group of the element clipboard for the run; Reset
// fills the controls again; "Change all to default" (defaults mode only) sets the editor's
// ApplyDefaultRequest entry while the defaults warning dialog runs.
//
// The R-value displays follow one convention: layer resistance = resistivity x thickness / 1000, labels
// with a prefix and two decimals, U = 1 / (Rt + Rsi + Rse) in defaults mode and UA = area / (Rt + Rsi +
// Rse) for an element.
//
// An editor is a class derived from ElementEditor that holds its controls as plain values (TableCursor
// for each table, EditText for each edit box, RadioChoice or PresetChoice for each radio group, strings
// for its labels) under the components' names, registers its tables with addTable in their opening
// order, and implements SetValues, StoreValues, CopyValues and PasteValues (its clipboard group goes
// into ElementClipboard).  Its dialog derives from ElementEditorForm (element_editor_form.h), lays out
// widgets, binds them with bindEdit, bindRadio and run, and shows the editor's values in
// refreshControls.  DoorEditor is the smallest example; WallEditor shows the pieces two editors share.
#pragma once

#include "modeller/editors/editor_controls.h"
#include "modeller/editors/element_clipboard.h"
#include "modeller/editors/material_palette.h"
#include "modeller/editors/table_cursor.h"
#include "modeller/model/defaults_changes.h"
#include "modeller/model/editor_buffers.h"
#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/plan/plan_selection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class MessageService;
}

namespace pelmora {

// ---- The ten element editors ------------------------------------------------------------------------

enum class EditorKind {
    Roof,
    Ceiling,
    ExternalWall,
    InternalWall,
    IntCeiling,
    FloorCover,
    ExternalFloor,
    Window,
    Door,
    Skylight,
};

struct EditorKindInfo {
    std::string_view form;            // the instance name, "DoorForm"
    std::string_view defaultsCaption; // the caption in defaults mode
    int applyDefaultRequest;          // entry of HouseModel::ApplyDefaultRequest
    ClipboardEntry clipboard;         // entry of ElementClipboard::ClipboardValid
};
const EditorKindInfo& EditorInfo(EditorKind kind);

// ---- R-value display conventions ------------------------------------------------------------------

// Surface resistances Rsi + Rse of the displays, m2K/W.
inline constexpr double kInsideSurfaceR = 0.109;
inline constexpr double kOutsideSurfaceR = 0.05;
inline constexpr double kExternalWallSurfaceR = kInsideSurfaceR + kOutsideSurfaceR;
inline constexpr double kDoorSurfaceR = kInsideSurfaceR + kOutsideSurfaceR;
inline constexpr double kInternalWallSurfaceR = kInsideSurfaceR + kInsideSurfaceR;

// The resistance (m2K/W) of a layer of `thickness` mm whose resistivity is `resistivity` m2K/W per m.
inline double LayerResistance(double resistivity, double thickness) {
    return resistivity * thickness / 1000.0;
}
// A label of an R, U or UA display: the prefix ("R  ", "Rt  ", "U  ", "UA  ") and two decimals.
std::string ValueLabel(std::string_view prefix, double value);
// The transmittance label: "U  " + 1 / (Rt + surfaces) in defaults mode, else "UA  " + area / (Rt +
// surfaces) with the element's area (m2).
std::string TransmittanceLabel(bool defaultsMode, double rt, double surfaces, double area);
// The bulk R (m2K/W) an insulation row counts: its own "AddR" and, when the row shows the added-R
// panel ("ShowR"), the element's added R.
inline double BulkResistance(double rowAddR, bool showR, double addedR) {
    return rowAddR + (showR ? addedR : 0.0);
}
// An air gap's resistances for heat flowing up and down, m2K/W.
struct GapResistances {
    double Up = 0.0;
    double Down = 0.0;
};
// The unvented air gap `width` mm wide that an insulation row's gap code places, at `tilt` degrees from
// horizontal, through the model's air-gap helper (its table read from BESTFIT.DAT first): a plain
// face and a face of the code's emittance.  Code 0, or any code outside 1..4, is no gap (0, 0).
GapResistances ReflectiveGap(HouseModel& model, long long code, double width, double tilt);
// The solar absorptance of a colour as its label shows it (two decimals).
std::string AbsorptanceLabel(std::int32_t colour);

// ---- What the editors share -------------------------------------------------------------------------

// The main window's side of the editors: whether its insert-window or insert-door button is down (an
// editor opened then inserts a new element), and its status bar.
struct MainWindowLink {
    std::function<bool()> InsertWindowDown;
    std::function<bool()> InsertDoorDown;
    // Empties panel 0 of the status bar.
    std::function<void()> ClearStatus;
};

// Everything the element editors work on: one for the program, handed to every editor it creates.
struct EditorContext {
    EditorContext(HouseModel& model, MaterialTables& tables, EditorBuffers& buffers, PlanSelection& selection,
                  platform::MessageService& messages)
        : model(model), tables(tables), buffers(buffers), selection(selection), messages(messages) {}

    HouseModel& model; // DefaultsMode, CurrentLevel, ApplyDefaultRequest, Magnification, the elements
    MaterialTables& tables;
    EditorBuffers& buffers;
    PlanSelection& selection; // the plan editor's hand-over variables, ElementDeleted among them
    platform::MessageService& messages;
    ElementClipboard clipboard;
    MaterialPalette palette;
    MainWindowLink main;
};

// What an editor needs of its dialog.
class EditorView {
  public:
    virtual ~EditorView() = default;
    // The editor's state changed: show it.
    virtual void refreshEditor() = 0;
};

class ElementEditor {
  public:
    ElementEditor(EditorContext& context, EditorKind kind);
    virtual ~ElementEditor() = default;
    ElementEditor(const ElementEditor&) = delete;
    ElementEditor& operator=(const ElementEditor&) = delete;

    void setView(EditorView* view) { view_ = view; }
    EditorKind Kind() const { return kind_; }
    const EditorKindInfo& Info() const { return EditorInfo(kind_); }

    // ---- Handlers ------------------------------------------------------------------------------
    // Opens the tables, shows Paste when this editor's clipboard holds a copy, and fills the editor.
    // A table that cannot be opened or a record that is not in it raises ModelError; the tables are
    // closed again and nothing of the model has changed.
    void FormShow();
    // Closes the palette and the tables, and releases the defaults dialog's button of this editor.
    void FormClose();
    // Writes the values into the level default or the element; false when a check failed and the
    // editor stays open.
    bool OKSBClick();
    void CancelSBClick();
    void ResetButtonClick();
    void CopyButtonClick();
    void PasteButtonClick();
    void ChangeAllToDefaultSBClick();
    // In defaults mode: the level default that OK would store now, taken from the controls without
    // storing it.  Nothing when a check fails (the editor has said why and stays open).
    std::optional<ShownDefaults> ShownDefaultValues();

    // Set by the defaults dialog: shows the defaults warning dialog modally, and releases that
    // dialog's button of this editor.  Empty: nothing to show or release.
    std::function<void()> ShowDefaultWarning;
    std::function<void()> ReleaseDefaultsButton;

    // ---- State every editor shows --------------------------------------------------------------
    std::string Caption;
    bool PasteButtonVisible = false;
    bool ChangeAllToDefaultSBVisible = false;
    bool ZoneColourPanelVisible = false;
    std::int32_t ZoneColourPanel = 0; // colour of CurrentZone

    bool DefaultsMode() const { return model_.DefaultsMode; }
    // The tables of the editor, in their opening order.
    const std::vector<TableCursor*>& Tables() const { return tables_; }

  protected:
    // A table of the editor: opened by FormShow, closed by FormClose; `onDataChange` runs whenever
    // the table moves to another row, and the dialog is refreshed after it.
    void addTable(TableCursor& cursor, std::function<void()> onDataChange);

    // Reads what the editor needs besides its tables each time it is shown (FormShow, with the tables
    // open, before SetValues): an editor that shows a product library reads it again here.  An error
    // closes the tables again and the editor is not shown.
    virtual void ReadShowData() {}
    // Fills the controls and buffers (in defaults mode, on insertion and for an element).
    virtual void SetValues() = 0;
    // Checks and writes the values (OK); false keeps the editor open.
    virtual bool StoreValues() = 0;
    // Keeps and restores the editor's values in its clipboard group.
    virtual void CopyValues() = 0;
    virtual void PasteValues() = 0;
    // Whether the added-R panel is shown: where it is hidden the added R of an element is not
    // compared with the default.  The wall thickness typed in the editor (mm), for wall editors.
    virtual bool AddedRShown() const { return true; }
    virtual double ShownThickness() const { return 0.0; }

    // Shows the defaults mode's part of the common state: the defaults caption, the change-all
    // button, no zone colour.
    void ShowDefaultsFrame();
    // Shows an element's part of it: `caption` (empty keeps the caption its opener set), no
    // change-all button, the colour of CurrentZone.
    void ShowElementFrame(const std::string& caption);

    // Opens the picture palette on `cursor` from a click on its picture: the table's current record
    // goes into the palette's entry of the key first.
    void OpenPalette(std::string_view key, TableCursor& cursor, const PictureAnchor& at);
    void ClosePalette() { context_.palette.Close(); }

    // Tells the dialog to show the state again.
    void refresh() {
        if (view_) view_->refreshEditor();
    }

    EditorContext& context_;
    HouseModel& model_;
    EditorBuffers& buffers_;
    PlanSelection& selection_;
    platform::MessageService& messages_;

  private:
    bool ReportsDeletion() const;
    void ClearStatusOnClose();
    void CloseTables();

    EditorKind kind_;
    EditorView* view_ = nullptr;
    std::vector<TableCursor*> tables_;
};

} // namespace pelmora
