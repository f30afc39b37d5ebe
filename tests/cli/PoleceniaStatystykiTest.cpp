#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "model/Daty.h"
#include "model/PlikGry.h"
#include "stats/PlikStatystyki.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace tarvomund::cli {
namespace {

using testy::Linie;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

// A hand-made 3-of-10 game with six draws, from Monday 01.07.2024 on, one a day; an empty game; a
// pool game. The stored settings live in a directory of the test's own.
class PoleceniaStatystyki : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(Dane());
        konfiguracja_ = (katalog_.Sciezka() / "konfiguracja").string();
        std::filesystem::create_directory(konfiguracja_);
        ::setenv("XDG_CONFIG_HOME", konfiguracja_.c_str(), 1);

        TObGraLista gra = testy::Gra649((Dane() / "a.pl2").string());
        gra.Nazwa = "Mały lotek";
        gra.IleLiczb = 10;
        gra.IleLosowanych = 3;
        gra.IlePoziomo = 5;
        gra.IlePionowo = 2;
        const std::vector<std::vector<int>> losowania{{1, 2, 3},  {2, 3, 9}, {1, 2, 4},
                                                      {2, 5, 10}, {3, 4, 5}, {1, 2, 3}};
        for (std::size_t d = 0; d < losowania.size(); ++d)
            gra.Losowania.push_back(testy::Los({2024, 7, static_cast<int>(d) + 1}, losowania[d]));
        ASSERT_TRUE(UtworzPlikGry(gra));

        TObGraLista pusta = testy::Gra649((Dane() / "b.pl2").string());
        pusta.Nazwa = "Pusta";
        ASSERT_TRUE(UtworzPlikGry(pusta));

        TObGraLista pilkarska = testy::Gra649((Dane() / "c.pl2").string());
        pilkarska.Id = 1001;
        pilkarska.Nazwa = "Toto";
        ASSERT_TRUE(UtworzPlikGry(pilkarska));
    }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    std::filesystem::path Dane() const { return katalog_.Sciezka() / "Dane"; }
    testy::TWynikPolecenia Uruchom(std::vector<std::string> argumenty)
    {
        return testy::UruchomCli(argumenty, Dane().string());
    }

    TKatalogTymczasowy katalog_;
    std::string konfiguracja_;
};

TEST_F(PoleceniaStatystyki, CzestosciLiczbWKolejnosciLiczb)
{
    const auto w = Uruchom({"stats", "0", "--kind", "1"});
    ASSERT_EQ(w.Kod, KodSukces) << w.Bledy;
    EXPECT_EQ(w.Wyjscie,
              "1\t1\t3\n1\t2\t5\n1\t3\t4\n1\t4\t2\n1\t5\t2\n1\t6\t0\n1\t7\t0\n1\t8\t0\n1\t9\t1\n1\t10\t1\n");
    // The name works as well as the index.
    EXPECT_EQ(Uruchom({"stats", "Mały lotek", "--kind", "1"}).Wyjscie, w.Wyjscie);
}

TEST_F(PoleceniaStatystyki, OpcjeJakListyOkna)
{
    struct TPrzypadek {
        std::vector<std::string> Opcje;
        std::string Wyjscie;
    };
    const std::vector<TPrzypadek> przypadki{
        // Pairs drawn at least twice, most frequent first.
        {{"--kind", "1", "--choice", "2"}, "1\t1,2\t3\n1\t2,3\t3\n1\t1,3\t2\n"},
        {{"--kind", "1", "--choice", "2", "--max", "1"}, "1\t1,2\t3\n"},
        // Runs of three.
        {{"--kind", "2", "--choice", "3", "--to", "02.07.2024"},
         "1\t1,2,3\t1\n1\t2,3,4\t0\n1\t3,4,5\t0\n1\t4,5,6\t0\n1\t5,6,7\t0\n1\t6,7,8\t0\n1\t7,8,9\t0\n1\t8,9,"
         "10\t0\n"},
        // The given number 5 with every other.
        {{"--kind", "7", "--choice", "5"}, "1\t10\t1\n1\t2\t1\n1\t3\t1\n1\t4\t1\n"},
        // The even number 4 with the odd ones.
        {{"--kind", "9", "--choice", "4"}, "1\t1\t1\n1\t3\t1\n1\t5\t1\n"},
        // Numbers 4..2 turned round into 2..4, only those drawn.
        {{"--kind", "14", "--choice", "4", "--choice2", "2", "--from", "03.07.2024", "--to", "05.07.2024"},
         "1\t2\t2\n1\t4\t2\n1\t3\t1\n"},
        // Every third draw from the first.
        {{"--kind", "16", "--spacing", "3"},
         "1\t1\t1\n1\t2\t2\n1\t3\t1\n1\t4\t0\n1\t5\t1\n1\t6\t0\n1\t7\t0\n1\t8\t0\n"
         "1\t9\t0\n1\t10\t1\n"},
        // Upper and lower half of a grid of five columns: 1..5 and 6..10.
        {{"--kind", "17", "--division", "halves-ud"},
         "1\t1\t3\n1\t2\t5\n1\t3\t4\n1\t4\t2\n1\t5\t2\n2\t9\t1\n2\t10\t1\n"},
    };
    for (const TPrzypadek& c : przypadki) {
        std::vector<std::string> argumenty{"stats", "0"};
        argumenty.insert(argumenty.end(), c.Opcje.begin(), c.Opcje.end());
        const auto w = Uruchom(argumenty);
        EXPECT_EQ(w.Kod, KodSukces) << w.Bledy;
        EXPECT_EQ(w.Wyjscie, c.Wyjscie) << testing::PrintToString(c.Opcje);
    }
}

