#include "engine/core/time_loop.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/core/gap_and_space_zones.h"
#include "engine/core/plant.h"
#include "engine/core/response_factors.h"
#include "engine/core/result_files.h"
#include "engine/core/result_writer.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"
#include "engine/core/zone_heat_balance.h"
#include "engine/solar_airflow/diffuse_shading.h"
#include "engine/solar_airflow/solar_drivers.h"
#include "engine/solar_airflow/solar_position.h"

namespace engine {
namespace {

constexpr std::string_view kGroundFloorArea = "(/,1X,'Ground floor area = ',F8.2,' m2')";
constexpr std::string_view kGlazingRange = "(1X,'U-max = ',F8.4,' U-min = ',F8.4)";
constexpr std::string_view kFutureTemperatures = "(10X,'FUTURE TEMPERATURES',/,1X,36F5.1)";
constexpr std::string_view kIllegalWeather = "ILLEGAL DATA IN FIELD WHEN READING WEATHER DATA FILE";
constexpr std::string_view kWeatherEnded = "WEATHER DATA FILE ENDED BEFORE THE YEAR";
constexpr int kWeatherIndent = 20;
constexpr double kSolarFactor = 0.01;
constexpr double kStartHumidity = 8.0;               // g/kg
constexpr double kStartAirChanges = 4.0;             // an hour, through the cooling coil
constexpr double kLitresPerHourlyChange = 0.2777778; // L/s per m³ and air change an hour
constexpr double kNoHeating = -99.0;
constexpr double kNoCooling = 99.0;
// Response factors walked in a step (rows × lags summed over the zones) that make a thread worth
// its keep, and the most threads a run uses: beyond four, the threads' waiting for the loop's own
// work costs more processor time than they save.
constexpr long kWorkPerThread = 100000;
constexpr int kMaxWorkers = 4;

void report(EngineState& s, std::string_view format, std::initializer_list<fw::Value> values) {
    writeLines(s.units.report, ReportFormat(format).lines(values));
}

// A weather record the loop cannot use: the message and the record, on the console and in the text
// report.
void weatherFault(EngineState& s, std::string_view message, const std::string& record) {
    const std::string indent(kWeatherIndent, ' ');
    const std::string lines[] = {"", indent + std::string(message),
                                 indent + "Climate file " + s.unit10.path().string() + ", " + record};
    writeLines(s.units.report, lines);
    s.units.report.flush();
    for (const std::string& line : lines) consoleLine(s, line);
}

void setVentilationSchedule(EngineState& s, int z) {
    int on = s.var.venon(z), off = s.var.venoff(z);
    if (on == off) return;
    const bool allDay = foldScheduleHours(on, off);
    for (int h = 0; h < 24; ++h) {
        const bool open = allDay || (on < off && on < h && h <= off) || (on > off && (h <= off || h > on));
        s.loop.vensched(z, h + 1) = open ? 1 : 0;
    }
}

void setCoveringSchedule(EngineState& s, int z, int& c, int& o, PerZone<int>& closed,
                         common::FixedArray2<std::int16_t, 1, kMaxZones, 1, kMaxStepsPerDay>& state) {
    closed(z) = 0;
    if (c == o) return;
    if (!foldScheduleHours(c, o)) return;
    closed(z) = 1;
    for (int t = 1; t <= 24 * s.time.nstphr; ++t) state(z, t) = 1;
}

// The rows that act on each zone, listed once so that a step touches only those: the rows whose
// drivers are superposed on it, and the rows whose factors in it are not all 0.
void listResponseRows(EngineState& s) {
    LoopBlock& loop = s.loop;
    const DriverRowTable<double>& rfac = s.rf.rfac;
    const int zones = std::max(s.zones.nzones, 1);
    const int rows = std::max(rfac.rowsInUse(), 1);
    const int lags = responseLags(s);
    loop.supslot.allocate(1, rows, 1, zones, 0);
    loop.rfnow.allocate(1, rows, 1, zones, 0.0);
    loop.carries.allocate(1, rows, 1, zones, 0);
    loop.slotdelta.allocate(1, rows, 0.0);
    loop.beyondDone = true;
    // Every step injects at most the air-flow, louvre and plant gains of each zone and the
    // corrections of the special zones (three zones each).
    const int injections = 8 * zones + 16;
    loop.ninject = 0;
    loop.injectzone.allocate(1, injections, 0);
    loop.injectslot.allocate(1, injections, 0);
    loop.injectgain.allocate(1, injections, 0.0);
    loop.rampRows = false;
    std::vector<long> weights;
    for (int e = 1; e <= s.zones.nzones; ++e) {
        int n = 0;
        for (int slot = 1; slot <= rfac.rowsInUse(); ++slot) {
            const double* f = rfac.atSlot(slot, e);
            if (std::all_of(f, f + lags, [](double v) { return v == 0.0; })) continue;
            loop.carries(slot, e) = 1;
            const int k = rfac.rowOfSlot(slot);
            if (s.hz.iuserow(k) < 1 || s.hp.hss(e, k) == 0.0) continue;
            ++n;
            loop.supslot(n, e) = slot;
            loop.rfnow(n, e) = f[0];
            if (s.hz.iuserow(k) == 1) loop.rampRows = true;
        }
        loop.nsup(e) = n;
        weights.push_back(std::count(&loop.carries(1, e), &loop.carries(1, e) + rows, 1) + n);
    }
    // The futures of a large house are shared among threads; a small one's take too little time
    // for that to pay.
    long work = 0;
    for (long w : weights) work += w * lags;
    const int threads = work < kWorkPerThread ? 1 : std::min(ZoneWorkers::usableCores(), kMaxWorkers);
    if (!loop.workers) loop.workers = std::make_unique<ZoneWorkers>();
    loop.workers->start(weights, threads);
    loop.laggain.allocate(1, rows + injections, 1, loop.workers->threads(), 0.0);
    loop.lagfactors.allocate(1, rows + injections, 1, loop.workers->threads(), nullptr);
    loop.movework.allocate(0, kFuturePoints - 1, 1, loop.workers->threads(), 0.0);
    // The loop's thread moves each zone's present on while the workers move the rest, which must not
    // read it: the grid's first point is taken from the third future value on.
    loop.pipelined = loop.workers->threads() > 1 && s.rf.nd >= 2 && s.valu.ivaloff >= 2;
    loop.firstlag.allocate(1, rows, 1, zones, 0.0);
    for (int e = 1; e <= s.zones.nzones; ++e)
        for (int slot = 1; slot <= rfac.rowsInUse(); ++slot) loop.firstlag(slot, e) = rfac.atSlot(slot, e)[1];
    loop.pendingdelta.allocate(1, rows, 0.0);
    loop.pendingslot.allocate(1, injections, 0);
    loop.pendinggain.allocate(1, injections, 0.0);
    loop.npending = 0;
}

void startRun(EngineState& s) {
    LoopBlock& loop = s.loop;
    ZoneStepBlock& w = s.zonestep;
    const int steps = 24 * s.time.nstphr;
    report(s, kGroundFloorArea, {s.gground.slabar});
    s.stuff.umax = 0.0;
    s.stuff.umin = 100.0;
    s.ceilingfans.fanen = 0.0;
    for (int z = 1; z <= s.zones.nzones; ++z) {
        w.vair(z) = w.vairraw(z) = w.qlouv(z) = w.tlouv(z) = 0.0;
        for (int t = 1; t <= steps; ++t) s.stuff.icovw(z, t) = s.stuff.icovs(z, t) = 0;
        for (int h = 1; h <= 24; ++h) loop.vensched(z, h) = 0;
        w.kstick(z) = 1;
        loop.closew(z) = s.var.covclw(z);
        loop.openw(z) = s.var.covopw(z);
        loop.closes(z) = s.var.covcls(z);
        loop.opens(z) = s.var.covops(z);
        setCoveringSchedule(s, z, loop.closew(z), loop.openw(z), loop.closedw, s.stuff.icovw);
        setCoveringSchedule(s, z, loop.closes(z), loop.opens(z), loop.closeds, s.stuff.icovs);
        setVentilationSchedule(s, z);
    }
    s.psa.toutstep(steps) = s.zn.tstart;
    for (int z = 1; z <= s.zones.nzones; ++z) {
        s.plant.wzone(z) = kStartHumidity;
        s.plant.vsup(z) = kStartAirChanges * s.zones.zvol(z) * kLitresPerHourlyChange;
    }
    s.psa.iomode = 1;
    scribe(s, 0);
    loop.drvlast.fill(s.zn.tstart);
    for (int z = 1; z <= s.zones.nzones; ++z) {
        w.vstate(z) = 0;
        s.sysb.tzonea(z) = s.zn.tstart;
    }
    for (int t = 1; t <= steps; ++t)
        for (int k = 1; k <= kDriverRows; ++k) s.stuff.drive2(k, t) = 0.0;
    s.psa.idaymo = 0;
    loop.monthcur = 0;
    loop.nwarm = 0;
    loop.outon = s.zn.irepfl != 0;
    loop.ifirst = true;
    s.psa.iomode = 2;
    const int futurePoints = steps + kFuturePoints;
    for (int z = 1; z <= s.zones.nzones; ++z) {
        loop.nstepz(z) = 0;
        for (int j = 1; j <= futurePoints; ++j) s.rf.fut(j, z) = s.zn.tstart;
    }
    listResponseRows(s);
}

// The sun of every record of the day, with the cut-offs of a sun below the horizon or below the
// solar cut-off angle.
void sunOfDay(EngineState& s) {
    const ClimateDay& day = s.loop.day;
    auto& c = s.clim;
    for (int k = 1; k <= day.records; ++k) {
        double azimuth = 0.0, altitude = 0.0;
        if (c.dirrad(k) > 0.0 || c.difrad(k) > 0.0) {
            solpos(s, day.month(k), day.day(k), day.hour(k), azimuth, altitude);
            if (altitude < 0.0) {
                altitude = 0.0;
                c.dirrad(k) = c.difrad(k) = 0.0;
            }
            if (altitude < s.solarcut.solcut * data::RAD) c.dirrad(k) = 0.0;
            if (azimuth < 0.0) azimuth = 0.0;
        }
        c.solalt(k) = altitude;
        c.solazi(k) = azimuth;
    }
}

void switchPlant(EngineState& s, int t) {
    const int previous = t > 1 ? t - 1 : 24 * s.time.nstphr;
    for (int z = 1; z <= s.zones.nzones; ++z) {
        if (s.sysa.iheat(z) == 0 && s.sysa.icool(z) == 0) continue;
        const double th = s.sysa.theat(t, z), thp = s.sysa.theat(previous, z);
        const double tc = s.sysa.tcool(t, z), tcp = s.sysa.tcool(previous, z);
        int& iplant = s.plant.iplant(z);
        if ((thp == kNoHeating && th > kNoHeating) || (tcp == kNoCooling && tc < kNoCooling))
            iplant = 1;
        else if (th == kNoHeating || tc == kNoCooling)
            iplant = 0;
    }
    for (int z = 1; z <= s.zones.nzones; ++z) s.sysa.icondon(z) = s.plant.iplant(z);
}

void setCoverings(EngineState& s, int t) {
    const LoopBlock& loop = s.loop;
    const double tair = s.clim.tair(t);
    const int h = t - 1;
    for (int z = 1; z <= s.zones.nzones; ++z) {
        if (loop.closedw(z) == 0)
            s.stuff.icovw(z, t) = static_cast<std::int16_t>(
                coveringState(h, loop.closew(z), loop.openw(z), tair, s.var.covtw(z)));
        if (loop.closeds(z) == 0)
            s.stuff.icovs(z, t) = static_cast<std::int16_t>(
                coveringState(h, loop.closes(z), loop.opens(z), tair, s.var.covts(z)));
    }
}

// The corrections of the special zones before the plant: the air gaps', and the roof and subfloor
// spaces', which are charged the change of the air exchange they cause.
void specialZones(EngineState& s) {
    for (int z = 1; z <= s.zones.nzones; ++z)
        if (s.names.ztype(z).starts_with("AirGpT")) gapadjust_s(s, z, s.specialzones.igapz(z));
    spaceCorrections(s, true);
    injectWithAirExchange(s, s.zonestep.addgain);
}

void simulateDay(EngineState& s) {
    // The workers finish the day's last step before anything outside the day's steps reads the
    // futures, and before the day is left by a run stop.
    struct FinishLastStep {
        ZoneWorkers* workers;
        ~FinishLastStep() {
            if (workers) workers->wait();
        }
    } finishLastStep{s.loop.workers.get()};
    const int steps = 24 * s.time.nstphr;
    for (int t = 1; t <= steps; ++t) {
        s.psa.istep = t;
        for (int k = 1; k <= kDriverRows; ++k) s.stuff.drive2(k, t) = s.blank.drive(k, t);
        if (s.sysa.iconon != 0) switchPlant(s, t);
        setCoverings(s, t);
        solahf(s, t, kSolarFactor, s.wind.hmax);
        superposeDrivers(s, t);
        balanceZones(s, t, s.tim.imonth);
        specialZones(s);
        hvacsystem(s, s.clim.wmoist(t), s.clim.tair(t), kSupplyTemperature, s.loop.tmaxday, s.tim.imonth, t);
        finishStep(s);
        s.psa.toutstep(t) = s.blank.drive(1, t);
        for (int z = 1; z <= s.zones.nzones; ++z) {
            s.psa.tzstep(t) = s.sysb.tzonea(z);
            if (s.loop.outon) scribe(s, z);
        }
    }
}

void endWarmUp(EngineState& s) {
    En1Block& e = s.en1;
    PeakBlock& p = s.peaks;
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        e.ecssum(z) = e.eclsum(z) = e.ehsum(z) = 0.0;
        e.ehmon(z) = e.ecsmon(z) = e.eclmon(z) = 0.0;
        p.pkh1(z) = p.pkh2(z) = p.pkh3(z) = 0.0;
        p.pkcs1(z) = p.pkcs2(z) = p.pkcs3(z) = 0.0;
        p.pkcl1(z) = p.pkcl2(z) = p.pkcl3(z) = 0.0;
    }
    if (s.blank.iprnt4 > 0) {
        const int points = 24 * s.time.nstphr + kLongTermPoints;
        for (int z = 1; z <= s.zones.nzones; ++z) {
            std::vector<fw::Value> values;
            for (int j = 1; j <= points; ++j) values.emplace_back(s.rf.fut(j, z));
            writeLines(s.units.report, ReportFormat(kFutureTemperatures).lines(values));
        }
    }
    s.loop.outon = true;
}

// Takes the day just read into the month bookkeeping.
void startDay(EngineState& s) {
    LoopBlock& loop = s.loop;
    const ClimateDay& day = loop.day;
    loop.tmaxday = day.tmax;
    sunOfDay(s);
    if (loop.ifirst) {
        loop.dayfirst = day.lastDay;
        loop.ifirst = false;
    }
    s.dates.dmonth = day.lastMonth;
    s.dates.dday = day.lastDay;
    if (loop.monthcur == 0) {
        s.tim.imonth = day.lastMonth;
        calcdiffuseshading(s);
        s.dates.dday0 = s.dates.dday;
        s.dates.dmonth0 = s.dates.dmonth;
        loop.monthcur = day.lastMonth;
    } else if (loop.monthcur != day.lastMonth) {
        s.tim.imonth = day.lastMonth;
        calcdiffuseshading(s);
        s.psa.iomode = 4;
        s.tim.imonth = loop.monthcur;
        scribe(s, 0);
        s.psa.iomode = 2;
        s.psa.idaymo = 0;
        loop.monthcur = day.lastMonth;
    }
    s.psa.idaymo += 1;
    s.tim.imonth = day.lastMonth;
    s.tim.iday = day.lastDay;
}

void endRun(EngineState& s) {
    if (s.loop.monthcur != 0) {
        s.psa.iomode = 4;
        s.tim.imonth = s.loop.monthcur;
        scribe(s, 0);
    }
    report(s, kGlazingRange, {s.stuff.umax, s.stuff.umin});
    s.psa.iomode = 5;
    scribe(s, 0);
}

} // namespace

