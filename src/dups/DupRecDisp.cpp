#include "dups/DupRecDisp.h"

#include <QCheckBox>
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
                       int id, const NARecord& r, QLineEdit*& idEdit,
                       std::array<QLineEdit*, 5>& lines)
{
    auto* frame = new QGroupBox;
    frame->setObjectName(QLatin1String(frameName));
    auto* layout = new QVBoxLayout(frame);
    idEdit = shownBox(QString::number(id), idBox);
    idEdit->setFixedWidth(idEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    auto* idRow = new QHBoxLayout;
    QLabel* idLabel = namedLabel(QStringLiteral("ID Number"), idLabelName);
    idLabel->setBuddy(idEdit);
    idRow->addWidget(idLabel);
    idRow->addWidget(idEdit);
    idRow->addStretch(1);
    layout->addLayout(idRow);
    const QString* fields[5] = {&r.Name, &r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* box = shownBox(*fields[i], firstBox + i);
        box->setAccessibleName(i == 0 ? QObject::tr("Name")
                                      : QObject::tr("Address Line %1").arg(i));
        // Room for a whole 35-character field, even in capitals.
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(35, QLatin1Char('N'))));
        layout->addWidget(box);
        lines[size_t(i)] = box;
    }
    layout->addStretch(1);
    return frame;
}

} // namespace

DupRecDisp::DupRecDisp(Program& program, DupSearchState& state, int earlierId,
                       const NARecord& earlier, int laterId, const NARecord& later, QWidget* parent)
    : DupDialog(parent), p(program), s(state)
{
    setObjectName(QStringLiteral("DupRecDisp"));
    setWindowTitle(QStringLiteral("Duplicate Records"));
    // Closing without a button answers No (see reject), whatever an earlier pair answered.
    s.DelDupRecSw = DupAnswer::Keep;

    auto* warning = new QWidget;
    auto* warningLayout = new QVBoxLayout(warning);
    warningLayout->setContentsMargins(0, 0, 0, 0);
    warningLayout->setSpacing(0);
    for (auto [text, name] : {std::pair{"This Record Will Be Deleted If ", "Label3"},
                              std::pair{"You Click The Yes Button Below", "Label4"}}) {
        auto* label = namedLabel(QString::fromLatin1(text), name);
        label->setAlignment(Qt::AlignCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        warningLayout->addWidget(label);
    }

    QGroupBox* first = recordFrame("Frame1", "Label1", 6, 1, earlierId, earlier, Text6, Text1to5);
    QGroupBox* second = recordFrame("Frame2", "Label2", 7, 8, laterId, later, Text7, Text8to12);

    auto* question = namedLabel(QStringLiteral("Delete Duplicate Record?"), "Label6");
    QFont bigger = question->font();
    bigger.setBold(true);
    bigger.setPointSizeF(bigger.pointSizeF() * 1.2);
    question->setFont(bigger);
    // Its access letter belongs to YesButton, so it is drawn, not grabbed.
    auto* yesHint = namedLabel(QStringLiteral("You Click The <u>Y</u>es Button"), "Label5");
    yesHint->setTextFormat(Qt::RichText);

    YesButton =
        makeButton(QStringLiteral("&Yes"), "YesButton",
                   QStringLiteral("Delete The Duplicate N&A Record And Continue The Search"));
    NoButton = makeButton(QStringLiteral("&No"), "NoButton",
                          QStringLiteral("Continue The Search For Other Duplicate Records But "
                                         "Don't Delete The Displayed Record"));
    CancelButton = makeButton(QStringLiteral("Cance&l"), "CancelButton",
                              QStringLiteral("Stop Searching For Duplicate N&A Records"));
    Check13D1 = new QCheckBox(QStringLiteral("&Stop Displaying Duplicate Records"));
    Check13D1->setObjectName(QStringLiteral("Check13D1"));
    Check13D1->setToolTip(
        QStringLiteral("Continue The Search Without Displaying Any More Duplicates"));

    // The warning stands over the record it is about.
    auto* frames = new QGridLayout;
    frames->addWidget(warning, 0, 1);
    frames->addWidget(first, 1, 0);
    frames->addWidget(second, 1, 1);

    auto* top = new QVBoxLayout(this);
    top->addLayout(frames);
    top->addWidget(question, 0, Qt::AlignHCenter);
    top->addWidget(yesHint, 0, Qt::AlignHCenter);
    top->addLayout(buttonRow({YesButton, NoButton, CancelButton}, Row::Centred));
    top->addWidget(Check13D1, 0, Qt::AlignHCenter);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(YesButton, NoButton);
    setTabOrder(NoButton, CancelButton);
    setTabOrder(CancelButton, Check13D1);
    for (QLineEdit* box : Text1to5)
        box->setFocusPolicy(Qt::ClickFocus);
    for (QLineEdit* box : Text8to12)
        box->setFocusPolicy(Qt::ClickFocus);
    Text6->setFocusPolicy(Qt::ClickFocus);
    Text7->setFocusPolicy(Qt::ClickFocus);
    YesButton->setFocus();

    connect(YesButton, &QPushButton::clicked, this, &DupRecDisp::YesButton_Click);
    connect(NoButton, &QPushButton::clicked, this, &DupRecDisp::NoButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DupRecDisp::CancelButton_Click);
    connect(Check13D1, &QCheckBox::toggled, this, &DupRecDisp::Check13D1_Click);
}

void DupRecDisp::answer(int value)
{
    s.DelDupRecSw = value;
    accept();
}

void DupRecDisp::YesButton_Click()
{
    answer(DupAnswer::Delete);
}

void DupRecDisp::NoButton_Click()
{
    answer(DupAnswer::Keep);
}

void DupRecDisp::CancelButton_Click()
{
    const bool undo =
        p.ui.messageBox(QStringLiteral("Do You Want To Undelete The Records Just "
                                       "Deleted?"),
                        kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) == Ui::Answer::Yes;
    answer(undo ? DupAnswer::StopAndUndelete : DupAnswer::StopAndKeep);
}

void DupRecDisp::Check13D1_Click()
{
    if (Check13D1->isChecked()) {
        const QString text =
            QStringLiteral("For The Remainder Of The N&A File, Corvane MARK Will Delete Duplicate "
                           "Records Without Displaying Them.\n\nIs This What You Want?\n\n"
                           "Note:  You Can Later Display/Print A List Of Deleted Records And/Or "
                           "Undelete Them.");
        if (p.ui.messageBox(text, kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) ==
            Ui::Answer::Yes) {
            s.DupNoDisplay = 1;
        } else {
            const QSignalBlocker quiet(Check13D1);
            Check13D1->setChecked(false);
        }
    } else {
        s.DupNoDisplay = 0;
    }
    YesButton->setFocus();
}

void DupRecDisp::reject()
{
    // The close box: No, the one answer that changes nothing and asks nothing.
    answer(DupAnswer::Keep);
}

} // namespace tavrel
