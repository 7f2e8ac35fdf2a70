#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Dictionary;

// The names of the columns in the header line.
namespace TsvColumns {
inline const QString Id = QStringLiteral("id");
inline const QString Word = QStringLiteral("word");
inline const QString Type = QStringLiteral("type");
inline const QString Flags = QStringLiteral("flags");
inline const QString Translation = QStringLiteral("translation");
inline const QString Plural = QStringLiteral("plural");
inline const QString Infinitive = QStringLiteral("infinitive");
inline const QString Forward = QStringLiteral("learnedForward");
inline const QString Backward = QStringLiteral("learnedBackward");
inline const QString TextPrefix = QStringLiteral("text:");

struct NamedText
{
    QString name;
    quint32 key;
};
// The keyed texts with a column name of their own, plural and infinitive first.
const QList<NamedText> &namedTexts();
} // namespace TsvColumns

// The tab-separated exchange format of dictionaries (UTF-8, one header line
// naming the columns, one line per entry) that spreadsheets and flashcard
// programs read. Columns: id, word, type (the label, "Noun", ...), flags,
// translation, plural, infinitive, one column per further user language
// named by its code, learnedForward, learnedBackward, and "text:<key>" for
// any other keyed text. Fields are escaped as in textfields.h.
class TsvFormat
{
public:
    struct ImportOptions
    {
        QString name;
        QString type;
        // comma-separated codes; without them the first user language is
        // taken as "en", followed by the codes of the further columns
        QString user;
        // a text of at least this many bytes is read in two halves at once
        qsizetype twoReadersFrom = qsizetype(1) << 20;
    };

    static QByteArray write(const Dictionary &dictionary);
    // Fills an empty store from the text. Only word and translation are
    // required; rows without id, and rows repeating an earlier id, get fresh
    // ones (the latter with a warning). On bad input a failure naming the
    // line, and the store must be discarded.
    static Result<> read(
        const QByteArray &data, const ImportOptions &options, Dictionary &dictionary, QStringList &warnings);
    // The bytes of the dictionary file that read() and saving would give,
    // made without a store: each row is encoded as it is read and only the
    // order of the records is sorted, so a large import costs little more
    // memory than its file; the text is let go once read. A failure on bad
    // input.
    static Result<QByteArray> toDictionaryFile(QByteArray data, const ImportOptions &options, QStringList &warnings);
};
