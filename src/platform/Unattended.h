#pragma once

#include "platform/Clipboard.h"
#include "platform/Help.h"
#include "platform/Ui.h"

#include <QStringList>

class QTextStream;

namespace tavrel {

// Ends a command-line run from inside the store's fatal paths.
struct EndOfRun {};

// The screen of a run nobody watches (the command line): every message is kept
// and, given a stream, written to it; every question is answered No or Cancel,
// so nothing waits for a person and nothing is established or replaced.
class UnattendedUi : public Ui {
public:
    explicit UnattendedUi(QTextStream* out = nullptr) : out_(out) {}
    Answer messageBox(const QString& text, const QString& title, Buttons buttons,
                      Icon icon) override;
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    void beep() override {}
    void setWaitCursor(bool) override {}
    void processEvents() override {}
    int runModal(QDialog&) override { return 0; }

    QStringList messages;

protected:
    void quit() override { throw EndOfRun(); }

private:
    QTextStream* out_;
};

class NoClipboard : public Clipboard {
public:
    void clear() override {}
    void setText(const QString&) override {}
    QString text() const override { return {}; }
};

class NoHelp : public Help {
public:
    void showFinder() override {}
    void showContext(int) override {}
    void quit() override {}
};

} // namespace tavrel
