#pragma once

#include <QSet>

#include <vector>

// A set of entry ids: a bit for each of the low ids dictionaries use, a hash
// only for ids far above them, so that a million rows cost no node each.
class IdSet
{
public:
    // False when the id was in the set already.
    bool insert(int id);

private:
    std::vector<quint64> m_bits;
    QSet<int> m_far;
};
