#include "dups/gui/DupSearchDialog.h"

#include "dups/gui/DupSearchWindows.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

DupSearchDialog::DupSearchDialog(Program& program, QWidget* parent) : DupDialog(parent), p(program)
{
    setObjectName(QStringLiteral("DupParams"));
    setWindowTitle(tr("Delete Duplicate Records"));

    const QString captions[4] = {tr("Duplicate &Name"), tr("Duplicate &Address"),
                                 tr("Duplicate Name AND &Duplicate Address (Both Must Match)"),
                                 tr("Duplicate Nam&e OR Duplicate Address (Either Can Match)")};
    auto* frame = optionFrame(tr("Look For (Match On)"), captions, matchOptions);

    showPairsCheck = new QCheckBox(tr("Dis&play Duplicate Records Before Deleting Them"));
    showPairsCheck->setObjectName(QStringLiteral("Check1"));
    okButton = makeButton(tr("&OK"), "OKButton", tr("Start Searching For Duplicate Records"));
    cancelButton =
        makeButton(tr("Cance&l"), "CancelButton", tr("Don't Search For Duplicate Records"));

    auto* top = new QVBoxLayout(this);
    top->addWidget(frame);
    top->addWidget(showPairsCheck);
    top->addLayout(buttonRow({okButton, cancelButton}, Row::Right));
    top->setSizeConstraint(QLayout::SetFixedSize);

    focusOnChoice(matchOptions, okButton);
    connect(showPairsCheck, &QCheckBox::toggled, this, &DupSearchDialog::onShowPairsToggled);
    connect(okButton, &QPushButton::clicked, this, &DupSearchDialog::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &DupSearchDialog::onCancelClicked);

    state.deleteWithoutShowing = 1;
}

DupMatch DupSearchDialog::selectedMatch() const
{
    for (int i = 0; i < 4; ++i) {
        if (matchOptions[size_t(i)]->isChecked())
            return DupMatch(i);
    }
    return DupMatch::Name;
}

void DupSearchDialog::onShowPairsToggled()
{
    state.deleteWithoutShowing = showPairsCheck->isChecked() ? 0 : 1;
    okButton->setFocus();
}

void DupSearchDialog::enterPhase(Phase phase)
{
    phase_ = phase;
    setEnabled(phase == Phase::Choosing);
    if (phase == Phase::Choosing)
        okButton->setFocus();
}

void DupSearchDialog::onOkClicked()
{
    // Nothing may start a second search or close this window under the running one.
    if (phase_ == Phase::Searching)
        return;
    enterPhase(Phase::Searching);
    // A stop asked for in an earlier run of this window is not this run's.
    p.StopRequested = false;
    DupSearchEnd end;
    {
        DupSearchWindows windows(p, state);
        end = runDupSearch(p, selectedMatch(), state, windows);
    }
    enterPhase(Phase::Choosing);
    // After an undelete that met a changed record, the message has been shown;
    // the person decides how to go on from here.
    if (end != DupSearchEnd::UndeleteFailed)
        unloadWindow(this);
}

void DupSearchDialog::onCancelClicked()
{
    unloadWindow(this);
}

void DupSearchDialog::reject()
{
    if (phase_ == Phase::Choosing)
        onCancelClicked();
}

void DupSearchDialog::closeEvent(QCloseEvent* event)
{
    if (phase_ == Phase::Searching) {
        event->ignore();
        return;
    }
    DupDialog::closeEvent(event);
}

} // namespace tavrel
