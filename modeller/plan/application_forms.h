// The program's forms, created once at start-up in their order (the main window first) and kept
// until the program ends, with the services they share.
#pragma once

#include "modeller/editors/door_form.h"
#include "modeller/editors/element_editor.h"
#include "modeller/editors/ext_wall_form.h"
#include "modeller/editors/int_wall_form.h"
#include "modeller/editors/select_all_form.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/plan_dialogs.h"
#include "modeller/plan/project_details_form.h"
#include "modeller/plan/scale_forms.h"
#include "modeller/plan/workspace.h"
#include "modeller/platform/services.h"

#include <filesystem>
#include <memory>

namespace pelmora {

struct ApplicationForms {
    // Creates every form in the creation order and wires the main window to its dialogs.
    ApplicationForms(Workspace& workspace, platform::Services& services,
                     const std::filesystem::path& executableFolder);
    ~ApplicationForms();

    std::unique_ptr<TMainForm> MainForm;
    // What the element editors share: the clipboard, the picture palette, the buffers and selection.
    std::unique_ptr<EditorContext> Editors;
    std::unique_ptr<TDoorForm> DoorForm;
    std::unique_ptr<TSelectAllForm> SelectAllForm;
    std::unique_ptr<TExtWallForm> ExtWallForm;
    std::unique_ptr<TIntWallForm> IntWallForm;
    std::unique_ptr<TProjectDetailsForm> ProjectDetailsForm;
    std::unique_ptr<TMagForm> MagForm;
    std::unique_ptr<TSnapForm> SnapForm;
    // The dialogs that clicks on the plan open, for the plan editor; made once the forms exist.
    std::unique_ptr<ApplicationPlanDialogs> PlanDialogs;
};

} // namespace pelmora
