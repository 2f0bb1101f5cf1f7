#include "modeller/model/house_model.h"

namespace pelmora {

HouseModel::HouseModel() {
    Zones.allocate(1, kMaxZones);
    ZoneNodes.allocate(1, kMaxZones, 0, kMaxWallIndex);
    Walls.allocate(1, kMaxZones, 0, kMaxWallIndex);
    WallWindows.allocate(1, kMaxZones, 0, kMaxWallIndex, 1, kMaxWindowsPerWall);
    WallDoors.allocate(1, kMaxZones, 0, kMaxWallIndex, 1, kMaxDoorsPerWall);
    InterzoneDoors.allocate(1, kMaxZones, 0, kMaxWallIndex, 1, kMaxInterzoneDoorsPerWall);
    ZoneIntWalls.allocate(1, kMaxZones, 1, kMaxIntWalls);
    ZoneSkylights.allocate(1, kMaxZones, 1, kMaxSkylights);
    StairsDown.allocate(1, kMaxZones, 1, kMaxStairsDown);
    StairsUp.allocate(1, kMaxZones, 1, kMaxStairsUp);
    ZoneRoofs.allocate(1, kMaxZones);
    ZoneCeilings.allocate(1, kMaxZones);
    ZoneExtFloors.allocate(1, kMaxZones);
    ZoneIntCeilings.allocate(1, kMaxZones);
    ZoneFloorCovers.allocate(1, kMaxZones);
    CommonFloorArea.allocate(0, kMaxZones, 0, kMaxZones, 0.0);
    VoidArea.allocate(1, kMaxZones, 1, kMaxZones, 0.0);
    FloorSpaceGroups.allocate(1, kMaxSpaceGroups);
    RoofSpaceGroups.allocate(1, kMaxSpaceGroups);
    WindowProducts.allocate(1, kMaxWindowProducts);
    SkylightProducts.allocate(1, kMaxSkylightProducts);
}

namespace {

// Raises `count` by one when it is below `capacity`; the new entry's index is count + offset.
AddResult raise(std::int32_t& count, int capacity, std::string_view message, int offset = 0) {
    if (count >= capacity) return AddResult{false, 0, message};
    ++count;
    return AddResult{true, count + offset, {}};
}

} // namespace

AddResult HouseModel::AddZone() {
    return raise(ZoneCount, kMaxZones, limit_text::kZones);
}

AddResult HouseModel::AddLevel() {
    return raise(LevelCount, kMaxLevels, limit_text::kLevels);
}

AddResult HouseModel::AddNode(int zone) {
    return raise(Zones(zone).NodeCount, kMaxNodes, limit_text::kNodes, -1);
}

AddResult HouseModel::AddEavesPoint(int level) {
    return raise(Eaves(level).Count, kMaxEavesPoints, limit_text::kEavesPoints, -1);
}

AddResult HouseModel::AddWindow(int zone, int wall) {
    return raise(Walls(zone, wall).WindowCount, kMaxWindowsPerWall, limit_text::kWindows);
}

AddResult HouseModel::AddDoor(int zone, int wall) {
    return raise(Walls(zone, wall).DoorCount, kMaxDoorsPerWall, limit_text::kDoors);
}

AddResult HouseModel::AddInterzoneDoor(int zone, int wall) {
    return raise(Walls(zone, wall).InterzoneDoorCount, kMaxInterzoneDoorsPerWall,
                 limit_text::kInterzoneDoors);
}

AddResult HouseModel::AddIntWall(int zone) {
    return raise(Zones(zone).IntWallCount, kMaxIntWalls, limit_text::kIntWalls);
}

AddResult HouseModel::AddSkylight(int zone) {
    return raise(Zones(zone).SkylightCount, kMaxSkylights, limit_text::kSkylights);
}

AddResult HouseModel::AddStairDown(int zone) {
    return raise(Zones(zone).StairDownCount, kMaxStairsDown, limit_text::kStairsDown);
}

AddResult HouseModel::AddStairUp(int zone) {
    return raise(Zones(zone).StairUpCount, kMaxStairsUp, limit_text::kStairsUp);
}

AddResult HouseModel::AddFloorSpaceGroup() {
    return raise(FloorSpaceGroupCount, kMaxSpaceGroups, limit_text::kFloorSpaceGroups);
}

AddResult HouseModel::AddRoofSpaceGroup() {
    return raise(RoofSpaceGroupCount, kMaxSpaceGroups, limit_text::kRoofSpaceGroups);
}

std::string cutToLength(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, std::min(text.size(), length)));
}

} // namespace pelmora
