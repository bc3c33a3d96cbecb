#pragma once

#include "envelopes/EnvelopeRun.h"
#include "platform/gui/ListClick.h"

#include <QVector>
#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavrel {

class Program;

class PrinterBox;
class RecordingPrinter;

// "Print Envelopes": where the return and mailing addresses come from, the
// envelope size, the feed, the count and the styling of each block. Beside
// the address options one panel at a time is open: an address being typed or
// picked, the sort order, or the print options.
class EnvelopeDialog : public QWidget {
    Q_OBJECT

public:
    explicit EnvelopeDialog(Program& p);

    QGroupBox* returnAddressGroup;
    std::array<QRadioButton*, 3> returnAddressOptions{};
    QGroupBox* mailAddressGroup;
    std::array<QRadioButton*, 5> mailAddressOptions{};
    QGroupBox* sizeGroup;
    std::array<QRadioButton*, kEnvelopeSizeCount> sizeOptions{};
    QGroupBox* feedGroup;
    std::array<QRadioButton*, 2> feedOptions{};
    QGroupBox* sortOrderGroup;
    std::array<QRadioButton*, 5> sortOrderOptions{};
    QPushButton* sortOrderOkButton;

    QCheckBox* returnItalicsCheck;
    QCheckBox* returnUppercaseCheck;
    QCheckBox* mailItalicsCheck;
    QCheckBox* mailUppercaseCheck;

    QLabel* instructionLabel;
    std::array<QLineEdit*, 5> addressLineEdits{};
    QPushButton* addressOkButton;
    QPushButton* addressCancelButton;

    QLabel* nameListNoteLabel;
    QLabel* nameFilterLabel;
    QLineEdit* nameFilterEdit;
    QListView* nameList;
    QPushButton* returnNameOkButton;
    QPushButton* returnNameCancelButton;
    QPushButton* mailNameOkButton;
    QPushButton* mailNameCancelButton;

    QListWidget* mailListFileList;
    QLabel* mailListTitleLabel;
    QLineEdit* mailListTitleEdit;
    QPushButton* mailListOkButton;
    QPushButton* mailListCancelButton;

    QLineEdit* countEdit;
    QLabel* countLabel;
    QLabel* forEachAddressLabel;
    QLabel* printerLabel;
    PrinterBox* printerBox;
    QPushButton* previewButton;
    QPushButton* printButton;
    QPushButton* cancelButton;
    QPushButton* quickHelpButton;

    // The addresses as entered or picked; they last while the dialog is open.
    AddressLines returnAddress;
    AddressLines mailAddress;

    // The dialog's choices as the print run takes them.
    EnvelopeJob job() const;

    // Sets the printer to the size chosen, at once; a size the printer cannot
    // do falls back to Commercial #10, any other failure ends the program.
    void onSizeChosen();

protected:
    // The dialog stays while its print run lets events through.
    void closeEvent(QCloseEvent* event) override;
    // Enter anywhere else presses the open panel's default button, as in a
    // dialog box: OK in the address, name and list panels, Print in the print
    // options. A button with the focus takes Enter itself.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The panel open beside the address options.
    enum class Panel {
        PrintOptions,   // size, feed, count, Print and Cancel
        ReturnKeyboard, // the return address typed in
        MailKeyboard,   // the mailing address typed in
        ReturnNames,    // the return address picked from the N&A names
        MailNames,      // the mailing address picked from the N&A names
        MailListPicker, // a mailing list file, with its sort order
        SortOrder,      // the sort order of all entries
    };
    // Shows the panel and hides the others, then puts the focus where the
    // panel's work starts (the sort order leaves it on the option chosen).
    void showPanel(Panel panel, bool moveFocus = true);
    QPushButton* defaultButtonOf(Panel panel) const;

    void buildLayout();
    void connectHandlers();
    void fillNameList();
    void focusPrintButton();
    void conflictIfBothNone();
    void leaveLetterPaper();

    void onReturnOptionChosen(int index);
    void onMailOptionChosen(int index);
    void onAddressOkClicked();
    void onAddressCancelClicked();
    void onNameOkClicked();
    void onNameCancelClicked();
    void onMailListFileClicked(ListClick how);
    void onMailListOkClicked();
    void onQuickHelpClicked();
    void onPrintClicked();
    void onPreviewClicked();
    // Prints on the chosen printer, or into a preview first.
    void startRun(bool preview);
    // Shows the recorded envelopes; true when the person printed them.
    bool previewAndPrint(const RecordingPrinter& recording);

    Program& p_;
    Panel panel_ = Panel::PrintOptions;
    QButtonGroup* returnGroup_;
    QButtonGroup* mailGroup_;
    // The lines of nameList keep their IDs, apart from SortedIdList, which a
    // print run refills.
    bool nameListLoaded_ = false;
    bool printing_ = false;
};

} // namespace tavrel
