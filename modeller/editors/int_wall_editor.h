// The internal wall editor's logic.  It edits one of three things:
// - an internal wall drawn inside one zone (IntWallMode set; CurrentWall is its number 1..10), which
//   starts from the level default when it has just been drawn (NewIntWall);
// - a partition wall, the wall two zones share (IntWallMode clear): wall CurrentWall of CurrentZone
//   and its partner OtherWall of OtherZone, which OK keeps equal;
// - the current level's default internal wall in defaults mode.
#pragma once

#include "modeller/editors/wall_editor.h"

namespace pelmora {

namespace int_wall_text {
inline constexpr std::string_view kDesignCaption = "Internal Wall";
inline constexpr std::string_view kChangeAllHint = "Change internal walls to current default";
} // namespace int_wall_text

class IntWallEditor : public WallEditor {
  public:
    enum class Mode { Defaults, InternalWall, Partition };

    explicit IntWallEditor(EditorContext& context);

    // The mode SetValues took from DefaultsMode and IntWallMode.
    Mode CurrentMode() const { return mode_; }
    bool ZoneColourPanel2Visible = false;
    std::int32_t ZoneColourPanel2 = 0; // colour of OtherZone in partition mode

    void DeleteAndDrawArea() override;

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    // The level default's construction, as defaults mode and a new internal wall show it.
    void TakeLevelDefault();
    Mode mode_ = Mode::Defaults;
};

} // namespace pelmora
