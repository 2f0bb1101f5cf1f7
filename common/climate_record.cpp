#include "common/climate_record.h"

#include "common/fixed_width.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace common {

namespace {

const fw::Format kRecordFormat = fw::parseFormat(kClimateRecordLayout);
const fw::Format kDryBulbFormat = fw::parseFormat("(10X,F4.1)");

constexpr std::size_t kRecordValues = 9;

// Reads the numeric fields of `line` under `format` into `values`, in order.  False on an illegal
// field.
template <std::size_t N>
bool readNumbers(std::string_view line, const fw::Format& format, std::array<double, N>& values) {
    fw::FieldCursor cursor(line);
    std::size_t next = 0;
    for (const fw::Descriptor& d : format) {
        if (d.edit == fw::Edit::X) {
            cursor.skip(d.width);
            continue;
        }
        assert(next < N);
        if (d.edit == fw::Edit::I) {
            long long value = 0;
            if (!cursor.readInt(d.width, value)) return false;
            values[next++] = static_cast<double>(value);
            continue;
        }
        if (!cursor.readReal(d.width, d.decimals, values[next++])) return false;
    }
    return true;
}

} // namespace

bool readClimateRecord(std::string_view line, ClimateRecordFields& record) {
    std::array<double, kRecordValues> v{};
    if (!readNumbers(line, kRecordFormat, v)) return false;
    record.month = static_cast<int>(v[0]);
    record.day = static_cast<int>(v[1]);
    record.dryBulb = v[2];
    record.moisture = v[3];
    record.windSpeed = v[4];
    record.windCode = v[5];
    record.cloud = static_cast<int>(v[6]);
    record.diffuse = v[7];
    record.direct = v[8];
    return true;
}

bool readClimateDryBulb(std::string_view line, double& dryBulb) {
    std::array<double, 1> v{};
    if (!readNumbers(line, kDryBulbFormat, v)) return false;
    dryBulb = v[0];
    return true;
}

} // namespace common
