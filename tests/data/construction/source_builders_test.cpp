// The builders of the construction data: bad sources stop the build with the file and line named,
// and the glazing model meets its analytic limits.
#include "data/construction/air_gap_table.h"
#include "data/construction/glazing_optics.h"
#include "data/construction/material_file.h"
#include "data/construction/material_tables.h"
#include "data/construction/row_pictures.h"
#include "data/construction/source_tables.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace construction;

namespace {

class BadSource : public ::testing::Test {
  protected:
    const test_support::TemporaryFolder work{"construction_sources"};
    const fs::path& dir = work.path();
    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return dir / name;
    }
    // The message of the SourceError that `build` throws, or "" when it throws none.
    template <class Build> std::string failure(Build build) {
        try {
            build();
        } catch (const SourceError& e) {
            return e.what();
        }
        return "";
    }
};

TEST_F(BadSource, NamesFileAndLineOfAMalformedMaterial) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"# comment\n1|k|1700|800|0.77|Brick\n1|k|1700|800|0.77|Brick again\n",
         "line 3: material code 1 twice"},
        {"1|k|1700|800|0|Brick\n", "line 1: conductivity is not positive"},
        {"1|k|1700|eight hundred|0.77|Brick\n", "line 1: field 4 is not a number"},
        {"1|k|1700|800|0.77\n", "line 1: has 5 fields, expected 6"},
        {"1000|r|0|0.1|0.1|Film\n", "line 1: material code outside 1..999"},
        {"5|x|0|0.1|0.1|Film\n", "line 1: kind is neither k nor r"},
    };
    for (const auto& c : cases) {
        const fs::path file = write("materials.txt", c.text);
        const std::string message = failure([&] { readMaterials(file); });
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }
}

TEST_F(BadSource, RefusesATableWhoseHeaderIsNotTheCatalogue) {
    const TableSpec& doors = materialTableSpecs().at(4);
    ASSERT_EQ(doors.name, "DoorMaterial");
    const fs::path file =
        write("DoorMaterial.txt", "Material Number|Material Description|Graphic|M1|D1|R1|M2|R2|D2\n");
    EXPECT_NE(failure([&] { readTableSource(doors, file); }).find("field 8 is \"R2\", expected \"D2\""),
              std::string::npos);
}

TEST_F(BadSource, RefusesAnAirGapTableWithMissingPoints) {
    const fs::path file = write("air_spaces.txt", "0|90|0.1|0.5\n0|40|0.1|0.5\n");
    EXPECT_NE(failure([&] { fitAirGapTable(file); }).find("fewer than six points"), std::string::npos);
    const fs::path odd = write("odd.txt", "0|50|0.1|0.5\n");
    EXPECT_NE(failure([&] { fitAirGapTable(odd); }).find("line 1: width is not 90, 40, 20 or 13 mm"),
              std::string::npos);
}

TEST(RowPictures, RefuseUnknownPatternsAndColours) {
    EXPECT_THROW(rowPicture("marble ffffff 000000"), std::invalid_argument);
    EXPECT_THROW(rowPicture("brick fffff 000000"), std::invalid_argument);
    const auto bmp = rowPicture("brick b04a32 d8d8d0").bmp();
    EXPECT_EQ(bmp.size(), 54u + 48u * 3u * 32u); // 144 bytes a row need no padding
}

Pane pane(double t, double r, double emittance = 0.837) {
    Pane p;
    p.thickness = 4;
    p.conductivity = 1.0;
    p.solarT = t;
    p.solarRFront = p.solarRBack = r;
    p.visibleT = t;
    p.visibleR = r;
    p.ultravioletT = t;
    p.emittanceFront = p.emittanceBack = emittance;
    return p;
}

// Two panes that absorb nothing pass tau^2 / (1 - rho^2) of the radiation between their
// inter-reflections; whatever a glazing absorbs and transmits never exceeds what falls on it.
TEST(GlazingModel, MeetsTheInterReflectionLimit) {
    const double t = 0.8, r = 0.2;
    const GlazingProperties g =
        glazingProperties({{pane(t, r), pane(t, r)}, {{12, Gas::Air}}}, Orientation::Vertical);
    EXPECT_NEAR(g.transmittance[0], t * t / (1 - r * r), 1e-9);
    EXPECT_NEAR(g.absorptance[0][0], 0.0, 1e-9);
    EXPECT_NEAR(g.visibleT, t * t / (1 - r * r), 1e-9);
    EXPECT_EQ(g.transmittance[9], 0.0);
    for (int a = 0; a < kAngleCount; ++a)
        EXPECT_LE(g.transmittance[a] + g.absorptance[0][a] + g.absorptance[1][a], 1.0);
}

// A single pane between the standard films: U = 1 / (1/23 + d/k + 1/(3.6 + 4.4 e/0.837)), worked by
// hand for 4 mm glass: 1 / (0.043478 + 0.004 + 0.125) = 5.7978 W/m2K.
TEST(GlazingModel, SinglePaneUValueByHand) {
    const GlazingProperties g = glazingProperties({{pane(0.83, 0.075)}, {}}, Orientation::Vertical);
    EXPECT_NEAR(g.centreU, 5.7978, 1e-3);
    ASSERT_EQ(g.nodeResistances.size(), 2u);
    EXPECT_NEAR(g.nodeResistances[0], 1 / 23.0 + 0.002, 1e-9);
    // The whole absorbed part flows in through the share outside the pane's mid-plane.
    EXPECT_NEAR(g.shgc, g.transmittance[0] + g.absorptance[0][0] * g.nodeResistances[0] * g.centreU, 1e-9);
}

TEST(GlazingModel, RefusesLayupsThatDoNotFit) {
    EXPECT_THROW(glazingProperties({{}, {}}, Orientation::Vertical), std::invalid_argument);
    EXPECT_THROW(glazingProperties({{pane(0.8, 0.1), pane(0.8, 0.1)}, {}}, Orientation::Vertical),
                 std::invalid_argument);
}

} // namespace
