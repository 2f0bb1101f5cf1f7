#include "modeller/plan/project_details_form.h"

#include "common/text_values.h"

#include "modeller/plan/contact_files.h"
#include "modeller/plan/main_form.h"

#include "plan_fixture.h"

#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

class ProjectDetailsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
        model().ClientName = "A. Client";
        model().AssessorName = "B. Assessor";
        form().FormShow();
    }
    TProjectDetailsForm& form() { return *forms->ProjectDetailsForm; }
    QString schedule(const char* name) const {
        return QString::fromStdString((folder.path() / "schedule" / name).string());
    }
};

TEST_F(ProjectDetailsTest, EnterAndEscapeCloseWithoutStoring) {
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        form().FormShow();
        form().E[1]->setText("Changed");
        form().ProjectN->setText("Changed");
        QTest::keyClick(&form(), static_cast<Qt::Key>(key));
        EXPECT_EQ(model().ClientName, "A. Client");
        EXPECT_EQ(model().ProjectName, "New Project");
        EXPECT_EQ(form().result(), QDialog::Rejected);
    }
}

TEST_F(ProjectDetailsTest, OkStoresEveryBoxAndShowsTheProjectLine) {
    form().ProjectN->setText("Villa");
    form().E[7]->setText("C. Assessor");
    form().E[21]->setText("4000");
    form().StateCB->setCurrentIndex(3);
    form().CommentBox->setPlainText("North-facing living\nSlab on ground");
    form().UpDown1->setValue(7);
    form().OKSBClick();
    EXPECT_EQ(model().ProjectName, "Villa");
    EXPECT_EQ(model().RunNumber, 7);
    EXPECT_EQ(model().AssessorName, "C. Assessor");
    EXPECT_EQ(model().DwellingPostCode, "4000");
    EXPECT_EQ(model().StateIndex, 3);
    EXPECT_EQ(model().CommentLines, (std::vector<std::string>{"North-facing living", "Slab on ground"}));
    EXPECT_EQ(model().CommentLineCount, 2);
    EXPECT_EQ(main().ProjectLabel->text(), "Villa");
    EXPECT_EQ(main().RunLabel->text(), "7");
}

// The project name becomes part of the house file's and the temperature file's paths: a name that
// would leave their folders is refused, and nothing of the dialog is stored.
TEST_F(ProjectDetailsTest, OkRefusesAProjectNameThatLeavesItsFolder) {
    for (const char* name : {"../../x", "a/b", "a\\b", ".."}) {
        SCOPED_TRACE(name);
        scripted.messages.clear();
        form().FormShow();
        form().ProjectN->setText(name);
        form().E[1]->setText("Changed");
        form().OKSBClick();
        ASSERT_EQ(scripted.messages.shown.size(), 1u);
        EXPECT_TRUE(scripted.messages.shown[0].text.startsWith("The project name \"" + QString(name) + "\""))
            << scripted.messages.shown[0].text.toStdString();
        EXPECT_EQ(model().ProjectName, "New Project");
        EXPECT_EQ(model().ClientName, "A. Client");
    }
    form().ProjectN->setText("Villa 2.0");
    form().OKSBClick();
    EXPECT_EQ(model().ProjectName, "Villa 2.0") << "a point in a name is no fault";
}

TEST_F(ProjectDetailsTest, RunNumberBoxAndUpDownStayInStep) {
    form().RunN->setText("12");
    EXPECT_EQ(form().UpDown1->value(), 12);
    EXPECT_EQ(model().RunNumber, 12);
    form().UpDown1->stepUp();
    EXPECT_EQ(form().RunN->text(), "13");
    EXPECT_EQ(model().RunNumber, 13);
    form().RunN->setText("x1");
    EXPECT_EQ(scripted.messages.errors(), std::vector<QString>{"'x1' is not a valid integer value"});
    EXPECT_EQ(model().RunNumber, 13) << "the run number keeps its value";
}

TEST_F(ProjectDetailsTest, TodayWritesTheDateAtOnce) {
    model().AssessmentDate = "";
    form().TodayButtonClick();
    form().reject();
    EXPECT_EQ(model().AssessmentDate, todayShortDate().toStdString());
    EXPECT_EQ(form().E[24]->text(), todayShortDate());
}

TEST_F(ProjectDetailsTest, ClientDetailsGoToAFileAndComeBack) {
    form().E[2]->setText("07 3333 4444");
    scripted.files.chooseNext(schedule("Smith.CLI"));
    form().SBsaveClick();
    const auto& request = scripted.files.requests.back();
    EXPECT_EQ(request.title, "Save Client Details");
    EXPECT_EQ(request.fileName, "Client1.CLI");
    EXPECT_FALSE(request.mustExist) << "a new client file can be named";
    EXPECT_EQ(main().StatusBar1->panelText(0), "Saved as " + schedule("Smith.CLI"));
    EXPECT_EQ(common::readTextLines(schedule("Smith.CLI").toStdString()),
              (std::vector<std::string>{"A. Client", "07 3333 4444", "", "", "", ""}));

    form().ClientNewSBClick();
    EXPECT_EQ(model().ClientName, "");
    EXPECT_EQ(form().E[1]->text(), "");
    scripted.files.chooseNext(schedule("Smith.CLI"));
    form().SBopenClick();
    EXPECT_EQ(model().ClientPhone, "07 3333 4444");
    EXPECT_EQ(form().E[1]->text(), "A. Client");
    EXPECT_EQ(main().StatusBar1->panelText(0), "Opened Client " + schedule("Smith.CLI"));

    scripted.files.chooseNext(std::nullopt);
    form().SBopenClick();
    EXPECT_EQ(model().ClientName, "A. Client") << "a cancelled dialog changes nothing";
}

TEST_F(ProjectDetailsTest, AnAssessorFileFromElsewhereKeepsTheAssessorsName) {
    std::ofstream(schedule("Other.ASS").toStdString()) << "Someone Else\r\n1234\r\n5678\r\n";
    scripted.files.chooseNext(schedule("Other.ASS"));
    form().AssessOpenSBClick();
    EXPECT_EQ(model().AssessorName, "B. Assessor");
    EXPECT_EQ(model().AssessorPhone, "1234");
    EXPECT_EQ(model().AssessorFax, "5678");
    EXPECT_EQ(model().AssessorNumber, "") << "lines the file lacks read as empty";
    EXPECT_EQ(form().E[7]->text(), "B. Assessor");

    form().AssessorNewSBClick();
    EXPECT_EQ(model().AssessorName, "B. Assessor");
    EXPECT_EQ(model().AssessorPhone, "");
}

TEST(ContactFiles, AFileThatCannotBeReadChangesNothing) {
    HouseModel model;
    model.ClientName = "Kept";
    EXPECT_THROW(ReadClientFile("/nonexistent/x.CLI", model), std::runtime_error);
    EXPECT_EQ(model.ClientName, "Kept");
}

} // namespace
