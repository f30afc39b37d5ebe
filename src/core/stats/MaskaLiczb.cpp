#include "stats/MaskaLiczb.h"

#include <algorithm>

namespace tarvomund {

namespace {

int Losowanych(int ileLosowanych)
{
    return std::clamp(ileLosowanych, 0, MaxLiczbWLosowaniu);
}

} // namespace

TMaskaLiczb MaskaLiczb(const uint8_t* liczby, int ile)
{
    TMaskaLiczb maska;
    for (int i = 0; i < ile; ++i)
        maska.Dodaj(liczby[i]);
    return maska;
}

std::vector<TMaskaLiczb> MaskiLosowan(const std::vector<TObLos>& losowania, double od, double do_, int ileLosowanych)
{
    std::vector<TMaskaLiczb> maski;
    for (const TObLos& los : losowania)
        if (los.Data >= od && los.Data <= do_)
            maski.push_back(MaskaLiczb(los.Liczby.data(), Losowanych(ileLosowanych)));
    return maski;
}

bool WylosowanyZ(const TMaskaLiczb& liczby, const std::vector<TMaskaLiczb>& losowania, int prog)
{
    return std::any_of(losowania.begin(), losowania.end(),
                       [&](const TMaskaLiczb& los) { return WspolneLiczby(liczby, los) >= prog; });
}

bool WylosowanyZPoLiczbie(const uint8_t* liczby, int ile, const std::vector<TObLos>& losowania, double od,
                          double do_, int ileLosowanych, int prog)
{
    const int d = Losowanych(ileLosowanych);
    for (const TObLos& los : losowania) {
        if (los.Data < od || los.Data > do_)
            continue;
        int wspolnych = 0;
        for (int i = 0; i < d; ++i)
            if (std::find(liczby, liczby + ile, los.Liczby[static_cast<std::size_t>(i)]) != liczby + ile &&
                ++wspolnych >= prog)
                return true;
    }
    return false;
}

} // namespace tarvomund
