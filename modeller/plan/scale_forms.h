// The scale dialog ("1 m is" 20, 40, 60 or 80 pixels) and the snap dialog ("Snap to the nearest" 50,
// 100, 200, 500 or 1000 mm).  A click on an item, or OK, applies it and closes the dialog; neither
// dialog closes on Enter or Escape.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/plan_scale.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

namespace pelmora {

class TMainForm;

class TMagForm : public platform::Dialog {
    Q_OBJECT
  public:
    TMagForm(HouseModel& model, PlanScale& scale, platform::Services& services, TMainForm& mainForm,
             QWidget* parent = nullptr);
    void FormShow();
    // Applies the item of MagRG: the plan is rescaled, refreshed ("Refresh Screen") and the snap
    // step scaled from the value it had when the dialog was shown.
    void ChangeMagnitude();
    void OKSBClick();

    platform::RadioGroup* MagRG;
    platform::SpeedButton* OKSB;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    HouseModel& model_;
    PlanScale& scale_;
    TMainForm& mainForm_;
    int snapAtShow_ = 0;
    bool showing_ = false;
};

class TSnapForm : public platform::Dialog {
    Q_OBJECT
  public:
    TSnapForm(HouseModel& model, PlanScale& scale, platform::Services& services, TMainForm& mainForm,
              QWidget* parent = nullptr);
    void FormShow();
    // Sets the snap step from SnapRG and shows it on the main window's snap label.
    void ChangeSnap();
    void OKSBClick();

    platform::RadioGroup* SnapRG;
    platform::SpeedButton* OKSB;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    HouseModel& model_;
    PlanScale& scale_;
    TMainForm& mainForm_;
    bool showing_ = false;
};

} // namespace pelmora
