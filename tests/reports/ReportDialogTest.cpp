// The report dialog driven as a person would: report kinds, the mailing list
// picker, the reprint range, and Print handing the choices to the run.
#include "reports/ReportDialog.h"
#include "ReportFixture.h"
#include "maillists/MailListFile.h"
#include "platform/gui/Windows.h"
#include "reports/PrintProgressWindow.h"
#include "reports/ReportCommands.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tavrel::test {
namespace {

class ReportDialogTest : public ReportTest {
protected:
    ~ReportDialogTest() override { closeAllWindows(); }

    // A list file with `members`; a title starting with character 21 reads as blank.
    void writeList(const QString& name, const QString& title, std::initializer_list<int> members)
    {
        clearMailListFlags(p);
        for (int id : members)
            setMember(p, id, true);
        writeMailList(p, name, title);
    }

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
    void press(const char* name) { click(ctl<QAbstractButton>(name)); }
    QString focused()
    {
        QWidget* f = findWindow(QStringLiteral("PrtForm"))->focusWidget();
        return f ? f->objectName() : QString();
    }
    bool dialogOpen() { return loadedWindow(QStringLiteral("PrtForm")) != nullptr; }
    ReportDialog* w() { return windowOf<ReportDialog>(QStringLiteral("PrtForm")); }

    // Which of the three button states shows; "" when none or more than one.
    QString buttonState()
    {
        QStringList on;
        if (shown("PrtCmd1") && shown("PrtCmd2"))
            on << QStringLiteral("normal");
        if (shown("PrtCmd3") && shown("PrtCmd4") && shown("PrtFil1"))
            on << QStringLiteral("picker");
        if (shown("PrtCmd5") && shown("PrtCmd6") && shown("PrtTxt1") && !shown("PrtFrm2"))
            on << QStringLiteral("range");
        return on.size() == 1 ? on.front() : on.join(QLatin1Char('+'));
    }
};

TEST_F(ReportDialogTest, OpensWithItsDefaultsAndCaptions)
{
    env.openFile(people(1, 3));
    ASSERT_TRUE(openDialog());
    EXPECT_EQ(w()->windowTitle(), QStringLiteral("Print"));
    for (const char* on : {"PrtOpt3_0", "PrtOpt1_0", "PrtOpt2_0", "PrtOpt4_0", "PrtOpt7_0"})
        EXPECT_TRUE(ctl<QRadioButton>(on)->isChecked()) << on;
    for (const char* off : {"PrtChk1", "PrtChk2", "PrtChk3"})
        EXPECT_FALSE(ctl<QCheckBox>(off)->isChecked()) << off;
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt12")->text(), QStringLiteral("1"));
    EXPECT_EQ(buttonState(), QStringLiteral("normal"));
    EXPECT_EQ(focused(), QStringLiteral("PrtCmd1"));
    EXPECT_FALSE(shown("PrtLbl3"));
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt3")->maxLength(), 60);

    // Captions with their access keys, and the tool tips people read.
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } texts[] = {
        {"PrtOpt3_0", "Name And Address &Book", ""},
        {"PrtOpt3_3", "N&&A &Database Listing", ""},
        {"PrtOpt3_5", "Rotary Fil&e Cards", ""},
        {"PrtOpt3_6", "En&velopes", "Print Envelope(s)"},
        {"PrtChk1", "Lar&ge Print", "Produce N&A Book With Large Type"},
        {"PrtOpt1_1", "Mailing List  &File", ""},
        {"PrtOpt2_3", "Sort On Ke&y 2 (Major) + Key 1 (Minor)", ""},
        {"PrtOpt2_4", "Do Not &Sort Records", ""},
        {"PrtOpt4_0", "1-Across Labels (1\" &x 3 1/2\")", ""},
        {"PrtOpt4_2", "&3-Across Labels (1\" x 2 5/8\")", ""},
        {"PrtOpt7_1", "2-Ac&ross Card Stock", ""},
        {"PrtChk3", "D&uplex (2-Side) Printing", ""},
        {"PrtChk2", "Repr&int Part Of A Report", ""},
        {"PrtCmd1", "&Print", "Start Printing The Report"},
        {"PrtCmd2", "Cance&l", "Don't Print A Report"},
        {"PrtCmd3", "&OK", "Print From The Selected Mailing List"},
        {"PrtCmd4", "Cance&l", "Don't Print From A Mailing List"},
        {"PrtCmd5", "&OK", "Reprint The Specified Pages"},
        {"PrtCmd6", "Cance&l", "Don't Do A Reprint"},
    };
    for (const auto& t : texts) {
        auto* b = ctl<QAbstractButton>(t.name);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->text(), QString::fromUtf8(t.caption)) << t.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(t.tip)) << t.name;
    }
    EXPECT_EQ(ctl<QGroupBox>("PrtFrm4")->title(), QStringLiteral("&Report Title (Optional)"));
    EXPECT_EQ(ctl("PrtTxt3")->toolTip(),
              QStringLiteral("Title To Print Above Report Name - Up To 60 Characters"));
    EXPECT_EQ(ctl<QLabel>("PrtLbl11")->text(), QStringLiteral("S&elect Mailing List:"));
    EXPECT_EQ(ctl<QLabel>("PrtLbl11")->buddy(), ctl("PrtFil1"));

    press("PrtCmd2");
    settle();
    EXPECT_FALSE(dialogOpen());
}

