#pragma once

#include <QChar>

// The Hebrew letters and points the engine's rules name.
namespace HebrewLetter {
constexpr QChar Alef(0x05D0);
constexpr QChar Bet(0x05D1);
constexpr QChar He(0x05D4);
constexpr QChar Vav(0x05D5);
constexpr QChar Yod(0x05D9);
constexpr QChar Kaf(0x05DB);
constexpr QChar FinalMem(0x05DD);
constexpr QChar Lamed(0x05DC);
constexpr QChar Mem(0x05DE);
constexpr QChar Nun(0x05E0);
constexpr QChar FinalNun(0x05DF);
constexpr QChar Ayin(0x05E2);
constexpr QChar Shin(0x05E9);
constexpr QChar Tav(0x05EA);
} // namespace HebrewLetter

namespace HebrewPoint {
constexpr ushort Sheva = 0x05B0;
constexpr ushort Hiriq = 0x05B4;
constexpr ushort Tsere = 0x05B5;
constexpr ushort Segol = 0x05B6;
constexpr ushort Patah = 0x05B7;
constexpr ushort Qamats = 0x05B8;
constexpr ushort Holam = 0x05B9;
constexpr ushort Dagesh = 0x05BC;
} // namespace HebrewPoint
