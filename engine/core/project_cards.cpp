// Data type 1 of the card file: the job, the climate file, the site, the glazing libraries, the
// result files, the numerics, the pressure coefficients, shielding, ground, curtains, blinds, shading
// schemes and the run controls.
#include <cmath>
#include <string>

#include "common/site_position.h"
#include "engine/core/card_fields.h"
#include "engine/core/card_handlers.h"
#include "engine/core/card_ranges.h"
#include "engine/core/climate_file.h"
#include "engine/core/input_files.h"
#include "engine/core/input_messages.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

// Card layouts.
const fw::Format kHeader = fw::parseFormat("(2X,I3)");
const fw::Format kJobCard = fw::parseFormat("(8X,A36,A10,A12,I4,10I1)");
const fw::Format kClimateCard = fw::parseFormat("(8X,A120,5X,I1)");
const fw::Format kSiteCard = fw::parseFormat("(8X,3F6.1)");
const fw::Format kLibraryCard = fw::parseFormat("(5X,I3,A120)");
const fw::Format kFileCard = fw::parseFormat("(8X,A120)");
const fw::Format kFlowFileCard = fw::parseFormat("(7X,I1,A120)");
const fw::Format kNumericsCard = fw::parseFormat("(8X,11F8.0)");
const fw::Format kPressureCard = fw::parseFormat("(5X,I3,8F6.0)");
const fw::Format kTwoValues = fw::parseFormat("(8X,2F6.0)");
const fw::Format kGroundCard = fw::parseFormat("(8X,10F6.0)");
const fw::Format kCurtainCard = fw::parseFormat("(5X,I3,3F6.0)");
const fw::Format kBlindCard = fw::parseFormat("(5X,I3,F6.0)");
const fw::Format kHorizontalCard = fw::parseFormat("(5X,I3,16F6.0)");
const fw::Format kVerticalCard = fw::parseFormat("(5X,I3,4F6.0)");
const fw::Format kScreenCard = fw::parseFormat("(5X,I3,17F6.0)");
const fw::Format kRunCard = fw::parseFormat("(8X,5F6.0)");
const fw::Format kControlsCard = fw::parseFormat("(8X,6F6.0)");
const fw::Format kFlagsCard = fw::parseFormat("(5X,I3,12F6.0)");

constexpr double kDefaultWallThickness = 0.2; // m
constexpr double kDefaultSoilConductivity = 1.5;
constexpr double kDefaultSoilDiffusivity = 4.6;
constexpr int kDefaultGrid = 40;
constexpr int kMaxGrid = 100;
constexpr std::size_t kShortNameWidth = 12;

// Refuses a project card with a value outside its physical range, before anything of it is stored.
void requireRanges(RangedCard kind, int cardNumber, const CardFields& f, const fw::Format& layout) {
    requireCardRanges(kind, {1, 0, cardNumber}, f, layout);
}

void job(EngineState& state, std::string_view card) {
    const CardFields f(card, kJobCard);
    state.ch.jobname = f.text(1);
    state.ch.datetext = f.text(2);
    state.ch.jobtext = f.text(3);
    state.tim.iyear = f.integer(4);
    // Digits 1 and 2 are kept by the card but used nowhere; 3..10 are the print switches.
    auto& b = state.blank;
    b.iprnt1 = f.integer(7);
    b.iprnt2 = f.integer(8);
    b.iprnt3 = f.integer(9);
    b.iprnt4 = f.integer(10);
    b.iprnt5 = f.integer(11);
    b.iprnt6 = f.integer(12);
    b.iprnt7 = f.integer(13);
    b.iprnt8 = f.integer(14);
    if (b.iprnt8 == 0) b.iprnt1 = b.iprnt2 = b.iprnt3 = b.iprnt4 = b.iprnt6 = 0;
}

// The 12 characters after the last separator of the path (the first 12 when there is none).
std::string shortName(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    const std::string rest = separator == std::string::npos ? path : path.substr(separator + 1);
    std::string name = rest.substr(0, std::min(rest.size(), kShortNameWidth));
    name.resize(kShortNameWidth, ' ');
    return name;
}

