#pragma once

#include "dups/gui/DupCompleteDialog.h"
#include "dups/gui/DupPairDialog.h"
#include "dups/gui/DupSearchDialog.h"
#include "dups/gui/DupsCommand.h"
#include "platform/gui/Windows.h"
#include "store/RecordAccess.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QListView>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>

namespace tavrel::test {

// Active records by ID, each given as its name and then its address lines, split by '|'.
inline std::map<int, NARecord> people(std::initializer_list<std::pair<int, const char*>> entries)
{
    std::map<int, NARecord> out;
    for (auto [id, text] : entries) {
        const QStringList parts = QString::fromUtf8(text).split(QLatin1Char('|'));
        NARecord& r = out[id] = makeRecord(id, parts.first());
        std::tie(r.AddrLine1, r.AddrLine2, r.AddrLine3, r.AddrLine4) =
            std::tuple(parts.value(1), parts.value(2), parts.value(3), parts.value(4));
    }
    return out;
}

// The file bytes `before` with the records of `ids` marked deleted in place
// ("DELR", RecId 0), every other byte as it was.
inline QByteArray withDeleted(QByteArray before, const std::vector<int>& ids)
{
    for (int id : ids) {
        const qsizetype at = qsizetype(id) * NARecord::Size;
        before.replace(at, 6, QByteArray("DELR\0\0", 6));
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

    // Every case ends with the search over, its windows gone and every queued
    // answer used; then any window left is closed.
    void TearDown() override
    {
        settle();
        EXPECT_FALSE(loadedWindow("DupParams"));
        EXPECT_FALSE(loadedWindow("DupSearchMsg"));
        EXPECT_TRUE(env.ui.allUsed());
        closeAllWindows();
    }

    void writeFile(const std::map<int, NARecord>& records, int lastRecNo = -1)
    {
        before = env.openFile(records, lastRecNo);
    }

    QByteArray file() const { return fileBytes(env.naPath()); }

    DupSearchDialog* params() { return windowOf<DupSearchDialog>("DupParams"); }

    // Opens DupSearchDialog, picks the match option and the display box, presses OK.
    void search(DupMatch match, bool display)
    {
        startFindDups(p);
        DupSearchDialog* w = params();
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
};

} // namespace tavrel::test
