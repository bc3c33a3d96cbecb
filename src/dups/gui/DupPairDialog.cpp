#include "dups/gui/DupPairDialog.h"

#include "platform/Ui.h"
#include "store/Services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QLabel* namedLabel(const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* shownBox(const QString& text, int number)
{
    auto* box = new QLineEdit;
    box->setObjectName(QStringLiteral("Text%1").arg(number));
    box->setReadOnly(true);
    box->setText(text);
    box->setCursorPosition(0);
    return box;
}

// One frame: the ID row, then the Name and the four address lines.
QGroupBox* recordFrame(const char* frameName, const char* idLabelName, int idBox, int firstBox,
                       int id, const Contact& c, QLineEdit*& idEdit,
                       std::array<QLineEdit*, 5>& lines)
{
    auto* frame = new QGroupBox;
    frame->setObjectName(QLatin1String(frameName));
    auto* layout = new QVBoxLayout(frame);
    idEdit = shownBox(QString::number(id), idBox);
    idEdit->setFixedWidth(idEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    auto* idRow = new QHBoxLayout;
    QLabel* idLabel =
        namedLabel(QCoreApplication::translate("tavrel::DupPairDialog", "ID Number"), idLabelName);
    idLabel->setBuddy(idEdit);
    idRow->addWidget(idLabel);
    idRow->addWidget(idEdit);
    idRow->addStretch(1);
    layout->addLayout(idRow);
    // Name, then the four address lines.
    for (int i = 0; i < 5; ++i) {
        const auto field = ContactField(i);
        QLineEdit* box =
            shownBox(c.text(field).leftJustified(contactFieldWidth(field)), firstBox + i);
        box->setAccessibleName(
            i == 0
                ? QCoreApplication::translate("tavrel::DupPairDialog", "Name")
                : QCoreApplication::translate("tavrel::DupPairDialog", "Address Line %1").arg(i));
        // Room for a whole 35-character field, even in capitals.
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(35, QLatin1Char('N'))));
        layout->addWidget(box);
        lines[size_t(i)] = box;
    }
    layout->addStretch(1);
    return frame;
}

} // namespace

