#include "platform/gui/FileDialog.h"

#include "platform/Ui.h"

#include <QDir>
#include <QFileDialog>

namespace tavrel {

QString askForFile(Ui& ui, QWidget* parent, const FileDialogRequest& request)
{
    // With nothing typed yet the dialog opens in the user's home folder.
    QFileDialog dialog(parent, request.title,
                       request.start.isEmpty() ? QDir::homePath() : request.start, request.filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    const bool save = request.mode == FileDialogMode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The export window asks once before it replaces a file; the dialog need not ask too.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, save);
    dialog.setDefaultSuffix(request.suffix);
    if (ui.runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace tavrel
