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
// the rows of address lines, telephones and QuickLinks included (that each
// has one: window_names; screen 1's names over the bus: desktop_a11y).
TEST_F(RecordNames, EachControlOfTheRecordScreensHasItsOwnName)
{
    auto allNamedApart = [](QWidget* screen) {
        QSet<QString> seen;
        for (QWidget* c : screen->findChildren<QWidget*>()) {
            if (c->focusPolicy() == Qt::NoFocus || !c->isVisible() ||
                qobject_cast<QComboBox*>(c->parentWidget()))
                continue;
            const QString name = spokenName(c);
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
    for (auto [object, name] : {std::pair{"BrsTxt30_3", "QuickLink 4 ID"},
                                {"BrsTxt40_0", "QuickLink 1 Description"},
                                {"BrsTxt30_4", "QuickLink Previous Record ID"}})
        EXPECT_EQ(spokenName(box(two(), object)), QLatin1String(name)) << object;
}

} // namespace
} // namespace tavrel::test
