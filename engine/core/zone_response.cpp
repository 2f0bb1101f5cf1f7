#include "engine/core/zone_response.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/core/matrix_routines.h"
#include "engine/core/response_report.h"
#include "engine/core/state.h"
#include "engine/core/work_file.h"
#include "engine/core/work_file_reading.h"

namespace engine {
namespace {

constexpr int kOutdoorAirConductance = 21;  // W/K from the outdoor air
constexpr int kVentilationConductance = 22; // W/K, the zone's own record
constexpr int kPulseGain = 31;              // a direct gain acting as pulses
constexpr int kTriangleGain = 32;           // a direct gain varying linearly within a step
constexpr int kResponseFlag = 31;           // idrvuse of a row with a surface response or a direct gain

constexpr std::string_view kTooManyZones = "(/,/,/,15X,'ERROR: TOO MANY ZONES')";
constexpr std::string_view kNotStored =
    "(/,15X,'GORCUMS NOT STORED OR NOT ALLOWED: ZONE ',A15,' PATH ',I6,' INDEX ',I6)";
constexpr std::string_view kNoHeatExchange =
    "(/,15X,'**ERROR** ZONE ',A15,' EXCHANGES NO HEAT WITH OUTDOORS, THE GROUND OR ANOTHER ZONE')";
constexpr std::string_view kSingular = "(/,/,/,' **ERROR**',' ZONAL MATRIX IS SINGULAR')";
constexpr std::string_view kRecordLine = "(1H ,/,/,5X,'ZONE',3X,A8,5X,'PATH NO ',I5,/,1(5X,6(3X,I4,F11.3)))";
constexpr std::string_view kDenominator = "(1X,A15,'   STEADY STATE DENOMINATOR',1X,2F12.6)";
constexpr std::string_view kCoupledHead =
    "(1X,'Harmonic response after zone calcs',/,1X,'ZONE = ',I3,'  NPATH = ',I3)";
constexpr std::string_view kCoupledLine = "(1X,I2,2X,2E15.6)";

constexpr int kMaxMatches = 8; // gorcum columns one key can name

// Columns of the gorcum table a path code names.
struct Matches {
    std::array<int, kMaxMatches> column{};
    int count = 0;
};

// In a zone's own record a marker key names only its marker column; elsewhere a key names every
// column stored under it.
Matches columnsOf(const EngineState& state, int code, bool ownRecord) {
    Matches m;
    const bool marker = code == kZoneAirKey || code == kRoofSpaceMassKey;
    for (int p = 1; p <= state.bss.ngcode && m.count < kMaxMatches; ++p) {
        if (state.bss.igcode(p) != code) continue;
        if (ownRecord && marker && state.gorrole(p) != GorcumRole::Marker) continue;
        m.column[static_cast<std::size_t>(m.count++)] = p;
    }
    return m;
}

// A row of `hres` is kept when some zone uses it: the rows the input flagged in `idrvuse`.
bool rowInUse(const EngineState& state, int r) {
    for (int z = 1; z <= kMaxZones; ++z)
        if (state.zn.idrvuse(r, z) != 0) return true;
    return false;
}

// Makes room in `hres` for zone z (the table is sized from the zones of the run).
void ensureZone(EngineState& state, int z) {
    DriverRowTable<Complex>& h = state.hz.hres;
    const int have = h.hi1();
    if (z <= have) return;
    const int want = std::max(z, std::min(kMaxResponseZones, std::max(state.zones.nzones, 1)));
    DriverRowTable<Complex> bigger;
    bigger.allocate(
        1, want, 1, kResponseRows, [&state](int r) { return rowInUse(state, r); }, 1, kHarmonics, Complex{});
    for (int k = 1; k <= kHarmonics; ++k)
        for (int slot = 1; slot <= bigger.rowsInUse(); ++slot)
            for (int zz = 1; zz <= have; ++zz)
                bigger.atSlot(slot, k)[zz - 1] = h.value(zz, bigger.rowOfSlot(slot), k);
    h = std::move(bigger);
}

class ZoneRecordReader {
  public:
    explicit ZoneRecordReader(EngineState& state) : s_(state) {}

    // Processes the records up to the closing record; returns false (message written) on an error.
    bool run() {
        common::Record raw;
        for (;;) {
            nextWorkFileRecord(s_, raw, "closing zone record");
            const ZonePathRecord rec = readZonePathRecord(raw);
            if (rec.name.find_first_not_of(' ') == std::string::npos) return true;
            if (!record(rec)) return false;
        }
    }

