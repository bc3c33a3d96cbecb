#pragma once

#include "search/SearchRun.h"

#include <QPointer>
#include <QWidget>

namespace tavrel {

class SearchProgressWindow;

// The windows of one search run: the progress window, the record screens
// and a match window for each match on display, and the closing of them all.
class SearchWindows : public SearchView {
public:
    // Shows the progress window. `dialog` is the search dialog.
    SearchWindows(Program& p, QWidget* dialog);
    ~SearchWindows() override;

    void progress() override;
    MatchDecision showMatch(int id) override;

    // Every record examined: the search-complete window, then the search's
    // own windows close.
    void finishCompleted();
    // "&End Search": everything closes and nothing is kept.
    void finishEnded();

private:
    void closeSearchWindows();
    // Runs the match window of the mode once; returns MatchAnswer.
    int askOnce(const NARecord& shown, int screenOnDisplay);

    Program& p;
    QPointer<QWidget> dialog_;
    QPointer<SearchProgressWindow> searching_;
};

} // namespace tavrel
