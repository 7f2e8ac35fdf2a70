#include "appsettings.h"

#include <QCoreApplication>
#include <QSettings>

void AppSettings::setUp(const QString &dataDirectory, bool portable)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Verbalon"));
    QCoreApplication::setApplicationName(QStringLiteral("verbalon"));
    if (portable) {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dataDirectory);
        return;
    }
    QSettings settings;
    if (!settings.allKeys().isEmpty())
        return;
    const QSettings earlier(QStringLiteral("Unknown Organization"), QStringLiteral("verbalon"));
    for (const QString &key : earlier.allKeys())
        settings.setValue(key, earlier.value(key));
}
