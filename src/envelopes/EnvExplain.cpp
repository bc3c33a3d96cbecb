#include "envelopes/EnvExplain.h"

#include "platform/gui/Named.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

EnvExplain::EnvExplain(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EnvExplain"));
    setWindowTitle(QStringLiteral("Quick Help - How To Print Envelopes"));
    static const char* const steps[] = {
        "1.  Choose a 'Return Address' Option.",
        "2.  Choose a 'Mailing (\"To\") Address' Option.",
        "3.  Choose The Envelope Size.",
        "4.  Choose The Envelope Orientation (Feed).",
        "5.  Enter The Number Of Envelopes To Print For Each \"To\" Address.",
        "6.  Choose Italics Or UPPERCASE For Either Address If Desired.",
        "7.  Click The Print Button.",
    };
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(20, 14, 20, 14);
    int n = 1;
    for (const char* s : steps) {
        auto* label = new QLabel(QString::fromUtf8(s), this);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        label->setTextFormat(Qt::PlainText);
        top->addWidget(label);
    }
    EnvExplainOKButton = named(new QPushButton(QStringLiteral("OK"), this), "EnvExplainOKButton");
    EnvExplainOKButton->setAutoDefault(true);
    top->addSpacing(8);
    top->addWidget(EnvExplainOKButton, 0, Qt::AlignHCenter);
    connect(EnvExplainOKButton, &QPushButton::clicked, this, &QDialog::accept);
    EnvExplainOKButton->setFocus();
}

} // namespace tavrel
