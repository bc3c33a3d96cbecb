#pragma once

#include "reports/LabelLayouts.h"

#include <QDialog>
#include <QSizeF>
#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavrel {

struct ReportState;

class SheetMap;

// "Form Positioning": moves the print of labels and cards up, down and right
// in sixteenths of an inch, and switches label italics and upper case. A new
// window is made each time it is shown, so it always opens at the standard
// position with both boxes clear.
//
// OK sets LabelTop (the base of the stock plus the vertical choice) and
// LabelLeft; Cancel, Esc or the close box set LabelTop to 999, which stops the
// print run. The check boxes set LabelItalic and LabelUpper when clicked; for
// rotary file cards they are disabled. Given a sheet, it also shows a map of
// the sheet's slots to pick the first free one of a half-used sheet.
class FormPositionDialog : public QDialog {
    Q_OBJECT

public:
    // `cards`: the report is rotary file cards. `verticalBase` is added to the
    // vertical choice: LabelTop at the standard position less kStandard.
    FormPositionDialog(ReportState& state, bool cards, int verticalBase,
                       const SheetChoice* sheet = nullptr, QWidget* parent = nullptr);

    // Vertical offsets of verticalOptions and horizontal offsets of horizontalOptions, in twips.
    static constexpr int kStandard = kStandardFormPosition;
    static constexpr std::array<int, 9> kVertical{360, 450, 540, 630, 720, 810, 900, 990, 1080};
    static constexpr std::array<int, 7> kHorizontal{0, 90, 180, 270, 360, 450, 540};

    QLabel* instructionLabel;
    QGroupBox* verticalGroup;
    std::array<QRadioButton*, 9> verticalOptions{};
    QGroupBox* horizontalGroup;
    std::array<QRadioButton*, 7> horizontalOptions{};
    QCheckBox* italicCheck;
    QCheckBox* upperCaseCheck;
    QPushButton* okButton;
    QPushButton* cancelButton;
    // Only with a sheet; else null.
    QGroupBox* sheetGroup = nullptr;
    SheetMap* sheetMap = nullptr;
    QLabel* slotLabel = nullptr;
    QPushButton* firstSlotButton = nullptr;

    // The slot the first sheet starts at, from 0.
    int startSlot() const;

    void reject() override;

private:
    void onItalicClicked();
    void onUpperCaseClicked();
    void onOkClicked();
    void onCancelClicked();
    void buildSheetGroup(const SheetChoice& sheet);
    void showSlot(int index);

    ReportState& state_;
    int base_ = 0; // added to the vertical choice
    bool cards_ = false;
};

} // namespace tavrel
