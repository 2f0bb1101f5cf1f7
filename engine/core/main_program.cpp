#include "engine/core/main_program.h"

#include <cmath>
#include <exception>
#include <string>

#include "engine/core/input_reader.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

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

int runEngine(EngineState& state) {
    try {
        setTimeConstants(state);
        fillValu(state);
        if (readin(state) != 0) return 1;
        // The thermal phases follow the input here, each ending the run when it reports an error.
        return 0;
    } catch (const RunStopped&) {
        return 1;
    } catch (const std::exception& e) {
        consoleLine(state, std::string(" ") + e.what());
        return 1;
    }
}

} // namespace engine
