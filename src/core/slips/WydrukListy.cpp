#include "slips/WydrukListy.h"

#include "model/Wspolne.h"
#include "systems/Metody.h"

#include <algorithm>
#include <cmath>

namespace tarvomund {

namespace {

constexpr int ProcentMarginesu = 5;
constexpr int ProcentOdstepu = 10;
constexpr int NumeryDwucyfrowePonizej = 100;
constexpr const char* ZnakiPilkarskie[] = {"-", "1", "x", "2"};

bool Pilkarski(const TInfoGryRec& info)
{
    return info.KodGry == KodSystemuPilkarskiego;
}

int Cyfr(int64_t liczba)
{
    return static_cast<int>(std::to_string(std::max<int64_t>(liczba, 0)).size());
}

// Round(x × p / 100), halves to even as the page geometry is computed.
int CzescStrony(int x, int p)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(x) * p / 100.0));
}

std::string Element(uint8_t v, const TInfoGryRec& info, bool wlasneLiczby)
{
    if (Pilkarski(info))
        return v < std::size(ZnakiPilkarskie) ? ZnakiPilkarskie[v] : "?";
    int liczba = v;
    if (wlasneLiczby && v >= 1 && v <= MaxLiczbSystemu)
        liczba = info.Wlasne[1][v - 1];
    return DopelnijZLewej(Cyfr(info.IleLiczb), std::to_string(liczba));
}

} // namespace

std::string TytulListy(const TInfoGryRec& info)
{
    std::string tytul = NazwaMetody(info.Metoda);
    tytul += ' ';
    tytul += std::to_string(info.k);
    if (!Pilkarski(info)) {
        tytul += '/';
        tytul += std::to_string(info.n);
    }
    tytul += '/';
    tytul += std::to_string(info.Zakladow);
    if (!Pilkarski(info)) {
        tytul += ' ';
        tytul += info.Nazwa;
    }
    return tytul;
}

std::string WierszListy(int32_t nrZakladu, const uint8_t* zaklad, const TInfoGryRec& info, bool wlasneLiczby)
{
    std::string wiersz = "(";
    wiersz += DopelnijZLewej(Cyfr(info.Zakladow), std::to_string(nrZakladu));
    wiersz += ") ";
    for (int i = 0; i < info.k; ++i) {
        if (i > 0)
            wiersz += ',';
        wiersz += Element(zaklad[i], info, wlasneLiczby);
    }
    return wiersz;
}

std::string WzorWierszaListy(const TInfoGryRec& info)
{
    const std::string element = Pilkarski(info) ? "8" : info.IleLiczb < NumeryDwucyfrowePonizej ? "88" : "888";
    std::string wzor = "(";
    wzor.append(static_cast<std::size_t>(Cyfr(info.Zakladow)), '8');
    wzor += ") ";
    for (int i = 0; i < info.k; ++i) {
        if (i > 0)
            wzor += ',';
        wzor += element;
    }
    return wzor;
}

TGeometriaListy GeometriaListy(int szerokosc, int wysokosc, int kolumn)
{
    kolumn = std::clamp(kolumn, MinKolumnListy, MaxKolumnListy);
    TGeometriaListy g;
    g.Margines = CzescStrony(wysokosc, ProcentMarginesu);
    g.Lewy = CzescStrony(szerokosc, ProcentMarginesu);
    g.Odstep = CzescStrony(szerokosc, ProcentOdstepu);
    g.Szerokosc = szerokosc - 2 * g.Lewy;
    g.Kolumna = (g.Szerokosc - (kolumn - 1) * g.Odstep) / kolumn;
    g.Dol = wysokosc - 2 * g.Margines;
    return g;
}

int WierszyWKolumnie(const TGeometriaListy& g, int wysokoscWiersza)
{
    if (wysokoscWiersza <= 0)
        return 1;
    // Line i stands at Margines + i × h and is printed while its bottom stays above Dol.
    const int wolne = g.Dol - g.Margines;
    const int ile = wolne > 0 ? (wolne - 1) / wysokoscWiersza : 0;
    return std::max(ile, 1);
}

} // namespace tarvomund
