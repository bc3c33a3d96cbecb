#pragma once

#include "platform/gui/Windows.h"
#include "search/gui/SearchCommand.h"
#include "search/gui/SearchDialog.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QPushButton>

namespace tavrel::test {

// A small N&A file with matches for "baker" in names, an address and a
// comment, next to a deleted record, a free slot and an active record beyond
// LastRecNo that the search must not see.
class SearchTest : public ::testing::Test {
protected:
    TestEnv env;
    Program& p = env.p();

    void SetUp() override
    {
        // ID 4 stays a free slot of zero bytes.
        std::map<int, NARecord> recs = {
            {1, makeRecord(1, "Anna Baker")},       {2, deletedRecord(2, "Bob Baker")},
            {3, makeRecord(3, "Carl Bakersfield")}, {5, makeRecord(5, "Dora Smith")},
            {6, makeRecord(6, "Eve Bake")},         {7, makeRecord(7, "FRED BAKER")},
            {8, makeRecord(8, "Zed Baker")}};
        recs[1].AddrLine1 = "4 Mill Lane";
        recs[1].AddrLine2 = "Thornbury";
        recs[1].Comments = "Makes a baker's dozen of everything";
        recs[5].AddrLine1 = "12 Baker Street";
        recs[7].PhoneNum1 = "555-0100";
        env.openFile(recs, 8);
    }

    void TearDown() override { closeAllWindows(); }

    SearchDialog* openDialog()
    {
        startSearch(p);
        return qobject_cast<SearchDialog*>(findWindow("SchForm"));
    }

    // Opens the dialog, fills it in as a user would and presses "&Search".
    void search(const QString& key, const std::vector<int>& boxes, bool save, bool display)
    {
        SearchDialog* f = openDialog();
        ASSERT_NE(f, nullptr);
        type(f->searchTextEdit, key);
        for (int i : boxes)
            click(f->fieldChecks[i]);
        if (save)
            click(f->saveToListCheck);
        if (display)
            click(f->displayMatchesCheck);
        click(f->searchButton);
    }

    QWidget* completeForm() { return findWindow("CompleteForm"); }
    bool loaded(const char* name) { return loadedWindow(QString::fromLatin1(name)) != nullptr; }

    // IDs whose slot in the membership table is "1".
    std::vector<int> flaggedIds() const
    {
        std::vector<int> ids;
        for (int i = 0; i < p.MailListFlags.size(); ++i) {
            if (p.MailListFlags[i] == '1')
                ids.push_back(i + 1);
        }
        return ids;
    }
};

} // namespace tavrel::test
