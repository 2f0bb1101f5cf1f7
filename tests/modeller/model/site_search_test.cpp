// The searches by postcode and by locality name: what each step shows and finds, and that the site
// changes on OK only, to a place that was found.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "modeller/model/model_error.h"
#include "modeller/model/site_search.h"
#include "site_fixture.h"

#include <tuple>

namespace pelmora {
namespace {

class SiteSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        site_test::writeSiteTables(folder.path());
        model = model_test::modelIn(folder.path());
    }
    // A site chosen earlier.
    void siteAt(const std::string& name, int postcode, int zone, double longitude, double latitude) {
        model->LocationName = name;
        model->Postcode = postcode;
        SetClimateZone(*model, zone);
        model->Longitude = longitude;
        model->Latitude = latitude;
    }
    void perth() { siteAt("PERTH", 6000, 62, 115.86, -31.95); }
    auto site() const {
        return std::tuple(model->LocationName, model->Postcode, model->Longitude, model->Latitude,
                          model->ClimateZone, model->ClimateFileName);
    }
    model_test::TempFolder folder;
    std::unique_ptr<HouseModel> model;
};

TEST_F(SiteSearchTest, TypedPostcodeIsShownAndBecomesTheSiteOnOK) {
    perth();
    PostcodeSearch search(*model);
    EXPECT_EQ(search.FormShow(), "6000");
    const auto before = site();
    search.PCEditChange("5000");
    const SiteSearchDisplay& d = search.display();
    EXPECT_EQ(d.ListBox1, (std::vector<std::string>{"ADELAIDE"}));
    EXPECT_EQ(d.ListIndex, 0);
    EXPECT_EQ(d.ClimLabels, (std::array<std::string, 3>{"climat05.TXT", "climat62.TXT", ""}));
    EXPECT_EQ(d.ClFileRG, 0);
    EXPECT_EQ(d.ClimNameLabel, "Alice Springs");
    EXPECT_EQ(d.LatLabel, " -34.9");
    EXPECT_EQ(d.LongLabel, " 138.6");
    EXPECT_EQ(site(), before) << "nothing is written while the user searches";

    EXPECT_TRUE(search.OKSBClick());
    EXPECT_EQ(model->Postcode, 5000);
    EXPECT_EQ(model->LocationName, "ADELAIDE");
    EXPECT_DOUBLE_EQ(model->Longitude, 138.60);
    EXPECT_DOUBLE_EQ(model->Latitude, -34.93);
    EXPECT_EQ(model->ClimateZone, 5);
    EXPECT_EQ(model->ClimateFileName, "climat05.TXT");
}

// Typing on after a place was found, to text that finds nothing, leaves nothing to take: OK is
// refused and the site stays, and what a later search finds is what OK takes.
TEST_F(SiteSearchTest, APostcodeNotFoundIsNeverTakenWithAnotherPlacesClimate) {
    for (const char* last : {"500", "abc", "99999", "1234", "7000", "", "-5", "99999999999"}) {
        perth();
        PostcodeSearch search(*model);
        search.FormShow();
        search.PCEditChange("5000");
        search.PCEditChange(last);
        EXPECT_FALSE(search.found()) << last;
        EXPECT_TRUE(search.display().LatLabel.empty()) << last;
        EXPECT_EQ(search.display().ClFileRG, -1) << last;
        EXPECT_FALSE(search.OKSBClick()) << last;
        EXPECT_EQ(model->Postcode, 6000) << last;
        EXPECT_EQ(model->LocationName, "PERTH") << last;
        EXPECT_EQ(model->ClimateFileName, "climat62.TXT") << last;
        EXPECT_DOUBLE_EQ(model->Latitude, -31.95) << last;
        EXPECT_NE(search.NotFoundText().find(std::string("\"") + last + "\""), std::string::npos)
            << search.NotFoundText();

        search.PCEditChange("2620");
        EXPECT_TRUE(search.OKSBClick()) << last;
        EXPECT_EQ(model->Postcode, 2620);
        EXPECT_EQ(model->LocationName, "QUEANBEYAN");
        EXPECT_EQ(model->ClimateZone, 28);
    }
}

