// The application object.  Its event dispatch is the default error handler: an error that escapes a
// handler is shown in a message box and the event loop goes on, so one failing command (a file that
// cannot be read, a number that cannot be converted) never ends the program.
#pragma once

#include <QApplication>

#include <exception>

namespace platform {

class MessageService;

class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    // The service that shows escaped errors; none set means they are written to standard error.
    void setErrorMessages(MessageService* messages) { messages_ = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    MessageService* messages_ = nullptr;
};

// Shows the error held by `error` through `messages` (the text of a standard exception, a general
// text for anything else).
void showEscapedError(MessageService* messages, std::exception_ptr error);

// Wraps a handler for a signal connection: an error escaping the handler is shown as the default
// error handler shows it, and the handler ends there.
template <class Handler> auto guarded(MessageService& messages, Handler handler) {
    return [&messages, handler]() {
        try {
            handler();
        } catch (...) {
            showEscapedError(&messages, std::current_exception());
        }
    };
}

} // namespace platform
