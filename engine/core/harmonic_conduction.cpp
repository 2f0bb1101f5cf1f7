#include "engine/core/harmonic_conduction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/core/response_report.h"
#include "engine/core/section_properties.h"
#include "engine/core/state.h"
#include "engine/core/work_file.h"
#include "engine/core/work_file_reading.h"

namespace engine {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSlowestPeriod = 24.0 * 524288.0 * 3.6; // ks: 24 · 2^19 hours
constexpr double kSmallE = 0.01;                         // below it the chain uses its series
constexpr double kLargeE = 80.0;                         // above it a layer passes nothing
constexpr double kNegligible = 1e-8;                     // smallest numerator and denominator of a response
constexpr int kGuardFrom = 31;                           // surface responses may only shrink from here on

constexpr std::string_view kStorageError = "(/,/,15X,'STORAGE ERROR,GORCUM NOS ',5I7)";
constexpr std::string_view kStorageFouled = "(15X,'GORCUM STORAGE FOULED UP:',I7)";
constexpr std::string_view kNoResistance =
    "(/,/,15X,'**ERROR** BUILDING SECTION',I5,' HAS NO THERMAL RESISTANCE')";
constexpr std::string_view kNoSlab =
    "(/,/,15X,'**ERROR** BUILDING SECTION',I5,' IS ON EARTH BUT THE SLAB AREA,"
    " PERIMETER, WALL THICKNESS, CONDUCTIVITY OR DIFFUSIVITY IS NOT ABOVE 0')";
constexpr std::string_view kRecordHead =
    "(/,/,/,5X,'RESIST & CAPAC DATA FOR BUILDING SECTION ',I5,': ',I3,' ELEMENTS',4I4,/,"
    "1(5X,'RESIST ',F12.6,3X,'CAPAC ',F12.6))";
constexpr std::string_view kFrequencyLine = "(5X,I2,2X,4E16.8)";
constexpr std::string_view kUValue = "(/,/,/,5X,'U VALUE FOR ELEMENT NO. ',I5,' = ',F6.3,' W/SQ M.K')";

// Kinds of section record, by the key of the record.
enum class Kind { Glazing, Wall, Intrazone, Neighbour, Marker, Unknown };

Kind kindOf(int key) {
    if (key >= 100 && key <= 299) return Kind::Glazing;
    if (key >= 500 && key <= 699) return Kind::Wall;
    if (key >= 1300 && key <= 1499) return Kind::Intrazone;
    // Section 200 has the first key 2100; it is a neighbour section like 156..199.
    if (key >= 1900 && key <= 2100) return Kind::Neighbour;
    if (key == kZoneAirKey || key == kRoofSpaceMassKey) return Kind::Marker;
    return Kind::Unknown;
}

int columnsOf(Kind kind) {
    switch (kind) {
    case Kind::Glazing:
        return 2;
    case Kind::Wall:
        return 4;
    case Kind::Intrazone:
    case Kind::Neighbour:
        return 3;
    case Kind::Marker:
        return 1;
    case Kind::Unknown:
        break;
    }
    return 0;
}

GorcumRole roleOf(Kind kind, int column) {
    if (kind == Kind::Marker) return GorcumRole::Marker;
    if (column == 0) return GorcumRole::Admittance;
    if (column == 1 && (kind == Kind::Glazing || kind == Kind::Wall)) return GorcumRole::Transmittance;
    return GorcumRole::SurfaceResponse;
}

// A surface response may only shrink in magnitude at the high frequencies: a response that grows
// there is numerical noise of a heavy construction and becomes 0.
struct ResponseGuard {
    double magnitude = 1.0;
    Complex apply(int k, Complex x, bool computed) {
        if (!computed) return Complex{};
        if (k >= kGuardFrom && std::abs(x) > magnitude) x = Complex{};
        magnitude = std::abs(x);
        return x;
    }
};

// A response N / D, or nothing when either is negligible.
bool response(Complex numerator, Complex denominator, Complex& x) {
    if (std::abs(numerator) <= kNegligible || std::abs(denominator) <= kNegligible) return false;
    x = numerator / denominator;
    return true;
}

// The columns of one section record at one frequency.
class SectionColumns {
  public:
    SectionColumns(const EngineState& state, const SectionRecord& rec) : state_(state), rec_(rec) {}

