#include "modeller/platform/controls.h"

#include <QEnterEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(SpeedButton, TurnsFlatWhileThePointerIsOverIt) {
    platform::SpeedButton button("OK", "Close accepting changes");
    EXPECT_EQ(button.toolTip(), "Close accepting changes");
    EXPECT_FALSE(button.isFlat());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.isFlat());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.isFlat());
}

TEST(SpeedButtonGroup, KeepsOneDownOrAllowsAllUp) {
    for (bool allowAllUp : {false, true}) {
        platform::SpeedButtonGroup group(allowAllUp);
        platform::SpeedButton a("A", ""), b("B", "");
        group.add(&a);
        group.add(&b);
        a.click();
        EXPECT_TRUE(a.isDown());
        b.click();
        EXPECT_TRUE(b.isDown());
        EXPECT_FALSE(a.isDown()) << "pressing one button puts the other up";
        b.click();
        EXPECT_EQ(b.isDown(), !allowAllUp) << "allowAllUp " << allowAllUp;
        EXPECT_EQ(group.downButton(), allowAllUp ? nullptr : &b);
    }
}

TEST(RadioGroup, SettingTheIndexFromCodeRunsTheClickHandler) {
    platform::RadioGroup group("Scale", {"20 pixels", "40 pixels", "60 pixels"});
    QSignalSpy clicks(&group, &platform::RadioGroup::clicked);
    group.setItemIndex(1);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.takeFirst().at(0).toInt(), 1);
    EXPECT_TRUE(group.item(1)->isChecked());
    group.setItemIndex(1);
    EXPECT_EQ(clicks.count(), 0) << "the same index again changes nothing";
    QTest::mouseClick(group.item(2), Qt::LeftButton);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(group.itemIndex(), 2);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    for (int i = 0; i < group.count(); ++i) EXPECT_FALSE(group.item(i)->isChecked());
}

TEST(EditBox, ChangeHandlerRunsOnlyWhenTheTextChanges) {
    platform::EditBox edit;
    QSignalSpy changes(&edit, &platform::EditBox::changed);
    edit.setText("12");
    EXPECT_EQ(changes.count(), 1);
    edit.setText("12");
    EXPECT_EQ(changes.count(), 1);
    QTest::keyClicks(&edit, "3");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(edit.text(), "123");
}

} // namespace
