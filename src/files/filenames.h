#pragma once

#include "model/result.h"

#include <QString>
#include <QUrl>

// Names of dictionary files that come from outside (a server's or a
// device's list) and where they may go. Only a plain name touches the disk
// or a URL, so nothing is ever read or written outside the data folder and
// nothing is fetched but the file named.
namespace FileNames {

// "dicts.dic", the list of dictionaries in every folder.
QString listName();
// A "*.dic" file name without separators, "..", ":", "%", "?", "#" or
// control characters, not starting with a dot or blank, and not the list.
bool isPlainDictionaryName(const QString &name);
// A failure saying why, for the user, when the name is not plain.
Result<> checkPlainName(const QString &name);
// The file of that name directly inside the folder; empty when the joined
// path would lie anywhere else.
QString pathInFolder(const QString &folder, const QString &name);
// The URL of a file below a base URL, the name one percent-encoded path
// segment; the base's user and password stay out.
QUrl fileUrl(const QUrl &base, const QString &name);
// A URL as it may be shown: without user and password.
QString display(const QUrl &url);
// Text from outside (a server's reply, a name, a program's output) as it
// may be printed: control, direction and line-separating characters as
// \xNN, never raw.
QString printable(const QString &text);
// A character that must not reach a terminal or a list raw: a control,
// a format (direction marks among them) or a line separator.
bool isUnprintable(QChar c);

} // namespace FileNames
