#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace zodiac {

struct FileDialogRequest {
    enum Kind { Open, Save } kind;
    QString title;
    QString filter;
    QString defaultSuffix;
};

// Asks for a file; the empty text when the user cancelled. Open only accepts an existing file;
// Save asks before overwriting one.
QString AskForFile(QWidget* parent, const FileDialogRequest& request);

// Test seam: when set, requests go to the answerer instead of a dialog.
void SetFileDialogAnswerer(std::function<QString(const FileDialogRequest&)> answerer);

} // namespace zodiac
