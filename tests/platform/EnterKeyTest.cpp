#include "platform/gui/NoEscapeDialog.h"
#include "platform/gui/QtClipboard.h"
#include "platform/gui/QtUi.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace tavrel;

// Presses `keys` in the message box about to open, as the keyboard does.
static void pressInNextBox(std::vector<QKeyCombination> keys)
{
    QTimer::singleShot(0, qApp, [keys] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        box->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box));
        for (QKeyCombination k : keys)
            QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
        // Never leave a box open when a key did not answer it.
        if (box->isVisible()) {
            ADD_FAILURE() << "the box is still open";
            box->close();
        }
    });
}

// A row of buttons has its gap between the buttons only; Enter presses the
// focused button in any window.
TEST(EnterKey, PressesTheFocusedButtonInARowSpacedBetweenTheButtonsOnly)
{
    struct Rows : NoEscapeDialog {
        using NoEscapeDialog::buttonRow;
        using NoEscapeDialog::Row;
    };
    QWidget window;
    auto* first = new QPushButton("&First", &window);
    auto* second = new QPushButton("&Second", &window);
    QHBoxLayout* row = Rows::buttonRow({first, second}, Rows::Row::Centred, 12);
    window.setLayout(row);
    ASSERT_EQ(row->count(), 5); // stretch, first, gap, second, stretch
    EXPECT_EQ(row->itemAt(1)->widget(), first);
    EXPECT_EQ(row->itemAt(2)->sizeHint().width(), 12);
    EXPECT_EQ(row->itemAt(3)->widget(), second);
    QStringList pressed;
    QObject::connect(first, &QPushButton::clicked, &window, [&] { pressed << "first"; });
    QObject::connect(second, &QPushButton::clicked, &window, [&] { pressed << "second"; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    second->setAutoDefault(true); // as in a dialog: pressed once all the same
    second->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    first->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(pressed, QStringList({"second", "first"}));
}

TEST(EnterKey, MessageBoxesAnswerEnterWithTheFirstButton)
{
    QtUi ui;
    const QString title = "Tavrel";
    pressInNextBox({Qt::CTRL | Qt::Key_C, Qt::Key_Return});
    EXPECT_EQ(ui.messageBox("Sure?", title, Ui::Buttons::YesNo, Ui::Icon::Question),
              Ui::Answer::Yes);
    // Ctrl+C copies the box as text, as on Windows.
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "---------------------------\nTavrel\n---------------------------\nSure?\n"
              "---------------------------\nYes   No   \n---------------------------\n");
    pressInNextBox({Qt::Key_Escape});
    EXPECT_EQ(ui.messageBox("Go on?", title, Ui::Buttons::OkCancel, Ui::Icon::None),
              Ui::Answer::Cancel);
    // A question whose Yes is hard to take back opens on No: Enter answers No,
    // and Yes must be chosen on purpose (the button moved to answers Enter).
    pressInNextBox({Qt::Key_Return});
    EXPECT_EQ(ui.messageBox("Restore?", title, Ui::Buttons::YesNoDefaultNo, Ui::Icon::Question),
              Ui::Answer::No);
    pressInNextBox({Qt::SHIFT | Qt::Key_Tab, Qt::Key_Return});
    EXPECT_EQ(ui.messageBox("Restore?", title, Ui::Buttons::YesNoDefaultNo, Ui::Icon::Question),
              Ui::Answer::Yes);
}

TEST(QtClipboard, HoldsTheTextExactlyAndClears)
{
    QtClipboard clipboard;
    // Trailing blanks and bare line feeds are part of a copied address.
    const QString text = "Ann Smith   \n12 High St  \n";
    clipboard.setText(text);
    EXPECT_EQ(clipboard.text(), text);
    clipboard.clear();
    EXPECT_TRUE(clipboard.text().isEmpty());
}
