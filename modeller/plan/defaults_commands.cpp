// The main window's level defaults button.
#include "modeller/model/forms/default_form.h"
#include "modeller/plan/main_form.h"

namespace pelmora {

void TMainForm::SBdefaultsClick() {
    if (!Dialogs.DefaultForm) return;
    Dialogs.DefaultForm->exec();
    // The dialog may have changed elements of the plan: the results no longer count as current.
    model_.ResultsCurrent = false;
}

} // namespace pelmora
