#include "shipped_data_fixture.h"

#include "common/text_values.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;
using namespace shipped;

namespace {

const fs::path kProgramFolder = PROGRAM_FOLDER;
const fs::path kSources = fs::path(TEST_SOURCE_DIR) / "../../../data/construction";

const ShippedData& shippedData() {
    static const ShippedData data = readShippedData(kProgramFolder);
    return data;
}

std::string joined(const std::vector<std::string>& faults) {
    std::string out;
    for (const auto& f : faults) out += f + "\n";
    return out;
}

TEST(ShippedConstructionData, HasNoConsistencyFaults) {
    const auto faults = consistencyFaults(shippedData());
    EXPECT_TRUE(faults.empty()) << joined(faults);
}

WindowSystem* windowSystem(ShippedData& d, const std::string& code) {
    for (auto& s : d.windowSystems)
        if (s.code == code) return &s;
    return nullptr;
}

std::vector<Cell>& row(ShippedData& d, const std::string& table, std::size_t record) {
    return d.tables.at(table).rows.at(record - 1);
}

Cell& field(ShippedData& d, const std::string& table, std::size_t record, const std::string& name) {
    const int c = d.tables.at(table).column(name);
    return row(d, table, record).at(static_cast<std::size_t>(c));
}

struct FaultCase {
    const char* what;
    std::function<void(ShippedData&)> damage;
    const char* expected; // part of the fault message
};

TEST(ConsistencyCheck, ReportsEachKindOfFault) {
    const FaultCase cases[] = {
        {"special code without record", [](ShippedData& d) { d.materials.erase(209); },
         "special material 209 has no record"},
        {"table code without record",
         [](ShippedData& d) { field(d, "Wallmaterial", 1, "M1") = std::int64_t{777}; },
         "Wallmaterial record 1 M1: material 777 has no record"},
        {"table resistivity not the material's",
         [](ShippedData& d) { field(d, "Roofmaterial", 2, "R1") = 2.5; },
         "Roofmaterial record 2 M1: R 2.5000"},
        {"product without glazing record",
         [](ShippedData& d) {
             std::erase_if(d.windowSystems, [](auto& s) { return s.code == "GGG-05-013a"; });
         },
         "window product GGG-05-013a has no glazing record"},
        {"generic window missing",
         [](ShippedData& d) {
             std::erase_if(d.windowProducts, [](auto& p) { return p.code == "GGG-05-060a"; });
         },
         "generic window GGG-05-060a is missing"},
        {"skylight product without glazing record",
         [](ShippedData& d) {
             std::erase_if(d.skylightSystems, [](auto& s) { return s.code == "GEN-04-001a"; });
         },
         "skylight product GEN-04-001a has no glazing record"},
        {"slab not at record 1",
         [](ShippedData& d) { std::swap(row(d, "ExtFloormaterial", 1), row(d, "ExtFloormaterial", 2)); },
         "ExtFloormaterial record 1 is not the slab on ground"},
        {"suspended floor records",
         [](ShippedData& d) { field(d, "ExtFloormaterial", 3, "UF") = std::int64_t{0}; },
         "ExtFloormaterial record 3 is not a suspended floor"},
        {"cavity wall not at record 6",
         [](ShippedData& d) { row(d, "Wallmaterial", 6) = row(d, "Wallmaterial", 1); },
         "Wallmaterial record 6 is not a two-leaf cavity wall"},
        {"no-curtain row moved",
         [](ShippedData& d) { std::swap(row(d, "Windowfurnishing", 1), row(d, "Windowfurnishing", 4)); },
         "Windowfurnishing record 1"},
        {"U-value out of range", [](ShippedData& d) { windowSystem(d, "GGG-05-001a")->first[0] = 8.0f; },
         "window glazing GGG-05-001a: U 8.000 outside"},
        {"SHGC out of range", [](ShippedData& d) { windowSystem(d, "GGG-05-005a")->first[5] = 0.95f; },
         "window glazing GGG-05-005a: SHGC 0.950 outside"},
        {"transmittance rising with angle",
         [](ShippedData& d) {
             auto& t = windowSystem(d, "GGG-05-029a")->transmittance;
             t[5] = t[4] + 0.05;
         },
         "window glazing GGG-05-029a: transmittance rises"},
        {"skylight transmittance rising with angle",
         [](ShippedData& d) { d.skylightSystems.at(0).transmittance[9] = 0.5; }, "transmittance rises"},
        {"conductivity not positive", [](ShippedData& d) { d.materials.at(1).p2 = -1.0; },
         "material 1: resistivity (1/conductivity) not positive"},
        {"density not positive", [](ShippedData& d) { d.materials.at(10).p1 = 0.0; },
         "material 10: density x specific heat not positive"},
        {"product values not its glazing's", [](ShippedData& d) { d.windowProducts.at(0).glassU += 0.1; },
         "GlassU differs from its glazing record"},
        {"window whose films and panes exceed its 1/U",
         [](ShippedData& d) { d.windowProducts.at(0).frameU = 200.0; }, "films and panes exceed 1/U"},
        {"window film not the outside film", [](ShippedData& d) { d.materials.at(907).p2 = 0.12; },
         "material 907"},
    };
    ASSERT_TRUE(consistencyFaults(shippedData()).empty());
    for (const FaultCase& c : cases) {
        ShippedData damaged = shippedData();
        c.damage(damaged);
        const std::string faults = joined(consistencyFaults(damaged));
        EXPECT_NE(faults.find(c.expected), std::string::npos)
            << c.what << ": expected \"" << c.expected << "\" among:\n"
            << faults;
    }
}

// The catalogue of the 21 tables with their fields in order and the column types agreed for the
// database (booleans as integers, pictures as BMP bytes).
TEST(ShippedConstructionData, TablesHoldTheCatalogueFieldsInOrder) {
    const std::string picture = "Material Number:INTEGER,Material Description:TEXT,Graphic:BLOB";
    const std::string wallInsulation =
        "Insulation Number:INTEGER,Insulation Description:TEXT,Graphic:BLOB,"
        "ShowR:INTEGER,G0:INTEGER,G1:INTEGER,G2:INTEGER,AddR:REAL,Void:INTEGER";
    const std::string ceilingInsulation =
        "Insulation Number:INTEGER,Insulation Description:TEXT,Graphic:BLOB,"
        "ShowR:INTEGER,G0:INTEGER,G1:INTEGER,GR:INTEGER,AddR:REAL";
    const std::string wall = picture +
                             ",TI:INTEGER,M1:INTEGER,D1:INTEGER,R1:REAL,V1:INTEGER,M2:INTEGER,"
                             "D2:INTEGER,R2:REAL,V2:INTEGER,M3:INTEGER,D3:INTEGER,R3:REAL,AS:INTEGER";
    const std::map<std::string, std::string> catalogue = {
        {"Wallmaterial", wall + ",AG:INTEGER"},
        {"IntWallmaterial", wall},
        {"WallInsulation", wallInsulation},
        {"InWallInsulation", wallInsulation},
        {"DoorMaterial", picture + ",M1:INTEGER,D1:INTEGER,R1:REAL,M2:INTEGER,D2:INTEGER,R2:REAL"},
        {"ExtFloormaterial", picture + ",UF:INTEGER,M1:INTEGER,D1:INTEGER,R1:REAL,UB:INTEGER"},
        {"ExtFloorInsulation",
         "Insulation Number:INTEGER,Insulation Description:TEXT,Graphic:BLOB,ShowR:INTEGER,"
         "G0:INTEGER,G1:INTEGER,GU:INTEGER,AddR:REAL"},
        {"FloorCovering",
         picture + ",M1:INTEGER,D1:INTEGER,R1:REAL,A1:REAL,M2:INTEGER,D2:INTEGER,R2:REAL,A2:REAL"},
        {"IntFloorMaterial",
         picture + ",M1:INTEGER,D1:INTEGER,R1:REAL,M2:INTEGER,D2:INTEGER,R2:REAL,G:INTEGER"},
        {"IntCeilInsulation",
         "Insulation Number:INTEGER,Insulation Description:TEXT,Graphic:BLOB,ShowR:INTEGER,G:INTEGER"},
        {"Ceilingmaterial",
         picture + ",L:INTEGER,M1:INTEGER,D1:INTEGER,R1:REAL,M2:INTEGER,D2:INTEGER,R2:REAL,V:INTEGER"},
        {"CeilingInsulation", ceilingInsulation},
        {"Roofmaterial", picture + ",Gd:INTEGER,M1:INTEGER,D1:INTEGER,R1:REAL"},
        {"RoofInsulation", ceilingInsulation},
        {"Windowglass", picture},
        {"Windowframe", picture},
        {"Windowstyle", picture + ",Opening:INTEGER"},
        {"Windowfurnishing", picture + ",AddR:REAL,Trans:REAL,Absorp:REAL"},
        {"Windowshading", picture + ",Schedule:INTEGER,Shade:INTEGER"},
        {"Skylight", picture},
        {"SkyFrame", picture},
    };
    const auto& tables = shippedData().tables;
    EXPECT_EQ(tables.size(), 21u);
    for (const auto& [name, fields] : catalogue) {
        const auto found = tables.find(name);
        ASSERT_NE(found, tables.end()) << name;
        std::string actual;
        for (std::size_t i = 0; i < found->second.fields.size(); ++i)
            actual += (i ? "," : "") + found->second.fields[i] + ":" + found->second.types[i];
        EXPECT_EQ(actual, fields) << name;
        const int graphic = found->second.column("Graphic");
        for (const auto& r : found->second.rows) {
            const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&r[static_cast<std::size_t>(graphic)]);
            ASSERT_NE(bytes, nullptr) << name << ": a row without a picture";
            ASSERT_GT(bytes->size(), 54u) << name;
            EXPECT_EQ((*bytes)[0], 'B');
            EXPECT_EQ((*bytes)[1], 'M');
        }
    }
}

