// The external wall editor's logic: the external construction of one wall of a zone (wall type and
// insulation, colour and solar absorptance, height, thickness, added bulk insulation, what lies beyond
// the wall and whether it is insulated outside), or the current level's default external wall in
// defaults mode.  Its preview shows the wall from outside with its windows and doors.
#pragma once

#include "modeller/editors/wall_editor.h"

#include <array>
#include <optional>

namespace pelmora {

namespace ext_wall_text {
inline constexpr std::array<std::string_view, 4> kBeyondItems = {"Air", "Shaded Air", "Neighbour", "Earth"};
inline constexpr std::string_view kBeyondCaption = "Beyond the Wall";
inline constexpr std::string_view kExtInsCaption = "Externally Insulated";
inline constexpr std::string_view kChangeAllHint = "Change external  walls to current default";
} // namespace ext_wall_text

// The colour presets of the external wall, 0x00BBGGRR.
inline constexpr std::int32_t kDarkWallColour = 2631720;
inline constexpr std::int32_t kMediumWallColour = 10658466;
inline constexpr std::int32_t kLightWallColour = 15066597;

class ExtWallEditor : public WallEditor {
  public:
    explicit ExtWallEditor(EditorContext& context);

    RadioChoice Beyond{static_cast<int>(ext_wall_text::kBeyondItems.size())};
    bool ExtInsCB = false;
    bool ExtInsCBVisible = true;  // only for wall types whose "TI" is 0 or 4
    std::int32_t colourpanel = 0; // the colour shown, EditColour
    std::string ALabel;           // its solar absorptance
    // The colour dialog: the colour chosen starting from `current`, nothing when it was cancelled.
    std::function<std::optional<std::int32_t>(std::int32_t current)> ColorDialog1;

    // ---- Handlers ------------------------------------------------------------------------------
    void materialsrceDataChange() override;
    void DeleteAndDrawArea() override;
    void BeyondClick();
    void ExtInsCBClick(bool checked);
    void colourpanelClick();
    void DarkPClick();
    void MedPClick();
    void LightPClick();

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    void TakeColour(std::int32_t colour);
    TWallRec& wall() const;
};

} // namespace pelmora
