#include "platform/gui/ListClick.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QMouseEvent>

namespace tavrel {

namespace {

// Watches the mouse on a list's viewport, so that a selection change can be
// told apart as a mouse click or a key press, and a click on the line already
// selected can be noticed.
class ListClickWatcher : public QObject {
public:
    ListClickWatcher(QAbstractItemView* list, std::function<void(ListClick)> handler)
        : QObject(list), list_(list), handler_(std::move(handler))
    {
        list->viewport()->installEventFilter(this);
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            if (!list_->selectionModel()->hasSelection())
                return;
            ranForPress_ = pressing_;
            handler_(pressing_ ? ListClick::Mouse : ListClick::Keys);
        });
        connect(list, &QAbstractItemView::clicked, this, [this](const QModelIndex& line) {
            // A click that changed the selection has run the handler already.
            if (!ranForPress_ && list_->selectionModel()->isSelected(line))
                handler_(ListClick::Mouse);
            ranForPress_ = false;
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                pressing_ = true;
                ranForPress_ = false;
            }
            break;
        case QEvent::MouseButtonRelease:
            pressing_ = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QAbstractItemView* list_;
    std::function<void(ListClick)> handler_;
    bool pressing_ = false;
    bool ranForPress_ = false;
};

} // namespace

void onListClick(QAbstractItemView* list, std::function<void(ListClick)> handler)
{
    new ListClickWatcher(list, std::move(handler));
}

void clearCurrentLine(QAbstractItemView* list)
{
    // Through the view, not the list's setCurrentRow: only the view remembers
    // that the current line was set, and otherwise makes the first line
    // current when the list gets the focus.
    list->setCurrentIndex(QModelIndex());
}

} // namespace tavrel
