#include "systems/SystemPokrycia.h"

#include "systems/Metody.h"

#include <algorithm>

namespace tarvomund {

std::optional<TSystemPokrycia> CzytajSystemPokrycia(const std::string& plik, std::size_t maxZakladow,
                                                    TBladOdczytuPokrycia* blad, TBladSystemu* bladPliku)
{
    auto zglos = [&](TBladOdczytuPokrycia b) {
        if (blad)
            *blad = b;
        return std::nullopt;
    };
    TCzytnikSystemu czytnik(plik);
    if (bladPliku)
        *bladPliku = czytnik.Blad();
    if (!czytnik.Otwarty())
        return zglos(TBladOdczytuPokrycia::Plik);
    if (czytnik.Naglowek().Pilkarski())
        return zglos(TBladOdczytuPokrycia::Pilkarski);
    TSystemPokrycia system;
    system.Info = czytnik.Naglowek().Info;
    if (static_cast<std::size_t>(system.Info.Zakladow) > maxZakladow)
        return zglos(TBladOdczytuPokrycia::ZaDuzo);
    system.Zaklady.reserve(static_cast<std::size_t>(system.Info.Zakladow));
    if (czytnik.DlaKazdego([&](int32_t, const TZaklad& zaklad) { system.Zaklady.push_back(zaklad); }) != 0)
        return zglos(TBladOdczytuPokrycia::Plik);
    if (blad)
        *blad = TBladOdczytuPokrycia::Brak;
    return system;
}

void OznaczGwarancje(TInfoGryRec& info, const TParametryPokrycia& p)
{
    info.Metoda = static_cast<int32_t>(TMetoda::Gwarancyjna);
    info.Gwarancja = p.t - 1;
}

TInfoGryRec InfoPokrycia(const TParametryPokrycia& p)
{
    TInfoGryRec info;
    info.Nazwa = "Pokrycie " + std::to_string(p.t) + " jeśli " + std::to_string(p.m);
    info.UstawWlasneDomyslne();
    info.n = p.n;
    info.k = p.k;
    info.MinSkreslen = p.k;
    info.MaxSkreslen = p.k;
    info.NormSkreslen = p.k;
    info.IleLiczb = p.n;
    info.IleLosowanych = p.m;
    OznaczGwarancje(info, p);
    return info;
}

void PoliczWystapienia(TInfoGryRec& info, const std::vector<TZaklad>& zaklady)
{
    info.Zakladow = static_cast<int32_t>(zaklady.size());
    info.Wystapienia.fill(0);
    for (const TZaklad& zaklad : zaklady) {
        for (int i = 0; i < std::min(info.k, MaxLiczbSystemu); ++i) {
            const uint8_t p = zaklad[static_cast<std::size_t>(i)];
            if (p >= 1 && p <= MaxLiczbSystemu)
                ++info.Wystapienia[static_cast<std::size_t>(p - 1)];
        }
    }
}

bool ZapiszSystemPokrycia(const std::string& plik, TInfoGryRec info, const std::vector<TZaklad>& zaklady)
{
    TPisarzSystemu pisarz(plik, info.k);
    if (!pisarz.Otwarty())
        return false;
    PoliczWystapienia(info, zaklady);
    for (const TZaklad& zaklad : zaklady)
        pisarz.Dodaj(zaklad.data());
    return pisarz.Zakoncz(info);
}

} // namespace tarvomund
