// Pelmora, the desktop modeller: creates its forms, shows the main window maximised and runs the
// event loop until the main window closes.  The program folder is the current directory.
#include "modeller/plan/application_forms.h"
#include "modeller/plan/workspace.h"
#include "modeller/platform/application.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtMessageService messages;
    platform::QtFileDialogService files;
    platform::WindowHelpService help(messages);
    platform::DialogPrintService printing;
    platform::Services services{messages, files, help, printing};
    app.setErrorMessages(&messages);

    auto workspace = std::make_unique<pelmora::Workspace>();
    pelmora::ApplicationForms forms(*workspace, services,
                                    std::filesystem::path(QApplication::applicationDirPath().toStdString()));
    messages.setParent(forms.MainForm.get());
    files.setParent(forms.MainForm.get());
    printing.setParent(forms.MainForm.get());
    forms.MainForm->showMaximized();
    const int status = app.exec();
    app.setErrorMessages(nullptr);
    return status;
}