int coveringState(int h, int c, int o, double tair, double tcover) {
    const bool cool = tair <= tcover;
    if (c < o) {
        if (c < h && h <= o) return 1;
        return cool ? 0 : 2;
    }
    if (o < c) {
        if (o < h && h <= c) return cool ? 0 : 2;
        return 1;
    }
    return cool ? 0 : 2;
}

bool foldScheduleHours(int& closing, int& opening) {
    if (closing == 24 && opening != 0) closing = 0;
    if (opening == 24 && closing != 0) opening = 0;
    return (closing == 0 && opening == 24) || (closing == 24 && opening == 0);
}

void perfrm(EngineState& state, int& ierr) {
    ierr = 0;
    startRun(state);
    for (;;) {
        readClimateDay(state, state.loop.day);
        if (state.loop.day.status == ClimateRead::IllegalData) {
            weatherFault(state, kIllegalWeather, climateFaultText(state.unit10));
            ierr = 1;
            return;
        }
        if (state.loop.day.status == ClimateRead::EndOfFile) {
            // The year is the one the input read: a file changed since then ends the run.
            if (state.unit10.records() == state.reader.nclimrec) break;
            weatherFault(state, kWeatherEnded,
                         "ends after record " + std::to_string(state.unit10.records()) + ": the input read " +
                             std::to_string(state.reader.nclimrec) + " records");
            ierr = 1;
            return;
        }
        startDay(state);
        for (;;) {
            simulateDay(state);
            if (state.loop.outon) break;
            state.loop.nwarm += 1;
            if (state.loop.nwarm >= state.zn.ndrep) endWarmUp(state);
        }
        state.psa.iomode = 3;
        scribe(state, 0);
        state.psa.iomode = 2;
        checkResultFiles(state, false);
    }
    endRun(state);
}

} // namespace engine
