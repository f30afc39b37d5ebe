#include "Polecenia.h"

#include "model/PlikGry.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tarvomund::cli {
namespace {

using testy::TKatalogTymczasowy;

struct TWynikPolecenia {
    int Kod;
    std::string Wyjscie;
    std::string Bledy;
};

class PoleceniaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TObGraLista gra;
        gra.Id = 1;
        gra.KodGry = 11;
        gra.Nazwa = "Łatwy lotek";
        gra.Plik = katalog_.Plik("a.pl2");
        gra.IleLiczb = 42;
        gra.IleLosowanych = 3;
        TObLos los;
        los.Data = 37023;
        los.Liczby[0] = 40;
        los.Liczby[1] = 2;
        los.Liczby[2] = 17;
        gra.Losowania = {los};
        ASSERT_TRUE(UtworzPlikGry(gra));
        gra.Id = 1500;
        gra.Nazwa = "Toto";
        gra.Plik = katalog_.Plik("b.pl2");
        gra.Losowania.clear();
        ASSERT_TRUE(UtworzPlikGry(gra));
    }

    TWynikPolecenia Uruchom(std::vector<std::string> argumenty, const std::string& domyslny = {})
    {
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        const int kod =
            cli::Uruchom(argumenty, domyslny.empty() ? katalog_.Sciezka().string() : domyslny, wyjscie, bledy);
        return {kod, wyjscie.str(), bledy.str()};
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(PoleceniaTest, GamesWypisujeKatalog)
{
    const auto wynik = Uruchom({"games"});
    EXPECT_EQ(wynik.Kod, KodSukces);
    EXPECT_EQ(wynik.Wyjscie, "0\t1\t11\tŁatwy lotek\t42\t3\t1\n1\t1500\t11\tToto\t42\t3\t0\n");
    EXPECT_EQ(Uruchom({"--dane", katalog_.Sciezka().string(), "games"}, "/nie/ma").Wyjscie, wynik.Wyjscie);
}

TEST_F(PoleceniaTest, DrawsPoIndeksieLubNazwie)
{
    const std::string oczekiwane = "Łatwy lotek\n\n1. 12.05.2001 40,2,17\n";
    EXPECT_EQ(Uruchom({"draws", "0"}).Wyjscie, oczekiwane);
    EXPECT_EQ(Uruchom({"draws", "Łatwy lotek"}).Wyjscie, oczekiwane);
    EXPECT_EQ(Uruchom({"draws", "Toto"}).Wyjscie, "Toto\n\n");
}

TEST_F(PoleceniaTest, BledyUzyciaIDanych)
{
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
    };
    const std::vector<TPrzypadek> przypadki{
        {{}, KodBladUzycia},
        {{"nieznane"}, KodBladUzycia},
        {{"--bzdura", "games"}, KodBladUzycia},
        {{"--dane"}, KodBladUzycia},
        {{"games", "nadmiar"}, KodBladUzycia},
        {{"draws"}, KodBladUzycia},
        {{"draws", "2"}, KodBladUzycia},
        {{"draws", "łatwy lotek"}, KodBladUzycia},
        {{"--dane", katalog_.Plik("brak"), "games"}, KodBladDanych},
        {{"--dane", katalog_.Plik("a.pl2"), "draws", "0"}, KodBladDanych},
    };
    for (const auto& p : przypadki) {
        const auto wynik = Uruchom(p.Argumenty);
        EXPECT_EQ(wynik.Kod, p.Kod) << ::testing::PrintToString(p.Argumenty);
        EXPECT_TRUE(wynik.Wyjscie.empty()) << ::testing::PrintToString(p.Argumenty);
        EXPECT_FALSE(wynik.Bledy.empty()) << ::testing::PrintToString(p.Argumenty);
    }
    // Nothing was written into the data directory.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(katalog_.Sciezka()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(PoleceniaTest, PomocWymieniaPolecenia)
{
    const auto wynik = Uruchom({"--help"});
    EXPECT_EQ(wynik.Kod, KodSukces);
    for (const TPolecenie& p : Polecenia())
        EXPECT_NE(wynik.Wyjscie.find(p.Skladnia), std::string::npos) << p.Nazwa;
}

} // namespace
} // namespace tarvomund::cli
