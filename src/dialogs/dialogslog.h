#pragma once

#include <QLoggingCategory>

// Trace lines of the "Dictionaries" dialogs ("verbalon.dialogs").
Q_DECLARE_LOGGING_CATEGORY(lcDialogs)
