#include "engine/core/input_reader.h"

#include <string>

#include "engine/core/card_fields.h"
#include "engine/core/card_handlers.h"
#include "engine/core/input_completion.h"
#include "engine/core/input_files.h"
#include "engine/core/input_messages.h"
#include "engine/core/material_file.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"
#include "engine/core/work_file_dump.h"
#include "engine/solar_airflow/ventilation_openings.h"

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

// Echoes a card the input cannot take with the line that says why, and marks the input as faulty.
void echoIllegalCard(EngineState& state, std::string_view card, std::string_view why) {
    errorLine(state, " " + std::string(card.substr(0, std::min(card.size(), kEchoWidth))));
    errorLine(state, why);
    state.bss.ierrin = 1;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Handles one card; returns false when the card ends the input.  A card the reader does not know
// is illegal input (IllegalCard).
bool handleCard(EngineState& state, std::string_view card) {
    const int dataType = CardFields(card, kDataType).integer(1);
    switch (dataType) {
    case 1:
        projectCard(state, card);
        return true;
    case 2:
        if (constructionCard(state, card) == CardResult::Unknown)
            throw IllegalCard(std::string(msg::kSectionNumberRange));
        return true;
    case 3:
        if (zoneDataCard(state, card) == CardResult::Unknown)
            throw IllegalCard(std::string(msg::kUnknownCardNumber));
        return true;
    case 9:
        return false;
    default:
        throw IllegalCard(std::string(msg::kUnknownDataType));
    }
}

// Reads one line of the card file as a card: without its line end, cut to the columns that are read.
bool nextCard(EngineState& state, std::string& line, long& lineNumber) {
    if (!std::getline(state.unit60, line)) return false;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kCardWidth) line.resize(kCardWidth);
    return true;
}

bool isComment(std::string_view line) {
    return !line.empty() && (line[0] == 'C' || line[0] == 'c');
}

// After the end card only comments and blank lines may follow: a card there would be lost without
// a word (an end card before a zone's cards would rate the house without that zone).
void endCard(EngineState& state, long endLine) {
    std::string line;
    long lineNumber = endLine;
    while (nextCard(state, line, lineNumber)) {
        if (isComment(line) || isBlank(line)) continue;
        errorLine(state, std::string(msg::kCardsAfterEndCard) + std::to_string(endLine) + ", card at line " +
                             std::to_string(lineNumber) + ": " + state.reader.cardfile.string());
        state.bss.ierrin = 1;
        return;
    }
    endOfInputChecks(state);
}

void readCards(EngineState& state) {
    std::string line;
    long lineNumber = 0;
    // A blank line ends the input as the end card does, but only at the end of the file: cards
    // after it would be lost without a word (a blank line before a zone's cards would rate the house
    // without that zone).
    long blankLine = 0;
    while (nextCard(state, line, lineNumber)) {
        if (isComment(line)) continue;
        if (isBlank(line)) {
            if (blankLine == 0) blankLine = lineNumber;
            continue;
        }
        if (blankLine != 0) {
            errorLine(state, std::string(msg::kBlankLineBeforeCards) + std::to_string(blankLine) +
                                 ", before line " + std::to_string(lineNumber) + ": " +
                                 state.reader.cardfile.string());
            state.bss.ierrin = 1;
            return;
        }
        try {
            if (!handleCard(state, line)) {
                endCard(state, lineNumber);
                return;
            }
        } catch (const IllegalCard& illegal) {
            echoIllegalCard(state, line, illegal.what());
        }
    }
    if (blankLine != 0) {
        endOfInputChecks(state);
        return;
    }
    // Without its end card the file may have been cut short: nothing read can be trusted whole.
    errorLine(state, std::string(msg::kNoEndCard) + state.reader.cardfile.string());
    state.bss.ierrin = 1;
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
    checkventinput(state);
    completeInput(state);
}

int readin(EngineState& state) {
    const std::filesystem::path cards = requireInputFile(state, kCardFileName);
    state.reader.cardfile = cards;
    state.unit60.open(cards, std::ios::binary);
    if (!state.unit60.is_open()) stopRun(state, {msg::kFileUnreadable, cards.string()});
    readat(state);
    state.unit60.close();
    if (state.bss.ierrin != 0) {
        errorLine(state, "");
        errorLine(state, "");
        errorLine(state, msg::kAbnormalEnd);
        return state.bss.ierrin;
    }
    for (const std::string& line : bannerLines()) consoleLine(state, line);
    if (state.blank.iprnt6 != 0) dumpWorkFile(state);
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
