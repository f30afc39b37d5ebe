#include "systems/TGenGwar01.h"

#include "model/PlikSystemu.h"
#include "pools/Typowania.h"
#include "systems/Losowosc.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tarvomund {
namespace {

// The plain definition: every visited case against every bet, configurations found by a linear
// search and kept in first-stored order, then a stable sort by frequency.
std::vector<std::string> WprostZDefinicji(const TSystemGwarancji& system, const TUstawieniaGwarancji& ust)
{
    const int m = ust.m;
    const int L = system.Pilkarski ? static_cast<int>(system.Typy.size()) : m;
    const int c = KolumnyGwarancji(system, m);
    const int krok = ust.IndeksBledu + 1;
    std::vector<std::pair<std::vector<int32_t>, int64_t>> lista;
    uint64_t indeks = 0;
    auto dodaj = [&](const std::vector<int32_t>& konfiguracja) {
        for (auto& [wpisy, ile] : lista)
            if (wpisy == konfiguracja) {
                ++ile;
                return;
            }
        lista.emplace_back(konfiguracja, 1);
    };
    auto przypadek = [&](auto trafien) {
        std::vector<int32_t> konfiguracja(static_cast<std::size_t>(L), 0);
        for (const TZaklad& z : system.Zaklady) {
            const int h = trafien(z);
            if (h > 0)
                ++konfiguracja[static_cast<std::size_t>(h - 1)];
        }
        if (std::any_of(konfiguracja.begin(), konfiguracja.begin() + c, [](int32_t w) { return w; }))
            dodaj(konfiguracja);
    };
    if (system.Pilkarski) {
        TPermut permut(system.Typy);
        std::vector<TTypowanie> typy = system.Typy;
        while (!permut.Koniec) {
            TZaklad wynik{};
            permut.Pobierz(wynik);
            przypadek([&](const TZaklad& z) {
                int h = 0;
                for (const TTypowanie& t : typy)
                    h += z[static_cast<std::size_t>(t.Mecz - 1)] == wynik[static_cast<std::size_t>(t.Mecz - 1)];
                return h;
            });
            for (int i = 0; i < krok && !permut.Koniec; ++i)
                permut.Nastepna();
        }
    } else {
        TKombGen gen(m, system.n);
        while (!gen.Koniec) {
            przypadek([&](const TZaklad& z) {
                int h = 0;
                for (int i = 0; i < m; ++i)
                    h += std::count(z.begin(), z.begin() + system.k, gen.Kombinacja[static_cast<std::size_t>(i)]) > 0;
                return h;
            });
            for (int i = 0; i < krok && !gen.Koniec; ++i)
                gen.Nastepna();
        }
    }
    std::stable_sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    TKonfig posortowane(L);
    for (const auto& [wpisy, ile] : lista)
        posortowane.Dodaj(wpisy.data(), ile, indeks++);
    return WierszeGwarancji(posortowane, system, ust, PrzypadkiGwarancji(system, m));
}

TSystemGwarancji SystemLiczbowy(int n, int k, int zakladow, std::mt19937& los)
{
    TSystemGwarancji system;
    system.n = n;
    system.k = k;
    TLosowe losowe(los());
    TListaZakladow rozne(k);
    const auto mozliwych = static_cast<std::size_t>(Zaokraglij(Kombinacje(n, k)));
    while (rozne.Ile() < std::min<std::size_t>(static_cast<std::size_t>(zakladow), mozliwych))
        rozne.Dodaj(LosujZaklad(k, n, losowe));
    system.Zaklady = rozne.Posortowane();
    return system;
}

TSystemGwarancji SystemPilkarski(int meczow, int zakladow, std::mt19937& los)
{
    TSystemGwarancji system;
    system.Pilkarski = true;
    system.k = meczow;
    const char* typy[] = {"1", "x", "2", "1x", "12", "x2", "1x2"};
    std::vector<std::string> typowanie;
    for (int mecz = 1; mecz <= meczow; ++mecz) {
        typowanie.emplace_back(typy[los() % 7]);
        if (typowanie.back().size() > 1)
            system.Typy.emplace_back(typowanie.back(), static_cast<uint8_t>(mecz));
    }
    for (int b = 0; b < zakladow; ++b) {
        TZaklad z{};
        for (int mecz = 0; mecz < meczow; ++mecz) {
            const std::string& t = typowanie[static_cast<std::size_t>(mecz)];
            const char znak = t[los() % t.size()];
            z[static_cast<std::size_t>(mecz)] = znak == '1' ? 1 : (znak == 'x' ? 2 : 3);
        }
        system.Zaklady.push_back(z);
    }
    return system;
}

TEST(TGenGwar01, SiedemZakladowZSiedmiuLiczb)
{
    TSystemGwarancji system;
    system.n = 7;
    system.k = 6;
    for (TKombGen g(6, 7); !g.Koniec; g.Nastepna())
        system.Zaklady.push_back(g.Kombinacja);
    std::atomic<bool> stop{false};
    TUstawieniaGwarancji ust;
    ust.m = 6;
    const TWynikGwarancji wynik = TGenGwar01(system, ust, stop).Wykonaj();
    ASSERT_EQ(wynik.Wiersze.size(), 3u);
    EXPECT_EQ(wynik.Wiersze[0], "=====================================");
    EXPECT_EQ(wynik.Wiersze[1], "Ilość trafionych liczb -  - 6 -  Błąd 0%");
    EXPECT_EQ(wynik.Wiersze[2], "    1[100.0000%]     1x(6)     6x(5)    ------    ------    ------    ------");
    EXPECT_FALSE(wynik.Przerwano);
}

TEST(TGenGwar01, ZgodnyZDefinicjaNaLosowychSystemach)
{
    std::mt19937 los(2024);
    for (int proba = 0; proba < 120; ++proba) {
        const int n = 5 + static_cast<int>(los() % 10);
        const int k = 1 + static_cast<int>(los() % std::min(n, 7));
        const TSystemGwarancji system = SystemLiczbowy(n, k, 1 + static_cast<int>(los() % 70), los);
        TUstawieniaGwarancji ust;
        ust.m = 1 + static_cast<int>(los() % std::min(n, k + 2)); // below and above k
        ust.IndeksBledu = static_cast<int>(los() % IleBledowGwarancji);
        ust.MinMax = los() % 2;
        ust.IleNad = 1 + static_cast<int32_t>(los() % 20);
        ust.IlePod = 1 + static_cast<int32_t>(los() % 20);
        const auto oczekiwane = WprostZDefinicji(system, ust);
        for (unsigned watkow : {1u, 2u, 3u}) {
            std::atomic<bool> stop{false};
            EXPECT_EQ(TGenGwar01(system, ust, stop, {}, watkow).Wykonaj().Wiersze, oczekiwane)
                << "n=" << n << " k=" << k << " m=" << ust.m << " s=" << ust.IndeksBledu + 1 << " watkow=" << watkow;
        }
    }
}

TEST(TGenGwar01, ZgodnyZDefinicjaDlaSystemowPilkarskich)
{
    std::mt19937 los(77);
    for (int proba = 0; proba < 60; ++proba) {
        const TSystemGwarancji system = SystemPilkarski(3 + static_cast<int>(los() % 8), 1 + static_cast<int>(los() % 30), los);
        TUstawieniaGwarancji ust;
        ust.m = system.k;
        ust.IndeksBledu = static_cast<int>(los() % IleBledowGwarancji);
        ust.MinMax = los() % 2;
        const auto oczekiwane = system.Typy.empty() ? std::vector<std::string>{} : WprostZDefinicji(system, ust);
        for (unsigned watkow : {1u, 2u}) {
            std::atomic<bool> stop{false};
            EXPECT_EQ(TGenGwar01(system, ust, stop, {}, watkow).Wykonaj().Wiersze, oczekiwane) << proba;
        }
    }
}

TEST(TGenGwar01, KolumnyPilkarskieLiczaPewneMecze)
{
    // Five matches, two of them doubles: a bet hitting both doubles has 5 hits.
    TSystemGwarancji system;
    system.Pilkarski = true;
    system.k = 5;
    system.Typy = {TTypowanie("1x", 2), TTypowanie("x2", 4)};
    system.Zaklady = {TZaklad{1, 1, 1, 2, 1}, TZaklad{1, 2, 1, 3, 1}};
    std::atomic<bool> stop{false};
    TUstawieniaGwarancji ust;
    ust.m = 5;
    const auto wiersze = TGenGwar01(system, ust, stop).Wykonaj().Wiersze;
    ASSERT_EQ(wiersze.size(), 4u);
    EXPECT_EQ(wiersze[2], "    1[ 50.0000%]     1x(5)    ------");
    EXPECT_EQ(wiersze[3], "    2[ 50.0000%]    ------     2x(4)");
}

TEST(TGenGwar01, ProgiWypisywaniaIMinMax)
{
    std::mt19937 los(5);
    const TSystemGwarancji system = SystemLiczbowy(12, 6, 12, los);
    TUstawieniaGwarancji ust;
    ust.m = 5;
    ust.MinMax = true;
    std::atomic<bool> stop{false};
    const auto zMinMax = TGenGwar01(system, ust, stop).Wykonaj().Wiersze;
    ASSERT_GE(zMinMax.size(), 4u);
    EXPECT_EQ(zMinMax[zMinMax.size() - 2].substr(0, 5), " Max ");
    EXPECT_EQ(zMinMax.back().substr(0, 5), " Min ");
    ust.MinMax = false;
    ust.IlePod = 3;
    ust.IleNad = 2;
    bool przerwano = false;
    bool zaDuzo = false;
    const TKonfig konfig = TGenGwar01(system, ust, stop).Konfiguracje(przerwano, zaDuzo);
    const long double wszystkich = PrzypadkiGwarancji(system, ust.m);
    const auto lista = konfig.Lista();
    const auto ileNad =
        std::count_if(lista.begin(), lista.end(), [&](const TKonfiguracja& k) { return k.Ile * 100 > wszystkich; });
    const auto ilePod = static_cast<long>(konfig.Ile()) - ileNad;
    ASSERT_GE(ileNad, 3);
    ASSERT_GE(ilePod, 4);
    const auto bezMinMax = TGenGwar01(system, ust, stop).Wykonaj().Wiersze;
    ASSERT_EQ(bezMinMax.size(), 2u + 2u + 3u);
    // Each group numbers its own lines from 1.
    EXPECT_EQ(bezMinMax[2].substr(0, 5), "    1");
    EXPECT_EQ(bezMinMax[3].substr(0, 5), "    2");
    EXPECT_EQ(bezMinMax[4].substr(0, 5), "    1");
    EXPECT_EQ(bezMinMax[6].substr(0, 5), "    3");
}

TEST(TGenGwar01, ZatrzymanieIPrzepelnienie)
{
    std::mt19937 los(9);
    const TSystemGwarancji system = SystemLiczbowy(20, 6, 50, los);
    TUstawieniaGwarancji ust;
    ust.m = 4;
    std::atomic<bool> stop{true};
    TWynikGwarancji wynik = TGenGwar01(system, ust, stop).Wykonaj();
    EXPECT_TRUE(wynik.Przerwano);
    EXPECT_EQ(wynik.Wiersze.size(), 2u);

    stop = false;
    ust.LimitKonfiguracji = 3;
    wynik = TGenGwar01(system, ust, stop, {}, 2).Wykonaj();
    EXPECT_TRUE(wynik.ZaDuzoKonfiguracji);
    EXPECT_TRUE(wynik.Przerwano);
    EXPECT_LE(wynik.Wiersze.size(), 2u + 3u);
}

TEST(TGenGwar01, WierszPostepu)
{
    struct TPrzypadek {
        long double T, D;
        int64_t E;
        int Pozycja;
        const char* Czas;
        const char* Procent;
    };
    for (const TPrzypadek& p : {TPrzypadek{100, 50, 10, 50, "00:00:10", " 49.49495%"},
                                TPrzypadek{1000, 1, 3600, 0, "??:??:??", "  0.00000%"},
                                TPrzypadek{7200, 3600, 3600, 50, "01:00:00", " 49.99305%"},
                                TPrzypadek{10, 0, 5, 0, "00:00:00", "  0.00000%"}}) {
        const TPostepGwarancji postep = PostepGwarancji(p.T, p.D, p.E);
        EXPECT_EQ(postep.Pozycja, p.Pozycja);
        EXPECT_EQ(postep.Czas, p.Czas);
        EXPECT_EQ(postep.Procent, p.Procent);
    }
    // 500 hours remaining still shows; beyond it does not.
    EXPECT_EQ(PostepGwarancji(502, 1, 3600).Czas, "??:??:??");
    EXPECT_EQ(PostepGwarancji(501, 1, 3600).Czas, "500:00:00");
    EXPECT_EQ(PostepGwarancji(501, 1, 3599).Czas, "499:51:40");
}

TEST(TGenGwar01, WczytanieSystemu)
{
    testy::TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("s.ss2");
    TInfoGryRec info;
    info.n = 8;
    info.k = 3;
    {
        TPisarzSystemu pisarz(plik, 3);
        const uint8_t zaklad[3] = {1, 4, 8};
        pisarz.Dodaj(zaklad);
        ASSERT_TRUE(pisarz.Zakoncz(info));
    }
    TBladWczytaniaGwarancji blad{};
    auto system = WczytajSystemGwarancji(plik, &blad);
    ASSERT_TRUE(system.has_value());
    EXPECT_EQ(system->Zaklady.size(), 1u);
    EXPECT_EQ(system->Zaklady[0][2], 8);

    {
        TPisarzSystemu pisarz(plik, 3);
        const uint8_t zaklad[3] = {1, 2, 3};
        for (int i = 0; i <= MaxZakladowGwarancji; ++i)
            pisarz.Dodaj(zaklad);
        ASSERT_TRUE(pisarz.Zakoncz(info));
    }
    EXPECT_FALSE(WczytajSystemGwarancji(plik, &blad).has_value());
    EXPECT_EQ(blad, TBladWczytaniaGwarancji::ZbytDuzy);
    EXPECT_FALSE(WczytajSystemGwarancji(katalog.Plik("brak.ss2"), &blad).has_value());
    EXPECT_EQ(blad, TBladWczytaniaGwarancji::BladOdczytu);
}

TEST(TGenGwar01, TypowaneMeczePuliZBlokuTypowan)
{
    testy::TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("p.ss2");
    // Match 2 typed "x21", match 4 "1x"; the bets never use "x" at match 2.
    TInfoGryRec info = testy::InfoSystemuPilkarskiego(5);
    info.Wlasne = BlokTypowan(TypowaniaZTypow({"1", "x21", "2", "1x", ""}, 5));
    const std::vector<testy::TZakladTestowy> zaklady{{1, 3, 3, 1, 0}, {1, 1, 3, 2, 0}};
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
    TBladWczytaniaGwarancji blad{};
    auto system = WczytajSystemGwarancji(plik, &blad);
    ASSERT_TRUE(system.has_value());
    ASSERT_EQ(system->Typy.size(), 2u);
    EXPECT_EQ(system->Typy[0].Mecz, 2);
    EXPECT_EQ(system->Typy[0].Typy, "x21");
    EXPECT_EQ(system->Typy[1].Mecz, 4);
    EXPECT_EQ(PrzypadkiGwarancji(*system, system->k), 6.0L);

    // An empty block: the signs the bets use, in the order 1, x, 2.
    info.Wlasne = {};
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
    system = WczytajSystemGwarancji(plik, &blad);
    ASSERT_TRUE(system.has_value());
    ASSERT_EQ(system->Typy.size(), 2u);
    EXPECT_EQ(system->Typy[0].Typy, "12");
    EXPECT_EQ(system->Typy[1].Typy, "1x");
}

TEST(TKonfig, PierwszaRownaDostajeLiczbeIKolejnoscPierwszenstwa)
{
    TKonfig konfig(2, 3);
    const int32_t a[] = {1, 0};
    const int32_t b[] = {0, 1};
    const int32_t c[] = {1, 1};
    const int32_t d[] = {2, 0};
    EXPECT_TRUE(konfig.Dodaj(a, 1, 0));
    EXPECT_TRUE(konfig.Dodaj(b, 1, 1));
    EXPECT_TRUE(konfig.Dodaj(a, 1, 2));
    EXPECT_TRUE(konfig.Dodaj(c, 2, 3));
    EXPECT_FALSE(konfig.Dodaj(d, 1, 4));
    EXPECT_EQ(konfig.Ile(), 3u);
    konfig.Sortuj();
    EXPECT_EQ(konfig[0].Wektor(), (std::vector<int32_t>{1, 0})); // 2 cases, first at case 0
    EXPECT_EQ(konfig[1].Wektor(), (std::vector<int32_t>{1, 1})); // 2 cases, first at case 3
    EXPECT_EQ(konfig[2].Ile, 1);
}

} // namespace
} // namespace tarvomund
