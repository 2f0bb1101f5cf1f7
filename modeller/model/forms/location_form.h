// The location dialog: a map with the chosen site, the cities and the climate zones, the pointer's
// position and climate zone in its status bar, the wind shielding, and the buttons that open the
// searches by postcode and by name and the climate details.  It stays open beside the main window
// (modeless); the site that its searches find becomes the house's site when the search closes with OK.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/location_map.h"
#include "modeller/model/location_tables.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <vector>

class QPainter;

namespace pelmora {

class TClimateDetailsForm;
class TClimateSummaryForm;
class TNameLocationForm;
class TPCLocationForm;

// Enter and Escape close the site dialogs as their OK button does.
bool IsEnterOrEscape(const QKeyEvent* event);

// The main window's project line, as far as the site dialogs write it.
struct MainSiteLabels {
    QLabel* LocationLabel = nullptr;
    QLabel* PCLabel = nullptr;
    QLabel* ClimateLabel = nullptr;
};

// The map: the picture with a transparent drawing area over it, both drawn without antialiasing.
class LocationMapBox : public QWidget {
    Q_OBJECT
  public:
    explicit LocationMapBox(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    bool hasPicture() const { return !picture_.isNull(); }
    // The drawing area, cleared to transparent.
    QImage& drawing() { return drawing_; }
    // The colour seen at a pixel: the drawing where it is drawn on, the picture elsewhere.
    MapColour pixelColour(int x, int y) const;
    // The picture with the drawing over it, as shown.
    QImage shown() const;

  signals:
    void mouseMoved(QPoint position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    QImage drawing_;
};

// The legend of the climate zones: a circle in each zone's colour with its number and name.
class ClimateLegendBox : public QWidget {
    Q_OBJECT
  public:
    struct Entry {
        int zone;
        MapPixel at; // the circle's centre
    };
    ClimateLegendBox(QSize size, QWidget* parent = nullptr);
    void setEntries(std::vector<Entry> entries, const TClimateZoneNames& names);
    const std::vector<Entry>& entries() const { return entries_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Entry> entries_;
    TClimateZoneNames names_{};
};

class TLocationForm : public platform::Dialog {
    Q_OBJECT
  public:
    TLocationForm(HouseModel& model, platform::Services& services, MainSiteLabels mainLabels,
                  QWidget* parent = nullptr);

    // Handlers.
    void FormShow();
    void FormClose();
    void SearchPostCodeSBClick();
    void SearchNameSBClick();
    void DisplayClimateSBClick();
    void AllClimatesClick();
    void CurrentClimateClick();
    void ShowCitiesClick();
    void PaintBox1MouseMove(QPoint position);
    // The shielding list's choice, written into the site (a change clears the results).
    void ShieldingCBChange();
    void OKSBClick();

    // The site after a search step: the site labels here and on the main window show the model's
    // site, or are cleared while a search has found nothing; the map is redrawn with the site.
    void ShowSite(bool shown);
    // Clears the drawing area and draws the views that are on, then the location dot.
    void RedrawMap();
    // Closes the searches and the climate details dialog, all but `keep`.
    void CloseSiteDialogs(const QWidget* keep = nullptr);

    // Components.
    LocationMapBox* PaintBox1;
    ClimateLegendBox* LegendPanel;       // all climates
    ClimateLegendBox* SingleLegendPanel; // the current climate
    QLabel *LocationLabel, *PCLabel, *LatLabel, *LongLabel, *ClimateFileLabel;
    platform::SpeedButton *SearchPostCodeSB, *SearchNameSB, *DisplayClimateSB, *AllClimates, *CurrentClimate,
        *ShowCities, *OKSB, *HelpButton;
    QComboBox* ShieldingCB;
    platform::PanelStatusBar* StatusBar1;

    LocationMapViews Views;
    TClimateZoneNames ClimateZoneNames{};

    // The other site dialogs; each sets its own pointer when it is created.
    TNameLocationForm* NameLocationForm = nullptr;
    TPCLocationForm* PCLocationForm = nullptr;
    TClimateDetailsForm* ClimateDetailsForm = nullptr;
    TClimateSummaryForm* ClimateSummaryForm = nullptr;

    HouseModel& model() { return model_; }
    platform::Services& services() { return services_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void loadPicture();
    void DisplayLocationDot(QPainter& painter, double latitude, double longitude);
    void ShowCities1(QPainter& painter);
    void ShowAllClimates(QPainter& painter);
    void ShowCurrentClimate(QPainter& painter);
    void ShowSingleLegend(int zone);
    void showButtons();
    // Runs a step whose errors (a table that cannot be read) are shown in the error box.
    template <class Step> void reported(Step step);

    HouseModel& model_;
    platform::Services& services_;
    MainSiteLabels main_;
};

} // namespace pelmora
