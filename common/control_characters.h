// Texts that the programs show, print or write into cards come from shipped files; a control
// character in one (a tab, an escape, a stray NUL) is damage to the file, never part of a name.
#pragma once

#include <optional>
#include <string_view>

namespace common {

// The code of the first control character of `text` (0-31 or 127), or nothing when it has none.
inline std::optional<int> firstControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) return static_cast<int>(u);
    }
    return std::nullopt;
}

} // namespace common
