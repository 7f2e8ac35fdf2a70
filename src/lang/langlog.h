#pragma once

#include <QLoggingCategory>

// Trace lines of the language engine ("verbalon.lang").
Q_DECLARE_LOGGING_CATEGORY(lcLang)