TEST_F(PoleceniaStatystyki, GrupowanieISerieNumerowaneOdJednego)
{
    // Sums by weekday: 01.07.2024 was a Monday (series 2), 06.07.2024 a Saturday (series 7).
    const auto sumy = Uruchom({"stats", "0", "--kind", "5", "--group", "weekday"});
    ASSERT_EQ(sumy.Kod, KodSukces) << sumy.Bledy;
    EXPECT_EQ(sumy.Wyjscie, ""); // no weekday saw one sum twice
    const auto pojedyncze = Uruchom({"stats", "0", "--kind", "1", "--group", "weekday"});
    const std::vector<std::string> linie = Linie(pojedyncze.Wyjscie);
    ASSERT_EQ(linie.size(), 70u);
    EXPECT_EQ(linie[0], "1\t1\t0");  // Sunday: no draw
    EXPECT_EQ(linie[10], "2\t1\t1"); // Monday: 1,2,3
    EXPECT_EQ(linie[69], "7\t10\t0");
    EXPECT_EQ(linie[60], "7\t1\t1"); // Saturday: 1,2,3
    // Series of the pair matrix run from 1 to N.
    const std::vector<std::string> macierz = Linie(Uruchom({"stats", "0", "--kind", "6"}).Wyjscie);
    ASSERT_EQ(macierz.size(), 90u);
    EXPECT_EQ(macierz[0], "1\t2\t3");
    EXPECT_EQ(macierz[89], "10\t9\t0");
}

TEST_F(PoleceniaStatystyki, ObcinanieZUstawienAlboZOpcji)
{
    // Every sum of the six draws, each once: no sum reaches a series. Numbers drawn with 2 instead:
    // 1 (3 times), 3 (3), 4, 5, 9, 10 (once each).
    EXPECT_EQ(Linie(Uruchom({"stats", "0", "--kind", "7", "--choice", "2"}).Wyjscie).size(), 6u);
    ZapiszPlik(konfiguracja_ + "/Quorbane.ini", "[STATYSTYKA]\nSpin1=2\nCBox1=false\n");
    EXPECT_EQ(Uruchom({"stats", "0", "--kind", "7", "--choice", "2"}).Wyjscie, "1\t1\t3\n1\t3\t3\n");
    EXPECT_EQ(Linie(Uruchom({"stats", "0", "--kind", "7", "--choice", "2", "--all"}).Wyjscie).size(), 6u);
    EXPECT_EQ(Linie(Uruchom({"stats", "0", "--kind", "7", "--choice", "2", "--max", "4"}).Wyjscie).size(),
              4u);
    ZapiszPlik(konfiguracja_ + "/Quorbane.ini", "[STATYSTYKA]\nSpin1=2\nCBox1=true\n");
    EXPECT_EQ(Linie(Uruchom({"stats", "0", "--kind", "7", "--choice", "2"}).Wyjscie).size(), 6u);
    EXPECT_EQ(Linie(Uruchom({"stats", "0", "--kind", "7", "--choice", "2", "--max", "3"}).Wyjscie).size(),
              3u);
}

