#include "modeller/model/usage_buttons.h"

#include <array>

namespace pelmora {
namespace {

// A button that shows its own caption.
constexpr TUsageButton Own(std::string_view caption) {
    return {caption, caption};
}

constexpr std::array kAppliances = {
    Own("Dishwasher"),
    Own("Food Processor"),
    Own("Juicer"),
    Own("Other Appliance"),
    TUsageButton{"Air Movement", "Other Appliance"},
    TUsageButton{"Clothes Washer", "Other Appliance"},
    TUsageButton{"Clothes Dryer", "Other Appliance"},
    TUsageButton{"Iron", "Other Appliance"},
    TUsageButton{"Vacuum", "Other Appliance"},
    TUsageButton{"Jug", ""},
};
constexpr std::array kRefrigeration = {Own("Refrigerator"), Own("Freezer"), Own("Water cooler"),
                                       Own("Other Refrig")};
constexpr std::array kCooking = {
    Own("Oven"),        Own("Microwave"),     Own("Cooktop"),
    Own("Toaster"),     Own("Bread Maker"),   Own("Griller"),
    Own("Rice Cooker"), Own("Other Cooking"), TUsageButton{"Fry Pan", "Other Cooking"},
};
constexpr std::array kLighting = {Own("Incandescent"), Own("Fluorescent"), Own("Halogen"),
                                  Own("Other Lighting")};
constexpr std::array kEntertainment = {
    Own("TV"),  Own("DVD"),         Own("Stereo"),       Own("Home Theatre"),    Own("Speakers"),
    Own("VCR"), Own("HD Recorder"), Own("Stereo Comps"), Own("Digital Top Box"), Own("Other Entertain"),
};
constexpr std::array kOffice = {Own("Computer"), Own("Monitor"), Own("Printer"),       Own("Photocopier"),
                                Own("Modem"),    Own("Fax"),     Own("Multifunction"), Own("Other Office")};

constexpr std::array kApplianceUsagePages = {
    TUsagePage{"Appliances", kAppliances},
    TUsagePage{"Refrigeration", kRefrigeration},
    TUsagePage{"Cooking", kCooking},
    TUsagePage{"Lighting", kLighting},
    TUsagePage{"Entertainment", kEntertainment},
    TUsagePage{"Office", kOffice},
};

constexpr std::array kHotWater = {Own("Electric"),  Own("Solar"), Own("Gas"),
                                  Own("Heat pump"), Own("Wood"),  Own("Other")};
constexpr std::array kPumps = {Own("Pressure"),    Own("Bore Well River"), Own("Grey Water"),
                               Own("Cultivation"), Own("Pool Pump"),       Own("Other")};
constexpr std::array kOutdoorEntertainment = {
    Own("Audiovisual"), Own("Spa"),      Own("Electric BBQ"),
    Own("Lights"),      Own("Security"), TUsageButton{"Other", "Security"},
};
constexpr std::array kTools = {
    Own("Workshop"), Own("Blower"), Own("Trimmer"),
    Own("Chainsaw"), Own("Other"),  TUsageButton{"Creepy Crawler", "Vehicle"},
};
constexpr std::array kPetrolDiesel = {
    Own("Generator"), Own("Water Pump"), Own("Grass Cutting"),
    Own("Other"),     Own("Vehicle"),    TUsageButton{"Chainsaw", "Other"},
};
constexpr std::array kGas = {
    TUsageButton{"Gas BBQ", "Generator"},
    TUsageButton{"Other", "Other"},
    TUsageButton{"Vehicle", "Other"},
};

constexpr std::array kNonZonalEnergyPages = {
    TUsagePage{"Hot Water", kHotWater},
    TUsagePage{"Pumps", kPumps},
    TUsagePage{"Entertainment", kOutdoorEntertainment},
    TUsagePage{"Tools", kTools},
    TUsagePage{"Petrol/Diesel", kPetrolDiesel},
    TUsagePage{"Gas", kGas},
};

constexpr std::array<std::string_view, 11> kWaterUsage = {
    "Hand Basin",   "Toilet", "Bath",           "Shower", "Dishwasher",     "Bidet",
    "Kitchen Sink", "Other",  "Water Fountain", "Spa",    "Washing Machine"};
constexpr std::array<std::string_view, 7> kNonZonalWaterUsage = {
    "Garden", "Swimming Pool", "Pond", "Car Cleaning", "Fountain", "Outdoor Spa", "Other"};
constexpr std::array<std::string_view, 6> kWaterSources = {
    "Well/Bore Water", "Town Water", "Rain Water", "River Water", "Recycled Gray Water", "Other Source"};
constexpr std::array<std::string_view, 10> kEnergySources = {
    "Grid Connected Power",   "Generator",       "PV Power",   "Wind Turbine",        "Water Turbine",
    "Other Renewable Energy", "Reticulated Gas", "Bottle Gas", "On Site Methane Gas", "On Site Producer Gas"};

} // namespace

std::span<const TUsagePage> ApplianceUsagePages() {
    return kApplianceUsagePages;
}
std::span<const TUsagePage> NonZonalEnergyPages() {
    return kNonZonalEnergyPages;
}
std::span<const std::string_view> WaterUsageButtons() {
    return kWaterUsage;
}
std::span<const std::string_view> NonZonalWaterUsageButtons() {
    return kNonZonalWaterUsage;
}
std::span<const std::string_view> WaterSourceButtons() {
    return kWaterSources;
}
std::span<const std::string_view> EnergySourceButtons() {
    return kEnergySources;
}

} // namespace pelmora
