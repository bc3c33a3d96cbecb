// Printing through a real CUPS scheduler of the test's own: labels, continuous
// forms and an envelope go through `lp` to a queue whose device is a file, and
// the job files are read back.

#include "envelopes/EnvelopeFixture.h"
#include "platform/gui/QtPrinter.h"
#include "reports/ReportFixture.h"
#include "store/RecordAccess.h"
#include "support/PdfPages.h"
#include "support/ScopedEnv.h"
#include "support/SilentWindows.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel::test {

namespace {

const char kCupsd[] = "/usr/sbin/cupsd";

// A driver description for a printer that takes PDF as it comes: every job
// goes through one filter that keeps a copy and its options. Letter has the
// usual quarter-inch margins; other sizes are custom, and like a fan-fold
// printer's they may reach the paper's top and bottom edges.
QString ppdText(const QString& filter)
{
    return QStringLiteral(
               "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
               "*ModelName: \"PDF File\"\n*NickName: \"PDF File\"\n*LandscapeOrientation: Plus90\n"
               "*cupsFilter2: \"application/pdf application/vnd.cups-pdf 0 %1\"\n"
               "*OpenUI *PageSize/Media Size: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n"
               "*DefaultPageSize: Letter\n"
               "*PageSize Letter/US Letter: \"<</PageSize[612 792]>>setpagedevice\"\n"
               "*CloseUI: *PageSize\n*DefaultImageableArea: Letter\n"
               "*ImageableArea Letter/US Letter: \"18 18 594 774\"\n"
               "*DefaultPaperDimension: Letter\n*PaperDimension Letter/US Letter: \"612 792\"\n"
               "*VariablePaperSize: True\n*MaxMediaWidth: \"1000\"\n*MaxMediaHeight: \"1400\"\n"
               "*HWMargins: 18 0 18 0\n"
               "*CustomPageSize True: \"pop pop pop <</PageSize[5 -2 roll]/ImagingBBox "
               "null>>setpagedevice\"\n"
               "*ParamCustomPageSize Width: 1 points 36 1000\n"
               "*ParamCustomPageSize Height: 2 points 36 1400\n"
               "*ParamCustomPageSize WidthOffset: 3 points 0 0\n"
               "*ParamCustomPageSize HeightOffset: 4 points 0 0\n"
               "*ParamCustomPageSize Orientation: 5 int 0 3\n")
        .arg(filter);
}

// Runs `program` with the words of `args`; its output, trimmed.
QString run(const QString& program, const QString& args, int* status = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args.split(u' ', Qt::SkipEmptyParts));
    p.waitForFinished(30000);
    if (status)
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll()).trimmed();
}

// A private scheduler on a socket of its own with one queue "q", the
// default, whose jobs are kept as job-N.pdf (and their options as
// job-N.options) in jobs().
class PrintServer {
public:
    // Empty once it runs, otherwise the reason the scheduler cannot run here.
    QString start()
    {
        if (!QFile::exists(QLatin1String(kCupsd)))
            return QStringLiteral("cupsd is not installed (Debian package cups-daemon)");
        // Running as root the scheduler refuses filters below a folder others
        // may write to (such as /tmp), so the server lives in the build tree,
        // or where root alone writes.
        for (const QString& place :
             {QCoreApplication::applicationDirPath(), QStringLiteral("/run"), QDir::homePath()}) {
            if (!safeForFilters(place))
                continue;
            dir_ = std::make_unique<QTemporaryDir>(place + QStringLiteral("/printserver-XXXXXX"));
            if (dir_->isValid())
                break;
            dir_.reset();
        }
        if (!dir_)
            return QStringLiteral("no folder that only its owner may write to for the scheduler's "
                                  "filter");
        root_ = dir_->path();
        for (const char* sub : {"serverroot", "spool/tmp", "cache", "state", "jobs"})
            QDir().mkpath(root_ + QLatin1Char('/') + QLatin1String(sub));
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(root_, open);
        // The filter runs as the scheduler's user (not root): it writes the copies.
        QFile::setPermissions(jobs(), open | QFile::WriteGroup | QFile::WriteOther);

        const QString filter = root_ + QStringLiteral("/keep-pdf");
        writeBytes(filter, QStringLiteral(
                               "#!/bin/sh\n# job-id user title copies options [file]\n"
                               "out=%1/job-$1\nprintf '%s\\n' \"$5\" > \"$out.options\"\n"
                               "cat \"${6:-/dev/stdin}\" | tee \"$out.part\" && mv \"$out.part\" "
                               "\"$out.pdf\"\n")
                               .arg(jobs())
                               .toUtf8());
        QFile::setPermissions(filter, open);
        writeBytes(root_ + QStringLiteral("/q.ppd"), ppdText(filter).toUtf8());

        writeConfiguration();
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(
            QLatin1String(kCupsd),
            QStringLiteral("-f -c %1/cupsd.conf -s %1/cups-files.conf").arg(root_).split(u' '));
        const QString args = QStringLiteral("-h %1 -r").arg(address());
        const auto up = [&] {
            return run(QStringLiteral("lpstat"), args) == QLatin1String("scheduler is running");
        };
        if (!cupsd_.waitForStarted(10000) ||
            !waitFor(20000, [&] { return cupsd_.state() != QProcess::Running || up(); }) || !up()) {
            // The scheduler's last complaint (its error log is its output), in one line.
            cupsd_.waitForReadyRead(1000);
            const QString said = QString::fromLocal8Bit(cupsd_.readAll()).trimmed();
            return QStringLiteral("cupsd did not come up: ") +
                   (said.isEmpty() ? QStringLiteral("no message") : said.section(u'\n', -1));
        }

        int status = 0;
        const QString said = run(QStringLiteral("lpadmin"),
                                 QStringLiteral("-h %1 -p q -E -v file://%2/device.out -P %2/q.ppd")
                                     .arg(address(), root_),
                                 &status);
        if (status != 0)
            return QStringLiteral("lpadmin could not add the queue: ") + said;
        run(QStringLiteral("lpadmin"), QStringLiteral("-h %1 -d q").arg(address()), &status);
        return status == 0 ? QString()
                           : QStringLiteral("lpadmin could not make the queue the default");
    }

