// Data type 3 cards numbered 300 and above: zone heights and mechanical ventilation, ventilation
// openings, internal gains, thermostats, schedules, ceiling fans and stated hours; and the checks of
// the end card.
#include <optional>

#include "engine/core/card_fields.h"
#include "engine/core/card_handlers.h"
#include "engine/core/card_ranges.h"
#include "engine/core/input_messages.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

// Every card of this group: twelve or thirteen six-column reals after the header.
const fw::Format kValuesCard = fw::parseFormat("(8X,13F6.0)");

constexpr int kFirstOpeningCard = 300;      // opening k has card 300 + k
constexpr double kMidHeightUnset = 1.0e-20; // m
constexpr double kMaxFanSpeed = 1.5;        // m/s
constexpr double kFanStillAir = 0.2;        // m/s
constexpr double kFanMinimumPower = 0.001;  // W
constexpr double kNoHeating = -99.0;        // °C
constexpr double kNoCooling = 99.0;         // °C

void heightsCard(EngineState& state, int z, const CardFields& f) {
    auto& g = state.geo;
    const double floorHeight = f.real(1), ceilingHeight = f.real(2);
    g.zflht(z) = floorHeight;
    g.zceilht(z) = ceilingHeight;
    state.flow.qmsup(z) = state.flow.qmsup0(z) = f.real(3);
    state.flow.qmex(z) = state.flow.qmex0(z) = -f.real(4);
    g.ztopht(z) = floorHeight + ceilingHeight;
    g.zmidht(z) = 0.5 * ceilingHeight;
    g.zmidabs(z) = floorHeight + 0.5 * ceilingHeight;
    if (g.zmidabs(z) < state.reader.zmidmin) {
        state.reader.zmidmin = g.zmidabs(z);
        state.pressure.irefz = z;
    }
    markDriverRow(state, gainRow(z), z);
}

// Binds an opaque louvre opening to the zone's next louvre wall.
void bindLouvre(EngineState& state, int z, int k) {
    auto& r = state.reader;
    if (r.nlouvused(z) >= r.nlouvw(z))
        stopRun(state, {msg::kLouvreWithoutWall, static_cast<long long>(k), msg::kInZone,
                        static_cast<long long>(z)});
    const int i = ++r.nlouvused(z);
    auto& t = state.type;
    t.ilouv(z, k) = 1;
    t.iwplink(z, k) = r.louvwq(z, i);
    t.ilvsec(z, k) = r.louvwc(z, i);
    t.ilvdrv(z, k) = 101 + r.louvwq(z, i);
    t.iwpzone(z) = 1;
    t.ilouvz(z) = 1;
}

void openingCard(EngineState& state, int z, int c, const CardFields& f) {
    const int k = c - kFirstOpeningCard;
    auto& o = state.open1;
    if (o.nopen(z) >= kMaxOpeningsPerZone || k > kMaxOpeningsPerZone)
        stopRun(state, {msg::kTooManyOpenings, static_cast<long long>(z), msg::kTooManyOpeningsMax,
                        static_cast<long long>(kMaxOpeningsPerZone)});
    const int type = f.integerFromReal(7);
    const double top = f.real(5);
    if (type == 1 && top > state.geo.zceilht(z))
        stopRun(state, {msg::kOpeningTop, static_cast<long long>(k), msg::kInZone, static_cast<long long>(z),
                        msg::kOpeningAboveCeiling});
    const int beyond = f.integerFromReal(9);
    if (beyond < 0 || beyond > kMaxZones)
        stopRun(state,
                {msg::kIndexRange, static_cast<long long>(z), msg::kOnCard, static_cast<long long>(c)});
    requireCardRanges(RangedCard::Opening, {3, z, c}, f, kValuesCard);
    const int pressureSet = f.integerFromReal(6), connection = f.integerFromReal(10);
    const bool louvre = f.integerFromReal(13) == 1;
    if (louvre) bindLouvre(state, z, k);

    auto& v = state.ventzones;
    if (k == 1 && v.ivzon(z) == 0) {
        v.ivz(++v.nvz) = z;
        v.ivzon(z) = 1;
    }
    ++o.nopen(z);
    auto& t = state.type;
    auto& g = state.geo;
    t.iopen(z, k) = 1;
    g.owidth(z, k) = f.real(1);
    o.ocd(z, k) = f.real(2);
    o.operc(z, k) = 0.01 * f.real(3);
    g.olow(z, k) = f.real(4);
    g.ohigh(z, k) = top;
    state.outdoor.icpidx(z, k) = pressureSet;
    t.itypop(z, k) = type;
    if (type >= 2) state.horizontalopenings.ihoriz = 1;
    o.oexpon(z, k) = f.real(8);
    t.iadjz(z, k) = beyond;
    if (beyond == 0) v.iventout(z) = 1;
    t.icontyp(z, k) = connection;
    const double midHeight = f.real(11);
    g.omidht(z, k) = midHeight <= kMidHeightUnset ? g.zmidabs(z) : midHeight;
    if (f.real(12) == 0.0) {
        t.ifixop(z, k) = 1;
    } else {
        t.ifixop(z, k) = 0;
        t.ipermz(z) = 1;
    }
}

