#pragma once

#include <QDialog>
#include <array>

class QLineEdit;
class QListView;
class QRadioButton;
class QPushButton;

namespace tavrel {

class Program;

// The QuickLink picker: every active record as a picker line, in SortPref order.
// OK sets PickedLinkId (+ 2000 with "ID Number &And Name") and PickedLinkName.
class RecordPickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecordPickerDialog(Program& p, QWidget* parent = nullptr);

    // Fills the list; false (after saying so) when the file holds no record.
    bool load();

    QLineEdit* filterEdit = nullptr;
    QListView* recordList = nullptr;
    std::array<QRadioButton*, 2> copyWhatOptions{};
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    void onOkClicked();
    void onCopyWhatChosen();

    Program& p_;
};

} // namespace tavrel
