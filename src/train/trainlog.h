#pragma once

#include <QLoggingCategory>

// Trace lines of the trainer's schedule ("verbalon.train"); debug lines are
// off unless QT_LOGGING_RULES turns them on.
Q_DECLARE_LOGGING_CATEGORY(lcTrain)
