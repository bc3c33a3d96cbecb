#pragma once

#include "reports/ReportRun.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace tavrel {

class Program;

class PrinterBox;
class RecordingPrinter;

// What a preview of labels or cards says of them: "1700 labels on 57 sheets".
QString labelsOnSheets(bool cards, int items, int sheets);

// "Print": the report dialog. The person picks a report kind, the source
// (the whole N&A file or one mailing list), the order, a title, label or card
// stock, a quantity, large print, duplex and a reprint range; "&Print" starts
// the print run and the dialog closes when the run ends.
class ReportDialog : public QWidget {
    Q_OBJECT

public:
    // The dialog is in one of three states: normal (Print and Cancel), picking
    // a mailing list (the list picker with its OK and Cancel in place of the
    // title, stock and quantity) or entering a reprint range (the range boxes
    // with their OK and Cancel in place of the sequence).
    enum class State { Normal, ListPicker, ReprintRange };

    explicit ReportDialog(Program& p);

    QGroupBox* reportKindGroup;
    std::array<QRadioButton*, 7> reportKindOptions{};
    QCheckBox* largePrintCheck;

    QGroupBox* reportSourceGroup;
    std::array<QRadioButton*, 2> sourceOptions{};
    QLabel* chosenListLabel;
    QLabel* listPickerLabel;
    QListView* listPicker;
    QLabel* listTitleLabel;
    QLineEdit* listTitleEdit;
    QPushButton* listOkButton;
    QPushButton* listCancelButton;

    QGroupBox* sortOrderGroup;
    std::array<QRadioButton*, 5> sortOrderOptions{};

    QGroupBox* titleGroup;
    QLineEdit* titleEdit;

    QGroupBox* labelStockGroup;
    std::array<QRadioButton*, 3> labelStockOptions{};
    QGroupBox* cardStockGroup;
    std::array<QRadioButton*, 2> cardStockOptions{};
    QGroupBox* quantityGroup;
    QLineEdit* quantityEdit;
    QLabel* quantityLabel;

    QCheckBox* duplexCheck;
    QCheckBox* reprintCheck;
    QLabel* reprintFromLabel;
    QLineEdit* reprintFromEdit;
    QLabel* reprintThroughLabel;
    QLineEdit* reprintThroughEdit;
    QPushButton* rangeOkButton;
    QPushButton* rangeCancelButton;

    QLabel* printerLabel;
    PrinterBox* printerBox;
    QPushButton* previewButton;
    QPushButton* printButton;
    QPushButton* cancelButton;

    // The choices as the print run takes them.
    ReportOptions options() const;

protected:
    // The dialog stays while its print run lets events through.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void connectHandlers();

    void onReportKindChosen(int index);
    void onSourceChosen(int index);
    void onListClicked(bool byMouse);
    void onListOkClicked();
    void onListCancelClicked();
    void onReprintClicked();
    void onRangeOkClicked();
    void onRangeCancelClicked();
    void onPrintClicked();
    void onPreviewClicked();
    void onCancelClicked();

    // Shows and enables the controls of `state` and gives the focus to its
    // first control.
    void applyState(State state);
    // Gives the focus to the button Enter means in the current state: Print,
    // the list's OK or the range's OK.
    void focusDefaultButton();
    // The title, stock and quantity controls as the report kind wants them
    // (the picker hides them all).
    void fitControlsToKind();
    // Runs the report on the chosen printer, or into a preview first; the
    // dialog closes unless the preview was closed without printing.
    void startRun(bool preview);
    // Shows the recorded pages of the run `o`; true when the person printed
    // them, which replays them onto the printer.
    bool previewAndPrint(const RecordingPrinter& recording, const ReportOptions& o);
    // labelsOnSheets for labels and cards, else empty.
    QString previewSummary(int sheets) const;
    // Back to the whole N&A file as the source.
    void useWholeFile();
    // False, after telling the person, when the quantity is not a whole number of at least 1.
    bool quantityAccepted();
    // The mailing list file selected in listPicker, or empty.
    QString selectedList() const;

    Program& p_;
    State state_ = State::Normal;
    int kind_ = 0; // the report kind selected last (never the envelope hand-over)
    int reprintFrom_ = 1;
    int reprintThrough_ = 32000;
    bool running_ = false;
};

} // namespace tavrel
