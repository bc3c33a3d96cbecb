#pragma once

#include "platform/gui/NoEscapeDialog.h"

namespace tavrel {

// "Compacting": shown while the compaction runs. It has no buttons, and its
// close box does nothing: the work cannot be stopped half way.
class CompactingMessage : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit CompactingMessage(QWidget* parent = nullptr);

protected:
    void reject() override {}
};

} // namespace tavrel
