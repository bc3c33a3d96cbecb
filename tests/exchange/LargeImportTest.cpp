// Large imports: the memory an import takes stays a small multiple of the
// file, however many cards it holds, and the import log is never read whole.
#include "ExchangeFixture.h"
#include "exchange/VCard.h"

#include <QFile>
#include <QStringEncoder>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavrel::test {
namespace {

// Under the address sanitizer every allocation carries its own padding and
// the shadow memory counts too, so there the import runs without the bound.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasured = false;
#else
constexpr bool kMeasured = true;
#endif

constexpr qint64 kMB = 1024 * 1024;

// A figure of /proc/self/status ("VmRSS", "VmHWM", "VmSize") in bytes.
qint64 statusBytes(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

// Runs `work` in a child process and answers how far its peak resident memory
// rose above what it held before: -1 when the work threw or the child died.
// The child's address space is limited to `cap` bytes above what it has, so
// a run that would take gigabytes fails at once instead of taking them.
qint64 peakGrowth(const std::function<void()>& work, qint64 cap)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        // "5" sets the peak back to what is resident now.
        const int clear = ::open("/proc/self/clear_refs", O_WRONLY);
        const bool reset = clear >= 0 && ::write(clear, "5", 1) == 1;
        if (clear >= 0)
            ::close(clear);
        const qint64 before = statusBytes(reset ? "VmRSS" : "VmHWM");
        if (kMeasured) {
            const rlim_t limit = rlim_t(statusBytes("VmSize") + cap);
            const rlimit lim{limit, limit};
            ::setrlimit(RLIMIT_AS, &lim);
        }
        qint64 growth = -1;
        try {
            work();
            growth = statusBytes("VmHWM") - before;
        } catch (...) {
        }
        const bool sent = ::write(fds[1], &growth, sizeof growth) == sizeof growth;
        ::_exit(sent ? 0 : 3);
    }
    ::close(fds[1]);
    qint64 growth = -1;
    if (::read(fds[0], &growth, sizeof growth) != sizeof growth)
        growth = -1;
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? growth : -1;
}

class LargeImportTest : public ExchangeTest {
protected:
    // Reads, plans and imports the file at `path` as the import window does.
    void importFile(const QString& path)
    {
        const ImportSource source = readImportFile(p(), path);
        if (!source.error.isEmpty())
            throw std::runtime_error(source.error.toStdString());
        runImport(p(), planImport(p(), source, OverflowChoice::MoveToComments));
    }
    // The import of `path` in a child, within five times the file's size.
    void expectBoundedImport(const QString& path, const char* what)
    {
        const qint64 size = QFileInfo(path).size();
        const qint64 growth = peakGrowth([&] { importFile(path); }, 5 * size + 256 * kMB);
        ASSERT_GE(growth, 0) << what << ": the import failed or ran out of memory";
        if (kMeasured) {
            EXPECT_LT(growth, 5 * size) << what << ": peak grew by " << growth / kMB << " MB for "
                                        << size / kMB << " MB of file";
        }
    }
    // The records now in the N&A file, as the import left it.
    qint64 recordsOnDisk() const { return QFileInfo(env.naPath()).size() / NARecord::Size - 1; }
};

