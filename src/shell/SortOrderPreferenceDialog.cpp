#include "shell/SortOrderPreferenceDialog.h"

#include "shell/PreferenceWidgets.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

SortOrderPreferenceDialog::SortOrderPreferenceDialog(Program& p, QWidget* parent)
    : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("PreferenceForm"));
    setWindowTitle(tr("N&A Display Preference"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    auto* label1 = headingLabel(this, tr("Sort N&&A File Content By:"));
    v->addWidget(label1);

    auto* options = new QVBoxLayout;
    options->setContentsMargins(16, 0, 0, 0);
    sortOrderOptions_ =
        addOptionColumn(this, options, QStringLiteral("Option3D1"),
                        {tr("Key &1"), tr("Key &2"), tr("&Key 1 (Major) + Key 2 (Minor)"),
                         tr("Ke&y 2 (Major) + Key 1 (Minor)"), tr("ID Number (No Sort)")});
    v->addLayout(options);
    // The caption reads as the options' heading; with a buddy its "&&" shows one ampersand.
    label1->setBuddy(sortOrderOptions_->button(0));

    v->addSpacing(8);
    auto note = [this, v](const char* name, const QString& text, int indent) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setContentsMargins(indent, 0, 0, 0);
        v->addWidget(l);
    };
    note("Label2", tr("This Preference Is Applied When"), 0);
    note("Label3", tr("- Selecting A QuickLink Entry"), 16);
    note("Label4", tr("- Selecting A Mail List Entry"), 16);
    note("Label5", tr("- Selecting An Envelope Address"), 16);

    auto* ok = makeButton(this, QStringLiteral("OKButton"), tr("&OK"),
                          tr("Change The Display Preference To That Shown On This "
                             "Screen"));
    auto* cancel = makeButton(this, QStringLiteral("CancelButton"), tr("Cance&l"),
                              tr("Don't Change The Display Preference"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SortOrderPreferenceDialog::onOkClicked);
    connect(cancel, &QPushButton::clicked, this, &SortOrderPreferenceDialog::onCancelClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    v->addSpacing(8);
    v->addLayout(buttons);

    onEntry_ = p_.SortPref;
    selectByDigit(sortOrderOptions_, onEntry_);
}

void SortOrderPreferenceDialog::onOkClicked()
{
    p_.SortPref = selectedDigit(sortOrderOptions_, onEntry_);
    if (p_.SortPref != onEntry_)
        writeHeaderRecord(p_);
    accept();
}

void SortOrderPreferenceDialog::onCancelClicked()
{
    reject();
}

} // namespace tavrel
