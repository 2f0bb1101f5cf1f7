#include "file_lookup.h"

#include <cctype>
#include <string>
#include <vector>

namespace common {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> components(std::string_view relative) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : relative) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

// The entry of `folder` named `name` in any case, the exact spelling first.
std::optional<fs::path> findEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (name == "." || name == "..") return folder / name;
    if (fs::exists(folder / name, ec)) return folder / name;
    fs::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    for (const auto& entry : it) {
        if (equalsIgnoringCase(entry.path().filename().string(), name)) return entry.path();
    }
    return std::nullopt;
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<fs::path> findCaseInsensitive(const fs::path& folder, std::string_view relative) {
    fs::path current = folder;
    for (const std::string& part : components(relative)) {
        auto next = findEntry(current, part);
        if (!next) return std::nullopt;
        current = *next;
    }
    return current;
}

fs::path resolveForWriting(const fs::path& folder, std::string_view relative) {
    fs::path current = folder;
    bool found = true;
    for (const std::string& part : components(relative)) {
        if (found) {
            if (auto next = findEntry(current, part)) {
                current = *next;
                continue;
            }
            found = false;
        }
        current /= part;
    }
    return current;
}

} // namespace common
