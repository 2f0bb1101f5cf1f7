// The stairwells and voids of one upper zone as the stairs dialog edits them.  An opening lies in the
// down-list of the upper zone and, as its mirror with the same id, in the up-list of the zone below;
// every change is written to both at once.  The dialog shows one opening at a time from a working
// copy, with the floor area that opening may take.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/plan_selection.h"

#include <string_view>
#include <vector>

namespace pelmora {

class StairOpenings {
  public:
    StairOpenings(HouseModel& model, PlanSelection& selection) : model_(model), selection_(selection) {}

    // What SetValues did.
    struct Start {
        bool Shown = false;       // an opening is loaded for the dialog to show
        std::string_view Refusal; // the limit message when an opening was to be added and was not
    };
    // Starts on CurrentZone: with InsertStairMode set, adds an opening from CurrentZone down to
    // OtherZone with the new-stairwell size and clears the flag; otherwise (or when a limit refuses
    // it) loads the zone's first opening.  Nothing is shown when the zone has no opening.
    Start SetValues();
    // Loads opening CurrentStair of CurrentZone into the working copy; OtherZone becomes its lower
    // zone.
    void ChangeStairs();
    // Writes the working copy to the opening shown and to its mirror.
    void SaveStairs();
    // Removes the opening shown and its mirror.  Returns true when the upper zone has no opening
    // left; otherwise the first opening is loaded.
    bool RemoveShown();
    // Removes every stairwell of every zone.
    void RemoveAll();
    // The zones other than the upper zone that have openings down, in increasing number.
    std::vector<int> OtherUpperZones() const;

    // The plan area the upper zone shares with the lower zone of the opening shown (m2).
    double CommonArea() const;
    // The most that a side of the opening shown may measure with the other side `otherSide` (mm),
    // so that the zone's openings into that lower zone stay within their shared area.
    double LongestSide(double otherSide) const { return AvailableStairArea * 1.0e6 / otherSide; }

    TStairRec Work;                  // length and width (mm), lower zone and id of the opening shown
    double AvailableStairArea = 0.0; // m2, fixed when an opening is loaded

  private:
    void computeAvailableArea();
    // The entry of the lower zone's up-list that mirrors the opening shown, or 0.
    int mirrorEntry(bool sameSize) const;
    bool lowerZoneValid() const { return Work.Zone >= 1 && Work.Zone <= model_.ZoneCount; }

    HouseModel& model_;
    PlanSelection& selection_;
};

} // namespace pelmora
