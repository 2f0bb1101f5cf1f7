#include "modeller/model/defaults_file.h"

#include "modeller/model/level_default_record.h"
#include "modeller/model/level_defaults.h"

namespace pelmora {

void writeNewZoneOptions(ValueLineWriter& out, const TNewZoneOptions& options) {
    out.record(options, storedNewZoneOptionFields());
}

void writeLevelDefaults(ValueLineWriter& out, const LevelDefaultArray& defaults) {
    for (int level = 1; level <= kMaxLevels; ++level) out.record(defaults(level), storedLevelDefaultFields());
}

void readNewZoneOptions(ValueLineReader& in, TNewZoneOptions& options) {
    in.record(options, storedNewZoneOptionFields());
}

void readLevelDefaults(ValueLineReader& in, LevelDefaultArray& defaults) {
    for (int level = 1; level <= kMaxLevels; ++level) in.record(defaults(level), storedLevelDefaultFields());
}

void WriteDefaultsFile(const HouseModel& model, const std::filesystem::path& file) {
    ValueLineWriter out;
    writeNewZoneOptions(out, model.NewZoneOptions);
    writeLevelDefaults(out, model.LevelDefaults);
    out.save(file);
}

void ReadDefaultsFile(HouseModel& model, const std::filesystem::path& file, const DefaultsCheck& check) {
    ValueLineReader in = ValueLineReader::open(file);
    TNewZoneOptions options = model.NewZoneOptions;
    LevelDefaultArray defaults = model.LevelDefaults;
    readNewZoneOptions(in, options);
    readLevelDefaults(in, defaults);
    SuspendSlabsAboveGround(defaults);
    if (check) check(options, defaults);
    model.NewZoneOptions = options;
    model.LevelDefaults = defaults;
}

} // namespace pelmora
