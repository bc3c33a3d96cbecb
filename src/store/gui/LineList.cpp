#include "store/gui/LineList.h"

#include "store/NameListModel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace tavrel {

namespace {

// The keys of a filter box that act on its list. Enter is taken here rather
// than through returnPressed, so it never goes on to the window's default
// button as well.
class FilterKeys : public QObject {
public:
    FilterKeys(QLineEdit* edit, QListView* list, std::function<void()> choose)
        : QObject(edit), list_(list), choose_(std::move(choose))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Down:
            list_->setFocus(Qt::TabFocusReason);
            if (!list_->currentIndex().isValid() && list_->model()->rowCount() > 0)
                list_->setCurrentIndex(list_->model()->index(0, 0));
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (list_->model()->rowCount() == 1)
                list_->setCurrentIndex(list_->model()->index(0, 0));
            choose_();
            return true;
        default:
            return false;
        }
    }

private:
    QListView* list_;
    std::function<void()> choose_;
};

// Printable keys pressed in a list, passed on to its find box.
class TypingToBox : public QObject {
public:
    TypingToBox(QListView* list, QLineEdit* edit) : QObject(list), edit_(edit)
    {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier) || text.isEmpty() ||
            !text.at(0).isPrint() || text.at(0).isSpace())
            return false;
        edit_->setFocus(Qt::OtherFocusReason);
        edit_->insert(text);
        return true;
    }

private:
    QLineEdit* edit_;
};

} // namespace

QListView* newLineList(QWidget* parent, const char* objectName)
{
    auto* list = new QListView(parent);
    list->setObjectName(QLatin1String(objectName));
    list->setModel(new NameListFilter(new NameListModel(list), list));
    list->setUniformItemSizes(true);
    return list;
}

NameListFilter* shownLinesOf(const QListView* list)
{
    return static_cast<NameListFilter*>(list->model());
}

NameListModel* linesOf(const QListView* list)
{
    return shownLinesOf(list)->lines();
}

int chosenLine(const QListView* list)
{
    const QModelIndex line = list->currentIndex();
    if (!line.isValid() || !list->selectionModel()->isSelected(line))
        return -1;
    return shownLinesOf(list)->sourceRow(line.row());
}

FilterBox newFilterBox(QWidget* parent, QListView* list, const char* objectName,
                       std::function<void()> choose)
{
    FilterBox box;
    box.edit = new QLineEdit(parent);
    box.edit->setObjectName(QLatin1String(objectName));
    box.edit->setClearButtonEnabled(true);
    box.edit->setAccessibleName(QCoreApplication::translate("tavrel::FilterBox", "Find"));
    box.label = new QLabel(QCoreApplication::translate("tavrel::FilterBox", "&Find:"), parent);
    box.label->setObjectName(QLatin1String(objectName) + QLatin1String("Label"));
    box.label->setBuddy(box.edit);
    NameListFilter* shown = shownLinesOf(list);
    QObject::connect(box.edit, &QLineEdit::textChanged, shown, &NameListFilter::setFilterText);
    new FilterKeys(box.edit, list, std::move(choose));
    return box;
}

void sendTypingToFilterBox(QListView* list, QLineEdit* edit)
{
    new TypingToBox(list, edit);
}

} // namespace tavrel
