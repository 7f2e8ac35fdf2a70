#pragma once

#include <QLoggingCategory>

// Trace lines of the input widgets ("verbalon.input").
Q_DECLARE_LOGGING_CATEGORY(lcInput)
