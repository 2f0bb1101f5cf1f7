// A rectangular zone on a level above the first, for the tests of the floors between levels: its
// outline only, clockwise from its top-left corner at (x, y) metres, with the level defaults'
// elements.  No walls are computed, so the outline stays exactly as given.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/level_defaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace editor_test {

inline int AddUpperZone(pelmora::HouseModel& model, int level, double width, double depth, double x = 0.0,
                        double y = 0.0) {
    const auto px = [](double metres) { return static_cast<int>(std::lround(metres * 20.0)); };
    const pelmora::AddResult added = model.AddZone();
    EXPECT_TRUE(added.added);
    const int z = added.index;
    pelmora::TZoneRec& zone = model.Zones(z);
    zone = pelmora::TZoneRec{};
    zone.Level = level;
    zone.NodeCount = 4;
    zone.FloorArea = width * depth;
    zone.Colour = 0x4080C0;
    zone.Name = "Zone" + std::to_string(z);
    const pelmora::TPlanPoint corners[4] = {
        {px(x), px(y)}, {px(x + width), px(y)}, {px(x + width), px(y + depth)}, {px(x), px(y + depth)}};
    for (int w = 0; w < 4; ++w) {
        model.ZoneNodes(z, w) = corners[w];
        model.Walls(z, w).Start = corners[w];
    }
    pelmora::AllocateZoneProperties(model, z);
    model.LevelCount = std::max(model.LevelCount, level);
    return z;
}

} // namespace editor_test
