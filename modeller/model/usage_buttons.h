// The buttons of the water and energy usage dialogs, as data.  These dialogs only lay out a
// household's water and energy use: nothing they show is computed or stored.  A button of the two
// energy dialogs shows a caption in its dialog's profile panel (its own, or another button's where
// several share one action); the water and source buttons have no action.
#pragma once

#include <span>
#include <string_view>

namespace pelmora {

struct TUsageButton {
    std::string_view Caption;
    std::string_view Shows; // the caption the profile panel shows; empty: the button has no action
};

struct TUsagePage {
    std::string_view Caption;
    std::span<const TUsageButton> Buttons;
};

// The pages of the zone's appliance dialog ("Energy Consumption").
std::span<const TUsagePage> ApplianceUsagePages();
// The pages of the non-zonal energy dialog ("Extra Zonal Energy Consumption").
std::span<const TUsagePage> NonZonalEnergyPages();

// Buttons without an action, top to bottom.
std::span<const std::string_view> WaterUsageButtons();         // a zone's water use
std::span<const std::string_view> NonZonalWaterUsageButtons(); // water used outside the zones
std::span<const std::string_view> WaterSourceButtons();
std::span<const std::string_view> EnergySourceButtons();

} // namespace pelmora
