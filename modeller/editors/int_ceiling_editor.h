// The floor between levels editor's logic: the construction between a zone and the zones of the
// level above (kept with the lower zone), or the current level's default in defaults mode.  It
// chooses the floor/ceiling construction and its insulation, takes an added bulk R when the
// insulation row asks for one, and shows the R values for heat flowing up and down with U or, for a
// zone, the area covered by the level above and its UA.
#pragma once

#include "modeller/editors/element_editor.h"

namespace pelmora {

namespace int_ceiling_text {
inline constexpr std::string_view kDesignCaption = "Ceiling Between Levels";
inline constexpr std::string_view kChangeAllHint = "Change ceilings between levels  to current default";
} // namespace int_ceiling_text

// Surface resistances of the floor between levels, m2K/W.
inline constexpr double kIntCeilingSurfaceR = kInsideSurfaceR + kOutsideSurfaceR;

// The R values of a floor between levels (m2K/W).  The construction's two layers count the same both
// ways; the air gap of the insulation's code counts where the construction has a cavity for it (its
// "G" is not 0), except when a construction of kind 3 or 4 meets a gap of code 3 or 4; on a
// construction without a cavity only the foil on battens (code 4) lays its gap.
struct IntCeilingResistances {
    double Rm = 0.0;      // the construction's layers
    double GapUp = 0.0;   // the air gap, heat flowing up
    double GapDown = 0.0; // the air gap, heat flowing down
    double Bulk = 0.0;    // the added bulk R where the insulation row shows it
    double TotalUp = 0.0; // Rm + GapUp + Bulk
    double TotalDown = 0.0;
};
struct IntCeilingMaterialRow {
    double D1 = 0.0, R1 = 0.0, D2 = 0.0, R2 = 0.0;
    long long G = 0;
};
IntCeilingResistances IntCeilingRValues(const IntCeilingMaterialRow& material, long long insulationGap,
                                        bool showR, double addedR);

class IntCeilingEditor : public ElementEditor {
  public:
    explicit IntCeilingEditor(EditorContext& context);

    TableCursor materialstable;
    TableCursor insulationtable;
    // The added bulk R being edited (m2K/W): this editor's own, not the walls' EditAddedR.
    double EditIntCeilingAddedR = 0.0;
    // The plan area (m2) of the zone covered by zones of the level above.
    double SharedArea = 0.0;
    bool rpanelVisible = false; // the added-R panel, shown when the insulation row's "ShowR" is true
    int Rscroll = 0;            // 0..150
    std::string RLabel;         // the added R, one decimal
    std::string RumLabel, RdmLabel, RuiLabel, RdiLabel, RTotUpLabel, RTotDnLabel, UAUpLabel, UADnLabel,
        AreaLabel;

    bool AddedRShown() const override { return rpanelVisible; }

    // ---- Handlers ------------------------------------------------------------------------------
    void materialsrceDataChange() { CalcRvalue(); }
    void insulationsrceDataChange();
    void CalcRvalue();
    void RscrollChange(int position);
    void dbmaterialpictureClick(const PictureAnchor& at);
    void dbinsulationpictureClick(const PictureAnchor& at);

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    // The added R in its label (one decimal) and the scroll bar at that label's value x 10.
    void ShowAddedR();
};

// The plan area (m2) of `zone` covered by zones of the level above, after the shared areas of the two
// levels have been recomputed; 0 on the top level.
double AreaUnderLevelAbove(HouseModel& model, int zone);

} // namespace pelmora
