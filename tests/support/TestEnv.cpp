#include "support/TestEnv.h"

#include "platform/Errors.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tavrel::test {

QByteArray TestEnv::openFile(const std::map<int, NARecord>& records, int lastRecNo)
{
    program->naFile.close();
    writeNAFile(naPath(), records, lastRecNo);
    open();
    return fileBytes(naPath());
}

NARecord makeRecord(int id, const QString& name, const QString& key1, const QString& key2)
{
    NARecord r = NARecord::blank();
    r.RecStatus = kActive;
    r.RecId = qint16(id);
    r.Name = name;
    r.SortKey1 = key1;
    r.SortKey2 = key2;
    return r;
}

std::map<int, NARecord> people(int first, int last, const QString& pattern)
{
    std::map<int, NARecord> out;
    for (int id = first; id <= last; ++id)
        out[id] = makeRecord(id, pattern.arg(id));
    return out;
}

NARecord deletedRecord(int id, const QString& name, const QString& key1)
{
    NARecord r = makeRecord(id, name, key1);
    r.RecStatus = kDeleted;
    r.RecId = 0;
    return r;
}

void writeNAFile(const QString& path, const std::map<int, NARecord>& records, int lastRecNo,
                 QChar welcomeOff)
{
    int highest = 0;
    for (const auto& [id, rec] : records)
        highest = std::max(highest, id);
    if (lastRecNo < 0)
        lastRecNo = highest + 1;
    QByteArray data = makeHeader(lastRecNo, welcomeOff).toBytes();
    data.resize(qsizetype(highest + 1) * NARecord::Size, '\0');
    for (const auto& [id, rec] : records) {
        const QByteArray b = rec.toBytes();
        std::copy(b.begin(), b.end(), data.begin() + qsizetype(id) * NARecord::Size);
    }
    writeBytes(path, data);
}

void writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

int errorOf(const std::function<void()>& op)
{
    try {
        op();
    } catch (const PlatformError& e) {
        return e.number();
    }
    return 0;
}

QByteArray listBytes(const QString& title, const std::set<int>& members, char flag)
{
    QByteArray flags(1700, flag);
    for (int id : members)
        flags[id - 1] = '1';
    return title.toLatin1().leftJustified(40, ' ', true) + QByteArray(6, ' ') + flags + "\r\n";
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray recordBytes(const QString& path, int recNo)
{
    return fileBytes(path).mid(qsizetype(recNo - 1) * NARecord::Size, NARecord::Size);
}

NARecord readRecord(const QString& path, int recNo)
{
    return NARecord::fromBytes(recordBytes(path, recNo));
}

} // namespace tavrel::test
