// Files the person names for output (PDF printouts, exports): whole or not
// written, an older file kept when writing fails, devices and pipes written
// where they are, private like the data, and nothing of a killed run left for long.
#include "FileStates.h"
#include "exchange/Export.h"
#include "platform/OutputFile.h"
#include "platform/Unattended.h"
#include "platform/gui/QtPrinter.h"
#include "reports/PrintCommandLine.h"
#include "store/UnattendedRun.h"
#include "support/FileFaults.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace tavrel::test {
namespace {

const QByteArray kOldBytes = "an older printout that must survive\n";

// Three pages of text, so the PDF is written in many pieces.
void drawPages(Printer& printer)
{
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(12);
    for (int page = 0; page < 3; ++page) {
        if (page > 0)
            printer.newPage();
        for (int line = 0; line < 40; ++line)
            printer.printLine(
                QStringLiteral("Page %1 line %2 of the printout").arg(page).arg(line));
    }
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool completePdf(const QByteArray& bytes)
{
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

// Prints three pages into `file`; the reason it was not saved, or empty.
QString printInto(const QString& file)
{
    QtPrinter printer(QFileInfo(file).absolutePath());
    printer.setPdfFileName(file);
    try {
        drawPages(printer);
        printer.endDoc();
    } catch (const DocumentNotSent& e) {
        return e.reason();
    }
    EXPECT_EQ(printer.lastOutputFile(), file);
    return QString();
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

QStringList entriesOf(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

// A process number nobody has any more.
pid_t deadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    reap(child);
    return child;
}

// Reads a pipe from the other end until its writer is done or ten seconds pass.
class PipeReader {
public:
    explicit PipeReader(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)),
          thread_([this] { read(); })
    {
    }
    ~PipeReader()
    {
        if (thread_.joinable())
            thread_.join();
        ::close(fd_);
    }
    QByteArray bytes()
    {
        thread_.join();
        return got_;
    }

private:
    void read()
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        char buffer[65536];
        while (fd_ >= 0 && std::chrono::steady_clock::now() < end) {
            pollfd p{fd_, POLLIN, 0};
            ::poll(&p, 1, 50);
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n > 0)
                got_.append(buffer, n);
            else if (n == 0 && (p.revents & POLLHUP) && !got_.isEmpty())
                return; // the writer has closed its end
        }
    }
    int fd_;
    QByteArray got_;
    std::thread thread_;
};

} // namespace

// Every file operation of a PDF's writing fails in turn, with a full disk and
// with an I/O error, and the disk fills up at several sizes: the printout is
// either complete or reported not saved, with the older file as it was and no
// temporary left. The PDF is made durable before it is renamed into place.
TEST(OutputFaults, APdfIsSavedWholeOrTheOlderOneStays)
{
    QTemporaryDir tmp;
    const QString file = tmp.path() + QStringLiteral("/out.pdf");
    writeBytes(file, kOldBytes);

    qint64 wholeSize = 0;
    int operations = 0;
    {
        FileFaults disk(tmp.path());
        ASSERT_EQ(printInto(file), QString());
        operations = disk.operations();
        const QStringList log = disk.log();
        const qsizetype flushed = log.indexOf(QRegularExpression(QStringLiteral("^flush .*part")));
        const qsizetype renamed =
            log.indexOf(QRegularExpression(QStringLiteral("^rename .*part -> out.pdf$")));
        EXPECT_GE(flushed, 0) << log.join('\n').toStdString();
        EXPECT_GT(renamed, flushed) << log.join('\n').toStdString();
    }
    const QByteArray whole = readBytes(file);
    ASSERT_TRUE(completePdf(whole));
    wholeSize = whole.size();
    writeBytes(file, kOldBytes);

    const auto expectOldOrWhole = [&](const QString& reason, const QString& words) {
        if (reason.isEmpty()) {
            const QByteArray now = readBytes(file);
            EXPECT_TRUE(completePdf(now) && now.size() == wholeSize) << "a damaged PDF was saved";
        } else {
            EXPECT_TRUE(reason.contains(words)) << reason.toStdString();
            EXPECT_TRUE(reason.contains(QStringLiteral("Not Saved"))) << reason.toStdString();
            EXPECT_EQ(readBytes(file), kOldBytes);
        }
        EXPECT_EQ(entriesOf(tmp.path()), QStringList{QStringLiteral("out.pdf")});
        writeBytes(file, kOldBytes);
    };
    // Prints on the disk as `fault` sets it up; why the PDF was not saved, or empty.
    const auto printOn = [&](const std::function<void(FileFaults&)>& fault) {
        FileFaults disk(tmp.path());
        fault(disk);
        return printInto(file);
    };
    int refused = 0;
    for (int n = 1; n <= operations; ++n) {
        for (const int err : {ENOSPC, EIO}) {
            SCOPED_TRACE(testing::Message()
                         << "operation " << n << " fails with " << errnoName(err));
            const QString reason = printOn([&](FileFaults& disk) { disk.failAt(n, err); });
            refused += !reason.isEmpty();
            expectOldOrWhole(reason, err == ENOSPC ? QStringLiteral("The Disk Is Full.")
                                                   : QStringLiteral("Read Or Write Error"));
        }
    }
    EXPECT_GT(refused, operations); // every write, the flush and the rename at least

    for (const qint64 room : {qint64(0), wholeSize / 2, wholeSize - 1, wholeSize + 8192}) {
        SCOPED_TRACE(testing::Message() << "room for " << room << " bytes");
        const QString reason = printOn([&](FileFaults& disk) { disk.setFreeSpace(room); });
        EXPECT_EQ(reason.isEmpty(), room > wholeSize);
        expectOldOrWhole(reason, QStringLiteral("The Disk Is Full."));
    }
}

