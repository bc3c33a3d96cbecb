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
    setWindowTitle(QStringLiteral("QuickFind Preferences"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    auto* label1 = new QLabel(QStringLiteral("Preferences For QuickFind Feature"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setAlignment(Qt::AlignCenter);
    QFont bold = label1->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    label1->setFont(bold);
    v->addWidget(label1);

    auto* frame1 = new QGroupBox(QStringLiteral("Display Field"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* col1 = new QVBoxLayout(frame1);
    fields_ = addOptionColumn(frame1, col1, QStringLiteral("DisplayOpt1"),
                              {QStringLiteral("&Name"), QStringLiteral("&Address Line 1"),
                               QStringLiteral("A&ddress Line 2"), QStringLiteral("Add&ress Line 3"),
                               QStringLiteral("Addr&ess Line 4"), QStringLiteral("&Comments"),
                               QStringLiteral("First Two &Telephone Numbers")});
    col1->addStretch();

    auto* frame2 = new QGroupBox(QStringLiteral("Sort Sequence"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* col2 = new QVBoxLayout(frame2);
    sorts_ = addOptionColumn(frame2, col2, QStringLiteral("DisplayOpt2"),
                             {QStringLiteral("Key &1"), QStringLiteral("Key &2"),
                              QStringLiteral("&Key 1 (Major) + Key 2 (Minor)"),
                              QStringLiteral("Ke&y 2 (Major) + Key 1 (Minor)"),
                              QStringLiteral("&ID Number (No Sort)")});
    col2->addStretch();

    auto* frames = new QHBoxLayout;
    frames->addWidget(frame1);
    frames->addWidget(frame2);
    v->addLayout(frames);

    auto* ok = makeButton(this, QStringLiteral("DisplayCmd2"), QStringLiteral("&OK"),
                          QStringLiteral("Change QuickFind Preferences To Those Shown On Screen"));
    auto* cancel = makeButton(this, QStringLiteral("DisplayCmd1"), QStringLiteral("Cance&l"),
                              QStringLiteral("Don't Change QuickFind Preferences"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QuickFindPreferencesDialog::DisplayCmd2_Click);
    connect(cancel, &QPushButton::clicked, this, &QuickFindPreferencesDialog::DisplayCmd1_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    v->addSpacing(6);
    v->addLayout(buttons);

    selectByDigit(fields_, p_.QuickFindField);
    selectByDigit(sorts_, p_.QuickFindSort);
}

void QuickFindPreferencesDialog::DisplayCmd2_Click()
{
    p_.QuickFindField = selectedDigit(fields_, p_.QuickFindField);
    p_.QuickFindSort = selectedDigit(sorts_, p_.QuickFindSort);
    WriteHeaderRecord(p_);
    accept();
}

void QuickFindPreferencesDialog::DisplayCmd1_Click()
{
    reject();
}

} // namespace tavrel
