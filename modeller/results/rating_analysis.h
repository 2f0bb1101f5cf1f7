// The analysis dialog as plain C++: the shown record's rating in detail, the twenty energy limits of
// its climate, and the monthly heating and cooling per square metre of the house or of one zone, with
// the energy axis fitted to the values.  It steps through the kept ratings together with the star
// panel of the main window and can delete them.  The dialog's widget (analysis_form) only draws this
// state and hands its clicks to the handlers here.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/results/rating_panel.h"
#include "modeller/results/simulation_records.h"
#include "modeller/results/star_rating.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

namespace analysis_text {
inline constexpr std::string_view kFreeRunningMode = "Free running mode";
// The bar labels of both charts, January first.
inline constexpr std::array<std::string_view, kMonths> kMonthInitials = {"J", "F", "M", "A", "M", "J",
                                                                         "J", "A", "S", "O", "N", "D"};
} // namespace analysis_text

// The energy axis ends on a multiple of this (MJ/m2).
constexpr double kChartStep = 5.0;
// The energy axis at start-up (MJ/m2).
constexpr double kStartChartMaximum = 10.0;
// Height of the zone's colour panel, on whose bottom edge the zone's energy bar stands (px).
constexpr int kZoneColourPanelHeight = 120;

// The end of the energy axis for values up to `largest` (MJ/m2): the next multiple of 5 above it, so
// 0 gives 5, 12.3 gives 15 and 15 gives 20.
double FittedChartMaximum(double largest);

// The height of a zone's energy bar in a colour panel `panelHeight` pixels high: the zone's energy
// `zoneEnergy` against the largest zone's `largestEnergy`, rounded, within 0 and the panel's height.
// A largest energy of 0 or less draws no bar.
int ZoneBarHeight(int panelHeight, double zoneEnergy, double largestEnergy);

// Everything the dialog shows, in the components' names.  The start values are its design-time state.
struct AnalysisState {
    bool HouseSBDown = true, ZonesSBDown = false;
    bool ForwardSBDown = true, BackSBDown = false;
    std::string BackSBCaption{star_panel_text::kFirstOlderRecord};

    bool StarPanelVisible = true;
    std::string FileLabel = "File", HeatLabel, CoolLabel, TotalLabel, AdjustLabel, AdjustStarLabel;
    std::string StarLabel, ClimNameLabel = "Climate file name", StarMJLabel;
    bool Label1Visible = true, Label2Visible = true, Label3Visible = true; // "T", "C", "H"
    bool Label6Visible = true, Label7Visible = true;                       // "MJ/m²", "Stars"
    bool Label8Visible = true, AdjustLabelVisible = true;                  // area adjustment
    bool Label10Visible = true, AdjustStarLabelVisible = true;             // adjusted star rating
    bool ScrollBox1Visible = true, StarLabelVisible = true, ClimNameLabelVisible = true;
    StarImages images;

    // The charts: monthly cooling (Series1 of CoolChart) and heating (BarSeries1 of HeatChart) per
    // square metre, January first; empty when cleared.
    bool CoolChartVisible = true, HeatChartVisible = true;
    std::vector<double> Series1, BarSeries1;       // MJ/m2
    double EnergyAxisMaximum = kStartChartMaximum; // MJ/m2, the axis as the charts draw it
    std::string YScaleLb = "100";

    // The zone view.
    bool ZonePanelVisible = false;
    int ZoneNumUpDownMax = 1, ZoneNumUpDownPosition = 1;
    std::string ZNum = "Zone Number", ZoneNameLb, AreaLabel, EnergyLabel, PercentLabel;
    std::int32_t ZoneColourPanelColour = 0; // 0x00BBGGRR
    bool PercentLabelVisible = true, EPanelVisible = true;
    int EPanelHeight = 0; // px, standing on the bottom edge of the colour panel
};

// What the analysis needs of the dialog that shows it.
class AnalysisView {
  public:
    virtual ~AnalysisView() = default;
    virtual void showAnalysis(const AnalysisState& state) = 0;
    // The history was deleted from the dialog: it closes.
    virtual void closeAnalysis() = 0;
};

class RatingAnalysis : public AnalysisLink {
  public:
    // The star panel `panel` shows the same record; the analysis steps and deletes through it.
    RatingAnalysis(HouseModel& model, SimulationHistory& history, const RatingTables& tables,
                   RatingPanel& panel);
    ~RatingAnalysis() override;
    RatingAnalysis(const RatingAnalysis&) = delete;
    RatingAnalysis& operator=(const RatingAnalysis&) = delete;

    void setView(AnalysisView* view);

    // ---- Handlers ----------------------------------------------------------------------------------
    void FormShow();
    void HouseSBClick();
    void ZonesSBClick();
    // The up-down moved to `position`.
    void ZoneNumUpDownClick(int position);
    void BackSBClick();
    void ForwardSBClick();
    void DelRecSBClick();
    void ResetButtonClick() { Rescale(); }
    void YScaleSBChange();

    // ---- Display -----------------------------------------------------------------------------------
    void DisplayRating(int k);
    void DrawGraphs();
    // Fits the energy axis to the values shown: the zone's or the house's twelve months.
    void Rescale();
    // Fits the energy axis to every zone of the shown record (zone view) or every kept record (house
    // view), so that stepping keeps one scale.
    void Reset();
    void ChangeZoneDetails();

    // ---- The star panel's side ---------------------------------------------------------------------
    void ratingTexts(const AnalysisRatingTexts& texts) override;
    void followRecord(int shownRecord, bool newest, const std::string& backCaption) override;

    // The upper limit of both charts' energy axis (MJ/m2); a multiple of 5 once fitted.
    double ChartMaximum = kStartChartMaximum;

    const AnalysisState& state() const { return state_; }

  private:
    const StarType& shown() const { return history_.SimulationRecords(panel_.ShownRecord); }
    bool zoneView() const { return state_.ZonesSBDown; }
    void setChartMaximum(double largest);
    void showHouseLabels(bool visible);
    void refresh();

    HouseModel& model_;
    SimulationHistory& history_;
    const RatingTables& tables_;
    RatingPanel& panel_;
    AnalysisView* view_ = nullptr;
    AnalysisState state_;
    int YScaleSBPosition = static_cast<int>(kStartChartMaximum); // hidden scroll bar mirroring the axis
};

} // namespace pelmora
