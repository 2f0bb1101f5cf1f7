// Data type 3 of the card file: the zone cards and the surface cards (the heat-flow paths of each
// zone), and the dispatch of the zone's other cards.
#include <algorithm>
#include <string>

#include "common/fixed_width.h"
#include "engine/core/card_fields.h"
#include "engine/core/card_handlers.h"
#include "engine/core/card_ranges.h"
#include "engine/core/input_messages.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

// Card layouts.
const fw::Format kHeader = fw::parseFormat("(2X,I3,I3)");
const fw::Format kZoneCard = fw::parseFormat("(8X,A15,4F6.0,A6,4F6.0,I6)");
const fw::Format kSurfaceCard = fw::parseFormat("(8X,15F6.0)");

constexpr std::string_view kNormal = "Normal";
constexpr std::string_view kAirGap = "AirGpT";
constexpr std::string_view kRoofSpace = "RoofSA";
constexpr std::string_view kSubfloorSpace = "SubFlA";

enum class CardKind { Zone, Surface, Control, Gain, Unhandled };

CardKind kindOf(int c) {
    if (c == 0) return CardKind::Zone;
    if (c >= 1 && c <= kMaxSections) return CardKind::Surface;
    if (c >= 401 && c <= 404) return CardKind::Gain;
    if ((c >= 300 && c <= 700) || c == 701 || c == 801) return CardKind::Control;
    return CardKind::Unhandled;
}

// The kind of surface path of section c (1..200), as its card's values are ranged.
RangedCard surfaceKind(int c) {
    if (c <= 10) return RangedCard::WindowPath;
    if (c <= 20) return RangedCard::SkylightPath;
    if (c <= 30) return RangedCard::WallPath;
    if (c <= 40) return RangedCard::RoofPath;
    if (c <= 50) return RangedCard::OuterFloorPath;
    if (c <= 140) return RangedCard::AdjacentPath;
    return RangedCard::OtherPath;
}

void requireRange(EngineState& state, int value, int lo, int hi, int z, int c) {
    if (value < lo || value > hi)
        stopRun(state,
                {msg::kIndexRange, static_cast<long long>(z), msg::kOnCard, static_cast<long long>(c)});
}

int zoneLink(EngineState& state, const CardFields& f, int field, int z) {
    const int link = f.integerFromReal(field);
    if (link < 0 || link > kMaxZones) stopRun(state, {msg::kZoneLinkRange, static_cast<long long>(z)});
    return link;
}

void zoneCard(EngineState& state, int z, std::string_view card) {
    // Marked before the fields are read, so that an illegal zone card is reported once, not again on
    // every later card of the zone.
    state.reader.izcard(z) = 1;
    const CardFields f(card, kZoneCard);
    const std::string type = f.text(6);
    if (type != kNormal && type != kAirGap && type != kRoofSpace && type != kSubfloorSpace)
        stopRun(state, {msg::kZoneTypeNotRecognised, static_cast<long long>(z)});
    requireCardRanges(RangedCard::Zone, {3, z, 0}, f, kZoneCard);
    const bool listed = f.integer(11) == 0;
    if (listed && state.prin2.ntemp >= kMaxZones) stopRun(state, {msg::kTooManyTemperatureZones});

    std::string name = f.text(1);
    if (trimRight(name).empty()) {
        name = "         ZON";
        fw::appendInteger(name, z, 3, fw::Overflow::Asterisks);
    }
    state.names.zname(z) = name;
    state.names.ztype(z) = type;
    state.zones.zvol(z) = f.real(2);
    state.zn.zonea(z) = f.real(3);
    state.zn.zoneb(z) = f.real(4);
    state.wind.wsred(z) = f.real(5);
    state.zn.iestsg(z) = f.integerFromReal(7);

    auto& links = state.specialzones;
    if (type == kAirGap) {
        links.igapz(z) = zoneLink(state, f, 8, z);
    } else if (type == kRoofSpace) {
        links.iceilz(z) = zoneLink(state, f, 8, z);
        links.iroofz(z) = zoneLink(state, f, 9, z);
        state.roofspaces.remisr(z) = f.real(10);
    } else if (type == kSubfloorSpace) {
        links.iflooz(z) = zoneLink(state, f, 8, z);
        links.igrouz(z) = zoneLink(state, f, 9, z);
        state.subflspaces.remisf(z) = f.real(10);
    }

    if (listed) state.prin2.tempz(++state.prin2.ntemp) = z;
    state.wind.hmax = std::max(state.wind.hmax, state.wind.wsred(z));
    if (state.zn.zonea(z) != 0.0) state.bss.iainf(z) = 1;
    if (state.zn.zoneb(z) != 0.0) state.zn.ibvent(z) = 1;
    // A gain in a zone's air acts on that zone alone: a special zone's links are zones of their own
    // and take a watt put into the space's air only through the paths between them.
    markDriverRow(state, gainRow(z), z);
}

