#include "platform/gui/Application.h"
#include "support/Gui.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::spokenName;

// Each way a control comes by its name, in a window as the program builds them;
// the names are given when the window is shown.
TEST(AccessibleNames, EveryFocusableControlIsNamedWhenShown)
{
    QWidget window;
    window.setWindowTitle("N&A File Content");
    auto* v = new QVBoxLayout(&window);
    auto* label = new QLabel("&Name", &window);
    auto* byLabel = new QLineEdit(&window);
    label->setBuddy(byLabel);
    auto* byTip = new QLineEdit(&window);
    byTip->setToolTip("E-Mail Address - Up To 35 Characters");
    auto* own = new QLineEdit(&window);
    own->setAccessibleName("Address Line 2");
    own->setToolTip("Something Else");
    auto* group = new QGroupBox("Sort &Keys", &window);
    auto* inGroup = new QVBoxLayout(group);
    QLineEdit* keys[2] = {new QLineEdit(group), new QLineEdit(group)};
    inGroup->addWidget(keys[0]);
    inGroup->addWidget(keys[1]);
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->setAccessibleName("Telephone 1 Type");
    auto* list = new QListWidget(&window);
    auto* button = new QPushButton("C&opy N&&A", &window);
    auto* display = new QLabel("Shown Only", &window);
    for (QWidget* w : std::initializer_list<QWidget*>{label, byLabel, byTip, own, group, combo,
                                                      list, button, display})
        v->addWidget(w);
    window.show();

    const std::pair<QWidget*, const char*> cases[] = {
        {byLabel, "Name"},          {byTip, "E-Mail Address"},
        {own, "Address Line 2"},    {keys[0], "Sort Keys 1"},
        {keys[1], "Sort Keys 2"},   {combo->lineEdit(), "Telephone 1 Type"},
        {list, "N&A File Content"},
    };
    // What a screen reader says comes from these names (Qt reads them out as they are).
    for (auto [w, name] : cases)
        EXPECT_EQ(w->accessibleName(), QLatin1String(name)) << name;
    // A button is read by its caption, which may change later: it keeps no copy.
    EXPECT_TRUE(button->accessibleName().isEmpty());
    EXPECT_EQ(spokenName(button), "Copy N&A");
    EXPECT_EQ(accessibleNameFor(button), "Copy N&A");
    EXPECT_TRUE(display->accessibleName().isEmpty());
}

// What a screen reader is told each kind of window is: a window that blocks the
// others is a dialog, any other a frame, never a filler; a dialog run modally
// turns from one to the other.
TEST(AccessibleNames, WindowsSayWhetherTheyBlockTheOthers)
{
    const auto roleOf = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->role(); };
    QWidget plain(nullptr, Qt::Window);
    EXPECT_EQ(roleOf(&plain), QAccessible::Window);
    QDialog dialog;
    EXPECT_EQ(roleOf(&dialog), QAccessible::Window);
    dialog.setModal(true);
    EXPECT_EQ(roleOf(&dialog), QAccessible::Dialog);
    QWidget blocking(nullptr, Qt::Window);
    blocking.setWindowModality(Qt::ApplicationModal);
    EXPECT_EQ(roleOf(&blocking), QAccessible::Dialog);
    // A control inside a window is described as before.
    auto* box = new QLineEdit(&plain);
    EXPECT_EQ(roleOf(box), QAccessible::EditableText);
    auto* inner = new QWidget(&plain);
    EXPECT_EQ(roleOf(inner), QAccessible::Client);
}
