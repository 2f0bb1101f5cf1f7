#include "common/climate_record.h"

#include "common/fixed_width.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace common {

namespace {

const fw::Format kRecordFormat = fw::parseFormat(kClimateRecordLayout);

constexpr std::size_t kRecordValues = 10;

// Reads the numeric fields of `line` under `format` into `values`, in order.  Returns 0, or the first
// column of an illegal field.
template <std::size_t N>
int readNumbers(std::string_view line, const fw::Format& format, std::array<double, N>& values) {
    fw::FieldCursor cursor(line);
    std::size_t next = 0;
    for (const fw::Descriptor& d : format) {
        if (d.edit == fw::Edit::X) {
            cursor.skip(d.width);
            continue;
        }
        assert(next < N);
        const int column = cursor.column();
        if (d.edit == fw::Edit::I) {
            long long value = 0;
            if (!cursor.readInt(d.width, value)) return column;
            values[next++] = static_cast<double>(value);
            continue;
        }
        if (!cursor.readReal(d.width, d.decimals, values[next++])) return column;
    }
    return 0;
}

} // namespace

int readClimateRecord(std::string_view line, ClimateRecordFields& record) {
    std::array<double, kRecordValues> v{};
    if (const int column = readNumbers(line, kRecordFormat, v); column != 0) return column;
    record.month = static_cast<int>(v[0]);
    record.day = static_cast<int>(v[1]);
    record.hour = static_cast<int>(v[2]);
    record.dryBulb = v[3];
    record.moisture = v[4];
    record.windSpeed = v[5];
    record.windCode = v[6];
    record.cloud = static_cast<int>(v[7]);
    record.diffuse = v[8];
    record.direct = v[9];
    return 0;
}

int daysInMonth(int month) {
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

} // namespace common
