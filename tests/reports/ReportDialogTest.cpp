// The report dialog driven as a person would: report kinds, the mailing list
// picker, the reprint range, and Print handing the choices to the run.
#include "reports/gui/ReportDialog.h"
#include "ReportFixture.h"
#include "platform/gui/Windows.h"
#include "reports/gui/PrintProgressWindow.h"
#include "reports/gui/ReportCommands.h"

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QTest>

namespace tavrel::test {
namespace {

class ReportDialogTest : public ReportTest {
protected:
    ReportDialogTest() { env.openFile(people(1, 3)); }

    ReportDialog* openDialog()
    {
        startPrintReport(p);
        return windowOf<ReportDialog>(QStringLiteral("PrtForm"));
    }

    template <typename T = QWidget> T* ctl(const char* name)
    {
        return control<T>(findWindow(QStringLiteral("PrtForm")), QLatin1String(name));
    }
    bool shown(const char* name) { return ctl(name)->isVisible(); }
    bool enabled(const char* name) { return ctl(name)->isEnabled(); }
    // Each step clicks a control, or with "Name=text" types the text into a box
    // (in a list: selects row `text`).
    void act(const std::vector<const char*>& steps)
    {
        for (const char* step : steps) {
            const QString s = QString::fromUtf8(step);
            const QByteArray name = s.section(u'=', 0, 0).toUtf8();
            if (auto* list = qobject_cast<QListView*>(ctl(name.constData())))
                list->setCurrentIndex(list->model()->index(s.section(u'=', 1).toInt(), 0));
            else if (s.contains(u'='))
                type(ctl<QLineEdit>(name.constData()), s.section(u'=', 1));
            else
                click(ctl<QAbstractButton>(step));
        }
    }
    QString focused()
    {
        QWidget* f = findWindow(QStringLiteral("PrtForm"))->focusWidget();
        return f ? f->objectName() : QString();
    }
    bool dialogOpen() { return loadedWindow(QStringLiteral("PrtForm")) != nullptr; }
    ReportDialog* w() { return windowOf<ReportDialog>(QStringLiteral("PrtForm")); }
};

TEST_F(ReportDialogTest, OpensWithItsDefaultsAndCaptions)
{
    ASSERT_TRUE(openDialog());
    EXPECT_EQ(w()->windowTitle(), QStringLiteral("Print"));
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt12")->text(), QStringLiteral("1"));
    EXPECT_FALSE(shown("PrtLbl3"));
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt3")->maxLength(), 60);

    // Captions with their access keys, and the tool tips people read.
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } texts[] = {
        // clang-format off
        {"PrtOpt3_0", "Name And Address &Book", ""}, {"PrtOpt3_3", "N&&A &Database Listing", ""},
        {"PrtOpt3_5", "Rotary Fil&e Cards", ""}, {"PrtOpt3_6", "En&velopes", "Print Envelope(s)"},
        {"PrtChk1", "Lar&ge Print", "Produce N&A Book With Large Type"},
        {"PrtOpt1_1", "Mailing List  &File", ""}, {"PrtOpt2_4", "Do Not &Sort Records", ""},
        {"PrtOpt2_3", "Sort On Ke&y 2 (Major) + Key 1 (Minor)", ""},
        {"PrtOpt4_0", "1-Across Labels (1\" &x 3 1/2\")", ""},
        {"PrtOpt4_2", "&3-Across Labels (1\" x 2 5/8\")", ""},
        {"PrtOpt7_1", "2-Ac&ross Card Stock", ""}, {"PrtChk3", "D&uplex (2-Side) Printing", ""},
        {"PrtChk2", "Repr&int Part Of A Report", ""},
        {"PrtCmd1", "&Print", "Start Printing The Report"},
        {"PrtCmd2", "Cance&l", "Don't Print A Report"},
        {"PrtCmd3", "&OK", "Print From The Selected Mailing List"},
        {"PrtCmd4", "Cance&l", "Don't Print From A Mailing List"},
        {"PrtCmd5", "&OK", "Reprint The Specified Pages"},
        {"PrtCmd6", "Cance&l", "Don't Do A Reprint"},
        // clang-format on
    };
    for (const auto& t : texts) {
        auto* b = ctl<QAbstractButton>(t.name);
        ASSERT_TRUE(b);
        EXPECT_EQ(std::pair(b->text(), b->toolTip()),
                  std::pair(QString::fromUtf8(t.caption), QString::fromUtf8(t.tip)));
    }
    EXPECT_EQ(ctl<QGroupBox>("PrtFrm4")->title(), QStringLiteral("&Report Title (Optional)"));
    EXPECT_EQ(ctl("PrtTxt3")->toolTip(),
              QStringLiteral("Title To Print Above Report Name - Up To 60 Characters"));
    EXPECT_EQ(ctl<QLabel>("PrtLbl11")->text(), QStringLiteral("S&elect Mailing List:"));
    EXPECT_EQ(ctl<QLabel>("PrtLbl11")->buddy(), ctl("PrtFil1"));

