// The two searches that find a site: the localities of a typed postcode, and the postcodes of a
// typed locality name.  Each then offers the postcode's one to three climate zones, of which the
// user picks one.  A search works on a choice of its own: the site (location name, postcode,
// longitude, latitude, climate zone and climate file) changes only on OK, and only to a place that
// was found; Cancel, or closing the dialog in any other way, keeps the site as it was.
//
// These classes hold the dialogs' state and handlers in plain C++; the dialogs only show the
// display below and forward the user's typing and clicks.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/location_tables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kNoClimateZone = "None";

// A place a search has found: a listed postcode with climate zones, one of its localities, its
// position and the zone chosen among its zones.
struct FoundSite {
    std::string LocationName;
    int Postcode = 0;
    double Longitude = 0.0; // degrees east
    double Latitude = 0.0;  // degrees, south negative
    int ClimateZone = 0;
    bool operator==(const FoundSite&) const = default;
};

// What a search dialog shows, in its components' names.
struct SiteSearchDisplay {
    std::vector<std::string> ListBox1; // localities, or postcodes as text
    int ListIndex = -1;                // the selected entry, -1 for none
    std::string LatLabel, LongLabel;
    std::array<std::string, 3> ClimLabels; // Clim1Label..Clim3Label: climate files of the zones
    std::string ClimNameLabel;             // the chosen zone's name
    int ClFileRG = -1;                     // the selected zone item, -1 for none
    std::string PCLabel;                   // the name dialog's postcode
};

// What both searches share: the zones of the postcode found, the radio choice among them, the place
// found so far and the display.
class SiteSearch {
  public:
    explicit SiteSearch(HouseModel& model) : model_(model) {}
    virtual ~SiteSearch() = default;

    // Chooses among the postcode's climate zones by the item of the zone radio group.
    void ClFileRGClick(int item);
    // OK: writes the place found into the site and returns true.  When the user has chosen nothing
    // since the dialog was shown (no typing, no click), the site stays and true is returned.  When a
    // choice found no place, nothing is written and false is returned: the dialog stays open and
    // tells the user NotFoundText().
    bool OKSBClick();
    // Why OK could not take a site.
    virtual std::string NotFoundText() const = 0;

    const SiteSearchDisplay& display() const { return display_; }
    // The place that OK would take, if any.
    const std::optional<FoundSite>& found() const { return found_; }
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
    // Selects the zone item: on the first change the item of the site's climate zone when the
    // postcode offers it, otherwise item 0 with the first zone.
    void selectZone();
    // The zone of radio item `item` becomes the zone of the place found.
    void chooseZone(int item);
    void showPosition();
    // A new search starts: nothing is found, and the user has chosen unless this is the first change
    // after showing.
    void startSearch();
    // The dialog is shown: nothing is found or chosen yet.
    void startShowing();

    HouseModel& model_;
    SiteSearchDisplay display_;
    PostcodeClimate climate_;
    TClimateZoneNames names_{};
    std::optional<FoundSite> found_;
    bool chosen_ = false; // the user has typed or clicked since the dialog was shown
    std::string typed_;   // the text of the last search
};

// The localities of a typed postcode.
class PostcodeSearch : public SiteSearch {
  public:
    using SiteSearch::SiteSearch;
    // The dialog is shown: the search runs on the site's postcode.  Returns the edit box's text.
    std::string FormShow();
    void PCEditChange(std::string_view text);
    void ListBox1Click(int index);
    std::string NotFoundText() const override;
};

// The postcodes of a typed locality name.
class NameSearch : public SiteSearch {
  public:
    using SiteSearch::SiteSearch;
    // The dialog is shown: the search runs on the site's location name.  Returns the edit box's text.
    std::string FormShow();
    void LocationEditChange(std::string_view text);
    void ListBox1Click(int index);
    std::string NotFoundText() const override;

  private:
    // Reads the climate line of postcode entry `index` of the list; with climate zones it is the
    // place found, under the typed name.  False when the postcode has no climate zone.
    bool RefreshValues(int index);
    // Clears the dialog's labels.
    void Initial();
    // Shows the chosen zone and the postcode.
    void Final(int postcode);

    std::vector<int> postcodes_;
};

} // namespace pelmora
