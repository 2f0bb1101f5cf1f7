// The occupancy dialog's values: each zone type's defaults from a fixture occupancy file worked by
// hand, the bar drag, typed values, the buttons, the daily totals and the schedule files.
#include "model_fixture.h"

#include "common/text_values.h"
#include "modeller/model/internal_gains.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace pelmora;
using model_test::modelErrorOf;

// The fixture file's profiles: kitchen 100 W sensible and 60 W latent, day base 200 + h W, day
// occupants 400 W, sleeping base 50 W, sleeping occupants 300 W; day set-points 18 °C heating in the
// morning hours and 21 °C in the afternoon, 25 and 24.5 °C cooling; sleeping 16/17 and 26/27 °C.
//
// The house has 90 m2 of floor besides its garage: Round((90 - 40) / 30) = 2 occupants, so the
// household factor is 0.165 x 2 + 0.33 = 0.66 and the occupant factor 2 / 4 = 0.5.
class InternalGainsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.path() / "Data/Occupant");
        std::filesystem::copy_file(std::filesystem::path(TEST_SOURCE_DIR) / "occupancy_fixture.DAT",
                                   folder.path() / "Data/Occupant/OCCUP07.DAT");
        model->ClimateFileName = "climat07.TXT";
        living = addZone("Living", zone_type::kLiving, 40.0);          // area factor 0.5
        kitchen = addZone("Kitchen", zone_type::kLivingKitchen, 20.0); // 0.25
        bedroom = addZone("Bed", zone_type::kSleeping, 12.0);          // 0.15
        bathroom = addZone("Bath", zone_type::kWetArea, 8.0);
        garage = addZone("Garage", zone_type::kGarage, 36.0);
        study = addZone("Study", zone_type::kOtherDayTime, 10.0);
        model->DisplayZone = living;
    }

    int addZone(const char* name, int type, double area) {
        const int z = ++model->ZoneCount;
        model->Zones(z).Name = name;
        model->Zones(z).ZoneType = type;
        model->Zones(z).FloorArea = area;
        return z;
    }

    void showDefaults() {
        gains.ReadOccupancyProfiles();
        gains.CalcIntGain();
        gains.AllocateThermostats();
    }

    model_test::TempFolder folder;
    std::unique_ptr<HouseModel> model = model_test::modelIn(folder.path());
    InternalGains gains{*model};
    int living = 0, kitchen = 0, bedroom = 0, bathroom = 0, garage = 0, study = 0;
};

