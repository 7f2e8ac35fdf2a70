#pragma once

#include "tsvformat.h"

// Makes the bytes of a dictionary file from a tab-separated text without a
// store: each row is encoded as it is read and spooled, with its search key,
// into the bucket of its key's range; the buckets are then sorted one at a
// time into the store's order. A large import so holds one bucket and a few
// numbers per row in memory, never the text or the file whole.
class TsvImport
{
public:
    static Result<> write(const QByteArray &data, const TsvFormat::ImportOptions &options,
        const TsvFormat::WritePiece &write, QStringList &warnings);
};
