// The two small search dialogs beside the location dialog: "Location from Post Code" lists the
// localities of a typed postcode, "Location from Name" the postcodes of a typed locality.  Both then
// show the postcode's position and climate zones and let the user pick a zone.  The site changes on
// OK only, to the place found, and is then shown on the location dialog and the main window; Cancel,
// Escape and the close box keep the site.  Their logic is the plain PostcodeSearch and NameSearch.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/site_search.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QLabel>
#include <QListWidget>

#include <array>

class QBoxLayout;

namespace pelmora {

class TLocationForm;

// What the two dialogs share: the list, the position and climate labels and the zone choice.
class TSiteSearchForm : public platform::Dialog {
    Q_OBJECT
  public:
    TSiteSearchForm(SiteSearch& search, TLocationForm& location, QWidget* parent);

    void ListBox1Click(int index);
    void ClFileRGClick(int item);
    void OKSBClick();
    void CancelSBClick();

    QListWidget* ListBox1;
    QLabel *LatLabel, *LongLabel, *Clim1Label, *Clim2Label, *Clim3Label, *ClimNameLabel;
    platform::RadioGroup* ClFileRG;
    platform::SpeedButton *OKSB, *CancelSB, *HelpButton;

  protected:
    // Lays out the dialog with `entry` (the edit box and its caption) above the list.
    void build(QBoxLayout* entry, QWidget* extra);
    // Shows the search's display.
    void showStep();
    // The list was clicked on entry `index`: the dialog's own choice.
    virtual void listClicked(int index) = 0;
    // Shows what only this dialog has.
    virtual void showOwn(const SiteSearchDisplay&) {}
    // Runs a handler; a table that cannot be read is shown in the error box and ends it.
    template <class Handler> void reported(Handler handler);
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    SiteSearch& search_;
    TLocationForm& location_;
    bool showing_ = false; // the display is being written into the components

  private:
    std::array<QLabel*, 3> climLabels() const { return {Clim1Label, Clim2Label, Clim3Label}; }
};

class TPCLocationForm : public TSiteSearchForm {
    Q_OBJECT
  public:
    TPCLocationForm(HouseModel& model, TLocationForm& location, QWidget* parent = nullptr);
    ~TPCLocationForm() override;

    void FormShow();
    void PCEditChange();

    platform::EditBox* PCEdit;
    const PostcodeSearch& logic() const { return logic_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void listClicked(int index) override;

  private:
    PostcodeSearch logic_;
};

class TNameLocationForm : public TSiteSearchForm {
    Q_OBJECT
  public:
    TNameLocationForm(HouseModel& model, TLocationForm& location, QWidget* parent = nullptr);
    ~TNameLocationForm() override;

    void FormShow();
    void LocationEditChange();

    platform::EditBox* LocationEdit;
    QLabel* PCLabel;
    const NameSearch& logic() const { return logic_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void listClicked(int index) override;
    void showOwn(const SiteSearchDisplay& display) override;

  private:
    NameSearch logic_;
};

} // namespace pelmora
