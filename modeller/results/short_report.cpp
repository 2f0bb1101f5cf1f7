#include "modeller/results/short_report.h"

#include "modeller/model/project_details.h"

namespace pelmora {

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
        // A run that got no rating (its climate lacks a row of a rating table) has no adjusted rating
        // either: without a row the correction is 1, and the plain rating would pass for an adjusted one.
        t.AdjustStarLabel = adjustedStarText(AdjustedStarRating(tables, r));
    }
    t.ProjectN = model.ProjectName;
    t.RunN = std::to_string(model.RunNumber);
    t.E24 = model.AssessmentDate;
    t.LocationLabel = model.LocationName;
    t.ClimateLabel = model.ClimateFileName;
    t.PCLabel = std::to_string(model.Postcode);
    for (int i = 1; i <= kReportDetailBoxes; ++i)
        t.E[static_cast<std::size_t>(i)] = model.*kProjectDetailFields[static_cast<std::size_t>(i)];
    if (model.StateIndex >= 0 && model.StateIndex < static_cast<int>(kStateNames.size()))
        t.StateEdit = std::string(kStateNames[static_cast<std::size_t>(model.StateIndex)]);
    return t;
}

} // namespace pelmora
