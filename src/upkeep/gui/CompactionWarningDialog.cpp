#include "upkeep/gui/CompactionWarningDialog.h"

#include "platform/gui/Windows.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

CompactionWarningDialog::CompactionWarningDialog(Program& program, QWidget* parent)
    : NoEscapeDialog(parent), p(program)
{
    setObjectName(QStringLiteral("WarningForm"));
    setWindowTitle(tr("Compaction Warning!"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(2);
    // Lines in reading order; a line that carries on the one above is indented
    // under it. An empty name is a gap.
    struct Line {
        const char* name;
        const char* text;
        int indent;
    };
    const Line lines[] = {
        {"Label1", QT_TR_NOOP("Compacting The N&A File May Result In The Reassignment"), 0},
        {"Label9", QT_TR_NOOP("Of Some ID Numbers."), 0},
        {"", "", 0},
        {"Label2", QT_TR_NOOP("This could have two effects:"), 0},
        {"Label3", QT_TR_NOOP("- Existing Reports May Reflect The Wrong ID Number For "), 12},
        {"Label7", QT_TR_NOOP("Some N&A Entries"), 24},
        {"Label4", QT_TR_NOOP("- Existing Mailing Lists May Be Invalidated Due To The Shift"), 12},
        {"Label8", QT_TR_NOOP("In ID Numbers"), 24},
        {"", "", 0},
        {"Label5", QT_TR_NOOP("After Compaction You May Need To Reprint Reports And"), 0},
        {"Label10", QT_TR_NOOP("Regenerate Mailing Lists."), 0},
        {"", "", 0},
        {"Label6", QT_TR_NOOP("Do You Still Want To Compact The N&A File?"), 0},
    };
    for (const Line& line : lines) {
        if (!*line.name) {
            layout->addSpacing(10);
            continue;
        }
        auto* l = makeLabel(tr(line.text), line.name);
        l->setIndent(line.indent);
        layout->addWidget(l);
    }
    layout->addSpacing(14);
    yesButton = makeButton(tr("&Yes"), "WarningCmd1", tr("Start Compacting The N&A File"));
    noButton = makeButton(tr("&No"), "WarningCmd2", tr("Don't Compact The N&A File"));
    layout->addLayout(buttonRow({yesButton, noButton}, Row::Centred, 16));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(yesButton, &QPushButton::clicked, this, &CompactionWarningDialog::onYesClicked);
    connect(noButton, &QPushButton::clicked, this, &CompactionWarningDialog::onNoClicked);
}

void CompactionWarningDialog::onYesClicked()
{
    if (runCompaction(p))
        unloadWindow(this);
}

void CompactionWarningDialog::onNoClicked()
{
    unloadWindow(this);
}

} // namespace tavrel
