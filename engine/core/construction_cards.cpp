// Data type 2 of the card file: the building sections (layer cards and glazing system cards), the
// material change cards and the name cards.
#include <string>

#include "common/value_range.h"

#include "engine/core/card_fields.h"
#include "engine/core/card_handlers.h"
#include "engine/core/card_ranges.h"
#include "engine/core/glazing_libraries.h"
#include "engine/core/input_files.h"
#include "engine/core/input_messages.h"
#include "engine/core/material_file.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

// Card layouts.
const fw::Format kHeader = fw::parseFormat("(2X,I3,1X,I2)");
const fw::Format kNameHeader = fw::parseFormat("(3X,I3)");
const fw::Format kGlazingName = fw::parseFormat("(6X,A80,A25)");
const fw::Format kSectionName = fw::parseFormat("(6X,A80)");
const fw::Format kMaterialCard = fw::parseFormat("(8X,I6,3F6.0,I6,A60)");
const fw::Format kLayerCard = fw::parseFormat("(8X,10(I3,F4.0))");
const fw::Format kWindowCard = fw::parseFormat("(8X,5(I3,F4.0),I7,A11,7F7.0)");
const fw::Format kSkylightCardLayers = fw::parseFormat("(8X,5(I3,F4.0),I7)");
const fw::Format kSkylightCardSystem = fw::parseFormat("(50X,I7,A11,7F7.0)");

constexpr int kLastWindowSection = 10;
constexpr int kFirstSkylightType = 1; // a light well with a rectangular shaft; 2 a tubular one
constexpr int kLastSkylightSection = 20;
constexpr int kGlazingPairs = 5;
constexpr int kNoLayer = 999; // a layer code that stands for no layer

void nameCard(EngineState& state, std::string_view card) {
    const int s = CardFields(card, kNameHeader).integer(1);
    if (s < 1 || s > kMaxSections) return; // outside the name table: the name is used nowhere
    if (s <= kLastSkylightSection) {
        const CardFields f(card, kGlazingName);
        state.names.secname(s) = f.text(1);
        state.names.secdesc(s) = f.text(2);
        return;
    }
    state.names.secname(s) = CardFields(card, kSectionName).text(1);
}

void materialChange(EngineState& state, std::string_view card) {
    const CardFields f(card, kMaterialCard);
    const int n = f.integer(1);
    if (n < 1 || n > kMaxMaterials) return; // no such material: storing nothing changes no result
    requireCardRanges(RangedCard::MaterialChange, {2, 0, 0}, f, kMaterialCard);
    storeMaterial(state, n, f.text(6), f.real(2), f.real(3), f.real(4), f.integer(5) != 0);
}

void requireMaterialCode(EngineState& state, int code, int s) {
    if (code < 0 || code > kMaxMaterials)
        stopRun(state, {msg::kMaterialCodeRange, static_cast<long long>(s)});
}

void layerCard(EngineState& state, std::string_view card, int s) {
    const CardFields f(card, kLayerCard);
    auto& b = state.bss;
    bool material = false; // a layer that conducts: a material or earth, not the no-layer code
    for (int k = 1; k <= kMaxLayers; ++k) {
        const int code = f.integer(2 * k - 1);
        requireMaterialCode(state, code, s);
        if (code == 0) break;
        if (code != kNoLayer) material = true;
    }
    // A section conducts through its layers; one without any has no transfer coefficients.
    if (!material)
        throw IllegalCard(std::string(msg::kSectionWithoutLayers) + std::to_string(s) +
                          std::string(msg::kOnAboveCard));
    requireCardRanges(RangedCard::Layers, {2, 0, s}, f, kLayerCard);
    b.isecdef(s) = 1;
    b.nlay(s) = kMaxLayers;
    for (int k = 1; k <= kMaxLayers; ++k) {
        const int code = f.integer(2 * k - 1);
        b.matlay(s, k) = code;
        b.thklay(s, k) = f.real(2 * k);
        if (code == 0) {
            b.nlay(s) = k - 1;
            return;
        }
    }
}

// The library file of library number k of a list, or a message when none was given.
std::filesystem::path libraryFile(EngineState& state,
                                  const common::FixedArray1<std::string, 1, kMaxLibraries>& list, int k) {
    if (k < 1 || k > kMaxLibraries || trimRight(list(k)).empty())
        stopRun(state, {msg::kNoGlazingLibrary, static_cast<long long>(k)});
    return requireInputFile(state, list(k));
}

// The layers of a glazing section: the frame and reveal layers of the card, then the glazing
// pseudo-layer that brings the section's resistance (from the starting film `startMaterial` on) to
// 1 / u.  `pairs` holds the card's codes and thicknesses as fields 1..10.
void buildGlazingSection(EngineState& state, const CardFields& pairs, int s, double u, int startMaterial) {
    if (u == 0.0) stopRun(state, {msg::kGlazingZeroU, static_cast<long long>(s)});
    auto& b = state.bss;
    b.isecdef(s) = 1;
    double r = state.cr.crp2(startMaterial);
    for (int k = 1; k <= kGlazingPairs + 1; ++k) {
        const int code = k <= kGlazingPairs ? pairs.integer(2 * k - 1) : 0;
        if (code == 0) {
            b.matlay(s, k) = kGlazingMaterial;
            b.thklay(s, k) = (1.0 / u - r) * 1000.0;
            b.nlay(s) = k;
            return;
        }
        const double thickness = pairs.real(2 * k);
        b.matlay(s, k) = code;
        b.thklay(s, k) = thickness;
        r += layerResistance(state, code, thickness);
    }
}

