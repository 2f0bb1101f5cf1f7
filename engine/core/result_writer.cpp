#include "engine/core/result_writer.h"

#include <array>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/card_fields.h"
#include "engine/core/result_files.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

namespace rf = resultformat;

constexpr int kEnergyColumn = 151;   // 151 + z heating of zone z
constexpr int kSensibleColumn = 301; // 301 + z sensible cooling
constexpr int kLatentColumn = 451;   // 451 + z latent cooling
constexpr std::string_view kNoCard8File = "None";
constexpr std::string_view kNatrepFile = "natrep.dt2";
constexpr std::string_view kCannotWrite = "Cannot write result file ";

const std::vector<std::string> kHourLabels = [] {
    std::vector<std::string> labels;
    for (int h = 0; h < 24; ++h) labels.push_back((h < 10 ? "0" : "") + std::to_string(h) + "00");
    return labels;
}();

void write(std::ostream& out, std::string_view format, std::initializer_list<fw::Value> values) {
    writeLines(out, ReportFormat(format).lines(values));
}

void write(std::ostream& out, const ReportFormat& format, std::span<const fw::Value> values) {
    writeLines(out, format.lines(values));
}

// Appends one line of plain fields (X, I, F) from `values`, and its line end, to `block`: the fields
// are taken in order until the values run out.  The block's room is reserved before the first day,
// so this does not allocate.
void appendFields(std::string& block, const fw::Format& fields, const double* values, int count) {
    int next = 0, blanks = 0;
    for (const fw::Descriptor& d : fields) {
        if (d.edit == fw::Edit::X) {
            blanks += d.width;
            continue;
        }
        if (next >= count) break;
        fw::appendBlanks(block, blanks);
        blanks = 0;
        const double v = values[next++];
        if (d.edit == fw::Edit::I)
            fw::appendInteger(block, static_cast<long long>(v), d.width, fw::Overflow::Asterisks);
        else
            fw::appendFixed(block, v, d.width, d.decimals, fw::Overflow::Asterisks);
    }
    block += kLineEnd;
}

// Room for a day of hour lines of the widest run (every zone listed, or conditioned, with three
// F9.1 energies each) or for the day's summary lines.
constexpr std::size_t kDayBlockRoom = 24 * (64 + 3 * 9 * kMaxZones);

fw::Format completedFields(std::string_view templateText, int count) {
    const int counts[] = {count};
    return fw::parseFormat(completeTemplate(templateText, counts));
}

std::string zoneName(const EngineState& s, int z) {
    return s.names.zname(z);
}

// The day's extremes and sums of one temperature column.
void account(ResultWriterBlock& w, int k, double t, bool lastStep) {
    w.tsum(k) += t;
    if (w.tseen(k) == 0) {
        w.tmax(k) = w.tmin(k) = t;
        w.tseen(k) = 1;
    } else {
        w.tmax(k) = std::max(w.tmax(k), t);
        w.tmin(k) = std::min(w.tmin(k), t);
    }
    if (lastStep) w.rngsum(k) += w.tmax(k) - w.tmin(k);
}

void clearExtremes(ResultWriterBlock& w) {
    for (int k = 1; k <= kTemperatureColumns; ++k) w.tseen(k) = 0;
}

void prepareDailyLines(EngineState& s);

