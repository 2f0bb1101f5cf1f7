// The sample card file read with the shipped material file, glazing libraries and climate file of the
// program folder, once the build has laid them out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/file_lookup.h"
#include "common/text_values.h"
#include "engine/core/input_reader.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"
#include "tests/support/temporary_folder.h"

namespace engine {
namespace {

TEST(SampleHouse, ReadsWithTheShippedData) {
    const std::filesystem::path folder = PROGRAM_FOLDER;
    for (const char* name : {"matdata.bin", "Data/Climate/climat21.TXT", "Data/WindowData/VORTwindows.VWG"})
        if (!common::findCaseInsensitive(folder, name))
            GTEST_SKIP() << name << " is not in the program folder yet";
    const test_support::TemporaryFolder work("engine_input_sample_house");
    const std::filesystem::path& dir = work.path();
    std::filesystem::copy_file(*common::findCaseInsensitive(folder, "matdata.bin"), dir / "matdata.bin");
    // The sample card file names the program folder's temperature folder for the hourly temperature
    // file; the run writes it into the test's own folder instead, leaving the program folder as built.
    std::string card;
    for (const std::string& line : common::readTextLines(folder.parent_path() / "sample" / "SCRATCH")) {
        card += line.starts_with(" 1  9 ") ? " 1  9   " + (dir / "Sample1.TEM").string() : line;
        card += "\r\n";
    }
    common::writeFileAtomically(dir / "SCRATCH", card);

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
}

} // namespace
} // namespace engine
