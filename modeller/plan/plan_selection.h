// The selection of the plan editor and the hand-over variables between the plan editor and the
// dialogs it opens: which zone, wall, opening or stair the next dialog works on, the one-shot flags
// that say why a dialog was opened, and one selection flag per node, opening, internal-wall end and
// eaves node for highlighting and dragging.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_view.h"

#include <array>
#include <cstdint>

namespace pelmora {

struct PlanSelection {
    // Hand-over variables.  They keep their last values between commands: a dialog must not assume
    // they were reset.
    std::int32_t CurrentZone = 0; // 1..ZoneCount; 0 = none or all zones
    std::int32_t CurrentWall = 0; // wall 0..NodeCount-1 of CurrentZone, or internal wall 1..10 in IntWallMode
    std::int32_t CurrentWindow = 0; // 1..10 on CurrentWall
    std::int32_t CurrentDoor = 0;   // 1..10 on CurrentWall
    std::int32_t OtherZone = 0;    // across a partition, behind a through-wall door, or below a new stairwell
    std::int32_t OtherWall = 0;    // wall of OtherZone
    std::int32_t CurrentStair = 0; // entry 1..6 of the stairwells down from CurrentZone
    std::int32_t CurrentStairUp = 0; // mirror entry in the stairwells up from OtherZone
    bool IntWallStarted = false;
    bool ElementDeleted = false;
    bool IntWallMode = false;
    bool NewIntWall = false;
    bool InsertSkylightMode = false;
    bool InsertStairMode = false;
    // True while the building details report is open: the plan editor then leaves the walls as they
    // are after a drag, so the report keeps describing what it shows.
    bool DetailedReportOpen = false;

    // Selection flags.
    bool& NodeSelected(int zone, int node) { return nodes_.at(zone).at(node); }
    bool& WindowSelected(int zone, int wall, int window) { return windows_.at(zone).at(wall).at(window); }
    bool& DoorSelected(int zone, int wall, int door) { return doors_.at(zone).at(wall).at(door); }
    bool& IntWallEndSelected(int zone, int intWall, int end) {
        return intWallEnds_.at(zone).at(intWall).at(end);
    }
    // One array serves whichever level is current.
    bool& EavesNodeSelected(int node) { return eavesNodes_.at(node); }

  private:
    // Index 0 of the 1-based dimensions is never used.
    std::array<std::array<bool, kMaxNodes>, kMaxZones + 1> nodes_{};
    std::array<std::array<std::array<bool, kMaxWindowsPerWall + 1>, kMaxNodes>, kMaxZones + 1> windows_{};
    std::array<std::array<std::array<bool, kMaxDoorsPerWall + 1>, kMaxNodes>, kMaxZones + 1> doors_{};
    std::array<std::array<std::array<bool, 3>, kMaxIntWalls + 1>, kMaxZones + 1> intWallEnds_{};
    std::array<bool, kMaxEavesPoints> eavesNodes_{};
};

// Clears the selection flags of every node, window, door and internal-wall end of zones
// 1..ZoneCount and of the eaves nodes counted by every level's eaves outline.  Draws nothing.
void DeselectAll(const HouseModel& model, PlanSelection& selection);

// Before zone `zone` is removed (ZoneCount still the old count): the node selection flags of every
// later zone move down one zone with it.
void MoveSelectionOfLaterZones(const HouseModel& model, PlanSelection& selection, int zone);
// Before node `node` of `zone` is removed (NodeCount still the old count): the selection flags of the
// zone's later nodes move down one place with them.
void MoveSelectionOfLaterNodes(const HouseModel& model, PlanSelection& selection, int zone, int node);

// A plan that is not on any screen but keeps its selection flags in step with the model's zones and
// nodes; every drawing request is ignored.
class SelectionPlanView : public SilentPlanView {
  public:
    SelectionPlanView(const HouseModel& model, PlanSelection& selection)
        : model_(model), selection_(selection) {}
    void ZoneDiscarded(int zone) override { MoveSelectionOfLaterZones(model_, selection_, zone); }
    void NodeDestroyed(int zone, int node) override {
        MoveSelectionOfLaterNodes(model_, selection_, zone, node);
    }

  private:
    const HouseModel& model_;
    PlanSelection& selection_;
};

} // namespace pelmora
