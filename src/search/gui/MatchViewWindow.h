#pragma once

#include "search/gui/MatchWindow.h"

namespace tavrel {

// The match window of a search that does not save: continue, switch
// screens, end, or copy the name and address.
class MatchViewWindow : public MatchWindow {
    Q_OBJECT
public:
    MatchViewWindow(Program& p, const NARecord& shown, int screenOnDisplay,
                    QWidget* parent = nullptr);

    void onAnswerClicked(int index);
};

} // namespace tavrel
