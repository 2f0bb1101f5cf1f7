#include "modeller/model/level_default_record.h"

#include <array>

namespace pelmora {

namespace {

using L = TLevelDefaultRec;
constexpr std::size_t kCode = 11; // longest stored product code

const std::array<StoredField<L>, 73> kStoredLevelDefaults{{
    {"DefExtMaterial", &L::DefExtMaterial},
    {"DefExtInsulation", &L::DefExtInsulation},
    {"DefExtColour", &L::DefExtColour},
    {"DefExtHeight", &L::DefExtHeight},
    {"DefExtAddedR", &L::DefExtAddedR},
    {"DefBeyond", &L::DefBeyond},
    {"DefExtInsulated", &L::DefExtInsulated},
    {"DefPartMaterial", &L::DefPartMaterial},
    {"DefPartInsulation", &L::DefPartInsulation},
    {"DefPartHeight", &L::DefPartHeight},
    {"DefPartAddedR", &L::DefPartAddedR},
    {"DefFloorMaterial", &L::DefFloorMaterial},
    {"DefFloorInsulation", &L::DefFloorInsulation},
    {"DefFloorAddedR", &L::DefFloorAddedR},
    {"DefUnderFloorHeight", &L::DefUnderFloorHeight},
    {"DefFloorSpare", &L::DefFloorSpare},
    {"DefFloorVentilation", &L::DefFloorVentilation},
    {"DefFloorVentArea", &L::DefFloorVentArea},
    {"DefFloorCovering", &L::DefFloorCovering},
    {"DefIntCeilingAddedR", &L::DefIntCeilingAddedR},
    {"DefIntCeilingMaterial", &L::DefIntCeilingMaterial},
    {"DefIntCeilingInsulation", &L::DefIntCeilingInsulation},
    {"DefFloorCover", &L::DefFloorCover},
    {"DefCeilingMaterial", &L::DefCeilingMaterial},
    {"DefCeilingInsulation", &L::DefCeilingInsulation},
    {"DefCeilingRoofSpace", &L::DefCeilingRoofSpace},
    {"DefCeilingAddedR", &L::DefCeilingAddedR},
    {"DefCeilingSlope", &L::DefCeilingSlope},
    {"DefRoofMaterial", &L::DefRoofMaterial},
    {"DefRoofInsulation", &L::DefRoofInsulation},
    {"DefRoofGapCode", &L::DefRoofGapCode},
    {"DefRoofColour", &L::DefRoofColour},
    {"DefRoofAddedR", &L::DefRoofAddedR},
    {"DefRoofSlope", &L::DefRoofSlope},
    {"DefRoofSpace", &L::DefRoofSpace},
    {"DefRoofShape", &L::DefRoofShape},
    {"DefWinGlass", &L::DefWinGlass},
    {"DefWinFrame", &L::DefWinFrame},
    {"DefWinStyle", &L::DefWinStyle},
    {"DefWinShading", &L::DefWinShading},
    {"DefWinFurnishing", &L::DefWinFurnishing},
    {"DefWinCode", &L::DefWinCode, kCode},
    {"DefWinHeight", &L::DefWinHeight},
    {"DefWinWidth", &L::DefWinWidth},
    {"DefWinOffset", &L::DefWinOffset},
    {"DefWinHeadHeight", &L::DefWinHeadHeight},
    {"DefWinOpen", &L::DefWinOpen},
    {"DefDoorMaterial", &L::DefDoorMaterial},
    {"DefDoorHeight", &L::DefDoorHeight},
    {"DefDoorWidth", &L::DefDoorWidth},
    {"DefSkyProduct", &L::DefSkyProduct},
    {"DefSkyFrame", &L::DefSkyFrame},
    {"DefSkyFurnishing", &L::DefSkyFurnishing},
    {"DefSkyStyle", &L::DefSkyStyle},
    {"DefSkyGlass", &L::DefSkyGlass},
    {"DefSkyWinFrame", &L::DefSkyWinFrame},
    {"DefClereWallWidth", &L::DefClereWallWidth},
    {"DefClereEavesWidth", &L::DefClereEavesWidth},
    {"DefClereEavesOffset", &L::DefClereEavesOffset},
    {"DefClereWallHeight", &L::DefClereWallHeight},
    {"DefSkyWindowCode", &L::DefSkyWindowCode, kCode},
    {"DefSkyCode", &L::DefSkyCode, kCode},
    {"DefSkySlope", &L::DefSkySlope},
    {"DefSkyHeight", &L::DefSkyHeight},
    {"DefSkyWidth", &L::DefSkyWidth},
    {"DefShaftLength", &L::DefShaftLength},
    {"DefSkyOpening", &L::DefSkyOpening},
    {"DefSkyShading", &L::DefSkyShading},
    {"DefShaftReflectance", &L::DefShaftReflectance},
    {"DefShaftR", &L::DefShaftR},
    {"DefClerestory", &L::DefClerestory},
    {"DefDiffuser", &L::DefDiffuser},
    {"DefVented", &L::DefVented},
}};

using N = TNewZoneOptions;

const std::array<StoredField<N>, 12> kStoredNewZoneOptions{{
    {"DefInsectScreens", &N::DefInsectScreens},
    {"DefDraughtSeals", &N::DefDraughtSeals},
    {"DefUnsealedChimney", &N::DefUnsealedChimney},
    {"DefGasHeaterVent", &N::DefGasHeaterVent},
    {"DefVentCount", &N::DefVentCount},
    {"DefCeilingFanCount", &N::DefCeilingFanCount},
    {"DefExhaustFanCount", &N::DefExhaustFanCount},
    {"DefDownlightCount", &N::DefDownlightCount},
    {"DefFanDiameter", &N::DefFanDiameter},
    {"DefMechVentRate", &N::DefMechVentRate},
    {"DefStairLength", &N::DefStairLength},
    {"DefStairWidth", &N::DefStairWidth},
}};

} // namespace

std::span<const StoredField<TLevelDefaultRec>> storedLevelDefaultFields() {
    return kStoredLevelDefaults;
}

std::span<const StoredField<TNewZoneOptions>> storedNewZoneOptionFields() {
    return kStoredNewZoneOptions;
}

} // namespace pelmora
