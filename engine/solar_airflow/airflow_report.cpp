#include "engine/solar_airflow/airflow_report.h"

#include "common/file_lookup.h"
#include "common/fixed_width.h"
#include "engine/core/input_files.h"
#include "engine/core/state.h"
#include "engine/solar_airflow/opening_flows.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace engine {

namespace {

constexpr const char* kDefaultName = "airflow.txt";
constexpr std::string_view kBlank = "   ";
constexpr std::string_view kZoneOpen = "====== Zone ";
constexpr std::string_view kZoneClose = "======";
constexpr std::string_view kMonth = " Month ";
constexpr std::string_view kDay = " Day ";
constexpr std::string_view kTimeStep = " Time step ";
constexpr std::string_view kConverged = " Converged = ";
constexpr std::string_view kOverall = "Overall flow rate";
constexpr std::string_view kInflow = " Total inflow:  ";
constexpr std::string_view kOutflow = " Total outflow: ";
constexpr std::string_view kSupply = " Mech. ventflow:";
constexpr std::string_view kAchLocal = " ACH(local zone)  ";
constexpr std::string_view kFlowUnit = " m3/s";
constexpr std::string_view kDetailed = "Detailed flow rates through each opening";
constexpr std::string_view kOpeningHeading = " Opening  N'bor-Zone  Inflow(m3/s) Outflow(m3/s) ";
constexpr std::string_view kSummary = "------------------Summary ------------------";
constexpr std::string_view kZoneSummary = "zone, inf, exf,  qs,  qe (m3/s)";
constexpr std::string_view kVolume = "Total volume of the entire building (m3)  ";
constexpr std::string_view kInfiltration = "Total infiltration rate (ach) for the building";
constexpr std::string_view kExfiltration = "Total exfiltration rate (ach) for the building";
constexpr std::string_view kSupplyRate = "Total mech. supply rate (ach) for the building";
constexpr std::string_view kExhaustRate = "Total mech exhaust rate (ach) for the building";
constexpr std::string_view kPressures = "Calculated pressures in each zone -------------";
constexpr std::string_view kPressureHeading = "Zone  Pressure  Neutral-P RL-Height H'Stat-P";

constexpr double kSecondsPerHour = 3600.0;

// Builds one record at a time with the fixed-width fields of the report and writes it with CR LF.
class Record {
  public:
    explicit Record(AirflowReportFile& out) : out_(out) { out_.line.clear(); }
    Record& x(int n) {
        fw::appendBlanks(out_.line, n);
        return *this;
    }
    Record& a(std::string_view text) {
        out_.line.append(text);
        return *this;
    }
    Record& i(long long value, int width) {
        fw::appendInteger(out_.line, value, width, fw::Overflow::Asterisks);
        return *this;
    }
    Record& f(double value, int width, int decimals) {
        fw::appendFixed(out_.line, value, width, decimals, fw::Overflow::Asterisks);
        return *this;
    }
    ~Record() {
        out_.line.append("\r\n");
        out_.file << out_.line;
    }

