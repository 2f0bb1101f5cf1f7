#include "engine/solar_airflow/solar_drivers.h"

#include <ostream>
#include <string>
#include <string_view>

#include "common/fixed_width.h"
#include "engine/core/state.h"
#include "engine/solar_airflow/beam_shading.h"
#include "engine/solar_airflow/sky_model.h"
#include "engine/solar_airflow/solar_messages.h"
#include "engine/solar_airflow/window_gains.h"

namespace engine {
namespace {

constexpr double kFiveDegrees = 0.0872665;           // rad
constexpr double kInverseSinFiveDegrees = 11.473713; // 1 / sin 5 degrees
constexpr double kSigma = 5.6697e-8;                 // Stefan-Boltzmann constant, W/m2K4
constexpr double kKelvin = 273.15;                   // K at 0 C
constexpr int kFirstRoofRow = 1;                     // row of roof path k is 1 + k
constexpr int kFirstWallRow = 101;                   // row of wall path k is 101 + k
constexpr int kFirstGainRow = 302;                   // zones' solar gains, rows 302..451
constexpr int kLastGainRow = 451;

// The sky of step s: the sky model's coefficients and the beam with the circumsolar diffuse moved in.
StepSky skyOfStep(const EngineState& state, int s) {
    StepSky sky;
    sky.alt = state.clim.solalt(s);
    sky.azi = state.clim.solazi(s);
    sky.Ib = state.clim.dirrad(s);
    sky.Id = state.clim.difrad(s);
    sky.Ta = state.clim.tair(s);
    sky.perezSky = state.blank.iprnt7 == 0;
    sky.groundr = state.groundr.grefl;
    if (sky.alt < 0.0) return sky;
    perez(sky.alt, sky.Ib, sky.Id, sky.F1, sky.F2);
    // Below 5 degrees the circumsolar term is held at its value for 5 degrees.
    const double perSin = sky.alt > kFiveDegrees ? 1.0 / std::sin(sky.alt) : kInverseSinFiveDegrees;
    sky.beff = std::max(sky.Ib + sky.F1 * sky.Id * perSin, 0.0);
    return sky;
}

void roofPaths(EngineState& state, int s, const StepSky& sky) {
    const ShadBlock& shad = state.shad;
    const double Ta = sky.Ta;
    const double rsurf = state.rsurf(s);
    // sigma T^3 x rsurf, dimensionless: times 4, the emissivity and the sky depression it gives kelvin.
    const double Qlw = kSigma * std::pow(Ta + kKelvin, 3) * rsurf;
    // Long-wave loss to a sky (14 - 0.2 Ta) K colder than the air when clear, less with cloud.
    const double skyDepression = (14.0 - 0.2 * Ta) * 4.0 * Qlw * (9 - state.clim.cloud(s)) * (1.0 / 9.0);
    for (int k = 1; k <= shad.nrpath; ++k) {
        const double beta = shad.rpslope(k) * data::RAD;
        const double gamma = shad.rpazim(k) * data::RAD;
        const double I = cosIncidence(sky, beta, gamma) * beamNormal(sky) + skyDiffuse(sky, beta);
        state.blank.drive(kFirstRoofRow + k, s) =
            Ta + I * shad.rpabso(k) * rsurf - shad.rpemo(k) * skyDepression;
    }
}

// Hands the wall path's irradiance to the ventilation openings that lie in it.
void openingFactors(EngineState& state, int path, double Ibeam, double Idif) {
    TypeBlock& type = state.type;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        if (type.iwpzone(z) == 0) continue;
        for (int j = 1; j <= state.open1.nopen(z); ++j) {
            if (type.iwplink(z, j) != path) continue;
            type.opfac1(z, j) = Ibeam;
            type.opfac2(z, j) = Idif;
        }
    }
}

void wallPaths(EngineState& state, int s, const StepSky& sky) {
    const ShadBlock& shad = state.shad;
    const DiffuseshadBlock& d = state.diffuseshad;
    const double rsurf = state.rsurf(s);
    for (int k = 1; k <= shad.nwpath; ++k) {
        const ShadowAngles a = shadowAngles(sky, shad.wpazim(k) * data::RAD);
        double Ibeam = 0.0;
        // The beam reaches the wall whenever the sun is in front of it, with or without diffuse
        // light; without beam there is nothing to shade.
        if (a.cosTheta > 0.0 && beamNormal(sky) > 0.0) {
            const BeamShadingPlan& plan = state.beamplans.path(k);
            const double fs = checkedSunlitFraction(state, plan, screenFlags(plan, a.h, a.v), a.h, a.v);
            Ibeam = std::max(a.cosTheta * beamNormal(sky) * fs, 0.0);
        }
        // The ground reflects the beam as well as the sky.
        const double Idif =
            groundReflected(sky) + d.wpdfscr(k) * d.wpdfhor(k) * d.wpdfver(k) * skyDiffuseVertical(sky);
        // Walls get no long-wave term.
        state.blank.drive(kFirstWallRow + k, s) = sky.Ta + (Ibeam + Idif) * shad.wpabso(k) * rsurf;
        openingFactors(state, k, Ibeam, Idif);
    }
}

constexpr int kHoursPerLine = 12;

// One line of the dump: the label and the values of hours first..first+11.
template <class Value> void dumpLine(std::ostream& out, std::string_view label, int first, Value value) {
    std::string line(label);
    for (int hour = first; hour < first + kHoursPerLine; ++hour) {
        fw::appendFixed(line, value(hour), 9, 1, fw::Overflow::Asterisks);
    }
    out << line << '\n';
}

// The day's weather and every row of `drive`, for hours 1-12 and 13-24 (the first step of each hour).
void writeDriverDump(EngineState& state) {
    std::ostream& out = textReportOf(state);
    const ClimBlock& clim = state.clim;
    const int perHour = state.time.nstphr;
    const auto step = [perHour](int hour) { return (hour - 1) * perHour + 1; };
    out << "WEATHER DATA FOR DAY " << state.tim.iday << " MONTH " << state.tim.imonth << '\n';
    for (int first : {1, 1 + kHoursPerLine}) {
        dumpLine(out, " AIR TEMPERATURE=", first, [&](int h) { return clim.tair(step(h)); });
        dumpLine(out, " WIND SPEED     =", first, [&](int h) { return clim.wspeed(step(h)); });
        dumpLine(out, " CLOUD COVER    =", first, [&](int h) { return double(clim.cloud(step(h))); });
        dumpLine(out, " DIFFUSE RADN   =", first, [&](int h) { return clim.difrad(step(h)); });
        dumpLine(out, " DIRECT RADN    =", first, [&](int h) { return clim.dirrad(step(h)); });
        dumpLine(out, " SOLAR ALTITUDE =", first, [&](int h) { return clim.solalt(step(h)) * data::DEG; });
        dumpLine(out, " SOLAR AZIMUTH  =", first, [&](int h) { return clim.solazi(step(h)) * data::DEG; });
    }
    for (int first : {1, 1 + kHoursPerLine}) {
        out << " DRIVERS, HOUR " << first << " TO " << first + kHoursPerLine - 1 << '\n';
        for (int r = 1; r <= kDriverRows; ++r) {
            std::string label = " ROW ";
            fw::appendInteger(label, r, 3, fw::Overflow::Asterisks);
            label += "     =";
            dumpLine(out, label, first, [&](int h) { return state.blank.drive(r, step(h)); });
        }
    }
}

} // namespace

