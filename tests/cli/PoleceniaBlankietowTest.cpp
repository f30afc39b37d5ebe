#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "model/KatalogGier.h"
#include "model/PlikGry.h"
#include "slips/PlikBlankietu.h"
#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund::cli {
namespace {

namespace fs = std::filesystem;
using testy::BlankietTestowy;
using testy::TWynikPolecenia;
using testy::UruchomCli;
using testy::TKatalogTymczasowy;
using testy::ZapiszBlankietTestowy;
using testy::ZapiszPlik;

class PoleceniaBlankietowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TObGraLista gra;
        gra.Id = 1;
        gra.KodGry = 11;
        gra.Nazwa = "Lotek";
        gra.Plik = Dane("a.pl2");
        gra.IleLiczb = 49;
        gra.IleLosowanych = 6;
        ASSERT_TRUE(UtworzPlikGry(gra));
    }

    std::string Dane(const char* plik) const { return katalog_.Plik(plik); }

    TWynikPolecenia Uruchom(const std::vector<std::string>& argumenty)
    {
        return UruchomCli(argumenty, katalog_.Sciezka().string());
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(PoleceniaBlankietowTest, SlipsWypisujeBlankietyIchGry)
{
    ZapiszBlankietTestowy(Dane("b-lotek.bln"), "Lotek 8 kolumn", 11, 49);
    TBlankietOb pilkarski = BlankietTestowy("Toto 1X2", 1001, 39);
    pilkarski.Szer = 82.5;
    pilkarski.Wys = 190.25;
    ASSERT_TRUE(ZapiszBlankiet(pilkarski, Dane("a-toto.bln")));
    ZapiszBlankietTestowy(Dane("c-wolny.bln"), "Żaden", -1, 0);
    ZapiszPlik(Dane("d-uszkodzony.bln"), std::string(100, '\0'));

    const auto wszystkie = Uruchom({"slips"});
    EXPECT_EQ(wszystkie.Kod, KodSukces);
    EXPECT_EQ(wszystkie.Wyjscie, "a-toto.bln\tToto 1X2\t1001\t82.5x190.25\t2\t40\n"
                                 "b-lotek.bln\tLotek 8 kolumn\t11\t185x82\t2\t50\n"
                                 "c-wolny.bln\tŻaden\t-1\t185x82\t2\t1\n");
    // A game by catalogue index or name: only its slips.
    for (const char* gra : {"0", "Lotek"}) {
        const auto jednej = Uruchom({"slips", "--game", gra});
        EXPECT_EQ(jednej.Kod, KodSukces);
        EXPECT_EQ(jednej.Wyjscie, "b-lotek.bln\tLotek 8 kolumn\t11\t185x82\t2\t50\n") << gra;
    }
}

TEST_F(PoleceniaBlankietowTest, SlipsBledy)
{
    EXPECT_EQ(Uruchom({"slips", "--game", "Nie ma"}).Kod, KodBladUzycia);
    EXPECT_EQ(Uruchom({"slips", "nadmiar"}).Kod, KodBladUzycia);
    EXPECT_EQ(Uruchom({"slips", "--gra", "0"}).Kod, KodBladUzycia);
    const TWynikPolecenia brak = UruchomCli({"slips"}, Dane("brak"));
    EXPECT_EQ(brak.Kod, KodBladDanych);
    EXPECT_NE(brak.Bledy.find("cannot read the data directory"), std::string::npos);
}

TEST_F(PoleceniaBlankietowTest, NewGameZapisujeGreJakOkno)
{
    // A slip still carries code 12 (its game is gone): the new game does not inherit it.
    ZapiszBlankietTestowy(Dane("stary.bln"), "Stary", 12);
    const auto wynik = Uruchom({"new-game", "--name", "Lotto 7 z 35", "--numbers", "35", "--drawn", "7"});
    ASSERT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "file: lotto-7-z-35.pl2\nid: 2\ncode: 1\n");
    const std::optional<TObGraLista> gra = WczytajPlikGry(Dane("lotto-7-z-35.pl2"));
    ASSERT_TRUE(gra);
    EXPECT_EQ(gra->Nazwa, "Lotto 7 z 35");
    EXPECT_EQ(gra->IleLiczb, 35);
    EXPECT_EQ(gra->IleLosowanych, 7);
    // The rest takes the dialog's defaults.
    EXPECT_EQ(gra->MinSkreslen, 6);
    EXPECT_EQ(gra->MaxSkreslen, 12);
    EXPECT_EQ(gra->NormSkreslen, 6);
    EXPECT_EQ(gra->IleDodatkowych, 0);
    EXPECT_EQ(gra->IlePoziomo, 9);
    EXPECT_EQ(gra->IlePionowo, 6);
    EXPECT_TRUE(gra->Kierunek);
    EXPECT_TRUE(gra->Losowania.empty());

    // The catalogue takes it at once, in file-name order.
    EXPECT_EQ(Uruchom({"games"}).Wyjscie, "0\t1\t11\tLotek\t49\t6\t0\n1\t2\t1\tLotto 7 z 35\t35\t7\t0\n");

    const auto druga = Uruchom({"new-game", "--name", "Lotto 7 z 35", "--numbers", "40", "--drawn", "7", "--min",
                                "7", "--max", "10", "--norm", "8", "--extra", "2", "--across", "8", "--down", "5",
                                "--vertical"});
    ASSERT_EQ(druga.Kod, KodSukces) << druga.Bledy;
    EXPECT_EQ(druga.Wyjscie, "file: lotto-7-z-35-2.pl2\nid: 3\ncode: 2\n");
    const std::optional<TObGraLista> pelna = WczytajPlikGry(Dane("lotto-7-z-35-2.pl2"));
    ASSERT_TRUE(pelna);
    EXPECT_EQ(pelna->IleLiczb, 40);
    EXPECT_EQ(pelna->MinSkreslen, 7);
    EXPECT_EQ(pelna->MaxSkreslen, 10);
    EXPECT_EQ(pelna->NormSkreslen, 8);
    EXPECT_EQ(pelna->IleDodatkowych, 2);
    EXPECT_EQ(pelna->IlePoziomo, 8);
    EXPECT_EQ(pelna->IlePionowo, 5);
    EXPECT_FALSE(pelna->Kierunek);
}

