// The floor editors in the program: the level defaults dialog's floor buttons open them on the
// current level's defaults, and their change-all button changes the level's floors through the
// defaults warning dialog.
#include "modeller/editors/ext_floor_form.h"
#include "modeller/editors/floor_cover_form.h"
#include "modeller/editors/int_ceiling_form.h"
#include "modeller/model/forms/default_form.h"
#include "modeller/model/forms/default_warning_form.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class FloorDefaultsCommandTest : public plan_test::MainWindowTest {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(PROGRAM_FOLDER) / "Data/tables.db",
                                   folder.path() / "Data/tables.db",
                                   std::filesystem::copy_options::overwrite_existing);
        MainWindowTest::SetUp();
        startWithNewHouse();
    }
};

TEST_F(FloorDefaultsCommandTest, TheDefaultsDialogOpensEachFloorEditorOnTheLevelsDefault) {
    struct Opened {
        ElementEditorForm* editor;
        platform::SpeedButton* button;
        QString title;
    };
    TDefaultForm* dialog = forms->DefaultForm.get();
    std::vector<Opened> opened{{forms->ExtFloorForm.get(), dialog->SBFloor, {}},
                               {forms->IntCeilingForm.get(), dialog->InBetweenFloorButton, {}},
                               {forms->FloorCoverForm.get(), dialog->IntFloorCoverSB, {}}};
    QTimer::singleShot(0, [&] {
        for (Opened& o : opened) {
            ASSERT_TRUE(o.button->isEnabled());
            QTimer::singleShot(0, [&] {
                ASSERT_EQ(QApplication::activeModalWidget(), o.editor);
                o.title = o.editor->windowTitle();
                o.editor->CancelSB->click();
            });
            o.button->click();
        }
        dialog->OKSB->click();
    });
    main().SBdefaults->click();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    EXPECT_EQ(opened[0].title, "Default External Floor");
    EXPECT_EQ(opened[1].title, "Default Internal Ceiling");
    EXPECT_EQ(opened[2].title, "Default Internal Floor Covering");
}

TEST_F(FloorDefaultsCommandTest, TheExternalFloorsChangeAllButtonChangesTheFloorsOfTheLevel) {
    const int zone = plan_test::addRectangle(model(), 1, 40, 40, 200, 160, 0x00FF80);
    ASSERT_EQ(model().ZoneExtFloors(zone).FloorVentArea, 0);
    QTimer::singleShot(0, [&] {
        TDefaultForm* dialog = forms->DefaultForm.get();
        QTimer::singleShot(0, [&] {
            TExtFloorForm* editor = forms->ExtFloorForm.get();
            ASSERT_EQ(QApplication::activeModalWidget(), editor);
            editor->VentAreaRG->item(3)->click(); // 4000 mm2/m
            QTimer::singleShot(0, [&] {
                TDefaultWarningForm* warning = forms->DefaultWarningForm.get();
                ASSERT_EQ(QApplication::activeModalWidget(), warning);
                warning->OKSB->click();
            });
            editor->ChangeAllToDefaultSB->click();
            editor->CancelSB->click();
        });
        dialog->SBFloor->click();
        dialog->OKSB->click();
    });
    main().SBdefaults->click();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    EXPECT_EQ(model().ZoneExtFloors(zone).FloorVentArea, 3);
    EXPECT_EQ(model().LevelDefaults(1).DefFloorVentArea, 0) << "the editor was cancelled: the default stays";
    EXPECT_FALSE(model().ApplyDefaultRequest(7));
}

} // namespace
