// The short report: the newest rating's figures with the project's details, whatever record the star
// panel shows, and the page printed to a PDF whose text is read back.
#include "modeller/results/short_report_form.h"

#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "results_fixture.h"

#include <QImage>
#include <QLabel>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

using namespace pelmora;
using namespace results_test;

class ShortReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        makeHouse(model, folder.path(), {{"Living", 150.0, true, true}});
        // Climate 5: limits falling by 10 from 200 MJ/m2, and an area correction of 1.25 at every area
        // (a factor of 0.8).
        rateableClimate(tables, 5);
        tables.AreaCorrectionCoeffs(5, 6) = 0.25;
        model.ProjectName = "Cottage";
        model.RunNumber = 3;
        model.AssessmentDate = "12/03/2024";
        model.LocationName = "MELBOURNE";
        model.Postcode = 3000;
        model.ClientName = "R. Fenwick";
        model.AssessorNumber = "AS-0417";
        model.DwellingStreetName = "Wattle Grove";
        model.DwellingPostCode = "3071";
        model.StateIndex = 3;
        // Older runs first: the newest is record 1.
        addRecord("Cottage_1", 2000.0, 0.0, 0.0);
        addRecord("Cottage_2", 3000.0, 0.0, 0.0);
        addRecord("Cottage_3", 8000.0, 5000.0, 1062.5);
        history->SimulationRecords(3).Stars = 2.0;
    }
    void addRecord(const std::string& name, double heat, double coolS, double coolL) {
        StarType& r = pushRecord(*history);
        r.Name = name;
        r.Climate = 5;
        r.Zones = 1;
        r.Area = 150.0;
        r.Heat = heat;
        r.CoolS = coolS;
        r.CoolL = coolL;
        r.Total = heat + coolS + coolL;
        r.AreaAdjust = 0.8;
        r.Stars = StarRating(tables, 5, r.Area, r.Total);
    }

    // The report's services, printing through `printing`.
    platform::Services servicesPrintingTo(platform::PrintService& printing) {
        return {messages, files, help, printing};
    }

    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    platform::ScriptedHelpService help;
    TempFolder folder;
    HouseModel model;
    RatingTables tables;
    std::unique_ptr<SimulationHistory> history = std::make_unique<SimulationHistory>();
};

TEST_F(ShortReportTest, ShowsTheNewestRatingWithTheProjectDetails) {
    const ShortReportTexts t = ShortReportFigures(*history, model, tables);
    // Cottage_3 on 150 m2: heating 8000 / 150, cooling (5000 + 1062.5) / 150, total 14062.5 / 150.
    EXPECT_EQ(t.HeatLabel, "53.3");
    EXPECT_EQ(t.CoolLabel, "40.4");
    EXPECT_EQ(t.TotalLabel, "93.8");
    // 93.75 MJ/m2 lies within the 11th band (100; the 12th is 90): 5.5 stars.
    EXPECT_EQ(t.StarLabel, "5.5");
    EXPECT_TRUE(t.images.star(5) && !t.images.star(6) && t.images.halfstar(6));
    // Adjusted: 14062.5 x 0.8 / 150 = 75 MJ/m2, within the 13th band (80; the 14th is 70): 6.5 stars.
    EXPECT_EQ(t.AdjustStarLabel, "6.5");
    EXPECT_EQ(t.ProjectN, "Cottage");
    EXPECT_EQ(t.RunN, "3");
    EXPECT_EQ(t.E24, "12/03/2024");
    EXPECT_EQ(t.LocationLabel, "MELBOURNE");
    EXPECT_EQ(t.ClimateLabel, "climat05.TXT");
    EXPECT_EQ(t.PCLabel, "3000");
    EXPECT_EQ(t.E[1], "R. Fenwick");
    EXPECT_EQ(t.E[13], "AS-0417");
    EXPECT_EQ(t.E[18], "Wattle Grove");
    EXPECT_EQ(t.E[21], "3071") << "the post code as typed in the project details";
    EXPECT_EQ(t.StateEdit, "Vic");
}

