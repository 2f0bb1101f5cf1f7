#include "modeller/plan/main_form.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;
using platform::Answer;

class HouseFileCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
    }
    // A named house with one zone whose first node lies on an odd pixel.
    int nameHouse(const char* name, int run) {
        model().ProjectName = name;
        model().RunNumber = run;
        return plan_test::addRectangle(model(), 1, 101, 40, 160, 120, 0x00FF80);
    }
    std::string houseFile(const std::string& name) const { return (folder.path() / "house" / name).string(); }
    // "Cottage_2.VOR" as the file holds it: magnification 1, a zone on each of two levels.
    HouseModel& storeCottage() {
        auto stored = std::make_shared<HouseModel>();
        stored->Magnification = 1.0;
        stored->LevelCount = 2;
        stored->ProjectName = "Cottage";
        stored->RunNumber = 2;
        plan_test::addRectangle(*stored, 1, 20, 20, 80, 60, 0x00FF80);
        plan_test::addRectangle(*stored, 2, 20, 20, 40, 40, 0x0080FF);
        houseFiles.files[houseFile("Cottage_2.VOR")] = stored;
        return *stored;
    }
};

TEST_F(HouseFileCommandsTest, NewHouseStartsFromTheFactoryState) {
    EXPECT_TRUE(scripted.messages.confirmations().empty()) << "an unnamed house is not offered for saving";
    EXPECT_EQ(model().ProjectName, "New Project");
    EXPECT_EQ(model().RunNumber, 1);
    EXPECT_EQ(model().SoftwareName, "VORT");
    EXPECT_EQ(model().SoftwareVersion, "4.1");
    EXPECT_EQ(model().ZoneCount, 0);
    EXPECT_EQ(model().Magnification, 2.0);
    EXPECT_EQ(workspace->scale.SnapStep, 4);
    EXPECT_EQ(main().ScaleLabel->text(), "40 pix/m");
    EXPECT_EQ(main().SnapLabel->text(), "100 mm snap");
    EXPECT_EQ(main().RunLabel->text(), "1");
    EXPECT_TRUE(main().EditMode);
    for (QWidget* w :
         std::initializer_list<QWidget*>{main().TopPanel, main().LevelsPanel, main().Panel3, main().SnapPanel,
                                         main().EditPanel, main().LevelsEditPanel})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(model().ResultsCurrent);
}

TEST_F(HouseFileCommandsTest, NewAsksToSaveANamedHouse) {
    struct Case {
        Answer answer;
        int writes;
        bool reset;
        int saveAnswer;
    };
    for (const Case c :
         {Case{Answer::Yes, 1, true, 1}, Case{Answer::No, 0, true, 2}, Case{Answer::Cancel, 0, false, 0}}) {
        houseFiles.writes = 0;
        scripted.messages.clear();
        nameHouse("Villa", 3);
        scripted.messages.answerNext(c.answer);
        main().SBnewClick();
        EXPECT_EQ(scripted.messages.confirmations(), std::vector<QString>{"Save Changes to Villa_3.VOR ?"});
        EXPECT_EQ(houseFiles.writes, c.writes);
        EXPECT_EQ(model().ZoneCount == 0, c.reset);
        EXPECT_EQ(main().SaveAnswer, c.saveAnswer);
        if (c.writes) {
            EXPECT_TRUE(houseFiles.files.contains(houseFile("Villa_3.VOR")));
        }
        if (!c.reset) {
            EXPECT_EQ(model().ProjectName, "Villa");
            model().ZoneCount = 0;
        }
    }
}

TEST_F(HouseFileCommandsTest, ClosingAsksToSaveANamedHouseAndCancelKeepsTheWindowOpen) {
    EXPECT_TRUE(main().FormCloseQuery()) << "an unnamed house closes without a question";
    EXPECT_TRUE(scripted.messages.confirmations().empty());
    nameHouse("Villa", 3);
    for (auto [answer, closes, writes] :
         {std::tuple{Answer::Yes, true, 1}, {Answer::No, true, 1}, {Answer::Cancel, false, 1}}) {
        scripted.messages.answerNext(answer);
        EXPECT_EQ(main().FormCloseQuery(), closes);
        EXPECT_EQ(houseFiles.writes, writes);
    }
}

