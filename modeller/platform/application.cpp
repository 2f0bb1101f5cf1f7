#include "modeller/platform/application.h"

#include "modeller/platform/message_service.h"

#include <iostream>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showEscapedError(messages_, std::current_exception());
        return false;
    }
}

void showEscapedError(MessageService* messages, std::exception_ptr error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = QString::fromStdString(e.what());
    } catch (...) {
        text = "An unexpected error occurred.";
    }
    if (!messages) {
        std::cerr << text.toStdString() << '\n';
        return;
    }
    messages->error(text);
}

} // namespace platform