    // Ended gently; should it hang, the process's destructor kills it.
    ~PrintServer()
    {
        cupsd_.terminate();
        cupsd_.waitForFinished(10000);
    }

    // A socket of its own, so nothing else on the machine can take its place.
    QString address() const { return root_ + QStringLiteral("/cups.sock"); }
    QString jobs() const { return root_ + QStringLiteral("/jobs"); }

    // The kept file of the next job, once the scheduler finished it; empty
    // after 60 s without it.
    QString nextJob(int jobId)
    {
        const QString pdf = jobs() + QStringLiteral("/job-%1.pdf").arg(jobId);
        return waitFor(60000, [&] { return QFile::exists(pdf); }) ? pdf : QString();
    }
    QString optionsOf(int jobId) const
    {
        return QString::fromUtf8(fileBytes(jobs() + QStringLiteral("/job-%1.options").arg(jobId)));
    }

private:
    // True when the folder and every folder above it are writable only by
    // their owner, root or us: the scheduler runs no filter from elsewhere.
    static bool safeForFilters(const QString& folder)
    {
        for (QString path = QDir(folder).absolutePath();; path = QFileInfo(path).path()) {
            struct stat st {};
            if (::lstat(QFile::encodeName(path).constData(), &st) != 0 ||
                (st.st_mode & (S_IWGRP | S_IWOTH)) || (st.st_uid != 0 && st.st_uid != ::geteuid()))
                return false;
            if (path == QLatin1String("/"))
                return true;
        }
    }

    void writeConfiguration()
    {
        // As root the scheduler runs its filters as an unprivileged user and
        // will not take root for it; otherwise it runs everything as us.
        const bool root = ::geteuid() == 0;
        const passwd* pw = root ? ::getpwnam("lp") : ::getpwuid(::geteuid());
        const struct group* gr = root ? ::getgrnam("lp") : ::getgrgid(::getegid());
        const QString user = pw ? QString::fromLocal8Bit(pw->pw_name) : QStringLiteral("nobody");
        const QString group = gr ? QString::fromLocal8Bit(gr->gr_name) : QStringLiteral("nogroup");
        const QString systemGroup = root ? QStringLiteral("root") : group;
        const QString files =
            QStringLiteral("FileDevice Yes\nServerRoot %1/serverroot\nRequestRoot %1/spool\n"
                           "CacheDir %1/cache\nStateDir %1/state\nTempDir %1/spool/tmp\n"
                           "ErrorLog stderr\nAccessLog %1/access_log\n"
                           "PageLog %1/page_log\nPrintcap %1/printcap\nUser %2\nGroup %3\n"
                           "SystemGroup %4\n")
                .arg(root_, user, group, systemGroup);
        const QString daemon =
            QStringLiteral(
                "Listen %1\nLogLevel warn\nBrowsing No\nBrowseLocalProtocols none\n"
                "DefaultAuthType None\nWebInterface No\n<Location />\n Order allow,deny\n"
                " Allow all\n</Location>\n<Location /admin>\n Order allow,deny\n Allow all\n"
                "</Location>\n<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n"
                "</Policy>\n")
                .arg(address());
        writeBytes(root_ + QStringLiteral("/cups-files.conf"), files.toUtf8());
        writeBytes(root_ + QStringLiteral("/cupsd.conf"), daemon.toUtf8());
    }