TEST_F(SiteSearchTest, ClosingWithoutOKKeepsTheSite) {
    perth();
    const auto before = site();
    {
        PostcodeSearch search(*model);
        search.FormShow();
        search.PCEditChange("2620");
        search.ListBox1Click(1);
        search.ClFileRGClick(2);
    }
    EXPECT_EQ(site(), before);
    NameSearch search(*model);
    search.FormShow();
    search.LocationEditChange("SPRINGFIELD");
    search.ListBox1Click(1);
    EXPECT_EQ(site(), before);
}

TEST_F(SiteSearchTest, OKWithNothingChosenKeepsTheSite) {
    // A site whose postcode the tables do not hold, and a house without a site: OK after showing
    // closes and changes nothing.
    for (int postcode : {9999, 0}) {
        siteAt("NOWHERE", postcode, 62, 115.86, -31.95);
        const auto before = site();
        PostcodeSearch search(*model);
        search.FormShow();
        EXPECT_FALSE(search.found());
        EXPECT_TRUE(search.OKSBClick()) << postcode;
        EXPECT_EQ(site(), before);
    }
}

TEST_F(SiteSearchTest, RadioChoiceAmongTwoAndThreeZones) {
    PostcodeSearch search(*model);
    search.FormShow();
    search.PCEditChange("5000");
    struct Step {
        int item, selected, zone;
    };
    // Two zones: the third item falls back to the first.
    for (const Step& s : {Step{1, 1, 62}, Step{2, 0, 5}, Step{1, 1, 62}, Step{0, 0, 5}}) {
        search.ClFileRGClick(s.item);
        EXPECT_EQ(search.display().ClFileRG, s.selected) << s.item;
        EXPECT_EQ(search.found()->ClimateZone, s.zone) << s.item;
    }
    EXPECT_EQ(search.display().ClimNameLabel, "Alice Springs");
    search.PCEditChange("2620");
    EXPECT_EQ(search.found()->ClimateZone, 28) << "a new postcode starts from its first zone";
    for (const Step& s : {Step{2, 2, 29}, Step{1, 1, 24}, Step{0, 0, 28}, Step{2, 2, 29}}) {
        search.ClFileRGClick(s.item);
        EXPECT_EQ(search.display().ClFileRG, s.selected);
        EXPECT_EQ(search.found()->ClimateZone, s.zone);
    }
    EXPECT_EQ(search.display().ClimNameLabel, "Goulburn");
    EXPECT_TRUE(search.OKSBClick());
    EXPECT_EQ(model->ClimateZone, 29);
    EXPECT_EQ(model->ClimateFileName, "climat29.TXT");
    search.PCEditChange("6000");
    search.ClFileRGClick(2);
    EXPECT_EQ(search.display().ClFileRG, 0) << "one zone: always the first item";
    EXPECT_EQ(search.found()->ClimateZone, 62);
}

TEST_F(SiteSearchTest, ReopeningShowsTheLocalityAndZoneChosenEarlier) {
    siteAt("GOOGONG", 2620, 24, 149.23, -35.35);
    const auto before = site();
    PostcodeSearch search(*model);
    EXPECT_EQ(search.FormShow(), "2620");
    EXPECT_EQ(search.display().ListIndex, 1);
    EXPECT_EQ(search.display().ClFileRG, 1);
    EXPECT_FALSE(search.FirstChange);
    // A later change starts a new choice.
    search.PCEditChange("262");
    search.PCEditChange("2620");
    EXPECT_EQ(search.found()->LocationName, "QUEANBEYAN");
    EXPECT_EQ(search.found()->ClimateZone, 28);
    EXPECT_EQ(search.display().ListIndex, 0);
    EXPECT_EQ(site(), before);
}

TEST_F(SiteSearchTest, ClickedLocalityBecomesTheLocation) {
    PostcodeSearch search(*model);
    search.FormShow();
    search.PCEditChange("6000");
    search.ListBox1Click(1);
    EXPECT_EQ(search.display().ListIndex, 1);
    EXPECT_TRUE(search.OKSBClick());
    EXPECT_EQ(model->LocationName, "EAST PERTH");
    EXPECT_EQ(model->ClimateFileName, "climat62.TXT");
    EXPECT_DOUBLE_EQ(model->Latitude, -31.95);
}

