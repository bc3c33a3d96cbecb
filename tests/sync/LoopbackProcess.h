#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavrel::test {

// A port on 127.0.0.1 that was free a moment ago; 0 when none was found.
quint16 freeLoopbackPort();

// Starts `program` and waits up to 15 seconds until it accepts connections on
// 127.0.0.1:`port`. Empty when it does, else why not in one line.
QString startServing(QProcess& process, const QString& program, const QStringList& arguments,
                     quint16 port);

// Ends a process started by startServing: politely first.
void stopServing(QProcess& process);

} // namespace tavrel::test