TEST_F(InternalGainsTest, EachZoneTypeTakesItsDefaultsFromTheOccupancyFile) {
    gains.SensibleGains(study, 5) = 999; // a value left from an earlier house must not survive
    showDefaults();
    EXPECT_EQ(gains.Occupants.OccupantCount, 2);
    EXPECT_NEAR(gains.Occupants.HouseholdFactor, 0.66, 1e-12);
    EXPECT_NEAR(gains.Occupants.OccupantFactor, 0.5, 1e-12);

    struct Case {
        int zone, hour;
        int sensible, latent; // W, worked by hand
    };
    const Case cases[] = {
        // Living: (200 + h) x 0.5 x 0.66 + 400 x 0.5 x 0.5 = 166 + 0.33 h; latent 0.5 x 400 x 0.25 = 50.
        {living, 1, 166, 50},
        {living, 12, 170, 50}, // 169.96
        {living, 24, 174, 50}, // 173.92
        // Living/Kitchen: 100 + (200 + h) x 0.165 + 400 x 0.125 = 183 + 0.165 h; latent
        // 0.5 x 400 x (0.125 - 1) + 60 = -115, not clipped.
        {kitchen, 1, 183, -115},
        {kitchen, 24, 187, -115}, // 186.96
        // Sleeping: 50 x 0.099 + 300 x 0.075 = 27.45; latent 0.5 x 300 x 0.075 = 11.25.
        {bedroom, 1, 27, 11},
        {bedroom, 24, 27, 11},
        {bathroom, 8, 0, 0},
        {garage, 20, 0, 0},
        {study, 5, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gains.DefaultSensibleGains(c.zone, c.hour), c.sensible) << c.zone << " " << c.hour;
        EXPECT_EQ(gains.DefaultLatentGains(c.zone, c.hour), c.latent) << c.zone << " " << c.hour;
        EXPECT_EQ(gains.SensibleGains(c.zone, c.hour), c.sensible) << "current = default";
        EXPECT_EQ(gains.LatentGains(c.zone, c.hour), c.latent);
    }

    struct Setpoint {
        int zone, hour;
        double heating, cooling; // °C
    };
    for (const Setpoint& s : {Setpoint{living, 1, 18.0, 25.0}, Setpoint{living, 13, 21.0, 24.5},
                              Setpoint{kitchen, 24, 21.0, 24.5}, Setpoint{bedroom, 12, 16.0, 26.0},
                              Setpoint{bedroom, 13, 17.0, 27.0}, Setpoint{bathroom, 1, 0.0, 0.0},
                              Setpoint{garage, 13, 0.0, 0.0}, Setpoint{study, 13, 0.0, 0.0}}) {
        EXPECT_DOUBLE_EQ(gains.DefaultHeatingSetpoints(s.zone, s.hour), s.heating) << s.zone << " " << s.hour;
        EXPECT_DOUBLE_EQ(gains.DefaultCoolingSetpoints(s.zone, s.hour), s.cooling) << s.zone << " " << s.hour;
        EXPECT_DOUBLE_EQ(gains.HeatingSetpoints(s.zone, s.hour), s.heating);
        EXPECT_DOUBLE_EQ(gains.CoolingSetpoints(s.zone, s.hour), s.cooling);
    }
}

TEST_F(InternalGainsTest, DraggingABarRewritesTheDayInStepsOfAHundredthOfTheScale) {
    showDefaults();
    gains.ScaleRGClick(kShownScaleItem); // 2 kW: steps of 20 W
    EXPECT_EQ(gains.BarPercent(5), 8) << "166 + 1.65 W of 2000 W";
    EXPECT_EQ(gains.BarTop(5), 210 - 16);

    EXPECT_FALSE(gains.MouseDown(50, 100)) << "far from the grip";
    EXPECT_FALSE(gains.MouseMove(50, 110));
    ASSERT_TRUE(gains.MouseDown(52, 196)) << "within 5 pixels of bar 5's grip";
    EXPECT_EQ(gains.DragHour, 5);
    EXPECT_TRUE(gains.MouseMove(200, 110)) << "the pointer's column plays no part";
    EXPECT_EQ(gains.BarPercent(5), 50);
    EXPECT_EQ(gains.SensibleGains(living, 5), 1000);
    EXPECT_EQ(gains.SensibleGains(living, 1), 160) << "166 W shown as 8 % comes back as 160 W";
    EXPECT_EQ(gains.SensibleGains(living, 24), 180) << "174 W, 9 %";
    for (int h = 1; h <= 24; ++h) EXPECT_EQ(gains.SensibleGains(living, h) % 20, 0) << h;
    EXPECT_EQ(gains.SensibleGains(kitchen, 5), 184) << "only the shown zone changes";

    // The held bar runs from 1 % to 100 %; rows outside 9 < y < 210 are ignored.
    EXPECT_TRUE(gains.MouseMove(0, 10));
    EXPECT_EQ(gains.SensibleGains(living, 5), 2000);
    EXPECT_TRUE(gains.MouseMove(0, 209));
    EXPECT_EQ(gains.SensibleGains(living, 5), 20);
    EXPECT_FALSE(gains.MouseMove(0, 9));
    EXPECT_FALSE(gains.MouseMove(0, 210));
    EXPECT_EQ(gains.SensibleGains(living, 5), 20);
    gains.MouseUp();
    EXPECT_FALSE(gains.MouseMove(0, 100));
}

