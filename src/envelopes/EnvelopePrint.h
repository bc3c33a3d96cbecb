#pragma once

#include "envelopes/EnvelopeRun.h"
#include "platform/gui/ListClick.h"
#include "store/Program.h"

#include <QVector>
#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavrel {

// "Print Envelopes": where the return and mailing addresses come from, the
// envelope size, the feed, the count and the styling of each block. Its
// panels (keyboard entry, name list, mailing-list picker, sort choice, print
// options) are shown and hidden as the person works through the options; the
// shared instruction label says which address a panel is for, and the
// handlers go by that caption.
class EnvelopePrint : public QWidget {
public:
    explicit EnvelopePrint(Program& p);

    QGroupBox* Frame1;
    std::array<QRadioButton*, 3> EnvOpt1{};
    QGroupBox* Frame2;
    std::array<QRadioButton*, 5> EnvOpt2{};
    QGroupBox* Frame3;
    std::array<QRadioButton*, kEnvelopeSizeCount> EnvOpt3{};
    QGroupBox* Frame4;
    std::array<QRadioButton*, 2> EnvOpt4{};
    QGroupBox* EnvMailingListSortByFrame;
    std::array<QRadioButton*, 5> EnvOpt5{};
    QPushButton* EnvMailingListSortByOKButton;

    QCheckBox* EnvReturnItalics;
    QCheckBox* EnvReturnUppercase;
    QCheckBox* EnvMailingItalics;
    QCheckBox* EnvMailingUppercase;

    QLabel* EnvAddrInstrLabel;
    std::array<QLineEdit*, 5> EnvAddrLine{};
    QPushButton* EnvAddrOKButton;
    QPushButton* EnvAddrCancelButton;

    QLabel* ReturnAddressListLabel;
    QListWidget* ReturnAddressList;
    QPushButton* ReturnAddressListOKButton;
    QPushButton* ReturnAddressListCancelButton;
    QPushButton* MailingAddressListOKButton;
    QPushButton* MailingAddressListCancelButton;

    QListWidget* File1;
    QLabel* EnvMailingListTitleLabel;
    QLineEdit* EnvMailingListTitleText;
    QPushButton* EnvMailingListOKButton;
    QPushButton* EnvMailingListCancelButton;

    QLineEdit* EnvNumberEnv;
    QLabel* EnvNumberPerAddrLabel;
    QLabel* ForEachAddrLabel;
    QPushButton* EnvPrintButton;
    QPushButton* EnvCancelButton;
    QPushButton* EnvQuickHelpButton;

    // The addresses as entered or picked; they last while the dialog is open.
    AddressLines ReturnAddr;
    AddressLines MailAddr;
    bool AddressListLoaded = false;

    // The dialog's choices as the print run takes them.
    EnvelopeJob job() const;

    // Sets the printer to the size chosen, at once; a size the printer cannot
    // do falls back to Commercial #10, any other failure ends the program.
    void EnvOpt3_Click();

protected:
    // The dialog stays while its print run lets events through.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildLayout();
    void connectHandlers();

    // Panels.
    void HideAddressList();
    void HidePrintOptions();
    void ShowPrintOptions();
    void HideKeyboardEntry();
    void HideMailingListPicker();
    void ShowMailingListPicker();
    void showKeyboardEntry(const QString& caption, const AddressLines& lines);
    void showAddressList(const QString& caption, bool forReturn);
    void showSortChoice();
    void FillAddressList();

    void Form_Activate();
    void EnvOpt1_Click(int index);
    void EnvOpt2_Click(int index);
    void EnvOpt4_Click();
    void EnvAddrOKButton_Click();
    void EnvAddrCancelButton_Click();
    void addressListOK(bool forReturn);
    void addressListCancel(bool forReturn);
    void File1_Click(ListClick how);
    void EnvMailingListOKButton_Click();
    void EnvMailingListCancelButton_Click();
    void EnvMailingListSortByOKButton_Click();
    void EnvQuickHelpButton_Click();
    void EnvPrintButton_Click();

    bool shown(const QWidget* w) const;
    bool captionIs(const QString& caption) const;
    void focusPrintButton();
    void conflictIfBothNone();
    void leaveLetterPaper();

    Program& p_;
    QButtonGroup* group1_;
    QButtonGroup* group2_;
    QButtonGroup* group3_;
    // Line i of ReturnAddressList stands for addressIds_[i]; kept apart from
    // SortedIdList, which a print run refills.
    QVector<qint16> addressIds_;
    bool printing_ = false;
};

} // namespace tavrel
