#include "data/climate/climate_record.h"

#include "common/fixed_width.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace climate {

namespace {

enum class Field { Month, Day, Hour, DryBulb, Moisture, WindSpeed, WindCode, Cloud, Diffuse, Beam };

struct FieldLayout {
    Field field;
    int column;   // first column, 1-based
    int width;    // columns
    int decimals; // implied decimals; 0 for integers
};

// Columns 1-4, 18-21 and 28-37 are not read by anyone and stay blank.
constexpr std::array<FieldLayout, 10> kLayout{{
    {Field::Month, 5, 2, 0},
    {Field::Day, 7, 2, 0},
    {Field::Hour, 9, 2, 0},
    {Field::DryBulb, 11, 4, 1},
    {Field::Moisture, 15, 3, 1},
    {Field::WindSpeed, 22, 3, 1},
    {Field::WindCode, 25, 2, 0},
    {Field::Cloud, 27, 1, 0},
    {Field::Diffuse, 38, 3, 0},
    {Field::Beam, 41, 4, 0},
}};

double valueOf(const ClimateRecord& r, Field f) {
    switch (f) {
    case Field::Month:
        return r.month;
    case Field::Day:
        return r.day;
    case Field::Hour:
        return r.hour;
    case Field::DryBulb:
        return r.dryBulb;
    case Field::Moisture:
        return r.moisture;
    case Field::WindSpeed:
        return r.windSpeed;
    case Field::WindCode:
        return r.windCode;
    case Field::Cloud:
        return r.cloud;
    case Field::Diffuse:
        return r.diffuse;
    case Field::Beam:
        return r.beam;
    }
    return 0;
}

void store(ClimateRecord& r, Field f, double v) {
    const int i = static_cast<int>(std::lround(v));
    switch (f) {
    case Field::Month:
        r.month = i;
        break;
    case Field::Day:
        r.day = i;
        break;
    case Field::Hour:
        r.hour = i;
        break;
    case Field::DryBulb:
        r.dryBulb = v;
        break;
    case Field::Moisture:
        r.moisture = v;
        break;
    case Field::WindSpeed:
        r.windSpeed = v;
        break;
    case Field::WindCode:
        r.windCode = i;
        break;
    case Field::Cloud:
        r.cloud = i;
        break;
    case Field::Diffuse:
        r.diffuse = v;
        break;
    case Field::Beam:
        r.beam = v;
        break;
    }
}

double scaleOf(int decimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i) scale *= 10.0;
    return scale;
}

} // namespace

std::string formatClimateRecord(const ClimateRecord& record) {
    std::string out;
    for (const auto& f : kLayout) {
        fw::appendBlanks(out, f.column - 1 - static_cast<int>(out.size()));
        // Written as a whole number of the field's last decimal place: the implied decimals
        // restore the value.
        const long long scaled = std::llround(valueOf(record, f.field) * scaleOf(f.decimals));
        if (!fw::appendInteger(out, scaled, f.width, fw::Overflow::Refuse))
            throw std::range_error("climate record value " + std::to_string(scaled) +
                                   " does not fit column " + std::to_string(f.column));
    }
    return out;
}

bool parseClimateRecord(std::string_view text, ClimateRecord& record) {
    fw::FieldCursor cursor(text);
    for (const auto& f : kLayout) {
        cursor.moveTo(f.column);
        double v = 0;
        if (!cursor.readReal(f.width, f.decimals, v)) return false;
        store(record, f.field, v);
    }
    return true;
}

std::string climateFileName(int zone) {
    char name[16];
    std::snprintf(name, sizeof name, "climat%02d.TXT", zone);
    return name;
}

} // namespace climate
