#include "trainlog.h"

Q_LOGGING_CATEGORY(lcTrain, "verbalon.train", QtWarningMsg)
