#include "maillists/gui/NamePicker.h"

#include "maillists/MailListFile.h"
#include "platform/gui/ListClick.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QString trText(const char* text)
{
    return QCoreApplication::translate("tavrel::NamePicker", text);
}

QLabel* label(QDialog* d, const char* name, const char* text, const QFont& font)
{
    auto* l = new QLabel(trText(text), d);
    l->setObjectName(QLatin1String(name));
    l->setFont(font);
    return l;
}

QPushButton* button(QDialog* d, const char* name, const char* text, const QString& tip)
{
    auto* b = new QPushButton(trText(text), d);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

} // namespace

NamePicker buildNamePicker(QDialog* d, const NamePickerTips& tips)
{
    NamePicker c;
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(9);

    auto* heading1 =
        label(d, "Label1", QT_TRANSLATE_NOOP("tavrel::NamePicker", "Name And Address (N&&A) File"),
              arial);
    c.allNamesList = newLineList(d, "List1");
    c.addButton =
        button(d, "AddButton", QT_TRANSLATE_NOOP("tavrel::NamePicker", "--> &Add To ML -->"),
               QCoreApplication::translate("tavrel::NamePicker",
                                           "Add The Selected Name To The Mailing List"));
    // Enter in the find box adds the one line it leaves, or the chosen one.
    const FilterBox filter =
        newFilterBox(d, c.allNamesList, "List1Filter", [add = c.addButton] { add->click(); });
    c.filterEdit = filter.edit;
    c.deleteButton = button(d, "DelButton",
                            QT_TRANSLATE_NOOP("tavrel::NamePicker", "&Delete From ML"), tips.del);
    auto* heading2 = label(
        d, "Label2", QT_TRANSLATE_NOOP("tavrel::NamePicker", "Mailing List (ML) File"), arial);
    c.memberList = newLineList(d, "List2");
    c.okButton = button(d, "OKButton", QT_TRANSLATE_NOOP("tavrel::NamePicker", "&OK"), tips.ok);
    c.cancelButton =
        button(d, "CancelButton", QT_TRANSLATE_NOOP("tavrel::NamePicker", "Cance&l"), tips.cancel);
    heading1->setBuddy(c.allNamesList);
    heading2->setBuddy(c.memberList);

    for (QListView* list : {c.allNamesList, c.memberList}) {
        list->setFont(arial);
        list->setMinimumWidth(QFontMetrics(arial).horizontalAdvance(QString(44, QLatin1Char('n'))));
        list->setMinimumHeight(300);
    }

    auto* left = new QVBoxLayout;
    left->addWidget(heading1);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filter.label);
    filterRow->addWidget(filter.edit, 1);
    left->addLayout(filterRow);
    left->addWidget(c.allNamesList);
    auto* right = new QVBoxLayout;
    right->addWidget(heading2);
    right->addWidget(c.memberList);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(c.addButton);
    middle->addSpacing(12);
    middle->addWidget(c.deleteButton);
    middle->addStretch();

    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(middle);
    lists->addLayout(right, 1);

    auto* addHelp = new QVBoxLayout;
    addHelp->addWidget(
        label(d, "Label7", QT_TRANSLATE_NOOP("tavrel::NamePicker", "Add A Name To ML:"), arial));
    addHelp->addWidget(
        label(d, "Label8", QT_TRANSLATE_NOOP("tavrel::NamePicker", "1. Click On The Name"), arial));
    addHelp->addWidget(
        label(d, "Label9", QT_TRANSLATE_NOOP("tavrel::NamePicker", "In The N&&A File"), arial));
    addHelp->addWidget(label(
        d, "Label10", QT_TRANSLATE_NOOP("tavrel::NamePicker", "2. Click The Add Button"), arial));
    auto* delHelp = new QVBoxLayout;
    delHelp->addWidget(label(
        d, "Label3", QT_TRANSLATE_NOOP("tavrel::NamePicker", "Delete A Name From ML:"), arial));
    delHelp->addWidget(
        label(d, "Label4", QT_TRANSLATE_NOOP("tavrel::NamePicker", "1. Click On The Name"), arial));
    delHelp->addWidget(
        label(d, "Label5", QT_TRANSLATE_NOOP("tavrel::NamePicker", "In The Mailing List"), arial));
    delHelp->addWidget(label(
        d, "Label6", QT_TRANSLATE_NOOP("tavrel::NamePicker", "2. Click The Delete Button"), arial));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(c.okButton);
    buttons->addWidget(c.cancelButton);
    buttons->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(addHelp);
    bottom->addStretch();
    bottom->addLayout(buttons);
    bottom->addStretch();
    bottom->addLayout(delHelp);

    auto* top = new QVBoxLayout(d);
    top->addLayout(lists);
    top->addLayout(bottom);

    QWidget::setTabOrder(c.filterEdit, c.allNamesList);
    QWidget::setTabOrder(c.allNamesList, c.addButton);
    QWidget::setTabOrder(c.addButton, c.deleteButton);
    QWidget::setTabOrder(c.deleteButton, c.memberList);
    QWidget::setTabOrder(c.memberList, c.okButton);
    QWidget::setTabOrder(c.okButton, c.cancelButton);
    // The window opens with the focus in the list, as it did before it had a find box.
    c.allNamesList->setFocus();

    onListClick(c.allNamesList, [b = c.addButton](ListClick how) {
        if (how == ListClick::Mouse)
            b->setFocus();
    });
    return c;
}

void fillNamePicker(Program& p, const NamePicker& picker, bool withMembers)
{
    NameListModel* names = linesOf(picker.allNamesList);
    NameListModel* members = linesOf(picker.memberList);
    names->clear();
    members->clear();
    if (!checkFileNotEmpty(p))
        return;
    buildNameList(p, p.SortPref);
    QVector<NameListModel::Line> memberLines;
    names->fillFromSortedList(p, [&](qint16 id) -> std::optional<QString> {
        if (!readActive(p, id))
            return std::nullopt;
        // The name as the person spelled it, where the file holds a transliteration.
        const QString line = pickerLine(id, contactOf(p, id, p.CurRec).text(ContactField::Name));
        if (withMembers && isMember(p, id))
            memberLines.append({id, line});
        return line;
    });
    members->setLines(memberLines);
    clearCurrentLine(picker.allNamesList);
    clearCurrentLine(picker.memberList);
}

int addPickedName(Program& p, const NamePicker& picker)
{
    const int row = chosenLine(picker.allNamesList);
    if (row < 0) {
        p.ui.messageBox(QCoreApplication::translate("tavrel::NamePicker",
                                                    "No Name Selected For Adding To Mailing List"),
                        kDefaultTitle, Ui::Buttons::Ok);
        return 0;
    }
    int change = 0;
    const NameListModel* names = linesOf(picker.allNamesList);
    const int id = names->idAt(row);
    if (id >= 1 && id <= kMaxId && !isMember(p, id)) {
        setMember(p, id, true);
        linesOf(picker.memberList)->appendLine({qint16(id), names->textAt(row)});
        change = 1;
    }
    picker.okButton->setFocus();
    return change;
}

int removePickedName(Program& p, const NamePicker& picker)
{
    const int row = chosenLine(picker.memberList);
    if (row < 0) {
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::NamePicker", "No Name Selected For Deletion"),
            kDefaultTitle, Ui::Buttons::Ok);
        return 0;
    }
    NameListModel* members = linesOf(picker.memberList);
    setMember(p, members->idAt(row), false);
    members->removeLineAt(row);
    picker.okButton->setFocus();
    return -1;
}

} // namespace tavrel
