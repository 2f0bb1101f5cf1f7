// The searches by postcode and by locality name: what each step writes into the site, and what the
// dialogs show.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "modeller/model/model_error.h"
#include "modeller/model/site_search.h"
#include "site_fixture.h"

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
    model_test::TempFolder folder;
    std::unique_ptr<HouseModel> model;
};

TEST_F(SiteSearchTest, TypedPostcodeSetsTheWholeSite) {
    PostcodeSearch search(*model);
    EXPECT_EQ(search.FormShow(), "") << "no postcode yet";
    search.PCEditChange("5000");
    const SiteSearchDisplay& d = search.display();
    EXPECT_EQ(model->Postcode, 5000);
    EXPECT_EQ(model->LocationName, "ADELAIDE");
    EXPECT_DOUBLE_EQ(model->Longitude, 138.60);
    EXPECT_DOUBLE_EQ(model->Latitude, -34.93);
    EXPECT_EQ(model->ClimateZone, 5);
    EXPECT_EQ(model->ClimateFileName, "climat05.TXT");
    EXPECT_EQ(d.ListBox1, (std::vector<std::string>{"ADELAIDE"}));
    EXPECT_EQ(d.ListIndex, 0);
    EXPECT_EQ(d.ClimLabels, (std::array<std::string, 3>{"climat05.TXT", "climat62.TXT", ""}));
    EXPECT_EQ(d.ClFileRG, 0);
    EXPECT_EQ(d.ClimNameLabel, "Alice Springs");
    EXPECT_EQ(d.LatLabel, " -34.9");
    EXPECT_EQ(d.LongLabel, " 138.6");
    EXPECT_TRUE(d.SiteShown);
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
        EXPECT_EQ(model->ClimateZone, s.zone) << s.item;
        EXPECT_EQ(model->ClimateFileName, ClimateFileNameOf(s.zone));
    }
    EXPECT_EQ(search.display().ClimNameLabel, "Alice Springs");
    search.PCEditChange("2620");
    EXPECT_EQ(model->ClimateZone, 28) << "a new postcode starts from its first zone";
    for (const Step& s : {Step{2, 2, 29}, Step{1, 1, 24}, Step{0, 0, 28}}) {
        search.ClFileRGClick(s.item);
        EXPECT_EQ(search.display().ClFileRG, s.selected);
        EXPECT_EQ(model->ClimateZone, s.zone);
    }
    EXPECT_EQ(search.display().ClimNameLabel, "Canberra");
    search.PCEditChange("6000");
    search.ClFileRGClick(2);
    EXPECT_EQ(search.display().ClFileRG, 0) << "one zone: always the first item";
    EXPECT_EQ(model->ClimateZone, 62);
}

TEST_F(SiteSearchTest, ReopeningKeepsTheLocalityAndZoneChosenEarlier) {
    siteAt("GOOGONG", 2620, 24, 149.23, -35.35);
    PostcodeSearch search(*model);
    EXPECT_EQ(search.FormShow(), "2620");
    EXPECT_EQ(search.display().ListIndex, 1);
    EXPECT_EQ(search.display().ClFileRG, 1);
    EXPECT_EQ(model->LocationName, "GOOGONG");
    EXPECT_EQ(model->ClimateZone, 24);
    EXPECT_FALSE(search.FirstChange);
    // A later change starts a new choice.
    search.PCEditChange("262");
    search.PCEditChange("2620");
    EXPECT_EQ(model->LocationName, "QUEANBEYAN");
    EXPECT_EQ(model->ClimateZone, 28);
    EXPECT_EQ(search.display().ListIndex, 0);
}

TEST_F(SiteSearchTest, ClickedLocalityBecomesTheLocation) {
    PostcodeSearch search(*model);
    search.FormShow();
    search.PCEditChange("6000");
    search.ListBox1Click(1);
    EXPECT_EQ(model->LocationName, "EAST PERTH");
    EXPECT_EQ(search.display().ListIndex, 1);
    EXPECT_EQ(model->ClimateFileName, "climat62.TXT");
    EXPECT_DOUBLE_EQ(model->Latitude, -31.95);
}

TEST_F(SiteSearchTest, TextThatIsNoPostcodeKeepsTheSite) {
    for (const char* text : {"", "abc", "60a0", "12.5", "-5", "99999999999"}) {
        siteAt("PERTH", 6000, 62, 115.86, -31.95);
        PostcodeSearch search(*model);
        search.FormShow();
        search.PCEditChange(text);
        EXPECT_EQ(model->Postcode, 6000) << text;
        EXPECT_EQ(model->LocationName, "PERTH");
        EXPECT_EQ(model->ClimateFileName, "climat62.TXT");
        EXPECT_EQ(search.display().ClimLabels[0], kNoClimateZone);
        EXPECT_TRUE(search.display().ListBox1.empty());
        EXPECT_TRUE(search.display().LatLabel.empty());
        EXPECT_FALSE(search.display().SiteShown) << "a later change clears the site labels";
    }
}

