#include "modeller/plan/stair_openings.h"

namespace pelmora {

namespace {

double area(const TStairRec& stair) {
    return stair.Length * stair.Width / 1.0e6; // m2
}

} // namespace

StairOpenings::Start StairOpenings::SetValues() {
    const int upper = selection_.CurrentZone;
    Start start;
    if (selection_.InsertStairMode) {
        selection_.InsertStairMode = false;
        const int lower = selection_.OtherZone;
        if (lower < 1 || lower > model_.ZoneCount || lower == upper) {
            // No zone below to open into: nothing to add.
        } else if (model_.Zones(upper).StairDownCount >= kMaxStairsDown) {
            start.Refusal = limit_text::kStairsDown;
        } else if (model_.Zones(lower).StairUpCount >= kMaxStairsUp) {
            start.Refusal = limit_text::kStairsUp;
        } else {
            const AddResult down = model_.AddStairDown(upper);
            const AddResult up = model_.AddStairUp(lower);
            ++model_.LastStairId;
            selection_.CurrentStair = down.index;
            selection_.CurrentStairUp = up.index;
            const TNewZoneOptions& options = model_.NewZoneOptions;
            Work = {options.DefStairLength, options.DefStairWidth, lower, model_.LastStairId};
            model_.StairsDown(upper, down.index) = Work;
            model_.StairsUp(lower, up.index) = {Work.Length, Work.Width, upper, Work.StairId};
            computeAvailableArea();
            start.Shown = true;
            return start;
        }
    }
    if (model_.Zones(upper).StairDownCount == 0) return start;
    selection_.CurrentStair = 1;
    ChangeStairs();
    start.Shown = true;
    return start;
}

void StairOpenings::ChangeStairs() {
    Work = model_.StairsDown(selection_.CurrentZone, selection_.CurrentStair);
    selection_.OtherZone = Work.Zone;
    computeAvailableArea();
}

void StairOpenings::computeAvailableArea() {
    const int upper = selection_.CurrentZone;
    double taken = 0.0; // m2 of the zone's openings into the same lower zone
    for (int i = 1; i <= model_.Zones(upper).StairDownCount; ++i)
        if (model_.StairsDown(upper, i).Zone == Work.Zone) taken += area(model_.StairsDown(upper, i));
    AvailableStairArea = CommonArea() - taken + area(Work);
}

double StairOpenings::CommonArea() const {
    return lowerZoneValid() ? model_.CommonFloorArea(selection_.CurrentZone, Work.Zone) : 0.0;
}

int StairOpenings::mirrorEntry(bool sameSize) const {
    if (!lowerZoneValid()) return 0;
    const int upper = selection_.CurrentZone;
    for (int k = 1; k <= model_.Zones(Work.Zone).StairUpCount; ++k) {
        const TStairRec& up = model_.StairsUp(Work.Zone, k);
        if (up.Zone != upper || up.StairId != Work.StairId) continue;
        if (sameSize && (up.Length != Work.Length || up.Width != Work.Width)) continue;
        return k;
    }
    return 0;
}

void StairOpenings::SaveStairs() {
    const int upper = selection_.CurrentZone;
    // After every stairwell was removed the opening shown no longer exists.
    if (selection_.CurrentStair < 1 || selection_.CurrentStair > model_.Zones(upper).StairDownCount) return;
    model_.StairsDown(upper, selection_.CurrentStair) = Work;
    // An opening without its mirror (a hand-edited house file) changes only its own entry.
    if (const int k = mirrorEntry(false))
        model_.StairsUp(Work.Zone, k) = {Work.Length, Work.Width, upper, Work.StairId};
}

bool StairOpenings::RemoveShown() {
    const int upper = selection_.CurrentZone;
    TZoneRec& zone = model_.Zones(upper);
    const int shown = selection_.CurrentStair;
    if (shown < 1 || shown > zone.StairDownCount) return zone.StairDownCount == 0;
    if (const int k = mirrorEntry(true)) {
        TZoneRec& lower = model_.Zones(Work.Zone);
        for (int i = k; i < lower.StairUpCount; ++i)
            model_.StairsUp(Work.Zone, i) = model_.StairsUp(Work.Zone, i + 1);
        --lower.StairUpCount;
    }
    for (int i = shown; i < zone.StairDownCount; ++i)
        model_.StairsDown(upper, i) = model_.StairsDown(upper, i + 1);
    --zone.StairDownCount;
    if (zone.StairDownCount == 0) return true;
    selection_.CurrentStair = 1;
    ChangeStairs();
    return false;
}

std::vector<int> StairOpenings::OtherUpperZones() const {
    std::vector<int> zones;
    for (int z = 1; z <= model_.ZoneCount; ++z)
        if (z != selection_.CurrentZone && model_.Zones(z).StairDownCount > 0) zones.push_back(z);
    return zones;
}

void StairOpenings::RemoveAll() {
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        model_.Zones(z).StairDownCount = 0;
        model_.Zones(z).StairUpCount = 0;
    }
}

} // namespace pelmora
