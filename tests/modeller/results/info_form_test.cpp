// The building details report window: where it starts, what its buttons show, the zone chooser,
// the text as the window shows it, saving the rich-text file, printing to a PDF and a damaged table.
#include "modeller/results/info_form.h"

#include "building_details_fixture.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

using namespace pelmora;
using namespace details_test;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each run of blanks made one blank.
std::string squeezed(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

class InfoFormTest : public DetailsHouse {
  protected:
    void SetUp() override {
        DetailsHouse::SetUp();
        form = std::make_unique<TInfoForm>(model, *tables, plan, currentZone, reportOpen, services);
    }
    void TearDown() override { form.reset(); }

    std::vector<std::string> shownLines() const {
        std::vector<std::string> lines;
        const QTextDocument& shown = *form->RichEdit1->document();
        for (QTextBlock b = shown.begin(); b.isValid(); b = b.next()) lines.push_back(b.text().toStdString());
        return lines;
    }
    bool shows(const std::string& line) const {
        const std::vector<std::string> lines = shownLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    std::int32_t currentZone = 2; // left by the plan
    bool reportOpen = false;
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    platform::ScriptedHelpService help;
    std::filesystem::path pdf = folder.path() / "report.pdf";
    platform::PdfPrintService printing{QString::fromStdString(pdf.string())};
    platform::Services services{messages, files, help, printing};
    std::unique_ptr<TInfoForm> form;
};

TEST_F(InfoFormTest, MainWindowOpensAllZonesWithTheSummaryAndClosingClearsTheFlag) {
    form->ShowStartingOn(0);
    EXPECT_TRUE(reportOpen);
    EXPECT_EQ(currentZone, 0);
    EXPECT_EQ(form->ZoneNameLb->text(), "All Zones");
    EXPECT_TRUE(form->ZNum->text().isEmpty());
    EXPECT_TRUE(shows("Summary"));
    for (const char* heading :
         {"Zone 1      Living      Living Area on Level 1", "Zone 2      Bed 1      Sleeping Area on Level 1",
          "Zone 3      Upstairs      Other Night-time Area on Level 2"})
        EXPECT_TRUE(shows(heading)) << heading;
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(form->isModal());

    QTest::mouseClick(form->OKSB, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(reportOpen);

    // Escape closes it the same way.
    form->ShowStartingOn(0);
    EXPECT_TRUE(reportOpen);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(reportOpen);
}

// Zone details wait for their answer; the report opened from them must not be blocked with the rest
// of the program, and opened again from the main window it is modeless as before.
TEST_F(InfoFormTest, OpenedFromADialogThatWaitsItTakesTheInputUntilClosed) {
    QDialog details;
    details.setWindowModality(Qt::ApplicationModal);
    details.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &details);
    form->ShowStartingOn(3);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), form.get());
    QTest::mouseClick(form->OKSB, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    details.hide();

    form->ShowStartingOn(0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(InfoFormTest, ZoneDetailsOpenOneZoneWithoutSummaryAndAllBringsItBack) {
    form->ShowStartingOn(3);
    EXPECT_EQ(form->ZNum->text(), "Zone 3");
    EXPECT_EQ(form->ZoneNameLb->text(), "Upstairs");
    EXPECT_EQ(model.DisplayZone, 3);
    EXPECT_FALSE(shows("Summary"));
    EXPECT_FALSE(shows("Zone 1      Living      Living Area on Level 1"));
    EXPECT_TRUE(shows("Zone 3      Upstairs      Other Night-time Area on Level 2"));

    QTest::mouseClick(form->AllSB, Qt::LeftButton);
    EXPECT_TRUE(shows("Summary"));
    EXPECT_FALSE(shows("Zone 1      Living      Living Area on Level 1"));

    // Asked again while it is open, it starts afresh on the new zone.
    form->ShowStartingOn(1);
    EXPECT_EQ(form->ZNum->text(), "Zone 1");
    EXPECT_FALSE(shows("Summary"));
    EXPECT_TRUE(shows("Zone 1      Living      Living Area on Level 1"));
}

TEST_F(InfoFormTest, UpDownChangesTheZoneButNotTheTextUntilAButtonIsPressed) {
    form->ShowStartingOn(0);
    const std::vector<std::string> before = shownLines();
    form->ZoneNumUpDown->setValue(2);
    EXPECT_EQ(form->ZoneNameLb->text(), "Bed 1");
    EXPECT_EQ(shownLines(), before);

    QTest::mouseClick(form->SBWindow, Qt::LeftButton);
    EXPECT_THAT(shownLines(), Contains("Zone 2      Bed 1      Sleeping Area on Level 1"));
    EXPECT_THAT(shownLines(), Not(Contains(HasSubstr("Zone 1 "))));
    EXPECT_THAT(shownLines(), Not(Contains(HasSubstr("Wall E"))));
    EXPECT_THAT(shownLines(), Contains(HasSubstr("Window( 3, 1)")));

    // "SUM" shows the summary alone, without zone headings.
    QTest::mouseClick(form->DetSB, Qt::LeftButton);
    EXPECT_TRUE(shows("Summary"));
    EXPECT_THAT(shownLines(), Not(Contains(HasSubstr("Zone 2 "))));
}

TEST_F(InfoFormTest, WindowShowsEachLineInItsStyle) {
    form->ShowStartingOn(0);
    const ReportDocument& report = form->document();
    const QTextDocument& shown = *form->RichEdit1->document();
    ASSERT_EQ(shown.blockCount(), static_cast<int>(report.lines.size()));
    QTextBlock block = shown.begin();
    for (const ReportLine& line : report.lines) {
        ASSERT_TRUE(block.isValid());
        EXPECT_EQ(block.text().toStdString(), line.text);
        if (!line.text.empty()) {
            const QTextCharFormat format = block.begin().fragment().charFormat();
            const QColor expected = line.style == 1   ? QColor(0, 0, 255)
                                    : line.style == 2 ? QColor(255, 0, 0)
                                                      : Qt::black;
            EXPECT_EQ(format.foreground().color(), expected) << line.text;
            EXPECT_EQ(format.fontWeight(), QFont::Bold) << line.text;
            EXPECT_EQ(format.fontFamilies().toStringList().value(0), "Courier New");
            EXPECT_EQ(format.fontPointSize(), 9.0);
        }
        block = block.next();
    }
    EXPECT_EQ(form->RichEdit1->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_TRUE(form->RichEdit1->isReadOnly());
}

TEST_F(InfoFormTest, SavesTheRoofReportAsTheRichTextFileByteForByte) {
    form->ShowStartingOn(0);
    QTest::mouseClick(form->SBRoof, Qt::LeftButton);
    QTest::mouseClick(form->SBsave, Qt::LeftButton);
    const std::filesystem::path file = folder.path() / "OUTPUT" / "Test_4.RTF";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(readBytes(file), readBytes(std::filesystem::path(TEST_SOURCE_DIR) / "details_roof.rtf"));
    EXPECT_EQ(form->StatusBar1->panelText(0).toStdString(), "Saved As   " + file.string());
    EXPECT_TRUE(messages.errors().empty());
}

TEST_F(InfoFormTest, SaveWithoutTheOutputFolderIsAnErrorNamingTheFile) {
    std::filesystem::remove_all(folder.path() / "OUTPUT");
    form->ShowStartingOn(0);
    const std::vector<std::string> before = shownLines();
    QTest::mouseClick(form->SBsave, Qt::LeftButton);
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_THAT(messages.errors()[0].toStdString(), HasSubstr("Test_4.RTF"));
    EXPECT_TRUE(form->StatusBar1->panelText(0).isEmpty());
    EXPECT_EQ(shownLines(), before);
}

TEST_F(InfoFormTest, PrintsEveryLineWithTitleAndPageFooters) {
    form->ShowStartingOn(0);
    QTest::mouseClick(form->PrintSB, Qt::LeftButton);
    EXPECT_EQ(printing.pagesPrinted, 1);
    EXPECT_EQ(printing.lastTitle, "Project Test Run 4");
    // The PDF's text is read back with its runs of blanks shortened.
    const std::string text = squeezed(results_test::pdfText(pdf));
    for (const char* expected :
         {"Project Test Run 4 Building Details", "Details of Test Run 4", "Page 1",
          "Conditioned Area 40.0 m²", "Wall E 4 5.00 2.70 0.00 270 13.50 Weatherboard None",
          // The ends of the widest lines reach the page.
          "Under Floor", "Floor Height 600 Enclosed", "Roofspace or roof above ceiling"})
        EXPECT_THAT(text, HasSubstr(expected));
    // Each page ends with its footer: as many footers as pages.
    const auto pages = std::count(text.begin(), text.end(), '\f');
    std::size_t footers = 0;
    for (std::size_t at = text.find("Details of Test Run 4"); at != std::string::npos;
         at = text.find("Details of Test Run 4", at + 1))
        ++footers;
    EXPECT_EQ(static_cast<long>(footers), pages);
}

TEST_F(InfoFormTest, DamagedTableIsReportedAndTheTextStays) {
    form->ShowStartingOn(0);
    const std::vector<std::string> before = shownLines();
    Sql("DROP TABLE DoorMaterial;");
    QTest::mouseClick(form->AllSB, Qt::LeftButton);
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_THAT(messages.errors()[0].toStdString(), HasSubstr("DoorMaterial"));
    EXPECT_EQ(shownLines(), before);
}

} // namespace
