// The compaction confirmations and the two please-wait windows of file upkeep.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "upkeep/AnalyzingMessage.h"
#include "upkeep/CompactDialog.h"
#include "upkeep/CompactingMessage.h"
#include "upkeep/UpkeepCommands.h"

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
