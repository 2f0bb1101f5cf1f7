// The project's text details in the numbering that the project details dialog gives its boxes and
// the short report repeats: client E1..E6, assessor E7..E13, dwelling E14..E21, and software, version
// and assessment date E22..E24.  Also the states by their index.
#pragma once

#include "modeller/model/house_model.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

using ProjectDetailField = std::string HouseModel::*;

constexpr int kProjectDetailBoxes = 24;
// The variable behind each box E1..E24; entry 0 is unused.
inline constexpr std::array<ProjectDetailField, kProjectDetailBoxes + 1> kProjectDetailFields = {
    nullptr,
    &HouseModel::ClientName,
    &HouseModel::ClientPhone,
    &HouseModel::ClientFax,
    &HouseModel::ClientEmail,
    &HouseModel::ClientPostalAddress,
    &HouseModel::ClientStreetAddress,
    &HouseModel::AssessorName,
    &HouseModel::AssessorPhone,
    &HouseModel::AssessorFax,
    &HouseModel::AssessorEmail,
    &HouseModel::AssessorPostalAddress,
    &HouseModel::AssessorStreetAddress,
    &HouseModel::AssessorNumber,
    &HouseModel::DwellingDPNumber,
    &HouseModel::DwellingUnit,
    &HouseModel::DwellingLotNumber,
    &HouseModel::DwellingHouseNumber,
    &HouseModel::DwellingStreetName,
    &HouseModel::DwellingDevelopmentName,
    &HouseModel::DwellingSuburb,
    &HouseModel::DwellingPostCode,
    &HouseModel::SoftwareName,
    &HouseModel::SoftwareVersion,
    &HouseModel::AssessmentDate,
};

// The state of the dwelling by StateIndex 0..7.
inline constexpr std::array<std::string_view, 8> kStateNames = {"QLD", "NSW", "ACT", "Vic",
                                                                "Tas", "SA",  "WA",  "NT"};

} // namespace pelmora
