// The main window, the About box and the preference dialogs.
#include "Shots.h"

#include "platform/gui/HelpWindow.h"

#include "shell/AbtForm.h"
#include "shell/DisplayForm.h"
#include "shell/FileOpenDlg.h"
#include "shell/MarkMain.h"
#include "shell/PreferenceForm.h"
#include "shell/ShellResources.h"
#include "shell/ShowBoxesPref.h"

#include <QCoreApplication>

using namespace tavrel;

TAVREL_SHOT("MarkMain")
{
    return new MarkMain(s.p(), QCoreApplication::applicationFilePath());
}

TAVREL_SHOT("MarkMain-running")
{
    auto* m = new MarkMain(s.p(), QCoreApplication::applicationFilePath());
    m->show();
    m->hideForCommand();
    return m;
}

TAVREL_SHOT("AbtForm")
{
    return new AbtForm(s.p(), QCoreApplication::applicationFilePath(), AbtForm::Mode::About);
}

TAVREL_SHOT("AbtForm-splash")
{
    return new AbtForm(s.p(), QCoreApplication::applicationFilePath(), AbtForm::Mode::Splash);
}

TAVREL_SHOT("PreferenceForm")
{
    return new PreferenceForm(s.p());
}

TAVREL_SHOT("DisplayForm")
{
    return new DisplayForm(s.p());
}

TAVREL_SHOT("FileOpenDlg")
{
    return new FileOpenDlg(s.p());
}

TAVREL_SHOT("ShowBoxesPref")
{
    return new ShowBoxesPref(s.p());
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
