// The external floor editor's logic: the floor of a zone to the ground or to an under-floor space, or
// the current level's default external floor in defaults mode.  It chooses the floor construction,
// its insulation and its covering, describes the under-floor space of a suspended floor (ventilation,
// vent area, height, reflective upper surface), shows the R values for heat flowing up and down with
// U or UA, and groups the zones of the level that share one under-floor space.
//
// A group is kept as the SharedZones list of each member's floor (50 entries, the zone itself
// included, 0 for an empty entry).  The share rows list the zones of the level; a group never holds
// more zones than its list: a 51st member is refused with a beep and a message, and OK keeps a group
// that would not fit from being written at all.
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/editors/floor_cover_editor.h"

#include <array>

namespace pelmora {

namespace ext_floor_text {
inline constexpr std::string_view kDesignCaption = "External Floor";
inline constexpr std::string_view kChangeAllHint = "Change external floors to current default";
inline constexpr std::array<std::string_view, 3> kVentilationItems = {"Very Open", "Open", "Enclosed"};
inline constexpr std::array<std::string_view, 5> kVentAreaItems = {"1000", "2000", "3000", "4000", "6000"};
inline constexpr std::array<std::string_view, 2> kReflectItems = {"Non Reflective", "Reflective"};
inline constexpr std::string_view kHeightZero = "Under Floor Height can not be zero";
inline constexpr std::string_view kGroupFull = "Only 50 zones can share one under floor space";
inline constexpr std::string_view kCombineHint = "Create a single floor space";
inline constexpr std::string_view kSeparateHint = "Separate into individual under floor spaces";
// The zone type texts of the share rows, for types 0..5 (types 6 and 7 show none).
inline constexpr std::array<std::string_view, 6> kZoneTypes = {"Living",   "Living/Kitchen", "Sleeping",
                                                               "Wet Area", "Corridor",       "Garage"};
} // namespace ext_floor_text

// The items of "Ventilation".
inline constexpr int kVeryOpen = 0;
// Limits of the typed under-floor height (mm).
inline constexpr NumberRange kUnderFloorHeightRange{0.0, 100000.0};
// The form's width with and without the under-floor panel (px).
inline constexpr int kWidthWithUnderFloor = 458;
inline constexpr int kWidthWithoutUnderFloor = 318;

// The R values of an external floor, m2K/W.
struct ExtFloorResistances {
    double Rf = 0.0;                                 // the floor construction
    double Fill = 0.0;                               // the fill under a slab, in a house with a garage
    double CoverUp = 0.0, CoverDown = 0.0;           // the covering on it
    double InsulationUp = 0.0, InsulationDown = 0.0; // air gaps and bulk insulation
    double TotalUp = 0.0, TotalDown = 0.0;
    double Surfaces = 0.0; // Rsi + Rse
};
struct ExtFloorInsulationRow {
    long long G0 = 0, G1 = 0;
    double AddR = 0.0;
};
// The slab on ground of a house that has a garage zone stands on 200 mm of compacted fill at
// 2.0 W/mK, m2K/W.
inline constexpr double kSlabFillR = 0.200 / 2.0;
// `floorNumber` is the construction row's "Material Number" (1, the slab on ground, has the smaller
// surface resistance and, in a house with a garage zone, the fill under it); `bulkShown` says whether
// the added-R panel is shown.
ExtFloorResistances ExtFloorRValues(long long floorNumber, double floorR,
                                    const ExtFloorInsulationRow& insulation, bool bulkShown, double addedR,
                                    const FloorCoverRow& cover, bool houseHasGarage);
// An external floor gap's resistances for gap code 0..4.
GapResistances ExtFloorGap(long long code);

// One row of the zones that may share the under-floor space.
struct SharedZoneRow {
    int Zone = 0;
    int Top = 0; // px in the scroll box: 16 k + 4 for row k
    std::string NumberText, NameText, TypeText;
    std::int32_t Colour = 0;
    bool Checked = false;
    bool CheckBoxVisible = true; // hidden on the current zone's own row
};

class ExtFloorEditor : public ElementEditor {
  public:
    explicit ExtFloorEditor(EditorContext& context);

    TableCursor materialstable;
    TableCursor insulationtable;
    TableCursor FloorCoverTable;
    RadioChoice ExtFloorVent{static_cast<int>(ext_floor_text::kVentilationItems.size())};
    RadioChoice VentAreaRG{static_cast<int>(ext_floor_text::kVentAreaItems.size())};
    RadioChoice ReflectRG{static_cast<int>(ext_floor_text::kReflectItems.size())};
    EditText HEdit; // under-floor height, mm
    PresetChoice HeightRG{{2000.0, 1500.0, 1000.0, 600.0}};
    bool UFPanelVisible = false;   // the under-floor space, for a floor row whose "UF" is true
    bool VentPanelVisible = false; // vent area and height, for an open or enclosed space
    bool rpanelVisible = false;    // the added-R panel, for an insulation row whose "ShowR" is true
    int Rscroll = 0;               // 0..150
    std::string RLabel;            // the added R, one decimal
    std::string RumLabel, RdmLabel, RuiLabel, RdiLabel, RTotUpLabel, RTotDnLabel, UAUpLabel, UADnLabel,
        AreaLabel;
    int Width = kWidthWithoutUnderFloor; // px
    bool SharePanelVisible = false;
    std::vector<SharedZoneRow> SharedZoneRows;
    // Counts the times the rows were built or freed, so that a dialog knows when to build its own.
    int SharedZoneRowsVersion = 0;

    bool AddedRShown() const override { return rpanelVisible; }

    // ---- Handlers ------------------------------------------------------------------------------
    void materialsrceDataChange();
    void insulationsrceDataChange();
    void FloorCoverDataDataChange() { CalcRvalue(); }
    void CalcRvalue();
    void AccountForUnderFloorSpace();
    void ExtFloorVentClick();
    void VentAreaRGClick() { ClosePalette(); }
    void ReflectRGClick() { ClosePalette(); }
    void HeightRGClick();
    void HEditChange();
    void AlterRadioButtons();
    void RscrollChange(int position);
    // The share rows: built for the zones of the current zone's level, ticked from its list.
    void InstallCheckbox();
    void InitCB();
    // A tick or untick of row `row` by the user; a tick that would make the group larger than its
    // list is refused with a beep and a message.
    void CheckBoxClick(std::size_t row, bool checked);
    void CombineButtonClick();
    void SeparateButtonClick();
    // Frees the share rows (the dialog closes after a zone's opening).
    void FreeSharedZoneRows() {
        SharedZoneRows.clear();
        ++SharedZoneRowsVersion;
    }
    void dbmaterialpictureClick(const PictureAnchor& at);
    void dbinsulationpictureClick(const PictureAnchor& at);
    void DBFloorCoverImageClick(const PictureAnchor& at);

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    // The members the ticked rows give: the ticked zones and the current zone, in zone order.
    std::vector<int> TickedMembers() const;
    // Rewrites the lists of the level's zones for the new group (the group fits in a list).
    void ProcessCB(const std::vector<int>& members);
    // Gives a member of the group the dialog's under-floor values; its construction and covering stay.
    void ChangeFloorValues(int zone);
    // The floor area (m2) of the zone that does not lie over a zone of the level below.
    double ExposedFloorArea(int zone);
    void ShowAddedR();
    void ShowHeight();
};

} // namespace pelmora
