// The engine as a child process: `<program folder>/varonellengine`, started with no arguments and the
// program folder as its working directory, waited for without a time limit.  Its console lines (the
// banner, input errors, limit messages and one line per completed month) are collected as they come
// and announced one by one, so a window can show them while the engine runs.
#pragma once

#include "modeller/engine_input/simulation_run.h"

#include <QObject>
#include <QProcess>
#include <QString>

#include <filesystem>
#include <string>

namespace pelmora {

// The engine program of a program folder.
std::filesystem::path EngineProgramPath(const std::filesystem::path& programFolder);

class EngineProcess : public QObject {
    Q_OBJECT
  public:
    explicit EngineProcess(QObject* parent = nullptr);

    // Starts the engine of the program folder.  False when it could not be started; the result then
    // says why.
    bool Start(const std::filesystem::path& programFolder);
    // True from a successful start until the end has been seen.
    bool running() const { return result_.started && !ended_; }
    // Waits until the engine has ended, without a time limit, keeping the event loop turning so that
    // the lines reach any window that shows them.  Returns at once when it is not running.
    const EngineResult& WaitForEnd();
    const EngineResult& result() const { return result_; }

  signals:
    void ConsoleLine(const QString& line);
    void Ended();

  private:
    void readOutput();
    void finished(int exitCode, QProcess::ExitStatus status);
    void addLine(std::string line);

    QProcess process_;
    std::string partialLine_;
    EngineResult result_;
    bool ended_ = false;
};

// Runs the engine with no window: the tests' runner and any caller without a screen.
class HeadlessEngineRunner : public EngineRunner {
  public:
    EngineResult ExecAndWait(const std::filesystem::path& programFolder) override;
};

} // namespace pelmora