TEST_F(LargeImportTest, ManyCardsTakeMemoryInProportionToTheFile)
{
    env.openFile({});
    const QString path = env.dir() + "/many.vcf";
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    const QByteArray note = "NOTE:" + QByteArray(300, 'n') + "\r\n";
    QByteArray chunk;
    for (int i = 0; out.size() < 60 * kMB; ++i) {
        chunk += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Card " + QByteArray::number(i) +
                 "\r\nTEL;TYPE=home:555 " + QByteArray::number(i) + "\r\nEMAIL:card" +
                 QByteArray::number(i) + "@example.org\r\n" + note + "END:VCARD\r\n";
        if (chunk.size() > kMB) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.close();
    expectBoundedImport(path, "60 MB of cards");
    // The first 1700 cards filled the file; the log names the rest as left out.
    EXPECT_EQ(recordsOnDisk(), kMaxId);
    EXPECT_EQ(trimRight(stored(kMaxId).Name), "Card 1699");
    const QByteArray log = fileBytes(env.dir() + "/" + kImportLogName);
    EXPECT_LE(log.size(), kMaxImportLogBytes);
    EXPECT_TRUE(log.contains("The N&A File Is Full: It Holds 1700 Records."))
        << log.right(300).data();
}

TEST_F(LargeImportTest, AFileOfEmptyCards)
{
    env.openFile(people(1, 3));
    const QString path = env.dir() + "/empty.vcf";
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    QByteArray chunk;
    for (int i = 0; i < 1024 * 1024 / 24; ++i)
        chunk += "BEGIN:VCARD\r\nEND:VCARD\r\n";
    for (int i = 0; i < 24; ++i)
        out.write(chunk);
    out.close();
    expectBoundedImport(path, "24 MB of empty cards");
    EXPECT_EQ(recordsOnDisk(), kMaxId);
    EXPECT_EQ(trimRight(stored(1).Name), trimRight(people(1, 3).at(1).Name));
    EXPECT_EQ(trimRight(stored(4).Name), "");
}

TEST_F(LargeImportTest, ACsvFileOfManyRows)
{
    env.openFile({});
    const QString path = env.dir() + "/many.csv";
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("Name,Address 1,Phone 1 Type,Phone 1,E-mail,Comments\r\n");
    const QByteArray comment = QByteArray(200, 'c');
    QByteArray chunk;
    for (int i = 0; out.size() < 60 * kMB; ++i) {
        chunk += "Row " + QByteArray::number(i) + ",1 Main Street,Home,555 " +
                 QByteArray::number(i) + ",row" + QByteArray::number(i) + "@example.org,\"" +
                 comment + "\"\r\n";
        if (chunk.size() > kMB) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.close();
    expectBoundedImport(path, "60 MB of CSV");
    EXPECT_EQ(recordsOnDisk(), kMaxId);
    EXPECT_EQ(trimRight(stored(kMaxId).Name), "Row 1699");
}

TEST_F(LargeImportTest, AHugeLogIsTrimmedFromItsTail)
{
    env.openFile({});
    const QString logPath = env.dir() + "/" + kImportLogName;
    // Three gigabytes of which the disk holds only the last section.
    const QByteArray last = "\nImport of last.vcf (vCard)\nID 7: Last One\n";
    {
        QFile log(logPath);
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        ASSERT_TRUE(log.resize(3 * 1024 * kMB));
        ASSERT_TRUE(log.seek(log.size()));
        ASSERT_EQ(log.write(last), last.size());
    }
    QByteArray cards;
    for (int i = 1; i <= 5; ++i)
        cards += card({"FN:Five " + QString::number(i)});
    writeBytes(env.dir() + "/five.vcf", cards);
    const qint64 growth = peakGrowth([&] { importFile(env.dir() + "/five.vcf"); }, 256 * kMB);
    ASSERT_GE(growth, 0) << "the import failed or ran out of memory";
    if (kMeasured) {
        EXPECT_LT(growth, 16 * kMB) << "peak grew by " << growth / kMB << " MB";
    }
    EXPECT_EQ(recordsOnDisk(), 5);
    // What is kept is whole sections from the end, the new one last.
    const QByteArray log = fileBytes(logPath);
    EXPECT_LE(log.size(), kMaxImportLogBytes);
    EXPECT_TRUE(log.startsWith(last.mid(1) + "\nImport of five.vcf")) << log.left(200).data();
    EXPECT_TRUE(log.endsWith("5 Records Imported, 0 Not Imported.\n"));
}

// The reader takes a file a chunk at a time: a card reads the same wherever
// the chunks cut its line ends, folds and soft breaks.
TEST(LargeImport, ACardReadsTheSameWhereverTheChunksCutIt)
{
    const QByteArray tricky = "BEGIN:VCARD\r\r\nVERSION:3.0\rFN:Ann\r\n  Lee\r\n"
                              "NOTE;ENCODING=QUOTED-PRINTABLE:caf=\r\n=C3=A9 au =\r\nlait\n"
                              "TEL;TYPE=home:555\r\r\nEMAIL:ann@example.org\rX-ODD:1\r\n"
                              "END:VCARD\r";
    const auto shown = [](const Entry& e) {
        QStringList phones;
        for (const ExchangePhone& ph : e.phones)
            phones << ph.label + '=' + ph.number;
        return QStringList{e.name, e.comments, phones.join(','), e.emails.join(','),
                           e.notes.join('|')}
            .join('\n')
            .toStdString();
    };
    const VCardRead alone = readVCards(tricky);
    ASSERT_EQ(alone.entries.size(), 1);
    ASSERT_EQ(alone.entries.at(0).name, "Ann Lee");
    ASSERT_EQ(alone.entries.at(0).comments, QString::fromUtf8("café au lait"));
    for (qsizetype cut = 0; cut <= tricky.size(); ++cut) {
        // A first card long enough that the chunk boundary falls `cut` bytes into the second.
        const QByteArray head = "BEGIN:VCARD\r\nFN:Pad\r\nNOTE:";
        const QByteArray tail = "\r\nEND:VCARD\r\n";
        const qsizetype fill = 64 * 1024 - cut - head.size() - tail.size();
        const VCardRead read = readVCards(head + QByteArray(fill, 'p') + tail + tricky);
        ASSERT_EQ(read.entries.size(), 2) << "cut " << cut;
        EXPECT_EQ(shown(read.entries.at(1)), shown(alone.entries.at(0))) << "cut " << cut;
        EXPECT_EQ(read.problems, alone.problems) << "cut " << cut;
    }
    // UTF-16 with a character of two code units at the boundary.
    QString text = "BEGIN:VCARD\r\nFN:Pad\r\nNOTE:" + QString(32 * 1024 - 35, 'p') + "\r\n";
    text += QString::fromUtf8("FN:Zo\xF0\x9F\x98\x80\r\nEND:VCARD\r\n");
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const VCardRead wide = readVCards(utf16.encode(text));
    ASSERT_EQ(wide.entries.size(), 1);
    EXPECT_EQ(wide.entries.at(0).name, QString::fromUtf8("Zo\xF0\x9F\x98\x80"));
}

} // namespace
} // namespace tavrel::test
