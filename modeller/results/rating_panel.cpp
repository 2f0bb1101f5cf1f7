#include "modeller/results/rating_panel.h"

#include "common/file_lookup.h"
#include "modeller/results/rating_history.h"

#include <cmath>
#include <cstdio>

namespace pelmora {

std::string climateFileLabel(int climate) {
    char text[32];
    std::snprintf(text, sizeof text, "climat%02d.TXT", climate);
    return text;
}

std::string fixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string adjustedStarText(double stars) {
    return stars == kNoRating ? std::string() : fixedText(stars, 1);
}

StarImages starImagesFor(double stars) {
    StarImages images;
    if (stars == kNoRating || stars < 0.0 || stars > kStarImages) return images;
    if (stars == 0.0) {
        images.lemon = true;
        return images;
    }
    const int full = static_cast<int>(std::floor(stars));
    for (int n = 1; n <= full; ++n) images.star(n) = true;
    if (stars - full == kStarStep) images.halfstar(full + 1) = true;
    return images;
}

std::string starFigure(double stars) {
    if (stars == kNoRating) return "";
    return fixedText(stars, stars == std::floor(stars) ? 0 : 1);
}

void RatingPanel::setView(StarPanelView* view) {
    view_ = view;
    refresh();
}

void RatingPanel::refresh() {
    if (view_) view_->showPanel(state_);
}

// ---- Start-up ---------------------------------------------------------------------------------

void RatingPanel::ReadStarBands() {
    pelmora::ReadStarBands(tables_, model_.RootDir);
    CheckStarBandRows(tables_, model_.RootDir);
}

void RatingPanel::ReadRatingHistory() {
    ShownRecord = 1;
    showEmptyPanel();
    state_.DelRecSBVisible = false;
    refresh();
    if (!common::findCaseInsensitive(model_.RootDir, kPastRatingsFile)) return;
    ReadPastRatings(history_, model_.RootDir);
    state_.DelRecSBVisible = true;
    if (history_.SimulationRecordCount > 0) {
        // The kept ratings stay reachable even when the newest is a free-running house, whose
        // display shows no buttons of its own.
        state_.AnalysisSBVisible = state_.ForwardSBVisible = state_.BackSBVisible = true;
        DisplayRating(1);
    }
    refresh();
}

void RatingPanel::ReadAreaCorrection() {
    pelmora::ReadAreaCorrection(tables_, model_.RootDir);
    // The kept record shown before the table was read gets its adjusted rating now.
    if (history_.SimulationRecordCount > 0 && ShownRecord >= 1 &&
        ShownRecord <= history_.SimulationRecordCount)
        DisplayRating(ShownRecord);
    CheckAreaCorrectionRows(tables_, model_.RootDir);
}

// ---- After every engine run -------------------------------------------------------------------

void RatingPanel::ProcessSimulation() {
    StoreSimulationRecord(history_, model_, tables_);
    state_.Label1Visible = state_.Label2Visible = state_.Label3Visible = true;
    state_.StarLabelVisible = true;
    state_.AnalysisSBVisible = state_.ForwardSBVisible = state_.BackSBVisible = true;
    ShownRecord = 1;
    DisplayRating(1);
    if (ShownRecord < history_.SimulationRecordCount && history_.SimulationRecordCount > 1)
        state_.BackSBCaption = star_panel_text::kFirstOlderRecord;
    state_.ForwardSBDown = true;
    state_.BackSBDown = false;
    refresh();
    const StarType& newest = history_.SimulationRecords(1);
    if (newest.Area == 0.0) {
        bool conditioned = false;
        for (int z = 1; z <= newest.Zones; ++z) conditioned = conditioned || newest.ZoneConditioned(z);
        messages_.information(conditioned ? star_panel_text::kNoRatingArea
                                          : star_panel_text::kNoConditionedZone);
    } else if (const std::string gap = RatingTableGap(tables_, newest.Climate, model_.ClimateZone);
               !gap.empty()) {
        messages_.information(gap);
    }
    WritePastRatings(history_, model_.RootDir);
}

void RatingPanel::ShowDelRecSB() {
    state_.DelRecSBVisible = true;
    refresh();
}

// ---- Display ----------------------------------------------------------------------------------

void RatingPanel::DisplayRating(int k) {
    const StarType& r = history_.SimulationRecords(k);
    const double a = r.Area; // m2
    state_.FileLabel = r.Name;
    if (a == 0.0) {
        state_.CoolLabel = star_panel_text::kFree;
        state_.HeatLabel = star_panel_text::kRunning;
        state_.TotalLabel = star_panel_text::kMode;
        state_.StarLabelVisible = false;
        DeleteStars();
        state_.Label1Visible = state_.Label2Visible = state_.Label3Visible = false;
    } else {
        state_.TotalLabel = fixedText(r.Total / a, 1);
        state_.CoolLabel = fixedText(r.CoolS / a + r.CoolL / a, 1);
        state_.HeatLabel = fixedText(r.Heat / a, 1);
        analysisTexts_.FileLabel = state_.FileLabel;
        analysisTexts_.TotalLabel = state_.TotalLabel;
        analysisTexts_.CoolLabel = state_.CoolLabel;
        analysisTexts_.HeatLabel = state_.HeatLabel;
        analysisTexts_.AdjustLabel = fixedText(r.AreaAdjust, 2);
        analysisTexts_.AdjustStarLabel = adjustedStarText(AdjustedStarRating(tables_, r));
        if (analysis_) analysis_->ratingTexts(analysisTexts_);
        state_.Label1Visible = state_.Label2Visible = state_.Label3Visible = true;
        state_.AnalysisSBVisible = state_.ForwardSBVisible = state_.BackSBVisible = true;
        state_.FileLabelVisible = state_.ClimNameLabelVisible = state_.StarLabelVisible = true;
    }
    state_.ClimNameLabel = climateFileLabel(r.Climate);
    DeleteStars();
    ShownStars = r.Stars;
    state_.StarLabel = starFigure(ShownStars);
    showStarImages(ShownStars);
    refresh();
}

void RatingPanel::DeleteStars() {
    state_.lemon = false;
    state_.star.fill(false);
    state_.halfstar.fill(false);
}

void RatingPanel::showStarImages(double stars) {
    const StarImages images = starImagesFor(stars);
    state_.lemon = images.lemon;
    state_.star = images.star;
    state_.halfstar = images.halfstar;
}

void RatingPanel::showEmptyPanel() {
    state_.CoolLabel.clear();
    state_.HeatLabel.clear();
    state_.TotalLabel.clear();
    state_.FileLabel.clear();
    DeleteStars();
    state_.Label1Visible = state_.Label2Visible = state_.Label3Visible = false;
    state_.ClimNameLabelVisible = state_.StarLabelVisible = false;
    state_.AnalysisSBVisible = state_.ForwardSBVisible = state_.BackSBVisible = false;
}

// ---- Handlers ---------------------------------------------------------------------------------

void RatingPanel::followOnAnalysis(bool newest) {
    if (analysis_) analysis_->followRecord(ShownRecord, newest, state_.BackSBCaption);
}

void RatingPanel::BackSBClick() {
    // The click itself puts BackSB down and ForwardSB up (one group).
    state_.BackSBDown = true;
    state_.ForwardSBDown = false;
    const int count = history_.SimulationRecordCount;
    if (ShownRecord < count && count > 1) {
        ++ShownRecord;
        DisplayRating(ShownRecord);
        state_.BackSBCaption = std::to_string(ShownRecord);
        followOnAnalysis(false);
    }
    if (count < 2) {
        state_.BackSBDown = false;
        state_.ForwardSBDown = true;
    }
    refresh();
}

void RatingPanel::ForwardSBClick() {
    state_.ForwardSBDown = true;
    state_.BackSBDown = false;
    if (history_.SimulationRecordCount <= 0) {
        refresh();
        return;
    }
    ShownRecord = 1;
    DisplayRating(1);
    if (1 < history_.SimulationRecordCount) state_.BackSBCaption = star_panel_text::kFirstOlderRecord;
    followOnAnalysis(true);
    refresh();
}

void RatingPanel::DelRecSBClick() {
    DeletePastRatings(model_.RootDir);
    history_.SimulationRecordCount = 0;
    state_.BackSBCaption = star_panel_text::kFirstOlderRecord;
    showEmptyPanel();
    state_.ForwardSBDown = true;
    state_.BackSBDown = false;
    state_.DelRecSBVisible = false;
    refresh();
}

} // namespace pelmora
