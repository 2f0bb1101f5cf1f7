// The dialogs of how the house is used (occupancy and the water and energy usage dialogs) stay open
// on Enter and Escape: they close only with their OK buttons.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <cstdint>

class QLabel;
class QWidget;

namespace pelmora {

class ZonePanel;

// What the dialogs of how the house is used tell the user: the rating takes none of their values.
namespace usage_text {
inline constexpr const char* kGainsNotSimulated =
    "These gains and thermostat settings are not simulated: the rating always uses the standard "
    "schedules of the site's occupancy file. Changes here last until the dialog is shown again and "
    "are kept only in schedule files.";
inline constexpr const char* kUsageNotSimulated =
    "Not simulated: the figures typed here are not computed, not stored in the house file and do "
    "not change the rating.";
} // namespace usage_text

// A note, in bold over the dialog's values, that the rating does not use them.
QLabel* NotSimulatedNote(QWidget* parent, const char* text);

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
