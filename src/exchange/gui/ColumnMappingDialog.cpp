#include "exchange/gui/ColumnMappingDialog.h"

#include "exchange/Import.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "platform/gui/Named.h"
#include "store/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavrel {

ColumnMappingDialog::ColumnMappingDialog(Services& services, const CsvTable& table,
                                         const CsvMapping& start, QWidget* parent)
    : QDialog(parent), services_(services), table_(table)
{
    setObjectName(QStringLiteral("CsvMapForm"));
    setWindowTitle(tr("Map The Columns"));
    auto* v = new QVBoxLayout(this);
    headingLabel = named(new QLabel(tr("The &Columns Of This File Are Not Known.  Choose What "
                                       "Each One Holds:"),
                                    this),
                         "MapLbl1");
    v->addWidget(headingLabel);

    columnTable = named(new QTableWidget(int(table.header.size()), 3, this), "MapTbl1");
    columnTable->setAccessibleName(tr("Columns Of This File"));
    columnTable->setHorizontalHeaderLabels({tr("Column"), tr("First Row"), tr("Import As")});
    columnTable->verticalHeader()->hide();
    columnTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    columnTable->setTabKeyNavigation(false);
    const QStringList targets = csvTargets();
    for (int row = 0; row < table.header.size(); ++row) {
        columnTable->setItem(row, 0, new QTableWidgetItem(table.header.at(row)));
        QString sample = table.rows.isEmpty() ? QString() : table.rows.first().value(row);
        columnTable->setItem(row, 1,
                             new QTableWidgetItem(sample.replace(QLatin1String("\r\n"), " / ")));
        auto* box = new QComboBox(columnTable);
        box->setObjectName(QStringLiteral("MapCbo1_%1").arg(row));
        box->addItem(tr("(Not Imported)"));
        box->addItems(targets);
        const QString chosen = start.value(row);
        box->setCurrentIndex(chosen.isEmpty() ? 0 : std::max(0, int(targets.indexOf(chosen)) + 1));
        columnTable->setCellWidget(row, 2, box);
        columnCombos << box;
    }
    columnTable->resizeColumnsToContents();
    columnTable->horizontalHeader()->setStretchLastSection(true);
    columnTable->setMinimumSize(560, 260);
    headingLabel->setBuddy(columnCombos.value(0));
    v->addWidget(columnTable);

    saveMappingCheck = named(
        new QCheckBox(tr("&Save This Mapping For Files With These Columns"), this), "MapChk1");
    saveMappingCheck->setChecked(true);
    v->addWidget(saveMappingCheck);
    okButton = named(new QPushButton(tr("OK"), this), "MapCmd1");
    cancelButton = named(new QPushButton(tr("Cancel"), this), "MapCmd2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {okButton, cancelButton}) {
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    // Tab goes through the choices in column order, then the check box and the buttons.
    for (qsizetype i = 1; i < columnCombos.size(); ++i)
        setTabOrder(columnCombos.at(i - 1), columnCombos.at(i));
    if (!columnCombos.isEmpty())
        setTabOrder(columnCombos.last(), saveMappingCheck);
    connect(okButton, &QPushButton::clicked, this, &ColumnMappingDialog::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CsvMapping ColumnMappingDialog::mapping() const
{
    CsvMapping m;
    for (const QComboBox* box : columnCombos)
        m << (box->currentIndex() == 0 ? QString() : box->currentText());
    return m;
}

void ColumnMappingDialog::onOkClicked()
{
    const CsvMapping m = mapping();
    if (!mappingFindsNames(m)) {
        services_.ui.messageBox(tr("Please Choose A Column For Name, First Name, Last Name, "
                                   "Display Name Or Company."),
                                kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    if (saveMappingCheck->isChecked()) {
        try {
            saveMapping(services_, table_.header, m);
        } catch (const PlatformError& e) {
            // The import goes on with the mapping; only keeping it failed.
            services_.ui.messageBox(tr("The Mapping Could Not Be Saved: Error") +
                                        numText(e.number()) + QLatin1Char('.'),
                                    kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        }
    }
    accept();
}

} // namespace tavrel