ShadowAngles shadowAngles(const StepSky& sky, double gamma) {
    ShadowAngles a;
    const double delta = sky.azi - gamma;
    const double c = std::cos(sky.alt) * std::cos(delta);
    if (!(c > 0.0)) return a;
    a.cosTheta = c;
    a.v = std::atan(std::sin(sky.alt) / c);
    a.h = delta - data::PI * std::floor(delta / data::PI + 0.5);
    return a;
}

void solahf(EngineState& state, int istep, double tol, double hmax) {
    const int s = istep;
    for (int r = kFirstGainRow; r <= kLastGainRow; ++r) {
        state.blank.drive(r, s) = 0.0;
        state.stuff.drive2(r, s) = 0.0;
    }
    // The beam shading plans follow the month of the diffuse factors; make them if that did not run.
    if (state.beamplans.month != state.tim.imonth) makeBeamPlans(state);

    const StepSky sky = skyOfStep(state, s);
    state.beff(s) = sky.beff;
    state.rsurf(s) = 1.0 / (11.3 + 3.31 * state.clim.wspeed(s) * hmax);
    state.blank.drive(1, s) = sky.Ta;
    roofPaths(state, s, sky);
    wallPaths(state, s, sky);
    openingGains(state, s, sky, tol, hmax);
    if (state.blank.iprnt5 > 1) writeDriverDump(state);
}

} // namespace engine
