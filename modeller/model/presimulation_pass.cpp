#include "modeller/model/presimulation_pass.h"

#include "common/rounding.h"
#include "modeller/model/common_floor_area.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/wall_values.h"
#include "modeller/model/zone_removal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace pelmora {

namespace {

constexpr double kSquareMillimetresPerSquareMetre = 1.0e6;
constexpr double kEavesProbeLength = 20.0; // m

std::int32_t nearestPixel(double x) {
    return static_cast<std::int32_t>(common::roundHalfEvenToInt(x));
}

// True when the point lies on an edge of the zone's outline or inside the zone as the plan sees it.
bool inOwnZone(const HouseModel& model, int zone, TPlanPoint p) {
    for (int w = 0; w < model.Zones(zone).NodeCount; ++w) {
        const TPlanPoint a = model.ZoneNodes(zone, w);
        const TPlanPoint b = model.ZoneNodes(zone, model.NextWall(zone, w));
        if (CoLin(toReal(p), toReal(a), toReal(b))) return true;
    }
    return YRegion(model, model.Zones(zone).Level, p) == zone;
}

void removeIntWall(HouseModel& model, int zone, int k) {
    std::int32_t& count = model.Zones(zone).IntWallCount;
    for (int i = k; i < count; ++i) model.ZoneIntWalls(zone, i) = model.ZoneIntWalls(zone, i + 1);
    --count;
}

// The eaves depth (m) seen from `from` along the outward normal of direction `theta` (radians): the
// distance to the nearest edge of the eaves outline crossed within 20 m, 0 when none is.  The nearest
// edge is the eave over the wall; an edge further out belongs to another part of the roof, such as
// the eave of a wing across a courtyard.
double eavesDepth(const HouseModel& model, int level, TPlanPoint from, double theta) {
    const double reach = PixelsPerMetre(model) * kEavesProbeLength; // px
    const TPlanPoint to{from.X + nearestPixel(std::sin(theta) * reach),
                        from.Y - nearestPixel(std::cos(theta) * reach)};
    const TEavesOutline& eaves = model.Eaves(level);
    double nearest = 0.0; // px
    bool crossed = false;
    for (int k = 0; k < eaves.Count; ++k) {
        const TPlanPoint a = eaves.Points(k);
        const TPlanPoint b = eaves.Points(k + 1 < eaves.Count ? k + 1 : 0);
        const TPlanPoint q = InterceptPoint(a, b, from, to);
        if (q == kNoIntercept) continue;
        const double distance = Distance(q, from); // px
        if (!crossed || distance < nearest) nearest = distance;
        crossed = true;
    }
    return nearest / PixelsPerMetre(model);
}

void clearEaves(HouseModel& model, int level) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (model.Zones(z).Level != level) continue;
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            TWallRec& wall = model.Walls(z, w);
            wall.EavesDepth = 0.0;
            for (int k = 1; k <= wall.WindowCount; ++k) model.WallWindows(z, w, k).EavesDepth = 0.0;
            for (int k = 1; k <= wall.DoorCount; ++k) model.WallDoors(z, w, k).EavesDepth = 0.0;
        }
    }
}

// The openings are measured from the points their positions give on the wall at the current scale,
// never from the points a drawing of the plan last left in them.
void wallEaves(HouseModel& model, int level, int z, int w) {
    const TPlanPoint a = model.ZoneNodes(z, w);
    const TPlanPoint b = model.ZoneNodes(z, model.NextWall(z, w));
    TWallRec& wall = model.Walls(z, w);
    wall.Length = Distance(a, b) / PixelsPerMetre(model);
    // A normal exactly along the plan's x axis is turned a little off it.
    if (wall.PlanAzimuth == 90.0) wall.PlanAzimuth = 89.9;
    if (wall.PlanAzimuth == 270.0) wall.PlanAzimuth = 269.9;
    const double theta = wall.PlanAzimuth * std::numbers::pi / 180.0; // radians
    const TPlanPoint middle{nearestPixel((static_cast<double>(a.X) + b.X) / 2.0),
                            nearestPixel((static_cast<double>(a.Y) + b.Y) / 2.0)};
    wall.EavesDepth = eavesDepth(model, level, middle, theta);
    // A window's second eaves width replaces the outline's whenever the level has an outline.
    const bool outlined = model.Eaves(level).Count > 0;
    for (int k = 1; k <= wall.WindowCount; ++k) {
        TWindowRec& window = model.WallWindows(z, w, k);
        window.NodePoint = OpeningNodePoint(model, z, w, window.Position);
        window.EavesDepth = outlined && window.SecondEaves != 0.0
                                ? window.SecondEaves
                                : eavesDepth(model, level, window.NodePoint, theta);
    }
    for (int k = 1; k <= wall.DoorCount; ++k) {
        TDoorRec& door = model.WallDoors(z, w, k);
        door.NodePoint = OpeningNodePoint(model, z, w, door.Position);
        door.EavesDepth = eavesDepth(model, level, door.NodePoint, theta);
    }
}

