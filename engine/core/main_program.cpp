#include "engine/core/main_program.h"

#include <cmath>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/core/card_fields.h"
#include "engine/core/harmonic_conduction.h"
#include "engine/core/input_completion.h"
#include "engine/core/input_files.h"
#include "engine/core/input_reader.h"
#include "engine/core/response_factors.h"
#include "engine/core/result_files.h"
#include "engine/core/result_writer.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"
#include "engine/core/time_loop.h"
#include "engine/core/work_file_reading.h"
#include "engine/core/zone_response.h"

namespace engine {
namespace {

constexpr double kFirstGridPoint = 24.0; // hours
constexpr double kGridSteps = 16.0;      // grid points per doubling

struct Weights {
    double a, b, c;
};

// The three weights for a move of e grid steps in one hour; a + b - 2c = 1 for every e.
Weights weights(double e) {
    return {e * (5.0 - e) * 0.25, (4.0 - 3.0 * e - e * e) * 0.25, (e - e * e) * 0.25};
}

// Conduction transfer, zone responses and response factors.  A failure of the conduction phase
// leaves the work file for inspection; after the zone responses it is deleted whatever they gave.
int responsePhases(EngineState& state) {
    int ierr = 0;
    rewindWorkFile(state);
    calgrc(state, ierr);
    if (ierr != 0) return 1;
    try {
        harmnc(state, ierr);
    } catch (...) {
        removeWorkFile(state);
        throw;
    }
    removeWorkFile(state);
    if (ierr != 0) return 1;
    clbehv(state);
    return 0;
}

} // namespace

void setTimeConstants(EngineState& state) {
    state.time.mintstep = 60;
    state.time.nwxhr = 1;
    state.time.mintwx = 60;
    state.time.nstphr = 1;
}

void fillValu(EngineState& state) {
    auto& v = state.valu;
    const double ratio = std::pow(2.0, 1.0 / kGridSteps);
    double b = kFirstGridPoint;
    for (int i = 1; i <= kValuPoints; ++i) {
        const double e = (kGridSteps / std::log(2.0)) * std::log(1.0 + 1.0 / b);
        const Weights w = weights(e);
        v.valua(i) = w.a;
        v.valub(i) = w.b;
        v.valuc(i) = w.c;
        b *= ratio;
    }
    const double x = kFirstGridPoint / ratio;
    const double whole = std::trunc(x);
    const Weights tail = weights(x - whole);
    v.valua0 = tail.a;
    v.valub0 = tail.b;
    v.valuc0 = tail.c;
    v.ivaloff = static_cast<int>(whole) - 1;
}

namespace {

constexpr std::string_view kDefaultReport = "output.txt";

// The text report receives the error lines of a run that ended abnormally, after whatever it holds
// already; a run that stopped before the report was opened opens it (the report of the card file,
// or output.txt when the cards named none yet).
void reportErrors(EngineState& state) {
    if (state.errorLines.empty()) return;
    std::ofstream& report = state.units.report;
    if (!report.is_open()) {
        const bool named = !trimRight(state.reader.repfile).empty();
        const auto mode = state.units.reportOpened ? std::ios::app : std::ios::trunc;
        std::filesystem::path file = resultFilePath(state, named ? state.reader.repfile : kDefaultReport);
        // A report named over an input file takes nothing: the console has told the errors.
        if (!outputFault(state, file).empty()) file = resultFilePath(state, kDefaultReport);
        if (!outputFault(state, file).empty()) {
            state.errorLines.clear();
            return;
        }
        report.clear();
        report.open(file, std::ios::binary | mode);
    }
    writeLines(report, state.errorLines);
    report.flush();
    state.errorLines.clear();
}

// Runs one stage of the run and turns every abnormal end into status 1.
template <class Stage> int guardedStage(EngineState& state, Stage stage) {
    int status = 1;
    try {
        status = stage();
    } catch (const RunStopped&) {
        status = 1;
    } catch (const std::exception& e) {
        errorLine(state, std::string(" ") + e.what());
        status = 1;
    }
    if (status != 0) reportErrors(state);
    return status;
}

// The work file of an input that failed holds nothing a later run could use.
void discardWorkFile(EngineState& state) {
    if (state.tape52.writer) deleteWorkFile(state);
}

int inputPhase(EngineState& state) {
    setTimeConstants(state);
    fillValu(state);
    try {
        if (readin(state) == 0) return 0;
    } catch (...) {
        discardWorkFile(state);
        throw;
    }
    discardWorkFile(state);
    return 1;
}

} // namespace

int runInput(EngineState& state) {
    return guardedStage(state, [&] { return inputPhase(state); });
}

int runEngine(EngineState& state) {
    return guardedStage(state, [&] {
        if (inputPhase(state) != 0) return 1;
        // The thermal phases read the work file that the completion of the input writes.
        if (!state.tape52.writer) return 0;
        if (responsePhases(state) != 0) return 1;
        state.textReport = &state.units.report;
        int ierr = 0;
        perfrm(state, ierr);
        if (ierr != 0) return 1;
        // Exit 0 says that every result was written: a file that could not take its last lines fails.
        checkResultFiles(state, true);
        return 0;
    });
}

} // namespace engine
