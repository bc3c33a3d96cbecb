#include "records/RecordCommands.h"

namespace tavrel {

void startAddCommand(Program& p, bool multiple)
{
    p.ScreenMode = multiple ? QStringLiteral("AddMult") : QStringLiteral("Add");
}

void startIdCommand(Program& p, const QString& mode)
{
    p.ScreenMode = mode;
}

void showRecordScreens(Program& p)
{
    Q_UNUSED(p);
}

} // namespace tavrel
