#include "modeller/plan/plan_editor.h"

#include "common/rounding.h"
#include "modeller/editors/door_editor.h"
#include "modeller/model/common_floor_area.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/plan_operations.h"
#include "modeller/model/wall_values.h"
#include "modeller/model/zone_removal.h"
#include "modeller/plan/plan_dialogs.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace pelmora {

namespace {

constexpr int kPickTolerance = 5;         // px: a hit lies closer than this on both axes
constexpr int kCloseTolerance = 5;        // px: a click this near the first point closes an outline
constexpr int kOutlineBandWidth = 2;      // px
constexpr int kIntWallBandWidth = 3;      // px
constexpr std::size_t kGroupSize = 4;     // tools of the first group; the rest form the second
constexpr std::int32_t kWhite = 0xFFFFFF; // an unselected node box

bool withinPick(TPlanPoint click, TPlanPoint p) {
    return std::abs(click.X - p.X) < kPickTolerance && std::abs(click.Y - p.Y) < kPickTolerance;
}

// The sign of the turn from a to b to c: 1 to one side, -1 to the other, 0 when they lie on a line.
int turn(TPlanPoint a, TPlanPoint b, TPlanPoint c) {
    const std::int64_t cross = static_cast<std::int64_t>(b.X - a.X) * (c.Y - a.Y) -
                               static_cast<std::int64_t>(b.Y - a.Y) * (c.X - a.X);
    return (cross > 0) - (cross < 0);
}

// True when p, on the line through a and b, lies within the segment's box.
bool withinSegment(TPlanPoint p, TPlanPoint a, TPlanPoint b) {
    return std::min(a.X, b.X) <= p.X && p.X <= std::max(a.X, b.X) && std::min(a.Y, b.Y) <= p.Y &&
           p.Y <= std::max(a.Y, b.Y);
}

// True when the segments ab and cd cross or touch.
bool segmentsMeet(TPlanPoint a, TPlanPoint b, TPlanPoint c, TPlanPoint d) {
    const int d1 = turn(c, d, a), d2 = turn(c, d, b), d3 = turn(a, b, c), d4 = turn(a, b, d);
    if (d1 * d2 < 0 && d3 * d4 < 0) return true;
    return (d1 == 0 && withinSegment(a, c, d)) || (d2 == 0 && withinSegment(b, c, d)) ||
           (d3 == 0 && withinSegment(c, a, b)) || (d4 == 0 && withinSegment(d, a, b));
}

// True when the edge from b to c runs straight back along the edge from a to b.
bool turnsBack(TPlanPoint a, TPlanPoint b, TPlanPoint c) {
    const std::int64_t along = static_cast<std::int64_t>(b.X - a.X) * (c.X - b.X) +
                               static_cast<std::int64_t>(b.Y - a.Y) * (c.Y - b.Y);
    return turn(a, b, c) == 0 && along < 0;
}

// True when the closed outline through the `count` points crosses or touches itself: two edges that
// do not follow each other meet (cross, touch or overlap), or an edge turns straight back along the
// one before it.  Such an outline encloses no floor that one zone could have.
bool outlineCrossesItself(const HouseModel& model, int zone, int count) {
    const auto point = [&](int k) { return model.ZoneNodes(zone, k % count); };
    for (int i = 0; i < count; ++i) {
        const TPlanPoint a = point(i), b = point(i + 1);
        if (turnsBack(a, b, point(i + 2))) return true;
        for (int j = i + 2; j < count; ++j) {
            if (i == 0 && j == count - 1) continue; // the last edge follows on to the first
            if (segmentsMeet(a, b, point(j), point(j + 1))) return true;
        }
    }
    return false;
}

// True when the edge from the open outline's last point (index `lastNode`) to q would cross, touch or
// overlap an earlier edge, or turn straight back along the last one.  An outline kept free of that at
// every point can always be drawn on and closed.
bool newEdgeMeetsOutline(const HouseModel& model, int zone, int lastNode, TPlanPoint q) {
    const TPlanPoint p = model.ZoneNodes(zone, lastNode);
    if (lastNode >= 1 && turnsBack(model.ZoneNodes(zone, lastNode - 1), p, q)) return true;
    for (int k = 0; k + 1 < lastNode; ++k)
        if (segmentsMeet(model.ZoneNodes(zone, k), model.ZoneNodes(zone, k + 1), p, q)) return true;
    return false;
}

std::string fixed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string str(std::string_view text) {
    return std::string(text);
}

std::string number(int n) {
    return std::to_string(n);
}

} // namespace

namespace plan_editor_text {

namespace {
std::string nodeKeepsOpenings(int limit, std::string_view openings) {
    return "The node cannot be deleted: its two walls together would have more than " +
           std::to_string(limit) + " " + std::string(openings);
}
} // namespace

std::string NodeKeepsWindows() {
    return nodeKeepsOpenings(kMaxWindowsPerWall, "windows");
}

std::string NodeKeepsDoors() {
    return nodeKeepsOpenings(kMaxDoorsPerWall, "doors");
}

std::string ZoneDeletionQuestion(int zone, const std::string& name) {
    const std::string named = name.empty() ? "" : " (" + name + ")";
    return "Delete Zone " + std::to_string(zone) + named + " with its walls, openings and stairwells?";
}

} // namespace plan_editor_text

PlanEditor::PlanEditor(HouseModel& model, PlanSelection& selection, const PlanScale& scale,
                       PlanEditorView& view)
    : model_(model), selection_(selection), scale_(scale), view_(view) {
    HitZones.fill(-1);
    FirstClickZones.fill(-1);
    SecondClickZones.fill(-1);
    DragStartNodes.allocate(1, kMaxZones, 0, kMaxWallIndex);
}

// ---- Helpers -----------------------------------------------------------------------------------

int PlanEditor::Snap(int v) const {
    const int step = scale_.SnapStep;
    if (step <= 0) return v;
    return static_cast<int>(common::roundHalfEvenToInt(static_cast<double>(v) / step)) * step;
}

double PlanEditor::pixelsPerMetre() const {
    return PixelsPerMetre(model_);
}

void PlanEditor::clearResults() {
    model_.ResultsCurrent = false;
}

void PlanEditor::setDown(PlanTool tool, bool down) {
    down_[index(tool)] = down;
}

// Node boxes show only in edit mode; outside it only the flags are cleared.
void PlanEditor::deselectAndDrawNodes() {
    if (view_.InEditMode())
        view_.DeselectAndDrawAllNodes(model_.CurrentLevel);
    else
        view_.DeselectAll();
}

bool PlanEditor::workShown() const {
    return (NewZoneArmed && OutlineLastNode >= 0) || (IsDown(PlanTool::DrawEaves) && EavesLastNode >= 0) ||
           (IsDown(PlanTool::InsertInternalWall) && selection_.IntWallStarted);
}