// An unnamed house that holds unsaved work, and what the user does when New, Open or closing the
// window would give it up: Yes saves it through the save-in-new-folder dialog, whose Cancel keeps
// it; No gives it up; Cancel keeps it.
enum class Command { New, Open, Close };
struct UnsavedWorkCase {
    Command command;
    Answer answer;
    bool folderChosen; // after Yes: the save dialog is answered with a folder, or cancelled
    bool saved;
    bool kept; // the house stays on the screen (for Close: the window stays open)
};

class UnsavedUnnamedHouseTest : public HouseFileCommandsTest,
                                public ::testing::WithParamInterface<UnsavedWorkCase> {};

TEST_P(UnsavedUnnamedHouseTest, IsOfferedForSavingInAFolderOfTheUsersChoice) {
    const UnsavedWorkCase c = GetParam();
    const int z = nameHouse("New Project", 1);
    QTemporaryDir other;
    const QString savedFile = other.filePath("New Project_1.VOR");
    if (c.command == Command::Open) {
        storeCottage();
        scripted.files.chooseNext(QString::fromStdString(houseFile("Cottage_2.VOR")));
    }
    scripted.messages.answerNext(c.answer);
    if (c.answer == Answer::Yes)
        scripted.files.chooseNext(c.folderChosen ? std::optional<QString>(savedFile) : std::nullopt);

    bool closes = false;
    switch (c.command) {
    case Command::New:
        main().SBnewClick();
        break;
    case Command::Open:
        main().SBopenFileClick();
        break;
    case Command::Close:
        closes = main().FormCloseQuery();
        break;
    }
    EXPECT_EQ(scripted.messages.confirmations(), std::vector<QString>{"Save Changes to the unnamed house ?"});
    EXPECT_TRUE(scripted.messages.answers.empty());
    EXPECT_TRUE(scripted.files.answers.empty());
    if (c.answer == Answer::Yes) {
        ASSERT_FALSE(scripted.files.requests.empty());
        EXPECT_EQ(scripted.files.requests.back().title, "Save VORT House File");
    }
    EXPECT_EQ(houseFiles.writes, c.saved ? 1 : 0);
    EXPECT_EQ(houseFiles.files.contains(savedFile.toStdString()), c.saved);
    const bool kept = model().ProjectName == "New Project" && model().ZoneCount == 1 &&
                      model().ZoneNodes(z, 0) == TPlanPoint{101, 40};
    if (c.command == Command::Close) {
        EXPECT_EQ(closes, !c.kept);
        EXPECT_TRUE(kept) << "closing changes nothing of the house";
    } else {
        EXPECT_EQ(kept, c.kept);
    }
    if (c.command == Command::Close && c.saved) {
        // What was saved is not asked about again.
        scripted.messages.clear();
        EXPECT_TRUE(main().FormCloseQuery());
        EXPECT_TRUE(scripted.messages.confirmations().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, UnsavedUnnamedHouseTest,
                         ::testing::Values(UnsavedWorkCase{Command::New, Answer::Yes, true, true, false},
                                           UnsavedWorkCase{Command::New, Answer::Yes, false, false, true},
                                           UnsavedWorkCase{Command::New, Answer::No, false, false, false},
                                           UnsavedWorkCase{Command::New, Answer::Cancel, false, false, true},
                                           UnsavedWorkCase{Command::Open, Answer::Yes, true, true, false},
                                           UnsavedWorkCase{Command::Open, Answer::No, false, false, false},
                                           UnsavedWorkCase{Command::Open, Answer::Cancel, false, false, true},
                                           UnsavedWorkCase{Command::Close, Answer::Yes, true, true, false},
                                           UnsavedWorkCase{Command::Close, Answer::Yes, false, false, true},
                                           UnsavedWorkCase{Command::Close, Answer::No, false, false, false},
                                           UnsavedWorkCase{Command::Close, Answer::Cancel, false, false,
                                                           true}));

TEST_F(HouseFileCommandsTest, AnUnnamedHouseWithoutChangesIsGivenUpWithoutAQuestion) {
    // Zooming changes no work; a zone drawn and removed again leaves nothing to save.
    main().ChangeMagnitude(2);
    const int z = nameHouse("New Project", 1);
    main().DiscardZone(z);
    EXPECT_TRUE(main().FormCloseQuery());
    main().SBnewClick();
    EXPECT_TRUE(scripted.messages.confirmations().empty());
}

TEST_F(HouseFileCommandsTest, SaveWritesAtMagnificationOneAndComesBack) {
    const int z = nameHouse("Villa", 3);
    main().SBsaveClick();
    const auto& saved = *houseFiles.files.at(houseFile("Villa_3.VOR"));
    EXPECT_EQ(saved.Magnification, 1.0);
    EXPECT_EQ(saved.ZoneNodes(z, 0), (TPlanPoint{50, 20})) << "50.5 goes to the even 50";
    EXPECT_EQ(saved.Walls(z, 1).Start, (TPlanPoint{130, 20}));
    EXPECT_EQ(model().Magnification, 2.0);
    EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{101, 40})) << "the live plan keeps its odd pixel";
    EXPECT_EQ(model().Walls(z, 0).Start, (TPlanPoint{101, 40}));
    EXPECT_EQ(main().StatusBar1->panelText(0),
              "Saved as " + QString::fromStdString(houseFile("Villa_3.VOR")));
    EXPECT_EQ(main().SaveAnswer, 1);
}

