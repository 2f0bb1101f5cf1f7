// The data blocks of harmonic conduction, zone response and response factors: the harmonic transfer
// coefficients of every building section (gorcums), each zone's harmonic response to every driver row,
// and the response factors with the future response that the hourly loop superposes and shifts.
//
// The tables that the worst case would make very large (responses of 150 zones to 751 driver rows at
// 60 frequencies, response factors of 150 zones to 601 rows) are sized from the zone count and the
// steps of the day of the run, keeping their index ranges and meaning.
#pragma once

#include <algorithm>
#include <cassert>
#include <complex>
#include <memory>
#include <vector>

#include "common/arrays.h"
#include "common/framed_records.h"

namespace engine {

inline constexpr int kHarmonics = 60;           // harmonic frequencies, the first one 0
inline constexpr int kGorcumColumns = 700;      // columns of the transfer-coefficient table
inline constexpr int kResponseRows = 751;       // driver rows 1..601 and the zone-air rows 602..751
inline constexpr int kExponentials = 59;        // decaying exponentials of the response fit
inline constexpr int kLongTermPoints = 194;     // points of the geometric lag grid, 24 h .. 98304 h
inline constexpr int kFuturePoints = 196;       // the grid with its two guard points
inline constexpr int kResponseDriverRows = 601; // rows of the driver table
inline constexpr int kZoneAirRowOffset = 601;   // row 601 + z is the air temperature of zone z
inline constexpr int kGainRowOffset = 451;      // row 451 + z is the sensible internal gain of zone z
inline constexpr int kMaxResponseZones = 150;

using Complex = std::complex<double>;

// A table indexed (i, r, k) by driver row r in the middle that holds only the rows in use: a row no
// zone uses reads as 0 and takes no memory.  The indices keep their ranges and meaning; i varies
// fastest, then the rows in use in ascending order, then k, so that the values of one row for one k
// lie together, and so do all the rows in use for one k.
template <class T> class DriverRowTable {
  public:
    // Every row lo2..hi2 in use.
    void allocate(int lo1, int hi1, int lo2, int hi2, int lo3, int hi3, const T& value = T()) {
        allocate(
            lo1, hi1, lo2, hi2, [](int) { return true; }, lo3, hi3, value);
    }
    // The rows r = lo2..hi2 for which inUse(r) holds.
    template <class InUse>
    void allocate(int lo1, int hi1, int lo2, int hi2, InUse inUse, int lo3, int hi3, const T& value = T()) {
        assert(hi1 >= lo1 - 1 && hi2 >= lo2 - 1 && hi3 >= lo3 - 1);
        lo1_ = lo1;
        hi1_ = hi1;
        lo2_ = lo2;
        lo3_ = lo3;
        hi3_ = hi3;
        slotOf_.assign(static_cast<std::size_t>(hi2 - lo2 + 1), 0);
        rowOf_.clear();
        for (int r = lo2; r <= hi2; ++r) {
            if (!inUse(r)) continue;
            rowOf_.push_back(r);
            slotOf_[static_cast<std::size_t>(r - lo2)] = static_cast<int>(rowOf_.size());
        }
        n1_ = static_cast<std::size_t>(hi1 - lo1 + 1);
        n12_ = n1_ * rowOf_.size();
        data_.assign(n12_ * static_cast<std::size_t>(hi3 - lo3 + 1), value);
    }

    // Row r in use: its slot 1..rowsInUse(); 0 for a row not in use.
    int slotOf(int r) const {
        const auto i = static_cast<std::size_t>(r - lo2_);
        return i < slotOf_.size() ? slotOf_[i] : 0;
    }
    bool inUse(int r) const { return slotOf(r) != 0; }
    int rowsInUse() const { return static_cast<int>(rowOf_.size()); }
    int rowOfSlot(int slot) const { return rowOf_[static_cast<std::size_t>(slot - 1)]; }

    // An element of a row in use.
    T& operator()(int i, int r, int k) { return data_[index(i, slotOf(r), k)]; }
    const T& operator()(int i, int r, int k) const { return data_[index(i, slotOf(r), k)]; }
    // Any element: 0 for a row not in use.
    T value(int i, int r, int k) const {
        const int slot = slotOf(r);
        return slot == 0 ? T() : data_[index(i, slot, k)];
    }
    // The values i = lo1..hi1 of the row in `slot` for k, together.
    T* atSlot(int slot, int k) { return &data_[index(lo1_, slot, k)]; }
    const T* atSlot(int slot, int k) const { return &data_[index(lo1_, slot, k)]; }

    int lo1() const { return lo1_; }
    int hi1() const { return hi1_; }
    int hi3() const { return hi3_; }
    std::size_t size() const { return data_.size(); }
    void fill(const T& value) { std::fill(data_.begin(), data_.end(), value); }

  private:
    std::size_t index(int i, int slot, int k) const {
        assert(i >= lo1_ && i <= hi1_ && slot >= 1 && slot <= rowsInUse() && k >= lo3_ && k <= hi3_);
        return static_cast<std::size_t>(i - lo1_) + n1_ * static_cast<std::size_t>(slot - 1) +
               n12_ * static_cast<std::size_t>(k - lo3_);
    }
    std::vector<T> data_;
    std::vector<int> slotOf_, rowOf_;
    int lo1_ = 1, hi1_ = 0, lo2_ = 1, lo3_ = 1, hi3_ = 0;
    std::size_t n1_ = 0, n12_ = 0;
};

// What the column of a gorcum stands for, by the offset of its key.
enum class GorcumRole {
    None,
    Admittance,      // Y: the first key of every section
    Transmittance,   // T: the second key of glazing systems and of surfaces to outside
    SurfaceResponse, // X: share of heat absorbed at a surface that reaches the zone air
    Marker           // internal mass: zone air capacity or roof-space mass
};

// Response-factor kind of a driver row: how its input varies within a step.
enum ResponseKind : int {
    kRamp = 1,    // a temperature varying linearly between step values; its change is superposed
    kPulse = 2,   // a gain held constant over one step
    kTriangle = 3 // a gain varying linearly between step values
};

// Block `hz`.
struct HzBlock {
    common::FixedArray1<int, 1, kResponseDriverRows> kindrf;  // ResponseKind of driver row r
    int nzc = 0;                                              // zones counted in the work file
    common::FixedArray1<int, 1, kResponseDriverRows> iuserow; // 0 unused, 1 temperature, 31 gain row
    // Response of zone z's air temperature to a unit sinusoid of driver row r at frequency k, K per K
    // or K per W: hres(z, r, k), z = 1..zones of the run, r = 1..751 (the rows some zone uses), k =
    // 1..60.
    DriverRowTable<Complex> hres;
};

// Block `hp`: steady-state response of zone z to driver row r, hss(z, r), r = 1..601.
struct HpBlock {
    common::Array2<double> hss;
};

// Block `val`: the fitting matrix of the exponential series, V(i, m), i, m = 1..59.
struct ValBlock {
    common::FixedArray2<double, 1, kExponentials, 1, kExponentials> v;
    bool filled = false;
};

// Block `rf`.
struct RfBlock {
    // Response factor n of driver row r in zone z, rfac(n, r, z): the rise of the zone's air
    // temperature per unit input of the row (K per K or K per W) at a lag of n steps for n = 1..Nd,
    // and at the long-term lag t(m) = 24 · 2^((m - 2) / 16) hours for n = Nd + m, m = 1..194.  Only
    // the rows in use are held; the factors of each zone lie together, row after row.
    DriverRowTable<double> rfac;
    // Future air temperature of zone z, fut(n, z), °C: n = 1..Nd steps ahead, then Nd + m at t(m)
    // hours ahead, m = 1..196 (195 and 196 are guard points beyond the grid).
    common::Array2<double> fut;
    int nd = 0; // steps of the day the tables are sized for
    // The same-step responses c(m→i) = rfac(1, 451 + m, i) gathered in one table, samestep(i, m), K/W:
    // the rise of zone i's air temperature at the end of a step per watt held in zone m over the step.
    // The zone heat balance, the plant and the special zones read them many times a step.
    common::Array2<double> samestep;
    // The grid of one zone's future before moveon moves it (work space).
    common::FixedArray1<double, 0, kFuturePoints - 1> gridwork;
};

// The per-frequency working values of the zone response, kept so that no phase allocates them.
struct ZoneResponseWork {
    common::FixedArray1<Complex, 1, kHarmonics> d; // the zone's denominator
    common::FixedArray1<Complex, 1, kHarmonics> n; // the current row's numerator
};

struct ResponseBlocks {
    ResponseBlocks() { gor.allocate(1, kHarmonics, 1, kGorcumColumns, Complex{}); }

    // The gorcum table: column p holds the 60 harmonic values of the gorcum whose key is igcode(p).
    // Gorcums carry the opposite sign of the usual admittance and transmittance (W/m2K).
    common::Array2<Complex> gor;
    // Role of each column, from the record that filled it.  A marker key refers only to its marker
    // column, although the last surface-response key of section 200 has the same number.
    common::FixedArray1<GorcumRole, 1, kGorcumColumns> gorrole;
    HzBlock hz;
    HpBlock hp;
    ValBlock val;
    RfBlock rf;
    ZoneResponseWork zonework;
    // The work file read back from its start by the conduction and zone response phases.
    std::unique_ptr<common::RecordReader> tape52in;
};

} // namespace engine
