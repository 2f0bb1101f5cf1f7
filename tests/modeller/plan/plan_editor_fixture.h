// The plan editor on a plan that is on no screen: a view that records what the editor reports and
// keeps the selection flags in step, and dialogs that answer as a test says.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/plan_dialogs.h"
#include "modeller/plan/plan_editor.h"
#include "modeller/platform/message_service.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace plan_test {

class RecordingPlan : public pelmora::PlanEditorView {
  public:
    RecordingPlan(pelmora::HouseModel& model, pelmora::PlanSelection& selection)
        : model_(model), selection_(selection) {}
    pelmora::PlanEditor* editor = nullptr;
    bool editMode = true;
    std::string status; // panel 0
    std::string picked; // panel 2
    int beeps = 0;
    // Answers the editor's questions from its script.
    platform::ScriptedMessageService messages;

    bool InEditMode() const override { return editMode; }
    void ShowPicked(const std::string& text) override { picked = text; }
    void ToolsChanged() override {}
    void DeselectAndDrawAllNodes(int) override { DeselectAll(); }
    void DrawBox(pelmora::TPlanPoint, std::int32_t) override {}
    void DrawRubberBand(pelmora::TPlanPoint, pelmora::TPlanPoint, int) override {}
    void DrawAllZoneNodes(int) override {}
    void DrawAllNodesOnLevel(int) override {}
    void DrawEavesNodes(int) override {}
    void DrawIntWallNodes(int, int) override {}
    void DrawWinNode(int, int, int) override {}
    void DrawDoorNode(int, int, int) override {}
    void DrawAllOnCurrentLevel() override {}
    void RestoreAll() override {}
    void DeselectAll() override;
    void Beep() override { ++beeps; }
    void ShowStatus(const std::string& text) override { status = text; }
    void NodeDestroyed(int zone, int node) override;
    void ZoneDiscarded(int zone) override;
    void ToggleLevelOutlines() override {}
    void ShowLevelOne() override {}
    bool Confirm(const std::string& question) override {
        return messages.confirm(QString::fromStdString(question), false) == platform::Answer::Yes;
    }
    void Inform(const std::string& text) override { messages.information(QString::fromStdString(text)); }

  private:
    pelmora::HouseModel& model_;
    pelmora::PlanSelection& selection_;
};

// Each dialog notes how it was opened (its name, "new" for an element being inserted) with the
// selection it saw, and answers: the new-zone dialog writes `newZone` into the slot it was given, an
// element editor runs `onEditor` (a Cancel sets ElementDeleted), the zone details dialog gives
// `detailColour`.
class ScriptedPlanDialogs : public pelmora::PlanDialogs {
  public:
    ScriptedPlanDialogs(pelmora::HouseModel& model, pelmora::PlanSelection& selection)
        : model_(model), selection_(selection) {}
    std::vector<std::string> opened;
    std::vector<pelmora::PlanSelection> seen;
    std::string doorCaption;
    bool acceptNewZone = true;
    pelmora::TZoneRec newZone;
    std::int32_t detailColour = 0x123456;
    bool cancel = false;

    bool NewZoneForm() override;
    std::int32_t ZoneDetailForm() override;
    void StairForm() override { note("StairForm"); }
    void ExtWallForm() override { note("ExtWallForm"); }
    void IntWallForm() override { editor("IntWallForm", selection_.NewIntWall); }
    void DoorForm(const std::string& caption, bool inserting) override {
        doorCaption = caption;
        editor("DoorForm", inserting);
    }
    void GlazingForm(bool inserting) override { editor("GlazingForm", inserting); }
    void SkylightForm() override { note("SkylightForm"); }

  private:
    void note(const std::string& name);
    void editor(const std::string& name, bool inserting);
    pelmora::HouseModel& model_;
    pelmora::PlanSelection& selection_;
};

// A model at magnification 2 (40 px a metre) with the factory defaults on level 1 and a 250 mm snap
// (10 px), the editor in edit mode with the scripted dialogs.
class PlanEditorTest : public ::testing::Test {
  protected:
    PlanEditorTest();
    // Moves the pointer to p and clicks there.
    void click(pelmora::TPlanPoint p, pelmora::MouseButton button = pelmora::MouseButton::Left,
               pelmora::ShiftState shift = {});
    // "Draw New Zone", the outline's points in order and a click back on the first point; returns
    // the new zone's number.
    int drawZone(std::initializer_list<pelmora::TPlanPoint> points);
    // A rectangle from (x, y), w by h pixels, clockwise on the screen, added to the model directly.
    int addRectangle(int x, int y, int w, int h);
    // A window or door of `width` metres `position` metres along wall `wall` of the zone.
    void addWindow(int zone, int wall, double position, double width = 1.0);
    void addDoor(int zone, int wall, double position);

    std::unique_ptr<pelmora::HouseModel> house = std::make_unique<pelmora::HouseModel>();
    pelmora::HouseModel& model = *house;
    std::unique_ptr<pelmora::PlanSelection> selectionFlags = std::make_unique<pelmora::PlanSelection>();
    pelmora::PlanSelection& selection = *selectionFlags;
    pelmora::PlanScale scale;
    RecordingPlan view{model, selection};
    ScriptedPlanDialogs dialogs{model, selection};
    pelmora::PlanEditor editor{model, selection, scale, view};
};

} // namespace plan_test
