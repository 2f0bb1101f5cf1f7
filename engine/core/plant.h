// Heating and cooling plant with psychrometrics: the ideal plant that holds every conditioned zone
// that needs it at its set-point, taking the zones' influence on each other into account; the
// cooling coil with a fixed supply temperature that gives the latent load and the zone humidity; the
// humidity balance of zones without plant; and the comfort test of cooled zones.
//
// Temperatures in °C, humidity ratios in g/kg, pressures in kPa, air flows in L/s, loads in W.
#pragma once

namespace engine {

struct EngineState;

inline constexpr double kSupplyTemperature = 14.0; // supply air of the cooling coils, °C

// Saturation vapour pressure over water at T, kPa.
double p1(double t);
// Humidity ratio w (g/kg) of air at T and relative humidity rh (%).
void tandrh(double t, double rh, double& w);
// Relative humidity rh (%) of air at T with humidity ratio w; above saturation w is lowered to the
// saturation value and rh is 100.
void tandw(double t, double& w, double& rh);
// The coil curves: leaving humidity ratio fna(W) + fnb(W) × supply temperature.
double fna(double w);
double fnb(double w);

// Humidity ratio of a zone without plant after one hour: volume V (m³), air changes N per hour,
// outdoor humidity wout, latent gain (W).
double uncooledHumidity(double w, double volume, double n, double wout, double latentGain);

// Comfort test of a cooled zone at tz with comfort temperature tcomfort, cooling set-point tcool, air
// speed v (m/s) and humidity w (may be lowered to saturation).  Result 1 comfortable, 0 cooling needed.
void checkcondition(double tz, double tcomfort, double tcool, double v, double& w, int& result);

// The results of the cooling coil of one zone.
struct CoilResult {
    double wleave = 0.0;   // humidity ratio leaving the coil, g/kg
    double fraction = 0.0; // fraction of the step the coil runs
    double latent = 0.0;   // W
    double sensible = 0.0; // W
    double total = 0.0;    // W
};

// Cooling coil of one zone: wout outdoor humidity, w zone humidity (in/out), vs supply air flow
// (in/out, raised when the load exceeds the coil's capacity), f fresh-air fraction, latentGain (W),
// qs the sensible load asked for (W, positive), tout outdoor dry bulb, tset set-point, ts supply
// temperature, n air changes per hour, volume (m³).
void coilld(double wout, double& w, double& vs, double f, double latentGain, double qs, double tout,
            double tset, double ts, double n, double volume, CoilResult& result);

// One step of the plant: the loads that hold the listed zones at their targets, the coil, the
// humidity of every zone, the step's energies and peaks, and the loads injected into the zones'
// future temperatures.  wout outdoor humidity (g/kg), tout outdoor dry bulb, ts supply temperature,
// tmaxday the day's highest dry bulb, month 1..12, step of the day.
void hvacsystem(EngineState& state, double wout, double tout, double ts, double tmaxday, int month, int step);

} // namespace engine
