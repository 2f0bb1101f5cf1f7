#include "data/construction/air_gap_table.h"

#include "common/text_values.h"
#include "data/construction/source_tables.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace construction {

namespace {

constexpr std::array<int, kAirGapWidths> kWidths{90, 40, 20, 13}; // mm
const std::array<const char*, kAirGapBlocks> kTitles{
    "Vertical air space, horizontal heat flow: coefficients for 90, 40, 20 and 13 mm",
    "Horizontal air space, heat flow up: coefficients for 90, 40, 20 and 13 mm",
    "Horizontal air space, heat flow down: coefficients for 90, 40, 20 and 13 mm",
    "Air space sloped at 45 degrees, heat flow up: coefficients for 90, 40, 20 and 13 mm",
    "Air space sloped at 45 degrees, heat flow down: coefficients for 90, 40, 20 and 13 mm",
};

int widthColumn(int width) {
    for (int c = 0; c < kAirGapWidths; ++c)
        if (kWidths[static_cast<std::size_t>(c)] == width) return c;
    return -1;
}

// Least-squares polynomial through the points (normal equations, Gauss-Jordan with partial pivoting).
std::array<double, kAirGapCoefficients> fitPolynomial(const std::vector<double>& x,
                                                      const std::vector<double>& y) {
    constexpr int n = kAirGapCoefficients;
    double a[n][n + 1] = {};
    for (std::size_t i = 0; i < x.size(); ++i) {
        double row[n];
        row[0] = 1.0;
        for (int k = 1; k < n; ++k) row[k] = row[k - 1] * x[i];
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) a[r][c] += row[r] * row[c];
            a[r][n] += row[r] * y[i];
        }
    }
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        for (int c = 0; c <= n; ++c) std::swap(a[col][c], a[pivot][c]);
        const double p = a[col][col];
        for (int c = 0; c <= n; ++c) a[col][c] /= p;
        for (int r = 0; r < n; ++r) {
            if (r == col) continue;
            const double f = a[r][col];
            for (int c = 0; c <= n; ++c) a[r][c] -= f * a[col][c];
        }
    }
    std::array<double, n> out{};
    for (int k = 0; k < n; ++k) out[static_cast<std::size_t>(k)] = a[k][n];
    return out;
}

} // namespace

AirGapTable fitAirGapTable(const std::filesystem::path& source) {
    const SourceTable t = readSourceTable(source, 4);
    std::array<std::array<std::vector<double>, kAirGapWidths>, kAirGapBlocks> emittance, conductance;
    for (const SourceRow& row : t.rows) {
        const int block = t.integer(row, 0);
        const int column = widthColumn(t.integer(row, 1));
        const double e = t.real(row, 2);
        const double r = t.real(row, 3);
        if (block < 0 || block >= kAirGapBlocks) t.fail(row, "block outside 0..4");
        if (column < 0) t.fail(row, "width is not 90, 40, 20 or 13 mm");
        if (e <= 0 || e > 1 || r <= 0)
            t.fail(row, "emittance must lie in (0, 1] and the resistance be positive");
        emittance[static_cast<std::size_t>(block)][static_cast<std::size_t>(column)].push_back(e);
        conductance[static_cast<std::size_t>(block)][static_cast<std::size_t>(column)].push_back(1.0 / r);
    }
    AirGapTable table;
    for (std::size_t b = 0; b < kAirGapBlocks; ++b) {
        table.titles[b] = kTitles[b];
        for (std::size_t c = 0; c < kAirGapWidths; ++c) {
            if (emittance[b][c].size() < kAirGapCoefficients)
                throw SourceError(source.string() + ": block " + std::to_string(b) + ", " +
                                  std::to_string(kWidths[c]) + " mm has fewer than six points");
            table.coefficients[b][c] = fitPolynomial(emittance[b][c], conductance[b][c]);
        }
    }
    return table;
}

void writeAirGapTable(const AirGapTable& table, const std::filesystem::path& file) {
    common::TextFileWriter out;
    char buffer[32];
    for (std::size_t b = 0; b < kAirGapBlocks; ++b) {
        out.line(table.titles[b]);
        for (std::size_t k = 0; k < kAirGapCoefficients; ++k) {
            std::string line;
            for (std::size_t c = 0; c < kAirGapWidths; ++c) {
                // A coefficient that the fit leaves at rounding noise is written as zero.
                double v = table.coefficients[b][c][k];
                if (std::fabs(v) < 1e-9) v = 0.0;
                std::snprintf(buffer, sizeof buffer, "%16.8E", v);
                line += buffer;
            }
            out.line(line);
        }
    }
    out.save(file);
}

} // namespace construction
