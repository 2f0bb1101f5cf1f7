// The glazing libraries: sequences of unformatted records, one system after another.  A window or
// roof-window system is a header (code, glass layers n, description) and n + 4 data records; a
// skylight system a header (code, description) and 3 data records.  The values are stored by position
// into the glazing tables; the glazing heat balance gives them their meaning.
#pragma once

#include <filesystem>
#include <string>

namespace engine {

struct EngineState;

inline constexpr std::size_t kGlazingCodeWidth = 11;
inline constexpr std::size_t kGlazingDescriptionWidth = 80;

// Reads window system `code` (11 characters, blank-padded) from `library` into the tables of
// glazing system s (1..20): wdesc, nglay, gug, glib2..glib6, glayb, glayc, gangle, glayang.  A missing
// library, a code it does not hold or a damaged record ends the run with a message naming the file.
void readWindowSystem(EngineState& state, const std::filesystem::path& library, const std::string& code,
                      int s);

// Reads skylight system `code` from `library` into wdesc(10 + k), sktau(k, ·), skp1(k), skp2(k) of
// skylight system k (1..10); returns the system's centre-of-glass U-value, W/m²K.
double readSkylightSystem(EngineState& state, const std::filesystem::path& library, const std::string& code,
                          int k);

} // namespace engine
