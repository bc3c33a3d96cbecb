#pragma once

#include "search/gui/MatchWindow.h"

namespace tavrel {

// The match window of a search that saves into a mailing list: add the
// record and go on, switch screens, end, go on without adding, or copy.
class MatchListWindow : public MatchWindow {
    Q_OBJECT
public:
    MatchListWindow(Program& p, const NARecord& shown, int screenOnDisplay,
                    QWidget* parent = nullptr);

    void onAnswerClicked(int index);
};

} // namespace tavrel
