#pragma once

#include "store/Program.h"

#include <QDialog>
#include <array>

class QListWidget;
class QRadioButton;
class QPushButton;

namespace tavrel {

// The QuickLink picker: every active record as a picker line, in SortPref order.
// OK sets PickedLinkId (+ 2000 with "ID Number &And Name") and PickedLinkName.
class NAContent : public QDialog {
    Q_OBJECT
public:
    explicit NAContent(Program& p, QWidget* parent = nullptr);

    // Fills the list; false (after saying so) when the file holds no record.
    bool Form_Load();

    QListWidget* List1 = nullptr;
    std::array<QRadioButton*, 2> Option3D1{};
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void OKButton_Click();
    void Option3D1_Click();

    Program& p_;
};

} // namespace tavrel
