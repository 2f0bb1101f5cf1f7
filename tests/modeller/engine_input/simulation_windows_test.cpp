// The two windows of the simulation run: the engine's console, which shows the engine's lines as they
// come and closes when it ends, and the card file viewer.
#include "modeller/engine_input/engine_console_form.h"
#include "modeller/engine_input/text_file_form.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/help_service.h"

#include "simulation_fixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace pelmora;
using namespace simulation_test;

class NoHelp : public platform::HelpService {
  public:
    void showTopic(int topic) override { topics.push_back(topic); }
    std::vector<int> topics;
};

TEST(SimulationWindows, TheConsoleShowsEveryLineOfTheEngineAndClosesWhenItEnds) {
    ProgramFolder folder(STANDIN_ENGINE_FAILS);
    writeFile(folder / "SCRATCH", " 9\r\n");
    TEngineConsoleForm console;
    int shownWhileRunning = 0;
    QObject::connect(console.ConsoleText, &QPlainTextEdit::textChanged, [&] {
        if (console.isVisible()) ++shownWhileRunning;
    });
    const EngineResult result = console.ExecAndWait(folder.path());
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 3);
    const QStringList shown = console.ConsoleText->toPlainText().split('\n');
    ASSERT_EQ(shown.size(), 14);
    EXPECT_EQ(shown.front(), " Stand-in engine");
    EXPECT_EQ(shown[12], " Month 12 completed");
    EXPECT_EQ(shown.back(), " Run ended abnormally");
    EXPECT_GT(shownWhileRunning, 0) << "the lines appear while the window is up";
    EXPECT_FALSE(console.isVisible());
}

TEST(SimulationWindows, TheConsoleReportsAnEngineThatCannotStart) {
    ProgramFolder folder;
    TEngineConsoleForm console;
    const EngineResult result = console.ExecAndWait(folder.path());
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.exitCode, -1);
    EXPECT_NE(result.startError.find("varonellengine"), std::string::npos);
    EXPECT_FALSE(console.isVisible());
}

struct Viewer : ::testing::Test {
    Viewer() {
        writeFile(folder / "SCRATCH",
                  "C  Data type 1: Project data\r\nC\r\n 1  2   /x/Data/Climate/climat21.TXT\r\n 9");
        form.LoadTextIntoViewer(folder / "SCRATCH");
    }
    ProgramFolder folder;
    NoHelp help;
    TTextFileForm form{help};
};

TEST_F(Viewer, HoldsTheFileLineByLine) {
    EXPECT_EQ(form.RichEdit1->toPlainText().toStdString(),
              "C  Data type 1: Project data\nC\n 1  2   /x/Data/Climate/climat21.TXT\n 9");
    EXPECT_TRUE(form.RichEdit1->isReadOnly());
    EXPECT_EQ(form.RichEdit1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(form.RichEdit1->font().fixedPitch());
    EXPECT_EQ(form.Label1->text(), "Column, Row");
}

TEST_F(Viewer, AFileThatCannotBeReadKeepsTheTextShown) {
    EXPECT_THROW(form.LoadTextIntoViewer(folder / "missing"), std::runtime_error);
    EXPECT_EQ(form.RichEdit1->document()->blockCount(), 4);
}

TEST_F(Viewer, AClickShowsTheColumnAndRowOfTheCaret) {
    form.ShowViewer("caption");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto clickAt = [&](int row, int column) {
        QTextCursor place(form.RichEdit1->document()->findBlockByNumber(row));
        place.setPosition(place.position() + column);
        const QRect at = form.RichEdit1->cursorRect(place);
        QTest::mouseClick(form.RichEdit1->viewport(), Qt::LeftButton, {}, at.center() + QPoint(1, 0));
        return form.Label1->text().toStdString();
    };
    EXPECT_EQ(clickAt(0, 0), "Column 1, Row 1");
    EXPECT_EQ(clickAt(2, 4), "Column 5, Row 3");
}

TEST_F(Viewer, ShowsWithItsCaptionAtTheStartAndClosesOnEnterEscapeAndOK) {
    QTextCursor end = form.RichEdit1->textCursor();
    end.movePosition(QTextCursor::End);
    form.RichEdit1->setTextCursor(end);
    form.ShowViewer((folder / "SCRATCH").string());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isModal());
    EXPECT_EQ(form.windowTitle().toStdString(), (folder / "SCRATCH").string());
    EXPECT_EQ(form.RichEdit1->textCursor().position(), 0);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        form.ShowViewer("again");
        QTest::keyClick(form.RichEdit1, key);
        EXPECT_FALSE(form.isVisible());
    }
    form.ShowViewer("again");
    form.OKSB->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.RichEdit1->document()->blockCount(), 4) << "closing only hides the viewer";
}

} // namespace
