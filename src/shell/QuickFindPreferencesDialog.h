#pragma once

#include <QDialog>

class QButtonGroup;

namespace tavrel {

class Program;

// "QuickFind Preferences": the field QuickFind shows and its sort order.
class QuickFindPreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit QuickFindPreferencesDialog(Program& p, QWidget* parent = nullptr);

    void DisplayCmd2_Click(); // OK
    void DisplayCmd1_Click(); // Cancel

private:
    Program& p_;
    QButtonGroup* fields_ = nullptr;
    QButtonGroup* sorts_ = nullptr;
};

} // namespace tavrel
