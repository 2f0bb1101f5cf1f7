// The ceiling editor's logic: the ceiling of one zone below a roof space or another apartment (its
// construction, insulation with added bulk R, slope and what lies above it), the zones of its level
// that share one roof space with it, and the R values for heat flowing up and down with the ceiling's
// area and UA; or the current level's default ceiling in defaults mode.
//
// OK writes the ceiling, keeps the roof-space kind of the zone's roof equal to the ceiling's, rewrites
// the roof-space lists of the zones of the level from the ticked share rows, and hands the zone's roof
// to every zone of its roof space.
//
// The share rows list at most 50 zones, as many as a roof-space list holds.  On a level with more
// zones the current zone and the zones already sharing its roof space are always listed, the others
// in zone order as room allows, and the share panel says how many zones are not listed.
#pragma once

#include "modeller/editors/sloped_editor.h"

#include <array>
#include <vector>

namespace pelmora {

namespace ceiling_text {
inline constexpr std::string_view kDesignCaption = "Ceiling";
inline constexpr std::array<std::string_view, 5> kAboveItems = {
    "Unvented Cavity", "Ventilated Cavity", "Highly Vented Cav", "Roof, no Cavity", "Another Apartment"};
inline constexpr std::string_view kAboveCaption = "Above the Ceiling";
inline constexpr std::string_view kShareCaption = "Zones Sharing the same Roof Space";
inline constexpr std::string_view kSlopeCaption = "Slope           Deg";
inline constexpr std::string_view kCombineCaption = "Combine";
inline constexpr std::string_view kCombineHint = "Create a single roof space";
inline constexpr std::string_view kSeparateCaption = "Separate";
inline constexpr std::string_view kSeparateHint = "Separate into individual roof spaces";
inline constexpr std::string_view kChangeAllHint = "Change external ceilings to current default";
// The text of a zone type 0..5 in a share row; other types show none.
inline constexpr std::array<std::string_view, 6> kZoneTypes = {"Living",   "Living/Kitchen", "Sleeping",
                                                               "Wet Area", "Corridor",       "Garage"};
} // namespace ceiling_text

// The index of "Another Apartment" in "Above the Ceiling", and the roof-space code it stands for.
inline constexpr int kAboveAnotherApartment = 4;
// Surface resistances of the ceiling's U and UA, Rsi + Rse, m2K/W.
inline constexpr double kCeilingSurfaceR = 0.109 + 0.05;
// The air gap between the two layers of a two-layer ceiling, mm.
inline constexpr double kCeilingLayerGap = 40.0;
// The reflective gaps of a ceiling insulation, mm.
inline constexpr double kCeilingInsulationGap = 40.0;

// The text under which the share panel says how many zones of the level it cannot list.
std::string ShareLimitText(int unlisted);

// One row of "Zones Sharing the same Roof Space".
struct ShareRow {
    int Zone = 0;
    std::string Number; // the zone's number
    std::string Name;   // the zone's name
    bool Checked = false;
    bool CheckVisible = true; // the current zone's own box is hidden
    std::int32_t Colour = 0;  // 0x00BBGGRR
    std::string Type;         // the zone type's text
};

class CeilingEditor : public SlopedEditor {
  public:
    explicit CeilingEditor(EditorContext& context);

    RadioChoice AboveRG{static_cast<int>(ceiling_text::kAboveItems.size())};
    std::string RmUpLabel, RmDnLabel, RuiLabel, RdiLabel, RTotUpLabel, RTotDnLabel, UAUpLabel, UADnLabel;
    std::string AreaLabel;
    bool AreaLabelVisible = false;
    bool SharePanelVisible = false;
    std::vector<ShareRow> ShareRows; // at most 50
    int ShareRowsVersion = 0;        // counts rebuilds of the rows, for the dialog
    std::string ShareLimitLabel;     // empty unless some zones of the level are not listed

    double CeilingArea = 0.0;       // m2, the part of the zone's floor not under a zone above
    double SlopedCeilingArea = 0.0; // m2, CeilingArea / cos(slope)

    // ---- Handlers ------------------------------------------------------------------------------
    void CalcRvalue() override;
    void AboveRGClick();
    void InstallCheckbox();
    void InitCB();
    void ShareCheckClick(int row, bool checked);
    void CombineButtonClick();
    void SeparateButtonClick();
    // Rewrites the roof-space lists of the zones of the current zone's level from the share rows.
    void ProcessCB();
    // Gives zone z the current zone's roof (all but its shape and gap code) and sets z's ceiling's
    // roof-space kind to the one chosen.
    void ChangeRoofValues(int z);

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    // The ceiling area (m2) of the current zone; with `refresh` the shared areas of its level and the
    // level above are computed again first.
    double ComputeCeilingArea(bool refresh);
    // Shows the buffers in the controls and draws the slope box.
    void ShowBuffers();
};

} // namespace pelmora
