// The main window's site commands: the location button and clicks on the location and postcode of
// the project line.  Each may change the site, so the results no longer count as current.
#include "modeller/model/forms/location_form.h"
#include "modeller/model/forms/location_search_forms.h"
#include "modeller/plan/main_form.h"

namespace pelmora {

void TMainForm::SBlocationClick() {
    if (!Dialogs.LocationForm) return;
    Dialogs.LocationForm->show();
    Dialogs.LocationForm->raise();
    Dialogs.LocationForm->activateWindow();
    // The dialog stays open beside the plan: the results are out of date from now on.
    model_.ResultsCurrent = false;
}

void TMainForm::LocationLabelClick() {
    if (!Dialogs.NameLocationForm) return;
    Dialogs.NameLocationForm->exec();
    model_.ResultsCurrent = false;
}

void TMainForm::PCLabelClick() {
    if (!Dialogs.PCLocationForm) return;
    Dialogs.PCLocationForm->exec();
    model_.ResultsCurrent = false;
}

} // namespace pelmora
