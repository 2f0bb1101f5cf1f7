// The two searches that find a site: the localities of a typed postcode, and the postcodes of a
// typed locality name.  Each then offers the postcode's one to three climate zones, of which the
// user picks one.  Every step writes the site into the model at once (location name, postcode,
// longitude, latitude, climate zone and climate file); there is no cancel.
//
// These classes hold the dialogs' state and handlers in plain C++; the dialogs only show the
// display below and forward the user's typing and clicks.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/location_tables.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kNoClimateZone = "None";

// What a search dialog shows, in its components' names.
struct SiteSearchDisplay {
    std::vector<std::string> ListBox1; // localities, or postcodes as text
    int ListIndex = -1;                // the selected entry, -1 for none
    std::string LatLabel, LongLabel;
    std::array<std::string, 3> ClimLabels; // Clim1Label..Clim3Label: climate files of the zones
    std::string ClimNameLabel;             // the chosen zone's name
    int ClFileRG = -1;                     // the selected zone item, -1 for none
    std::string PCLabel;                   // the name dialog's postcode
    // The site labels of the location dialog and the main window show the model's site; false while
    // a search has cleared them and found nothing yet.
    bool SiteShown = true;
};

// What both searches share: the zones of the postcode found, the radio choice among them and the
// display.
class SiteSearch {
  public:
    explicit SiteSearch(HouseModel& model) : model_(model) {}
    virtual ~SiteSearch() = default;

    // Chooses among the postcode's climate zones by the item of the zone radio group.
    void ClFileRGClick(int item);

    const SiteSearchDisplay& display() const { return display_; }
    // Set when the dialog is shown, cleared after the first change of its edit box: the first
    // change reproduces the current site, later ones start a new choice.
    bool FirstChange = false;

  protected:
    // Reads the zone names (each time a dialog is shown, as the tables may change with the program
    // folder).
    void readZoneNames();
    // Reads the climate line of `postcode` into the zones and the climate labels; false when the
    // postcode has no climate zone.
    bool readClimate(int postcode);
    // Selects the zone item: on the first change the item of the model's climate zone when the
    // postcode offers it, otherwise item 0 with the first zone.
    void selectZone();
    void showPosition();

    HouseModel& model_;
    SiteSearchDisplay display_;
    PostcodeClimate climate_;
    TClimateZoneNames names_{};
};

// The localities of a typed postcode.
class PostcodeSearch : public SiteSearch {
  public:
    using SiteSearch::SiteSearch;
    // The dialog is shown: the search runs on the model's postcode.  Returns the edit box's text.
    std::string FormShow();
    void PCEditChange(std::string_view text);
    void ListBox1Click(int index);
};

// The postcodes of a typed locality name.
class NameSearch : public SiteSearch {
  public:
    using SiteSearch::SiteSearch;
    // The dialog is shown: the search runs on the model's location name.  Returns the edit box's text.
    std::string FormShow();
    void LocationEditChange(std::string_view text);
    void ListBox1Click(int index);

  private:
    // Reads the climate line of the model's postcode; with climate zones, its position becomes the
    // site's.  False when the postcode has no climate zone.
    bool RefreshValues();
    // Clears the dialog's labels and the site labels.
    void Initial();
    // Shows the chosen zone, the postcode and the site.
    void Final();

    std::vector<int> postcodes_;
};

} // namespace pelmora