TEST_F(SiteSearchTest, PostcodeNotFoundOrWithoutZones) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    PostcodeSearch search(*model);
    search.FormShow();
    search.PCEditChange("1234");
    EXPECT_EQ(model->Postcode, 1234) << "the typed postcode is kept";
    EXPECT_EQ(model->LocationName, "PERTH");
    EXPECT_EQ(model->ClimateZone, 62);
    EXPECT_DOUBLE_EQ(model->Longitude, 115.86);
    EXPECT_TRUE(search.display().ListBox1.empty());

    search.PCEditChange("7000");
    EXPECT_EQ(model->Postcode, 7000);
    EXPECT_EQ(search.display().ClimLabels[0], kNoClimateZone);
    EXPECT_EQ(search.display().ClFileRG, -1);
    EXPECT_EQ(search.display().ClimNameLabel, "");
    EXPECT_EQ(model->ClimateFileName, "climat62.TXT") << "no zone to take";
    EXPECT_DOUBLE_EQ(model->Latitude, -31.95);
}

TEST_F(SiteSearchTest, NameFindsEveryPostcodeOfThatExactName) {
    NameSearch search(*model);
    search.FormShow();
    search.LocationEditChange("SPRINGFIELD");
    const SiteSearchDisplay& d = search.display();
    EXPECT_EQ(d.ListBox1, (std::vector<std::string>{"4300", "2250"}));
    EXPECT_EQ(d.ListIndex, 0);
    EXPECT_EQ(model->LocationName, "SPRINGFIELD");
    EXPECT_EQ(model->Postcode, 4300);
    EXPECT_EQ(model->ClimateZone, 18);
    EXPECT_EQ(d.PCLabel, "4300");
    EXPECT_EQ(d.ClimNameLabel, "Brisbane");
    EXPECT_DOUBLE_EQ(model->Latitude, -27.65);
    EXPECT_TRUE(d.SiteShown);

    search.ListBox1Click(1);
    EXPECT_EQ(model->Postcode, 2250);
    EXPECT_EQ(model->ClimateZone, 23);
    EXPECT_EQ(model->ClimateFileName, "climat23.TXT");
    EXPECT_EQ(d.ClimLabels, (std::array<std::string, 3>{"climat23.TXT", "climat25.TXT", ""}));
    EXPECT_EQ(d.ClFileRG, 0);
    EXPECT_DOUBLE_EQ(model->Longitude, 151.32);
    search.ClFileRGClick(1);
    EXPECT_EQ(model->ClimateZone, 25);
    EXPECT_EQ(d.ClimNameLabel, "Newcastle");
}

TEST_F(SiteSearchTest, NameInOtherLetterCaseOrUnknownFindsNothing) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    NameSearch search(*model);
    search.FormShow();
    for (const char* name : {"springfield", "Perth", "NOWHERE"}) {
        search.LocationEditChange(name);
        EXPECT_TRUE(search.display().ListBox1.empty()) << name;
        EXPECT_EQ(model->LocationName, name) << "the typed name is the location";
        EXPECT_EQ(model->Postcode, 6000);
        EXPECT_EQ(model->ClimateZone, 62);
        EXPECT_FALSE(search.display().SiteShown);
    }
}

TEST_F(SiteSearchTest, NameDialogReopensOnThePostcodeAndZoneChosenEarlier) {
    siteAt("SPRINGFIELD", 2250, 25, 151.32, -33.5);
    NameSearch search(*model);
    EXPECT_EQ(search.FormShow(), "SPRINGFIELD");
    EXPECT_EQ(search.display().ListIndex, 1);
    EXPECT_EQ(search.display().ClFileRG, 1);
    EXPECT_EQ(model->Postcode, 2250);
    EXPECT_EQ(model->ClimateZone, 25);
    // A later change takes the first postcode and its first zone.
    search.LocationEditChange("SPRINGFIELD");
    EXPECT_EQ(model->Postcode, 4300);
    EXPECT_EQ(model->ClimateZone, 18);
}

TEST_F(SiteSearchTest, AMissingTableIsReportedAndChangesNothing) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    PostcodeSearch search(*model);
    search.FormShow();
    std::filesystem::remove(folder.path() / "Data/CLIMPC.TXT");
    const std::string error = model_test::modelErrorOf([&] { search.PCEditChange("5000"); });
    EXPECT_NE(error.find("CLIMPC.TXT"), std::string::npos) << error;
    EXPECT_EQ(model->Postcode, 6000);
    EXPECT_EQ(model->ClimateZone, 62);
}

} // namespace
} // namespace pelmora
