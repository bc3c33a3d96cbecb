#include "platform/SettingsFile.h"

#include "platform/Errors.h"

#include <QList>

namespace tavrel {

namespace {

// The key of a settings line, or an empty string for a comment or other line.
QString keyOf(const QByteArray& line)
{
    const QString text = QString::fromUtf8(line).trimmed();
    if (text.startsWith(QLatin1Char('#')))
        return QString();
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : text.left(eq).trimmed();
}

} // namespace

std::optional<QString> settingIn(const QByteArray& text, const QString& key)
{
    std::optional<QString> found;
    for (const QByteArray& line : text.split('\n')) {
        if (keyOf(line) == key) {
            const QString t = QString::fromUtf8(line).trimmed();
            found = t.mid(t.indexOf(QLatin1Char('=')) + 1).trimmed();
        }
    }
    return found;
}

QByteArray withSetting(const QByteArray& text, const QString& key, const QString& value)
{
    const QByteArray newLine = (key + QLatin1Char('=') + value).toUtf8();
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size();) {
        if (keyOf(lines[i]) != key) {
            ++i;
        } else if (!replaced) {
            lines[i++] = newLine;
            replaced = true;
        } else {
            lines.removeAt(i); // a repeated key would hide the new value
        }
    }
    if (!replaced)
        lines.append(newLine);
    return lines.join('\n') + '\n';
}

QByteArray readSettings(const Files& files)
{
    try {
        if (files.exists(kSettingsFileName))
            return files.readAll(kSettingsFileName);
    } catch (const PlatformError&) {
        // An unreadable file gives the defaults.
    }
    return QByteArray();
}

void writeSetting(const Files& files, const QString& key, const QString& value)
{
    files.replaceFile(kSettingsFileName, withSetting(readSettings(files), key, value));
}

} // namespace tavrel