    // Fills cols[0 .. columnsOf(kind) - 1] at frequency k.
    void compute(Kind kind, int k, std::array<Complex, 4>& cols) {
        const double w = harmonicFrequency(k);
        const int n = rec_.n;
        Complex y, t;
        run(1, n, w, y, t);
        cols = {};
        switch (kind) {
        case Kind::Glazing:
            cols[0] = y;
            cols[1] = t;
            return;
        case Kind::Marker:
        case Kind::Intrazone: {
            Complex yBack, tBack;
            run(n, 1, w, yBack, tBack);
            cols[0] = y + yBack - 2.0 * t;
            if (kind == Kind::Intrazone && n > 1) split(k, w, true, cols[1], cols[2]);
            return;
        }
        case Kind::Neighbour:
            cols[0] = y - t;
            if (n > 1) split(k, w, false, cols[1], cols[2]);
            return;
        case Kind::Wall:
            if (isGround()) {
                ground(k, w, cols);
                return;
            }
            cols[0] = y;
            cols[1] = t;
            if (n > 1) split(k, w, false, cols[2], cols[3]);
            return;
        case Kind::Unknown:
            return;
        }
    }

    bool isGround() const { return rec_.n >= 1 && rec_.r[0] == 0.0 && rec_.c[0] == 0.0; }

  private:
    void run(int first, int last, double w, Complex& y, Complex& t) const {
        vangrc(first, last, w, y, t, rec_.r, rec_.c);
    }

    // The responses of the zone air to heat absorbed at the inner surface (x1) and at the outer
    // surface (x2), from the outer film part, the core and the inner film part of the section.
    void split(int k, double w, bool intrazone, Complex& x1, Complex& x2) {
        const int n = rec_.n, i3 = rec_.i3, i4 = rec_.i4;
        Complex yb, tb, ym1, tm, ym2, unused, ya, ta;
        run(n, i3 + 1, w, yb, tb);
        run(i4 + 1, i3, w, ym1, tm);
        run(i3, i4 + 1, w, ym2, unused);
        run(1, i4, w, ya, ta);
        const Complex delta = (yb + ym1) * (ym2 + ya) - tm * tm;
        Complex n1 = (ym2 + ya) * tb, n2 = tm * tb;
        if (intrazone) {
            n1 = ta * tm + (ym2 + ya) * tb;
            n2 = tb * tm + (yb + ym1) * ta;
        }
        Complex r1, r2;
        const bool ok1 = response(n1, delta, r1);
        const bool ok2 = response(n2, delta, r2);
        x1 = guard1_.apply(k, r1, ok1);
        x2 = guard2_.apply(k, r2, ok2);
    }

    // A floor on earth: the layers above the earth in series with the ground under the slab.
    void ground(int k, double w, std::array<Complex, 4>& cols) {
        Complex g1, g2;
        groundmodel(state_, w, g1, g2);
        const int n = rec_.n;
        if (n < 2) {
            cols[0] = g1;
            cols[1] = g2;
            return;
        }
        Complex yr, tr, yrBack, unused, yf, tf;
        run(2, n, w, yr, tr);
        run(n, 2, w, yrBack, unused);
        run(rec_.i3 + 1, n, w, yf, tf);
        const Complex yg = yr - tr * tr / (yrBack + g1);
        cols[0] = yg;
        cols[1] = tr * g2 / (yrBack + g1);
        Complex xg;
        const bool ok = response(yf - yg, tf, xg);
        cols[2] = guard1_.apply(k, xg, ok);
    }

