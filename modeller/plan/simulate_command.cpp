// The main window's simulate button: the run's road (checks, pre-simulation pass, card file, engine)
// is the simulation commands' own; the main window gives them its plan, its message boxes, the
// engine's console window and the star panel that takes a completed run.
#include "modeller/engine_input/engine_console_form.h"
#include "modeller/engine_input/scratch_writer.h"
#include "modeller/engine_input/simulation_run.h"
#include "modeller/engine_input/text_file_form.h"
#include "modeller/plan/main_form.h"
#include "modeller/results/analysis_form.h"

#include <optional>

namespace pelmora {

namespace {

// A completed run goes to the star panel: its record is stored and shown, and the delete button
// appears.  Then the analysis dialog shows the run; the results count as current once it closes.
class RatingHandOver : public SimulationHandOver {
  public:
    explicit RatingHandOver(TMainForm& main) : main_(main) {}
    void ProcessSimulation() override { main_.ProcessSimulation(); }
    void ShowDelRecSB() override { main_.ShowDelRecSB(); }
    void ShowAnalysis() override {
        if (main_.Dialogs.AnalysisForm) main_.Dialogs.AnalysisForm->exec();
    }

  private:
    TMainForm& main_;
};

} // namespace

// The engine input writer's state, kept for the program's life, and the commands of the last click.
// The writer's working buffers are the element editors' own.
struct SimulationParts {
    SimulationParts(TMainForm& main, HouseModel& model, MaterialTables& tables, EditorBuffers& buffers,
                    platform::MessageService& messages)
        : scratch(model, tables, buffers), question(messages), handOver(main) {}

    Scratch scratch;
    MessageStairwellQuestion question;
    RatingHandOver handOver;
    std::optional<SimulationCommands> commands;
};

void TMainForm::createSimulation() {
    simulation_ = std::make_shared<SimulationParts>(*this, model_, workspace_.tables, workspace_.buffers,
                                                    services_.messages);
    engineConsole_ = new TEngineConsoleForm(this);
    Engine = engineConsole_;
    CardWriter = [parts = simulation_.get()](HouseModel&) { WriteScratchFile(parts->scratch); };
}

const SimulationCommands* TMainForm::lastSimulation() const {
    return simulation_->commands ? &*simulation_->commands : nullptr;
}

void TMainForm::SimulateSBClick() {
    if (!Engine || !CardWriter || !Dialogs.TextFileForm) return;
    SimulationParts& parts = *simulation_;
    parts.commands.emplace(SimulationServices{model_, services_.messages, *this, parts.question, CardWriter,
                                              *Engine, *Dialogs.TextFileForm, parts.handOver});
    parts.commands->SimulateSBClick();
}

void TMainForm::ScratchSBClick() {
    if (!Engine || !CardWriter || !Dialogs.TextFileForm) return;
    SimulationParts& parts = *simulation_;
    parts.commands.emplace(SimulationServices{model_, services_.messages, *this, parts.question, CardWriter,
                                              *Engine, *Dialogs.TextFileForm, parts.handOver});
    parts.commands->ScratchSBClick();
}

} // namespace pelmora
