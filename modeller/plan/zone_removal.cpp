#include "modeller/plan/zone_removal.h"

#include "modeller/model/plan_view.h"
#include "modeller/model/zone_removal.h"

namespace pelmora {

namespace {

// The plan's node selection flags move down one zone with the zones after the removed one.
class SelectionFollowsZones : public SilentPlanView {
  public:
    SelectionFollowsZones(const HouseModel& model, PlanSelection& selection)
        : model_(model), selection_(selection) {}

    void ZoneDiscarded(int zone) override {
        for (int j = zone; j < model_.ZoneCount; ++j)
            for (int n = 0; n <= kMaxWallIndex; ++n)
                selection_.NodeSelected(j, n) = selection_.NodeSelected(j + 1, n);
    }

  private:
    const HouseModel& model_;
    PlanSelection& selection_;
};

} // namespace

void DiscardZone(HouseModel& model, PlanSelection& selection, int zone) {
    SelectionFollowsZones view(model, selection);
    DiscardZone(model, static_cast<PlanView&>(view), zone);
}

} // namespace pelmora