    const EngineState& state_;
    const SectionRecord& rec_;
    ResponseGuard guard1_, guard2_;
};

// The building section of a record's key.
int sectionOf(int key, Kind kind) {
    switch (kind) {
    case Kind::Glazing:
        return key - 100;
    case Kind::Wall:
        return key - 500;
    case Kind::Intrazone:
        return key - 1300;
    case Kind::Neighbour:
        return key - 1900;
    default:
        return 0;
    }
}

bool slabDataUsable(const GgroundBlock& g) {
    return g.slabar > 0.0 && g.slabper > 0.0 && g.gwallt > 0.0 && g.gcond > 0.0 && g.gdiff > 0.0;
}

void printRecord(EngineState& state, const SectionRecord& rec) {
    std::vector<fw::Value> values = {static_cast<long long>(rec.key), static_cast<long long>(rec.n), 0LL, 0LL,
                                     static_cast<long long>(rec.i3),  static_cast<long long>(rec.i4)};
    for (int k = 0; k < rec.n; ++k) {
        values.emplace_back(rec.r[static_cast<std::size_t>(k)]);
        values.emplace_back(rec.c[static_cast<std::size_t>(k)]);
    }
    reportFormatted(state, kRecordHead, values);
    state.units.report << "\n\n";
}

void printFrequency(EngineState& state, int k, const std::array<Complex, 4>& cols, int count) {
    for (int i = 0; i < count; i += 2) {
        std::vector<fw::Value> values = {static_cast<long long>(k - 1)};
        for (int j = i; j < std::min(count, i + 2); ++j) {
            values.emplace_back(cols[static_cast<std::size_t>(j)].real());
            values.emplace_back(cols[static_cast<std::size_t>(j)].imag());
        }
        reportFormatted(state, kFrequencyLine, values);
    }
}

// Checks the keys stored for the columns of the record at position p; writes the storage message
// and returns false when they are not the record's keys.
bool keysMatch(EngineState& state, int key, int p, int count) {
    const BssBlock& bss = state.bss;
    auto stored = [&bss](int q) { return q >= 1 && q <= bss.ngcode ? bss.igcode(q) : 0; };
    if (stored(p) != key) {
        reportError(state, kStorageError,
                    {static_cast<long long>(key), static_cast<long long>(stored(p)),
                     static_cast<long long>(stored(p + 1))});
        return false;
    }
    bool ok = true;
    for (int i = 1; i < count; ++i) ok = ok && stored(p + i) == key + 200 * i;
    if (ok) return true;
    std::vector<fw::Value> values = {static_cast<long long>(key)};
    for (int i = 0; i < count; ++i) values.emplace_back(static_cast<long long>(stored(p + i)));
    reportError(state, kStorageError, values);
    return false;
}

// Fills the columns of one section record from position p; returns false (message written) when the
// record cannot be stored.
bool storeRecord(EngineState& state, const SectionRecord& rec, int p, int& count) {
    const Kind kind = kindOf(rec.key);
    count = columnsOf(kind);
    if (kind == Kind::Unknown) {
        reportError(state, kStorageFouled, {static_cast<long long>(rec.key)});
        return false;
    }
    if (!keysMatch(state, rec.key, p, count)) return false;
    SectionColumns columns(state, rec);
    if (kind == Kind::Wall && columns.isGround() && !slabDataUsable(state.gground)) {
        reportError(state, kNoSlab, {static_cast<long long>(sectionOf(rec.key, kind))});
        return false;
    }
    for (int i = 0; i < count; ++i) state.gorrole(p + i) = roleOf(kind, i);
    std::array<Complex, 4> cols{};
    for (int k = 1; k <= kHarmonics; ++k) {
        columns.compute(kind, k, cols);
        for (int i = 0; i < count; ++i) {
            const Complex v = cols[static_cast<std::size_t>(i)];
            if (!std::isfinite(v.real()) || !std::isfinite(v.imag())) {
                reportError(state, kNoResistance, {static_cast<long long>(sectionOf(rec.key, kind))});
                return false;
            }
            state.gor(k, p + i) = v;
        }
        if (state.blank.iprnt1 != 0) printFrequency(state, k, cols, count);
    }
    return true;
}

} // namespace

double harmonicFrequency(int k) {
    if (k <= 1) return 0.0;
    return 2.0 * kPi / kSlowestPeriod * std::pow(2.0, 0.5 * (k - 2));
}

double harmonicFrequencyPerHour(int k) {
    return harmonicFrequency(k) * 3.6;
}

void gorcum(std::span<const double> r, std::span<const double> c, int n, double omega, Complex& y,
            Complex& t) {
    constexpr Complex j(0.0, 1.0);
    if (n == 1 && r[0] == 0.0) {
        y = Complex(0.0, -0.5 * omega * c[0]);
        t = Complex{};
        return;
    }
    Complex p(1.0), q(0.0), s(1.0);
    for (int k = 0; k < n; ++k) {
        const double rk = r[static_cast<std::size_t>(k)];
        const double a = omega * c[static_cast<std::size_t>(k)];
        const double e = std::sqrt(0.5 * a * rk);
        Complex z, bigE;
        if (2.0 * e > kLargeE) {
            z = -(1.0 - j) / (2.0 * e);
        } else if (e < kSmallE) {
            z = Complex(-1.0, (2.0 / 3.0) * e * e);
        } else {
            bigE = std::exp(-2.0 * e) * Complex(std::cos(2.0 * e), -std::sin(2.0 * e));
            z = -(1.0 - j) / (2.0 * e) * (1.0 - bigE) / (1.0 + bigE);
        }
        const Complex w = rk * z;
        const Complex v = j * a * z;
        const Complex pNew = p + v * q;
        const Complex qNew = q + p * w;
        p = pNew;
        q = qNew;
        if (e < kSmallE) {
            s *= Complex(1.0, -e * e);
        } else if (e > kLargeE) {
            s = Complex{};
        } else {
            s *= 2.0 * std::exp(-e) * Complex(std::cos(e), -std::sin(e)) / (1.0 + bigE);
        }
    }
    y = p / q;
    t = s / q;
}

void vangrc(int first, int last, double omega, Complex& y, Complex& t, std::span<const double> r,
            std::span<const double> c) {
    std::array<double, kMaxSectionEntries> rr{}, cc{};
    const int step = last >= first ? 1 : -1;
    const int n = std::abs(last - first) + 1;
    for (int i = 0; i < n; ++i) {
        const auto from = static_cast<std::size_t>(first - 1 + i * step);
        rr[static_cast<std::size_t>(i)] = r[from];
        cc[static_cast<std::size_t>(i)] = c[from];
    }
    gorcum(rr, cc, n, omega, y, t);
}

