#include "group/RozliczenieGrupy.h"

#include "model/Wspolne.h"

namespace tarvomund {

namespace {

constexpr double CalaPula = 100.0;
constexpr double TolerancjaSumyUdzialow = 1e-9;

} // namespace

TCzesciGracza CzesciGracza(const TGraGrupy& gra, int miejsce)
{
    if (miejsce < 0 || miejsce >= MaxUczestnikow)
        return {};
    const TUczestnikGry& uczestnik = gra.Uczestnicy[static_cast<std::size_t>(miejsce)];
    if (!uczestnik.Gra)
        return {};
    const double udzial = uczestnik.Udzial.Wartosc();
    return {udzial, ProcentZ(udzial, gra.Koszt.Wartosc()), ProcentZ(udzial, gra.Wygrana.Wartosc())};
}

std::vector<TUdzialWGrze> UdzialyGry(const TGraGrupy& gra)
{
    std::vector<TUdzialWGrze> udzialy;
    for (int j = 0; j < MaxUczestnikow; ++j)
        if (gra.Uczestnicy[static_cast<std::size_t>(j)].Gra)
            udzialy.push_back({j, CzesciGracza(gra, j)});
    return udzialy;
}

void PodzielRowno(TGraGrupy& gra)
{
    int grajacych = 0;
    for (const TUczestnikGry& uczestnik : gra.Uczestnicy)
        grajacych += uczestnik.Gra ? 1 : 0;
    if (grajacych == 0)
        return;
    const TWartoscExt udzial = TWartoscExt::Z(CalaPula / grajacych);
    for (TUczestnikGry& uczestnik : gra.Uczestnicy)
        if (uczestnik.Gra)
            uczestnik.Udzial = udzial;
}

double SumaUdzialow(const TGraGrupy& gra)
{
    double suma = 0.0;
    for (const TUczestnikGry& uczestnik : gra.Uczestnicy)
        if (uczestnik.Gra)
            suma += uczestnik.Udzial.Wartosc();
    return suma;
}

bool UdzialyPrzekraczaja100(const TGraGrupy& gra)
{
    return SumaUdzialow(gra) > CalaPula + TolerancjaSumyUdzialow;
}

TSumyGrupy SumyGrupy(const TGrupa& grupa)
{
    TSumyGrupy sumy;
    for (const TGraGrupy& gra : grupa.Gry) {
        sumy.Koszt += gra.Koszt.Wartosc();
        sumy.Wygrana += gra.Wygrana.Wartosc();
    }
    return sumy;
}

TRozliczenie Rozlicz(const TGrupa& grupa, std::optional<int> miejsce)
{
    TRozliczenie rozliczenie;
    for (std::size_t i = 0; i < grupa.Gry.size(); ++i) {
        const TGraGrupy& gra = grupa.Gry[i];
        for (int j = 0; j < MaxUczestnikow; ++j) {
            if (miejsce && j != *miejsce)
                continue;
            if (!gra.Uczestnicy[static_cast<std::size_t>(j)].Gra)
                continue;
            const TCzesciGracza czesci = CzesciGracza(gra, j);
            rozliczenie.Pozycje.push_back({i, j, czesci});
            rozliczenie.SumaKosztow += czesci.Koszt;
            rozliczenie.SumaWygranych += czesci.Wygrana;
        }
    }
    return rozliczenie;
}

} // namespace tarvomund