  private:
    AirflowReportFile& out_;
};

void blank(AirflowReportFile& out) {
    Record(out).a(kBlank);
}

// Air changes per hour of a flow in a volume; 0 for a zone or building without volume.
double airChanges(double flow, double volume) {
    return volume > 0.0 ? kSecondsPerHour * flow / volume : 0.0;
}

// Opens the report named on the card, relative to the engine's working directory unless absolute.
void open(EngineState& s, AirflowReportFile& out) {
    if (out.file.is_open()) return;
    std::string name = s.reader.flowfname;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (name.empty()) name = kDefaultName;
    const std::filesystem::path given(name);
    const std::filesystem::path path =
        given.is_absolute() ? given : common::resolveForWriting(s.workdir, name);
    if (const std::string fault = outputFault(s, path); !fault.empty())
        throw std::runtime_error("The air-flow report would overwrite " + path.string() + ": " + fault);
    out.file.open(path, std::ios::binary | std::ios::trunc);
    if (!out.file) throw std::runtime_error("Cannot open the air-flow report " + path.string());
}

void zoneFlowLine(AirflowReportFile& out, std::string_view label, double flow, double volume) {
    Record(out).x(1).a(label).f(airChanges(flow, volume), 10, 5).a(kAchLocal).f(flow, 10, 5).a(kFlowUnit);
}

void zoneBlock(EngineState& s, AirflowReportFile& out, int i, int istep, int istat) {
    const auto& q = s.flow;
    const double volume = s.zones.zvol(i);
    blank(out);
    Record(out)
        .x(1)
        .a(kZoneOpen)
        .i(i, 2)
        .a(kZoneClose)
        .a(kMonth)
        .i(s.tim.imonth, 2)
        .a(kDay)
        .i(s.tim.iday, 2)
        .a(kTimeStep)
        .i(istep, 4)
        .a(kConverged)
        .i(istat, 3);
    blank(out);
    Record(out).x(1).a(kOverall);
    blank(out);
    zoneFlowLine(out, kInflow, q.qzin(i), volume);
    zoneFlowLine(out, kOutflow, q.qzout(i), volume);
    zoneFlowLine(out, kSupply, q.qmsup(i), volume);
    zoneFlowLine(out, kSupply, q.qmex(i), volume);
    blank(out);
    Record(out).x(1).a(kDetailed);
    blank(out);
    Record(out).x(1).a(kOpeningHeading);
    for (int k = 1; k <= s.open1.nopen(i); ++k) {
        if (!openingActive(s, i, k)) continue;
        Record(out)
            .x(4)
            .i(k, 3)
            .x(4)
            .i(s.type.iadjz(i, k), 3)
            .x(5)
            .f(q.qin(i, k), 10, 5)
            .x(5)
            .f(q.qout(i, k), 10, 5);
    }
}

} // namespace

void writeflowreport(EngineState& s, int istep, int istat) {
    AirflowReportFile& out = s.airflowreport;
    open(s, out);
    const auto& q = s.flow;
    forEachActiveZone(s, [&](int i) { zoneBlock(s, out, i, istep, istat); });
    blank(out);
    Record(out).x(1).a(kSummary);
    double inflow = 0.0, outflow = 0.0, supply = 0.0, exhaust = 0.0;
    forEachActiveZone(s, [&](int i) {
        Record(out)
            .x(1)
            .a(kZoneSummary)
            .x(1)
            .i(i, 4)
            .x(1)
            .f(q.qinx(i), 8, 2)
            .x(1)
            .f(q.qoutx(i), 8, 2)
            .x(1)
            .f(q.qmsup(i), 8, 2)
            .x(1)
            .f(q.qmex(i), 8, 2);
        inflow += q.qinx(i);
        outflow += q.qoutx(i);
        if (q.qmsup(i) > 0.0) supply += q.qmsup(i);
        if (q.qmex(i) < 0.0) exhaust -= q.qmex(i);
    });
    const double voltot = s.others.voltot;
    blank(out);
    Record(out).x(1).a(kVolume).x(2).f(voltot, 11, 2);
    Record(out).x(1).a(kInfiltration).x(2).f(airChanges(inflow, voltot), 8, 2);
    Record(out).x(1).a(kExfiltration).x(2).f(airChanges(outflow, voltot), 8, 2);
    Record(out).x(1).a(kSupplyRate).x(2).f(airChanges(supply, voltot), 8, 2);
    Record(out).x(1).a(kExhaustRate).x(2).f(airChanges(exhaust, voltot), 8, 2);
    blank(out);
    blank(out);
    Record(out).x(1).a(kPressures);
    blank(out);
    Record(out).x(1).a(kPressureHeading);
    const double refHeight = referenceMidHeight(s);
    forEachActiveZone(s, [&](int i) {
        const double r = s.geo.zmidabs(i) - refHeight;
        const double p = s.pressure.pz(i, 0);
        Record(out)
            .x(2)
            .i(i, 3)
            .x(1)
            .f(p, 9, 3)
            .x(1)
            .f(r * kHydrostaticFactor + p, 9, 3)
            .x(1)
            .f(r, 9, 3)
            .x(1)
            .f(-r * kHydrostaticFactor, 9, 3);
    });
    out.file.flush();
    if (!out.file) throw std::runtime_error("Cannot write the air-flow report");
}

} // namespace engine
