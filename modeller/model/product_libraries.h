// Loading of the window and skylight product libraries (Data/WindowData/VORTwindows.txt and
// VORTskylights.txt in the program folder) into WindowProducts and SkylightProducts.
//
// A library is read whole before it replaces the one in memory: a missing file, a malformed record or
// more products than the array holds raises ModelError naming the file and line, and the library in
// memory stays as it was.  After a successful load the entries past the last product are empty.
#pragma once

#include "modeller/model/house_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kWindowLibraryFile = "Data/WindowData/VORTwindows.txt";
inline constexpr std::string_view kSkylightLibraryFile = "Data/WindowData/VORTskylights.txt";

void ReadWindowLibrary(HouseModel& model);
void ReadSkylightLibrary(HouseModel& model);

// The products of a library file's lines; `fileName` names the file in errors.
std::vector<CustWinType> parseWindowLibrary(const std::vector<std::string>& lines,
                                            const std::string& fileName);
std::vector<CustSkyType> parseSkylightLibrary(const std::vector<std::string>& lines,
                                              const std::string& fileName);

// The text up to its last non-blank character; a text of blanks only comes back unchanged.
std::string TrimTrailingBlanks(std::string_view text);

} // namespace pelmora
