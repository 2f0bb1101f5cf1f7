#include "engine/core/input_completion.h"

#include "common/file_lookup.h"
#include "engine/core/input_files.h"
#include "engine/core/result_files.h"
#include "engine/core/run_stop.h"
#include "engine/core/section_properties.h"
#include "engine/core/state.h"
#include "engine/core/view_factors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <numbers>

namespace engine {

namespace {

constexpr double kDegreesPerRadian = 57.29578;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kAirHeatCapacity = 0.3353454; // W h/m3K: W/K per m3/h of air
constexpr double kWindowEmissivity = 0.86;
constexpr int kSolarGainRow = 301;      // row 301 + z: solar gain of zone z
constexpr int kInternalGainFirst = 452; // rows 452..601: internal gains of zones 1..150
constexpr int kInternalGainLast = 601;
constexpr int kZoneAirRow = 601; // row 601 + m: air of zone m
constexpr int kNoLayer = 999;

bool in(int c, int lo, int hi) {
    return c >= lo && c <= hi;
}

// Section classes of the solar distribution and the zone records.
bool isGlazing(int c) {
    return in(c, 1, 20);
}
bool isWall(int c) {
    return in(c, 21, 30) || in(c, 111, 140) || in(c, 186, 200);
}
bool isWithinZoneWall(int c) {
    return in(c, 141, 155);
}
bool isFloor(int c) {
    return in(c, 41, 80) || in(c, 156, 170);
}
bool isCeiling(int c) {
    return in(c, 31, 40) || in(c, 81, 110) || in(c, 171, 185);
}

// Console texts of the stops of the completion.
constexpr std::string_view kZone = "ZONE ";
constexpr std::string_view kHasNoRoofs = " HAS NO ROOFS";
constexpr std::string_view kAveragePitch = "AVERAGE ROOF PITCH IN ZONE ";
constexpr std::string_view kPitchTooSteep = " IS 90 DEGREES OR GREATER!";
constexpr std::string_view kGlazedZone = " Zone ";
constexpr std::string_view kNoFloorOrVolume =
    " HAS GLAZING BUT ZERO FLOOR AREA OR VOLUME. CALCULATION STOPPED";
constexpr std::string_view kCannotCreate = "Cannot create result file ";
constexpr std::string_view kResultOverInput = "RESULT FILE WOULD OVERWRITE AN INPUT OR SHIPPED DATA FILE: ";

long long item(int n) {
    return n;
}

// The film coefficient (W/m2K) of the link made of section c: the inverse of property 2 of its second
// layer's material.  A link without such a layer or without resistance gives 0, never a division by
// zero; the special-zone model takes a coefficient of 0 as unknown.
double linkFilm(const EngineState& state, int c) {
    const int m = state.bss.nlay(c) >= 2 ? state.bss.matlay(c, 2) : 0;
    if (m >= 1 && m < kNoLayer && state.cr.crp2(m) > 0.0) return 1.0 / state.cr.crp2(m);
    return 0.0;
}

// Runs f(p) over the paths p of zone z whose zone beyond is `beyond`; a link of 0 names no zone.
template <class F> void overPathsTo(const EngineState& state, int z, int beyond, F f) {
    if (z < 1 || z > kMaxZones || beyond == 0) return;
    for (int p = 1; p <= state.blank.npath(z); ++p)
        if (state.bss.iadjp(z, p) == beyond) f(p);
}

void roofSpace(EngineState& state, int z) {
    RoofspacesBlock& rs = state.roofspaces;
    const int ceil = state.specialzones.iceilz(z);
    const int roof = state.specialzones.iroofz(z);
    rs.arsc(z) = rs.arsr(z) = 0.0;
    overPathsTo(state, z, ceil, [&](int p) {
        rs.arsc(z) += state.bss.patharea(z, p);
        rs.lrsc(z) = std::sqrt(rs.arsc(z));
        rs.hrsc0(z) = linkFilm(state, state.bss.isectp(z, p));
    });
    overPathsTo(state, z, roof, [&](int p) {
        rs.arsr(z) += state.bss.patharea(z, p);
        rs.hrsr0(z) = linkFilm(state, state.bss.isectp(z, p));
    });
    overPathsTo(state, roof, ceil,
                [&](int p) { rs.hrsrad0(z) = linkFilm(state, state.bss.isectp(roof, p)); });

    // Mean slope of the roofs over the space: the roof zone's own roof paths, and those of every air
    // gap beyond the zones it faces.
    double sum = 0.0;
    int count = 0;
    auto addRoofs = [&](int zone) {
        for (int p = 1; p <= state.blank.npath(zone); ++p) {
            if (!in(state.bss.isectp(zone, p), 31, 40)) continue;
            sum += state.shad.rpslope(state.bss.ispath(zone, p));
            ++count;
        }
    };
    if (roof >= 1 && roof <= kMaxZones) {
        for (int p = 1; p <= state.blank.npath(roof); ++p) {
            const int c = state.bss.isectp(roof, p);
            if (in(c, 31, 40)) {
                sum += state.shad.rpslope(state.bss.ispath(roof, p));
                ++count;
                continue;
            }
            const int m = state.bss.iadjp(roof, p);
            if (m < 1 || m > kMaxZones) continue;
            for (int q = 1; q <= state.blank.npath(m); ++q) {
                const int g = state.bss.iadjp(m, q);
                if (g >= 1 && g <= kMaxZones && state.names.ztype(g) == "AirGpT") addRoofs(g);
            }
        }
    }
    if (count == 0) stopRun(state, {kZone, item(roof), kHasNoRoofs});
    rs.rsslope(z) = sum / count;
    if (rs.rsslope(z) >= 90.0) stopRun(state, {kAveragePitch, item(roof), kPitchTooSteep});
    const double slope = rs.rsslope(z) * kRadiansPerDegree;
    rs.lrsr(z) = 0.5 * rs.lrsc(z) / std::cos(slope);
    rs.arsx(z) = rs.rsslope(z) <= 0.0 ? 1.5 * rs.lrsc(z) : 0.25 * rs.lrsc(z) * rs.lrsc(z) * std::tan(slope);
}

void subfloorSpace(EngineState& state, int z) {
    SubflspacesBlock& sf = state.subflspaces;
    const int ground = state.specialzones.igrouz(z);
    const int floor = state.specialzones.iflooz(z);
    sf.asfg(z) = sf.asff(z) = 0.0;
    overPathsTo(state, z, ground, [&](int p) {
        sf.asfg(z) += state.bss.patharea(z, p);
        sf.lsfg(z) = std::sqrt(sf.asfg(z));
        sf.hsfg0(z) = linkFilm(state, state.bss.isectp(z, p));
    });
    overPathsTo(state, z, floor, [&](int p) {
        sf.asff(z) += state.bss.patharea(z, p);
        sf.lsff(z) = std::sqrt(state.bss.patharea(z, p));
        sf.hsff0(z) = linkFilm(state, state.bss.isectp(z, p));
    });
    overPathsTo(state, floor, ground,
                [&](int p) { sf.hsfrad0(z) = linkFilm(state, state.bss.isectp(floor, p)); });
    // A space without ground contact has no air-path cross-section (0), not a division by zero.
    sf.asfx(z) = sf.lsfg(z) > 0.0 ? state.zones.zvol(z) / sf.lsfg(z) : 0.0;
}

std::string trimmed(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

// Opens a result file for writing, replacing an existing one.
void openUnit(EngineState& state, std::ofstream& out, std::string_view name) {
    const std::string file = trimmed(name);
    out.close();
    if (!file.empty()) out.open(resultFilePath(state, file), std::ios::binary | std::ios::trunc);
    if (!out) stopRun(state, {kCannotCreate, file});
}

// The name of zone z as its records carry it: the zone card's name, or for a zone without a zone
// card the name a blank zone card gets, so that no zone's record reads as the end of the file.
std::string recordName(const EngineState& state, int z) {
    std::string name = state.names.zname(z).substr(0, kZoneNameWidth);
    name.resize(kZoneNameWidth, ' ');
    if (trimmed(name).empty()) {
        std::string number;
        fw::appendInteger(number, z, 3, fw::Overflow::Asterisks);
        name = "         ZON" + number;
    }
    return name;
}

} // namespace

std::filesystem::path resultFilePath(const EngineState& state, std::string_view name) {
    const std::string file = trimmed(name);
    if (file.empty()) return {};
    const bool absolute = file.front() == '/' || file.front() == '\\';
    return absolute ? common::resolveForWriting("/", file.substr(1))
                    : common::resolveForWriting(state.workdir, file);
}

void roofAndSubfloorSpaces(EngineState& state) {
    for (int z = 1; z <= state.zones.nzones; ++z) {
        const std::string& type = state.names.ztype(z);
        if (type == "RoofSA") roofSpace(state, z);
        if (type == "SubFlA") subfloorSpace(state, z);
    }
}

std::vector<std::string> reportHeadLines(const EngineState& state) {
    static const std::string frame = std::string(14, ' ') + std::string(50, '*');
    auto framed = [](std::string_view text) { return std::string(14, ' ') + "*" + std::string(text) + "*"; };
    const std::string empty(48, ' ');
    std::vector<std::string> lines = {
        "",
        "",
        frame,
        framed("                 Varonell Engine                "),
        framed(empty),
        framed("           Version 2.13 October 2006            "),
        framed(empty),
        framed("   Development of this simulation engine was    "),
        framed("   funded by the public bodies that sponsor     "),
        framed("   energy rating of houses, and by the          "),
        framed("   research organisations that took part in     "),
        framed("   its making.                                  "),
        frame,
        "",
    };
    static const ReportFormat job("(1X,'Jobname: ',A36)");
    static const ReportFormat weather("(1X,'Weather data filename: ',A120)");
    static const ReportFormat window("(1X,'Window glass data filename: ',A120)");
    static const ReportFormat roofWindow("(1X,'Roof window glass data filename: ',A120)");
    static const ReportFormat skylight("(1X,'Skylight glass data filename: ',A120)");
    static const ReportFormat date("(1X,'Date: ',A10)");
    auto put = [&lines](const ReportFormat& f, const std::string& text) {
        f.write(std::vector<fw::Value>{text}, lines);
    };
    put(job, state.ch.jobname);
    put(weather, state.reader.wxfile);
    for (int k = 1; k <= kMaxLibraries; ++k) {
        if (!trimmed(state.reader.winlib(k)).empty()) put(window, state.reader.winlib(k));
        if (!trimmed(state.reader.rwlib(k)).empty()) put(roofWindow, state.reader.rwlib(k));
        if (!trimmed(state.reader.skylib(k)).empty()) put(skylight, state.reader.skylib(k));
    }
    put(date, state.ch.datetext);
    return lines;
}

void openResultFiles(EngineState& state) {
    ResultUnits& u = state.units;
    const ReaderState& r = state.reader;
    // Every result file is checked before the first is opened, so that a card naming an input file
    // (the climate file, say) as a result file truncates nothing.
    const bool card8 = trimmed(state.prin2.c8file) != "None";
    const std::string_view results[] = {r.repfile,
                                        r.temfile,
                                        state.sysa.iconon != 0 ? std::string_view(r.enfile) : "",
                                        "natrep.dt2",
                                        card8 ? std::string_view(state.prin2.c8file) : "",
                                        state.flowfile.iflowf == 1 ? std::string_view(r.flowfname) : ""};
    for (std::string_view name : results) {
        const std::string fault = outputFault(state, resultFilePath(state, name));
        if (!fault.empty()) stopRun(state, {kResultOverInput, trimmed(name), " (", fault, ")"});
    }
    openUnit(state, u.report, r.repfile);
    u.reportOpened = true;
    openUnit(state, u.temperature, r.temfile);
    const std::string first = temLatitudeLine(state.where.xlat * kDegreesPerRadian, r.wxname);
    writeLines(u.temperature, std::span<const std::string>(&first, 1));
    if (state.sysa.iconon != 0) openUnit(state, u.energy, r.enfile);
    openUnit(state, u.natrep, "natrep.dt2");
    if (trimmed(state.prin2.c8file) != "None") openUnit(state, u.card8, state.prin2.c8file);
    if (state.flowfile.iflowf == 1) openUnit(state, u.airflow, r.flowfname);
    writeLines(u.report, reportHeadLines(state));
}

void zoneSurfaceSums(EngineState& state) {
    ZoneSurfaceSums& sums = state.zonesums;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        double af = 0.0, ac = 0.0;
        const std::string& type = state.names.ztype(z);
        const SpecialzonesBlock& links = state.specialzones;
        for (int p = 1; p <= state.blank.npath(z); ++p) {
            const int c = state.bss.isectp(z, p);
            const double area = state.bss.patharea(z, p);
            if (isFloor(c)) af += area;
            if (isCeiling(c)) ac += area;
            const int beyond = state.bss.iadjp(z, p);
            if (beyond == 0) continue;
            if (type == "SubFlA" && beyond == links.igrouz(z)) af += area;
            if (type == "SubFlA" && beyond == links.iflooz(z)) ac += area;
            if (type == "RoofSA" && beyond == links.iceilz(z)) af += area;
            if (type == "RoofSA" && beyond == links.iroofz(z)) ac += area;
        }
        sums.Af(z) = af;
        sums.Ac(z) = ac;
    }
}

void solarDistribution(EngineState& state, int z) {
    const BssBlock& bss = state.bss;
    const double af = state.zonesums.Af(z);
    const double ac = state.zonesums.Ac(z);
    const double vol = state.zones.zvol(z);
    double a = 0.0, b = 0.0, w1 = 0.0, w2 = 0.0;         // m2
    double wallAbs = 0.0, floorAbs = 0.0, ceilAbs = 0.0; // m2
    for (int p = 1; p <= state.blank.npath(z); ++p) {
        const int c = bss.isectp(z, p);
        const double area = bss.patharea(z, p);
        const double absorbed = area * bss.absin(z, p);
        if (isWall(c)) a += area;
        if (isWithinZoneWall(c)) b += area;
        if (in(c, 1, 10)) w1 += area;
        if (in(c, 11, 20) && state.shad.igltyp(c - 10) == 3) w2 += area;
        if (isWall(c) || isWithinZoneWall(c)) wallAbs += absorbed;
        if (isFloor(c)) floorAbs += absorbed;
        if (isCeiling(c)) ceilAbs += absorbed;
    }
    if (af == 0.0 || vol == 0.0) stopRun(state, {kGlazedZone, item(z), kNoFloorOrVolume});

    // The zone as a box of its height and floor area whose perimeter is that of its walls.
    const double h = vol / af; // m
    const double perimeter = a > 0.0 ? (a + w1) / h : (b > 0.0 ? b / h : 4.0 * std::sqrt(af));
    const double x = perimeter > 4.0 * std::sqrt(af)
                         ? perimeter - std::sqrt(perimeter * perimeter - 16.0 * af)
                         : perimeter;
    const double s = x / 4.0, t = 4.0 * af / x;
    const double boxL = std::max(s, t), boxW = std::min(s, t);

    const double alphaW = a + b > 0.0 ? wallAbs / (a + b) : 0.0;
    const double alphaF = floorAbs / af;
    const double alphaC = ac > 0.0 ? ceilAbs / ac : 0.0;

    double hg = 0.0;
    const int nwin = state.shad.nwin(z);
    if (nwin > 0) {
        for (int w = 1; w <= nwin; ++w) hg += state.shad.wheight(z, w);
        hg /= nwin;
    } else if (w2 > 0.0) {
        hg = std::sqrt(w2);
    }
    double wg = hg > 0.0 ? (w1 + w2) / hg : 0.0;
    if (hg >= h) hg = 0.99 * h;
    if (wg >= boxL) wg = 0.99 * boxL;

    exchangefactors(state, boxW, boxL, h, wg, hg, alphaF, alphaW, alphaC, kWindowEmissivity);
    const common::Array2<double>& e = state.exchange;
    const double sw = e(5, 1) + e(5, 2) + e(5, 3) + e(5, 7);

    // Radiation lands on the floor; what it reflects is shared as the floor's emission would be.
    for (int p = 1; p <= state.blank.npath(z); ++p) {
        const int c = bss.isectp(z, p);
        const double area = bss.patharea(z, p);
        double& share = state.bss.shgf(z, p);
        if (isWall(c) || isWithinZoneWall(c))
            share = a + b > 0.0 ? (1.0 - alphaF) * sw * area / (a + b) : 0.0;
        if (isFloor(c)) share = (alphaF + (1.0 - alphaF) * e(5, 5)) * area / af;
        if (isCeiling(c)) share = ac > 0.0 ? (1.0 - alphaF) * e(5, 4) * area / ac : 0.0;
    }
}

namespace {

// Collects the entries of one zone path record.
class RecordBuilder {
  public:
    RecordBuilder(EngineState& state, int z, std::string name)
        : state_(state), z_(z), name_(std::move(name)) {}

