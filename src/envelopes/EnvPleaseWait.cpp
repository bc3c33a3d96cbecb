#include "envelopes/EnvPleaseWait.h"

namespace tavrel {

EnvPleaseWait::EnvPleaseWait()
    : NoticeWindow("EnvPleaseWait", QStringLiteral("Please Wait"),
                   QStringLiteral("Processing Data"), 240)
{
}

} // namespace tavrel
