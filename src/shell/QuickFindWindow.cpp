#include "shell/QuickFindWindow.h"

#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Windows.h"
#include "records/RecordScreens.h"
#include "store/NameList.h"
#include "store/RecordAccess.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

void startQuickFind(Program& p)
{
    auto* form = new ListForm(p);
    loadWindow(form);
    form->show();
    form->Form_Load();
}

ListForm::ListForm(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("ListForm"));
    setWindowTitle(QStringLiteral("Name And Address File QuickFind"));

    auto* label1 = new QLabel(QStringLiteral("The Two Parameters Below Can Be Changed "), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label3 = new QLabel(QStringLiteral("From The Preferences Menu"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    auto* label2 = new QLabel(QStringLiteral("&Sorted By:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    ListLbl1 = new QLabel(this);
    ListLbl1->setObjectName(QStringLiteral("ListLbl1"));
    auto* listLbl3 = new QLabel(QStringLiteral("Field Displayed:  "), this);
    listLbl3->setObjectName(QStringLiteral("ListLbl3"));
    ListLbl2 = new QLabel(this);
    ListLbl2->setObjectName(QStringLiteral("ListLbl2"));

    ListLst1 = new QListWidget(this);
    ListLst1->setObjectName(QStringLiteral("ListLst1"));
    QFont arial = ListLst1->font();
    arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    ListLst1->setFont(arial);
    ListLst1->setMinimumSize(520, 320);
    label2->setBuddy(ListLst1);

    ListCmd2 = new QPushButton(QStringLiteral("&Display Record"), this);
    ListCmd2->setObjectName(QStringLiteral("ListCmd2"));
    ListCmd2->setToolTip(QStringLiteral("Display The Selected N&A Record"));
    ListCmd2->setDefault(true);
    ListCmd1 = new QPushButton(QStringLiteral("Cance&l"), this);
    ListCmd1->setObjectName(QStringLiteral("ListCmd1"));
    ListCmd1->setToolTip(QStringLiteral("Terminate QuickFind"));

    auto* params = new QGridLayout;
    params->addWidget(label1, 0, 0, 1, 2);
    params->addWidget(label3, 1, 0, 1, 2);
    params->addWidget(label2, 2, 0);
    params->addWidget(ListLbl1, 2, 1);
    params->addWidget(listLbl3, 3, 0);
    params->addWidget(ListLbl2, 3, 1);
    params->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ListCmd2);
    buttons->addWidget(ListCmd1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(params);
    top->addWidget(ListLst1, 1);
    top->addLayout(buttons);

    setTabOrder(ListLst1, ListCmd2);
    setTabOrder(ListCmd2, ListCmd1);

    connect(ListCmd1, &QPushButton::clicked, this, &ListForm::ListCmd1_Click);
    connect(ListCmd2, &QPushButton::clicked, this, &ListForm::ListCmd2_Click);
    onListClick(ListLst1, [this](ListClick how) { ListLst1_Click(how); });
    connect(ListLst1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openLine(ListLst1->row(item)); });
}

QString ListForm::sortCaption(QChar code)
{
    switch (code.unicode()) {
    case '0':
        return QStringLiteral("Sort Key 1");
    case '1':
        return QStringLiteral("Sort Key 2");
    case '2':
        return QStringLiteral("Sort Key 1 + Sort Key 2");
    case '3':
        return QStringLiteral("Sort Key 2 + Sort Key 1");
    default:
        return QStringLiteral("ID Number");
    }
}

QString ListForm::fieldCaption(QChar code)
{
    switch (code.unicode()) {
    case '1':
        return QStringLiteral("Address Line 1");
    case '2':
        return QStringLiteral("Address Line 2");
    case '3':
        return QStringLiteral("Address Line 3");
    case '4':
        return QStringLiteral("Address Line 4");
    case '5':
        return QStringLiteral("Comments");
    case '6':
        return QStringLiteral("First Two Telephone Numbers");
    default:
        return QStringLiteral("Name");
    }
}

QString ListForm::lineText(const NARecord& r, QChar code)
{
    switch (code.unicode()) {
    case '1':
        return padRight(r.AddrLine1, Width::Addr);
    case '2':
        return padRight(r.AddrLine2, Width::Addr);
    case '3':
        return padRight(r.AddrLine3, Width::Addr);
    case '4':
        return padRight(r.AddrLine4, Width::Addr);
    case '5':
        return padRight(r.Comments, Width::Comments);
    case '6':
        return padRight(r.PhoneType1, Width::PhoneType) + QLatin1Char(' ') +
               padRight(r.PhoneNum1, Width::PhoneNum) + QStringLiteral("  ") +
               padRight(r.PhoneType2, Width::PhoneType) + QLatin1Char(' ') +
               padRight(r.PhoneNum2, Width::PhoneNum);
    default:
        return padRight(r.Name, Width::Name);
    }
}

void ListForm::Form_Load()
{
    p_.ui.setWaitCursor(true);
    if (p_.LastRecNo <= 1) {
        p_.ui.beep();
        p_.ui.messageBox(QStringLiteral("The N&A File Is Empty."), kTitle, Ui::Buttons::Ok);
        p_.ui.setWaitCursor(false);
        return;
    }
    ListLbl1->setText(sortCaption(p_.QuickFindSort));
    BuildNameList(p_, p_.QuickFindSort);
    QStringList lines;
    lines.reserve(p_.SortedCount);
    for (int k = 1; k <= p_.SortedCount; ++k) {
        p_.CurId = p_.sortedId(k);
        Get_NA_Rec(p_, p_.CurId + 1);
        lines << lineText(p_.CurRec, p_.QuickFindField);
    }
    ListLst1->addItems(lines);
    clearCurrentLine(ListLst1);
    ListLbl2->setText(fieldCaption(p_.QuickFindField));
    if (QWidget* print = loadedWindowWithTitle(QStringLiteral("Print")))
        unloadWindow(print);
    p_.ui.setWaitCursor(false);
}

void ListForm::ListLst1_Click(ListClick how)
{
    if (how == ListClick::Mouse)
        ListCmd2->setFocus(Qt::OtherFocusReason);
}

void ListForm::keyPressEvent(QKeyEvent* event)
{
    // Enter that no control took (the list passes it on) answers the default
    // button, as in a dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ListCmd2->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ListForm::ListCmd1_Click()
{
    unloadWindow(this);
}

void ListForm::ListCmd2_Click()
{
    const QListWidgetItem* item = ListLst1->currentItem();
    if (!item || !item->isSelected()) {
        p_.ui.messageBox(QStringLiteral("Please Select A Line."), kDefaultTitle, Ui::Buttons::Ok);
        return;
    }
    openLine(ListLst1->row(item));
}

void ListForm::openLine(int row)
{
    if (row < 0 || row + 1 > p_.SortedCount)
        return;
    p_.CurId = p_.sortedId(row + 1);
    Get_NA_Rec(p_, p_.CurId + 1);
    p_.ScreenMode = QStringLiteral("Browse");
    showRecordScreens(p_);
    unloadWindow(this);
}

} // namespace tavrel
