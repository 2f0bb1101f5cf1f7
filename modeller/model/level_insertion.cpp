#include "modeller/model/level_insertion.h"

#include "modeller/model/level_defaults.h"
#include "modeller/model/model_error.h"

#include <string>

namespace pelmora {

namespace {

// Opens an empty level at number `level`: the zones from that level up and the records of the
// levels from it up move one level higher, and the new level has no eaves, no picture and the
// factory defaults.
void openLevel(HouseModel& model, int level) {
    if (model.LevelCount >= kMaxLevels) throw ModelError(std::string(limit_text::kLevels));
    // A zone moved up keeps its floor record: when the empty level under it is removed again (the
    // pre-simulation pass removes levels without zones), it stands on its own slab as before.  Above
    // level 1 it is simulated and reported as FloorAsSimulated gives it.
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (model.Zones(z).Level >= level) ++model.Zones(z).Level;
    for (int l = model.LevelCount; l >= level; --l) MoveLevelRecords(model, l + 1, l);
    ++model.LevelCount;
    model.EavesDefined(level) = false;
    model.Eaves(level) = TEavesOutline{};
    for (int p = 0; p < kMaxEavesPoints; ++p) model.EavesNodes(level, p) = TPlanPoint{};
    // The picture record is emptied but keeps its place settings' defaults: a level's bitmap is its
    // own and never shared with the level it was moved from.
    TLevelPictureRec& picture = model.LevelPictures(level);
    picture = TLevelPictureRec{};
    picture.ScalePos = 500.0;
    SetDefaultDefaults(model, level);
}

} // namespace

void MoveLevelRecords(HouseModel& model, int destination, int source) {
    model.Eaves(destination) = model.Eaves(source);
    model.EavesDefined(destination) = model.EavesDefined(source);
    for (int p = 0; p < kMaxEavesPoints; ++p) model.EavesNodes(destination, p) = model.EavesNodes(source, p);
    model.LevelPictures(destination) = model.LevelPictures(source);
    model.LevelDefaults(destination) = model.LevelDefaults(source);
    SuspendSlabAboveGround(model.LevelDefaults(destination), destination);
    for (int m = 1; m <= kMaxThicknessRecords; ++m) {
        model.ExtThicknessByMaterial(destination, m) = model.ExtThicknessByMaterial(source, m);
        model.PartThicknessByMaterial(destination, m) = model.PartThicknessByMaterial(source, m);
    }
}

void AddLevelAbove(HouseModel& model) {
    // The level defaults move with their levels, as they do when a level is added below or deleted.
    openLevel(model, model.CurrentLevel + 1);
    ++model.CurrentLevel;
}

void AddLevelBelow(HouseModel& model) {
    openLevel(model, model.CurrentLevel);
}

} // namespace pelmora
