// What the level defaults dialog does with the defaults of the current level: copy those of chosen
// element kinds to every level, set the elements of the chosen kinds on the current level to them,
// and check the values of a defaults file before they replace the model's.
#pragma once

#include "modeller/model/defaults_file.h"
#include "modeller/model/house_model.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace pelmora {

// The element kinds of the defaults dialog, in the order of its buttons and check boxes.
enum class DefaultKind {
    ExtWall = 1,
    IntWall,
    ExtFloor,
    IntCeiling,
    FloorCover,
    Ceiling,
    Roof,
    Door,
    Window,
    Skylight,
};
inline constexpr int kDefaultKinds = 10;

// The kinds ticked in the dialog: entry k - 1 for kind k.
using DefaultKindSet = std::array<bool, kDefaultKinds>;

inline bool ticked(const DefaultKindSet& kinds, DefaultKind kind) {
    return kinds[static_cast<std::size_t>(kind) - 1];
}

// Copies the stored defaults of the ticked kinds from the current level to every level.  A level
// above the ground has no open under-floor space of its own: its floor ventilation becomes 0 ("Very
// Open") when the floor defaults are copied.
void CopyDefaultsToAllLevels(HouseModel& model, const DefaultKindSet& kinds);

// Sets the elements of the ticked kinds in every zone of the current level to the current level's
// defaults.  Sizes and positions stay; a door keeps its size and a window its size and place.
void ChangeLevelElementsToDefaults(HouseModel& model, const DefaultKindSet& kinds);

// The number of records of a material table by its name (table_name::k...); raises ModelError when
// the table cannot be read.
using TableRecordCount = std::function<int(std::string_view table)>;

// Checks the new-zone options and level defaults read from a defaults file: every record number lies
// within its table and every value within the range its element allows.  Raises ModelError naming
// `file`, the level and the value of the first one that does not.
void CheckDefaults(const TNewZoneOptions& options, const LevelDefaultArray& defaults,
                   const TableRecordCount& recordCount, const std::filesystem::path& file);

} // namespace pelmora

namespace pelmora {

// The choices of the "Change Element to Current Default" dialog, as the items of its three groups.
struct DefaultChangeChoice {
    // 0 "All elements of this type", 1 "Only those having default values".
    int elements = 0;
    // 0 "Apply to all levels", 1 "Apply to this level only".
    int levels = 0;
    // 0 "Main properties only", 1 "Most properties".
    int properties = 0;
};

// What the open element editor shows in defaults mode: the level default its OK would store, the
// wall thickness in its thickness box (mm), and whether its added-R panel is shown.
struct ShownDefaults {
    TLevelDefaultRec values;
    double thickness = 0.0;
    bool addedRShown = true;
};

// Changes the elements of `kind` to the default the open editor shows.  An element "has default
// values" when its fields equal the stored level defaults of the current level as they are now (the
// editor's own OK has not stored anything yet); with "Most properties" its sizes must match too.
// Door sizes are limited to their wall; an external floor above level 1 is "Very Open".
void ChangeElementsToDefault(HouseModel& model, DefaultKind kind, const ShownDefaults& shown,
                             const DefaultChangeChoice& choice);

// The entry of HouseModel::ApplyDefaultRequest that an editor of `kind` sets.
int ApplyDefaultRequestOf(DefaultKind kind);

} // namespace pelmora
