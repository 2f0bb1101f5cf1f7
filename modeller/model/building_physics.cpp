#include "modeller/model/building_physics.h"

#include "common/file_lookup.h"
#include "common/rounding.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace pelmora {

double GapCodeEmittance(long long code) {
    switch (code) {
    case 2:
        return 0.05;
    case 3:
        return 0.1;
    case 4:
        return 0.4;
    default:
        return kPlainEmittance;
    }
}

double RoofLiningEmittance(long long gr) {
    switch (gr) {
    case 1:
        return kPlainEmittance;
    case 2:
        return 0.05;
    case 3:
        return 0.15;
    default:
        return 0.0;
    }
}

double ColourToAbsorptance(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    const int r = static_cast<int>(bits & 0xFFu);
    const int g = static_cast<int>((bits >> 8) & 0xFFu);
    const int b = static_cast<int>((bits >> 16) & 0xFFu);
    const double lightness = common::roundHalfEven((std::max({r, g, b}) + std::min({r, g, b})) / 2.0);
    const double m = (255.0 - lightness) / 255.0;
    return (m + (1.0 - m) * 0.24) * 0.96;
}

// ---- BESTFIT.DAT --------------------------------------------------------------------------------

namespace {

constexpr int kBlocks = 5;
constexpr int kGapColumns = 4;   // 90, 40, 20 and 13 mm
constexpr int kCoefficients = 6; // c0..c5

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

} // namespace

void ReadBestFitFile(HouseModel& model) {
    const auto file = common::findCaseInsensitive(model.RootDir, kBestFitFileName);
    const std::string name = (std::filesystem::path(model.RootDir) / kBestFitFileName).string();
    if (!file) throw ModelError("Air-gap coefficient file " + name + " does not exist");
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(*file);
    } catch (const std::exception& e) {
        throw ModelError(e.what());
    }

    TBestFitCoefficients table{};
    std::size_t next = 0; // index of the next unread line
    for (int block = 0; block < kBlocks; ++block) {
        if (next >= lines.size())
            throw ModelError(name + ": the file ends before block " + std::to_string(block + 1));
        ++next; // the block's title
        int count = 0;
        while (count < kGapColumns * kCoefficients) {
            if (next >= lines.size())
                throw ModelError(name + ": the file ends inside block " + std::to_string(block + 1));
            for (std::string_view word : words(lines[next])) {
                if (count == kGapColumns * kCoefficients) break; // the rest of the line is skipped
                const auto value = common::parseReal(word);
                if (!value) {
                    throw ModelError(name + ", line " + std::to_string(next + 1) + ": \"" +
                                     std::string(word) + "\" is not a number");
                }
                // Row r holds coefficient c(r) of gap columns 0..3.
                table[block][count % kGapColumns][count / kGapColumns] = *value;
                ++count;
            }
            ++next;
        }
    }
    model.BestFitCoefficients = table;
}

// ---- Air-gap resistance -------------------------------------------------------------------------

namespace {

double singleResistance(const TBestFitCoefficients& c, int block, int column, double E, double factor) {
    const auto& k = c[block][column];
    const double p = k[0] + E * (k[1] + E * (k[2] + E * (k[3] + E * (k[4] + E * k[5]))));
    return factor / (p == 0.0 ? 0.00001 : p);
}

// The resistance of a block at gap width d (mm, 13..90), joined linearly between tabulated widths.
double resistanceAtWidth(const TBestFitCoefficients& c, int block, double d, double E, double factor) {
    auto R = [&](int column) { return singleResistance(c, block, column, E, factor); };
    if (d < 20.0) return R(2) + (20.0 - d) * (R(3) - R(2)) / 7.0;
    if (d < 40.0) return R(1) + (40.0 - d) * (R(2) - R(1)) / 20.0;
    return R(0) + (90.0 - d) * (R(1) - R(0)) / 50.0;
}

// The value at `tilt` of the quadratic through the resistances at tilts 0, 45 and 90 degrees.
double overTilt(double at0, double at45, double at90, double tilt) {
    const double x[3] = {0.0, 45.0, 90.0};
    const double y[3] = {at0, at45, at90};
    double a[3] = {};
    PolyFit(x, y, 3, 3, a);
    return a[0] + a[1] * tilt + a[2] * tilt * tilt;
}

} // namespace

void AirGapResistance(HouseModel& model, int vented, double gapWidth, double e1, double e2, double tilt) {
    e1 = std::clamp(e1, 0.05, 0.9);
    e2 = std::clamp(e2, 0.05, 0.9);
    const double d = std::clamp(gapWidth, 13.0, 90.0);
    const double E = 1.0 / (1.0 / e1 + 1.0 / e2 - 1.0);
    const double factor = vented == 1 ? 0.905 - 0.1112 * E : 1.0;
    const auto& c = model.BestFitCoefficients;
    auto R = [&](int block) { return resistanceAtWidth(c, block, d, E, factor); };
    // Blocks: 0 vertical (horizontal flow), 1 horizontal up, 2 horizontal down, 3 45 degrees up,
    // 4 45 degrees down.
    model.AirGapResistanceUp = overTilt(R(1), R(3), R(0), tilt);
    model.AirGapResistanceDown = overTilt(R(2), R(4), R(0), tilt);
}

