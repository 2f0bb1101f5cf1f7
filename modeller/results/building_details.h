// The building details report as plain C++: the description of the house as it was rated, built from
// the house model and the material tables into a report document of fixed-column lines.  It has a
// header with the project and the site, an optional summary (floor, glazing, door and wall areas and
// the tallies of window products and of wall and floor constructions over the whole house), and a
// section per zone with a row for every element.  It reads no engine output.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/plan_view.h"
#include "modeller/model/presimulation_pass.h"
#include "modeller/model/product_codes.h"
#include "modeller/results/report_document.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelmora {

namespace building_details_text {
inline constexpr std::string_view kCaption = "Building Details";
inline constexpr std::string_view kAllZones = "All Zones";
inline constexpr std::string_view kSavedAs = "Saved As   ";
inline constexpr std::string_view kVersion = "VORT V4.1";
inline constexpr std::array<std::string_view, 8> kZoneTypes = {
    "Living",    "Living/Kitchen", "Sleeping",       "Wet",
    "Corridoor", "Garage",         "Other Day-time", "Other Night-time"};
inline constexpr std::array<std::string_view, 4> kRoofShapes = {"             Hip", "   Hip and Gable",
                                                                " Gable both ends", "        Skillion"};
} // namespace building_details_text

// The report's section switches.
struct ReportSwitches {
    bool ExtWall = true, IntWall = true, ExtFloor = true, IntCeiling = true, IntFloorCover = true,
         ExtCeiling = true, Roof = true, Door = true, Window = true, Skylight = true, StairWell = true,
         AirFlow = true, ZoneHeading = true, Summary = true;
    // All fourteen on, or all off.
    void ShowAll() { setAll(true); }
    void HideAll() { setAll(false); }
    bool operator==(const ReportSwitches&) const = default;

  private:
    void setAll(bool on);
};

// ---- Number formats ----------------------------------------------------------------------------
// n:w, an integer right-aligned in w characters (more when it needs them).
std::string IntField(long long value, int width);
// x:w:d, a real with d decimals right-aligned in w characters (more when it needs them).
std::string RealField(double value, int width, int decimals);
// fixed(p, d): a real with d decimals, in scientific notation with p significant digits when its
// integer part has more than p digits.
std::string FixedText(double value, int precision, int decimals);
// text(n): the integer's decimal form.
std::string IntText(long long value);

// Builds the report.  It reads the house as the pre-simulation pass leaves it, so the pass runs first
// (its stairwell question may be answered either way; the report is built all the same), with the
// material tables open around the work and closed again after it, also when it fails.  A table
// that cannot be opened or read raises its error; a record number outside its table reads as an
// empty description.
class BuildingDetails {
  public:
    BuildingDetails(HouseModel& model, MaterialTables& tables, PlanView& view, StairwellQuestion& question)
        : model_(model), tables_(tables), view_(view), question_(question) {}

    // The whole report for `selectedZone` (0 for all zones).
    ReportDocument Display(const ReportSwitches& switches, int selectedZone);

    // The parts, for a model already through the pass and tables already open.
    void Header(ReportDocument& document) const;
    void Summary(ReportDocument& document);
    void ZoneSection(ReportDocument& document, const ReportSwitches& switches, int zone);

  private:
    struct TallyEntry {
        std::string key;
        double area = 0.0; // m2
        // Window entries only.
        std::string label, glass, frame;
        bool hasProduct = false;
        double U = 0.0, SHGC = 0.0;
    };
    static TallyEntry& addToTally(std::vector<TallyEntry>& tally, const std::string& key, double area,
                                  bool& added);
    // Sum of the floor area this zone shares with the zones of `level` (m2), the pair of levels
    // refreshed first.
    double sharedWithLevel(int zone, int level);

    void windowTally(ReportDocument& document);
    void externalWallTally(ReportDocument& document);
    void internalWallTally(ReportDocument& document);
    void externalFloorTally(ReportDocument& document);

    HouseModel& model_;
    MaterialTables& tables_;
    PlanView& view_;
    StairwellQuestion& question_;
    // Pairs of levels whose shared areas this build has refreshed.
    std::vector<std::pair<int, int>> refreshed_;
};

// The printed report's line height (printer pixels): the font's height at the printer's resolution,
// with four tenths of it added for the gap between lines.
int PrintLineHeight(double fontPoints, int dotsPerInch);

} // namespace pelmora
