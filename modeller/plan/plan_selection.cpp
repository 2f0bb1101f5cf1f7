#include "modeller/plan/plan_selection.h"

#include <algorithm>

namespace pelmora {

void DeselectAll(const HouseModel& model, PlanSelection& selection) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        const TZoneRec& zone = model.Zones(z);
        for (int w = 0; w < zone.NodeCount; ++w) {
            selection.NodeSelected(z, w) = false;
            for (int k = 1; k <= model.Walls(z, w).WindowCount; ++k)
                selection.WindowSelected(z, w, k) = false;
            for (int k = 1; k <= model.Walls(z, w).DoorCount; ++k) selection.DoorSelected(z, w, k) = false;
        }
        for (int i = 1; i <= zone.IntWallCount; ++i) {
            selection.IntWallEndSelected(z, i, 1) = false;
            selection.IntWallEndSelected(z, i, 2) = false;
        }
    }
    // Every level's count, whichever level is current: the one flag array serves them all.
    for (int level = 1; level <= kMaxLevels; ++level)
        for (int n = 0; n < std::min(model.Eaves(level).Count, kMaxEavesPoints); ++n)
            selection.EavesNodeSelected(n) = false;
}

void MoveSelectionOfLaterZones(const HouseModel& model, PlanSelection& selection, int zone) {
    for (int j = zone; j < model.ZoneCount; ++j)
        for (int n = 0; n <= kMaxWallIndex; ++n)
            selection.NodeSelected(j, n) = selection.NodeSelected(j + 1, n);
}

void MoveSelectionOfLaterNodes(const HouseModel& model, PlanSelection& selection, int zone, int node) {
    const int count = model.Zones(zone).NodeCount;
    for (int n = node; n + 1 < count; ++n)
        selection.NodeSelected(zone, n) = selection.NodeSelected(zone, n + 1);
    if (count > 0) selection.NodeSelected(zone, count - 1) = false;
}

} // namespace pelmora
