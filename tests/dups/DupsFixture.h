#pragma once

#include "dups/DupCompleteDialog.h"
#include "dups/DupPairDialog.h"
#include "dups/DupSearchDialog.h"
#include "dups/DupsCommand.h"
#include "platform/gui/Windows.h"
#include "store/RecordAccess.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>

namespace tavrel::test {

// An active record with a name and up to four address lines.
inline NARecord person(int id, const QString& name, const QStringList& address = {})
{
    NARecord r = makeRecord(id, name);
    QString* lines[4] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
    for (int i = 0; i < 4; ++i)
        *lines[i] = address.value(i);
    return r;
}

// Active records by ID, each given as its name and then its address lines, split by '|'.
inline std::map<int, NARecord> people(std::initializer_list<std::pair<int, const char*>> entries)
{
    std::map<int, NARecord> r;
    for (auto [id, text] : entries) {
        const QStringList parts = QString::fromUtf8(text).split(QLatin1Char('|'));
        r[id] = person(id, parts.first(), parts.mid(1));
    }
    return r;
}

// The file bytes `before` with the records of `ids` marked deleted in place
// ("DELR", RecId 0), every other byte as it was.
inline QByteArray withDeleted(QByteArray before, const std::vector<int>& ids)
{
    for (int id : ids) {
        const qsizetype at = qsizetype(id) * NARecord::Size;
        before.replace(at, 4, "DELR");
        before[at + 4] = 0;
        before[at + 5] = 0;
    }
    return before;
}

class DupsTest : public ::testing::Test {
protected:
    TestEnv env;
    Program& p = env.p();
    QByteArray before; // the file as written, before any search
    // Each pair window in turn: the two IDs, and the two names as their boxes held them.
    std::vector<std::pair<int, int>> shown;
    std::vector<std::pair<QString, QString>> shownNames;

    void TearDown() override { closeAllWindows(); }

    void writeFile(const std::map<int, NARecord>& records, int lastRecNo = -1)
    {
        before = env.openFile(records, lastRecNo);
    }

    QByteArray file() const { return fileBytes(env.naPath()); }

    DupSearchDialog* params()
    {
        return qobject_cast<DupSearchDialog*>(findWindow(QStringLiteral("DupParams")));
    }

    // Opens DupSearchDialog, picks the match option and the display box, presses OK.
    void search(DupMatch match, bool display)
    {
        startFindDups(p);
        DupSearchDialog* w = params();
        ASSERT_NE(w, nullptr);
        click(w->matchOptions[size_t(match)]);
        if (display)
            click(w->showPairsCheck);
        click(w->okButton);
    }

    // The next pair window: notes what it shows, then `act` answers it.
    void onPair(const std::function<void(DupPairDialog&)>& act)
    {
        env.ui.onModal([this, act](QDialog& d) {
            auto& w = dynamic_cast<DupPairDialog&>(d);
            shown.emplace_back(w.earlierIdEdit->text().toInt(), w.laterIdEdit->text().toInt());
            shownNames.emplace_back(w.earlierLineEdits[0]->text(), w.laterLineEdits[0]->text());
            act(w);
        });
    }
    void answerPair(QPushButton* DupPairDialog::*button)
    {
        onPair([button](DupPairDialog& w) { click(w.*button); });
    }

    // The report window at the end: `act` works with it; left open, it is closed.
    void onReport(const std::function<void(DupCompleteDialog&)>& act)
    {
        env.ui.onModal([act](QDialog& d) { act(dynamic_cast<DupCompleteDialog&>(d)); });
    }
    // Chooses option `index` of DupCompleteDialog and performs it.
    static void perform(DupCompleteDialog& w, int index)
    {
        click(w.actionOptions[size_t(index)]);
        click(w.performButton);
    }
    // Every box shown so far, as its text, title, buttons and icon.
    using Box = std::tuple<QString, QString, Ui::Buttons, Ui::Icon>;
    std::vector<Box> boxes() const
    {
        std::vector<Box> out;
        for (const auto& m : env.ui.messages)
            out.emplace_back(m.text, m.title, m.buttons, m.icon);
        return out;
    }
    static Box note(const QString& text, const QString& title = kTitle)
    {
        return {text, title, Ui::Buttons::Ok, Ui::Icon::None};
    }
    static Box question(const QString& text)
    {
        return {text, kTitle, Ui::Buttons::YesNo, Ui::Icon::Question};
    }

    bool loaded(const char* name) { return loadedWindow(QString::fromLatin1(name)) != nullptr; }
    // The search is over and its windows are gone.
    void expectClosed()
    {
        settle();
        EXPECT_FALSE(loaded("DupParams"));
        EXPECT_FALSE(loaded("DupSearchMsg"));
        EXPECT_TRUE(env.ui.allUsed());
    }
};

} // namespace tavrel::test
