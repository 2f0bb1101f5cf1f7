// Building sections: the lists of each kind of construction, their numbering from the kind's base,
// and the writer's refusal to let a list run into another kind's sections or a section past the ten
// layers the engine reads.
#include "writer_fixture.h"

#include "modeller/engine_input/construction_sections.h"
#include "modeller/engine_input/layer_texts.h"
#include "modeller/model/building_physics.h"

namespace writer_test {
namespace {

using namespace pelmora;

class Sections : public WriterTest {
  protected:
    void Build() {
        OpenTables();
        BuildConstructionLists(*scratch_);
    }
};

TEST_F(Sections, InterzoneWallsTakeSections111To120AndAnEleventhIsReported) {
    // Twelve walls between zones, each with bulk insulation of its own R (shown by row 2).
    for (int z = 0; z < 3; ++z) AddBoxZone(4.0, 4.0, 4.0 * z);
    auto wall = [&](int i) -> TWallRec& { return model_->Walls(1 + i / 4, i % 4); };
    for (int i = 0; i < 12; ++i) {
        wall(i).AdjZone = 1 + (i / 4 + 1) % 3;
        wall(i).PartMaterial = 2;
        wall(i).PartInsulation = 2;
        wall(i).PartAddedR = i < 10 ? 0.5 * (i + 1) : 0.5; // ten distinct, then two repeats
    }
    Build();
    ASSERT_EQ(scratch_->List(ConstructionKind::InterzoneWall).Count(), 10);
    for (int i = 0; i < 10; ++i) {
        PositionPartitionWall(*scratch_, 1 + i / 4, i % 4);
        BuildIntWall(*scratch_);
        EXPECT_EQ(SectionNumber(*scratch_, ConstructionKind::InterzoneWall, scratch_->CurrentLayers),
                  111 + i);
    }
    CloseMaterialTables(*tables_);
    tablesOpen_ = false;
    wall(11).PartAddedR = 9.0;
    EXPECT_EQ(
        ScratchErrorOf([&] { Build(); }),
        "zone 3 (Zone3), wall 3 (between zones): its wall between zones construction would be the 11th "
        "different one, but the engine input holds only 10 of that kind (building sections 111 to 120)");
}

TEST_F(Sections, ExternalWallsStopBeforeTheFixedFloorSpaceWall) {
    // Nine distinct walls take 21..29; the level's default wall would be the tenth, section 30, which
    // the floor-space walls hold.
    for (int z = 0; z < 3; ++z) AddBoxZone(4.0, 4.0, 4.0 * z);
    for (int i = 0; i < 9; ++i) {
        TWallRec& wall = model_->Walls(1 + i / 4, i % 4);
        wall.ExtInsulation = 2;
        wall.ExtAddedR = 0.5 * (i + 1);
    }
    for (int i = 9; i < 12; ++i)
        model_->Walls(1 + i / 4, i % 4).ExtInsulation = 2, model_->Walls(1 + i / 4, i % 4).ExtAddedR = 0.5;
    EXPECT_EQ(
        ScratchErrorOf([&] { Build(); }),
        "the default external wall of level 1: its external wall construction would be the 10th different "
        "one, but the engine input holds only 9 of that kind (building sections 21 to 29)");
}

TEST_F(Sections, FloorsOverAVeryOpenSpaceStopBeforeTheEarthFloor) {
    for (int z = 0; z < 10; ++z) {
        const int zone = AddBoxZone(4.0, 4.0, 4.0 * z);
        TExtFloorRec& floor = model_->ZoneExtFloors(zone);
        floor.Material = 2;
        floor.FloorVentilation = 0;
        floor.Insulation = 2;
        floor.AddedR = 0.5 * (z + 1);
    }
    EXPECT_EQ(
        ScratchErrorOf([&] { Build(); }),
        "zone 10 (Zone10), external floor: its external floor over a very open space construction would be "
        "the 10th different one, but the engine input holds only 9 of that kind (building sections 41 to "
        "49)");
}

TEST_F(Sections, ASectionOfMoreThanTenLayersIsReported) {
    // A roof without a cavity carries its ceiling: five roof layers and six ceiling layers.
    const int gappy = NextRecord("RoofInsulation");
    Sql("INSERT INTO RoofInsulation VALUES (8, 'Two Gaps', NULL, 1, 1, 1, 1, 0)");
    const int ceilingGaps = NextRecord("CeilingInsulation");
    Sql("INSERT INTO CeilingInsulation VALUES (8, 'Two Gaps', NULL, 1, 1, 1, 1, 0)");
    const int z = AddBoxZone(5.0, 5.0);
    model_->ZoneRoofs(z) = TRoofRec{1, gappy, 3, 0, 1, 1.0, 20.0, 0.6, 0};
    model_->ZoneCeilings(z).Material = 5;
    model_->ZoneCeilings(z).Insulation = ceilingGaps;
    model_->ZoneCeilings(z).RoofSpace = 3;
    model_->ZoneCeilings(z).AddedR = 2.0;
    EXPECT_EQ(
        ScratchErrorOf([&] { Build(); }),
        "zone 1 (Zone1), roof: its roof construction has more than 10 layers, more than the engine reads "
        "of a section");
}

TEST_F(Sections, AZoneCoveredByTheLevelAboveHasNoRoofButKeepsItsCeiling) {
    const int lower = AddBoxZone(10.0, 6.0);
    model_->LevelCount = 2;
    const int upper = AddBoxZone(10.0, 6.0, 0.0, 0.0, 2);
    model_->CommonFloorArea(lower, upper) = model_->CommonFloorArea(upper, lower) = 59.95;
    EXPECT_FALSE(ZoneHasRoof(*model_, lower)); // within 0.1 m2 of its floor area
    EXPECT_TRUE(ZoneHasRoof(*model_, upper));
    model_->CommonFloorArea(lower, upper) = 59.85;
    EXPECT_TRUE(ZoneHasRoof(*model_, lower));

    // The upper zone's roof is a metal deck, the lower zone's a tiled one: only the deck is listed,
    // and both ceilings are.
    model_->CommonFloorArea(lower, upper) = 60.0;
    model_->ZoneRoofs(lower).Material = 1;
    model_->ZoneRoofs(upper).Material = 3;
    model_->ZoneCeilings(upper).Material = 2;
    Build();
    ASSERT_EQ(scratch_->List(ConstructionKind::Roof).Count(), 1);
    EXPECT_EQ(scratch_->List(ConstructionKind::Roof)[1].key.substr(0, 7), " 13   1");
    EXPECT_EQ(scratch_->List(ConstructionKind::ExtCeiling).Count(), 2);
    // Every zone lists its floor between levels, the top one included: the lower zone's carries the
    // carpet of the zone above it on its floor side, the top zone's has no covering.
    ASSERT_EQ(scratch_->List(ConstructionKind::IntCeiling).Count(), 2);
    EXPECT_EQ(scratch_->List(ConstructionKind::IntCeiling)[1].key.substr(0, 3), "209");
    EXPECT_NE(scratch_->List(ConstructionKind::IntCeiling)[2].key.substr(0, 3), "209");
}

// A wall's layer takes the wall's own thickness: a wall stored without one is refused by name rather
// than written as a layer of no thickness.
TEST_F(Sections, AWallWithoutAThicknessIsReportedWithItsElement) {
    const int z = AddBoxZone(4.0, 4.0);
    model_->Walls(z, 1).ExtThickness = 0.0;
    EXPECT_EQ(ScratchErrorOf([&] { Build(); }),
              "zone 1 (Zone1), wall 1: its thickness of 0 mm is not above 0; give the wall its thickness in "
              "its editor");
    model_->Walls(z, 1).ExtThickness = -50.0;
    EXPECT_NE(ScratchErrorOf([&] { Build(); }).find("its thickness of -50 mm is not above 0"),
              std::string::npos);
}

TEST_F(Sections, ARecordTheTableDoesNotHoldIsReportedWithItsElement) {
    const int z = AddBoxZone(4.0, 4.0);
    model_->Walls(z, 1).ExtMaterial = 99;
    EXPECT_EQ(ScratchErrorOf([&] { Build(); }),
              "zone 1 (Zone1), wall 1: record 99 of the table Wallmaterial does not exist");
}

TEST_F(Sections, AnOpenDoorwayAddsNoConstruction) {
    const int doorway = NextRecord("DoorMaterial");
    Sql("INSERT INTO DoorMaterial VALUES (6, 'Open Doorway', NULL, 0, 0, 0, 0, 0, 0)");
    const int z = AddBoxZone(4.0, 4.0);
    model_->Walls(z, 0).DoorCount = 2;
    model_->WallDoors(z, 0, 1).Material = 1;
    model_->WallDoors(z, 0, 2).Material = doorway;
    Build();
    // The zone's walls and the level's default wall are one construction; the door is the second.
    ASSERT_EQ(scratch_->List(ConstructionKind::ExternalWall).Count(), 2);
    EXPECT_EQ(scratch_->List(ConstructionKind::ExternalWall)[2].key, "  8  40");
}

TEST_F(Sections, AirGapMaterialsStopAtMaterial900) {
    OpenTables();
    ReadBestFitFile(*model_);
    const int z = AddBoxZone(4.0, 4.0);
    PositionCeiling(*scratch_, z);
    // Materials 801..900 taken by gaps of resistances no real gap has.
    for (int i = 0; i < 100; ++i) scratch_->AirGapMaterials.push_back({10.0 + i, 10.0 + i, "card"});
    scratch_->MaterialChangeCount = 900;
    EXPECT_EQ(
        ScratchErrorOf([&] { AirGapMaterial(*scratch_, 40, 0.9, 0.05); }),
        "zone 1 (Zone1), ceiling: its air gap needs a new air-gap material, but the engine input's air-gap "
        "materials 801 to 900 are all taken");
}

TEST_F(Sections, KindsKeepTheirBasesAndSectionsNeverOverlap) {
    std::vector<int> owner(201, -1);
    for (int k = 0; k < kConstructionKindCount; ++k) {
        const ConstructionKindInfo& info = KindInfo(static_cast<ConstructionKind>(k));
        for (int n = info.base + 1; n <= info.base + info.capacity; ++n) {
            ASSERT_LE(n, 200);
            EXPECT_EQ(owner[static_cast<std::size_t>(n)], -1) << "section " << n;
            owner[static_cast<std::size_t>(n)] = k;
        }
    }
    for (int fixed : {30, 50, 121, 122, 123, 124, 125, 126, 127, 128})
        EXPECT_EQ(owner[static_cast<std::size_t>(fixed)], -1) << "fixed section " << fixed;
    EXPECT_EQ(KindInfo(ConstructionKind::IntrazoneWall).base, 140);
    EXPECT_EQ(KindInfo(ConstructionKind::WallToNeighbour).base, 185);
}

} // namespace
} // namespace writer_test
