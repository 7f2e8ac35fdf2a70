#pragma once

#include <QLoggingCategory>

// Trace lines of the pages ("verbalon.views").
Q_DECLARE_LOGGING_CATEGORY(lcViews)
