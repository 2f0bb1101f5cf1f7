// Small houses and program folders for the plan tests.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/workspace.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "modeller/platform/services.h"

#include <QDialog>
#include <QEvent>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>
#include <initializer_list>
#include <utility>

namespace plan_test {

// Adds a zone on `level` with the outline `nodes` (pixels at the model's magnification) and its
// floor area in m2.
int addZone(pelmora::HouseModel& model, int level, std::initializer_list<std::pair<int, int>> nodes,
            std::int32_t colour);

// A rectangle from (x, y), w by h pixels, clockwise on the screen.
int addRectangle(pelmora::HouseModel& model, int level, int x, int y, int w, int h, std::int32_t colour);

// A program folder laid out as the build lays it out, with an empty material database (wall tables
// with two records each), empty product libraries, star bands and area correction of climate 5, in
// a temporary folder.
class ProgramFolder {
  public:
    ProgramFolder();
    const std::filesystem::path& path() const { return path_; }
    // A rating history file of one kept rating.
    void addRatingHistory() const;

  private:
    QTemporaryDir dir_;
    std::filesystem::path path_;
};

// Scripted services for forms under test.
struct ScriptedServices {
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    platform::ScriptedHelpService help;
    platform::PdfPrintService printing{"/dev/null"};
    platform::Services services{messages, files, help, printing};
};

// Closes a dialog as soon as it is shown, as an assessor who reads it and presses Cancel, and
// counts the times it was shown: for runs that end in a modal dialog.
class ClosedWhenShown : public QObject {
  public:
    explicit ClosedWhenShown(QDialog* dialog) : dialog_(dialog) {
        if (dialog_) dialog_->installEventFilter(this);
    }
    ~ClosedWhenShown() override {
        if (dialog_) dialog_->removeEventFilter(this);
    }
    int shown = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && event->type() == QEvent::Show) {
            ++shown;
            QTimer::singleShot(0, dialog_, &QDialog::reject);
        }
        return false;
    }

  private:
    QDialog* dialog_;
};

} // namespace plan_test

#include "modeller/plan/application_forms.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace plan_test {

// House files kept in memory: the writer keeps a copy of the model under the file's name, the
// reader gives it back.  Stands in for the house file format in tests of the commands around it.
struct MemoryHouseFiles {
    std::map<std::string, std::shared_ptr<pelmora::HouseModel>> files;
    int writes = 0;
    bool failWrites = false;
    pelmora::HouseFileAccess access();
};

// The program's forms on a temporary program folder that is the current directory.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    pelmora::TMainForm& main() { return *forms->MainForm; }
    pelmora::HouseModel& model() { return workspace->model; }
    // Starts up and makes a new house with the files of `houseFiles`.
    void startWithNewHouse();

    ProgramFolder folder;
    std::filesystem::path previousFolder;
    std::unique_ptr<pelmora::Workspace> workspace = std::make_unique<pelmora::Workspace>();
    ScriptedServices scripted;
    MemoryHouseFiles houseFiles;
    std::unique_ptr<pelmora::ApplicationForms> forms;
};

} // namespace plan_test
