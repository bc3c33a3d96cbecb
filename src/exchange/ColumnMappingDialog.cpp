#include "exchange/ColumnMappingDialog.h"

#include "exchange/Import.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavrel {

namespace {
const QString kLeftOut = QStringLiteral("(Not Imported)");
}

ColumnMappingDialog::ColumnMappingDialog(Program& p, const CsvTable& table, const CsvMapping& start,
                                         QWidget* parent)
    : QDialog(parent), p_(p), table_(table)
{
    setObjectName(QStringLiteral("CsvMapForm"));
    setWindowTitle(QStringLiteral("Map The Columns"));
    auto* v = new QVBoxLayout(this);
    MapLbl1 =
        named(new QLabel(QStringLiteral("The &Columns Of This File Are Not Known.  Choose What "
                                        "Each One Holds:"),
                         this),
              "MapLbl1");
    v->addWidget(MapLbl1);

    MapTbl1 = named(new QTableWidget(int(table.header.size()), 3, this), "MapTbl1");
    MapTbl1->setAccessibleName(tr("Columns Of This File"));
    MapTbl1->setHorizontalHeaderLabels(
        {QStringLiteral("Column"), QStringLiteral("First Row"), QStringLiteral("Import As")});
    MapTbl1->verticalHeader()->hide();
    MapTbl1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MapTbl1->setTabKeyNavigation(false);
    const QStringList targets = csvTargets();
    for (int row = 0; row < table.header.size(); ++row) {
        MapTbl1->setItem(row, 0, new QTableWidgetItem(table.header.at(row)));
        QString sample = table.rows.isEmpty() ? QString() : table.rows.first().value(row);
        MapTbl1->setItem(row, 1,
                         new QTableWidgetItem(sample.replace(QLatin1String("\r\n"), " / ")));
        auto* box = new QComboBox(MapTbl1);
        box->setObjectName(QStringLiteral("MapCbo1_%1").arg(row));
        box->addItem(kLeftOut);
        box->addItems(targets);
        const QString chosen = start.value(row);
        box->setCurrentIndex(chosen.isEmpty() ? 0 : std::max(0, int(targets.indexOf(chosen)) + 1));
        MapTbl1->setCellWidget(row, 2, box);
        MapCbo1 << box;
    }
    MapTbl1->resizeColumnsToContents();
    MapTbl1->horizontalHeader()->setStretchLastSection(true);
    MapTbl1->setMinimumSize(560, 260);
    MapLbl1->setBuddy(MapCbo1.value(0));
    v->addWidget(MapTbl1);

    MapChk1 = named(
        new QCheckBox(QStringLiteral("&Save This Mapping For Files With These Columns"), this),
        "MapChk1");
    MapChk1->setChecked(true);
    v->addWidget(MapChk1);
    MapCmd1 = named(new QPushButton(QStringLiteral("OK"), this), "MapCmd1");
    MapCmd2 = named(new QPushButton(QStringLiteral("Cancel"), this), "MapCmd2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {MapCmd1, MapCmd2}) {
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    // Tab goes through the choices in column order, then the check box and the buttons.
    for (qsizetype i = 1; i < MapCbo1.size(); ++i)
        setTabOrder(MapCbo1.at(i - 1), MapCbo1.at(i));
    if (!MapCbo1.isEmpty())
        setTabOrder(MapCbo1.last(), MapChk1);
    connect(MapCmd1, &QPushButton::clicked, this, &ColumnMappingDialog::MapCmd1_Click);
    connect(MapCmd2, &QPushButton::clicked, this, &QDialog::reject);
}

CsvMapping ColumnMappingDialog::mapping() const
{
    CsvMapping m;
    for (const QComboBox* box : MapCbo1)
        m << (box->currentIndex() == 0 ? QString() : box->currentText());
    return m;
}

void ColumnMappingDialog::MapCmd1_Click()
{
    const CsvMapping m = mapping();
    if (!mappingFindsNames(m)) {
        p_.ui.messageBox(QStringLiteral("Please Choose A Column For Name, First Name, Last Name, "
                                        "Display Name Or Company."),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    if (MapChk1->isChecked()) {
        try {
            saveMapping(p_, table_.header, m);
        } catch (const PlatformError& e) {
            // The import goes on with the mapping; only keeping it failed.
            p_.ui.messageBox(QStringLiteral("The Mapping Could Not Be Saved: Error") +
                                 numText(e.number()) + QLatin1Char('.'),
                             kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        }
    }
    accept();
}

} // namespace tavrel
