// A house for the settings dialogs' tests: six zones of every kind on a program folder of the test's
// own that holds the model tests' occupancy file (worked by hand there), and scripted services.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "modeller/platform/services.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace forms_test {

class HouseTest : public ::testing::Test {
  protected:
    HouseTest();
    int addZone(const char* name, int type, double area, std::int32_t colour);
    std::filesystem::path occupancyFile() const { return root / "Data/Occupant/OCCUP07.DAT"; }

    QTemporaryDir dir;
    std::filesystem::path root;
    std::unique_ptr<pelmora::HouseModel> model = std::make_unique<pelmora::HouseModel>();
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    platform::ScriptedHelpService help;
    platform::PdfPrintService printing{"/dev/null"};
    platform::Services services{messages, files, help, printing};
    platform::PanelStatusBar statusBar{{230, 240, 300, 50}};
    // Living 40 m2, Living/Kitchen 20 m2, Sleeping 12 m2, Wet Area 8 m2, Garage 36 m2 and Other
    // Day-time 10 m2: 90 m2 without the garage, two occupants.
    int living = 0, kitchen = 0, bedroom = 0, bathroom = 0, garage = 0, study = 0;
};

} // namespace forms_test
