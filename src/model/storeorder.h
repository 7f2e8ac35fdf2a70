#pragma once

#include <vector>

// The order the store keeps its entries in, and files keep it: by search
// key, and among entries of equal key as inserting them one by one leaves
// them. One entry inserted goes after the entries of its key, except while
// its key is the largest in the store: then it goes just before the last of
// them. So entries of equal key read from a file in a row (each the largest
// so far) come before the first of them, which ends up last.
//
// RunOrder builds that order for items met in key order, equal keys in the
// order they were inserted: the first item of a run of equal keys stays
// last of the run unless a later one is put behind it.
template <typename Item> class RunOrder
{
public:
    explicit RunOrder(std::vector<Item> &out)
        : m_out(out)
    { }
    ~RunOrder() { finish(); }

    // startsRun: the item's key differs from the one before; beforeLast:
    // when it was inserted, its key was the largest in the store.
    void add(const Item &item, bool startsRun, bool beforeLast)
    {
        if (startsRun || !m_hasTail) {
            finish();
            m_tail = item;
            m_hasTail = true;
        } else if (beforeLast) {
            m_out.push_back(item);
        } else {
            m_out.push_back(m_tail);
            m_tail = item;
        }
    }
    // The last run goes out.
    void finish()
    {
        if (m_hasTail)
            m_out.push_back(m_tail);
        m_hasTail = false;
    }

private:
    std::vector<Item> &m_out;
    Item m_tail{};
    bool m_hasTail = false;
};
