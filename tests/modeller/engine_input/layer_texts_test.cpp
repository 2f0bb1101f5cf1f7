// Layer texts of every kind of construction, from the shipped material tables (and a few rows
// appended for the cases the shipped rows do not have), checked against texts worked out by hand from
// the rows.
#include "writer_fixture.h"

#include "modeller/engine_input/construction_sections.h"
#include "modeller/engine_input/layer_texts.h"
#include "modeller/model/building_physics.h"

namespace writer_test {
namespace {

using namespace pelmora;

class LayerTexts : public WriterTest {
  protected:
    void SetUp() override {
        WriterTest::SetUp();
        // A wall whose second leaf takes the wall's thickness (TI 2), and an insulation row with all
        // three gap codes and a shown R.
        wallTi2_ = NextRecord("Wallmaterial");
        Sql("INSERT INTO Wallmaterial VALUES (13, 'Test TI 2', NULL, 2, 5, 8, 4.0, 1, 10, 10, 4.0, 1, 0, 0, "
            "0, 1, 1)");
        threeGaps_ = NextRecord("WallInsulation");
        Sql("INSERT INTO WallInsulation VALUES (12, 'Three Gaps', NULL, 1, 1, 2, 3, 0.5, 0)");
        zone_ = AddBoxZone(10.0, 6.0);
    }

    std::string ExtWall(int material, int insulation, double thickness, bool insulated = false,
                        int beyond = 0, double addedR = 0.0) {
        TWallRec& wall = model_->Walls(zone_, 0);
        wall.ExtMaterial = material;
        wall.ExtThickness = thickness;
        wall.ExtInsulation = insulation;
        wall.ExtInsulated = insulated;
        wall.Beyond = beyond;
        wall.ExtAddedR = addedR;
        PositionExtWall(*scratch_, zone_, 0);
        BuildExtWall(*scratch_);
        return scratch_->CurrentLayers;
    }

    std::string IntWall(int material, int insulation, double thickness) {
        TIntWallRec& wall = model_->ZoneIntWalls(zone_, 1);
        wall.Material = material;
        wall.Thickness = thickness;
        wall.Insulation = insulation;
        PositionIntWall(*scratch_, zone_, 1);
        BuildIntWall(*scratch_);
        return scratch_->CurrentLayers;
    }

    void ExtFloor(int material, int insulation, int ventilation, int covering) {
        TExtFloorRec& floor = model_->ZoneExtFloors(zone_);
        floor.Material = material;
        floor.Insulation = insulation;
        floor.FloorVentilation = ventilation;
        floor.FloorCovering = covering;
        floor.AddedR = 0.0;
        PositionExtFloor(*scratch_, zone_);
        BuildExtFloor(*scratch_);
    }

