// The compaction confirmations and the two please-wait windows of file upkeep.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "upkeep/AnalyzingForm.h"
#include "upkeep/CompactForm.h"
#include "upkeep/CompactingMsg.h"
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
        static_cast<tavrel::CompactForm*>(tavrel::loadedWindow(QStringLiteral("CompactForm")));
    form->CompactCmd1->click();
    return tavrel::loadedWindow(QStringLiteral("WarningForm"));
}

TAVREL_SHOT("CompactingMsg")
{
    return new tavrel::CompactingMsg;
}

TAVREL_SHOT("AnalyzingForm")
{
    return new tavrel::AnalyzingForm;
}