std::vector<std::vector<std::string>> sourceRows(const fs::path& file) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : common::readTextLines(file)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string f; std::getline(in, f, '|');) fields.push_back(f);
        rows.push_back(fields);
    }
    return rows;
}

TEST(ShippedConstructionData, MaterialFileFollowsItsSource) {
    const auto rows = sourceRows(kSources / "materials.txt");
    ASSERT_EQ(rows.size(), shippedData().materials.size());
    for (const auto& r : rows) {
        const int code = std::stoi(r[0]);
        const auto& m = shippedData().materials.at(code);
        EXPECT_EQ(m.name, r[5]);
        const double a = std::stod(r[2]), b = std::stod(r[3]), c = std::stod(r[4]);
        if (r[1] == "k") {
            EXPECT_GT(c, 0) << code << ": conductivity";
            if (code != 901) { // the glazing pseudo-layer carries resistance only
                EXPECT_TRUE(a > 0 && b > 0) << code << ": density and specific heat";
            }
            EXPECT_EQ(m.flag, 'Y') << code;
            EXPECT_NEAR(m.p1, a * b / 1000.0, 1e-3 * m.p1 + 1e-6) << code;
            EXPECT_NEAR(m.p2, 1.0 / c, 1e-5 / c) << code;
            EXPECT_NEAR(m.p3, 1.0 / c, 1e-5 / c) << code;
        } else {
            EXPECT_EQ(m.flag, 'N') << code;
            EXPECT_NEAR(m.p1, a, 1e-6) << code;
            EXPECT_NEAR(m.p2, b, 1e-6) << code;
            EXPECT_NEAR(m.p3, c, 1e-6) << code;
        }
    }
}

