#include "EnvelopeFixture.h"

#include "envelopes/gui/EnvelopeCommands.h"
#include "envelopes/gui/EnvelopeDialog.h"
#include "platform/Errors.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/Windows.h"
#include "store/RecordAccess.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <string_view>

namespace tavrel::test {

namespace {

const QString kConflict =
    QStringLiteral("You Cannot Specify 'No Return Address' And 'No To Address' Simultaneously.\n\n"
                   "These Options Are Being Reset. Please Reselect Addressing Options.");

} // namespace

class EnvelopeDialogTest : public EnvelopeTest {
protected:
    EnvelopeDialog* w = nullptr;

    void SetUp() override
    {
        // ID 8 lies at LastRecNo (8), past the last record: it looks active on
        // disk but is never read as data.
        env.openFile({{2, envelopePerson(2, QStringLiteral("zed"))},
                      {5, envelopePerson(5, QStringLiteral("amy"))},
                      {7, envelopePerson(7, QStringLiteral("max"))},
                      {8, envelopePerson(8, QStringLiteral("aaa"))}},
                     8);
        p.SortPref = QLatin1Char('0');
    }

    void open()
    {
        showEnvelopeDialog(p);
        w = windowOf<EnvelopeDialog>(QStringLiteral("EnvelopePrint"));
        ASSERT_TRUE(w);
    }

    template <typename T = QWidget> T* c(const QString& name) { return control<T>(w, name); }
    QRadioButton* option(const QString& name) { return c<QRadioButton>(name); }
    void choose(const QString& name) { click(option(name)); }

    // The panels showing, each by one of its controls, in a fixed order.
    QStringList panels()
    {
        QStringList out;
        for (const QString& name :
             QStringLiteral("EnvAddrInstrLabel EnvAddrOKButton ReturnAddressList "
                            "ReturnAddressListOKButton MailingAddressListOKButton File1 "
                            "EnvMailingListSortByFrame EnvMailingListSortByOKButton Frame3 "
                            "ForEachAddrLabel")
                 .split(u' '))
            if (c(name)->isVisible())
                out << name;
        return out;
    }

    // Types up to five lines into the keyboard panel and presses its OK.
    void typeAddress(const QStringList& lines)
    {
        for (int i = 0; i < 5; ++i)
            type(c<QLineEdit>(QStringLiteral("EnvAddrLine_%1").arg(i)), lines.value(i));
        click(c<QPushButton>("EnvAddrOKButton"));
    }
    QStringList listLines(const QString& name) { return shownLines(c<QAbstractItemView>(name)); }
    void pickLine(const QString& list, int row)
    {
        auto* l = c<QAbstractItemView>(list);
        l->setCurrentIndex(l->model()->index(row, 0));
    }
};

// A size the printer refuses falls back to Commercial #10; closing the dialog,
// by its Cancel or its close box, leaves the printer on letter again.
TEST_F(EnvelopeDialogTest, OpensWithTheFirstSizeAndClosesOnLetterPaper)
{
    env.printer.unsupportedPapers = {27};
    open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Print Envelopes"));
    EXPECT_TRUE(option("EnvOpt3_0")->isChecked());
    EXPECT_TRUE(option("EnvOpt4_0")->isChecked());
    EXPECT_EQ(option("EnvOpt2_4")->text(), QStringLiteral("No \"To\" A&ddress"));
    EXPECT_EQ(option("EnvOpt3_6")->text(), QStringLiteral("C5 (162mm x 22&9mm)"));
    EXPECT_EQ(c<QGroupBox>("Frame2")->title(), QStringLiteral("Mailing (\"To\") Address"));
    EXPECT_EQ(c<QLineEdit>("EnvNumberEnv")->text(), QStringLiteral("1"));
    EXPECT_TRUE(c<QLabel>("ReturnAddressListLabel")->wordWrap()); // a long note, wrapped

    env.ui.onModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Quick Help - How To Print Envelopes"));
        click(control<QPushButton>(&d, QStringLiteral("EnvExplainOKButton")));
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    click(c<QPushButton>("EnvQuickHelpButton"));
    EXPECT_EQ(env.ui.modalWindows, QStringList{"EnvExplain"});

    env.ui.setAutoOk(true);
    choose("EnvOpt3_5");
    EXPECT_EQ(env.printer.paperSize(), 34);
    choose("EnvOpt3_3");
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Your Printer Does Not Support The Specified Envelope Size.\n\n "
                             "Please Refer To Your Printer Documentation Then Select A Different "
                             "Envelope Size."));
    EXPECT_TRUE(option("EnvOpt3_0")->isChecked());
    EXPECT_EQ(env.printer.paperSize(), 20);

    click(c<QPushButton>("EnvCancelButton"));
    settle();
    EXPECT_FALSE(findWindow(QStringLiteral("EnvelopePrint")));
    EXPECT_EQ(env.printer.paperSize(), 1);
    open();
    choose("EnvOpt3_4");
    w->close();
    settle();
    EXPECT_EQ(env.printer.paperSize(), 1);
}

