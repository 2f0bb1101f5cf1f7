#include "modeller/platform/controls.h"

#include <QCursor>
#include <QDialog>
#include <QEnterEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

// A speed button on its own dialog, shown with the pointer resting on it.
class HoveredSpeedButton : public testing::Test {
  protected:
    static constexpr QPoint kAway{700, 700}; // over no window
    void SetUp() override {
        window_.setGeometry(100, 100, 200, 100);
        button_->setGeometry(10, 10, 80, 30);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QCursor::setPos(over());
        QTRY_VERIFY(button_->isFlat());
    }
    void TearDown() override {
        QCursor::setPos(kAway);
        QCoreApplication::processEvents();
    }
    QPoint over() const { return button_->mapToGlobal(button_->rect().center()); }
    // Shows the dialog again with the pointer elsewhere.
    void showAgainAway() {
        QCursor::setPos(kAway);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QCoreApplication::processEvents();
    }

    QDialog window_;
    platform::SpeedButton* button_ = new platform::SpeedButton("Open", "", &window_);
};

// The click's action holds the input in a modal dialog; the pointer may move on meanwhile, over a
// window that takes no events.  Once the action has returned the button is flat only if the pointer is
// over it.
TEST_F(HoveredSpeedButton, AfterAModalActionItIsFlatOnlyWhereThePointerIs) {
    const struct {
        const char* name;
        QRect modal;    // where the modal dialog stands
        bool moveAway;  // the pointer leaves while the modal dialog is up
        bool flatAfter; // the button's look once the action has returned
    } cases[] = {
        {"beside, pointer moves away", QRect(400, 100, 100, 100), true, false},
        {"beside, pointer stays", QRect(400, 100, 100, 100), false, true},
        {"over the button, pointer stays", QRect(80, 80, 150, 100), false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QCursor::setPos(over());
        QTRY_VERIFY(button_->isFlat());
        const auto connection = QObject::connect(button_, &QToolButton::clicked, &window_, [&] {
            QDialog modal(&window_);
            modal.setGeometry(c.modal);
            QTimer::singleShot(0, &modal, [&] {
                if (c.moveAway) QCursor::setPos(kAway);
                QTimer::singleShot(50, &modal, &QDialog::accept);
            });
            modal.exec();
        });
        QTest::mouseClick(button_, Qt::LeftButton, {}, button_->rect().center());
        EXPECT_EQ(button_->isFlat(), c.flatAfter);
        QObject::disconnect(connection);
    }
}

// The dialog closes under the pointer, by the button's own click or by a key; the button had no leave
// event, and is raised when the dialog is shown again elsewhere from the pointer.
TEST_F(HoveredSpeedButton, IsRaisedWhenItsDialogIsShownAgain) {
    QObject::connect(button_, &QToolButton::clicked, &window_, &QDialog::accept);
    QTest::mouseClick(button_, Qt::LeftButton, {}, button_->rect().center());
    EXPECT_FALSE(button_->isFlat());
    showAgainAway();
    EXPECT_FALSE(button_->isFlat());

    QCursor::setPos(over());
    QTRY_VERIFY(button_->isFlat());
    QTest::keyClick(&window_, Qt::Key_Escape);
    ASSERT_FALSE(window_.isVisible());
    showAgainAway();
    EXPECT_FALSE(button_->isFlat());
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

namespace {

TEST(TableRowLink, MovingToAnotherRecordRunsTheDataChangeHandler) {
    int current = 1;
    const int count = 3;
    platform::TableRowLink link([&] { return current; },
                                [&](int n) {
                                    if (n < 1 || n > count) throw std::out_of_range("no such record");
                                    current = n;
                                });
    QSignalSpy changes(&link, &platform::TableRowLink::dataChange);
    link.moveTo(3);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.takeFirst().at(0).toInt(), 3);
    link.moveTo(3);
    EXPECT_EQ(changes.count(), 0) << "the current record again is no move";
    EXPECT_THROW(link.moveTo(4), std::out_of_range);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(current, 3);
}

} // namespace
