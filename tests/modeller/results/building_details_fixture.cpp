#include "building_details_fixture.h"

namespace details_test {

using pelmora::HouseModel;
using pelmora::TPlanPoint;

namespace {

// Every table the report opens, with two or three rows of plain names.  Material tables carry "UF"
// (a suspended floor), insulation tables "ShowR" (added R applies).
constexpr const char* kTablesSql = R"sql(
CREATE TABLE Wallmaterial ("Material Number" INTEGER, "Material Description" TEXT, "UF" INTEGER);
INSERT INTO Wallmaterial VALUES (1, 'Brick veneer', 0), (2, 'Weatherboard', 0);
CREATE TABLE WallInsulation ("Material Number" INTEGER, "Insulation Description" TEXT, "ShowR" INTEGER);
INSERT INTO WallInsulation VALUES (1, 'None', 0), (2, 'Wall batts', 1);
CREATE TABLE IntWallmaterial ("Material Number" INTEGER, "Material Description" TEXT, "UF" INTEGER);
INSERT INTO IntWallmaterial VALUES (1, 'Stud plaster', 0), (2, 'Brick', 0);
CREATE TABLE InWallInsulation ("Material Number" INTEGER, "Insulation Description" TEXT, "ShowR" INTEGER);
INSERT INTO InWallInsulation VALUES (1, 'None', 0), (2, 'Acoustic batts', 1);
CREATE TABLE DoorMaterial ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO DoorMaterial VALUES (1, 'Hollow core'), (2, 'Solid timber');
CREATE TABLE ExtFloormaterial ("Material Number" INTEGER, "Material Description" TEXT, "UF" INTEGER);
INSERT INTO ExtFloormaterial VALUES (1, 'Concrete slab', 0), (2, 'Suspended timber', 1),
  (3, 'Suspended particleboard', 1), (4, 'Suspended concrete', 1);
CREATE TABLE ExtFloorInsulation ("Material Number" INTEGER, "Insulation Description" TEXT, "ShowR" INTEGER);
INSERT INTO ExtFloorInsulation VALUES (1, 'No insulation', 0), (2, 'Foil batts', 1);
CREATE TABLE FloorCovering ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO FloorCovering VALUES (1, 'Tiles'), (2, 'Carpet');
CREATE TABLE IntFloorMaterial ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO IntFloorMaterial VALUES (1, 'Timber joists'), (2, 'Concrete floor');
CREATE TABLE IntCeilInsulation ("Material Number" INTEGER, "Insulation Description" TEXT, "ShowR" INTEGER);
INSERT INTO IntCeilInsulation VALUES (1, 'None', 0), (2, 'Floor batts', 1);
CREATE TABLE Ceilingmaterial ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Ceilingmaterial VALUES (1, 'Plasterboard'), (2, 'Timber boards');
CREATE TABLE CeilingInsulation ("Material Number" INTEGER, "Insulation Description" TEXT, "ShowR" INTEGER);
INSERT INTO CeilingInsulation VALUES (1, 'None', 0), (2, 'Ceiling batts', 1);
CREATE TABLE Roofmaterial ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Roofmaterial VALUES (1, 'Metal deck'), (2, 'Concrete tiles');
CREATE TABLE RoofInsulation ("Material Number" INTEGER, "Insulation Description" TEXT, "ShowR" INTEGER);
INSERT INTO RoofInsulation VALUES (1, 'Sarking', 0), (2, 'Roof blanket', 1);
CREATE TABLE Windowglass ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Windowglass VALUES (1, 'Clear 3 mm'), (2, 'Double clear');
CREATE TABLE Windowframe ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Windowframe VALUES (1, 'Aluminium'), (2, 'Timber');
CREATE TABLE Windowstyle ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Windowstyle VALUES (1, 'Awning'), (2, 'Sliding');
CREATE TABLE Windowfurnishing ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Windowfurnishing VALUES (1, 'Holland blind'), (2, 'Heavy drapes');
CREATE TABLE Windowshading ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Windowshading VALUES (1, 'No shading'), (2, 'External blind');
CREATE TABLE Skylight ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO Skylight VALUES (1, 'Dome acrylic'), (2, 'Flat glass');
CREATE TABLE SkyFrame ("Material Number" INTEGER, "Material Description" TEXT);
INSERT INTO SkyFrame VALUES (1, 'Timber shaft frame'), (2, 'Metal frame');
)sql";

constexpr int kPixelsPerMetre = 20; // at magnification 1

// A rectangle of `width` x `depth` m with its top left corner at (x, y) m, drawn clockwise on the
// screen: wall 0 along the top, 1 down the right side, 2 along the bottom, 3 up the left side.
int addRectangle(HouseModel& model, int level, double x, double y, double width, double depth) {
    const int z = model.AddZone().index;
    model.Zones(z) = {};
    model.Zones(z).Level = level;
    const auto px = [](double metres) { return static_cast<std::int32_t>(metres * kPixelsPerMetre); };
    const TPlanPoint corners[4] = {
        {px(x), px(y)}, {px(x + width), px(y)}, {px(x + width), px(y + depth)}, {px(x), px(y + depth)}};
    for (int n = 0; n < 4; ++n) {
        model.ZoneNodes(z, n) = corners[n];
        model.Walls(z, n) = {};
        model.Walls(z, n).Start = corners[n];
    }
    model.Zones(z).NodeCount = 4;
    model.Zones(z).FloorArea = width * depth; // m2; a zone without area is removed by the pass
    return z;
}

} // namespace

