// The location dialog with its map, and the searches by postcode and by name beside it: what they
// show, what they write into the site and onto the main window's project line.
#include "site_forms_fixture.h"

#include "modeller/model/location_map.h"

#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <set>
#include <tuple>

namespace site_test {
namespace {

using namespace pelmora;

MapColour colourAt(TLocationForm& form, double longitude, double latitude, int dx = 0, int dy = 0) {
    const MapPixel p = MapPosition(longitude, latitude);
    return form.PaintBox1->pixelColour(p.x + dx, p.y + dy);
}

std::string text(const QLabel& label) {
    return label.text().toStdString();
}

TEST_F(SiteFormsTest, LocationDialogShowsTheSiteAndSetsTheShielding) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    model().ShieldingFactor = 0.5;
    location().show();
    EXPECT_EQ(text(*location().LocationLabel), "PERTH");
    EXPECT_EQ(text(*location().PCLabel), "6000");
    EXPECT_EQ(text(*location().LatLabel), " -31.9");
    EXPECT_EQ(text(*location().LongLabel), " 115.9");
    EXPECT_EQ(text(*location().ClimateFileLabel), "climat62.TXT");
    EXPECT_EQ(location().ShieldingCB->currentText(), "Suburban") << "0.5 lies between Suburban and Open";
    model().ResultsCurrent = true;
    location().ShieldingCB->setCurrentIndex(0);
    emit location().ShieldingCB->activated(0);
    EXPECT_DOUBLE_EQ(model().ShieldingFactor, 0.88) << "written at once";
    EXPECT_FALSE(model().ResultsCurrent);
    location().ShieldingCB->setCurrentIndex(3);
    location().OKSBClick();
    EXPECT_FALSE(location().isVisible());
    EXPECT_DOUBLE_EQ(model().ShieldingFactor, 0.31);

    // A stored factor above every item selects none, and closing keeps it.
    model().ShieldingFactor = 0.95;
    model().Postcode = 0;
    model().Latitude = 0.0;
    location().show();
    EXPECT_EQ(location().ShieldingCB->currentIndex(), -1);
    EXPECT_EQ(text(*location().PCLabel), "");
    EXPECT_EQ(text(*location().LatLabel), "") << "blank when exactly 0";
    location().OKSBClick();
    EXPECT_DOUBLE_EQ(model().ShieldingFactor, 0.95);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SiteFormsTest, MapMarksTheSiteAndReadsOutTheClimateZoneUnderThePointer) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    location().show();
    EXPECT_EQ(colourAt(location(), 115.86, -31.95), (MapColour{255, 83, 0}));
    EXPECT_EQ(colourAt(location(), 115.86, -31.95, 5, 0), (MapColour{0, 0, 0})) << "the dot's outline";
    EXPECT_EQ(colourAt(location(), 138.60, -34.93), kMapSea);

    location().AllClimatesClick();
    EXPECT_EQ(location().AllClimates->text(), "Hide Climates");
    EXPECT_TRUE(location().LegendPanel->isVisible());
    EXPECT_EQ(location().LegendPanel->entries().size(), 69u);
    EXPECT_EQ(colourAt(location(), 138.60, -34.93), ClimateZoneColours[5]) << "Adelaide's first zone";
    const MapPixel adelaide = MapPosition(138.60, -34.93);
    location().PaintBox1MouseMove({adelaide.x, adelaide.y});
    EXPECT_EQ(statusPanel(1), " Climate file climat05.TXT   Alice Springs");
    EXPECT_EQ(statusPanel(0), MapPositionReadout(adelaide.x, adelaide.y));
    location().PaintBox1MouseMove({5, 5});
    EXPECT_EQ(statusPanel(1), "") << "the sea is no climate";

    location().CurrentClimateClick();
    EXPECT_FALSE(location().Views.AllClimates) << "one climate view at a time";
    EXPECT_FALSE(location().LegendPanel->isVisible());
    ASSERT_EQ(location().SingleLegendPanel->entries().size(), 1u);
    EXPECT_EQ(location().SingleLegendPanel->entries()[0].zone, 62);
    EXPECT_EQ(colourAt(location(), 138.60, -34.93), kMapSea) << "not of the current climate";
    EXPECT_EQ(colourAt(location(), 115.86, -31.95), (MapColour{255, 83, 0})) << "the dot is drawn last";
    EXPECT_EQ(colourAt(location(), 115.86, -31.95, 0, 7), kMapSea);

