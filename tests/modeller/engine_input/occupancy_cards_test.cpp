// The gain and thermostat cards and the occupancy dialog read one occupancy file by one rule, and
// the simulation mode decides which zones get thermostat cards.
#include "zone_fixture.h"

#include "common/text_values.h"
#include "modeller/engine_input/zone_openings_gains.h"
#include "modeller/model/internal_gains.h"
#include "modeller/model/model_error.h"
#include "modeller/model/simulation_mode.h"

#include <cstdio>

namespace zone_test {
namespace {

using namespace pelmora;

// A house of a living zone (40 m2), a kitchen (20 m2), a bedroom (12 m2) and a bathroom (18 m2) on the
// test occupancy file of the model tests (worked by hand there): two occupants.
class OccupancyCards : public ZoneWriterTest {
  protected:
    void SetUp() override {
        ZoneWriterTest::SetUp();
        std::filesystem::create_directories(root_ / "Data/Occupant");
        occupancyLines =
            common::readTextLines(std::filesystem::path(TEST_SOURCE_DIR) / "../model/occupancy_fixture.DAT");
        writeOccupancyFile();
        model_->ClimateFileName = "climat07.TXT";
        living = addZone(0, 0, 8, 5, 1, "Living");
        kitchen = addZone(8, 0, 4, 5, 1, "Kitchen");
        bedroom = addZone(0, 5, 4, 3, 1, "Bed");
        bathroom = addZone(4, 5, 4, 4.5, 1, "Bath");
        model_->Zones(kitchen).ZoneType = zone_type::kLivingKitchen;
        model_->Zones(bedroom).ZoneType = zone_type::kSleeping;
        model_->Zones(bathroom).ZoneType = zone_type::kWetArea;
    }

    void writeOccupancyFile() {
        common::TextFileWriter out;
        for (const auto& line : occupancyLines) out.line(line);
        out.save(root_ / "Data/Occupant/OCCUP07.DAT");
    }

    // The zone cards as the card writer writes them for the house as it stands.
    void writeCards() {
        lines_->clear();
        ReadOccupancyFile(*run_);
        run_->Occupants = CalcOccupantValues(*model_);
        for (int z = 1; z <= model_->ZoneCount; ++z) WriteZoneVentilationAndControls(*run_, z);
    }

    // The value of hour h (1..24) on the card pair that starts at `first` (401, 403, 501, 503).
    std::string hourField(int zone, int first, int h) {
        const auto pair = cards(zone, first + (h - 1) / 12);
        return pair.empty() ? "no card" : field(pair[0], (h - 1) % 12 + 1);
    }

    static std::string fieldOf(double value, int decimals) {
        char text[32];
        std::snprintf(text, sizeof text, "%6.*f", decimals, value);
        return text;
    }

    // Every gain and set-point the dialog shows as a zone's default stands on that zone's cards.
    void expectCardsShowTheDialogsDefaults(const InternalGains& gains) {
        for (int z : {living, kitchen, bedroom}) {
            for (int h = 1; h <= 24; ++h) {
                EXPECT_EQ(hourField(z, 401, h), fieldOf(gains.DefaultSensibleGains(z, h), 0))
                    << z << " " << h;
                EXPECT_EQ(hourField(z, 403, h), fieldOf(gains.DefaultLatentGains(z, h), 0)) << z << " " << h;
                EXPECT_EQ(hourField(z, 501, h), fieldOf(gains.DefaultHeatingSetpoints(z, h), 1))
                    << z << " " << h;
                EXPECT_EQ(hourField(z, 503, h), fieldOf(gains.DefaultCoolingSetpoints(z, h), 1))
                    << z << " " << h;
            }
        }
    }

    std::vector<std::string> occupancyLines;
    int living = 0, kitchen = 0, bedroom = 0, bathroom = 0;
};

TEST_F(OccupancyCards, TheCardsCarryTheGainsAndSetPointsTheDialogShows) {
    SimulationMode mode(*model_);
    mode.TakeZones();
    mode.CondSBClick();
    mode.OKSBClick();
    writeCards();
    InternalGains gains(*model_);
    gains.ReadOccupancyProfiles();
    gains.CalcIntGain();
    gains.AllocateThermostats();
    expectCardsShowTheDialogsDefaults(gains);
    // Hand-worked: living 166 + 0.33 h W, kitchen latent -115 W, bedroom 27 W.
    EXPECT_EQ(hourField(living, 401, 24), "   174");
    EXPECT_EQ(hourField(kitchen, 403, 7), "  -115");
    EXPECT_EQ(hourField(bedroom, 401, 3), "    27");

    // A changed profile of the occupancy file (the day base of hours 1-12 now 1000 W) reaches both.
    occupancyLines[43] = "1000 1000 1000 1000 1000 1000 1000 1000 1000 1000 1000 1000";
    writeOccupancyFile();
    writeCards();
    gains.ReadOccupancyProfiles();
    gains.CalcIntGain();
    gains.AllocateThermostats();
    expectCardsShowTheDialogsDefaults(gains);
    EXPECT_EQ(hourField(living, 401, 1), "   430") << "1000 x 0.33 + 100";
    EXPECT_EQ(hourField(living, 401, 13), "   170") << "the afternoon keeps 213 W: 70.29 + 100";

    // What the user changes in the dialog stays in the dialog: the cards follow the occupancy file.
    gains.SensibleGains(living, 1) = 5000;
    gains.HeatingSetpoints(living, 1) = 30.0;
    writeCards();
    EXPECT_EQ(hourField(living, 401, 1), "   430");
    EXPECT_EQ(hourField(living, 501, 1), "  18.0");
}

TEST_F(OccupancyCards, TheModeDecidesWhichZonesGetThermostatCards) {
    SimulationMode mode(*model_);
    mode.TakeZones();
    mode.CondSBClick();
    mode.OKSBClick();
    writeCards();
    for (int z : {living, kitchen, bedroom}) {
        EXPECT_EQ(cards(z, 501).size(), 1u) << z;
        EXPECT_EQ(cards(z, 504).size(), 1u) << z;
    }
    EXPECT_TRUE(cards(bathroom, 501).empty() && cards(bathroom, 503).empty()) << "a wet area runs free";

    mode.TakeZones();
    mode.Row(bedroom) = {true, false};
    mode.OKSBClick();
    writeCards();
    EXPECT_EQ(cards(bedroom, 501).size(), 1u);
    EXPECT_TRUE(cards(bedroom, 503).empty()) << "heated, not cooled";

    mode.TakeZones();
    mode.FreeSBClick();
    mode.OKSBClick();
    writeCards();
    for (int z = 1; z <= model_->ZoneCount; ++z)
        for (int card : {501, 502, 503, 504}) EXPECT_TRUE(cards(z, card).empty()) << z << " " << card;
    EXPECT_EQ(cards(living, 401).size(), 1u) << "a free-running zone keeps its gains";
}

TEST_F(OccupancyCards, ATruncatedOccupancyFileStopsTheWriteNamingFileAndLine) {
    occupancyLines.resize(44);
    writeOccupancyFile();
    try {
        ReadOccupancyFile(*run_);
        ADD_FAILURE() << "a truncated occupancy file was read";
    } catch (const ModelError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("OCCUP07.DAT, line 45"), std::string::npos) << what;
    }
}

} // namespace
} // namespace zone_test