// Each state shows its own controls, locks what may not change meanwhile and
// puts the focus where the person goes on; leaving a state restores the normal one.
TEST_F(ReportDialogTest, EachStateShowsItsControlsAndFocus)
{
    env.openFile(people(1, 3));
    writeList(QStringLiteral("tvlmail.abc"), QStringLiteral("Holiday Cards"), {1});
    const char* const controls[] = {"PrtCmd1",  "PrtCmd2", "PrtFrm2", "PrtFrm4", "PrtFrm6",
                                    "PrtFrm12", "PrtFil1", "PrtTxt4", "PrtCmd3", "PrtCmd4",
                                    "PrtTxt1",  "PrtTxt2", "PrtCmd5", "PrtCmd6"};
    const QString normal = QStringLiteral("PrtCmd1 PrtCmd2 PrtFrm2 PrtFrm4 PrtFrm6 PrtFrm12");
    const struct {
        std::vector<const char*> presses;
        QString shown;
        bool sourceEnabled, reprintEnabled;
        const char* focus;
    } states[] = {
        {{}, normal, true, true, "PrtCmd1"},
        {{"PrtOpt1_1"},
         QStringLiteral("PrtFrm2 PrtFil1 PrtTxt4 PrtCmd3 PrtCmd4"),
         true,
         false,
         "PrtCmd3"},
        {{"PrtChk2"},
         QStringLiteral("PrtFrm4 PrtFrm6 PrtFrm12 PrtTxt1 PrtTxt2 PrtCmd5 PrtCmd6"),
         false,
         true,
         "PrtTxt1"},
        {{"PrtOpt1_1", "PrtCmd4"}, normal, true, true, "PrtCmd1"},
        {{"PrtOpt1_1", "PrtOpt1_0"}, normal, true, true, "PrtCmd1"},
        {{"PrtChk2", "PrtCmd6"}, normal, true, true, "PrtCmd1"},
        {{"PrtChk2", "PrtChk2"}, normal, true, true, "PrtCmd1"},
    };
    for (const auto& s : states) {
        closeAllWindows();
        settle();
        ASSERT_TRUE(openDialog());
        for (const char* name : s.presses)
            press(name);
        SCOPED_TRACE(s.presses.empty() ? "opened" : s.presses.back());
        QStringList shownNow;
        for (const char* name : controls)
            if (shown(name))
                shownNow << QLatin1String(name);
        EXPECT_EQ(shownNow.join(QLatin1Char(' ')).toStdString(), s.shown.toStdString());
        EXPECT_EQ(enabled("Frame3"), s.sourceEnabled);
        EXPECT_EQ(enabled("PrtChk2"), s.reprintEnabled);
        EXPECT_EQ(focused().toStdString(), s.focus);
    }
}

