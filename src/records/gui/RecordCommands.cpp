#include "records/gui/RecordCommands.h"

#include "platform/Text.h"
#include "platform/gui/Windows.h"
#include "records/RecordFields.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "records/gui/OverflowQuestion.h"
#include "records/gui/RecordActions.h"
#include "records/gui/RecordScreens.h"
#include "records/gui/RecordUndo.h"
#include "store/NameList.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel {

namespace {

const QString LF = QStringLiteral("\n");

void say(Program& p, const QString& text)
{
    p.ui.messageBox(text, kTitle, Ui::Buttons::Ok);
}

// The main window's hidden helper that keeps its menus hidden while the ID
// prompt is up.
QWidget* loadDummyForm()
{
    if (QWidget* w = loadedWindow(QStringLiteral("DummyForm")))
        return w;
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName(QStringLiteral("DummyForm"));
    loadHidden(w);
    return w;
}

void unloadDummyForm()
{
    unloadWindow(loadedWindow(QStringLiteral("DummyForm")));
}

// Hands the focus back to the main window, which then brings its menus back
// when nothing else is loaded.
void returnToMainWindow()
{
    const auto all = QApplication::topLevelWidgets();
    for (QWidget* w : all) {
        if (w->objectName() == QLatin1String("MarkMain") && w->isVisible()) {
            w->activateWindow();
            return;
        }
    }
}

// The value of an ID box when it holds a whole number (blanks around it
// allowed), else nullopt.
std::optional<int> idValue(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return t.toInt();
}

// The same screen's ID box, or the other screen's.
RecordScreen* screenOf(Program& p, int number)
{
    if (number == 1)
        return loadedScreen1(p);
    return loadedScreen2(p);
}

// Shows the record just read into the buffer.
void showRead(Program& p, RecordScreen& from)
{
    fillScreens(from.session(), contactInBuffer(p));
}

// Walks to the next (step +1) or previous (step -1) active record, wrapping
// around; false when there is none (a damaged file).
bool walk(Program& p, int step)
{
    const int highest = p.LastRecNo - 1;
    if (highest < 1)
        return false;
    for (int tries = 0; tries < highest; ++tries) {
        int id = p.CurId;
        if (step > 0)
            id = (id >= highest || id < 1) ? 1 : id + 1;
        else
            id = (id <= 1 || id > highest) ? highest : id - 1;
        p.CurId = qint16(id);
        if (readActive(p, id))
            return true;
    }
    return false;
}

void showBrowsed(Program& p, RecordScreen& from, int step)
{
    if (!walk(p, step))
        return;
    showRead(p, from);
    if (from.number() == 2)
        showRecordScreen(p, 1);
}

} // namespace

void startAddCommand(Program& p, bool multiple)
{
    p.ScreenMode = multiple ? ScreenMode::AddMult : ScreenMode::Add;
    if (AddressScreen* one = loadedScreen1(p))
        one->applyMode();
    if (!multiple)
        clearRecordScreens(p);
    showRecordScreens(p);
    if (multiple)
        clearRecordScreens(p);
}

void startIdCommand(Program& p, ScreenMode mode)
{
    p.ScreenMode = mode;
    loadDummyForm();
    if (mode == ScreenMode::Change)
        askForId(p, QCoreApplication::translate("tavrel::RecordCommands", "Change."));
    else if (mode == ScreenMode::Delete)
        askForId(p, QCoreApplication::translate("tavrel::RecordCommands", "Delete."));
    else
        askForId(p, QCoreApplication::translate("tavrel::RecordCommands", "Get."));
}