TEST(ShippedConstructionData, TablesFollowTheirSources) {
    for (const auto& entry : fs::directory_iterator(kSources / "tables")) {
        const std::string name = entry.path().stem().string();
        const auto rows = sourceRows(entry.path());
        const Table& t = shippedData().tables.at(name);
        ASSERT_EQ(rows.size(), t.rows.size() + 1) << name; // the header line and the records
        const std::string description =
            t.column("Material Description") >= 0 ? "Material Description" : "Insulation Description";
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            EXPECT_EQ(t.text(r, description), rows[r + 1][1]) << name;
    }
}

const WindowProduct& windowProduct(const std::string& code) {
    for (const auto& p : shippedData().windowProducts)
        if (p.code == code) return p;
    throw std::out_of_range(code);
}

// Published centre-of-glass values of common glazings (standard film coefficients): single clear
// glass about 5.8 W/m2K and SHGC 0.86; clear double glazing with a 12 mm air space about 2.8;
// clear float loses about a tenth of its transmittance between normal incidence and 60 degrees.
TEST(ShippedConstructionData, GlazingsAgreeWithPublishedValues) {
    const auto& single = windowProduct("GGG-05-001a"); // single clear 3 mm, aluminium frame
    EXPECT_NEAR(single.glassU, 5.8, 0.15);
    EXPECT_NEAR(single.shgc, 0.86, 0.02);
    EXPECT_NEAR(single.transmittance[6] / single.transmittance[0], 0.90, 0.03);
    EXPECT_EQ(single.transmittance[9], 0.0);
    const auto& doubleClear = windowProduct("GGG-05-033a"); // double clear 6/12/6
    EXPECT_EQ(doubleClear.panes, 2);
    EXPECT_NEAR(doubleClear.glassU, 2.8, 0.2);
    const auto& triple = windowProduct("GGG-05-057a"); // triple low-e with argon
    EXPECT_EQ(triple.panes, 3);
    EXPECT_LT(triple.glassU, 1.0);
    EXPECT_LT(triple.shgc, single.shgc);
}

