#include "translations.h"

#include "applog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication *application, const QLocale &locale)
{
    auto *own = new QTranslator(application);
    // without a catalogue of its own language the program speaks English,
    // with English plural forms
    if (own->load(locale, QStringLiteral("verbalon"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        || own->load(QStringLiteral("verbalon_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    else
        qCDebug(lcApp) << "no catalogue for" << locale.name();
    auto *qt = new QTranslator(application);
    if (qt->load(
            locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
