#include "forms_fixture.h"

#include "modeller/model/occupancy_gains.h"

namespace forms_test {

using namespace pelmora;

HouseTest::HouseTest() : root(dir.path().toStdString()) {
    std::filesystem::create_directories(root / "Data/Occupant");
    std::filesystem::create_directories(root / "schedule");
    std::filesystem::copy_file(std::filesystem::path(TEST_SOURCE_DIR) / "../occupancy_fixture.DAT",
                               occupancyFile());
    model->RootDir = root.string();
    model->ClimateFileName = "climat07.TXT";
    model->UseDefaultGains = model->UseDefaultSetpoints = true;
    living = addZone("Lounge", zone_type::kLiving, 40.0, 0x0000FF);
    kitchen = addZone("Kitchen", zone_type::kLivingKitchen, 20.0, 0x00FF00);
    bedroom = addZone("Bed 1", zone_type::kSleeping, 12.0, 0xFF0000);
    bathroom = addZone("Bath", zone_type::kWetArea, 8.0, 0x808080);
    garage = addZone("Garage", zone_type::kGarage, 36.0, 0x404040);
    study = addZone("Study", zone_type::kOtherDayTime, 10.0, 0x00FFFF);
}

int HouseTest::addZone(const char* name, int type, double area, std::int32_t colour) {
    const int z = ++model->ZoneCount;
    model->Zones(z).Name = name;
    model->Zones(z).ZoneType = type;
    model->Zones(z).FloorArea = area;
    model->Zones(z).Colour = colour;
    model->Zones(z).Level = 1;
    return z;
}

} // namespace forms_test
