#pragma once

#include "records/gui/RecordCommands.h"
#include "records/gui/RecordScreens.h"
#include "store/RecordAccess.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tavrel::test {

// A program over a file of records, with helpers to reach the record screens
// as a user does.
class RecordsFixture : public ::testing::Test {
protected:
    void TearDown() override { closeAllWindows(); }

    // Writes the file and opens it as the program does at start-up; returns its bytes.
    QByteArray start(const std::map<int, NARecord>& records, int lastRecNo = -1)
    {
        const QByteArray bytes = env.openFile(records, lastRecNo);
        env.ui.setAutoOk(true);
        return bytes;
    }
    // Runs a get-type command answering the ID prompt with `id`, or Add or AddMult.
    void openById(ScreenMode mode, int id = 0)
    {
        if (mode == ScreenMode::Add || mode == ScreenMode::AddMult) {
            startAddCommand(env.p(), mode == ScreenMode::AddMult);
        } else {
            env.ui.answerInput(QString::number(id));
            startIdCommand(env.p(), mode);
        }
        settle();
    }

    QWidget* one() { return findWindow(QStringLiteral("BrsForma")); }
    QWidget* two() { return findWindow(QStringLiteral("BrsFormb")); }
    QLineEdit* box(QWidget* w, const QString& name) { return control<QLineEdit>(w, name); }
    QPushButton* button(QWidget* w, const QString& name) { return control<QPushButton>(w, name); }
    QComboBox* combo(int i)
    {
        return control<QComboBox>(one(), QStringLiteral("Combo1_%1").arg(i));
    }
    // Clicks a button; returns the ID of the record current then.
    int press(QWidget* w, const QString& name)
    {
        test::press(w, name);
        return env.p().CurId;
    }
    // Double-clicks link box `i` on screen 2; the queued modal handler works the picker.
    void pickLink(int i)
    {
        QTest::mouseDClick(box(two(), QStringLiteral("BrsTxt30_%1").arg(i)), Qt::LeftButton);
        settle();
    }
    // Text that no key on the keyboard makes arrives as a paste or input method does.
    static void enter(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        box->del();
        box->insert(text);
    }
    bool shown(QWidget* w, const QString& name)
    {
        return control<QWidget>(w, name)->isVisibleTo(w);
    }
    // The texts of these boxes of `w`, in order.
    QStringList texts(QWidget* w, const QStringList& names)
    {
        QStringList out;
        for (const QString& n : names)
            out << box(w, n)->text();
        return out;
    }
    QString focused(QWidget* w) { return w->focusWidget() ? w->focusWidget()->objectName() : ""; }

    NARecord onDisk(int id) { return readRecord(env.naPath(), id + 1); }
    // LastRecNo, the header's copy of it, and the lowest free ID.
    QList<int> counts()
    {
        return {env.p().LastRecNo, readRecord(env.naPath(), 1).RecId, env.p().LowestFreeId};
    }
    QStringList messages() { return env.ui.texts(); }
    QString lastMessage() { return env.ui.messages.empty() ? QString() : env.ui.last().text; }

    TestEnv env;
};

} // namespace tavrel::test
