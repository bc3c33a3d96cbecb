#pragma once

// The files of a directory as the fault tests compare them, and what they
// accept of an N&A file cut short: record by record, the old one or the new one.
#include "store/NARecord.h"

#include "support/TestEnv.h"

#include <QByteArray>
#include <QDir>
#include <cerrno>
#include <map>
#include <sys/wait.h>

namespace tavrel::test {

// Waits for a child to end and returns its wait status.
inline int reap(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// Every file of a directory and its bytes.
using DirFiles = std::map<QString, QByteArray>;

inline DirFiles filesIn(const QString& dir)
{
    DirFiles out;
    for (const QString& n : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        out[n] = fileBytes(dir + QLatin1Char('/') + n);
    return out;
}

// Record `i` (from 0) of a file's bytes; zero bytes beyond its end.
inline QByteArray slot(const QByteArray& file, qsizetype i)
{
    return file.mid(i * NARecord::Size, NARecord::Size).leftJustified(NARecord::Size, '\0');
}

// True when record `i` of `file` is that of `was` or of `next`. A command
// that adds several records (an import) rewrites the header after each, so
// the header may also be either one counting any record written so far.
inline bool recordBetween(const QByteArray& file, qsizetype i, const QByteArray& was,
                          const QByteArray& next)
{
    const QByteArray rec = slot(file, i);
    if (rec == slot(was, i) || rec == slot(next, i))
        return true;
    if (i != 0)
        return false;
    const int count = NARecord::fromBytes(rec).RecId;
    const bool counts =
        count >= NARecord::fromBytes(slot(was, 0)).RecId && count <= file.size() / NARecord::Size;
    const auto sameBesidesCount = [&rec](const QByteArray& header) {
        return rec.left(4) == header.left(4) && rec.mid(6) == header.mid(6);
    };
    return counts && (sameBesidesCount(slot(was, 0)) || sameBesidesCount(slot(next, 0)));
}

} // namespace tavrel::test
