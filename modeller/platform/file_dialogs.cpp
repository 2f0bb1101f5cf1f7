#include "modeller/platform/file_dialogs.h"

#include <QFileDialog>

#include <stdexcept>

namespace platform {

QString qtFileFilter(const QString& pairs) {
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters.join(";;");
}

std::optional<QString> QtFileDialogService::openFile(const FileDialogRequest& request) {
    return run(request, false);
}

std::optional<QString> QtFileDialogService::saveFile(const FileDialogRequest& request) {
    return run(request, true);
}

std::optional<QString> QtFileDialogService::run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, request.title, request.folder, qtFileFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> ScriptedFileDialogService::next(const FileDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) throw std::logic_error("no file queued for: " + request.title.toStdString());
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace platform