    int zone_ = 0;
    int wallTi2_ = 0;
    int threeGaps_ = 0;
};

TEST_F(LayerTexts, ExternalWallOfEachLayerArrangement) {
    OpenTables();
    struct Case {
        const char* what;
        int material, insulation;
        bool insulated;
        int beyond;
        double addedR;
        const char* layers;
        double thickness; // mm, the wall's stored thickness, of the layer the user sets
    };
    const Case cases[] = {
        // TI 0 without gaps: a gap of an uninsulated single leaf would go outside, but AS drops it.
        {"TI 0, no insulation", 4, 1, false, 0, 0.0, "  3 190", 190},
        {"TI 0, board R1.0 outside", 4, 10, false, 0, 0.0, "  3 190209  57", 190},
        {"TI 0, board R1.0 insulated face", 4, 10, true, 0, 0.0, "209  57  3 190", 190},
        // A block typed 300 mm thick is written 300 mm thick, as its editor counts it.
        {"TI 0, block typed 300 mm", 4, 1, false, 0, 0.0, "  3 300", 300},
        {"TI 1, batts R2.5 in the cavity", 1, 7, false, 0, 0.0, "  1 110508  40209 143 10  10", 110},
        {"TI 2, three gaps and shown R", 0, 0, false, 0, 2.0, "  5   8508  40513  40512  40209 143 10  10",
         10},
        // Cavity brick with a fixed R: its first gap becomes the foil-faced board gap.
        {"TI 3, cavity brick with batts", 6, 5, false, 0, 0.0, "  1 110512  40209  86  1 110", 110},
        {"TI 4, sandwich panel", 11, 1, false, 0, 0.0, " 13   1 15  75 13   1", 75},
        {"TI 4, sandwich panel with a 100 mm core", 11, 1, false, 0, 0.0, " 13   1 15 100 13   1", 100},
        {"TI 3, cavity brick of 90 mm leaves", 6, 1, false, 0, 0.0, "  1  90508  40  1  90", 90},
        {"earth beyond", 1, 1, false, 3, 0.0, "902   0999   0  1 110508  40 10  10", 110},
    };
    for (const Case& c : cases) {
        const int material = c.material == 0 ? wallTi2_ : c.material;
        const int insulation = c.insulation == 0 ? threeGaps_ : c.insulation;
        EXPECT_EQ(ExtWall(material, insulation, c.thickness, c.insulated, c.beyond, c.addedR), c.layers)
            << c.what;
    }
    // The shown R (0.5 of the row + 2 of the wall) is counted; the name carries the wall's part only.
    ExtWall(wallTi2_, threeGaps_, 10, false, 0, 2.0);
    EXPECT_EQ(scratch_->CurrentName1, "Test TI 2");
    EXPECT_EQ(scratch_->CurrentName2, "R 2 Three Gaps");
    ExtWall(1, 7, 110);
    EXPECT_EQ(scratch_->CurrentName2, " Glasswool Batts R2.5");
}

TEST_F(LayerTexts, InternalWallKeepsItsGapsInsideAndFoilsCavityBrick) {
    OpenTables();
    EXPECT_EQ(IntWall(2, 1, 10), " 10  10508  40 10  10");
    EXPECT_EQ(IntWall(4, 4, 110), "  1 110512  40209  86  1 110"); // record 4 is the cavity brick here
    EXPECT_EQ(IntWall(1, 1, 110), "  1 110");                      // AS false drops the gap of a single leaf
    EXPECT_EQ(IntWall(6, 4, 150), "209  86  2 150"); // a single leaf with batts: bulk first, AS drops the gap
    EXPECT_EQ(IntWall(3, 1, 16), " 10  16508  40 10  16"); // steel studs lined with 16 mm boards both sides
}

TEST_F(LayerTexts, ExternalFloorsPrefixesGapsAndCoverings) {
    OpenTables();
    // Slab with carpet (R 0.25 over the whole floor: (0.25 + 0.25) x 500 / 17.54 = 14.25 -> 14).
    ExtFloor(1, 1, 0, 2);
    EXPECT_EQ(scratch_->CurrentLayers, "999   0  2 100209  14");
    EXPECT_EQ(scratch_->CurrentLayersReversed, "209  14  2 100999   0");
    EXPECT_EQ(scratch_->CurrentCoverName, "Carpet and Underlay");
    // The same slab under a house with a garage sits on a layer of fill.
    model_->Zones(AddBoxZone(3.0, 6.0, 10.0)).ZoneType = 5;
    ExtFloor(1, 1, 0, 2);
    EXPECT_EQ(scratch_->CurrentLayers, "999   0 44 200  2 100209  14");
    // A suspended timber floor over an open space with foil under it and no covering.
    ExtFloor(2, 3, 1, 1);
    EXPECT_EQ(scratch_->CurrentLayers, "999   0534  90  7  19");
    EXPECT_EQ(scratch_->CurrentLayersReversed, "  7  19534  90999   0");
    // Over a very open space, with carpet on 70 % and tiles on 30 %: the two parts in parallel add
    // 0.111 m2K/W to the 0.1056 of the boards: (0.111 + 0.111) x 500 / 17.54 = 6.33 -> 6.
    ExtFloor(2, 1, 0, 7);
    EXPECT_EQ(scratch_->CurrentLayers, "  7  19209   6");
    // A floor to a neighbour has no under-floor layer, whatever its ventilation.
    ExtFloor(5, 1, 1, 1);
    EXPECT_EQ(scratch_->CurrentLayers, "  2 150");
    EXPECT_TRUE(scratch_->WriterUB);
}

TEST_F(LayerTexts, CoveringResistanceIsTheParallelPathLessTheFloor) {
    // Carpet (R 0.25) on all of a floor of R 0.1: the covering adds its own 0.25.
    EXPECT_NEAR(CoveringResistance(0.0, 1.0, 0.1, 0.0, 0.25), 0.25, 1e-12);
    // Half carpet (0.25), half bare (0): U = 0.5 / 0.35 + 0.5 / 0.1 = 6.4286, R = 0.15556, less 0.1.
    EXPECT_NEAR(CoveringResistance(0.5, 0.5, 0.1, 0.0, 0.25), 1.0 / (0.5 / 0.35 + 0.5 / 0.1) - 0.1, 1e-12);
    EXPECT_EQ(CoveringResistance(0.0, 0.0, 0.1, 0.2, 0.3), 0.0);
}

TEST_F(LayerTexts, GlazingTextsOfWindowAndSkylightProducts) {
    // A double-glazed window: three blanks, two panes, 27 blanks, the library number 1, the code and
    // the frame values (frame U 9.00, frame fraction 1 - 0.85, frame absorptance 0.5).
    scratch_->WriterWindowProduct = 0;
    for (int i = 1; i <= kMaxWindowProducts; ++i)
        if (model_->WindowProducts(i).ProductCode == "GGG-05-029a") scratch_->WriterWindowProduct = i;
    ASSERT_NE(scratch_->WriterWindowProduct, 0);
    BuildWindowGlazing(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers,
              "    25   4 25   4" + std::string(27, ' ') + "1GGG-05-029a   9.00   0.15   0.50");
    // A double-glazed skylight of light-well system 1: frame U 2.60, frame fraction 0.20.
    buffers_.SkylightProductIndex = 2;
    ASSERT_EQ(model_->SkylightProducts(2).ProductCode, "GEN-04-002a");
    BuildSkylightGlazing(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers,
              "    36   3 36   3" + std::string(26, ' ') + " 1      1GEN-04-002a   2.60   0.20");
}

TEST_F(LayerTexts, DoorsWithOneLeafOrTwo) {
    OpenTables();
    auto door = [&](int material) {
        model_->Walls(zone_, 0).DoorCount = 1;
        model_->WallDoors(zone_, 0, 1).Material = material;
        PositionDoor(*scratch_, zone_, 0, 1);
        BuildDoor(*scratch_);
    };
    door(1);
    EXPECT_EQ(scratch_->CurrentLayers, "  8  40");
    door(5);
    EXPECT_EQ(scratch_->CurrentLayers, "  6  19515   0  6  19");
    EXPECT_EQ(scratch_->CurrentName1, "External DoorDouble Timber Doors with Air Gap");
}

TEST_F(LayerTexts, CeilingsRoofsAndTheirAirGapMaterials) {
    OpenTables();
    ReadBestFitFile(*model_);
    TCeilingRec& ceiling = model_->ZoneCeilings(zone_);
    ceiling.Material = 1;
    ceiling.Insulation = 5; // foil on the ceiling: a 40 mm gap of emittances 0.9 and 0.05
    ceiling.Slope = 0.0;
    ceiling.RoofSpace = 0;
    PositionCeiling(*scratch_, zone_);
    BuildCeiling(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers, "999   0801   0 10  10");
    EXPECT_EQ(scratch_->CurrentLayersReversed, " 10  10801   0999   0");
    // Under a roof without a cavity the ceiling has no roof-space layer in front.
    ceiling.RoofSpace = 3;
    PositionCeiling(*scratch_, zone_);
    BuildCeiling(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers, "801   0 10  10");
    // Two linings with a plain 40 mm gap between them: a second material.
    ceiling.Material = 5;
    ceiling.Insulation = 1;
    ceiling.RoofSpace = 0;
    PositionCeiling(*scratch_, zone_);
    BuildCeiling(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers, "999   0 10  10802   0  6  12");

    // Tiles (dusty: the first gap is plain whatever its code) over sarking; metal deck over sarking.
    TRoofRec& roof = model_->ZoneRoofs(zone_);
    roof.Material = 1;
    roof.Insulation = 2;
    roof.Slope = 0.0;
    roof.RoofSpace = 0;
    PositionRoof(*scratch_, zone_);
    BuildRoof(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers, " 17  20803   0999   0");
    roof.Material = 3;
    PositionRoof(*scratch_, zone_);
    BuildRoof(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers, " 13   1804   0999   0");

    // The card of each material holds its resistances for heat flow up and down.
    ASSERT_EQ(scratch_->AirGapMaterials.size(), 4u);
    AirGapResistance(*model_, 0, 40, 0.9, 0.05, 0.0);
    EXPECT_EQ(scratch_->AirGapMaterials[0].Card, " 2     0   801     0" +
                                                     RealField(model_->AirGapResistanceUp, 6, 2, "") +
                                                     RealField(model_->AirGapResistanceDown, 6, 2, "") +
                                                     "     0   40mm gap, slope 0, emit 0.9 and 0.05");
    EXPECT_GT(model_->AirGapResistanceDown,
              model_->AirGapResistanceUp); // a horizontal foil gap insulates downwards
    AirGapResistance(*model_, 0, 20, 0.9, 0.9, 0.0);
    EXPECT_NEAR(scratch_->AirGapMaterials[2].Up, model_->AirGapResistanceUp, 1e-12);

    // A second roof whose gap matches within 0.01 takes the same material.
    const std::size_t before = scratch_->AirGapMaterials.size();
    PositionRoof(*scratch_, zone_);
    BuildRoof(*scratch_);
    EXPECT_EQ(scratch_->AirGapMaterials.size(), before);
    EXPECT_EQ(scratch_->CurrentLayers, " 13   1804   0999   0");
}

TEST_F(LayerTexts, FloorsBetweenLevels) {
    OpenTables();
    TIntCeilingRec& c = model_->ZoneIntCeilings(zone_);
    c.Material = 3; // concrete slab without a cavity: only a reflective 40 mm gap of code 4 counts
    c.Insulation = 6;
    c.AddedR = 0.0;
    PositionIntCeiling(*scratch_, zone_, 0);
    BuildIntCeiling(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers, "  2 150541  40");
    EXPECT_EQ(scratch_->CurrentLayersReversed, "541  40  2 150");
    c.Material = 1; // timber floor over plasterboard, bulk insulation of R 1.0 in the cavity
    c.Insulation = 2;
    c.AddedR = 1.0;
    PositionIntCeiling(*scratch_, zone_, 0);
    BuildIntCeiling(*scratch_);
    EXPECT_EQ(scratch_->CurrentLayers, "  7  19529  90209  57 10  10");
    EXPECT_EQ(scratch_->CurrentLayersReversed, " 10  10209  57529  90  7  19");
    EXPECT_EQ(scratch_->CurrentName2, "R 1 Bulk Insulation (enter R)");
}

TEST_F(LayerTexts, BulkInsulationRoundsToTheNearestMillimetre) {
    EXPECT_EQ(BulkInsulationPair(2.5, "x"), "209 143"); // 142.53 mm
    EXPECT_EQ(BulkInsulationPair(0.0, "x"), "");
    EXPECT_EQ(BulkInsulationPair(1.5, "x"), "209  86"); // 85.52 mm
}

} // namespace
} // namespace writer_test