// The command line says so and ends with status 1, and "Saved as" never follows.
TEST(OutputFaults, ThePrintCommandLineReportsAPdfThatWasNotSaved)
{
    TestEnv env;
    env.openFile(people(1, 40));
    QTemporaryDir outDir;
    const QString file = outDir.path() + QStringLiteral("/book.pdf");
    writeBytes(file, kOldBytes);

    const ParsedPrintCommand parsed = parsePrintCommand(
        {QStringLiteral("--print"), QStringLiteral("phone"), QStringLiteral("--output"), file});
    ASSERT_TRUE(parsed.command);
    for (const qint64 room : {qint64(0), qint64(3000)}) {
        SCOPED_TRACE(room);
        QtPrinter pdf(outDir.path());
        pdf.setPdfFileName(file);
        UnattendedUi ui;
        Program p(Services{ui, pdf, env.clipboard, env.help, env.clock, *env.files});
        QString said;
        QTextStream out(&said);
        int status = 0;
        {
            FileFaults disk(outDir.path());
            disk.setFreeSpace(room);
            status = runOverNAFile(p, out, QStringLiteral("nothing was printed."),
                                   [&] { return runPrintCommand(p, *parsed.command, out); });
        }
        out.flush();
        EXPECT_EQ(status, 1);
        EXPECT_TRUE(said.contains(QStringLiteral("The PDF File Was Not Saved: The Disk Is Full.")))
            << said.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("Nothing was printed."))) << said.toStdString();
        EXPECT_EQ(readBytes(file), kOldBytes);
        EXPECT_EQ(entriesOf(outDir.path()), QStringList{QStringLiteral("book.pdf")});
    }
}

// A pipe is written through, never replaced; a folder is refused with words
// that say so and is left as it was.
TEST(OutputFiles, PipesAreWrittenInPlaceAndFoldersRefused)
{
    QTemporaryDir tmp;
    const QString pipe = tmp.path() + QStringLiteral("/pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEND:VCARD\r\n";
    {
        PipeReader reader(pipe);
        EXPECT_NO_THROW(writeExportFile(pipe, card));
        EXPECT_EQ(reader.bytes(), card);
    }
    EXPECT_TRUE(S_ISFIFO(modeOf(pipe)));
    {
        PipeReader reader(pipe);
        EXPECT_EQ(printInto(pipe), QString());
        EXPECT_TRUE(completePdf(reader.bytes()));
    }
    EXPECT_TRUE(S_ISFIFO(modeOf(pipe)));

    const QString folder = tmp.path() + QStringLiteral("/folder");
    ASSERT_TRUE(QDir().mkdir(folder));
    try {
        writeExportFile(folder, card);
        ADD_FAILURE() << "a folder was written";
    } catch (const PlatformError& e) {
        EXPECT_EQ(outputFailureText(e), QStringLiteral("It Is A Folder, Not A File."));
    }
    EXPECT_EQ(printInto(folder), QStringLiteral("The PDF File Was Not Saved: It Is A Folder, Not "
                                                "A File.\n") +
                                     folder);
    EXPECT_TRUE(S_ISDIR(modeOf(folder)));
    EXPECT_EQ(entriesOf(folder), QStringList());
    EXPECT_EQ(entriesOf(tmp.path()),
              (QStringList{QStringLiteral("folder"), QStringLiteral("pipe")}));
}

// A character device (made here as /dev/null is, 1,3) stays a device: the
// export and the PDF go into it and nothing is renamed over it.
TEST(OutputFiles, ACharacterDeviceStaysADevice)
{
    QTemporaryDir tmp;
    const QString device = tmp.path() + QStringLiteral("/null");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here (needs root): " << std::strerror(errno);
    EXPECT_NO_THROW(writeExportFile(device, "BEGIN:VCARD\r\nEND:VCARD\r\n"));
    EXPECT_EQ(printInto(device), QString());
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(device).constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(st.st_rdev, makedev(1, 3));
    EXPECT_EQ(entriesOf(tmp.path()), QStringList{QStringLiteral("null")});
}

// Exports, PDFs and the printouts folder are private like the data whatever
// the umask; a file replaced keeps its permissions. A link planted at a
// temporary name is never followed, and a link to nowhere at the output's name
// is replaced, never followed either.
TEST(OutputFiles, ArePrivateAndNoLinkIsFollowed)
{
    QTemporaryDir tmp;
    const mode_t saved = ::umask(022);
    const QString printouts = tmp.path() + QStringLiteral("/printouts");
    {
        QtPrinter printer(printouts);
        drawPages(printer);
        printer.endDoc();
        EXPECT_EQ(modeOf(printouts) & 07777, 0700u);
        EXPECT_EQ(modeOf(printer.lastPdfFile()) & 07777, 0600u);
    }
    const QString exported = tmp.path() + QStringLiteral("/all.vcf");
    writeExportFile(exported, "BEGIN:VCARD\r\nEND:VCARD\r\n");
    EXPECT_EQ(modeOf(exported) & 07777, 0600u);
    ::chmod(QFile::encodeName(exported).constData(), 0644);
    writeExportFile(exported, "BEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n");
    EXPECT_EQ(modeOf(exported) & 07777, 0644u);
    ::umask(saved);

    const QString outside = tmp.path() + QStringLiteral("/outside");
    ASSERT_TRUE(QDir().mkdir(outside));
    const QString victim = outside + QStringLiteral("/victim.pdf");
    const QString file = tmp.path() + QStringLiteral("/out.pdf");
    const QStringList planted = {file + QStringLiteral(".part"),
                                 tmp.path() +
                                     QStringLiteral("/.out.pdf.tavrel-%1-1.part").arg(::getpid())};
    for (const QString& link : planted)
        ASSERT_TRUE(QFile::link(victim, link));
    EXPECT_EQ(printInto(file), QString());
    EXPECT_FALSE(QFileInfo::exists(victim));
    EXPECT_TRUE(completePdf(readBytes(file)));
    for (const QString& link : planted)
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), victim);

    const QString dangling = tmp.path() + QStringLiteral("/dangling.vcf");
    ASSERT_TRUE(QFile::link(victim, dangling));
    writeExportFile(dangling, "BEGIN:VCARD\r\nEND:VCARD\r\n");
    EXPECT_TRUE(S_ISREG(modeOf(dangling)));
    EXPECT_FALSE(QFileInfo::exists(victim));
}