void PlanEditor::DrawWork() {
    const auto outline = [this](int lastNode, auto pointAt) {
        for (int k = 0; k <= lastNode; ++k) {
            if (k > 0) view_.DrawRubberBand(pointAt(k - 1), pointAt(k), kOutlineBandWidth);
            view_.DrawBox(pointAt(k), kWhite);
        }
    };
    if (NewZoneArmed && OutlineLastNode >= 0 && outlineZone_ != 0)
        outline(OutlineLastNode, [this](int k) { return model_.ZoneNodes(outlineZone_, k); });
    if (IsDown(PlanTool::DrawEaves) && EavesLastNode >= 0)
        outline(EavesLastNode, [this](int k) { return model_.EavesNodes(model_.CurrentLevel, k); });
    if (IsDown(PlanTool::InsertInternalWall) && selection_.IntWallStarted)
        view_.DrawBox(NewIntWallStart, kWhite);
    if (bandShown_) view_.DrawRubberBand(bandFrom_, bandTo_, bandWidth_);
}

// ---- Tool buttons ------------------------------------------------------------------------------

void PlanEditor::Press(PlanTool tool) {
    const bool hadWork = workShown();
    // Another tool, or a new zone, ends the outline being drawn.
    if (NewZoneArmed) dropOutline();
    const bool down = tool == PlanTool::DrawNewZone || !IsDown(tool);
    const std::size_t first = index(tool) < kGroupSize ? 0 : kGroupSize;
    const std::size_t last = index(tool) < kGroupSize ? kGroupSize : down_.size();
    for (std::size_t i = first; i < last; ++i) down_[i] = false;
    setDown(tool, down);
    if (!IsDown(PlanTool::InsertInternalWall)) selection_.IntWallStarted = false;
    if (!IsDown(PlanTool::DrawEaves)) EavesLastNode = -1;
    bandShown_ = false;
    if (hadWork) view_.RestoreAll();
    view_.ToolsChanged();
    switch (tool) {
    case PlanTool::InsertDoor:
        SBInsertDoorClick();
        break;
    case PlanTool::InsertInternalWall:
        SBInsertInternalWallClick();
        break;
    case PlanTool::InsertWindow:
        SBInsertWindowClick();
        break;
    case PlanTool::DeleteEaves:
        SBdeleteEavesClick();
        break;
    case PlanTool::InsertSkylight:
        SBInsertSkylightClick();
        break;
    case PlanTool::StairWell:
        StairWellSBClick();
        break;
    case PlanTool::DrawNewZone:
        SBDrawNewZoneClick();
        break;
    case PlanTool::DrawEaves:
        SBDrawEavesClick();
        break;
    case PlanTool::PlusNode:
        SBPlusNodeClick();
        break;
    }
}

void PlanEditor::SBDrawNewZoneClick() {
    clearResults();
    if (model_.ZoneCount >= kMaxZones) {
        view_.Beep();
        view_.ShowStatus(str(limit_text::kZones));
        setDown(PlanTool::DrawNewZone, false);
        view_.ToolsChanged();
        return;
    }
    deselectAndDrawNodes();
    selection_.CurrentZone = model_.ZoneCount + 1;
    NewZoneArmed = Dialogs && Dialogs->NewZoneForm();
    if (NewZoneArmed) {
        NewZoneRecord = model_.Zones(selection_.CurrentZone);
        NewZoneRecord.Name = cutToLength(NewZoneRecord.Name, kZoneNameLength);
        OutlineLastNode = -1;
    }
    for (int z = model_.ZoneCount; z >= 1; --z)
        if (model_.Zones(z).FloorArea == 0.0) DiscardZone(model_, view_, z);
    view_.RestoreAll();
    if (!NewZoneArmed) {
        setDown(PlanTool::DrawNewZone, false);
        view_.ToolsChanged();
    }
}

void PlanEditor::SBDrawEavesClick() {
    clearResults();
    if (model_.EavesDefined(model_.CurrentLevel)) {
        setDown(PlanTool::DrawEaves, false);
        view_.ToolsChanged();
        return;
    }
    EavesLastNode = -1;
}

void PlanEditor::SBdeleteEavesClick() {
    clearResults();
    const int level = model_.CurrentLevel;
    if (model_.EavesDefined(level)) {
        model_.EavesDefined(level) = false; // the points stay until the next outline overwrites them
        view_.RestoreAll();
    }
    setDown(PlanTool::DeleteEaves, false);
    view_.ToolsChanged();
}

void PlanEditor::SBInsertInternalWallClick() {
    clearResults();
    HitZones.fill(-1);
    selection_.IntWallStarted = false;
    view_.ShowStatus(IsDown(PlanTool::InsertInternalWall) ? str(plan_editor_text::kInsertInternalWall) : "");
}

void PlanEditor::SBInsertWindowClick() {
    clearResults();
    view_.ShowStatus(IsDown(PlanTool::InsertWindow) ? str(plan_editor_text::kInsertWindow) : "");
    view_.RestoreAll();
}

void PlanEditor::SBInsertDoorClick() {
    clearResults();
    view_.ShowStatus(IsDown(PlanTool::InsertDoor) ? str(plan_editor_text::kInsertDoor) : "");
    view_.RestoreAll();
}

void PlanEditor::SBInsertSkylightClick() {
    clearResults();
    view_.ShowStatus(IsDown(PlanTool::InsertSkylight) ? str(plan_editor_text::kInsertSkylight) : "");
}

void PlanEditor::StairWellSBClick() {
    clearResults();
    view_.ShowStatus(IsDown(PlanTool::StairWell) ? str(plan_editor_text::kInsertStairwell) : "");
}

void PlanEditor::SBPlusNodeClick() {
    clearResults();
    deselectAndDrawNodes();
    AddNodeArmed = true;
}

void PlanEditor::MoveFreeClick() {
    MoveUnrestricted = true;
    MoveRestricted = false;
}

void PlanEditor::Move090Click() {
    MoveUnrestricted = false;
    MoveRestricted = true;
}

void PlanEditor::ReleaseSBClick() {
    NodeTied = false;
}

void PlanEditor::dropOutline() {
    NewZoneArmed = false;
    OutlineLastNode = -1;
    bandShown_ = false;
    setDown(PlanTool::DrawNewZone, false);
    const int zone = outlineZone_;
    outlineZone_ = 0;
    if (zone != 0) DiscardZone(model_, view_, zone);
}

void PlanEditor::AbandonOutline() {
    if (!NewZoneArmed) return;
    const bool hadWork = workShown();
    dropOutline();
    if (hadWork) view_.RestoreAll();
    view_.ToolsChanged();
}

