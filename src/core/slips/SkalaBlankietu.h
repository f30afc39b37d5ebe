#pragma once

#include <cstdint>

namespace tarvomund {

// The editor shows a slip at Skala percent; one millimetre is then Skok screen pixels.
inline constexpr int MinSkala = 50;
inline constexpr int MaxSkala = 600;
inline constexpr int KrokSkali = 50;

// Round(skala × 2 / 100), ties to even; never below 1, so the conversions below never divide by 0.
int SkokDlaSkali(int skala);

// A position or length of a field, mark or guide in pixels: Round(L × skok + c) − 1, where c is 1
// when L − L / skok > 0 and 0 otherwise (so 0 mm gives −1). Ties round to even; values beyond
// the pixel range are held at its ends.
int32_t MmNaPiksele(double mm, int skok);
// The width or height of the whole slip picture: the same rule without the − 1.
int32_t RozmiarNaPiksele(double mm, int skok);
// A pixel position back in millimetres.
double PikseleNaMm(int32_t piksele, int skok);

} // namespace tarvomund
