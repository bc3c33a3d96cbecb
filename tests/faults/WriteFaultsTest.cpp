#include "FileStates.h"
#include "exchange/gui/ExchangeCommands.h"
#include "exchange/gui/ImportDialog.h"
#include "maillists/gui/AddDeleteNamesDialog.h"
#include "maillists/gui/CreateMailListWindow.h"
#include "maillists/gui/MailListCommands.h"
#include "maillists/MailListFile.h"
#include "maillists/gui/ReviseMailListWindow.h"
#include "maillists/gui/SearchCompleteWindow.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "records/gui/RecordActions.h"
#include "records/gui/RecordCommands.h"
#include "records/gui/RecordScreen.h"
#include "shell/SortOrderPreferenceDialog.h"
#include "support/FileFaults.h"
#include "support/Gui.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

namespace tavrel::test {
namespace {

// The failures every operation is made to suffer, and the numbers the user must see.
constexpr std::pair<int, int> kErrors[] = {
    {ENOSPC, ErrNo::DiskFull}, {EIO, ErrNo::DeviceIo}, {EACCES, ErrNo::PermissionDenied}};

// A message a failure may bring: a pattern with %1 for the error number, or
// a fixed text for one number only; and whether the program ends after it.
struct FailureMessage {
    QString pattern;
    bool ends;
    int onlyFor = 0;        // the message belongs to this number alone
    int notFor = 0;         // any number but this one
    bool anyNumber = false; // %1 stands for whatever number the program chose
};

const FailureMessage kGet{QStringLiteral("Error = %1 In Get_NA_Rec\\.  Id = +\\d+"), true};
const FailureMessage kPut{QStringLiteral("Err = %1  In Put_NA_Rec\\.  Id = +\\d+"), true};

// Deletes a window made for one run, unless it went already.
auto keep(QWidget* w)
{
    return std::shared_ptr<QWidget>(w, [guard = QPointer<QWidget>(w)](QWidget*) { delete guard; });
}

RecordScreen& screen1()
{
    return *dynamic_cast<RecordScreen*>(findWindow(QStringLiteral("BrsForma")));
}

void setBox(QWidget* window, const char* name, const QString& text)
{
    control<QLineEdit>(window, QLatin1String(name))->setText(text);
}

// Opens the record of `id` on the record screens in `mode`, as the ID prompt does.
void openRecord(Program& p, ScriptedUi& ui, ScreenMode mode, int id)
{
    ui.answerInput(QString::number(id));
    startIdCommand(p, mode);
    settle();
}

// IDs 1 to 5 with 3 deleted.
std::map<int, NARecord> fiveWithAGap()
{
    auto r = people(1, 5);
    r[3] = deletedRecord(3, QStringLiteral("Person 3"));
    return r;
}

// One command that writes. `setUp` brings the program to the moment before
// the person's last action (windows open, boxes filled, answers queued) and
// returns that action; only the action runs on the failing file system.
struct Command {
    const char* name;
    std::function<std::function<void()>(Program&, ScriptedUi&)> setUp;
    std::vector<FailureMessage> failures = {kGet, kPut};
    std::map<int, NARecord> records = fiveWithAGap();
    DirFiles lists = {}; // mailing list files beside the N&A file
};

struct Outcome {
    DirFiles before, after;
    QStringList messages; // shown by the action
    bool ended = false;
    int operations = 0;
    QString failed;
    // The program goes on with the file on disk: its own handle reads what lies there.
    bool handleReadsDisk = false;
    qint16 lastRecNo = 0;
};

Outcome runCommand(const Command& c, int failAt, int err)
{
    Outcome out;
    TestEnv env;
    env.openFile(c.records);
    for (const auto& [name, bytes] : c.lists)
        writeBytes(env.dir() + QLatin1Char('/') + name, bytes);
    env.files->diskFiguresHook = [] { return DiskFigures{8, 512, 1'000'000, 2'000'000}; };
    env.ui.setAutoOk(true);
    {
        std::function<void()> act = c.setUp(env.p(), env.ui);
        const auto shownBefore = qsizetype(env.ui.messages.size());
        out.before = filesIn(env.dir());
        {
            FileFaults faults(env.dir());
            faults.failAt(failAt, err);
            try {
                act();
            } catch (const ProgramEnded&) {
                out.ended = true;
            }
            out.operations = faults.operations();
            out.failed = faults.failed();
        }
        out.messages = env.ui.texts().mid(shownBefore);
        const QByteArray disk = fileBytes(env.naPath());
        NAFile& handle = env.p().naFile;
        out.handleReadsDisk = handle.isOpen() && handle.size() == disk.size() &&
                              handle.readBlock(1, int(disk.size() / NARecord::Size)) == disk;
        out.lastRecNo = env.p().LastRecNo;
        closeAllWindows();
    }
    out.after = filesIn(env.dir());
    return out;
}

void expectMessage(const Command& c, const Outcome& r, int number)
{
    for (const QString& text : r.messages) {
        for (const FailureMessage& f : c.failures) {
            if ((f.onlyFor && f.onlyFor != number) || (f.notFor && f.notFor == number))
                continue;
            const QString pattern = f.onlyFor     ? f.pattern
                                    : f.anyNumber ? f.pattern.arg(QStringLiteral(" ?\\d+"))
                                                  : f.pattern.arg(numText(number));
            const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
            if (whole.match(text).hasMatch()) {
                EXPECT_EQ(r.ended, f.ends) << text.toStdString();
                return;
            }
        }
    }
    ADD_FAILURE() << "no message with " << number << " after failing " << r.failed.toStdString()
                  << "; shown: " << r.messages.join(QStringLiteral(" | ")).toStdString();
}

// Runs `c` once cleanly, then once for each of its operations failing with
// each error. A failure either shows its message, or the program got past it
// (a block read that failed is read again record by record) and the run
// ends exactly as the clean one.
void failEveryOperation(const Command& c)
{
    SCOPED_TRACE(c.name);
    const Outcome clean = runCommand(c, 0, 0);
    for (int n = 1; n <= clean.operations; ++n) {
        for (const auto& [err, number] : kErrors) {
            const Outcome r = runCommand(c, n, err);
            SCOPED_TRACE(QStringLiteral("operation %1 (%2) fails with %3")
                             .arg(n)
                             .arg(r.failed, QLatin1String(errnoName(err)))
                             .toStdString());
            if (r.ended || r.messages != clean.messages || r.after != clean.after)
                expectMessage(c, r, number);
            // Whatever failed, each file is as it was or as the command leaves it.
            expectOldOrNew(r.after, r.before, clean.after);
            if (!r.ended) {
                // The program goes on with the file that lies on disk.
                EXPECT_TRUE(r.handleReadsDisk) << "the program goes on with another file";
                const QByteArray& disk = r.after.at(QStringLiteral("n&a.mrk"));
                EXPECT_EQ(r.lastRecNo, NARecord::fromBytes(slot(disk, 0)).RecId);
            }
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace

TEST(WriteFaults, RecordCommands)
{
    const std::vector<Command> commands = {
        {"add beyond the highest ID",
         [](Program& p, ScriptedUi&) {
             startAddCommand(p, false);
             settle();
             setBox(&screen1(), "BrsTxt1", QStringLiteral("9"));
             setBox(&screen1(), "BrsTxt2", QStringLiteral("Nina New"));
             return [&p] { addRecord(p, screen1()); };
         }},
        {"add many",
         [](Program& p, ScriptedUi&) {
             startAddCommand(p, true);
             settle();
             return [&p] {
                 for (const char* name : {"Ann Added", "Bob Added"}) {
                     setBox(&screen1(), "BrsTxt2", QLatin1String(name));
                     addRecord(p, screen1());
                 }
             };
         }},
        {"change in place",
         [](Program& p, ScriptedUi& ui) {
             openRecord(p, ui, ScreenMode::Change, 2);
             setBox(&screen1(), "BrsTxt2", QStringLiteral("Person 2 Renamed"));
             return [&p] { changeRecord(p, screen1()); };
         }},
        {"change to another ID",
         [](Program& p, ScriptedUi& ui) {
             openRecord(p, ui, ScreenMode::Change, 5);
             setBox(&screen1(), "BrsTxt1", QStringLiteral("3"));
             return [&p] { changeRecord(p, screen1()); };
         }},
        {"delete the highest ID",
         [](Program& p, ScriptedUi& ui) {
             openRecord(p, ui, ScreenMode::Delete, 5);
             ui.answer(Ui::Answer::Yes);
             return [&p] { deleteRecord(p, screen1()); };
         }},
        // Every preference window stores its choice through the one header write,
        // and a failure there ends the program inside it: the sort order stands for all.
        {"sort preference",
         [](Program& p, ScriptedUi&) {
             auto* w = new SortOrderPreferenceDialog(p);
             control<QAbstractButton>(w, QStringLiteral("Option3D1_2"))->click();
             return std::function<void()>([w, owned = keep(w)] { w->onOkClicked(); });
         },
         {kPut}},
    };
    for (const Command& c : commands)
        failEveryOperation(c);
}

TEST(WriteFaults, MailingListCommands)
{
    const DirFiles club{{QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("Club"), {1, 2})}};
    auto create = [](const char* identifier, bool replace) {
        return [identifier, replace](Program& p, ScriptedUi& ui) {
            startCreateMailList(p);
            auto* w = windowOf<CreateMailListWindow>(QStringLiteral("CreateForm"));
            w->idNumbersEdit->setText(QStringLiteral("1-3, 5"));
            w->identifierEdit->setText(QLatin1String(identifier));
            w->titleEdit->setText(QStringLiteral("Neighbours"));
            if (replace)
                ui.answer(Ui::Answer::Yes);
            return std::function<void()>([w] { w->onCreateClicked(); });
        };
    };
    // The revise window with list "a" picked and its IDs shown.
    auto revise = [](std::function<void(ReviseMailListWindow*, ScriptedUi&)> prepare,
                     void (ReviseMailListWindow::*action)()) {
        return [prepare, action](Program& p, ScriptedUi& ui) {
            startReviseMailList(p);
            auto* w = windowOf<ReviseMailListWindow>(QStringLiteral("MailForm"));
            w->fileList->setCurrentIndex(w->fileList->model()->index(0, 0));
            w->onShowIdsClicked();
            prepare(w, ui);
            return std::function<void()>([w, action] { (w->*action)(); });
        };
    };
    const FailureMessage createFailed{
        QStringLiteral("Error %1 In CreateCmd1\\.  Notify Programmer\\."), true};
    const std::vector<Command> commands = {
        {"create", create("b", false), {createFailed}},
        {"create over an existing list", create("a", true), {createFailed}},
        {"save search results",
         [](Program& p, ScriptedUi& ui) {
             clearMailListFlags(p);
             setMember(p, 2, true);
             setMember(p, 4, true);
             p.MailListAddCount = 2;
             p.SearchMatchCount = 2;
             auto* w = new SearchCompleteWindow(p);
             w->identifierEdit->setText(QStringLiteral("a"));
             w->titleEdit->setText(QStringLiteral("Found"));
             ui.answer(Ui::Answer::Yes); // replace list "a"
             return std::function<void()>([w, owned = keep(w)] { w->onOkClicked(); });
         },
         {{QStringLiteral("Error %1 In ML Process\\.  Extension = a\\.  Notify Programmer\\."),
           false, 0, ErrNo::DeviceIo},
          {QStringLiteral("A Serious Hard Disk Error Occurred\\.  Corvane Cannot Continue\\."),
           true, ErrNo::DeviceIo}}},
        {"revise ID numbers",
         revise(
             [](ReviseMailListWindow* w, ScriptedUi& ui) {
                 w->idNumbersEdit->setPlainText(QStringLiteral("2, 4-5"));
                 ui.answer(Ui::Answer::Yes);
             },
             &ReviseMailListWindow::onReviseIdsClicked),
         {{QStringLiteral("Error %1 In MailCmd7\\.  Notify Programmer\\."), false}}},
        {"revise by name",
         revise(
             [](ReviseMailListWindow*, ScriptedUi& ui) {
                 ui.onModal([&ui](QDialog& d) {
                     NamePicker& picker = dynamic_cast<AddDeleteNamesDialog&>(d).picker;
                     const QAbstractItemModel* names = picker.allNamesList->model();
                     const auto lines =
                         names->match(names->index(0, 0), Qt::DisplayRole, QStringLiteral("   3"),
                                      -1, Qt::MatchStartsWith);
                     ASSERT_EQ(lines.size(), 1);
                     picker.allNamesList->setCurrentIndex(lines.first());
                     click(picker.addButton);
                     ui.answer(Ui::Answer::Yes);
                     click(picker.okButton);
                 });
             },
             &ReviseMailListWindow::onShowNamesClicked),
         {{QStringLiteral("Error %1 In ListByName\\.  Notify Programmer\\."), false},
          {QStringLiteral("Error %1 In OKButton\\.  Notify Programmer\\."), false},
          kGet}},
        {"change the title",
         revise([](ReviseMailListWindow* w,
                   ScriptedUi&) { w->titleEdit->setText(QStringLiteral("Chess Club")); },
                &ReviseMailListWindow::onChangeTitleClicked),
         {{QStringLiteral("Error %1 Occurred In MailCmd4\\.  Notify Programmer\\."), true}}},
        {"delete a list",
         revise([](ReviseMailListWindow*, ScriptedUi& ui) { ui.answer(Ui::Answer::Yes); },
                &ReviseMailListWindow::onDeleteListClicked),
         {{QStringLiteral("Error %1 In MailCmd5\\.  Notify Programmer\\."), false}}},
    };
    for (Command c : commands) {
        c.records = people(1, 5);
        c.lists = club;
        failEveryOperation(c);
    }
}

TEST(WriteFaults, DuplicatesCompactionAndImport)
{
    // Three cards into the gap at 3 and beyond 5; each joins the list titled Club.
    QByteArray cards;
    for (const char* name : {"Ann Imported", "Bob Imported", "Cy Imported"})
        cards += QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:") + name +
                 "\r\nCATEGORIES:Club\r\nEND:VCARD\r\n";
    auto twins = people(1, 4);
    twins[6] = makeRecord(6, QStringLiteral("Person 2"));
    twins[7] = makeRecord(7, QStringLiteral("Person 4"));
    auto linked = fiveWithAGap();
    for (int id : {1, 2, 4, 5})
        linked[id].LinkId1 = qint16(6 - id);
    linked[7] = makeRecord(7, QStringLiteral("Person 7"));
    const std::vector<Command> commands = {
        {"duplicate deletion",
         [](Program& p, ScriptedUi&) {
             auto s = std::make_shared<DupSearchState>();
             return std::function<void()>([&p, s] {
                 SilentDups view;
                 runDupSearch(p, DupMatch::Name, *s, view);
             });
         },
         {kGet, kPut},
         twins},
        {"undelete",
         [](Program& p, ScriptedUi&) {
             auto s = std::make_shared<DupSearchState>();
             SilentDups view;
             runDupSearch(p, DupMatch::Name, *s, view);
             return std::function<void()>(
                 [&p, s] { undeleteDuplicates(p, *s, QStringLiteral("DUP2")); });
         },
         {kGet, kPut},
         twins},
        {"compaction",
         [](Program& p, ScriptedUi&) { return std::function<void()>([&p] { runCompaction(p); }); },
         {{QStringLiteral("Error = %1 In CompactForm\\. r = +\\d+\\.  Notify Programmer\\.\n\n"
                          "[^\n]+  The N&A File Is Unchanged\\."),
           false},
          // The copy made before compacting; without it the compaction does not start.
          // Its reads go through Qt, which keeps no errno: any number is taken.
          {QStringLiteral("The Backup Copy \\(Before Compaction\\) Could Not Be Made: Error"
                          "%1[\\s\\S]*"),
           false, 0, 0, true}},
         linked},
        {"import",
         [](Program& p, ScriptedUi& ui) {
             startImport(p);
             auto* w = windowOf<ImportDialog>(QStringLiteral("ImportForm"));
             w->fileEdit->setText(QStringLiteral("in.vcf"));
             w->readButton->click();
             ui.answer(Ui::Answer::Yes);
             return std::function<void()>([w] { w->importButton->click(); });
         },
         {kGet,
          kPut,
          {QStringLiteral("The Records Were Imported, But The Import Log Or A Mailing List "
                          "Could Not Be Written: Error%1\\."),
           false}},
         fiveWithAGap(),
         {{QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("Club"), {1, 2})},
          {QStringLiteral("in.vcf"), cards}}},
    };
    for (const Command& c : commands)
        failEveryOperation(c);
}

} // namespace tavrel::test
