// A two-level house for the building details report: on level 1 a living zone (4 m x 5 m) wholly
// covered by the upstairs zone above it, and a bedroom (3 m x 5 m) beside it under the roof, the two
// sharing a partition wall with a door; on level 2 the upstairs zone over the living zone.  Its
// material tables are small tables of our own with names easy to follow, in a temporary program
// folder.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/plan_view.h"
#include "modeller/model/presimulation_pass.h"
#include "results_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace details_test {

// A plan that draws nothing.
class QuietPlan : public pelmora::PlanView {
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

// Answers the pass's stairwell question with No and keeps its reports of deleted windows.
class NoToStairwells : public pelmora::StairwellQuestion {
  public:
    bool ConfirmStairwellDeletion(const std::string&) override { return false; }
    void ReportDeletedWindows(const std::string& text) override { windowReports.push_back(text); }
    std::vector<std::string> windowReports;
};

class DetailsHouse : public ::testing::Test {
  protected:
    void SetUp() override;

    // Runs SQL on the house's material database.
    void Sql(const std::string& sql) const;
    // Adds a window to an external wall; returns its number.
    int AddWindow(int zone, int wall, double width, double height, const std::string& code);
    // The zone numbers.
    static constexpr int kLiving = 1, kBedroom = 2, kUpstairs = 3;

    results_test::TempFolder folder;
    pelmora::HouseModel model;
    pelmora::MaterialDatabase database;
    std::unique_ptr<pelmora::MaterialTables> tables;
    QuietPlan plan;
    NoToStairwells question;
};

} // namespace details_test
