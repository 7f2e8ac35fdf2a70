#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

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
    // Told of each stretch of a text that has been read, which may then be
    // let go (the pages of a mapping).
    using Released = std::function<void(qsizetype from, qsizetype to)>;
    // Takes the next piece of a file; false when it could not be written.
    using WritePiece = std::function<bool(QByteArrayView piece)>;

    struct ImportOptions
    {
        QString name;
        QString type;
        // comma-separated codes; without them the first user language is
        // taken as "en", followed by the codes of the further columns
        QString user;
        // a text of at least this many bytes is read in two halves at once
        qsizetype twoReadersFrom = qsizetype(1) << 20;
        // a large import sorts its rows in buckets of about this many bytes
        qsizetype bucketBytes = qsizetype(2) << 20;
        // where a large import keeps its rows while sorting them; the
        // system's temporary folder when empty
        QString spoolFolder = {};
        Released released = {};
    };

    static QByteArray write(const Dictionary &dictionary);
    // Fills an empty store from the text. Only word and translation are
    // required; rows without id, and rows repeating an earlier id, get fresh
    // ones (the latter with a warning). On bad input a failure naming the
    // line, and the store must be discarded.
    static Result<> read(
        const QByteArray &data, const ImportOptions &options, Dictionary &dictionary, QStringList &warnings);
    // Hands the bytes of the dictionary file that read() and saving would
    // give to write, a piece at a time, made without a store (tsvimport.h),
    // so a large import costs a fraction of the memory of its file. A
    // failure on bad input (nothing written then), or one without a reason
    // when a piece could not be written.
    static Result<> writeDictionaryFile(
        const QByteArray &data, const ImportOptions &options, const WritePiece &write, QStringList &warnings);
    // The same bytes whole.
    static Result<QByteArray> toDictionaryFile(
        const QByteArray &data, const ImportOptions &options, QStringList &warnings);
};
