#include "modeller/model/level_insertion.h"

#include "modeller/model/level_defaults.h"
#include "modeller/model/model_error.h"

#include "geometry_fixture.h"

#include <gtest/gtest.h>

#include <any>
#include <string>

namespace {

using namespace pelmora;
using geometry_test::addRectangle;
using geometry_test::emptyHouse;

// Two levels, one zone on each; every level carries its own eaves, picture and defaults, marked with
// its level number.
std::unique_ptr<HouseModel> twoLevels() {
    auto model = emptyHouse(1.0, 2);
    HouseModel& m = *model;
    addRectangle(m, 1, 0, 0, 100, 100);
    addRectangle(m, 2, 0, 0, 100, 100);
    for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(m, level);
    for (int level = 1; level <= 2; ++level) {
        m.Eaves(level).Count = 3;
        m.Eaves(level).Points(0) = {level, level};
        m.EavesNodes(level, 0) = {level, level};
        m.EavesDefined(level) = true;
        m.LevelPictures(level).Present = true;
        m.LevelPictures(level).OffsetX = 10 * level;
        m.LevelPictures(level).Bitmap = std::string("picture of level ") + std::to_string(level);
        m.LevelDefaults(level).DefExtMaterial = 10 + level;
    }
    return model;
}

std::string pictureOf(const HouseModel& m, int level) {
    const auto* text = std::any_cast<std::string>(&m.LevelPictures(level).Bitmap);
    return text ? *text : std::string();
}

// The new level is empty: no zones, no eaves, no picture, the factory defaults.
void expectEmptyLevel(const HouseModel& m, int level) {
    for (int z = 1; z <= m.ZoneCount; ++z) EXPECT_NE(m.Zones(z).Level, level) << "zone " << z;
    EXPECT_FALSE(m.EavesDefined(level));
    EXPECT_FALSE(m.LevelPictures(level).Present);
    EXPECT_EQ(pictureOf(m, level), "");
    EXPECT_EQ(m.LevelDefaults(level).DefExtMaterial, 1) << "the factory material";
}

TEST(AddLevel, AboveLevelOneTheOldLevelTwoBecomesLevelThreeWithEverythingItOwns) {
    auto model = twoLevels();
    HouseModel& m = *model;
    m.CurrentLevel = 1;
    AddLevelAbove(m);
    EXPECT_EQ(m.LevelCount, 3);
    EXPECT_EQ(m.CurrentLevel, 2) << "the new level is current";
    EXPECT_EQ(m.Zones(1).Level, 1);
    EXPECT_EQ(m.Zones(2).Level, 3);
    EXPECT_EQ(m.Eaves(3).Points(0), (TPlanPoint{2, 2}));
    EXPECT_EQ(m.EavesNodes(3, 0), (TPlanPoint{2, 2}));
    EXPECT_TRUE(m.EavesDefined(3));
    EXPECT_EQ(m.LevelPictures(3).OffsetX, 20);
    EXPECT_EQ(pictureOf(m, 3), "picture of level 2");
    // The defaults travel with their level, as they do for a level added below.
    EXPECT_EQ(m.LevelDefaults(3).DefExtMaterial, 12);
    EXPECT_EQ(m.LevelDefaults(1).DefExtMaterial, 11);
    expectEmptyLevel(m, 2);
}

TEST(AddLevel, BelowLevelOneEveryZoneMovesUpAndTheNewLevelOneHasTheFactoryDefaults) {
    auto model = twoLevels();
    HouseModel& m = *model;
    m.CurrentLevel = 1;
    AddLevelBelow(m);
    EXPECT_EQ(m.LevelCount, 3);
    EXPECT_EQ(m.CurrentLevel, 1) << "the new level keeps the number and stays current";
    EXPECT_EQ(m.Zones(1).Level, 2);
    EXPECT_EQ(m.Zones(2).Level, 3);
    for (int level = 2; level <= 3; ++level) {
        EXPECT_EQ(m.LevelDefaults(level).DefExtMaterial, 10 + level - 1) << level;
        EXPECT_EQ(pictureOf(m, level), "picture of level " + std::to_string(level - 1));
        EXPECT_EQ(m.Eaves(level).Points(0), (TPlanPoint{level - 1, level - 1}));
    }
    expectEmptyLevel(m, 1);
}

TEST(AddLevel, SixLevelsAreTheLimitAndNothingChanges) {
    auto model = twoLevels();
    HouseModel& m = *model;
    m.LevelCount = kMaxLevels;
    m.CurrentLevel = 3;
    const TZoneRec second = m.Zones(2);
    for (auto add : {&AddLevelAbove, &AddLevelBelow}) {
        try {
            add(m);
            ADD_FAILURE() << "a seventh level was added";
        } catch (const ModelError& e) {
            EXPECT_STREQ(e.what(), "Only 6 levels can be modelled");
        }
        EXPECT_EQ(m.LevelCount, kMaxLevels);
        EXPECT_EQ(m.CurrentLevel, 3);
        EXPECT_EQ(m.Zones(2), second);
        EXPECT_EQ(m.LevelDefaults(2).DefExtMaterial, 12);
    }
}

} // namespace
