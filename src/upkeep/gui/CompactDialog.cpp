#include "upkeep/gui/CompactDialog.h"

#include "platform/gui/Windows.h"
#include "upkeep/gui/CompactionWarningDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

CompactDialog::CompactDialog(Program& program, QWidget* parent) : NoEscapeDialog(parent), p(program)
{
    setObjectName(QStringLiteral("CompactForm"));
    setWindowTitle(tr("Compact N&A File"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);

    auto* question = makeLabel(tr("Do You Have A Current Backup Of The N&A File?"), "CompactLbl1");
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    auto* advice =
        makeLabel(tr("If Not, Exit Corvane MARK32, Use Windows 95 Explorer To Copy  The  File  "
                     "To  A  Floppy, Then Start TVL Again And Perform The Compaction."),
                  "CompactLbl2", true);
    advice->setAlignment(Qt::AlignCenter);
    advice->setMinimumWidth(380);
    layout->addWidget(advice);
    layout->addSpacing(10);
    for (auto [text, name] :
         {std::pair{QT_TR_NOOP("Have You Checked The File Statistics To"), "Label1"},
          std::pair{QT_TR_NOOP("Determine Whether You Need To Compact?"), "Label2"}}) {
        auto* l = makeLabel(tr(text), name);
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    layout->addSpacing(12);

    continueButton = makeButton(tr("&Continue Compaction"), "CompactCmd1",
                                tr("Continue Preparing For Compaction"));
    cancelButton = makeButton(tr("Cance&l"), "CompactCmd2", tr("Don't Perform A Compaction"));
    layout->addLayout(buttonRow({continueButton, cancelButton}, Row::Centred, 16));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(continueButton, &QPushButton::clicked, this, &CompactDialog::onContinueClicked);
    connect(cancelButton, &QPushButton::clicked, this, &CompactDialog::onCancelClicked);
}

void CompactDialog::onContinueClicked()
{
    // The warning is loaded before this window goes, so the main window never
    // finds itself alone in between and brings its menus back too early.
    auto* warning = new CompactionWarningDialog(p);
    loadWindow(warning);
    warning->show();
    warning->noButton->setFocus();
    unloadWindow(this);
}

void CompactDialog::onCancelClicked()
{
    unloadWindow(this);
}

} // namespace tavrel
