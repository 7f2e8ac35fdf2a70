#pragma once

#include <QHashFunctions>
#include <QString>

// The two ways the trainer asks an entry: forward shows the foreign word and
// asks its meaning, backward shows the meaning and asks the word.
enum class Direction : quint8 { Forward, Backward };

// One card of the trainer: an entry asked in one direction. Each has a
// schedule of its own.
struct CardKey
{
    int entryId = 0;
    Direction direction = Direction::Forward;

    bool operator==(const CardKey &other) const { return entryId == other.entryId && direction == other.direction; }
    bool operator!=(const CardKey &other) const { return !(*this == other); }
    // by entry id, forward before backward
    bool operator<(const CardKey &other) const
    {
        return entryId != other.entryId ? entryId < other.entryId : direction < other.direction;
    }
};

inline size_t qHash(const CardKey &key, size_t seed = 0)
{
    return qHash((quint64(quint32(key.entryId)) << 1) | quint64(key.direction), seed);
}

// One answer the learner rated. Times are seconds since 1970-01-01 UTC.
struct Review
{
    enum Rating : quint8 { Again = 1, Hard = 2, Good = 3, Easy = 4 };

    qint64 time = 0;
    CardKey card;
    quint8 rating = Good;
    // what the learner typed, if anything
    QString answer;
};