    // Until `done` says so (true) or `ms` have passed (false).
    static bool waitFor(int ms, const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms)
            QThread::msleep(50);
        return done();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;
    QProcess cupsd_;
};

} // namespace

// The envelope tests' job with typed addresses.
struct TypedEnvelope : EnvelopeTest {
    using EnvelopeTest::typedJob;
};

// Letter pages upright for labels; the envelope sideways on its own size.
using PrintServerRun = ReportTest;
TEST_F(PrintServerRun, LabelsContinuousFormsAndAnEnvelopeReachTheQueueAsLaidOut)
{
    PrintServer server;
    // CI must run this: there a scheduler that does not start is a failure.
    const std::string failure = server.start().toStdString();
    if (!failure.empty() && qEnvironmentVariableIsSet("CI"))
        FAIL() << "No private print server: " << failure;
    if (!failure.empty())
        GTEST_SKIP() << "No private print server: " << failure;
    // Set before the program asks the print system anything, as a user's
    // environment would be.
    const ScopedEnv cupsServer("CUPS_SERVER", server.address().toLocal8Bit());

    openPeople(31);
    auto printer = makeSystemPrinter(env.dir(), &env.ui);
    env.program->naFile.close();
    Program onQueue(env.services(*printer));
    openNAFile(onQueue);
    env.ui.setAutoOk(true);

    // Labels with no test page at the standard position (1-across on
    // continuous forms); the pages the run said it printed.
    const auto printLabels = [&](int stock) {
        if (stock == 0)
            env.ui.onModal([](QDialog& d) {
                click(control<QRadioButton>(&d, "StockOpt2_1"));
                click(control<QPushButton>(&d, "Command3D1"));
            });
        env.ui.answer(Ui::Answer::No);
        env.ui.onModal([](QDialog& d) { click(control<QPushButton>(&d, "VertCmd1")); });
        ReportOptions o = labels(stock);
        if (runReport(onQueue, o, windows) != RunEnd::Completed)
            return -1;
        return env.ui.last().text.section(u' ', -1).toInt();
    };
    const auto printEnvelope = [&] {
        env.ui.answer(Ui::Answer::No); // no test envelope
        SilentEnvelopeWindows silent;
        const EnvelopeRunEnd end = printEnvelopes(onQueue, TypedEnvelope::typedJob(), silent);
        return end == EnvelopeRunEnd::Completed ? 1 : -1;
    };
    const struct {
        const char* name;
        std::function<int()> print; // the pages printed, -1 when the run failed
        int pages;
        double width, height; // points
        std::vector<const char*> words;
        const char* media;
    } jobs[] = {
        // clang-format off
        {"3-across labels on letter sheets", [&] { return printLabels(2); }, 2, 612, 792,
         {"Person 1", "1 Main Street", "Person 2", "Person 3"}, "media=Letter"},
        {"1-across labels on continuous forms, twelve a form", [&] { return printLabels(0); },
         3, 612, 864, {"Person 1", "Person 12", "12 Main Street"}, "media=Custom.8.5x12in"},
        {"a #10 envelope fed sideways", printEnvelope, 1, 684, 297,
         {"Ann Sender", "Bob Receiver", "2 Far Lane"}, "media=Env10"},
        // clang-format on
    };
    int jobId = 0;
    for (const auto& job : jobs) {
        SCOPED_TRACE(job.name);
        ASSERT_EQ(job.print(), job.pages) << env.ui.last().text.toStdString();
        const QString kept = server.nextJob(++jobId);
        ASSERT_FALSE(kept.isEmpty()) << "the job never reached the queue";
        const auto pages = mediaBoxes(kept);
        ASSERT_EQ(int(pages.size()), job.pages);
        EXPECT_NEAR(pages[0].width(), job.width, 1);
        EXPECT_NEAR(pages[0].height(), job.height, 1);
        QString firstPage;
        for (const PdfWord& w : pdfWords(kept))
            firstPage += w.page == 1 ? w.text + u' ' : QString();
        for (const char* words : job.words)
            EXPECT_TRUE(firstPage.contains(QLatin1String(words))) << words;
        EXPECT_TRUE(server.optionsOf(jobId).contains(QLatin1String(job.media)))
            << server.optionsOf(jobId).toStdString();
    }
}

} // namespace tavrel::test
