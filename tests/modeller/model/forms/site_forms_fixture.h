// The site dialogs under test, created as the program creates them, over the small location tables
// of the site tests, a plain map picture and a house model of their own.
#pragma once

#include "model_fixture.h"
#include "modeller/model/forms/climate_details_form.h"
#include "modeller/model/forms/climate_summary_form.h"
#include "modeller/model/forms/location_form.h"
#include "modeller/model/forms/location_search_forms.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "modeller/platform/services.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace site_test {

// The colour of the plain map picture: the sea of the shipped map.
inline constexpr pelmora::MapColour kMapSea{196, 222, 242};

class SiteFormsTest : public ::testing::Test {
  protected:
    SiteFormsTest();
    ~SiteFormsTest() override;

    pelmora::HouseModel& model() { return *model_; }
    pelmora::TLocationForm& location() { return *LocationForm; }
    // A site chosen earlier.
    void siteAt(const std::string& name, int postcode, int zone, double longitude, double latitude);
    // The text of panel `n` of the location dialog's status bar.
    std::string statusPanel(int n) const { return LocationForm->StatusBar1->panelText(n).toStdString(); }

    model_test::TempFolder folder;
    std::unique_ptr<pelmora::HouseModel> model_;
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    platform::ScriptedHelpService help;
    std::unique_ptr<platform::PdfPrintService> printing;
    std::unique_ptr<platform::Services> services;
    QLabel mainLocation, mainPostcode, mainClimate; // the main window's project line
    std::unique_ptr<pelmora::TLocationForm> LocationForm;
    std::unique_ptr<pelmora::TNameLocationForm> NameLocationForm;
    std::unique_ptr<pelmora::TPCLocationForm> PCLocationForm;
    std::unique_ptr<pelmora::TClimateDetailsForm> ClimateDetailsForm;
    std::unique_ptr<pelmora::TClimateSummaryForm> ClimateSummaryForm;
};

} // namespace site_test
