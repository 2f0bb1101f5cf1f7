#include "modeller/plan/plan_dialogs.h"

#include "modeller/model/level_defaults.h"

namespace pelmora {

namespace {

// The zone type "Living", which a new zone starts as, with the heating and cooling it takes.
constexpr std::int32_t kLiving = 0;
constexpr std::int32_t kLivingColour = 0x9D9DFF; // red 255, green and blue 157

} // namespace

bool ApplicationPlanDialogs::NewZoneForm() {
    const int z = selection_.CurrentZone;
    const TNewZoneOptions& options = model_.NewZoneOptions;
    TZoneRec& zone = model_.Zones(z);
    zone.Name = cutToLength("Zone " + std::to_string(z), kZoneNameLength);
    zone.ZoneType = kLiving;
    zone.Colour = kLivingColour;
    zone.Heated = true;
    zone.Cooled = true;
    zone.InsectScreens = options.DefInsectScreens;
    zone.DraughtSeals = options.DefDraughtSeals;
    zone.UnsealedChimney = options.DefUnsealedChimney;
    zone.GasHeaterVent = options.DefGasHeaterVent;
    zone.VentCount = options.DefVentCount;
    zone.ExhaustFanCount = options.DefExhaustFanCount;
    zone.DownlightCount = options.DefDownlightCount;
    zone.CeilingFanCount = options.DefCeilingFanCount;
    zone.FanDiameter = options.DefFanDiameter;
    zone.MechVentRate = options.DefMechVentRate;
    zone.MechVentOn = options.DefMechVentOn;
    model_.WorkZoneType = kLiving;
    return true;
}

std::int32_t ApplicationPlanDialogs::ZoneDetailForm() {
    return model_.Zones(selection_.CurrentZone).Colour;
}

void ApplicationPlanDialogs::StairForm() {
    selection_.InsertStairMode = false;
}

void ApplicationPlanDialogs::ExtWallForm() {}

void ApplicationPlanDialogs::IntWallForm() {
    if (!selection_.IntWallMode || !selection_.NewIntWall) return;
    const int z = selection_.CurrentZone;
    TIntWallRec& wall = model_.ZoneIntWalls(z, selection_.CurrentWall);
    TIntWallRec drawn = DefaultIntWall(model_, model_.Zones(z).Level);
    drawn.StartPoint = wall.StartPoint;
    drawn.EndPoint = wall.EndPoint;
    drawn.IntWallLength = wall.IntWallLength;
    wall = drawn;
    selection_.ElementDeleted = false;
}

void ApplicationPlanDialogs::DoorForm(const std::string&, bool inserting) {
    if (!inserting) return;
    const int z = selection_.CurrentZone;
    TDoorRec& door = model_.WallDoors(z, selection_.CurrentWall, selection_.CurrentDoor);
    TDoorRec placed = DefaultDoor(model_, model_.Zones(z).Level);
    placed.Position = door.Position;
    placed.Azimuth = door.Azimuth;
    placed.NodePoint = door.NodePoint;
    door = placed;
    selection_.ElementDeleted = false;
}

void ApplicationPlanDialogs::GlazingForm(bool inserting) {
    if (!inserting) return;
    const int z = selection_.CurrentZone;
    TWindowRec& window = model_.WallWindows(z, selection_.CurrentWall, selection_.CurrentWindow);
    TWindowRec placed = DefaultWindow(model_, model_.Zones(z).Level);
    placed.Position = window.Position;
    placed.Azimuth = window.Azimuth;
    placed.NodePoint = window.NodePoint;
    window = placed;
    selection_.ElementDeleted = false;
}

void ApplicationPlanDialogs::SkylightForm() {
    selection_.InsertSkylightMode = false;
}

} // namespace pelmora