void PlanEditor::StopDrawing() {
    const bool hadWork = workShown();
    if (NewZoneArmed) dropOutline();
    if (EavesLastNode >= 0) {
        EavesLastNode = -1;
        setDown(PlanTool::DrawEaves, false);
    }
    selection_.IntWallStarted = false;
    bandShown_ = false;
    if (hadWork) view_.RestoreAll();
    view_.ToolsChanged();
}

void PlanEditor::ZoneDiscarded(int zone) {
    if (outlineZone_ == 0) return;
    if (zone < outlineZone_) {
        --outlineZone_;
        return;
    }
    if (zone != outlineZone_) return;
    // Whoever removes the zone being drawn (Refresh Screen, a new house) ends its outline.
    outlineZone_ = 0;
    dropOutline();
    view_.ToolsChanged();
}

// ---- Clicks ------------------------------------------------------------------------------------

void PlanEditor::MouseDown(TPlanPoint p, MouseButton button, ShiftState shift) {
    if (MeasureArmed) {
        MeasureFrom = p;
        MeasureArmed = false;
        MeasureSecond = true;
        return;
    }
    if (MeasureSecond) {
        MeasureTo = p;
        MeasureSecond = false;
        MeasuredLength = Distance(MeasureFrom, MeasureTo) / pixelsPerMetre();
        return;
    }
    view_.ShowStatus("");
    LeftButtonDown = button == MouseButton::Left;
    if (IsDown(PlanTool::DrawEaves))
        eavesOutlineClick(p);
    else if (NewZoneArmed)
        zoneOutlineClick(p);
    else if (IsDown(PlanTool::InsertInternalWall))
        internalWallClick(p);
    else if (AddNodeArmed && IsDown(PlanTool::PlusNode))
        NewNode(p);
    else if (IsDown(PlanTool::InsertWindow))
        NewWindow(p);
    else if (IsDown(PlanTool::InsertDoor))
        NewDoor(p);
    else if (IsDown(PlanTool::InsertSkylight))
        skylightClick(p);
    else if (IsDown(PlanTool::StairWell))
        stairwellClick(p);
    else
        pick(p, button, shift);
}

bool PlanEditor::closesOutline(TPlanPoint first, int lastNode) const {
    return lastNode >= 2 && std::abs(CursorPoint.X - first.X) <= kCloseTolerance &&
           std::abs(CursorPoint.Y - first.Y) <= kCloseTolerance;
}

// The rubber band's end becomes the next point of an outline whose last point is `last`.  A second
// click on the last point adds nothing, and a full outline refuses another point.
bool PlanEditor::placeOutlinePoint(int& lastNode, TPlanPoint last, int capacity, std::string_view limit) {
    if (lastNode >= 0 && CursorPoint == last) return false;
    if (lastNode + 1 >= capacity) {
        view_.Beep();
        view_.ShowStatus(str(limit));
        return false;
    }
    ++lastNode;
    if (lastNode > 0) AnchorPoint = CursorPoint;
    // The band drawn to this point stays on the plan as the outline's edge.
    bandShown_ = false;
    view_.DrawBox(AnchorPoint, kWhite);
    return true;
}

// The first point of a zone outline gives the zone its slot: the next zone number, with the values
// the new-zone dialog chose and nothing of what the slot held before.
bool PlanEditor::startOutlineZone() {
    const AddResult added = model_.AddZone();
    if (!added) {
        view_.Beep();
        view_.ShowStatus(str(added.refusal));
        AbandonOutline();
        return false;
    }
    outlineZone_ = added.index;
    TZoneRec& zone = model_.Zones(outlineZone_);
    zone = NewZoneRecord;
    zone.NodeCount = 0; // the outline counts its points until it closes
    zone.Level = model_.CurrentLevel;
    zone.FloorArea = 0.0;
    zone.IntWallCount = 0;
    zone.SkylightCount = 0;
    zone.StairDownCount = 0;
    zone.StairUpCount = 0;
    return true;
}

void PlanEditor::zoneOutlineClick(TPlanPoint p) {
    if (OutlineLastNode == -1) {
        if (!startOutlineZone()) return;
        AnchorPoint = CursorPoint = snapped(p);
    }
    const int z = outlineZone_;
    selection_.CurrentZone = z;
    if (closesOutline(model_.ZoneNodes(z, 0), OutlineLastNode)) {
        // The open outline is plain, so only the closing edge can cross it: the outline stays open
        // and the user goes on drawing from its last point.
        if (outlineCrossesItself(model_, z, OutlineLastNode + 1)) {
            view_.Beep();
            view_.ShowStatus(str(plan_editor_text::kClosingEdgeCrosses));
            return;
        }
        closeZoneOutline();
        return;
    }
    const TPlanPoint last = OutlineLastNode >= 0 ? model_.ZoneNodes(z, OutlineLastNode) : TPlanPoint{};
    // A point whose edge would cross the outline drawn so far is refused; the last point stays the
    // one to go on from.
    if (OutlineLastNode >= 0 && CursorPoint != last &&
        newEdgeMeetsOutline(model_, z, OutlineLastNode, CursorPoint)) {
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kOutlinePointCrosses));
        return;
    }
    if (placeOutlinePoint(OutlineLastNode, last, kMaxNodes, limit_text::kNodes))
        model_.ZoneNodes(z, OutlineLastNode) = AnchorPoint;
}

void PlanEditor::closeZoneOutline() {
    const int z = outlineZone_;
    const int count = OutlineLastNode + 1;
    NewZoneArmed = false;
    ZoneJustClosed = true;
    OutlineLastNode = -1;
    outlineZone_ = 0;
    bandShown_ = false;
    setDown(PlanTool::DrawNewZone, false);
    view_.ToolsChanged();

    TZoneRec& zone = model_.Zones(z);
    zone.NodeCount = count;
    // Twice the signed area in screen coordinates (y down): not negative means anticlockwise on the
    // screen, and the points after the first are turned round so the outline runs clockwise.
    double s = 0.0;
    for (int i = 0; i < count; ++i) {
        const TPlanPoint a = model_.ZoneNodes(z, i);
        const TPlanPoint b = model_.ZoneNodes(z, (i + 1) % count);
        s += (static_cast<double>(a.Y) + b.Y) * (static_cast<double>(b.X) - a.X);
    }
    if (s >= 0.0)
        for (int i = 1, j = count - 1; i < j; ++i, --j)
            std::swap(model_.ZoneNodes(z, i), model_.ZoneNodes(z, j));
    for (int w = 0; w < count; ++w) {
        model_.Walls(z, w) = TWallRec{};
        model_.Walls(z, w).Start = model_.ZoneNodes(z, w);
        selection_.NodeSelected(z, w) = false;
    }
    zone.FloorArea = Area(model_, z);
    AllocateZoneProperties(model_, z);
    view_.RestoreAll();
    if (OverLapArea() && view_.InEditMode()) {
        view_.DrawAllZoneNodes(z);
        selection_.NodeSelected(z, 0) = true;
        view_.DrawAllZoneNodes(z);
    }
}

