#include "stats/ZadaneLiczby.h"

#include "model/Daty.h"
#include "model/Wspolne.h"

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int SzerokoscNumeru = 7;
constexpr int SzerokoscDaty = 25;
constexpr int SzerokoscSumy = 14;

} // namespace

std::vector<TWierszZadanych> SzukajZadanych(const std::vector<TObLos>& losowania, int ileLosowanych,
                                            const std::vector<int>& szukane)
{
    const int d = std::clamp(ileLosowanych, 0, MaxLiczbWLosowaniu);
    std::vector<TWierszZadanych> wiersze;
    for (const TObLos& los : losowania) {
        const auto koniec = los.Liczby.begin() + d;
        if (!std::all_of(szukane.begin(), szukane.end(),
                         [&](int x) { return std::find(los.Liczby.begin(), koniec, x) != koniec; }))
            continue;
        TWierszZadanych wiersz;
        wiersz.Numer = static_cast<int32_t>(wiersze.size()) + 1;
        wiersz.Data = los.Data;
        wiersz.Liczby.assign(los.Liczby.begin(), koniec);
        for (uint8_t x : wiersz.Liczby)
            wiersz.Suma += x;
        wiersze.push_back(std::move(wiersz));
    }
    return wiersze;
}

std::string ListaLiczb(const std::vector<int>& liczby)
{
    std::string tekst;
    for (int x : liczby)
        tekst.append(tekst.empty() ? "" : ",").append(std::to_string(x));
    return tekst;
}

std::array<std::string, 4> NaglowekZadanych(const std::vector<int>& szukane)
{
    return {"L.p.", "Data", "Suma", ListaLiczb(szukane)};
}

std::array<std::string, 4> KomorkiZadanych(const TWierszZadanych& wiersz)
{
    return {std::to_string(wiersz.Numer), std::string(SkrotDniaTygodnia(wiersz.Data)) + " - " + TekstDaty(wiersz.Data),
            std::to_string(wiersz.Suma), ListaLiczb({wiersz.Liczby.begin(), wiersz.Liczby.end()})};
}

std::vector<std::string> WydrukZadanych(const std::vector<int>& szukane, const std::vector<TWierszZadanych>& wiersze)
{
    std::vector<std::string> linie{"[>> " + ListaLiczb(szukane) + " <<]"};
    for (const TWierszZadanych& wiersz : wiersze) {
        const std::array<std::string, 4> komorki = KomorkiZadanych(wiersz);
        linie.push_back(DopelnijZLewej(SzerokoscNumeru, komorki[0]) + DopelnijZLewej(SzerokoscDaty, komorki[1]) +
                        DopelnijZLewej(SzerokoscSumy, komorki[2]) + "   " + komorki[3]);
    }
    return linie;
}

} // namespace tarvomund
