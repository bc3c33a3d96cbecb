#pragma once

#include "maillists/MailListFile.h"
#include "reports/ReportRun.h"
#include "reports/gui/ReportQuestions.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace tavrel::test {

const QString kArial = QStringLiteral("Arial");
const QString kCourier = QStringLiteral("Courier New");
const QString kRefusal =
    QStringLiteral("The Print System Said: The printer or class does not exist.");

// `s` cut or padded with spaces to `width`, as the printouts show a field.
inline QString pad(const QString& s, int width)
{
    return s.leftJustified(width, u' ', true);
}

// The width of `text` in `font` at `size`, as the recording printer measures it.
inline double widthOf(const QString& text, double size, bool bold, const QString& font = kArial)
{
    RecordingPrinter m;
    m.setFontName(font);
    m.setFontSize(size);
    m.setFontBold(bold);
    return m.textWidth(text);
}

// Stands in for the progress windows and notes what the run showed.
class RecordedWindows : public RunWindows {
public:
    void showPreparing() override { calls << QStringLiteral("preparing"); }
    void closePreparing() override { calls << QStringLiteral("closePreparing"); }
    void showProgress() override { calls << QStringLiteral("progress"); }
    void showLastPageCompleted(int pageNo) override
    {
        calls << QStringLiteral("page %1").arg(pageNo);
        lastShown = pageNo;
    }
    void closeProgress() override { calls << QStringLiteral("closeProgress"); }

    QStringList calls;
    int lastShown = -1;
};

// Person `id` with every printed field filled so that each field is told
// apart: the comment is 34 a's, 33 b's and 33 c's, so each printed comment
// line shows one letter.
inline NARecord reportPerson(int id)
{
    NARecord r = makeRecord(id, QStringLiteral("Person %1").arg(id),
                            QStringLiteral("k1-%1").arg(id), QStringLiteral("k2-%1").arg(id));
    for (int i = 1; i <= 4; ++i)
        r.linkText(i) = QStringLiteral("link %1.%2").arg(id).arg(i);
    r.LinkId1 = qint16(id + 1);
    r.AddrLine1 = QStringLiteral("%1 Main Street").arg(id);
    r.AddrLine2 = QStringLiteral("Suite %1").arg(id);
    r.AddrLine3 = QStringLiteral("Springfield");
    r.AddrLine4 = QStringLiteral("USA %1").arg(id);
    for (int i = 1; i <= 5; ++i) {
        r.phoneType(i) = QStringLiteral("Tel%1").arg(i);
        r.phoneNum(i) = QStringLiteral("555-%1-%2").arg(id).arg(i);
    }
    r.EMail = QStringLiteral("p%1@example.com").arg(id);
    r.Comments = QString(34, u'a') + QString(33, u'b') + QString(33, u'c');
    return r;
}

// A program over a file of people 1..n; no window outlives the test.
class ReportTest : public ::testing::Test {
protected:
    ~ReportTest() override { closeAllWindows(); }

    TestEnv env;
    Program& p = env.p();
    RecordedWindows windows;

    static std::map<int, NARecord> peopleWithDetails(int n)
    {
        std::map<int, NARecord> out;
        for (int id = 1; id <= n; ++id)
            out[id] = reportPerson(id);
        return out;
    }

    void openPeople(int n) { env.openFile(peopleWithDetails(n)); }
    // Mailing list file `name` whose members are the IDs in `ids` ("2 5 7").
    void writeList(const char* name, const QString& title, const char* ids)
    {
        parseIdList(p, QString::fromLatin1(ids));
        writeMailList(p, QString::fromLatin1(name), title);
    }

