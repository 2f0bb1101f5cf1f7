// The skylight editor in the program: the plan's skylight tool opens it to add a skylight, and from the
// level defaults dialog its change button changes the skylights of the house.
#include "modeller/editors/skylight_form.h"
#include "modeller/model/forms/default_form.h"
#include "modeller/model/forms/default_warning_form.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class SkylightCommandTest : public plan_test::MainWindowTest {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        for (const char* file : {"Data/tables.db", "Data/WindowData/VORTskylights.txt"})
            fs::copy_file(fs::path(PROGRAM_FOLDER) / file, folder.path() / file,
                          fs::copy_options::overwrite_existing);
        MainWindowTest::SetUp();
        startWithNewHouse();
        zone_ = plan_test::addRectangle(model(), 1, 40, 40, 200, 160, 0x00FF80);
    }
    int zone_ = 0;
};

TEST_F(SkylightCommandTest, TheSkylightToolAddsASkylightWithTheLevelDefaults) {
    PlanSelection& selection = workspace->selection;
    selection.CurrentZone = zone_;
    selection.InsertSkylightMode = true;
    model().LevelDefaults(1).DefSkyWidth = 1200.0;
    QString title;
    QTimer::singleShot(0, [&] {
        TSkylightForm* editor = forms->SkylightForm.get();
        ASSERT_EQ(QApplication::activeModalWidget(), editor);
        title = editor->windowTitle();
        QTest::keyClick(editor, Qt::Key_Escape);
    });
    forms->PlanDialogs->SkylightForm();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    EXPECT_EQ(title, "Skylight 1 for Zone 1");
    EXPECT_FALSE(selection.InsertSkylightMode);
    ASSERT_EQ(model().Zones(zone_).SkylightCount, 1);
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).Width, 1200.0);
    EXPECT_EQ(model().ZoneSkylights(zone_, 1).ProductCode, model().LevelDefaults(1).DefSkyCode);
}

TEST_F(SkylightCommandTest, TheChangeButtonGivesTheSkylightsTheShaftRShownEvenIfTheEditorIsCancelled) {
    for (int i = 1; i <= 2; ++i) {
        const int s = model().AddSkylight(zone_).index;
        TSkylightRec& sky = model().ZoneSkylights(zone_, s);
        sky = TSkylightRec{};
        sky.SkyProduct = sky.SkyFrame = sky.Furnishing = sky.Style = sky.Glass = sky.Frame = 1;
        sky.Width = sky.Height = 600.0 * i;
        sky.ShaftR = 0.5;
    }
    QTimer::singleShot(0, [&] {
        TDefaultForm* dialog = forms->DefaultForm.get();
        QTimer::singleShot(0, [&] {
            TSkylightForm* editor = forms->SkylightForm.get();
            ASSERT_EQ(QApplication::activeModalWidget(), editor);
            editor->Rscroll->setValue(30); // a shaft R of 3.0
            QTimer::singleShot(0, [&] {
                TDefaultWarningForm* warning = forms->DefaultWarningForm.get();
                ASSERT_EQ(QApplication::activeModalWidget(), warning);
                warning->OKSB->click();
            });
            editor->ChangeAllToDefaultSB->click();
            editor->CancelSB->click();
        });
        dialog->SBSkylight->click();
        EXPECT_FALSE(dialog->SBSkylight->isDown());
        dialog->OKSB->click();
    });
    main().SBdefaults->click();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(model().ZoneSkylights(zone_, i).ShaftR, 3.0) << i;
        EXPECT_EQ(model().ZoneSkylights(zone_, i).Width, 600.0 * i) << "sizes are not a main property";
    }
    EXPECT_EQ(model().LevelDefaults(1).DefShaftR, 0.5) << "the editor was cancelled: the default stays";
}

} // namespace