void PlanEditor::eavesOutlineClick(TPlanPoint p) {
    const int level = model_.CurrentLevel;
    if (EavesLastNode == -1) AnchorPoint = CursorPoint = snapped(p);
    if (closesOutline(model_.EavesNodes(level, 0), EavesLastNode)) {
        closeEavesOutline();
        return;
    }
    const TPlanPoint last = EavesLastNode >= 0 ? model_.EavesNodes(level, EavesLastNode) : TPlanPoint{};
    if (!placeOutlinePoint(EavesLastNode, last, kMaxEavesPoints, limit_text::kEavesPoints)) return;
    model_.EavesNodes(level, EavesLastNode) = AnchorPoint;
    model_.Eaves(level).Points(EavesLastNode) = AnchorPoint;
    selection_.EavesNodeSelected(EavesLastNode) = false;
}

void PlanEditor::closeEavesOutline() {
    const int level = model_.CurrentLevel;
    model_.Eaves(level).Count = EavesLastNode + 1;
    model_.EavesDefined(level) = true;
    EavesLastNode = -1;
    bandShown_ = false;
    setDown(PlanTool::DrawEaves, false);
    view_.ToolsChanged();
    view_.RestoreAll();
}

void PlanEditor::LookForWallOrZone(TPlanPoint p) {
    HitZones.fill(-1);
    std::size_t found = 0;
    for (int z = 1; z <= model_.ZoneCount && found < HitZones.size(); ++z) {
        if (model_.Zones(z).Level != model_.CurrentLevel) continue;
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            if (!Colinear(p, model_.ZoneNodes(z, w), model_.ZoneNodes(z, model_.NextWall(z, w)))) continue;
            HitZones[found++] = z;
            break;
        }
    }
    if (found == 0) HitZones[0] = ZoneAtPoint(model_, model_.CurrentLevel, p);
}

void PlanEditor::internalWallClick(TPlanPoint p) {
    LookForWallOrZone(p);
    if (HitZones[0] == 0) {
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kClickedOutsideAZone));
        return;
    }
    if (!selection_.IntWallStarted) {
        AnchorPoint = CursorPoint = NewIntWallStart = snapped(p);
        view_.DrawBox(NewIntWallStart, kWhite);
        selection_.IntWallStarted = true;
        FirstClickZones = HitZones;
        bandShown_ = false;
        return;
    }
    // A second click on the first end draws no wall.
    if (CursorPoint == NewIntWallStart) return;
    SecondClickZones = HitZones;
    int zone = 0;
    for (const int a : FirstClickZones) {
        if (a <= 0) continue;
        for (const int b : SecondClickZones)
            if (b == a) zone = a;
    }
    if (zone == 0) {
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kClickedInWrongZone));
        return;
    }
    // The wall is placed (or refused at the limit): the tool's work ends either way.
    selection_.IntWallStarted = false;
    bandShown_ = false;
    setDown(PlanTool::InsertInternalWall, false);
    view_.ToolsChanged();
    const AddResult added = model_.AddIntWall(zone);
    if (!added) {
        view_.Beep();
        view_.ShowStatus(str(added.refusal));
        view_.RestoreAll();
        return;
    }
    AnchorPoint = CursorPoint;
    NewIntWallEnd = CursorPoint;
    NewIntWallIndex = added.index;
    TIntWallRec& wall = model_.ZoneIntWalls(zone, NewIntWallIndex);
    wall = TIntWallRec{};
    wall.StartPoint = NewIntWallStart;
    wall.EndPoint = NewIntWallEnd;
    wall.IntWallLength = Distance(NewIntWallStart, NewIntWallEnd) / pixelsPerMetre();
    selection_.IntWallEndSelected(zone, NewIntWallIndex, 1) = false;
    selection_.IntWallEndSelected(zone, NewIntWallIndex, 2) = false;
    view_.RestoreAll();

    selection_.CurrentZone = zone;
    selection_.CurrentWall = NewIntWallIndex;
    selection_.IntWallMode = true;
    selection_.NewIntWall = true;
    selection_.ElementDeleted = false;
    if (Dialogs) Dialogs->IntWallForm();
    selection_.NewIntWall = false;
    selection_.IntWallMode = false;
    if (!selection_.ElementDeleted) return;
    view_.Beep();
    view_.ShowStatus("Internal wall " + number(NewIntWallIndex) + " of Zone " + number(zone) +
                     " has been deleted");
    --model_.Zones(zone).IntWallCount;
    view_.RestoreAll();
    selection_.ElementDeleted = false;
}

void PlanEditor::skylightClick(TPlanPoint p) {
    selection_.CurrentZone = ZoneAtPoint(model_, model_.CurrentLevel, p);
    setDown(PlanTool::InsertSkylight, false);
    view_.ToolsChanged();
    if (selection_.CurrentZone == 0) {
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kClickedOutsideAZone));
        return;
    }
    selection_.InsertSkylightMode = true;
    if (Dialogs) Dialogs->SkylightForm();
    selection_.InsertSkylightMode = false;
}

void PlanEditor::stairwellClick(TPlanPoint p) {
    const int level = model_.CurrentLevel;
    selection_.CurrentZone = ZoneAtPoint(model_, level, p);
    setDown(PlanTool::StairWell, false);
    view_.ToolsChanged();
    if (level == 1) {
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kNoZoneBelow));
        return;
    }
    selection_.OtherZone = ZoneAtPoint(model_, level - 1, p);
    if (selection_.CurrentZone == 0 || selection_.OtherZone == 0) {
        view_.Beep();
        view_.ShowStatus(str(selection_.OtherZone == 0 ? plan_editor_text::kNoZoneBelow
                                                       : plan_editor_text::kClickedOutsideAZone));
        return;
    }
    selection_.InsertStairMode = true;
    if (Dialogs) Dialogs->StairForm();
    selection_.InsertStairMode = false;
}

// ---- Nodes -------------------------------------------------------------------------------------

