#include "modeller/model/file_names.h"

namespace pelmora {

std::string FileNameFault(std::string_view name) {
    if (name.find_first_of("/\\") != std::string_view::npos)
        return "it holds a path separator (\"/\" or \"\\\")";
    if (name.find("..") != std::string_view::npos) return "it holds \"..\"";
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "it holds a control character";
    return {};
}

} // namespace pelmora