void climate(EngineState& state, std::string_view card) {
    const CardFields f(card, kClimateCard);
    state.reader.wxfile = f.text(1);
    state.wshum.ihumid = f.integer(2);
    state.reader.wxname = shortName(trimRight(f.text(1)));

    const std::filesystem::path file = requireInputFile(state, state.reader.wxfile);
    if (!state.unit10.open(file)) stopRun(state, {msg::kFileUnreadable, file.string()});
    const ClimateYear year = readClimateYear(state.unit10);
    state.unit10.close();
    // The run simulates exactly the records of the file: a file cut short or holding more than a
    // year would give a rating of another year than the one the house is rated for.
    if (year.recordFault == ClimateFault::IllegalField)
        throw IllegalCard(std::string(msg::kIllegalField) + ": climate file " + file.string() + ", " +
                          year.fault);
    if (year.records == 0 && year.status != ClimateRead::IllegalData)
        stopRun(state, {msg::kMeanTemperatureFailed, ": ", file.string(), msg::kClimateFileEmpty});
    if (!year.fault.empty())
        throw IllegalCard(std::string(msg::kClimateRecord) + file.string() + ", " + year.fault);
    state.reader.tmean = year.mean;
    state.reader.nclimrec = year.records;
    // Opened again from its start for the time loop.
    if (!state.unit10.open(file)) stopRun(state, {msg::kFileUnreadable, file.string()});
}

void site(EngineState& state, std::string_view card) {
    const CardFields f(card, kSiteCard);
    auto& w = state.where;
    const double latitude = f.real(1);
    const double longitude = f.real(2);
    const double meridian = f.real(3);
    // The sun is placed from these: a site off the globe would be rated for no place at all.
    if (!common::latitudeOnGlobe(latitude)) throw IllegalCard(std::string(msg::kLatitudeRange));
    if (!common::longitudeOnGlobe(longitude)) throw IllegalCard(std::string(msg::kLongitudeRange));
    if (!common::longitudeOnGlobe(meridian)) throw IllegalCard(std::string(msg::kMeridianRange));
    w.smerid = meridian;
    w.xlat = latitude * data::RAD;
    w.xlong = longitude * data::RAD;
}

void library(EngineState& state, std::string_view card,
             common::FixedArray1<std::string, 1, kMaxLibraries>& list) {
    const CardFields f(card, kLibraryCard);
    const int k = f.integer(1);
    if (k < 1 || k > kMaxLibraries) stopRun(state, {msg::kLibraryNumberRange, static_cast<long long>(k)});
    list(k) = f.text(2);
}

std::string fileName(std::string_view card) {
    return CardFields(card, kFileCard).text(1);
}

void flowFile(EngineState& state, std::string_view card) {
    const CardFields f(card, kFlowFileCard);
    state.flowfile.iflowf = f.integer(1) == 1 ? 1 : 0;
    state.reader.flowfname = f.text(2);
}

void numerics(EngineState& state, std::string_view card) {
    const CardFields f(card, kNumericsCard);
    auto& n = state.numerics;
    n.maxitv = f.integerFromReal(1);
    n.maxivi = f.integerFromReal(2);
    n.convv = f.real(3);
    n.convvi = f.real(4);
    n.urfv = f.real(5);
    state.mixc.rungek = f.real(6);
    n.maxitt = f.integerFromReal(7);
    n.convt = f.real(8);
    n.maxitg = f.integerFromReal(9);
    n.convg = f.real(10);
    n.urft = f.real(11);
}

void pressureSet(EngineState& state, std::string_view card) {
    const CardFields f(card, kPressureCard);
    if (state.wind.ncpset >= kMaxPressureSets) stopRun(state, {msg::kTooManyPressureSets});
    requireRanges(RangedCard::PressureSet, 13, f, kPressureCard);
    const int position = ++state.wind.ncpset;
    state.outdoor.icpno(position) = f.integer(1);
    for (int k = 1; k <= 8; ++k) state.wind.cpval(position, k) = f.real(1 + k);
}

void shielding(EngineState& state, std::string_view card) {
    const CardFields f(card, kTwoValues);
    requireRanges(RangedCard::Shielding, 14, f, kTwoValues);
    state.ventfactors.shield = f.real(1);
    const int control = f.integerFromReal(2);
    state.additionalcontrol.iactl = control == 0 ? 2 : control;
}

double orDefault(double value, double fallback) {
    return value == 0.0 ? fallback : value;
}

void ground(EngineState& state, std::string_view card) {
    const CardFields f(card, kGroundCard);
    requireRanges(RangedCard::Ground, 15, f, kGroundCard);
    state.groundr.grefl = f.real(1);
    auto& g = state.gground;
    g.slabar = f.real(2);
    g.slabper = f.real(3);
    g.gwallt = orDefault(f.real(4), kDefaultWallThickness);
    g.gcond = orDefault(f.real(5), kDefaultSoilConductivity);
    g.gdiff = orDefault(f.real(6), kDefaultSoilDiffusivity);
    g.gedge = f.real(7);
    state.condfa.cfarea = f.real(8);
}