void DetailsHouse::SetUp() {
    std::filesystem::create_directories(folder.path() / "Data");
    std::filesystem::create_directories(folder.path() / "OUTPUT");
    Sql(kTablesSql);
    database.SetAlias(pelmora::MaterialDatabase::kAlias, folder.path() / "Data");
    tables = std::make_unique<pelmora::MaterialTables>(database);

    model.RootDir = folder.path().string();
    model.ProjectName = "Test";
    model.RunNumber = 4;
    model.LocationName = "Sydney";
    model.Postcode = 2000;
    model.Latitude = -33.87;
    model.Longitude = 151.21;
    model.ClimateFileName = "climat17.TXT";
    model.ClimateZone = 17;
    model.Magnification = 1.0;
    model.LevelCount = 2;
    model.CurrentLevel = 1;

    const int living = addRectangle(model, 1, 5.0, 5.0, 4.0, 5.0);
    const int bedroom = addRectangle(model, 1, 9.0, 5.0, 3.0, 5.0);
    const int upstairs = addRectangle(model, 2, 5.0, 5.0, 4.0, 5.0);
    ASSERT_EQ(living, kLiving);
    ASSERT_EQ(bedroom, kBedroom);
    ASSERT_EQ(upstairs, kUpstairs);

    model.Zones(kLiving).Name = "Living";
    model.Zones(kLiving).ZoneType = 0;
    model.Zones(kLiving).Heated = model.Zones(kLiving).Cooled = true;
    model.Zones(kBedroom).Name = "Bed 1";
    model.Zones(kBedroom).ZoneType = 2;
    model.Zones(kBedroom).Heated = true; // heated only: unconditioned for the report
    model.Zones(kBedroom).CeilingFanCount = 2;
    model.Zones(kBedroom).FanDiameter = 1200.0;
    model.Zones(kBedroom).InsectScreens = true;
    model.Zones(kBedroom).VentCount = 1;
    model.Zones(kUpstairs).Name = "Upstairs";
    model.Zones(kUpstairs).ZoneType = 7;
    model.Zones(kUpstairs).Heated = model.Zones(kUpstairs).Cooled = true;

    for (int z : {kLiving, kBedroom}) {
        for (int w = 0; w < 4; ++w) {
            pelmora::TWallRec& wall = model.Walls(z, w);
            wall.ExtMaterial = 1;   // Brick veneer
            wall.ExtInsulation = 2; // Wall batts
            wall.ExtAddedR = 2.0;
            wall.PartMaterial = 1;   // Stud plaster
            wall.PartInsulation = 1; // None
            wall.ExtHeight = 2.4;
            wall.PartHeight = 2.4;
        }
    }
    for (int w = 0; w < 4; ++w) {
        pelmora::TWallRec& wall = model.Walls(kUpstairs, w);
        wall.ExtMaterial = 2;   // Weatherboard
        wall.ExtInsulation = 1; // None
        wall.ExtHeight = 2.7;
        wall.PartHeight = 2.7;
    }
    // The bedroom's east wall stands against the neighbour's house.
    model.Walls(kBedroom, 1).Beyond = 2;

    // Floors: the living zone on a slab, the bedroom on a closed-in timber floor, the upstairs
    // zone's own external floor record (wholly over the living zone) with tiles.
    model.ZoneExtFloors(kLiving) = {.Material = 1, .Insulation = 1, .FloorCovering = 2};
    model.ZoneExtFloors(kBedroom) = {.Material = 2,
                                     .Insulation = 2,
                                     .FloorVentilation = 2,
                                     .FloorCovering = 1,
                                     .AddedR = 1.5,
                                     .UnderFloorHeight = 600.0};
    model.ZoneExtFloors(kUpstairs) = {.Material = 1, .Insulation = 1, .FloorCovering = 1};
    model.ZoneIntCeilings(kLiving) = {.Material = 1, .Insulation = 1};
    model.ZoneFloorCovers(kUpstairs) = {.FloorCovering = 2};
    model.ZoneCeilings(kBedroom).Material = 1;
    model.ZoneCeilings(kBedroom).Insulation = 2;
    model.ZoneCeilings(kBedroom).AddedR = 3.5;
    model.ZoneCeilings(kUpstairs).Material = 2;
    model.ZoneCeilings(kUpstairs).Insulation = 1;
    model.ZoneCeilings(kUpstairs).RoofSpace = 1;
    model.ZoneRoofs(kBedroom) = {.Material = 1, .Insulation = 1, .RoofShape = 1, .Slope = 25.0};
    model.ZoneRoofs(kUpstairs) = {
        .Material = 2, .Insulation = 2, .RoofShape = 3, .AddedR = 1.3, .Slope = 30.0};

    // A skylight of 600 mm x 900 mm in the bedroom, facing plan orientation 2 (east).
    const int s = model.AddSkylight(kBedroom).index;
    model.ZoneSkylights(kBedroom, s) = {};
    model.ZoneSkylights(kBedroom, s).SkyProduct = 1;
    model.ZoneSkylights(kBedroom, s).SkyFrame = 1;
    model.ZoneSkylights(kBedroom, s).Orientation = 2;
    model.ZoneSkylights(kBedroom, s).Width = 600.0;
    model.ZoneSkylights(kBedroom, s).Height = 900.0;
    model.ZoneSkylights(kBedroom, s).Slope = 20.0;
    model.ZoneSkylights(kBedroom, s).ProductCode = "SKY-01";

    // The window product library: one product, then a second entry with the same code.
    model.WindowProducts(1).ProductCode = "KLW-06-101a";
    model.WindowProducts(1).Manufacturer = "Kelwood Joinery";
    model.WindowProducts(1).Brand = "Clear single";       // the glass
    model.WindowProducts(1).ProductName = "Timber frame"; // the frame
    model.WindowProducts(1).GlassU = 3.0;
    model.WindowProducts(1).FrameU = 6.0;
    model.WindowProducts(1).GlassSHGC = 0.7;
    model.WindowProducts(1).GlassFraction = 0.8;
    model.WindowProducts(2) = model.WindowProducts(1);
    model.WindowProducts(2).Manufacturer = "Later duplicate";
    model.WindowProducts(2).GlassU = 1.0;

    // Windows: 2.0 x 1.5 m in the living zone's north wall and 1.0 x 1.2 m in the bedroom's south
    // wall, both of the product; 1.0 x 1.0 m upstairs with a generic code outside the library.
    AddWindow(kLiving, 0, 2.0, 1.5, "KLW-06-101a");
    AddWindow(kBedroom, 2, 1.0, 1.2, "KLW-06-101a");
    AddWindow(kUpstairs, 0, 1.0, 1.0, "GGG-05-001a");

    // A door of 0.82 x 2.04 m in the partition from the living zone to the bedroom, and one to
    // the outside in the bedroom's east wall.
    const auto addDoor = [&](int zone, int wall, double position, int material) {
        const int k = model.AddDoor(zone, wall).index;
        pelmora::TDoorRec& door = model.WallDoors(zone, wall, k);
        door = {};
        door.Position = position;
        door.Width = 0.82;
        door.Height = 2.04;
        door.ElementArea = 0.82 * 2.04;
        door.Material = material;
        door.NodePoint = model.ZoneNodes(zone, wall);
        door.NodePoint.Y += static_cast<std::int32_t>(position * kPixelsPerMetre);
    };
    addDoor(kLiving, 1, 2.5, 1);
    addDoor(kBedroom, 1, 2.5, 2);
}

void DetailsHouse::Sql(const std::string& sql) const {
    model_test::runSql(folder.path() / "Data" / "tables.db", sql);
}

int DetailsHouse::AddWindow(int zone, int wall, double width, double height, const std::string& code) {
    const int k = model.AddWindow(zone, wall).index;
    pelmora::TWindowRec& window = model.WallWindows(zone, wall, k);
    window = {};
    window.Position = 1.0;
    window.Width = width;
    window.Height = height;
    window.ElementArea = width * height;
    window.HeadHeight = 2.1;
    window.ProductCode = code;
    window.Style = 1;
    window.Furnishing = 1;
    window.Shading = 1;
    window.NodePoint = model.ZoneNodes(zone, wall);
    return k;
}

} // namespace details_test
