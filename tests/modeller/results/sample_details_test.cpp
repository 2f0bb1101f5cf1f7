// The building details report of the shipped two-storey sample, built from the shipped tables, with
// its upstairs bedroom 2 drawn 2 m further south than the ground floor reaches: its floors to the
// outside are reported as they are simulated.  The ground floor stands on the slab; the 5 m x 2 m
// that the bedroom overhangs is the suspended concrete slab over outside air, never a slab on ground.
#include "modeller/model/house_file.h"
#include "modeller/results/building_details.h"

#include "building_details_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace pelmora;
namespace fs = std::filesystem;

// The area (m2) of every "External Floor" summary row whose construction starts with `floor`.
double summaryFloorArea(const std::vector<std::string>& lines, const std::string& floor) {
    double area = 0.0;
    bool inFloors = false;
    for (const std::string& line : lines) {
        if (line.starts_with("External Floor")) {
            inFloors = true;
            continue;
        }
        if (!inFloors) continue;
        if (!line.starts_with("Area ")) break;
        const std::size_t unit = line.find(" m");
        const std::string rest = line.substr(line.find("  ", unit) + 2);
        if (rest.starts_with(floor + "  ")) area += std::stod(line.substr(5, unit - 5));
    }
    return area;
}

TEST(SampleDetails, TheTwoStoreySamplesFloorsAreReportedAsTheyAreSimulated) {
    for (const bool movedUp : {false, true}) {
        SCOPED_TRACE(movedUp ? "bedroom 2 holding the slab it was moved up with" : "as shipped");
        HouseModel model;
        ReadHouseFile(model, fs::path(PROGRAM_FOLDER) / "house" / "Sample two storey_1.VOR");
        const int bed2 = 4;
        ASSERT_EQ(model.Zones(bed2).Name, "Bed 2");
        ASSERT_EQ(model.Zones(bed2).Level, 2);
        if (movedUp) {
            // A zone moved up by a level added below it keeps its ground floor's record.
            model.ZoneExtFloors(bed2).Material = model.ZoneExtFloors(1).Material;
            model.ZoneExtFloors(bed2).FloorVentilation = model.ZoneExtFloors(1).FloorVentilation;
        }
        constexpr int kTwoMetres = 40; // px at magnification 1
        for (const int corner : {2, 3}) {
            model.ZoneNodes(bed2, corner).Y += kTwoMetres;
            model.Walls(bed2, corner).Start = model.ZoneNodes(bed2, corner);
        }
        MaterialDatabase database;
        database.SetAlias(MaterialDatabase::kAlias, fs::path(PROGRAM_FOLDER) / "Data");
        MaterialTables tables{database};
        details_test::QuietPlan view;
        details_test::NoToStairwells question;
        BuildingDetails details(model, tables, view, question);
        const std::vector<std::string> lines = details.Display(ReportSwitches{}, 0).plainLines();

        // By hand from the plan: level 1 is 10 m x 7 m; bedroom 2 reaches 5 m x 2 m past it.
        EXPECT_NEAR(summaryFloorArea(lines, "Concrete Slab on Ground"), 70.0, 0.05);
        EXPECT_NEAR(summaryFloorArea(lines, "Suspended Concrete Slab"), 10.0, 0.05);
    }
}

} // namespace