TEST_F(SiteSearchTest, PostcodeWithoutZonesShowsNone) {
    PostcodeSearch search(*model);
    search.FormShow();
    search.PCEditChange("7000");
    EXPECT_EQ(search.display().ClimLabels[0], kNoClimateZone);
    EXPECT_EQ(search.display().ClFileRG, -1);
    EXPECT_EQ(search.display().ClimNameLabel, "");
    EXPECT_FALSE(search.found());
}

TEST_F(SiteSearchTest, NameFindsEveryPostcodeOfThatExactName) {
    perth();
    NameSearch search(*model);
    search.FormShow();
    search.LocationEditChange("SPRINGFIELD");
    const SiteSearchDisplay& d = search.display();
    EXPECT_EQ(d.ListBox1, (std::vector<std::string>{"4300", "2250"}));
    EXPECT_EQ(d.ListIndex, 0);
    EXPECT_EQ(d.PCLabel, "4300");
    EXPECT_EQ(d.ClimNameLabel, "Brisbane");
    EXPECT_EQ(search.found(), (FoundSite{"SPRINGFIELD", 4300, 152.90, -27.65, 18}));

    search.ListBox1Click(1);
    EXPECT_EQ(d.ClimLabels, (std::array<std::string, 3>{"climat23.TXT", "climat25.TXT", ""}));
    EXPECT_EQ(d.ClFileRG, 0);
    EXPECT_EQ(d.PCLabel, "2250");
    search.ClFileRGClick(1);
    EXPECT_EQ(d.ClimNameLabel, "Newcastle");
    EXPECT_EQ(model->Postcode, 6000) << "not before OK";
    EXPECT_TRUE(search.OKSBClick());
    EXPECT_EQ(model->LocationName, "SPRINGFIELD");
    EXPECT_EQ(model->Postcode, 2250);
    EXPECT_EQ(model->ClimateZone, 25);
    EXPECT_EQ(model->ClimateFileName, "climat25.TXT");
    EXPECT_DOUBLE_EQ(model->Longitude, 151.32);
}

TEST_F(SiteSearchTest, NameInOtherLetterCaseOrUnknownFindsNothingAndIsNotTaken) {
    perth();
    const auto before = site();
    NameSearch search(*model);
    search.FormShow();
    for (const char* name : {"springfield", "Perth", "NOWHERE"}) {
        search.LocationEditChange(name);
        EXPECT_TRUE(search.display().ListBox1.empty()) << name;
        EXPECT_FALSE(search.found()) << name;
        EXPECT_FALSE(search.OKSBClick()) << name;
        EXPECT_EQ(site(), before) << "the typed name is not stored with Perth's climate";
    }
}

TEST_F(SiteSearchTest, NameDialogReopensOnThePostcodeAndZoneChosenEarlier) {
    siteAt("SPRINGFIELD", 2250, 25, 151.32, -33.5);
    NameSearch search(*model);
    EXPECT_EQ(search.FormShow(), "SPRINGFIELD");
    EXPECT_EQ(search.display().ListIndex, 1);
    EXPECT_EQ(search.display().ClFileRG, 1);
    EXPECT_EQ(search.found()->Postcode, 2250);
    EXPECT_EQ(search.found()->ClimateZone, 25);
    // A later change takes the first postcode and its first zone.
    search.LocationEditChange("SPRINGFIELD");
    EXPECT_EQ(search.found()->Postcode, 4300);
    EXPECT_EQ(search.found()->ClimateZone, 18);
    EXPECT_EQ(model->Postcode, 2250);
}

TEST_F(SiteSearchTest, AMissingTableIsReportedAndChangesNothing) {
    perth();
    PostcodeSearch search(*model);
    search.FormShow();
    std::filesystem::remove(folder.path() / "Data/CLIMPC.TXT");
    const std::string error = model_test::modelErrorOf([&] { search.PCEditChange("5000"); });
    EXPECT_NE(error.find("CLIMPC.TXT"), std::string::npos) << error;
    EXPECT_FALSE(search.OKSBClick());
    EXPECT_EQ(model->Postcode, 6000);
    EXPECT_EQ(model->ClimateZone, 62);
}

} // namespace
} // namespace pelmora
