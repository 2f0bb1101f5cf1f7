#include "modeller/results/rating_analysis.h"

#include "common/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pelmora {

namespace {

// The monthly heating and cooling (sensible plus latent) of the house or of one zone, in MJ.
struct MonthlyEnergy {
    std::array<double, kMonths> heat{}, cool{};
};

MonthlyEnergy houseMonths(const StarType& r) {
    MonthlyEnergy e;
    for (int m = 1; m <= kMonths; ++m) {
        e.heat[static_cast<std::size_t>(m - 1)] = r.MonthHeat(m);
        e.cool[static_cast<std::size_t>(m - 1)] = r.MonthCoolS(m) + r.MonthCoolL(m);
    }
    return e;
}

MonthlyEnergy zoneMonths(const StarType& r, int z) {
    MonthlyEnergy e;
    for (int m = 1; m <= kMonths; ++m) {
        e.heat[static_cast<std::size_t>(m - 1)] = r.ZoneMonthHeat(z, m);
        e.cool[static_cast<std::size_t>(m - 1)] = r.ZoneMonthCoolS(z, m) + r.ZoneMonthCoolL(z, m);
    }
    return e;
}

// The largest monthly heating or cooling per square metre of `e` over `area` (m2), at least `from`.
double largestPerArea(const MonthlyEnergy& e, double area, double from) {
    for (std::size_t m = 0; m < kMonths; ++m) from = std::max({from, e.heat[m] / area, e.cool[m] / area});
    return from;
}

double zoneEnergy(const StarType& r, int z) {
    return r.ZoneHeat(z) + r.ZoneCoolS(z) + r.ZoneCoolL(z); // MJ
}

// A value per square metre with one decimal; nothing when there is no area to divide by.
std::string perArea(double value, double area) {
    return area == 0.0 ? std::string() : fixedText(value / area, 1);
}

} // namespace

double FittedChartMaximum(double largest) {
    return (std::floor(largest / kChartStep) + 1.0) * kChartStep;
}

int ZoneBarHeight(int panelHeight, double zoneEnergy, double largestEnergy) {
    if (!(largestEnergy > 0.0)) return 0;
    const double height = common::roundHalfEven(panelHeight * zoneEnergy / largestEnergy);
    return static_cast<int>(std::clamp(height, 0.0, static_cast<double>(panelHeight)));
}

RatingAnalysis::RatingAnalysis(HouseModel& model, SimulationHistory& history, const RatingTables& tables,
                               RatingPanel& panel)
    : model_(model), history_(history), tables_(tables), panel_(panel) {
    panel_.setAnalysis(this);
}

RatingAnalysis::~RatingAnalysis() {
    panel_.setAnalysis(nullptr);
}

void RatingAnalysis::setView(AnalysisView* view) {
    view_ = view;
    refresh();
}

void RatingAnalysis::refresh() {
    if (view_) view_->showAnalysis(state_);
}

// ---- Handlers -----------------------------------------------------------------------------------

void RatingAnalysis::FormShow() {
    state_.StarPanelVisible = false;
    state_.HouseSBDown = true;
    state_.ZonesSBDown = false;
    state_.ZonePanelVisible = false;
    if (history_.SimulationRecordCount <= 0) {
        refresh();
        return;
    }
    // The step buttons stand as the star panel's do, which may have moved while the dialog was shut.
    state_.ForwardSBDown = panel_.ShownRecord == 1;
    state_.BackSBDown = !state_.ForwardSBDown;
    state_.BackSBCaption = panel_.state().BackSBCaption;
    DisplayRating(panel_.ShownRecord);
    state_.StarPanelVisible = true;
    Rescale();
    DrawGraphs();
    refresh();
}

void RatingAnalysis::showHouseLabels(bool visible) {
    state_.Label6Visible = state_.Label7Visible = state_.Label8Visible = state_.Label10Visible = visible;
    state_.AdjustLabelVisible = state_.AdjustStarLabelVisible = visible;
    state_.ScrollBox1Visible = visible;
}

void RatingAnalysis::HouseSBClick() {
    state_.HouseSBDown = true;
    state_.ZonesSBDown = false;
    if (history_.SimulationRecordCount <= 0) {
        refresh();
        return;
    }
    state_.ZonePanelVisible = false;
    showHouseLabels(true);
    DisplayRating(panel_.ShownRecord);
    Reset();
    DrawGraphs();
    refresh();
}

void RatingAnalysis::ZonesSBClick() {
    if (history_.SimulationRecordCount <= 0 || shown().Zones < 1) {
        // Nothing to show per zone: the house view stays.
        refresh();
        return;
    }
    state_.HouseSBDown = false;
    state_.ZonesSBDown = true;
    state_.ZonePanelVisible = true;
    showHouseLabels(false);
    state_.ZoneNumUpDownMax = shown().Zones;
    model_.DisplayZone = 1;
    ChangeZoneDetails();
    state_.ZoneNumUpDownPosition = 1;
    Reset();
    refresh();
}

