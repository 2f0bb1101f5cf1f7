// A program folder and a model for the element editors' tests: the shipped material tables copied
// into a temporary folder (rows may be changed there by SQL), a model with the factory level defaults
// on one level at magnification 1, the plan selection, the editors' shared context and scripted
// services.  `AddBoxZone` draws a rectangular zone and computes its walls as the plan does.
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "modeller/platform/services.h"
#include "tests/modeller/model/model_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace editor_test {

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A zone of `width` x `depth` metres with its top-left corner at (x, y) metres, clockwise on the
    // plan (wall 0 along the top, 1 down the right side, 2 along the bottom, 3 up the left side), its
    // construction from the level defaults and its walls computed.  Returns its number.
    int AddBoxZone(double width, double depth, double x = 0.0, double y = 0.0,
                   std::int32_t colour = 0xC08040);
    // The same outline drawn anticlockwise (wall 0 down the left side).
    int AddAnticlockwiseBoxZone(double width, double depth, double x = 0.0, double y = 0.0);
    // Recomputes the walls of level 1 (after zones were added).
    void ComputeWalls();
    // Adds a window or door to a wall at `position` m from its start; returns its number.
    int AddWindow(int zone, int wall, double position, double width, double height, double headHeight);
    int AddDoor(int zone, int wall, double position, double width, double height, int material = 1);
    // Runs SQL on the copied material database.
    void Sql(const std::string& sql) const;
    // The house file's lines as the house file writer would write the model now.
    std::vector<std::string> HouseFileLines() const;
    // The numbers (from 0) of the lines in which two house file texts differ.
    static std::vector<std::size_t> ChangedLines(const std::vector<std::string>& before,
                                                 const std::vector<std::string>& after);

    pelmora::HouseModel& model() { return *model_; }
    pelmora::PlanSelection& selection() { return *selection_; }
    pelmora::EditorContext& context() { return *context_; }

    std::unique_ptr<model_test::TempFolder> folder_;
    std::filesystem::path root_;
    std::unique_ptr<pelmora::HouseModel> model_;
    std::unique_ptr<pelmora::MaterialDatabase> database_;
    std::unique_ptr<pelmora::MaterialTables> tables_;
    std::unique_ptr<pelmora::PlanSelection> selection_;
    pelmora::EditorBuffers buffers_;
    platform::ScriptedMessageService messages_;
    platform::ScriptedFileDialogService files_;
    platform::ScriptedHelpService help_;
    platform::PdfPrintService printing_{"/dev/null"};
    platform::Services services_{messages_, files_, help_, printing_};
    std::unique_ptr<pelmora::EditorContext> context_;
    bool insertDoor_ = false; // the main window's "New Door" as the editors see it
    int statusClears_ = 0;    // how often an editor emptied the status bar
};

} // namespace editor_test
