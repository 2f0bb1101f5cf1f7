// The writers of the zone section of the card file that the driver calls: the occupancy values, the
// real zones with their surface, ventilation, gain, thermostat and control cards, and the floor-space
// and roof-space pseudo zones that follow them.
//
// Zone numbers in the card file: the real zones keep their model numbers 1..ZoneCount; after them come
// the floor-space pseudo zones of each floor-space group (one under a slab, three under a suspended
// floor), then three pseudo zones for each roof-space group.  A real zone's floor or ceiling card
// names its pseudo zone by that number, so the grouping below and the real zones' cards decide
// membership by the same exposed-area rule.
#pragma once

#include "modeller/engine_input/scratch_writer.h"
#include "modeller/engine_input/zone_card_text.h"
#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/occupancy_file.h"
#include "modeller/model/occupancy_gains.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The building sections and numbered lists of the rest of the card writer, as the zone writers look
// them up.  Each section function positions and builds the element and returns the number of the
// section whose layer text equals the element's (the kind's base plus its list position).
class ZoneSectionLookup {
  public:
    virtual ~ZoneSectionLookup() = default;

    virtual int WindowSection(int zone, int wall, int window) = 0; // 1..10
    virtual int ClerestorySection(int zone, int skylight) = 0;     // 1..10
    virtual int SkylightSection(int zone, int skylight) = 0;       // 11..20
    virtual int ExtWallSection(int zone, int wall) = 0;            // 21..30
    virtual int DefaultExtWallSection() = 0;                       // 21..30, level-1 default wall
    virtual int DoorSection(int zone, int wall, int door) = 0;     // 21..30
    virtual int RoofWithCeilingSection(int zone) = 0;              // 31..40, roof without roof space
    virtual int RoofSection(int zone) = 0;                         // 31..40, roof over a roof space
    virtual int ExtFloorSection(int zone) = 0;                     // 41..50, 51..60 or 156..165
    virtual int ReverseCeilingSection(int zone) = 0;               // 61..70
    virtual int IntFloorSection(int lowerZone, int upperZone) = 0; // 71..80
    virtual int ReverseExtFloorSection(int zone) = 0;              // 81..90
    virtual int CeilingSection(int zone) = 0;                      // 91..100 or 171..180
    virtual int IntCeilingSection(int zone, int upperZone) = 0;    // 101..110
    virtual int PartitionSection(int zone, int wall) = 0;          // 111..120
    virtual int IntWallSection(int zone, int intWall) = 0;         // 141..150
    virtual int NeighbourWallSection(int zone, int wall) = 0;      // 186..195

    // Numbers of the entries of the project lists (0 for none).
    virtual int HorizontalScheme(const std::string& key) = 0;
    virtual int VerticalScheme(const std::string& key) = 0;
    virtual int Screen(const std::string& key) = 0;
    virtual int Curtain(const std::string& name) = 0;
    virtual int Blind(const std::string& name) = 0;
};

// What the zone writers share during one run: the card writer's state (the model, the material
// tables, the card file's lines and the project writer's values), the section lookup, the occupancy
// values and the leakage of each zone.
struct ZoneWriterRun {
    ZoneWriterRun(Scratch& writer, ZoneSectionLookup& sectionLookup)
        : scratch(writer), model(writer.model), tables(writer.tables), sections(sectionLookup) {}

    Scratch& scratch;
    HouseModel& model;
    MaterialTables& tables;
    ZoneSectionLookup& sections;

    TOccupancyData Occupancy;
    TOccupantValues Occupants;                                // computed once per run
    common::FixedArray1<double, 1, kMaxZones> ZoneLeakageA{}; // air changes per hour
    common::FixedArray1<double, 1, kMaxZones> ZoneLeakageB{};

    void Line(std::string_view text) { scratch.Card(std::string(text)); }
    void Card(const ZoneCard& card) { scratch.Card(card.str()); }
};

// The writers as the driver calls them, on the card writer's state: each keeps the zone writers'
// state of the run (the occupancy values and the section lookup over the construction lists) in
// scratch.ZoneWriters.
void ReadOccupancyFile(Scratch& scratch);
void CheckEngineZoneCount(Scratch& scratch);
void WriteZoneData(Scratch& scratch);
void GroupFloorSpaces(Scratch& scratch);
void WriteFloorSpaces(Scratch& scratch);
void GroupRoofSpaces(Scratch& scratch);
void WriteRoofSpaces(Scratch& scratch);

// The same writers on one run's shared values; the tests drive them with a section lookup of their own.
// Reads the occupancy file of the site's climate zone into run.Occupancy.
void ReadOccupancyFile(ZoneWriterRun& run);

// Data type 3 of the real zones 1..ZoneCount.
void WriteZoneData(ZoneWriterRun& run);

// The engine holds at most this many zones, real and pseudo together.
inline constexpr int kEngineZoneLimit = 150;

// Raises ScratchError, before any zone is written, when the house needs more zones in the engine than
// it holds: the real zones, the floor-space pseudo zones (one under a slab, three under a suspended
// floor) and three for each roof space.  The text says how many the house needs and the limit.
void CheckEngineZoneCount(ZoneWriterRun& run);

// The floor-space and roof-space pseudo zones (groups rebuilt from the model each time).
void GroupFloorSpaces(ZoneWriterRun& run);
void WriteFloorSpaces(ZoneWriterRun& run);
void GroupRoofSpaces(ZoneWriterRun& run);
void WriteRoofSpaces(ZoneWriterRun& run);

} // namespace pelmora
