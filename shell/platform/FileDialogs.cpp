#include "FileDialogs.h"

#include <QFileDialog>

namespace zodiac {

namespace {
std::function<QString(const FileDialogRequest&)>& Answerer() {
    static std::function<QString(const FileDialogRequest&)> answerer;
    return answerer;
}
} // namespace

void SetFileDialogAnswerer(std::function<QString(const FileDialogRequest&)> answerer) {
    Answerer() = std::move(answerer);
}

QString AskForFile(QWidget* parent, const FileDialogRequest& request) {
    if (Answerer()) {
        return Answerer()(request);
    }

    QFileDialog dialog(parent, request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.kind == FileDialogRequest::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Overwrite confirmation is on unless DontConfirmOverwrite is set; keep it explicit.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    }
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace zodiac
