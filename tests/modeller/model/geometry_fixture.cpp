#include "geometry_fixture.h"

#include "modeller/model/plan_geometry.h"

namespace geometry_test {

using pelmora::HouseModel;
using pelmora::TPlanPoint;

std::unique_ptr<HouseModel> emptyHouse(double magnification, int levels) {
    auto model = std::make_unique<HouseModel>();
    model->Magnification = magnification;
    model->LevelCount = levels;
    model->CurrentLevel = 1;
    return model;
}

int addZone(HouseModel& model, int level, std::initializer_list<TPlanPoint> nodes) {
    const int z = model.AddZone().index;
    model.Zones(z) = {};
    model.Zones(z).Level = level;
    model.Zones(z).Name = "Zone " + std::to_string(z);
    int n = 0;
    for (const TPlanPoint p : nodes) {
        model.ZoneNodes(z, n) = p;
        model.Walls(z, n) = {};
        model.Walls(z, n).Start = p;
        model.Walls(z, n).ExtMaterial = 3;
        model.Walls(z, n).PartMaterial = 2;
        model.Walls(z, n).ExtHeight = 2.4;
        model.Walls(z, n).PartHeight = 2.4;
        model.Walls(z, n).ExtThickness = 110.0;
        ++n;
    }
    model.Zones(z).NodeCount = n;
    model.Zones(z).FloorArea = pelmora::Area(model, z);
    return z;
}

int addRectangle(HouseModel& model, int level, int x0, int y0, int x1, int y1) {
    return addZone(model, level, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

int addWindow(HouseModel& model, int zone, int wall, double position, TPlanPoint node) {
    const int k = model.AddWindow(zone, wall).index;
    model.WallWindows(zone, wall, k) = {};
    model.WallWindows(zone, wall, k).Position = position;
    model.WallWindows(zone, wall, k).Width = 1.0;
    model.WallWindows(zone, wall, k).Height = 1.2;
    model.WallWindows(zone, wall, k).NodePoint = node;
    return k;
}

int addDoor(HouseModel& model, int zone, int wall, double position, TPlanPoint node) {
    const int k = model.AddDoor(zone, wall).index;
    model.WallDoors(zone, wall, k) = {};
    model.WallDoors(zone, wall, k).Position = position;
    model.WallDoors(zone, wall, k).Width = 0.82;
    model.WallDoors(zone, wall, k).Height = 2.04;
    model.WallDoors(zone, wall, k).ElementArea = 0.82 * 2.04;
    model.WallDoors(zone, wall, k).NodePoint = node;
    model.WallDoors(zone, wall, k).Material = 4;
    return k;
}

} // namespace geometry_test
