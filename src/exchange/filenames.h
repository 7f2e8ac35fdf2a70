#pragma once

#include <QString>

// Names of dictionary files that come from outside (a server's or a device's
// list): only a plain name ending in ".dic" may touch the disk, so nothing is
// ever read or written outside the data directory.
namespace FileNames {

bool isPlainDictionaryName(const QString &name);

} // namespace FileNames
