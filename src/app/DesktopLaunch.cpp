#include "app/DesktopLaunch.h"

#include "exchange/gui/ImportDialog.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>

namespace tavrel {

void openImportOn(MainWindow& main, const QString& path)
{
    main.onImport();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        auto* form = qobject_cast<ImportDialog*>(w);
        if (form && form->isVisible()) {
            form->fileEdit->setText(QDir::toNativeSeparators(path));
            form->onReadClicked();
            return;
        }
    }
}

} // namespace tavrel
