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

    void OKButton_Click();
    void CancelButton_Click();

private:
    Program& p_;
    QButtonGroup* options_ = nullptr;
    QChar onEntry_;
};

} // namespace tavrel
