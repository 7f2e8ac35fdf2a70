#pragma once

#include "arguments.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class Dictionary;
class QFile;
class DictionaryFile;
struct MergeReport;

// What the commands of verbalon-cli share: exit codes, argument checks and
// file access with messages that name the file and the reason.
namespace Cli {

constexpr int Failure = 1;
constexpr int BadArguments = 2;
// The flag that lets a merge delete the learner's entries.
inline const QString AllowDeletions = QStringLiteral("allow-deletions");

// The application's name (the program's, so that both find the same data
// folder) and its messages: the tool reports failures itself, in one line.
void setUpApplication();

// The command's arguments with exactly `count` positional ones and the
// given value options; otherwise nothing, after a usage message, with
// exitCode set.
std::optional<Arguments> parseArguments(const QString &command, const QStringList &args, int count,
    const QSet<QString> &options, int &exitCode, const QSet<QString> &flags = {});
// The same with minCount or more positional arguments.
std::optional<Arguments> parseArgumentsFrom(const QString &command, const QStringList &args, int minCount,
    const QSet<QString> &options, int &exitCode, const QSet<QString> &flags = {});

// A command on the dictionary named by its first argument: the arguments
// are checked and the dictionary loaded before body runs; a failure on the
// way ends the command with its message and exit code.
using DictionaryCommand = std::function<int(const Arguments &args, Dictionary &dictionary, const DictionaryFile &file)>;
int runOnDictionary(const QString &command, const QStringList &args, int count, const QSet<QString> &options,
    const DictionaryCommand &body);

// Opens a regular file for reading, or tells why it cannot be read.
bool openForReading(QFile &file, QString &error);
// Reads a regular file whole.
bool readFile(const QString &path, QByteArray &data, QString &error);
// Loads a dictionary file; a damaged one loads what could be read, with a
// warning on standard error.
bool loadDictionary(DictionaryFile &file, Dictionary &dictionary, QString &error);
// Replaces the file only once it is written completely.
bool writeFile(const QString &path, const QByteArray &data, QString &error);
// False (with the reason) when output is the file input or another name for
// it: writing it would destroy the input.
bool checkDistinct(const QString &input, const QString &output, QString &error);

// Every change a merge made to the learner's copy of file, a line each:
// added, replaced, deleted or reset, the file, the word.
void printChanges(const QString &file, const MergeReport &report);

} // namespace Cli
