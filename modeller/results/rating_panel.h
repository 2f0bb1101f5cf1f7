// The star panel of the main window and the road after every engine run, as plain C++: the panel's
// visible state, the handlers of its buttons and the post-run steps.  The widget (star_panel_widget)
// only draws this state; the analysis dialog follows the shown record through a small link.
#pragma once

#include "common/arrays.h"
#include "modeller/model/house_model.h"
#include "modeller/results/simulation_records.h"
#include "modeller/results/star_rating.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora {

// Texts the panel shows in place of the energies when a record has no rating area.
namespace star_panel_text {
inline constexpr std::string_view kFree = "Free";
inline constexpr std::string_view kRunning = "running";
inline constexpr std::string_view kMode = "mode";
inline constexpr std::string_view kFirstOlderRecord = "2"; // BackSB's caption: the record one older than 1
inline constexpr std::string_view kNoConditionedZone =
    "No zone of the house is heated or cooled, so the house gets no star rating.";
inline constexpr std::string_view kNoRatingArea =
    "No zone of the house is both heated and cooled, so the house gets no star rating.";
} // namespace star_panel_text

constexpr int kStarImages = 10;

// Everything the star panel shows, in the components' names.  The start values are the panel's
// design-time state.
struct StarPanelState {
    std::string HeatLabel, CoolLabel, TotalLabel, FileLabel, ClimNameLabel, StarLabel;
    bool Label1Visible = true, Label2Visible = true, Label3Visible = true; // "T", "C", "H"
    bool FileLabelVisible = true, ClimNameLabelVisible = true, StarLabelVisible = true;
    bool AnalysisSBVisible = true, ForwardSBVisible = true, BackSBVisible = true, DelRecSBVisible = true;
    bool ForwardSBDown = true, BackSBDown = false;
    std::string BackSBCaption{star_panel_text::kFirstOlderRecord};
    bool lemon = false;
    common::FixedArray1<bool, 1, kStarImages> star{};     // full stars, 1-5 upper row, 6-10 lower
    common::FixedArray1<bool, 1, kStarImages> halfstar{}; // half stars at the place of the full star
};

// The texts that the rating display also writes on the analysis dialog.
struct AnalysisRatingTexts {
    std::string FileLabel, TotalLabel, CoolLabel, HeatLabel;
    std::string AdjustLabel;     // area adjustment factor, two decimals
    std::string AdjustStarLabel; // star rating of the adjusted energy, one decimal
};

// What the panel needs of the window that shows it.
class StarPanelView {
  public:
    virtual ~StarPanelView() = default;
    virtual void showPanel(const StarPanelState& state) = 0;
};

// Information boxes of the post-run road.
class RatingMessages {
  public:
    virtual ~RatingMessages() = default;
    virtual void information(std::string_view text) = 0;
};

// The analysis dialog's side: it shows the same record and steps with the panel.
class AnalysisLink {
  public:
    virtual ~AnalysisLink() = default;
    // The rating display wrote these texts for the record shown.
    virtual void ratingTexts(const AnalysisRatingTexts& texts) = 0;
    // The panel stepped to `shownRecord` (1 after "Most Recent Rating"); the dialog shows it with
    // `backCaption` on its own BackSB and redraws its house view and charts.
    virtual void followRecord(int shownRecord, bool newest, const std::string& backCaption) = 0;
};

// The climate file name the panel shows for a climate number: climate 5 gives "climat05.TXT".
std::string climateFileLabel(int climate);
// The star figure: "3.5" with a fraction, "4" without, empty for no rating.
std::string starFigure(double stars);

class RatingPanel {
  public:
    RatingPanel(HouseModel& model, SimulationHistory& history, RatingTables& tables, RatingMessages& messages)
        : model_(model), history_(history), tables_(tables), messages_(messages) {}

    void setView(StarPanelView* view);
    void setAnalysis(AnalysisLink* analysis) { analysis_ = analysis; }

    // ---- Start-up (each may raise ModelError naming the file; the start-up reports it) -----------
    // The two tables are loaded, and then a table without a row for a climate that the location
    // tables name is reported.
    void ReadStarBands();
    // Shows the empty panel, then, when the history file exists, reads it, shows its newest record
    // and the delete button.
    void ReadRatingHistory();
    void ReadAreaCorrection();

    // ---- After every engine run ------------------------------------------------------------------
    // Stores the run's record, shows it and rewrites the history file.  Raises ModelError when the
    // energy file cannot be read (nothing changes then) or the history file cannot be written (the
    // rating is shown by then).  A house without a rating area, or in a climate that a rating table
    // has no row for, is told so in an information box.
    void ProcessSimulation();
    // The simulate command shows the delete button after a processed run.
    void ShowDelRecSB();

    // ---- Display and handlers --------------------------------------------------------------------
    void DisplayRating(int k);
    void DeleteStars();
    void BackSBClick();
    void ForwardSBClick();
    void DelRecSBClick();

    int ShownRecord = 1;
    double ShownStars = 0.0; // stars of the shown record

    const StarPanelState& state() const { return state_; }
    const AnalysisRatingTexts& analysisTexts() const { return analysisTexts_; }

  private:
    void showEmptyPanel();
    void showStarImages(double stars);
    void refresh();
    void followOnAnalysis(bool newest);

    HouseModel& model_;
    SimulationHistory& history_;
    RatingTables& tables_;
    RatingMessages& messages_;
    StarPanelView* view_ = nullptr;
    AnalysisLink* analysis_ = nullptr;
    StarPanelState state_;
    AnalysisRatingTexts analysisTexts_;
};

} // namespace pelmora