void checkGlazingCodes(EngineState& state, const CardFields& f, int s) {
    for (int k = 1; k <= kGlazingPairs; ++k) {
        const int code = f.integer(2 * k - 1);
        requireMaterialCode(state, code, s);
        if (code == 0) return;
    }
}

// A frame outside what a frame can be gives a window or skylight a U-value that is no window's: the
// card is illegal.  The product libraries of the modeller hold frames to the same rule.
void checkFrame(double frameU, double frameF) {
    if (!common::kFrameURange.contains(frameU) || !(frameF >= 0.0 && frameF <= 1.0))
        throw IllegalCard(std::string(msg::kFrameValueRange));
}

void windowCard(EngineState& state, std::string_view card, int s) {
    const CardFields f(card, kWindowCard);
    checkGlazingCodes(state, f, s);
    checkFrame(f.real(13), f.real(14));
    requireCardRanges(RangedCard::WindowSystem, {2, 0, s}, f, kWindowCard);
    const std::filesystem::path file = libraryFile(state, state.reader.winlib, f.integer(11));
    auto& w = state.wind41;
    w.frmu(s) = f.real(13);
    w.gfrac(s) = 1.0 - f.real(14);
    w.frma(s) = f.real(15);
    w.gsys4(s) = f.real(16);
    w.gsys5(s) = f.real(17);
    w.gsys6(s) = f.real(18);
    w.gsys7(s) = f.real(19);
    readWindowSystem(state, file, f.text(12), s);
    w.uwin(s) = w.gug(s) * w.gfrac(s) + w.frmu(s) * (1.0 - w.gfrac(s));
    buildGlazingSection(state, f, s, w.uwin(s), kWindowFilmMaterial);
}

void skylightCard(EngineState& state, std::string_view card, int s) {
    const CardFields layers(card, kSkylightCardLayers);
    const CardFields f(card, kSkylightCardSystem);
    checkGlazingCodes(state, layers, s);
    const int k = s - kLastWindowSection;
    // Only a rectangular or tubular light well or a roof window gains solar heat at all.
    const int type = layers.integer(11);
    if (type < kFirstSkylightType || type > kRoofWindowType)
        throw IllegalCard(std::string(msg::kSkylightTypeRange));
    const double frameU = f.real(3), frameF = f.real(4), frameA = f.real(5);
    checkFrame(frameU, frameF);
    requireCardRanges(RangedCard::SkylightLayers, {2, 0, s}, layers, kSkylightCardLayers);
    requireCardRanges(RangedCard::SkylightSystem, {2, 0, s}, f, kSkylightCardSystem);
    state.shad.igltyp(k) = type;
    auto& w = state.wind41;
    w.rgsys4(k) = f.real(6);
    w.rgsys5(k) = f.real(7);
    w.rgsys6(k) = f.real(8);
    w.rgsys7(k) = f.real(9);
    if (state.shad.igltyp(k) == kRoofWindowType) {
        const std::filesystem::path file = libraryFile(state, state.reader.rwlib, f.integer(1));
        w.frmu(s) = frameU;
        w.gfrac(s) = 1.0 - frameF;
        w.frma(s) = frameA;
        readWindowSystem(state, file, f.text(2), s);
        w.uwin(s) = w.gug(s) * w.gfrac(s) + w.frmu(s) * (1.0 - w.gfrac(s));
        buildGlazingSection(state, layers, s, w.uwin(s), kOutsideFilmMaterial);
        return;
    }
    const std::filesystem::path file = libraryFile(state, state.reader.skylib, f.integer(1));
    state.shad.skfrf(k) = frameF;
    const double glassU = readSkylightSystem(state, file, f.text(2), k);
    state.skylight.usky(k) = (1.0 - frameF) * glassU + frameU * frameF;
    buildGlazingSection(state, layers, s, state.skylight.usky(k), kOutsideFilmMaterial);
}

} // namespace

CardResult constructionCard(EngineState& state, std::string_view card) {
    if (card.size() >= 3 && (card[2] == 'N' || card[2] == 'n')) {
        nameCard(state, card);
        return CardResult::Next;
    }
    const int c = CardFields(card, kHeader).integer(1);
    if (c < 0 || c > kMaxSections) return CardResult::Unknown;
    if (c == 0)
        materialChange(state, card);
    else if (c <= kLastWindowSection)
        windowCard(state, card, c);
    else if (c <= kLastSkylightSection)
        skylightCard(state, card, c);
    else
        layerCard(state, card, c);
    return CardResult::Next;
}

} // namespace engine
