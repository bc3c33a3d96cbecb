#include "XandikosServer.h"

namespace tavrel::test {

XandikosServer::XandikosServer()
{
    process.start({QStringLiteral("--defaults"), QStringLiteral("-d"), process.folder(),
                   QStringLiteral("-l"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                   QString::number(process.port())});
}

} // namespace tavrel::test
