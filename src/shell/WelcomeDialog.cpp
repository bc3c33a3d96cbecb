#include "shell/WelcomeDialog.h"

#include "shell/PreferenceWidgets.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

WelcomeDialog::WelcomeDialog(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("FileOpenDlg"));
    setWindowTitle(tr("Welcome To Corvane MARK32"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 16, 18, 14);
    v->setSpacing(12);
    auto* label1 = new QLabel(
        tr("The Name And Address (N&A) File Is Open And Available For Processing."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setTextFormat(Qt::PlainText);
    label1->setWordWrap(true);
    QFont bold = label1->font();
    bold.setBold(true);
    label1->setFont(bold);
    auto* label2 =
        new QLabel(tr("To Continue, Click The OK Button Then Click One Of The Buttons On The "
                      "Toolbar Above Or Pull Down One Of The Menus And Select A Function."),
                   this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setWordWrap(true);
    v->addWidget(label1);
    v->addWidget(label2);

    dontShowCheck_ = new QCheckBox(tr("Don't Show This Message On Future Startups"), this);
    dontShowCheck_->setObjectName(QStringLiteral("Check1"));
    v->addWidget(dontShowCheck_);

    auto* ok = makeButton(this, QStringLiteral("OKButton"), tr("&OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &WelcomeDialog::onOkClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    v->addLayout(buttons);
    setFixedWidth(440);
}

void WelcomeDialog::onOkClicked()
{
    if (dontShowCheck_->isChecked()) {
        p_.WelcomeOff = QLatin1Char('1');
        writeHeaderRecord(p_);
    }
    accept();
}

} // namespace tavrel
