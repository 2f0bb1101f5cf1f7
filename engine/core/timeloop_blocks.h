// The data blocks of the hourly time loop, the zone heat balance, plant and special zones, and the
// result writer.  Everything the loop touches step by step lives here in fixed storage sized for 150
// zones and 1440 steps, so that the hourly loop allocates nothing; only the result writer's day store
// is sized once, from the steps of the day, before the first day.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/arrays.h"
#include "engine/core/climate_file.h"
#include "engine/core/input_blocks.h"
#include "engine/core/result_files.h"
#include "engine/core/zone_workers.h"

namespace engine {

inline constexpr int kDayColumns = 601;         // columns of the day store: outdoor, zones, energies
inline constexpr int kTemperatureColumns = 151; // outdoor and zones 1..150
inline constexpr int kTemperatureBins = 9;      // eight bins and their total
inline constexpr int kMaxDaysPerMonth = 31;

// Block `psa`: what the time loop hands to the result writer.
struct PsaBlock {
    PerStep<double> toutstep; // outdoor dry bulb of each step of the day, °C
    int iomode = 0;           // 1 heads, 2 step rows, 3 day summary, 4 month summary, 5 run summary
    int idaymo = 0;           // days of the current month simulated with output
    int istep = 0;            // step of the day, 1..24 · nstphr
    PerStep<double> tzstep;   // final air temperature of the zone handed over, °C
};

// Block `dates`: first and last day of the run.
struct DatesBlock {
    int dday = 0, dmonth = 0;   // day and month of the day last read
    int dday0 = 0, dmonth0 = 0; // day and month of the first day of the file
};

// Block `en1`: heating and cooling energies, MJ.
struct En1Block {
    PerZone<double> eh, ecs, ecl;          // of the step: heating, sensible and latent cooling
    PerZone<double> ehsum, ecssum, eclsum; // of the day so far
    PerZone<double> ehmon, ecsmon, eclmon; // of the month so far (result writer)
    PerZone<double> ehrun, ecsrun, eclrun; // of the run so far (result writer)
};

// The peak demands of block `sysb`, kW: set 1 of the day, set 2 of the month, set 3 of the run.
// (The block's zone air temperatures `tzonea` are declared with the solar blocks.)
struct PeakBlock {
    PerZone<double> pkh1, pkh2, pkh3;    // heating
    PerZone<double> pkcs1, pkcs2, pkcs3; // sensible cooling
    PerZone<double> pkcl1, pkcl2, pkcl3; // latent cooling
};

// The plant's state kept for the whole run.
struct PlantBlock {
    PerZone<double> wzone; // zone humidity ratio, g/kg
    PerZone<double> vsup;  // supply air flow of the zone's cooling coil, L/s; only grows
    PerZone<int> iplant;   // 1 while the zone's plant runs or is being switched on (block `sysa`)
    // Work space of the demand solution: the listed zones, their targets and the matrix.
    PerZone<int> listed;
    PerZone<double> target; // °C
    PerZone<double> qs, ql; // sensible and latent load of each zone, W (heating positive)
    PerZone<double> qlist;  // load of each listed zone in list order, W
    // The inverse of the listed zones' same-step responses to each other's loads with the step's air
    // exchange, in list order, and the count of zones it holds at their targets (0: none is held).
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> ginv;
    int nheld = 0;
};

// The per-zone state of the heat balance step.
struct ZoneStepBlock {
    PerZone<std::int16_t> vstate; // natural ventilation: 0 closed, 1 open; kept between steps
    PerZone<int> kstick;          // steps since vstate last changed
    PerZone<int> coolreq;         // the comfort test asks for cooling (windows stay shut)
    PerZone<int> fanon;           // the ceiling fan runs this step
    PerZone<double> vair;         // indoor air speed from the openings, m/s, at most 1.5
    PerZone<double> vairraw;      // the same before the cap, m/s
    PerZone<double> qoutd;        // outdoor air entering through the openings, m³/s
    PerZone<double> qlouv;        // conduction gain through open opaque louvres, W
    PerZone<double> tlouv;        // effect of the louvre gains on each zone at lag 1, K
    PerZone<double> tprev;        // zone temperature of the previous pass, °C
    PerZone<double> qflow;        // heat gain from the air flows of the step, W
    PerZone<double> achinf;       // infiltration air changes per hour passed to the plant
    PerZone<double> latstep;      // latent gain of the step, W
    // Heat capacity flows of air entering zone i from outdoors (j = 0) and from zone j, W/K.
    common::FixedArray2<double, 1, kMaxZones, 0, kMaxZones> fcond;
    // Temperatures of the air-flow network: 0 outdoor of the previous step, 1..150 zones of the
    // previous step, 151 outdoor of this step, °C.
    common::FixedArray1<double, 0, kMaxZones + 1> tvec;
    PerZone<double> xzone; // zone temperatures solved with the air flows this step, °C
    // Work space of the matrix solutions (leading dimension 150).
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> amat;
    common::FixedArray2<double, 1, kMaxZones, 1, 1> bvec;
    // The zone temperatures' system reduced to the zones that exchange air, and the list of those
    // zones.  A zone that exchanges no air appears in no other zone's balance.  Once the step's
    // temperatures are solved, ared holds the inverse of the reduced system (airinverse), so that a
    // gain added later in the step is charged the change of the air exchange it causes.
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> ared;
    common::FixedArray2<double, 1, kMaxZones, 1, 1> bred;
    PerZone<int> exchanging;
    PerZone<int> exchangepos; // position of a zone in `exchanging`, 0 for one that exchanges no air
    int nexchanging = 0;
    bool airinverse = false;
    PerZone<double> outflow; // Σk fcond(j, k), W/K
    // Work space of the gains added after the air flows: gains by zone (W), their same-step effect
    // without and with the air exchange (K), and the change of the air-flow gains they cause (W).
    PerZone<double> addgain, sameeffect, addeffect, addflow;
    common::FixedArray1<double, 1, kMaxZones> reduced;
    // The corrections of each roof and subfloor space injected so far in the step, at the surface
    // below its air, the air and the surface above (W).
    common::FixedArray2<double, 1, 3, 1, kMaxZones> spaceq;
};

// What the time loop keeps for the whole run.
struct LoopBlock {
    bool ifirst = true;
    int monthcur = 0;
    int dayfirst = 0;
    int nwarm = 0;
    bool outon = false;
    double tmaxday = -999.0;                                // highest dry bulb of the day's records, °C
    PerZone<int> nstepz;                                    // steps simulated so far
    common::FixedArray1<double, 1, kDriverRows> drvlast;    // driver rows at the last step of the day before
    common::FixedArray2<int, 1, kMaxZones, 1, 24> vensched; // 1: the zone may be ventilated in hour h
    PerZone<int> closedw, closeds; // the window or roof-window coverings are closed all day
    PerZone<int> closew, openw;    // window covering hours with 24 folded to 0 where it applies
    PerZone<int> closes, opens;    // the same for roof windows and skylights
    // The rows of the response factors (their slots) whose drivers are superposed on each zone (in
    // use, with a steady-state response in it), in ascending row order: supslot(i, e), i = 1..nsup(e),
    // with their factors of the same step rfnow(i, e).  carries(slot, e) = 1 when the row's factors in
    // zone e are not all 0.  Sized from the run's rows and zones.
    PerZone<int> nsup;
    common::Array2<int> supslot;
    common::Array2<double> rfnow;
    common::Array2<std::uint8_t> carries;
    bool rampRows = false; // some zone superposes the change of a temperature row
    // The input of every row's driver at the step (by slot), and whether it has reached the lags
    // beyond the step yet.
    common::Array1<double> slotdelta;
    bool beyondDone = true;
    // The gains injected this step, in order: zone and W.  Their effect beyond the step follows with
    // the step's drivers.
    int ninject = 0;
    common::Array1<int> injectzone, injectslot; // the zone, and the slot of its internal-gain row
    common::Array1<double> injectgain;
    PerZone<int> injectat; // a zone's entry in the step's gains; every zone has at most one
    // The inputs of one zone beyond the step, in the order they are added, with their factors:
    // laggain(i, p), lagfactors(i, p) for thread p of the workers (1 the loop's own).
    common::Array2<double> laggain;
    common::Array2<const double*> lagfactors;
    // The grid's work space of moveon for each thread, movework(m, p), m = 0..195.
    common::Array2<double> movework;
    // The threads that share the step's work on the zones' futures.
    std::unique_ptr<ZoneWorkers> workers;
    // With worker threads the loop's thread adds a step's inputs to the first future value beyond the
    // step itself, moves each zone's present on, and goes on to the next step while the workers add
    // the inputs to the later lags and move the rest of the futures on.  The factors of that first
    // lag, kept together: firstlag(slot, e).
    bool pipelined = false;
    common::Array2<double> firstlag;
    // The inputs of the step the workers are adding, copied from slotdelta, beyondDone, ninject,
    // injectslot and injectgain so that the next step can fill those.
    common::Array1<double> pendingdelta;
    bool pendingDrivers = false;
    int npending = 0;
    common::Array1<int> pendingslot;
    common::Array1<double> pendinggain;
    ClimateDay day;
};

// The result writer's day store and statistics (block `psb` and the writer's own values).
struct ResultWriterBlock {
    // daystore(s, c, d): step s, column c (1 outdoor, 1 + z zone z, 151 + z, 301 + z, 451 + z the
    // heating, sensible and latent cooling of zone z, MJ), day of month d.
    common::Array3<double> daystore;
    common::FixedArray1<double, 1, kTemperatureColumns> tsum, tmax, tmin, rngsum, tsumrun, rngsumrun;
    common::FixedArray1<int, 1, kTemperatureColumns> tseen; // the day's extremes hold a value
    common::FixedArray2<int, 1, kTemperatureBins, 1, kMaxZones> nbin, nbinrun;
    PerZone<double> tstsum, tstsumrun;
    int ndays = 0, nmonths = 0, ndayrun = 0;
    ResultFormats formats;
    fw::Format temHourFields, energyHourFields; // the hour lines as plain fields
    std::string line;                           // the day's block of lines being written, reused
    PerZone<std::string> temname;               // names of the listed zones
    // The daily summary's lines up to their last field, made once before the first day so that the
    // day's lines are written without allocating: the blank lines and date line of each month (up to
    // the day), and per conditioned zone (in list order) each energy and peak line (up to the value).
    PerMonth<std::vector<std::string>> dateLines;
    common::FixedArray2<std::string, 1, 6, 1, kMaxZones> dayLines;
    PerZone<double> temrow;
};

struct TimeLoopBlocks {
    PsaBlock psa;
    DatesBlock dates;
    En1Block en1;
    PeakBlock peaks;
    PlantBlock plant;
    ZoneStepBlock zonestep;
    LoopBlock loop;
    ResultWriterBlock writer;
};

} // namespace engine
