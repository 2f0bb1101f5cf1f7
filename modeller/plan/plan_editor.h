// The plan editor's mouse tools: the tool buttons and what a click on the plan does with each of them
// (zone and eaves outlines, internal walls, nodes, windows, doors, skylights and stairwells, or a pick
// of what lies under the pointer), the rubber bands of pointer moves, and the delete commands.  It
// keeps the tool state and changes the model; the main window forwards its mouse events and button
// clicks here and draws what the editor asks through PlanEditorView.  The dialogs a click opens are
// reached through PlanDialogs.
#pragma once

#include "common/arrays.h"
#include "modeller/model/house_model.h"
#include "modeller/model/plan_view.h"
#include "modeller/plan/plan_scale.h"
#include "modeller/plan/plan_selection.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

class PlanDialogs;

// The tool buttons of the plan.  The first four form one group and the other five another: at most
// one button of a group is down, and all may be up.
enum class PlanTool {
    InsertDoor,         // "New Door"
    InsertInternalWall, // "New Internal Wall"
    InsertWindow,       // "New Window"
    DeleteEaves,        // "Delete Eaves"
    InsertSkylight,     // "New Skylight"
    StairWell,          // "New Stairwell"
    DrawNewZone,        // "Draw New Zone"
    DrawEaves,          // "Draw Eaves"
    PlusNode,           // "Add a Node"
};
inline constexpr int kPlanToolCount = 9;

enum class MouseButton { Left, Right, Middle };

// The keys held during a click.  States compare as whole sets: a Shift-click is the left button with
// Shift alone.
struct ShiftState {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    bool operator==(const ShiftState&) const = default;
};

// The texts the editor writes to the status bar.
namespace plan_editor_text {
inline constexpr std::string_view kClickedOutsideAZone = "Clicked outside a zone";
inline constexpr std::string_view kClickedInWrongZone = "Clicked in wrong zone";
inline constexpr std::string_view kNoZoneBelow = "No zone below";
inline constexpr std::string_view kInsertInternalWall = "Insert internal wall";
inline constexpr std::string_view kInsertWindow = "Insert window";
inline constexpr std::string_view kInsertDoor = "Insert door";
inline constexpr std::string_view kInsertSkylight = "Insert skylight";
inline constexpr std::string_view kInsertStairwell = "Insert stairwell";
inline constexpr std::string_view kInternalWallDeleted = "Internal wall has been deleted";
inline constexpr std::string_view kZoneNodeDeleted = "Zone node has been deleted";
// "The node cannot be deleted: its two walls together would have more than 10 windows" (or doors),
// with the limit of a wall.
std::string NodeKeepsWindows();
std::string NodeKeepsDoors();
// "Delete Zone 2 (Kitchen) with its walls, openings and stairwells?"
std::string ZoneDeletionQuestion(int zone, const std::string& name);
inline constexpr std::string_view kEavesNodeDeleted = "Eaves node has been deleted";
inline constexpr std::string_view kZoneDeleted = "The zone has been deleted";
inline constexpr std::string_view kOverlappingZones = "Overlapping zones";
inline constexpr std::string_view kOutlinePointCrosses = "Point not placed: crosses outline";
inline constexpr std::string_view kClosingEdgeCrosses = "Not closed: would cross outline";
inline constexpr std::string_view kFinishDrawingFirst = "Finish the outline or internal wall before zooming";
} // namespace plan_editor_text

// The plan as the editor sees it: beside what the model's plan computations ask of it, the edit mode,
// panel 2 of the status bar, the tool buttons and the drawing primitives the editor uses.  Drawing is
// in the plan's inverting mode: drawing an item a second time removes it.
class PlanEditorView : public PlanView {
  public:
    // "Edit Floor Plan" is on: node boxes are shown.
    virtual bool InEditMode() const = 0;
    // Shows a text in panel 2 of the status bar (the element picked, the rubber band's length).
    virtual void ShowPicked(const std::string& text) = 0;
    // The tool buttons take the editor's tool state.
    virtual void ToolsChanged() = 0;
    // Draws the node boxes of the level, clears every selection flag and draws them again.
    virtual void DeselectAndDrawAllNodes(int level) = 0;
    virtual void DrawBox(TPlanPoint p, std::int32_t colour) = 0;
    // A black line of `width` pixels from a to b.
    virtual void DrawRubberBand(TPlanPoint a, TPlanPoint b, int width) = 0;
    virtual void DrawAllZoneNodes(int zone) = 0;
    virtual void DrawAllNodesOnLevel(int level) = 0;
    virtual void DrawEavesNodes(int level) = 0;
    virtual void DrawIntWallNodes(int zone, int n) = 0;
    virtual void DrawWinNode(int zone, int wall, int k) = 0;
    virtual void DrawDoorNode(int zone, int wall, int k) = 0;
    // Shows a text in panel 1 of the status bar (the zone whose nodes are being dragged).
    virtual void ShowZoneArea(const std::string& /*text*/) {}
    // Asks a question with Yes and No; true for Yes.
    virtual bool Confirm(const std::string& question) = 0;
    // Tells the user something in an information box.
    virtual void Inform(const std::string& text) = 0;
};

