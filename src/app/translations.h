#pragma once

class QCoreApplication;
class QLocale;

// Installs the program's catalogue for the locale and Qt's own, for the
// standard dialogs and buttons; English needs neither.
void installTranslations(QCoreApplication *application, const QLocale &locale);
