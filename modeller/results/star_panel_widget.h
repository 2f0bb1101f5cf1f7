// The star panel's widget: the run name, the energies per square metre, the climate file, the star
// images and figure, and the buttons that step through the kept ratings and delete them.  It draws
// the state of a RatingPanel and hands every click to that panel's handler.
#pragma once

#include "common/arrays.h"
#include "modeller/platform/controls.h"
#include "modeller/results/rating_panel.h"

#include <QFrame>

class QGridLayout;
class QLabel;

namespace platform {
class MessageService;
}

namespace pelmora {

// The post-run road's information boxes through the platform's message service.
class PlatformRatingMessages : public RatingMessages {
  public:
    explicit PlatformRatingMessages(platform::MessageService& messages) : messages_(messages) {}
    void information(std::string_view text) override;

  private:
    platform::MessageService& messages_;
};

// The 21 star images of a rating, laid out as on the star panel: full stars 1-5 in the upper row and
// 6-10 in the lower, each half star at the place of its full star, the lemon at the start.  The
// analysis dialog and the short report show the same images.
struct StarImageLabels {
    common::FixedArray1<QLabel*, 1, kStarImages> star{};
    common::FixedArray1<QLabel*, 1, kStarImages> halfstar{};
    QLabel* lemon = nullptr;
    // Makes the images, hidden, as children of `parent` in the grid it returns.
    QGridLayout* build(QWidget* parent);
    void show(const StarImages& images);
};

class TStarPanel : public QFrame, public StarPanelView {
    Q_OBJECT
  public:
    static constexpr const char* kHint = "Star Rating";

    // Errors escaping a handler (a history file that cannot be deleted or read) go to `messages`.
    TStarPanel(RatingPanel& panel, platform::MessageService& messages, QWidget* parent = nullptr);
    ~TStarPanel() override;

    void showPanel(const StarPanelState& state) override;

    platform::SpeedButton *ForwardSB, *BackSB, *AnalysisSB, *DelRecSB;
    QLabel *Label1, *Label2, *Label3; // "T", "C", "H"
    QLabel *TotalLabel, *CoolLabel, *HeatLabel, *FileLabel, *ClimNameLabel, *StarLabel;
    common::FixedArray1<QLabel*, 1, kStarImages> star{};
    common::FixedArray1<QLabel*, 1, kStarImages> halfstar{};
    QLabel* lemon;

  signals:
    // AnalysisSB: the main window opens the analysis dialog.
    void analysisRequested();

  private:
    RatingPanel& panel_;
};

} // namespace pelmora
