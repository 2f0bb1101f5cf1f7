#include "site_forms_fixture.h"

#include "modeller/model/location_tables.h"
#include "site_fixture.h"

#include <QImage>

namespace site_test {

SiteFormsTest::SiteFormsTest() {
    writeSiteTables(folder.path());
    QImage map(pelmora::kMapWidth, pelmora::kMapHeight, QImage::Format_RGB32);
    map.fill(QColor(kMapSea.red, kMapSea.green, kMapSea.blue));
    map.save(QString::fromStdString((folder.path() / "Data/locationmap.bmp").string()), "BMP");
    std::filesystem::create_directories(folder.path() / "OUTPUT");
    model_ = model_test::modelIn(folder.path());
    printing = std::make_unique<platform::PdfPrintService>(
        QString::fromStdString((folder.path() / "print.pdf").string()));
    services = std::make_unique<platform::Services>(platform::Services{messages, files, help, *printing});
    LocationForm = std::make_unique<pelmora::TLocationForm>(
        *model_, *services, pelmora::MainSiteLabels{&mainLocation, &mainPostcode, &mainClimate});
    NameLocationForm = std::make_unique<pelmora::TNameLocationForm>(*model_, *LocationForm);
    PCLocationForm = std::make_unique<pelmora::TPCLocationForm>(*model_, *LocationForm);
    ClimateDetailsForm = std::make_unique<pelmora::TClimateDetailsForm>(*model_, *LocationForm);
    ClimateSummaryForm =
        std::make_unique<pelmora::TClimateSummaryForm>(*model_, *LocationForm, ClimateDetailsForm.get());
}

SiteFormsTest::~SiteFormsTest() {
    ClimateSummaryForm.reset();
    ClimateDetailsForm.reset();
    PCLocationForm.reset();
    NameLocationForm.reset();
    LocationForm.reset();
}

void SiteFormsTest::siteAt(const std::string& name, int postcode, int zone, double longitude,
                           double latitude) {
    model_->LocationName = name;
    model_->Postcode = postcode;
    pelmora::SetClimateZone(*model_, zone);
    model_->Longitude = longitude;
    model_->Latitude = latitude;
}

} // namespace site_test