    location().ShowCitiesClick();
    EXPECT_EQ(location().ShowCities->text(), "Hide Cities");
    EXPECT_EQ(colourAt(location(), 149.13, -35.28), (MapColour{0, 0, 0})) << "Canberra's dot";
    EXPECT_EQ(colourAt(location(), 120.0, -17.0), kGridColour) << "the meridian of 120 degrees";
    location().CurrentClimateClick();
    location().AllClimatesClick();
    // Drawn without antialiasing: every pixel has one of the drawn colours.
    std::set<std::tuple<int, int, int>> allowed{{0, 0, 0},
                                                {255, 255, 255},
                                                {121, 121, 121},
                                                {255, 83, 0},
                                                {kMapSea.red, kMapSea.green, kMapSea.blue}};
    for (int zone = 1; zone <= kClimateZoneCount; ++zone) {
        const MapColour c = ClimateZoneColours[static_cast<std::size_t>(zone)];
        allowed.insert({c.red, c.green, c.blue});
    }
    for (int x = 0; x < kMapWidth; ++x)
        for (int y = 0; y < kMapHeight; ++y) {
            const MapColour c = location().PaintBox1->pixelColour(x, y);
            ASSERT_TRUE(allowed.count({c.red, c.green, c.blue})) << x << " " << y;
        }
}

TEST_F(SiteFormsTest, SearchByPostcodeShowsItsChoiceAndWritesTheSiteOnOK) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    model().ResultsCurrent = true;
    location().show();
    location().SearchPostCodeSBClick();
    TPCLocationForm& pc = *PCLocationForm;
    ASSERT_TRUE(pc.isVisible());
    EXPECT_EQ(pc.PCEdit->text(), "6000");
    EXPECT_EQ(pc.ListBox1->count(), 2);
    EXPECT_EQ(pc.ListBox1->currentRow(), 0);
    EXPECT_EQ(pc.CancelSB->text(), "Cancel");

    pc.PCEdit->setText("5000");
    EXPECT_EQ(text(*pc.LatLabel), " -34.9");
    EXPECT_EQ(text(*pc.Clim2Label), "climat62.TXT");
    EXPECT_EQ(text(*pc.ClimNameLabel), "Alice Springs");
    pc.ClFileRG->item(1)->click();
    EXPECT_EQ(text(*pc.ClimNameLabel), "Perth");
    pc.ClFileRG->item(2)->click();
    EXPECT_EQ(pc.ClFileRG->itemIndex(), 0) << "two zones: the third item falls back to the first";
    // The search's choice is not yet the site: the house, the location dialog and the project line
    // keep Perth.
    EXPECT_TRUE(model().ResultsCurrent);
    EXPECT_EQ(model().Postcode, 6000);
    EXPECT_EQ(text(mainLocation), "PERTH");
    EXPECT_EQ(text(mainClimate), "climat62.TXT");
    EXPECT_EQ(text(*location().LatLabel), " -31.9");
    EXPECT_EQ(colourAt(location(), 115.86, -31.95), (MapColour{255, 83, 0}));

    pc.OKSBClick();
    EXPECT_FALSE(pc.isVisible());
    EXPECT_FALSE(model().ResultsCurrent) << "a new site leaves the results behind";
    EXPECT_EQ(model().Postcode, 5000);
    EXPECT_EQ(model().ClimateZone, 5);
    EXPECT_EQ(text(mainLocation), "ADELAIDE");
    EXPECT_EQ(text(mainPostcode), "5000");
    EXPECT_EQ(text(mainClimate), "climat05.TXT");
    EXPECT_EQ(text(*location().LatLabel), " -34.9");
    EXPECT_EQ(colourAt(location(), 138.60, -34.93), (MapColour{255, 83, 0})) << "the dot moved";
    EXPECT_EQ(colourAt(location(), 115.86, -31.95), kMapSea);
    EXPECT_TRUE(messages.shown.empty());

    location().SearchNameSBClick();
    EXPECT_FALSE(pc.isVisible()) << "one search at a time";
    EXPECT_TRUE(NameLocationForm->isVisible());
}

