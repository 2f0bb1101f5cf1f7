// Small houses for the plan geometry tests, a plan view that records what it was asked, and scripted
// answers to the stairwell question.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_view.h"
#include "modeller/model/presimulation_pass.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace geometry_test {

// An empty house with `levels` levels, level 1 current, at the magnification.
std::unique_ptr<pelmora::HouseModel> emptyHouse(double magnification = 1.0, int levels = 1);

// Adds a zone on `level` with the outline `nodes` (px), walls starting at its nodes, the same
// constructions on every wall and its stored floor area set from the outline.  Returns its number.
int addZone(pelmora::HouseModel& model, int level, std::initializer_list<pelmora::TPlanPoint> nodes);
// A rectangle from (x0, y0) to (x1, y1), drawn clockwise on the screen from its top left corner.
int addRectangle(pelmora::HouseModel& model, int level, int x0, int y0, int x1, int y1);

// Adds a window or door at `node` on wall `wall` of the zone, `position` m from the wall's start.
int addWindow(pelmora::HouseModel& model, int zone, int wall, double position, pelmora::TPlanPoint node);
int addDoor(pelmora::HouseModel& model, int zone, int wall, double position, pelmora::TPlanPoint node);

class RecordingView : public pelmora::PlanView {
  public:
    void DrawAllOnCurrentLevel() override { ++draws; }
    void RestoreAll() override { ++restores; }
    void DeselectAll() override { ++deselects; }
    void Beep() override { ++beeps; }
    void ShowStatus(const std::string& text) override { statusTexts.push_back(text); }
    void NodeDestroyed(int zone, int node) override { destroyedNodes.emplace_back(zone, node); }
    void ZoneDiscarded(int zone) override { discardedZones.push_back(zone); }
    void ToggleLevelOutlines() override { ++outlineToggles; }
    void ShowLevelOne() override { ++levelOneShown; }

    int draws = 0, restores = 0, deselects = 0, beeps = 0, outlineToggles = 0, levelOneShown = 0;
    std::vector<std::string> statusTexts;
    std::vector<std::pair<int, int>> destroyedNodes; // (zone, node)
    std::vector<int> discardedZones;
};

// Answers the stairwell question from a script (true for Yes) and keeps the questions asked and the
// reports of deleted windows.
class ScriptedAnswers : public pelmora::StairwellQuestion {
  public:
    explicit ScriptedAnswers(std::vector<bool> script = {}) : script_(std::move(script)) {}
    bool ConfirmStairwellDeletion(const std::string& text) override {
        asked.push_back(text);
        return asked.size() <= script_.size() && script_[asked.size() - 1];
    }
    void ReportDeletedWindows(const std::string& text) override { reports.push_back(text); }
    std::vector<std::string> asked;
    std::vector<std::string> reports;

  private:
    std::vector<bool> script_;
};

} // namespace geometry_test
