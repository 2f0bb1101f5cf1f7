#include "modeller/editors/roof_shape_picture.h"

#include "common/rounding.h"

#include <numbers>

namespace pelmora {

namespace {

constexpr double L = kSketchLength;
constexpr double W = kSketchWidth;
constexpr double H = kSketchRidge;

// Oblique projection into the paint box: px per metre, the front-left eaves corner, and how far a
// metre of depth moves to the right and up.
constexpr double kScale = 52.0;
constexpr double kOriginX = 10.0;
constexpr double kOriginY = 88.0;
constexpr double kDepthRight = 0.55;
constexpr double kDepthUp = 0.3;

void AddEaves(std::vector<RoofEdge>& edges) {
    edges.push_back({{0, 0, 0}, {L, 0, 0}});
    edges.push_back({{L, 0, 0}, {L, W, 0}});
    edges.push_back({{L, W, 0}, {0, W, 0}});
    edges.push_back({{0, W, 0}, {0, 0, 0}});
}

// Hips from the four corners up to the points a distance `inset` in from each end and each side, at
// height `height`.
void AddHips(std::vector<RoofEdge>& edges, double inset, double height) {
    edges.push_back({{0, 0, 0}, {inset, inset, height}});
    edges.push_back({{0, W, 0}, {inset, W - inset, height}});
    edges.push_back({{L, 0, 0}, {L - inset, inset, height}});
    edges.push_back({{L, W, 0}, {L - inset, W - inset, height}});
}

// A gable triangle standing across the roof at `x`, from the height `base` (where the roof's sides
// are `inset` in from the eaves) up to the ridge.
void AddGable(std::vector<RoofEdge>& edges, double x, double inset, double base) {
    const RoofPoint left{x, inset, base}, right{x, W - inset, base}, apex{x, W / 2, H};
    edges.push_back({left, right});
    edges.push_back({left, apex});
    edges.push_back({right, apex});
}

} // namespace

std::vector<RoofEdge> RoofShapeEdges(int shape) {
    std::vector<RoofEdge> edges;
    if (shape < 0 || shape >= kRoofShapeCount) return edges;
    AddEaves(edges);
    switch (static_cast<RoofShapeKind>(shape)) {
    case RoofShapeKind::Hip:
        edges.push_back({{W / 2, W / 2, H}, {L - W / 2, W / 2, H}});
        AddHips(edges, W / 2, H);
        break;
    case RoofShapeKind::HipAndGable: {
        // The gables are the full gable scaled by 1 / sqrt 2 about the ridge.
        const double hipped = 1.0 - 1.0 / std::numbers::sqrt2;
        const double inset = hipped * W / 2;
        const double base = hipped * H;
        edges.push_back({{inset, W / 2, H}, {L - inset, W / 2, H}});
        AddHips(edges, inset, base);
        AddGable(edges, inset, inset, base);
        AddGable(edges, L - inset, inset, base);
        break;
    }
    case RoofShapeKind::GableBothEnds:
        edges.push_back({{0, W / 2, H}, {L, W / 2, H}});
        // The rakes of the two gable ends; their bases are the eaves.
        edges.push_back({{0, 0, 0}, {0, W / 2, H}});
        edges.push_back({{0, W, 0}, {0, W / 2, H}});
        edges.push_back({{L, 0, 0}, {L, W / 2, H}});
        edges.push_back({{L, W, 0}, {L, W / 2, H}});
        break;
    case RoofShapeKind::Skillion: {
        // One plane rising across the width to twice the ridge height, over a high back wall.
        const double high = 2 * H;
        edges.push_back({{0, W, 0}, {0, W, high}});
        edges.push_back({{L, W, 0}, {L, W, high}});
        edges.push_back({{0, W, high}, {L, W, high}});
        edges.push_back({{0, 0, 0}, {0, W, high}});
        edges.push_back({{L, 0, 0}, {L, W, high}});
        break;
    }
    }
    return edges;
}

std::vector<PictureLine> RoofShapeLines(int shape) {
    const auto px = [](const RoofPoint& p) {
        const double x = kOriginX + kScale * (p.X + kDepthRight * p.Y);
        const double y = kOriginY - kScale * (p.Z + kDepthUp * p.Y);
        return std::pair<int, int>{static_cast<int>(common::roundHalfEvenToInt(x)),
                                   static_cast<int>(common::roundHalfEvenToInt(y))};
    };
    std::vector<PictureLine> lines;
    for (const RoofEdge& e : RoofShapeEdges(shape)) {
        const auto [x1, y1] = px(e.From);
        const auto [x2, y2] = px(e.To);
        lines.push_back({x1, y1, x2, y2});
    }
    return lines;
}

} // namespace pelmora
