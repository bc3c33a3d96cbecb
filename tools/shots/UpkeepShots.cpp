// The compaction confirmations and the two please-wait windows of file upkeep.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "upkeep/gui/AnalyzingMessage.h"
#include "upkeep/gui/CompactDialog.h"
#include "upkeep/gui/CompactingMessage.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QPushButton>

TAVREL_SHOT("CompactForm")
{
    tavrel::startCompact(s.p());
    return tavrel::loadedWindow(QStringLiteral("CompactForm"));
}

TAVREL_SHOT("WarningForm")
{
    tavrel::startCompact(s.p());
    auto* form =
        static_cast<tavrel::CompactDialog*>(tavrel::loadedWindow(QStringLiteral("CompactForm")));
    form->continueButton->click();
    return tavrel::loadedWindow(QStringLiteral("WarningForm"));
}

TAVREL_SHOT("CompactingMsg")
{
    return new tavrel::CompactingMessage;
}

TAVREL_SHOT("AnalyzingForm")
{
    return new tavrel::AnalyzingMessage;
}
