#include "records/NAContent.h"

#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "store/NameList.h"
#include "store/RecordAccess.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

NAContent::NAContent(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("NAContent"));
    setWindowTitle(QStringLiteral("N&A File Content"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    // The lines are columns of fixed-width fields.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies(
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), mono.family()});
    List1->setFont(mono);
    const int lineWidth = QFontMetrics(mono).horizontalAdvance(QString(41, QLatin1Char('M')));
    List1->setMinimumSize(lineWidth + 40, 300);

    auto* frame = new QGroupBox(QStringLiteral("Copy To QuickLink"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    Option3D1[0] = new QRadioButton(QStringLiteral("&ID Number Only"), frame);
    Option3D1[1] = new QRadioButton(QStringLiteral("ID Number &And Name"), frame);
    Option3D1[0]->setChecked(true);
    auto* options = new QVBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        Option3D1[i]->setObjectName(QStringLiteral("Option3D1_%1").arg(i));
        options->addWidget(Option3D1[i]);
        connect(Option3D1[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Option3D1_Click();
        });
    }

    OKButton = new QPushButton(QStringLiteral("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setToolTip(QStringLiteral("Copy The Selected Data To The QuickLink"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cance&l"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setToolTip(QStringLiteral("Don't Copy Anything To The QuickLink"));
    CancelButton->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(frame);
    buttons->addSpacing(12);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto* top = new QHBoxLayout(this);
    top->addWidget(List1, 1);
    top->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &NAContent::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { OKButton_Click(); });
}

bool NAContent::Form_Load()
{
    if (!checkFileNotEmpty(p_))
        return false;
    p_.ui.setWaitCursor(true);
    BuildNameList(p_, p_.SortPref);
    for (int k = 1; k <= p_.SortedCount; ++k) {
        const int id = p_.sortedId(k);
        if (readActive(p_, id))
            List1->addItem(pickerLine(id, p_.CurRec.Name));
    }
    clearCurrentLine(List1);
    p_.ui.setWaitCursor(false);
    return true;
}

void NAContent::Option3D1_Click()
{
    OKButton->setFocus(Qt::OtherFocusReason);
}

void NAContent::OKButton_Click()
{
    QListWidgetItem* item = List1->currentItem();
    if (!item || !item->isSelected()) {
        p_.ui.messageBox(QStringLiteral("Please Select A N&A Entry Or Click Cancel."), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    const QString line = item->text();
    p_.PickedLinkId = qint16(leadingInteger(line.left(5)));
    p_.PickedLinkName = line.mid(6);
    if (Option3D1[1]->isChecked())
        p_.PickedLinkId = qint16(p_.PickedLinkId + 2000);
    accept();
}

} // namespace tavrel
