#include "dups/gui/DeletedListDialog.h"

#include "dups/DeletedList.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace tavrel {

DeletedListDialog::DeletedListDialog(DupSearchState& s, QWidget* parent) : DupDialog(parent)
{
    setObjectName(QStringLiteral("DupsDeleted"));
    setWindowTitle(tr("Duplicate Records Deleted"));

    deletedList = new QListWidget;
    deletedList->setObjectName(QStringLiteral("List1"));
    deletedList->setFont(arialFont());
    deletedList->setMinimumWidth(deletedList->fontMetrics().horizontalAdvance(
                                     QStringLiteral("0000  ") + QString(35, QLatin1Char('M'))) *
                                 3 / 4);
    deletedList->setMinimumHeight(deletedList->fontMetrics().height() * 16);
    okButton = makeButton(tr("&OK"), "OKButton", QString());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(deletedList);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    connect(okButton, &QPushButton::clicked, this, &DeletedListDialog::onOkClicked);

    sortDeletedList(s);
    deletedList->addItems(deletedListLines(s));
    okButton->setFocus();
}

} // namespace tavrel