    void begin(int row) {
        row_ = row;
        code_.clear();
        value_.clear();
    }
    void add(int code, double value) {
        code_.push_back(code);
        value_.push_back(value);
    }
    // Closes the record with its end entry; a record without entries is written only when `always`.
    void finish(std::vector<ZonePathRecord>& out, bool always = false) {
        if (code_.empty() && !always) return;
        add(kPathEnd, 0.0);
        if (row_ >= 1) state_.zn.idrvuse(row_, z_) = 1;
        out.push_back({z_, name_, row_, code_, value_});
    }

  private:
    EngineState& state_;
    int z_;
    std::string name_;
    int row_ = 0;
    std::vector<int> code_;
    std::vector<double> value_;
};

// The shgf of the path of zone m that faces path p of zone z, 0 when m has none.
double facingShare(const EngineState& state, int z, int p, int m) {
    const int c = state.bss.isectp(z, p);
    const double area = state.bss.patharea(z, p);
    for (int q = 1; q <= state.blank.npath(m); ++q) {
        const int d = state.bss.isectp(m, q);
        const bool faces = (in(c, 51, 80) && in(d, 81, 110)) || (in(c, 81, 110) && in(d, 51, 80)) ||
                           (in(c, 111, 140) && in(d, 111, 140));
        if (faces && state.bss.patharea(m, q) == area && state.bss.iadjp(m, q) == z)
            return state.bss.shgf(m, q);
    }
    return 0.0;
}

} // namespace

std::vector<ZonePathRecord> zonePathRecords(EngineState& state, int z) {
    const BssBlock& bss = state.bss;
    const int npath = state.blank.npath(z);
    const int nzones = state.zones.nzones;
    const std::string& type = state.names.ztype(z);
    const double vol = state.zones.zvol(z);
    const double ach = state.zn.zonea(z); // air changes per hour
    const bool special = type == "SubFlA" || type == "RoofSA";
    const double uaInf = (special ? ach : ach / (0.025 * ach + 1.0)) * vol * kAirHeatCapacity; // W/K
    const bool infiltration = state.bss.iainf(z) != 0;
    auto section = [&bss, z](int p) { return bss.isectp(z, p); };
    auto area = [&bss, z](int p) { return bss.patharea(z, p); };
    auto takesPart = [&bss, z](int p) { return bss.patharea(z, p) != 0.0; };
    // Gorcum key n (0-based, in store order) of the section of path p.
    auto key = [&section](int p, int n) {
        std::array<int, 4> keys{};
        gorcumKeys(section(p), keys);
        return keys[static_cast<std::size_t>(n)];
    };

    std::vector<ZonePathRecord> out;
    RecordBuilder rec(state, z, recordName(state, z));

    // Row 0: the zone's own heat balance.
    rec.begin(0);
    if (infiltration) rec.add(22, uaInf);
    for (int p = 1; p <= npath; ++p) {
        if (!takesPart(p)) continue;
        rec.add(key(p, 0), area(p));
    }
    if (vol > 0.0) rec.add(kZoneAirKey, vol);
    if (type == "RoofSA") rec.add(kRoofSpaceMassKey, vol);
    rec.finish(out, true);

    // Row 1: the outdoor air.
    rec.begin(1);
    if (infiltration) rec.add(21, uaInf);
    for (int p = 1; p <= npath; ++p) {
        const int c = section(p);
        if (takesPart(p) && (isGlazing(c) || in(c, 41, 50))) rec.add(key(p, 1), area(p));
    }
    rec.finish(out);

    // Rows 1 + k and 101 + k: the roof and wall sol-air paths.
    auto solAirRows = [&](int first, int count, int lo, int hi) {
        for (int k = 1; k <= count; ++k) {
            rec.begin(first + k);
            for (int p = 1; p <= npath; ++p)
                if (takesPart(p) && in(section(p), lo, hi) && state.bss.ispath(z, p) == k)
                    rec.add(key(p, 1), area(p));
            rec.finish(out);
        }
    };
    solAirRows(1, state.shad.nrpath, 31, 40);
    solAirRows(101, state.shad.nwpath, 21, 30);

    // Row 301 + z: the solar gain of the zone itself.
    if (state.reader.iglazed(z) != 0) {
        rec.begin(kSolarGainRow + z);
        const double af = state.zonesums.Af(z), ac = state.zonesums.Ac(z);
        for (int p = 1; p <= npath; ++p) {
            if (!takesPart(p)) continue;
            const int c = section(p);
            const double shgf = bss.shgf(z, p);
            // The surface-response keys: c + 900; c + 1500 and c + 1700; c + 2100 and c + 2300.
            if (in(c, 21, 140)) rec.add(key(p, 2), shgf);
            if (in(c, 141, 155)) {
                rec.add(key(p, 1), 0.5 * shgf);
                rec.add(key(p, 2), 0.5 * shgf);
            }
            if (in(c, 156, 170)) {
                rec.add(key(p, 1), shgf);
                rec.add(key(p, 2), ac > 0.0 ? area(p) * state.reader.sceil(z) / ac : 0.0);
            }
            if (in(c, 171, 185)) {
                rec.add(key(p, 1), shgf);
                rec.add(key(p, 2), af > 0.0 ? area(p) * state.reader.sfloor(z) / af : 0.0);
            }
            if (in(c, 186, 200)) {
                rec.add(key(p, 1), shgf);
                rec.add(key(p, 2), shgf);
            }
        }
        rec.finish(out);
    }

    // Rows 301 + m: the solar gain of a glazed zone m through the surfaces it shares with z.
    for (int m = 1; m <= nzones; ++m) {
        if (state.reader.iglazed(m) == 0) continue;
        rec.begin(kSolarGainRow + m);
        for (int p = 1; p <= npath; ++p)
            if (takesPart(p) && in(section(p), 51, 140) && bss.iadjp(z, p) == m)
                rec.add(key(p, 3), facingShare(state, z, p, m));
        rec.finish(out);
    }

    // Rows 452..601: the internal gains in use.
    for (int r = kInternalGainFirst; r <= kInternalGainLast; ++r) {
        if (state.zn.idrvuse(r, z) == 0) continue;
        rec.begin(r);
        rec.add(31, 1.0);
        rec.finish(out);
    }

    // Rows 601 + m: the air of the zones beyond.
    for (int m = 1; m <= nzones; ++m) {
        if (m == z) continue;
        rec.begin(kZoneAirRow + m);
        for (int p = 1; p <= npath; ++p)
            if (takesPart(p) && in(section(p), 51, 140) && bss.iadjp(z, p) == m) rec.add(key(p, 1), area(p));
        rec.finish(out);
    }
    return out;
}

void zoneRecords(EngineState& state) {
    common::RecordWriter& out = workFileWriter(state);
    ZonePathRecord last;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        for (const ZonePathRecord& r : zonePathRecords(state, z)) {
            writeZonePathRecord(out, r);
            last = r;
        }
    }
    last.zone = state.zones.nzones;
    last.name = std::string(kZoneNameWidth, ' ');
    last.row = 0;
    writeZonePathRecord(out, last);
}

