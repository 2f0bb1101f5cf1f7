// The client (.CLI) and assessor (.ASS) detail files of the schedule folder: one value per line,
// CR LF, so that the details of a client or an assessor can be reused for other houses.
#pragma once

#include "modeller/model/house_model.h"

#include <filesystem>

namespace pelmora {

// Six lines: name, phone, fax, email, postal address, street address.  Throws std::runtime_error
// naming the file when it cannot be written.
void WriteClientFile(const std::filesystem::path& file, const HouseModel& model);
// Reads the six client values; lines the file lacks give empty texts.  Throws when the file cannot
// be read, and then changes nothing.
void ReadClientFile(const std::filesystem::path& file, HouseModel& model);

// Seven lines: the client's six in the assessor's order, then the assessor number.
void WriteAssessorFile(const std::filesystem::path& file, const HouseModel& model);
// Skips the first line (the name, which stays as it is) and reads phone, fax, email, postal
// address, street address and assessor number.
void ReadAssessorFile(const std::filesystem::path& file, HouseModel& model);

} // namespace pelmora
