// The roof editor's logic: the roof above a zone and, with it, the roof of every zone that shares the
// zone's roof space (the zone's ceiling list, which only the ceiling editor changes): the roofing and
// its insulation with added bulk R, the colour and its solar absorptance, the pitch, the ventilation
// of the roof space and the roof's shape.  It shows the R values for heat flowing up and down and,
// for a zone, the roof's area and the roof-space volume estimated from the plan; or it edits the
// current level's default roof in defaults mode.
#pragma once

#include "modeller/editors/roof_shape_picture.h"
#include "modeller/editors/sloped_editor.h"

#include <array>
#include <optional>

namespace pelmora {

namespace roof_text {
inline constexpr std::string_view kDesignCaption = "Roof";
inline constexpr std::array<std::string_view, 5> kVentItems = {"Unvented Cavity", "Ventilated Cavity",
                                                               "Highly ventilated Cavity",
                                                               "Unvented, no Cavity", "Neighbour, no Roof"};
inline constexpr std::string_view kVentCaption = "Roofspace Ventilation";
inline constexpr std::array<std::string_view, 4> kShapeItems = {"Hip", "Hip and Gable", "Gable both ends",
                                                                "Skillion"};
inline constexpr std::string_view kShapeCaption = "Roof Shape";
inline constexpr std::string_view kAbsorptanceCaption = "Absorptance";
inline constexpr std::string_view kSlopeCaption = "Slope           Deg";
inline constexpr std::string_view kChangeAllHint = "Change all roofs to current default";
} // namespace roof_text

// The items of "Roofspace Ventilation" whose roof has no roof space under it, and the one with no
// roof of the house's own.
inline constexpr int kRoofUnventedNoCavity = 3;
inline constexpr int kRoofNeighbourNoRoof = 4;
// The widths of the roof insulation's reflective gaps: the first under the roofing, the second below.
inline constexpr double kRoofFirstGap = 20.0;  // mm
inline constexpr double kRoofSecondGap = 40.0; // mm

// The colour presets of the roof, 0x00BBGGRR.
inline constexpr std::int32_t kDarkRoofColour = 0x282828;   // 40, 40, 40
inline constexpr std::int32_t kMediumRoofColour = 0xA2A2A2; // 162, 162, 162
inline constexpr std::int32_t kLightRoofColour = 0xE5E5E5;  // 229, 229, 229

class RoofEditor : public SlopedEditor {
  public:
    explicit RoofEditor(EditorContext& context);

    RadioChoice RoofVentRG{static_cast<int>(roof_text::kVentItems.size())};
    RadioChoice RoofShapeRG{static_cast<int>(roof_text::kShapeItems.size())};
    std::int32_t EditRoofColour = 0; // the colour being edited, shown in colourpanel
    std::string ALabel;              // its solar absorptance
    std::string RumLabel, RdmLabel, RuiLabel, RdiLabel, RTotUpLabel, RTotDnLabel;
    std::string AreaLabel, VolumeLabel;
    bool AreaLabelVisible = false;
    bool VolumeLabelVisible = false;
    // The sketch of the chosen shape beside RoofShapeRG.
    std::vector<PictureLine> RoofPicture;
    // The colour dialog: the colour chosen starting from `current`, nothing when it was cancelled.
    std::function<std::optional<std::int32_t>(std::int32_t current)> ColorDialog1;

    // The roof-space group: each zone's number preceded by a blank, and their floor area (m2).
    std::string GroupText;
    double GroupArea = 0.0;
    // The plan figures of the last CalcRvalue in zone mode.
    double HorizontalArea = 0.0;  // m2, the group's floor not under the level above
    double EffectiveWidth = 0.0;  // m
    double RoofArea = 0.0;        // m2
    double RoofSpaceVolume = 0.0; // m3

    // ---- Handlers ------------------------------------------------------------------------------
    void CalcRvalue() override;
    void FindZonesAndAreas();
    void RoofVentRGClick();
    void RoofShapeRGClick();
    void colourpanelClick();
    void DarkPClick();
    void MedPClick();
    void LightPClick();
    // Gives zone z the roof being edited (all but the gap code) and its ceiling the roof-space kind.
    void ChangeRoofValues(int z);

  protected:
    void ReadShowData() override;
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    void TakeColour(std::int32_t colour);
    void ShowBuffers();
    void CalcGeometry();
    // The zones of the current zone's roof-space list that exist.
    std::vector<int> GroupZones() const;
};

} // namespace pelmora