    act({"PrtCmd2"});
    settle();
    EXPECT_FALSE(dialogOpen());

    // Envelopes hand over: the report dialog closes and the envelope dialog opens.
    ASSERT_TRUE(openDialog());
    act({"PrtOpt3_6"});
    settle();
    EXPECT_FALSE(dialogOpen());
    EXPECT_TRUE(loadedWindow(QStringLiteral("EnvelopePrint")));
}

// Each state shows its own controls, locks what may not change meanwhile and
// puts the focus where the person goes on; leaving a state restores the normal one.
TEST_F(ReportDialogTest, EachStateShowsItsControlsAndFocus)
{
    writeList("tvlmail.abc", QStringLiteral("Holiday Cards"), "1");
    const char* const controls[] = {"PrtCmd1",  "PrtCmd2", "PrtFrm2", "PrtFrm4", "PrtFrm6",
                                    "PrtFrm12", "PrtFil1", "PrtTxt4", "PrtCmd3", "PrtCmd4",
                                    "PrtTxt1",  "PrtTxt2", "PrtCmd5", "PrtCmd6"};
    const QString normal = QStringLiteral("PrtCmd1 PrtCmd2 PrtFrm2 PrtFrm4 PrtFrm6 PrtFrm12");
    const QString picker = QStringLiteral("PrtFrm2 PrtFil1 PrtTxt4 PrtCmd3 PrtCmd4");
    const QString range =
        QStringLiteral("PrtFrm4 PrtFrm6 PrtFrm12 PrtTxt1 PrtTxt2 PrtCmd5 PrtCmd6");
    const struct {
        std::vector<const char*> presses;
        QString shown;
        bool sourceEnabled, reprintEnabled;
        const char* focus;
    } states[] = {
        // clang-format off
        {{}, normal, true, true, "PrtCmd1"},
        {{"PrtOpt1_1"}, picker, true, false, "PrtCmd3"},
        {{"PrtChk2"}, range, false, true, "PrtTxt1"},
        {{"PrtOpt1_1", "PrtCmd4"}, normal, true, true, "PrtCmd1"},
        {{"PrtOpt1_1", "PrtOpt1_0"}, normal, true, true, "PrtCmd1"},
        {{"PrtChk2", "PrtCmd6"}, normal, true, true, "PrtCmd1"},
        {{"PrtChk2", "PrtChk2"}, normal, true, true, "PrtCmd1"},
        {{"PrtChk2", "PrtTxt1=4", "PrtTxt2=6", "PrtCmd5"}, normal, true, true, "PrtCmd1"},
        // clang-format on
    };
    for (const auto& s : states) {
        closeAllWindows();
        settle();
        ASSERT_TRUE(openDialog());
        act(s.presses);
        SCOPED_TRACE(s.presses.empty() ? "opened" : s.presses.back());
        QStringList shownNow;
        for (const char* name : controls)
            if (shown(name))
                shownNow << QLatin1String(name);
        EXPECT_EQ(shownNow.join(QLatin1Char(' ')).toStdString(), s.shown.toStdString());
        EXPECT_EQ(std::pair(enabled("Frame3"), enabled("PrtChk2")),
                  std::pair(s.sourceEnabled, s.reprintEnabled));
        EXPECT_EQ(focused().toStdString(), s.focus);
    }
}

// Each report kind shows its stock, quantity and large print; a bad quantity
// or reprint range is refused before it is taken.
TEST_F(ReportDialogTest, ReportKindsShowTheirControlsAndBadNumbersAreRefused)
{
    ASSERT_TRUE(openDialog());
    const char* const perLabel[] = {"Label &Quantity", "Number Of Labels Per Address"};
    const char* const perCard[] = {"Rotary File Card &Quantity", "Number Of Cards Per Address"};
    const struct {
        const char* option;
        bool labelStock, labelStockEnabled, cardStock, title, quantity, largePrint;
        const char* const* quantityTexts;
    } kinds[] = {
        {"PrtOpt3_4", true, true, false, false, true, false, perLabel},
        {"PrtOpt3_1", true, false, false, true, false, false, perLabel},
        {"PrtOpt3_5", false, false, true, false, true, false, perCard},
        {"PrtOpt3_0", true, false, false, true, false, true, perCard},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.option);
        ctl<QCheckBox>("PrtChk1")->setChecked(true);
        ctl("PrtCmd2")->setFocus();
        act({k.option});
        EXPECT_EQ(std::tuple(shown("PrtFrm6"), enabled("PrtOpt4_1"), shown("PrtFrm7"),
                             enabled("PrtTxt3"), enabled("PrtTxt12")),
                  std::tuple(k.labelStock, k.labelStockEnabled, k.cardStock, k.title, k.quantity));
        EXPECT_EQ(std::pair(ctl<QGroupBox>("PrtFrm12")->title(), ctl<QLabel>("PrtLbl12")->text()),
                  std::pair(QString::fromUtf8(k.quantityTexts[0]),
                            QString::fromUtf8(k.quantityTexts[1])));
        // Large print is kept only for the book.
        EXPECT_EQ(std::pair(shown("PrtChk1"), ctl<QCheckBox>("PrtChk1")->isChecked()),
                  std::pair(k.largePrint, k.largePrint));
        EXPECT_EQ(focused(), QStringLiteral("PrtCmd1"));
    }

