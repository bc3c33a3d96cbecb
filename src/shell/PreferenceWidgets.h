#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QLabel;
class QBoxLayout;
class QPushButton;
class QWidget;

namespace tavrel {

// Small building blocks the preference dialogs share.

// A column of option buttons named `<name>_<i>`, in a group whose ids are the indexes.
QButtonGroup* addOptionColumn(QWidget* owner, QBoxLayout* into, const QString& name,
                              const QStringList& captions);
// Checks the option whose index is the digit `code`; an unknown code checks none.
void selectByDigit(QButtonGroup* group, QChar code);
// The digit of the checked option, or `fallback` when none is checked.
QChar selectedDigit(const QButtonGroup* group, QChar fallback);
// The bold heading "Label1" at the top of a preference dialog.
QLabel* headingLabel(QWidget* owner, const QString& text);
QPushButton* makeButton(QWidget* owner, const QString& name, const QString& caption,
                        const QString& toolTip = QString());

} // namespace tavrel
