// Texts that the programs show, print or write into cards come from shipped files; a control
// character in one (a tab, an escape, a stray NUL) is damage to the file, never part of a name.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
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

// `text` as a message may quote it: a file that is not text (a picture or a program opened by mistake)
// must not put raw bytes into a message box.  Every control character and every byte that is not part
// of a well-formed UTF-8 character becomes '?', and a text of more than `longest` characters is cut
// there and ends in "...".
inline std::string printableExcerpt(std::string_view text, std::size_t longest = 60) {
    std::string out;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (characters == longest) return out + "...";
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        bool wellFormed = lead >= 0x20 && lead != 0x7f && (lead < 0x80 || length > 1);
        if (length > 1) {
            wellFormed = i + length <= text.size();
            for (std::size_t k = 1; wellFormed && k < length; ++k)
                wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
            // No overlong forms, surrogates or code points past U+10FFFF.
            if (wellFormed && length == 3) {
                const auto second = static_cast<unsigned char>(text[i + 1]);
                wellFormed = !(lead == 0xE0 && second < 0xA0) && !(lead == 0xED && second >= 0xA0);
            }
            if (wellFormed && length == 4) {
                const auto second = static_cast<unsigned char>(text[i + 1]);
                wellFormed = !(lead == 0xF0 && second < 0x90) && !(lead == 0xF4 && second >= 0x90);
            }
        }
        if (wellFormed) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += '?';
            ++i;
        }
        ++characters;
    }
    return out;
}

} // namespace common
