// The pass that brings the drawn house into the state the engine input writer expects, before every
// run, before the input file is shown and before the building details report.  It changes the model
// in place: it removes what cannot be simulated (internal walls that leave their zone, zones of zero
// floor area, levels without zones, stairwells that two zones cannot share) and recomputes every
// derived plan value (walls, neighbours, directions, eaves depths, floor areas, shared floor areas,
// stairwell void areas and doors mirrored between zones).
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_view.h"
#include "modeller/model/wall_values.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// What the pass asks and tells the user: the one question it may ask, about stairwells, which the
// main window shows with Yes and No buttons, and the windows it had to delete, which it shows in an
// information box.  Tests answer and record.
class StairwellQuestion {
  public:
    virtual ~StairwellQuestion() = default;
    // True for Yes.
    virtual bool ConfirmStairwellDeletion(const std::string& text) = 0;
    virtual void ReportDeletedWindows(const std::string& text) = 0;
};

namespace presimulation_text {
inline constexpr std::string_view kStairwellCannotBeShared = " can not share a specified stairwell.";
inline constexpr std::string_view kStairwellsWillBeDeleted =
    " All stairwells to these zones will be deleted if you procede. Do you wish to procede?";
inline constexpr std::string_view kDeletingInternalWall = "Deleting Internal wall ";
inline constexpr std::string_view kWindowsOnSharedWallsDeleted =
    "Windows cannot stand on a wall between two zones. These windows were deleted:";
} // namespace presimulation_text

// "Zone 4 and Zone 1 can not share a specified stairwell. All stairwells to these zones ..."
std::string StairwellQuestionText(int upperZone, int lowerZone);

// "Windows cannot stand on ...:" and a line for each window, such as
// "Window 1 of Wall 3 of Zone 1 (Living), 1.20 m wide" (walls counted from 1).
std::string DeletedWindowsText(const HouseModel& model, const std::vector<RemovedWindow>& windows);

// The whole pass.  Windows on walls between two zones of the current level are deleted and reported.
// Returns RunCancelled: true when the user declined to delete stairwells; the pass
// has then run to its end all the same and its changes stay.
[[nodiscard]] bool ScratchCalcs(HouseModel& model, PlanView& view, StairwellQuestion& question);

// Removes every internal wall with an end neither on nor inside its own zone, with a beep and
// "Deleting Internal wall n of Zone z" in the status bar for each.
void DeleteUnwantedIntWall(HouseModel& model, PlanView& view);

// Eaves depths (m) of the walls, windows and doors of the level: the distance from the wall's
// midpoint (the opening's point, placed from its position at the current scale) along the outward
// normal to the nearest edge of the level's eaves outline crossed within 20 m; a window's second
// eaves width when it has one.
void CalcEaves(HouseModel& model, int level);

// Deletes every level that holds no zone, top down, and makes level 1 current.  The last level stays.
void DeleteUntiedLevels(HouseModel& model, PlanView& view);

// Asks about every pair of zones whose stairwells down are larger than the floor area they share;
// Yes removes the stairwells of both zones.  Returns RunCancelled: true when any answer was No.
[[nodiscard]] bool UnwantedStairs(HouseModel& model, StairwellQuestion& question);

// UnwantedStairs, then the stairwell and void area (m2) between every two zones into VoidArea.
// Returns RunCancelled.
[[nodiscard]] bool AllocateVoidArea(HouseModel& model, StairwellQuestion& question);

// Mirrors every door of a wall between two zones into the matching wall of the neighbouring zone
// (InterzoneDoors).  A door position is mirrored once, so a door that both zones hold is not doubled.
void CalculateOpenings(HouseModel& model);

} // namespace pelmora
