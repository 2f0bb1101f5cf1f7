// How the engine ends a run early: the message goes to the console, then the run unwinds to the main
// program, which exits with a non-zero status.  No phase catches RunStopped.  Every error line is
// also kept for the text report, which receives the kept lines when the run ends abnormally, so a
// user who reads output.txt learns why the run stopped.
#pragma once

#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace engine {

struct EngineState;
struct InputBlocks;

class RunStopped : public std::runtime_error {
  public:
    explicit RunStopped(const std::string& message) : std::runtime_error(message) {}
};

// One item of a console line written in free (list-directed) form: a text as it stands, an integer
// right-aligned in the run-time's default width of 12 characters.
using ConsoleItem = std::variant<std::string_view, long long>;

// A console line in free form: one leading blank, then the items.
std::string listDirected(std::initializer_list<ConsoleItem> items);

// Writes the line to the engine's console.
void consoleLine(InputBlocks& blocks, std::string_view line);

// Writes an error line to the console and keeps it for the text report.
void errorLine(InputBlocks& blocks, std::string_view line);

// Writes the message in free form and ends the run.
[[noreturn]] void stopRun(InputBlocks& blocks, std::initializer_list<ConsoleItem> items);

} // namespace engine
