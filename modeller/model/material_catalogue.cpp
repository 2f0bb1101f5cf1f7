#include "modeller/model/material_catalogue.h"

#include <array>
#include <string>
#include <vector>

namespace pelmora {

namespace tn = table_name;

MaterialTables::MaterialTables(MaterialDatabase& database)
    : Database1(database), ExtWallForm{{database, std::string(tn::kWallmaterial)},
                                       {database, std::string(tn::kWallInsulation)}},
      IntWallForm{{database, std::string(tn::kIntWallmaterial)},
                  {database, std::string(tn::kInWallInsulation)}},
      DoorForm{{database, std::string(tn::kDoorMaterial)}},
      ExtFloorForm{{database, std::string(tn::kExtFloormaterial)},
                   {database, std::string(tn::kExtFloorInsulation)},
                   {database, std::string(tn::kFloorCovering)}},
      FloorCoverForm{{database, std::string(tn::kFloorCovering)}},
      IntCeilingForm{{database, std::string(tn::kIntFloorMaterial)},
                     {database, std::string(tn::kIntCeilInsulation)}},
      CeilingForm{{database, std::string(tn::kCeilingmaterial)},
                  {database, std::string(tn::kCeilingInsulation)}},
      RoofForm{{database, std::string(tn::kRoofmaterial)}, {database, std::string(tn::kRoofInsulation)}},
      GlazingForm{{database, std::string(tn::kWindowglass)},
                  {database, std::string(tn::kWindowframe)},
                  {database, std::string(tn::kWindowstyle)},
                  {database, std::string(tn::kWindowfurnishing)},
                  {database, std::string(tn::kWindowshading)}},
      SkylightForm{{database, std::string(tn::kSkylight)},         {database, std::string(tn::kWindowglass)},
                   {database, std::string(tn::kWindowframe)},      {database, std::string(tn::kWindowstyle)},
                   {database, std::string(tn::kWindowfurnishing)}, {database, std::string(tn::kSkyFrame)}} {}

namespace {

// The writer's open order; the door table comes twice, and opening an open table does nothing.
std::array<MaterialTable*, 25> openOrder(MaterialTables& t) {
    return {&t.ExtWallForm.materialstable,    &t.ExtWallForm.insulationtable,
            &t.IntWallForm.materialstable,    &t.IntWallForm.insulationtable,
            &t.GlazingForm.furnishingstable,  &t.GlazingForm.shadingtable,
            &t.GlazingForm.styletable,        &t.SkylightForm.furnishingstable,
            &t.SkylightForm.materialstable,   &t.SkylightForm.SkyFrameTable,
            &t.SkylightForm.glasstable,       &t.SkylightForm.frametable,
            &t.SkylightForm.styletable,       &t.DoorForm.DoorTable,
            &t.ExtFloorForm.materialstable,   &t.ExtFloorForm.FloorCoverTable,
            &t.ExtFloorForm.insulationtable,  &t.DoorForm.DoorTable,
            &t.RoofForm.materialstable,       &t.RoofForm.insulationtable,
            &t.CeilingForm.materialstable,    &t.CeilingForm.insulationtable,
            &t.IntCeilingForm.materialstable, &t.IntCeilingForm.insulationtable,
            &t.FloorCoverForm.FloorCoverTable};
}

} // namespace

void OpenMaterialTables(MaterialTables& tables) {
    std::vector<MaterialTable*> opened;
    try {
        for (MaterialTable* table : openOrder(tables)) {
            if (table->Active()) continue;
            table->Open();
            opened.push_back(table);
        }
    } catch (...) {
        for (MaterialTable* table : opened) table->Close();
        throw;
    }
}

void CloseMaterialTables(MaterialTables& tables) {
    for (MaterialTable* table : openOrder(tables)) table->Close();
}

} // namespace pelmora