// Column of hour h (1..24) of a day row: hour 24 is the value at the start of the day.
int hourColumn(int h) {
    return h % 24 + 1;
}

void gainCard(EngineState& state, int z, int c, const CardFields& f) {
    const int firstHour = (c == 401 || c == 403) ? 1 : 13;
    const bool sensible = c <= 402;
    for (int i = 1; i <= 12; ++i) {
        const int column = hourColumn(firstHour + i - 1);
        if (sensible)
            state.blank.drive(gainRow(z), column) = f.real(i);
        else
            state.latent.latgain(z, column) = f.real(i);
    }
    state.bss.igains(z) = 1;
    markDriverRow(state, gainRow(z), z);
}

void thermostatCard(EngineState& state, int z, int c, const CardFields& f) {
    const bool heating = c <= 502;
    const int firstHour = (c == 501 || c == 503) ? 1 : 13;
    auto& table = heating ? state.sysa.theat : state.sysa.tcool;
    for (int i = 1; i <= 12; ++i) {
        const double value = f.real(i);
        table(hourColumn(firstHour + i - 1), z) = value != 0.0 ? value : (heating ? kNoHeating : kNoCooling);
    }
    (heating ? state.sysa.iheat : state.sysa.icool)(z) = 1;
    state.sysa.iconon = 1;
    markDriverRow(state, gainRow(z), z);
}

void scheduleCard(EngineState& state, int z, int c, const CardFields& f) {
    auto& v = state.var;
    switch (c) {
    case 601:
    case 602: {
        const int closing = f.integerFromReal(1), opening = f.integerFromReal(2);
        (c == 601 ? v.covclw : v.covcls)(z) = closing;
        (c == 601 ? v.covopw : v.covops)(z) = opening;
        (c == 601 ? v.covtw : v.covts)(z) = f.real(3);
        (c == 601 ? v.covsw : v.covss)(z) = f.real(4);
        if (closing != 0 || opening != 0) markDriverRow(state, gainRow(z), z);
        return;
    }
    case 603:
        v.blndtw(z) = f.real(1);
        v.blndsw(z) = f.real(2);
        return;
    case 604:
        v.blndts(z) = f.real(1);
        v.blndss(z) = f.real(2);
        return;
    case 605: {
        const int on = f.integerFromReal(1), off = f.integerFromReal(2);
        v.venon(z) = on;
        v.venoff(z) = off;
        v.ventton(z) = f.real(3);
        v.venttoff(z) = f.real(4);
        v.venta(z) = f.real(5);
        v.ventb(z) = f.real(6);
        if (on != 0 || off != 0) {
            markDriverRow(state, gainRow(z), z);
            state.zn.ibvent(z) = 1;
        }
        return;
    }
    default:
        return; // 606..700 are not used
    }
}

