#include "engine/core/input_reader.h"

#include <string>

#include "engine/core/card_fields.h"
#include "engine/core/card_handlers.h"
#include "engine/core/input_files.h"
#include "engine/core/input_messages.h"
#include "engine/core/material_file.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr std::string_view kCardFileName = "scratch";
constexpr std::size_t kCardWidth = 200; // characters of a card that are read
constexpr std::size_t kEchoWidth = 80;  // characters of an illegal card that are echoed
constexpr std::size_t kFileNameWidth = 120;
constexpr double kLowestStartingTemperature = -50.0; // °C; below it the climate file decides

const fw::Format kDataType = fw::parseFormat("(I2)");

constexpr int kBannerIndent = 14;
constexpr std::size_t kBannerInside = 48;

std::string framed(std::string_view inside) {
    std::string line(kBannerIndent, ' ');
    line += '*';
    line += inside;
    line.append(kBannerInside - inside.size(), ' ');
    line += '*';
    return line;
}

void echoIllegalCard(EngineState& state, std::string_view card) {
    consoleLine(state, " " + std::string(card.substr(0, std::min(card.size(), kEchoWidth))));
    consoleLine(state, msg::kIllegalField);
    state.bss.ierrin = 1;
}

// Handles one card; returns false when the card ends the input.
bool handleCard(EngineState& state, std::string_view card) {
    const int dataType = CardFields(card, kDataType).integer(1);
    switch (dataType) {
    case 1:
        return projectCard(state, card) == CardResult::Next;
    case 2:
        return constructionCard(state, card) == CardResult::Next;
    case 3:
        return zoneDataCard(state, card) == CardResult::Next;
    case 9:
        endOfInputChecks(state);
        return false;
    default:
        return false;
    }
}

void readCards(EngineState& state) {
    std::string line;
    while (std::getline(state.unit60, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > kCardWidth) line.resize(kCardWidth);
        if (!line.empty() && (line[0] == 'C' || line[0] == 'c')) continue;
        try {
            if (!handleCard(state, line)) return;
        } catch (const IllegalField&) {
            echoIllegalCard(state, line);
        }
    }
}

// What the end of the cards leaves to settle before the input is completed.
void finishCards(EngineState& state) {
    if (state.bss.ierrin != 0) return;
    if (trimRight(state.reader.wxfile).empty()) stopRun(state, {msg::kNoClimateFile});
    if (state.zn.tstart < kLowestStartingTemperature) state.zn.tstart = 0.7 * state.reader.tmean + 7.2;
}

} // namespace

void setInputDefaults(EngineState& state) {
    allocateInputBlocks(state);
    for (int z = 1; z <= kMaxZones; ++z) {
        auto& v = state.var;
        v.covtw(z) = v.covts(z) = v.blndtw(z) = v.blndts(z) = v.ventton(z) = v.venttoff(z) = 99.0;
        v.covsw(z) = v.covss(z) = v.blndsw(z) = v.blndss(z) = 9999.0;
    }
    state.shad.pergf.fill(1.0);
    state.shad.scrf.fill(1.0);
    state.wind41.blindw.fill(1.0);
    state.wind41.blinds.fill(1.0);
    state.type.ifixop.fill(1);
    state.zones.nzones = 1;
    state.prin2.c8file = "None";
    state.prin2.c8file.resize(kFileNameWidth, ' ');
    state.additionalcontrol = AdditionalcontrolBlock{};
    state.additionalcontrol.iacfl1.fill(1);
    state.additionalcontrol.iacfl2.fill(1);
    state.reader.zmidmin = 1.0e6;
}

void readat(EngineState& state) {
    setInputDefaults(state);
    readMaterialFile(state);
    readCards(state);
    finishCards(state);
    // The input is completed here (derived values of the special zones, result files, report head,
    // section and zone records of the work file): the completion of the input follows this call.
}

int readin(EngineState& state) {
    const std::filesystem::path cards = requireInputFile(state, kCardFileName);
    state.unit60.open(cards, std::ios::binary);
    if (!state.unit60.is_open()) stopRun(state, {msg::kFileUnreadable, cards.string()});
    readat(state);
    state.unit60.close();
    if (state.bss.ierrin != 0) {
        consoleLine(state, "");
        consoleLine(state, "");
        consoleLine(state, msg::kAbnormalEnd);
        return state.bss.ierrin;
    }
    for (const std::string& line : bannerLines()) consoleLine(state, line);
    return 0;
}

std::vector<std::string> bannerLines() {
    const std::string frame = std::string(kBannerIndent, ' ') + std::string(kBannerInside + 2, '*');
    return {"",
            "",
            "",
            frame,
            framed(""),
            framed("           Varonell Engine Version 2.13"),
            framed("     CALCULATIONS IN PROGRESS.  PLEASE WAIT"),
            framed(""),
            framed("   Developed with funding from the national"),
            framed("   house energy rating scheme and the state"),
            framed("   and territory energy agencies that take"),
            framed("   part in it."),
            framed(""),
            frame};
}

} // namespace engine