void PlanEditor::NewNode(TPlanPoint p) {
    const int level = model_.CurrentLevel;
    const TPlanPoint q = snapped(p);
    // Each zone of the level with a wall under p gets q as a node, so a zone that shares the wall
    // gets it too; the command ends where a zone has that node already or has no room for one.
    bool added = false;
    bool ended = false;
    for (int z = 1; z <= model_.ZoneCount && !ended; ++z) {
        TZoneRec& zone = model_.Zones(z);
        if (zone.Level != level) continue;
        for (int w = 0; w < zone.NodeCount; ++w) {
            if (!Colinear(p, model_.ZoneNodes(z, w), model_.ZoneNodes(z, model_.NextWall(z, w)))) continue;
            for (int n = 0; n < zone.NodeCount && !ended; ++n) ended = model_.ZoneNodes(z, n) == q;
            if (!ended && zone.NodeCount >= kMaxNodes) {
                view_.Beep();
                view_.ShowStatus(str(limit_text::kNodes));
                ended = true;
            }
            if (ended) break;
            InsertNode(model_, z, w, q);
            // A snapped node off the wall's line changes the outline's area.
            zone.FloorArea = Area(model_, z);
            added = true;
            break;
        }
    }
    if (!ended && model_.EavesDefined(level) && addEavesNode(p, q)) added = true;
    if (!added) return;
    AddNodeArmed = false;
    setDown(PlanTool::PlusNode, false);
    view_.ToolsChanged();
    view_.RestoreAll();
}

// Inserts q into the first edge of the current level's eaves outline on which p lies.
bool PlanEditor::addEavesNode(TPlanPoint p, TPlanPoint q) {
    const int level = model_.CurrentLevel;
    TEavesOutline& eaves = model_.Eaves(level);
    for (int k = 0; k < eaves.Count; ++k) {
        const TPlanPoint a = model_.EavesNodes(level, k);
        const TPlanPoint b = model_.EavesNodes(level, k + 1 < eaves.Count ? k + 1 : 0);
        if (!Colinear(p, a, b)) continue;
        for (int n = 0; n < eaves.Count; ++n)
            if (model_.EavesNodes(level, n) == q) return false;
        if (eaves.Count >= kMaxEavesPoints) {
            view_.Beep();
            view_.ShowStatus(str(limit_text::kEavesPoints));
            return false;
        }
        for (int n = eaves.Count; n > k + 1; --n) {
            eaves.Points(n) = eaves.Points(n - 1);
            model_.EavesNodes(level, n) = model_.EavesNodes(level, n - 1);
            selection_.EavesNodeSelected(n) = selection_.EavesNodeSelected(n - 1);
        }
        eaves.Points(k + 1) = q;
        model_.EavesNodes(level, k + 1) = q;
        selection_.EavesNodeSelected(k + 1) = false;
        ++eaves.Count;
        return true;
    }
    return false;
}

void PlanEditor::DestroyEavesNode(int index) {
    const int level = model_.CurrentLevel;
    TEavesOutline& eaves = model_.Eaves(level);
    if (index < 0 || index >= eaves.Count) return;
    for (int k = index; k <= eaves.Count - 2; ++k) {
        eaves.Points(k) = eaves.Points(k + 1);
        model_.EavesNodes(level, k) = model_.EavesNodes(level, k + 1);
        selection_.EavesNodeSelected(k) = selection_.EavesNodeSelected(k + 1);
    }
    selection_.EavesNodeSelected(eaves.Count - 1) = false;
    --eaves.Count;
}

// ---- Deletion ----------------------------------------------------------------------------------

void PlanEditor::SBDeleteClick() {
    // A selected internal wall, window or door goes first, one a press, before any node: the
    // selection flags of openings stay with their wall index, which a removed node would shift.
    if (deleteSelectedOpening()) {
        clearResults();
        return;
    }
    const bool nodes = deleteSelectedNodes();
    const bool eavesNodes = deleteSelectedEavesNodes();
    if (!nodes && !eavesNodes) return;
    view_.RestoreAll();
    clearResults();
}

bool PlanEditor::deleteSelectedOpening() {
    const auto removed = [this](const std::string& message) {
        view_.Beep();
        view_.ShowStatus(message);
        view_.DeselectAll();
        view_.RestoreAll();
        return true;
    };
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        TZoneRec& zone = model_.Zones(z);
        if (zone.Level != model_.CurrentLevel) continue;
        for (int i = 1; i <= zone.IntWallCount; ++i) {
            if (!selection_.IntWallEndSelected(z, i, 1) && !selection_.IntWallEndSelected(z, i, 2)) continue;
            for (int k = i; k < zone.IntWallCount; ++k)
                model_.ZoneIntWalls(z, k) = model_.ZoneIntWalls(z, k + 1);
            --zone.IntWallCount;
            return removed(str(plan_editor_text::kInternalWallDeleted));
        }
        for (int w = 0; w < zone.NodeCount; ++w) {
            TWallRec& wall = model_.Walls(z, w);
            for (int m = 1; m <= wall.WindowCount; ++m) {
                if (!selection_.WindowSelected(z, w, m)) continue;
                for (int k = m; k < wall.WindowCount; ++k)
                    model_.WallWindows(z, w, k) = model_.WallWindows(z, w, k + 1);
                --wall.WindowCount;
                view_.ShowPicked("");
                return removed("Window " + number(m) + " of Wall " + number(w + 1) + " of Zone " + number(z) +
                               " has been deleted");
            }
            for (int m = 1; m <= wall.DoorCount; ++m) {
                if (!selection_.DoorSelected(z, w, m)) continue;
                for (int k = m; k < wall.DoorCount; ++k)
                    model_.WallDoors(z, w, k) = model_.WallDoors(z, w, k + 1);
                --wall.DoorCount;
                view_.ShowPicked("");
                return removed("Door " + number(m) + " of Wall " + number(w + 1) + " of Zone " + number(z) +
                               " has been deleted");
            }
        }
    }
    return false;
}

// Removes the selected wall nodes of the current level's zones.  A node that moves into the place of
// a removed one is not looked at again in this press.
bool PlanEditor::deleteSelectedNodes() {
    bool deleted = false;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        TZoneRec& zone = model_.Zones(z);
        if (zone.Level != model_.CurrentLevel) continue;
        bool changed = false;
        for (int k = 0; k < zone.NodeCount; ++k) {
            if (!selection_.NodeSelected(z, k)) continue;
            view_.Beep();
            if (!NodeOpeningsFit(model_, z, k)) {
                // The wall that ends at the node takes the openings of the one that starts there;
                // rather than drop some, the node stays.
                const TWallRec& before = model_.Walls(z, (k + zone.NodeCount - 1) % zone.NodeCount);
                const bool windows = before.WindowCount + model_.Walls(z, k).WindowCount > kMaxWindowsPerWall;
                view_.ShowStatus(windows ? plan_editor_text::NodeKeepsWindows()
                                         : plan_editor_text::NodeKeepsDoors());
                continue;
            }
            view_.ShowStatus(str(plan_editor_text::kZoneNodeDeleted));
            view_.NodeDestroyed(z, k);
            DestroyNode(model_, z, k);
            changed = true;
        }
        // The zone's floor area follows its outline.
        if (changed) zone.FloorArea = Area(model_, z);
        deleted = deleted || changed;
    }
    return deleted;
}

