// Saves the sample houses again with every value that the pre-simulation pass derives from the plan
// (wall lengths, neighbours and directions, opening directions and points, eaves depths, floor areas),
// as the modeller computes them: each file is opened as the main window opens a house (read, then
// shown at 40 px/m), passed, and written back at magnification 1 as the main window saves.  A sample
// saved so is written again byte for byte by a pass and a save in the modeller.
//
//   resave_samples <house file> ...
//
// Each file is rewritten in place.  A file that cannot be read, or whose pass would ask about a
// stairwell, is reported and left as it was; the tool then ends with status 1.
#include "modeller/model/house_file.h"
#include "modeller/model/model_error.h"
#include "modeller/model/plan_operations.h"
#include "modeller/model/plan_view.h"
#include "modeller/model/presimulation_pass.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using namespace pelmora;

// The magnification at which the main window shows a house it has opened.
constexpr double kOpeningMagnification = 2.0;

// A sample is a house the pass takes as it stands: a stairwell question or a deleted window means the
// sample is wrong.
class NoStairwellQuestion : public StairwellQuestion {
  public:
    bool ConfirmStairwellDeletion(const std::string& text) override { throw std::runtime_error(text); }
    void ReportDeletedWindows(const std::string& text) override { throw std::runtime_error(text); }
};

void resave(const std::filesystem::path& file) {
    auto model = std::make_unique<HouseModel>();
    ReadHouseFile(*model, file);
    model->Magnification = kOpeningMagnification;
    ScalePlanCoordinates(*model, kOpeningMagnification);
    SilentPlanView view;
    NoStairwellQuestion question;
    if (ScratchCalcs(*model, view, question)) throw std::runtime_error("the pass was cancelled");
    auto stored = std::make_unique<HouseModel>(*model);
    stored->Magnification = 1.0;
    ScalePlanCoordinates(*stored, 1.0 / kOpeningMagnification);
    WriteHouseFile(*stored, file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: resave_samples <house file> ...\n";
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path file = argv[i];
        try {
            resave(file);
            std::cout << "saved " << file.string() << "\n";
        } catch (const std::exception& e) {
            std::cerr << file.string() << ": " << e.what() << "\n";
            status = 1;
        }
    }
    return status;
}
