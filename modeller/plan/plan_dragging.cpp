// The plan editor's drags and nudges: picked nodes, eaves nodes, internal-wall ends, windows and
// doors follow the pointer; on the button's release the walls are recomputed when something moved,
// and the checks run that keep the plan sound (no overlapping zones, every opening on its wall,
// every internal wall inside its zone).
#include "common/rounding.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/presimulation_pass.h"
#include "modeller/model/wall_values.h"
#include "modeller/plan/plan_editor.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace pelmora {

namespace {

bool contains(const std::array<int, 20>& zones, int zone) {
    return std::find(zones.begin(), zones.end(), zone) != zones.end();
}

std::string zoneAreaText(int z, const TZoneRec& zone) {
    char area[32];
    std::snprintf(area, sizeof area, "%6.2f", zone.FloorArea);
    return "Zone " + std::to_string(z) + "  " + zone.Name + " Area " + area;
}

} // namespace

// ---- Drag on pointer move ----------------------------------------------------------------------

bool PlanEditor::insidePlan(TPlanPoint p) const {
    const int extent = ScrollRangeFor(model_.Magnification);
    return 0 < p.X && p.X < extent && 0 < p.Y && p.Y < extent;
}

void PlanEditor::dragPoint(TPlanPoint& node, TPlanPoint start) const {
    if (!MoveRestricted) {
        node.X += StepX;
        node.Y += StepY;
        return;
    }
    // Restricted: along one axis, the other coordinate held where it stood at the pick.
    if (Direction == MoveDirection::Horizontal) {
        node.X += StepX;
        node.Y = start.Y;
    } else if (Direction == MoveDirection::Vertical) {
        node.Y += StepY;
        node.X = start.X;
    }
}

// A window or door slides along its wall: its centre goes to the pointer's distance from the wall's
// start node, kept so that the opening stays between the wall's two ends.  A pointer farther from
// the end node than the wall is long (behind the start) leaves it where it is.
void PlanEditor::dragOpening(TPlanPoint p, double width, double& position) {
    const TPlanPoint t = model_.ZoneNodes(DragZone, DragWall);
    const TPlanPoint u = model_.ZoneNodes(DragZone, model_.NextWall(DragZone, DragWall));
    if (!(Distance(u, t) > Distance(p, u))) return;
    const double ppm = pixelsPerMetre();
    position = Distance(t, p) / ppm;
    const double wallLength = Distance(t, u) / ppm;
    if (!(wallLength - width / 2 >= position)) position = wallLength - width / 2;
    if (width / 2 > position) position = width / 2;
}

bool PlanEditor::dragMove(TPlanPoint p, TPlanPoint s) {
    if (WindowDragging) {
        TWindowRec& window = model_.WallWindows(DragZone, DragWall, DragWindow);
        dragOpening(p, window.Width, window.Position);
        view_.RestoreAll();
        return true;
    }
    if (DoorDragging) {
        TDoorRec& door = model_.WallDoors(DragZone, DragWall, DragDoor);
        dragOpening(p, door.Width, door.Position);
        view_.RestoreAll();
        return true;
    }
    if (IntWallEndDragging) {
        TIntWallRec& wall = model_.ZoneIntWalls(DragIntWallZone, DragIntWall);
        if (selection_.IntWallEndSelected(DragIntWallZone, DragIntWall, 1)) wall.StartPoint = s;
        if (selection_.IntWallEndSelected(DragIntWallZone, DragIntWall, 2)) wall.EndPoint = s;
        view_.RestoreAll();
        return true;
    }
    if (!view_.InEditMode()) return false;
    const int level = model_.CurrentLevel;
    if (EavesNodeDragging) {
        if (insidePlan(p) && NodeTied) {
            for (int i = 0; i < model_.Eaves(level).Count; ++i) {
                if (!selection_.EavesNodeSelected(i)) continue;
                dragPoint(model_.EavesNodes(level, i), DragStartEavesNodes(i));
                model_.Eaves(level).Points(i) = model_.EavesNodes(level, i);
            }
            view_.RestoreAll();
        }
        CursorPoint = s;
        return true;
    }
    if (NodeDragging) {
        if (insidePlan(p) && NodeTied) {
            for (int z = 1; z <= model_.ZoneCount; ++z) {
                TZoneRec& zone = model_.Zones(z);
                bool moved = false;
                for (int n = 0; n < zone.NodeCount; ++n) {
                    if (!selection_.NodeSelected(z, n)) continue;
                    dragPoint(model_.ZoneNodes(z, n), DragStartNodes(z, n));
                    model_.Walls(z, n).Start = model_.ZoneNodes(z, n);
                    moved = true;
                }
                if (!moved) continue;
                zone.FloorArea = Area(model_, z);
                view_.ShowZoneArea(zoneAreaText(z, zone));
            }
            view_.RestoreAll();
        }
        CursorPoint = s;
        return true;
    }
    return false;
}

