#include "support/UntranslatedTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QXmlStreamReader>

#include <algorithm>

namespace tavrel::test {

QString MarkingTranslator::translate(const char* context, const char* sourceText, const char*,
                                     int) const
{
    if (!sourceText || !*sourceText)
        return {};
    asked.insert({QString::fromUtf8(context), QString::fromUtf8(sourceText)});
    return QStringLiteral("[[") + QString::fromUtf8(sourceText) + QStringLiteral("]]");
}

namespace {

// A text built with tr() holds a marked part; one with no letter needs none.
bool readsUntranslated(const QString& text)
{
    return !text.contains(QStringLiteral("[[")) &&
           std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

void add(QStringList& found, const QObject* where, const char* what, const QString& text)
{
    if (readsUntranslated(text))
        found << QStringLiteral("%1 (%2 %3): \"%4\"")
                     .arg(where->objectName(), QLatin1String(where->metaObject()->className()),
                          QLatin1String(what), text)
                     .trimmed();
}

void addActions(QStringList& found, const QWidget* owner)
{
    for (const QAction* a : owner->actions()) {
        if (a->isSeparator())
            continue;
        const QObject* where = a->objectName().isEmpty() ? static_cast<const QObject*>(owner) : a;
        add(found, where, "action", a->text());
        // An action's tool tip is its text unless it has one of its own: one report is enough.
        if (!readsUntranslated(a->text()))
            add(found, where, "action tool tip", a->toolTip());
    }
}

void addControl(QStringList& found, const QWidget* c)
{
    const auto say = [&](const char* what, const QString& text) { add(found, c, what, text); };
    say("tool tip", c->toolTip());
    if (auto* label = qobject_cast<const QLabel*>(c))
        say("text", label->text());
    else if (auto* button = qobject_cast<const QAbstractButton*>(c))
        say("caption", button->text());
    else if (auto* group = qobject_cast<const QGroupBox*>(c))
        say("title", group->title());
    else if (auto* box = qobject_cast<const QLineEdit*>(c))
        say("placeholder", box->placeholderText());
    else if (auto* combo = qobject_cast<const QComboBox*>(c)) {
        for (int i = 0; !combo->isEditable() && i < combo->count(); ++i)
            say("item", combo->itemText(i));
    } else if (auto* header = qobject_cast<const QHeaderView*>(c)) {
        for (int i = 0; header->model() && i < header->count(); ++i)
            add(found, c->parentWidget() ? c->parentWidget() : c, "header",
                header->model()->headerData(i, header->orientation()).toString());
    }
    addActions(found, c);
}

} // namespace

QStringList untranslatedTexts(QWidget* window, const QStringList& dataControls)
{
    QStringList found;
    add(found, window, "window title", window->windowTitle());
    const auto holdsData = [&](const QWidget* c) {
        for (const QWidget* w = c; w && w != window; w = w->parentWidget())
            for (const QString& name : dataControls)
                if (name.endsWith(u'_') ? w->objectName().startsWith(name)
                                        : w->objectName() == name)
                    return true;
        return false;
    };
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (const QWidget* c : all) {
        // Menus are hidden until opened: their actions count all the same.
        const bool menu = qobject_cast<const QMenu*>(c) != nullptr;
        if ((!menu && !c->isVisible()) || holdsData(c))
            continue;
        if (menu)
            addActions(found, c);
        else
            addControl(found, c);
    }
    return found;
}

QStringList unknownToLupdate(const MarkingTranslator& marking, const QString& tsFile)
{
    QSet<QPair<QString, QString>> known;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read %1").arg(tsFile)};
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            known.insert({context, xml.readElementText()});
    }
    QStringList unknown;
    for (const auto& [context, text] : marking.asked) {
        // Qt's own contexts start with Q; QObject is the program's too.
        const bool qtOwn = context.startsWith(u'Q') && context != QLatin1String("QObject");
        if (!qtOwn && !known.contains({context, text}))
            unknown << QStringLiteral("%1: \"%2\"").arg(context, text);
    }
    unknown.sort();
    return unknown;
}

} // namespace tavrel::test
