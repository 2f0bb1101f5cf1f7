// A program folder of a test's own that holds the built program folder's programs and data as links:
// its own Data folder (each entry in it a link) and none of the run's result files or folders, and no
// rating history.  A run in it writes nothing into the built program folder.  A test that changes a
// data file replaces its link by a file of its own (std::filesystem::remove of a link leaves what it
// points at).
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace test_support {

inline void mirrorProgramFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
    namespace fs = std::filesystem;
    const std::set<std::string> results = {"SCRATCH",    "energy.txt", "output.txt",
                                           "natrep.dt2", "tape52",     "airflow.txt"};
    fs::create_directories(to / "Data");
    fs::create_directories(to / "temperature");
    for (const auto& entry : fs::directory_iterator(from)) {
        const std::string name = entry.path().filename().string();
        if (results.contains(name) || name == "temperature" || name == "Data") continue;
        fs::create_directory_symlink(entry.path(), to / name);
    }
    for (const auto& entry : fs::directory_iterator(from / "Data")) {
        if (entry.path().filename() == "PASTRATE.TXT") continue;
        fs::create_symlink(entry.path(), to / "Data" / entry.path().filename());
    }
}

} // namespace test_support
