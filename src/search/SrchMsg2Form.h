#pragma once

#include "search/MatchWindow.h"

namespace tavrel {

// The match window of a search that saves into a mailing list: add the
// record and go on, switch screens, end, go on without adding, or copy.
class SrchMsg2Form : public MatchWindow {
    Q_OBJECT
public:
    SrchMsg2Form(Program& p, const NARecord& shown, int screenOnDisplay, QWidget* parent = nullptr);

    void Command3D1_Click(int index);
};

} // namespace tavrel
