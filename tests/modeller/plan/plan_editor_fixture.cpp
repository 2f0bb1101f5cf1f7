#include "plan_editor_fixture.h"

#include "modeller/model/level_defaults.h"
#include "plan_fixture.h"

namespace plan_test {

using namespace pelmora;

void RecordingPlan::DeselectAll() {
    pelmora::DeselectAll(model_, selection_);
}

void RecordingPlan::NodeDestroyed(int zone, int node) {
    MoveSelectionOfLaterNodes(model_, selection_, zone, node);
}

void RecordingPlan::ZoneDiscarded(int zone) {
    if (editor) editor->ZoneDiscarded(zone);
    MoveSelectionOfLaterZones(model_, selection_, zone);
}

void ScriptedPlanDialogs::note(const std::string& name) {
    opened.push_back(name);
    seen.push_back(selection_);
}

bool ScriptedPlanDialogs::NewZoneForm() {
    note("NewZoneForm");
    if (!acceptNewZone) return false;
    TZoneRec& slot = model_.Zones(selection_.CurrentZone);
    slot.Name = newZone.Name;
    slot.ZoneType = newZone.ZoneType;
    slot.Colour = newZone.Colour;
    slot.Heated = newZone.Heated;
    slot.Cooled = newZone.Cooled;
    slot.InsectScreens = newZone.InsectScreens;
    return true;
}

std::int32_t ScriptedPlanDialogs::ZoneDetailForm() {
    note("ZoneDetailForm");
    return detailColour;
}

void ScriptedPlanDialogs::editor(const std::string& name, bool inserting) {
    note(inserting ? name + " new" : name);
    selection_.ElementDeleted = cancel;
}

PlanEditorTest::PlanEditorTest() {
    model.Magnification = 2.0;
    model.LevelCount = 1;
    model.CurrentLevel = 1;
    for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(model, level);
    scale.SnapStep = 10;
    view.editor = &editor;
    editor.Dialogs = &dialogs;
    dialogs.newZone.Name = "Living 1";
    dialogs.newZone.Colour = 0x0000FF;
    dialogs.newZone.Heated = dialogs.newZone.Cooled = true;
}

void PlanEditorTest::click(TPlanPoint p, MouseButton button, ShiftState shift) {
    editor.MouseMove(p);
    editor.MouseDown(p, button, shift);
}

int PlanEditorTest::drawZone(std::initializer_list<TPlanPoint> points) {
    editor.Press(PlanTool::DrawNewZone);
    for (const TPlanPoint p : points) click(p);
    click(*points.begin());
    return model.ZoneCount;
}

int PlanEditorTest::addRectangle(int x, int y, int w, int h) {
    const int z = plan_test::addRectangle(model, 1, x, y, w, h, 0xFFFFFF);
    model.Zones(z).Name = "Zone " + std::to_string(z);
    return z;
}

void PlanEditorTest::addWindow(int zone, int wall, double position, double width) {
    const int k = model.AddWindow(zone, wall).index;
    model.WallWindows(zone, wall, k) = TWindowRec{};
    model.WallWindows(zone, wall, k).Position = position;
    model.WallWindows(zone, wall, k).Width = width;
}

void PlanEditorTest::addDoor(int zone, int wall, double position) {
    const int k = model.AddDoor(zone, wall).index;
    model.WallDoors(zone, wall, k) = TDoorRec{};
    model.WallDoors(zone, wall, k).Position = position;
    model.WallDoors(zone, wall, k).Width = 0.8;
}

} // namespace plan_test