TEST_F(ShortReportTest, StatesByIndexAndNoneOutsideTheList) {
    const std::pair<int, std::optional<std::string>> cases[] = {
        {0, "QLD"}, {1, "NSW"}, {2, "ACT"}, {4, "Tas"}, {5, "SA"}, {6, "WA"}, {7, "NT"}, {8, {}}, {-1, {}}};
    for (const auto& [index, state] : cases) {
        model.StateIndex = index;
        EXPECT_EQ(ShortReportFigures(*history, model, tables).StateEdit, state) << index;
    }
}

TEST_F(ShortReportTest, ARatingAreaWithoutEnergyShowsNoStars) {
    addRecord("Cottage_4", 0.0, 0.0, 0.0);
    const ShortReportTexts t = ShortReportFigures(*history, model, tables);
    EXPECT_EQ(t.StarLabel, "");
    EXPECT_FALSE(t.images.lemon);
    EXPECT_EQ(std::count(t.images.star.begin(), t.images.star.end(), true), 0);
    EXPECT_EQ(t.TotalLabel + " " + t.CoolLabel + " " + t.HeatLabel, "0.0 0.0 0.0");
    EXPECT_EQ(t.AdjustStarLabel, "") << "no rating, not an adjusted rating of 11";
}

// A run in a climate zone that the area correction table has no row for gets no rating.  The
// certificate must not show the plain rating under "Adjusted Star Rating" (with no row the
// correction is 1, so the "adjusted" figure would be the unadjusted 3.0 stars).
TEST_F(ShortReportTest, ARunThatCannotBeRatedShowsNoAdjustedStarRating) {
    tables.AreaCorrectionRow(5) = false;
    // 150 m2 heated and cooled, 22500 MJ in the year: 150 MJ/m2, which the bands would rate 3.0.
    folder.write("ENERGY.TXT", energyFile({energyRow(6, 1, 1, {22500.0, 0.0, 0.0})}));
    ASSERT_EQ(modelErrorOf([&] { StoreSimulationRecord(*history, model, tables); }), "no error");
    ASSERT_EQ(history->SimulationRecords(1).Stars, kNoRating);
    const ShortReportTexts t = ShortReportFigures(*history, model, tables);
    EXPECT_EQ(t.TotalLabel, "150.0") << "the energies are still shown";
    EXPECT_EQ(t.StarLabel, "");
    EXPECT_EQ(t.AdjustStarLabel, "");
}

