#include "RecordsFixture.h"

#include <QAccessible>
#include <QSet>

namespace tavrel::test {
namespace {

class RecordNames : public RecordsFixture {};

QString spokenName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

// A screen reader tells every box of the record screens apart by its name,
// the rows of address lines, telephones and QuickLinks included.
TEST_F(RecordNames, EachControlOfTheRecordScreensHasItsOwnName)
{
    auto allNamedApart = [](QWidget* screen) {
        ASSERT_TRUE(screen->isVisible());
        QSet<QString> seen;
        for (QWidget* c : screen->findChildren<QWidget*>()) {
            if (c->focusPolicy() == Qt::NoFocus || !c->isVisible() ||
                qobject_cast<QComboBox*>(c->parentWidget()))
                continue;
            const QString name = spokenName(c);
            EXPECT_FALSE(name.isEmpty()) << c->objectName().toStdString();
            EXPECT_FALSE(seen.contains(name))
                << name.toStdString() << " twice, " << c->objectName().toStdString();
            seen.insert(name);
        }
    };
    start(people(1, 3));
    openById("Browse", 2);
    allNamedApart(one());
    press(one(), "Screen2Button");
    allNamedApart(two());
    const std::pair<const char*, const char*> expected[] = {
        {"BrsTxt2", "Name"},
        {"BrsTxt3_0", "Address Line 1"},
        {"BrsTxt3_3", "Address Line 4"},
        {"Combo1_0", "Telephone 1 Type"},
        {"BrsTxt10_4", "Telephone 5 Number"},
        {"BrsTxt30_3", "QuickLink 4 ID"},
        {"BrsTxt40_0", "QuickLink 1 Description"},
        {"BrsTxt30_4", "QuickLink Previous Record ID"},
    };
    for (auto [object, name] : expected) {
        QWidget* c = one()->findChild<QWidget*>(QLatin1String(object));
        if (!c)
            c = two()->findChild<QWidget*>(QLatin1String(object));
        ASSERT_NE(c, nullptr) << object;
        EXPECT_EQ(spokenName(c), QLatin1String(name)) << object;
    }
}

} // namespace
} // namespace tavrel::test
