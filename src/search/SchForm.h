#pragma once

#include "search/FieldTest.h"
#include "store/Program.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tavrel {

// The search dialog "N&A File Search": the text to look for, the fields to
// look in, and whether to save and display the matches. Modeless.
class SchForm : public QDialog {
    Q_OBJECT
public:
    explicit SchForm(Program& p, QWidget* parent = nullptr);

    QLineEdit* SchTxt1 = nullptr;
    std::array<QCheckBox*, 8> SchChk1{};
    QCheckBox* SchChk2 = nullptr;
    QCheckBox* SchChk3 = nullptr;
    QPushButton* SchCmd1 = nullptr;
    QPushButton* SchCmd2 = nullptr;

    void SchChk1_Click(int index);
    void SchCmd1_Click();
    void SchCmd2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildLayout();
    SearchFieldBoxes tickedBoxes() const;

    Program& p;
};

} // namespace tavrel
