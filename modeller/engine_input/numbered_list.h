// The numbered lists the cards refer to by number: pressure-coefficient sets, curtains, blinds,
// shading schemes, screens and the construction lists.  Slot 0 is "none"; entries take their
// positions 1.. in order of first use, and two equal keys never get two positions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

struct NumberedEntry {
    std::string key;  // what makes the entry distinct (a set text, a name, a layer text)
    std::string name; // the name written beside it, where the list has one
    std::string text; // the values written on its card, where they differ from the key
};

class NumberedList {
  public:
    // Empties the list down to its slot 0.
    void Reset(NumberedEntry slot0 = {});
    // The position of `key` (0 for slot 0), or -1 when the list does not hold it.
    int Position(std::string_view key) const;
    // The position of `key`, appending the entry when the list does not yet hold it.
    int Add(NumberedEntry entry);

    // Entries 1..Count(); slot 0 is not counted.
    int Count() const { return static_cast<int>(entries_.size()) - 1; }
    const NumberedEntry& operator[](int position) const {
        return entries_.at(static_cast<std::size_t>(position));
    }

  private:
    std::vector<NumberedEntry> entries_{NumberedEntry{}};
};

} // namespace pelmora