    int zones() const { return z_; }

  private:
    bool record(const ZonePathRecord& rec) {
        if (rec.row < 0 || rec.row > kResponseRows)
            throw common::RecordError("work file: driver row out of range in a zone record");
        if (rec.row > 0 && !s_.hz.hres.inUse(rec.row))
            throw common::RecordError("work file: a zone record for a driver row no zone uses");
        if (s_.blank.iprnt1 >= 2) printRecord(rec);
        ZoneResponseWork& w = s_.zonework;
        w.n.fill(Complex{});
        if (rec.name != name_ || rec.zone != number_) {
            name_ = rec.name;
            number_ = rec.zone;
            ++z_;
            w.d.fill(Complex{});
            if (z_ > kMaxResponseZones) {
                reportError(s_, kTooManyZones, {});
                return false;
            }
            ensureZone(s_, z_);
        }
        for (std::size_t i = 0; i < rec.code.size(); ++i) {
            const int c = rec.code[i];
            const double v = rec.value[i];
            if (c == kPathEnd) return finish(rec);
            if (!(rec.row == 0 ? ownEntry(rec, c, v) : rowEntry(rec, c, v))) return false;
        }
        return true;
    }

    bool ownEntry(const ZonePathRecord& rec, int c, double v) {
        ZoneResponseWork& w = s_.zonework;
        if (c == kVentilationConductance) {
            for (int k = 1; k <= kHarmonics; ++k) w.d(k) -= v;
            return true;
        }
        const Matches m = columnsOf(s_, c, true);
        if (m.count == 0) return notStored(rec, c);
        for (int i = 0; i < m.count; ++i) {
            const int p = m.column[static_cast<std::size_t>(i)];
            for (int k = 1; k <= kHarmonics; ++k) w.d(k) += v * s_.gor(k, p);
        }
        return true;
    }

    bool rowEntry(const ZonePathRecord& rec, int c, double v) {
        ZoneResponseWork& w = s_.zonework;
        const int row = rec.row;
        // Rows 602..751 (the air of other zones) are always temperatures and have no kind of their own.
        auto setKind = [this, row](int kind) {
            if (row <= kResponseDriverRows) s_.hz.kindrf(row) = kind;
        };
        setKind(kRamp);
        if (c == kOutdoorAirConductance) {
            for (int k = 1; k <= kHarmonics; ++k) w.n(k) -= v;
            return true;
        }
        if (c == kPulseGain || c == kTriangleGain) {
            s_.zn.idrvuse(row, z_) = kResponseFlag;
            // A gain of v W acts as a conductance term of the opposite sign to the losses in D, so
            // that the zone warms: N = -v, and N / D = v / (total loss conductance) > 0.
            for (int k = 1; k <= kHarmonics; ++k) w.n(k) = Complex(-v);
            setKind(c - 29);
            return true;
        }
        const Matches m = columnsOf(s_, c, false);
        if (m.count == 0) return notStored(rec, c);
        for (int i = 0; i < m.count; ++i) {
            const int p = m.column[static_cast<std::size_t>(i)];
            switch (s_.gorrole(p)) {
            case GorcumRole::SurfaceResponse:
                s_.zn.idrvuse(row, z_) = kResponseFlag;
                setKind(kTriangle);
                for (int k = 1; k <= kHarmonics; ++k) w.n(k) -= v * s_.gor(k, p);
                break;
            case GorcumRole::Transmittance:
                for (int k = 1; k <= kHarmonics; ++k) w.n(k) += v * s_.gor(k, p);
                break;
            default:
                break; // an admittance or a marker drives nothing
            }
        }
        return true;
    }

    bool finish(const ZonePathRecord& rec) {
        ZoneResponseWork& w = s_.zonework;
        if (rec.row == 0) {
            if (s_.blank.iprnt4 > 0)
                reportFormatted(s_, kDenominator, {rec.name, w.d(1).real(), w.d(1).imag()});
            return true;
        }
        for (int k = 1; k <= kHarmonics; ++k) {
            if (w.d(k) == Complex{}) {
                reportError(s_, kNoHeatExchange, {rec.name});
                return false;
            }
            s_.hz.hres(z_, rec.row, k) = w.n(k) / w.d(k);
        }
        return true;
    }

    bool notStored(const ZonePathRecord& rec, int c) {
        reportError(s_, kNotStored, {rec.name, static_cast<long long>(rec.row), static_cast<long long>(c)});
        return false;
    }

