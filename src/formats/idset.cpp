#include "idset.h"

#include <QtGlobal>

namespace {

// ids below this take a bit each, at most 8 MiB of them
constexpr int DenseIds = 1 << 26;

} // namespace

bool IdSet::insert(int id)
{
    if (id < 0 || id >= DenseIds) {
        if (m_far.contains(id))
            return false;
        m_far.insert(id);
        return true;
    }
    const size_t word = size_t(id) / 64;
    if (word >= m_bits.size())
        m_bits.resize(qMax(word + 1, m_bits.size() * 2));
    const quint64 bit = quint64(1) << (id % 64);
    const bool fresh = !(m_bits[word] & bit);
    m_bits[word] |= bit;
    return fresh;
}
