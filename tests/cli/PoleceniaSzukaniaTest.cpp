#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund::cli {
namespace {

using testy::Linie;
using testy::Los;
using testy::TKatalogTymczasowy;
using testy::TWynikPolecenia;

// A 6 of 49 game of four draws (two Saturdays, two Tuesdays), a game without draws, and a system
// of the first game whose positions stand for other numbers.
class PoleceniaSzukania : public ::testing::Test {
protected:
    void SetUp() override
    {
        TObGraLista gra = testy::Gra649(katalog_.Plik("a.pl2"));
        gra.Losowania = {
            Los({2001, 5, 12}, {41, 4, 5, 6, 20, 33}),   // sum 109, the run 4 5 6
            Los({2001, 5, 15}, {4, 5, 7, 8, 20, 33}),    // sum 77, no run of three
            Los({2001, 5, 19}, {10, 11, 12, 30, 31, 45}), // sum 139, the run 10 11 12
            Los({2001, 5, 22}, {1, 2, 11, 12, 21, 22}),   // sum 69
        };
        ASSERT_TRUE(UtworzPlikGry(gra));
        TObGraLista pusta = testy::Gra649(katalog_.Plik("b.pl2"));
        pusta.Id = 2;
        pusta.Nazwa = "Pusta";
        pusta.IleLiczb = 48;
        ASSERT_TRUE(UtworzPlikGry(pusta));

        TInfoGryRec info = TInfoGryRec::DlaGry(gra);
        info.n = 8;
        info.k = 6;
        const std::vector<int> wlasne{4, 5, 6, 20, 33, 41, 7, 8};
        for (std::size_t i = 0; i < wlasne.size(); ++i)
            info.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
        // Shown: 4 5 6 20 33 41 (the first draw), 4 5 20 33 7 8 (the second), the first again,
        // and 6 20 33 41 7 8 (sum 115).
        ASSERT_TRUE(testy::ZapiszSystemTestowy(
            system_, info, {{1, 2, 3, 4, 5, 6}, {1, 2, 4, 5, 7, 8}, {1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}}));
    }

    TWynikPolecenia Uruchom(const std::vector<std::string>& argumenty)
    {
        return testy::UruchomCli(argumenty, katalog_.Sciezka().string());
    }

    // Runs a command writing `wynik_` and gives its output, then the bets `show` finds in the file.
    std::vector<std::string> Zapisz(std::vector<std::string> argumenty)
    {
        argumenty.insert(argumenty.end(), {"-o", wynik_});
        const TWynikPolecenia w = Uruchom(argumenty);
        EXPECT_EQ(w.Kod, KodSukces) << w.Bledy;
        std::vector<std::string> linie = Linie(w.Wyjscie);
        const std::vector<std::string> pokaz = Linie(Uruchom({"show", wynik_}).Wyjscie);
        // The header lines end with "guarantee"; the bets follow.
        const auto zaklady = std::find_if(pokaz.begin(), pokaz.end(),
                                          [](const std::string& l) { return l.rfind("guarantee: ", 0) == 0; });
        if (zaklady != pokaz.end())
            linie.insert(linie.end(), zaklady + 1, pokaz.end());
        std::filesystem::remove(wynik_);
        return linie;
    }

    TKatalogTymczasowy katalog_;
    const std::string system_ = katalog_.Plik("system.ss2");
    const std::string wynik_ = katalog_.Plik("wynik.ss2");
};

struct TPrzypadek {
    std::vector<std::string> Argumenty;
    std::vector<std::string> Oczekiwane; // "n: ", "bets: ", then the bets as show prints them
};

TEST_F(PoleceniaSzukania, SearchDrawsKryteriaIOpcje)
{
    const TPrzypadek przypadki[] = {
        // Three consecutive numbers: the draws become bets over the twelve numbers they use.
        {{"--criterion", "1", "--count", "3"},
         {"n: 12", "bets: 2", "1: 4,5,6,20,33,41", "2: 10,11,12,30,31,45"}},
        // The number range leaves 4 5 6 out.
        {{"--criterion", "1", "--count", "3", "--range-from", "10"}, {"n: 6", "bets: 1", "1: 10,11,12,30,31,45"}},
        // Reversed dates are put in order; the range holds the third draw only.
        {{"--criterion", "1", "--count", "3", "--from", "20.05.2001", "--to", "15.05.2001"},
         {"n: 6", "bets: 1", "1: 10,11,12,30,31,45"}},
        // A reversed sum range: the sums 100..150.
        {{"--criterion", "7", "--sum-from", "150", "--sum-to", "100"},
         {"n: 12", "bets: 2", "1: 4,5,6,20,33,41", "2: 10,11,12,30,31,45"}},
        // The weekday in the dialog's order: 3 is Tuesday, 7 Saturday.
        {{"--criterion", "14", "--weekday", "3"}, {"n: 12", "bets: 2", "1: 1,2,11,12,21,22", "2: 4,5,7,8,20,33"}},
        {{"--criterion", "14", "--weekday", "7"},
         {"n: 12", "bets: 2", "1: 4,5,6,20,33,41", "2: 10,11,12,30,31,45"}},
        {{"--criterion", "15", "--day", "22"}, {"n: 6", "bets: 1", "1: 1,2,11,12,21,22"}},
        // Nothing found: a readable system without bets.
        {{"--criterion", "16", "--month", "6"}, {"n: 0", "bets: 0"}},
        // Final digits 1 and 2 counted apart: only the fourth draw has three numbers ending in one
        // of them (1 11 21, and 2 12 22); the third has 11 31 and 12.
        {{"--criterion", "10", "--count", "3", "--digits", "1,2"}, {"n: 6", "bets: 1", "1: 1,2,11,12,21,22"}},
        // Three numbers in one interval of ten: 1..10 of the first two draws; the last two have
        // at most two in each interval.
        {{"--criterion", "4", "--count", "3", "--width", "10"},
         {"n: 8", "bets: 2", "1: 4,5,6,20,33,41", "2: 4,5,7,8,20,33"}},
    };
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"search-draws", "0"};
        argumenty.insert(argumenty.end(), p.Argumenty.begin(), p.Argumenty.end());
        EXPECT_EQ(Zapisz(argumenty), p.Oczekiwane) << ::testing::PrintToString(p.Argumenty);
    }
}