TEST_F(ReportDialogTest, ReportKindsShowTheirStockQuantityAndLargePrint)
{
    env.openFile(people(1, 3));
    ASSERT_TRUE(openDialog());
    const struct {
        const char* option;
        bool labelStock, labelStockEnabled, cardStock, title, quantity, largePrint;
        const char* frame;
        const char* perAddress;
    } kinds[] = {
        {"PrtOpt3_4", true, true, false, false, true, false, "Label &Quantity",
         "Number Of Labels Per Address"},
        {"PrtOpt3_1", true, false, false, true, false, false, "Label &Quantity",
         "Number Of Labels Per Address"},
        {"PrtOpt3_5", false, false, true, false, true, false, "Rotary File Card &Quantity",
         "Number Of Cards Per Address"},
        {"PrtOpt3_0", true, false, false, true, false, true, "Rotary File Card &Quantity",
         "Number Of Cards Per Address"},
        {"PrtOpt3_2", true, false, false, true, false, false, "Rotary File Card &Quantity",
         "Number Of Cards Per Address"},
        {"PrtOpt3_3", true, false, false, true, false, false, "Rotary File Card &Quantity",
         "Number Of Cards Per Address"},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.option);
        ctl<QCheckBox>("PrtChk1")->setChecked(true);
        ctl("PrtCmd2")->setFocus();
        press(k.option);
        EXPECT_EQ(shown("PrtFrm6"), k.labelStock);
        if (k.labelStock) {
            EXPECT_EQ(enabled("PrtFrm6"), k.labelStockEnabled);
            EXPECT_EQ(enabled("PrtOpt4_1"), k.labelStockEnabled);
        }
        EXPECT_EQ(shown("PrtFrm7"), k.cardStock);
        EXPECT_EQ(enabled("PrtFrm4"), k.title);
        EXPECT_EQ(enabled("PrtTxt3"), k.title);
        EXPECT_TRUE(shown("PrtFrm12"));
        EXPECT_EQ(enabled("PrtTxt12"), k.quantity);
        EXPECT_EQ(ctl<QGroupBox>("PrtFrm12")->title(), QLatin1String(k.frame));
        EXPECT_EQ(ctl<QLabel>("PrtLbl12")->text(), QLatin1String(k.perAddress));
        EXPECT_EQ(shown("PrtChk1"), k.largePrint);
        // Large print is kept only for the book.
        EXPECT_EQ(ctl<QCheckBox>("PrtChk1")->isChecked(), k.largePrint);
        EXPECT_EQ(focused(), QStringLiteral("PrtCmd1"));
    }

    // Labels reset their stock to 1-across.
    press("PrtOpt3_4");
    press("PrtOpt4_2");
    press("PrtOpt3_1");
    press("PrtOpt3_4");
    EXPECT_TRUE(ctl<QRadioButton>("PrtOpt4_0")->isChecked());

    env.ui.setAutoOk(true);
    // A quantity that is not a whole number of at least 1 never reaches a run,
    // for labels or cards.
    for (const char* kind : {"PrtOpt3_4", "PrtOpt3_5"}) {
        press(kind);
        for (const char* bad : {"0", "", "x2", "-3"}) {
            type(ctl<QLineEdit>("PrtTxt12"), QLatin1String(bad));
            press("PrtCmd1");
            EXPECT_EQ(env.ui.last().text, quantityRefusedText()) << bad;
            EXPECT_EQ(focused(), QStringLiteral("PrtTxt12"));
        }
    }
    EXPECT_TRUE(dialogOpen());
    EXPECT_TRUE(env.printer.texts.empty());
}

