// Solar drivers of one step: sol-air temperatures of roof and wall paths, the irradiance handed to
// ventilation openings, and the gains of windows and skylights, worked by hand for simple skies.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "engine/core/state.h"
#include "engine/solar_airflow/diffuse_shading.h"
#include "engine/solar_airflow/solar_drivers.h"

namespace engine {
namespace {

constexpr double kRad = 0.017453292;
constexpr double kSigma = 5.6697e-8;
constexpr int kStep = 13;
constexpr double kHmax = 1.0;

class SolarDrivers : public ::testing::Test {
  protected:
    void SetUp() override {
        state = std::make_unique<EngineState>();
        EngineState& s = *state;
        s.time.nstphr = 1;
        allocateInputBlocks(s);
        s.zones.nzones = 2;
        s.tim.imonth = 1;
        s.grid.ngrid = 40;
        s.groundr.grefl = 0.2;
        s.blank.iprnt7 = 1; // isotropic sky: every irradiance worked by hand below
        s.clim.tair(kStep) = 18.0;
        s.clim.wspeed(kStep) = 2.0;
        s.clim.cloud(kStep) = 9;
        s.sysb.tzonea(1) = 20.0;
        s.sysb.tzonea(2) = 22.0;
        for (int z = 1; z <= 2; ++z) {
            s.var.blndtw(z) = 99.0;
            s.var.blndts(z) = 99.0;
            s.var.covsw(z) = 1000.0;
            s.var.covss(z) = 1000.0;
        }
        calcdiffuseshading(s);
    }

    void sun(double altitudeDeg, double azimuthDeg, double Ib, double Id) {
        state->clim.solalt(kStep) = altitudeDeg * kRad;
        state->clim.solazi(kStep) = azimuthDeg * kRad;
        state->clim.dirrad(kStep) = Ib;
        state->clim.difrad(kStep) = Id;
    }

    double rsurf() const { return 1.0 / (11.3 + 3.31 * 2.0 * kHmax); }

    void addWallPath(double azimuthDeg, double absorptance) {
        ShadBlock& shad = state->shad;
        const int k = ++shad.nwpath;
        shad.wphgt(k) = 2.4;
        shad.wpwid(k) = 4.0;
        shad.wpazim(k) = azimuthDeg;
        shad.wpabso(k) = absorptance;
        calcdiffuseshading(*state);
    }

    void addRoofPath(double slopeDeg, double azimuthDeg, double absorptance, double emissivity) {
        ShadBlock& shad = state->shad;
        const int k = ++shad.nrpath;
        shad.rpslope(k) = slopeDeg;
        shad.rpazim(k) = azimuthDeg;
        shad.rpabso(k) = absorptance;
        shad.rpemo(k) = emissivity;
    }

    // Glazing system sys: a single clear pane whose transmittance is 0.83 at 30 degrees and 0.70 at 60.
    void clearPane(int sys) {
        Wind41Block& w = state->wind41;
        w.nglay(sys) = 1;
        w.gug(sys) = 5.8;
        w.uwin(sys) = 5.8;
        w.frmu(sys) = 3.0;
        w.gfrac(sys) = 1.0;
        w.glib2(sys) = 0.84;
        w.glib3(sys) = 0.84;
        w.glib4(sys) = 20.0;
        w.glib5(sys) = 8.0;
        w.glib6(sys) = 0.87;
        w.glayb(1, sys) = 0.052;
        w.glayb(2, sys) = 0.127;
        w.glayc(1, sys) = 0.004;
        const double tau[] = {0.85, 0.85, 0.84, 0.83, 0.81, 0.77, 0.70, 0.57, 0.35, 0.0};
        for (int a = 1; a <= 10; ++a) {
            w.gangle(a, sys) = tau[a - 1];
            w.glayang(a, 1, sys) = 0.08;
        }
    }

