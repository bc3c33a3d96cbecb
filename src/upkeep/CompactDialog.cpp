#include "upkeep/CompactDialog.h"

#include "platform/gui/Windows.h"
#include "upkeep/CompactionWarningDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

CompactDialog::CompactDialog(Program& program, QWidget* parent) : NoEscapeDialog(parent), p(program)
{
    setObjectName(QStringLiteral("CompactForm"));
    setWindowTitle(QStringLiteral("Compact N&A File"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);

    auto* question =
        makeLabel(QStringLiteral("Do You Have A Current Backup Of The N&A File?"), "CompactLbl1");
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    auto* advice = makeLabel(
        QStringLiteral("If Not, Exit Corvane MARK32, Use Windows 95 Explorer To Copy  The  File  "
                       "To  A  Floppy, Then Start TVL Again And Perform The Compaction."),
        "CompactLbl2", true);
    advice->setAlignment(Qt::AlignCenter);
    advice->setMinimumWidth(380);
    layout->addWidget(advice);
    layout->addSpacing(10);
    for (auto [text, name] : {std::pair{"Have You Checked The File Statistics To", "Label1"},
                              std::pair{"Determine Whether You Need To Compact?", "Label2"}}) {
        auto* l = makeLabel(QLatin1String(text), name);
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    layout->addSpacing(12);

    CompactCmd1 = makeButton(QStringLiteral("&Continue Compaction"), "CompactCmd1",
                             QStringLiteral("Continue Preparing For Compaction"));
    CompactCmd2 = makeButton(QStringLiteral("Cance&l"), "CompactCmd2",
                             QStringLiteral("Don't Perform A Compaction"));
    layout->addLayout(buttonRow({CompactCmd1, CompactCmd2}, Row::Centred, 16));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CompactCmd1, &QPushButton::clicked, this, &CompactDialog::CompactCmd1_Click);
    connect(CompactCmd2, &QPushButton::clicked, this, &CompactDialog::CompactCmd2_Click);
}

void CompactDialog::CompactCmd1_Click()
{
    // The warning is loaded before this window goes, so the main window never
    // finds itself alone in between and brings its menus back too early.
    auto* warning = new CompactionWarningDialog(p);
    loadWindow(warning);
    warning->show();
    warning->WarningCmd2->setFocus();
    unloadWindow(this);
}

void CompactDialog::CompactCmd2_Click()
{
    unloadWindow(this);
}

} // namespace tavrel
