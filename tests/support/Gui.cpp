#include "support/Gui.h"

#include "platform/gui/Windows.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTest>

namespace tavrel::test {

QWidget* findWindow(const QString& objectName)
{
    QWidget* visible = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != objectName)
            continue;
        if (w->property("tavrelLoaded").toBool())
            return w;
        if (w->isVisible())
            visible = w;
    }
    return visible;
}

QString spokenName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

QStringList shownLines(const QAbstractItemView* view)
{
    QStringList out;
    if (!view) {
        ADD_FAILURE() << "no list to read";
        return out;
    }
    const QAbstractItemModel* model = view->model();
    for (int i = 0; model && i < model->rowCount(); ++i)
        out << model->index(i, 0).data().toString();
    return out;
}

QStringList comboItems(const QComboBox* box)
{
    QStringList out;
    if (!box) {
        ADD_FAILURE() << "no combo box to read";
        return out;
    }
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

void click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    if (!button->isVisible() || !button->isEnabled()) {
        ADD_FAILURE() << "button " << button->objectName().toStdString()
                      << " is hidden or disabled";
        return;
    }
    button->click();
}

void press(QWidget* window, const QString& button)
{
    click(control<QPushButton>(window, button));
    settle();
}

void type(QLineEdit* box, const QString& text)
{
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->selectAll();
    box->del();
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else // a letter the ASCII key table lacks: the key event carries its text
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void pressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers)
{
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void closeAllWindows()
{
    for (QWidget* w : loadedWindows())
        unloadWindow(w);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->close();
    settle();
}

} // namespace tavrel::test