TEST_F(InternalGainsTest, ATypedValueIsTheWholeTextAsOneNumberOrZero) {
    showDefaults();
    gains.ScaleRGClick(kShownScaleItem);
    struct Case {
        HourBox box;
        int hour;
        const char* text;
        bool converts;
        double value;
    };
    const Case cases[] = {
        {HourBox::Sensible, 3, "1000", true, 1000}, {HourBox::Sensible, 4, "", false, 0},
        {HourBox::Sensible, 6, "120 W", false, 0},  {HourBox::Sensible, 7, "12.5", false, 0},
        {HourBox::Latent, 1, "35", true, 35},       {HourBox::Latent, 9, "40", true, 40},
        {HourBox::Latent, 10, "x", false, 0},       {HourBox::Heating, 2, "21.5", true, 21.5},
        {HourBox::Heating, 3, "warm", false, 0},    {HourBox::Cooling, 24, "-3", true, -3},
        {HourBox::Cooling, 23, "", false, 0},       {HourBox::Sensible, 8, "99999999999", false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gains.TakeHourValue(c.box, c.hour, c.text), c.converts) << c.text;
        const int z = living;
        const double value = c.box == HourBox::Sensible  ? gains.SensibleGains(z, c.hour)
                             : c.box == HourBox::Latent  ? gains.LatentGains(z, c.hour)
                             : c.box == HourBox::Heating ? gains.HeatingSetpoints(z, c.hour)
                                                         : gains.CoolingSetpoints(z, c.hour);
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
    EXPECT_EQ(gains.BarPercent(3), 50) << "a typed gain moves its bar";
    EXPECT_EQ(gains.HourText(HourBox::Heating, 2), "21.5");
    EXPECT_EQ(gains.HourText(HourBox::Cooling, 1), "25.0");
    EXPECT_EQ(gains.HourText(HourBox::Latent, 1), "35");
}

TEST_F(InternalGainsTest, MakeSameCopiesHourOneOfTheShownZoneAndResetRestoresEveryZone) {
    showDefaults();
    gains.SensibleGains(kitchen, 3) = 5;
    gains.MakeSameGains();
    for (int h = 1; h <= 24; ++h) {
        EXPECT_EQ(gains.SensibleGains(living, h), 166) << h;
        EXPECT_EQ(gains.LatentGains(living, h), 50) << h;
    }
    EXPECT_EQ(gains.SensibleGains(kitchen, 24), 187) << "other zones keep their hours";
    gains.ResetGains();
    EXPECT_EQ(gains.SensibleGains(living, 24), 174);
    EXPECT_EQ(gains.SensibleGains(kitchen, 3), 183) << "183.495";

    gains.MakeSameSetpoints();
    EXPECT_DOUBLE_EQ(gains.HeatingSetpoints(living, 24), 18.0);
    EXPECT_DOUBLE_EQ(gains.CoolingSetpoints(living, 24), 25.0);
    gains.CoolingSetpoints(bedroom, 1) = 30.0;
    gains.ResetSetpoints();
    EXPECT_DOUBLE_EQ(gains.HeatingSetpoints(living, 24), 21.0);
    EXPECT_DOUBLE_EQ(gains.CoolingSetpoints(bedroom, 1), 26.0);
}

TEST_F(InternalGainsTest, TheShareOfTheDailyGainsNeedsSomeGainInTheBuilding) {
    EXPECT_FALSE(gains.ZonePercentBar().SharePercent) << "no gains at all: no share";
    gains.SensibleGains(living, 1) = 300;
    gains.LatentGains(kitchen, 2) = 100;
    const TDailyGains totals = gains.ZonePercentBar();
    EXPECT_EQ(totals.Zone, 300);
    EXPECT_EQ(totals.Building, 400);
    ASSERT_TRUE(totals.SharePercent);
    EXPECT_DOUBLE_EQ(*totals.SharePercent, 75.0);
}

TEST_F(InternalGainsTest, ScheduleFilesKeepOneZoneAndOpenIntoTheShownZone) {
    showDefaults();
    model->DisplayZone = kitchen;
    const auto igs = folder.path() / "Kitchen.IGS";
    const auto hcs = folder.path() / "Kitchen.HCS";
    gains.WriteGainSchedule(igs);
    gains.WriteComfortSchedule(hcs);
    const auto gainLines = common::readTextLines(igs);
    ASSERT_EQ(gainLines.size(), 48u);
    EXPECT_EQ(gainLines[0], "183");
    EXPECT_EQ(gainLines[23], "187");
    EXPECT_EQ(gainLines[24], "-115");
    const auto comfortLines = common::readTextLines(hcs);
    ASSERT_EQ(comfortLines.size(), 48u);
    EXPECT_EQ(comfortLines[0], " 1.80000000000000E+0001");
    EXPECT_EQ(comfortLines[47], " 2.45000000000000E+0001");
    std::ifstream raw(igs, std::ios::binary);
    std::stringstream text;
    text << raw.rdbuf();
    EXPECT_EQ(text.str().substr(0, 5), "183\r\n") << "lines end in CR LF";

    model->DisplayZone = garage;
    gains.ReadGainSchedule(igs);
    gains.ReadComfortSchedule(hcs);
    EXPECT_EQ(gains.SensibleGains(garage, 24), 187);
    EXPECT_EQ(gains.LatentGains(garage, 1), -115);
    EXPECT_DOUBLE_EQ(gains.HeatingSetpoints(garage, 13), 21.0);
    EXPECT_DOUBLE_EQ(gains.CoolingSetpoints(garage, 24), 24.5);
}

TEST_F(InternalGainsTest, AScheduleFileThatCannotBeReadIsReportedAndChangesNothing) {
    showDefaults();
    std::vector<std::string> good;
    for (int i = 1; i <= 48; ++i) good.push_back(std::to_string(i) + " watts");
    const auto write = [&](const std::vector<std::string>& lines, const char* name) {
        common::TextFileWriter out;
        for (const auto& line : lines) out.line(line);
        out.save(folder.path() / name);
        return folder.path() / name;
    };
    auto shortFile = good;
    shortFile.pop_back();
    auto realGain = good;
    realGain[2] = "12.5";
    auto empty = good;
    empty[9] = "";
    struct Case {
        std::filesystem::path file;
        const char* names;
    };
    for (const Case& c : {Case{write(shortFile, "Short.IGS"), "Short.IGS, line 48"},
                          Case{write(realGain, "Real.IGS"), "Real.IGS, line 3"},
                          Case{write(empty, "Empty.IGS"), "Empty.IGS, line 10"},
                          Case{folder.path() / "Missing.IGS", "Missing.IGS"}}) {
        const std::string what = modelErrorOf([&] { gains.ReadGainSchedule(c.file); });
        EXPECT_NE(what.find(c.names), std::string::npos) << what;
        EXPECT_EQ(gains.SensibleGains(living, 1), 166) << c.names;
        EXPECT_EQ(gains.LatentGains(living, 24), 50) << c.names;
    }
    auto badComfort = good;
    badComfort[29] = "warm";
    const std::string what = modelErrorOf([&] { gains.ReadComfortSchedule(write(badComfort, "Bad.HCS")); });
    EXPECT_NE(what.find("Bad.HCS, line 30"), std::string::npos) << what;
    EXPECT_DOUBLE_EQ(gains.HeatingSetpoints(living, 1), 18.0);

    gains.ReadGainSchedule(write(good, "Good.IGS"));
    EXPECT_EQ(gains.SensibleGains(living, 1), 1) << "the rest of each line is dropped";
    EXPECT_EQ(gains.LatentGains(living, 24), 48);
}

} // namespace
