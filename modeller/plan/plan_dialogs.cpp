#include "modeller/plan/plan_dialogs.h"

#include "modeller/editors/door_form.h"
#include "modeller/editors/ext_wall_form.h"
#include "modeller/editors/glazing_form.h"
#include "modeller/editors/int_wall_form.h"
#include "modeller/editors/skylight_form.h"
#include "modeller/model/level_defaults.h"
#include "modeller/plan/new_zone_form.h"
#include "modeller/plan/stair_form.h"
#include "modeller/plan/zone_detail_form.h"

#include <array>

namespace pelmora {

namespace {

// The zone type "Living", which a new zone starts as, heated and cooled.
constexpr std::int32_t kLiving = 0;
// Light colours (0x00BBGGRR) that new zones take in turn, so that neighbours stand apart on the plan.
constexpr std::array<std::int32_t, 6> kZoneColours = {0x9D9DFF, 0xFFA4A4, 0xFBDB7B,
                                                      0x6AFFFF, 0x9FFF77, 0x7979FF};

// A window or door just placed takes `defaults`, keeping its place on the wall.
template <class Opening> void keepPlace(Opening& placed, Opening defaults) {
    defaults.Position = placed.Position;
    defaults.Azimuth = placed.Azimuth;
    defaults.NodePoint = placed.NodePoint;
    placed = defaults;
}

} // namespace

bool ApplicationPlanDialogs::NewZoneForm() {
    if (NewZone) return NewZone->ShowModal();
    const int z = selection_.CurrentZone;
    const TNewZoneOptions& options = model_.NewZoneOptions;
    TZoneRec& zone = model_.Zones(z);
    zone.Name = cutToLength("Zone " + std::to_string(z), kZoneNameLength);
    zone.ZoneType = kLiving;
    zone.Colour = kZoneColours[static_cast<std::size_t>(z - 1) % kZoneColours.size()];
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
    if (ZoneDetail) {
        ZoneDetail->ShowModal();
        return ZoneDetail->ZoneDetailColour;
    }
    return model_.Zones(selection_.CurrentZone).Colour;
}

void ApplicationPlanDialogs::StairForm() {
    if (Stair) {
        Stair->ShowModal();
        return;
    }
    selection_.InsertStairMode = false;
}

void ApplicationPlanDialogs::ExtWallForm() {
    if (ExtWall) ExtWall->ShowModal();
}

void ApplicationPlanDialogs::IntWallForm() {
    if (IntWall) {
        IntWall->ShowModal();
        return;
    }
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

void ApplicationPlanDialogs::DoorForm(const std::string& caption, bool inserting) {
    if (Door) {
        Door->editor().Caption = caption;
        Door->ShowModal();
        return;
    }
    if (!inserting) return;
    const int z = selection_.CurrentZone;
    keepPlace(model_.WallDoors(z, selection_.CurrentWall, selection_.CurrentDoor),
              DefaultDoor(model_, model_.Zones(z).Level));
    selection_.ElementDeleted = false;
}

void ApplicationPlanDialogs::GlazingForm(bool inserting) {
    if (Glazing) {
        Glazing->ShowModal();
        return;
    }
    if (!inserting) return;
    const int z = selection_.CurrentZone;
    keepPlace(model_.WallWindows(z, selection_.CurrentWall, selection_.CurrentWindow),
              DefaultWindow(model_, model_.Zones(z).Level));
    selection_.ElementDeleted = false;
}

void ApplicationPlanDialogs::SkylightForm() {
    // The editor adds the skylight itself as it opens (or refuses it at the limit); a skylight
    // library it cannot read keeps it from opening, and nothing is added.
    if (Skylight) Skylight->ShowModal();
    selection_.InsertSkylightMode = false;
}

} // namespace pelmora
