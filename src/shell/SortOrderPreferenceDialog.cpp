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
    setWindowTitle(QStringLiteral("N&A Display Preference"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    auto* label1 = headingLabel(this, QStringLiteral("Sort N&&A File Content By:"));
    v->addWidget(label1);

    auto* options = new QVBoxLayout;
    options->setContentsMargins(16, 0, 0, 0);
    options_ = addOptionColumn(this, options, QStringLiteral("Option3D1"),
                               {QStringLiteral("Key &1"), QStringLiteral("Key &2"),
                                QStringLiteral("&Key 1 (Major) + Key 2 (Minor)"),
                                QStringLiteral("Ke&y 2 (Major) + Key 1 (Minor)"),
                                QStringLiteral("ID Number (No Sort)")});
    v->addLayout(options);
    // The caption reads as the options' heading; with a buddy its "&&" shows one ampersand.
    label1->setBuddy(options_->button(0));

    v->addSpacing(8);
    auto note = [this, v](const char* name, const QString& text, int indent) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setContentsMargins(indent, 0, 0, 0);
        v->addWidget(l);
    };
    note("Label2", QStringLiteral("This Preference Is Applied When"), 0);
    note("Label3", QStringLiteral("- Selecting A QuickLink Entry"), 16);
    note("Label4", QStringLiteral("- Selecting A Mail List Entry"), 16);
    note("Label5", QStringLiteral("- Selecting An Envelope Address"), 16);

    auto* ok = makeButton(this, QStringLiteral("OKButton"), QStringLiteral("&OK"),
                          QStringLiteral("Change The Display Preference To That Shown On This "
                                         "Screen"));
    auto* cancel = makeButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cance&l"),
                              QStringLiteral("Don't Change The Display Preference"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SortOrderPreferenceDialog::OKButton_Click);
    connect(cancel, &QPushButton::clicked, this, &SortOrderPreferenceDialog::CancelButton_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    v->addSpacing(8);
    v->addLayout(buttons);

    onEntry_ = p_.SortPref;
    selectByDigit(options_, onEntry_);
}

void SortOrderPreferenceDialog::OKButton_Click()
{
    p_.SortPref = selectedDigit(options_, onEntry_);
    if (p_.SortPref != onEntry_)
        WriteHeaderRecord(p_);
    accept();
}

void SortOrderPreferenceDialog::CancelButton_Click()
{
    reject();
}

} // namespace tavrel
