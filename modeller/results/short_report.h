// The short report as plain C++: the figures and texts of the one-page certificate of the current
// house's rating, taken from the newest simulation record, the star bands and the project details.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/results/rating_panel.h"
#include "modeller/results/simulation_records.h"
#include "modeller/results/star_rating.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

namespace short_report_text {
inline constexpr std::string_view kCaption = "Short Simulation Report";
inline constexpr std::string_view kVersion = "VORT V4.1";
inline constexpr std::array<std::string_view, 8> kStates = {"QLD", "NSW", "ACT", "Vic",
                                                            "Tas", "SA",  "WA",  "NT"};
inline constexpr std::array<std::string_view, 3> kCertification = {
    "I am a fully trained and registered VORT Pro energy assessor. ",
    "I certify that the assessment of the building described in this report is correct.",
    "I certify that this assessment is my own work and does not include the work of others."};
} // namespace short_report_text

// Client details E1..E6, assessor details E7..E13 and dwelling details E14..E21.
constexpr int kReportDetailBoxes = 21;

// Everything the report shows, in the components' names.
struct ShortReportTexts {
    std::string StarLabel;
    StarImages images;
    std::string TotalLabel, CoolLabel, HeatLabel; // MJ/m2, one decimal
    std::string AdjustStarLabel;                  // stars of the area-adjusted energy, one decimal
    std::string ProjectN, RunN, E24, LocationLabel, ClimateLabel, PCLabel;
    std::array<std::string, kReportDetailBoxes + 1> E{}; // E[1..21]; index 0 unused
    // The state's abbreviation; none for a state index outside 0..7, which leaves the field as it was.
    std::optional<std::string> StateEdit;
};

// The report of record 1 of `history`, the record of the house in its present state.  A record
// without rating area (which the report button refuses) shows no energies.
ShortReportTexts ShortReportFigures(const SimulationHistory& history, const HouseModel& model,
                                    const RatingTables& tables);

} // namespace pelmora