    // Labels reset their stock to 1-across.
    act({"PrtOpt3_4", "PrtOpt4_2", "PrtOpt3_1", "PrtOpt3_4"});
    EXPECT_TRUE(ctl<QRadioButton>("PrtOpt4_0")->isChecked());

    env.ui.setAutoOk(true);
    // A quantity that is not a whole number of at least 1 never reaches a run,
    // for labels or cards.
    for (const char* kind : {"PrtOpt3_4", "PrtOpt3_5"}) {
        act({kind});
        for (const char* bad : {"PrtTxt12=0", "PrtTxt12=", "PrtTxt12=x2", "PrtTxt12=-3"}) {
            act({bad, "PrtCmd1"});
            EXPECT_EQ(env.ui.last().text, quantityRefusedText()) << bad;
            EXPECT_EQ(focused(), QStringLiteral("PrtTxt12"));
        }
    }
    EXPECT_TRUE(dialogOpen());

    // Neither is a reprint range with no page in it.
    act({"PrtChk2"});
    for (const auto& [from, through] : std::vector<std::pair<const char*, const char*>>{
             {"0", "5"}, {"3", "0"}, {"6", "4"}, {"abc", "2"}}) {
        type(ctl<QLineEdit>("PrtTxt1"), QLatin1String(from));
        type(ctl<QLineEdit>("PrtTxt2"), QLatin1String(through));
        act({"PrtCmd5"});
        EXPECT_EQ(env.ui.last().text, QStringLiteral("Invalid Page Range.  Please Re-Enter."))
            << from << "-" << through;
    }
    // A good range is taken: EachStateShowsItsControlsAndFocus, PrintRunsTheChosenReport...

    // Unchecked and checked again, the range's own Cancel drops the range.
    act({"PrtChk2", "PrtChk2", "PrtCmd6"});
    EXPECT_FALSE(ctl<QCheckBox>("PrtChk2")->isChecked());
}

// Without lists the picker does not open; with them it lists each file and
// shows its title; OK takes the selected one.
TEST_F(ReportDialogTest, MailingListPickerShowsTitlesAndConfirmsAList)
{
    ASSERT_TRUE(openDialog());
    env.ui.setAutoOk(true);
    act({"PrtOpt3_5", "PrtOpt1_1"}); // cards: their stock must come back after the picker
    EXPECT_EQ(std::pair(env.ui.last().text, env.ui.last().title),
              std::pair(QStringLiteral("There Are No Mailing Lists."), kTitle));
    EXPECT_TRUE(ctl<QRadioButton>("PrtOpt1_0")->isChecked());
    EXPECT_TRUE(shown("PrtCmd1") && shown("PrtFrm4") && !shown("PrtFil1"));

    closeAllWindows();
    writeList("tvlmail.abc", QStringLiteral("Holiday Cards"), "1 3");
    // A title starting with character 21 reads as blank.
    writeList("tvlmail.blk", QString(QChar(21)) + QStringLiteral("hidden"), "2");
    ASSERT_TRUE(openDialog());
    act({"PrtOpt3_5", "PrtOpt1_1"});
    // The rest of the picker state: EachStateShowsItsControlsAndFocus.
    EXPECT_FALSE(shown("PrtFrm7"));
    auto* files = ctl<QListView>("PrtFil1");
    ASSERT_EQ(files->model()->rowCount(), 2);

    act({"PrtCmd3"});
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Please Select A Filename Or Click The Cancel Button."));

    files->setCurrentIndex(files->model()->index(1, 0)); // tvlmail.blk, after tvlmail.abc
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt4")->text(), QString(40, QLatin1Char(' ')));
    // A mouse click shows the title and moves on to OK.
    const QModelIndex abc = files->model()->index(0, 0);
    files->setFocus();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(abc).center());
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt4")->text(),
              QStringLiteral("Holiday Cards").leftJustified(40, QLatin1Char(' ')));
    EXPECT_EQ(focused(), QStringLiteral("PrtCmd3"));
    act({"PrtCmd3"});
    EXPECT_TRUE(shown("PrtCmd1") && shown("PrtLbl3") && shown("PrtFrm7") && shown("PrtFrm4"));
    EXPECT_EQ(ctl<QLabel>("PrtLbl3")->text(), QStringLiteral("tvlmail.abc"));
    EXPECT_EQ(w()->options().mailListFile, QStringLiteral("tvlmail.abc"));

    // Back to the picker, then its Cancel: the whole file again.
    act({"PrtOpt1_0"});
    EXPECT_FALSE(shown("PrtLbl3"));
    act({"PrtOpt1_1", "PrtCmd4"});
    EXPECT_TRUE(ctl<QRadioButton>("PrtOpt1_0")->isChecked());
    EXPECT_TRUE(w()->options().mailListFile.isEmpty());
}

