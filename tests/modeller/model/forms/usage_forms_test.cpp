// The water and energy usage dialogs: the zone they show, the captions their buttons show in the
// profile panel, the non-zonal dialogs, and that nothing typed into them reaches the house.
#include "modeller/model/forms/energy_forms.h"
#include "modeller/model/forms/source_forms.h"
#include "modeller/model/forms/water_forms.h"
#include "modeller/model/forms/zone_panel.h"
#include "modeller/model/house_file.h"

#include "forms_fixture.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {

using namespace pelmora;
using forms_test::HouseTest;

platform::SpeedButton* buttonOn(QTabWidget& pages, const UsageButtons& buttons, const QString& page,
                                const QString& caption) {
    for (int i = 0; i < pages.count(); ++i) {
        if (pages.tabText(i) != page) continue;
        pages.setCurrentIndex(i);
        for (platform::SpeedButton* b : buttons)
            if (b->text() == caption && pages.widget(i)->isAncestorOf(b)) return b;
    }
    ADD_FAILURE() << "no button " << caption.toStdString() << " on " << page.toStdString();
    return nullptr;
}

// The text of the visible labels of `dialog` that tell the user its values are not simulated.
QStringList notSimulatedNotes(const QWidget& dialog) {
    QStringList notes;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisible() && label->text().contains("not simulated", Qt::CaseInsensitive))
            notes << label->text();
    return notes;
}

class UsageFormsTest : public HouseTest {
  protected:
    std::int32_t currentZone = 3;
    TApplianceForm appliances{*model, services, currentZone};
    TNonZonalEnergyForm nonZonal{*model, services, &appliances};
    TWaterForm water{*model, services, currentZone};
    TNonZonalWaterForm nonZonalWater{services};
};

// The figures these dialogs take are never computed nor simulated: each says so where the user types.
TEST_F(UsageFormsTest, TheDialogsThatTakeFiguresSayTheyAreNotSimulated) {
    for (QDialog* dialog : std::initializer_list<QDialog*>{&water, &appliances, &nonZonal}) {
        dialog->show();
        const QStringList notes = notSimulatedNotes(*dialog);
        ASSERT_EQ(notes.size(), 1) << dialog->windowTitle().toStdString();
        EXPECT_TRUE(notes[0].contains("rating")) << notes[0].toStdString();
        dialog->hide();
    }
}

TEST_F(UsageFormsTest, TheZoneDialogsShowThePlansZoneAndBrowseTheOthers) {
    appliances.FormShow();
    EXPECT_EQ(model->DisplayZone, 3);
    EXPECT_EQ(appliances.ZoneInfo->ZoneLabel->text(), "Zone 3");
    EXPECT_EQ(appliances.ZoneInfo->NameLabel->text(), "Bed 1");
    EXPECT_EQ(appliances.ZoneInfo->ZoneNumUpDown->maximum(), 6);
    appliances.ZoneInfo->ZoneNumUpDown->setValue(5);
    EXPECT_EQ(model->DisplayZone, 5);
    EXPECT_EQ(appliances.ZoneInfo->NameLabel->text(), "Garage");

    currentZone = 0; // "All Zones" on the plan: the first zone
    water.FormShow();
    EXPECT_EQ(model->DisplayZone, 1);
    EXPECT_EQ(water.ZoneInfo->NameLabel->text(), "Lounge");
}