// Enter in an address box goes on to the next box and in the last one
// presses OK, for the return and the mailing address alike.
TEST_F(EnvelopeDialogTest, EnterGoesThroughTheAddressBoxesAndLastPressesOK)
{
    open();
    for (const char* option : {"EnvOpt1_0", "EnvOpt2_0"}) {
        SCOPED_TRACE(option);
        choose(option);
        for (int i = 0; i < 5; ++i) {
            auto* box = c<QLineEdit>(QStringLiteral("EnvAddrLine_%1").arg(i));
            ASSERT_EQ(w->focusWidget(), box);
            EXPECT_EQ(box->accessibleName(), QStringLiteral("Envelope Address Line %1").arg(i + 1));
            QTest::keyClicks(box, QStringLiteral("%1 line %2").arg(QLatin1String(option)).arg(i));
            QTest::keyClick(box, i % 2 ? Qt::Key_Enter : Qt::Key_Return);
        }
        EXPECT_EQ(panels(), QStringList{"Frame3"});
        EXPECT_EQ(w->focusWidget(), c("EnvPrintButton"));
    }
}

// Enter presses the open panel's default button from any control of the
// window that does not take it itself: the print options' Print, the name
// list's OK, the mailing-list picker's OK and the sort order's OK. An address
// box's Enter stays its own (EnterGoesThroughTheAddressBoxesAndLastPressesOK).
TEST_F(EnvelopeDialogTest, EnterPressesTheOpenPanelsDefaultButton)
{
    writeList(QStringLiteral("a"), {2, 7}, QStringLiteral("Holiday Cards"));
    open();
    env.ui.setAutoOk(true);
    auto enterIn = [this](const char* name) {
        c(name)->setFocus();
        const std::size_t said = env.ui.messages.size();
        pressKey(w, Qt::Key_Return);
        return env.ui.messages.size() > said ? env.ui.last().text : QString();
    };
    // Print with no address chosen says so.
    const QString noReturn = QStringLiteral("Please Select A 'Return Address' Option.");
    for (const char* focus : {"EnvNumberEnv", "EnvOpt3_1", "EnvReturnItalics"})
        EXPECT_EQ(enterIn(focus), noReturn) << focus;
    EXPECT_TRUE(c<QPushButton>("EnvPrintButton")->isDefault());

    choose("EnvOpt1_1");
    EXPECT_EQ(enterIn("ReturnAddressList"),
              QStringLiteral("Please Select A Name For Return Address."));
    pickLine("ReturnAddressList", 1);
    enterIn("ReturnAddressList");
    EXPECT_EQ(w->returnAddress[0].trimmed(), QStringLiteral("Person 7"));
    EXPECT_EQ(panels(), QStringList{"Frame3"});

    choose("EnvOpt2_1");
    EXPECT_EQ(enterIn("File1"),
              QStringLiteral(" Please Select A Mailing List Or Click The Cancel Button"));
    pickLine("File1", 0);
    enterIn("EnvOpt5_2");
    EXPECT_EQ(panels(), (QStringList{"Frame3", "ForEachAddrLabel"}));
    EXPECT_EQ(w->job().mailListFile, QStringLiteral("tvlmail.a"));

    choose("EnvOpt2_3");
    ASSERT_TRUE(c("EnvMailingListSortByOKButton")->isVisible());
    choose("EnvOpt5_3");
    enterIn("EnvOpt5_3");
    EXPECT_FALSE(c("EnvMailingListSortByOKButton")->isVisible());
    EXPECT_EQ(panels(), QStringList{"Frame3"});
    EXPECT_EQ(w->job().sortIndex, 3);
}

