// The arithmetic of the calibration: star limits of a climate from the energies of its reference
// houses, and the area correction polynomial from the energies of one house at several sizes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace calibration {

constexpr int kBands = 20; // limits for 0.5, 1.0, ... 10 stars

// Where each reference house is meant to sit on the star scale.
constexpr double kPoorStars = 1.5;
constexpr double kTypicalStars = 5.0;
constexpr double kWellStars = 8.0;

// The twenty limits (MJ/m2), limit j the highest energy that earns 0.5 j stars: log(energy) linear
// in stars through (kPoorStars, poor), (kTypicalStars, typical) and (kWellStars, well), each
// segment extended beyond its end.  Empty unless poor > typical > well > 0.
std::optional<std::array<double, kBands>> starLimits(double poor, double typical, double well);

// The area correction k1..k6 of k1 a^5 + 1 + k2 a^4 + k3 a^3 + k4 a^2 + k5 a + k6 from the ratios of
// energy per m2 at `areas` to that at `referenceArea`: the power law (a / referenceArea)^n fitted to
// the ratios by least squares in logarithms (envelope per floor area falls as a power of the area),
// then the polynomial fitted to that power law by least squares over 30-600 m2.  Empty when the
// points cannot be fitted or the polynomial does not stay positive and without a turn there.
std::optional<std::array<double, 6>> areaCorrection(const std::vector<double>& areas,
                                                    const std::vector<double>& ratios, double referenceArea);

// k1 a^5 + 1 + k2 a^4 + k3 a^3 + k4 a^2 + k5 a + k6.
double correctionAt(const std::array<double, 6>& k, double area);

constexpr double kSmallestArea = 30.0; // m2
constexpr double kLargestArea = 600.0; // m2

} // namespace calibration
