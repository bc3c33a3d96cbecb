#include "MailListFixture.h"

#include "maillists/MailListCommands.h"
#include "maillists/ReviseMailListWindow.h"
#include "maillists/SearchComplete.h"
#include "maillists/SearchCompleteWindow.h"

namespace tavrel::test {
namespace {

class WindowStatesTest : public MailListTest {
protected:
    // The controls of `names` that `window` shows (those not hidden).
    static QStringList shown(QWidget* window, const QStringList& names)
    {
        QStringList out;
        for (const QString& name : names) {
            auto* c = window->findChild<QWidget*>(name);
            if (!c)
                ADD_FAILURE() << "no control " << name.toStdString();
            else if (!c->isHidden())
                out << name;
        }
        return out;
    }
};

TEST_F(WindowStatesTest, EachStateShowsItsControls)
{
    using Complete = SearchCompleteWindow::State;
    const QStringList completeControls = {"ComplTxt1", "ComplLbl1", "ComplTxt2", "ComplLbl2",
                                          "ComplFrm2", "ComplTxt3", "ComplLbl3", "ComplTxt4",
                                          "ComplLbl4", "ComplCmd1", "ComplCmd2"};
    const std::pair<Complete, QStringList> completeCases[] = {
        {Complete::MatchCountOnly, {"ComplTxt1", "ComplLbl1", "ComplCmd1"}},
        {Complete::NothingCollected,
         {"ComplTxt1", "ComplLbl1", "ComplTxt2", "ComplLbl2", "ComplCmd1"}},
        {Complete::SaveList, completeControls},
    };
    p.MailListAddCount = 1;
    p.SearchSavesList = true;
    showSearchComplete(p);
    auto* complete = windowOf<SearchCompleteWindow>(QStringLiteral("CompleteForm"));
    ASSERT_TRUE(complete);
    for (const auto& [state, visible] : completeCases) {
        complete->setState(state);
        EXPECT_EQ(shown(complete, completeControls), visible);
    }

    using Revise = ReviseMailListWindow::State;
    startReviseMailList(p);
    auto* revise = windowOf<ReviseMailListWindow>(QStringLiteral("MailForm"));
    ASSERT_TRUE(revise);
    const QStringList reviseControls = {"MailCmd3", "MailCmd7", "ListByName", "MailCmd2"};
    const std::pair<Revise, QStringList> reviseCases[] = {
        {Revise::Revising, {"MailCmd7", "ListByName", "MailCmd2"}},
        {Revise::Choosing, {"MailCmd3", "ListByName", "MailCmd2"}},
    };
    for (const auto& [state, visible] : reviseCases) {
        revise->setState(state);
        EXPECT_EQ(shown(revise, reviseControls), visible);
    }
}

} // namespace
} // namespace tavrel::test