void askForId(Program& p, const QString& action)
{
    if (!checkFileNotEmpty(p)) {
        unloadDummyForm();
        returnToMainWindow();
        return;
    }
    QString prefix;
    for (;;) {
        const auto answer = p.ui.inputBox(
            prefix +
                QCoreApplication::translate("tavrel::RecordCommands",
                                            "Please Specify ID Number Of Record To ") +
                action,
            kTitle, QStringLiteral("1"));
        if (!answer || answer->isEmpty()) {
            unloadDummyForm();
            returnToMainWindow();
            return;
        }
        if (answer->size() >= 5) {
            p.ui.beep();
            prefix = QCoreApplication::translate("tavrel::RecordCommands", "Invalid ID Number.") +
                     LF + LF;
            continue;
        }
        const long long n = leadingInteger(*answer);
        p.CurId = qint16(qBound(-32768LL, n, 32767LL));
        if (n < 1 || n > kMaxId) {
            p.ui.beep();
            prefix = QCoreApplication::translate("tavrel::RecordCommands", "Invalid ID Number.") +
                     LF + LF;
            continue;
        }
        if (n + 1 > p.LastRecNo) {
            p.ui.beep();
            prefix = QCoreApplication::translate("tavrel::RecordCommands",
                                                 "The Highest ID Number In File Is ") +
                     numText(p.LastRecNo - 1) + LF + LF;
            continue;
        }
        if (!readActive(p, int(n))) {
            p.ui.beep();
            prefix = QCoreApplication::translate("tavrel::RecordCommands",
                                                 "There Is No Record With ID ") +
                     numText(n) + QStringLiteral(".") + LF + LF;
            continue;
        }
        showRecordScreens(p);
        unloadDummyForm();
        return;
    }
}

void nextRecord(Program& p, RecordScreen& from)
{
    showBrowsed(p, from, +1);
}

void previousRecord(Program& p, RecordScreen& from)
{
    showBrowsed(p, from, -1);
}

