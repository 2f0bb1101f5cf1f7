#include "engine/core/view_factors.h"

#include "engine/core/state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// Published closed forms (textbook tables of view factors), independent of the contour integrals.
// Two aligned, directly opposed rectangles a x b at distance c.
double alignedParallel(double a, double b, double c) {
    const double x = a / c, y = b / c;
    const double x2 = 1 + x * x, y2 = 1 + y * y;
    return 2.0 / (kPi * x * y) *
           (std::log(std::sqrt(x2 * y2 / (x2 + y2 - 1))) + x * std::sqrt(y2) * std::atan(x / std::sqrt(y2)) +
            y * std::sqrt(x2) * std::atan(y / std::sqrt(x2)) - x * std::atan(x) - y * std::atan(y));
}

// From a rectangle of width w and length l to a perpendicular rectangle of height h and the same
// length l, along their common edge of length l.
double perpendicularCommonEdge(double l, double w, double h) {
    const double hh = h / l, ww = w / l;
    const double h2 = hh * hh, w2 = ww * ww;
    const double t1 = ww * std::atan(1 / ww) + hh * std::atan(1 / hh) -
                      std::sqrt(h2 + w2) * std::atan(1 / std::sqrt(h2 + w2));
    const double a = (1 + w2) * (1 + h2) / (1 + w2 + h2);
    const double b = w2 * (1 + w2 + h2) / ((1 + w2) * (w2 + h2));
    const double c = h2 * (1 + h2 + w2) / ((1 + h2) * (h2 + w2));
    return (t1 + 0.25 * std::log(a * std::pow(b, w2) * std::pow(c, h2))) / (kPi * ww);
}

struct Box {
    double l, w, h, ww, wh;
    double area(int k) const {
        switch (k) {
        case 1:
        case 3:
            return h * l;
        case 2:
            return h * w;
        case 4:
        case 5:
            return w * l;
        case 6:
            return ww * wh;
        default:
            return h * w - ww * wh;
        }
    }
};

class ViewFactors : public ::testing::Test {
  protected:
    std::unique_ptr<engine::EngineState> state = std::make_unique<engine::EngineState>();
    // View factor from surface i to surface j of the box (surfaces 1..7).
    double f(int i, int j) const { return state->cord.f(i + 1, j + 1); }
    double b(int i, int j) const { return state->exchange(i, j); }
    void run(const Box& box, double e = 0.9, double ewin = 0.86) {
        engine::exchangefactors(*state, box.l, box.w, box.h, box.ww, box.wh, e, e, e, ewin);
    }
};

TEST_F(ViewFactors, UnitSquaresMatchTheWorkedValues) {
    EXPECT_NEAR(engine::vf(1, 0, 1, 0, 1, 0, 1, 0, 1), 0.20004, 5e-5);
    EXPECT_NEAR(engine::vfp(1, 1, 0, 1, 0, 1, 0, 1, 0, 1), 0.19982, 5e-5);
    EXPECT_NEAR(engine::vf(1, 0, 1, 0, 1, 0, 1, 0, 1), perpendicularCommonEdge(1, 1, 1), 1e-9);
    EXPECT_NEAR(engine::vfp(1, 1, 0, 1, 0, 1, 0, 1, 0, 1), alignedParallel(1, 1, 1), 1e-9);
}

TEST_F(ViewFactors, BoxSurfacesAgreeWithPublishedFormulas) {
    const Box box{5.0, 4.0, 2.7, 1.8, 1.2};
    run(box);
    // Ceiling to floor, side wall to side wall, opposite wall to the whole window wall.
    EXPECT_NEAR(f(4, 5), alignedParallel(box.w, box.l, box.h), 1e-9);
    EXPECT_NEAR(f(1, 3), alignedParallel(box.l, box.h, box.w), 1e-9);
    EXPECT_NEAR(f(2, 6) + f(2, 7), alignedParallel(box.w, box.h, box.l), 1e-9);
    // Floor to a side wall along their common edge of length L, and floor to the opposite wall.
    EXPECT_NEAR(f(5, 1), perpendicularCommonEdge(box.l, box.w, box.h), 1e-9);
    EXPECT_NEAR(f(5, 2), perpendicularCommonEdge(box.w, box.l, box.h), 1e-9);
}

