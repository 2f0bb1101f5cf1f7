#include "modeller/platform/message_service.h"

#include <QApplication>
#include <QMessageBox>

#include <stdexcept>

namespace platform {

namespace {
constexpr const char* kBoxTitle = "Pelmora";
}

void QtMessageService::beep() {
    QApplication::beep();
}

void QtMessageService::information(const QString& text) {
    QMessageBox::information(parent_, kBoxTitle, text, QMessageBox::Ok);
}

Answer QtMessageService::confirm(const QString& text, bool withCancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    const auto pressed = QMessageBox::question(parent_, kBoxTitle, text, buttons,
                                               withCancel ? QMessageBox::Cancel : QMessageBox::No);
    if (pressed == QMessageBox::Yes) return Answer::Yes;
    if (pressed == QMessageBox::No) return Answer::No;
    // Closing the box with Escape or its close button counts as Cancel, or as No without Cancel.
    return withCancel ? Answer::Cancel : Answer::No;
}

void QtMessageService::error(const QString& text) {
    QMessageBox::critical(parent_, kBoxTitle, text, QMessageBox::Ok);
}

Answer ScriptedMessageService::confirm(const QString& text, bool withCancel) {
    shown.push_back({Shown::Kind::Confirmation, text});
    if (answers.empty()) throw std::logic_error("no answer queued for: " + text.toStdString());
    const Answer answer = answers.front();
    answers.pop_front();
    if (answer == Answer::Cancel && !withCancel)
        throw std::logic_error("Cancel queued for a box without Cancel: " + text.toStdString());
    return answer;
}

std::vector<QString> ScriptedMessageService::texts(Shown::Kind kind) const {
    std::vector<QString> result;
    for (const auto& s : shown)
        if (s.kind == kind) result.push_back(s.text);
    return result;
}

} // namespace platform