// Labels go to the print run with the stock and quantity chosen; the dialog closes after.
// Envelopes hand over: the report dialog closes and the envelope dialog opens.
TEST_F(ReportDialogTest, EnvelopesOpenTheEnvelopeDialog)
{
    env.openFile({{1, makeRecord(1, QStringLiteral("Ann"))}});
    ASSERT_TRUE(openDialog());
    press("PrtOpt3_6");
    settle();
    EXPECT_FALSE(dialogOpen());
    EXPECT_TRUE(loadedWindow(QStringLiteral("EnvelopePrint")));
    EXPECT_TRUE(env.ui.messages.empty());
}

TEST_F(ReportDialogTest, LabelsPrintWithTheirStockAndQuantity)
{
    env.openFile(people(1, 3));
    ASSERT_TRUE(openDialog());
    press("PrtOpt3_4");
    press("PrtOpt4_2");
    type(ctl<QLineEdit>("PrtTxt12"), QStringLiteral("2"));
    env.ui.answer(Ui::Answer::No); // no test page
    env.ui.onModal([](QDialog& d) { click(control<QPushButton>(&d, "VertCmd1")); });
    env.ui.setAutoOk(true);
    press("PrtCmd1");
    EXPECT_EQ(env.ui.modalWindows, QStringList{"VertPosForm"});
    std::vector<double> xs;
    for (const auto& t : env.printer.texts)
        if (t.text.startsWith(u"Person"))
            xs.push_back(t.x);
    EXPECT_EQ(xs, (std::vector<double>{0, 4000, 8000, 0, 4000, 8000}));
    EXPECT_EQ(env.ui.last().text, completed(1));
    settle();
    EXPECT_FALSE(dialogOpen());
}

TEST_F(ReportDialogTest, MailingListSourceWithoutLists)
{
    env.openFile(people(1, 3));
    ASSERT_TRUE(openDialog());
    env.ui.setAutoOk(true);
    press("PrtOpt1_1");
    EXPECT_EQ(env.ui.last().text, QStringLiteral("There Are No Mailing Lists."));
    EXPECT_EQ(env.ui.last().title, kTitle);
    EXPECT_TRUE(ctl<QRadioButton>("PrtOpt1_0")->isChecked());
    EXPECT_EQ(buttonState(), QStringLiteral("normal"));
    EXPECT_TRUE(shown("PrtFrm4"));
}

TEST_F(ReportDialogTest, MailingListPickerShowsTitlesAndConfirmsAList)
{
    env.openFile(people(1, 3));
    writeList(QStringLiteral("tvlmail.abc"), QStringLiteral("Holiday Cards"), {1, 3});
    writeList(QStringLiteral("tvlmail.blk"), QString(QChar(21)) + QStringLiteral("hidden"), {2});
    ASSERT_TRUE(openDialog());
    env.ui.setAutoOk(true);

    press("PrtOpt3_5"); // cards: their stock must come back after the picker
    press("PrtOpt1_1");
    EXPECT_EQ(buttonState(), QStringLiteral("picker"));
    EXPECT_EQ(focused(), QStringLiteral("PrtCmd3"));
    for (const char* gone : {"PrtFrm4", "PrtTxt3", "PrtFrm6", "PrtFrm7", "PrtFrm12", "PrtTxt12"})
        EXPECT_FALSE(shown(gone)) << gone;
    EXPECT_FALSE(enabled("PrtChk2")); // one button state at a time
    auto* files = ctl<QListView>("PrtFil1");
    ASSERT_EQ(files->model()->rowCount(), 2);

    press("PrtCmd3");
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Please Select A Filename Or Click The Cancel Button."));
    EXPECT_EQ(buttonState(), QStringLiteral("picker"));

    auto lineOf = [&](const char* name) {
        return files->model()
            ->match(files->model()->index(0, 0), Qt::DisplayRole, QLatin1String(name), 1,
                    Qt::MatchExactly)
            .value(0);
    };
    auto select = [&](const char* name) { files->setCurrentIndex(lineOf(name)); };
    select("tvlmail.blk");
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt4")->text(), QString(40, QLatin1Char(' ')));
    // A mouse click shows the title and moves on to OK.
    const QModelIndex abc = lineOf("tvlmail.abc");
    ASSERT_TRUE(abc.isValid());
    files->setFocus();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(abc).center());
    EXPECT_EQ(ctl<QLineEdit>("PrtTxt4")->text(),
              QStringLiteral("Holiday Cards").leftJustified(40, QLatin1Char(' ')));
    EXPECT_EQ(focused(), QStringLiteral("PrtCmd3"));
    press("PrtCmd3");
    EXPECT_EQ(buttonState(), QStringLiteral("normal"));
    EXPECT_TRUE(shown("PrtLbl3"));
    EXPECT_EQ(ctl<QLabel>("PrtLbl3")->text(), QStringLiteral("tvlmail.abc"));
    EXPECT_TRUE(shown("PrtFrm7"));
    EXPECT_FALSE(shown("PrtFrm6"));
    EXPECT_TRUE(shown("PrtFrm4"));
    EXPECT_TRUE(enabled("PrtTxt12"));
    EXPECT_EQ(w()->options().mailListFile, QStringLiteral("tvlmail.abc"));

    // Back to the picker, then its Cancel: the whole file again.
    press("PrtOpt1_0");
    EXPECT_FALSE(shown("PrtLbl3"));
    press("PrtOpt1_1");
    press("PrtCmd4");
    EXPECT_TRUE(ctl<QRadioButton>("PrtOpt1_0")->isChecked());
    EXPECT_EQ(buttonState(), QStringLiteral("normal"));
    EXPECT_TRUE(shown("PrtFrm7"));
    EXPECT_TRUE(w()->options().mailListFile.isEmpty());
}