void headsMode(EngineState& s) {
    ResultWriterBlock& w = s.writer;
    const int nzones = s.zones.nzones;
    w.ndays = 0;
    w.nmonths = 1;
    w.ndayrun = 0;
    completeResultFormats(w.formats, nzones, s.sysa.ncond);
    w.temHourFields = completedFields(s.wshum.ihumid == 1 ? rf::kTemHourHumid : rf::kTemHour,
                                      s.wshum.ihumid == 1 ? nzones + 2 : nzones);
    if (s.sysa.iconon != 0) {
        w.energyHourFields = completedFields(rf::kEnergyHour, 3 * s.sysa.ncond);
        prepareDailyLines(s);
    }
    w.line.reserve(kDayBlockRoom);
    w.tstsum.fill(0.0);
    w.tstsumrun.fill(0.0);
    w.nbin.fill(0);
    w.nbinrun.fill(0);
    for (auto* a : {&w.tsum, &w.rngsum, &w.tsumrun, &w.rngsumrun}) a->fill(0.0);
    clearExtremes(w);
    w.daystore.allocate(1, 24 * s.time.nstphr, 1, kDayColumns, 1, kMaxDaysPerMonth, 0.0);
    En1Block& e = s.en1;
    for (auto* a : {&e.eh, &e.ecs, &e.ecl, &e.ehsum, &e.ecssum, &e.eclsum, &e.ehmon, &e.ecsmon, &e.eclmon,
                    &e.ehrun, &e.ecsrun, &e.eclrun})
        a->fill(0.0);
    PeakBlock& p = s.peaks;
    for (auto* a : {&p.pkh1, &p.pkh2, &p.pkh3, &p.pkcs1, &p.pkcs2, &p.pkcs3, &p.pkcl1, &p.pkcl2, &p.pkcl3})
        a->fill(0.0);

    std::vector<std::string> listed;
    for (int i = 1; i <= s.prin2.ntemp; ++i) {
        w.temname(i) = zoneName(s, static_cast<int>(s.prin2.tempz(i)));
        listed.push_back(w.temname(i));
    }
    writeLines(s.units.temperature, temHeadLines(w.formats, listed));
    if (s.sysa.iconon == 0) return;
    std::vector<std::string> conditioned;
    for (int i = 1; i <= s.sysa.ncond; ++i) conditioned.push_back(zoneName(s, s.sysa.icondz(i)));
    writeLines(s.units.energy,
               energyHeadLines(w.formats, std::string_view(s.ch.jobname).substr(0, 36), conditioned));
}

void stepMode(EngineState& s, int iz) {
    ResultWriterBlock& w = s.writer;
    const int step = s.psa.istep;
    const int d = s.tim.iday;
    const bool last = step == 24 * s.time.nstphr;
    if (iz == 1) {
        const double t = s.psa.toutstep(step);
        account(w, 1, t, last);
        w.daystore(step, 1, d) = t;
        // The plant books the step's energies before the zones are written, and nothing changes them
        // while they are: they are stored once a step, with the first zone.
        for (int i = 1; i <= s.sysa.ncond; ++i) {
            const int z = s.sysa.icondz(i);
            w.daystore(step, kEnergyColumn + z, d) = s.en1.eh(z);
            w.daystore(step, kSensibleColumn + z, d) = s.en1.ecs(z);
            w.daystore(step, kLatentColumn + z, d) = s.en1.ecl(z);
        }
    }
    const double t = s.psa.tzstep(step);
    account(w, iz + 1, t, last);
    w.daystore(step, iz + 1, d) = t;
    for (int j = 1; j <= s.blank.nstath; ++j) {
        if (s.zn.istatz(j) != iz || !inStatedHours(step, s.blank.ihrfrom(j), s.blank.ihrto(j))) continue;
        w.nbin(temperatureBin(t), j) += 1;
        w.tstsum(j) += t;
    }
}

// The daily lines: heating, heating peak, sensible and latent cooling, their peaks.
enum DayLine { kDayHeat = 1, kDayHeatPeak, kDaySensible, kDayLatent, kDaySensiblePeak, kDayLatentPeak };
constexpr std::string_view kDayFormats[] = {rf::kDayHeating,         rf::kDayHeatingPeak,
                                            rf::kDaySensibleCooling, rf::kDayLatentCooling,
                                            rf::kDaySensiblePeak,    rf::kDayLatentPeak};
constexpr int kDayValueWidth = 9;  // F9.1, the last field of every daily energy and peak line
constexpr int kDayNumberWidth = 3; // I3, the last field of the date line