// ---- Release -----------------------------------------------------------------------------------

void PlanEditor::MouseUp(TPlanPoint p) {
    LeftButtonDown = false;
    // Outside edit mode nodes cannot be picked, but a window, a door or an internal-wall end can:
    // its drag ends here like any other, with the checks that fit it.
    const bool edit = view_.InEditMode();
    if (!edit && !WindowDragging && !DoorDragging && !IntWallEndDragging) return;
    const TPlanPoint s = snapped(p);
    const bool moved = s.X != AnchorPoint.X || s.Y != AnchorPoint.Y;
    if ((ZoneJustClosed || NodeTied || WindowDragging || DoorDragging || IntWallEndDragging) && moved &&
        !selection_.DetailedReportOpen) {
        for (int level = 1; level <= model_.LevelCount; ++level) CalculateWallValues(model_, view_, level);
        // A wall that became a partition keeps no window; the user is told which went.
        const std::vector<RemovedWindow> removed = DelWindowsBnZones(model_, view_);
        if (!removed.empty()) view_.Inform(DeletedWindowsText(model_, removed));
    }
    ZoneJustClosed = false;
    if (IntWallEndDragging) {
        LookForWallOrZone(p);
        if (!contains(HitZones, DragIntWallZone)) {
            // The end keeps following the pointer until it is released inside its zone.
            view_.Beep();
            view_.ShowStatus(std::string(plan_editor_text::kClickedInWrongZone));
            return;
        }
    }
    NodeTied = false;
    WindowDragging = false;
    DoorDragging = false;
    IntWallEndDragging = false;
    if (IsDown(PlanTool::InsertInternalWall)) return;
    if (edit && OverLapArea()) {
        view_.Beep();
        view_.ShowStatus(std::string(plan_editor_text::kOverlappingZones));
        NodeTied = true;
        return;
    }
    RepositionWinDoor();
    RepositionIntWallNode();
}

// ---- Checks ------------------------------------------------------------------------------------

void PlanEditor::CheckOverlap() {
    if (OverLapArea()) {
        view_.Beep();
        view_.ShowStatus(std::string(plan_editor_text::kOverlappingZones));
        NodeTied = true;
    }
    RepositionWinDoor();
    RepositionIntWallNode();
}

void PlanEditor::RepositionWinDoor() {
    const double ppm = pixelsPerMetre();
    // Fits one opening; false when it is too wide for its wall, which ends the check.
    const auto fit = [&](int z, int w, int k, const char* kind, double width, double& position) {
        const double length = Distance(model_.ZoneNodes(z, w), model_.ZoneNodes(z, model_.NextWall(z, w)));
        if ((width / 2 + position) * ppm > length) position = length / ppm - width / 2;
        if (width - 1e-11 > length / ppm) {
            view_.Beep();
            view_.ShowStatus(std::string("Too Wide, ") + kind + " " + std::to_string(k) + "of wall " +
                             std::to_string(w + 1) + " of zone " + std::to_string(z));
            position = width / 2;
            NodeTied = true;
            return false;
        }
        return true;
    };
    bool fitted = true;
    for (int z = 1; z <= model_.ZoneCount && fitted; ++z) {
        if (model_.Zones(z).Level != model_.CurrentLevel) continue;
        for (int w = 0; w < model_.Zones(z).NodeCount && fitted; ++w)
            for (int k = 1; k <= model_.Walls(z, w).WindowCount && fitted; ++k) {
                TWindowRec& window = model_.WallWindows(z, w, k);
                fitted = fit(z, w, k, "Window", window.Width, window.Position);
            }
    }
    for (int z = 1; z <= model_.ZoneCount && fitted; ++z) {
        if (model_.Zones(z).Level != model_.CurrentLevel) continue;
        for (int w = 0; w < model_.Zones(z).NodeCount && fitted; ++w)
            for (int k = 1; k <= model_.Walls(z, w).DoorCount && fitted; ++k) {
                TDoorRec& door = model_.WallDoors(z, w, k);
                fitted = fit(z, w, k, "Door", door.Width, door.Position);
            }
    }
    view_.RestoreAll();
}

