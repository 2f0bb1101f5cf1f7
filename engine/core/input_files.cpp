#include "engine/core/input_files.h"

#include <algorithm>
#include <array>
#include <string>
#include <system_error>

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

namespace {

namespace fs = std::filesystem;

// The files of the program folder that a run never writes: the shipped data beside the programs,
// the programs, and the card and work files of the run itself.
constexpr std::array<std::string_view, 8> kFixedFiles{"matdata.bin", "BESTFIT.DAT",    "CITIES1.DAT",
                                                      "grid.bmp",    "varonellengine", "pelmora",
                                                      "scratch",     "tape52"};
constexpr std::string_view kDataFolder = "Data";

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) {
        const bool same = fs::equivalent(a, b, ec);
        return !ec && same;
    }
    const fs::path ca = fs::weakly_canonical(a, ec);
    if (ec) return false;
    const fs::path cb = fs::weakly_canonical(b, ec);
    return !ec && ca == cb;
}

bool insideFolder(const fs::path& file, const fs::path& folder) {
    std::error_code ec;
    const fs::path f = fs::weakly_canonical(file, ec);
    if (ec) return false;
    const fs::path d = fs::weakly_canonical(folder, ec);
    if (ec) return false;
    auto [inFolder, inFile] = std::mismatch(d.begin(), d.end(), f.begin(), f.end());
    return inFolder == d.end() || (std::next(inFolder) == d.end() && inFolder->empty());
}

} // namespace

std::string outputFault(const InputBlocks& blocks, const fs::path& output) {
    if (output.empty()) return {};
    const auto isInput = [&](const fs::path& input) { return !input.empty() && sameFile(output, input); };
    if (isInput(blocks.reader.cardfile)) return "it is the card file";
    if (isInput(blocks.unit10.path())) return "it is the climate file";
    if (const auto climate = findInputFile(blocks, blocks.reader.wxfile); climate && isInput(*climate))
        return "it is the climate file";
    for (const auto* list : {&blocks.reader.winlib, &blocks.reader.rwlib, &blocks.reader.skylib})
        for (int k = 1; k <= kMaxLibraries; ++k)
            if (const auto library = findInputFile(blocks, (*list)(k)); library && isInput(*library))
                return "it is a glazing library";
    for (std::string_view name : kFixedFiles)
        if (const auto fixed = common::findCaseInsensitive(blocks.workdir, name); fixed && isInput(*fixed))
            return "it is the program folder's " + std::string(name);
    if (const auto data = common::findCaseInsensitive(blocks.workdir, kDataFolder);
        data && insideFolder(output, *data))
        return "it lies in the program folder's shipped data";
    std::error_code ec;
    if (const fs::path self = fs::read_symlink("/proc/self/exe", ec); !ec && isInput(self))
        return "it is the engine";
    return {};
}

} // namespace engine
