// What the location dialog draws over its map and reads out under the pointer.
#include <gtest/gtest.h>

#include "modeller/model/location_map.h"

namespace pelmora {
namespace {

TEST(LocationMapViews, ShowingOneClimateViewSwitchesTheOtherOff) {
    LocationMapViews v;
    EXPECT_EQ(v.allClimatesCaption(), "All Climates");
    v.toggleAllClimates();
    EXPECT_TRUE(v.AllClimates);
    EXPECT_EQ(v.allClimatesCaption(), "Hide Climates");
    v.toggleCities();
    v.toggleCurrentClimate();
    EXPECT_TRUE(v.CurrentClimate);
    EXPECT_FALSE(v.AllClimates);
    EXPECT_TRUE(v.Cities) << "the cities are not a climate view";
    EXPECT_EQ(v.currentClimateCaption(), "Hide Climate");
    EXPECT_EQ(v.citiesCaption(), "Hide Cities");
    v.toggleCurrentClimate();
    EXPECT_FALSE(v.CurrentClimate);
    EXPECT_FALSE(v.AllClimates) << "hiding one does not bring the other back";
}

TEST(LocationMapMarks, ClimateMarksByTheFirstZoneOfEachPostcode) {
    const std::vector<ClimatePostcode> postcodes{
        {115.86, -31.95, 62}, {138.60, -34.93, 5}, {147.33, -42.88, 0}, {116.0, -32.0, 62}};
    const auto all = AllClimateMarks(postcodes);
    ASSERT_EQ(all.size(), 3u) << "a postcode without a zone draws nothing";
    EXPECT_EQ(all[1].zone, 5);
    EXPECT_EQ(all[1].at, MapPosition(138.60, -34.93));
    const auto current = CurrentClimateMarks(postcodes, "climat62.TXT");
    ASSERT_EQ(current.size(), 2u);
    EXPECT_EQ(current[0].at, MapPosition(115.86, -31.95));
    EXPECT_TRUE(CurrentClimateMarks(postcodes, "").empty());
}

TEST(LocationMapLegend, ZonesOneToThirtyFiveLeftAndTheRestRight) {
    EXPECT_EQ(LegendPosition(1), (MapPixel{15, 33}));
    EXPECT_EQ(LegendPosition(35), (MapPixel{15, 475}));
    EXPECT_EQ(LegendPosition(36), (MapPixel{125, 33}));
    EXPECT_EQ(LegendPosition(69), (MapPixel{125, 462}));
}

TEST(LocationMapCities, LabelsStandWhereTheirCodeSays) {
    const MapPixel city{100, 200};
    struct Case {
        int code;
        MapPixel at;
    };
    // A label 41 px wide: half of it is 20.5, which goes to the even 20.
    for (const Case& c : {Case{1, {103, 192}}, Case{2, {54, 192}}, Case{3, {80, 202}}, Case{4, {80, 182}},
                          Case{5, {54, 196}}, Case{9, {103, 192}}})
        EXPECT_EQ(CityLabelPosition(c.code, city, 41), c.at) << c.code;
    EXPECT_EQ(CityDotRadius(1), 4);
    EXPECT_EQ(CityDotRadius(2), 2);
    EXPECT_EQ(CityLabelSize(1), 11);
    EXPECT_EQ(CityLabelSize(2), 9);
}

TEST(LocationMapReadout, PointerPositionAndZoneUnderIt) {
    EXPECT_EQ(MapPositionReadout(554, 358), "   Latitude: 33.87       Longitude: 150.00");
    EXPECT_EQ(MapPositionReadout(0, 0), "   Latitude: 10.00       Longitude: 113.07");
    TClimateZoneNames names{};
    names(7) = "Weipa";
    EXPECT_EQ(ClimateZoneReadout(7, names), " Climate file climat07.TXT   Weipa");
}

} // namespace
} // namespace pelmora
