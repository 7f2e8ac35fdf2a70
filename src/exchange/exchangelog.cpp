#include "exchangelog.h"

Q_LOGGING_CATEGORY(lcExchange, "verbalon.exchange", QtWarningMsg)
