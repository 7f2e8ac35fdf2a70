#include "filenames.h"

namespace FileNames {

bool isPlainDictionaryName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QLatin1String(".."))
        && !name.startsWith(u'.') && name.endsWith(QLatin1String(".dic")) && !name.contains(QChar(0));
}

} // namespace FileNames
