#include "shell/QuickFindWindow.h"

#include "platform/Text.h"
#include "platform/gui/EscapeKey.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Windows.h"
#include "records/gui/RecordScreens.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"
#include "store/NameListModel.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/gui/LineList.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace tavrel {

void startQuickFind(Program& p)
{
    auto* form = new QuickFindWindow(p);
    loadWindow(form);
    form->show();
    form->fillList();
}

QuickFindWindow::QuickFindWindow(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("ListForm"));
    setWindowTitle(tr("Name And Address File QuickFind"));
    setProperty("helpContext", 100);

    auto* label1 = new QLabel(tr("The Two Parameters Below Can Be Changed "), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label3 = new QLabel(tr("From The Preferences Menu"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    auto* label2 = new QLabel(tr("&Sorted By:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    sortOrderLabel = new QLabel(this);
    sortOrderLabel->setObjectName(QStringLiteral("ListLbl1"));
    auto* fieldCaptionLabel = new QLabel(tr("Field Displayed:  "), this);
    fieldCaptionLabel->setObjectName(QStringLiteral("ListLbl3"));
    fieldLabel = new QLabel(this);
    fieldLabel->setObjectName(QStringLiteral("ListLbl2"));

    nameList = newLineList(this, "ListLst1");
    lines = linesOf(nameList);
    shownLines = shownLinesOf(nameList);
    QFont arial = nameList->font();
    arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    nameList->setFont(arial);
    label2->setBuddy(nameList);
    // The label that leads to the list tells its order; the list itself is
    // named for the field its lines show ("Name List").
    nameList->setAccessibleName(tr("%1 List").arg(fieldCaption(p_.QuickFindField)));

    displayButton = new QPushButton(tr("&Display Record"), this);
    displayButton->setObjectName(QStringLiteral("ListCmd2"));
    displayButton->setToolTip(tr("Display The Selected N&A Record"));
    displayButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cance&l"), this);
    cancelButton->setObjectName(QStringLiteral("ListCmd1"));
    cancelButton->setToolTip(tr("Terminate QuickFind"));
    const FilterBox filter =
        newFilterBox(this, nameList, "ListFilter", [this] { displayButton->click(); });
    filterEdit = filter.edit;
    sendTypingToFilterBox(nameList, filterEdit);

    auto* params = new QGridLayout;
    params->addWidget(label1, 0, 0, 1, 2);
    params->addWidget(label3, 1, 0, 1, 2);
    params->addWidget(label2, 2, 0);
    params->addWidget(sortOrderLabel, 2, 1);
    params->addWidget(fieldCaptionLabel, 3, 0);
    params->addWidget(fieldLabel, 3, 1);
    params->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(displayButton);
    buttons->addWidget(cancelButton);
    auto* top = new QVBoxLayout(this);
    top->addLayout(params);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filter.label);
    filterRow->addWidget(filterEdit, 1);
    top->addLayout(filterRow);
    top->addWidget(nameList, 1);
    top->addLayout(buttons);
    // The find box takes its room from the list, so the window keeps its size.
    nameList->setMinimumSize(520, 320 - filterRow->sizeHint().height() - top->spacing());

    // The window opens in the list; its find box comes next, then the buttons.
    setTabOrder(nameList, filterEdit);
    setTabOrder(filterEdit, displayButton);
    setTabOrder(displayButton, cancelButton);
    // The window opens with the focus in the list, as it did before it had a find box.
    nameList->setFocus();

    connect(cancelButton, &QPushButton::clicked, this, &QuickFindWindow::onCancelClicked);
    escapePresses(this, {cancelButton});
    connect(displayButton, &QPushButton::clicked, this, &QuickFindWindow::onDisplayClicked);
    onListClick(nameList, [this](ListClick how) { onLineClicked(how); });
    connect(nameList, &QListView::doubleClicked, this,
            [this](const QModelIndex& line) { openLine(line.row()); });
}

QString QuickFindWindow::sortCaption(QChar code)
{
    switch (code.unicode()) {
    case '0':
        return tr("Sort Key 1");
    case '1':
        return tr("Sort Key 2");
    case '2':
        return tr("Sort Key 1 + Sort Key 2");
    case '3':
        return tr("Sort Key 2 + Sort Key 1");
    default:
        return tr("ID Number");
    }
}

QString QuickFindWindow::fieldCaption(QChar code)
{
    switch (code.unicode()) {
    case '1':
        return tr("Address Line 1");
    case '2':
        return tr("Address Line 2");
    case '3':
        return tr("Address Line 3");
    case '4':
        return tr("Address Line 4");
    case '5':
        return tr("Comments");
    case '6':
        return tr("First Two Telephone Numbers");
    default:
        return tr("Name");
    }
}

QString QuickFindWindow::lineText(const NARecord& r, QChar code)
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

QString QuickFindWindow::lineText(const Contact& c, QChar code)
{
    // The person's own spelling is shown whole, even where it is longer.
    const auto text = [&c](ContactField f, int width) { return c.text(f).leftJustified(width); };
    switch (code.unicode()) {
    case '1':
        return text(ContactField::AddrLine1, Width::Addr);
    case '2':
        return text(ContactField::AddrLine2, Width::Addr);
    case '3':
        return text(ContactField::AddrLine3, Width::Addr);
    case '4':
        return text(ContactField::AddrLine4, Width::Addr);
    case '5':
        return text(ContactField::Comments, Width::Comments);
    case '6':
        return text(ContactField::PhoneType1, Width::PhoneType) + QLatin1Char(' ') +
               text(ContactField::PhoneNum1, Width::PhoneNum) + QStringLiteral("  ") +
               text(ContactField::PhoneType2, Width::PhoneType) + QLatin1Char(' ') +
               text(ContactField::PhoneNum2, Width::PhoneNum);
    default:
        return text(ContactField::Name, Width::Name);
    }
}

NameListModel::Line QuickFindWindow::lineOf(qint16 id) const
{
    const QChar field = p_.QuickFindField;
    const FieldTexts originals = originalsOf(p_, id, p_.CurRec);
    NameListModel::Line line{id, lineText(p_.CurRec, field), findFieldsOf(p_.CurRec, originals)};
    if (originals.empty())
        return line;
    // The person's own spelling on show; the record's still finds the line.
    const QString shown = lineText(decodeContact(p_.CurRec, originals), field);
    if (shown != line.text)
        line.stored = std::exchange(line.text, shown);
    return line;
}

void QuickFindWindow::fillList()
{
    p_.ui.setWaitCursor(true);
    if (p_.LastRecNo <= 1) {
        p_.ui.beep();
        p_.ui.messageBox(tr("The N&A File Is Empty."), kTitle, Ui::Buttons::Ok);
        p_.ui.setWaitCursor(false);
        return;
    }
    sortOrderLabel->setText(sortCaption(p_.QuickFindSort));
    nameList->setAccessibleDescription(tr("Sorted By: %1").arg(sortOrderLabel->text()));
    buildNameList(p_, p_.QuickFindSort);
    // The find box looks in every field of the record, not only the one shown.
    lines->fillLinesFromSortedList(p_, [this](qint16 id) {
        p_.CurId = id;
        Get_NA_Rec(p_, id + 1);
        return std::optional<NameListModel::Line>(lineOf(id));
    });
    clearCurrentLine(nameList);
    fieldLabel->setText(fieldCaption(p_.QuickFindField));
    if (QWidget* print = loadedWindow(QStringLiteral("PrtForm")))
        unloadWindow(print);
    p_.ui.setWaitCursor(false);
}

void QuickFindWindow::onLineClicked(ListClick how)
{
    if (how == ListClick::Mouse)
        displayButton->setFocus(Qt::OtherFocusReason);
}

void QuickFindWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter that no control took (the list passes it on) answers the default
    // button, as in a dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        displayButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QuickFindWindow::onCancelClicked()
{
    unloadWindow(this);
}

void QuickFindWindow::onDisplayClicked()
{
    const QModelIndex line = nameList->currentIndex();
    if (!line.isValid() || !nameList->selectionModel()->isSelected(line)) {
        p_.ui.messageBox(tr("Please Select A Line."), kDefaultTitle, Ui::Buttons::Ok);
        return;
    }
    openLine(line.row());
}

void QuickFindWindow::openLine(int row)
{
    const int line = shownLines->sourceRow(row);
    if (line < 0)
        return;
    p_.CurId = lines->idAt(line);
    Get_NA_Rec(p_, p_.CurId + 1);
    p_.ScreenMode = ScreenMode::Browse;
    showRecordScreens(p_);
    unloadWindow(this);
}

} // namespace tavrel
