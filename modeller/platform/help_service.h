// Help topics by number.  The help file is a text file of our own: a line "@@ <number> <title>"
// starts a topic, the lines up to the next such line are its page (an empty line starts a new
// paragraph), and lines starting with "#" before the first topic are comments.
#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

class QTextBrowser;

namespace platform {

class MessageService;

struct HelpTopic {
    std::string title;
    std::vector<std::string> paragraphs;
};

// Reads the help file's text; throws std::runtime_error naming the line of a malformed topic
// heading or a topic number given twice.
std::map<int, HelpTopic> parseHelpText(const std::string& text);
// Throws std::runtime_error naming the file when it cannot be read.
std::map<int, HelpTopic> readHelpFile(const std::filesystem::path& file);

class HelpService {
  public:
    virtual ~HelpService() = default;
    virtual void showTopic(int topic) = 0;
};

// The help window: one page at a time, the topic's title as its caption.
class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(int topic, const HelpTopic* page);
    QString pageText() const;

  private:
    QTextBrowser* browser_;
};

// Shows topics of the application's help file in the help window.  The file is read at the first
// request; a file that cannot be read is reported once per request and shows nothing.
class WindowHelpService : public HelpService {
  public:
    WindowHelpService(MessageService& messages, QWidget* parent = nullptr)
        : messages_(messages), parent_(parent) {}
    ~WindowHelpService() override;
    void setHelpFile(const std::filesystem::path& file);
    const std::filesystem::path& helpFile() const { return file_; }
    void showTopic(int topic) override;
    HelpWindow* window() const { return window_; }

  private:
    MessageService& messages_;
    QWidget* parent_;
    std::filesystem::path file_;
    std::map<int, HelpTopic> topics_;
    bool loaded_ = false;
    HelpWindow* window_ = nullptr;
};

class ScriptedHelpService : public HelpService {
  public:
    void showTopic(int topic) override { shownTopics.push_back(topic); }
    std::vector<int> shownTopics;
};

} // namespace platform