TEST_F(PoleceniaStatystyki, BledyUzyciaIDanych)
{
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
        std::string Komunikat;
    };
    const std::vector<TPrzypadek> przypadki{
        {{"stats", "0"}, KodBladUzycia, "missing --kind"},
        {{"stats", "0", "--kind", "0"}, KodBladUzycia, "--kind must be within 1..17"},
        {{"stats", "0", "--kind", "18"}, KodBladUzycia, "--kind must be within 1..17"},
        {{"stats", "0", "--kind", "x"}, KodBladUzycia, "--kind needs a whole number"},
        {{"stats", "0", "--kind", "6", "--choice", "2"},
         KodBladUzycia,
         "--choice does not apply to this kind"},
        {{"stats", "0", "--kind", "1", "--choice", "4"}, KodBladUzycia, "--choice must be within 1..3"},
        {{"stats", "0", "--kind", "9", "--choice", "3"}, KodBladUzycia, "every other number of 2..10"},
        {{"stats", "0", "--kind", "13", "--choice2", "3"}, KodBladUzycia, "--choice2 does not apply"},
        {{"stats", "0", "--kind", "6", "--group", "weekday"}, KodBladUzycia, "--group does not apply"},
        {{"stats", "0", "--kind", "1", "--group", "year"}, KodBladUzycia, "all|weekday|day|month"},
        {{"stats", "0", "--kind", "16", "--spacing", "0"}, KodBladUzycia, "--spacing must be within 1..9999"},
        {{"stats", "0", "--kind", "1", "--spacing", "2"}, KodBladUzycia, "--spacing does not apply"},
        {{"stats", "0", "--kind", "17", "--division", "thirds"}, KodBladUzycia, "columns|rows|halves-lr"},
        {{"stats", "0", "--kind", "1", "--all", "--max", "3"}, KodBladUzycia, "exclude each other"},
        {{"stats", "0", "--kind", "1", "--max", "0"}, KodBladUzycia, "--max must be within 1..9999999"},
        {{"stats", "0", "--kind", "1", "--from", "31.02.2024"}, KodBladUzycia, "--from needs a date"},
        {{"stats", "9", "--kind", "1"}, KodBladUzycia, "no game 9"},
        {{"stats", "Toto", "--kind", "1"}, KodBladUzycia, "number games only"},
        {{"stats", "Pusta", "--kind", "1"}, KodBladDanych, "has no draws"},
        {{"stats-file"}, KodBladUzycia, "wrong number of arguments"},
    };
    for (const TPrzypadek& c : przypadki) {
        const auto w = Uruchom(c.Argumenty);
        EXPECT_EQ(w.Kod, c.Kod) << testing::PrintToString(c.Argumenty);
        EXPECT_NE(w.Bledy.find(c.Komunikat), std::string::npos) << w.Bledy;
        EXPECT_EQ(w.Wyjscie, "");
    }
}

TEST_F(PoleceniaStatystyki, PlikStatystykiParametryIWpisy)
{
    TPlikStatystyki plik;
    plik.Gra = {"Mały lotek", 10, 3, 5, 2, true, 0};
    plik.Parametry.Rodzaj = 13;
    plik.Parametry.OdDaty = DniZDaty({2024, 7, 1});
    plik.Parametry.DoDaty = DniZDaty({2024, 7, 6});
    plik.Parametry.Wybor1 = 1;
    plik.Parametry.Wybor2 = 8;
    plik.Parametry.Grupowanie = 1;
    plik.Parametry.IleKolumn = 5;
    plik.Parametry.IleRzedow = 2;
    plik.Parametry.RzedyGorne = 1;
    plik.Parametry.KolumnyLewe = 2;
    plik.Zaznaczone[1] = true;
    plik.Zaznaczone[6] = true;
    plik.IleSerii = 7;
    plik.Wyniki[1] = {{2, "3"}, {1, "4"}};
    plik.Wyniki[6] = {{1, "2"}};
    const std::string sciezka = katalog_.Plik("zakres.st2");
    ASSERT_TRUE(ZapiszPlikStatystyki(sciezka, plik));
    const auto w = Uruchom({"stats-file", sciezka});
    ASSERT_EQ(w.Kod, KodSukces) << w.Bledy;
    EXPECT_EQ(w.Wyjscie,
              "game: Mały lotek\nnumbers: 10\ndrawn: 3\nacross: 5\ndown: 2\ndirection: 1\npool: 0\n"
              "kind: 14\nfrom: 01.07.2024\nto: 06.07.2024\nchoice: 2\nchoice2: 9\ngroup: weekday\n"
              "spacing: 1\ndivision: columns\ncolumns: 5\nrows: 2\nhorizontal: 1\nupper rows: 1\n"
              "left columns: 2\nseries: 7\nchecked: 2,7\n"
              "2\t3\t2\n2\t4\t1\n7\t2\t1\n");

    // A file shorter than its records: the read error, nothing on the output.
    ZapiszPlik(sciezka, testy::CzytajPlik(sciezka).substr(0, 1230));
    const auto uszkodzony = Uruchom({"stats-file", sciezka});
    EXPECT_EQ(uszkodzony.Kod, KodBladDanych);
    EXPECT_EQ(uszkodzony.Wyjscie, "");
    EXPECT_NE(uszkodzony.Bledy.find("damaged"), std::string::npos);
    EXPECT_EQ(Uruchom({"stats-file", katalog_.Plik("brak.st2")}).Kod, KodBladDanych);
}

} // namespace
} // namespace tarvomund::cli