TEST_F(HouseFileCommandsTest, AFailedWriteLeavesThePlanAtItsMagnification) {
    const int z = nameHouse("Villa", 3);
    model().ZoneNodes(z, 0) = {100, 40};
    houseFiles.failWrites = true;
    EXPECT_THROW(main().SBsaveClick(), std::runtime_error);
    EXPECT_EQ(model().Magnification, 2.0);
    EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{100, 40}));
    EXPECT_EQ(model().ZoneNodes(z, 2), (TPlanPoint{261, 160}));
    EXPECT_NE(main().StatusBar1->panelText(0).left(8), "Saved as");
}

TEST_F(HouseFileCommandsTest, AFailedSaveAtCloseKeepsTheWindowOpen) {
    nameHouse("Villa", 3);
    houseFiles.failWrites = true;
    scripted.messages.answerNext(Answer::Yes);
    QCloseEvent close;
    QApplication::sendEvent(&main(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_EQ(scripted.messages.errors().size(), 1u);
}

TEST_F(HouseFileCommandsTest, SaveInAnotherFolderKeepsTheFileName) {
    nameHouse("Villa", 3);
    QTemporaryDir other;
    // A changed name saves nothing.
    scripted.files.chooseNext(other.filePath("Other_3.VOR"));
    main().SaveAsSBClick();
    EXPECT_EQ(
        scripted.messages.informations(),
        std::vector<QString>{"Only the directory can be changed. The file name must remain Villa_3.VOR"});
    EXPECT_EQ(houseFiles.writes, 0);
    // The proposed name in another folder is written there; the dialog accepts a new file.
    scripted.files.chooseNext(other.filePath("Villa_3.VOR"));
    main().SaveAsSBClick();
    EXPECT_TRUE(houseFiles.files.contains(other.filePath("Villa_3.VOR").toStdString()));
    const auto& request = scripted.files.requests.back();
    EXPECT_EQ(request.title, "Save VORT House File");
    EXPECT_EQ(request.fileName, "Villa_3.VOR");
    EXPECT_FALSE(request.mustExist);
    EXPECT_TRUE(request.confirmOverwrite);
    // Cancel.
    scripted.files.chooseNext(std::nullopt);
    main().SaveAsSBClick();
    EXPECT_EQ(main().SaveAnswer, 0);
}

TEST_F(HouseFileCommandsTest, PicturesOfAllSixLevelsAreSavedOrRemoved) {
    nameHouse("Villa", 3);
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    model().LevelPictures(1).Bitmap = picture;
    model().LevelPictures(1).Present = true;
    const auto level5 = folder.path() / "plans" / "Villa_3 level 5.BMP";
    std::ofstream(level5) << "old picture";
    main().SBsaveClick();
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "plans" / "Villa_3 level 1.BMP"));
    EXPECT_FALSE(std::filesystem::exists(level5)) << "a level without a picture loses its file";
}