TEST_F(EnvelopeDialogTest, OptionConflictsAndRefusals)
{
    open();
    env.ui.setAutoOk(true);
    // "No Return Address" and "No To Address" in either order.
    for (auto [first, second] : {std::pair{"EnvOpt1_2", "EnvOpt2_4"}, {"EnvOpt2_4", "EnvOpt1_2"}}) {
        choose(first);
        choose(second);
        EXPECT_EQ(env.ui.last().text, kConflict);
        EXPECT_FALSE(option("EnvOpt1_2")->isChecked());
        EXPECT_FALSE(option("EnvOpt2_4")->isChecked());
    }

    // No mailing list files at all.
    choose("EnvOpt2_1");
    EXPECT_EQ(env.ui.last().text, QStringLiteral("There Are No Mailing Lists."));
    EXPECT_FALSE(option("EnvOpt2_1")->isChecked());
    w->close();
    settle();
    writeList(QStringLiteral("a"), {5});
    open();

    // A return option while a mailing panel is open: refused, none chosen,
    // the panel stays until its Cancel (which keeps a mailing list chosen).
    choose("EnvOpt1_2");
    const std::pair<const char*, const char*> mailing[] = {
        {"EnvOpt2_0", "EnvAddrCancelButton"},
        {"EnvOpt2_2", "MailingAddressListCancelButton"},
        {"EnvOpt2_1", "EnvMailingListCancelButton"}};
    for (auto [panel, cancel] : mailing) {
        SCOPED_TRACE(panel);
        choose(panel);
        const QStringList shown = panels();
        choose("EnvOpt1_1");
        EXPECT_EQ(env.ui.last().text, QStringLiteral("Please Complete The Mailing Address Or "
                                                     "Choose Another Mailing Address Option."));
        for (const char* o : {"EnvOpt1_0", "EnvOpt1_1", "EnvOpt1_2"})
            EXPECT_FALSE(option(o)->isChecked()) << o;
        EXPECT_EQ(panels(), shown);
        click(c<QPushButton>(cancel));
        EXPECT_EQ(option(panel)->isChecked(), panel == QLatin1String("EnvOpt2_1"));
    }
    // After such a reset a group still holds one choice at a time.
    const auto expectOneAtATime = [&](const char* first, const char* second, const char* cancel) {
        choose(first);
        choose(second);
        EXPECT_FALSE(option(first)->isChecked()) << first;
        click(c<QPushButton>(cancel));
    };
    expectOneAtATime("EnvOpt1_2", "EnvOpt1_0", "EnvAddrCancelButton");

    // A mailing option while the return name list is open.
    choose("EnvOpt1_1");
    choose("EnvOpt2_3");
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Please Complete The Return Address Or Choose "
                                                 "Another Return Address Option."));
    EXPECT_FALSE(option("EnvOpt2_3")->isChecked());
    EXPECT_EQ(panels(),
              (QStringList{"EnvAddrInstrLabel", "ReturnAddressList", "ReturnAddressListOKButton"}));
    click(c<QPushButton>("ReturnAddressListCancelButton"));
    EXPECT_FALSE(option("EnvOpt1_1")->isChecked());
    EXPECT_EQ(panels(), QStringList{"Frame3"});
    expectOneAtATime("EnvOpt2_3", "EnvOpt2_2", "MailingAddressListCancelButton");
    expectOneAtATime("EnvOpt1_2", "EnvOpt1_0", "EnvAddrCancelButton");
}

