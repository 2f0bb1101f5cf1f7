// Open and save dialogs behind a small interface, so that tests can choose the files.
#pragma once

#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace platform {

struct FileDialogRequest {
    QString title;
    QString folder;                // the folder the dialog starts in
    QString fileName;              // the proposed name, empty for none
    QString filter;                // "Text   *.TXT|*.TXT|All Files   *.*|*.*": pairs of caption and pattern
    QString defaultSuffix;         // added when the user types a name without an extension, e.g. "VOR"
    bool mustExist = false;        // the chosen file must exist (open dialogs)
    bool confirmOverwrite = false; // ask before an existing file is replaced (save dialogs)
};

// The filter in Qt's form: "Text   *.TXT (*.TXT);;All Files   *.* (*.*)".
QString qtFileFilter(const QString& pairs);

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    // The chosen file's full name, nothing when the user cancels.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

class QtFileDialogService : public FileDialogService {
  public:
    explicit QtFileDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

  private:
    std::optional<QString> run(const FileDialogRequest& request, bool save);
    QWidget* parent_;
};

// Answers from a queue (a file name, or nothing for Cancel) and keeps every request it was given.
class ScriptedFileDialogService : public FileDialogService {
  public:
    std::optional<QString> openFile(const FileDialogRequest& request) override { return next(request); }
    std::optional<QString> saveFile(const FileDialogRequest& request) override { return next(request); }
    void chooseNext(std::optional<QString> answer) { answers.push_back(std::move(answer)); }

    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<QString>> answers;

  private:
    std::optional<QString> next(const FileDialogRequest& request);
};

} // namespace platform