TEST_F(ReportDialogTest, ReprintRangeIsCheckedBeforeItIsTaken)
{
    env.openFile(people(1, 3));
    ASSERT_TRUE(openDialog());
    env.ui.setAutoOk(true);
    press("PrtChk2");
    EXPECT_EQ(buttonState(), QStringLiteral("range"));
    EXPECT_EQ(focused(), QStringLiteral("PrtTxt1"));
    EXPECT_FALSE(enabled("PrtOpt1_1")); // one button state at a time

    const struct {
        const char* from;
        const char* through;
    } bad[] = {{"0", "5"}, {"3", "0"}, {"", "5"}, {"4", ""}, {"6", "4"}, {"abc", "2"}};
    for (const auto& r : bad) {
        type(ctl<QLineEdit>("PrtTxt1"), QLatin1String(r.from));
        type(ctl<QLineEdit>("PrtTxt2"), QLatin1String(r.through));
        press("PrtCmd5");
        EXPECT_EQ(env.ui.last().text, QStringLiteral("Invalid Page Range.  Please Re-Enter."))
            << r.from << "-" << r.through;
        EXPECT_EQ(buttonState(), QStringLiteral("range"));
    }
    const auto before = env.ui.messages.size();
    type(ctl<QLineEdit>("PrtTxt1"), QStringLiteral("4"));
    type(ctl<QLineEdit>("PrtTxt2"), QStringLiteral("6"));
    press("PrtCmd5");
    EXPECT_EQ(env.ui.messages.size(), before);
    EXPECT_EQ(buttonState(), QStringLiteral("normal"));
    EXPECT_TRUE(ctl<QCheckBox>("PrtChk2")->isChecked());
    EXPECT_EQ(focused(), QStringLiteral("PrtCmd1"));
    ReportOptions o = w()->options();
    EXPECT_TRUE(o.reprint);
    EXPECT_EQ(o.reprintFrom, 4);
    EXPECT_EQ(o.reprintThrough, 6);

    // Unchecking, and the range's own Cancel, drop the range.
    press("PrtChk2");
    EXPECT_EQ(buttonState(), QStringLiteral("normal"));
    EXPECT_FALSE(w()->options().reprint);
    press("PrtChk2");
    press("PrtCmd6");
    EXPECT_EQ(buttonState(), QStringLiteral("normal"));
    EXPECT_FALSE(ctl<QCheckBox>("PrtChk2")->isChecked());
    EXPECT_TRUE(enabled("PrtOpt1_1"));
}