bool levelHoldsZones(const HouseModel& model, int level) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (model.Zones(z).Level == level) return true;
    return false;
}

// Total area (m2) of the stairwells and voids down from zone i to zone j.
double stairArea(const HouseModel& model, int i, int j) {
    double area = 0.0;
    for (int k = 1; k <= model.Zones(i).StairDownCount; ++k) {
        const TStairRec& stair = model.StairsDown(i, k);
        if (stair.Zone == j) area += stair.Length * stair.Width / kSquareMillimetresPerSquareMetre;
    }
    return area;
}

// The first wall of zone o that adjoins zone i with the given length; -1 when none does.
int matchingWall(const HouseModel& model, int o, int i, double length) {
    for (int v = 0; v < model.Zones(o).NodeCount; ++v) {
        const TWallRec& other = model.Walls(o, v);
        if (other.AdjZone == i && other.Length == length) return v;
    }
    return -1;
}

// Mirrors the doors of wall w of zone i into the first wall of the neighbouring zone that adjoins
// zone i with the same length.  `mirrored` holds the positions of every door mirrored so far.
void mirrorDoors(HouseModel& model, int i, int w, std::vector<TPlanPoint>& mirrored) {
    const TWallRec& wall = model.Walls(i, w);
    const int o = wall.AdjZone;
    const int v = matchingWall(model, o, i, wall.Length);
    if (v < 0) return;
    for (int d = 1; d <= wall.DoorCount; ++d) {
        const TDoorRec& door = model.WallDoors(i, w, d);
        if (std::find(mirrored.begin(), mirrored.end(), door.NodePoint) != mirrored.end()) continue;
        const AddResult slot = model.AddInterzoneDoor(o, v);
        if (!slot) continue; // the wall holds no more mirrored doors
        model.InterzoneDoors(o, v, slot.index) = {door.Width, door.Height, door.ElementArea, door.NodePoint,
                                                  door.Material};
        mirrored.push_back(door.NodePoint);
    }
}

} // namespace

std::string StairwellQuestionText(int upperZone, int lowerZone) {
    return "Zone " + std::to_string(upperZone) + " and Zone " + std::to_string(lowerZone) +
           std::string(presimulation_text::kStairwellCannotBeShared) +
           std::string(presimulation_text::kStairwellsWillBeDeleted);
}

std::string DeletedWindowsText(const HouseModel& model, const std::vector<RemovedWindow>& windows) {
    std::string text(presimulation_text::kWindowsOnSharedWallsDeleted);
    for (const RemovedWindow& w : windows) {
        char width[32];
        std::snprintf(width, sizeof width, "%.2f", w.Width);
        const std::string& name = model.Zones(w.Zone).Name;
        text += "\nWindow " + std::to_string(w.Window) + " of Wall " + std::to_string(w.Wall + 1) +
                " of Zone " + std::to_string(w.Zone) + (name.empty() ? "" : " (" + name + ")") + ", " +
                width + " m wide";
    }
    return text;
}

