#include "shell/QuickFindPreferencesDialog.h"

#include "shell/PreferenceWidgets.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

QuickFindPreferencesDialog::QuickFindPreferencesDialog(Program& p, QWidget* parent)
    : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("DisplayForm"));
    setWindowTitle(tr("QuickFind Preferences"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    auto* label1 = new QLabel(tr("Preferences For QuickFind Feature"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setAlignment(Qt::AlignCenter);
    QFont bold = label1->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    label1->setFont(bold);
    v->addWidget(label1);

    auto* frame1 = new QGroupBox(tr("Display Field"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* col1 = new QVBoxLayout(frame1);
    fieldOptions_ = addOptionColumn(frame1, col1, QStringLiteral("DisplayOpt1"),
                                    {tr("&Name"), tr("&Address Line 1"), tr("A&ddress Line 2"),
                                     tr("Add&ress Line 3"), tr("Addr&ess Line 4"), tr("&Comments"),
                                     tr("First Two &Telephone Numbers")});
    col1->addStretch();

    auto* frame2 = new QGroupBox(tr("Sort Sequence"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* col2 = new QVBoxLayout(frame2);
    sortOrderOptions_ =
        addOptionColumn(frame2, col2, QStringLiteral("DisplayOpt2"),
                        {tr("Key &1"), tr("Key &2"), tr("&Key 1 (Major) + Key 2 (Minor)"),
                         tr("Ke&y 2 (Major) + Key 1 (Minor)"), tr("&ID Number (No Sort)")});
    col2->addStretch();

    auto* frames = new QHBoxLayout;
    frames->addWidget(frame1);
    frames->addWidget(frame2);
    v->addLayout(frames);

    auto* ok = makeButton(this, QStringLiteral("DisplayCmd2"), tr("&OK"),
                          tr("Change QuickFind Preferences To Those Shown On Screen"));
    auto* cancel = makeButton(this, QStringLiteral("DisplayCmd1"), tr("Cance&l"),
                              tr("Don't Change QuickFind Preferences"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QuickFindPreferencesDialog::onOkClicked);
    connect(cancel, &QPushButton::clicked, this, &QuickFindPreferencesDialog::onCancelClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    v->addSpacing(6);
    v->addLayout(buttons);

    selectByDigit(fieldOptions_, p_.QuickFindField);
    selectByDigit(sortOrderOptions_, p_.QuickFindSort);
}

void QuickFindPreferencesDialog::onOkClicked()
{
    p_.QuickFindField = selectedDigit(fieldOptions_, p_.QuickFindField);
    p_.QuickFindSort = selectedDigit(sortOrderOptions_, p_.QuickFindSort);
    writeHeaderRecord(p_);
    accept();
}

void QuickFindPreferencesDialog::onCancelClicked()
{
    reject();
}

} // namespace tavrel