// Each panel beside the address options: the panels it shows (and no
// other), its instruction and where the focus goes, from a fresh dialog.
TEST_F(EnvelopeDialogTest, EachPanelShowsItsControlsAndTakesTheFocus)
{
    const char* const keys = "EnvAddrInstrLabel EnvAddrOKButton";
    const char* const listPanel = "EnvAddrInstrLabel File1 EnvMailingListSortByFrame";
    // The options and buttons clicked and lists' first line picked; the panels
    // showing; the focus and the instruction ("": not checked).
    const std::array<const char*, 4> rows[] = {
        {"", "Frame3", "", ""},
        {"EnvOpt1_0", keys, "EnvAddrLine_0", "Please Enter Return Address Below"},
        {"EnvOpt2_0", keys, "EnvAddrLine_0", "Please Enter Mailing Address Below"},
        {"EnvOpt1_1", "EnvAddrInstrLabel ReturnAddressList ReturnAddressListOKButton",
         "ReturnAddressList", "Please Select The Return Address Name"},
        {"EnvOpt2_2", "EnvAddrInstrLabel ReturnAddressList MailingAddressListOKButton",
         "ReturnAddressList", "Please Select The 'Mail To' Name"},
        {"EnvOpt2_1", listPanel, "File1", "Please Select The Desired Mailing List"},
        {"EnvOpt2_3", "EnvMailingListSortByFrame EnvMailingListSortByOKButton", "EnvOpt2_3", ""},
        {"EnvOpt2_3 EnvMailingListSortByOKButton", "Frame3", "EnvPrintButton", ""},
        {"EnvOpt2_1 File1 EnvMailingListOKButton", "Frame3 ForEachAddrLabel", "EnvPrintButton", ""},
        // One panel at a time: the next option closes the one open.
        {"EnvOpt2_3 EnvOpt2_1", listPanel, "File1", ""},
        {"EnvOpt2_2 EnvOpt2_4", "Frame3", "EnvPrintButton", ""},
        {"EnvOpt2_3 EnvOpt1_0", keys, "EnvAddrLine_0", ""},
    };
    writeList(QStringLiteral("a"), {5, 7});
    for (const auto& [steps, shown, focus, instruction] : rows) {
        SCOPED_TRACE(steps);
        open();
        for (const QString& step : QString(steps).split(u' ', Qt::SkipEmptyParts)) {
            if (qobject_cast<QAbstractItemView*>(c(step))) {
                pickLine(step, 0);
                continue;
            }
            c(step)->setFocus(); // as a mouse click gives it
            click(c<QAbstractButton>(step));
        }
        EXPECT_EQ(panels(), QString(shown).split(u' '));
        EXPECT_TRUE(!*focus || w->focusWidget() == c(focus)) << w->focusWidget();
        const QString said = c<QLabel>("EnvAddrInstrLabel")->text();
        EXPECT_TRUE(!*instruction || said == QLatin1String(instruction)) << said.toStdString();
        w->close();
        settle();
    }
}

