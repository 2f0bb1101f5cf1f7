// The simulation mode dialog: one row per zone from the zones' flags, the two mode buttons, OK,
// Enter and Escape, and the way to the occupancy dialog.
#include "modeller/model/forms/internal_gain_form.h"
#include "modeller/model/forms/settings_form.h"

#include "forms_fixture.h"

#include <QTest>
#include <QTimer>

namespace {

using namespace pelmora;
using forms_test::HouseTest;

class SettingsFormTest : public HouseTest {
  protected:
    TSettingsForm form{*model, services};
};

TEST_F(SettingsFormTest, EachShowingListsEveryZoneWithTicksFromItsFlags) {
    model->Zones(living).Heated = true;
    model->Zones(bedroom).Cooled = true;
    form.FormShow();
    ASSERT_EQ(form.HeatTicks.size(), 6u);
    EXPECT_TRUE(form.HeatTicks[0]->isChecked());
    EXPECT_FALSE(form.CoolTicks[0]->isChecked());
    EXPECT_TRUE(form.CoolTicks[2]->isChecked());
    EXPECT_EQ(form.NumberLabels[2]->text(), "3");
    EXPECT_EQ(form.NameLabels[2]->text(), "Bed 1");
    EXPECT_EQ(form.TypeLabels[3]->text(), "Wet Area");
    EXPECT_EQ(form.TypeLabels[5]->text(), "Other Day-time");
    // Row r stands 16 (r - 1) pixels down the list; the ticks at 188 and 220, the swatch at 250.
    EXPECT_EQ(form.HeatTicks[2]->pos(), QPoint(188, 32));
    EXPECT_EQ(form.CoolTicks[2]->x(), 220);
    EXPECT_EQ(form.ColourPanels[2]->geometry(), QRect(250, 32, 15, 15));
    EXPECT_EQ(form.ColourPanels[2]->palette().color(QPalette::Window), QColor(0, 0, 255)) << "0x00BBGGRR";

    form.HeatTicks[1]->setChecked(true); // not confirmed
    form.FormShow();
    EXPECT_EQ(form.HeatTicks.size(), 6u) << "rows built afresh, not added";
    EXPECT_FALSE(form.HeatTicks[1]->isChecked()) << "ticks not confirmed with OK are gone";
}

TEST_F(SettingsFormTest, ConditionedThenOKConditionsTheHabitableZonesOnly) {
    form.FormShow();
    form.CondSB->click();
    EXPECT_TRUE(form.HeatTicks[0]->isChecked() && form.CoolTicks[0]->isChecked());
    EXPECT_FALSE(form.HeatTicks[3]->isChecked()) << "wet area";
    EXPECT_FALSE(model->Zones(living).Heated) << "nothing reaches the zones before OK";
    form.CoolTicks[5]->click(); // the study heated only
    form.OKSB->click();
    for (int z : {living, kitchen, bedroom})
        EXPECT_TRUE(model->Zones(z).Heated && model->Zones(z).Cooled) << z;
    for (int z : {bathroom, garage}) EXPECT_FALSE(model->IsConditioned(z)) << z;
    EXPECT_TRUE(model->Zones(study).Heated);
    EXPECT_FALSE(model->Zones(study).Cooled);
    EXPECT_TRUE(form.HeatTicks.empty()) << "OK removes the rows";

    form.FormShow();
    form.FreeSB->click();
    form.OKSB->click();
    for (int z = 1; z <= model->ZoneCount; ++z) EXPECT_FALSE(model->IsConditioned(z)) << z;
}

TEST_F(SettingsFormTest, EnterAndEscapeCloseWithoutTouchingTheZones) {
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        model->Zones(garage).Heated = true;
        form.show();
        form.CondSB->click();
        QTest::keyClick(&form, Qt::Key(key));
        EXPECT_FALSE(form.isVisible()) << key;
        EXPECT_TRUE(model->Zones(garage).Heated) << key;
        EXPECT_FALSE(model->Zones(living).Heated) << key;
        EXPECT_TRUE(form.HeatTicks.empty()) << key;
    }
}

TEST_F(SettingsFormTest, ZonesPastFiftyAreListedAndTheListScrolls) {
    while (model->ZoneCount < 60) addZone("Room", 0, 10.0, 0);
    form.FormShow();
    ASSERT_EQ(form.HeatTicks.size(), 60u);
    form.HeatTicks[59]->setChecked(true);
    form.OKSB->click();
    EXPECT_TRUE(model->Zones(60).Heated);
    EXPECT_LT(form.ZoneList->height(), 60 * TSettingsForm::kRowHeight);
}

TEST_F(SettingsFormTest, TheGainsButtonShowsTheOccupancyDialogAndHelpItsTopic) {
    TInternalGainForm gains(*model, services, statusBar);
    form.InternalGainForm = &gains;
    form.HelpContext = 100;
    bool shown = false;
    QTimer::singleShot(0, &gains, [&] {
        shown = gains.isVisible();
        gains.OKSB->click();
    });
    form.IGSB->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(gains.Edit[1]->text(), "166") << "the occupancy dialog prepared zone 1";
    form.HelpSB->click();
    EXPECT_EQ(help.shownTopics, std::vector<int>{100});
}

} // namespace
