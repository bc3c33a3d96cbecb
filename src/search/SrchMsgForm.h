#pragma once

#include "search/MatchWindow.h"

namespace tavrel {

// The match window of a search that does not save: continue, switch
// screens, end, or copy the name and address.
class SrchMsgForm : public MatchWindow {
    Q_OBJECT
public:
    SrchMsgForm(Program& p, const NARecord& shown, int screenOnDisplay, QWidget* parent = nullptr);

    void Command3D1_Click(int index);
};

} // namespace tavrel
