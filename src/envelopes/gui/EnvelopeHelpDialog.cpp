#include "envelopes/gui/EnvelopeHelpDialog.h"

#include "platform/gui/Named.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

EnvelopeHelpDialog::EnvelopeHelpDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EnvExplain"));
    setWindowTitle(tr("Quick Help - How To Print Envelopes"));
    static const char* const steps[] = {
        QT_TR_NOOP("1.  Choose a 'Return Address' Option."),
        QT_TR_NOOP("2.  Choose a 'Mailing (\"To\") Address' Option."),
        QT_TR_NOOP("3.  Choose The Envelope Size."),
        QT_TR_NOOP("4.  Choose The Envelope Orientation (Feed)."),
        QT_TR_NOOP("5.  Enter The Number Of Envelopes To Print For Each \"To\" Address."),
        QT_TR_NOOP("6.  Choose Italics Or UPPERCASE For Either Address If Desired."),
        QT_TR_NOOP("7.  Click The Print Button."),
    };
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(20, 14, 20, 14);
    int n = 1;
    for (const char* s : steps) {
        auto* label = new QLabel(tr(s), this);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        label->setTextFormat(Qt::PlainText);
        top->addWidget(label);
    }
    okButton = named(new QPushButton(tr("OK"), this), "EnvExplainOKButton");
    okButton->setAutoDefault(true);
    top->addSpacing(8);
    top->addWidget(okButton, 0, Qt::AlignHCenter);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    okButton->setFocus();
}

} // namespace tavrel
