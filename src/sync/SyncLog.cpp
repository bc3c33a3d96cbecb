#include "sync/SyncLog.h"

#include <QCoreApplication>

namespace tavrel {

namespace {

QByteArray leftOutLine(qsizetype count)
{
    return QCoreApplication::translate("tavrel::SyncLog",
                                       "%1 more lines of this sync were left out: the log "
                                       "keeps to its size.")
               .arg(count)
               .toUtf8() +
           '\n';
}

// Cuts `bytes` to at most `limit`, at the end of a line where one ends in reach.
QByteArray cutToFit(QByteArray bytes, qsizetype limit)
{
    if (bytes.size() <= limit)
        return bytes;
    const qsizetype end = bytes.lastIndexOf('\n', limit - 1);
    bytes.truncate(end >= 0 ? end + 1 : limit);
    return bytes;
}

// The section as it goes into the log, ending in a blank line, within `limit`.
QByteArray sectionBytes(const QStringList& section, qsizetype limit)
{
    QByteArray whole;
    for (const QString& line : section)
        whole += line.toUtf8() + '\n';
    if (whole.size() + 1 <= limit)
        return whole + '\n';
    QByteArray kept;
    const qsizetype head = qMin<qsizetype>(2, section.size());
    for (qsizetype i = 0; i < head; ++i)
        kept += section.at(i).toUtf8() + '\n';
    // Room is kept for the note at its longest, whatever count it ends with.
    const qsizetype room = limit - 1 - leftOutLine(section.size()).size();
    qsizetype i = head;
    for (; i < section.size(); ++i) {
        const QByteArray line = section.at(i).toUtf8() + '\n';
        if (kept.size() + line.size() > room)
            break;
        kept += line;
    }
    kept += leftOutLine(section.size() - i);
    return cutToFit(kept, limit - 1) + '\n';
}

} // namespace

QByteArray appendLogSection(const QByteArray& old, const QStringList& section, qsizetype limit)
{
    const QByteArray fresh = sectionBytes(section, limit);
    const qsizetype room = limit - fresh.size();
    QByteArray kept = old;
    // Whole sections go from the front; each begins after a blank line.
    while (kept.size() > room) {
        const qsizetype next = kept.indexOf("\n\nSync of ");
        kept = next < 0 ? QByteArray() : kept.mid(next + 2);
    }
    return kept + fresh;
}

} // namespace tavrel