// Published resistances of unventilated air spaces faced by ordinary surfaces (emittance 0.9 each):
// 0.18 m2K/W for horizontal heat flow and 0.16 for heat flow up in spaces of 25 mm and more; for heat
// flow down 0.21 at 50 mm and 0.22 at 100 mm.
TEST(ShippedConstructionData, AirGapResistancesAgreeWithPublishedValues) {
    const ShippedData& d = shippedData();
    EXPECT_NEAR(airGapResistance(d, 40, 0.9, 0.9, 90).first, 0.18, 0.01);
    EXPECT_NEAR(airGapResistance(d, 40, 0.9, 0.9, 90).second, 0.18, 0.01);
    EXPECT_NEAR(airGapResistance(d, 40, 0.9, 0.9, 0).first, 0.16, 0.01);
    EXPECT_NEAR(airGapResistance(d, 40, 0.9, 0.9, 0).second, 0.205, 0.01);
    EXPECT_NEAR(airGapResistance(d, 90, 0.9, 0.9, 0).second, 0.22, 0.01);
    // A foil face makes the gap a far better insulator, most of all for heat flowing down.
    const auto [upFoil, downFoil] = airGapResistance(d, 90, 0.9, 0.05, 0);
    EXPECT_GT(upFoil, 2 * airGapResistance(d, 90, 0.9, 0.9, 0).first);
    EXPECT_GT(downFoil, 2 * upFoil);
}

TEST(ShippedConstructionData, SunChartGridIsTheChartBackground) {
    std::ifstream in(kProgramFolder / "grid.bmp", std::ios::binary);
    std::vector<unsigned char> bmp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bmp.size(), 54u);
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24);
    };
    ASSERT_EQ(u32(18), 766u);
    ASSERT_EQ(u32(22), 400u);
    ASSERT_EQ(bmp[28], 24);
    const std::size_t rowBytes = (766 * 3 + 3) / 4 * 4;
    const auto pixel = [&](int x, int y) { // 0xRRGGBB, y from the top
        const std::size_t at =
            u32(10) + static_cast<std::size_t>(399 - y) * rowBytes + static_cast<std::size_t>(x) * 3;
        return static_cast<std::uint32_t>(bmp[at + 2] << 16 | bmp[at + 1] << 8 | bmp[at]);
    };
    EXPECT_NE(pixel(20, 100), 0xffffffu);  // the frame at azimuth -180 degrees
    EXPECT_NE(pixel(400, 110), 0xffffffu); // the line at azimuth 0 + 10 degrees
    EXPECT_NE(pixel(30, 40), 0xffffffu);   // the line at altitude 80 degrees
    EXPECT_EQ(pixel(25, 25), 0xffffffu);   // inside a cell
    EXPECT_EQ(pixel(500, 300), 0xffffffu); // below the chart
}

TEST(ShippedDataReaders, ReportTruncatedFiles) {
    const test_support::TemporaryFolder work("construction_truncated");
    const fs::path& dir = work.path();
    for (const char* name : {"matdata.bin", "Data/WindowData/VORTwindows.VWG"}) {
        std::ifstream in(kProgramFolder / name, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ofstream(dir / "cut", std::ios::binary) << bytes.substr(0, bytes.size() - 30);
        if (std::string(name) == "matdata.bin")
            EXPECT_THROW(readMaterialFile(dir / "cut"), std::runtime_error);
        else
            EXPECT_THROW(readWindowLibrary(dir / "cut"), std::runtime_error);
    }
}

} // namespace