TEST_F(PoleceniaBlankietowTest, NewGameOdrzucaZanimCokolwiekZapisze)
{
    using A = std::vector<std::string>;
    const A odrzucane[] = {
        {"new-game", "--numbers", "35", "--drawn", "7"},
        {"new-game", "--name", "", "--numbers", "35", "--drawn", "7"},
        {"new-game", "--name", std::string(51, 'x'), "--numbers", "35", "--drawn", "7"},
        {"new-game", "--name", "X", "--drawn", "7"},
        {"new-game", "--name", "X", "--numbers", "35"},
        {"new-game", "--name", "X", "--numbers", "151", "--drawn", "7"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "26"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "7", "--extra", "6"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "7", "--across", "41"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "7", "--down", "0"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "7", "--min", "0"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "7", "--min", "9", "--max", "8"},
        {"new-game", "--name", "X", "--numbers", "6", "--drawn", "7"},
        {"new-game", "--name", "X", "--numbers", "siedem", "--drawn", "7"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "7", "--vertical", "--vertical"},
        {"new-game", "--name", "X", "--numbers", "35", "--drawn", "7", "nadmiar"},
    };
    for (const A& argumenty : odrzucane) {
        const auto wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodBladUzycia) << argumenty.size() << " " << argumenty.back();
        EXPECT_FALSE(wynik.Bledy.empty());
    }
    EXPECT_EQ(TKatalogGier::WczytajGry(katalog_.Sciezka().string()).Ile(), 1u);

    // A name of 50 Polish letters is as long as a name may be.
    std::string piecdziesiat;
    for (int i = 0; i < 50; ++i)
        piecdziesiat += "ż";
    EXPECT_EQ(Uruchom({"new-game", "--name", piecdziesiat, "--numbers", "35", "--drawn", "7"}).Kod, KodSukces);
    EXPECT_EQ(UruchomCli({"new-game", "--name", "X", "--numbers", "35", "--drawn", "7"}, Dane("brak")).Kod,
              KodBladDanych);
}

} // namespace
} // namespace tarvomund::cli
