#include "platform/gui/QtUi.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <cstdlib>

namespace tavrel {

namespace {

QMessageBox::Icon toQt(Ui::Icon icon)
{
    switch (icon) {
    case Ui::Icon::Critical:
        return QMessageBox::Critical;
    case Ui::Icon::Question:
        return QMessageBox::Question;
    case Ui::Icon::Exclamation:
        return QMessageBox::Warning;
    case Ui::Icon::Information:
        return QMessageBox::Information;
    case Ui::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Ctrl+C copies the whole box as text, title, message and buttons between
// dashed lines, as message boxes do on Windows (Qt does it there only).
void copyOnCtrlC(QMessageBox& box)
{
    auto* copy = new QShortcut(QKeySequence::Copy, &box);
    QObject::connect(copy, &QShortcut::activated, &box, [&box] {
        const QString rule = QStringLiteral("---------------------------\n");
        QString buttons;
        for (const QAbstractButton* b : box.buttons())
            buttons += b->text().remove(QLatin1Char('&')) + QStringLiteral("   ");
        QGuiApplication::clipboard()->setText(rule + box.windowTitle() + QLatin1Char('\n') + rule +
                                              box.text() + QLatin1Char('\n') + rule + buttons +
                                              QLatin1Char('\n') + rule);
    });
}

} // namespace

Ui::Answer QtUi::messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    QMessageBox box(toQt(icon), shownTitle(title), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    struct Choice {
        QMessageBox::StandardButton button;
        Answer answer;
    };
    std::vector<Choice> choices;
    switch (buttons) {
    case Buttons::Ok:
        choices = {{QMessageBox::Ok, Answer::Ok}};
        break;
    case Buttons::OkCancel:
        choices = {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}};
        break;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        choices = {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}};
        break;
    case Buttons::YesNoCancel:
        choices = {{QMessageBox::Yes, Answer::Yes},
                   {QMessageBox::No, Answer::No},
                   {QMessageBox::Cancel, Answer::Cancel}};
        break;
    }
    for (const auto& c : choices)
        box.addButton(c.button);
    copyOnCtrlC(box);
    const bool yesNo = buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo;
    // The default button answers Enter and holds the focus as the box opens.
    box.setDefaultButton(buttons == Buttons::YesNoDefaultNo ? QMessageBox::No
                                                            : choices.front().button);
    if (yesNo)
        box.setEscapeButton(QMessageBox::No);
    else if (buttons != Buttons::Ok)
        box.setEscapeButton(QMessageBox::Cancel);
    // An hourglass must not stand over a question.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const auto& c : choices) {
        if (c.button == pressed)
            return c.answer;
    }
    // Closed with the title bar's close box: what Esc would have answered.
    if (yesNo)
        return Answer::No;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> QtUi::inputBox(const QString& prompt, const QString& title,
                                      const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), shownTitle(title),
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtUi::beep()
{
    QApplication::beep();
}

void QtUi::setWaitCursor(bool on)
{
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++waitDepth_;
    } else {
        while (waitDepth_ > 0) {
            QApplication::restoreOverrideCursor();
            --waitDepth_;
        }
    }
}

void QtUi::processEvents()
{
    QApplication::processEvents();
}

int QtUi::runModal(QDialog& dialog)
{
    return dialog.exec();
}

void QtUi::quit()
{
    // Ending is immediate: nothing after the fatal message may write anything.
    std::exit(0);
}

} // namespace tavrel
