#include "records/gui/RecordPickerDialog.h"

#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "records/RecordFields.h"
#include "store/NameList.h"
#include "store/NameListModel.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/gui/LineList.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

RecordPickerDialog::RecordPickerDialog(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("NAContent"));
    setWindowTitle(tr("N&A File Content"));

    recordList = newLineList(this, "List1");
    // The lines are columns of fixed-width fields.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies(
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), mono.family()});
    recordList->setFont(mono);
    const int lineWidth = QFontMetrics(mono).horizontalAdvance(QString(41, QLatin1Char('M')));
    recordList->setMinimumSize(lineWidth + 40, 300);

    auto* frame = new QGroupBox(tr("Copy To QuickLink"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    copyWhatOptions[0] = new QRadioButton(tr("&ID Number Only"), frame);
    copyWhatOptions[1] = new QRadioButton(tr("ID Number &And Name"), frame);
    copyWhatOptions[0]->setChecked(true);
    auto* options = new QVBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        copyWhatOptions[i]->setObjectName(QStringLiteral("Option3D1_%1").arg(i));
        options->addWidget(copyWhatOptions[i]);
        connect(copyWhatOptions[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                onCopyWhatChosen();
        });
    }

    okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setToolTip(tr("Copy The Selected Data To The QuickLink"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cance&l"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setToolTip(tr("Don't Copy Anything To The QuickLink"));
    cancelButton->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(frame);
    buttons->addSpacing(12);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    const FilterBox filter =
        newFilterBox(this, recordList, "List1Filter", [this] { okButton->click(); });
    filterEdit = filter.edit;
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filter.label);
    filterRow->addWidget(filterEdit, 1);
    auto* names = new QVBoxLayout;
    names->addLayout(filterRow);
    names->addWidget(recordList, 1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(names, 1);
    top->addLayout(buttons);
    setTabOrder(filterEdit, recordList);
    // The window opens with the focus in the list, as it did before it had a find box.
    recordList->setFocus();

    connect(okButton, &QPushButton::clicked, this, &RecordPickerDialog::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(recordList, &QListView::doubleClicked, this, [this] { onOkClicked(); });
}

bool RecordPickerDialog::load()
{
    if (!checkFileNotEmpty(p_))
        return false;
    p_.ui.setWaitCursor(true);
    buildNameList(p_, p_.SortPref);
    linesOf(recordList)->fillFromSortedList(p_, [this](qint16 id) -> std::optional<QString> {
        if (!readActive(p_, id))
            return std::nullopt;
        return pickerLine(id, contactInBuffer(p_).text(ContactField::Name));
    });
    clearCurrentLine(recordList);
    p_.ui.setWaitCursor(false);
    return true;
}

void RecordPickerDialog::onCopyWhatChosen()
{
    okButton->setFocus(Qt::OtherFocusReason);
}

void RecordPickerDialog::onOkClicked()
{
    const int row = chosenLine(recordList);
    if (row < 0) {
        p_.ui.messageBox(tr("Please Select A N&A Entry Or Click Cancel."), kTitle, Ui::Buttons::Ok);
        return;
    }
    const QString line = linesOf(recordList)->textAt(row);
    p_.PickedLinkId = qint16(leadingInteger(line.left(5)));
    p_.PickedLinkName = line.mid(6);
    if (copyWhatOptions[1]->isChecked())
        p_.PickedLinkId = qint16(p_.PickedLinkId + 2000);
    accept();
}

} // namespace tavrel
