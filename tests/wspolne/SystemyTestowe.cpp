#include "wspolne/SystemyTestowe.h"

#include "pools/Typowania.h"

#include <gtest/gtest.h>

namespace tarvomund::testy {

bool ZapiszSystemTestowy(const std::string& plik, TInfoGryRec info, const std::vector<TZakladTestowy>& zaklady)
{
    TPisarzSystemu pisarz(plik, info.k);
    if (!pisarz.Otwarty())
        return false;
    info.Wystapienia = {};
    for (const TZakladTestowy& zaklad : zaklady) {
        std::array<uint8_t, MaxLiczbSystemu> bajty{};
        for (std::size_t j = 0; j < zaklad.size(); ++j) {
            bajty[j] = static_cast<uint8_t>(zaklad[j]);
            // Pool bets hold sign codes, 0 among them: only positions 1..120 are counted.
            if (zaklad[j] >= 1 && zaklad[j] <= MaxLiczbSystemu)
                ++info.Wystapienia[static_cast<std::size_t>(zaklad[j] - 1)];
        }
        pisarz.Dodaj(bajty.data());
    }
    return pisarz.Zakoncz(info);
}

TInfoGryRec InfoSystemuLiczbowego(int n, int k, int ileLiczb)
{
    TInfoGryRec info;
    info.IdGry = info.KodGry = 1;
    info.Nazwa = "Lotto";
    info.n = n;
    info.k = k;
    info.Metoda = 0;
    info.MinSkreslen = info.MaxSkreslen = info.NormSkreslen = k;
    info.IleLiczb = ileLiczb;
    info.IleLosowanych = k;
    info.UstawWlasneDomyslne();
    return info;
}

TInfoGryRec InfoSystemuPilkarskiego(int k)
{
    return NoweInfoSystemuPilkarskiego(k, 0, 0);
}

TSystemZPliku CzytajSystemTestowy(const std::string& plik)
{
    TCzytnikSystemu czytnik(plik);
    EXPECT_TRUE(czytnik.Otwarty()) << plik;
    if (!czytnik.Otwarty())
        return {};
    TSystemZPliku system{czytnik.Naglowek(), {}};
    const int k = system.Naglowek.Info.k;
    for (const auto& rekord : czytnik.Zaklady(1, system.Naglowek.Info.Zakladow))
        system.Zaklady.emplace_back(rekord.begin(), rekord.begin() + k);
    EXPECT_EQ(static_cast<int32_t>(system.Zaklady.size()), system.Naglowek.Info.Zakladow);
    return system;
}

} // namespace tarvomund::testy
