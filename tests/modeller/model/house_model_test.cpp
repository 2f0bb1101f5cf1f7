#include "modeller/model/house_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using pelmora::AddResult;
using pelmora::HouseModel;
namespace limit_text = pelmora::limit_text;

TEST(HouseModel, StartsEmptyWithTheIndexRangesOfThePlan) {
    auto model = std::make_unique<HouseModel>();
    EXPECT_EQ(model->ZoneCount, 0);
    // Zones 1..100, walls and nodes 0..50, windows 1..10, stairs 1..6 down and 1..10 up.
    model->Zones(100).Name = "last";
    model->Walls(100, 50).Length = 3.0;
    model->ZoneNodes(1, 0) = {7, 8};
    model->WallWindows(100, 50, 10).Width = 1.2;
    model->WallDoors(1, 0, 1).Width = 0.8;
    model->InterzoneDoors(100, 50, 10).Material = 2;
    model->StairsDown(100, 6).StairId = 4;
    model->StairsUp(100, 10).StairId = 4;
    model->ZoneSkylights(100, 6).Width = 600.0;
    model->ZoneIntWalls(100, 10).Height = 2.4;
    model->CommonFloorArea(0, 100) = 1.0;
    model->VoidArea(100, 100) = 1.0;
    model->WindowProducts(2500).ProductCode = "GGG-05-060a";
    model->SkylightProducts(100).ProductCode = "GEN-04-010a";
    model->ExtThicknessByMaterial(6, 50) = 110.0;
    model->SiteObstructions(4)(3).H = 2.0;
    model->Eaves(6).Points(50) = {1, 2};
    model->EavesNodes(6, 50) = {1, 2};
    EXPECT_EQ(model->WallWindows(100, 50, 10).Width, 1.2);
    EXPECT_EQ(model->WallWindows(100, 50, 9).Width, 0.0);
}

TEST(HouseModel, ConditionedWhenHeatedOrCooled) {
    auto model = std::make_unique<HouseModel>();
    model->Zones(1).Cooled = true;
    EXPECT_TRUE(model->IsConditioned(1));
    EXPECT_FALSE(model->IsConditioned(2));
}

TEST(HouseModel, LastWallRunsBackToNodeZero) {
    auto model = std::make_unique<HouseModel>();
    model->Zones(1).NodeCount = 4;
    EXPECT_EQ(model->NextWall(1, 2), 3);
    EXPECT_EQ(model->NextWall(1, 3), 0);
}

// Fills a capacity with an adder, then checks that one more is refused with the limit's message
// and changes nothing.
struct CapacityCase {
    const char* what;
    int capacity;
    int firstIndex;
    std::string_view message;
    std::function<AddResult(HouseModel&)> add;
    std::function<int(const HouseModel&)> count;
};

TEST(HouseModel, AddersRefusePastEveryCapacity) {
    const CapacityCase cases[] = {
        {"zones", 100, 1, limit_text::kZones, [](HouseModel& m) { return m.AddZone(); },
         [](const HouseModel& m) { return m.ZoneCount; }},
        {"levels", 6, 1, limit_text::kLevels, [](HouseModel& m) { return m.AddLevel(); },
         [](const HouseModel& m) { return m.LevelCount; }},
        {"nodes", 51, 0, limit_text::kNodes, [](HouseModel& m) { return m.AddNode(3); },
         [](const HouseModel& m) { return m.Zones(3).NodeCount; }},
        {"eaves points", 51, 0, limit_text::kEavesPoints, [](HouseModel& m) { return m.AddEavesPoint(2); },
         [](const HouseModel& m) { return m.Eaves(2).Count; }},
        {"windows", 10, 1, limit_text::kWindows, [](HouseModel& m) { return m.AddWindow(3, 50); },
         [](const HouseModel& m) { return m.Walls(3, 50).WindowCount; }},
        {"doors", 10, 1, limit_text::kDoors, [](HouseModel& m) { return m.AddDoor(3, 0); },
         [](const HouseModel& m) { return m.Walls(3, 0).DoorCount; }},
        {"mirrored doors", 10, 1, limit_text::kInterzoneDoors,
         [](HouseModel& m) { return m.AddInterzoneDoor(3, 1); },
         [](const HouseModel& m) { return m.Walls(3, 1).InterzoneDoorCount; }},
        {"internal walls", 10, 1, limit_text::kIntWalls, [](HouseModel& m) { return m.AddIntWall(3); },
         [](const HouseModel& m) { return m.Zones(3).IntWallCount; }},
        {"skylights", 6, 1, limit_text::kSkylights, [](HouseModel& m) { return m.AddSkylight(3); },
         [](const HouseModel& m) { return m.Zones(3).SkylightCount; }},
        {"stairs down", 6, 1, limit_text::kStairsDown, [](HouseModel& m) { return m.AddStairDown(3); },
         [](const HouseModel& m) { return m.Zones(3).StairDownCount; }},
        {"stairs up", 10, 1, limit_text::kStairsUp, [](HouseModel& m) { return m.AddStairUp(3); },
         [](const HouseModel& m) { return m.Zones(3).StairUpCount; }},
        {"floor spaces", 50, 1, limit_text::kFloorSpaceGroups,
         [](HouseModel& m) { return m.AddFloorSpaceGroup(); },
         [](const HouseModel& m) { return m.FloorSpaceGroupCount; }},
        {"roof spaces", 50, 1, limit_text::kRoofSpaceGroups,
         [](HouseModel& m) { return m.AddRoofSpaceGroup(); },
         [](const HouseModel& m) { return m.RoofSpaceGroupCount; }},
    };
    auto model = std::make_unique<HouseModel>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int k = 0; k < c.capacity; ++k) {
            AddResult added = c.add(*model);
            ASSERT_TRUE(added);
            EXPECT_EQ(added.index, c.firstIndex + k);
        }
        AddResult refused = c.add(*model);
        EXPECT_FALSE(refused);
        EXPECT_EQ(refused.refusal, c.message);
        EXPECT_EQ(c.count(*model), c.capacity);
    }
}

TEST(HouseModel, AddedEntryKeepsWhatTheSlotHeld) {
    auto model = std::make_unique<HouseModel>();
    model->WallWindows(1, 0, 1).Width = 2.0;
    ASSERT_TRUE(model->AddWindow(1, 0));
    EXPECT_EQ(model->WallWindows(1, 0, 1).Width, 2.0);
}

TEST(HouseModel, CutsTextToTheStoredLength) {
    EXPECT_EQ(pelmora::cutToLength("Living and dining room", pelmora::kZoneNameLength), "Living and dini");
    EXPECT_EQ(pelmora::cutToLength("Bed", pelmora::kZoneNameLength), "Bed");
}

TEST(HouseModel, CopiesAreIndependent) {
    auto model = std::make_unique<HouseModel>();
    model->Zones(1).Name = "Kitchen";
    auto copy = std::make_unique<HouseModel>(*model);
    copy->Zones(1).Name = "Lounge";
    EXPECT_EQ(model->Zones(1).Name, "Kitchen");
}

} // namespace
