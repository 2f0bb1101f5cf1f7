// What the external and internal wall editors share: a wall type table and an insulation table, the
// height box with its presets, the thickness box, the added bulk R of the scroll bar, the wall's R
// values and UA, and the elevation preview.
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/editors/elevation_preview.h"

namespace pelmora {

// ---- The wall's R values ------------------------------------------------------------------------

// A wall type row as the R-value display reads it: which layer takes the wall's thickness ("TI"),
// three layers of a thickness D (mm) and a resistivity R (m2K/W per m), and whether the first
// reflective gap may be placed ("AS").
struct WallConstructionRow {
    long long TI = 0;
    double D1 = 0.0, R1 = 0.0;
    double D2 = 0.0, R2 = 0.0;
    double D3 = 0.0, R3 = 0.0;
    bool AS = false;
};
// A wall insulation row: whether the element's added R counts ("ShowR"), three air-gap codes and the
// product's own bulk R ("AddR", m2K/W).
struct WallInsulationRow {
    bool ShowR = false;
    long long G0 = 0, G1 = 0, G2 = 0;
    double AddR = 0.0;
};
WallConstructionRow ReadWallConstruction(const TableCursor& table);
WallInsulationRow ReadWallInsulation(const TableCursor& table);

// The resistance (m2K/W) of a wall air gap of code 0..4: none, 0.163, 0.625, 0.51, 0.28.
double WallGapResistance(long long code);
// The thickness (mm) a wall of this type takes when the type is chosen: "D1" when "TI" is 0, 1 or 3,
// else "D2".
double DefaultWallThickness(const WallConstructionRow& row);

struct WallResistances {
    double Rd = 0.0; // m2K/W, the construction's layers
    double Ri = 0.0; // m2K/W, air gaps and bulk insulation
    double Rt = 0.0; // m2K/W, Rd + Ri
};
// The R values of a wall of `thickness` mm with `addedR` of bulk insulation.  `foilFacedCavity` marks
// the wall type whose first gap becomes a foil-faced gap (0.51) when the insulation row brings its own
// bulk R.
WallResistances WallRValues(const WallConstructionRow& wall, const WallInsulationRow& insulation,
                            double thickness, double addedR, bool foilFacedCavity);

// ---- The shared editor ------------------------------------------------------------------------------

// Limits of the typed sizes (mm): any positive height up to 100 m.
inline constexpr NumberRange kWallHeightRange{1.0, 100000.0};
// The wall of the preview in defaults mode, which has no real wall: 6 m long.
inline constexpr double kDefaultsWallLength = 6.0; // m
// The added bulk R scroll bar: positions 0..150, R = position / 10.
inline constexpr int kMaxRscroll = 150;

class WallEditor : public ElementEditor {
  public:
    TableCursor materialstable;
    TableCursor insulationtable;
    EditText HEdit;     // wall height, mm
    EditText ThickEdit; // wall thickness, mm
    PresetChoice RadioGroup1{{3000.0, 2700.0, 2550.0, 2400.0}};
    bool rpanelVisible = false; // the added-R panel, shown when the insulation row's "ShowR" is true
    int Rscroll = 0;            // 0..150
    std::string RLabel;         // the added R, one decimal
    // The R display: the construction (RdLabel; RDisLabel in the internal wall editor), the gaps and
    // insulation, the total, and U or UA; the area label and the preview.
    std::string RdLabel, RiLabel, RTotLabel, UALabel, AreaLabel;
    ElevationPicture PaintBox1;

    bool AddedRShown() const override { return rpanelVisible; }
    double ShownThickness() const override { return buffers_.EditThickness; }

    // ---- Handlers ------------------------------------------------------------------------------
    virtual void materialsrceDataChange();
    void insulationsrceDataChange();
    void CalcRvalue();
    virtual void DeleteAndDrawArea() = 0;
    void RadioGroup1Click();
    void HEditChange();
    // A thickness that is not a number is told in an error box and EditThickness keeps its value (an
    // empty box is taken as typing in progress and only refused at OK).
    void ThickEditChange();
    void RscrollChange(int position);
    // Selects the height preset equal to EditWallHeight, or none; closes the palette.
    void AlterRadioButtons();
    void dbmaterialpictureClick(const PictureAnchor& at);
    void dbinsulationpictureClick(const PictureAnchor& at);

  protected:
    struct WallTraits {
        std::string_view materialKey;   // palette key of the wall type table
        std::string_view insulationKey; // palette key of the insulation table
        int foilFacedCavityRecord;      // record of the wall type whose first gap may become foil-faced
        double surfaceR;                // m2K/W, Rsi + Rse
    };
    WallEditor(EditorContext& context, EditorKind kind, MaterialTable& material, MaterialTable& insulation,
               const WallTraits& traits);

    // Shows the buffers in the controls (added R label and scroll bar, height, thickness, preset),
    // draws the preview and runs CalcRvalue.
    void ShowBuffers();
    // OK's conversion of ThickEdit into EditThickness.  A text that is not a number is told in an
    // error box, the box shows EditThickness again and false keeps the editor open.
    bool TakeThickness();
    // The wall itself in the preview: EditWallLength (m) by EditWallHeight (mm).
    void DrawWallRectangle();

  private:
    WallTraits traits_;
};

} // namespace pelmora
