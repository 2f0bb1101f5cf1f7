#include "modeller/model/site_search.h"

#include "common/text_values.h"

#include <algorithm>
#include <limits>

namespace pelmora {

// ---- Shared --------------------------------------------------------------------------------------

void SiteSearch::readZoneNames() {
    names_ = ReadClimateZoneNames(model_.RootDir);
}

bool SiteSearch::readClimate(int postcode) {
    climate_ = ReadPostcodeClimate(model_.RootDir, postcode);
    display_.ClimLabels = {};
    if (climate_.ZoneCount == 0) {
        display_.ClimLabels[0] = kNoClimateZone;
        return false;
    }
    for (int i = 0; i < climate_.ZoneCount; ++i)
        display_.ClimLabels[static_cast<std::size_t>(i)] =
            ClimateFileNameOf(climate_.Zones[static_cast<std::size_t>(i)]);
    return true;
}

void SiteSearch::showPosition() {
    display_.LatLabel = SiteDegrees(climate_.Latitude, false);
    display_.LongLabel = SiteDegrees(climate_.Longitude, false);
}

void SiteSearch::startSearch() {
    found_.reset();
    climate_ = PostcodeClimate{};
    if (!FirstChange) chosen_ = true;
}

void SiteSearch::startShowing() {
    readZoneNames();
    found_.reset();
    chosen_ = false;
    FirstChange = true;
}

void SiteSearch::selectZone() {
    int item = 0;
    if (FirstChange && model_.ClimateZone != 0)
        for (int i = 0; i < climate_.ZoneCount; ++i)
            if (climate_.Zones[static_cast<std::size_t>(i)] == model_.ClimateZone) item = i;
    chooseZone(item);
}

void SiteSearch::ClFileRGClick(int item) {
    chosen_ = true;
    chooseZone(item);
}

void SiteSearch::chooseZone(int item) {
    switch (climate_.ZoneCount) {
    case 0:
        // Nothing to choose.
        display_.ClFileRG = -1;
        display_.ClimNameLabel.clear();
        return;
    case 1:
        item = 0;
        break;
    case 2:
        // The third item has no zone: it falls back to the first.
        if (item != 1) item = 0;
        break;
    default:
        item = std::clamp(item, 0, 2);
        break;
    }
    display_.ClFileRG = item;
    const int zone = climate_.Zones[static_cast<std::size_t>(item)];
    if (found_) found_->ClimateZone = zone;
    display_.ClimNameLabel = names_(zone);
}

bool SiteSearch::OKSBClick() {
    if (!chosen_) return true;
    if (!found_) return false;
    const FoundSite& site = *found_;
    model_.LocationName = site.LocationName;
    model_.Postcode = site.Postcode;
    model_.Longitude = site.Longitude;
    model_.Latitude = site.Latitude;
    SetClimateZone(model_, site.ClimateZone);
    return true;
}

// ---- By postcode ---------------------------------------------------------------------------------

std::string PostcodeSearch::FormShow() {
    startShowing();
    const std::string text = PostcodeText(model_.Postcode);
    PCEditChange(text);
    // Showing the dialog made the first change, even when there was no postcode to search for.
    FirstChange = false;
    return text;
}

std::string PostcodeSearch::NotFoundText() const {
    return "No place with a climate zone has been found for the postcode \"" + typed_ +
           "\". Type a postcode that is listed, or press Cancel to keep the site.";
}

void PostcodeSearch::PCEditChange(std::string_view text) {
    startSearch();
    typed_ = std::string(text);
    display_.LatLabel.clear();
    display_.LongLabel.clear();
    display_.ClimLabels = {};
    display_.ClimNameLabel.clear();
    display_.ClFileRG = -1;
    display_.ListBox1.clear();
    display_.ListIndex = -1;
    display_.ClimLabels[0] = kNoClimateZone;

    // Text that is not a postcode (an empty box included) finds nothing.
    const auto typed = common::parseInteger(text);
    if (!typed || *typed < 0 || *typed > std::numeric_limits<std::int32_t>::max()) return;
    const int postcode = static_cast<int>(*typed);
    std::vector<std::string> localities = ReadPostcodeLocalities(model_.RootDir, postcode);
    if (!readClimate(postcode)) {
        FirstChange = false;
        chooseZone(0);
        return;
    }

    showPosition();
    display_.ListBox1 = std::move(localities);
    // A postcode is a place only with a locality to name it.
    if (!display_.ListBox1.empty()) {
        FoundSite site{display_.ListBox1.front(), postcode, climate_.Longitude, climate_.Latitude, 0};
        display_.ListIndex = 0;
        if (FirstChange) {
            const auto same =
                std::find(display_.ListBox1.begin(), display_.ListBox1.end(), model_.LocationName);
            if (same != display_.ListBox1.end())
                display_.ListIndex = static_cast<int>(same - display_.ListBox1.begin());
            // The site shown again keeps its own name, listed or not.
            site.LocationName = model_.LocationName;
        }
        found_ = site;
    }
    selectZone();
    FirstChange = false;
}

void PostcodeSearch::ListBox1Click(int index) {
    if (index < 0 || index >= static_cast<int>(display_.ListBox1.size())) return;
    chosen_ = true;
    display_.ListIndex = index;
    if (found_) found_->LocationName = display_.ListBox1[static_cast<std::size_t>(index)];
}

// ---- By locality name ----------------------------------------------------------------------------

std::string NameSearch::FormShow() {
    startShowing();
    const std::string text = model_.LocationName;
    LocationEditChange(text);
    return text;
}

std::string NameSearch::NotFoundText() const {
    return "No place with a climate zone has been found for the name \"" + typed_ +
           "\". Type a locality as it is listed, or press Cancel to keep the site.";
}

void NameSearch::Initial() {
    display_.LatLabel.clear();
    display_.LongLabel.clear();
    display_.ClimLabels = {};
    display_.ClimNameLabel.clear();
    display_.PCLabel.clear();
    display_.ClFileRG = -1;
}

void NameSearch::Final(int postcode) {
    if (climate_.ZoneCount > 0 && found_) display_.ClimNameLabel = names_(found_->ClimateZone);
    display_.PCLabel = PostcodeText(postcode);
}

void NameSearch::LocationEditChange(std::string_view text) {
    startSearch();
    typed_ = std::string(text);
    Initial();
    display_.ListBox1.clear();
    display_.ListIndex = -1;
    postcodes_.clear();

    std::vector<int> found = FindPostcodesByName(model_.RootDir, text);
    if (!found.empty()) {
        int index = 0;
        if (FirstChange) {
            const auto same = std::find(found.begin(), found.end(), model_.Postcode);
            if (same != found.end()) index = static_cast<int>(same - found.begin());
        }
        postcodes_ = std::move(found);
        for (int postcode : postcodes_) display_.ListBox1.push_back(std::to_string(postcode));
        display_.ListIndex = index;
        if (RefreshValues(index)) selectZone();
        Final(postcodes_[static_cast<std::size_t>(index)]);
    }
    FirstChange = false;
}

void NameSearch::ListBox1Click(int index) {
    if (index < 0 || index >= static_cast<int>(postcodes_.size())) return;
    chosen_ = true;
    found_.reset();
    display_.LatLabel.clear();
    display_.LongLabel.clear();
    display_.ClimNameLabel.clear();
    display_.ListIndex = index;
    RefreshValues(index);
    chooseZone(0);
    Final(postcodes_[static_cast<std::size_t>(index)]);
}

bool NameSearch::RefreshValues(int index) {
    const int postcode = postcodes_[static_cast<std::size_t>(index)];
    if (!readClimate(postcode)) return false;
    showPosition();
    found_ = FoundSite{typed_, postcode, climate_.Longitude, climate_.Latitude, 0};
    return true;
}

} // namespace pelmora