// Removes the selected points of the current level's eaves outline, whether or not the level has
// zones.
bool PlanEditor::deleteSelectedEavesNodes() {
    const int level = model_.CurrentLevel;
    if (!model_.EavesDefined(level)) return false;
    bool deleted = false;
    for (int k = 0; k < model_.Eaves(level).Count; ++k) {
        if (!selection_.EavesNodeSelected(k)) continue;
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kEavesNodeDeleted));
        DestroyEavesNode(k);
        deleted = true;
    }
    return deleted;
}

void PlanEditor::SBDelZoneClick() {
    if (NewZoneArmed) {
        // Only a zone whose outline has begun exists to be dropped; before the first point the tool
        // is only disarmed.
        AbandonOutline();
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kZoneDeleted));
        view_.RestoreAll();
        return;
    }
    const int z =
        FindZone(model_, [this](int zone, int node) { return selection_.NodeSelected(zone, node); });
    if (z != 0) {
        if (!view_.Confirm(plan_editor_text::ZoneDeletionQuestion(z, model_.Zones(z).Name))) return;
        view_.DeselectAll();
        view_.Beep();
        view_.ShowStatus(str(plan_editor_text::kZoneDeleted));
        DiscardZone(model_, view_, z);
        view_.RestoreAll();
    }
    clearResults();
}

// ---- Windows and doors -------------------------------------------------------------------------

void PlanEditor::NewWindow(TPlanPoint p) {
    const int level = model_.CurrentLevel;
    CalculateWallValues(model_, view_, level);
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != level) continue;
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            const TPlanPoint a = model_.ZoneNodes(z, w);
            const TPlanPoint b = model_.ZoneNodes(z, model_.NextWall(z, w));
            if (!Colinear(p, a, b) || model_.Walls(z, w).AdjZone != 0) continue;
            const AddResult added = model_.AddWindow(z, w);
            if (!added) {
                view_.Beep();
                view_.ShowStatus(str(added.refusal));
                continue; // another zone's wall under the click may take it
            }
            const int k = added.index;
            selection_.CurrentZone = z;
            selection_.CurrentWall = w;
            selection_.CurrentWindow = k;
            selection_.WindowSelected(z, w, k) = false;
            deselectAndDrawNodes();
            const TPlanPoint c = FindPoint(p, a, b);
            TWindowRec& window = model_.WallWindows(z, w, k);
            window = TWindowRec{};
            window.Position = Distance(a, c) / pixelsPerMetre();
            window.Azimuth = model_.Walls(z, w).Azimuth;
            window.NodePoint = c;
            view_.DrawBox(c, kWhite);
            selection_.ElementDeleted = false;
            if (Dialogs) Dialogs->GlazingForm(true);
            model_.WallWindows(z, w, k).Position = Distance(a, c) / pixelsPerMetre();
            setDown(PlanTool::InsertWindow, false);
            view_.ToolsChanged();
            if (selection_.ElementDeleted) {
                view_.Beep();
                view_.ShowStatus("Window " + number(k) + " of Zone " + number(z) + " has been deleted");
                --model_.Walls(z, w).WindowCount;
                selection_.ElementDeleted = false;
            }
            view_.RestoreAll();
            return;
        }
    }
}

void PlanEditor::doorPartner(int z, int w, TPlanPoint c) {
    const int other = model_.Walls(z, w).AdjZone;
    selection_.OtherZone = other;
    for (int v = 0; v < model_.Zones(other).NodeCount; ++v)
        if (Colinear(c, model_.ZoneNodes(other, v), model_.ZoneNodes(other, model_.NextWall(other, v))))
            selection_.OtherWall = v;
}

std::string PlanEditor::doorCaption(int d, int w, int z, bool throughWall) const {
    return throughWall ? DoorCaption(d, w, z, selection_.OtherWall, selection_.OtherZone)
                       : DoorCaption(d, w, z);
}

void PlanEditor::NewDoor(TPlanPoint p) {
    const int level = model_.CurrentLevel;
    CalculateWallValues(model_, view_, level);
    selection_.OtherZone = 0;
    selection_.OtherWall = 0;
    int z = 0;
    int w = -1;
    for (int i = 1; i <= model_.ZoneCount && z == 0; ++i) {
        if (model_.Zones(i).Level != level) continue;
        for (int v = 0; v < model_.Zones(i).NodeCount; ++v) {
            if (!Colinear(p, model_.ZoneNodes(i, v), model_.ZoneNodes(i, model_.NextWall(i, v)))) continue;
            z = i;
            w = v;
            break;
        }
    }
    if (z == 0) return;
    const AddResult added = model_.AddDoor(z, w);
    if (!added) {
        view_.Beep();
        view_.ShowStatus(str(added.refusal));
        setDown(PlanTool::InsertDoor, false);
        view_.ToolsChanged();
        return;
    }
    const int d = added.index;
    selection_.CurrentZone = z;
    selection_.CurrentWall = w;
    selection_.CurrentDoor = d;
    selection_.DoorSelected(z, w, d) = false;
    deselectAndDrawNodes();
    const TPlanPoint a = model_.ZoneNodes(z, w);
    const TPlanPoint c = FindPoint(p, a, model_.ZoneNodes(z, model_.NextWall(z, w)));
    const bool throughWall = model_.Walls(z, w).AdjZone != 0;
    if (throughWall) doorPartner(z, w, c);
    TDoorRec& door = model_.WallDoors(z, w, d);
    door = TDoorRec{};
    door.Position = Distance(a, c) / pixelsPerMetre();
    door.Azimuth = model_.Walls(z, w).Azimuth;
    door.NodePoint = c;
    view_.DrawBox(c, kWhite);
    selection_.ElementDeleted = false;
    if (Dialogs) Dialogs->DoorForm(doorCaption(d, w, z, throughWall), true);
    const double position = Distance(a, c) / pixelsPerMetre(); // m
    model_.WallDoors(z, w, d).Position = position;
    view_.ShowStatus(fixed("%4.2f", position));
    setDown(PlanTool::InsertDoor, false);
    view_.ToolsChanged();
    if (selection_.ElementDeleted) {
        view_.Beep();
        view_.ShowStatus("Door " + number(d) + " of Wall " + number(w + 1) + " of Zone " + number(z) +
                         " has been deleted");
        --model_.Walls(z, w).DoorCount;
        selection_.ElementDeleted = false;
    }
    view_.RestoreAll();
}

// ---- Pointer moves -----------------------------------------------------------------------------