// What a killed print left beside its output goes at the next print there:
// only the temporaries this program names, only those no running writer holds.
TEST(OutputFiles, TheNextPrintSweepsWhatAKilledOneLeft)
{
    QTemporaryDir tmp;
    const QString dir = tmp.path() + QLatin1Char('/');
    const pid_t gone = deadPid();
    const auto ours = [&](const QString& name, pid_t pid, int n) {
        return dir + QStringLiteral(".%1.tavrel-%2-%3.part").arg(name).arg(pid).arg(n);
    };
    const QString left = ours(QStringLiteral("out.pdf"), gone, 1);
    const QString leftToo = ours(QStringLiteral("other.pdf"), gone, 4);
    const QString held = ours(QStringLiteral("held.pdf"), gone, 2);
    const QString alive = ours(QStringLiteral("alive.pdf"), 1, 1);
    const QString link = ours(QStringLiteral("link.pdf"), gone, 3);
    const QString foreign = dir + QStringLiteral("download.part");
    for (const QString& f : {left, leftToo, held, alive, foreign})
        writeBytes(f, "%PDF-1.4 cut short");
    ASSERT_TRUE(QFile::link(foreign, link));
    const int holder = ::open(QFile::encodeName(held).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    EXPECT_EQ(printInto(dir + QStringLiteral("out.pdf")), QString());
    ::close(holder);
    EXPECT_FALSE(QFileInfo::exists(left));
    EXPECT_FALSE(QFileInfo::exists(leftToo));
    for (const QString& stays : {held, alive, foreign})
        EXPECT_TRUE(QFileInfo::exists(stays)) << stays.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(foreign), "%PDF-1.4 cut short");
}

// Every command-line run that opens the data first removes what a killed run
// left under the program's own temporary names, as the windows' start does.
TEST(OutputFiles, CommandLineRunsSweepTheProgramsTemporaries)
{
    TestEnv env;
    env.openFile(people(1, 3));
    const QStringList left = {kMailListTempName, kCompactTempName, kImportLogTempName,
                              kRestoreTempPrefix + QStringLiteral("n&a.mrk"),
                              kSaveTempPrefix + QStringLiteral("tavrel.cfg")};
    for (const QString& name : left)
        writeBytes(env.files->path(name), "left by a killed run");
    const QString keep = env.files->path(QStringLiteral("Q$Q$Q$Q$.TXT"));
    writeBytes(keep, "not ours");
    QString said;
    QTextStream out(&said);
    EXPECT_EQ(runOverNAFile(env.p(), out, QStringLiteral("nothing was done."), [] { return 0; }),
              0);
    for (const QString& name : left)
        EXPECT_FALSE(env.files->exists(name)) << name.toStdString();
    EXPECT_TRUE(QFileInfo::exists(keep));
}

} // namespace tavrel::test
