#include "engine/core/run_stop.h"

#include "common/fixed_width.h"
#include "engine/core/input_blocks.h"

namespace engine {

namespace {
constexpr int kListDirectedIntegerWidth = 12;
}

std::string listDirected(std::initializer_list<ConsoleItem> items) {
    std::string line = " ";
    for (const ConsoleItem& item : items) {
        if (const auto* text = std::get_if<std::string_view>(&item)) {
            line += *text;
            continue;
        }
        fw::appendInteger(line, std::get<long long>(item), kListDirectedIntegerWidth,
                          fw::Overflow::Asterisks);
    }
    return line;
}

void consoleLine(InputBlocks& blocks, std::string_view line) {
    *blocks.console << line << std::endl;
}

void errorLine(InputBlocks& blocks, std::string_view line) {
    consoleLine(blocks, line);
    blocks.errorLines.emplace_back(line);
}

void stopRun(InputBlocks& blocks, std::initializer_list<ConsoleItem> items) {
    const std::string line = listDirected(items);
    errorLine(blocks, line);
    throw RunStopped(line);
}

} // namespace engine