void PlanEditor::MouseMove(TPlanPoint p) {
    const int dx0 = p.X - AnchorPoint.X;
    const int dy0 = p.Y - AnchorPoint.Y;
    Direction = MoveDirection::Neither;
    if (std::abs(dy0) < std::abs(dx0)) Direction = MoveDirection::Horizontal;
    if (std::abs(dx0) < std::abs(dy0)) Direction = MoveDirection::Vertical;
    if (dx0 != 0) {
        const double ratio = std::abs(static_cast<double>(dy0) / dx0);
        if (0.5 < ratio && ratio < 1.5) Direction = MoveDirection::Neither;
    }
    const TPlanPoint s = snapped(p);
    StepX = s.X - CursorPoint.X;
    StepY = s.Y - CursorPoint.Y;

    int width = 0;
    bool showLength = false;
    if (IsDown(PlanTool::DrawEaves)) {
        if (EavesLastNode < 0) return;
        width = kOutlineBandWidth;
        showLength = true;
    } else if (NewZoneArmed) {
        if (OutlineLastNode < 0) return;
        width = kOutlineBandWidth;
        showLength = true;
    } else if (IsDown(PlanTool::InsertInternalWall)) {
        if (!selection_.IntWallStarted) return;
        width = kIntWallBandWidth;
    } else {
        dragMove(p, s);
        return;
    }
    if (bandShown_) view_.DrawRubberBand(bandFrom_, bandTo_, bandWidth_);
    if (MoveRestricted) {
        if (Direction == MoveDirection::Horizontal) {
            CursorPoint.X += StepX;
            CursorPoint.Y = AnchorPoint.Y;
        } else if (Direction == MoveDirection::Vertical) {
            CursorPoint.Y += StepY;
            CursorPoint.X = AnchorPoint.X;
        }
    } else {
        CursorPoint.X += StepX;
        CursorPoint.Y += StepY;
    }
    bandShown_ = true;
    bandFrom_ = AnchorPoint;
    bandTo_ = CursorPoint;
    bandWidth_ = width;
    view_.DrawRubberBand(bandFrom_, bandTo_, bandWidth_);
    if (showLength)
        view_.ShowPicked("Length is " + fixed("%.2f", Distance(s, AnchorPoint) / pixelsPerMetre()) + " m");
}

// ---- Picks -------------------------------------------------------------------------------------

void PlanEditor::pick(TPlanPoint p, MouseButton button, ShiftState shift) {
    const bool left = button == MouseButton::Left;
    const bool shiftClick = left && shift == ShiftState{true, false, false};
    const bool ctrlClick = left && shift == ShiftState{false, true, false};
    const bool altClick = left && shift == ShiftState{false, false, true};
    AnchorPoint = snapped(p);
    if (view_.InEditMode()) {
        CursorPoint = AnchorPoint;
        NodeTied = false;
        if (!shiftClick) {
            deselectAndDrawNodes();
            RedrawPickedZonesOnly = true;
            NodeTied = true;
        }
        if ((ctrlClick || altClick) && pickGroupOfNodes(p, altClick)) return;
    }
    if (pickWindow(p, left)) return;
    PickedEavesNode = kNothingPicked;
    if (pickWallNode(p)) return;
    PickedNode = kNothingPicked;
    if (pickEavesNode(p, ctrlClick, shiftClick)) return;
    if (pickIntWallEnd(p, left)) return;
    if (pickDoor(p, left)) return;
    // A Shift-click adds to the selection: one on no node keeps it.
    if (!NodeTied && !shiftClick) deselectAndDrawNodes();
    if (pickWall(p, left)) return;
    pickZone(p, left);
}

// A Ctrl-click on a node selects every node of its zone, an Alt-click every node of the level, so
// that a drag moves them together.
bool PlanEditor::pickGroupOfNodes(TPlanPoint p, bool wholeLevel) {
    const int level = model_.CurrentLevel;
    int hit = 0;
    for (int z = 1; z <= model_.ZoneCount && hit == 0; ++z) {
        if (model_.Zones(z).Level != level) continue;
        for (int n = 0; n < model_.Zones(z).NodeCount && hit == 0; ++n)
            if (withinPick(p, model_.ZoneNodes(z, n))) hit = z;
    }
    if (hit == 0) return false;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != level || (!wholeLevel && z != hit)) continue;
        view_.DrawAllZoneNodes(z);
        for (int n = 0; n < model_.Zones(z).NodeCount; ++n) selection_.NodeSelected(z, n) = true;
        view_.DrawAllZoneNodes(z);
    }
    NodeTied = true;
    NodeDragging = true;
    RedrawPickedZonesOnly = false;
    // The drag base: a restricted drag holds each node's other coordinate where it stands now.
    DragStartNodes = model_.ZoneNodes;
    return true;
}

bool PlanEditor::pickWindow(TPlanPoint p, bool left) {
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != model_.CurrentLevel) continue;
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            for (int k = 1; k <= model_.Walls(z, w).WindowCount; ++k) {
                const double position = model_.WallWindows(z, w, k).Position;
                if (!withinPick(p, OpeningNodePoint(model_, z, w, position))) continue;
                view_.ShowPicked("Window " + number(k) + " of Wall " + number(w + 1) + " of Zone " +
                                 number(z));
                DragZone = selection_.CurrentZone = z;
                DragWall = selection_.CurrentWall = w;
                DragWindow = selection_.CurrentWindow = k;
                const bool edit = view_.InEditMode();
                if (edit) view_.DrawWinNode(z, w, k);
                selection_.WindowSelected(z, w, k) = true;
                if (edit) view_.DrawWinNode(z, w, k);
                if (left) {
                    WindowDragging = true;
                    return true;
                }
                if (Dialogs) Dialogs->GlazingForm(false);
                WindowDragging = false;
                selection_.WindowSelected(z, w, k) = false;
                view_.RestoreAll();
                return true;
            }
        }
    }
    return false;
}

bool PlanEditor::pickWallNode(TPlanPoint p) {
    const int z = selection_.CurrentZone;
    if (z < 1 || z > model_.ZoneCount || model_.Zones(z).Level != model_.CurrentLevel) return false;
    for (int n = 0; n < model_.Zones(z).NodeCount; ++n) {
        if (!withinPick(p, model_.ZoneNodes(z, n))) continue;
        const bool edit = view_.InEditMode();
        if (edit) view_.DrawAllZoneNodes(z);
        selection_.NodeSelected(z, n) = true;
        if (edit) view_.DrawAllZoneNodes(z);
        CursorPoint = model_.ZoneNodes(z, n);
        NodeTied = true;
        NodeDragging = true;
        view_.ShowPicked("Wall node " + number(n + 1) + " of Zone " + number(z));
        PickedNode = n;
        DragStartNodes = model_.ZoneNodes;
        return true;
    }
    return false;
}

