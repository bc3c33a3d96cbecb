#include "shell/PreferenceWidgets.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tavrel {

QLabel* headingLabel(QWidget* owner, const QString& text)
{
    auto* label = new QLabel(text, owner);
    label->setObjectName(QStringLiteral("Label1"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QButtonGroup* addOptionColumn(QWidget* owner, QBoxLayout* into, const QString& name,
                              const QStringList& captions)
{
    auto* group = new QButtonGroup(owner);
    group->setObjectName(name);
    for (int i = 0; i < captions.size(); ++i) {
        auto* r = new QRadioButton(captions[i], owner);
        r->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        group->addButton(r, i);
        into->addWidget(r);
    }
    return group;
}

void selectByDigit(QButtonGroup* group, QChar code)
{
    const int i = code.digitValue();
    if (auto* b = group->button(i))
        b->setChecked(true);
}

QChar selectedDigit(const QButtonGroup* group, QChar fallback)
{
    const int i = group->checkedId();
    return i < 0 ? fallback : QChar(u'0' + i);
}

QPushButton* makeButton(QWidget* owner, const QString& name, const QString& caption,
                        const QString& toolTip)
{
    auto* b = new QPushButton(caption, owner);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    b->setMinimumWidth(88);
    return b;
}

} // namespace tavrel
