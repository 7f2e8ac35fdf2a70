#include "langlog.h"

Q_LOGGING_CATEGORY(lcLang, "verbalon.lang", QtWarningMsg)