    // A window of the clear pane (system 1) in zone 1.
    void addWindow(double azimuthDeg, double area) {
        ShadBlock& shad = state->shad;
        const int k = ++shad.nwin(1);
        shad.iwsys(1, k) = 1;
        shad.warea(1, k) = area;
        shad.wheight(1, k) = 1.5;
        shad.wwidth(1, k) = area / 1.5;
        shad.wazim(1, k) = azimuthDeg;
        clearPane(1);
        calcdiffuseshading(*state);
    }

    // Skylight system 1 of the given kind (1 rectangular well, 2 tube, 3 roof window of the clear
    // pane) in zone 1, lighting zone 2 when it is a light well.  Light wells transmit 0.8 at every angle.
    void addSkylight(int kind, double area, double azimuthDeg, double slopeDeg) {
        ShadBlock& shad = state->shad;
        shad.nsky(1) = 1;
        shad.issys(1, 1) = 11;
        shad.igltyp(1) = kind;
        shad.sarea(1, 1) = area;
        shad.sazim(1, 1) = azimuthDeg;
        shad.sslope(1, 1) = slopeDeg;
        if (kind == 3) {
            clearPane(11);
            return;
        }
        shad.szonlit(1, 1) = 2;
        shad.sshlen(1, 1) = 1.0;
        shad.sshar(1, 1) = 3.0;
        shad.sshref(1, 1) = 0.9;
        shad.sshres(1, 1) = 1.0;
        state->skylight.usky(1) = 5.0;
        for (int a = 1; a <= 10; ++a) state->skylight.sktau(1, a) = 0.8;
    }

