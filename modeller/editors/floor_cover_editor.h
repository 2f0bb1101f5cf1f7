// The floor covering editor's logic: the covering of a floor between levels, kept with the upper zone,
// or the current level's default covering in defaults mode.  It chooses one covering row and shows
// the covering's R, with U or, for a zone, the area over the zones below and its UA.
//
// A covering row describes up to two materials laid side by side: material i of thickness Di (mm)
// and resistivity Ri (m2K/W per m) over the area share Ai.  On a floor of resistance R the two covered
// parts are parallel paths, and the covering adds
//   Cover(R) = (R + c1)(R + c2)(A1 + A2) / ((R + c1) A2 + (R + c2) A1) - R,   ci = Ri Di / 1000,
// or nothing when the denominator is 0 (a row without area shares).
#pragma once

#include "modeller/editors/element_editor.h"

namespace pelmora {

namespace floor_cover_text {
inline constexpr std::string_view kDesignCaption = "Floor Covering";
inline constexpr std::string_view kChangeAllHint = "Change internal floor coverings to current default";
} // namespace floor_cover_text

// A covering row as the R displays read it.
struct FloorCoverRow {
    double D1 = 0.0, R1 = 0.0, A1 = 0.0;
    double D2 = 0.0, R2 = 0.0, A2 = 0.0;
};
FloorCoverRow ReadFloorCover(const TableCursor& table);

// The resistance (m2K/W) the covering adds to a floor of resistance `floorR` (m2K/W).
double CoverResistance(const FloorCoverRow& row, double floorR);

// The reference floor on which the covering editor shows a covering's R, and the surface resistance
// of its U and UA.
inline constexpr double kReferenceFloorR = 0.3; // m2K/W
inline constexpr double kFloorCoverSurfaceR = kInsideSurfaceR;
// A floor area over the zones below smaller than this counts as none.
inline constexpr double kSmallestCoveredArea = 0.5; // m2

// The plan area (m2) of `zone` that lies over zones of the level below, from CommonFloorArea as it
// stands (0 on the lowest level).
double AreaOverLevelBelow(const HouseModel& model, int zone);

class FloorCoverEditor : public ElementEditor {
  public:
    explicit FloorCoverEditor(EditorContext& context);

    TableCursor FloorCoverTable;
    std::string RLabel, UALabel, AreaLabel;

    // ---- Handlers ------------------------------------------------------------------------------
    void FloorCoverDataDataChange() { CalcRvalue(); }
    void CalcRvalue();
    void DBFloorCoverImageClick(const PictureAnchor& at);

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;
};

} // namespace pelmora
