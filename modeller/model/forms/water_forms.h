// The water usage dialogs: a zone's water use ("Water Consumption") and the water used outside the
// zones ("Non Zonal Water Consumption").  They lay out a household's water use and store nothing:
// their boxes keep what is typed for as long as the program runs, and nothing reads them.
#pragma once

#include "modeller/model/forms/usage_dialog.h"
#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QFrame>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace pelmora {

class TNonZonalWaterForm;

// The usage buttons of a dialog, top to bottom (they have no action).
using UsageButtons = std::vector<platform::SpeedButton*>;

class TWaterForm : public ZoneUsageDialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Water Consumption";

    TWaterForm(HouseModel& model, platform::Services& services, const std::int32_t& currentZone,
               QWidget* parent = nullptr);

    // The dialog "Non Zonal" opens; set once the program has created it.
    TNonZonalWaterForm* NonZonalWaterForm = nullptr;

    void NonZonalSBClick();
    void OKSBClick() { accept(); }

    UsageButtons UsageSB;
    QFrame* ProfilePanel; // as designed; the program never changes it
    platform::SpeedButton *NonZonalSB, *OKSB;
};

class TNonZonalWaterForm : public UsageDialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Non Zonal Water Consumption";

    TNonZonalWaterForm(platform::Services& services, QWidget* parent = nullptr);

    UsageButtons UsageSB;
    platform::SpeedButton* OKSB;
};

// A column of usage buttons without an action, one for each caption, each with its hint.
QWidget* usageButtonColumn(QWidget* parent, std::span<const std::string_view> captions,
                           UsageButtons& buttons);

// A labelled box of a profile panel, for figures the program neither fills nor reads.
platform::EditBox* profileBox(QWidget* parent, const QString& name);

} // namespace pelmora
