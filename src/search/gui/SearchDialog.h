#pragma once

#include "search/FieldTest.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tavrel {

class Program;

// The search dialog "N&A File Search": the text to look for, the fields to
// look in, and whether to save and display the matches. Modeless.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit SearchDialog(Program& p, QWidget* parent = nullptr);

    QLineEdit* searchTextEdit = nullptr;
    std::array<QCheckBox*, 8> fieldChecks{};
    QCheckBox* saveToListCheck = nullptr;
    QCheckBox* displayMatchesCheck = nullptr;
    // On as the dialog opens: "muller" finds "Müller", "weiss" "Weiß".
    QCheckBox* ignoreAccentsCheck = nullptr;
    QPushButton* searchButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void onFieldChecked(int index);
    void onSearchClicked();
    void onCancelClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildLayout();
    SearchFieldBoxes tickedBoxes() const;

    Program& p;
};

} // namespace tavrel
