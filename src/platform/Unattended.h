#pragma once

#include "platform/Clipboard.h"
#include "platform/Help.h"
#include "platform/FontAndPositionPrinter.h"
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

// The printer of a run that prints nothing (export, import, sync from the
// command line): it keeps its settings so the layouts can read them back,
// measures every character as 120 twips, draws nothing, and refuses to end a
// document with printer error 482, so nothing is ever reported as printed.
class NoPrinter : public FontAndPositionPrinter {
public:
    NoPrinter()
    {
        font_ = QStringLiteral("Courier New");
        size_ = 12;
    }
    void setScaleTwips() override {}
    void printLine(const QString&) override;
    double textWidth(const QString& text) const override { return 120.0 * double(text.size()); }
    double textHeight(const QString&) const override { return 240.0; }
    double pageWidth() const override { return 11520.0; }
    double pageHeight() const override { return 15120.0; }
    void drawRect(double, double, double, double) override {}
    void drawLine(double, double, double, double) override {}
    void newPage() override {}
    void endDoc() override;
    void killDoc() override {}
    void setOrientation(int orientation) override { orientation_ = orientation; }
    int orientation() const override { return orientation_; }
    void setPaperSize(int code) override { paper_ = code; }
    int paperSize() const override { return paper_; }
    void setQuarterTurn(bool on) override { quarterTurn_ = on; }
    bool quarterTurn() const override { return quarterTurn_; }

private:
    bool quarterTurn_ = false;
    int orientation_ = 1, paper_ = 1;
};

} // namespace tavrel
