// The services a dialog reaches: the application hands one bundle to every form it creates, tests
// hand in their scripted ones.
#pragma once

namespace platform {

class MessageService;
class FileDialogService;
class HelpService;
class PrintService;

struct Services {
    MessageService& messages;
    FileDialogService& files;
    HelpService& help;
    PrintService& printing;
};

} // namespace platform