TEST_F(PoleceniaSzukania, FilterUsuwaZakladyIZachowujeWlasneLiczby)
{
    const TPrzypadek przypadki[] = {
        // The sums 109 and 115 go; the duplicate goes with its twin.
        {{"--filter", "7", "--sum-from", "100", "--sum-to", "120"}, {"n: 8", "bets: 1", "1: 4,5,20,33,7,8"}},
        // Three consecutive shown numbers: 4 5 6 and 6 7 8.
        {{"--filter", "1", "--count", "3"}, {"n: 8", "bets: 1", "1: 4,5,20,33,7,8"}},
        // Positions 1..3 given reversed.
        {{"--filter", "14", "--positions", "3-1"}, {"n: 8", "bets: 1", "1: 6,20,33,41,7,8"}},
        // Already drawn whole, in the whole history and from the second draw on.
        {{"--filter", "13", "--count", "6"}, {"n: 8", "bets: 1", "1: 6,20,33,41,7,8"}},
        {{"--filter", "13", "--count", "6", "--from", "13.05.2001"},
         {"n: 8", "bets: 2", "1: 4,5,6,20,33,41", "2: 6,20,33,41,7,8"}},
        // No draw of the range: every distinct bet stays.
        {{"--filter", "13", "--count", "1", "--from", "01.01.2002", "--to", "31.12.2002"},
         {"n: 8", "bets: 3", "1: 4,5,6,20,33,41", "2: 4,5,20,33,7,8", "3: 6,20,33,41,7,8"}},
    };
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"filter", system_};
        argumenty.insert(argumenty.end(), p.Argumenty.begin(), p.Argumenty.end());
        EXPECT_EQ(Zapisz(argumenty), p.Oczekiwane) << ::testing::PrintToString(p.Argumenty);
    }
}

TEST_F(PoleceniaSzukania, SearchSystemPokazujeLiczbyZrodla)
{
    const TPrzypadek przypadki[] = {
        // The bets drawn whole keep showing the numbers they showed in the source.
        {{"--criterion", "13", "--count", "6"}, {"n: 8", "bets: 2", "1: 4,5,6,20,33,41", "2: 4,5,20,33,7,8"}},
        // The sums of the shown numbers: 109 and 115 (the positions would give 21 and 33).
        {{"--criterion", "7", "--sum-from", "100", "--sum-to", "120"},
         {"n: 8", "bets: 2", "1: 4,5,6,20,33,41", "2: 6,20,33,41,7,8"}},
        {{"--criterion", "8"}, {"n: 8", "bets: 0"}},
    };
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"search-system", system_};
        argumenty.insert(argumenty.end(), p.Argumenty.begin(), p.Argumenty.end());
        EXPECT_EQ(Zapisz(argumenty), p.Oczekiwane) << ::testing::PrintToString(p.Argumenty);
    }
}