void fanCard(EngineState& state, int z, const CardFields& f) {
    const double speed = f.real(1), power = f.real(2);
    if (speed > kMaxFanSpeed) stopRun(state, {msg::kFanSpeed, static_cast<long long>(z), msg::kFanSpeedMax});
    requireCardRanges(RangedCard::Fan, {3, z, 701}, f, kValuesCard);
    auto& fans = state.ceilingfans;
    fans.fanv(z) = speed;
    fans.fanp(z) = power;
    fans.ifanben(z) = f.integerFromReal(3) == 1 ? 1 : 0;
    if (speed > kFanStillAir && power > kFanMinimumPower) {
        const double x = speed - kFanStillAir;
        fans.ifanon(z) = 1;
        fans.fandt(z) = 6.0 * x - 1.6 * x * x;
    }
}

// Stated hours: the card's own first two values are the from-hour and the to-hour.
void statedHoursCard(EngineState& state, int z, const CardFields& f) {
    auto& b = state.blank;
    if (b.nstath >= kMaxZones) stopRun(state, {msg::kTooManyStatedHours});
    const int from = f.integerFromReal(1), to = f.integerFromReal(2);
    const int j = ++b.nstath;
    state.zn.istatz(j) = z;
    b.ihrfrom(j) = from;
    b.ihrto(j) = to == 24 ? 0 : to;
}

// The values of card c that are ranged before the card is handled.
std::optional<RangedCard> rangedKind(int c) {
    if (c == 300) return RangedCard::Heights;
    if (c == 401 || c == 402) return RangedCard::SensibleGains;
    if (c == 403 || c == 404) return RangedCard::LatentGains;
    if (c == 501 || c == 502) return RangedCard::Heating;
    if (c == 503 || c == 504) return RangedCard::Cooling;
    if (c == 601 || c == 602) return RangedCard::Coverings;
    if (c == 603 || c == 604) return RangedCard::Blinds;
    if (c == 605) return RangedCard::Ventilation;
    if (c == 801) return RangedCard::StatedHours;
    return std::nullopt;
}

} // namespace

CardResult zoneControlCard(EngineState& state, int z, int c, std::string_view card) {
    const CardFields f(card, kValuesCard);
    // Openings and fans are ranged after the checks that stop the run with their own messages.
    if (const auto kind = rangedKind(c)) requireCardRanges(*kind, {3, z, c}, f, kValuesCard);
    if (c == 300)
        heightsCard(state, z, f);
    else if (c <= 400)
        openingCard(state, z, c, f);
    else if (c <= 404)
        gainCard(state, z, c, f);
    else if (c >= 501 && c <= 504)
        thermostatCard(state, z, c, f);
    else if (c >= 601 && c <= 700)
        scheduleCard(state, z, c, f);
    else if (c == 701)
        fanCard(state, z, f);
    else if (c == 801)
        statedHoursCard(state, z, f);
    return CardResult::Next; // 405..500 and 505..600 are not used
}

void endOfInputChecks(EngineState& state) {
    if (state.prin2.ntemp == 0) stopRun(state, {msg::kNoTemperatureOutput});
    // Every light well lights a zone the input has: a zone whose card comes after the skylight's is
    // known only now.
    const auto& s = state.shad;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        for (int k = 1; k <= s.nsky(z); ++k) {
            const int lit = s.szonlit(z, k);
            if (s.igltyp(s.issys(z, k) - 10) == kRoofWindowType) continue;
            if (lit < 1 || lit > state.zones.nzones || state.reader.izcard(lit) == 0)
                stopRun(state, {msg::kLitZone, static_cast<long long>(z), msg::kLitZoneSkylight,
                                static_cast<long long>(k), msg::kLitZoneNumber, static_cast<long long>(lit)});
        }
    }
    auto& sysa = state.sysa;
    sysa.ncond = 0;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        if ((state.var.venta(z) != 0.0 || state.var.ventb(z) != 0.0) && state.open1.nopen(z) >= 1)
            stopRun(state, {msg::kConflictingVentilation, static_cast<long long>(z)});
        if (sysa.iheat(z) != 0 || sysa.icool(z) != 0) sysa.icondz(++sysa.ncond) = z;
    }
    state.reader.endcard = 1;
}

} // namespace engine