// A new user types a postcode, corrects it, types letters and an unknown postcode: Escape keeps the
// site, and OK on text that found nothing is refused with a message until a place is found.
TEST_F(SiteFormsTest, ThePostcodeSearchKeepsTheSiteUntilOKTakesAPlaceFound) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    model().ResultsCurrent = true;
    location().show();
    location().SearchPostCodeSBClick();
    TPCLocationForm& pc = *PCLocationForm;
    for (const char* typed : {"5000", "500", "abc", "99999"}) pc.PCEdit->setText(typed);
    QTest::keyClick(&pc, Qt::Key_Escape);
    EXPECT_FALSE(pc.isVisible());
    EXPECT_EQ(model().Postcode, 6000);
    EXPECT_EQ(model().LocationName, "PERTH");
    EXPECT_EQ(model().ClimateFileName, "climat62.TXT");
    EXPECT_DOUBLE_EQ(model().Latitude, -31.95);
    EXPECT_EQ(text(mainPostcode), "6000");
    EXPECT_TRUE(model().ResultsCurrent);
    EXPECT_TRUE(messages.shown.empty());

    location().SearchPostCodeSBClick();
    pc.PCEdit->setText("99999");
    pc.OKSBClick();
    EXPECT_TRUE(pc.isVisible()) << "nothing found: the dialog stays open";
    ASSERT_EQ(messages.informations().size(), 1u);
    EXPECT_TRUE(messages.informations()[0].contains("99999")) << messages.informations()[0].toStdString();
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(model().Postcode, 6000);
    EXPECT_EQ(model().ClimateFileName, "climat62.TXT");

    pc.PCEdit->setText("2620");
    QTest::keyClick(&pc, Qt::Key_Return);
    EXPECT_FALSE(pc.isVisible());
    EXPECT_EQ(model().Postcode, 2620);
    EXPECT_EQ(model().LocationName, "QUEANBEYAN");
    EXPECT_EQ(model().ClimateFileName, "climat28.TXT");
    EXPECT_EQ(text(mainLocation), "QUEANBEYAN");
    EXPECT_FALSE(model().ResultsCurrent);
}

TEST_F(SiteFormsTest, NameSearchOpenedOnItsOwnIsModalAndPicksAPostcode) {
    NameLocationForm->setModal(true);
    QTimer::singleShot(0, NameLocationForm.get(), [this] {
        TNameLocationForm& name = *NameLocationForm;
        name.LocationEdit->setText("SPRINGFIELD");
        name.ListBox1->setCurrentRow(1);
        name.ClFileRG->item(1)->click();
        name.OKSBClick();
    });
    NameLocationForm->exec();
    EXPECT_EQ(model().LocationName, "SPRINGFIELD");
    EXPECT_EQ(model().Postcode, 2250);
    EXPECT_EQ(model().ClimateZone, 25);
    EXPECT_EQ(text(*NameLocationForm->PCLabel), "2250");
    EXPECT_EQ(text(mainLocation), "SPRINGFIELD");
    EXPECT_EQ(text(mainPostcode), "2250");
    EXPECT_EQ(text(mainClimate), "climat25.TXT");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SiteFormsTest, AMissingTableIsShownInTheErrorBoxAndTheSiteStays) {
    siteAt("PERTH", 6000, 62, 115.86, -31.95);
    std::filesystem::remove(folder.path() / "Data/CLIMPC.TXT");
    PCLocationForm->show();
    PCLocationForm->PCEdit->setText("5000");
    ASSERT_FALSE(messages.errors().empty());
    EXPECT_TRUE(messages.errors().back().contains("CLIMPC.TXT")) << messages.errors().back().toStdString();
    EXPECT_EQ(model().Postcode, 6000);
    EXPECT_EQ(model().ClimateFileName, "climat62.TXT");
}

} // namespace
} // namespace site_test
