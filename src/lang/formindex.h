#pragma once

#include "hugepageallocator.h"
#include "wordmatch.h"

#include <QString>
#include <QStringView>

#include <vector>

// A multi-valued map from word forms to matches, filled once and then read:
// insert every pair, call finish(), then look up. Where a form holds several
// values they are visited most recently inserted first. The keys live in one character buffer and the values in one
// array, so a dictionary's hundreds of thousands of forms cost no allocation each. Values keep wordType, grammar and
// entryId; their text is always empty.
class FormIndex
{
    struct Value
    {
        qint32 wordType;
        qint32 grammar;
        qint32 entryId;
        qint32 next; // index of the next older value of the same key, -1 at the end
    };
    using ValueArray = std::vector<Value, HugePageAllocator<Value>>;

public:
    // The values of one key, newest first.
    class Values
    {
    public:
        class const_iterator
        {
        public:
            const_iterator(const ValueArray *values, qint32 at)
                : m_values(values)
                , m_at(at)
            { }
            WordMatch operator*() const
            {
                const Value &v = (*m_values)[size_t(m_at)];
                return WordMatch{v.wordType, v.grammar, v.entryId, QString()};
            }
            const_iterator &operator++()
            {
                m_at = (*m_values)[size_t(m_at)].next;
                return *this;
            }
            bool operator!=(const const_iterator &other) const { return m_at != other.m_at; }

        private:
            const ValueArray *m_values;
            qint32 m_at;
        };

        Values(const ValueArray *values, qint32 first)
            : m_values(values)
            , m_first(first)
        { }
        const_iterator begin() const { return const_iterator(m_values, m_first); }
        const_iterator end() const { return const_iterator(m_values, -1); }

    private:
        const ValueArray *m_values;
        qint32 m_first;
    };

    void reserve(qsizetype values);
    void insert(const QString &key, const WordMatch &value);
    // Ends the filling; the index is read-only from here on.
    void finish();
    Values values(QStringView key) const;
    // Number of (key, value) pairs.
    qsizetype size() const { return qsizetype(m_values.size()); }

    // Calls f(QStringView key, const WordMatch &value) for every pair: keys
    // in the order they were first inserted, each key's values newest first.
    template <typename F> void forEach(F &&f) const
    {
        for (const Key &key : m_keys) {
            const QStringView text(m_chars.data() + key.offset, qsizetype(key.length));
            for (const WordMatch &value : Values(&m_values, key.firstValue))
                f(text, value);
        }
    }

private:
    struct Key
    {
        quint32 hash;
        quint32 offset;
        quint32 length;
        qint32 firstValue;
    };

    struct Pending
    {
        QString key;
        Value value;
        quint32 hash;
    };

    // the key's index, or -(free slot) - 2 when it is not there
    qint64 find(QStringView key, quint32 hash) const;
    void rehash(size_t slotCount);
    // Inserts the pending pairs. They wait in batches so that the memory of
    // their slots can be fetched together rather than one miss at a time.
    void commit();
    void insertNow(const Pending &pair);

    std::vector<Pending> m_pending;
    template <typename T> using Array = std::vector<T, HugePageAllocator<T>>;

    Array<char16_t> m_chars;
    Array<Key> m_keys;
    ValueArray m_values;
    // open addressing with the hash kept in the slot, so a probe past other
    // keys reads nothing else; key 0 is a free slot, otherwise index + 1
    struct Slot
    {
        quint32 hash;
        quint32 key;
    };
    Array<Slot> m_slots;
};
