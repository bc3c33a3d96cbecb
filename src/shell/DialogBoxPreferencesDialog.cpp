#include "shell/DialogBoxPreferencesDialog.h"

#include "platform/gui/Windows.h"
#include "shell/PreferenceWidgets.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

DialogBoxPreferencesDialog::DialogBoxPreferencesDialog(Program& p, QWidget* parent)
    : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("ShowBoxesPref"));
    setWindowTitle(tr("Dialog Box Preferences"));
    loadWindow(this);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 16, 18, 14);
    v->setSpacing(14);
    showWelcomeCheck_ = new QCheckBox(tr("Show 'N&&A File Open ...' Dialog Box At Startup"), this);
    showWelcomeCheck_->setObjectName(QStringLiteral("Check1"));
    v->addWidget(showWelcomeCheck_);

    auto* ok = makeButton(this, QStringLiteral("OKButton"), tr("&OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DialogBoxPreferencesDialog::onOkClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    v->addLayout(buttons);

    showWelcomeCheck_->setChecked(p_.WelcomeOff == QLatin1Char('0'));
}

void DialogBoxPreferencesDialog::onOkClicked()
{
    p_.WelcomeOff = showWelcomeCheck_->isChecked() ? QLatin1Char('0') : QLatin1Char('1');
    writeHeaderRecord(p_);
    unloadWindow(this);
}

void DialogBoxPreferencesDialog::reject()
{
    unloadWindow(this);
}

} // namespace tavrel
