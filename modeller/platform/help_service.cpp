#include "modeller/platform/help_service.h"

#include "common/text_values.h"
#include "modeller/platform/message_service.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include <charconv>
#include <stdexcept>

namespace platform {

namespace {

constexpr std::string_view kTopicMark = "@@";

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

// "@@ 10 Main window" gives topic 10 titled "Main window".
std::pair<int, std::string> topicHeading(std::string_view line, std::size_t lineNumber) {
    const std::string rest = trimmed(line.substr(kTopicMark.size()));
    int number = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
    if (ec != std::errc() || number <= 0)
        throw std::runtime_error("help file line " + std::to_string(lineNumber) +
                                 ": a topic heading needs a positive topic number");
    return {number, trimmed(std::string_view(end, rest.data() + rest.size() - end))};
}

QString escaped(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

} // namespace

std::map<int, HelpTopic> parseHelpText(const std::string& text) {
    std::map<int, HelpTopic> topics;
    HelpTopic* current = nullptr;
    bool newParagraph = true;
    std::size_t lineNumber = 0;
    for (const std::string& raw : common::splitLines(text)) {
        ++lineNumber;
        if (raw.starts_with(kTopicMark)) {
            auto [number, title] = topicHeading(raw, lineNumber);
            if (topics.contains(number))
                throw std::runtime_error("help file line " + std::to_string(lineNumber) + ": topic " +
                                         std::to_string(number) + " is given twice");
            current = &topics[number];
            current->title = title;
            newParagraph = true;
            continue;
        }
        if (!current) continue; // comments before the first topic
        const std::string line = trimmed(raw);
        if (line.empty()) {
            newParagraph = true;
            continue;
        }
        if (newParagraph) {
            current->paragraphs.push_back(line);
            newParagraph = false;
        } else {
            current->paragraphs.back() += " " + line;
        }
    }
    return topics;
}

std::map<int, HelpTopic> readHelpFile(const std::filesystem::path& file) {
    std::string text;
    for (const auto& line : common::readTextLines(file)) text += line + "\n";
    return parseHelpText(text);
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    resize(520, 420);
}

void HelpWindow::showPage(int topic, const HelpTopic* page) {
    if (!page) {
        setWindowTitle("Help");
        browser_->setHtml("<p>There is no help page for topic " + QString::number(topic) + ".</p>");
        return;
    }
    setWindowTitle("Help - " + QString::fromStdString(page->title));
    QString html = "<h2>" + escaped(page->title) + "</h2>";
    for (const auto& p : page->paragraphs) html += "<p>" + escaped(p) + "</p>";
    browser_->setHtml(html);
}

QString HelpWindow::pageText() const {
    return browser_->toPlainText();
}

WindowHelpService::~WindowHelpService() {
    delete window_;
}

void WindowHelpService::setHelpFile(const std::filesystem::path& file) {
    file_ = file;
    loaded_ = false;
    topics_.clear();
}

void WindowHelpService::showTopic(int topic) {
    if (!loaded_) {
        try {
            topics_ = readHelpFile(file_);
            loaded_ = true;
        } catch (const std::exception& e) {
            messages_.information(QString("Help is not available: ") + e.what());
            return;
        }
    }
    if (!window_) window_ = new HelpWindow(parent_);
    const auto it = topics_.find(topic);
    window_->showPage(topic, it == topics_.end() ? nullptr : &it->second);
    window_->show();
    window_->raise();
}

} // namespace platform
