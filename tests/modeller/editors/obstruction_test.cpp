// The site obstructions: typed values reach the model at once and only when they are numbers,
// showing an obstruction never rewrites it, deleting all clears the selected side, Cancel puts every
// obstruction back, copy and paste carry the monthly shading, and the card writer gives each wall the
// obstructions of the side it faces.
#include "modeller/editors/obstruction_form.h"
#include "modeller/engine_input/project_cards.h"
#include "modeller/engine_input/scratch_writer.h"

#include "editor_fixture.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using V = ObstructionEditor::Value;

class ObstructionTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        for (int month = 1; month <= 12; ++month) model().DefaultObstructionShading(month) = 100;
        for (int side = 1; side <= 4; ++side)
            for (int k = 1; k <= 3; ++k)
                model().SiteObstructions(side)(k).Shading = model().DefaultObstructionShading;
    }
    TObstructionRec& obstruction(int side, int k) { return model().SiteObstructions(side)(k); }
    void setObstruction(int side, int k, double d, double l1, double l2, double h) {
        obstruction(side, k).D = d;
        obstruction(side, k).L1 = l1;
        obstruction(side, k).L2 = l2;
        obstruction(side, k).H = h;
    }
};

TEST_F(ObstructionTest, TypedNumbersAreStoredNegativeOnesTooAndEverythingElseIsRefused) {
    ObstructionEditor editor(model(), context().clipboard);
    editor.Select(2, 3);
    EXPECT_EQ(editor.Type(V::D, "4.567"), ObstructionEditor::Typed::Stored);
    EXPECT_EQ(editor.Type(V::H, " 0 "), ObstructionEditor::Typed::Stored);
    EXPECT_DOUBLE_EQ(obstruction(2, 3).D, 4.567);
    EXPECT_EQ(editor.Type(V::L1, "-2.5"), ObstructionEditor::Typed::Stored);
    EXPECT_DOUBLE_EQ(obstruction(2, 3).H, 0.0);
    EXPECT_DOUBLE_EQ(obstruction(2, 3).L1, -2.5);
    struct Case {
        V value;
        const char* text;
    };
    for (const Case& c : {Case{V::H, "1.5m"}, Case{V::L1, "abc"}, Case{V::L2, ""}, Case{V::D, "-"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(editor.Type(c.value, c.text), ObstructionEditor::Typed::Refused);
    }
    EXPECT_DOUBLE_EQ(obstruction(2, 3).D, 4.567);
    EXPECT_DOUBLE_EQ(obstruction(2, 3).L1, -2.5);
    EXPECT_EQ(editor.Text(V::D), "4.57");
}

TEST_F(ObstructionTest, DeletingClearsTheObstructionOrTheSelectedSide) {
    ObstructionEditor editor(model(), context().clipboard);
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) {
            setObstruction(side, k, 5.0, 1.0, 4.0, 3.0);
            obstruction(side, k).Shading(6) = 40;
        }
    const TObstructionRec standing = obstruction(1, 1);
    editor.Select(4, 2);
    editor.Delete();
    EXPECT_EQ(obstruction(4, 2).H, 0.0);
    EXPECT_EQ(obstruction(4, 2).Shading, model().DefaultObstructionShading);
    EXPECT_EQ(obstruction(4, 1).H, 3.0);

    // Delete All clears the three obstructions of the selected side, and no other.
    editor.DeleteAll();
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(testing::Message() << "side " << side << " obstruction " << k);
            EXPECT_EQ(obstruction(side, k), side == 4 ? obstruction(4, 2) : standing);
        }
}

