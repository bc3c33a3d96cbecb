#include "dups/DupParams.h"

#include "dups/DupSearchWindows.h"
#include "platform/gui/Windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

DupParams::DupParams(Program& program, QWidget* parent) : DupDialog(parent), p(program)
{
    setObjectName(QStringLiteral("DupParams"));
    setWindowTitle(QStringLiteral("Delete Duplicate Records"));

    const char* const captions[4] = {"Duplicate &Name", "Duplicate &Address",
                                     "Duplicate Name AND &Duplicate Address (Both Must Match)",
                                     "Duplicate Nam&e OR Duplicate Address (Either Can Match)"};
    auto* frame = optionFrame(QStringLiteral("Look For (Match On)"), captions, Option1);

    Check1 = new QCheckBox(QStringLiteral("Dis&play Duplicate Records Before Deleting Them"));
    Check1->setObjectName(QStringLiteral("Check1"));
    OKButton = makeButton(QStringLiteral("&OK"), "OKButton",
                          QStringLiteral("Start Searching For Duplicate Records"));
    CancelButton = makeButton(QStringLiteral("Cance&l"), "CancelButton",
                              QStringLiteral("Don't Search For Duplicate Records"));

    auto* top = new QVBoxLayout(this);
    top->addWidget(frame);
    top->addWidget(Check1);
    top->addLayout(buttonRow({OKButton, CancelButton}, Row::Right));
    top->setSizeConstraint(QLayout::SetFixedSize);

    focusOnChoice(Option1, OKButton);
    connect(Check1, &QCheckBox::toggled, this, &DupParams::Check1_Click);
    connect(OKButton, &QPushButton::clicked, this, &DupParams::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DupParams::CancelButton_Click);

    state.DupNoDisplay = 1;
    p.StopRequested = false;
}

DupMatch DupParams::selectedMatch() const
{
    for (int i = 0; i < 4; ++i) {
        if (Option1[size_t(i)]->isChecked())
            return DupMatch(i);
    }
    return DupMatch::Name;
}

void DupParams::Check1_Click()
{
    state.DupNoDisplay = Check1->isChecked() ? 0 : 1;
    OKButton->setFocus();
}

void DupParams::OKButton_Click()
{
    if (searching_)
        return;
    // The search lets events through: nothing here may start a second search
    // or close this window under the running one.
    searching_ = true;
    setEnabled(false);
    // A stop asked for in an earlier run of this window is not this run's.
    p.StopRequested = false;
    DupSearchEnd end;
    {
        DupSearchWindows windows(p, state);
        end = runDupSearch(p, selectedMatch(), state, windows);
    }
    searching_ = false;
    setEnabled(true);
    if (end == DupSearchEnd::UndeleteFailed) {
        // The message has been shown; the person decides how to go on from here.
        OKButton->setFocus();
        return;
    }
    unloadWindow(this);
}

void DupParams::CancelButton_Click()
{
    unloadWindow(this);
}

void DupParams::reject()
{
    if (!searching_)
        CancelButton_Click();
}

void DupParams::closeEvent(QCloseEvent* event)
{
    if (searching_) {
        event->ignore();
        return;
    }
    DupDialog::closeEvent(event);
}

} // namespace tavrel
