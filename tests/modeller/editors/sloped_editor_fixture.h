// The ceiling and roof editors' tests: the editors' program folder with the air-gap table, zones of
// a second level over the first, and roof-space lists set by hand.
#pragma once

#include "editor_fixture.h"

#include "modeller/model/plan_view.h"
#include "modeller/model/wall_values.h"

#include <cmath>
#include <filesystem>
#include <vector>

namespace editor_test {

class SlopedEditorTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        std::filesystem::copy_file(std::filesystem::path(PROGRAM_FOLDER) / "BESTFIT.DAT",
                                   root_ / "BESTFIT.DAT");
    }

    // A zone of `width` x `depth` metres on level 2 with its top-left corner at (x, y) metres.  It is
    // drawn clear of level 1 first, so that level 1's walls never meet it.
    int AddUpperZone(double width, double depth, double x = 0.0, double y = 0.0) {
        const int z = AddBoxZone(width, depth, 1000.0, 1000.0);
        pelmora::HouseModel& m = model();
        m.Zones(z).Level = 2;
        m.LevelCount = 2;
        const auto px = [](double metres) { return static_cast<int>(std::lround(metres * 20.0)); };
        const pelmora::TPlanPoint corners[4] = {
            {px(x), px(y)}, {px(x + width), px(y)}, {px(x + width), px(y + depth)}, {px(x), px(y + depth)}};
        for (int w = 0; w < 4; ++w) {
            m.ZoneNodes(z, w) = corners[w];
            m.Walls(z, w).Start = corners[w];
        }
        pelmora::SilentPlanView view;
        pelmora::CalculateWallValues(m, view, 1);
        pelmora::CalculateWallValues(m, view, 2);
        return z;
    }

    // Makes `zones` share one roof space: each one's ceiling lists them all, in this order.
    void ShareRoofSpace(const std::vector<int>& zones) {
        for (int z : zones) {
            pelmora::SharedZoneList& list = model().ZoneCeilings(z).SharedZones;
            list = {};
            for (std::size_t i = 0; i < zones.size(); ++i) list(static_cast<int>(i) + 1) = zones[i];
        }
    }
};

} // namespace editor_test
