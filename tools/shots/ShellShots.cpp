// The main window, the About box and the preference dialogs.
#include "Shots.h"

#include "platform/gui/HelpWindow.h"

#include "shell/AboutDialog.h"
#include "shell/DialogBoxPreferencesDialog.h"
#include "shell/MainWindow.h"
#include "shell/PrinterCalibrationDialog.h"
#include "shell/QuickFindPreferencesDialog.h"
#include "shell/QuickFindWindow.h"
#include "shell/ShellResources.h"
#include "shell/SortOrderPreferenceDialog.h"
#include "shell/WelcomeDialog.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>

using namespace tavrel;

TAVREL_SHOT("MarkMain")
{
    return new MainWindow(s.p(), QCoreApplication::applicationFilePath());
}

TAVREL_SHOT("MarkMain-running")
{
    auto* m = new MainWindow(s.p(), QCoreApplication::applicationFilePath());
    m->show();
    m->hideForCommand();
    return m;
}

TAVREL_SHOT("AbtForm")
{
    return new AboutDialog(s.p(), QCoreApplication::applicationFilePath(),
                           AboutDialog::Mode::About);
}

TAVREL_SHOT("AbtForm-splash")
{
    return new AboutDialog(s.p(), QCoreApplication::applicationFilePath(),
                           AboutDialog::Mode::Splash);
}

TAVREL_SHOT("PreferenceForm")
{
    return new SortOrderPreferenceDialog(s.p());
}

TAVREL_SHOT("DisplayForm")
{
    return new QuickFindPreferencesDialog(s.p());
}

TAVREL_SHOT("ListForm")
{
    auto* w = new QuickFindWindow(s.p());
    w->fillList();
    return w;
}

// QuickFind with a find text: only the matching lines, the first chosen.
TAVREL_SHOT("ListForm-filter")
{
    auto* w = new QuickFindWindow(s.p());
    w->fillList();
    w->filterEdit->setText(QStringLiteral("ar"));
    w->nameList->setCurrentIndex(w->nameList->model()->index(0, 0));
    return w;
}

TAVREL_SHOT("FileOpenDlg")
{
    return new WelcomeDialog(s.p());
}

TAVREL_SHOT("ShowBoxesPref")
{
    return new DialogBoxPreferencesDialog(s.p());
}

// The help window over the program's own topics.
TAVREL_SHOT("Help-contents")
{
    initShellResources();
    auto* h = new HelpWindow();
    h->showFinder();
    return h;
}

TAVREL_SHOT("Help-topic")
{
    initShellResources();
    auto* h = new HelpWindow();
    h->showContext(25);
    return h;
}

TAVREL_SHOT("CalibrationPref")
{
    return new PrinterCalibrationDialog(
        s.p(), {QStringLiteral("Office_Laser"), QStringLiteral("Label_Printer")},
        QStringLiteral("Office_Laser"));
}