TEST_F(ReportDialogTest, PrintRunsTheChosenReportAndClosesTheDialog)
{
    std::map<int, NARecord> recs = people(1, 5);
    recs[2] = deletedRecord(2, QStringLiteral("Person 2")); // a deleted member is skipped
    env.openFile(recs);
    writeList(QStringLiteral("tvlmail.fam"), QStringLiteral("Family"), {2, 4, 5});
    ASSERT_TRUE(openDialog());
    env.ui.setAutoOk(true);

    press("PrtOpt3_1");
    type(ctl<QLineEdit>("PrtTxt3"), QStringLiteral("Our Family"));
    press("PrtOpt2_4");
    press("PrtOpt1_1");
    auto* files = ctl<QListView>("PrtFil1");
    files->setCurrentIndex(files->model()->index(0, 0));
    press("PrtCmd3");
    press("PrtCmd1");
    settle();

    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(loadedWindow(QStringLiteral("StopPrintForm")), nullptr);
    EXPECT_EQ(loadedWindow(QStringLiteral("CancelForm")), nullptr);
    EXPECT_EQ(env.ui.last().text, completed(1));
    const RecordingPrinter::Text* title = env.printer.find(QStringLiteral("Our Family"));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->y, 720);
    ASSERT_TRUE(env.printer.find(QStringLiteral("Telephone List")));
    QStringList names;
    for (const auto& t : env.printer.texts) {
        if (t.text.startsWith(QLatin1String("Person")))
            names << t.text.trimmed();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Person 4"), QStringLiteral("Person 5")}));
}

TEST_F(ReportDialogTest, LargePrintBookWithAReprintRange)
{
    std::map<int, NARecord> recs = people(1, 6); // two entries a page: pages 1 to 3
    for (auto& [id, r] : recs)
        r.SortKey1 = QStringLiteral("KEY %1").arg(7 - id); // sorted on key 1: 6 first
    env.openFile(recs);
    ASSERT_TRUE(openDialog());
    env.ui.setAutoOk(true);
    press("PrtChk1");
    press("PrtChk2");
    type(ctl<QLineEdit>("PrtTxt1"), QStringLiteral("2"));
    type(ctl<QLineEdit>("PrtTxt2"), QStringLiteral("2"));
    press("PrtCmd5");
    press("PrtCmd1");
    settle();

    EXPECT_FALSE(dialogOpen());
    QStringList names;
    for (const auto& t : env.printer.texts) {
        if (t.text.startsWith(QLatin1String("Person"))) {
            names << t.text.trimmed();
            EXPECT_EQ(t.font, QStringLiteral("Arial"));
            EXPECT_EQ(t.size, 16);
        }
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Person 4"), QStringLiteral("Person 3")}));
    EXPECT_EQ(env.ui.last().text, completed(2));
}

TEST_F(ReportDialogTest, PrintOnAnEmptyFileSaysSoAndCloses)
{
    env.openFile({});
    ASSERT_TRUE(openDialog());
    env.ui.setAutoOk(true);
    press("PrtCmd1");
    settle();
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The N&A File Is Empty.  There Is Nothing To Print."));
    EXPECT_FALSE(dialogOpen());
    EXPECT_TRUE(env.printer.texts.empty());
}

TEST_F(ReportDialogTest, StopPrintCancelAsksTheRunToStop)
{
    env.openFile(people(1, 2));
    auto* w = new PrintProgressWindow(p);
    loadWindow(w);
    w->show();
    w->showLastPage(7);
    EXPECT_EQ(w->lastPageEdit->text(), QStringLiteral("7"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Printing"));
    EXPECT_FALSE(w->completedOkButton->isVisible());
    p.StopRequested = false;
    click(w->stopButton);
    settle();
    EXPECT_TRUE(p.StopRequested);
    EXPECT_EQ(loadedWindow(QStringLiteral("StopPrintForm")), nullptr);
}

} // namespace
} // namespace tavrel::test