// Delete All clears the orientation its hint names.  Of that orientation's three obstructions the
// dialog shows one; before the others are cleared with it, the user is asked.
TEST_F(ObstructionTest, DeleteAllAsksBeforeClearingObstructionsThatAreNotShown) {
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) setObstruction(side, k, 5.0, 1.0, 4.0, 3.0);
    obstruction(4, 3) = TObstructionRec{};
    obstruction(4, 3).Shading = model().DefaultObstructionShading;
    obstruction(4, 3).Shading(12) = 60; // a schedule alone is an obstruction's too
    const TObstructionRec standing = obstruction(1, 1);
    TObstructionForm form(model(), context().clipboard, services_);
    form.show();
    EXPECT_EQ(form.SBDeleteAll->toolTip(), "Delete all shading by obstructions for this orientation");
    form.WSBClick();

    messages_.answerNext(platform::Answer::No);
    form.SBDeleteAllClick();
    EXPECT_EQ(
        messages_.confirmations(),
        std::vector<QString>{"Obstructions 2 and 3 of this orientation are not shown and will be deleted "
                             "too. Delete all obstructions for this orientation?"});
    EXPECT_EQ(obstruction(4, 1), standing);
    EXPECT_EQ(obstruction(4, 3).Shading(12), 60);
    EXPECT_EQ(form.HEdit->text(), "3.00");

    messages_.clear();
    messages_.answerNext(platform::Answer::Yes);
    form.SBDeleteAllClick();
    EXPECT_EQ(messages_.confirmations().size(), 1u);
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(testing::Message() << "side " << side << " obstruction " << k);
            EXPECT_EQ(obstruction(side, k).H, side == 4 ? 0.0 : 3.0);
        }
    EXPECT_EQ(obstruction(4, 3).Shading, model().DefaultObstructionShading);
    EXPECT_EQ(form.HEdit->text(), "0.00");

    // Only the obstruction shown holds anything: nothing unseen is lost, and nothing is asked.
    messages_.clear();
    form.SSBClick();
    form.Obs2SBClick();
    obstruction(3, 1) = obstruction(3, 3) = obstruction(4, 1);
    form.SBDeleteAllClick();
    EXPECT_TRUE(messages_.confirmations().empty());
    EXPECT_EQ(obstruction(3, 2), obstruction(4, 1));
    form.close();
}

// Cancel puts back every obstruction as the dialog found it: typed values, schedules and deletions.
TEST_F(ObstructionTest, CancelClosesWithoutChanges) {
    setObstruction(2, 1, 5.0, 1.0, 4.0, 3.0);
    const TObstructionRec first = obstruction(2, 1);
    TObstructionForm form(model(), context().clipboard, services_);
    form.ShowSchedule = [](ObstructionEditor::MonthlyShading& schedule) { schedule(1) = 20; };
    form.show();
    auto* cancel = form.findChild<platform::SpeedButton*>("CancelSB");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->toolTip(), "Close without changes");
    form.HEdit->setText("9");
    form.SchedButtonClick();
    form.ESBClick();
    form.SBDeleteAllClick();
    ASSERT_EQ(obstruction(1, 1).H, 9.0);
    ASSERT_EQ(obstruction(2, 1).H, 0.0);
    cancel->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(obstruction(1, 1).H, 0.0);
    EXPECT_EQ(obstruction(1, 1).Shading, model().DefaultObstructionShading);
    EXPECT_EQ(obstruction(2, 1), first);

    // A later showing starts from what is stored then: OK keeps it.
    form.show();
    form.HEdit->setText("2");
    form.OKSBClick();
    EXPECT_EQ(obstruction(1, 1).H, 2.0);
}

TEST_F(ObstructionTest, CopyOnOneSideAndPasteOnAnotherCarriesValuesAndMonthlyShading) {
    ObstructionEditor editor(model(), context().clipboard);
    EXPECT_FALSE(editor.CanPaste());
    setObstruction(1, 2, 6.0, -2.0, 8.0, 4.5);
    obstruction(1, 2).Shading(1) = 50;
    editor.Select(1, 2);
    editor.Copy();
    editor.Select(3, 1);
    ASSERT_TRUE(editor.CanPaste());
    editor.Paste();
    EXPECT_EQ(obstruction(3, 1), obstruction(1, 2));
    EXPECT_TRUE(editor.Shaded());
}

