// Every verb of the command line and its options: the launcher parses with
// this table, and help and the manual page say what it says.
#include "app/CommandLine.h"
#include "exchange/CommandLine.h"
#include "reports/PrintCommandLine.h"
#include "sync/SyncCommandLine.h"

#include <QCoreApplication>

#define TABLE_TEXT(text) QT_TRANSLATE_NOOP("tavrel::CommandLineTable", text)

namespace tavrel {

namespace {

QString backupUsage()
{
    return QCoreApplication::translate("tavrel::CommandLineTable",
                                       "Usage: tavrel --backup | --restore [NAME]\n");
}

const OptionSpec kList{"list", "ID", TABLE_TEXT("only the members of mailing list ID")};
const OptionSpec kOutput{"output", "FILE.pdf", TABLE_TEXT("write a PDF file instead of printing")};
const OptionSpec kPrinter{"printer", "QUEUE", TABLE_TEXT("print on this print queue")};

std::vector<VerbSpec> makeTable()
{
    std::vector<VerbSpec> t;
    t.push_back({LaunchMode::Exchange,
                 "export",
                 "FORMAT",
                 TABLE_TEXT("write the records to FILE: vcard, vcard4, csv or outlook"),
                 1,
                 1,
                 "FILE",
                 nullptr,
                 {kList,
                  {"encoding", "ENCODING", TABLE_TEXT("CSV only: utf8-bom, utf8, windows-1252")},
                  {"separator", "SEPARATOR", TABLE_TEXT("CSV only: comma, semicolon")},
                  {"spreadsheet", nullptr,
                   TABLE_TEXT("CSV only: keep cells a spreadsheet would convert as text")}},
                 &exchangeUsage});
    t.push_back({LaunchMode::Exchange,
                 "import",
                 "FILE",
                 TABLE_TEXT("add the entries of a vCard or CSV file"),
                 0,
                 0,
                 nullptr,
                 nullptr,
                 {{"dry-run", nullptr, TABLE_TEXT("say what would be imported, write nothing")},
                  {"overflow", "move|cut|skip",
                   TABLE_TEXT("a field that does not fit: into Comments, cut, or skip its record")},
                  {"no-backup", nullptr, TABLE_TEXT("import without the backup copy first")}},
                 &exchangeUsage});
    t.push_back({LaunchMode::Print,
                 "print",
                 "KIND",
                 TABLE_TEXT("print book, phone, abbreviated, listing, labels or cards"),
                 0,
                 0,
                 nullptr,
                 nullptr,
                 {{"sort", "ORDER", TABLE_TEXT("key1, key2, key1+key2, key2+key1 or id")},
                  kList,
                  {"from", "ID", TABLE_TEXT("only the records from this ID (with --to)")},
                  {"to", "ID", TABLE_TEXT("only the records up to this ID (with --from)")},
                  {"stock", "NAME", TABLE_TEXT("the label or card stock")},
                  {"quantity", "N", TABLE_TEXT("labels or cards for each record")},
                  {"title", "TEXT", TABLE_TEXT("the report's title")},
                  {"large", nullptr, TABLE_TEXT("the address book in large print")},
                  {"a4", nullptr, TABLE_TEXT("lists and books on A4 paper")},
                  kOutput,
                  kPrinter},
                 &printUsage});
    t.push_back({LaunchMode::Print,
                 "envelopes",
                 nullptr,
                 TABLE_TEXT("print an envelope for every entry or list member"),
                 0,
                 0,
                 nullptr,
                 nullptr,
                 {{"size", "SIZE", TABLE_TEXT("10, monarch, personal, dl, c6, b5 or c5")},
                  {"feed", "sideways|upright", TABLE_TEXT("how envelopes go into the printer")},
                  kList,
                  {"sort", "ORDER", TABLE_TEXT("key1, key2, key1+key2, key2+key1, id or none")},
                  {"count", "N", TABLE_TEXT("envelopes for each address")},
                  {"return", "LINE|LINE...", TABLE_TEXT("the return address, up to five lines")},
                  kOutput,
                  kPrinter},
                 &printUsage});
    t.push_back({LaunchMode::Sync,
                 "sync",
                 nullptr,
                 TABLE_TEXT("bring the records and the CardDAV address book in step"),
                 1,
                 2,
                 "USER [BOOK]",
                 "setup",
                 {{"setup", "SERVER", TABLE_TEXT("set the account up first: SERVER USER [BOOK]")},
                  {"confirm-deletions", nullptr, TABLE_TEXT("let a sync delete many records")},
                  {"allow-http", nullptr, TABLE_TEXT("plain http to another machine")},
                  {"proxy", "URL", TABLE_TEXT("go through this proxy")},
                  {"trust-certificate", "PIN",
                   TABLE_TEXT("with --setup: trust the certificate with this pin")}},
                 &syncUsage});
    t.push_back({LaunchMode::Backup,
                 "backup",
                 nullptr,
                 TABLE_TEXT("take a backup copy of the N&A file and the mailing lists now"),
                 0,
                 0,
                 nullptr,
                 nullptr,
                 {},
                 &backupUsage});
    t.push_back({LaunchMode::Backup,
                 "restore",
                 nullptr,
                 TABLE_TEXT("put copy NAME back; without NAME, list the copies"),
                 0,
                 1,
                 "NAME",
                 nullptr,
                 {},
                 &backupUsage});
    return t;
}

} // namespace

const std::vector<VerbSpec>& verbTable()
{
    static const std::vector<VerbSpec> table = makeTable();
    return table;
}

} // namespace tavrel
