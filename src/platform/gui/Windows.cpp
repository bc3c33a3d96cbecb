#include "platform/gui/Windows.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace tavrel {

namespace {

const char* const kLoaded = "tavrelLoaded";
const char* const kHidden = "tavrelLoadedHidden";

} // namespace

void loadWindow(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty(kLoaded, true);
}

void loadHidden(QWidget* window)
{
    loadWindow(window);
    window->setProperty(kHidden, true);
}

void unloadWindow(QWidget* window)
{
    if (!window)
        return;
    window->setProperty(kLoaded, false);
    window->setProperty(kHidden, false);
    window->hide();
    window->deleteLater();
}

bool isLoaded(const QWidget* window)
{
    if (!window || !window->property(kLoaded).toBool())
        return window && qobject_cast<const QDialog*>(window) && window->isVisible() &&
               window->isModal();
    // A window closed through its close box is hidden and about to be deleted.
    return window->isVisible() || window->property(kHidden).toBool();
}

void showInFront(QWidget* window, bool activate)
{
    loadWindow(window);
    window->show();
    window->raise();
    if (activate)
        window->activateWindow();
}

QList<QWidget*> loadedWindows()
{
    QList<QWidget*> out;
    const auto all = QApplication::topLevelWidgets();
    for (QWidget* w : all) {
        if (isLoaded(w))
            out << w;
    }
    return out;
}

QWidget* loadedWindow(const QString& objectName)
{
    for (QWidget* w : loadedWindows()) {
        if (w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

} // namespace tavrel
