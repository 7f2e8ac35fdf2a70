#include "memorymodel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const MemoryModel::Parameters &w = MemoryModel::DefaultParameters;

constexpr double MinimumStability = 0.001;
constexpr double MaximumStability = 36500;

// The reference rounds to eight decimals at each step, half up as its
// language does; rounding the same way keeps whole-day intervals equal where
// a stability lies near a half day.
double round8(double value)
{
    return std::floor(value * 1e8 + 0.5) / 1e8;
}

int roundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

int clampRating(int rating)
{
    return std::clamp(rating, 1, 4);
}

} // namespace

MemoryModel::MemoryModel(double desiredRetention)
    : m_retention(std::clamp(desiredRetention, 0.5, 0.99))
    , m_decay(-w[20])
    , m_factor(round8(std::exp(std::log(0.9) / m_decay) - 1))
    , m_intervalModifier(round8((std::pow(m_retention, 1 / m_decay) - 1) / m_factor))
    , m_easyDifficulty(initialDifficulty(4))
    , m_growth(std::exp(w[8]))
{ }

double MemoryModel::retrievability(int elapsedDays, double stability) const
{
    return round8(std::pow(1 + m_factor * elapsedDays / stability, m_decay));
}

int MemoryModel::interval(double stability) const
{
    return std::clamp(roundHalfUp(stability * m_intervalModifier), 1, MaximumInterval);
}

double MemoryModel::initialDifficulty(int rating) const
{
    return round8(w[4] - std::exp((rating - 1) * w[5]) + 1);
}

// Moves towards 10 on a lapse and towards 1 on an easy recall, less the
// nearer it is; then a little back towards the difficulty of a first Easy
// (unclamped, as the reference takes it), so no card stays at an extreme.
double MemoryModel::nextDifficulty(double difficulty, int rating) const
{
    const double delta = -w[6] * (rating - 3);
    const double moved = difficulty + round8(delta * (10 - difficulty) / 9);
    return std::clamp(round8(w[7] * m_easyDifficulty + (1 - w[7]) * moved), 1.0, 10.0);
}

double MemoryModel::recallStability(const MemoryState &memory, double retrievability, int rating) const
{
    const double hardPenalty = rating == 2 ? w[15] : 1;
    const double easyBonus = rating == 4 ? w[16] : 1;
    const double s = memory.stability;
    const double grown = s
        * (1
            + m_growth * (11 - memory.difficulty) * std::pow(s, -w[9]) * (std::exp((1 - retrievability) * w[10]) - 1)
                * hardPenalty * easyBonus);
    return round8(std::clamp(grown, MinimumStability, MaximumStability));
}

// A lapse never raises the stability.
double MemoryModel::lapseStability(const MemoryState &memory, double retrievability) const
{
    const double s = memory.stability;
    const double forgotten = round8(std::clamp(w[11] * std::pow(memory.difficulty, -w[12])
            * (std::pow(s + 1, w[13]) - 1) * std::exp((1 - retrievability) * w[14]),
        MinimumStability, MaximumStability));
    return std::min(std::max(round8(s), MinimumStability), forgotten);
}

MemoryModel::Step MemoryModel::first(int rating) const
{
    rating = clampRating(rating);
    Stabilities stabilities;
    for (size_t i = 0; i < stabilities.size(); ++i)
        stabilities[i] = std::max(w[i], 0.1);
    return {{stabilities[size_t(rating - 1)], std::clamp(initialDifficulty(rating), 1.0, 10.0)},
        interval(stabilities, rating)};
}

MemoryModel::Step MemoryModel::next(const MemoryState &memory, int elapsedDays, int rating) const
{
    rating = clampRating(rating);
    const double r = retrievability(std::max(elapsedDays, 0), memory.stability);
    // the ratings below this one bound its interval; the ones above do not
    Stabilities stabilities{};
    stabilities[0] = lapseStability(memory, r);
    for (int g = 2; g <= std::max(rating, 2); ++g)
        stabilities[size_t(g - 1)] = recallStability(memory, r, g);
    return {
        {stabilities[size_t(rating - 1)], nextDifficulty(memory.difficulty, rating)}, interval(stabilities, rating)};
}

// The intervals a card could get are kept apart, Again <= Hard < Good <
// Easy, so that a better answer always waits longer; the interval of a
// rating depends on those of the ratings below it.
int MemoryModel::interval(const Stabilities &stabilities, int rating) const
{
    int days = std::min(interval(stabilities[0]), interval(stabilities[1]));
    for (size_t i = 1; i < size_t(rating); ++i)
        days = std::max(interval(stabilities[i]), days + 1);
    return days;
}
