#include "platform/gui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavrel {

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
    for (const QString& folder : folders) {
        auto* own = new QTranslator(&app);
        if (!own->load(locale, QStringLiteral("tavrel"), QStringLiteral("_"), folder)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // Qt's own texts (Yes, No, Cancel in message boxes) follow the program's language,
        // and only then: a program shown in English keeps English buttons.
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return true;
    }
    return false;
}

} // namespace tavrel