    static ReportOptions options(ReportKind kind, int sequence = 4)
    {
        ReportOptions o;
        o.questions = &windowQuestions();
        o.kind = kind;
        o.sequence = sequence;
        return o;
    }
    static ReportOptions labels(int stock, int quantity = 1, ReportKind kind = ReportKind::Labels)
    {
        ReportOptions o = options(kind);
        (kind == ReportKind::Cards ? o.cardStock : o.labelStock) = stock;
        o.quantity = quantity;
        return o;
    }
    static ReportOptions cards(int stock, int quantity = 1)
    {
        return labels(stock, quantity, ReportKind::Cards);
    }

    // Runs the report; the completion or cancellation box is answered OK.
    RunEnd run(ReportOptions o)
    {
        env.ui.setAutoOk(true);
        // A run somebody watches answers its questions in the windows.
        if (!o.unattended && !o.questions)
            o.questions = &windowQuestions();
        return runReport(p, o, windows);
    }

    // Each sheet that got something, in print order, as "document.sheet=n"
    // where n is the page number in its footer (or "End Of Report").
    std::vector<std::string> sheets() const
    {
        std::map<std::pair<int, int>, QString> byPage;
        for (const auto& t : env.printer.texts) {
            QString& label = byPage[{t.document, t.page}];
            if (t.text == QStringLiteral("End Of Report") ||
                (t.y == 14000 && !t.text.startsWith(QStringLiteral("Produced"))))
                label = t.text;
        }
        std::vector<std::string> out;
        for (const auto& [at, label] : byPage)
            out.push_back(
                QStringLiteral("%1.%2=%3").arg(at.first).arg(at.second).arg(label).toStdString());
        return out;
    }

    // The IDs printed on a sheet, in print order (from each entry's name line).
    std::vector<int> namesOn(int page, int document = 0) const
    {
        std::vector<int> ids;
        for (const auto& t : env.printer.texts)
            if (t.page == page && t.document == document && t.text.startsWith(u"Person "))
                ids.push_back(t.text.mid(7).trimmed().section(u' ', 0, 0).toInt());
        return ids;
    }

    QString lastMessage() const { return env.ui.messages.empty() ? QString() : env.ui.last().text; }

    // Answers the label-stock window: continuous forms or cut sheets.
    void chooseStock(bool continuous)
    {
        env.ui.onModal([continuous, this](QDialog& d) {
            EXPECT_FALSE(env.ui.waitCursor) << "no hourglass over the window";
            click(control<QRadioButton>(&d, continuous ? "StockOpt2_1" : "StockOpt2_0"));
            click(control<QPushButton>(&d, "Command3D1"));
        });
    }
    // Answers the positioning window: a whole sheet, whatever slot the last
    // run left free, the choices, then OK (or Cancel).
    void position(int vertical = 4, int horizontal = 0, bool italic = false, bool upper = false,
                  bool ok = true)
    {
        env.ui.onModal([=, this](QDialog& d) {
            EXPECT_FALSE(env.ui.waitCursor) << "no hourglass over the window";
            if (auto* first = d.findChild<QPushButton*>(QStringLiteral("SheetFirstSlot")))
                click(first);
            click(control<QRadioButton>(&d, QStringLiteral("VertOpt1_%1").arg(vertical)));
            click(control<QRadioButton>(&d, QStringLiteral("HorizPos_%1").arg(horizontal)));
            if (italic)
                click(control<QCheckBox>(&d, "PosItalChk"));
            if (upper)
                click(control<QCheckBox>(&d, "PosUpperChk"));
            click(control<QPushButton>(&d, ok ? "VertCmd1" : "VertCmd2"));
        });
    }
    // No test page; the position is answered as given.
    void noTestPage(int vertical = 4, int horizontal = 0, bool italic = false, bool upper = false)
    {
        env.ui.answer(Ui::Answer::No);
        position(vertical, horizontal, italic, upper);
    }
};

inline QString completed(int lastPage)
{
    return QStringLiteral("Report Completed.  Last Page Printed: ") +
           (lastPage >= 0 ? QStringLiteral(" ") : QString()) + QString::number(lastPage);
}

} // namespace tavrel::test
