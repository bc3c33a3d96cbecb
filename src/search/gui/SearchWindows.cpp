#include "search/gui/SearchWindows.h"

#include "maillists/gui/SearchComplete.h"
#include "platform/gui/Windows.h"
#include "records/gui/RecordScreens.h"
#include "search/gui/MatchListWindow.h"
#include "search/gui/MatchViewWindow.h"
#include "search/gui/SearchProgressWindow.h"
#include "store/Program.h"

namespace tavrel {

SearchWindows::SearchWindows(Program& program, QWidget* dialog)
    : p(program), dialog_(dialog), searching_(new SearchProgressWindow)
{
    loadWindow(searching_);
    searching_->show();
    searching_->repaint();
}

SearchWindows::~SearchWindows()
{
    // Never leave the progress window behind, whatever ended the run.
    if (searching_)
        unloadWindow(searching_);
}

void SearchWindows::progress()
{
    if (searching_)
        searching_->repaint();
}

int SearchWindows::askOnce(const NARecord& shown, int screenOnDisplay)
{
    if (p.SearchSavesList) {
        MatchListWindow w(p, shown, screenOnDisplay);
        p.ui.runModal(w);
    } else {
        MatchViewWindow w(p, shown, screenOnDisplay);
        p.ui.runModal(w);
    }
    return p.MatchAnswer;
}

MatchDecision SearchWindows::showMatch(int /*id*/)
{
    p.ScreenMode = ScreenMode::Search;
    showRecordScreens(p); // fills both screens, screen 1 on display
    const NARecord shown = recordOnDisplay(p);
    if (dialog_)
        dialog_->hide();

    int screen = 1;
    for (;;) {
        switch (askOnce(shown, screen)) {
        case MatchWindow::AnswerSwitch:
            screen = screen == 1 ? 2 : 1;
            showRecordScreen(p, screen);
            break;
        case MatchWindow::AnswerEnd:
            return MatchDecision::EndSearch;
        case MatchWindow::AnswerContinue:
            return p.SearchSavesList ? MatchDecision::Add : MatchDecision::Skip;
        default:
            return MatchDecision::Skip;
        }
    }
}

void SearchWindows::closeSearchWindows()
{
    closeRecordScreens(p);
    if (searching_)
        unloadWindow(searching_);
    if (dialog_)
        unloadWindow(dialog_);
}

void SearchWindows::finishCompleted()
{
    showSearchComplete(p);
    closeSearchWindows();
}

void SearchWindows::finishEnded()
{
    closeSearchWindows();
    for (const char* name : {"SrchMsgForm", "SrchMsg2Form"}) {
        if (QWidget* w = loadedWindow(QString::fromLatin1(name)))
            unloadWindow(w);
    }
}

} // namespace tavrel
