#include "pools/TGenSysPl.h"

#include "pools/Typowania.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tarvomund {
namespace {

using testy::TZakladTestowy;

// The key text of a pool bet: its codes joined by ",". The set of the generator is kept in the order
// of these keys.
std::string KluczTekstowy(const TZakladTestowy& zaklad)
{
    std::string klucz;
    for (std::size_t i = 0; i < zaklad.size(); ++i) {
        if (i > 0)
            klucz += ',';
        klucz += std::to_string(zaklad[i]);
    }
    return klucz;
}

class TGenSysPlTest : public ::testing::Test {
protected:
    struct TWynikPuli {
        TWynikGeneracji Wynik;
        testy::TSystemZPliku Plik;
        std::vector<std::string> Postep;
    };

    // Generates a pool system of `typy` (k = their count) into a file of the test and reads it back.
    TWynikPuli Generuj(const TTypy& typy, int32_t zakladow, TMetodaPl metoda, uint64_t ziarno = 1,
                       std::function<void(int32_t)> poZakladzie = {})
    {
        const int k = static_cast<int>(typy.size());
        const TInfoGryRec info = NoweInfoSystemuPilkarskiego(k, zakladow, static_cast<int32_t>(metoda));
        TWynikPuli wynik;
        TLosowe losowe(ziarno);
        TGenSysPl generator(info, TypowaniaZTypow(typy, k), plik_, przerwij_,
                            [&wynik](const std::string& tekst) { wynik.Postep.push_back(tekst); }, losowe);
        generator.PoZakladzie = std::move(poZakladzie);
        wynik.Wynik = generator.Wykonaj();
        wynik.Plik = testy::CzytajSystemTestowy(plik_);
        return wynik;
    }

    // Every bet holds, at every match, one of the signs typed there (0 where nothing is typed).
    static void SprawdzZnaki(const TWynikPuli& w, const TTypy& typy)
    {
        for (const TZakladTestowy& zaklad : w.Plik.Zaklady)
            for (std::size_t m = 0; m < typy.size(); ++m) {
                if (typy[m].empty())
                    EXPECT_EQ(zaklad[m], KodBrak);
                else
                    EXPECT_NE(typy[m].find(ZnakKodu(static_cast<uint8_t>(zaklad[m]))), std::string::npos)
                        << "mecz " << m + 1;
            }
    }

    // The header's sign counts are the counts of the signs in the bets written.
    static void SprawdzLiczniki(const TWynikPuli& w)
    {
        std::array<int32_t, MaxLiczbSystemu> liczniki{};
        for (const TZakladTestowy& zaklad : w.Plik.Zaklady)
            for (std::size_t m = 0; m < zaklad.size(); ++m)
                if (zaklad[m] != KodBrak)
                    ++liczniki[IndeksLicznikaZnaku(static_cast<int>(m + 1), static_cast<uint8_t>(zaklad[m]))];
        EXPECT_EQ(w.Plik.Naglowek.Info.Wystapienia, liczniki);
        EXPECT_EQ(w.Wynik.Wystapienia, liczniki);
    }

    static bool WKolejnosciKluczy(const std::vector<TZakladTestowy>& zaklady)
    {
        std::vector<std::string> klucze;
        for (const TZakladTestowy& z : zaklady)
            klucze.push_back(KluczTekstowy(z));
        return std::is_sorted(klucze.begin(), klucze.end()) &&
               std::adjacent_find(klucze.begin(), klucze.end()) == klucze.end();
    }

