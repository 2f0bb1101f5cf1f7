// The data blocks read from the card file, the material file, the glazing libraries and the climate
// file, and the run constants that the main program sets before the input.
//
// Every block keeps its name and its 1-based index ranges: zones 1..150, paths of a zone 1..200,
// building sections 1..200, materials 1..999, openings of a zone 1..50, steps of the day 1..1440.
// Reals are held in double.  Where a second name for a member is used by the solar and air-flow
// routines, it is given in the member's comment.
//
// Blocks of which the input reader writes only a part (the air-flow network's `flow`, `pressure`,
// `outdoor`, `wind`, `geo`, `open1` and `type`; the time loop's `tim`, `clim`, `sysa`, `ventzones`)
// are declared here whole, so that each block is one structure.
//
// The tables sized by steps of the day (`drive`, `theat`, `tcool`, `latgain`, and `drive2` of the
// solar blocks) are allocated once, for 24 × `nstphr` steps, by allocateInputBlocks before the input
// is read.
#pragma once

#include <filesystem>
#include <fstream>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "common/arrays.h"
#include "engine/core/climate_file.h"

namespace engine {

// Capacities of the engine's tables.
inline constexpr int kMaxZones = 150;
inline constexpr int kMaxPathsPerZone = 200;
inline constexpr int kMaxSections = 200;
inline constexpr int kMaxLayers = 10;
inline constexpr int kMaxMaterials = 999;
inline constexpr int kMaxWindowsPerZone = 30;
inline constexpr int kMaxSkylightsPerZone = 10;
inline constexpr int kMaxOpeningsPerZone = 50;
inline constexpr int kMaxWallPaths = 200;
inline constexpr int kMaxRoofPaths = 100;
inline constexpr int kMaxSchemes = 999;
inline constexpr int kMaxPressureSets = 999;
inline constexpr int kMaxLibraries = 20;
inline constexpr int kMaxCurtains = 20;
inline constexpr int kMaxGlazings = 20;        // glazing systems: 1..10 windows, 11..20 roof windows
inline constexpr int kMaxSkylightSystems = 10; // skylight systems 1..10 (sections 11..20)
inline constexpr int kMaxGlassLayers = 3;
inline constexpr int kRoofWindowType = 3; // glazing Type of a roof window on a skylight section card
inline constexpr int kMaxStepsPerDay = 1440;
inline constexpr int kDriverRows = 601;    // rows of `drive`
inline constexpr int kDriverUseRows = 752; // rows of `idrvuse`; row 752 keeps the zone's number
inline constexpr int kValuPoints = 193;

template <class T> using PerZone = common::FixedArray1<T, 1, kMaxZones>;
template <class T> using PerZonePath = common::FixedArray2<T, 1, kMaxZones, 1, kMaxPathsPerZone>;
template <class T> using PerZoneOpening = common::FixedArray2<T, 1, kMaxZones, 1, kMaxOpeningsPerZone>;
template <class T> using PerZoneWindow = common::FixedArray2<T, 1, kMaxZones, 1, kMaxWindowsPerZone>;
template <class T> using PerZoneSkylight = common::FixedArray2<T, 1, kMaxZones, 1, kMaxSkylightsPerZone>;
template <class T> using PerSection = common::FixedArray1<T, 1, kMaxSections>;
template <class T> using PerMaterial = common::FixedArray1<T, 1, kMaxMaterials>;
template <class T> using PerScheme = common::FixedArray1<T, 1, kMaxSchemes>;
template <class T> using PerGlazing = common::FixedArray1<T, 1, kMaxGlazings>;
template <class T> using PerSkylightSystem = common::FixedArray1<T, 1, kMaxSkylightSystems>;
template <class T> using PerCurtain = common::FixedArray1<T, 1, kMaxCurtains>;
template <class T> using PerStep = common::FixedArray1<T, 1, kMaxStepsPerDay>;
template <class T> using PerMonth = common::FixedArray1<T, 1, 12>;

// Shared constants of the solar routines (block `data`).
namespace data {
inline constexpr double PI = 3.1415927;
inline constexpr double RAD = 0.017453292; // radians per degree
inline constexpr double DEG = 57.29578;    // degrees per radian
} // namespace data

// Block `time`: the time-step constants, set once by the main program.
struct TimeBlock {
    int mintwx = 60;   // minutes between weather records
    int mintstep = 60; // minutes per calculation step
    int nstphr = 1;    // calculation steps per hour
    int nwxhr = 1;     // weather records per hour
};

// Block `valu`: the history re-weighting tables, filled once by the main program.
struct ValuBlock {
    common::FixedArray1<double, 1, kValuPoints> valua, valub, valuc;
    double valua0 = 0.0, valub0 = 0.0, valuc0 = 0.0;
    int ivaloff = 0;
};

// Block `ch`: the texts of card 1/1.
struct ChBlock {
    std::string jobname;  // A36, job name
    std::string datetext; // A10, date text
    std::string jobtext;  // A12, kept, used nowhere
};

// Block `tim`.
struct TimBlock {
    int iyear = 0;  // year of card 1/1
    int imonth = 0; // month 1..12 of the day being simulated (time loop)
    int iday = 0;   // day of the month of the day being simulated (time loop)
};

// Block `blank`.
struct BlankBlock {
    int nstath = 0;              // length of the stated-hours list
    PerZone<int> ihrfrom, ihrto; // from-hour and to-hour of stated-hours list position j (24 as 0)
    int iprnt1 = 0, iprnt2 = 0, iprnt3 = 0, iprnt4 = 0; // print switches of card 1/1
    int iprnt5 = 0, iprnt6 = 0, iprnt7 = 0, iprnt8 = 0;
    PerZone<int> npath; // heat-flow paths of zone z
    // Driver table (row, step of the day): row 1 outdoor dry bulb (°C), 2..101 roof sol-air paths,
    // 102..301 wall sol-air paths (°C), 302..451 solar gains of zones 1..150, 452..601 sensible
    // internal gains of zones 1..150 (W).  Sized 601 × (24 × nstphr).
    common::Array2<double> drive;
};

// Block `where`: the site of card 1/3.
struct WhereBlock {
    double xlat = 0.0;   // latitude, radians, south negative
    double xlong = 0.0;  // longitude, radians, east positive
    double smerid = 0.0; // standard meridian, degrees east
};

struct WshumBlock {
    int ihumid = 0; // 1 when the climate file carries humidity
};

// Block `prin2`.
struct Prin2Block {
    std::string c8file;    // A120, the extra output file; "None" when not wanted
    int ntemp = 0;         // zones listed in the hourly temperature file
    PerZone<double> tempz; // those zones in card order, each held as a real value
};

struct FlowfileBlock {
    int iflowf = 0; // 1: write the air-flow report
};

// Block `numerics`: card 1/12.
struct NumericsBlock {
    int maxitv = 0;      // Newton iteration limit of the air-flow network
    int maxivi = 0;      // pre-iteration limit
    int maxitt = 0;      // temperature iteration limit
    int maxitg = 0;      // glazing iteration limit
    double urfv = 0.0;   // relaxation factor of the pressure correction
    double urft = 0.0;   // relaxation factor of the temperature iteration
    double convv = 0.0;  // Newton tolerance (Pa and m³/s)
    double convvi = 0.0; // pre-iteration tolerance, Pa
    double convt = 0.0;  // temperature tolerance, K
    double convg = 0.0;  // glazing tolerance
};

struct MixcBlock {
    double rungek = 0.0; // RungeK of card 1/12, kept as a real
};

// Block `wind`.
struct WindBlock {
    PerZone<double> wsred; // wind-speed reduction factor of the zone card
    double hmax = 0.0;     // largest wsred of the zone cards
    common::FixedArray2<double, 1, kMaxPressureSets, 1, 8> cpval; // coefficients of set (position) for
                                                                  // wind directions 0, 45, .. 315 degrees
    int ncpset = 0;                                               // pressure coefficient sets read
    PerZoneOpening<double> cpop; // coefficient of each opening for the step's wind sector (air flow)
};

// Block `outdoor`.
struct OutdoorBlock {
    common::FixedArray1<int, 1, kMaxPressureSets> icpno; // set number of card 1/13 per position (icpid)
    PerZoneOpening<int> icpidx;                          // pressure coefficient set number of the opening
    PerZoneOpening<double> vloc;                         // local wind speed at the opening, m/s (air flow)
    PerZoneOpening<double> tfar;                         // temperature beyond the opening, °C (air flow)
    PerZoneOpening<double> drho;                         // density beyond minus density of the zone, kg/m³
    common::FixedArray1<double, 0, kMaxZones> rho;       // air density, 0 outdoors, kg/m³ (air flow)
};

struct VentfactorsBlock {
    double shield = 0.0; // shielding factor of card 1/14
};

struct GroundrBlock {
    double grefl = 0.0; // ground reflectance, fraction
};

// Block `gground`: the slab on ground of card 1/15.
struct GgroundBlock {
    double slabar = 0.0;  // slab area, m²
    double slabper = 0.0; // slab perimeter, m
    double gwallt = 0.0;  // wall thickness, m
    double gcond = 0.0;   // soil conductivity, W/mK
    double gdiff = 0.0;   // soil diffusivity
    double gedge = 0.0;   // edge insulation
};

struct CondfaBlock {
    double cfarea = 0.0; // conditioned floor area, m²
};

// Block `wind41`: window and roof-window glazing systems (index s = section 1..20), curtains and
// blinds.  The library values are stored by position as the library record holds them.
struct Wind41Block {
    PerCurtain<double> curtr;  // added resistance of window curtain k, m²K/W
    PerCurtain<double> curtt;  // solar transmittance of window curtain k
    PerCurtain<double> curta;  // solar absorptance of window curtain k
    PerCurtain<double> blindw; // fraction of radiation passed by outdoor window blind k
    PerCurtain<double> blinds; // the same for skylights and roof windows
    PerGlazing<double> uwin;   // overall U-value of the system, W/m²K (glzu)
    PerGlazing<double> gug;    // centre-of-glass U-value of the library, W/m²K (glzug)
    PerGlazing<double> frmu;   // frame U-value of the card, W/m²K (glzuf)
    PerGlazing<double> gfrac;  // glass fraction, 1 - FrameF (glzfg)
    PerGlazing<double> frma;   // frame absorptance (glzaf)
    PerGlazing<int> nglay;     // glass layers n (glzn)
    PerGlazing<double> glib2, glib3, glib4, glib5, glib6; // further values of the first data record
    common::FixedArray2<double, 1, kMaxGlassLayers + 1, 1, kMaxGlazings> glayb; // second data record
    common::FixedArray2<double, 1, kMaxGlassLayers, 1, kMaxGlazings> glayc;     // third data record
    common::FixedArray2<double, 1, 10, 1, kMaxGlazings> gangle;                 // fourth data record
    common::Array3<double> glayang{1, 10, 1, kMaxGlassLayers, 1, kMaxGlazings}; // one record per layer
    // The four further values of the window cards (sections 1..10): glzovug, glzovuf, glzovfg, glzovsh.
    PerSkylightSystem<double> gsys4, gsys5, gsys6, gsys7;
    // The same four of the skylight and roof-window cards, by section - 10.
    PerSkylightSystem<double> rgsys4, rgsys5, rgsys6, rgsys7;
};

// Block `skylight`: skylight systems (index section - 10) and roof-window curtains.
struct SkylightBlock {
    PerSkylightSystem<double> usky;                                   // overall U-value, W/m²K (skyu)
    common::FixedArray2<double, 1, kMaxSkylightSystems, 1, 10> sktau; // second record (skytau)
    PerSkylightSystem<double> skp1, skp2;                             // the two values of the third record
    PerCurtain<double> rcurtr, rcurtt, rcurta; // roof-window curtain k: added R (m²K/W), trans., abs.
};

struct WininfBlock {
    PerGlazing<std::string> wdesc; // A80, description of the glazing system
};

// Block `shad`: shading schemes, windows, skylights and the sol-air paths.
struct ShadBlock {
    // Horizontal schemes (card 1/20), m; monthly pergola factors stored as 1 - blocking factor.
    PerScheme<double> eavep, eaveo, pergp, pergo;
    common::FixedArray2<double, 1, kMaxSchemes, 1, 12> pergf;
    // Vertical schemes (card 1/21): fin projections and offsets, m.
    PerScheme<double> leftp, lefto, rightp, righto;
    // Screen schemes (card 1/22), m; monthly factors stored as 1 - blocking factor.
    PerScheme<double> scrh, scrw, scrd, scroh, scrov;
    common::FixedArray2<double, 1, kMaxSchemes, 1, 12> scrf;

