#include "tests/data/climate/climate_test_support.h"

#include "common/file_lookup.h"
#include "common/text_values.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace climate_test {

const std::vector<climate::PlaceNormals>& places() {
    static const auto table = climate::readClimateNormals(std::filesystem::path(TEST_SOURCE_DIR) /
                                                          "../../../data/climate/climate_normals.txt");
    return table;
}

std::filesystem::path programFile(const std::string& relative) {
    const auto found = common::findCaseInsensitive(PROGRAM_FOLDER, relative);
    if (!found) throw std::runtime_error("missing from the program folder: " + relative);
    return *found;
}

std::vector<std::string> programLines(const std::string& relative) {
    return common::readTextLines(programFile(relative));
}

// "climat0" n ".TXT" for n up to 9, "climat" n ".TXT" above; the occupancy file takes the same digits.
std::string zoneDigits(int zone) {
    return (zone <= 9 ? "0" : "") + std::to_string(zone);
}
std::string climateName(int zone) {
    return "climat" + zoneDigits(zone) + ".TXT";
}
std::string occupancyName(int zone) {
    return "OCCUP" + zoneDigits(zone) + ".DAT";
}

} // namespace climate_test
