#pragma once

#include "maillists/MailListFile.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QListWidget>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tavrel::test {

// A program over its own directory with a few records and helpers to lay list
// files there and read them back.
class MailListTest : public ::testing::Test {
protected:
    TestEnv env;
    Program& p = env.p();

    ~MailListTest() override
    {
        // Leave no window behind for the next test.
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        settle();
    }

    void openFile(const std::map<int, NARecord>& records, int lastRecNo = -1)
    {
        writeNAFile(env.naPath(), records, lastRecNo);
        env.open();
    }

    // IDs 3, 5 and 8 in use; boxes with only OK are answered at once.
    void openThreePeople()
    {
        openFile({{3, makeRecord(3, QStringLiteral("Carol Ames"))},
                  {5, makeRecord(5, QStringLiteral("Eve Bond"))},
                  {8, makeRecord(8, QStringLiteral("Hal Crane"))}});
        env.ui.setAutoOk(true);
    }

    QString path(const QString& name) const { return env.dir() + QLatin1Char('/') + name; }

    QByteArray bytesOf(const QString& name) const { return fileBytes(path(name)); }

    void writeRaw(const QString& name, const QByteArray& bytes) const
    {
        writeBytes(path(name), bytes);
    }

    // A well-formed list file with these members.
    static QByteArray listBytes(const QString& title, const std::set<int>& members)
    {
        QByteArray b = title.toLatin1().leftJustified(40, ' ', true) + QByteArray(6, ' ');
        for (int id = 1; id <= 1700; ++id)
            b += members.count(id) ? '1' : '0';
        return b + "\r\n";
    }

    // The members recorded in a list file's bytes.
    static std::set<int> membersIn(const QByteArray& bytes)
    {
        std::set<int> out;
        for (int id = 1; id <= 1700 && 45 + id < bytes.size(); ++id)
            if (bytes.at(45 + id) == '1')
                out.insert(id);
        return out;
    }

    std::set<int> flagged() const
    {
        std::set<int> out;
        for (int id = 1; id <= 1700; ++id)
            if (isMember(p, id))
                out.insert(id);
        return out;
    }

    static QStringList itemsOf(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    static void select(QListWidget* list, const QString& startingWith)
    {
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->text().startsWith(startingWith)) {
                list->setCurrentRow(i);
                return;
            }
        }
        ADD_FAILURE() << "no line " << startingWith.toStdString();
    }
};

} // namespace tavrel::test
