// What the ceiling and roof editors share: a construction table and an insulation table, the added
// bulk R of the scroll bar (shown when the insulation row takes an entered R), the slope box, and the
// R values of the construction for heat flowing up and down.
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/editors/slope_box.h"

namespace pelmora {

// The added bulk R scroll bar: positions 0..150, R = position / 10.
inline constexpr int kSlopedMaxRscroll = 150;
// The bar's large step: 0.5 m2K/W.
inline constexpr int kSlopedRscrollPageStep = 5;

// An insulation row of the ceiling and roof tables: whether the element's added R counts ("ShowR"),
// its two reflective-gap codes, the code of the face seen from the roof space ("GR") and the
// product's own bulk R ("AddR", m2K/W).
struct SlopedInsulationRow {
    bool ShowR = false;
    long long G0 = 0, G1 = 0, GR = 0;
    double AddR = 0.0;
};
SlopedInsulationRow ReadSlopedInsulation(const TableCursor& table);

// The R values of a ceiling or roof for heat flowing up and down (m2K/W).
struct UpDownR {
    double Up = 0.0;
    double Down = 0.0;
};

// A label of the up-and-down displays: the prefix and two decimals (5 digits).
inline std::string SlopedLabel(std::string_view prefix, double value) {
    return ValueLabel(prefix, value);
}

class SlopedEditor : public ElementEditor {
  public:
    TableCursor materialstable;
    TableCursor insulationtable;
    bool rpanelVisible = false; // the added-R panel, shown when the insulation row's "ShowR" is true
    int Rscroll = 0;            // 0..150
    std::string RLabel;         // the added R, one decimal
    SlopeBox PaintBoxTilt;      // with AngleEdit

    bool AddedRShown() const override { return rpanelVisible; }

    // ---- Handlers ------------------------------------------------------------------------------
    void insulationsrceDataChange();
    void RscrollChange(int position);
    void AngleEditChange() { PaintBoxTilt.AngleEditChange(); }
    void dbmaterialpictureClick(const PictureAnchor& at);
    void dbinsulationpictureClick(const PictureAnchor& at);
    virtual void CalcRvalue() = 0;

  protected:
    struct PaletteKeys {
        std::string_view material;   // "CM"
        std::string_view insulation; // "CI"
        int topOffset;               // px added to the editor's top for the palette (the palette's
                                     // own rule places it 5 px above the editor)
    };
    SlopedEditor(EditorContext& context, EditorKind kind, MaterialTable& material, MaterialTable& insulation,
                 const PaletteKeys& keys);

    // Reads the air-gap coefficient table (BESTFIT.DAT) each time the editor is shown.
    void ReadShowData() override;
    // Shows EditAddedR in RLabel (one decimal) and the scroll bar (RLabel read back x 10, rounded).
    void ShowAddedR();
    // The gap of an insulation code: none for 0 or a code outside 1..4, else `width` mm with a plain
    // face and one of the code's emittance, at the slope being edited.
    GapResistances Gap(long long code, double width);

  private:
    PaletteKeys keys_;
};

} // namespace pelmora
