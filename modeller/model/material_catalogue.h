// The catalogue of material tables and the table components of the element editors.  Each editor's
// tables are grouped under the editor's name (`ExtWallForm.materialstable`); the editors, the engine
// input writer and the building details report all work on these same components, so a component's
// current record is shared by everything that reads it, as the editors expect.
#pragma once

#include "modeller/model/material_tables.h"

#include <string_view>

namespace pelmora {

// Table names of the catalogue.
namespace table_name {
inline constexpr std::string_view kWallmaterial = "Wallmaterial";
inline constexpr std::string_view kWallInsulation = "WallInsulation";
inline constexpr std::string_view kIntWallmaterial = "IntWallmaterial";
inline constexpr std::string_view kInWallInsulation = "InWallInsulation";
inline constexpr std::string_view kDoorMaterial = "DoorMaterial";
inline constexpr std::string_view kExtFloormaterial = "ExtFloormaterial";
inline constexpr std::string_view kExtFloorInsulation = "ExtFloorInsulation";
inline constexpr std::string_view kFloorCovering = "FloorCovering";
inline constexpr std::string_view kIntFloorMaterial = "IntFloorMaterial";
inline constexpr std::string_view kIntCeilInsulation = "IntCeilInsulation";
inline constexpr std::string_view kCeilingmaterial = "Ceilingmaterial";
inline constexpr std::string_view kCeilingInsulation = "CeilingInsulation";
inline constexpr std::string_view kRoofmaterial = "Roofmaterial";
inline constexpr std::string_view kRoofInsulation = "RoofInsulation";
inline constexpr std::string_view kWindowglass = "Windowglass";
inline constexpr std::string_view kWindowframe = "Windowframe";
inline constexpr std::string_view kWindowstyle = "Windowstyle";
inline constexpr std::string_view kWindowfurnishing = "Windowfurnishing";
inline constexpr std::string_view kWindowshading = "Windowshading";
inline constexpr std::string_view kSkylight = "Skylight";
inline constexpr std::string_view kSkyFrame = "SkyFrame";
} // namespace table_name

struct MaterialTables {
    explicit MaterialTables(MaterialDatabase& database);

    MaterialDatabase& Database1;

    struct ExtWallTables {
        MaterialTable materialstable, insulationtable;
    } ExtWallForm;
    struct IntWallTables {
        MaterialTable materialstable, insulationtable;
    } IntWallForm;
    struct DoorTables {
        MaterialTable DoorTable;
    } DoorForm;
    struct ExtFloorTables {
        MaterialTable materialstable, insulationtable, FloorCoverTable;
    } ExtFloorForm;
    struct FloorCoverTables {
        MaterialTable FloorCoverTable;
    } FloorCoverForm;
    struct IntCeilingTables {
        MaterialTable materialstable, insulationtable;
    } IntCeilingForm;
    struct CeilingTables {
        MaterialTable materialstable, insulationtable;
    } CeilingForm;
    struct RoofTables {
        MaterialTable materialstable, insulationtable;
    } RoofForm;
    struct GlazingTables {
        MaterialTable glasstable, frametable, styletable, furnishingstable, shadingtable;
    } GlazingForm;
    struct SkylightTables {
        MaterialTable materialstable, glasstable, frametable, styletable, furnishingstable, SkyFrameTable;
    } SkylightForm;
};

// Opens the tables the engine input writer and the building details report read, in their order
// (the glazing editor's glass and frame tables are read through the skylight editor's).  When one
// cannot be opened, the ones opened by this call are closed again and the error is raised.
void OpenMaterialTables(MaterialTables& tables);
// Closes the same tables.
void CloseMaterialTables(MaterialTables& tables);

} // namespace pelmora
