#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace tavrel {

// Where the program looks for its translations (tavrel_<language>.qm): the
// folder `translations` next to the executable (a portable copy or the build
// tree), then the installed one in the share folder.
QStringList translationFolders(const QString& executableDir);

// Installs the translation of the program's texts for `locale` (and Qt's own,
// for the standard buttons) when the first of `folders` that holds one for
// any of the locale's languages has it. Returns false, and leaves the
// program in English, its own language, when none is installed.
// The languages are tried in the locale's order of preference; English, the
// program's own language, ends the search wherever it stands.
bool loadTranslation(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

// The start's set-up: the translation for the user's locale (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them) from translationFolders(executableDir).
bool loadUsersLanguage(QCoreApplication& app, const QString& executableDir);

} // namespace tavrel
