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

void SiteSearch::selectZone() {
    int item = 0;
    if (FirstChange && model_.ClimateZone != 0)
        for (int i = 0; i < climate_.ZoneCount; ++i)
            if (climate_.Zones[static_cast<std::size_t>(i)] == model_.ClimateZone) item = i;
    ClFileRGClick(item);
}

void SiteSearch::ClFileRGClick(int item) {
    switch (climate_.ZoneCount) {
    case 0:
        // Nothing to choose: the model keeps its climate zone.
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
    SetClimateZone(model_, climate_.Zones[static_cast<std::size_t>(item)]);
    display_.ClimNameLabel = names_(model_.ClimateZone);
}

// ---- By postcode ---------------------------------------------------------------------------------

std::string PostcodeSearch::FormShow() {
    readZoneNames();
    FirstChange = true;
    const std::string text = PostcodeText(model_.Postcode);
    PCEditChange(text);
    // Showing the dialog made the first change, even when there was no postcode to search for.
    FirstChange = false;
    return text;
}

void PostcodeSearch::PCEditChange(std::string_view text) {
    display_.LatLabel.clear();
    display_.LongLabel.clear();
    display_.ClimLabels = {};
    display_.ClimNameLabel.clear();
    display_.ClFileRG = -1;
    if (!FirstChange) display_.SiteShown = false;
    display_.ListBox1.clear();
    display_.ListIndex = -1;
    display_.ClimLabels[0] = kNoClimateZone;
    climate_ = PostcodeClimate{};

    // Text that is not a postcode (an empty box included) leaves the model's postcode as it was.
    const auto typed = common::parseInteger(text);
    if (!typed || *typed < 0 || *typed > std::numeric_limits<std::int32_t>::max()) return;
    const int postcode = static_cast<int>(*typed);
    std::vector<std::string> localities = ReadPostcodeLocalities(model_.RootDir, postcode);
    const bool zones = readClimate(postcode);
    model_.Postcode = postcode;
    if (!zones) {
        FirstChange = false;
        ClFileRGClick(0);
        return;
    }

    showPosition();
    display_.ListBox1 = std::move(localities);
    if (!display_.ListBox1.empty()) {
        display_.ListIndex = 0;
        if (FirstChange) {
            const auto same =
                std::find(display_.ListBox1.begin(), display_.ListBox1.end(), model_.LocationName);
            if (same != display_.ListBox1.end())
                display_.ListIndex = static_cast<int>(same - display_.ListBox1.begin());
        } else {
            model_.LocationName = display_.ListBox1.front();
        }
    }
    selectZone();
    model_.Longitude = climate_.Longitude;
    model_.Latitude = climate_.Latitude;
    display_.SiteShown = true;
    FirstChange = false;
}

void PostcodeSearch::ListBox1Click(int index) {
    if (index < 0 || index >= static_cast<int>(display_.ListBox1.size())) return;
    display_.ListIndex = index;
    model_.LocationName = display_.ListBox1[static_cast<std::size_t>(index)];
    model_.Latitude = climate_.Latitude;
    model_.Longitude = climate_.Longitude;
    SetClimateZone(model_, model_.ClimateZone);
    display_.SiteShown = true;
}

// ---- By locality name ----------------------------------------------------------------------------

std::string NameSearch::FormShow() {
    readZoneNames();
    FirstChange = true;
    const std::string text = model_.LocationName;
    LocationEditChange(text);
    return text;
}

void NameSearch::Initial() {
    display_.LatLabel.clear();
    display_.LongLabel.clear();
    display_.ClimLabels = {};
    display_.ClimNameLabel.clear();
    display_.PCLabel.clear();
    display_.ClFileRG = -1;
    display_.SiteShown = false;
}

void NameSearch::Final() {
    if (climate_.ZoneCount > 0) display_.ClimNameLabel = names_(model_.ClimateZone);
    display_.PCLabel = PostcodeText(model_.Postcode);
    display_.SiteShown = true;
}

void NameSearch::LocationEditChange(std::string_view text) {
    Initial();
    display_.ListBox1.clear();
    display_.ListIndex = -1;
    postcodes_.clear();
    climate_ = PostcodeClimate{};
    model_.LocationName = std::string(text);

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
        const int before = model_.Postcode;
        model_.Postcode = postcodes_[static_cast<std::size_t>(index)];
        try {
            if (RefreshValues()) selectZone();
        } catch (...) {
            model_.Postcode = before; // the climate table could not be read: the site stays
            throw;
        }
        Final();
    }
    FirstChange = false;
}

void NameSearch::ListBox1Click(int index) {
    if (index < 0 || index >= static_cast<int>(postcodes_.size())) return;
    const int before = model_.Postcode;
    model_.Postcode = postcodes_[static_cast<std::size_t>(index)];
    display_.LatLabel.clear();
    display_.LongLabel.clear();
    display_.ClimNameLabel.clear();
    try {
        RefreshValues();
    } catch (...) {
        model_.Postcode = before;
        throw;
    }
    display_.ListIndex = index;
    ClFileRGClick(0);
    Final();
}

bool NameSearch::RefreshValues() {
    if (!readClimate(model_.Postcode)) return false;
    showPosition();
    model_.Longitude = climate_.Longitude;
    model_.Latitude = climate_.Latitude;
    return true;
}

} // namespace pelmora
