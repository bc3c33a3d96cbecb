#pragma once

#include <QDialog>

class QButtonGroup;

namespace tavrel {

class Program;

// "N&A Display Preference": the sort order of the name pickers (SortPref).
class SortOrderPreferenceDialog : public QDialog {
    Q_OBJECT

public:
    explicit SortOrderPreferenceDialog(Program& p, QWidget* parent = nullptr);

    void onOkClicked();
    void onCancelClicked();

private:
    Program& p_;
    QButtonGroup* sortOrderOptions_ = nullptr;
    QChar onEntry_;
};

} // namespace tavrel