// The name list: filled once per opening in the display order; a line stands
// for the ID of the name it shows, even after a run refilled the shared list.
TEST_F(EnvelopeDialogTest, NameListPicksTheIdOfTheLineShown)
{
    writeList(QStringLiteral("a"), {2, 7}, QStringLiteral("Holiday Cards"));
    open();
    env.ui.setAutoOk(true);
    choose("EnvOpt1_1");
    EXPECT_EQ(listLines("ReturnAddressList"),
              (QStringList{QStringLiteral("Person 5").leftJustified(35),
                           QStringLiteral("Person 7").leftJustified(35),
                           QStringLiteral("Person 2").leftJustified(35)}));
    click(c<QPushButton>("ReturnAddressListOKButton"));
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Please Select A Name For Return Address."));
    pickLine("ReturnAddressList", 1);
    click(c<QPushButton>("ReturnAddressListOKButton"));
    EXPECT_EQ(w->returnAddress[0].trimmed(), QStringLiteral("Person 7"));
    EXPECT_EQ(w->returnAddress[1].trimmed(), QStringLiteral("7 Main Street"));

    // The list picker shows the chosen list's title; a run over the list stops
    // at the test question: the dialog stays, and the shared sorted list now
    // holds the run's IDs (2, 7).
    choose("EnvOpt2_1");
    click(c<QPushButton>("EnvMailingListOKButton"));
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral(" Please Select A Mailing List Or Click The Cancel Button"));
    pickLine("File1", 0);
    EXPECT_EQ(c<QLineEdit>("EnvMailingListTitleText")->text(),
              QStringLiteral("Holiday Cards").leftJustified(40));
    choose("EnvOpt5_4");
    click(c<QPushButton>("EnvMailingListOKButton"));
    env.ui.answer(Ui::Answer::Cancel);
    click(c<QPushButton>("EnvPrintButton"));
    EXPECT_TRUE(isLoaded(w));
    EXPECT_EQ(p.sortedId(1), 2);

    // A record added meanwhile does not appear: the list is not read again.
    Get_NA_Rec(p, 4);
    p.CurRec = envelopePerson(3, QStringLiteral("aaa"));
    Put_NA_Rec(p, 4);
    choose("EnvOpt2_2");
    EXPECT_EQ(listLines("ReturnAddressList").size(), 3);
    // From the keyboard: the find box leaves one line, and Enter takes it for this panel.
    pressKey(w, Qt::Key_F, Qt::AltModifier);
    QTest::keyClicks(c("ReturnAddressListFilter"), QStringLiteral("5"));
    EXPECT_EQ(listLines("ReturnAddressList").size(), 1);
    pressKey(w, Qt::Key_Return);
    EXPECT_EQ(w->mailAddress[0].trimmed(), QStringLiteral("Person 5"));

    // An empty file: the list says so, and OK asks for a name.
    w->close();
    settle();
    env.openFile({});
    open();
    choose("EnvOpt2_2");
    EXPECT_EQ(env.ui.last().text, QStringLiteral("The N&A File Is Empty."));
    click(c<QPushButton>("MailingAddressListOKButton"));
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Please Select A Name For Mailing Address."));
}

// The progress window counts the envelopes; its Cancel abandons the job after
// the envelope in progress.
TEST_F(EnvelopeDialogTest, TheProgressWindowCountsAndCancels)
{
    open();
    env.ui.setAutoOk(true);
    choose("EnvOpt1_2");
    choose("EnvOpt2_3");
    choose("EnvOpt5_4");
    click(c<QPushButton>("EnvMailingListSortByOKButton"));
    QStringList seen;
    env.ui.onProcessEvents = [&] {
        auto* progress = findWindow(QStringLiteral("EnvProgress"));
        if (!progress || !progress->isVisible())
            return;
        EXPECT_EQ(progress->windowTitle(), QStringLiteral("Envelope Printing"));
        EXPECT_FALSE(w->isEnabled()); // the dialog takes no clicks while it prints
        EXPECT_FALSE(w->close());     // nor closes
        seen << control<QLineEdit>(progress, QStringLiteral("EnvNumberPreparedTextbox"))->text();
        if (seen.size() == 2)
            click(control<QPushButton>(progress, QStringLiteral("EnvProgressCancelButton")));
    };
    env.ui.answer(Ui::Answer::No);
    click(c<QPushButton>("EnvPrintButton"));
    EXPECT_EQ(seen, (QStringList{"0", "1"}));
    EXPECT_EQ(mailNamesByPage(), (std::vector<QString>{"Person 2", "Person 5"}));
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), (QStringList{"killDoc", "endDoc"}));
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Envelope Printing Terminated At Your Request."));
    expectPrinterReset();
    settle();
    EXPECT_FALSE(findWindow(QStringLiteral("EnvProgress")));
    EXPECT_FALSE(findWindow(QStringLiteral("EnvelopePrint")));
}

// A printer that fails a size for any other reason ends the program.
TEST_F(EnvelopeDialogTest, AnyOtherSizeFailureEndsTheProgram)
{
    struct FailingPaper : RecordingPrinter {
        void setPaperSize(int) override { throw PlatformError(ErrNo::PrinterError); }
    } printer;
    Program other(env.services(printer));
    showEnvelopeDialog(other);
    w = windowOf<EnvelopeDialog>(QStringLiteral("EnvelopePrint"));
    ASSERT_TRUE(w);
    env.ui.setAutoOk(true);
    {
        // The handler is called directly: the program's end must not unwind through Qt.
        const QSignalBlocker quiet(option("EnvOpt3_2"));
        option("EnvOpt3_2")->setChecked(true);
    }
    EXPECT_THROW(w->onSizeChosen(), ProgramEnded);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Unexpected Error In Envelope Size Verification "
                                                 "Routine.  Err =  482.  Program Terminating."));
    w->close(); // while its printer is still there
}

