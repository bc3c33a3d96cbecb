#include "support/ScriptedUi.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace tavrel::test {

namespace {

std::string describe(const QString& title, const QString& text)
{
    return ("[" + title + "] " + text).toStdString();
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
        ADD_FAILURE() << "unexpected message box: " << describe(title, text);
        throw std::runtime_error("unexpected message box: " + describe(title, text));
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<QString> ScriptedUi::inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText)
{
    prompts.push_back({prompt, title, defaultText});
    if (inputs_.empty()) {
        ADD_FAILURE() << "unexpected input box: " << describe(title, prompt);
        throw std::runtime_error("unexpected input box: " + describe(title, prompt));
    }
    auto a = inputs_.front();
    inputs_.pop_front();
    return a;
}

void ScriptedUi::processEvents()
{
    ++eventPumps;
    QCoreApplication::processEvents();
    if (onProcessEvents)
        onProcessEvents();
}

int ScriptedUi::runModal(QDialog& dialog)
{
    modalWindows << dialog.objectName();
    if (modals_.empty()) {
        ADD_FAILURE() << "unexpected modal window: " << dialog.objectName().toStdString();
        throw std::runtime_error("unexpected modal window " + dialog.objectName().toStdString());
    }
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