void RatingAnalysis::ZoneNumUpDownClick(int position) {
    if (history_.SimulationRecordCount <= 0 || shown().Zones < 1) return;
    state_.ZoneNumUpDownMax = shown().Zones;
    state_.ZoneNumUpDownPosition = std::clamp(position, 1, state_.ZoneNumUpDownMax);
    model_.DisplayZone = state_.ZoneNumUpDownPosition;
    ChangeZoneDetails();
    refresh();
}

void RatingAnalysis::BackSBClick() {
    // The click puts BackSB down; the star panel steps and has this dialog follow the record.
    state_.BackSBDown = true;
    state_.ForwardSBDown = false;
    panel_.BackSBClick();
    if (history_.SimulationRecordCount < 2) {
        state_.BackSBDown = false;
        state_.ForwardSBDown = true;
    }
    refresh();
}

void RatingAnalysis::ForwardSBClick() {
    state_.ForwardSBDown = true;
    state_.BackSBDown = false;
    if (history_.SimulationRecordCount > 0) panel_.ForwardSBClick();
    refresh();
}

void RatingAnalysis::DelRecSBClick() {
    state_.HouseSBDown = true;
    state_.ZonesSBDown = false;
    // The history file, the count and the main window's star panel go as with the panel's own button.
    panel_.DelRecSBClick();
    state_.BackSBCaption = star_panel_text::kFirstOlderRecord;
    state_.Series1.clear();
    state_.BarSeries1.clear();
    refresh();
    if (view_) view_->closeAnalysis();
}

void RatingAnalysis::YScaleSBChange() {
    state_.YScaleLb = fixedText(ChartMaximum, 0);
    DrawGraphs();
    refresh();
}

// ---- Display ------------------------------------------------------------------------------------

void RatingAnalysis::DisplayRating(int k) {
    const StarType& r = history_.SimulationRecords(k);
    const double a = r.Area; // m2
    state_.images = StarImages{};
    state_.FileLabel = r.Name;
    if (a == 0.0) {
        state_.CoolLabel = analysis_text::kFreeRunningMode;
        state_.HeatLabel.clear();
        state_.TotalLabel.clear();
        state_.Label1Visible = state_.Label2Visible = state_.Label3Visible = false;
        showHouseLabels(false);
        state_.StarLabelVisible = false;
        state_.Series1.clear();
        state_.BarSeries1.clear();
        state_.CoolChartVisible = state_.HeatChartVisible = false;
    } else {
        state_.Label1Visible = state_.Label2Visible = state_.Label3Visible = true;
        showHouseLabels(true);
        state_.ClimNameLabelVisible = state_.StarLabelVisible = true;
        state_.TotalLabel = fixedText(r.Total / a, 1);
        state_.CoolLabel = fixedText(r.CoolS / a + r.CoolL / a, 1);
        state_.HeatLabel = fixedText(r.Heat / a, 1);
        state_.StarLabel = starFigure(r.Stars);
        state_.images = starImagesFor(r.Stars);
        state_.CoolChartVisible = state_.HeatChartVisible = true;
    }
    std::string limits;
    char field[32];
    for (int j = 1; j <= kStarBandCount; ++j) {
        const int c = r.Climate;
        const double limit = c >= 1 && c <= kMaxClimates ? tables_.StarBands(c, j) : 0.0; // MJ/m2
        std::snprintf(field, sizeof field, "%5.0f", limit);
        limits += field;
    }
    state_.StarMJLabel = limits;
    state_.ClimNameLabel = climateFileLabel(r.Climate);
    refresh();
}

void RatingAnalysis::DrawGraphs() {
    if (history_.SimulationRecordCount <= 0) return;
    const StarType& r = shown();
    MonthlyEnergy e;
    double area = 0.0; // m2
    if (zoneView()) {
        const int z = model_.DisplayZone;
        if (z < 1 || z > r.Zones || r.ZoneArea(z) == 0.0) return; // the charts keep what they showed
        e = zoneMonths(r, z);
        area = r.ZoneArea(z);
    } else {
        if (r.Area == 0.0) return;
        e = houseMonths(r);
        area = r.Area;
    }
    state_.EnergyAxisMaximum = ChartMaximum;
    state_.Series1.clear();
    state_.BarSeries1.clear();
    for (std::size_t m = 0; m < kMonths; ++m) {
        state_.Series1.push_back(e.cool[m] / area);
        state_.BarSeries1.push_back(e.heat[m] / area);
    }
    refresh();
}