DupPairDialog::DupPairDialog(Services& programServices, DupSearchState& state, int earlierId,
                             const Contact& earlier, int laterId, const Contact& later,
                             QWidget* parent)
    : DupDialog(parent), services(programServices), s(state)
{
    setObjectName(QStringLiteral("DupRecDisp"));
    setWindowTitle(tr("Duplicate Records"));
    // Closing without a button answers No (see reject), whatever an earlier pair answered.
    s.pairAnswer = DupAnswer::Keep;

    auto* warning = new QWidget;
    auto* warningLayout = new QVBoxLayout(warning);
    warningLayout->setContentsMargins(0, 0, 0, 0);
    warningLayout->setSpacing(0);
    for (auto [text, name] : {std::pair{QT_TR_NOOP("This Record Will Be Deleted If "), "Label3"},
                              std::pair{QT_TR_NOOP("You Click The Yes Button Below"), "Label4"}}) {
        auto* label = namedLabel(tr(text), name);
        label->setAlignment(Qt::AlignCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        warningLayout->addWidget(label);
    }

    QGroupBox* first =
        recordFrame("Frame1", "Label1", 6, 1, earlierId, earlier, earlierIdEdit, earlierLineEdits);
    QGroupBox* second =
        recordFrame("Frame2", "Label2", 7, 8, laterId, later, laterIdEdit, laterLineEdits);

    auto* question = namedLabel(tr("Delete Duplicate Record?"), "Label6");
    QFont bigger = question->font();
    bigger.setBold(true);
    bigger.setPointSizeF(bigger.pointSizeF() * 1.2);
    question->setFont(bigger);
    // Its access letter belongs to yesButton, so it is drawn, not grabbed.
    auto* yesHint = namedLabel(tr("You Click The <u>Y</u>es Button"), "Label5");
    yesHint->setTextFormat(Qt::RichText);

    yesButton = makeButton(tr("&Yes"), "YesButton",
                           tr("Delete The Duplicate N&A Record And Continue The Search"));
    noButton = makeButton(tr("&No"), "NoButton",
                          tr("Continue The Search For Other Duplicate Records But "
                             "Don't Delete The Displayed Record"));
    cancelButton =
        makeButton(tr("Cance&l"), "CancelButton", tr("Stop Searching For Duplicate N&A Records"));
    stopShowingCheck = new QCheckBox(tr("&Stop Displaying Duplicate Records"));
    stopShowingCheck->setObjectName(QStringLiteral("Check13D1"));
    stopShowingCheck->setToolTip(tr("Continue The Search Without Displaying Any More Duplicates"));

    // The warning stands over the record it is about.
    auto* frames = new QGridLayout;
    frames->addWidget(warning, 0, 1);
    frames->addWidget(first, 1, 0);
    frames->addWidget(second, 1, 1);

    auto* top = new QVBoxLayout(this);
    top->addLayout(frames);
    top->addWidget(question, 0, Qt::AlignHCenter);
    top->addWidget(yesHint, 0, Qt::AlignHCenter);
    top->addLayout(buttonRow({yesButton, noButton, cancelButton}, Row::Centred));
    top->addWidget(stopShowingCheck, 0, Qt::AlignHCenter);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(yesButton, noButton);
    setTabOrder(noButton, cancelButton);
    setTabOrder(cancelButton, stopShowingCheck);
    for (QLineEdit* box : earlierLineEdits)
        box->setFocusPolicy(Qt::ClickFocus);
    for (QLineEdit* box : laterLineEdits)
        box->setFocusPolicy(Qt::ClickFocus);
    earlierIdEdit->setFocusPolicy(Qt::ClickFocus);
    laterIdEdit->setFocusPolicy(Qt::ClickFocus);
    yesButton->setFocus();

    connect(yesButton, &QPushButton::clicked, this, &DupPairDialog::onYesClicked);
    connect(noButton, &QPushButton::clicked, this, &DupPairDialog::onNoClicked);
    connect(cancelButton, &QPushButton::clicked, this, &DupPairDialog::onCancelClicked);
    connect(stopShowingCheck, &QCheckBox::toggled, this, &DupPairDialog::onStopShowingToggled);
}

void DupPairDialog::answer(int value)
{
    s.pairAnswer = value;
    accept();
}

void DupPairDialog::onYesClicked()
{
    answer(DupAnswer::Delete);
}

void DupPairDialog::onNoClicked()
{
    answer(DupAnswer::Keep);
}

void DupPairDialog::onCancelClicked()
{
    const bool undo =
        services.ui.messageBox(tr("Do You Want To Undelete The Records Just "
                                  "Deleted?"),
                               kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) == Ui::Answer::Yes;
    answer(undo ? DupAnswer::StopAndUndelete : DupAnswer::StopAndKeep);
}

void DupPairDialog::onStopShowingToggled()
{
    if (stopShowingCheck->isChecked()) {
        const QString text =
            tr("For The Remainder Of The N&A File, Corvane MARK Will Delete Duplicate "
               "Records Without Displaying Them.\n\nIs This What You Want?\n\n"
               "Note:  You Can Later Display/Print A List Of Deleted Records And/Or "
               "Undelete Them.");
        if (services.ui.messageBox(text, kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) ==
            Ui::Answer::Yes) {
            s.deleteWithoutShowing = 1;
        } else {
            const QSignalBlocker quiet(stopShowingCheck);
            stopShowingCheck->setChecked(false);
        }
    } else {
        s.deleteWithoutShowing = 0;
    }
    yesButton->setFocus();
}

void DupPairDialog::reject()
{
    // The close box: No, the one answer that changes nothing and asks nothing.
    answer(DupAnswer::Keep);
}

} // namespace tavrel
