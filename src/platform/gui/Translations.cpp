#include "platform/gui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavrel {

namespace {

// English is the language the program is written in: nothing to load for it.
bool isSourceLanguage(const QLocale& language)
{
    return language.language() == QLocale::English || language.language() == QLocale::C;
}

// The program's translation for one of the user's languages, from the first
// folder that has it, or null.
QTranslator* ownTranslation(QCoreApplication& app, const QLocale& language,
                            const QStringList& folders)
{
    for (const QString& folder : folders) {
        auto* own = new QTranslator(&app);
        if (own->load(language, QStringLiteral("tavrel"), QStringLiteral("_"), folder))
            return own;
        delete own;
    }
    return nullptr;
}

} // namespace

QStringList translationFolders(const QString& executableDir)
{
    QStringList folders{executableDir + QStringLiteral("/translations")};
#ifdef TAVREL_TRANSLATIONS_DIR
    folders << QStringLiteral(TAVREL_TRANSLATIONS_DIR);
#endif
    return folders;
}

bool loadTranslation(QCoreApplication& app, const QLocale& locale, const QStringList& folders)
{
    // The user's languages in the order of preference (LANGUAGE, then LC_ALL, LC_MESSAGES,
    // LANG for the system locale); one ahead of English wins, English itself ends the search.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (isSourceLanguage(language))
            return false;
        QTranslator* own = ownTranslation(app, language, folders);
        if (!own)
            continue;
        QCoreApplication::installTranslator(own);
        // Qt's own texts (Yes, No, Cancel in message boxes) follow the program's language,
        // and only then: a program shown in English keeps English buttons.
        auto* qt = new QTranslator(&app);
        if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return true;
    }
    return false;
}

bool loadUsersLanguage(QCoreApplication& app, const QString& executableDir)
{
    return loadTranslation(app, QLocale::system(), translationFolders(executableDir));
}

} // namespace tavrel
