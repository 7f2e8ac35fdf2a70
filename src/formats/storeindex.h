#pragma once

#include "model/entryarena.h"
#include "model/meaningindex.h"

#include <QByteArray>

#include <functional>
#include <vector>

// The indexes of one dictionary file that a store cache keeps beside it, so
// that the file is looked up with a few reads and opened without sorting or
// making the meaning index: where each record starts, the order the store
// keeps the records in, and the store's meaning table. Records are
// numbered as reading the file numbers the store's entries (handles).
struct StoreIndex
{
    // by handle: the record's offset in the file
    std::vector<quint32> offsets;
    // the handles in the store's order
    std::vector<EntryArena::Handle> order;
    MeaningIndex::Table meanings;

    // The indexes of the bytes of a "DICT V3.3" file read whole. The order
    // is that of a store read from the file when given (a permutation of
    // its records), else made from the records, which must then be in key
    // order (as every saved file is). False when the file cannot be
    // indexed: another version, damage, records out of order with no order
    // given, or more than fit. walked, when given, is told now and then how
    // far the bytes have been read.
    static bool build(const QByteArray &file, const std::vector<EntryArena::Handle> *order, StoreIndex &index,
        const std::function<void(qsizetype)> &walked = {});
    // An order of as many records holds each of them once.
    static bool isPermutation(const std::vector<EntryArena::Handle> &order);
};