// How the pointer moved from the anchor, for restricted movement.
enum class MoveDirection { Horizontal, Vertical, Neither };

class PlanEditor {
  public:
    PlanEditor(HouseModel& model, PlanSelection& selection, const PlanScale& scale, PlanEditorView& view);

    // The dialogs that clicks open; with none, a click that would open a dialog opens nothing.
    PlanDialogs* Dialogs = nullptr;

    // ---- Tool buttons --------------------------------------------------------------------------
    bool IsDown(PlanTool tool) const { return down_[index(tool)]; }
    // A click on a tool button: it goes down, or up when it was down ("Draw New Zone" always goes
    // down), the other buttons of its group go up, an outline being drawn is given up, and the
    // button's command runs.
    void Press(PlanTool tool);
    void MoveFreeClick();
    void Move090Click();
    void ReleaseSBClick();
    // "Delete Node, Door, Window, Wall" and "Delete Zone"; a zone goes only when the user says Yes.
    void SBDeleteClick();
    void SBDelZoneClick();

    // ---- The plan's mouse events (plan positions in pixels) --------------------------------------
    void MouseDown(TPlanPoint p, MouseButton button, ShiftState shift);
    void MouseMove(TPlanPoint p);
    // The button's release: a drag ends, the plan's walls are recomputed when something moved, and
    // the overlap and fitting checks run.  Drags end in and out of edit mode alike.
    void MouseUp(TPlanPoint p);
    // Draws what is being drawn and not yet in the model (the points and edges of an open outline,
    // the first end of an internal wall, the rubber band), as a repaint of the plan must.
    void DrawWork();

    // ---- Nudges: the selection moves one snap step and onto the snap grid ---------------------------
    void SBLClick();
    void SBRClick();
    void SBUClick();
    void SBDClick();

    // ---- Services ------------------------------------------------------------------------------
    // Snaps a plan coordinate to the snap grid, halves to the even step.
    int Snap(int v) const;
    // Adds a node where p lies on a wall of the current level, and on the level's eaves outline.
    void NewNode(TPlanPoint p);
    // Removes point `index` of the current level's eaves outline.
    void DestroyEavesNode(int index);
    // Inserts a window or a door where p lies on a wall of the current level and opens its editor.
    void NewWindow(TPlanPoint p);
    void NewDoor(TPlanPoint p);
    // Fills HitZones with the zones of the current level with a wall through p, or else the zone
    // containing p (0 outside every zone).
    void LookForWallOrZone(TPlanPoint p);
    // True when two zones of the current level overlap.
    bool OverLapArea();
    // After a nudge: an overlap is reported and keeps the nodes tied; the openings and internal
    // walls are then fitted in every case.
    void CheckOverlap();
    // Fits every window and door of the current level on its wall; one too wide for its wall is
    // reported and put at the wall's start, and the check stops there.
    void RepositionWinDoor();
    // Moves an internal-wall end that lies outside its zone onto the zone's outline.
    void RepositionIntWallNode();
    // An outline or an internal wall is being drawn: its open points are not yet the model's.
    bool Drawing() const { return workShown(); }
    // Gives up the zone outline being drawn: its zone is removed and the tool disarmed.
    void AbandonOutline();
    // Before the plan's scale or level changes: the zone outline is given up, an eaves outline being
    // drawn is dropped with its tool, and an internal wall's first end is forgotten.
    void StopDrawing();
    // Called before zone `zone` is removed from the model: a removed outline zone is given up.
    void ZoneDiscarded(int zone);

