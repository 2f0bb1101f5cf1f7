// A working directory for one engine run in a test: the card file, the material file, the glazing
// libraries and the climate file written by the test, and the engine's console captured.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/fixed_width.h"
#include "engine/core/state.h"

namespace engine::testing {

// One card built from a format and its values, e.g. card("(A2,I3,3X,3F6.1)", {" 1", 3LL, -34.5, ...}).
std::string card(std::string_view format, std::vector<fw::Value> values);

struct Material {
    int code;
    std::string name;
    float p1, p2, p3;
    char flag;
};

struct WindowSystem {
    std::string code;
    int n = 1;
    std::string description;
    std::array<float, 6> first{};
    std::vector<float> glayb, glayc;
    std::array<float, 10> gangle{};
    std::vector<std::array<float, 10>> layers;
};

struct SkylightSystem {
    std::string code;
    std::string description;
    float u = 0.0f;
    std::array<float, 10> tau{};
    float p1 = 0.0f, p2 = 0.0f;
};

// The materials of the standard material file of the tests.
std::vector<Material> standardMaterials();

void writeMaterialFile(const std::filesystem::path& file, const std::vector<Material>& materials);
void writeWindowLibrary(const std::filesystem::path& file, const std::vector<WindowSystem>& systems);
void writeSkylightLibrary(const std::filesystem::path& file, const std::vector<SkylightSystem>& systems);

// A climate record line with its values written with their decimal points.
std::string climateLine(int month, int day, int hour, double tair, double moisture = 8.0, double wind = 3.0,
                        int direction = 4, int cloud = 5, double diffuse = 0.0, double direct = 0.0);

// A climate year in calendar order, 365 days (366 with 29 February when `leap`): `line` gives the
// record of each hour.
std::vector<std::string> climateYear(const std::function<std::string(int month, int day, int hour)>& line,
                                     bool leap = false);

// The materials, libraries and climate year that the card files of the tests name.
class EngineRun : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path file(std::string_view name) const { return dir_ / name; }
    void writeText(std::string_view name, const std::vector<std::string>& lines) const;
    // The whole text of a file of the working directory, CR LF read as LF; empty when it is missing.
    std::string fileText(std::string_view name) const;
    void writeScratch(const std::vector<std::string>& cards) const { writeText("SCRATCH", cards); }
    // Writes the standard material file, libraries and a climate year (dry bulb of hour h of every
    // day: 10 + h / 2 °C, so the mean is 15.75 °C).
    void writeStandardData() const;

    // The project cards that name the standard files, then `rest`, then the end card.
    std::vector<std::string> projectCards() const;

    int run();
    std::string console() const { return console_.str(); }
    EngineState& state() { return *state_; }

    std::filesystem::path dir_;
    std::ostringstream console_;
    std::unique_ptr<EngineState> state_;
};

// A data type 3 card of zone z with card number c and six-column real fields (two decimals).
std::string zoneCardLine(int z, int c, const std::vector<double>& fields);
// A zone card (c = 0).
std::string zoneDefinition(int z, std::string_view name, double volume, std::string_view type, double a = 0.0,
                           const std::vector<double>& tail = {1.0, 0.0, 0.0, 0.0}, int outputFlag = 0);

} // namespace engine::testing
