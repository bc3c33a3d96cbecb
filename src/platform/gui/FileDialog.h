#pragma once

#include <QString>

class QWidget;

namespace tavrel {

class Ui;

// What a file dialog asks for: a file that exists, to read, or a name to
// write to (the window that writes asks before replacing a file).
enum class FileDialogMode { Open, Save };

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString title;
    QString start;  // the path shown first; empty: the home folder
    QString filter; // "vCard Files (*.vcf);;All Files (*)"
    QString suffix; // added to a saved name typed without one ("vcf")
};

// Runs the desktop's file dialog through `ui` (so a test can answer it, the
// dialog's objectName being "FileDialog"); the chosen path, or empty when
// the user cancels.
QString askForFile(Ui& ui, QWidget* parent, const FileDialogRequest& request);

} // namespace tavrel
