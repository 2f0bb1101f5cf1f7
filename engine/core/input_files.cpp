#include "engine/core/input_files.h"

#include <string>

#include "common/file_lookup.h"
#include "engine/core/card_fields.h"
#include "engine/core/input_blocks.h"
#include "engine/core/input_messages.h"
#include "engine/core/run_stop.h"

namespace engine {

std::optional<std::filesystem::path> findInputFile(const InputBlocks& blocks, std::string_view name) {
    std::string path = trimRight(name);
    for (char& c : path)
        if (c == '\\') c = '/';
    const auto first = path.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    path.erase(0, first);
    if (path.front() == '/') {
        auto found = common::findCaseInsensitive("/", std::string_view(path).substr(1));
        if (found && std::filesystem::is_regular_file(*found)) return found;
        return std::nullopt;
    }
    auto found = common::findCaseInsensitive(blocks.workdir, path);
    if (found && std::filesystem::is_regular_file(*found)) return found;
    return std::nullopt;
}

std::filesystem::path requireInputFile(InputBlocks& blocks, std::string_view name) {
    auto found = findInputFile(blocks, name);
    if (!found) stopRun(blocks, {msg::kFileNotFound, trimRight(name)});
    return *found;
}

} // namespace engine