    // ---- Tool state ----------------------------------------------------------------------------
    bool MoveRestricted = false;
    bool MoveUnrestricted = true;
    // A new zone's outline is being drawn (armed by the new-zone dialog's OK), and the index of its
    // last point placed, -1 before the first.
    bool NewZoneArmed = false;
    int OutlineLastNode = -1;
    // The index of the last point placed of the eaves outline being drawn, -1 before the first.
    int EavesLastNode = -1;
    // What the new-zone dialog chose for the zone being drawn (name, type, colour, heating, cooling,
    // air movement); the slot that the outline takes gets it.
    TZoneRec NewZoneRecord;
    TPlanPoint AnchorPoint;     // px, the last placed point or the snapped point of the last click
    TPlanPoint CursorPoint;     // px, the moving end of the rubber band, the reference point of a drag
    TPlanPoint NewIntWallStart; // px
    TPlanPoint NewIntWallEnd;   // px
    int NewIntWallIndex = 0;
    // Zone numbers, -1 for an empty entry.
    std::array<int, 20> HitZones{};
    std::array<int, 20> FirstClickZones{};
    std::array<int, 20> SecondClickZones{};
    bool AddNodeArmed = false;
    bool LeftButtonDown = false;
    bool NodeTied = false; // the picked items follow the pointer
    bool NodeDragging = false;
    bool EavesNodeDragging = false;
    bool WindowDragging = false;
    bool DoorDragging = false;
    bool IntWallEndDragging = false;
    bool ZoneJustClosed = false;
    bool RedrawPickedZonesOnly = false;
    static constexpr int kNothingPicked = 500;
    int PickedNode = kNothingPicked;
    int PickedEavesNode = kNothingPicked;
    int DragZone = 0, DragWall = 0, DragWindow = 0, DragDoor = 0;
    int DragIntWallZone = 0, DragIntWall = 0;
    // The drag bases: every zone's nodes, and the picked level's eaves points, when a node was picked.
    common::Array2<TPlanPoint> DragStartNodes;
    common::FixedArray1<TPlanPoint, 0, kMaxEavesPoints - 1> DragStartEavesNodes{};
    // The step of the last pointer move in snapped pixels, and its direction from the anchor.
    int StepX = 0, StepY = 0;
    MoveDirection Direction = MoveDirection::Neither;
    // Measuring a length on the plan for the background picture's scale.
    bool MeasureArmed = false;
    bool MeasureSecond = false;
    TPlanPoint MeasureFrom, MeasureTo;
    double MeasuredLength = 0.0; // m

  private:
    static std::size_t index(PlanTool tool) { return static_cast<std::size_t>(tool); }
    void setDown(PlanTool tool, bool down);
    TPlanPoint snapped(TPlanPoint p) const { return {Snap(p.X), Snap(p.Y)}; }
    double pixelsPerMetre() const;
    void clearResults();
    // Ends the zone outline being drawn and removes its zone; draws nothing.
    void dropOutline();
    void deselectAndDrawNodes();
    bool workShown() const;

    // Tool button commands, run by Press.
    void SBDrawNewZoneClick();
    void SBDrawEavesClick();
    void SBdeleteEavesClick();
    void SBInsertInternalWallClick();
    void SBInsertWindowClick();
    void SBInsertDoorClick();
    void SBInsertSkylightClick();
    void StairWellSBClick();
    void SBPlusNodeClick();

    // Clicks.
    void zoneOutlineClick(TPlanPoint p);
    void eavesOutlineClick(TPlanPoint p);
    bool closesOutline(TPlanPoint first, int lastNode) const;
    bool placeOutlinePoint(int& lastNode, TPlanPoint last, int capacity, std::string_view limit);
    bool startOutlineZone();
    void closeZoneOutline();
    void closeEavesOutline();
    void internalWallClick(TPlanPoint p);
    void skylightClick(TPlanPoint p);
    void stairwellClick(TPlanPoint p);
    bool addEavesNode(TPlanPoint p, TPlanPoint q);

    // The pick, step by step; each returns true when it took the click.
    void pick(TPlanPoint p, MouseButton button, ShiftState shift);
    bool pickGroupOfNodes(TPlanPoint p, bool wholeLevel);
    bool pickWindow(TPlanPoint p, bool left);
    bool pickWallNode(TPlanPoint p);
    bool pickEavesNode(TPlanPoint p, bool ctrlClick, bool shiftClick);
    bool pickIntWallEnd(TPlanPoint p, bool left);
    bool pickDoor(TPlanPoint p, bool left);
    bool pickWall(TPlanPoint p, bool left);
    void pickZone(TPlanPoint p, bool left);

    // The drag part of a pointer move at the raw pointer p, snapped s; false when nothing is dragged.
    bool dragMove(TPlanPoint p, TPlanPoint s);
    void dragOpening(TPlanPoint p, double width, double& position);
    // Moves a dragged node from where it stood at the pick by the step of this pointer move.
    void dragPoint(TPlanPoint& node, TPlanPoint start) const;
    // Moves the selected nodes by `step` pixels on one axis and onto the snap grid.
    void nudge(int stepX, int stepY);
    int nudged(int v, int step) const;
    bool insidePlan(TPlanPoint p) const;
    // The door editor's caption for door d on wall w of zone z; a door through the wall also names
    // OtherWall of OtherZone.
    std::string doorCaption(int d, int w, int z, bool throughWall) const;
    // Sets OtherZone and OtherWall for a door on wall w of zone z at point c.
    void doorPartner(int z, int w, TPlanPoint c);

    bool deleteSelectedOpening();
    bool deleteSelectedNodes();
    bool deleteSelectedEavesNodes();

    HouseModel& model_;
    PlanSelection& selection_;
    const PlanScale& scale_;
    PlanEditorView& view_;
    std::array<bool, kPlanToolCount> down_{};
    int outlineZone_ = 0; // the zone whose outline is being drawn once its first point is placed
    // The rubber band on the plan, when one is drawn.
    bool bandShown_ = false;
    TPlanPoint bandFrom_, bandTo_;
    int bandWidth_ = 0;
};

} // namespace pelmora
