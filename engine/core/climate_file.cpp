#include "engine/core/climate_file.h"

#include <cassert>

#include "common/climate_record.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr double kDegreesPerDirectionCode = 22.5;

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
    common::ClimateRecordFields fields;
    if (!common::readClimateRecord(line_, fields)) return ClimateRead::IllegalData;
    ++records_;
    record.month = fields.month;
    record.day = fields.day;
    record.tair = fields.dryBulb;
    record.wmoist = fields.moisture;
    record.wspeed = fields.windSpeed;
    record.wdir = kDegreesPerDirectionCode * fields.windCode;
    if (record.wdir > 359.0) record.wdir = 0.0;
    record.cloud = fields.cloud;
    record.difrad = fields.diffuse;
    record.dirrad = fields.direct;
    return ClimateRead::Record;
}

ClimateRead ClimateFile::nextDryBulb(double& tair) {
    if (!nextLine()) return ClimateRead::EndOfFile;
    if (!common::readClimateDryBulb(line_, tair)) return ClimateRead::IllegalData;
    ++records_;
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
