#include "contenthash.h"

#include <cstring>

namespace {

constexpr quint64 P1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 P2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 P3 = 0x165667B19E3779F9ULL;
constexpr quint64 P4 = 0x85EBCA77C2B2AE63ULL;

inline quint64 rotl(quint64 x, int r)
{
    return (x << r) | (x >> (64 - r));
}

inline quint64 mix(quint64 lane, quint64 input)
{
    return rotl(lane + input * P2, 31) * P1;
}

inline quint64 load64(const char *p)
{
    quint64 v = 0;
    std::memcpy(&v, p, sizeof v);
    return v;
}

} // namespace

quint64 contentHash(QByteArrayView bytes, quint64 seed)
{
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    quint64 lanes[4] = {seed + P1 + P2, seed + P2, seed, seed - P1};
    for (; end - p >= 32; p += 32) {
        for (int i = 0; i < 4; ++i)
            lanes[i] = mix(lanes[i], load64(p + 8 * i));
    }
    quint64 h = rotl(lanes[0], 1) + rotl(lanes[1], 7) + rotl(lanes[2], 12) + rotl(lanes[3], 18);
    for (quint64 lane : lanes)
        h = (h ^ mix(0, lane)) * P1 + P4;
    h += quint64(bytes.size());
    for (; end - p >= 8; p += 8)
        h = rotl(h ^ mix(0, load64(p)), 27) * P1 + P4;
    for (; p < end; ++p)
        h = rotl(h ^ (quint64(quint8(*p)) * P3), 11) * P1;
    h ^= h >> 33;
    h *= P2;
    h ^= h >> 29;
    h *= P3;
    return h ^ (h >> 32);
}
