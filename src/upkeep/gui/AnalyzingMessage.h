#pragma once

#include "platform/gui/NoEscapeDialog.h"

namespace tavrel {

// "Analyzing The N&A File": shown while the file statistics count the records.
class AnalyzingMessage : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit AnalyzingMessage(QWidget* parent = nullptr);

protected:
    void reject() override {}
};

} // namespace tavrel