    // Windows (zone, window).
    PerZone<int> nwin;
    PerZoneWindow<int> iwsys;              // glazing system 1..10
    PerZoneWindow<double> warea;           // m²
    PerZoneWindow<double> wheight, wwidth; // m
    PerZoneWindow<double> wazim;           // degrees
    PerZoneWindow<int> whs1, whs2, wvs, wsc1, wsc2, wsc3, wcurt, wblind;

    // Skylights and roof windows (zone, skylight).
    PerZone<int> nsky;
    PerZoneSkylight<int> issys;            // glazing system 11..20
    PerZoneSkylight<double> sarea;         // m²
    PerZoneSkylight<double> sazim, sslope; // degrees
    PerZoneSkylight<int> sshadi, sshade, szonlit;
    PerZoneSkylight<double> sshlen; // shaft length, m
    PerZoneSkylight<double> sshar;  // shaft area, m²
    PerZoneSkylight<double> sshref; // shaft reflectance
    PerZoneSkylight<double> sshres; // shaft insulation R, m²K/W
    PerZoneSkylight<int> sdiff;     // 1: diffuser
    PerZoneSkylight<double> svarea;
    PerZoneSkylight<int> svtype;
    PerSkylightSystem<int> igltyp;   // glazing Type of section 10 + s: 3 roof window, else skylight
    PerSkylightSystem<double> skfrf; // FrameF of skylight section 10 + s (skyfrf)

