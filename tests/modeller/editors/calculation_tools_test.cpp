// The calculators' arithmetic: the material list, the R value of a layered construction worked by
// hand, and the sun's position against the low-precision solar coordinates of the astronomical
// almanac, an independent method.
#include "modeller/editors/calculation_tools.h"

#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>

namespace {

using namespace pelmora;

constexpr double kDeg = std::numbers::pi / 180.0;

void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

TEST(RCPropsTest, ANameKeepsItsLeadingBlanksAndTheValuesFollowFromThickness) {
    const auto m = ParseRCMaterial("12 1200.0 0.25  Pine board\r");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Code, 12);
    EXPECT_EQ(m->Name, "  Pine board");
    // 20 mm: R = 20 x 0.25 / 1000, C = 20 x 1200 / 1000, k = 1 / 0.25.
    EXPECT_NEAR(20 * m->Resistivity / 1000.0, 0.005, 1e-12);
    EXPECT_NEAR(20 * m->HeatCapacity / 1000.0, 24.0, 1e-12);
    for (const char* bad : {"", "12 1200.0", "x 1200 0.25 name", "12.5 1200 0.25 name"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseRCMaterial(bad));
    }
}

TEST(RCPropsTest, TheFileIsReadWholeOrRefusedWhole) {
    test_support::TemporaryFolder folder("rcprops");
    EXPECT_FALSE(ReadRCProps(folder.path()).found);

    writeFile(folder / "Data/RCProps.TXT",
              "1 1200 0.25  Same\r\n2 800 4.0  Other\r\n3 600 0.5  Same\r\n\r\n");
    RCPropsRead read = ReadRCProps(folder.path());
    ASSERT_FALSE(read.error);
    ASSERT_EQ(read.materials.size(), 3u);
    EXPECT_EQ(FirstMaterialNamed(read.materials, "  Same"), 1);
    EXPECT_EQ(FirstMaterialNamed(read.materials, "  Other"), 2);
    EXPECT_EQ(FirstMaterialNamed(read.materials, "Other"), 0);

    writeFile(folder / "Data/RCProps.TXT", "1 1200 0.25  Fine\r\n2 800 four  Broken\r\n");
    read = ReadRCProps(folder.path());
    ASSERT_TRUE(read.error);
    EXPECT_NE(read.error->find("RCProps.TXT"), std::string::npos);
    EXPECT_NE(read.error->find("line 2"), std::string::npos);
    EXPECT_TRUE(read.materials.empty());

    std::string tooMany;
    for (int i = 1; i <= kMaxRCMaterials + 1; ++i) tooMany += std::to_string(i) + " 1000 1.0  M\r\n";
    writeFile(folder / "Data/RCProps.TXT", tooMany);
    read = ReadRCProps(folder.path());
    ASSERT_TRUE(read.error);
    EXPECT_NE(read.error->find("more than 200"), std::string::npos);
    EXPECT_TRUE(read.materials.empty());
}

