#include "viewslog.h"

Q_LOGGING_CATEGORY(lcViews, "verbalon.views", QtWarningMsg)
