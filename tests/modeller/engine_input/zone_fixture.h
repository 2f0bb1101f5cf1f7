// Houses for the zone writers' tests: rectangular zones laid out by hand on a program folder that
// holds the shipped material tables, and a section lookup that numbers each kind by its base.
#pragma once

#include "modeller/engine_input/zone_writers.h"
#include "modeller/model/material_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zone_test {

// Every section lookup answers the first section of its kind; scheme lookups answer 1 for a key they
// have not seen before and remember it, so a test can read the keys back.
class BaseSections : public pelmora::ZoneSectionLookup {
  public:
    explicit BaseSections(pelmora::HouseModel& model) : model_(model) {}
    int WindowSection(int, int, int) override { return 1; }
    int ClerestorySection(int, int) override { return 1; }
    int SkylightSection(int, int) override { return 11; }
    int ExtWallSection(int, int) override { return 21; }
    int DefaultExtWallSection() override { return 21; }
    int DoorSection(int, int, int) override { return 22; }
    int RoofWithCeilingSection(int) override { return 31; }
    int RoofSection(int) override { return 31; }
    int ExtFloorSection(int zone) override;
    int ReverseCeilingSection(int) override { return 61; }
    int IntFloorSection(int, int) override { return 71; }
    int ReverseExtFloorSection(int) override { return 81; }
    int CeilingSection(int zone) override;
    int IntCeilingSection(int, int) override { return 101; }
    int PartitionSection(int, int) override { return 111; }
    int IntWallSection(int, int) override { return 141; }
    int NeighbourWallSection(int, int) override { return 186; }
    int HorizontalScheme(const std::string& key) override { return number(horizontal, key); }
    int VerticalScheme(const std::string& key) override { return number(vertical, key); }
    int Screen(const std::string& key) override { return number(screens, key); }
    int Curtain(const std::string& name) override { return number(curtains, name); }
    int Blind(const std::string& name) override { return number(blinds, name); }

    std::vector<std::string> horizontal, vertical, screens, curtains, blinds;

  private:
    static int number(std::vector<std::string>& list, const std::string& key);
    pelmora::HouseModel& model_;
};

class ZoneWriterTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A rectangular zone of x by y metres whose top-left corner is at (left, top) metres on the
    // plan, on `level`, with walls of 2.4 m, a slab floor, and a ceiling under an unvented roof space.
    // Walls 0..3 run along the top, right, bottom and left edges (azimuths 0, 90, 180, 270).
    int addZone(double left, double top, double x, double y, int level = 1, std::string name = "");
    // Makes walls (zone a, wall wa) and (zone b, wall wb) a partition between the two zones.
    void joinWalls(int a, int wa, int b, int wb);
    // Lists the zones in each other's floor and ceiling shared lists.
    void shareFloor(const std::vector<int>& zones);
    void shareCeiling(const std::vector<int>& zones);

    // The written cards of zone z with card number c (comments left out).
    std::vector<std::string> cards(int zone, int card) const;
    std::vector<std::string> cardsOfZone(int zone) const;

    std::filesystem::path root_;
    std::unique_ptr<pelmora::HouseModel> model_;
    std::unique_ptr<pelmora::MaterialDatabase> database_;
    std::unique_ptr<pelmora::MaterialTables> tables_;
    std::unique_ptr<BaseSections> sections_;
    pelmora::EditorBuffers buffers_;
    std::unique_ptr<pelmora::Scratch> scratch_;
    std::vector<std::string>* lines_ = nullptr; // the card file's lines
    std::unique_ptr<pelmora::ZoneWriterRun> run_;
};

// The six-character field i (1-based) after the 8-character header of a data type 3 card.
std::string field(const std::string& card, int i);
double number(const std::string& card, int i);
// Field i of a zone card after its 15-character name: 1 Vol, 2 A, 3 B, 4 WsRed, 5 Type, 6 EstSG, 7 and
// 8 the zone links, 9 REmis.
std::string zoneField(const std::string& card, int i);

} // namespace zone_test