TEST_F(ViewFactors, WorkedBoxWithOneWindow) {
    const Box box{5.0, 4.0, 2.7, 1.8, 1.2};
    run(box);
    EXPECT_NEAR(f(6, 4), 0.390, 5e-4);  // window to ceiling
    EXPECT_NEAR(f(6, 5), 0.197, 5e-4);  // window to floor
    EXPECT_NEAR(f(2, 6), 0.0225, 5e-5); // opposite wall to window
    EXPECT_NEAR(b(1, 1), 0.0178, 5e-5); // a plane reaches itself only through reflections
    // The window and the rest of its own wall see nothing of each other, but exchange by reflection.
    EXPECT_EQ(f(6, 7), 0.0);
    EXPECT_EQ(f(7, 6), 0.0);
    EXPECT_GT(b(6, 7), 0.0);
    EXPECT_GT(b(7, 6), 0.0);
    // The window is centred: both side walls see it alike.
    EXPECT_NEAR(f(6, 1), f(6, 3), 1e-12);
}

TEST_F(ViewFactors, RowsSumToOneAndFactorsAreReciprocal) {
    const Box boxes[] = {{5.0, 4.0, 2.7, 1.8, 1.2},
                         {3.0, 12.0, 2.4, 11.0, 2.3},
                         {10.0, 10.0, 5.0, 0.5, 0.3},
                         {2.0, 2.5, 4.0, 2.4, 3.9}};
    for (const Box& box : boxes) {
        run(box, 0.6, 0.86);
        for (int i = 1; i <= 7; ++i) {
            double fsum = 0.0, bsum = 0.0;
            for (int j = 1; j <= 7; ++j) {
                fsum += f(i, j);
                bsum += b(i, j);
                EXPECT_NEAR(box.area(i) * f(i, j), box.area(j) * f(j, i), 1e-9) << i << "," << j;
                // Absorption factors are reciprocal in emitted power: eps_i A_i B_ij = eps_j A_j B_ji.
                const double ei = i == 6 ? 0.86 : 0.6, ej = j == 6 ? 0.86 : 0.6;
                EXPECT_NEAR(ei * box.area(i) * b(i, j), ej * box.area(j) * b(j, i), 1e-9) << i << "," << j;
                EXPECT_GE(f(i, j), 0.0);
            }
            EXPECT_NEAR(fsum, 1.0, 1e-9) << "surface " << i << " of box " << box.l;
            EXPECT_NEAR(bsum, 1.0, 1e-9) << "surface " << i << " of box " << box.l;
        }
    }
}

TEST_F(ViewFactors, BlackSurfacesAbsorbWhatTheySee) {
    run({5.0, 4.0, 2.7, 1.8, 1.2}, 1.0, 1.0);
    for (int i = 1; i <= 7; ++i)
        for (int j = 1; j <= 7; ++j) EXPECT_NEAR(b(i, j), f(i, j), 1e-12);
}

TEST_F(ViewFactors, EarlierZoneLeavesNothingBehind) {
    state->exchange.fill(7.0);
    state->cord.f.fill(7.0);
    run({5.0, 4.0, 2.7, 1.8, 1.2});
    for (int i = 1; i <= 150; ++i)
        for (int j = 1; j <= 150; ++j)
            if (i > 7 || j > 7) {
                ASSERT_EQ(b(i, j), 0.0) << i << "," << j;
            }
    EXPECT_EQ(state->cord.f(2, 1), 0.0);
}

TEST_F(ViewFactors, WindowOfZeroAreaIsAPlainWall) {
    run({5.0, 4.0, 2.7, 0.0, 1.2});
    for (int i = 1; i <= 7; ++i) {
        double bsum = 0.0;
        for (int j = 1; j <= 7; ++j) {
            ASSERT_TRUE(std::isfinite(b(i, j)));
            bsum += b(i, j);
        }
        if (i != 6) {
            EXPECT_NEAR(bsum, 1.0, 1e-9) << i;
        }
        EXPECT_EQ(b(i, 6), 0.0);
        EXPECT_EQ(b(6, i), 0.0);
    }
    EXPECT_NEAR(f(5, 7), perpendicularCommonEdge(4.0, 5.0, 2.7), 1e-9);
}

} // namespace