// The last line that a format writes with a dummy last value, without that value's field.
std::vector<std::string> linesBeforeLastField(std::string_view format,
                                              std::initializer_list<fw::Value> values, int width) {
    std::vector<std::string> lines = ReportFormat(format).lines(values);
    lines.back().resize(lines.back().size() - static_cast<std::size_t>(width));
    return lines;
}

void prepareDailyLines(EngineState& s) {
    ResultWriterBlock& w = s.writer;
    for (int m = 1; m <= 12; ++m)
        w.dateLines(m) = linesBeforeLastField(
            rf::kDayDate, {monthAbbreviation(m), static_cast<long long>(s.tim.iyear), 0LL}, kDayNumberWidth);
    for (int i = 1; i <= s.sysa.ncond; ++i)
        for (int k = kDayHeat; k <= kDayLatentPeak; ++k)
            w.dayLines(k, i) =
                linesBeforeLastField(kDayFormats[k - 1], {zoneName(s, s.sysa.icondz(i)), 0.0}, kDayValueWidth)
                    .back();
}

// Appends a daily line: its text made before the first day, then its last field.
void appendEnding(std::string& block, const std::string& start, double value, bool integer) {
    block += start;
    if (integer)
        fw::appendInteger(block, static_cast<long long>(value), kDayNumberWidth, fw::Overflow::Asterisks);
    else
        fw::appendFixed(block, value, kDayValueWidth, 1, fw::Overflow::Asterisks);
    block += kLineEnd;
}

void dailySummary(EngineState& s) {
    ResultWriterBlock& w = s.writer;
    std::string& block = w.line;
    block.clear();
    const auto& e = s.en1;
    const auto& p = s.peaks;
    const std::vector<std::string>& date = w.dateLines(s.tim.imonth);
    for (std::size_t i = 0; i + 1 < date.size(); ++i) {
        block += date[i];
        block += kLineEnd;
    }
    appendEnding(block, date.back(), s.tim.iday, true);
    auto separator = [&block] { block += kLineEnd; };
    separator();
    const int n = s.sysa.ncond;
    for (int i = 1; i <= n; ++i)
        if (s.sysa.iheat(s.sysa.icondz(i)) != 0)
            appendEnding(block, w.dayLines(kDayHeat, i), e.ehsum(s.sysa.icondz(i)), false);
    separator();
    for (int i = 1; i <= n; ++i)
        if (s.sysa.iheat(s.sysa.icondz(i)) != 0)
            appendEnding(block, w.dayLines(kDayHeatPeak, i), p.pkh1(s.sysa.icondz(i)), false);
    separator();
    for (int i = 1; i <= n; ++i) {
        const int z = s.sysa.icondz(i);
        if (s.sysa.icool(z) == 0) continue;
        appendEnding(block, w.dayLines(kDaySensible, i), e.ecssum(z), false);
        appendEnding(block, w.dayLines(kDayLatent, i), e.eclsum(z), false);
    }
    separator();
    for (int i = 1; i <= n; ++i) {
        const int z = s.sysa.icondz(i);
        if (s.sysa.icool(z) == 0) continue;
        appendEnding(block, w.dayLines(kDaySensiblePeak, i), p.pkcs1(z), false);
        appendEnding(block, w.dayLines(kDayLatentPeak, i), p.pkcl1(z), false);
    }
    s.units.report.write(block.data(), static_cast<std::streamsize>(block.size()));
}

