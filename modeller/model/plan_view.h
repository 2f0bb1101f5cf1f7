// What the plan computations ask of the plan on the screen: redraws, the status bar, the selection
// flags that must move with the nodes and zones they belong to, and the level buttons.  The main
// window implements it; tests and callers without a window use SilentPlanView.
#pragma once

#include <string>

namespace pelmora {

class PlanView {
  public:
    virtual ~PlanView() = default;

    // Draws the internal walls, windows, doors and outlines of the current level (its eaves and nodes
    // as the window shows them) in the plan's inverting mode, so that a second call removes them.
    virtual void DrawAllOnCurrentLevel() = 0;
    // Repaints the plan of the current level from the model.
    virtual void RestoreAll() = 0;
    // Clears the selection flags of every node, window, door, internal-wall end and eaves node.
    virtual void DeselectAll() = 0;
    virtual void Beep() = 0;
    // Shows a one-line text in panel 0 of the status bar.
    virtual void ShowStatus(const std::string& text) = 0;

    // Called before node `node` of `zone` is removed: the selection flags of the later nodes of the
    // zone move down one place with their nodes.
    virtual void NodeDestroyed(int zone, int node) = 0;
    // Called before zone `zone` is removed (the model's ZoneCount is still the old count): the
    // selection flags of every later zone move down one number with their zones.
    virtual void ZoneDiscarded(int zone) = 0;

    // Runs the handler of the level-below and of the level-above outline button for each of them that
    // is down.  Each handler draws its outline in the inverting mode, so the first call hides the
    // outlines and a second one shows them again.
    virtual void ToggleLevelOutlines() = 0;
    // Shows level 1 as the current level after the levels changed: its level button down, its
    // background picture when the background is visible, the level 1 button's click, and the buttons
    // of the levels 1..LevelCount.
    virtual void ShowLevelOne() = 0;
};

// A plan that is not on any screen: every request is ignored.
class SilentPlanView : public PlanView {
  public:
    void DrawAllOnCurrentLevel() override {}
    void RestoreAll() override {}
    void DeselectAll() override {}
    void Beep() override {}
    void ShowStatus(const std::string&) override {}
    void NodeDestroyed(int, int) override {}
    void ZoneDiscarded(int) override {}
    void ToggleLevelOutlines() override {}
    void ShowLevelOne() override {}
};

} // namespace pelmora
