#include "storeindex.h"

#include "recordwalk.h"
#include "model/storeorder.h"

#include <limits>

using Handle = EntryArena::Handle;

// One walk over the records. Records in key order give the order reading
// them into a store gives: each run of equal keys as one-by-one insertion
// leaves it.
bool StoreIndex::build(const QByteArray &file, const std::vector<Handle> *order, StoreIndex &index,
    const std::function<void(qsizetype)> &walked)
{
    constexpr qsizetype Step = qsizetype(1) << 20;
    qsizetype told = 0;
    index = StoreIndex();
    const qsizetype start = RecordWalk::recordsStart(file);
    if (start < 0 || file.size() > qsizetype(std::numeric_limits<quint32>::max()))
        return false;
    // a record takes at least 18 bytes
    index.offsets.reserve(size_t(file.size() - start) / 18);
    MeaningIndex::TableBuilder meanings;
    bool sorted = true;
    {
        RunOrder<Handle> runs(index.order);
        QByteArrayView previous;
        RecordWalk walk(file, start, true);
        while (walk.next()) {
            const auto handle = Handle(index.offsets.size());
            const int comparison = handle == 0 ? 1 : compareCompactSearchKeys(walk.word(), previous);
            sorted = sorted && comparison >= 0;
            if (sorted && !order)
                runs.add(handle, comparison > 0, true);
            previous = walk.word();
            meanings.add(handle, walk.translation());
            index.offsets.push_back(quint32(walk.offset()));
            if (walked && walk.position() - told >= Step)
                walked(told = walk.position());
        }
        if (walk.damaged())
            return false;
    }
    index.offsets.shrink_to_fit();
    index.meanings = meanings.finish();
    if (order)
        index.order = *order;
    else if (!sorted)
        return false;
    return index.order.size() == index.offsets.size() && isPermutation(index.order);
}

bool StoreIndex::isPermutation(const std::vector<Handle> &order)
{
    std::vector<bool> seen(order.size());
    for (Handle h : order) {
        if (h >= order.size() || seen[h])
            return false;
        seen[h] = true;
    }
    return true;
}
