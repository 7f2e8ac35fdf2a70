#pragma once

#include <QLoggingCategory>

// Trace lines of the dictionary data layer ("verbalon.dict"); debug lines are
// off unless QT_LOGGING_RULES turns them on.
Q_DECLARE_LOGGING_CATEGORY(lcDict)
