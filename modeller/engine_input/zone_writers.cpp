// The zone writers on the card writer's state: the section of each element found by positioning and
// building it as the construction writer did and looking its text up in the list of its kind.
#include "modeller/engine_input/zone_writers.h"

#include "modeller/engine_input/construction_sections.h"
#include "modeller/engine_input/layer_texts.h"
#include "modeller/engine_input/simulated_floor.h"

namespace pelmora {
namespace {

constexpr int kAnotherApartment = 4;

} // namespace

class ScratchSections : public ZoneSectionLookup {
  public:
    explicit ScratchSections(Scratch& scratch) : s_(scratch) {}

    int WindowSection(int zone, int wall, int window) override {
        RequireWindowProduct(s_, zone, wall, window);
        BuildWindowGlazing(s_);
        return Section(ConstructionKind::WindowSystem, s_.CurrentLayers);
    }
    int ClerestorySection(int zone, int skylight) override {
        RequireClerestoryProduct(s_, zone, skylight);
        BuildWindowGlazing(s_);
        return Section(ConstructionKind::WindowSystem, s_.CurrentLayers);
    }
    int SkylightSection(int zone, int skylight) override {
        RequireSkylightProduct(s_, zone, skylight);
        BuildSkylightGlazing(s_);
        return Section(ConstructionKind::SkylightSystem, s_.CurrentLayers);
    }
    int ExtWallSection(int zone, int wall) override {
        PositionExtWall(s_, zone, wall);
        BuildExtWall(s_);
        return Section(ConstructionKind::ExternalWall, s_.CurrentLayers);
    }
    int DefaultExtWallSection() override {
        PositionDefaultExtWall(s_);
        BuildExtWall(s_);
        return Section(ConstructionKind::ExternalWall, s_.CurrentLayers);
    }
    int DoorSection(int zone, int wall, int door) override {
        PositionDoor(s_, zone, wall, door);
        BuildDoor(s_);
        return Section(ConstructionKind::ExternalWall, s_.CurrentLayers);
    }
    int RoofWithCeilingSection(int zone) override {
        BuildRoofWithCeiling(s_, zone);
        return Section(ConstructionKind::Roof, s_.CurrentLayers);
    }
    int RoofSection(int zone) override {
        PositionRoof(s_, zone);
        BuildRoof(s_);
        return Section(ConstructionKind::Roof, s_.CurrentLayers);
    }
    int ExtFloorSection(int zone) override {
        PositionExtFloor(s_, zone);
        BuildExtFloor(s_);
        if (s_.WriterUB) return Section(ConstructionKind::FloorToNeighbour, s_.CurrentLayers);
        const bool veryOpen =
            s_.WriterFloorVent == kVeryOpenFloor && s_.WriterFloorMaterial != kSlabOnGroundFloor;
        return Section(veryOpen ? ConstructionKind::ExtFloorVeryOpen : ConstructionKind::ExtFloorEnclosed,
                       s_.CurrentLayers);
    }
    int ReverseCeilingSection(int zone) override {
        PositionCeiling(s_, zone);
        BuildCeiling(s_);
        return Section(ConstructionKind::ReverseExtCeiling, s_.CurrentLayersReversed);
    }
    int IntFloorSection(int lowerZone, int upperZone) override {
        PositionIntCeiling(s_, lowerZone, upperZone);
        BuildIntCeiling(s_);
        return Section(ConstructionKind::InternalFloor, s_.CurrentLayersReversed);
    }
    int ReverseExtFloorSection(int zone) override {
        PositionExtFloor(s_, zone);
        BuildExtFloor(s_);
        return Section(ConstructionKind::ReverseExtFloor, s_.CurrentLayersReversed);
    }
    int CeilingSection(int zone) override {
        PositionCeiling(s_, zone);
        BuildCeiling(s_);
        return Section(s_.WriterRoofSpace == kAnotherApartment ? ConstructionKind::CeilingToNeighbour
                                                               : ConstructionKind::ExtCeiling,
                       s_.CurrentLayers);
    }
    int IntCeilingSection(int zone, int upperZone) override {
        PositionIntCeiling(s_, zone, upperZone);
        BuildIntCeiling(s_);
        return Section(ConstructionKind::IntCeiling, s_.CurrentLayers);
    }
    int PartitionSection(int zone, int wall) override {
        PositionPartitionWall(s_, zone, wall);
        BuildIntWall(s_);
        return Section(ConstructionKind::InterzoneWall, s_.CurrentLayers);
    }
    int IntWallSection(int zone, int intWall) override {
        PositionIntWall(s_, zone, intWall);
        BuildIntWall(s_);
        return Section(ConstructionKind::IntrazoneWall, s_.CurrentLayers);
    }
    int NeighbourWallSection(int zone, int wall) override {
        PositionExtWall(s_, zone, wall);
        BuildExtWall(s_);
        return Section(ConstructionKind::WallToNeighbour, s_.CurrentLayers);
    }

    int HorizontalScheme(const std::string& key) override {
        return Entry(s_.HorizontalSchemes, key, "horizontal shading scheme");
    }
    int VerticalScheme(const std::string& key) override {
        return Entry(s_.VerticalSchemes, key, "vertical shading scheme");
    }
    int Screen(const std::string& key) override { return Entry(s_.Screens, key, "screen"); }
    int Curtain(const std::string& name) override { return Entry(s_.Curtains, name, "curtain"); }
    int Blind(const std::string& name) override { return Entry(s_.Blinds, name, "outdoor blind"); }

  private:
    int Section(ConstructionKind kind, const std::string& layers) {
        return SectionNumber(s_, kind, layers, s_.Element);
    }
    // The project writer lists every key a zone card looks up; a key it missed would give the card
    // the number of another entry, so it stops the writing instead.
    static int Entry(const NumberedList& list, const std::string& key, std::string_view what) {
        const int position = list.Position(key);
        if (position >= 0) return position;
        throw ScratchError("The " + std::string(what) + " \"" + key + "\" is not in the project's list");
    }

    Scratch& s_;
};

struct ZoneWriterState {
    explicit ZoneWriterState(Scratch& scratch) : sections(scratch), run(scratch, sections) {}
    ScratchSections sections;
    ZoneWriterRun run;
};

namespace {

ZoneWriterRun& Run(Scratch& scratch) {
    if (!scratch.ZoneWriters || &scratch.ZoneWriters->run.scratch != &scratch)
        scratch.ZoneWriters = std::make_shared<ZoneWriterState>(scratch);
    return scratch.ZoneWriters->run;
}

} // namespace

void ReadOccupancyFile(Scratch& scratch) {
    scratch.ZoneWriters = std::make_shared<ZoneWriterState>(scratch);
    ReadOccupancyFile(Run(scratch));
}

void CheckEngineZoneCount(Scratch& scratch) {
    CheckEngineZoneCount(Run(scratch));
}

void WriteZoneData(Scratch& scratch) {
    WriteZoneData(Run(scratch));
}

void GroupFloorSpaces(Scratch& scratch) {
    GroupFloorSpaces(Run(scratch));
}

void WriteFloorSpaces(Scratch& scratch) {
    WriteFloorSpaces(Run(scratch));
}

void GroupRoofSpaces(Scratch& scratch) {
    GroupRoofSpaces(Run(scratch));
}

void WriteRoofSpaces(Scratch& scratch) {
    WriteRoofSpaces(Run(scratch));
}

} // namespace pelmora
