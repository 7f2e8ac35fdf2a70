#pragma once

#include <QByteArray>
#include <QString>

class Dictionary;

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
    };

    static QByteArray write(const Dictionary &dictionary);
    // Fills an empty store from the text. Only word and translation are
    // required; rows without id, and rows repeating an earlier id, get fresh
    // ones (the latter with a warning). On bad input returns false with a
    // message (naming the line) and the store must be discarded.
    static bool read(const QByteArray &data, const ImportOptions &options, Dictionary &dictionary, QString &error,
        QStringList &warnings);
};
