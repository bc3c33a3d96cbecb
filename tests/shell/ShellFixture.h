#pragma once

#include "platform/gui/Windows.h"
#include "shell/MainWindow.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace tavrel::test {

// A program over a small N&A file with its main window shown and ready.
class ShellTest : public ::testing::Test {
protected:
    // IDs 1 to `records` active; LastRecNo follows from the highest ID.
    void openFile(int records, QChar welcomeOff = QLatin1Char('1'));
    MainWindow* mainWindow();
    void TearDown() override;

    QAction* action(const QString& name);
    // Triggers a menu item as the user would: the main window must be ready.
    void choose(const QString& name);
    bool menusShown();
    bool hintShown();
    // Every loaded window except the main window, by objectName.
    QStringList otherWindows();

    TestEnv env;
    std::unique_ptr<MainWindow> main;
};

// The bytes of one field of record `recNo`, looked up by its name.
QByteArray fieldBytes(const QString& path, int recNo, const char* field);

} // namespace tavrel::test