    void printRecord(const ZonePathRecord& rec) {
        std::vector<fw::Value> values = {rec.name.substr(0, 8), static_cast<long long>(rec.row)};
        for (std::size_t i = 0; i < rec.code.size(); ++i) {
            values.emplace_back(static_cast<long long>(rec.code[i]));
            values.emplace_back(rec.value[i]);
        }
        reportFormatted(s_, kRecordLine, values);
    }

    EngineState& s_;
    int z_ = 0;
    std::string name_ = std::string(kZoneNameWidth, ' ');
    int number_ = 0;
};

void printCoupled(EngineState& state, int zones) {
    for (int z = 1; z <= zones; ++z) {
        for (int r = 1; r <= kResponseDriverRows; ++r) {
            if (state.hz.iuserow(r) == 0 || state.hz.hres.value(z, r, 1).real() == 0.0) continue;
            reportFormatted(state, kCoupledHead, {static_cast<long long>(z), static_cast<long long>(r)});
            for (int k = 1; k <= kHarmonics; ++k) {
                const Complex h = state.hz.hres(z, r, k);
                reportFormatted(state, kCoupledLine, {static_cast<long long>(k - 1), h.real(), h.imag()});
            }
            state.units.report << '\n';
        }
    }
}

} // namespace

void harmnc(EngineState& state, int& ierr) {
    ierr = 0;
    state.hz.hres = DriverRowTable<Complex>();
    ensureZone(state, 1);
    state.hz.kindrf.fill(0);
    state.hz.iuserow.fill(0);
    ZoneRecordReader reader(state);
    const bool ok = reader.run();
    state.hz.nzc = reader.zones();
    if (!ok) {
        ierr = 1;
        return;
    }
    const int zones = reader.zones();
    for (int r = 1; r <= kResponseDriverRows; ++r)
        for (int z = 1; z <= std::min(zones, kMaxZones); ++z)
            if (state.zn.idrvuse(r, z) != 0) state.hz.iuserow(r) = state.zn.idrvuse(r, z);
    zone(state, ierr);
    if (ierr != 0) return;
    if (state.blank.iprnt8 != 0) printCoupled(state, zones);
    state.hp.hss.allocate(1, std::max(zones, 1), 1, kResponseDriverRows, 0.0);
    for (int r = 1; r <= kResponseDriverRows; ++r)
        for (int z = 1; z <= zones; ++z) state.hp.hss(z, r) = state.hz.hres.value(z, r, 1).real();
}

void zone(EngineState& state, int& ierr) {
    const int n = state.hz.nzc;
    if (n < 1) return;
    DriverRowTable<Complex>& h = state.hz.hres;
    // The rows 1..601 in use, and the coupled responses of one frequency to each of them.
    int rows = 0;
    while (rows < h.rowsInUse() && h.rowOfSlot(rows + 1) <= kResponseDriverRows) ++rows;
    common::Array2<Complex> zinv(1, n, 1, n, Complex{});
    common::Array2<Complex> coupled(1, n, 1, std::max(rows, 1), Complex{});
    for (int k = 1; k <= kHarmonics; ++k) {
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                zinv(j, i) = i == j ? Complex(1.0) : -h.value(j, kZoneAirRowOffset + i, k);
        int status = 0;
        cmtinv(n, status, ComplexMatrix(zinv));
        if (status != 0) {
            reportError(state, kSingular, {});
            ierr = 1;
            return;
        }
        // R(z, r) = Σt Z⁻¹(z, t) · hres(t, r), summed in ascending t; a zone t that does not respond
        // to the row by itself adds nothing.
        for (int slot = 1; slot <= rows; ++slot) {
            Complex* sum = coupled.column(slot);
            std::fill(sum, sum + n, Complex{});
            if (state.hz.iuserow(h.rowOfSlot(slot)) == 0) continue;
            const Complex* alone = h.atSlot(slot, k);
            for (int t = 1; t <= n; ++t) {
                const Complex ht = alone[t - 1];
                if (ht == Complex{}) continue;
                const Complex* column = zinv.column(t);
                for (int z = 0; z < n; ++z) sum[z] += column[z] * ht;
            }
        }
        for (int slot = 1; slot <= rows; ++slot)
            std::copy(coupled.column(slot), coupled.column(slot) + n, h.atSlot(slot, k));
    }
}

} // namespace engine
