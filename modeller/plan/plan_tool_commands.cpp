// The main window's plan tools: the tool buttons and the plan's mouse clicks go to the plan editor,
// and the editor's drawing requests to the plan's drawing.
#include "modeller/plan/main_form.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QPen>

namespace pelmora {

namespace {

MouseButton mouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Middle;
    }
}

ShiftState shiftState(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::AltModifier)};
}

constexpr PlanTool kTools[] = {PlanTool::InsertDoor,  PlanTool::InsertInternalWall, PlanTool::InsertWindow,
                               PlanTool::DeleteEaves, PlanTool::InsertSkylight,     PlanTool::StairWell,
                               PlanTool::DrawNewZone, PlanTool::DrawEaves,          PlanTool::PlusNode};

} // namespace

platform::SpeedButton* TMainForm::toolButton(PlanTool tool) const {
    switch (tool) {
    case PlanTool::InsertDoor:
        return SBInsertDoor;
    case PlanTool::InsertInternalWall:
        return SBInsertInternalWall;
    case PlanTool::InsertWindow:
        return SBInsertWindow;
    case PlanTool::DeleteEaves:
        return SBdeleteEaves;
    case PlanTool::InsertSkylight:
        return SBInsertSkylight;
    case PlanTool::StairWell:
        return StairWellSB;
    case PlanTool::DrawNewZone:
        return SBDrawNewZone;
    case PlanTool::DrawEaves:
        return SBDrawEaves;
    case PlanTool::PlusNode:
        return SBPlusNode;
    }
    return nullptr;
}

void TMainForm::connectPlanTools() {
    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(SBDrawNewZone, [this] { SBDrawNewZoneClick(); });
    on(SBDrawEaves, [this] { SBDrawEavesClick(); });
    on(SBdeleteEaves, [this] { SBdeleteEavesClick(); });
    on(SBInsertInternalWall, [this] { SBInsertInternalWallClick(); });
    on(SBInsertWindow, [this] { SBInsertWindowClick(); });
    on(SBInsertDoor, [this] { SBInsertDoorClick(); });
    on(SBInsertSkylight, [this] { SBInsertSkylightClick(); });
    on(StairWellSB, [this] { StairWellSBClick(); });
    on(SBPlusNode, [this] { SBPlusNodeClick(); });
    on(SBDelete, [this] { SBDeleteClick(); });
    on(SBDelZone, [this] { SBDelZoneClick(); });
    on(MoveFree, [this] { MoveFreeClick(); });
    on(Move090, [this] { Move090Click(); });
    on(ReleaseSB, [this] { ReleaseSBClick(); });
    auto* movement = new platform::SpeedButtonGroup(false, this);
    movement->add(MoveFree);
    movement->add(Move090);
    MoveFree->setDown(true);
    connect(PaintBox1, &PaintBox::mousePressed, this,
            [this](QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                platform::guarded(services_.messages, [&] { PaintBox1MouseDown(p, button, modifiers); })();
            });
}

// ---- Tool buttons ------------------------------------------------------------------------------

void TMainForm::SBDrawNewZoneClick() {
    planEditor_->Press(PlanTool::DrawNewZone);
}

void TMainForm::SBDrawEavesClick() {
    planEditor_->Press(PlanTool::DrawEaves);
}

void TMainForm::SBdeleteEavesClick() {
    planEditor_->Press(PlanTool::DeleteEaves);
}

void TMainForm::SBInsertInternalWallClick() {
    planEditor_->Press(PlanTool::InsertInternalWall);
}

void TMainForm::SBInsertWindowClick() {
    planEditor_->Press(PlanTool::InsertWindow);
}

void TMainForm::SBInsertDoorClick() {
    planEditor_->Press(PlanTool::InsertDoor);
}

void TMainForm::SBInsertSkylightClick() {
    planEditor_->Press(PlanTool::InsertSkylight);
}

void TMainForm::StairWellSBClick() {
    planEditor_->Press(PlanTool::StairWell);
}

void TMainForm::SBPlusNodeClick() {
    planEditor_->Press(PlanTool::PlusNode);
}

void TMainForm::SBDeleteClick() {
    planEditor_->SBDeleteClick();
}

void TMainForm::SBDelZoneClick() {
    planEditor_->SBDelZoneClick();
}

void TMainForm::MoveFreeClick() {
    planEditor_->MoveFreeClick();
}

void TMainForm::Move090Click() {
    planEditor_->Move090Click();
}

void TMainForm::ReleaseSBClick() {
    planEditor_->ReleaseSBClick();
}

void TMainForm::PaintBox1MouseDown(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    planEditor_->MouseDown({position.x(), position.y()}, mouseButton(button), shiftState(modifiers));
    PaintBox1->update();
}

// ---- The plan as the plan editor sees it -------------------------------------------------------

bool TMainForm::Confirm(const std::string& question) {
    return services_.messages.confirm(QString::fromStdString(question), false) == platform::Answer::Yes;
}

void TMainForm::Inform(const std::string& text) {
    services_.messages.information(QString::fromStdString(text));
}

void TMainForm::ShowPicked(const std::string& text) {
    StatusBar1->setPanelText(2, QString::fromStdString(text));
}

void TMainForm::ToolsChanged() {
    for (const PlanTool tool : kTools) toolButton(tool)->setDown(planEditor_->IsDown(tool));
}

void TMainForm::DrawBox(TPlanPoint p, std::int32_t colour) {
    drawing_.DrawBox(p, colour);
    PaintBox1->update();
}

void TMainForm::DrawRubberBand(TPlanPoint a, TPlanPoint b, int width) {
    drawing_.DrawLine(a, b, QPen(modelColour(plan_colour::kBlack), width));
    PaintBox1->update();
}

void TMainForm::DrawAllZoneNodes(int zone) {
    drawing_.DrawAllZoneNodes(zone);
    PaintBox1->update();
}

void TMainForm::DrawAllNodesOnLevel(int level) {
    drawing_.DrawAllNodesOnLevel(level);
    PaintBox1->update();
}

void TMainForm::DrawEavesNodes(int level) {
    drawing_.DrawEavesNodes(level);
    PaintBox1->update();
}

void TMainForm::DrawIntWallNodes(int zone, int n) {
    drawing_.DrawIntWallNodes(zone, n);
    PaintBox1->update();
}

void TMainForm::DrawWinNode(int zone, int wall, int k) {
    drawing_.DrawWinNode(zone, wall, k);
    PaintBox1->update();
}

void TMainForm::DrawDoorNode(int zone, int wall, int k) {
    drawing_.DrawDoorNode(zone, wall, k);
    PaintBox1->update();
}

} // namespace pelmora
