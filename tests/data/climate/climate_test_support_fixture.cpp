#include "tests/data/climate/climate_test_support.h"

#include "common/file_lookup.h"
#include "common/text_values.h"

#include <cstdio>
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

std::string climateName(int zone) {
    char b[16];
    std::snprintf(b, sizeof b, "climat%02d.TXT", zone);
    return b;
}

std::string occupancyName(int zone) {
    char b[16];
    std::snprintf(b, sizeof b, "OCCUP%02d.DAT", zone);
    return b;
}

} // namespace climate_test
