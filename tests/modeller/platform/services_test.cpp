#include "modeller/platform/application.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

namespace {

using platform::Answer;

TEST(ScriptedMessages, AnswerQuestionsInOrderAndRecordEveryBox) {
    platform::ScriptedMessageService messages;
    messages.answerNext(Answer::No);
    messages.answerNext(Answer::Cancel);
    messages.warn("Window limit has been reached");
    EXPECT_EQ(messages.confirm("First?", false), Answer::No);
    EXPECT_EQ(messages.confirm("Second?", true), Answer::Cancel);
    messages.error("Broken");
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(messages.informations(), std::vector<QString>{"Window limit has been reached"});
    EXPECT_EQ(messages.confirmations(), (std::vector<QString>{"First?", "Second?"}));
    EXPECT_EQ(messages.errors(), std::vector<QString>{"Broken"});
    // A question nobody expected is a fault of the test, not a silent answer.
    EXPECT_THROW(messages.confirm("Third?", true), std::logic_error);
    messages.answerNext(Answer::Cancel);
    EXPECT_THROW(messages.confirm("No cancel here", false), std::logic_error);
}

TEST(FileFilters, TurnCaptionPatternPairsIntoQtFilters) {
    EXPECT_EQ(platform::qtFileFilter("VORT House Files   *.VOR|*.VOR|All Files                    *.*|*.*"),
              "VORT House Files   *.VOR (*.VOR);;All Files                    *.* (*.*)");
    EXPECT_EQ(platform::qtFileFilter("Client  *.CLI|*.CLI"), "Client  *.CLI (*.CLI)");
    EXPECT_EQ(platform::qtFileFilter("Pictures|*.BMP;*.JPG"), "Pictures (*.BMP *.JPG)");
    EXPECT_EQ(platform::qtFileFilter(""), "");
}

TEST(ScriptedFiles, KeepTheRequestAndAnswerCancelAsNothing) {
    platform::ScriptedFileDialogService files;
    files.chooseNext(QString("/tmp/a.VOR"));
    files.chooseNext(std::nullopt);
    platform::FileDialogRequest request;
    request.title = "Open VORT House File";
    request.folder = "/tmp";
    EXPECT_EQ(files.openFile(request), QString("/tmp/a.VOR"));
    EXPECT_EQ(files.saveFile(request), std::nullopt);
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[0].title, "Open VORT House File");
    EXPECT_THROW(files.openFile(request), std::logic_error);
}

TEST(HelpFile, ReadsTopicsWithParagraphs) {
    const auto topics = platform::parseHelpText("# comment before the topics\n"
                                                "@@ 10 Main window\n"
                                                "First line\n"
                                                "  continues here.\n"
                                                "\n"
                                                "Second paragraph.\n"
                                                "@@ 14   Project Details  \n"
                                                "Names the house.\n");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics.at(10).title, "Main window");
    EXPECT_EQ(topics.at(10).paragraphs,
              (std::vector<std::string>{"First line continues here.", "Second paragraph."}));
    EXPECT_EQ(topics.at(14).title, "Project Details");
}

TEST(HelpFile, RejectsBadHeadingsAndRepeatedTopics) {
    EXPECT_THROW(platform::parseHelpText("@@ ten Main\n"), std::runtime_error);
    EXPECT_THROW(platform::parseHelpText("@@ 0 Zero\n"), std::runtime_error);
    EXPECT_THROW(platform::parseHelpText("@@ 10 A\n@@ 10 B\n"), std::runtime_error);
}

TEST(HelpWindow, ShowsTheTopicPageOrSaysThereIsNone) {
    QTemporaryDir dir;
    const auto file = std::filesystem::path(dir.path().toStdString()) / "zazozor1.hlp";
    std::ofstream(file) << "@@ 10 Main window\r\nThe main window shows the plan.\r\n";
    platform::ScriptedMessageService messages;
    platform::WindowHelpService help(messages);
    help.setHelpFile(file);
    help.showTopic(10);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_TRUE(help.window()->pageText().contains("The main window shows the plan."));
    EXPECT_EQ(help.window()->windowTitle(), "Help - Main window");
    help.showTopic(999);
    EXPECT_TRUE(help.window()->pageText().contains("no help page for topic 999"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(HelpWindow, MissingHelpFileIsReportedNotFatal) {
    platform::ScriptedMessageService messages;
    platform::WindowHelpService help(messages);
    help.setHelpFile("/nonexistent/DATA/zazozor1.hlp");
    help.showTopic(10);
    ASSERT_EQ(messages.informations().size(), 1u);
    EXPECT_TRUE(messages.informations()[0].contains("zazozor1.hlp"));
    EXPECT_EQ(help.window(), nullptr);
}

TEST(Printing, PrintsAnImageToAPdfPage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("plan.pdf");
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::PdfPrintService printing(pdf);
    ASSERT_TRUE(printing.printImage(image, true));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    EXPECT_GT(file.size(), 500);
    EXPECT_FALSE(printing.printImage(QImage(), false)) << "an empty picture prints nothing";
    EXPECT_EQ(printing.pagesPrinted, 1);
}

// A widget whose handler fails, as a command whose file cannot be read does.
class FailingWidget : public QWidget {
  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("Cannot open file house/a.VOR");
        return QWidget::event(e);
    }
};

TEST(DefaultErrorHandler, ShowsAnEscapedErrorAndCarriesOn) {
    platform::ScriptedMessageService messages;
    auto* app = static_cast<platform::Application*>(QApplication::instance());
    app->setErrorMessages(&messages);
    FailingWidget widget;
    QEvent failing(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&widget, &failing));
    EXPECT_EQ(messages.errors(), std::vector<QString>{"Cannot open file house/a.VOR"});
    // The next event is dispatched as usual.
    QEvent ordinary(QEvent::Polish);
    QApplication::sendEvent(&widget, &ordinary);
    EXPECT_EQ(messages.errors().size(), 1u);
    app->setErrorMessages(nullptr);
}

} // namespace