void dayMode(EngineState& s) {
    ResultWriterBlock& w = s.writer;
    const int d = s.tim.iday;
    w.ndays += 1;
    clearExtremes(w);
    std::array<double, 4 + 3 * kMaxZones + 2> values{};
    // Each file receives the day's 24 hour lines in one write.
    std::string& block = w.line;
    if (s.wshum.ihumid == 0 || s.wshum.ihumid == 1) {
        block.clear();
        for (int h = 1; h <= 24; ++h) {
            const int step = h * s.time.nstphr;
            int n = 0;
            values[n++] = s.tim.imonth;
            values[n++] = d;
            values[n++] = h - 1;
            values[n++] = w.daystore(step, 1, d);
            for (int i = 1; i <= s.prin2.ntemp; ++i)
                values[n++] = w.daystore(step, static_cast<int>(1 + s.prin2.tempz(i)), d);
            if (s.wshum.ihumid == 1) {
                values[n++] = s.clim.wspeed(step);
                values[n++] = s.clim.wmoist(step);
            }
            appendFields(block, w.temHourFields, values.data(), n);
        }
        s.units.temperature.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    if (s.sysa.iconon == 0) return;
    block.clear();
    for (int h = 1; h <= 24; ++h) {
        const int step = h * s.time.nstphr;
        int n = 0;
        values[n++] = s.tim.imonth;
        values[n++] = d;
        values[n++] = h - 1;
        for (int i = 1; i <= s.sysa.ncond; ++i) {
            const int z = s.sysa.icondz(i);
            values[n++] = w.daystore(step, kEnergyColumn + z, d);
            values[n++] = w.daystore(step, kSensibleColumn + z, d);
            values[n++] = w.daystore(step, kLatentColumn + z, d);
        }
        appendFields(block, w.energyHourFields, values.data(), n);
    }
    s.units.energy.write(block.data(), static_cast<std::streamsize>(block.size()));
    dailySummary(s);
    En1Block& e = s.en1;
    PeakBlock& p = s.peaks;
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        if (s.sysa.iheat(z) != 0) {
            e.ehmon(z) += e.ehsum(z);
            e.ehsum(z) = 0.0;
            p.pkh1(z) = 0.0;
        }
        if (s.sysa.icool(z) != 0) {
            e.ecsmon(z) += e.ecssum(z);
            e.eclmon(z) += e.eclsum(z);
            e.ecssum(z) = e.eclsum(z) = 0.0;
            p.pkcs1(z) = p.pkcl1(z) = 0.0;
        }
    }
}

// The mean-temperature table: names, means and mean ranges of the outdoor air and every zone.
void temperatureTable(EngineState& s, const ReportFormat& format, const double* sums, const double* ranges,
                      int days, bool monthly) {
    const int nzones = s.zones.nzones;
    std::vector<fw::Value> values;
    if (monthly) {
        values.emplace_back(monthAbbreviation(s.tim.imonth));
        values.emplace_back(static_cast<long long>(s.tim.iyear));
    }
    for (int z = 1; z <= nzones; ++z) values.emplace_back(zoneName(s, z));
    for (int k = 1; k <= nzones + 1; ++k) values.emplace_back(days > 0 ? sums[k - 1] / (days * 24.0) : 0.0);
    for (int k = 1; k <= nzones + 1; ++k) values.emplace_back(days > 0 ? ranges[k - 1] / days : 0.0);
    write(s.units.report, format, values);
}

struct EnergySet {
    const PerZone<double>&heat, &sensible, &latent, &peakHeat, &peakSensible, &peakLatent;
};

void energyBlock(EngineState& s, const EnergySet& e, std::string_view heatingPeakFormat) {
    std::ostream& out = s.units.report;
    write(out, rf::kSeparator, {});
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        if (s.sysa.iheat(z) != 0) write(out, rf::kMonthHeating, {zoneName(s, z), e.heat(z)});
    }
    write(out, rf::kSeparator, {});
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        if (s.sysa.iheat(z) != 0) write(out, heatingPeakFormat, {zoneName(s, z), e.peakHeat(z)});
    }
    write(out, rf::kSeparator, {});
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        if (s.sysa.icool(z) == 0) continue;
        write(out, rf::kSensibleCooling, {zoneName(s, z), e.sensible(z)});
        write(out, rf::kLatentCooling, {zoneName(s, z), e.latent(z)});
    }
    write(out, rf::kSeparator, {});
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        if (s.sysa.icool(z) == 0) continue;
        write(out, rf::kSensiblePeak, {zoneName(s, z), e.peakSensible(z)});
        write(out, rf::kLatentPeak, {zoneName(s, z), e.peakLatent(z)});
    }
}

