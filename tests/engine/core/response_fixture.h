// A small building for the harmonic and response-factor phases: materials and building sections set
// straight into the engine's blocks, the section part of the work file written by the section
// properties, and zone path records written by the test, in a working directory of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/state.h"

namespace engine::testing {

// Materials of the fixture: property 1 in kJ/m3K, properties 2 and 3 in m K/W.
enum FixtureMaterial {
    kBrick = 1,        // 1360 kJ/m3K, conductivity 0.77 W/mK
    kGlasswool = 2,    // 10.08 kJ/m3K, 0.04 W/mK
    kPlasterboard = 3, // 959.2 kJ/m3K, 0.17 W/mK
    kConcrete = 4,     // 2112 kJ/m3K, 1.44 W/mK
    kTimber = 5,       // 840 kJ/m3K, 0.14 W/mK
    kEarth = 902
};
inline constexpr double kInsideFilm = 0.12;  // m2K/W
inline constexpr double kOutsideFilm = 0.04; // m2K/W, sections 1..40
inline constexpr double kFloorFilm = 0.20;   // m2K/W, sections 41..50

using Entries = std::vector<std::pair<int, double>>; // (path code, value)

class ResponseRun : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void setMaterial(int m, double p1, double p2, double p3, bool scales);
    // Defines section s with layers (material, thickness in mm), outside first.
    void define(int s, const std::vector<std::pair<int, double>>& layers);
    // Writes the section part of the work file for the defined sections.
    void writeSections();
    // Writes one zone path record of zone z (its entries then the end entry).
    void pathRecord(int z, const std::string& name, int row, const Entries& entries);
    // Writes the closing record and reads the section part back (calgrc); returns its flag.
    int conduction(int zones);
    // Then the zone responses (harmnc); returns its flag.
    int zoneResponse();
    // The whole road: conduction, zone response, work file removed, response factors.
    void respond(int zones);
    std::string report();

    std::filesystem::path dir;
    std::unique_ptr<EngineState> state = std::make_unique<EngineState>();
};

} // namespace engine::testing
