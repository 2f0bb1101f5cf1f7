#include "modeller/engine_input/engine_process.h"

#include <QEventLoop>

#include <utility>

namespace pelmora {

std::filesystem::path EngineProgramPath(const std::filesystem::path& programFolder) {
    return programFolder / kEngineProgram;
}

EngineProcess::EngineProcess(QObject* parent) : QObject(parent) {
    // The engine's error lines belong to its console as much as its progress lines.
    process_.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &EngineProcess::readOutput);
    connect(&process_, &QProcess::finished, this, &EngineProcess::finished);
}

bool EngineProcess::Start(const std::filesystem::path& programFolder) {
    result_ = EngineResult{};
    partialLine_.clear();
    ended_ = false;
    process_.setProgram(QString::fromStdString(EngineProgramPath(programFolder).string()));
    process_.setArguments({});
    process_.setWorkingDirectory(QString::fromStdString(programFolder.string()));
    process_.start(QIODevice::ReadOnly);
    if (!process_.waitForStarted(-1)) {
        result_.startError =
            EngineProgramPath(programFolder).string() + ": " + process_.errorString().toStdString();
        ended_ = true;
        return false;
    }
    result_.started = true;
    return true;
}

const EngineResult& EngineProcess::WaitForEnd() {
    if (ended_) return result_;
    QEventLoop loop;
    connect(this, &EngineProcess::Ended, &loop, &QEventLoop::quit);
    if (!ended_) loop.exec();
    return result_;
}

void EngineProcess::readOutput() {
    partialLine_ += process_.readAllStandardOutput().toStdString();
    std::size_t end = 0;
    while ((end = partialLine_.find('\n')) != std::string::npos) {
        addLine(partialLine_.substr(0, end));
        partialLine_.erase(0, end + 1);
    }
}

void EngineProcess::addLine(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    emit ConsoleLine(QString::fromStdString(line));
    result_.consoleLines.push_back(std::move(line));
}

void EngineProcess::finished(int exitCode, QProcess::ExitStatus status) {
    readOutput();
    if (!partialLine_.empty()) addLine(std::exchange(partialLine_, {}));
    result_.crashed = status == QProcess::CrashExit;
    result_.exitCode = result_.crashed ? -1 : exitCode;
    ended_ = true;
    emit Ended();
}

EngineResult HeadlessEngineRunner::ExecAndWait(const std::filesystem::path& programFolder) {
    EngineProcess process;
    if (process.Start(programFolder)) process.WaitForEnd();
    return process.result();
}

} // namespace pelmora
