// Message boxes, beeps and questions go through one small service so that tests can answer them.
#pragma once

#include <QString>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace platform {

// A text of the system's own (UTF-8) as widgets and message boxes take it.
inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

enum class Answer { Yes, No, Cancel };

class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual void beep() = 0;
    // An information box with one OK button.
    virtual void information(const QString& text) = 0;
    // A confirmation box with Yes and No, and Cancel when `withCancel`.
    virtual Answer confirm(const QString& text, bool withCancel) = 0;
    // The box of the application's default error handler.
    virtual void error(const QString& text) = 0;

    // The usual report of a fault in user input: one beep and one information box.
    void warn(const QString& text) {
        beep();
        information(text);
    }
};

// The real boxes, owned by `parent` (the main window once it exists).
class QtMessageService : public MessageService {
  public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void beep() override;
    void information(const QString& text) override;
    Answer confirm(const QString& text, bool withCancel) override;
    void error(const QString& text) override;

  private:
    QWidget* parent_;
};

// Records every box and answers questions from a queue; tests use it in place of the real boxes.
class ScriptedMessageService : public MessageService {
  public:
    struct Shown {
        enum class Kind { Information, Confirmation, Error } kind;
        QString text;
    };

    void beep() override { ++beeps; }
    void information(const QString& text) override { shown.push_back({Shown::Kind::Information, text}); }
    Answer confirm(const QString& text, bool withCancel) override;
    void error(const QString& text) override { shown.push_back({Shown::Kind::Error, text}); }

    // Queues the answer of the next confirmation box.
    void answerNext(Answer answer) { answers.push_back(answer); }
    // The texts of the boxes of one kind, in the order they were shown.
    std::vector<QString> texts(Shown::Kind kind) const;
    std::vector<QString> informations() const { return texts(Shown::Kind::Information); }
    std::vector<QString> errors() const { return texts(Shown::Kind::Error); }
    std::vector<QString> confirmations() const { return texts(Shown::Kind::Confirmation); }
    void clear() {
        shown.clear();
        beeps = 0;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    int beeps = 0;
};

} // namespace platform