// An index of a curtain, blind or scheme below 1 lies outside every table.
void requirePositiveIndex(EngineState& state, int index, int cardNumber) {
    if (index < 1) stopRun(state, {msg::kSchemeNumberBelowOne, static_cast<long long>(cardNumber)});
}

struct CurtainTable {
    PerCurtain<double>& r;
    PerCurtain<double>& t;
    PerCurtain<double>& a;
    std::string_view unphysical;
};

void curtain(EngineState& state, std::string_view card, int cardNumber, const CurtainTable& table) {
    const CardFields f(card, kCurtainCard);
    const int k = f.integer(1);
    requirePositiveIndex(state, k, cardNumber);
    if (k > kMaxCurtains) stopRun(state, {msg::kTooManyCurtains});
    const double addedR = f.real(2), trans = f.real(3), abs = f.real(4);
    if (trans > 1.0 || abs > 1.0) stopRun(state, {table.unphysical});
    requireRanges(RangedCard::Curtain, cardNumber, f, kCurtainCard);
    table.r(k) = addedR;
    table.t(k) = (addedR == 0.0 && trans == 0.0 && abs == 0.0) ? 1.0 : trans;
    table.a(k) = abs;
}

void blind(EngineState& state, std::string_view card, int cardNumber, PerCurtain<double>& factors,
           std::string_view tooMany, std::string_view unphysical) {
    const CardFields f(card, kBlindCard);
    const int k = f.integer(1);
    requirePositiveIndex(state, k, cardNumber);
    if (k > kMaxCurtains) stopRun(state, {tooMany});
    const double factor = f.real(2);
    if (factor < 0.0 || factor > 1.0) stopRun(state, {unphysical});
    factors(k) = factor;
}

// Twelve monthly blocking factors from field `first` on, stored as 1 - f.
void monthlyFactors(EngineState& state, const CardFields& f, int first, int n,
                    common::FixedArray2<double, 1, kMaxSchemes, 1, 12>& table, std::string_view outOfRange) {
    double factors[12];
    for (int month = 1; month <= 12; ++month) {
        factors[month - 1] = f.real(first + month - 1);
        if (factors[month - 1] < 0.0 || factors[month - 1] > 1.0) stopRun(state, {outOfRange});
    }
    for (int month = 1; month <= 12; ++month) table(n, month) = 1.0 - factors[month - 1];
}

int schemeNumber(EngineState& state, const CardFields& f, int cardNumber, std::string_view tooLarge) {
    const int n = f.integer(1);
    if (n > kMaxSchemes) stopRun(state, {tooLarge});
    requirePositiveIndex(state, n, cardNumber);
    return n;
}

void horizontalScheme(EngineState& state, std::string_view card) {
    const CardFields f(card, kHorizontalCard);
    const int n = schemeNumber(state, f, 20, msg::kHorizontalSchemeTooLarge);
    requireRanges(RangedCard::HorizontalShade, 20, f, kHorizontalCard);
    auto& s = state.shad;
    monthlyFactors(state, f, 6, n, s.pergf, msg::kHorizontalFactorRange);
    s.eavep(n) = f.real(2);
    s.eaveo(n) = f.real(3);
    s.pergp(n) = f.real(4);
    s.pergo(n) = f.real(5);
}

void verticalScheme(EngineState& state, std::string_view card) {
    const CardFields f(card, kVerticalCard);
    const int n = schemeNumber(state, f, 21, msg::kVerticalSchemeTooLarge);
    requireRanges(RangedCard::VerticalShade, 21, f, kVerticalCard);
    auto& s = state.shad;
    s.leftp(n) = f.real(2);
    s.lefto(n) = f.real(3);
    s.rightp(n) = f.real(4);
    s.righto(n) = f.real(5);
}

void screenScheme(EngineState& state, std::string_view card) {
    const CardFields f(card, kScreenCard);
    const int n = schemeNumber(state, f, 22, msg::kScreenSchemeTooLarge);
    requireRanges(RangedCard::Screen, 22, f, kScreenCard);
    auto& s = state.shad;
    monthlyFactors(state, f, 7, n, s.scrf, msg::kScreenFactorRange);
    s.scrh(n) = f.real(2);
    s.scrw(n) = f.real(3);
    s.scrd(n) = f.real(4);
    s.scroh(n) = f.real(5);
    s.scrov(n) = f.real(6);
}

