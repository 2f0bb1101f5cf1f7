// The "Background Picture" dialog: a picture under the plan of the current level, loaded from a file
// or pasted from the clipboard, moved with two position bars, zoomed with the scale bar about the
// plan point at the dialog's bottom-left corner, scaled by a length measured on the plan, lightened
// or removed.  Modeless; it closes with OK, Enter or Escape.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/plan_scale.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QImage>

#include <array>
#include <functional>

class QLabel;
class QScrollBar;

namespace pelmora {

class TMainForm;

class TPicImportForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 810;

    TPicImportForm(HouseModel& model, PlanScale& scale, platform::Services& services, TMainForm& mainForm,
                   QWidget* parent = nullptr);

    // Where a paste takes its picture from: the system clipboard unless a caller installs another.
    std::function<QImage()> Clipboard;
    // The plan point (pixels at the magnification) that a zoom keeps still: the plan point at the
    // dialog's bottom-left corner unless a caller installs another.
    std::function<QPoint()> ReferencePoint;

    void FormShow();
    // The bars and labels take the place and scale of the level's picture.
    void ShowLevel(int level);
    // Only the indicator image of the current magnification is shown.
    void ShowMagnification();

    void SBopenFileClick();
    void PasteButtonClick();
    void SBDeleteClick();
    void ResetButtonClick();
    void HideBackgroundSBClick();
    void LightenSBClick();
    void OKSBClick();
    void ZeroButtonClick();
    void XSBChange();
    void YSBChange();
    void ScaleSBChange();
    // "Measure": the next two clicks on the plan measure a length.
    void Button1Click();
    // "Scale": the picture is scaled so the measured length is as long as Edit2 says (mm).
    void Button2Click();

    platform::SpeedButton *SBopenFile, *PasteButton, *SBDelete, *ResetButton, *HideBackgroundSB, *LightenSB,
        *OKSB, *HelpButton;
    QScrollBar *ScaleSB, *XSB, *YSB;
    QLabel *MagLabel, *XValLabel, *YValLabel;
    platform::SpeedButton *ZeroButton, *Button1, *Button2;
    platform::EditBox* Edit2;
    std::array<QLabel*, 4> Images{}; // Image1..Image4, one for each magnification 1..4

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TLevelPictureRec& picture();
    void takePicture(const QImage& image);
    void showOffsets();
    // Sets a bar without running its change handler.
    void setBar(QScrollBar* bar, int value);

    HouseModel& model_;
    PlanScale& scale_;
    platform::Services& services_;
    TMainForm& mainForm_;
    bool syncing_ = false;
};

} // namespace pelmora
