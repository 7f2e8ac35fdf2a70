#include "inputlog.h"

Q_LOGGING_CATEGORY(lcInput, "verbalon.input", QtWarningMsg)
