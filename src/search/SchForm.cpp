#include "search/SchForm.h"

#include "platform/gui/Windows.h"
#include "search/SearchRun.h"
#include "search/SearchWindows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

const char* const kFieldCaptions[8] = {
    "&Name Only (Fast Search)",
    "Name &And Mailing Address",
    "&Telephone Numbers",
    "&Comments",
    "Sort Key &1",
    "Sort Key &2",
    "&E-Mail Address",
    "Search All &fields Listed Above",
};

} // namespace

SchForm::SchForm(Program& program, QWidget* parent) : QDialog(parent), p(program)
{
    setObjectName(QStringLiteral("SchForm"));
    setWindowTitle(QStringLiteral("N&A File Search"));
    buildLayout();

    SchTxt1->installEventFilter(this);
    for (int i = 0; i < 8; ++i)
        connect(SchChk1[i], &QCheckBox::toggled, this, [this, i] { SchChk1_Click(i); });
    connect(SchChk2, &QCheckBox::toggled, this, [this] { SchCmd1->setFocus(); });
    connect(SchChk3, &QCheckBox::toggled, this, [this] { SchCmd1->setFocus(); });
    connect(SchCmd1, &QPushButton::clicked, this, &SchForm::SchCmd1_Click);
    connect(SchCmd2, &QPushButton::clicked, this, &SchForm::SchCmd2_Click);
}

void SchForm::buildLayout()
{
    auto* paramFrame = new QGroupBox(QStringLiteral("Search &Parameter"));
    SchTxt1 = new QLineEdit;
    SchTxt1->setObjectName(QStringLiteral("SchTxt1"));
    SchTxt1->setToolTip(
        QStringLiteral("Data You Want To Locate In The N&A Records - Up To 35 Characters"));
    SchTxt1->setMinimumWidth(SchTxt1->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
    auto* paramLayout = new QVBoxLayout(paramFrame);
    paramLayout->addWidget(SchTxt1);

    auto* fieldsFrame = new QGroupBox(QStringLiteral("Search Fields"));
    auto* fieldsLayout = new QVBoxLayout(fieldsFrame);
    for (int i = 0; i < 8; ++i) {
        SchChk1[i] = new QCheckBox(QString::fromLatin1(kFieldCaptions[i]));
        SchChk1[i]->setObjectName(QStringLiteral("SchChk1_%1").arg(i));
        fieldsLayout->addWidget(SchChk1[i]);
    }

    auto* optionsFrame = new QGroupBox(QStringLiteral("Options"));
    SchChk2 = new QCheckBox(QStringLiteral("Sa&ve Search Results In A Mailing List"));
    SchChk2->setObjectName(QStringLiteral("SchChk2"));
    SchChk3 = new QCheckBox(QStringLiteral("&Display Matching Records"));
    SchChk3->setObjectName(QStringLiteral("SchChk3"));
    auto* optionsLayout = new QVBoxLayout(optionsFrame);
    optionsLayout->addWidget(SchChk2);
    optionsLayout->addWidget(SchChk3);

    SchCmd1 = new QPushButton(QStringLiteral("&Search"));
    SchCmd1->setObjectName(QStringLiteral("SchCmd1"));
    SchCmd1->setToolTip(QStringLiteral("Start The Search"));
    SchCmd2 = new QPushButton(QStringLiteral("Cance&l"));
    SchCmd2->setObjectName(QStringLiteral("SchCmd2"));
    SchCmd2->setToolTip(QStringLiteral("Don't Perform A Search"));
    // Enter presses the button that has the focus, never a hidden default.
    for (QPushButton* b : {SchCmd1, SchCmd2}) {
        b->setAutoDefault(true);
        b->setDefault(false);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(optionsFrame);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SchCmd1);
    buttons->addWidget(SchCmd2);
    right->addLayout(buttons);

    auto* middle = new QHBoxLayout;
    middle->addWidget(fieldsFrame);
    middle->addLayout(right);

    auto* top = new QVBoxLayout(this);
    top->addWidget(paramFrame);
    top->addLayout(middle);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(SchTxt1, SchChk1[0]);
    for (int i = 0; i < 7; ++i)
        setTabOrder(SchChk1[i], SchChk1[i + 1]);
    setTabOrder(SchChk1[7], SchChk2);
    setTabOrder(SchChk2, SchChk3);
    setTabOrder(SchChk3, SchCmd1);
    setTabOrder(SchCmd1, SchCmd2);
}

bool SchForm::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the search text only moves on to "&Search"; it does not search.
    if (watched == SchTxt1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SchCmd1->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SchForm::SchChk1_Click(int /*index*/)
{
    auto anyOf1To7 = [this] {
        for (int i = 1; i <= 7; ++i) {
            if (SchChk1[i]->isChecked())
                return true;
        }
        return false;
    };
    const bool nameOnly = SchChk1[0]->isChecked();
    for (int i = 1; i <= 7; ++i)
        SchChk1[i]->setEnabled(!nameOnly);
    SchChk1[0]->setEnabled(!anyOf1To7());
    if (SchChk1[7]->isChecked()) {
        for (int i = 1; i <= 6; ++i)
            SchChk1[i]->setEnabled(false);
    }
    SchCmd1->setFocus();
}

SearchFieldBoxes SchForm::tickedBoxes() const
{
    SearchFieldBoxes boxes{};
    for (int i = 0; i < 8; ++i)
        boxes[i] = SchChk1[i]->isChecked();
    return boxes;
}

void SchForm::SchCmd1_Click()
{
    if (SchTxt1->text().isEmpty()) {
        p.ui.messageBox(QStringLiteral("Please Specify A Search Parameter."), kTitle);
        return;
    }
    const SearchFieldBoxes boxes = tickedBoxes();
    if (std::none_of(boxes.begin(), boxes.end(), [](bool b) { return b; })) {
        p.ui.messageBox(QStringLiteral("Please Select One Or More Search Fields."), kTitle);
        return;
    }

    SearchRequest request;
    request.key = SchTxt1->text();
    request.boxes = boxes;
    request.saveToList = SchChk2->isChecked();
    request.display = SchChk3->isChecked();

    SearchWindows windows(p, this);
    if (runSearch(p, request, windows) == SearchOutcome::Completed)
        windows.finishCompleted();
    else
        windows.finishEnded();
}

void SchForm::SchCmd2_Click()
{
    unloadWindow(this);
}

void SchForm::reject()
{
    SchCmd2_Click();
}

} // namespace tavrel
