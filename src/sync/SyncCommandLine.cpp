#include "sync/SyncCommandLine.h"

#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/InstanceLock.h"
#include "platform/RestoreJournal.h"
#include "platform/Text.h"
#include "platform/Unattended.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/UnattendedRun.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>

namespace tavrel {

namespace {

const char* const kUsage = QT_TRANSLATE_NOOP(
    "tavrel::SyncCommandLine",
    "Usage: tavrel --sync [--setup SERVER USER [BOOK]] [--confirm-deletions] [--allow-http]\n"
    "                     [--proxy URL] [--trust-certificate PIN]\n"
    "--setup: find the address books of USER on SERVER and keep BOOK (its name or\n"
    "            address; not needed when there is only one) in step from now on\n"
    "--confirm-deletions: a sync that would delete more than 20% of the records here\n"
    "            or of the cards on the server (and more than 5) deletes them; without\n"
    "            it such deletions are held back\n"
    "--allow-http: plain http to a server other than this machine\n"
    "--proxy URL: go through this proxy (http://[USER:PASSWORD@]HOST:PORT), kept with the\n"
    "            account; without it the proxy of the environment (http_proxy, https_proxy)\n"
    "--trust-certificate PIN: with --setup, trust the server's certificate with this pin\n"
    "            (--setup tells it when no authority here signed the certificate)\n"
    "The password is taken from the environment variable TAVREL_SYNC_PASSWORD.\n"
    "Exit status: 0 synced; 1 failed; 2 wrong arguments or no account set up;\n"
    "             3 synced, deletions held back; 4 synced, the N&A file is full\n");

constexpr int kHeld = 3;
constexpr int kFull = 4;

bool chooseBook(const QList<DavAddressBook>& books, const QString& wanted, QUrl& chosen)
{
    for (const DavAddressBook& b : books) {
        const bool match = wanted.isEmpty()
                               ? books.size() == 1
                               : b.displayName.compare(wanted, Qt::CaseInsensitive) == 0 ||
                                     b.url.toString() == wanted || b.url.path() == wanted;
        if (match) {
            chosen = b.url;
            return true;
        }
    }
    return false;
}

// The value after `option`, or null when the option is not given.
QString valueOf(const QStringList& args, const QString& option)
{
    const qsizetype at = args.indexOf(option);
    return at >= 0 ? args.value(at + 1, QStringLiteral("")) : QString();
}

// Why the address books could not be found, and what the user can do about it.
void tellSetupFailure(const DavResult& found, QTextStream& out)
{
    out << found.message << Qt::endl;
    if (found.outcome == DavOutcome::OtherOrigin)
        out << QCoreApplication::translate("tavrel::SyncCommandLine",
                                           "To use that address, run the set-up again with: %1")
                   .arg(found.movedTo.toDisplayString())
            << Qt::endl;
    if (found.outcome == DavOutcome::TlsFailed && !found.certificatePin.isEmpty())
        out << QCoreApplication::translate("tavrel::SyncCommandLine",
                                           "If this is your server's certificate, run the set-up "
                                           "again with: --trust-certificate %1")
                   .arg(found.certificatePin)
            << Qt::endl;
}

int setUp(Program& p, const QStringList& args, qsizetype at, const QString& password,
          bool allowHttp, QTextStream& out)
{
    DavSettings settings;
    settings.server = QUrl::fromUserInput(args.at(at + 1));
    settings.user = args.at(at + 2);
    settings.password = password;
    settings.allowPlainHttp = allowHttp;
    settings.proxy = QUrl(valueOf(args, QStringLiteral("--proxy")));
    settings.certificatePin = valueOf(args, QStringLiteral("--trust-certificate"));
    const QString wanted = at + 3 < args.size() && !args.at(at + 3).startsWith(QLatin1String("--"))
                               ? args.at(at + 3)
                               : QString();
    CardDavClient client(settings);
    QList<DavAddressBook> books;
    const DavResult found = client.discover(books);
    if (!found.ok()) {
        tellSetupFailure(found, out);
        return 1;
    }
    QUrl book;
    if (!chooseBook(books, wanted, book)) {
        out << (wanted.isEmpty() ? "Name one of the address books found:"
                                 : "There is no such address book. The address books found:");
        for (const DavAddressBook& b : books)
            out << "\n  " << b.displayName << " (" << b.url.path() << ")";
        out << Qt::endl;
        return 2;
    }
    QString error;
    std::optional<SyncState> state = loadSyncState(p.files, &error);
    if (!state || state->book != book)
        state = SyncState(); // another book: its first sync starts afresh
    state->server = settings.server.toString();
    state->user = settings.user;
    state->proxy = settings.proxy.toString();
    state->certificatePin = settings.certificatePin;
    state->book = book;
    saveSyncState(p.files, *state);
    return 0;
}

} // namespace

QString syncUsage()
{
    return QCoreApplication::translate("tavrel::SyncCommandLine", kUsage);
}

int runSyncCommand(Program& p, const QStringList& args, const QString& password, QTextStream& out)
{
    const qsizetype setup = args.indexOf(QStringLiteral("--setup"));
    const bool confirm = args.contains(QStringLiteral("--confirm-deletions"));
    const bool allowHttp = args.contains(QStringLiteral("--allow-http"));
    const QString proxy = valueOf(args, QStringLiteral("--proxy"));
    const QString pin = valueOf(args, QStringLiteral("--trust-certificate"));
    int known = 1 + (setup >= 0 ? 3 : 0) + confirm + allowHttp + (proxy.isNull() ? 0 : 2) +
                (pin.isNull() ? 0 : 2);
    if ((!pin.isNull() && (setup < 0 || !pin.startsWith(QLatin1String("sha256//")))) ||
        (!proxy.isNull() && !QUrl(proxy).isValid())) {
        out << kUsage;
        return 2;
    }
    if (setup >= 0 && setup + 3 < args.size() &&
        !args.at(setup + 3).startsWith(QLatin1String("--")))
        ++known;
    if (setup >= 0 && setup + 2 >= args.size()) {
        out << kUsage;
        return 2;
    }
    if (args.size() != known) {
        out << kUsage;
        return 2;
    }
    if (password.isEmpty()) {
        out << "No password: set " << kSyncPasswordVariable << "." << Qt::endl;
        return 2;
    }
    if (setup >= 0)
        if (const int status = setUp(p, args, setup, password, allowHttp, out))
            return status;
    QString error;
    std::optional<SyncState> state = loadSyncState(p.files, &error);
    if (!state) {
        out << error << Qt::endl;
        return 1;
    }
    if (!state->configured()) {
        out << "No address book is set up for sync: run tavrel --sync --setup SERVER USER [BOOK]."
            << Qt::endl;
        return 2;
    }
    if (!proxy.isNull() && state->proxy != proxy) {
        state->proxy = proxy; // kept with the account from now on
        saveSyncState(p.files, *state);
    }
    DavSettings settings;
    settings.server = QUrl(state->server);
    settings.user = state->user;
    settings.password = password;
    settings.allowPlainHttp = allowHttp;
    settings.proxy = QUrl(state->proxy);
    settings.certificatePin = state->certificatePin;
    CardDavClient client(settings);
    SyncOptions options;
    if (confirm)
        options.confirmDeletions = [](int, int) { return true; };
    const SyncReport report = runSync(p, client, options);
    out << report.summary() << Qt::endl;
    if (!report.ok())
        return 1;
    return report.deletionsHeld ? kHeld : report.notStored.isEmpty() ? 0 : kFull;
}

int syncMain(int argc, char** argv, const QStringList& args, void (*prepare)(Program&))
{
    // The words are the launcher's to read: Qt gets the program's name alone.
    argc = std::min(argc, 1);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    Files files(resolveProgramDirectory(QCoreApplication::applicationDirPath()));
    UnattendedUi ui(&out);
    NoPrinter printer;
    NoClipboard clipboard;
    NoHelp help;
    SystemClock clock;
    Program program({ui, printer, clipboard, help, clock, files});

    return runOverNAFile(
        program, out,
        QCoreApplication::translate("tavrel::SyncCommandLine", "nothing more was done."), [&] {
            if (prepare)
                prepare(program);
            return runSyncCommand(program, args, qEnvironmentVariable(kSyncPasswordVariable), out);
        });
}

} // namespace tavrel
