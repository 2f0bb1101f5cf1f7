// Names of the house that become part of a file's path: the project name names the house file, the
// plan pictures and the engine's hourly temperature file, and the climate file name names the weather
// the engine reads.  Such a name must stay one name inside its folder, or the engine would write (or
// read) a file outside the program folder.
#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// Why `name` cannot be part of a path ("it holds a path separator"), or empty when it can: it may hold
// no "/" or "\", no "..", and no control character.
std::string FileNameFault(std::string_view name);

} // namespace pelmora
