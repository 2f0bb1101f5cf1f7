// The engine input writer: turns the house model into the card file SCRATCH that the engine reads.
// `WriteScratchFile` is its only entry point (the simulate and show-input-file commands call it after
// the pre-simulation pass); the project, construction and zone writers append their cards to the
// writer state `Scratch` in a fixed order, and the small services here are shared by all of them.
//
// The card file is collected in memory and written only when every card was made: a writer that
// stops on a fault (ScratchError, or a table or file that cannot be read) leaves the previous SCRATCH
// as it was.
#pragma once

#include "modeller/engine_input/card_fields.h"
#include "modeller/engine_input/numbered_list.h"
#include "modeller/model/editor_buffers.h"
#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kScratchFileName = "SCRATCH";
inline constexpr std::string_view kEndCard = " 9";

// The kinds of construction, each with its own list of at most a few distinct constructions and its
// own range of building section numbers.
enum class ConstructionKind {
    WindowSystem,
    SkylightSystem,
    ExternalWall,
    Roof,
    ExtFloorVeryOpen, // external floors over a very open space
    ExtFloorEnclosed, // external floors over an open or enclosed space, and slabs
    ReverseExtCeiling,
    InternalFloor,
    ReverseExtFloor,
    ExtCeiling,
    IntCeiling,
    InterzoneWall,
    IntrazoneWall,
    FloorToNeighbour,
    CeilingToNeighbour,
    WallToNeighbour,
};
inline constexpr int kConstructionKindCount = 16;

struct ConstructionKindInfo {
    int base;               // section of entry i is base + i
    int capacity;           // entries the section range holds without reaching another kind's section
    std::string_view label; // the text between the section number and the name on the name card
    std::string_view what;  // the kind in words, for messages
};
const ConstructionKindInfo& KindInfo(ConstructionKind kind);

// Fixed building sections of the floor and roof spaces.
namespace fixed_section {
inline constexpr int kFloorSpaceWalls = 30;
inline constexpr int kEarthFloor = 50;
inline constexpr int kFloorSpaceAirToGround = 121;
inline constexpr int kFloorSpaceAirToUnderfloor = 122;
inline constexpr int kFloorSpaceRadiantNonReflective = 123;
inline constexpr int kFloorSpaceRadiantReflective = 124;
inline constexpr int kRoofSpaceAirToCeiling = 125;
inline constexpr int kRoofSpaceAirToRoof = 126;
inline constexpr int kRoofSpaceRadiantNonReflective = 127;
inline constexpr int kRoofSpaceRadiantReflective = 128;
} // namespace fixed_section

// An air-gap material of the constructions: its two resistances and its material change card.
struct AirGapMaterialRec {
    double Up = 0.0;   // m2K/W, heat flow up
    double Down = 0.0; // m2K/W, heat flow down
    std::string Card;
};
inline constexpr int kFirstAirGapMaterial = 801;
inline constexpr int kLastAirGapMaterial = 900;

// State of the zone writers (defined by them); the driver only keeps it for the run.
struct ZoneWriterState;

// The writer state: what the model calls the module `Scratch`.  One per application (the product
// indexes keep their values between runs); every list is emptied by its own build step on each run.
// The local date as day/month/year.
std::string TodayText();

struct Scratch {
    Scratch(HouseModel& model, MaterialTables& tables, EditorBuffers& buffers)
        : model(model), tables(tables), buffers(buffers) {}

    HouseModel& model;
    MaterialTables& tables;
    EditorBuffers& buffers;

    // ---- The card file of the run ------------------------------------------------------------
    std::vector<std::string> Lines; // the cards written so far, without line ends
    void Card(std::string line) { Lines.push_back(std::move(line)); }
    // Today's date as day/month/year for card 1/1, asked afresh for every file written.
    std::function<std::string()> Today = TodayText;
    // Shows the written file (the text viewer of the show-input-file command); may be empty.
    std::function<void(const std::filesystem::path&)> LoadTextIntoViewer;

    // ---- Product lookups ---------------------------------------------------------------------
    std::int32_t WriterWindowProduct = 0; // index into WindowProducts of the last window lookup