void RatingAnalysis::setChartMaximum(double largest) {
    ChartMaximum = FittedChartMaximum(largest);
    state_.YScaleLb = fixedText(ChartMaximum, 0);
    // The hidden scroll bar mirrors the axis; moving it redraws the charts with the new limit.
    const int position = static_cast<int>(common::roundHalfEvenToInt(ChartMaximum));
    if (position == YScaleSBPosition) return;
    YScaleSBPosition = position;
    YScaleSBChange();
}

void RatingAnalysis::Rescale() {
    if (history_.SimulationRecordCount <= 0) return;
    const StarType& r = shown();
    double largest = 0.0; // MJ/m2
    if (zoneView()) {
        const int z = model_.DisplayZone;
        if (z >= 1 && z <= r.Zones && r.ZoneArea(z) != 0.0)
            largest = largestPerArea(zoneMonths(r, z), r.ZoneArea(z), largest);
    } else {
        if (r.Area == 0.0) return;
        largest = largestPerArea(houseMonths(r), r.Area, largest);
    }
    setChartMaximum(largest);
}

void RatingAnalysis::Reset() {
    double largest = 0.0; // MJ/m2
    if (zoneView()) {
        if (history_.SimulationRecordCount > 0) {
            const StarType& r = shown();
            for (int z = 1; z <= r.Zones; ++z)
                if (r.ZoneArea(z) != 0.0) largest = largestPerArea(zoneMonths(r, z), r.ZoneArea(z), largest);
        }
    } else {
        for (int k = 1; k <= history_.SimulationRecordCount; ++k) {
            const StarType& r = history_.SimulationRecords(k);
            if (r.Area != 0.0) largest = largestPerArea(houseMonths(r), r.Area, largest);
        }
    }
    setChartMaximum(largest);
}

void RatingAnalysis::ChangeZoneDetails() {
    const StarType& r = shown();
    const int z = model_.DisplayZone;
    if (z < 1 || z > r.Zones) return;
    double largest = 0.0; // MJ, the largest zone energy
    for (int other = 1; other <= r.Zones; ++other) largest = std::max(largest, zoneEnergy(r, other));
    const double ez = zoneEnergy(r, z); // MJ
    const double area = r.ZoneArea(z);  // m2

    state_.ZNum = "Zone " + std::to_string(z);
    state_.ZoneNameLb = r.ZoneName(z);
    state_.ZoneColourPanelColour = r.ZoneColour(z);
    const bool conditioned = r.ZoneConditioned(z);
    if (conditioned) {
        state_.StarLabel = starFigure(r.ZoneStars(z));
        state_.images = starImagesFor(r.ZoneStars(z));
        DrawGraphs();
        state_.CoolLabel = perArea(r.ZoneCoolS(z) + r.ZoneCoolL(z), area);
        state_.HeatLabel = perArea(r.ZoneHeat(z), area);
        state_.TotalLabel = perArea(ez, area);
    } else {
        state_.images = StarImages{};
        state_.CoolLabel = analysis_text::kFreeRunningMode;
        state_.HeatLabel.clear();
        state_.TotalLabel.clear();
    }
    state_.Label1Visible = state_.Label2Visible = state_.Label3Visible = conditioned;
    state_.StarLabelVisible = state_.PercentLabelVisible = state_.EPanelVisible = conditioned;
    state_.CoolChartVisible = state_.HeatChartVisible = conditioned;

    state_.AreaLabel = "Area " + fixedText(area, 1) + " m²";
    state_.EnergyLabel = "Energy " + fixedText(ez, 0) + " MJ ";
    if (r.Total != 0.0) {
        state_.PercentLabel = fixedText(ez * 100.0 / r.Total, 0) + " %";
        state_.EPanelHeight = ZoneBarHeight(kZoneColourPanelHeight, ez, largest);
    } else {
        // Without house energy there is no share to show; the last zone's share must not stay.
        state_.PercentLabel.clear();
        state_.EPanelHeight = 0;
    }
    refresh();
}

// ---- The star panel's side ------------------------------------------------------------------------

void RatingAnalysis::ratingTexts(const AnalysisRatingTexts& texts) {
    state_.FileLabel = texts.FileLabel;
    state_.TotalLabel = texts.TotalLabel;
    state_.CoolLabel = texts.CoolLabel;
    state_.HeatLabel = texts.HeatLabel;
    state_.AdjustLabel = texts.AdjustLabel;
    state_.AdjustStarLabel = texts.AdjustStarLabel;
    refresh();
}

void RatingAnalysis::followRecord(int shownRecord, bool newest, const std::string& backCaption) {
    DisplayRating(shownRecord);
    state_.BackSBCaption = backCaption;
    state_.ForwardSBDown = newest;
    state_.BackSBDown = !newest;
    HouseSBClick();
    Reset();
    DrawGraphs();
    refresh();
}

} // namespace pelmora
