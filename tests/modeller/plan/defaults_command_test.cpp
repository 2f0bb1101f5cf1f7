// The main window's defaults button: the level defaults dialog opens modally, its wall button opens
// the wall editor on the current level's defaults, and the results no longer count as current.
#include "modeller/editors/ext_wall_form.h"
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

class DefaultsCommandTest : public plan_test::MainWindowTest {
  protected:
    void SetUp() override {
        // The shipped material tables, which the wall editor reads whole.
        std::filesystem::copy_file(std::filesystem::path(PROGRAM_FOLDER) / "Data/tables.db",
                                   folder.path() / "Data/tables.db",
                                   std::filesystem::copy_options::overwrite_existing);
        MainWindowTest::SetUp();
        startWithNewHouse();
    }
};

TEST_F(DefaultsCommandTest, TheWallButtonEditsTheCurrentLevelsDefaultWall) {
    model().ResultsCurrent = true;
    model().LevelDefaults(1).DefBeyond = 0;
    QString editorTitle;
    bool modeInEditor = false;
    QTimer::singleShot(0, [&] {
        TDefaultForm* dialog = forms->DefaultForm.get();
        ASSERT_EQ(QApplication::activeModalWidget(), dialog);
        QTimer::singleShot(0, [&] {
            TExtWallForm* editor = forms->ExtWallForm.get();
            ASSERT_EQ(QApplication::activeModalWidget(), editor);
            editorTitle = editor->windowTitle();
            modeInEditor = model().DefaultsMode;
            EXPECT_TRUE(forms->DefaultForm->SBExternalWall->isDown()) << "down while its editor is open";
            editor->Beyond->item(2)->click(); // a neighbour beyond the wall
            editor->OKSB->click();
        });
        dialog->SBExternalWall->click();
        EXPECT_FALSE(dialog->SBExternalWall->isDown());
        dialog->OKSB->click();
    });
    main().SBdefaults->click();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    EXPECT_TRUE(modeInEditor);
    EXPECT_TRUE(editorTitle.contains("Default")) << editorTitle.toStdString();
    EXPECT_EQ(model().LevelDefaults(1).DefBeyond, 2) << "the editor's OK stored the level's default";
    EXPECT_FALSE(model().DefaultsMode);
    EXPECT_FALSE(model().ResultsCurrent);
}

TEST_F(DefaultsCommandTest, TheWallEditorsChangeAllButtonChangesTheWallsEvenIfTheEditorIsCancelled) {
    const int zone = plan_test::addRectangle(model(), 1, 40, 40, 200, 160, 0x00FF80);
    for (int w = 0; w < 4; ++w) model().Walls(zone, w).Beyond = 0;
    model().LevelDefaults(1).DefBeyond = 0;
    DefaultChangeChoice choiceShown{-1, -1, -1};
    QTimer::singleShot(0, [&] {
        TDefaultForm* dialog = forms->DefaultForm.get();
        QTimer::singleShot(0, [&] {
            TExtWallForm* editor = forms->ExtWallForm.get();
            ASSERT_EQ(QApplication::activeModalWidget(), editor);
            editor->Beyond->item(2)->click();
            QTimer::singleShot(0, [&] {
                TDefaultWarningForm* warning = forms->DefaultWarningForm.get();
                ASSERT_EQ(QApplication::activeModalWidget(), warning);
                choiceShown = warning->choice();
                warning->OKSB->click();
            });
            editor->ChangeAllToDefaultSB->click();
            editor->CancelSB->click();
        });
        dialog->SBExternalWall->click();
        dialog->OKSB->click();
    });
    main().SBdefaults->click();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    EXPECT_EQ(choiceShown.elements, 0) << "each group starts at its first item";
    for (int w = 0; w < 4; ++w) EXPECT_EQ(model().Walls(zone, w).Beyond, 2) << w;
    EXPECT_EQ(model().LevelDefaults(1).DefBeyond, 0) << "the editor was cancelled: the default stays";
    EXPECT_FALSE(model().ApplyDefaultRequest(3)) << "the request ends with the dialog";
}

} // namespace
