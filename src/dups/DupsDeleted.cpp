#include "dups/DupsDeleted.h"

#include "dups/DeletedList.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace tavrel {

DupsDeleted::DupsDeleted(DupSearchState& s, QWidget* parent) : DupDialog(parent)
{
    setObjectName(QStringLiteral("DupsDeleted"));
    setWindowTitle(QStringLiteral("Duplicate Records Deleted"));

    List1 = new QListWidget;
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(arialFont());
    List1->setMinimumWidth(List1->fontMetrics().horizontalAdvance(QStringLiteral("0000  ") +
                                                                  QString(35, QLatin1Char('M'))) *
                           3 / 4);
    List1->setMinimumHeight(List1->fontMetrics().height() * 16);
    OKButton = makeButton(QStringLiteral("&OK"), "OKButton", QString());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    connect(OKButton, &QPushButton::clicked, this, &DupsDeleted::OKButton_Click);

    sortDeletedList(s);
    List1->addItems(deletedListLines(s));
    OKButton->setFocus();
}

} // namespace tavrel
