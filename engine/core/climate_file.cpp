#include "engine/core/climate_file.h"

#include <array>
#include <cassert>

#include "common/fixed_width.h"
#include "engine/core/state.h"

namespace engine {
namespace {

// The hourly record: month, day, dry bulb, moisture, wind speed, wind direction code, cloud digit,
// diffuse and direct irradiance.
const fw::Format kRecordLayout = fw::parseFormat("(4X,2I2,2X,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0)");
// The mean-temperature pass reads only the dry bulb.
const fw::Format kDryBulbLayout = fw::parseFormat("(10X,F4.1)");

constexpr std::size_t kRecordValues = 9;
constexpr double kDegreesPerDirectionCode = 22.5;

// Reads the numeric fields of `line` under `layout` into `values`, in order.  False on an illegal field.
template <std::size_t N>
bool readNumbers(const std::string& line, const fw::Format& layout, std::array<double, N>& values) {
    fw::FieldCursor cursor(line);
    std::size_t next = 0;
    for (const fw::Descriptor& d : layout) {
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

bool ClimateFile::open(const std::filesystem::path& file) {
    close();
    path_ = file;
    in_.open(file, std::ios::binary);
    return in_.is_open();
}

void ClimateFile::close() {
    if (in_.is_open()) in_.close();
    in_.clear();
    records_ = 0;
}

bool ClimateFile::nextLine() {
    if (!std::getline(in_, line_)) return false;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    return true;
}

ClimateRead ClimateFile::next(ClimateRecord& record) {
    if (!nextLine()) return ClimateRead::EndOfFile;
    std::array<double, kRecordValues> v{};
    if (!readNumbers(line_, kRecordLayout, v)) return ClimateRead::IllegalData;
    ++records_;
    record.month = static_cast<int>(v[0]);
    record.day = static_cast<int>(v[1]);
    record.tair = v[2];
    record.wmoist = v[3];
    record.wspeed = v[4];
    record.wdir = kDegreesPerDirectionCode * v[5];
    if (record.wdir > 359.0) record.wdir = 0.0;
    record.cloud = static_cast<int>(v[6]);
    record.difrad = v[7];
    record.dirrad = v[8];
    return ClimateRead::Record;
}

ClimateRead ClimateFile::nextDryBulb(double& tair) {
    if (!nextLine()) return ClimateRead::EndOfFile;
    std::array<double, 1> v{};
    if (!readNumbers(line_, kDryBulbLayout, v)) return ClimateRead::IllegalData;
    ++records_;
    tair = v[0];
    return ClimateRead::Record;
}

ClimateMean meanDryBulb(ClimateFile& file) {
    ClimateMean result;
    double sum = 0.0;
    while (result.records < kMaxClimateRecords) {
        double tair = 0.0;
        const ClimateRead status = file.nextDryBulb(tair);
        if (status == ClimateRead::EndOfFile) break;
        if (status == ClimateRead::IllegalData) {
            result.status = status;
            return result;
        }
        sum += tair;
        ++result.records;
    }
    if (result.records > 0) result.mean = sum / static_cast<double>(result.records);
    return result;
}

void readClimateDay(EngineState& state, ClimateDay& day) {
    assert(state.time.nwxhr == 1 && state.time.nstphr == 1);
    const int perDay = 24 * state.time.nwxhr;
    day.records = 0;
    day.tmax = -999.0;
    day.status = ClimateRead::Record;
    ClimateRecord record;
    for (int k = 1; k <= perDay; ++k) {
        const ClimateRead status = state.unit10.next(record);
        if (status != ClimateRead::Record) {
            day.status = status;
            return;
        }
        day.records = k;
        day.month(k) = record.month;
        day.day(k) = record.day;
        day.hour(k) = static_cast<double>((k - 1) / state.time.nwxhr);
        state.clim.tair(k) = record.tair;
        state.clim.wmoist(k) = record.wmoist;
        state.clim.wspeed(k) = record.wspeed;
        state.clim.wdir(k) = record.wdir;
        state.clim.cloud(k) = record.cloud;
        state.clim.difrad(k) = record.difrad;
        state.clim.dirrad(k) = record.dirrad;
        if (record.tair > day.tmax) day.tmax = record.tair;
        day.lastMonth = record.month;
        day.lastDay = record.day;
    }
}

} // namespace engine