// A line no material can have refuses the whole file, naming the line and the value, so neither a
// code past any integer nor a resistivity too large to show reaches the calculators.
TEST(RCPropsTest, RefusesValuesNoMaterialCanHave) {
    test_support::TemporaryFolder folder("rcprops_ranges");
    struct Case {
        const char* line;
        const char* expected;
    };
    const Case cases[] = {
        {"2147483648 800 4.0  Other", "line 2 has the material code 2147483648, outside 1 to 999"},
        {"-2147483649 800 4.0  Other", "line 2 has the material code -2147483649, outside 1 to 999"},
        {"0 800 4.0  Other", "line 2 has the material code 0, outside 1 to 999"},
        {"1000 800 4.0  Other", "line 2 has the material code 1000, outside 1 to 999"},
        {"2 -800 4.0  Other", "line 2 has the heat capacity -800 kJ/(m3 K), outside 0 to 10000"},
        {"2 1E100 4.0  Other", "line 2 has the heat capacity 1e+100"},
        {"2 800 1E100  Other",
         "line 2 has the resistivity 1e+100 m K/W, which must be above 0 and at most 1000"},
        {"2 800 0  Other", "line 2 has the resistivity 0 m K/W"},
        {"2 800 -4.0  Other", "line 2 has the resistivity -4 m K/W"},
        {"2 800 4.0  Oth\x1b[2Jer", "line 2 has the control character 27 in its name"},
        {"2 800 4.0  Oth\ter", "line 2 has the control character 9 in its name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_FALSE(ParseRCMaterial(c.line));
        writeFile(folder / "Data/RCProps.TXT", std::string("1 1200 0.25  Fine\r\n") + c.line + "\r\n");
        const RCPropsRead read = ReadRCProps(folder.path());
        EXPECT_TRUE(read.materials.empty());
        EXPECT_TRUE(read.error);
        if (read.error) {
            EXPECT_NE(read.error->find(c.expected), std::string::npos) << *read.error;
        }
    }
    // The limits themselves are materials.
    for (const char* line : {"1 0 1000  Still air", "999 10000 0.001  Dense"}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(ParseRCMaterial(line));
    }
}

// Every material of the shipped list is read.
TEST(RCPropsTest, TheShippedListIsRead) {
    const RCPropsRead read = ReadRCProps(PROGRAM_FOLDER);
    ASSERT_TRUE(read.found);
    EXPECT_FALSE(read.error) << *read.error;
    EXPECT_GT(read.materials.size(), 10u);
}

TEST(CompoundRTest, LimitsAndTotalAsWorkedByHand) {
    // Studs (R 0.5) over 10 % and batts (R 2.0) over 90 %, on plasterboard R 0.1, films 0.12 each.
    // Upper: A = 2.34, B = 0.84, 100 / (90 / 2.34 + 10 / 0.84) = 1.985455.
    // Lower: a = 2.12, b = 0.62, 100 / (90 / 2.12 + 10 / 0.62) + 0.22 = 1.927013.
    // Total: d = 0.970563; 1.985455 d + 1.927013 (1 - d) = 1.983734; top layer 1.983734 - 0.34.
    const auto r = CalcTotR({2.0, 0.5, 0.1, 0.12, 0.12, 90.0, 10.0});
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->Upper, 1.985455, 1e-6);
    EXPECT_NEAR(r->Lower, 1.927013, 1e-6);
    EXPECT_NEAR(r->Total, 1.983734, 1e-6);
    EXPECT_NEAR(r->TopLayer, 1.643734, 1e-6);

    // The whole area in row 1: both limits ignore row 2.
    const auto whole = CalcTotR({2.0, 0.5, 0.1, 0.12, 0.12, 100.0, 0.0});
    ASSERT_TRUE(whole);
    EXPECT_NEAR(whole->Upper, 2.34, 1e-12);
    EXPECT_NEAR(whole->Lower, 2.34, 1e-12);
    // Equal rows: the limits agree and the total equals them.
    const auto equal = CalcTotR({1.5, 1.5, 0.2, 0.1, 0.04, 30.0, 70.0});
    ASSERT_TRUE(equal);
    EXPECT_NEAR(equal->Upper, 1.84, 1e-12);
    EXPECT_NEAR(equal->Lower, 1.84, 1e-12);
    EXPECT_NEAR(equal->Total, 1.84, 1e-12);
    // No area at all: no limits to show, rather than a division by zero.
    EXPECT_FALSE(CalcTotR({1.0, 1.0, 0.1, 0.1, 0.1, 0.0, 0.0}));
}

TEST(SunPositionTest, ClockTimesAndLatitudesAsTheToolTakesThem) {
    EXPECT_NEAR(ClockToHours(10.30), 10.5, 1e-12);
    EXPECT_NEAR(HoursToClock(10.5), 10.30, 1e-12);
    EXPECT_NEAR(HoursToClock(10.9925), 11.0, 1e-12); // 59.55 minutes count as the next hour
    EXPECT_NEAR(HoursToClock(10.99), 10.5940, 1e-9);
    EXPECT_EQ(UsableLatitude(0.0), 0.00001);
    EXPECT_EQ(UsableLatitude(90.0), 89.99999);
    EXPECT_EQ(UsableLatitude(-90.0), -89.99999);
    EXPECT_EQ(UsableLatitude(-27.5), -27.5);
    EXPECT_EQ(MonthLength(2), 28);
    EXPECT_EQ(MonthLength(11), 30);
}

TEST(SunPositionTest, TheStartingDayIsTheTenthOfOctober) {
    const SunPosition s = CalcSunPosition({});
    EXPECT_EQ(s.DayNumber, 283);
    EXPECT_NEAR(s.EquationOfTime * 60.0, 12.8, 0.1); // minutes
    char text[16];
    std::snprintf(text, sizeof text, "%5.2f", HoursToClock(s.SolarTime));
    EXPECT_STREQ(text, "10.13");
    // 15 degrees east of the clock's meridian: one hour later by the sun.
    SunPositionInput east;
    east.Longitude = 165.0;
    EXPECT_NEAR(CalcSunPosition(east).SolarTime - s.SolarTime, 1.0, 1e-12);
    // A month outside the year keeps the day number it had.
    SunPositionInput odd;
    odd.Month = 13;
    EXPECT_EQ(CalcSunPosition(odd, s).DayNumber, 283);
}

// The day of the year of a date in a common year, counted on the calendar month by month.
int calendarDay(int day, int month) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int count = day;
    for (int m = 1; m < month; ++m) count += kLengths[m - 1];
    return count;
}

TEST(SunPositionTest, TheDayNumberIsTheDayOfTheYear) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        for (int day : {1, kLengths[month - 1]}) {
            SunPositionInput in;
            in.Day = day;
            in.Month = month;
            EXPECT_EQ(CalcSunPosition(in).DayNumber, calendarDay(day, month)) << day << "/" << month;
        }
    }
}