    std::unique_ptr<EngineState> state;
};

TEST_F(SolarDrivers, WithoutSunOrSkyLossEverySolAirTemperatureIsTheAirTemperature) {
    sun(0.0, 0.0, 0.0, 0.0);
    addWallPath(90.0, 0.7);
    addRoofPath(22.5, 0.0, 0.8, 0.9);
    solahf(*state, kStep, 0.01, kHmax);
    EXPECT_DOUBLE_EQ(state->blank.drive(1, kStep), 18.0);
    EXPECT_DOUBLE_EQ(state->blank.drive(2, kStep), 18.0); // cloud digit 9: no long-wave loss
    EXPECT_DOUBLE_EQ(state->blank.drive(102, kStep), 18.0);
    EXPECT_DOUBLE_EQ(state->rsurf(kStep), rsurf());
    EXPECT_EQ(state->beff(kStep), 0.0);
}

TEST_F(SolarDrivers, ClearNightRoofIsColderByItsLongWaveLoss) {
    sun(0.0, 0.0, 0.0, 0.0);
    state->clim.cloud(kStep) = 0;
    addRoofPath(22.5, 0.0, 0.8, 0.9);
    solahf(*state, kStep, 0.01, kHmax);
    // A clear sky 14 - 0.2 x 18 = 10.4 K below the air, exchanged at 4 sigma T^3 x emissivity.
    const double loss = 10.4 * 4.0 * 0.9 * kSigma * std::pow(18.0 + 273.15, 3) * rsurf();
    EXPECT_NEAR(state->blank.drive(2, kStep), 18.0 - loss, 1e-9);
    // The linearised exchange is close to the full radiant exchange with the colder sky.
    const double T = 18.0 + 273.15;
    const double exact = 0.9 * kSigma * (std::pow(T, 4) - std::pow(T - 10.4, 4)) * rsurf();
    EXPECT_NEAR(loss, exact, 0.06 * exact);
}

TEST_F(SolarDrivers, SunlitWallAndRoofWithTheIsotropicSky) {
    sun(30.0, 90.0, 600.0, 100.0);   // sun due east, 30 degrees up
    addWallPath(90.0, 0.7);          // facing east
    addWallPath(270.0, 0.7);         // facing west: no beam, still sky and ground
    addRoofPath(0.0, 0.0, 0.8, 0.9); // flat
    state->clim.cloud(kStep) = 9;
    solahf(*state, kStep, 0.01, kHmax);
    const double ground = (0.5 * 600.0 + 100.0) * 0.2 * 0.5;
    const double east = std::cos(30.0 * kRad) * 600.0 + ground + 0.5 * 100.0;
    const double west = ground + 0.5 * 100.0;
    EXPECT_NEAR(state->blank.drive(102, kStep), 18.0 + east * 0.7 * rsurf(), 1e-6);
    EXPECT_NEAR(state->blank.drive(103, kStep), 18.0 + west * 0.7 * rsurf(), 1e-6);
    const double flat = 0.5 * 600.0 + 100.0; // beam x sin(altitude) plus the whole sky
    EXPECT_NEAR(state->blank.drive(2, kStep), 18.0 + flat * 0.8 * rsurf(), 1e-6);
}

TEST_F(SolarDrivers, WallPathWithoutSizeUnderEveryShadeStaysFinite) {
    ShadBlock& shad = state->shad;
    shad.eavep(1) = 0.6;
    shad.leftp(1) = 0.5;
    shad.rightp(1) = 0.5;
    shad.scrh(1) = 2.0;
    shad.scrw(1) = 2.0;
    shad.scrd(1) = 0.5;
    shad.scrf(1, 1) = 0.5;
    sun(30.0, 100.0, 600.0, 100.0);
    addWallPath(90.0, 0.7);
    shad.wpwid(1) = 0.0;
    shad.wphs(1) = shad.wpvs(1) = shad.wpsc1(1) = 1;
    calcdiffuseshading(*state);
    solahf(*state, kStep, 0.01, kHmax);
    EXPECT_TRUE(std::isfinite(state->blank.drive(102, kStep)));
    EXPECT_EQ(state->diffuseshad.wpdfscr(1), 1.0);
    EXPECT_GT(state->blank.drive(102, kStep), 18.0);
}

// A clear sky can bring beam without diffuse: the beam and its ground reflection still reach walls and
// windows that face the sun.
TEST_F(SolarDrivers, BeamReachesWallsAndWindowsInAStepWithoutDiffuse) {
    state->blank.iprnt7 = 9;     // isotropic, and the response factors' U-value
    sun(30.0, 90.0, 600.0, 0.0); // due east, 30 degrees up: 30 degrees from the normal of both
    addWallPath(90.0, 0.7);
    addWindow(90.0, 3.0);
    solahf(*state, kStep, 0.01, kHmax);
    const double beam = std::cos(30.0 * kRad) * 600.0;
    const double ground = 0.5 * 600.0 * 0.2 * 0.5; // sin(altitude) x Ib, reflected into half the view
    EXPECT_NEAR(state->blank.drive(102, kStep), 18.0 + (beam + ground) * 0.7 * rsurf(), 1e-6);
    // At 30 degrees the pane transmits 0.83; the ground's light meets it at 60 degrees: 0.70.
    EXPECT_NEAR(state->stuff.drive2(302, kStep), 0.9 * 3.0 * (0.83 * beam + 0.70 * ground), 1e-3);
}

TEST_F(SolarDrivers, CircumsolarDiffuseJoinsTheBeamAndIsHeldBelowFiveDegrees) {
    state->blank.iprnt7 = 0;
    sun(0.0, 90.0, 200.0, 60.0);
    state->clim.solalt(kStep) = 0.0872665; // exactly 5 degrees
    solahf(*state, kStep, 0.01, kHmax);
    // Clearness (60 + 200) / 60 = 4.33: bin 6.  Air mass capped at 3.
    const double Z = 1.5707964 - 0.0872665;
    const double F1 = 1.020 - 0.260 * (3.0 * 60.0 / 1377.0) - 0.514 * Z;
    EXPECT_NEAR(state->beff(kStep), std::max(200.0 + F1 * 60.0 * 11.473713, 0.0), 1e-6);
}

TEST_F(SolarDrivers, OpeningsInAWallPathReceiveItsIrradiance) {
    sun(30.0, 90.0, 600.0, 100.0);
    addWallPath(90.0, 0.7);
    TypeBlock& type = state->type;
    state->open1.nopen(1) = 2;
    state->open1.nopen(2) = 1;
    type.iwpzone(1) = 1;
    type.iwplink(1, 2) = 1;
    type.iwpzone(2) = 0; // flag off: keeps what it had
    type.iwplink(2, 1) = 1;
    type.opfac1(2, 1) = -5.0;
    solahf(*state, kStep, 0.01, kHmax);
    const double ground = (0.5 * 600.0 + 100.0) * 0.2 * 0.5;
    EXPECT_NEAR(type.opfac1(1, 2), std::cos(30.0 * kRad) * 600.0, 1e-6);
    EXPECT_NEAR(type.opfac2(1, 2), ground + 50.0, 1e-6);
    EXPECT_EQ(type.opfac1(1, 1), 0.0);
    EXPECT_EQ(type.opfac1(2, 1), -5.0);
}

TEST_F(SolarDrivers, WindowTransmitsBeamAndDiffuseIntoItsZone) {
    sun(30.0, 0.0, 600.0, 100.0); // due north, 30 degrees up
    addWindow(0.0, 3.0);          // facing north
    state->blank.iprnt7 = 9;      // isotropic, and the response factors' U-value
    state->blank.drive(452, kStep) = 100.0;
    state->stuff.drive2(452, kStep) = 100.0; // the time loop's copy of the internal gains
    solahf(*state, kStep, 0.01, kHmax);
    const double beam = std::cos(30.0 * kRad) * 600.0;               // at 30 degrees: transmittance 0.83
    const double diffuse = (0.5 * 600.0 + 100.0) * 0.2 * 0.5 + 50.0; // at 60 degrees: 0.70
    EXPECT_NEAR(state->stuff.drive2(302, kStep), 0.9 * 3.0 * (0.83 * beam + 0.70 * diffuse), 1e-3);
    EXPECT_EQ(state->blank.drive(302, kStep), 0.0);
    // The pane's absorbed sun flows partly inward; no conduction correction with the fixed U.
    const double absorbed = 0.08 * (beam + diffuse);
    const double added = state->stuff.drive2(452, kStep) - 100.0;
    EXPECT_GT(added, 0.0);
    EXPECT_LT(added, 0.9 * absorbed * 3.0);
    EXPECT_DOUBLE_EQ(state->stuff.umax, 5.8);
    EXPECT_DOUBLE_EQ(state->stuff.umin, 5.8);
}

TEST_F(SolarDrivers, OutdoorBlindTakesPrecedenceOverAnAutomaticCurtain) {
    sun(30.0, 0.0, 600.0, 100.0);
    addWindow(0.0, 3.0);
    state->blank.iprnt7 = 9;
    solahf(*state, kStep, 0.01, kHmax);
    const double unblinded = state->stuff.drive2(302, kStep);

    state->shad.wblind(1, 1) = 1;
    state->wind41.blindw(1) = 0.3;
    state->var.blndtw(1) = 10.0; // warm enough for the blind
    state->var.blndsw(1) = 50.0;
    state->var.covsw(1) = 50.0; // the automatic curtain would be drawn too
    state->stuff.icovw(1, kStep) = 2;
    state->shad.wcurt(1, 1) = 1;
    state->wind41.curtr(1) = 0.2;
    state->wind41.curtt(1) = 0.1;
    state->wind41.curta(1) = 0.4;
    solahf(*state, kStep, 0.01, kHmax);
    EXPECT_NEAR(state->stuff.drive2(302, kStep), 0.3 * unblinded, 1e-6); // curtain stays open
}

TEST_F(SolarDrivers, AutomaticCurtainAtExactlyItsSolarLevelStaysOpen) {
    sun(0.0, 0.0, 0.0, 0.0); // night: the solar level is 0
    addWindow(0.0, 3.0);
    state->blank.iprnt7 = 0;
    state->shad.wcurt(1, 1) = 1;
    state->wind41.curtr(1) = 0.3;
    state->wind41.curtt(1) = 0.1;
    state->wind41.curta(1) = 0.4;
    state->var.covsw(1) = 0.0;
    const auto conducted = [&](int curtainState) {
        state->stuff.icovw(1, kStep) = static_cast<std::int16_t>(curtainState);
        state->stuff.drive2(452, kStep) = 0.0;
        solahf(*state, kStep, 0.01, kHmax);
        return state->stuff.drive2(452, kStep);
    };
    const double open = conducted(0);
    const double drawn = conducted(1);
    EXPECT_DOUBLE_EQ(conducted(2), open);
    // Colder outside than in: the drawn curtain lowers the U-value and so the heat lost.
    EXPECT_LT(open, drawn);
}

TEST_F(SolarDrivers, LightWellWithoutAreaAdmitsAndConductsNothing) {
    ShadBlock& shad = state->shad;
    shad.nsky(1) = 1;
    shad.issys(1, 1) = 11;
    shad.szonlit(1, 1) = 2;
    shad.sshref(1, 1) = 0.8;
    shad.sdiff(1, 1) = 1; // with a diffuser: the cavity temperature weights by zero conductances
    shad.igltyp(1) = 1;
    state->skylight.usky(1) = 5.0;
    for (int a = 1; a <= 10; ++a) state->skylight.sktau(1, a) = 0.8;
    for (const double altitude : {60.0, 0.0}) {
        sun(altitude, 0.0, altitude > 0.0 ? 700.0 : 0.0, altitude > 0.0 ? 100.0 : 0.0);
        solahf(*state, kStep, 0.01, kHmax);
        for (int row : {302, 303, 452, 453})
            EXPECT_EQ(state->stuff.drive2(row, kStep), 0.0) << altitude << " " << row;
    }
}

TEST_F(SolarDrivers, DiagnosticSwitchDumpsTheWeatherAndTheDrivers) {
    std::ostringstream report;
    state->textReport = &report;
    sun(30.0, 90.0, 600.0, 100.0);
    solahf(*state, kStep, 0.01, kHmax);
    EXPECT_TRUE(report.str().empty());
    state->blank.iprnt5 = 2;
    solahf(*state, kStep, 0.01, kHmax);
    const std::string text = report.str();
    EXPECT_EQ(text.rfind("WEATHER DATA FOR", 0), 0u);
    for (const char* label :
         {" AIR TEMPERATURE=", " WIND SPEED     =", " CLOUD COVER    =", " DIFFUSE RADN   =",
          " DIRECT RADN    =", " SOLAR ALTITUDE =", " SOLAR AZIMUTH  =", "DRIVERS", "HOUR"}) {
        EXPECT_NE(text.find(label), std::string::npos) << label;
    }
    // Hour 13 is the first value of the second group: the air temperature of step 13.
    EXPECT_NE(text.find(" AIR TEMPERATURE=     18.0"), std::string::npos);
}

// Two light wells in zone 1 (the roof zone, 20 C) light zone 2 (22 C): a rectangular well of
// reflectance 0, which admits nothing, with a diffuser of 2.5 W/m2K under its glazing in series with
// its shaft wall, and a tube without one.  Whatever the sky, each shaft wall exchanges its U A dT
// between the two zones: the sun adds its light, never takes the wall away.  The glazing's
// conduction from outdoors is in the zone's response in every step, and is not added here.
TEST_F(SolarDrivers, LightWellsAdmitSunAndExchangeThroughTheirShaftsInEveryStep) {
    ShadBlock& shad = state->shad;
    SkylightBlock& sky = state->skylight;
    shad.nsky(1) = 2;
    for (int k = 1; k <= 2; ++k) {
        shad.issys(1, k) = 10 + k;
        shad.sarea(1, k) = 0.5;
        shad.sslope(1, k) = 0.0;
        shad.szonlit(1, k) = 2;
        shad.sshlen(1, k) = 1.0;
        shad.sshar(1, k) = 3.0;
        shad.sshres(1, k) = 1.0;
        sky.usky(k) = 5.0;
        for (int a = 1; a <= 10; ++a) sky.sktau(k, a) = 0.8;
    }
    shad.igltyp(1) = 1;
    shad.sshref(1, 1) = 0.0;
    shad.sdiff(1, 1) = 1;
    sky.skp1(1) = 2.5;
    sky.skp2(1) = 0.7;
    shad.igltyp(2) = 2;
    shad.sshref(1, 2) = 0.9;
    shad.skfrf(2) = 0.1;

    const double shaft = 3.0 * 1.0 / (0.218 + 1.0); // W/K
    const double diffuser = 0.5 * 2.5;              // W/K
    const double series = shaft * diffuser / (shaft + diffuser);
    const double intoLit = (20.0 - 22.0) * (series + shaft); // W
    // The tube: a beam straight down passes the shaft whole; the diffuse meets it at 30 degrees.
    const double x = 0.5 * 1.0 * std::sqrt(3.1415927 / 0.5);
    const double tsd = std::pow(0.9, 4.0 * x * std::tan(30.0 * kRad) / 3.1415927);
    const auto tube = [tsd](double Ib, double Id) { return 0.9 * (Id * 0.8 * tsd + Ib * 0.8) * 0.5; };
    struct Case {
        const char* sky;
        double altitude, Ib, Id; // degrees, W/m2
    };
    const Case cases[] = {{"night", 0.0, 0.0, 0.0},
                          {"a faint sky of 1 W/m2", 90.0, 0.0, 1.0},
                          {"the sun overhead", 90.0, 700.0, 100.0}};
    for (const Case& c : cases) {
        for (int row : {302, 303, 452, 453}) state->stuff.drive2(row, kStep) = 0.0;
        sun(c.altitude, 0.0, c.Ib, c.Id);
        solahf(*state, kStep, 0.01, kHmax);
        EXPECT_NEAR(state->stuff.drive2(303, kStep), tube(c.Ib, c.Id), 0.5) << c.sky;
        EXPECT_EQ(state->stuff.drive2(302, kStep), 0.0) << c.sky;
        EXPECT_NEAR(state->stuff.drive2(453, kStep), intoLit, 1e-9) << c.sky;
        EXPECT_NEAR(state->stuff.drive2(452, kStep), -intoLit, 1e-9) << c.sky;
    }
}

// Sky light reaches a skylight whose plane the sun is behind: an isotropic sky sends a plane of tilt b
// the share (1 + cos b) / 2 of the horizontal diffuse wherever the sun stands.  A plane tilted 60
// degrees to the north with the sun 20 degrees up in the south (the sun behind it) gets as much as
// the same plane with the sun in the north and no beam.
TEST_F(SolarDrivers, SkylightsFacingAwayFromTheSunGetTheSkyDiffuse) {
    struct Case {
        const char* what;
        int kind;
        int row; // solar gain row of the zone it lights
    };
    const Case cases[] = {{"tube", 2, 303}, {"roof window", 3, 302}};
    for (const Case& c : cases) {
        SetUp();
        addSkylight(c.kind, 0.5, 0.0, 60.0);
        const auto transmitted = [&](double sunAzimuth, double Ib) {
            state->stuff.drive2(c.row, kStep) = 0.0;
            sun(20.0, sunAzimuth, Ib, 100.0);
            solahf(*state, kStep, 0.01, kHmax);
            return state->stuff.drive2(c.row, kStep);
        };
        const double behind = transmitted(180.0, 500.0);
        const double facingSkyOnly = transmitted(0.0, 0.0);
        EXPECT_GT(behind, 0.0) << c.what;
        EXPECT_NEAR(behind, facingSkyOnly, 1e-9 * facingSkyOnly) << c.what;
        if (c.kind != 2) continue;
        // The tube: 100 x (1 + cos 60) / 2 = 75 W/m2 of sky, transmitted 0.8 by the glazing and
        // 0.9 ^ (4 x tan 30 / pi) times over the length-to-diameter ratio x by the tube.
        const double x = 0.5 * 1.0 * std::sqrt(3.14159265 / 0.5);
        const double tube = std::pow(0.9, 4.0 * x * std::tan(30.0 * kRad) / 3.14159265);
        EXPECT_NEAR(behind, 75.0 * 0.8 * tube * 0.5, 1e-3) << c.what;
    }
}

} // namespace
} // namespace engine
