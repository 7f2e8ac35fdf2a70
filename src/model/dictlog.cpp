#include "dictlog.h"

Q_LOGGING_CATEGORY(lcDict, "verbalon.dict", QtWarningMsg)
