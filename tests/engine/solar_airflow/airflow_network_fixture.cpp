#include "airflow_network_fixture.h"

#include "engine/solar_airflow/airflow_network.h"
#include "engine/solar_airflow/ventilation_openings.h"

#include <algorithm>
#include <cmath>

namespace engine::testing {

AirflowNetwork::AirflowNetwork() : state_(std::make_unique<EngineState>()) {
    auto& n = state_->numerics;
    // The values of the card file that the modeller writes.
    n.maxitv = 100;
    n.maxivi = 100;
    n.urfv = 0.2;
    n.convv = 0.001;
    n.convvi = 0.01;
    state_->zones.nzones = 0;
}

void AirflowNetwork::setTightNumerics() {
    auto& n = state_->numerics;
    n.maxitv = 3000;
    n.convv = 1e-11;
    n.convvi = 1e-6;
}

int AirflowNetwork::addZone(double floorHeight, double ceilingHeight, double volume, double wsred) {
    auto& s = *state_;
    const int z = ++s.zones.nzones;
    s.zones.zvol(z) = volume;
    s.wind.wsred(z) = wsred;
    auto& g = s.geo;
    g.zflht(z) = floorHeight;
    g.zceilht(z) = ceilingHeight;
    g.ztopht(z) = floorHeight + ceilingHeight;
    g.zmidht(z) = 0.5 * ceilingHeight;
    g.zmidabs(z) = floorHeight + 0.5 * ceilingHeight;
    if (g.zmidabs(z) < zmidmin_) {
        zmidmin_ = g.zmidabs(z);
        s.pressure.irefz = z;
    }
    return z;
}

int AirflowNetwork::addOpening(int zone, const OpeningCard& c) {
    auto& s = *state_;
    if (s.open1.nopen(zone) == 0) {
        s.ventzones.ivz(++s.ventzones.nvz) = zone;
        s.ventzones.ivzon(zone) = 1;
    }
    const int k = ++s.open1.nopen(zone);
    s.geo.owidth(zone, k) = c.width;
    s.open1.ocd(zone, k) = c.cd;
    s.open1.operc(zone, k) = 0.01 * c.perc;
    s.geo.olow(zone, k) = c.low;
    s.geo.ohigh(zone, k) = c.high;
    s.outdoor.icpidx(zone, k) = c.cpindx;
    s.type.itypop(zone, k) = c.type;
    s.open1.oexpon(zone, k) = c.expon;
    s.type.iadjz(zone, k) = c.adjzon;
    s.type.icontyp(zone, k) = c.contyp;
    s.geo.omidht(zone, k) = c.midht <= 1e-20 ? s.geo.zmidabs(zone) : c.midht;
    s.type.ifixop(zone, k) = c.contrl == 0 ? 1 : 0;
    s.type.iopen(zone, k) = 1;
    return k;
}

void AirflowNetwork::addPressureSet(int number, const std::array<double, 8>& cp) {
    auto& w = state_->wind;
    const int j = ++w.ncpset;
    state_->outdoor.icpno(j) = number;
    for (int d = 1; d <= 8; ++d) w.cpval(j, d) = cp[static_cast<std::size_t>(d - 1)];
}

void AirflowNetwork::finishInput() {
    checkventinput(*state_);
}

int AirflowNetwork::step(double zoneTemperature, double outdoorTemperature, double windSpeed,
                         double windDirection) {
    std::array<double, 11> t{};
    t.fill(zoneTemperature);
    return step(t, outdoorTemperature, windSpeed, windDirection);
}

int AirflowNetwork::step(const std::array<double, 11>& zoneTemperatures, double outdoorTemperature,
                         double windSpeed, double windDirection, bool prepare) {
    auto& s = *state_;
    if (prepare) {
        for (int n = 1; n <= s.ventzones.nvz; ++n) {
            const int z = s.ventzones.ivz(n);
            s.ventzones.ivzon(z) = 1;
            s.ventzones.venfac(z) = 1.0;
            for (int k = 1; k <= s.open1.nopen(z); ++k) s.type.iopen(z, k) = 1;
        }
        s.ventzones.nvzact = s.ventzones.nvz;
    }
    common::FixedArray1<double, 0, kMaxZones + 1> t;
    for (int z = 1; z <= 10; ++z) t(z) = zoneTemperatures[static_cast<std::size_t>(z)];
    t(kMaxZones + 1) = outdoorTemperature;
    int istat = -1;
    mix2(s, t, windSpeed, windDirection, 1, istat);
    return istat;
}

double AirflowNetwork::imbalance(int zone) const {
    const auto& s = *state_;
    double sum = s.flow.qmsup(zone) + s.flow.qmex(zone);
    for (int k = 1; k <= s.open1.nopen(zone); ++k) sum += s.flow.qin(zone, k) - s.flow.qout(zone, k);
    return sum;
}

double AirflowNetwork::largestFlow() const {
    const auto& s = *state_;
    double largest = 0.0;
    for (int n = 1; n <= s.ventzones.nvz; ++n) {
        const int z = s.ventzones.ivz(n);
        for (int k = 1; k <= s.open1.nopen(z); ++k) {
            largest = std::max({largest, std::fabs(s.flow.qin(z, k)), std::fabs(s.flow.qout(z, k))});
        }
    }
    return largest;
}

} // namespace engine::testing
