// The defaults file (".DEF"): the twelve stored new-zone options followed by the 73 stored values of
// the level defaults of levels 1 to 6, one value per line (450 lines), as at the end of a house file.
// A file that cannot be read raises ModelError naming the file and line and changes nothing.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/value_lines.h"

#include <filesystem>
#include <functional>

namespace pelmora {

using LevelDefaultArray = common::FixedArray1<TLevelDefaultRec, 1, kMaxLevels>;

// Checks the values read whole from a defaults file before they replace the model's; raises
// ModelError for values that must not be used.
using DefaultsCheck = std::function<void(const TNewZoneOptions&, const LevelDefaultArray&)>;

void WriteDefaultsFile(const HouseModel& model, const std::filesystem::path& file);
// Replaces the stored new-zone options and level defaults once the whole file has been read and
// `check` (when given) has passed them; the values kept only in memory stay.
void ReadDefaultsFile(HouseModel& model, const std::filesystem::path& file, const DefaultsCheck& check = {});

// The two groups of lines that the house file and the defaults file share.
void writeNewZoneOptions(ValueLineWriter& out, const TNewZoneOptions& options);
void writeLevelDefaults(ValueLineWriter& out, const LevelDefaultArray& defaults);
void readNewZoneOptions(ValueLineReader& in, TNewZoneOptions& options);
void readLevelDefaults(ValueLineReader& in, LevelDefaultArray& defaults);

} // namespace pelmora