// Print runs what the dialog shows and closes it: the title, the sequence, a
// mailing list (a deleted member is skipped), large print, a reprint range;
// an empty file is said. (Label stock and quantity: PreviewTest.) Stop Print
// asks the run to stop.
TEST_F(ReportDialogTest, PrintRunsTheChosenReportAndStopAsksTheRunToStop)
{
    std::map<int, NARecord> recs = people(1, 6); // book: two entries a page
    recs[2] = deletedRecord(2, QStringLiteral("Person 2"));
    for (auto& [id, r] : recs)
        r.SortKey1 = QStringLiteral("KEY %1").arg(7 - id); // sorted on key 1: 6 first
    env.openFile(recs);
    writeList("tvlmail.fam", QStringLiteral("Family"), "2 4 5");
    const struct {
        std::vector<const char*> steps;
        const char* title;
        QString font;
        double size;
        QStringList names;
        int lastPage;
    } cases[] = {
        // clang-format off
        {{"PrtOpt3_1", "PrtTxt3=Our Family", "PrtOpt2_4", "PrtOpt1_1", "PrtFil1=0", "PrtCmd3"},
         "Our Family", kCourier, 11, {"Person 4", "Person 5"}, 1},
        {{"PrtChk1", "PrtChk2", "PrtTxt1=2", "PrtTxt2=2", "PrtCmd5"},
         "", kArial, 16, {"Person 4", "Person 3"}, 2},
        {{}, "", kCourier, 11, {"Person 6", "Person 5", "Person 4", "Person 3", "Person 1"}, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.join(u',').toStdString());
        env.printer = RecordingPrinter();
        ASSERT_TRUE(openDialog());
        env.ui.setAutoOk(true);
        act(c.steps);
        // Closing the dialog while the run goes on is refused; it takes no clicks meanwhile.
        bool stayedOpen = true;
        env.ui.onProcessEvents = [&] {
            QWidget* form = findWindow(QStringLiteral("PrtForm"));
            ASSERT_TRUE(form);
            form->close();
            stayedOpen = stayedOpen && form->isVisible() && !form->isEnabled();
        };
        act({"PrtCmd1"});
        env.ui.onProcessEvents = nullptr;
        settle();
        EXPECT_TRUE(stayedOpen); // closed afterwards: ShellTest.MessageCommandsAndRuns...
        EXPECT_EQ(env.ui.last().text, completed(c.lastPage));
        if (*c.title) {
            EXPECT_TRUE(env.printer.find(QString::fromUtf8(c.title)));
            EXPECT_TRUE(env.printer.find(QStringLiteral("Telephone List")));
        }
        // The names printed, in print order, each in the font and size of the kind.
        QStringList names;
        for (const auto& t : env.printer.texts)
            if (t.text.startsWith(QLatin1String("Person"))) {
                names << t.text.trimmed();
                EXPECT_EQ(std::pair(t.font, t.size), std::pair(c.font, c.size));
            }
        EXPECT_EQ(names, c.names);
    }

    env.openFile({});
    ASSERT_TRUE(openDialog());
    act({"PrtCmd1"});
    settle();
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The N&A File Is Empty.  There Is Nothing To Print."));
    EXPECT_FALSE(dialogOpen());

    // The progress window shows the last page done; its Stop button asks the run to stop.
    auto* progress = new PrintProgressWindow(p);
    loadWindow(progress);
    progress->show();
    progress->showLastPage(7);
    EXPECT_EQ(progress->lastPageEdit->text(), QStringLiteral("7"));
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Printing"));
    p.StopRequested = false;
    click(progress->stopButton);
    settle();
    EXPECT_TRUE(p.StopRequested);
    EXPECT_EQ(loadedWindow(QStringLiteral("StopPrintForm")), nullptr);
}

} // namespace
} // namespace tavrel::test
