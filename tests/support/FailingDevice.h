#pragma once

#include <QIODevice>

namespace tavrel::test {

// An in-memory random-access device that goes wrong the way a disk does: a
// bad spot from which on nothing can be read, and writes that fail once a
// given number of bytes has been written. It counts the calls, so a test can
// tell whether anything was read or written at all.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray contents, qint64 unreadableFrom = -1,
                           qint64 failWritesAfter = -1)
        : data(std::move(contents)), badFrom(unreadableFrom), writeLimit(failWritesAfter)
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return false; }
    qint64 size() const override { return data.size(); }

    QByteArray data;
    qint64 badFrom;    // first byte offset that cannot be read; -1: none
    qint64 writeLimit; // -1: never fails
    qint64 bytesWritten = 0;
    int readCalls = 0;
    int writeCalls = 0;

protected:
    qint64 readData(char* out, qint64 max) override
    {
        ++readCalls;
        qint64 n = qMin(max, data.size() - pos());
        if (badFrom >= 0)
            n = qMin(n, badFrom - pos());
        if (n <= 0)
            return -1;
        std::copy_n(data.constData() + pos(), n, out);
        return n;
    }
    qint64 writeData(const char* in, qint64 len) override
    {
        ++writeCalls;
        qint64 n = len;
        if (writeLimit >= 0)
            n = qMin(n, writeLimit - bytesWritten);
        if (n <= 0)
            return -1;
        if (pos() + n > data.size())
            data.resize(pos() + n, '\0');
        std::copy_n(in, n, data.data() + pos());
        bytesWritten += n;
        return n;
    }
};

} // namespace tavrel::test
