#include "modeller/engine_input/numbered_list.h"

namespace pelmora {

void NumberedList::Reset(NumberedEntry slot0) {
    entries_.assign(1, std::move(slot0));
}

int NumberedList::Position(std::string_view key) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].key == key) return static_cast<int>(i);
    }
    return -1;
}

int NumberedList::Add(NumberedEntry entry) {
    const int found = Position(entry.key);
    if (found >= 0) return found;
    entries_.push_back(std::move(entry));
    return Count();
}

} // namespace pelmora
