#pragma once

#include "platform/Files.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tavrel {

// The program's settings file in the program directory: "key=value" lines,
// one a setting, kept by every part of the program that remembers something.
inline const QString kSettingsFileName = QStringLiteral("tavrel.cfg");

// The value of `key` in settings text; nullopt when it is not there.
std::optional<QString> settingIn(const QByteArray& text, const QString& key);
// The settings text with `key` set to `value`: its line replaced where it
// stands, or added at the end; every other line is kept as it was.
QByteArray withSetting(const QByteArray& text, const QString& key, const QString& value);

// The settings file's text; empty when it is missing or cannot be read.
QByteArray readSettings(const Files& files);
// Sets one value in the settings file, keeping the others; the file is
// replaced whole (write, flush, rename). Throws PlatformError.
void writeSetting(const Files& files, const QString& key, const QString& value);

} // namespace tavrel