TEST_F(ObstructionTest, TheDialogShowsWithoutRewritingAndTakesTypingAtOnce) {
    setObstruction(1, 1, 3.14159, 0.0, 2.0, 1.0);
    TObstructionForm form(model(), context().clipboard, services_);
    form.SideBearings = [] { return std::array<QString, 4>{"30", "120", "210", "300"}; };
    form.show();
    EXPECT_EQ(form.NSB->text(), "30");
    EXPECT_EQ(form.WSB->text(), "300");
    EXPECT_TRUE(form.NSB->isDown());
    EXPECT_TRUE(form.Obs1SB->isDown());
    EXPECT_TRUE(form.NImage->isVisibleTo(&form));
    EXPECT_FALSE(form.EImage->isVisibleTo(&form));
    EXPECT_EQ(form.DEdit->text(), "3.14");
    // Showing the obstruction with two decimals leaves its stored value as it was.
    EXPECT_DOUBLE_EQ(obstruction(1, 1).D, 3.14159);
    EXPECT_FALSE(form.SchedButton->isEnabled());
    EXPECT_FALSE(form.PasteButton->isVisibleTo(&form));

    form.SSBClick();
    EXPECT_TRUE(form.SImage->isVisibleTo(&form));
    form.Obs2SBClick();
    form.HEdit->setText("2.5");
    EXPECT_DOUBLE_EQ(obstruction(3, 2).H, 2.5);
    messages_.clear();
    form.DEdit->setText("3x");
    EXPECT_EQ(form.DEdit->text(), "");
    EXPECT_GE(messages_.beeps, 1);
    EXPECT_DOUBLE_EQ(obstruction(3, 2).D, 0.0);
    form.L1Edit->setText("-3");
    EXPECT_EQ(form.L1Edit->text(), "-3");
    EXPECT_DOUBLE_EQ(obstruction(3, 2).L1, -3.0);

    // Escape closes the dialog and keeps what was typed.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_DOUBLE_EQ(obstruction(3, 2).H, 2.5);
}

// D is the distance from the house: one of 0 m or less, which would stand the obstruction inside or
// behind the walls facing it, is refused with a message when its typing ends (Enter, leaving the box,
// OK), and the distance typed before stays; a number being typed is not judged at each key.
TEST_F(ObstructionTest, ADistanceAtOrBehindTheHouseIsRefusedWhenItsTypingEnds) {
    setObstruction(2, 1, 3.0, 0.0, 4.0, 2.0);
    TObstructionForm form(model(), context().clipboard, services_);
    form.show();
    form.ESBClick();
    const auto typeOver = [&](const char* text) {
        form.DEdit->selectAll();
        QTest::keyClicks(form.DEdit, text);
    };
    messages_.clear();
    typeOver("0.5");
    EXPECT_TRUE(messages_.shown.empty()) << "0 is the start of 0.5";
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(form.DEdit, &leave);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_DOUBLE_EQ(obstruction(2, 1).D, 0.5);
    for (const char* refused : {"-2", "0"}) {
        SCOPED_TRACE(refused);
        messages_.clear();
        typeOver(refused);
        QTest::keyClick(form.DEdit, Qt::Key_Return);
        ASSERT_EQ(messages_.informations().size(), 1u);
        EXPECT_TRUE(
            messages_.informations()[0].startsWith("D is the distance of the obstruction from the house"));
        EXPECT_EQ(messages_.beeps, 1);
        EXPECT_DOUBLE_EQ(obstruction(2, 1).D, 0.5);
        EXPECT_EQ(form.DEdit->text(), "0.50") << "the box shows the distance that is used";
        EXPECT_TRUE(form.isVisible());
    }
    // OK judges a distance still being typed, and stays open when it is refused.
    messages_.clear();
    typeOver("-1");
    form.OKSBClick();
    EXPECT_EQ(messages_.informations().size(), 1u);
    EXPECT_TRUE(form.isVisible());
    EXPECT_DOUBLE_EQ(obstruction(2, 1).D, 0.5);
    typeOver("4");
    form.OKSBClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_DOUBLE_EQ(obstruction(2, 1).D, 4.0);
}

