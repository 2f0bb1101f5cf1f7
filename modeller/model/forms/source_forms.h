// The dialogs of the site's water sources ("Water Sources") and energy sources ("Energy Sources"):
// a button and a tick for each source.  They lay the sources out and store nothing; the ticks keep
// what is set for as long as the program runs, and nothing reads them.
#pragma once

#include "modeller/model/forms/water_forms.h"

#include <QCheckBox>

namespace pelmora {

// A dialog of source buttons, each with its tick; none of them has an action.
class SourcesForm : public UsageDialog {
    Q_OBJECT
  public:
    SourcesForm(platform::Services& services, const char* name, const char* caption,
                std::span<const std::string_view> sources, QWidget* parent = nullptr);

    UsageButtons SourceSB;
    std::vector<QCheckBox*> SourceCB;
    platform::SpeedButton* OKSB;
};

class TWaterSourceForm : public SourcesForm {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Water Sources";
    explicit TWaterSourceForm(platform::Services& services, QWidget* parent = nullptr);
};

class TEnergySourceForm : public SourcesForm {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Energy Sources";
    explicit TEnergySourceForm(platform::Services& services, QWidget* parent = nullptr);
};

} // namespace pelmora