TEST_F(HouseFileCommandsTest, OpenReadsTheHouseAndShowsItAtMagnificationTwo) {
    HouseModel& stored = storeCottage();
    stored.ClimateFileName = "climat21.TXT";
    stored.ClimateZone = 21;
    stored.Eaves(1).Count = 1;
    stored.Eaves(1).Points(0) = {10, 10};

    scripted.files.chooseNext(QString::fromStdString(houseFile("Cottage_2.VOR")));
    main().SBopenFileClick();
    EXPECT_EQ(scripted.files.requests.back().title, "Open VORT House File");
    EXPECT_EQ(model().ProjectName, "Cottage");
    EXPECT_EQ(model().ClimateZone, 21);
    EXPECT_EQ(model().Magnification, 2.0);
    EXPECT_EQ(workspace->scale.SnapStep, 4);
    EXPECT_EQ(model().ZoneNodes(1, 2), (TPlanPoint{200, 160}));
    EXPECT_EQ(model().Walls(2, 1).Start, (TPlanPoint{120, 40}));
    EXPECT_EQ(model().EavesNodes(1, 0), (TPlanPoint{20, 20}));
    EXPECT_FALSE(main().SBLevel[2]->isHidden());
    EXPECT_TRUE(main().SBLevel[3]->isHidden());
    EXPECT_EQ(main().ProjectLabel->text(), "Cottage");
    EXPECT_EQ(main().ScaleLabel->text(), "40 pix/m");
}

TEST_F(HouseFileCommandsTest, APlanPictureThatCannotBeReadIsReportedOnceTheHouseIsShown) {
    storeCottage();
    std::ofstream(folder.path() / "plans" / "Cottage_2 level 1.BMP") << "not a picture";
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(
        QString::fromStdString((folder.path() / "plans" / "Cottage_2 level 2.BMP").string()), "BMP"));

    scripted.files.chooseNext(QString::fromStdString(houseFile("Cottage_2.VOR")));
    EXPECT_THROW(main().SBopenFileClick(), std::runtime_error);
    // The house is shown whole, as after a good Open, with the picture that could be read.
    EXPECT_EQ(model().ProjectName, "Cottage");
    EXPECT_EQ(model().Magnification, 2.0);
    EXPECT_EQ(model().ZoneNodes(1, 2), (TPlanPoint{200, 160}));
    EXPECT_EQ(main().ScaleLabel->text(), "40 pix/m");
    EXPECT_FALSE(main().SBLevel[2]->isHidden());
    EXPECT_TRUE(main().SBLevel[1]->isDown());
    EXPECT_FALSE(model().LevelPictures(1).Present);
    EXPECT_TRUE(model().LevelPictures(2).Present);
}

TEST_F(HouseFileCommandsTest, OpenCancelledInTheSavePromptReadsNothing) {
    nameHouse("Villa", 3);
    houseFiles.files[houseFile("Other_1.VOR")] = std::make_shared<HouseModel>();
    scripted.files.chooseNext(QString::fromStdString(houseFile("Other_1.VOR")));
    scripted.messages.answerNext(Answer::Cancel);
    main().SBopenFileClick();
    EXPECT_EQ(model().ProjectName, "Villa");
    EXPECT_EQ(model().ZoneCount, 1);
}

TEST_F(HouseFileCommandsTest, AHouseFileThatCannotBeReadLeavesTheHouseAsItWas) {
    // The file is read before the save prompt, which a damaged file never reaches: whatever would
    // have been answered, the house on the screen stays.
    for (const char* name : {"New Project", "Villa"}) {
        SCOPED_TRACE(name);
        scripted.messages.clear();
        model().ZoneCount = 0;
        const int z = nameHouse(name, 3);
        scripted.files.chooseNext(QString::fromStdString(houseFile("Damaged_1.VOR")));
        EXPECT_THROW(main().SBopenFileClick(), std::runtime_error);
        EXPECT_TRUE(scripted.messages.confirmations().empty()) << "nothing to ask before the file is read";
        EXPECT_EQ(model().ProjectName, name);
        EXPECT_EQ(model().ZoneCount, 1);
        EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{101, 40}));
        EXPECT_EQ(model().Magnification, 2.0);
        EXPECT_EQ(houseFiles.writes, 0);
    }
}

} // namespace
