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

    void onOkClicked();
    void onCancelClicked();

private:
    Program& p_;
    QButtonGroup* fieldOptions_ = nullptr;
    QButtonGroup* sortOrderOptions_ = nullptr;
};

} // namespace tavrel
