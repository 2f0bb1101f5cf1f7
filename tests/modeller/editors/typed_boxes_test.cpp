// Numbers typed key by key into the dialogs' boxes, as the user types them: a sign or a decimal point
// typed first starts a number in every box that takes one, the clerestory wall is compared with its
// window only when its typing ends, and the window editor opens with no size box to type over.
#include "modeller/editors/glazing_form.h"
#include "modeller/editors/obstruction_form.h"
#include "modeller/editors/skylight_form.h"
#include "modeller/editors/sun_position_form.h"
#include "modeller/editors/vert_shad_form.h"

#include "skylight_fixture.h"

#include <QApplication>
#include <QFocusEvent>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace pelmora;

class TypedBoxesTest : public editor_test::SkylightTest {
  protected:
    // Types `text` over what `box` shows, one key after another.
    static void TypeOver(platform::EditBox* box, const char* text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // The focus leaves `box` for another control of its window, as a Tab or a click elsewhere does.
    static void Leave(platform::EditBox* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }
    // Adds a clerestory window of 1200 x 1200 mm in a wall 3000 mm wide and 2000 mm high.
    void AddClerestory() {
        const int s = AddSkylight(1200.0, 1200.0);
        model().ZoneSkylights(zone_, s).Clerestory = true;
    }
    void OpenClerestory(TSkylightForm& form) {
        ASSERT_TRUE(form.ShowEditor());
        ASSERT_TRUE(form.WHEdit->isVisibleTo(&form));
        ASSERT_EQ(form.WHEdit->text(), "2000");
    }
};

TEST_F(TypedBoxesTest, ASignOrAPointTypedFirstStartsTheNumberInEverySignedBox) {
    const int w = AddWindow(zone_, 0, 1.0, 1.2, 1.2, 2.1);
    selection().CurrentWall = 0;
    selection().CurrentWindow = w;

    TGlazingForm window(context(), services_);
    TVertShadForm shades(context(), services_);
    TObstructionForm obstructions(model(), context().clipboard, services_);
    TSunPosForm sun(PROGRAM_FOLDER, services_);
    const auto openWindow = [&] { EXPECT_TRUE(window.ShowEditor()); };
    const auto openShades = [&] {
        buffers_.EditVertShading = {};
        shades.SetValues();
        shades.show();
    };
    const auto openObstructions = [&] { obstructions.show(); };
    const auto openSun = [&] { sun.show(); };
    const auto obstruction = [&]() -> const TObstructionRec& { return model().SiteObstructions(1)(1); };

    struct Case {
        const char* box;
        std::function<void()> open;
        platform::EditBox* edit;
        const char* typed;
        // The value stored once the typing has ended with Enter (which closes the dialogs that close
        // on it), in the unit the model or the tool keeps.
        std::function<double()> stored;
        double expected;
    };
    const Case cases[] = {
        {"window offset", openWindow, window.OEdit, "-150",
         [&] { return model().WallWindows(zone_, 0, w).Offset; }, -0.15},
        {"left shade offset", openShades, shades.LOEdit, "-1", [&] { return buffers_.EditVertShading(3); },
         -1.0},
        {"right shade offset on the picture", openShades, shades.ROEdit2, "-.25",
         [&] { return buffers_.EditVertShading(4); }, -0.25},
        {"left shade width", openShades, shades.LWEdit, ".5", [&] { return buffers_.EditVertShading(1); },
         0.5},
        {"obstruction L1", openObstructions, obstructions.L1Edit, "-2.5", [&] { return obstruction().L1; },
         -2.5},
        {"obstruction L2", openObstructions, obstructions.L2Edit, "-12", [&] { return obstruction().L2; },
         -12.0},
        {"obstruction distance", openObstructions, obstructions.DEdit, ".5", [&] { return obstruction().D; },
         0.5},
        {"obstruction height", openObstructions, obstructions.HEdit, "+3", [&] { return obstruction().H; },
         3.0},
        {"sun tool longitude", openSun, sun.Longitude, "-75.5", [&] { return sun.input().Longitude; }, -75.5},
        {"sun tool time zone meridian", openSun, sun.TZone, "-75", [&] { return sun.input().TimeZone; },
         -75.0},
        {"sun tool latitude", openSun, sun.Latitude, "-33.9", [&] { return sun.input().Latitude; }, -33.9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        messages_.clear();
        c.open();
        TypeOver(c.edit, c.typed);
        EXPECT_EQ(c.edit->text(), c.typed) << "the box shows every key typed";
        QTest::keyClick(c.edit, Qt::Key_Return);
        EXPECT_DOUBLE_EQ(c.stored(), c.expected);
        EXPECT_EQ(messages_.beeps, 0);
        EXPECT_TRUE(messages_.shown.empty()) << messages_.shown.front().text.toStdString();
    }
}

TEST_F(TypedBoxesTest, ASignLeftAloneIsRefusedWhenTheTypingEnds) {
    TVertShadForm shades(context(), services_);
    buffers_.EditVertShading(3) = 0.3;
    shades.SetValues();
    shades.show();
    TypeOver(shades.LOEdit, "-");
    EXPECT_EQ(shades.LOEdit->text(), "-");
    EXPECT_EQ(messages_.beeps, 0) << "a sign is no fault while the number is being typed";
    Leave(shades.LOEdit);
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_EQ(shades.LOEdit->text(), "");
    EXPECT_EQ(shades.LOEdit2->text(), "");
    shades.OKSBClick();
    EXPECT_DOUBLE_EQ(buffers_.EditVertShading(3), 0.3) << "the last good offset stays";

    TSunPosForm sun(PROGRAM_FOLDER, services_);
    sun.show();
    messages_.clear();
    TypeOver(sun.TZone, "-");
    EXPECT_EQ(messages_.beeps, 0);
    QTest::keyClick(sun.TZone, Qt::Key_Return);
    EXPECT_GE(messages_.beeps, 1); // emptying the box is one more change that is not a number
    EXPECT_EQ(sun.TZone->text(), "");
    EXPECT_DOUBLE_EQ(sun.input().TimeZone, 150.0);
}

TEST_F(TypedBoxesTest, TheClerestoryWallIsComparedWithItsWindowOnlyWhenItsTypingEnds) {
    const QString tooHigh = "Window height can not be greater than wall height.";
    const QString tooWide = "Window width can not be greater than wall width.";
    struct Case {
        const char* why;
        bool height;       // the wall height box, else the wall width box
        const char* typed; // over the box's 2000 or 3000
        // How the typing ends: Enter, leaving the box, or OK pressed with the mouse.
        enum class End { Enter, Leave, OK } end;
        double stored; // mm, once the dialog has closed
        bool told;     // the wall was raised or widened to the 1200 mm window, with its message
    };
    for (const Case& c :
         {Case{"a higher wall", true, "2400", Case::End::Enter, 2400.0, false},
          Case{"a wider wall", false, "4500", Case::End::Leave, 4500.0, false},
          Case{"a higher wall ended by OK", true, "1500", Case::End::OK, 1500.0, false},
          Case{"a wall lower than its window", true, "900", Case::End::Leave, 1200.0, true},
          Case{"a wall narrower than its window", false, "600", Case::End::Enter, 1200.0, true},
          Case{"a low wall ended by OK", true, "1000", Case::End::OK, 1200.0, true}}) {
        SCOPED_TRACE(c.why);
        model().Zones(zone_).SkylightCount = 0;
        messages_.clear();
        AddClerestory();
        TSkylightForm form(context(), services_);
        OpenClerestory(form);
        platform::EditBox* box = c.height ? form.WHEdit : form.WWEdit;
        TypeOver(box, c.typed);
        EXPECT_EQ(box->text(), c.typed) << "no key is lost to a message";
        EXPECT_TRUE(messages_.shown.empty()) << "nothing is judged while the number is typed";
        switch (c.end) {
        case Case::End::Enter:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case Case::End::Leave:
            Leave(box);
            break;
        case Case::End::OK:
            form.OKSB->click();
            break;
        }
        const std::vector<QString> told =
            c.told ? std::vector<QString>{c.height ? tooHigh : tooWide} : std::vector<QString>{};
        EXPECT_EQ(messages_.informations(), told);
        if (c.told) {
            EXPECT_EQ(box->text(), "1200");
        }
        // A wall fitted to its window is shown before anything is stored: the dialog stays open for
        // Enter and OK, and OK is pressed again.
        EXPECT_EQ(form.isVisible(), c.told || c.end == Case::End::Leave);
        if (form.isVisible()) form.OKSB->click();
        EXPECT_FALSE(form.isVisible());
        const TSkylightRec& s = model().ZoneSkylights(zone_, 1);
        EXPECT_DOUBLE_EQ(c.height ? s.ClereWallHeight : s.ClereWallWidth, c.stored);
        EXPECT_EQ(messages_.informations(), told) << "the message is told once";
    }
}

TEST_F(TypedBoxesTest, SwitchingSkylightsFitsATypedLowWallBeforeItIsSaved) {
    AddClerestory();
    AddSkylight(600.0, 600.0);
    TSkylightForm form(context(), services_);
    OpenClerestory(form);
    TypeOver(form.WHEdit, "800");
    form.NumberButtons[1]->click();
    EXPECT_EQ(messages_.informations(),
              std::vector<QString>{"Window height can not be greater than wall height."});
    EXPECT_DOUBLE_EQ(model().ZoneSkylights(zone_, 1).ClereWallHeight, 1200.0);
    form.close();
}

TEST_F(TypedBoxesTest, TheWindowEditorOpensWithTheFocusOnTheOffsetPresets) {
    const int w = AddWindow(zone_, 0, 1.0, 1.2, 1.2, 2.1);
    selection().CurrentWall = 0;
    selection().CurrentWindow = w;
    TGlazingForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(form.OffsetRG->isAncestorOf(focused)) << focused->metaObject()->className();
    // The offset of 0 mm is the selected preset, and keeps the focus.
    EXPECT_EQ(focused, form.OffsetRG->item(2));

    // The first keys typed change no size.
    QTest::keyClicks(focused, "9");
    EXPECT_EQ(form.HHEdit->text(), "2100");
    EXPECT_EQ(form.HEdit->text(), "1200");
    EXPECT_EQ(form.WEdit->text(), "1200");
    form.OKSB->click();
    EXPECT_DOUBLE_EQ(model().WallWindows(zone_, 0, w).HeadHeight, 2.1);
}

} // namespace