// The temperature distribution over the stated hours from the counts and sums given.
void distribution(EngineState& s, const common::FixedArray2<int, 1, kTemperatureBins, 1, kMaxZones>& bins,
                  const PerZone<double>& sums) {
    std::ostream& out = s.units.report;
    for (int j = 1; j <= s.blank.nstath; ++j) {
        const std::string name = zoneName(s, s.zn.istatz(j));
        const std::string& from = kHourLabels[static_cast<std::size_t>(s.blank.ihrfrom(j))];
        const std::string& to = kHourLabels[static_cast<std::size_t>(s.blank.ihrto(j))];
        write(out, rf::kStatedHoursZone, {name, from, to});
        std::vector<fw::Value> counts, percentages;
        const int total = bins(9, j);
        for (int b = 1; b <= 9; ++b) {
            counts.emplace_back(static_cast<long long>(bins(b, j)));
            percentages.emplace_back(total > 0 ? 100.0 * bins(b, j) / total : 0.0);
        }
        write(out, ReportFormat(rf::kOccurrences), counts);
        write(out, ReportFormat(rf::kPercentages), percentages);
    }
    write(out, rf::kStatedHoursMeansHeading, {});
    for (int j = 1; j <= s.blank.nstath; ++j) {
        const int total = bins(9, j);
        write(out, rf::kStatedHoursMean,
              {zoneName(s, s.zn.istatz(j)), kHourLabels[static_cast<std::size_t>(s.blank.ihrfrom(j))],
               kHourLabels[static_cast<std::size_t>(s.blank.ihrto(j))], total > 0 ? sums(j) / total : 0.0});
    }
}

void monthMode(EngineState& s) {
    ResultWriterBlock& w = s.writer;
    const int n = s.psa.idaymo;
    w.nmonths += 1;
    for (const std::string& line : ReportFormat(rf::kProgress).lines({monthAbbreviation(s.tim.imonth)}))
        consoleLine(s, line);
    write(s.units.report, rf::kMonthHeading, {});
    temperatureTable(s, w.formats.monthTemperatures, w.tsum.data(), w.rngsum.data(), n, true);
    En1Block& e = s.en1;
    PeakBlock& p = s.peaks;
    if (s.sysa.iconon != 0) {
        energyBlock(s, {e.ehmon, e.ecsmon, e.eclmon, p.pkh2, p.pkcs2, p.pkcl2}, rf::kMonthHeatingPeak);
        for (int i = 1; i <= s.sysa.ncond; ++i) {
            const int z = s.sysa.icondz(i);
            e.ehrun(z) += e.ehmon(z);
            e.ecsrun(z) += e.ecsmon(z);
            e.eclrun(z) += e.eclmon(z);
        }
    }
    if (s.blank.nstath != 0) {
        for (int j = 1; j <= s.blank.nstath; ++j) {
            w.nbin(9, j) = 0;
            for (int b = 1; b <= 8; ++b) w.nbin(9, j) += w.nbin(b, j);
            w.tstsumrun(j) += w.tstsum(j);
            for (int b = 1; b <= 9; ++b) w.nbinrun(b, j) += w.nbin(b, j);
        }
        write(s.units.report, rf::kMonthDistributionHeading,
              {monthAbbreviation(s.tim.imonth), static_cast<long long>(s.tim.iyear)});
        distribution(s, w.nbin, w.tstsum);
    }
    for (int k = 1; k <= kTemperatureColumns; ++k) {
        w.tsumrun(k) += w.tsum(k);
        w.rngsumrun(k) += w.rngsum(k);
        w.tsum(k) = w.rngsum(k) = 0.0;
    }
    w.ndayrun += n;
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        e.ehmon(z) = e.ecsmon(z) = e.eclmon(z) = 0.0;
        e.ehsum(z) = e.ecssum(z) = e.eclsum(z) = 0.0;
        p.pkh2(z) = p.pkcs2(z) = p.pkcl2(z) = 0.0;
        p.pkh1(z) = p.pkcs1(z) = p.pkcl1(z) = 0.0;
    }
    clearExtremes(w);
    for (int j = 1; j <= s.blank.nstath; ++j) {
        w.tstsum(j) = 0.0;
        for (int b = 1; b <= 9; ++b) w.nbin(b, j) = 0;
    }
}

