#pragma once

#include <QString>
#include <QStringView>

// Tab-separated output keeps one record per line by writing a backslash as
// "\\", a tab as "\t", a line feed as "\n" and a carriage return as "\r".
QString escapeField(const QString &text);
// The reverse; a backslash before any other character is kept as it is.
QString unescapeField(QStringView text);
