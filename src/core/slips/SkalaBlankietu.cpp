#include "slips/SkalaBlankietu.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvomund {

namespace {

// Nearest integer, ties to even (the default rounding mode), held inside the int32 range; a value
// that is not a number gives 0.
int32_t Zaokraglij(double wartosc)
{
    if (std::isnan(wartosc))
        return 0;
    constexpr double dol = std::numeric_limits<int32_t>::min();
    constexpr double gora = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::nearbyint(std::clamp(wartosc, dol, gora)));
}

int Poprawka(double mm, int skok)
{
    return mm - mm / skok > 0 ? 1 : 0;
}

int BezpiecznySkok(int skok)
{
    return std::max(skok, 1);
}

} // namespace

int SkokDlaSkali(int skala)
{
    return std::max(1, Zaokraglij(skala * 2.0 / 100.0));
}

int32_t RozmiarNaPiksele(double mm, int skok)
{
    skok = BezpiecznySkok(skok);
    return Zaokraglij(mm * skok + Poprawka(mm, skok));
}

int32_t MmNaPiksele(double mm, int skok)
{
    const int32_t piksele = RozmiarNaPiksele(mm, skok);
    return piksele == std::numeric_limits<int32_t>::min() ? piksele : piksele - 1;
}

double PikseleNaMm(int32_t piksele, int skok)
{
    return static_cast<double>(piksele) / BezpiecznySkok(skok);
}

} // namespace tarvomund
