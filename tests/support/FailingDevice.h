#pragma once

#include <QIODevice>

namespace tavrel::test {

// An in-memory random-access device that goes wrong the way a disk does: a
// bad spot from which on nothing can be read. It counts the calls, so a test
// can tell whether anything was read or written at all.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray contents, qint64 unreadableFrom = -1)
        : data(std::move(contents)), badFrom(unreadableFrom)
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

    qint64 size() const override { return data.size(); }

    QByteArray data;
    qint64 badFrom; // first byte offset that cannot be read; -1: none
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
        if (pos() + len > data.size())
            data.resize(pos() + len, '\0');
        std::copy_n(in, len, data.data() + pos());
        return len;
    }
};

} // namespace tavrel::test