void windowPath(EngineState& state, int z, int c, int p, const CardFields& f) {
    auto& s = state.shad;
    if (s.nwin(z) >= kMaxWindowsPerZone) stopRun(state, {msg::kTooManyWindows, static_cast<long long>(z)});
    int schemes[8];
    for (int i = 0; i < 8; ++i) schemes[i] = f.integerFromReal(4 + i);
    for (int i = 0; i < 6; ++i) requireRange(state, schemes[i], 0, kMaxSchemes, z, c);
    requireRange(state, schemes[6], 0, kMaxCurtains, z, c);
    requireRange(state, schemes[7], 0, kMaxCurtains, z, c);
    const int w = ++s.nwin(z);
    s.iwsys(z, w) = c;
    s.wheight(z, w) = f.real(1);
    s.wwidth(z, w) = f.real(2);
    s.wazim(z, w) = f.real(3);
    s.whs1(z, w) = schemes[0];
    s.whs2(z, w) = schemes[1];
    s.wvs(z, w) = schemes[2];
    s.wsc1(z, w) = schemes[3];
    s.wsc2(z, w) = schemes[4];
    s.wsc3(z, w) = schemes[5];
    s.wcurt(z, w) = schemes[6];
    s.wblind(z, w) = schemes[7];
    s.warea(z, w) = f.real(1) * f.real(2);
    state.bss.patharea(z, p) = s.warea(z, w);
    state.reader.iglazed(z) = 1;
}

void skylightPath(EngineState& state, int z, int c, int p, const CardFields& f) {
    auto& s = state.shad;
    if (s.nsky(z) >= kMaxSkylightsPerZone)
        stopRun(state, {msg::kTooManySkylights, static_cast<long long>(z)});
    const bool roofWindow = s.igltyp(c - 10) == kRoofWindowType;
    const int curtain = f.integerFromReal(4), blind = f.integerFromReal(5);
    requireRange(state, curtain, 0, kMaxCurtains, z, c);
    requireRange(state, blind, 0, kMaxCurtains, z, c);
    // A light well lights a zone of the house; a roof window lights its own zone.
    const int lit = roofWindow ? 0 : f.integerFromReal(6);
    if (!roofWindow) requireRange(state, lit, 1, kMaxZones, z, c);
    const int k = ++s.nsky(z);
    s.issys(z, k) = c;
    s.sarea(z, k) = f.real(1);
    s.sazim(z, k) = f.real(2);
    s.sslope(z, k) = f.real(3);
    s.sshadi(z, k) = curtain;
    s.sshade(z, k) = blind;
    state.bss.patharea(z, p) = f.real(1);
    if (roofWindow) {
        state.reader.iglazed(z) = 1;
        return;
    }
    s.szonlit(z, k) = lit;
    s.sshlen(z, k) = f.real(7);
    s.sshar(z, k) = f.real(8);
    s.sshref(z, k) = f.real(9);
    s.sshres(z, k) = f.real(10);
    s.sdiff(z, k) = f.integerFromReal(11);
    s.svarea(z, k) = f.real(12);
    s.svtype(z, k) = f.integerFromReal(13);
}

void wallPath(EngineState& state, int z, int c, int p, const CardFields& f) {
    auto& s = state.shad;
    if (s.nwpath >= kMaxWallPaths) stopRun(state, {msg::kTooManyWallPaths});
    int schemes[5];
    for (int i = 0; i < 5; ++i) {
        schemes[i] = f.integerFromReal(8 + i);
        requireRange(state, schemes[i], 0, kMaxSchemes, z, c);
    }
    const int q = ++s.nwpath;
    s.wphgt(q) = f.real(1);
    s.wpwid(q) = f.real(2);
    state.bss.patharea(z, p) = f.real(3);
    s.wpazim(q) = f.real(4);
    s.wpabso(q) = f.real(5);
    state.bss.absin(z, p) = f.real(6);
    s.wpemis(q) = f.real(7);
    s.wphs(q) = schemes[0];
    s.wpvs(q) = schemes[1];
    s.wpsc1(q) = schemes[2];
    s.wpsc2(q) = schemes[3];
    s.wpsc3(q) = schemes[4];
    state.bss.shgf(z, p) = f.real(13);
    state.bss.ispath(z, p) = q;
    if (f.integerFromReal(14) == 1) {
        auto& r = state.reader;
        const int i = ++r.nlouvw(z);
        r.louvwq(z, i) = q;
        r.louvwc(z, i) = c;
    }
}