// ---- Fitting ------------------------------------------------------------------------------------

void GaussJordan(std::span<double> a, std::span<double> b, int n) {
    const auto N = static_cast<std::size_t>(n);
    auto A = [&](std::size_t i, std::size_t j) -> double& { return a[i * N + j]; };
    // A pivot this small against the largest element is round-off of a zero: the system has no unique
    // solution, and dividing by it would return huge meaningless coefficients.
    double scale = 0.0;
    for (std::size_t k = 0; k < N * N; ++k) scale = std::max(scale, std::fabs(a[k]));
    const double negligible = scale * 1e-13;
    std::vector<int> used(N, 0);
    std::vector<std::size_t> pivotRow(N), pivotColumn(N);
    for (std::size_t step = 0; step < N; ++step) {
        double largest = -1.0;
        std::size_t row = 0, column = 0;
        for (std::size_t i = 0; i < N; ++i) {
            if (used[i] == 1) continue;
            for (std::size_t j = 0; j < N; ++j) {
                if (used[j] > 1) throw MathError(std::string(kSingularRepeatedPivot));
                if (used[j] == 0 && std::fabs(A(i, j)) > largest) {
                    largest = std::fabs(A(i, j));
                    row = i;
                    column = j;
                }
            }
        }
        ++used[column];
        if (used[column] > 1) throw MathError(std::string(kSingularRepeatedPivot));
        if (largest <= negligible) throw MathError(std::string(kSingular));
        if (row != column) {
            for (std::size_t j = 0; j < N; ++j) std::swap(A(row, j), A(column, j));
            std::swap(b[row], b[column]);
        }
        pivotRow[step] = row;
        pivotColumn[step] = column;
        const double inverse = 1.0 / A(column, column);
        A(column, column) = 1.0;
        for (std::size_t j = 0; j < N; ++j) A(column, j) *= inverse;
        b[column] *= inverse;
        for (std::size_t i = 0; i < N; ++i) {
            if (i == column) continue;
            const double factor = A(i, column);
            A(i, column) = 0.0;
            for (std::size_t j = 0; j < N; ++j) A(i, j) -= A(column, j) * factor;
            b[i] -= b[column] * factor;
        }
    }
    for (std::size_t k = 0; k < N; ++k)
        if (used[k] != 1) throw MathError(std::string(kSingular));
    // Undo the column interchanges of the reduced matrix in reverse order; the solution in b needs
    // none, the rows having been swapped onto the diagonal.
    for (std::size_t step = N; step-- > 0;) {
        if (pivotRow[step] == pivotColumn[step]) continue;
        for (std::size_t i = 0; i < N; ++i) std::swap(A(i, pivotRow[step]), A(i, pivotColumn[step]));
    }
}

double PolyFit(std::span<const double> x, std::span<const double> y, int n, int m, std::span<double> a) {
    if (n <= 0) throw MathError(std::string(kTooFewTerms));
    if (m < 2) throw MathError(std::string(kTooFewPoints));
    const auto N = static_cast<std::size_t>(n);
    const auto M = static_cast<std::size_t>(m);
    std::vector<double> X(M * N);
    for (std::size_t i = 0; i < M; ++i) {
        X[i * N] = 1.0;
        for (std::size_t k = 1; k < N; ++k) X[i * N + k] = X[i * N + k - 1] * x[i];
    }
    std::vector<double> A(N * N, 0.0), b(N, 0.0);
    for (std::size_t j = 0; j < N; ++j) {
        for (std::size_t k = 0; k < N; ++k)
            for (std::size_t i = 0; i < M; ++i) A[j * N + k] += X[i * N + j] * X[i * N + k];
        for (std::size_t i = 0; i < M; ++i) b[j] += X[i * N + j] * y[i];
    }
    GaussJordan(A, b, n);
    for (std::size_t k = 0; k < N; ++k) a[k] = b[k];

    double sse = 0.0, sumY = 0.0, sumY2 = 0.0;
    for (std::size_t i = 0; i < M; ++i) {
        double fitted = 0.0;
        for (std::size_t k = 0; k < N; ++k) fitted += a[k] * X[i * N + k];
        sse += (fitted - y[i]) * (fitted - y[i]);
        sumY += y[i];
        sumY2 += y[i] * y[i];
    }
    const double sst = sumY2 - sumY * sumY / static_cast<double>(M);
    const double q = sst != 0.0 ? sse / sst : 0.0;
    return q >= 1.0 ? 0.0 : std::sqrt(1.0 - q);
}

} // namespace pelmora