// The astronomical almanac's low-precision sun (good to about 0.01 degree between 1950 and 2050):
// altitude and azimuth (from north, positive towards east) in degrees at a clock time of the zone.
struct AlmanacSun {
    double altitude, azimuth;
};
AlmanacSun almanac(int dayOfYear2027, double clockHours, double latitude, double longitude,
                   double zoneMeridian) {
    const double ut = clockHours - zoneMeridian / 15.0;            // h
    const double jd = 2461406.5 + (dayOfYear2027 - 1) + ut / 24.0; // 2027-01-01 0h UT is JD 2461406.5
    const double n = jd - 2451545.0;                               // days from J2000.0
    const double L = 280.460 + 0.9856474 * n;                      // mean longitude, deg
    const double g = (357.528 + 0.9856003 * n) * kDeg;             // mean anomaly
    const double lambda = (L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kDeg;
    const double epsilon = (23.439 - 0.0000004 * n) * kDeg;
    const double ra = std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
    const double dec = std::asin(std::sin(epsilon) * std::sin(lambda));
    const double gmst = 18.697374558 + 24.06570982441908 * n;    // h
    const double H = gmst * 15.0 * kDeg + longitude * kDeg - ra; // hour angle, west positive
    const double phi = latitude * kDeg;
    const double alt = std::asin(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(H));
    const double az = std::atan2(-std::sin(H), std::tan(dec) * std::cos(phi) - std::sin(phi) * std::cos(H));
    return {alt / kDeg, az / kDeg};
}

TEST(SunPositionTest, AgreesWithTheAlmanacForPlacesDatesAndTimes) {
    struct Case {
        const char* place;
        double latitude, longitude, meridian;
        int day, month;
        double clock; // h.mm
    };
    const Case cases[] = {
        {"Brisbane morning", -27.5, 153.0, 150.0, 10, 10, 10.00},
        {"Melbourne winter noon", -37.8, 145.0, 150.0, 21, 6, 12.00},
        {"Melbourne summer morning", -37.8, 145.0, 150.0, 15, 1, 8.30},
        {"Darwin afternoon", -12.46, 130.84, 142.5, 1, 3, 16.00},
        {"Hobart spring evening", -42.9, 147.3, 150.0, 20, 9, 17.15},
        {"Northern summer morning", 51.5, 0.0, 0.0, 21, 6, 9.00},
        {"Northern winter afternoon", 40.0, -3.7, 0.0, 5, 12, 14.40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        SunPositionInput in;
        in.Latitude = c.latitude;
        in.Longitude = c.longitude;
        in.TimeZone = c.meridian;
        in.Day = c.day;
        in.Month = c.month;
        in.LocalTime = ClockToHours(c.clock);
        const SunPosition s = CalcSunPosition(in);
        const AlmanacSun a =
            almanac(calendarDay(c.day, c.month), in.LocalTime, c.latitude, c.longitude, c.meridian);
        // The tool's series on a 366-day year stays within about half a degree of the almanac.
        EXPECT_NEAR(s.Altitude / kDeg, a.altitude, 0.6);
        double dAz = s.Azimuth / kDeg - a.azimuth;
        dAz = std::remainder(dAz, 360.0);
        EXPECT_NEAR(dAz, 0.0, 0.8);
    }
}

// Early on a summer morning at a high latitude the sun rises poleward of the east-west line, where
// the arcsine alone would put it on the equator's side; and in December the equation of time moves
// by half a minute a day, so one day too many or too few in the day table moves the sun by a tenth
// of a degree.  The days of the year are counted on the calendar here, not taken from a table.
TEST(SunPositionTest, AgreesCloselyWithTheAlmanacWhenTheSunRisesPolewardOfEast) {
    struct Case {
        const char* place;
        double latitude, longitude, meridian;
        int day, month, dayOfYear;
        double clock;                   // h.mm
        double altitudeTol, azimuthTol; // degrees
    };
    const Case cases[] = {
        // 15 December is the 16th day from the end of the year: 365 - 16 = 349.  The sun stands
        // 18 degrees south of east.
        {"Hobart, a December morning", -42.9, 147.3, 150.0, 15, 12, 349, 6.00, 0.02, 0.03},
        // 15 June: 31 + 28 + 31 + 30 + 31 + 15 = 166.  The sun stands 22 degrees north of east.
        {"55 degrees north, a June morning", 55.0, -3.0, 0.0, 15, 6, 166, 5.30, 0.02, 0.08},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        SunPositionInput in;
        in.Latitude = c.latitude;
        in.Longitude = c.longitude;
        in.TimeZone = c.meridian;
        in.Day = c.day;
        in.Month = c.month;
        in.LocalTime = ClockToHours(c.clock);
        const SunPosition s = CalcSunPosition(in);
        EXPECT_EQ(s.DayNumber, c.dayOfYear);
        const AlmanacSun a = almanac(c.dayOfYear, in.LocalTime, c.latitude, c.longitude, c.meridian);
        const bool poleward = c.latitude < 0.0 ? a.azimuth > 90.0 : a.azimuth < 90.0;
        ASSERT_TRUE(poleward && a.altitude > 0.0) << "the case is a sun up on the pole's side of east";
        EXPECT_NEAR(s.Altitude / kDeg, a.altitude, c.altitudeTol);
        EXPECT_NEAR(s.Azimuth / kDeg, a.azimuth, c.azimuthTol);
    }
}

} // namespace