namespace {

// A light well's sun lights the zone it names whether or not that zone has a window: the zone takes
// its solar gain row like a glazed one.  A zone without window or roof window gets the solar
// distribution of a box with a glazing of no area, so all the light is absorbed inside: first by
// the floor, what the floor reflects shared as the floor's emission would be.
void markZonesLitByWells(EngineState& state) {
    const ShadBlock& shad = state.shad;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        for (int k = 1; k <= shad.nsky(z); ++k) {
            if (shad.igltyp(shad.issys(z, k) - 10) == kRoofWindowType) continue;
            const int lit = shad.szonlit(z, k);
            if (lit >= 1 && lit <= state.zones.nzones) state.reader.iglazed(lit) = 1;
        }
    }
}

} // namespace

void completeInput(EngineState& state) {
    // Values derived from cards known to be faulty could only end the run with a misleading message
    // in place of the abnormal end; nothing is completed and no result file is touched.
    if (state.bss.ierrin != 0) return;
    if (state.reader.endcard == 1) roofAndSubfloorSpaces(state);
    if (!state.tape52.writer) openWorkFile(state, state.workdir / "tape52");
    openResultFiles(state);
    rndriv(state);
    zoneSurfaceSums(state);
    markZonesLitByWells(state);
    for (int z = 1; z <= state.zones.nzones; ++z)
        if (state.zn.iestsg(z) != 0 && state.reader.iglazed(z) != 0) solarDistribution(state, z);
    zoneRecords(state);
}

} // namespace engine
