// The occupancy dialog ("Occupancy Settings"): zone by zone, the hourly internal gains and the
// heating and cooling thermostat set-points that the site's occupancy file gives each zone, with a
// bar chart of the day's sensible gains that can be dragged, schedule files, and a page of heating
// and cooling equipment.  Its values and their rules are the plain InternalGains; this class holds
// the widgets.  Opened from the simulation mode dialog.
#pragma once

#include "modeller/model/forms/usage_dialog.h"
#include "modeller/model/internal_gains.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace pelmora {

class ZonePanel;

// The paint box of the sensible gain bars, in front of its grid: it draws the bars where the gains
// logic places them and hands the mouse on in the paint box's own pixels.
class GainBarChart : public QWidget {
    Q_OBJECT
  public:
    GainBarChart(const InternalGains& gains, QWidget* parent = nullptr);
    // The paint box's top left corner inside the chart (the grid's labels lie around it).
    static QPoint paintBoxOrigin() { return {34, 22}; }
    QSize sizeHint() const override;

  signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const InternalGains& gains_;
};

class TInternalGainForm : public UsageDialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Occupancy Settings";

    // The dialog reports its file actions in panel 0 of `statusBar` (the main window's).
    TInternalGainForm(HouseModel& model, platform::Services& services, platform::PanelStatusBar& statusBar,
                      QWidget* parent = nullptr);

    // ---- Handlers ----------------------------------------------------------------------------
    void FormShow();
    void FormClose();
    void ChangeZoneDetails();
    void PopulateFields();
    void PopulateThermostats();
    void DrawAllBars();
    void ZonePercentBar();
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp();
    void ScaleRGClick();
    // The change action of hour box n (Edit1 ... Edit96).
    void EditChange(int n);
    void MakeSame1ButtonClick();
    void Reset1ButtonClick();
    void MakeSame2ButtonClick();
    void Reset2ButtonClick();
    void SBsave1Click();
    void SBOpen1Click();
    void SBSave2Click();
    void SBOpen2Click();
    void ZoneNumUpDownClick();
    void OKSBClick();

    InternalGains& gains() { return gains_; }
    struct ScheduleKind;

    // ---- Components --------------------------------------------------------------------------
    ZonePanel* ZoneInfo;
    QTabWidget* PageControl1;
    GainBarChart* PaintBox1;
    platform::EditBox* PercentEdit; // the percentage of the bar held by the mouse
    platform::RadioGroup* ScaleRG;
    // Edit1..Edit24 sensible gains, Edit25..Edit48 latent gains, Edit49..Edit72 heating and
    // Edit73..Edit96 cooling set-points, hour h of each family at offset h.
    std::array<platform::EditBox*, 97> Edit{}; // index 0 unused
    QLabel* PercentLabel;
    QFrame* GaugePanel;
    QLabel* ZoneTotalLabel;
    QLabel* BuildingTotalLabel;
    QCheckBox* DefaultGainsCB;
    QCheckBox* DefaultSetpointsCB;
    platform::SpeedButton *SBsave1, *SBOpen1, *MakeSame1Button, *Reset1Button, *Help1SB;
    platform::SpeedButton *SBSave2, *SBOpen2, *MakeSame2Button, *Reset2Button, *Help2SB;
    // The equipment page: buttons and ticks without an action.
    std::vector<platform::SpeedButton*> HeatingEquipmentSB, CoolingEquipmentSB;
    std::vector<QCheckBox*> HeatingEquipmentCB, CoolingEquipmentCB;
    platform::SpeedButton* OKSB;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    QWidget* buildGainsPage();
    QWidget* buildComfortPage();
    QWidget* buildEquipmentPage();
    QString scheduleFolder() const;
    void saveSchedule(const ScheduleKind& kind, QString& last,
                      void (InternalGains::*write)(const std::filesystem::path&) const);
    void openSchedule(const ScheduleKind& kind, QString& last,
                      void (InternalGains::*read)(const std::filesystem::path&));
    void setBoxText(int n, const std::string& text);

    HouseModel& model_;
    platform::Services& services_;
    platform::PanelStatusBar& statusBar_;
    InternalGains gains_;
    QString lastGainSchedule_, lastComfortSchedule_; // the names the open dialogs propose
};

} // namespace pelmora