// Typed addresses print, upper case and italics as chosen, and the dialog
// closes; a refused count goes back to its box. Preview's Print draws what
// Print would, turned for the upright feed, on the same paper; the test
// envelope question comes before the preview. A preview closed without
// printing prints nothing and leaves the dialog open.
TEST_F(EnvelopeDialogTest, TypedAddressesPrintAndPreviewPrintsTheSame)
{
    using Kind = RecordingPrinter::Op::Kind;
    using Paper =
        std::pair<std::vector<RecordingPrinter::Op>, std::vector<std::tuple<double, double, bool>>>;
    const auto paper = [](const RecordingPrinter& r) {
        Paper out;
        for (const auto& op : r.ops)
            if (op.kind != Kind::Orientation && op.kind != Kind::Paper && op.kind != Kind::Turn)
                out.first.push_back(op);
        for (const auto& t : r.texts)
            out.second.emplace_back(t.pageWidth, t.pageHeight, t.turned);
        return out;
    };
    env.ui.setAutoOk(true);
    Paper printed;
    for (const char* button : {"", "PreviewPrint", "PreviewClose"}) {
        SCOPED_TRACE(button);
        const bool preview = *button, closed = button == std::string_view("PreviewClose");
        env.printer = RecordingPrinter();
        open();
        choose("EnvOpt1_0");
        typeAddress({"Ann Sender", "1 Home Row"});
        choose("EnvOpt2_0");
        typeAddress({"Bob Receiver", "2 Far Lane", "Farville"});
        click(c<QCheckBox>("EnvMailingUppercase"));
        click(c<QCheckBox>("EnvReturnItalics"));
        choose("EnvOpt3_2");
        choose("EnvOpt4_1");
        if (!preview) {
            type(c<QLineEdit>("EnvNumberEnv"), QStringLiteral("40000"));
            click(c<QPushButton>("EnvPrintButton"));
            EXPECT_TRUE(env.printer.texts.empty());
            EXPECT_TRUE(isLoaded(w));
            EXPECT_EQ(w->focusWidget(), c("EnvNumberEnv"));
        }
        type(c<QLineEdit>("EnvNumberEnv"), QStringLiteral("2"));
        env.ui.answer(Ui::Answer::No); // no test envelope
        int pages = 0;
        if (preview)
            env.ui.onModal([&pages, button](QDialog& d) {
                pages = static_cast<PreviewWindow&>(d).pageCount();
                click(control<QPushButton>(&d, button));
            });
        click(c<QPushButton>(preview ? "EnvPreviewButton" : "EnvPrintButton"));
        if (closed) {
            EXPECT_TRUE(paper(env.printer).first.empty());
            EXPECT_TRUE(isLoaded(w));
            continue;
        }
        EXPECT_EQ(env.ui.last().text, QStringLiteral("Envelope Printing Completed."));
        EXPECT_TRUE(env.ui.allUsed());
        settle();
        EXPECT_FALSE(findWindow(QStringLiteral("EnvelopePrint")));
        if (preview) {
            EXPECT_EQ(pages, 2);
            EXPECT_EQ(paper(env.printer), printed);
            continue;
        }
        printed = paper(env.printer);
        // Two envelopes of the third size (the run's own tests say where each line goes).
        const auto& t = env.printer.texts;
        ASSERT_EQ(t.size(), 20u);
        EXPECT_EQ(std::tie(t[0].text, t[0].italic, t[0].turned),
                  std::make_tuple(QStringLiteral("Ann Sender").leftJustified(35), true, true));
        EXPECT_EQ(std::tie(t[5].text, t[5].italic),
                  std::make_tuple(QStringLiteral("BOB RECEIVER").leftJustified(35), false));
        EXPECT_TRUE(env.printer.log.contains(QStringLiteral("paper 38")));
    }
}

} // namespace tavrel::test
