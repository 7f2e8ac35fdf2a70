#pragma once

#include "model/dictionary.h"

#include <QByteArrayView>
#include <QMap>
#include <QString>

#include <functional>

// A copy of a store as opening a dictionary file left it (the packed
// entries and their order), kept in a cache folder so that the next opening
// of the same file reads it instead of decoding every record. It is used only
// for exactly the bytes it was made from (their length and hash), and only
// when whole (its own hash) and consistent; anything else is a miss, and the
// file is read as always. The folder keeps the copies used last.
class StoreCache
{
public:
    // Hashes the dictionary's bytes a MiB at a time; hashed, when given, is
    // told how many have been hashed after each.
    StoreCache(const QString &folder, const QString &dictionaryPath, QByteArrayView dictionaryBytes,
        const std::function<void(qsizetype)> &hashed = {});

    // Fills the empty store with the copy; false on a miss.
    bool read(const QMap<QString, QString> &attributes, Dictionary &store) const;
    // Keeps a copy of the store just filled from the dictionary's bytes.
    bool write(const Dictionary &store) const;

private:
    QString m_folder;
    QString m_path;
    quint64 m_sourceSize;
    quint64 m_sourceHash;
};
