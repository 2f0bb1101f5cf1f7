#include "modeller/plan/contact_files.h"

#include "common/text_values.h"

#include <array>
#include <functional>

namespace pelmora {

namespace {

using Field = std::string HouseModel::*;

constexpr std::array<Field, 6> kClientFields = {
    &HouseModel::ClientName,  &HouseModel::ClientPhone,         &HouseModel::ClientFax,
    &HouseModel::ClientEmail, &HouseModel::ClientPostalAddress, &HouseModel::ClientStreetAddress,
};

constexpr std::array<Field, 7> kAssessorFields = {
    &HouseModel::AssessorName,   &HouseModel::AssessorPhone,         &HouseModel::AssessorFax,
    &HouseModel::AssessorEmail,  &HouseModel::AssessorPostalAddress, &HouseModel::AssessorStreetAddress,
    &HouseModel::AssessorNumber,
};

template <std::size_t N>
void writeFields(const std::filesystem::path& file, const HouseModel& model,
                 const std::array<Field, N>& fields) {
    common::TextFileWriter writer;
    for (Field f : fields) writer.line(model.*f);
    writer.save(file);
}

// Reads the fields from line `first` on; a file shorter than that gives empty texts.  The whole file
// is read before any field changes.
template <std::size_t N>
void readFields(const std::filesystem::path& file, HouseModel& model, const std::array<Field, N>& fields,
                std::size_t first) {
    const auto lines = common::readTextLines(file);
    for (std::size_t i = first; i < N; ++i) model.*fields[i] = i < lines.size() ? lines[i] : std::string();
}

} // namespace

void WriteClientFile(const std::filesystem::path& file, const HouseModel& model) {
    writeFields(file, model, kClientFields);
}

void ReadClientFile(const std::filesystem::path& file, HouseModel& model) {
    readFields(file, model, kClientFields, 0);
}

void WriteAssessorFile(const std::filesystem::path& file, const HouseModel& model) {
    writeFields(file, model, kAssessorFields);
}

void ReadAssessorFile(const std::filesystem::path& file, HouseModel& model) {
    readFields(file, model, kAssessorFields, 1);
}

} // namespace pelmora
