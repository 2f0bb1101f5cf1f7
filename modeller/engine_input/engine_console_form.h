// The engine's console while it runs: a small modal window that shows the engine's console lines as
// they come (the banner, any input errors, one line per completed month) and closes when the engine
// ends.  It cannot be closed while the engine runs; the main window waits behind it.
#pragma once

#include "modeller/engine_input/engine_process.h"
#include "modeller/engine_input/simulation_run.h"

#include <QDialog>

#include <filesystem>

class QPlainTextEdit;

namespace pelmora {

class TEngineConsoleForm : public QDialog, public EngineRunner {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "VaronellEngine";

    explicit TEngineConsoleForm(QWidget* parent = nullptr);

    // Starts the engine of the program folder with the busy cursor, shows its lines until it ends and
    // returns how it ended.
    EngineResult ExecAndWait(const std::filesystem::path& programFolder) override;

    QPlainTextEdit* ConsoleText = nullptr;

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConsoleLine(const QString& line);
    EngineProcess* engine_ = nullptr;
};

} // namespace pelmora
