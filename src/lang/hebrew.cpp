#include "hebrew.h"

#include "languageinfo.h"

Hebrew::Hebrew()
    : Language(*LanguageInfo::find(u"he"))
{ }