    // ---- Project data ------------------------------------------------------------------------
    NumberedList CpSets;            // key: the 48-character set text
    NumberedList Curtains;          // key: the name; text: the 18-character values
    NumberedList Blinds;            // key: the name; text: the 6-character values
    NumberedList HorizontalSchemes; // key: the 96-character scheme text
    NumberedList VerticalSchemes;   // key: the 24-character scheme text
    NumberedList Screens;           // key: the 102-character screen text
    double WindSpeedFactor = 0.0;
    std::string WindSpeedFactorText;   // Str(:6:2)
    double SlabArea = 0.0;             // m2
    double SlabPerimeter = 0.0;        // m
    double ConditionedFloorArea = 0.0; // m2

    // ---- Construction data -------------------------------------------------------------------
    std::array<NumberedList, kConstructionKindCount> ConstructionLists; // key: the layer text
    NumberedList& List(ConstructionKind kind) { return ConstructionLists[static_cast<std::size_t>(kind)]; }
    const NumberedList& List(ConstructionKind kind) const {
        return ConstructionLists[static_cast<std::size_t>(kind)];
    }
    std::vector<AirGapMaterialRec> AirGapMaterials; // materials 801.. in order
    int MaterialChangeCount = 800;                  // the last air-gap material defined

    // The element in hand, loaded by the position services and read by the builders.
    std::string Element; // the element in words, for messages
    std::int32_t WriterBeyond = 0;
    bool WriterInsulated = false;
    std::int32_t WriterRoofSpace = 0;
    std::int32_t WriterFloorMaterial = 0;
    std::int32_t WriterFloorVent = 0;
    bool WriterUB = false;
    double WriterUnderFloorHeight = 0.0; // mm
    std::int32_t WriterLevel = 0;
    // The zone above a floor between levels whose covering the floor carries, 0 for none.
    std::int32_t WriterUpperZone = 0;
    // Results of the last build.
    std::string CurrentLayers;
    std::string CurrentLayersReversed;
    std::string CurrentName1;
    std::string CurrentName2;
    std::string CurrentCoverName;

    // ---- Zone data ---------------------------------------------------------------------------
    std::shared_ptr<ZoneWriterState> ZoneWriters;
};

// Writes the complete card file RootDir/SCRATCH and hands it to the viewer.  Raises ScratchError for
// a value or element the engine input cannot hold, ModelError for a table or data file that cannot be
// read, std::runtime_error when the file cannot be written; SCRATCH is then left as it was.
void WriteScratchFile(Scratch& scratch);

// The card file's lines joined with CR LF, as WriteScratchFile writes them.
std::string ScratchText(const Scratch& scratch);

// Sets the skylight's SkyAzimuth (degrees, [0, 360)) from its orientation and the north angle.
void SetSkylightAzimuth(Scratch& scratch, int zone, int skylight);

// The zone's volume (m3): its floor area times the length-weighted mean height of its walls.
double ZoneVolume(const Scratch& scratch, int zone);

// Product lookups: each sets its index to the first library entry whose code equals the element's
// code exactly and returns true; when none does the index keeps its value and the lookup returns
// false.  The Require* forms raise ScratchError naming the element instead, so that no element ever
// takes the product of the element looked up before it.
bool FindWindowProduct(Scratch& scratch, int zone, int wall, int window);
bool FindClerestoryProduct(Scratch& scratch, int zone, int skylight);
bool FindSkylightProduct(Scratch& scratch, int zone, int skylight);
void RequireWindowProduct(Scratch& scratch, int zone, int wall, int window);
void RequireClerestoryProduct(Scratch& scratch, int zone, int skylight);
void RequireSkylightProduct(Scratch& scratch, int zone, int skylight);

// The building section of a construction text in the list of its kind: base + its position.  Raises
// ScratchError naming `element` when the list does not hold the text.
int SectionNumber(const Scratch& scratch, ConstructionKind kind, std::string_view layers,
                  std::string_view element = {});

// Moves `table` to the record that `element` (in words) names; raises ScratchError naming the element,
// the record and the table when the table does not hold that record.
void SeekElementRecord(MaterialTable& table, int record, const std::string& element);

// Elements in words for messages: "zone 3 (Kitchen)", "zone 3 (Kitchen), wall 2, window 1".
std::string ZoneText(const HouseModel& model, int zone);
std::string WallText(const HouseModel& model, int zone, int wall);

} // namespace pelmora
