#pragma once

#include <QLoggingCategory>

// Trace lines of the main window ("verbalon.app").
Q_DECLARE_LOGGING_CATEGORY(lcApp)