void runMode(EngineState& s) {
    ResultWriterBlock& w = s.writer;
    En1Block& e = s.en1;
    PeakBlock& p = s.peaks;
    if (w.ndays > 31 || w.nmonths > 1) {
        write(s.units.report, rf::kPeriodHeading,
              {static_cast<long long>(s.dates.dday0), static_cast<long long>(s.dates.dmonth0),
               static_cast<long long>(s.tim.iyear), static_cast<long long>(s.dates.dday),
               static_cast<long long>(s.dates.dmonth), static_cast<long long>(s.tim.iyear),
               static_cast<long long>(w.ndayrun)});
        temperatureTable(s, w.formats.periodTemperatures, w.tsumrun.data(), w.rngsumrun.data(), w.ndayrun,
                         false);
        if (s.sysa.iconon != 0)
            energyBlock(s, {e.ehrun, e.ecsrun, e.eclrun, p.pkh3, p.pkcs3, p.pkcl3}, rf::kPeriodHeatingPeak);
        if (s.blank.nstath != 0) {
            write(s.units.report, rf::kOverallDistributionHeading, {});
            distribution(s, w.nbinrun, w.tstsumrun);
        }
    }
    if (s.blank.iprnt1 >= 2) write(s.units.report, rf::kTerminatedNormally, {});
    NatrepTotals totals;
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        totals.heating += e.ehrun(z);
        totals.sensibleCooling += e.ecsrun(z);
        totals.latentCooling += e.eclrun(z);
        totals.heatingPeak += p.pkh3(z);
        totals.sensiblePeak += p.pkcs3(z);
        totals.latentPeak += p.pkcl3(z);
    }
    totals.sensibleCooling += s.ceilingfans.fanen;
    writeLines(s.units.natrep, natrepLines(totals, s.ceilingfans.fanen, s.condfa.cfarea));
    s.units.natrep.close();
    const std::string_view card8 = s.prin2.c8file;
    if (card8.substr(0, card8.find_last_not_of(' ') + 1) == kNoCard8File || !s.units.card8.is_open()) return;
    writeLines(s.units.card8, natrepRecord1(totals));
    s.units.card8.close();
}

} // namespace

void checkResultFiles(EngineState& state, bool close) {
    ResultUnits& u = state.units;
    const ReaderState& r = state.reader;
    struct Unit {
        std::ofstream& out;
        std::string_view name;
    };
    const Unit units[] = {{u.temperature, r.temfile},    {u.energy, r.enfile},     {u.natrep, kNatrepFile},
                          {u.card8, state.prin2.c8file}, {u.airflow, r.flowfname}, {u.report, r.repfile}};
    for (const Unit& unit : units) {
        if (close && unit.out.is_open()) unit.out.close();
        if (!unit.out) stopRun(state, {kCannotWrite, trimRight(unit.name)});
    }
}

int temperatureBin(double t) {
    if (t < 12.0) return 1;
    if (t >= 30.0) return 8;
    return static_cast<int>((t - 5.999999) * 0.33333334);
}

bool inStatedHours(int s, int f, int t) {
    if (f < t) return f + 1 <= s && s <= t + 1;
    return s >= f + 1 || s <= t + 1;
}

int scribe(EngineState& state, int iz) {
    switch (state.psa.iomode) {
    case 1:
        headsMode(state);
        break;
    case 2:
        stepMode(state, iz);
        break;
    case 3:
        dayMode(state);
        break;
    case 4:
        monthMode(state);
        break;
    case 5:
        runMode(state);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace engine
