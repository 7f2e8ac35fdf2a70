#include "dialogslog.h"

Q_LOGGING_CATEGORY(lcDialogs, "verbalon.dialogs", QtWarningMsg)
