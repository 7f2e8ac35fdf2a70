#include "applog.h"

Q_LOGGING_CATEGORY(lcApp, "verbalon.app", QtWarningMsg)