void deleteRecord(Program& p, RecordScreen& from)
{
    if (p.ui.messageBox(QCoreApplication::translate("tavrel::RecordCommands",
                                                    "Do You Really Want To Delete This Record?"),
                        kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) != Ui::Answer::Yes) {
        (from.number() == 1 ? from.nextButton : from.browseCancelButton)
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int deleted = p.CurId;
    if (deleted < 1 || deleted >= p.LastRecNo)
        return;
    // Mark the record as it lies on disk, so every other field keeps its value
    // even when the buffer has since held another record or the header.
    {
        UndoScope undo(p, UndoKind::Delete, deleted);
        Get_NA_Rec(p, deleted + 1);
        p.CurRec.RecId = 0;
        p.CurRec.RecStatus = kDeleted;
        Put_NA_Rec(p, deleted + 1);
        undo.commit();
    }
    if (deleted < p.LowestFreeId)
        p.LowestFreeId = qint16(deleted);
    const int d = deleted + 1;

    auto nowEmpty = [&p] {
        say(p, QCoreApplication::translate("tavrel::RecordCommands",
                                           "Record Deleted.  The N&A File Is Now Empty."));
        p.LowestFreeId = 1;
        p.LastRecNo = 1;
        writeHeaderRecord(p);
        closeRecordScreens(p);
    };
    if (deleted == 1 && p.LastRecNo == 2) {
        nowEmpty();
        return;
    }
    // Next active record, wrapping around once.
    bool found = false;
    bool wrapped = false;
    for (;;) {
        if (p.CurId >= p.LastRecNo - 1) {
            if (wrapped)
                break;
            wrapped = true;
            p.CurId = 1;
        } else {
            p.CurId = qint16(p.CurId + 1);
        }
        if (readActive(p, p.CurId)) {
            found = true;
            break;
        }
    }
    if (!found) {
        nowEmpty();
        return;
    }
    showRead(p, from);
    if (d == p.LastRecNo)
        lowerLastRecNo(p, d);
    say(p, QCoreApplication::translate("tavrel::RecordCommands",
                                       "Record Deleted.  Next Active Record Displayed."));
    from.nextButton->setFocus(Qt::OtherFocusReason);
}

void changeRecord(Program& p, RecordScreen& from)
{
    const auto value = idValue(from.idEdit->text());
    if (!value || *value < 1 || *value > kMaxId) {
        p.ui.beep();
        say(p,
            QCoreApplication::translate("tavrel::RecordCommands", "The ID Number Is Not Valid."));
        from.idEdit->setText(QString::number(p.CurId));
        return;
    }
    const int n = *value;
    checkQuickLinkIds(p);
    const int old = p.CurId;
    if (n != old && readActive(p, n)) {
        p.ui.beep();
        say(p, QCoreApplication::translate("tavrel::RecordCommands",
                                           "That Record ID Is Already In Use."));
        from.idEdit->setText(QString::number(old));
        return;
    }
    if (!settleOverflow(p, from))
        return;
    const Contact typed = screensContact(p, n);
    UndoScope undo(p, UndoKind::Change, old);
    const Contact stored = storeContact(p, n, typed);
    if (n != old) {
        if (old + 1 == p.LastRecNo && n + 1 < p.LastRecNo)
            lowerLastRecNo(p, old);
        noteStoredId(p, n);
        // Vacate the old slot: whatever the buffer holds, written with RecId 0.
        p.CurRec.RecId = 0;
        Put_NA_Rec(p, old + 1);
        // The move may have taken the lowest free ID; an Add with an empty ID
        // box would then be offered an ID in use.
        findLowestFreeId(p);
    }
    undo.commit(n);
    say(p, QCoreApplication::translate("tavrel::RecordCommands", "Record Changed."));
    p.CurId = qint16(n);
    // Show what was stored (cut to the field widths, bad links emptied).
    fillScreens(from.session(), stored);
    forgetTyping(from.session());
    from.nextButton->setFocus(Qt::OtherFocusReason);
}

void addRecord(Program& p, RecordScreen& from)
{
    checkQuickLinkIds(p);
    if (from.idEdit->text().trimmed().isEmpty()) {
        from.idEdit->setText(numText(p.LowestFreeId));
        if (from.number() == 2)
            if (RecordScreen* one = screenOf(p, 1))
                one->idEdit->setText(from.idEdit->text());
    }
    const auto value = idValue(from.idEdit->text());
    if (value && *value > kMaxId) {
        say(p, QCoreApplication::translate("tavrel::RecordCommands",
                                           "The ID Number Cannot Exceed 1700."));
        p.ui.beep();
        from.idEdit->clear();
        from.idEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!value || *value < 1) {
        // 0 would address the header, and text is no ID at all.
        p.ui.beep();
        say(p,
            QCoreApplication::translate("tavrel::RecordCommands", "The ID Number Is Not Valid."));
        from.idEdit->clear();
        from.idEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int n = *value;
    const bool multiple = p.ScreenMode == ScreenMode::AddMult;
    bool stored = false;
    if (readActive(p, n)) {
        p.ui.beep();
        say(p, QCoreApplication::translate("tavrel::RecordCommands",
                                           "That ID Is Already In Use.  Cannot Add Record."));
    } else {
        offerSortKeys(p);
        if (!settleOverflow(p, from))
            return;
        UndoScope undo(p, UndoKind::Add, n);
        storeContact(p, n, screensContact(p, n));
        undo.commit();
        stored = true;
        if (!multiple)
            say(p, QCoreApplication::translate("tavrel::RecordCommands", "Record Added."));
        noteStoredId(p, n);
        findLowestFreeId(p);
    }
    if (!multiple) {
        closeRecordScreens(p);
        return;
    }
    if (!stored)
        return;
    clearRecordScreens(p);
    if (from.number() == 1)
        from.idEdit->setFocus(Qt::OtherFocusReason);
    else
        showRecordScreen(p, 1);
}

bool linkIdBad(const QString& text)
{
    if (text.isEmpty())
        return true;
    const QString s = (QStringLiteral("0000") + text).right(4);
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return true;
    }
    const int v = s.toInt();
    return v < 1 || v > kMaxId;
}

void checkQuickLinkIds(Program& p)
{
    DetailScreen* two = loadedScreen2(p);
    if (!two)
        return;
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = two->linkIdEdits[i];
        if (box->text().isEmpty() || !linkIdBad(box->text()))
            continue;
        say(p, QCoreApplication::translate("tavrel::RecordCommands", "ID Number In ") +
                   p.OrdinalWords.value(i) +
                   QCoreApplication::translate(
                       "tavrel::RecordCommands",
                       " Link Is Out Of Range.  Must Be Between 1 And 1700.  Will Be "
                       "Deleted."));
        box->clear();
    }
}

} // namespace tavrel
