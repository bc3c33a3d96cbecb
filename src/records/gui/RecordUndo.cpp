#include "records/gui/RecordUndo.h"

#include "records/RecordFields.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "records/gui/RecordScreen.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace tavrel {

namespace {

// A box keeps the keys while it has typing of its own to take back, and lets
// them through to the screen's actions otherwise.
class UndoKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        auto* box = qobject_cast<QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (!box)
            return false;
        if (isUndoKey(key))
            return !box->isUndoAvailable();
        if (isRedoKey(key))
            return !box->isRedoAvailable();
        return false;
    }

private:
    static bool isUndoKey(QKeyEvent* key) { return key->matches(QKeySequence::Undo); }
    static bool isRedoKey(QKeyEvent* key)
    {
        return key->matches(QKeySequence::Redo) ||
               key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
               key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
    }
};

QAction* addKeyAction(RecordScreen& screen, const QString& name, const QList<QKeySequence>& keys)
{
    auto* a = new QAction(&screen);
    a->setObjectName(name);
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    screen.addAction(a);
    return a;
}

// After a step of the file was taken back or made again: the record on
// display as the file now holds it, else the step's own record.
void showWhatTheFileHolds(Program& p, RecordScreen& from, const UndoStep& step)
{
    if (screenState(p.ScreenMode) == ScreenState::Add)
        return;
    for (const int id : {int(p.CurId), step.newId, step.id}) {
        if (id < 1 || !readActive(p, id))
            continue;
        Get_NA_Rec(p, id + 1);
        p.CurId = qint16(id);
        fillScreens(from.session(), contactInBuffer(p));
        return;
    }
}

} // namespace

void watchUndoKeys(RecordScreen& screen)
{
    auto* filter = new UndoKeyFilter(&screen);
    const auto boxes = screen.findChildren<QLineEdit*>();
    for (QLineEdit* box : boxes)
        box->installEventFilter(filter);
    Program& p = screen.program();
    RecordScreen* s = &screen;
    QAction* undo = addKeyAction(screen, QStringLiteral("RecordUndo"), {QKeySequence::Undo});
    QObject::connect(undo, &QAction::triggered, s, [&p, s] { undoFromScreen(p, *s, false); });
    QAction* redo = addKeyAction(
        screen, QStringLiteral("RecordRedo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QObject::connect(redo, &QAction::triggered, s, [&p, s] { undoFromScreen(p, *s, true); });
}

void forgetTyping(RecordSession& session)
{
    for (RecordScreen* screen :
         {static_cast<RecordScreen*>(session.one), static_cast<RecordScreen*>(session.two)}) {
        if (!screen)
            continue;
        const auto boxes = screen->findChildren<QLineEdit*>();
        for (QLineEdit* box : boxes) {
            if (!box->isUndoAvailable() && !box->isRedoAvailable())
                continue;
            // Setting the text is what empties a box's own undo history.
            const int cursor = box->cursorPosition();
            box->setText(box->text());
            box->setCursorPosition(cursor);
        }
    }
}

void undoFromScreen(Program& p, RecordScreen& from, bool redo)
{
    const UndoOutcome done = redo ? redoLastStep(p) : undoLastStep(p);
    if (done == UndoOutcome::NothingToUndo) {
        p.ui.beep();
        return;
    }
    if (done != UndoOutcome::Undone)
        return;
    const UndoStep* step = redo ? &p.Undo.last() : lastUndoneStep(p);
    if (step)
        showWhatTheFileHolds(p, from, *step);
}

} // namespace tavrel
