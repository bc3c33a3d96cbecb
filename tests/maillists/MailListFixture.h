#pragma once

#include "maillists/gui/CreateMailListWindow.h"
#include "maillists/gui/MailListCommands.h"
#include "maillists/MailListFile.h"
#include "maillists/gui/NamePicker.h"
#include "maillists/gui/ReviseMailListWindow.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace tavrel::test {

// A program over its own directory with a few records and helpers to lay list
// files there and read them back.
class MailListTest : public ::testing::Test {
protected:
    TestEnv env;
    Program& p = env.p();

    ~MailListTest() override { closeAllWindows(); }

    // IDs 3, 5 and 8 in use; boxes with only OK are answered at once.
    void SetUp() override
    {
        env.openFile({{3, makeRecord(3, QStringLiteral("Carol Ames"))},
                      {5, makeRecord(5, QStringLiteral("Eve Bond"))},
                      {8, makeRecord(8, QStringLiteral("Hal Crane"))}});
        env.ui.setAutoOk(true);
    }

    ReviseMailListWindow* openMail()
    {
        startReviseMailList(p);
        return windowOf<ReviseMailListWindow>(QStringLiteral("MailForm"));
    }

    CreateMailListWindow* openCreate()
    {
        startCreateMailList(p);
        return windowOf<CreateMailListWindow>(QStringLiteral("CreateForm"));
    }

    QString path(const QString& name) const { return env.dir() + QLatin1Char('/') + name; }

    QByteArray bytesOf(const QString& name) const { return fileBytes(path(name)); }

    void writeRaw(const QString& name, const QByteArray& bytes) const
    {
        writeBytes(path(name), bytes);
    }

    static void select(QListView* list, const QString& startingWith)
    {
        list->setCurrentIndex(lineOf(list, startingWith));
    }

    // Clicks the line with the mouse, as a user would (the line may already be selected).
    static void clickLine(QListView* list, const QString& startingWith)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(lineOf(list, startingWith)).center());
    }

    static QModelIndex lineOf(const QListView* list, const QString& startingWith)
    {
        const QModelIndexList found = list->model()->match(
            list->model()->index(0, 0), Qt::DisplayRole, startingWith, 1, Qt::MatchStartsWith);
        if (found.isEmpty())
            ADD_FAILURE() << "no line " << startingWith.toStdString();
        return found.value(0);
    }

    // The names in the directory that start with "tvlmail." in any case.
    QStringList listFiles() const
    {
        return QDir(env.dir()).entryList(QStringList{QStringLiteral("tvlmail*")}, QDir::Files,
                                         QDir::Name);
    }

    // Dates a file, so tests can say which of two files is the newer.
    void setModified(const QString& name, int secondsAgo) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                                  QFileDevice::FileModificationTime));
    }
};

} // namespace tavrel::test
