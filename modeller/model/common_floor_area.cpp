#include "modeller/model/common_floor_area.h"

#include "common/rounding.h"

#include <algorithm>
#include <array>

namespace pelmora {

namespace {

bool onEither(const HouseModel& model, int zone, int levelA, int levelB) {
    const int level = model.Zones(zone).Level;
    return level == levelA || level == levelB;
}

bool inBox(const PlanLimits& limits, int zone, TPlanPoint p) {
    const TPlanPoint low = limits.ZoneMin(zone);
    const TPlanPoint high = limits.ZoneMax(zone);
    return low.X <= p.X && p.X <= high.X && low.Y <= p.Y && p.Y <= high.Y;
}

long long nearest(double x) {
    return common::roundHalfEvenToInt(x);
}

} // namespace

void CalcAllCommonArea(HouseModel& model) {
    const PlanLimits limits = PlanLimit(model);
    for (int i = 1; i <= model.ZoneCount; ++i)
        for (int j = 1; j <= model.ZoneCount; ++j) model.CommonFloorArea(i, j) = 0.0;
    for (int level = 1; level < model.LevelCount; ++level) ComArea(model, limits, level, level + 1);
}

void CommonArea(HouseModel& model, int levelA, int levelB) {
    const PlanLimits limits = PlanLimit(model);
    for (int i = 1; i <= model.ZoneCount; ++i) {
        for (int j = 1; j <= model.ZoneCount; ++j) {
            if (model.Zones(i).Level != levelA || model.Zones(j).Level != levelB) continue;
            model.CommonFloorArea(i, j) = 0.0;
            model.CommonFloorArea(j, i) = 0.0;
        }
    }
    for (int k = 0; k <= model.ZoneCount; ++k)
        model.CommonFloorArea(0, k) = model.CommonFloorArea(k, 0) = 0.0;
    ComArea(model, limits, levelA, levelB);
}

void ComArea(HouseModel& model, const PlanLimits& limits, int levelA, int levelB) {
    // 0.1 m in pixels (2 at magnification 1); each sample stands for a cell of 0.01 m2.
    const long long step = std::max(1LL, nearest(2.0 * model.Magnification));
    const double cellSide = static_cast<double>(step) / PixelsPerMetre(model); // m
    const double cellArea = cellSide * cellSide;                               // m2
    const TPlanPoint low = limits.ZoneMin(0);
    const TPlanPoint high = limits.ZoneMax(0);
    const auto first = [&](std::int32_t v) {
        return nearest(static_cast<double>(v) / static_cast<double>(step));
    };

    // The zones that contain the sample point, found once per point; every ordered pair of them
    // gains one cell.  Each entry sums its cells in the order of the sample points.
    std::array<int, kMaxZones> containing{};
    for (long long x = first(low.X); x <= first(high.X); ++x) {
        for (long long y = first(low.Y); y <= first(high.Y); ++y) {
            const TPlanPoint p{static_cast<std::int32_t>(x * step), static_cast<std::int32_t>(y * step)};
            int count = 0;
            for (int z = 1; z <= model.ZoneCount; ++z) {
                if (onEither(model, z, levelA, levelB) && inBox(limits, z, p) && PointInRegion(model, p, z))
                    containing[static_cast<std::size_t>(count++)] = z;
            }
            for (int a = 0; a < count; ++a)
                for (int b = 0; b < count; ++b)
                    if (a != b)
                        model.CommonFloorArea(containing[static_cast<std::size_t>(a)],
                                              containing[static_cast<std::size_t>(b)]) += cellArea;
        }
    }
    for (int i = 1; i <= model.ZoneCount; ++i) {
        for (int j = 1; j <= model.ZoneCount; ++j) {
            if (i == j || !onEither(model, i, levelA, levelB) || !onEither(model, j, levelA, levelB))
                continue;
            double& entry = model.CommonFloorArea(i, j);
            entry = static_cast<double>(nearest(entry * 10.0)) / 10.0;
        }
    }
}

} // namespace pelmora
