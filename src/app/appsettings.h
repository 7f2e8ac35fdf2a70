#pragma once

#include <QString>

// Where the program keeps its settings (window, addresses, proxy): the
// user's configuration folder, or, for a portable copy, a file in its own
// data folder, so two copies never share them.
namespace AppSettings {

// Names the program for the settings; in portable mode points them into
// the data folder. Settings of an earlier version, kept under no
// organisation's name, are carried over once.
void setUp(const QString &dataDirectory, bool portable);

} // namespace AppSettings
