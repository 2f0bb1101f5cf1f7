// The house file (".VOR"): the whole house as one value per line, written in one pass and read back
// in the same order.  The lines of each record are described once, as data, and both the writer and
// the reader walk those lists.
//
// The reader checks every count against its capacity and reads into a copy of the model; the model
// is replaced only when the whole file was read.  A file that cannot be read raises ModelError naming
// the file and the line, and leaves the model as it was.
#pragma once

#include "modeller/model/house_model.h"

#include <filesystem>
#include <string>

namespace pelmora {

// Writes the model to `file`, the plan being at magnification 1.  The file is written beside its
// destination and moved over it, so a failed write leaves any earlier file whole.
void WriteHouseFile(const HouseModel& model, const std::filesystem::path& file);
// Writes the model to model.HouseFileSaveName.
void WriteHouseFile(const HouseModel& model);

// The file's text as WriteHouseFile writes it.
std::string houseFileText(const HouseModel& model);

// Reads `file` over the model, which the caller has reset as a new house; values the file does not
// hold keep their values from the model.  Besides the stored values it restores what the model needs
// after reading: the zone outlines (ZoneNodes) from the walls' start points, the last stairwell
// identifier, the climate zone from the climate file name, magnification 1 (the file's positions),
// and no mirrored doors until the next pre-simulation pass.
void ReadHouseFile(HouseModel& model, const std::filesystem::path& file);
// Reads model.HouseFileOpenName.
void ReadHouseFile(HouseModel& model);

} // namespace pelmora
