// The main window's site obstructions and calculation tools buttons.
#include "modeller/editors/obstruction_form.h"
#include "modeller/editors/tools_forms.h"
#include "modeller/plan/main_form.h"

namespace pelmora {

void TMainForm::ObsSBClick() {
    if (!Dialogs.ObstructionForm) return;
    Dialogs.ObstructionForm->exec();
    // The obstructions shade the house: what was rated before no longer holds.
    model_.ResultsCurrent = false;
}

void TMainForm::ToolsSBClick() {
    if (!Dialogs.ToolsForm) return;
    Dialogs.ToolsForm->show();
    Dialogs.ToolsForm->raise();
    Dialogs.ToolsForm->activateWindow();
}

} // namespace pelmora
