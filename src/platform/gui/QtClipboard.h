#pragma once

#include "platform/Clipboard.h"

namespace tavrel {

// The system clipboard (QGuiApplication::clipboard()), plain text only.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
};

} // namespace tavrel