    testy::TKatalogTymczasowy katalog_;
    std::string plik_ = katalog_.Plik("1.$$$");
    std::atomic<bool> przerwij_{false};
};

TEST_F(TGenSysPlTest, PelnaWKolejnosciLicznika)
{
    // "1x", "2", "x12": the last typed match changes fastest, each match in the order typed.
    const TTypy typy{"1x", "2", "x12"};
    const auto w = Generuj(typy, 6, TMetodaPl::Pelna);
    const std::vector<TZakladTestowy> oczekiwane{{1, 3, 2}, {1, 3, 1}, {1, 3, 3},
                                                 {2, 3, 2}, {2, 3, 1}, {2, 3, 3}};
    EXPECT_EQ(w.Plik.Zaklady, oczekiwane);
    EXPECT_EQ(w.Wynik.Zakladow, 6);
    EXPECT_FALSE(w.Wynik.Przerwano);
    SprawdzLiczniki(w);
    const TInfoGryRec& info = w.Plik.Naglowek.Info;
    EXPECT_TRUE(w.Plik.Naglowek.Pilkarski());
    EXPECT_EQ(info.k, 3);
    EXPECT_EQ(info.n, 0);
    EXPECT_EQ(info.Metoda, 0);
    EXPECT_EQ(TypyZBloku(info.Wlasne, 3), typy);

    // Fewer bets are the first of the same sequence.
    EXPECT_EQ(Generuj(typy, 4, TMetodaPl::Pelna).Plik.Zaklady,
              std::vector<TZakladTestowy>(oczekiwane.begin(), oczekiwane.begin() + 4));
    // More bets than combinations are held to them.
    EXPECT_EQ(Generuj(typy, 50, TMetodaPl::Pelna).Plik.Zaklady, oczekiwane);
}

TEST_F(TGenSysPlTest, NietypowanyMeczJestZeremINieJestLiczony)
{
    const TTypy typy{"1", "", "x2", "", "2x1"};
    for (TMetodaPl metoda :
         {TMetodaPl::Pelna, TMetodaPl::SkroconaRownomierna, TMetodaPl::SkroconaPrzypadkowa}) {
        SCOPED_TRACE(static_cast<int>(metoda));
        const auto w = Generuj(typy, 4, metoda);
        ASSERT_EQ(w.Plik.Zaklady.size(), 4u);
        SprawdzZnaki(w, typy);
        SprawdzLiczniki(w);
        for (int m : {2, 4})
            for (uint8_t kod = Kod1; kod <= Kod2; ++kod)
                EXPECT_EQ(w.Plik.Naglowek.Info.Wystapienia[IndeksLicznikaZnaku(m, kod)], 0);
        EXPECT_EQ(TypyZBloku(w.Plik.Naglowek.Info.Wlasne, 5), typy);
    }
}

TEST_F(TGenSysPlTest, RownomiernaUzywaKazdegoZnakuPoKolei)
{
    // The only multi-sign match typed "1x2" and three bets: each sign once, written 1, x, 2.
    const TTypy typy{"1x2", "1", "2", "x", "1", "1", "1", "1", "1", "1"};
    for (uint64_t ziarno = 1; ziarno <= 20; ++ziarno) {
        const auto w = Generuj(typy, 3, TMetodaPl::SkroconaRownomierna, ziarno);
        ASSERT_EQ(w.Plik.Zaklady.size(), 3u);
        EXPECT_EQ(w.Plik.Zaklady[0][0], Kod1);
        EXPECT_EQ(w.Plik.Zaklady[1][0], KodX);
        EXPECT_EQ(w.Plik.Zaklady[2][0], Kod2);
        SprawdzZnaki(w, typy);
    }
}

TEST_F(TGenSysPlTest, SkroconeDajaRozneZakladyWKolejnosciKluczy)
{
    const TTypy typy{"1x2", "x1", "2", "21x", "1", "12", "x", "1", "1x2", "2"};
    const int64_t kombinacji = IleKombinacjiTypow(typy, 10);
    ASSERT_EQ(kombinacji, 3 * 2 * 3 * 2 * 3);
    const auto pelna = Generuj(typy, static_cast<int32_t>(kombinacji), TMetodaPl::Pelna);
    std::vector<TZakladTestowy> wszystkie = pelna.Plik.Zaklady;
    std::sort(wszystkie.begin(), wszystkie.end());
    for (TMetodaPl metoda : {TMetodaPl::SkroconaRownomierna, TMetodaPl::SkroconaPrzypadkowa}) {
        SCOPED_TRACE(static_cast<int>(metoda));
        // A part of the combinations: distinct bets of the typed signs, in key order.
        const auto czesc = Generuj(typy, 40, metoda, 7);
        ASSERT_EQ(czesc.Plik.Zaklady.size(), 40u);
        EXPECT_EQ(czesc.Wynik.Zakladow, 40);
        EXPECT_TRUE(WKolejnosciKluczy(czesc.Plik.Zaklady));
        SprawdzZnaki(czesc, typy);
        SprawdzLiczniki(czesc);
        EXPECT_EQ(czesc.Plik.Naglowek.Info.Metoda, static_cast<int32_t>(metoda));
        // All of them: the complete set, written in key order, whatever the bets asked for above it.
        for (int32_t zakladow : {static_cast<int32_t>(kombinacji), 10000}) {
            const auto calosc = Generuj(typy, zakladow, metoda, 3);
            EXPECT_EQ(calosc.Plik.Zaklady, wszystkie);
        }
    }
}

TEST_F(TGenSysPlTest, ZatrzymanieZapisujeZebraneZaklady)
{
    const TTypy typy{"1x2", "1x2", "1x2", "1x2", "1", "1", "1", "1", "1", "1"};
    for (TMetodaPl metoda : {TMetodaPl::SkroconaRownomierna, TMetodaPl::SkroconaPrzypadkowa}) {
        SCOPED_TRACE(static_cast<int>(metoda));
        przerwij_ = false;
        // Stopped after 5 distinct bets of 50: those 5 are written, in key order, with their count.
        const auto w = Generuj(typy, 50, metoda, 11, [this](int32_t ile) {
            if (ile == 5)
                przerwij_ = true;
        });
        EXPECT_TRUE(w.Wynik.Przerwano);
        EXPECT_EQ(w.Wynik.Zakladow, 5);
        EXPECT_EQ(w.Plik.Naglowek.Info.Zakladow, 5);
        ASSERT_EQ(w.Plik.Zaklady.size(), 5u);
        EXPECT_TRUE(WKolejnosciKluczy(w.Plik.Zaklady));
        SprawdzZnaki(w, typy);
        SprawdzLiczniki(w);
    }
    // The full method stops after the bet it has just written.
    przerwij_ = false;
    const auto pelna = Generuj(typy, 81, TMetodaPl::Pelna, 1, [this](int32_t ile) {
        if (ile == 7)
            przerwij_ = true;
    });
    EXPECT_EQ(pelna.Plik.Zaklady.size(), 7u);
    EXPECT_EQ(pelna.Wynik.Zakladow, 7);
    SprawdzLiczniki(pelna);
    // Stopped before it began: a valid empty system.
    przerwij_ = true;
    const auto pusty = Generuj(typy, 81, TMetodaPl::Pelna);
    EXPECT_TRUE(pusty.Plik.Zaklady.empty());
    EXPECT_EQ(pusty.Plik.Naglowek.Info.k, 10);
}

TEST_F(TGenSysPlTest, PostepINieznanaMetodaIBladPliku)
{
    const TTypy typy{"1x2", "1x2", "1", "1", "1", "1", "1", "1", "1", "1"};
    // Each phase shows its first report at once, from 0 % on, in "%6.2f%%".
    const auto pelna = Generuj(typy, 9, TMetodaPl::Pelna);
    ASSERT_FALSE(pelna.Postep.empty());
    EXPECT_EQ(pelna.Postep.front(), "  0.00%");
    const auto skrocona = Generuj(typy, 9, TMetodaPl::SkroconaPrzypadkowa);
    ASSERT_GE(skrocona.Postep.size(), 2u);
    EXPECT_EQ(std::count(skrocona.Postep.begin(), skrocona.Postep.end(), std::string("  0.00%")), 2);
    for (const std::string& tekst : skrocona.Postep) {
        const double procent = std::stod(tekst);
        EXPECT_TRUE(procent >= 0.0 && procent <= 100.0) << tekst;
    }

    // An unknown method writes nothing and leaves the file as it was.
    testy::ZapiszPlik(plik_, "stary");
    TLosowe losowe(1);
    TInfoGryRec info = NoweInfoSystemuPilkarskiego(10, 5, 3);
    const TWynikGeneracji nic =
        TGenSysPl(info, TypowaniaZTypow(typy, 10), plik_, przerwij_, {}, losowe).Wykonaj();
    EXPECT_EQ(nic.Zakladow, 0);
    EXPECT_EQ(testy::CzytajPlik(plik_), "stary");

    // A file that cannot be created ends the run quietly.
    info.Metoda = 0;
    const TWynikGeneracji blad =
        TGenSysPl(info, TypowaniaZTypow(typy, 10), katalog_.Plik("brak/1.$$$"), przerwij_, {}, losowe)
            .Wykonaj();
    EXPECT_TRUE(blad.BladPliku);
    EXPECT_EQ(blad.Zakladow, 0);
}

} // namespace
} // namespace tarvomund
