// The energy usage dialogs: a zone's appliances ("Energy Consumption") and the energy used outside
// the zones ("Extra Zonal Energy Consumption").  A usage button shows its caption in the dialog's
// profile panel; nothing else happens: the panels' boxes keep what is typed for as long as the
// program runs, and nothing reads them or stores them.
#pragma once

#include "modeller/model/forms/water_forms.h"
#include "modeller/model/usage_buttons.h"

#include <QLabel>
#include <QTabWidget>

namespace pelmora {

class TNonZonalEnergyForm;

// The pages of usage buttons and the profile panel that their captions show in.
class UsageProfile : public QObject {
    Q_OBJECT
  public:
    UsageProfile(HouseModel& model, QLabel& label, QFrame& panel, QObject* parent = nullptr)
        : QObject(parent), model_(model), label_(label), panel_(panel) {}
    // A page control of the pages' buttons; each button with an action shows its caption.
    QTabWidget* buildPages(QWidget* parent, std::span<const TUsagePage> pages, UsageButtons& buttons);
    // The caption of a button into UsageCaption, shown in the panel, which becomes visible.
    void UsageButtonClick(std::string_view shows);
    // The label emptied and the panel hidden.
    void Clear();
    // Clears whenever the keyboard focus enters `area` from outside it.
    void clearOnEntering(QWidget* area);

  private:
    HouseModel& model_;
    QLabel& label_;
    QFrame& panel_;
};

class TApplianceForm : public ZoneUsageDialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Energy Consumption";

    TApplianceForm(HouseModel& model, platform::Services& services, const std::int32_t& currentZone,
                   QWidget* parent = nullptr);

    // The dialog "Non Zonal" shows beside this one; set once the program has created it.
    TNonZonalEnergyForm* NonZonalEnergyForm = nullptr;

    // Hides the profile panel, then shows the plan's zone.
    void FormShow() override;
    void NonZonalSBClick();
    void OKSBClick();

    QTabWidget* PageControl1;
    UsageButtons UsageSB; // every usage button, page by page
    QFrame* ProfilePanel;
    QLabel* ProfileLabel;
    platform::SpeedButton *OpenFileSB, *SaveFileSB, *HelpSB, *AnalysisSB, *NonZonalSB, *OKSB;
    UsageProfile* profile() { return profile_; }

  private:
    UsageProfile* profile_;
};

class TNonZonalEnergyForm : public UsageDialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Extra Zonal Energy Consumption";
    static constexpr const char* kDesignedLabel = "Machinery";

    TNonZonalEnergyForm(HouseModel& model, platform::Services& services, QWidget* parent = nullptr);

    void OKSBClick() { accept(); }

    QTabWidget* PageControl1;
    UsageButtons UsageSB;
    QFrame* ProfilePanel;
    QLabel* ProfileLabel;
    platform::SpeedButton *OpenFileSB, *SaveFileSB, *HelpSB, *OKSB;
    UsageProfile* profile() { return profile_; }

  private:
    UsageProfile* profile_;
};

} // namespace pelmora
