#pragma once

#include <QDialog>

namespace tavrel {

// "Searching": the small progress window shown while a search runs. No buttons.
class SearchProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit SearchProgressWindow(QWidget* parent = nullptr);

protected:
    // The search ends it; Esc does nothing.
    void reject() override {}
};

} // namespace tavrel