void roofPath(EngineState& state, int z, int p, const CardFields& f) {
    auto& s = state.shad;
    const double azim = f.real(2), slope = f.real(3), abso = f.real(4), emo = f.real(6);
    int path = 0;
    for (int k = 1; k <= s.nrpath && path == 0; ++k)
        if (s.rpazim(k) == azim && s.rpslope(k) == slope && s.rpabso(k) == abso && s.rpemo(k) == emo)
            path = k;
    if (path == 0) {
        if (s.nrpath >= kMaxRoofPaths) stopRun(state, {msg::kTooManyRoofPaths});
        path = ++s.nrpath;
        s.rpazim(path) = azim;
        s.rpslope(path) = slope;
        s.rpabso(path) = abso;
        s.rpemo(path) = emo;
    }
    state.bss.patharea(z, p) = f.real(1);
    state.bss.absin(z, p) = f.real(5);
    state.bss.shgf(z, p) = f.real(7);
    state.bss.ispath(z, p) = path;
    // Every roof card adds its solar share to the zone's ceiling sum.
    state.reader.sceil(z) += f.real(7);
}

void adjacentPath(EngineState& state, int z, int c, int p, const CardFields& f) {
    const int beyond = f.integerFromReal(3);
    requireRange(state, beyond, 0, kMaxZones, z, c);
    auto& b = state.bss;
    const double area = f.real(1);
    if (state.names.ztype(z) == kAirGap && beyond == state.specialzones.igapz(z)) {
        const int m = b.nlay(c) >= 2 ? b.matlay(c, 2) : 0;
        if (m < 1 || m > kMaxMaterials) stopRun(state, {msg::kAirGapSection, static_cast<long long>(z)});
        state.airgaps.gapr2(z) = state.cr.crp2(m);
        state.airgaps.gapr3(z) = state.cr.crp3(m);
        state.airgaps.gaparea(z) = area;
    }
    b.patharea(z, p) = area;
    b.absin(z, p) = f.real(2);
    b.iadjp(z, p) = beyond;
    b.shgf(z, p) = f.real(4);
    if (c <= 80) state.reader.sfloor(z) += f.real(4);
    if (c >= 81 && c <= 110) state.reader.sceil(z) += f.real(4);
}

void otherPath(EngineState& state, int z, int c, int p, const CardFields& f) {
    auto& b = state.bss;
    b.patharea(z, p) = f.real(1);
    b.absin(z, p) = f.real(2);
    b.shgf(z, p) = f.real(3);
    if (c >= 41 && c <= 50) state.reader.sfloor(z) += f.real(3);
    if (c >= 156 && c <= 170) state.reader.sfloor(z) += f.real(3);
    if (c >= 171 && c <= 185) state.reader.sceil(z) += f.real(3);
}

void surfaceCard(EngineState& state, int z, int c, std::string_view card) {
    const CardFields f(card, kSurfaceCard);
    auto& npath = state.blank.npath(z);
    if (npath >= kMaxPathsPerZone) stopRun(state, {msg::kTooManyPaths, static_cast<long long>(z)});
    requireCardRanges(surfaceKind(c), {3, z, c}, f, kSurfaceCard);
    const int p = npath + 1;
    // The path is counted only once its card has passed its checks.
    if (c <= 10)
        windowPath(state, z, c, p, f);
    else if (c <= 20)
        skylightPath(state, z, c, p, f);
    else if (c <= 30)
        wallPath(state, z, c, p, f);
    else if (c <= 40)
        roofPath(state, z, p, f);
    else if (c >= 51 && c <= 140)
        adjacentPath(state, z, c, p, f);
    else
        otherPath(state, z, c, p, f);
    npath = p;
    state.bss.isectp(z, p) = c;
    state.zones.nzones = std::max(state.zones.nzones, z);
    if (c <= 20) markDriverRow(state, gainRow(z), z);
}

} // namespace

int gainRow(int z) {
    return 451 + z;
}

void markDriverRow(EngineState& state, int row, int z) {
    state.zn.idrvuse(row, z) = 1;
}

CardResult zoneDataCard(EngineState& state, std::string_view card) {
    const CardFields header(card, kHeader);
    const int z = header.integer(1);
    const int c = header.integer(2);
    const CardKind kind = kindOf(c);
    if (kind == CardKind::Unhandled) return CardResult::Unknown;
    if (z < 1 || z > kMaxZones) {
        if (kind == CardKind::Gain) return CardResult::Next; // gain cards of other zones are ignored
        stopRun(state, {msg::kZoneNumberRange, static_cast<long long>(z)});
    }
    // A card of a zone without its zone card would make the zone, and every zone numbered below it,
    // exist without volume, type or name.
    if (kind != CardKind::Zone && state.reader.izcard(z) == 0)
        throw IllegalCard(std::string(msg::kNoZoneCard) + std::to_string(z));
    switch (kind) {
    case CardKind::Zone:
        zoneCard(state, z, card);
        return CardResult::Next;
    case CardKind::Surface:
        surfaceCard(state, z, c, card);
        return CardResult::Next;
    default:
        return zoneControlCard(state, z, c, card);
    }
}

} // namespace engine
