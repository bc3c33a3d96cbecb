#include "dups/gui/DeletedListDialog.h"

#include "dups/DeletedList.h"
#include "store/NameListModel.h"

#include <QListView>
#include <QVBoxLayout>

namespace tavrel {

DeletedListDialog::DeletedListDialog(DupSearchState& s, QWidget* parent) : DupDialog(parent)
{
    setObjectName(QStringLiteral("DupsDeleted"));
    setWindowTitle(tr("Duplicate Records Deleted"));

    deletedList = new QListView;
    deletedList->setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    const QStringList texts = deletedListLines(s);
    QVector<NameListModel::Line> lines;
    for (int k = 0; k < texts.size(); ++k)
        lines.append({qint16(s.DeletedIds[k + 1]), texts[k]});
    auto* model = new NameListModel(this);
    model->setLines(std::move(lines));
    deletedList->setModel(model);
    okButton->setFocus();
}

} // namespace tavrel
