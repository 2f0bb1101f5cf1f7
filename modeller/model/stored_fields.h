// The stored values of a record as data: for each value its name and the member that holds it, in
// the order of the one-value-per-line files (house file, defaults file).  The writer and the reader
// of a file both walk the same list, so they cannot drift apart.
#pragma once

#include "common/arrays.h"
#include "modeller/model/element_records.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace pelmora {

template <class Record> struct StoredField {
    std::string_view name;
    // The member's type gives its lines: an integer, a real, TRUE/FALSE or a text take one line each; a
    // plan point takes two (X, Y), a monthly list 12 and a list of shared zones 50 integer lines.
    std::variant<std::int32_t Record::*, double Record::*, bool Record::*, std::string Record::*,
                 TPlanPoint Record::*, MonthlyPercent Record::*, SharedZoneList Record::*>
        member;
    // A text value: its longest stored length (0 = any); longer lines are cut on reading.
    std::size_t maxLength = 0;
    // An integer value (each entry of a list, each coordinate of a point): the range the model can
    // hold, such as a count and its capacity, a choice among fixed options, a zone number that indexes
    // the zone arrays, a percentage, or a position on the plan.
    std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int32_t highest = std::numeric_limits<std::int32_t>::max();
};

// The number of lines the fields take.
template <class Record> int lineCount(std::span<const StoredField<Record>> fields) {
    int lines = 0;
    for (const auto& f : fields) {
        lines += std::visit(
            [](auto member) {
                using T = std::remove_reference_t<decltype(std::declval<Record&>().*member)>;
                if constexpr (std::is_same_v<T, TPlanPoint>)
                    return 2;
                else if constexpr (std::is_same_v<T, MonthlyPercent>)
                    return 12;
                else if constexpr (std::is_same_v<T, SharedZoneList>)
                    return kSharedZoneSlots;
                else
                    return 1;
            },
            f.member);
    }
    return lines;
}

} // namespace pelmora