    // Roof sol-air paths.
    int nrpath = 0;
    common::FixedArray1<double, 1, kMaxRoofPaths> rpazim, rpslope; // degrees
    common::FixedArray1<double, 1, kMaxRoofPaths> rpabso, rpemo;

    // Wall sol-air paths (external walls, sections 21..30).
    int nwpath = 0;
    common::FixedArray1<double, 1, kMaxWallPaths> wphgt, wpwid; // m
    common::FixedArray1<double, 1, kMaxWallPaths> wpazim;       // degrees
    common::FixedArray1<double, 1, kMaxWallPaths> wpabso, wpemis;
    common::FixedArray1<int, 1, kMaxWallPaths> wphs, wpvs, wpsc1, wpsc2, wpsc3;
};

struct GridBlock {
    int ngrid = 0; // grid size of the shading calculations
};

struct SolarcutBlock {
    double solcut = 0.0; // solar cut-off altitude, degrees
};

// Block `additionalcontrol`: cards 1/14, 1/24, 1/25 and 1/26.
struct AdditionalcontrolBlock {
    double actl1 = 19.0;  // °C, controlled openings close down below it (months with iacfl1 = 0)
    double actl2 = 20.0;  // °C, the same in the other months
    double actl3 = 0.8;   // scale factor of each closing step
    int actl4 = 50;       // limit of opening passes per step
    double actl5 = -99.0; // °C, outdoor dry bulb from which cooling may run
    double actl6 = 99.0;  // °C, daily maximum dry bulb from which heating is off
    int iactl = 0;        // 1 largest opening air speed, 2 mean
    PerMonth<int> iacfl1, iacfl2;
    double cleeway = 2.5; // cooling thermostat leeway, K
    int istick = 1;       // steps a natural-ventilation state is held
};

// Block `zones`.
struct ZonesBlock {
    int nzones = 1;       // largest zone number with a surface card
    PerZone<double> zvol; // zone volume, m³
};

// Block `names`.
struct NamesBlock {
    PerZone<std::string> zname;      // A15
    PerZone<std::string> ztype;      // A6: "Normal", "AirGpT", "RoofSA" or "SubFlA"
    PerSection<std::string> secname; // A80, section name of the name cards
    PerGlazing<std::string> secdesc; // A80 slot, product description of glazing sections 1..20
};

// Block `zn`.
struct ZnBlock {
    PerZone<double> zonea; // infiltration coefficient A, air changes per hour
    PerZone<double> zoneb; // coefficient B, air changes per hour per m/s
    PerZone<int> ibvent;
    PerZone<int> iestsg; // non-zero: the zone gets its own solar distribution
    common::FixedArray2<int, 1, kDriverUseRows, 1, kMaxZones> idrvuse; // driver row r in use by zone z
    int ndrep = 0;                                                     // repeats of day 1
    int irepfl = 0;                                                    // repeat flag
    PerZone<int> istatz;                                               // zone of stated-hours list position j
    double tstart = 0.0;                                               // starting temperature, °C
};

// Block `specialzones`: links of the special zones.
struct SpecialzonesBlock {
    PerZone<int> igapz;  // neighbour zone of an air gap
    PerZone<int> iceilz; // zone below a roof space
    PerZone<int> iroofz; // roof zone of a roof space
    PerZone<int> iflooz; // zone above a subfloor space
    PerZone<int> igrouz; // ground zone of a subfloor space
};

// Block `roofspaces`: emissivity of the card and the values derived at the end of the input.
struct RoofspacesBlock {
    PerZone<double> remisr;            // emissivity factor between ceiling and roof
    PerZone<double> arsc, lrsc, hrsc0; // ceiling area (m²), length (m), film (W/m²K)
    PerZone<double> arsr, hrsr0, hrsrad0;
    PerZone<double> rsslope; // mean roof slope, degrees
    PerZone<double> lrsr, arsx;
};

// Block `subflspaces`.
struct SubflspacesBlock {
    PerZone<double> remisf;
    PerZone<double> asfg, lsfg, hsfg0;
    PerZone<double> asff, lsff, hsff0, hsfrad0;
    PerZone<double> asfx;
};

// Block `airgaps`.
struct AirgapsBlock {
    PerZone<double> gapr2;   // resistance while the gap is not warmer than its neighbour, m²K/W
    PerZone<double> gapr3;   // resistance for the other direction, m²K/W
    PerZone<double> gaparea; // m²
};

// Block `bss`: the path table, the section table and the input error flag.
struct BssBlock {
    PerZonePath<double> patharea; // m²
    PerZonePath<int> isectp;      // building section of the path
    PerZonePath<int> iadjp;       // zone on the other side, 0 none
    PerZonePath<double> absin;    // inside absorptance
    PerZonePath<double> shgf;     // share of the zone's transmitted solar gain
    PerZonePath<int> ispath;      // sol-air path of the path: wall path (21..30), roof path (31..40)
    PerSection<int> isecdef;      // 1 when the section is defined
    PerSection<int> nlay;         // layers of the section
    common::FixedArray2<int, 1, kMaxSections, 1, kMaxLayers> matlay;    // material code of layer k
    common::FixedArray2<double, 1, kMaxSections, 1, kMaxLayers> thklay; // thickness of layer k, mm
    PerZone<int> igains;
    PerZone<int> iainf;
    double rs903 = 0.0, rs906 = 0.0, rs916 = 0.0; // surface film resistances, m²K/W
    int ierrin = 0;                               // input error flag
    // Written by the section-property phase.
    PerSection<double> usec; // section U-value, W/m²K
    common::FixedArray1<int, 1, 700> igcode;
    int ngcode = 0;
};

// Block `cr` with the names of block `mat`: the material table.
struct CrBlock {
    PerMaterial<double> crp1; // heat capacity per volume, kJ/m³K
    PerMaterial<double> crp2; // resistivity (m K/W) or resistance (m²K/W)
    PerMaterial<double> crp3; // the same for the other direction of heat flow
    PerMaterial<int> icond;   // 1: conducts in proportion to its thickness
};
struct MatBlock {
    PerMaterial<std::string> matname; // A60
};

// Block `geo`: zone heights and opening geometry, m.
struct GeoBlock {
    PerZone<double> zflht, zceilht, ztopht, zmidht, zmidabs;
    PerZoneOpening<double> owidth, olow, ohigh, omidht;
    PerZoneOpening<double> ohgt; // height range of the pressure profile (air flow)
};

// Block `flow`: mechanical ventilation (input) and the opening flows (air flow), m³/s.
struct FlowBlock {
    PerZone<double> qmsup, qmsup0; // mechanical supply
    PerZone<double> qmex, qmex0;   // mechanical exhaust, negative
    PerZoneOpening<double> ocoef, ocoef2;
    PerZoneOpening<double> qin, qout;
    PerZone<double> qzout, qzin, resid, qinx, qoutx;
};

// Block `open1`: ventilation openings.
struct Open1Block {
    PerZone<int> nopen;
    PerZoneOpening<double> operc;  // open fraction
    PerZoneOpening<double> ocd;    // discharge coefficient
    PerZoneOpening<double> oexpon; // flow exponent
    PerZoneOpening<double> okbase; // base coefficient (air flow)
};

// Block `type`: kinds, links and flags of the openings.
struct TypeBlock {
    PerZoneOpening<int> iadjz;             // zone beyond, 0 outdoors
    PerZoneOpening<int> icontyp;           // connection type
    PerZoneOpening<int> itypop;            // opening type
    PerZoneOpening<int> iopen;             // the opening takes part in the step
    PerZoneOpening<int> ifixop;            // 1: follows the occupant's opening and closing (ictl)
    PerZone<int> ipermz;                   // the zone has an opening left open by those rules
    PerZoneOpening<int> ilouv;             // the opening is an opaque louvre
    PerZoneOpening<int> ilvsec;            // building section of the louvre
    PerZoneOpening<int> ilvdrv;            // driver row of the louvre's outside temperature
    PerZoneOpening<int> iwplink;           // wall sol-air path in which the opening lies, 0 none
    PerZone<int> iwpzone;                  // some opening of the zone lies in a wall sol-air path
    PerZone<int> ilouvz;                   // the zone has opaque louvres
    PerZoneOpening<double> opfac1, opfac2; // beam and diffuse irradiance of the louvre's path, W/m²
};

// Block `ventzones`: the air-flow network's zones.
struct VentzonesBlock {
    int nvz = 0;
    PerZone<int> ivz;       // zones of the network in order of their first opening card
    PerZone<int> ivzon;     // the zone takes part in the step
    PerZone<int> iventout;  // the zone has an opening to outdoors
    int nvzact = 0;         // active zones of the step (time loop)
    PerZone<double> venfac; // opening factor of the controlled openings (time loop)
};

struct PressureBlock {
    common::FixedArray2<double, 1, kMaxZones, 0, kMaxOpeningsPerZone> pz; // Pa
    PerZoneOpening<double> pfarbx, pfar, pfarb;                           // Pa
    PerZoneOpening<double> zneut;                                         // m
    int irefz = 0;                                                        // reference zone of the network
};

struct HorizontalopeningsBlock {
    int ihoriz = 0; // 1 when an opening of type 2 or more exists
};

// Block `latent`: latent gains (zone, step of the day), W.  Sized 150 × (24 × nstphr).
struct LatentBlock {
    common::Array2<double> latgain;
};

// Block `sysa`: thermostats and conditioned zones.
struct SysaBlock {
    common::Array2<double> theat; // heating set-point (step, zone), °C; -99.0 no heating
    common::Array2<double> tcool; // cooling set-point (step, zone), °C; 99.0 no cooling
    PerZone<int> iheat, icool;
    int iconon = 0; // some zone is conditioned
    int ncond = 0;
    PerZone<int> icondz;  // conditioned zones in zone order
    PerZone<int> icondon; // thermostat active in the step (time loop)
};

// Block `var`: schedules of coverings, blinds and ventilation (cards 601..605).
struct VarBlock {
    PerZone<int> covclw, covopw; // window coverings closing and opening hour
    PerZone<double> covtw;       // drawing temperature, °C
    PerZone<double> covsw;       // drawing solar level, W/m²
    PerZone<int> covcls, covops; // roof-window coverings
    PerZone<double> covts, covss;
    PerZone<double> blndtw, blndsw;    // outdoor window blinds: temperature (°C), solar (W/m²)
    PerZone<double> blndts, blndss;    // outdoor skylight blinds
    PerZone<int> venon, venoff;        // ventilation on and off hour
    PerZone<double> ventton, venttoff; // °C
    PerZone<double> venta, ventb;
};

// Block `ceilingfans`.
struct CeilingfansBlock {
    PerZone<double> fanv; // air speed, m/s
    PerZone<double> fanp; // power, W
    PerZone<int> ifanon, ifanben;
    PerZone<double> fandt; // cooling effect, K
    double fanen = 0.0;    // fan energy of the run, MJ (time loop)
};

// Block `clim`: the weather of each step of the day.
struct ClimBlock {
    PerStep<double> solalt, solazi; // sun's altitude and azimuth (from north through east), radians
    PerStep<double> dirrad;         // direct normal irradiance, W/m²
    PerStep<double> difrad;         // diffuse horizontal irradiance, W/m²
    PerStep<double> tair;           // dry bulb, °C
    PerStep<double> wmoist;         // humidity ratio, g/kg
    PerStep<double> wspeed;         // m/s
    PerStep<double> wdir;           // degrees
    PerStep<int> cloud;             // cloud cover digit
};

// What the card reader keeps from card to card and hands to the completion of the input.
struct ReaderState {
    std::filesystem::path cardfile; // SCRATCH as found in the working directory
    common::FixedArray1<std::string, 1, kMaxLibraries> winlib, rwlib, skylib; // A120 library paths
    std::string wxfile;                                                       // A120, climate file
    std::string wxname;                                                       // A12, its short name
    std::string repfile;                                                      // A120, text report
    std::string temfile;                                                      // A120, hourly temperature file
    std::string enfile;                                                       // A120, energy file
    std::string flowfname;                                                    // A120, air-flow report
    double zmidmin = 1.0e6; // running minimum of zmidabs for the reference zone, m
    double tmean = 0.0;     // mean dry bulb of the climate file, °C
    long nclimrec = 0;      // records of the climate file: the year the time loop runs
    int endcard = 0;        // 1 when a card of data type 9 ended the input
    PerZone<int> izcard;    // the zone's zone card has been read
    PerZone<int> iglazed;   // the zone takes in sun: a window or roof window, or a light well lights it
    PerZone<double> sfloor; // floor solar sum of the zone's cards
    PerZone<double> sceil;  // ceiling solar sum
    int nroofcards = 0;     // roof cards read so far
    // Louvre walls of each zone in card order: wall sol-air path and section.
    PerZone<int> nlouvw;
    PerZonePath<int> louvwq, louvwc;
    PerZone<int> nlouvused; // louvre walls already bound to openings
};

struct InputBlocks {
    TimeBlock time;
    ValuBlock valu;
    ChBlock ch;
    TimBlock tim;
    BlankBlock blank;
    WhereBlock where;
    WshumBlock wshum;
    Prin2Block prin2;
    FlowfileBlock flowfile;
    NumericsBlock numerics;
    MixcBlock mixc;
    WindBlock wind;
    OutdoorBlock outdoor;
    VentfactorsBlock ventfactors;
    GroundrBlock groundr;
    GgroundBlock gground;
    CondfaBlock condfa;
    Wind41Block wind41;
    SkylightBlock skylight;
    WininfBlock wininf;
    ShadBlock shad;
    GridBlock grid;
    SolarcutBlock solarcut;
    AdditionalcontrolBlock additionalcontrol;
    ZonesBlock zones;
    NamesBlock names;
    ZnBlock zn;
    SpecialzonesBlock specialzones;
    RoofspacesBlock roofspaces;
    SubflspacesBlock subflspaces;
    AirgapsBlock airgaps;
    BssBlock bss;
    CrBlock cr;
    MatBlock mat;
    GeoBlock geo;
    FlowBlock flow;
    Open1Block open1;
    TypeBlock type;
    VentzonesBlock ventzones;
    PressureBlock pressure;
    HorizontalopeningsBlock horizontalopenings;
    LatentBlock latent;
    SysaBlock sysa;
    VarBlock var;
    CeilingfansBlock ceilingfans;
    ClimBlock clim;
    ReaderState reader;

    // The run's surroundings: the working directory that holds SCRATCH, matdata.bin and the work file,
    // the console, and the climate file (unit 10) once the input has opened it for the time loop.
    std::filesystem::path workdir = ".";
    std::ostream* console = &std::cout;
    // Error lines of the run that the text report has not received yet (written there when the run
    // ends abnormally).
    std::vector<std::string> errorLines;
    std::ifstream unit60; // the card file while the input is read
    ClimateFile unit10;
};

struct EngineState;

// Sizes the tables that hold one column per step of the day (with the second driver table of the
// solar gains, `drive2`), for 24 × time.nstphr steps.
void allocateInputBlocks(EngineState& state);

} // namespace engine
