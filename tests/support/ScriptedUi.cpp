#include "support/ScriptedUi.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace tavrel::test {

namespace {

// A box or window the script has no answer for fails the test at once.
[[noreturn]] void unexpected(const char* what, const QString& title, const QString& text)
{
    const std::string line =
        std::string("unexpected ") + what + ": [" + title.toStdString() + "] " + text.toStdString();
    ADD_FAILURE() << line;
    throw std::runtime_error(line);
}

} // namespace

Ui::Answer ScriptedUi::messageBox(const QString& text, const QString& title, Buttons buttons,
                                  Icon icon)
{
    messages.push_back({text, title, buttons, icon});
    if (answers_.empty()) {
        if (autoOk_ && buttons == Buttons::Ok)
            return Answer::Ok;
        if (autoOk_ && buttons == Buttons::YesNoDefaultNo)
            return Answer::No;
        unexpected("message box", title, text);
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<QString> ScriptedUi::inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText)
{
    prompts.push_back({prompt, title, defaultText});
    if (inputs_.empty())
        unexpected("input box", title, prompt);
    auto a = inputs_.front();
    inputs_.pop_front();
    return a;
}

void ScriptedUi::processEvents()
{
    QCoreApplication::processEvents();
    if (onProcessEvents)
        onProcessEvents();
}

int ScriptedUi::runModal(QDialog& dialog)
{
    modalWindows << dialog.objectName();
    if (modals_.empty())
        unexpected("modal window", dialog.objectName(), dialog.windowTitle());
    auto handler = std::move(modals_.front());
    modals_.pop_front();
    dialog.setModal(true);
    dialog.show();
    QCoreApplication::processEvents();
    try {
        handler(dialog);
    } catch (...) {
        // Never leave a modal window behind when a step fails.
        if (dialog.isVisible())
            dialog.reject();
        throw;
    }
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

void ScriptedUi::quit()
{
    ended = true;
    throw ProgramEnded();
}

QStringList ScriptedUi::texts() const
{
    QStringList out;
    for (const auto& m : messages)
        out << m.text;
    return out;
}

const ScriptedUi::Message& ScriptedUi::last() const
{
    if (messages.empty())
        throw std::runtime_error("no message was shown");
    return messages.back();
}

} // namespace tavrel::test
