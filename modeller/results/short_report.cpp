#include "modeller/results/short_report.h"

namespace pelmora {

namespace {

using Detail = std::string HouseModel::*;
// The project detail behind each box E1..E21.
constexpr std::array<Detail, kReportDetailBoxes + 1> kDetails = {
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
};

} // namespace

ShortReportTexts ShortReportFigures(const SimulationHistory& history, const HouseModel& model,
                                    const RatingTables& tables) {
    const StarType& r = history.SimulationRecords(1);
    const double a = r.Area; // m2
    ShortReportTexts t;
    t.StarLabel = starFigure(r.Stars);
    t.images = starImagesFor(r.Stars);
    if (a != 0.0) {
        t.TotalLabel = fixedText(r.Total / a, 1);
        t.CoolLabel = fixedText(r.CoolS / a + r.CoolL / a, 1);
        t.HeatLabel = fixedText(r.Heat / a, 1);
        t.AdjustStarLabel = adjustedStarText(StarRating(tables, r.Climate, a, r.Total * r.AreaAdjust));
    }
    t.ProjectN = model.ProjectName;
    t.RunN = std::to_string(model.RunNumber);
    t.E24 = model.AssessmentDate;
    t.LocationLabel = model.LocationName;
    t.ClimateLabel = model.ClimateFileName;
    t.PCLabel = std::to_string(model.Postcode);
    for (int i = 1; i <= kReportDetailBoxes; ++i)
        t.E[static_cast<std::size_t>(i)] = model.*kDetails[static_cast<std::size_t>(i)];
    if (model.StateIndex >= 0 && model.StateIndex < static_cast<int>(short_report_text::kStates.size()))
        t.StateEdit = std::string(short_report_text::kStates[static_cast<std::size_t>(model.StateIndex)]);
    return t;
}

} // namespace pelmora
