#pragma once

// A real CUPS scheduler of the test's own: queues whose device is a file and
// whose single filter keeps every job as the PDF that reached the queue.

#include "platform/gui/QtPrinter.h"
#include "reports/ReportFixture.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel::test {

inline const char kCupsd[] = "/usr/sbin/cupsd";

// The opening of a driver description: its model, and the one filter every job goes through.
inline QString ppdHead(const QString& model, const QString& filter)
{
    return QStringLiteral(
               "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
               "*ModelName: \"%1\"\n*NickName: \"%1\"\n*LandscapeOrientation: Plus90\n"
               "*cupsFilter2: \"application/pdf application/vnd.cups-pdf 0 %2\"\n"
               "*OpenUI *PageSize/Media Size: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n")
        .arg(model, filter);
}

// A driver description for a printer that takes PDF as it comes: every job
// goes through one filter that keeps a copy and its options. Letter has the
// usual quarter-inch margins; other sizes are custom, and like a fan-fold
// printer's they may reach the paper's top and bottom edges.
inline QString ppdText(const QString& filter)
{
    return ppdHead(QStringLiteral("PDF File"), filter) +
           QStringLiteral(
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
               "*ParamCustomPageSize Orientation: 5 int 0 3\n");
}

// A driver description for an A4 printer whose margins are not the usual
// quarter inch: 12 points at the left and right, 14 at the top and 20 at the
// bottom of A4 (letter keeps a quarter inch).
inline QString a4PpdText(const QString& filter)
{
    return ppdHead(QStringLiteral("A4 File"), filter) +
           QStringLiteral("*DefaultPageSize: A4\n"
                          "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
                          "*PageSize Letter/US Letter: \"<</PageSize[612 792]>>setpagedevice\"\n"
                          "*CloseUI: *PageSize\n*DefaultImageableArea: A4\n"
                          "*ImageableArea A4/A4: \"12 20 583 828\"\n"
                          "*ImageableArea Letter/US Letter: \"18 18 594 774\"\n"
                          "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n"
                          "*PaperDimension Letter/US Letter: \"612 792\"\n");
}

// Runs `program` with the words of `args`; its output, trimmed.
inline QString run(const QString& program, const QString& args, int* status = nullptr)
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

        if (const QString failed = addQueue(QStringLiteral("q"), ppdText(filter));
            !failed.isEmpty())
            return failed;
        int status = 0;
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

    // Adds the queue `name` with a driver of its own (see a4PpdText); empty
    // once it takes jobs, otherwise what went wrong.
    QString addQueue(const QString& name, const QString& ppd)
    {
        const QString file = root_ + QLatin1Char('/') + name + QStringLiteral(".ppd");
        writeBytes(file, ppd.toUtf8());
        int status = 0;
        const QString said = run(QStringLiteral("lpadmin"),
                                 QStringLiteral("-h %1 -p %2 -E -v file://%3/device.out -P %4")
                                     .arg(address(), name, root_, file),
                                 &status);
        return status == 0 ? QString()
                           : QStringLiteral("lpadmin could not add ") + name + ": " + said;
    }
    bool removeQueue(const QString& name)
    {
        int status = 0;
        run(QStringLiteral("lpadmin"), QStringLiteral("-h %1 -x %2").arg(address(), name), &status);
        return status == 0;
    }
    QString filter() const { return root_ + QStringLiteral("/keep-pdf"); }
    // Every job the scheduler was given, done or not, as lpstat lists them.
    QString allJobs() const
    {
        return run(QStringLiteral("lpstat"), QStringLiteral("-h %1 -W all -o").arg(address()));
    }

    // A socket of its own, so nothing else on the machine can take its place.
    QString address() const { return root_ + QStringLiteral("/cups.sock"); }
    QString jobs() const { return root_ + QStringLiteral("/jobs"); }

    // The kept file of the job after the last one asked for, once the
    // scheduler finished it; empty after 60 s without it.
    QString nextJob() { return nextJob(++lastJob_); }
    // The number of the job nextJob gave last.
    int lastJob() const { return lastJob_; }
    // Skips the jobs kept so far, such as one a failed test left behind.
    void skipKeptJobs()
    {
        while (QFile::exists(jobs() + QStringLiteral("/job-%1.pdf").arg(lastJob_ + 1)))
            ++lastJob_;
    }
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

public:
    // Until `done` says so (true) or `ms` have passed (false).
    static bool waitFor(int ms, const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms)
            QThread::msleep(50);
        return done();
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;
    int lastJob_ = 0;
    QProcess cupsd_;
};

// The one scheduler of a test program, started by the first test that asks
// for it: the print system's library reads CUPS_SERVER once in a process, so
// every test talks to the same scheduler (its jobs are numbered on from test
// to test). The test framework ends it before the program ends.
class SharedPrintServer : public ::testing::Environment {
public:
    // Empty once the scheduler runs, otherwise why it cannot.
    QString start()
    {
        if (!started_) {
            started_ = true;
            failure_ = server_->start();
            // Set before the program asks the print system anything, as a
            // user's environment would be.
            if (failure_.isEmpty())
                qputenv("CUPS_SERVER", server_->address().toLocal8Bit());
        }
        return failure_;
    }
    PrintServer& server() { return *server_; }
    void TearDown() override { server_.reset(); }

private:
    std::unique_ptr<PrintServer> server_ = std::make_unique<PrintServer>();
    bool started_ = false;
    QString failure_;
};

inline SharedPrintServer& sharedPrintServer()
{
    static auto* shared =
        static_cast<SharedPrintServer*>(::testing::AddGlobalTestEnvironment(new SharedPrintServer));
    return *shared;
}

// The shared scheduler as `server` in a test: one that cannot start fails the
// test under CI and skips it elsewhere, saying why in one line.
#define TAVREL_START_PRINT_SERVER(server)                                                          \
    PrintServer& server = sharedPrintServer().server();                                            \
    do {                                                                                           \
        const std::string failure = sharedPrintServer().start().toStdString();                     \
        if (!failure.empty() && qEnvironmentVariableIsSet("CI"))                                   \
            FAIL() << "No private print server: " << failure;                                      \
        if (!failure.empty())                                                                      \
            GTEST_SKIP() << "No private print server: " << failure;                                \
        server.skipKeptJobs();                                                                     \
    } while (false)

// The program over `people` entries of the report tests, printing on the
// system's default printer (the queue "q") as it does when started.
class QueueTest : public ReportTest {
protected:
    // The windows go before the program they show.
    ~QueueTest() override { closeAllWindows(); }

    void startProgram(int people)
    {
        openPeople(people);
        systemPrinter = makeSystemPrinter(env.dir(), &env.ui);
        env.program->naFile.close();
        onQueue = std::make_unique<Program>(env.services(*systemPrinter));
        openNAFile(*onQueue);
        env.ui.setAutoOk(true);
    }

    std::unique_ptr<Printer> systemPrinter;
    std::unique_ptr<Program> onQueue;
};

} // namespace tavrel::test
