#include "MailListFixture.h"

#include "store/Undo.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tavrel::test {
namespace {

class MailListUndo : public MailListTest {
protected:
    // Undoes the last step and redoes it, checking the list files each time.
    void undoAndRedo(const QString& menu, const std::map<QString, QByteArray>& before)
    {
        const std::map<QString, QByteArray> after = files();
        EXPECT_EQ(undoMenuText(p), menu);
        ASSERT_EQ(undoLastStep(p), UndoOutcome::Undone);
        EXPECT_EQ(env.ui.last().text, "The " + menu.mid(6) + " Has Been Undone.");
        EXPECT_EQ(files(), before);
        EXPECT_EQ(redoMenuText(p), "&Redo " + menu.mid(6));
        ASSERT_EQ(redoLastStep(p), UndoOutcome::Undone);
        EXPECT_EQ(env.ui.last().text, "The " + menu.mid(6) + " Has Been Redone.");
        EXPECT_EQ(files(), after);
        EXPECT_EQ(undoMenuText(p), menu);
    }

    // Every list file in the directory with its bytes.
    std::map<QString, QByteArray> files() const
    {
        std::map<QString, QByteArray> out;
        for (const QString& n : listFiles())
            out[n] = bytesOf(n);
        return out;
    }

    ReviseMailListWindow* reviseWindowOn(const QString& list)
    {
        ReviseMailListWindow* w = openMail();
        if (w)
            select(w->fileList, list);
        return w;
    }
};

TEST_F(MailListUndo, EachListStepIsUndoneAndRedoneByteForByte)
{
    // Create: undone, the file goes.
    CreateMailListWindow* c = openCreate();
    ASSERT_TRUE(c);
    type(c->idNumbersEdit, QStringLiteral("3, 5"));
    type(c->identifierEdit, QStringLiteral("clb"));
    type(c->titleEdit, QStringLiteral("Club"));
    click(c->createButton);
    settle();
    ASSERT_EQ(bytesOf(QStringLiteral("tvlmail.clb")), listBytes(QStringLiteral("Club"), {3, 5}));
    undoAndRedo(QStringLiteral("&Undo Create Of Mailing List \"clb\""), {});

    // Files no program of ours would write: they must come back exactly.
    const QByteArray odd = listBytes(QStringLiteral("Odd"), {3}).left(900) + "tail";
    writeRaw(QStringLiteral("tvlmail.odd"), odd);
    const auto start = files();

    // Revised ID numbers.
    ReviseMailListWindow* w = reviseWindowOn(QStringLiteral("tvlmail.odd"));
    ASSERT_TRUE(w);
    click(w->showIdsButton);
    w->idNumbersEdit->setPlainText(QStringLiteral("5, 8"));
    env.ui.answer(Ui::Answer::Yes);
    click(w->reviseIdsButton);
    ASSERT_EQ(env.ui.last().text, QStringLiteral("Mailing List Revised."));
    undoAndRedo(QStringLiteral("&Undo Change Of Mailing List \"odd\""), start);
    ASSERT_EQ(undoLastStep(p), UndoOutcome::Undone);

    // A new title.
    select(w->fileList, QStringLiteral("tvlmail.odd"));
    w->titleEdit->setText(QStringLiteral("Renamed"));
    click(w->changeTitleButton);
    ASSERT_EQ(env.ui.last().text, QStringLiteral("Title Changed."));
    undoAndRedo(QStringLiteral("&Undo Change Of Mailing List \"odd\""), start);
    ASSERT_EQ(undoLastStep(p), UndoOutcome::Undone);

    // A delete takes every spelling of the list; undone, both come back.
    writeRaw(QStringLiteral("TVLMAIL.ODD"), "older copy");
    setModified(QStringLiteral("TVLMAIL.ODD"), 60);
    const auto both = files();
    select(w->fileList, QStringLiteral("tvlmail.odd"));
    env.ui.answer(Ui::Answer::Yes);
    click(w->deleteListButton);
    ASSERT_EQ(env.ui.last().text, QStringLiteral("Mailing List Deleted."));
    ASSERT_EQ(listFiles(), QStringList{QStringLiteral("tvlmail.clb")});
    undoAndRedo(QStringLiteral("&Undo Delete Of Mailing List \"odd\""), both);
    ASSERT_EQ(undoLastStep(p), UndoOutcome::Undone);
    EXPECT_EQ(files(), both);

    // Steps go back in order: the undone ones wait for Redo, the create is still there.
    EXPECT_EQ(undoMenuText(p), "&Undo Create Of Mailing List \"clb\"");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Q$Q$Q$Q$.TMP"))));
}

TEST_F(MailListUndo, CreatingOverAListGivesTheOldOneBack)
{
    const QByteArray old = listBytes(QStringLiteral("Old"), {8}) + "x";
    writeRaw(QStringLiteral("tvlmail.abc"), old);
    CreateMailListWindow* c = openCreate();
    ASSERT_TRUE(c);
    type(c->idNumbersEdit, QStringLiteral("3"));
    type(c->identifierEdit, QStringLiteral("abc"));
    env.ui.answer(Ui::Answer::Yes); // replace it
    click(c->createButton);
    settle();
    ASSERT_EQ(bytesOf(QStringLiteral("tvlmail.abc")),
              listBytes(QStringLiteral("No Title Specified"), {3}));
    undoAndRedo(QStringLiteral("&Undo Create Of Mailing List \"abc\""),
                {{QStringLiteral("tvlmail.abc"), old}});
}

TEST_F(MailListUndo, AListChangedSinceIsRefusedAndLeftAlone)
{
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("A"), {3}));
    ReviseMailListWindow* w = reviseWindowOn(QStringLiteral("tvlmail.a"));
    ASSERT_TRUE(w);
    env.ui.answer(Ui::Answer::Yes);
    click(w->deleteListButton);
    ASSERT_FALSE(QFileInfo::exists(path(QStringLiteral("tvlmail.a"))));
    closeAllWindows();

    // Something else made a list of that name since: the undo would lose it.
    writeRaw(QStringLiteral("tvlmail.a"), "another program's list");
    const int beeps = env.ui.beeps;
    EXPECT_EQ(undoLastStep(p), UndoOutcome::Refused);
    EXPECT_EQ(env.ui.last().text,
              "The Delete Of Mailing List \"a\" Cannot Be Undone: File tvlmail.a Has Been "
              "Changed Since.\nThe Mailing Lists Are Left As They Are.");
    EXPECT_EQ(env.ui.beeps, beeps + 1);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), "another program's list");
    EXPECT_FALSE(canUndo(p));

    // A list step and a record step share one history, newest first.
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("A"), {3}));
    w = reviseWindowOn(QStringLiteral("tvlmail.a"));
    ASSERT_TRUE(w);
    w->titleEdit->setText(QStringLiteral("B"));
    click(w->changeTitleButton);
    closeAllWindows();
    {
        UndoScope step(p, UndoKind::Delete, 3);
        Get_NA_Rec(p, 4);
        p.CurRec.RecStatus = kDeleted;
        Put_NA_Rec(p, 4);
        step.commit();
    }
    EXPECT_EQ(undoMenuText(p), "&Undo Delete Of Carol Ames (ID 3)");
    EXPECT_EQ(undoLastStep(p), UndoOutcome::Undone);
    EXPECT_EQ(undoMenuText(p), "&Undo Change Of Mailing List \"a\"");
}

} // namespace
} // namespace tavrel::test
