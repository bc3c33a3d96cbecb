#include "maillists/NamePicker.h"

#include "maillists/MailListFile.h"
#include "platform/gui/ListClick.h"
#include "store/NameList.h"
#include "store/RecordAccess.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QLabel* label(QDialog* d, const char* name, const QString& text, const QFont& font)
{
    auto* l = new QLabel(text, d);
    l->setObjectName(QLatin1String(name));
    l->setFont(font);
    return l;
}

QPushButton* button(QDialog* d, const char* name, const QString& text, const QString& tip)
{
    auto* b = new QPushButton(text, d);
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

    auto* heading1 = label(d, "Label1", QStringLiteral("Name And Address (N&&A) File"), arial);
    c.List1 = new QListWidget(d);
    c.List1->setObjectName(QStringLiteral("List1"));
    c.AddButton = button(d, "AddButton", QStringLiteral("--> &Add To ML -->"),
                         QStringLiteral("Add The Selected Name To The Mailing List"));
    c.DelButton = button(d, "DelButton", QStringLiteral("&Delete From ML"), tips.del);
    auto* heading2 = label(d, "Label2", QStringLiteral("Mailing List (ML) File"), arial);
    c.List2 = new QListWidget(d);
    c.List2->setObjectName(QStringLiteral("List2"));
    c.OKButton = button(d, "OKButton", QStringLiteral("&OK"), tips.ok);
    c.CancelButton = button(d, "CancelButton", QStringLiteral("Cance&l"), tips.cancel);
    heading1->setBuddy(c.List1);
    heading2->setBuddy(c.List2);

    for (QListWidget* list : {c.List1, c.List2}) {
        list->setFont(arial);
        list->setMinimumWidth(QFontMetrics(arial).horizontalAdvance(QString(44, QLatin1Char('n'))));
        list->setMinimumHeight(300);
    }

    auto* left = new QVBoxLayout;
    left->addWidget(heading1);
    left->addWidget(c.List1);
    auto* right = new QVBoxLayout;
    right->addWidget(heading2);
    right->addWidget(c.List2);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(c.AddButton);
    middle->addSpacing(12);
    middle->addWidget(c.DelButton);
    middle->addStretch();

    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(middle);
    lists->addLayout(right, 1);

    auto* addHelp = new QVBoxLayout;
    addHelp->addWidget(label(d, "Label7", QStringLiteral("Add A Name To ML:"), arial));
    addHelp->addWidget(label(d, "Label8", QStringLiteral("1. Click On The Name"), arial));
    addHelp->addWidget(label(d, "Label9", QStringLiteral("In The N&&A File"), arial));
    addHelp->addWidget(label(d, "Label10", QStringLiteral("2. Click The Add Button"), arial));
    auto* delHelp = new QVBoxLayout;
    delHelp->addWidget(label(d, "Label3", QStringLiteral("Delete A Name From ML:"), arial));
    delHelp->addWidget(label(d, "Label4", QStringLiteral("1. Click On The Name"), arial));
    delHelp->addWidget(label(d, "Label5", QStringLiteral("In The Mailing List"), arial));
    delHelp->addWidget(label(d, "Label6", QStringLiteral("2. Click The Delete Button"), arial));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(c.OKButton);
    buttons->addWidget(c.CancelButton);
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

    QWidget::setTabOrder(c.List1, c.AddButton);
    QWidget::setTabOrder(c.AddButton, c.DelButton);
    QWidget::setTabOrder(c.DelButton, c.List2);
    QWidget::setTabOrder(c.List2, c.OKButton);
    QWidget::setTabOrder(c.OKButton, c.CancelButton);

    onListClick(c.List1, [b = c.AddButton](ListClick how) {
        if (how == ListClick::Mouse)
            b->setFocus();
    });
    return c;
}

void fillNamePicker(Program& p, const NamePicker& picker, bool withMembers)
{
    picker.List1->clear();
    picker.List2->clear();
    if (!checkFileNotEmpty(p))
        return;
    BuildNameList(p, p.SortPref);
    for (int i = 1; i <= p.SortedCount; ++i) {
        const int id = p.sortedId(i);
        if (!readActive(p, id))
            continue;
        const QString line = pickerLine(id, p.CurRec.Name);
        picker.List1->addItem(line);
        if (withMembers && isMember(p, id))
            picker.List2->addItem(line);
    }
    clearCurrentLine(picker.List1);
    clearCurrentLine(picker.List2);
}

int pickerLineId(const QString& line)
{
    return line.left(4).trimmed().toInt();
}

int addPickedName(Program& p, const NamePicker& picker)
{
    QListWidgetItem* item = picker.List1->currentItem();
    if (!item || !item->isSelected()) {
        p.ui.messageBox(QStringLiteral("No Name Selected For Adding To Mailing List"),
                        kDefaultTitle, Ui::Buttons::Ok);
        return 0;
    }
    int change = 0;
    const int id = pickerLineId(item->text());
    if (id >= 1 && id <= kMaxId && !isMember(p, id)) {
        setMember(p, id, true);
        picker.List2->addItem(item->text());
        change = 1;
    }
    picker.OKButton->setFocus();
    return change;
}

int removePickedName(Program& p, const NamePicker& picker)
{
    QListWidgetItem* item = picker.List2->currentItem();
    if (!item || !item->isSelected()) {
        p.ui.messageBox(QStringLiteral("No Name Selected For Deletion"), kDefaultTitle,
                        Ui::Buttons::Ok);
        return 0;
    }
    setMember(p, pickerLineId(item->text()), false);
    delete picker.List2->takeItem(picker.List2->row(item));
    picker.OKButton->setFocus();
    return -1;
}

} // namespace tavrel