void runControl(EngineState& state, std::string_view card) {
    const CardFields f(card, kRunCard);
    requireRanges(RangedCard::RunControl, 23, f, kRunCard);
    state.zn.ndrep = f.integerFromReal(1);
    state.zn.irepfl = f.integerFromReal(2);
    // A starting temperature below -50 is replaced from the climate file at the end of the input.
    state.zn.tstart = f.real(3);
    const int grid = f.integerFromReal(4);
    state.grid.ngrid = grid == 0 ? kDefaultGrid : grid;
    if (state.grid.ngrid < 1 || state.grid.ngrid > kMaxGrid) stopRun(state, {msg::kGridTooLarge});
    state.solarcut.solcut = f.real(5);
}

void additionalControls(EngineState& state, std::string_view card) {
    const CardFields f(card, kControlsCard);
    requireRanges(RangedCard::Controls, 24, f, kControlsCard);
    auto& a = state.additionalcontrol;
    a.actl1 = f.real(1);
    a.actl2 = f.real(2);
    a.actl3 = f.real(3);
    a.actl4 = f.integerFromReal(4);
    a.actl5 = f.real(5);
    a.actl6 = f.real(6);
}

void controlFlags(EngineState& state, std::string_view card) {
    const CardFields f(card, kFlagsCard);
    const int set = f.integer(1);
    if (set != 1 && set != 2) return;
    auto& flags = set == 1 ? state.additionalcontrol.iacfl1 : state.additionalcontrol.iacfl2;
    for (int k = 1; k <= 12; ++k) {
        const int whole = f.integerFromReal(1 + k);
        if (whole == 0 || whole == 1) flags(k) = whole;
    }
}

void openingControl(EngineState& state, std::string_view card) {
    const CardFields f(card, kTwoValues);
    requireRanges(RangedCard::OpeningControl, 26, f, kTwoValues);
    const int stick = f.integerFromReal(1);
    state.additionalcontrol.istick = stick == 0 ? 1 : stick;
    state.additionalcontrol.cleeway = f.real(2);
}

} // namespace

CardResult projectCard(EngineState& state, std::string_view card) {
    const int number = CardFields(card, kHeader).integer(1);
    auto& r = state.reader;
    switch (number) {
    case 1:
        job(state, card);
        break;
    case 2:
        climate(state, card);
        break;
    case 3:
        site(state, card);
        break;
    case 4:
        library(state, card, r.winlib);
        break;
    case 5:
        library(state, card, r.rwlib);
        break;
    case 6:
        library(state, card, r.skylib);
        break;
    case 7:
        r.repfile = fileName(card);
        break;
    case 8:
        state.prin2.c8file = fileName(card);
        break;
    case 9:
        r.temfile = fileName(card);
        break;
    case 10:
        r.enfile = fileName(card);
        break;
    case 11:
        flowFile(state, card);
        break;
    case 12:
        numerics(state, card);
        break;
    case 13:
        pressureSet(state, card);
        break;
    case 14:
        shielding(state, card);
        break;
    case 15:
        ground(state, card);
        break;
    case 16:
        curtain(state, card, 16,
                {state.wind41.curtr, state.wind41.curtt, state.wind41.curta, msg::kWindowCurtainUnphysical});
        break;
    case 17:
        curtain(state, card, 17,
                {state.skylight.rcurtr, state.skylight.rcurtt, state.skylight.rcurta,
                 msg::kRoofWindowCurtainUnphysical});
        break;
    case 18:
        blind(state, card, 18, state.wind41.blindw, msg::kTooManyWindowBlinds, msg::kWindowBlindUnphysical);
        break;
    case 19:
        blind(state, card, 19, state.wind41.blinds, msg::kTooManySkylightBlinds,
              msg::kSkylightBlindUnphysical);
        break;
    case 20:
        horizontalScheme(state, card);
        break;
    case 21:
        verticalScheme(state, card);
        break;
    case 22:
        screenScheme(state, card);
        break;
    case 23:
        runControl(state, card);
        break;
    case 24:
        additionalControls(state, card);
        break;
    case 25:
        controlFlags(state, card);
        break;
    case 26:
        openingControl(state, card);
        break;
    default:
        break; // numbers outside 1..26 are ignored
    }
    return CardResult::Next;
}

} // namespace engine
