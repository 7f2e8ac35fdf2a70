#pragma once

#include <QLoggingCategory>

// Trace lines of the dictionary exchange ("verbalon.exchange"). User names
// and passwords never appear in them.
Q_DECLARE_LOGGING_CATEGORY(lcExchange)
