#pragma once

#include <QWidget>

class QLabel;

namespace tavrel {

// A window with a title bar but no buttons, showing one centred line (the
// label "Label1") while the program works; whoever shows it closes it.
class NoticeWindow : public QWidget {
public:
    NoticeWindow(const char* name, const QString& title, const QString& text, int minimumWidth);

    QLabel* messageLabel;
};

} // namespace tavrel