TEST_F(PoleceniaSzukania, SearchNumbersZbioryZLosowanINigdyRazem)
{
    const TPrzypadek przypadki[] = {
        // Runs of two out of every draw, each set once.
        {{"--criterion", "1", "--count", "2"},
         {"n: 14", "bets: 8", "1: 1,2", "2: 4,5", "3: 5,6", "4: 7,8", "5: 10,11", "6: 11,12", "7: 21,22", "8: 30,31"}},
        // Pairs of 1..6 never drawn together: 15 pairs less 4 5, 4 6, 5 6 and 1 2.
        {{"--criterion", "10", "--count", "2", "--range-from", "6", "--range-to", "1"},
         {"n: 6", "bets: 11", "1: 1,3", "2: 1,4", "3: 1,5", "4: 1,6", "5: 2,3", "6: 2,4", "7: 2,5", "8: 2,6",
          "9: 3,4", "10: 3,5", "11: 3,6"}},
        // Only the first draw in the date range: 4 5 6 was drawn there, 1 2 no longer counts.
        {{"--criterion", "10", "--count", "3", "--range-to", "6", "--to", "12.05.2001"},
         {"n: 6", "bets: 19", "1: 1,2,3", "2: 1,2,4", "3: 1,2,5", "4: 1,2,6", "5: 1,3,4", "6: 1,3,5", "7: 1,3,6",
          "8: 1,4,5", "9: 1,4,6", "10: 1,5,6", "11: 2,3,4", "12: 2,3,5", "13: 2,3,6", "14: 2,4,5", "15: 2,4,6",
          "16: 2,5,6", "17: 3,4,5", "18: 3,4,6", "19: 3,5,6"}},
    };
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"search-numbers", "Lotto 6 z 49"};
        argumenty.insert(argumenty.end(), p.Argumenty.begin(), p.Argumenty.end());
        EXPECT_EQ(Zapisz(argumenty), p.Oczekiwane) << ::testing::PrintToString(p.Argumenty);
    }
}

TEST_F(PoleceniaSzukania, FindNumbersTabela)
{
    const TWynikPolecenia w = Uruchom({"find-numbers", "0", "20,4"});
    ASSERT_EQ(w.Kod, KodSukces) << w.Bledy;
    EXPECT_EQ(w.Wyjscie, "L.p.\tData\tSuma\t4,20\n"
                         "1\tSo - 12.05.2001\t109\t41,4,5,6,20,33\n"
                         "2\tWt - 15.05.2001\t77\t4,5,7,8,20,33\n");
    EXPECT_EQ(Uruchom({"find-numbers", "0", "3"}).Wyjscie, "L.p.\tData\tSuma\t3\n");
}

TEST_F(PoleceniaSzukania, BledyUzyciaIDanych)
{
    struct TBlad {
        std::vector<std::string> Argumenty;
        int Kod;
        const char* Komunikat;
    };
    const TBlad przypadki[] = {
        {{"search-draws", "0", "--criterion", "17", "-o", wynik_}, KodBladUzycia, "--criterion"},
        {{"search-draws", "0", "--criterion", "1", "--sum-from", "3", "-o", wynik_}, KodBladUzycia, "--sum-from"},
        {{"search-draws", "0", "--criterion", "7", "--range-from", "2", "-o", wynik_}, KodBladUzycia, "--range-from"},
        {{"search-draws", "0", "--criterion", "1", "--count", "7", "-o", wynik_}, KodBladUzycia, "--count"},
        {{"search-draws", "0", "--criterion", "14", "--weekday", "8", "-o", wynik_}, KodBladUzycia, "--weekday"},
        {{"search-draws", "0", "--criterion", "14", "--day", "3", "-o", wynik_}, KodBladUzycia, "--day"},
        {{"search-draws", "0", "--criterion", "1", "--from", "31.02.2001", "-o", wynik_}, KodBladUzycia, "--from"},
        {{"search-draws", "0", "--criterion", "11", "--digits", "0", "-o", wynik_}, KodBladUzycia, "digit"},
        {{"search-draws", "0", "--criterion", "1"}, KodBladUzycia, "-o"},
        {{"search-draws", "Pusta", "--criterion", "1", "-o", wynik_}, KodBladDanych, "Baza losowań jest pusta"},
        {{"filter", system_, "--filter", "14", "--positions", "1-5", "-o", wynik_}, KodBladUzycia, "position"},
        {{"filter", system_, "--filter", "13", "--weekday", "1", "-o", wynik_}, KodBladUzycia, "--weekday"},
        {{"filter", katalog_.Plik("brak.ss2"), "--filter", "1", "-o", wynik_}, KodBladDanych, "brak.ss2"},
        {{"search-system", system_, "--criterion", "14", "-o", wynik_}, KodBladUzycia, "--criterion"},
        {{"search-numbers", "0", "--criterion", "10", "--step", "2", "-o", wynik_}, KodBladUzycia, "--step"},
        {{"search-numbers", "0", "--criterion", "8", "--range-to", "9", "-o", wynik_}, KodBladUzycia, "--range-to"},
        {{"find-numbers", "0", "4,4"}, KodBladUzycia, "repeat"},
        {{"find-numbers", "0", "0,5"}, KodBladUzycia, "searched number"},
        {{"find-numbers", "0", "1,2,3,4,5,6,7"}, KodBladUzycia, "at most 6"},
    };
    for (const TBlad& p : przypadki) {
        const TWynikPolecenia w = Uruchom(p.Argumenty);
        EXPECT_EQ(w.Kod, p.Kod) << ::testing::PrintToString(p.Argumenty);
        EXPECT_EQ(w.Wyjscie, "") << ::testing::PrintToString(p.Argumenty);
        EXPECT_NE(w.Bledy.find(p.Komunikat), std::string::npos) << w.Bledy;
        EXPECT_FALSE(std::filesystem::exists(wynik_)) << ::testing::PrintToString(p.Argumenty);
    }
}

} // namespace
} // namespace tarvomund::cli