bool ScratchCalcs(HouseModel& model, PlanView& view, StairwellQuestion& question) {
    DeleteUnwantedIntWall(model, view);
    for (int z = model.ZoneCount; z >= 1; --z)
        if (model.Zones(z).FloorArea == 0.0) DiscardZone(model, view, z);

    const int shownLevel = model.CurrentLevel;
    for (int level = 1; level <= model.LevelCount; ++level) {
        model.CurrentLevel = level;
        view.DrawAllOnCurrentLevel();
    }
    model.CurrentLevel = shownLevel;
    view.DrawAllOnCurrentLevel();
    view.RestoreAll();

    for (int level = 1; level <= model.LevelCount; ++level) CalculateWallValues(model, view, level);
    const std::vector<RemovedWindow> removed = DelWindowsBnZones(model, view);
    if (!removed.empty()) question.ReportDeletedWindows(DeletedWindowsText(model, removed));
    // Every opening of every level stands where its position puts it at the current scale.
    for (int z = 1; z <= model.ZoneCount; ++z) PlaceOpeningPoints(model, z);
    for (int level = 1; level <= model.LevelCount; ++level) CalcEaves(model, level);
    for (int z = 1; z <= model.ZoneCount; ++z) model.Zones(z).FloorArea = Area(model, z);
    DeleteUntiedLevels(model, view);
    CalcAllCommonArea(model);
    const bool runCancelled = AllocateVoidArea(model, question);
    CalculateOpenings(model);
    return runCancelled;
}

void DeleteUnwantedIntWall(HouseModel& model, PlanView& view) {
    view.DrawAllOnCurrentLevel();
    for (int z = 1; z <= model.ZoneCount; ++z) {
        int k = 1;
        while (k <= model.Zones(z).IntWallCount) {
            const TIntWallRec& wall = model.ZoneIntWalls(z, k);
            if (inOwnZone(model, z, wall.StartPoint) && inOwnZone(model, z, wall.EndPoint)) {
                ++k;
                continue;
            }
            view.Beep();
            view.ShowStatus(std::string(presimulation_text::kDeletingInternalWall) + std::to_string(k) +
                            " of Zone " + std::to_string(z));
            removeIntWall(model, z, k);
        }
    }
    view.DrawAllOnCurrentLevel();
}

void CalcEaves(HouseModel& model, int level) {
    if (!model.EavesDefined(level)) {
        clearEaves(model, level);
        return;
    }
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (model.Zones(z).Level != level) continue;
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) wallEaves(model, level, z, w);
    }
}

void DeleteUntiedLevels(HouseModel& model, PlanView& view) {
    for (int level = model.LevelCount; level >= 1; --level) {
        if (levelHoldsZones(model, level) || model.LevelCount <= 1) continue;
        view.DrawAllOnCurrentLevel();
        view.DeselectAll();
        view.ToggleLevelOutlines();
        DeleteLevel(model, view, level);
        model.CurrentLevel = 1;
        view.ShowLevelOne();
        view.DrawAllOnCurrentLevel();
        view.ToggleLevelOutlines();
    }
}

bool UnwantedStairs(HouseModel& model, StairwellQuestion& question) {
    bool runCancelled = false;
    for (int i = 1; i <= model.ZoneCount; ++i) {
        for (int j = 1; j <= model.ZoneCount; ++j) {
            if (stairArea(model, i, j) <= model.CommonFloorArea(i, j)) continue;
            if (!question.ConfirmStairwellDeletion(StairwellQuestionText(i, j))) {
                runCancelled = true;
                continue;
            }
            for (const int z : {i, j}) model.Zones(z).StairDownCount = model.Zones(z).StairUpCount = 0;
        }
    }
    return runCancelled;
}

bool AllocateVoidArea(HouseModel& model, StairwellQuestion& question) {
    const bool runCancelled = UnwantedStairs(model, question);
    for (int i = 1; i <= model.ZoneCount; ++i)
        for (int j = 1; j <= model.ZoneCount; ++j) model.VoidArea(i, j) = 0.0;
    for (int i = 1; i <= model.ZoneCount; ++i) {
        for (int k = 1; k <= model.Zones(i).StairDownCount; ++k) {
            const TStairRec& stair = model.StairsDown(i, k);
            const int j = stair.Zone;
            if (j < 1 || j > model.ZoneCount || j == i) continue;
            model.VoidArea(i, j) += stair.Length * stair.Width / kSquareMillimetresPerSquareMetre;
            model.VoidArea(j, i) = model.VoidArea(i, j);
        }
    }
    return runCancelled;
}

void CalculateOpenings(HouseModel& model) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) model.Walls(z, w).InterzoneDoorCount = 0;
    std::vector<TPlanPoint> mirrored;
    for (int i = 1; i <= model.ZoneCount; ++i) {
        for (int w = 0; w < model.Zones(i).NodeCount; ++w) {
            const TWallRec& wall = model.Walls(i, w);
            if (wall.AdjZone == 0 || wall.DoorCount == 0) continue;
            mirrorDoors(model, i, w, mirrored);
        }
    }
}

} // namespace pelmora
