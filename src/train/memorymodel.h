#pragma once

#include <array>

// What the model knows of one card's memory: the stability (days until the
// chance of recall falls to 90%) and the difficulty (1 to 10).
struct MemoryState
{
    double stability = 0;
    double difficulty = 0;
};

// The memory model of the trainer's schedule: FSRS-6 with its default
// parameters and long-term scheduling only (no same-day steps, no random
// spread of the intervals). Each rating (1 Again, 2 Hard, 3 Good, 4 Easy)
// gives a card a new memory state and the whole days until it is due, when
// the predicted chance of recall has fallen to the desired retention.
//
// The arithmetic follows the reference implementation of the algorithm step
// for step, down to its rounding to eight decimals, so that the intervals
// agree with it exactly. Ratings outside 1..4 are taken as the nearest one.
class MemoryModel
{
public:
    static constexpr int ParameterCount = 21;
    using Parameters = std::array<double, ParameterCount>;
    static constexpr Parameters DefaultParameters = {0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,
        1.8722, 0.1666, 0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr int MaximumInterval = 36500;

    struct Step
    {
        MemoryState memory;
        int interval = 0; // whole days
    };

    // A desired retention outside 0.5..0.99 is taken as the nearest bound.
    explicit MemoryModel(double desiredRetention = 0.9);

    double desiredRetention() const { return m_retention; }

    // The first rating of a card never seen before.
    Step first(int rating) const;
    // A later rating, elapsedDays calendar days after the last one.
    Step next(const MemoryState &memory, int elapsedDays, int rating) const;
    // The chance of recall after elapsedDays, as the model rounds it.
    double retrievability(int elapsedDays, double stability) const;

private:
    using Stabilities = std::array<double, 4>;
    int interval(const Stabilities &stabilities, int rating) const;
    int interval(double stability) const;
    double initialDifficulty(int rating) const;
    double nextDifficulty(double difficulty, int rating) const;
    double recallStability(const MemoryState &memory, double retrievability, int rating) const;
    double lapseStability(const MemoryState &memory, double retrievability) const;

    double m_retention;
    double m_decay;
    double m_factor;
    double m_intervalModifier;
    double m_easyDifficulty;
    double m_growth;
};