TEST_F(ObstructionTest, EachHeadingStartsOverItsColumnOfBoxes) {
    TObstructionForm form(model(), context().clipboard, services_);
    form.show();
    const std::pair<platform::EditBox*, QString> columns[] = {
        {form.L1Edit, "L1"}, {form.L2Edit, "L2"}, {form.DEdit, "D"}, {form.HEdit, "Height"}};
    for (const auto& [box, caption] : columns) {
        SCOPED_TRACE(caption.toStdString());
        const auto* heading = form.findChild<QLabel*>(box->objectName() + "Heading");
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->text(), caption);
        const QRect headingRect(heading->mapTo(&form, QPoint(0, 0)), heading->size());
        const QRect boxRect(box->mapTo(&form, QPoint(0, 0)), box->size());
        EXPECT_EQ(headingRect.left(), boxRect.left());
        EXPECT_LE(headingRect.bottom(), boxRect.top());
        // The whole caption fits over its own box.
        EXPECT_LE(heading->fontMetrics().horizontalAdvance(caption), boxRect.width());
    }
    form.close();
}

TEST_F(ObstructionTest, TheScheduleDialogSetsTheMonthlyShadingAndTheTick) {
    TObstructionForm form(model(), context().clipboard, services_);
    int shown = 0;
    form.ShowSchedule = [&](ObstructionEditor::MonthlyShading& schedule) {
        ++shown;
        EXPECT_EQ(schedule(7), 100);
        schedule(7) = 50;
    };
    form.show();
    EXPECT_FALSE(form.ShadeCheckBox->isChecked());
    form.WSBClick();
    form.Obs3SBClick();
    form.SchedButtonClick();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(obstruction(4, 3).Shading(7), 50);
    EXPECT_TRUE(form.ShadeCheckBox->isChecked());
    form.Obs1SBClick();
    EXPECT_FALSE(form.ShadeCheckBox->isChecked());
    form.Obs3SBClick();
    ASSERT_TRUE(form.ShadeCheckBox->isChecked());
    form.SBDeleteAllClick();
    EXPECT_FALSE(form.ShadeCheckBox->isChecked());
    EXPECT_EQ(obstruction(4, 3).Shading(7), 100);
    form.close();
}

TEST_F(ObstructionTest, EachWallGetsTheObstructionsOfTheSideItFacesOnly) {
    const int zone = AddBoxZone(6.0, 4.0, 2.0, 2.0);
    ObstructionEditor editor(model(), context().clipboard);
    // A fence 1.8 m high, 3 m from the house's bottom side, running the house's width (L1 and L2 from
    // the house's left end); and one on the right side that is then deleted.
    editor.Select(3, 1);
    editor.Type(V::D, "3");
    editor.Type(V::L1, "0");
    editor.Type(V::L2, "6");
    editor.Type(V::H, "1.8");
    editor.Select(2, 1);
    editor.Type(V::D, "12");
    editor.Type(V::L1, "2");
    editor.Type(V::L2, "6");
    editor.Type(V::H, "5");
    editor.Delete();

    Scratch scratch(model(), *tables_, buffers_);
    MapObstructions(scratch);
    for (int w = 0; w <= 3; ++w) {
        SCOPED_TRACE(testing::Message() << "wall " << w);
        const TSurfaceObstructionRec& ob = model().Walls(zone, w).WallObstructions(1);
        if (w == 2) {
            EXPECT_NEAR(ob.Width, 6.0, 1e-9);
            EXPECT_NEAR(ob.Distance, 3.0, 1e-9); // the bottom wall is the house's bottom side
            EXPECT_NEAR(ob.RelativeHeight, 1.8, 1e-9);
        } else {
            EXPECT_EQ(ob.Width, 0.0);
        }
    }
}

} // namespace
