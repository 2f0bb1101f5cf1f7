// A program folder for the card writer's tests: the shipped material tables, BESTFIT.DAT and product
// libraries copied into a short temporary folder, a model with the factory level defaults, and a
// writer state over them.  `AddBoxZone` draws a rectangular zone with its walls' values filled as the
// plan geometry would fill them.
#pragma once

#include <gtest/gtest.h>

#include "modeller/engine_input/scratch_writer.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace writer_test {

class WriterTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A rectangular zone of `width` x `depth` metres (whole multiples of 0.05 m) with its top-left
    // corner at plan point (x, y) metres, on `level`, built from the level's defaults; its walls run
    // clockwise on the plan from the top-left corner: wall 0 faces the top of the plan (plan azimuth
    // 0), wall 1 the right (90), wall 2 the bottom (180), wall 3 the left (270).
    int AddBoxZone(double width, double depth, double x = 0.0, double y = 0.0, int level = 1);
    // Adds a window with the factory defaults to the wall and returns its number.
    int AddWindow(int zone, int wall, double position, double width = 1.2, double height = 1.2);
    // Runs SQL on the copied material database (rows appended take the next record numbers).
    void Sql(const std::string& sql) const;
    // The record number the next row appended to `table` will get.
    int NextRecord(const std::string& table) const;

    // Copies a shipped file of the program folder into the test's folder.
    void CopyFromProgramFolder(const std::string& relative) const;
    // Names the project and places the house in Adelaide (postcode 5000, climate 16), copying that
    // climate's occupancy file, whose gains the zone cards take.
    void SiteInAdelaide(const std::string& project, int run);

    // Opens the tables for a test that positions and builds without WriteScratchFile.
    void OpenTables();

    std::filesystem::path root_;
    std::unique_ptr<pelmora::HouseModel> model_;
    std::unique_ptr<pelmora::MaterialDatabase> database_;
    std::unique_ptr<pelmora::MaterialTables> tables_;
    pelmora::EditorBuffers buffers_;
    std::unique_ptr<pelmora::Scratch> scratch_;
    bool tablesOpen_ = false;
};

// The lines of a file, CR LF removed; fails the test when a line does not end in CR LF.
std::vector<std::string> ReadCardLines(const std::filesystem::path& file);

// The message of the ScratchError that `action` raises, or "no error".
template <class Action> std::string ScratchErrorOf(Action&& action) {
    try {
        action();
    } catch (const pelmora::ScratchError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace writer_test