Complex lz(Complex z) {
    if (std::abs(z) >= 3.0) return 1.0 / (4.0 * z);
    constexpr double kLn2MinusEuler = std::numbers::ln2 - std::numbers::egamma;
    constexpr std::array<double, 4> c = {7.0 / 3.0, 61.0 / 30.0, 457.0 / 210.0, 589.0 / 252.0};
    constexpr std::array<double, 4> r = {1.0 / 12.0, 1.0 / 960.0, 1.0 / 80640.0, 1.0 / 9289728.0};
    const Complex lambda = std::log(z) - kLn2MinusEuler;
    const Complex z2 = z * z;
    Complex power(1.0);
    Complex sum = -lambda + (kPi / 4.0) * z;
    for (std::size_t m = 0; m < 4; ++m) {
        power *= z2;
        sum += power * (lambda - c[m]) * r[m];
    }
    return sum / kPi;
}

void groundmodel(const EngineState& state, double omega, Complex& g1, Complex& g2) {
    const GgroundBlock& g = state.gground;
    const double a = 2.0 * g.slabar / (g.slabper * g.gwallt);
    if (omega == 0.0) {
        double y0 = -2.0 * g.gcond * (std::log(1.0 + a) + a * std::log(1.0 + 1.0 / a)) / (kPi * g.gwallt * a);
        if (g.gedge > 0.0) y0 *= (1.0 + 5.0970974 * g.gedge) / (1.0 + 5.68546057 * g.gedge);
        g1 = g2 = Complex(y0);
        return;
    }
    const Complex k = std::sqrt(Complex(0.0, omega * 10000.0 / g.gdiff)); // 1/m
    const Complex z1 = g.gwallt * k;
    const Complex phi = lz(z1) + a * lz(a * z1) - (1.0 + a) * lz((1.0 + a) * z1);
    const Complex e = 1.0 + g.slabar * k / (g.slabper * phi);
    const Complex f = -g.slabar / (g.slabper * g.gcond * phi);
    g1 = e / f;
    g2 = 1.0 / f;
    if (g.gedge <= 0.0) return;

    // Edge insulation: factors interpolated between the ranges of its value.
    struct Range {
        double lower, upper, a, b, c, d, e, p, q, m;
    };
    static constexpr std::array<Range, 3> ranges = {{
        {0.0, 0.5, 2.32128739, 0.922889352, 3.35416508, 3.39977598, -1.3986938, 0.382030189, 1462.21631,
         0.582},
        {0.5, 1.0, 1.71513605, 0.911895514, 3.18652797, 3.23934698, -0.803642452, 0.40204826, 315.69458,
         0.526},
        {1.0, 5.0, 1.73234856, 0.89984566, 3.2153666, 3.27594876, -0.832852602, 0.40500614, 224.089249,
         0.470},
    }};
    const double n = std::min(g.gedge, 5.0);
    const std::size_t s = n <= 0.5 ? 0 : (n <= 1.0 ? 1 : 2);
    const Range& rs = ranges[s];
    const double w = (rs.upper - n) / (rs.upper - rs.lower);
    const double bigOmega = 1000.0 * omega;
    const double root = std::sqrt(bigOmega);
    auto heatFactor = [root](const Range& x) { return (x.d * root + x.b) / (x.c * root + 1.0); };
    auto passFactor = [bigOmega](const Range& x) {
        return x.e + x.a / (1.0 + std::pow(bigOmega / x.q, x.p));
    };
    const double fBelow = s == 0 ? 1.0 : heatFactor(ranges[s - 1]);
    const double hBelow = s == 0 ? 1.0 : passFactor(ranges[s - 1]);
    const double v1 = std::clamp(heatFactor(rs) - w * (heatFactor(rs) - fBelow), 0.0, 1.0);
    const double v2 = std::max(std::min(passFactor(rs) - w * (passFactor(rs) - hBelow), 1.0), rs.m);
    g1 *= v1;
    g2 *= v2;
}

void calgrc(EngineState& state, int& ierr) {
    ierr = 0;
    common::Record record;
    int p = 1;
    for (;;) {
        nextWorkFileRecord(state, record, "end of the building sections");
        const SectionRecord rec = readSectionRecord(record);
        if (rec.key == kSectionEndKey) return;
        if (state.blank.iprnt1 != 0) printRecord(state, rec);
        int count = 0;
        if (!storeRecord(state, rec, p, count)) {
            ierr = 1;
            return;
        }
        p += count;
        if (state.blank.iprnt1 != 0)
            reportFormatted(state, kUValue,
                            {static_cast<long long>(rec.key), std::abs(state.gor(1, p - count).real())});
    }
}

} // namespace engine
