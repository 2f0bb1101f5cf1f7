// The sample card file read with the shipped material file, glazing libraries and climate file of the
// program folder, once the build has laid them out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/file_lookup.h"
#include "engine/core/input_reader.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"

namespace engine {
namespace {

TEST(SampleHouse, ReadsWithTheShippedData) {
    const std::filesystem::path folder = PROGRAM_FOLDER;
    for (const char* name : {"matdata.bin", "Data/Climate/climat21.TXT", "Data/WindowData/VORTwindows.VWG"})
        if (!common::findCaseInsensitive(folder, name))
            GTEST_SKIP() << name << " is not in the program folder yet";
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "engine_input_sample_house";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(*common::findCaseInsensitive(folder, "matdata.bin"), dir / "matdata.bin");
    std::filesystem::copy_file(folder.parent_path() / "sample" / "SCRATCH", dir / "SCRATCH");

    auto state = std::make_unique<EngineState>();
    std::ostringstream console;
    state->workdir = dir;
    state->console = &console;
    EXPECT_EQ(runEngine(*state), 0) << console.str();
    const EngineState& s = *state;
    EXPECT_EQ(s.zones.nzones, 3);
    EXPECT_EQ(s.sysa.ncond, 2);
    // A single clear pane in an aluminium frame: U of the window between 5 and 8 W/m²K, and a glazing
    // pseudo-layer of positive resistance.
    EXPECT_EQ(s.wind41.nglay(1), 1);
    EXPECT_GT(s.wind41.uwin(1), 5.0);
    EXPECT_LT(s.wind41.uwin(1), 8.0);
    EXPECT_GT(s.bss.thklay(1, 1), 0.0);
    // A climate year of 8760 or 8784 hours with a mean dry bulb of a temperate place.
    EXPECT_GT(s.reader.tmean, 5.0);
    EXPECT_LT(s.reader.tmean, 25.0);
    EXPECT_NEAR(s.zn.tstart, 0.7 * s.reader.tmean + 7.2, 1e-9);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace engine