void PlanEditor::RepositionIntWallNode() {
    const int level = model_.CurrentLevel;
    // Puts one end of every internal wall that lies outside its zone where the wall crosses the
    // outlines of the level (the last crossing found).
    const auto pass = [&](int end) {
        for (int z = 1; z <= model_.ZoneCount; ++z) {
            if (model_.Zones(z).Level != level) continue;
            for (int n = 1; n <= model_.Zones(z).IntWallCount; ++n) {
                TIntWallRec& wall = model_.ZoneIntWalls(z, n);
                TPlanPoint& point = end == 1 ? wall.StartPoint : wall.EndPoint;
                LookForWallOrZone(point);
                if (contains(HitZones, z)) continue;
                view_.Beep();
                view_.ShowStatus("Repositioning node " + std::to_string(end) + " Internal wall " +
                                 std::to_string(n) + " of Zone " + std::to_string(z));
                for (int y = 1; y <= model_.ZoneCount; ++y) {
                    if (model_.Zones(y).Level != level) continue;
                    for (int j = 0; j < model_.Zones(y).NodeCount; ++j) {
                        const TPlanPoint crossing =
                            InterceptPoint(model_.ZoneNodes(y, j), model_.ZoneNodes(y, model_.NextWall(y, j)),
                                           wall.StartPoint, wall.EndPoint);
                        if (crossing != kNoIntercept) point = crossing;
                    }
                }
            }
        }
    };
    pass(1);
    pass(2);
    view_.RestoreAll();
}

// ---- Nudges ------------------------------------------------------------------------------------

int PlanEditor::nudged(int v, int step) const {
    const int snap = scale_.SnapStep;
    if (snap <= 0) return v + step;
    return static_cast<int>(common::roundHalfEvenToInt(static_cast<double>(v + step) / snap)) * snap;
}

void PlanEditor::nudge(int stepX, int stepY) {
    const int level = model_.CurrentLevel;
    const auto move = [&](TPlanPoint& point) {
        if (stepX != 0) point.X = nudged(point.X, stepX);
        if (stepY != 0) point.Y = nudged(point.Y, stepY);
    };
    // The eaves node picked last, while it is still selected: a later pick of a window or of a whole
    // zone ends before it forgets that eaves node.
    if (PickedEavesNode != kNothingPicked && PickedEavesNode < kMaxEavesPoints &&
        selection_.EavesNodeSelected(PickedEavesNode)) {
        move(model_.Eaves(level).Points(PickedEavesNode));
        model_.EavesNodes(level, PickedEavesNode) = model_.Eaves(level).Points(PickedEavesNode);
    }
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        TZoneRec& zone = model_.Zones(z);
        if (zone.Level != level) continue;
        bool moved = false;
        for (int n = 0; n < zone.NodeCount; ++n) {
            if (!selection_.NodeSelected(z, n)) continue;
            move(model_.ZoneNodes(z, n));
            model_.Walls(z, n).Start = model_.ZoneNodes(z, n);
            moved = true;
        }
        // The floor area follows the outline, as it does in a drag.
        if (moved) zone.FloorArea = Area(model_, z);
    }
    view_.RestoreAll();
    CheckOverlap();
}

void PlanEditor::SBLClick() {
    nudge(-scale_.SnapStep, 0);
}

void PlanEditor::SBRClick() {
    nudge(scale_.SnapStep, 0);
}

void PlanEditor::SBUClick() {
    nudge(0, -scale_.SnapStep);
}

void PlanEditor::SBDClick() {
    nudge(0, scale_.SnapStep);
}

} // namespace pelmora