bool PlanEditor::pickEavesNode(TPlanPoint p, bool ctrlClick, bool shiftClick) {
    const int level = model_.CurrentLevel;
    if (!model_.EavesDefined(level)) return false;
    const int count = model_.Eaves(level).Count;
    const bool edit = view_.InEditMode();
    if (edit) {
        NodeTied = false;
        EavesNodeDragging = false;
        NodeDragging = false;
        if (!shiftClick) deselectAndDrawNodes();
        if (ctrlClick) {
            for (int k = 0; k < count; ++k) {
                if (!withinPick(p, model_.EavesNodes(level, k))) continue;
                CursorPoint = model_.EavesNodes(level, k);
                NodeTied = true;
                EavesNodeDragging = true;
                view_.DrawAllNodesOnLevel(level);
                view_.DeselectAll();
                for (int n = 0; n < count; ++n) selection_.EavesNodeSelected(n) = true;
                view_.DrawAllNodesOnLevel(level);
                for (int n = 0; n < kMaxEavesPoints; ++n)
                    DragStartEavesNodes(n) = model_.EavesNodes(level, n);
                return true;
            }
        }
    }
    for (int k = 0; k < count; ++k) {
        if (!withinPick(p, model_.EavesNodes(level, k))) continue;
        CursorPoint = model_.EavesNodes(level, k);
        NodeTied = true;
        EavesNodeDragging = true;
        view_.ShowPicked("Eaves node " + number(k + 1) + " of Level " + number(level));
        PickedEavesNode = k;
        if (edit) view_.DrawEavesNodes(level);
        selection_.EavesNodeSelected(k) = true;
        if (edit) view_.DrawEavesNodes(level);
        for (int n = 0; n < kMaxEavesPoints; ++n) DragStartEavesNodes(n) = model_.EavesNodes(level, n);
        return true;
    }
    return false;
}

bool PlanEditor::pickIntWallEnd(TPlanPoint p, bool left) {
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != model_.CurrentLevel) continue;
        for (int i = 1; i <= model_.Zones(z).IntWallCount; ++i) {
            const TIntWallRec& wall = model_.ZoneIntWalls(z, i);
            for (const int end : {1, 2}) {
                if (!withinPick(p, end == 1 ? wall.StartPoint : wall.EndPoint)) continue;
                view_.ShowPicked("Internal wall " + number(i) + " of Zone " + number(z));
                const bool edit = view_.InEditMode();
                if (edit) view_.DrawIntWallNodes(z, i);
                selection_.IntWallEndSelected(z, i, end) = true;
                if (edit) view_.DrawIntWallNodes(z, i);
                if (left) {
                    NodeTied = true;
                    IntWallEndDragging = true;
                    DragIntWallZone = z;
                    DragIntWall = i;
                    return true;
                }
                selection_.CurrentZone = z;
                selection_.CurrentWall = i;
                selection_.IntWallMode = true;
                if (Dialogs) Dialogs->IntWallForm();
                selection_.IntWallMode = false;
                if (edit) view_.DrawIntWallNodes(z, i);
                selection_.IntWallEndSelected(z, i, end) = false;
                if (edit) view_.DrawIntWallNodes(z, i);
                return true;
            }
        }
    }
    return false;
}

bool PlanEditor::pickDoor(TPlanPoint p, bool left) {
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != model_.CurrentLevel) continue;
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            for (int d = 1; d <= model_.Walls(z, w).DoorCount; ++d) {
                const TPlanPoint node = OpeningNodePoint(model_, z, w, model_.WallDoors(z, w, d).Position);
                if (!withinPick(p, node)) continue;
                DragZone = selection_.CurrentZone = z;
                DragWall = selection_.CurrentWall = w;
                DragDoor = selection_.CurrentDoor = d;
                const bool throughWall = model_.Walls(z, w).AdjZone != 0;
                if (throughWall) doorPartner(z, w, node);
                const std::string caption = doorCaption(d, w, z, throughWall);
                view_.ShowPicked(throughWall ? caption
                                             : "Door " + number(d) + " of Wall " + number(w + 1) +
                                                   " of Zone " + number(z));
                const bool edit = view_.InEditMode();
                if (left) {
                    DoorDragging = true;
                    if (edit) view_.DrawDoorNode(z, w, d);
                    selection_.DoorSelected(z, w, d) = true;
                    if (edit) view_.DrawDoorNode(z, w, d);
                    return true;
                }
                if (Dialogs) Dialogs->DoorForm(caption, false);
                view_.RestoreAll();
                return true;
            }
        }
    }
    return false;
}

bool PlanEditor::pickWall(TPlanPoint p, bool left) {
    const int level = model_.CurrentLevel;
    bool recomputed = false;
    bool partitionFound = false;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != level) continue;
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            if (!Colinear(p, model_.ZoneNodes(z, w), model_.ZoneNodes(z, model_.NextWall(z, w)))) continue;
            if (!recomputed) {
                FindAdjZonesOrientationsLength(model_, level);
                recomputed = true;
            }
            if (model_.Walls(z, w).AdjZone == 0) {
                selection_.CurrentZone = z;
                selection_.CurrentWall = w;
                view_.ShowPicked("Wall " + number(w + 1) + " of Zone " + number(z) + ", External Wall");
                if (!left && Dialogs) Dialogs->ExtWallForm();
                return true;
            }
            if (!partitionFound) {
                selection_.CurrentZone = z;
                selection_.CurrentWall = w;
                partitionFound = true;
                continue;
            }
            selection_.OtherZone = z;
            selection_.OtherWall = w;
            view_.ShowPicked("Wall " + number(selection_.CurrentWall + 1) + " of Zone " +
                             number(selection_.CurrentZone) + " and Wall " + number(w + 1) + " of Zone " +
                             number(z) + ", Partition Wall");
            if (!left && Dialogs) {
                selection_.IntWallMode = false;
                Dialogs->IntWallForm();
            }
            return true;
        }
    }
    return false;
}

void PlanEditor::pickZone(TPlanPoint p, bool left) {
    const int z = ZoneAtPoint(model_, model_.CurrentLevel, p);
    selection_.CurrentZone = z;
    if (z == 0) {
        // Outside every zone there is nothing to name.
        view_.ShowPicked("");
        return;
    }
    const TZoneRec& zone = model_.Zones(z);
    view_.ShowPicked("Zone " + number(z) + "  " + zone.Name + "  Area " + fixed("%.2f", zone.FloorArea) +
                     " m\u00b2");
    if (left || !Dialogs) return;
    const std::int32_t colour = Dialogs->ZoneDetailForm();
    model_.Zones(z).Colour = colour;
    view_.RestoreAll();
}

// ---- Overlap -----------------------------------------------------------------------------------

bool PlanEditor::OverLapArea() {
    const int level = model_.CurrentLevel;
    CommonArea(model_, level, level);
    for (int i = 1; i <= model_.ZoneCount; ++i) {
        if (model_.Zones(i).Level != level) continue;
        for (int j = 1; j <= model_.ZoneCount; ++j)
            if (j != i && model_.Zones(j).Level == level && model_.CommonFloorArea(i, j) != 0.0) return true;
    }
    return false;
}

} // namespace pelmora
