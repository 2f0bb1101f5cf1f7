// The dialogs of how the house is used (occupancy and the water and energy usage dialogs) stay open
// on Enter and Escape: they close only with their OK buttons.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <cstdint>

namespace pelmora {

class ZonePanel;

class UsageDialog : public platform::Dialog {
    Q_OBJECT
  public:
    using platform::Dialog::Dialog;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A usage dialog of one zone at a time: it shows the zone selected on the plan when it is shown, and
// its up-down browses the others.  The zone shown is the model's DisplayZone.
class ZoneUsageDialog : public UsageDialog {
    Q_OBJECT
  public:
    // `currentZone` is the zone selected on the plan, read when the dialog is shown.
    ZoneUsageDialog(HouseModel& model, platform::Services& services, const std::int32_t& currentZone,
                    QWidget* parent = nullptr);

    virtual void FormShow();
    void ZoneNumUpDownClick();

    ZonePanel* ZoneInfo;

  protected:
    void showEvent(QShowEvent* event) override;

    HouseModel& model_;

  private:
    const std::int32_t& currentZone_;
};

} // namespace pelmora
