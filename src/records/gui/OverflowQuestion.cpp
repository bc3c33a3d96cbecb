#include "records/gui/OverflowQuestion.h"

#include "records/FieldOverflow.h"
#include "records/RecordFields.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "records/gui/RecordScreen.h"
#include "records/gui/RecordScreens.h"
#include "store/Program.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace tavrel {

namespace {

class OverflowQuestion {
    Q_DECLARE_TR_FUNCTIONS(tavrel::OverflowQuestion)
};

// A box of the record screens that feeds a text field of the record.
struct FieldBoxRef {
    QLineEdit* box = nullptr;
    QWidget* focus = nullptr; // what takes the focus for it (a drop-down, not its line)
    int screen = 1;
};

struct ScreenFields {
    QList<FieldText> fields;
    QList<FieldBoxRef> boxes;
    void add(const QString& label, QLineEdit* box, int width, int screen, QWidget* focus = nullptr)
    {
        fields.append({label, box->text(), width});
        boxes.append({box, focus ? focus : box, screen});
    }
};

QString commentsLabel()
{
    return OverflowQuestion::tr("Comments");
}

ScreenFields screenFields(Program& p)
{
    ScreenFields s;
    if (AddressScreen* one = loadedScreen1(p)) {
        s.add(OverflowQuestion::tr("Name"), one->nameEdit, contactFieldWidth(ContactField::Name),
              1);
        for (int i = 0; i < 4; ++i)
            s.add(OverflowQuestion::tr("Address Line %1").arg(i + 1), one->addressLineEdits[i],
                  contactFieldWidth(addressLineField(i)), 1);
        for (int i = 0; i < 5; ++i) {
            QComboBox* type = one->phoneTypeCombos[i];
            s.add(OverflowQuestion::tr("Telephone %1 Type").arg(i + 1), type->lineEdit(),
                  contactFieldWidth(phoneTypeField(i)), 1, type);
            s.add(OverflowQuestion::tr("Telephone %1 Number").arg(i + 1), one->phoneNumberEdits[i],
                  contactFieldWidth(phoneNumberField(i)), 1);
        }
    }
    if (DetailScreen* two = loadedScreen2(p)) {
        for (int i = 0; i < 2; ++i)
            s.add(OverflowQuestion::tr("Sort Key %1").arg(i + 1), two->sortKeyEdits[i],
                  contactFieldWidth(sortKeyField(i)), 2);
        s.add(OverflowQuestion::tr("E-Mail Address"), two->emailEdit,
              contactFieldWidth(ContactField::EMail), 2);
        s.add(commentsLabel(), two->commentsEdit, contactFieldWidth(ContactField::Comments), 2);
        for (int i = 0; i < 4; ++i)
            s.add(OverflowQuestion::tr("QuickLink %1 Description").arg(i + 1),
                  two->linkTextEdits[i], contactFieldWidth(linkTextField(i)), 2);
    }
    return s;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString questionText(const QList<FieldOverflow>& overflows, const MovedToComments& moved,
                     bool canMove)
{
    QString text = OverflowQuestion::tr("These boxes hold more than their fields can store:") +
                   QStringLiteral("\n");
    for (const FieldOverflow& o : overflows)
        text += QStringLiteral("\n") +
                OverflowQuestion::tr("%1: only %2 characters fit; %3 would be lost.")
                    .arg(o.label)
                    .arg(o.kept.size())
                    .arg(quoted(o.lost));
    if (canMove && !moved.notMoved.isEmpty())
        text += QStringLiteral("\n\n") +
                OverflowQuestion::tr(
                    "Comments has no room for %1; moving the rest would still lose it.")
                    .arg(quoted(moved.notMoved));
    return text + QStringLiteral("\n\n") +
           OverflowQuestion::tr(
               "Keep the cut text, move the rest to Comments, or go back to the screen?");
}

enum class OverflowAnswer { Keep, Move, GoBack };

OverflowAnswer ask(Program& p, const QString& title, const QString& text, bool canMove)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton);
    box.setObjectName(QStringLiteral("FieldOverflowBox"));
    // Going back loses nothing, so it is what Enter and Esc do.
    QPushButton* back = box.addButton(OverflowQuestion::tr("&Go Back"), QMessageBox::RejectRole);
    back->setObjectName(QStringLiteral("GoBackButton"));
    QPushButton* keep =
        box.addButton(OverflowQuestion::tr("&Keep Cut Text"), QMessageBox::AcceptRole);
    keep->setObjectName(QStringLiteral("KeepButton"));
    QPushButton* move =
        box.addButton(OverflowQuestion::tr("&Move Rest To Comments"), QMessageBox::ActionRole);
    move->setObjectName(QStringLiteral("MoveButton"));
    move->setEnabled(canMove);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    p.ui.runModal(box);
    if (box.clickedButton() == keep)
        return OverflowAnswer::Keep;
    if (box.clickedButton() == move && canMove)
        return OverflowAnswer::Move;
    return OverflowAnswer::GoBack;
}

} // namespace

bool settleOverflow(Program& p, RecordScreen& from)
{
    const ScreenFields s = screenFields(p);
    const QList<FieldOverflow> overflows = findOverflows(s.fields);
    if (overflows.isEmpty())
        return true;
    DetailScreen* two = loadedScreen2(p);
    const MovedToComments moved =
        moveRestToComments(two ? two->commentsEdit->text() : QString(), overflows, commentsLabel());
    // Moving is only a way out for fields other than Comments itself.
    bool canMove = false;
    for (const FieldOverflow& o : overflows)
        canMove = canMove || o.label != commentsLabel();
    canMove = canMove && two;
    switch (ask(p, from.windowTitle(), questionText(overflows, moved, canMove), canMove)) {
    case OverflowAnswer::Keep:
        return true;
    case OverflowAnswer::Move:
        two->commentsEdit->setText(moved.comments);
        return true;
    case OverflowAnswer::GoBack:
        break;
    }
    const FieldBoxRef& first = s.boxes.at(overflows.first().index);
    showRecordScreen(p, first.screen);
    first.focus->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace tavrel
