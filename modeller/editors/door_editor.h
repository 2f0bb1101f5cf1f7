// The door editor's logic: one door of a wall (an external wall, or a wall shared with another zone
// through which the door leads), or the current level's default door in defaults mode.  It chooses the
// door construction, sets height and width against the size of the wall, previews the door standing
// in the wall and shows its R, area and UA.
//
// A door never outgrows its wall, whichever way its size arrives: inserted with the level default,
// typed, picked from a preset or pasted, its width is at most the wall's length less 1 mm and, at OK,
// its height at most the wall's height (OK then beeps, says so and stays open with the size limited).
#pragma once

#include "modeller/editors/element_editor.h"

#include "modeller/editors/elevation_preview.h"
#include <algorithm>

namespace pelmora {

namespace door_text {
inline constexpr std::string_view kDesignCaption = "Door";
inline constexpr std::string_view kHeightCaption = "Height             mm";
inline constexpr std::string_view kWidthCaption = "Width               mm";
inline constexpr std::string_view kChangeAllHint = "Change doors to current default";
inline constexpr std::string_view kHeightAboveWall = "Door Height can not be greater than Wall Height";
inline constexpr std::string_view kWidthAboveWallLength = "Door Width can not be greater than Wall Length";
inline constexpr std::string_view kWidthAboveWallWidth = "Door Width can not be greater than Wall Width";
} // namespace door_text

// Limits of the typed door sizes (mm).
inline constexpr NumberRange kDoorSizeRange{1.0, 100000.0};
// The air gap between the two leaves of a door whose row has a second leaf, m2K/W.
inline constexpr double kDoorLeafGapR = 0.17;

// The caption the plan editor gives the door editor: "Door 2  Wall 3  Zone 1" for door 2 of wall
// index 2 of zone 1, followed by "  Through Wall 1  Zone 4" for a door through a shared wall.
std::string DoorCaption(int door, int wall, int zone);
std::string DoorCaption(int door, int wall, int zone, int otherWall, int otherZone);

class DoorEditor : public ElementEditor {
  public:
    explicit DoorEditor(EditorContext& context);

    TableCursor DoorTable;
    EditText HEdit; // door height, mm
    EditText WEdit; // door width, mm
    PresetChoice HeightRG{{2040.0, 2400.0, 2700.0, 3000.0}};
    PresetChoice WidthRG{{720.0, 820.0, 1200.0, 1500.0, 1800.0, 2100.0, 2400.0, 2700.0}};
    std::string RTotLabel, AreaLabel, UALabel;
    bool ZoneColourPanel2Visible = false;
    std::int32_t ZoneColourPanel2 = 0; // colour of the zone the door leads into
    ElevationPicture PaintBox1;

    // True while the editor inserts a new door (the main window's "New Door" is down).
    bool Inserting() const;
    // The widest door the wall takes (mm): the wall's length less 1 mm (a door at least 1 mm wide).
    double MaxDoorWidth() const { return std::max(buffers_.EditWallLength - 1.0, kDoorSizeRange.min); }

    // ---- Handlers ------------------------------------------------------------------------------
    void DoorDataDataChange() { CalcRvalue(); }
    void CalcRvalue();
    void DeleteAndDrawArea();
    void HeightRGClick();
    void HEditChange();
    void AlterRadioButtons1();
    void WidthRGClick();
    void WEditChange();
    void AlterRadioButtons2();
    void dbDoorpicClick(const PictureAnchor& at);

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    // The wall holding the door: its length and height (mm) into the buffers.
    void TakeWallSize();
    // Limits a new or pasted door to its wall, with a beep and a message for each size limited.
    void FitIntoWall();
    // Shows both sizes in their boxes and presets and redraws.
    void ShowSizes();
};

} // namespace pelmora
