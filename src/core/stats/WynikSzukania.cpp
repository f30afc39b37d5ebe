#include "stats/WynikSzukania.h"

namespace tarvomund {

namespace {

constexpr int InterwalZapisuMs = 200;

} // namespace

TInfoGryRec InfoWynikuSzukania(const TObGraLista& gra, int k)
{
    TInfoGryRec info = TInfoGryRec::DlaGry(gra);
    info.k = k;
    info.n = gra.IleLiczb / 2;
    info.Zakladow = 1;
    info.Metoda = BrakMetody;
    info.Gwarancja = 0;
    return info;
}

TNumeracjaWyniku NumeracjaWyniku(const TUzyteLiczby& uzyte)
{
    TNumeracjaWyniku numeracja;
    for (int j = 0; j < MaxLiczbSystemu; ++j)
        numeracja.Wlasne[0][static_cast<std::size_t>(j)] = static_cast<uint8_t>(j + 1);
    numeracja.Wlasne[1] = numeracja.Wlasne[0];
    if (uzyte.count() > static_cast<std::size_t>(MaxLiczbSystemu)) {
        numeracja.PonadMax = true;
        return numeracja;
    }
    for (std::size_t liczba = 0; liczba < uzyte.size(); ++liczba)
        if (uzyte.test(liczba)) {
            numeracja.Wlasne[1][static_cast<std::size_t>(numeracja.n)] = static_cast<uint8_t>(liczba);
            numeracja.Pozycja[liczba] = static_cast<uint8_t>(++numeracja.n);
        }
    return numeracja;
}

TWynikGeneracji ZakonczWynikSzukania(TInfoGryRec info, TPisarzSystemu& pisarz, const TNumeracjaWyniku& numeracja,
                                     const std::array<int32_t, MaxLiczbSystemu>& wystapienia, bool przerwano)
{
    info.n = numeracja.PonadMax ? 0 : numeracja.n;
    info.Gwarancja = 0;
    info.Wlasne = numeracja.Wlasne;
    info.Wystapienia = wystapienia;
    TWynikGeneracji wynik;
    wynik.n = info.n;
    wynik.Zakladow = pisarz.Zapisanych();
    wynik.Wystapienia = wystapienia;
    wynik.Wlasne = info.Wlasne;
    wynik.Przerwano = przerwano;
    wynik.PonadMaxLiczb = numeracja.PonadMax;
    wynik.BladPliku = !pisarz.Zakoncz(info);
    return wynik;
}

bool TZbioryWyniku::Dodaj(TZaklad liczby)
{
    SortujZaklad(liczby, k_);
    if (!lista_.Dodaj(liczby))
        return false;
    for (int j = 0; j < k_; ++j)
        uzyte_.set(liczby[static_cast<std::size_t>(j)]);
    return true;
}

TWynikGeneracji TZbioryWyniku::Zapisz(const TInfoGryRec& info, TPisarzSystemu& pisarz,
                                      const std::atomic<bool>& przerwij, TRaportPostepu& postep) const
{
    const TNumeracjaWyniku numeracja = NumeracjaWyniku(uzyte_);
    std::array<int32_t, MaxLiczbSystemu> wystapienia{};
    bool przerwano = false;
    if (!numeracja.PonadMax) {
        postep.NowaFaza(InterwalZapisuMs);
        const auto wszystkich = static_cast<int64_t>(lista_.Ile());
        int64_t i = 0;
        lista_.DlaKazdegoPosortowanego([&](const TZaklad& liczby) {
            if (przerwano)
                return;
            TZaklad zaklad{};
            for (int j = 0; j < k_; ++j) {
                const uint8_t p = numeracja.Pozycja[liczby[static_cast<std::size_t>(j)]];
                zaklad[static_cast<std::size_t>(j)] = p;
                ++wystapienia[static_cast<std::size_t>(p - 1)];
            }
            pisarz.Dodaj(zaklad.data());
            postep.Zglos(++i, wszystkich);
            przerwano = przerwij.load(std::memory_order_relaxed);
        });
    }
    return ZakonczWynikSzukania(info, pisarz, numeracja, wystapienia, przerwano);
}

} // namespace tarvomund
