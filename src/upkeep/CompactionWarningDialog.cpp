#include "upkeep/CompactionWarningDialog.h"

#include "platform/gui/Windows.h"
#include "upkeep/UpkeepCommands.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

CompactionWarningDialog::CompactionWarningDialog(Program& program, QWidget* parent)
    : NoEscapeDialog(parent), p(program)
{
    setObjectName(QStringLiteral("WarningForm"));
    setWindowTitle(QStringLiteral("Compaction Warning!"));
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
        {"Label1", "Compacting The N&A File May Result In The Reassignment", 0},
        {"Label9", "Of Some ID Numbers.", 0},
        {"", "", 0},
        {"Label2", "This could have two effects:", 0},
        {"Label3", "- Existing Reports May Reflect The Wrong ID Number For ", 12},
        {"Label7", "Some N&A Entries", 24},
        {"Label4", "- Existing Mailing Lists May Be Invalidated Due To The Shift", 12},
        {"Label8", "In ID Numbers", 24},
        {"", "", 0},
        {"Label5", "After Compaction You May Need To Reprint Reports And", 0},
        {"Label10", "Regenerate Mailing Lists.", 0},
        {"", "", 0},
        {"Label6", "Do You Still Want To Compact The N&A File?", 0},
    };
    for (const Line& line : lines) {
        if (!*line.name) {
            layout->addSpacing(10);
            continue;
        }
        auto* l = makeLabel(QLatin1String(line.text), line.name);
        l->setIndent(line.indent);
        layout->addWidget(l);
    }
    layout->addSpacing(14);
    WarningCmd1 = makeButton(QStringLiteral("&Yes"), "WarningCmd1",
                             QStringLiteral("Start Compacting The N&A File"));
    WarningCmd2 = makeButton(QStringLiteral("&No"), "WarningCmd2",
                             QStringLiteral("Don't Compact The N&A File"));
    layout->addLayout(buttonRow({WarningCmd1, WarningCmd2}, Row::Centred, 16));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(WarningCmd1, &QPushButton::clicked, this, &CompactionWarningDialog::WarningCmd1_Click);
    connect(WarningCmd2, &QPushButton::clicked, this, &CompactionWarningDialog::WarningCmd2_Click);
}

void CompactionWarningDialog::WarningCmd1_Click()
{
    if (runCompaction(p))
        unloadWindow(this);
}

void CompactionWarningDialog::WarningCmd2_Click()
{
    unloadWindow(this);
}

} // namespace tavrel