TEST_F(UsageFormsTest, AUsageButtonShowsItsCaptionUntilThePageChanges) {
    appliances.show();
    EXPECT_FALSE(appliances.ProfilePanel->isVisible()) << "hidden at every showing";
    struct Case {
        const char* page;
        const char* button;
        const char* shows;
    };
    for (const Case& c : {Case{"Cooking", "Fry Pan", "Other Cooking"}, Case{"Cooking", "Toaster", "Toaster"},
                          Case{"Appliances", "Iron", "Other Appliance"}}) {
        buttonOn(*appliances.PageControl1, appliances.UsageSB, c.page, c.button)->click();
        EXPECT_TRUE(appliances.ProfilePanel->isVisible()) << c.button;
        EXPECT_EQ(appliances.ProfileLabel->text(), c.shows) << c.button;
        EXPECT_EQ(model->UsageCaption, c.shows) << c.button;
    }
    appliances.PageControl1->setCurrentIndex(3);
    EXPECT_FALSE(appliances.ProfilePanel->isVisible());
    EXPECT_TRUE(appliances.ProfileLabel->text().isEmpty());
    EXPECT_EQ(model->UsageCaption, "Other Appliance") << "the last pressed button's caption stays";
    buttonOn(*appliances.PageControl1, appliances.UsageSB, "Appliances", "Jug")->click();
    EXPECT_FALSE(appliances.ProfilePanel->isVisible()) << "the jug has no action";
    appliances.OKSB->click();
}

TEST_F(UsageFormsTest, TheNonZonalEnergyDialogShowsBesideTheAppliancesAndClosesWithThem) {
    appliances.NonZonalEnergyForm = &nonZonal;
    EXPECT_EQ(nonZonal.ProfileLabel->text(), "Machinery");
    appliances.show();
    appliances.NonZonalSB->click();
    EXPECT_TRUE(nonZonal.isVisible());
    EXPECT_FALSE(nonZonal.isModal());
    buttonOn(*nonZonal.PageControl1, nonZonal.UsageSB, "Tools", "Creepy Crawler")->click();
    EXPECT_EQ(nonZonal.ProfileLabel->text(), "Vehicle");
    buttonOn(*nonZonal.PageControl1, nonZonal.UsageSB, "Gas", "Gas BBQ")->click();
    EXPECT_EQ(nonZonal.ProfileLabel->text(), "Generator");
    appliances.OKSB->click();
    EXPECT_FALSE(appliances.isVisible());
    EXPECT_FALSE(nonZonal.isVisible());
}

TEST_F(UsageFormsTest, OnlyOKClosesTheUsageDialogs) {
    TWaterSourceForm waterSources(services);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&water, &appliances, &nonZonal, &waterSources}) {
        dialog->show();
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTest::keyClick(dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible()) << dialog->objectName().toStdString();
        dialog->findChild<QAbstractButton*>("OKSB")->click();
        EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString();
    }
}

TEST_F(UsageFormsTest, TheWaterDialogOpensTheNonZonalWaterDialog) {
    water.NonZonalWaterForm = &nonZonalWater;
    bool shown = false;
    QTimer::singleShot(0, &nonZonalWater, [&] {
        shown = nonZonalWater.isVisible() && nonZonalWater.isModal();
        nonZonalWater.OKSB->click();
    });
    water.NonZonalSB->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(nonZonalWater.UsageSB.size(), 7u);
}

TEST_F(UsageFormsTest, WhatIsTypedOrTickedStaysInTheDialogsAndNothingReachesTheHouse) {
    const std::string before = houseFileText(*model);
    TWaterSourceForm waterSources(services);
    TEnergySourceForm energySources(services);
    appliances.FormShow();
    for (auto* box : appliances.findChildren<platform::EditBox*>()) box->setText("1500");
    for (auto* box : water.findChildren<platform::EditBox*>()) box->setText("12");
    for (auto* source :
         {static_cast<SourcesForm*>(&waterSources), static_cast<SourcesForm*>(&energySources)}) {
        for (QAbstractButton* b : source->SourceSB) b->click();
        source->SourceCB.front()->setChecked(true);
        source->OKSB->click();
        EXPECT_TRUE(source->SourceCB.front()->isChecked()) << "kept for as long as the program runs";
    }
    EXPECT_EQ(waterSources.windowTitle(), "Water Sources");
    EXPECT_EQ(energySources.SourceSB.size(), 10u);
    EXPECT_EQ(houseFileText(*model), before);
    appliances.FormShow();
    EXPECT_EQ(appliances.findChild<platform::EditBox*>("PowerEdit")->text(), "1500");
}

} // namespace