TEST_F(ShortReportTest, PrintsOnePageThatReadsBackWithItsFigures) {
    const std::filesystem::path pdf = folder.path() / "report.pdf";
    platform::PdfPrintService printing(QString::fromStdString(pdf.string()));
    platform::Services services = servicesPrintingTo(printing);
    TShortReportForm form(model, *history, tables, services);
    EXPECT_EQ(form.windowTitle(), "Short Simulation Report");
    form.show();
    EXPECT_EQ(form.StateEdit->text(), "Vic");
    model.StateIndex = 11;
    form.FormShow();
    EXPECT_EQ(form.StateEdit->text(), "Vic") << "a state outside the list leaves the field as it was";
    EXPECT_EQ(form.AdjustStarLabel->text(), "6.5");

    form.PrintSBClick();
    EXPECT_EQ(printing.pagesPrinted, 1);
    EXPECT_TRUE(messages.shown.empty());
    const std::string text = pdfText(pdf);
    ASSERT_FALSE(text.empty()) << "pdftotext could not read " << pdf;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1) << "one page";
    for (const char* expected : {"VORT V4.1",
                                 "Cottage",
                                 "MELBOURNE",
                                 "climat05.TXT",
                                 "3000",
                                 "12/03/2024",
                                 "5.5",
                                 "Adjusted Star Rating",
                                 "6.5",
                                 "53.3",
                                 "40.4",
                                 "93.8",
                                 "Client Details",
                                 "R. Fenwick",
                                 "Assessor Details",
                                 "AS-0417",
                                 "Dwelling Details",
                                 "Wattle Grove",
                                 "3071",
                                 "Vic",
                                 "I am a fully trained and registered VORT Pro energy",
                                 "does not include the work of others.",
                                 "Signed by the assessor"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_EQ(text.find("Print"), std::string::npos) << "the window's buttons stay off the page";
}

// Records, at the moment the page is printed, which fields show a selection.
class SelectionRecordingPrint : public platform::PrintService {
  public:
    bool printImage(const QImage&, bool) override { return true; }
    bool printWidget(QWidget& widget, bool, const QRegion&) override {
        for (const ReportField* field : widget.findChildren<ReportField*>())
            if (field->textCursor().hasSelection()) selected << field->objectName();
        ++printed;
        return true;
    }
    QStringList selected;
    int printed = 0;
};

std::string withoutBlanks(std::string text) {
    std::erase_if(text, [](unsigned char c) { return std::isspace(c) != 0; });
    return text;
}

// Entries longer than their fields print whole on the one page: the certificate carries every
// character the assessor typed, wrapped onto further lines of the field.
TEST_F(ShortReportTest, LongEntriesPrintWholeOnOnePage) {
    const std::string email = "hom.records.senior.assessor.testing(qld)@example-assessors.com.au";
    const std::string street = "Unit 14, Building C, 1187-1203 Old Northern Road Service Lane, Castle Hill";
    const std::string development = "The Grange at Wattle Grove Estate, Stage Fourteen, Lots 1 to 40";
    model.AssessorEmail = email;
    model.ClientStreetAddress = street;
    model.DwellingDevelopmentName = development;
    const std::filesystem::path pdf = folder.path() / "long.pdf";
    platform::PdfPrintService printing(QString::fromStdString(pdf.string()));
    platform::Services services = servicesPrintingTo(printing);
    TShortReportForm form(model, *history, tables, services);
    form.show();
    const ReportField* shown = form.E[10];
    ASSERT_EQ(shown->text().toStdString(), email);
    EXPECT_GT(shown->lineCount(), 1) << "the address is wider than its field, so it wraps";
    EXPECT_GE(shown->height(), shown->lineCount() * shown->fontMetrics().lineSpacing())
        << "the field is tall enough for every line";

    form.PrintSBClick();
    ASSERT_EQ(printing.pagesPrinted, 1);
    const std::string text = pdfText(pdf);
    ASSERT_FALSE(text.empty()) << "pdftotext could not read " << pdf;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1) << "one page";
    const std::string page = withoutBlanks(text);
    for (const std::string& entry : {email, development})
        EXPECT_NE(page.find(withoutBlanks(entry)), std::string::npos) << entry << " in\n" << text;
    // The street address wraps beside the assessor's column, whose captions the text extraction puts
    // between its lines: each of its words is on the page, the last one included.
    for (const char* word : {"Unit", "1187-1203", "Northern", "Lane,", "Castle", "Hill"})
        EXPECT_NE(text.find(word), std::string::npos) << word << " in\n" << text;
}

// The field the assessor last clicked puts no selection highlight on the printed page, and the
// selection is there again afterwards.
TEST_F(ShortReportTest, ThePageIsPrintedWithoutASelection) {
    model.AssessorEmail = "jonathan.smithers-ellington.assessor.testing@example.com.au";
    SelectionRecordingPrint printing;
    platform::Services services = servicesPrintingTo(printing);
    TShortReportForm form(model, *history, tables, services);
    form.show();
    QTextCursor cursor = form.E[10]->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(23, QTextCursor::KeepAnchor);
    form.E[10]->setTextCursor(cursor);
    ASSERT_TRUE(form.E[10]->textCursor().hasSelection());
    form.PrintSBClick();
    ASSERT_EQ(printing.printed, 1);
    EXPECT_TRUE(printing.selected.isEmpty()) << printing.selected.join(", ").toStdString();
    EXPECT_EQ(form.E[10]->textCursor().selectedText().size(), 20) << "the selection is back";
}

} // namespace
