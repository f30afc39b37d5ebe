// A few statistics of the real 6-of-49 history, in the game file the build makes of it, against
// counts made here straight from the shipped list (its lines read as text, dates by the standard
// calendar), so neither the game file reader nor the engine checks itself.
#include "model/PlikGry.h"
#include "stats/TGenStat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tarvomund {
namespace {

struct TLosowanieCsv {
    std::chrono::year_month_day Data;
    std::vector<int> Liczby;
};

// Lines such as 0001,27.01.1957,08,12,31,39,43,45.
std::vector<TLosowanieCsv> CzytajCsv()
{
    std::ifstream we(TARVOMUND_HISTORIA "/lotto-6z49.csv");
    std::vector<TLosowanieCsv> losowania;
    for (std::string linia; std::getline(we, linia);) {
        std::vector<std::string> pola;
        std::stringstream s(linia);
        for (std::string pole; std::getline(s, pole, ',');)
            pola.push_back(pole);
        if (pola.size() != 8)
            continue;
        const int d = std::stoi(pola[1].substr(0, 2));
        const int m = std::stoi(pola[1].substr(3, 2));
        const int r = std::stoi(pola[1].substr(6, 4));
        TLosowanieCsv los{std::chrono::year{r} / m / d, {}};
        for (std::size_t i = 2; i < 8; ++i)
            los.Liczby.push_back(std::stoi(pola[i]));
        losowania.push_back(los);
    }
    return losowania;
}

class HistoriaLotto : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        csv_ = new std::vector<TLosowanieCsv>(CzytajCsv());
        auto gra = WczytajPlikGry(TARVOMUND_DANE "/lotto-6z49.pl2");
        gra_ = gra ? new TObGraLista(std::move(*gra)) : nullptr;
    }
    static void TearDownTestSuite()
    {
        delete csv_;
        delete gra_;
    }

    void SetUp() override
    {
        ASSERT_NE(gra_, nullptr) << "the build writes " TARVOMUND_DANE "/lotto-6z49.pl2";
        ASSERT_EQ(csv_->size(), 7395u);
        ASSERT_EQ(gra_->Losowania.size(), csv_->size());
    }

    TWynikiStatystyki Licz(TRodzajStatystyki rodzaj, int32_t wybor1, TGrupowanie grupowanie,
                           TUstawieniaStatystyki u = {})
    {
        TParametryStatystyki p = TParametryStatystyki::DlaGry(*gra_);
        p.Rodzaj = static_cast<int32_t>(rodzaj);
        p.Wybor1 = wybor1;
        p.Grupowanie = static_cast<int32_t>(grupowanie);
        std::atomic<bool> przerwij{false};
        return TGenStat(p, *gra_, u, przerwij).Wykonaj();
    }

    static std::vector<TLosowanieCsv>* csv_;
    static TObGraLista* gra_;
};

std::vector<TLosowanieCsv>* HistoriaLotto::csv_ = nullptr;
TObGraLista* HistoriaLotto::gra_ = nullptr;

TEST_F(HistoriaLotto, CzestosciLiczbWedlugDniaTygodnia)
{
    // [weekday from Sunday][number]
    std::vector<std::vector<int>> liczniki(7, std::vector<int>(50, 0));
    for (const TLosowanieCsv& l : *csv_) {
        const unsigned dzien = std::chrono::weekday{std::chrono::sys_days{l.Data}}.c_encoding();
        for (int y : l.Liczby)
            ++liczniki[dzien][static_cast<std::size_t>(y)];
    }
    const TWynikiStatystyki w = Licz(TRodzajStatystyki::Liczby, 0, TGrupowanie::DzienTygodnia);
    int razem = 0;
    for (std::size_t g = 0; g < 7; ++g) {
        ASSERT_EQ(w[g].size(), 49u);
        for (int y = 1; y <= 49; ++y) {
            EXPECT_EQ(w[g][static_cast<std::size_t>(y - 1)].Wartosc, liczniki[g][static_cast<std::size_t>(y)])
                << "dzień " << g << ", liczba " << y;
            razem += w[g][static_cast<std::size_t>(y - 1)].Wartosc;
        }
    }
    EXPECT_EQ(razem, 7395 * 6);
}

TEST_F(HistoriaLotto, NajczestszePary)
{
    std::map<std::string, int> pary;
    for (const TLosowanieCsv& l : *csv_)
        for (std::size_t i = 0; i < 6; ++i)
            for (std::size_t j = i + 1; j < 6; ++j)
                ++pary[std::to_string(l.Liczby[i]) + "," + std::to_string(l.Liczby[j])];
    std::vector<std::pair<std::string, int>> ranking(pary.begin(), pary.end());
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });

    const TWynikiStatystyki w = Licz(TRodzajStatystyki::Liczby, 1, TGrupowanie::Wszystkie, {25, false});
    ASSERT_EQ(w[0].size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(w[0][i].Opis, ranking[i].first) << i;
        EXPECT_EQ(w[0][i].Wartosc, ranking[i].second) << i;
    }
    // Every pair of 49 numbers has come up together more than once in 7,395 draws.
    const TWynikiStatystyki wszystkie =
        Licz(TRodzajStatystyki::Liczby, 1, TGrupowanie::Wszystkie, {25, true});
    EXPECT_EQ(wszystkie[0].size(), 49u * 48 / 2);
}

TEST_F(HistoriaLotto, SumyWedlugMiesiecyIKolejnePary)
{
    std::vector<std::map<int, int>> sumy(12);
    std::vector<int> kolejne(49, 0);
    for (const TLosowanieCsv& l : *csv_) {
        int suma = 0;
        for (int y : l.Liczby)
            suma += y;
        ++sumy[static_cast<unsigned>(l.Data.month()) - 1][suma];
        for (int f = 1; f <= 48; ++f)
            if (std::count(l.Liczby.begin(), l.Liczby.end(), f) &&
                std::count(l.Liczby.begin(), l.Liczby.end(), f + 1))
                ++kolejne[static_cast<std::size_t>(f)];
    }
    const TWynikiStatystyki w = Licz(TRodzajStatystyki::Sumy, 0, TGrupowanie::Miesiac, {1, false});
    for (std::size_t m = 0; m < 12; ++m) {
        const auto najczestsza = std::max_element(
            sumy[m].begin(), sumy[m].end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        ASSERT_EQ(w[m].size(), 1u);
        EXPECT_EQ(w[m][0].Wartosc, najczestsza->second) << "miesiąc " << m + 1;
        const int suma = std::stoi(w[m][0].Opis.substr(2));
        EXPECT_EQ(sumy[m][suma], najczestsza->second);
    }
    const TWynikiStatystyki pary = Licz(TRodzajStatystyki::KolejneLiczby, 0, TGrupowanie::Wszystkie);
    ASSERT_EQ(pary[0].size(), 48u);
    for (int f = 1; f <= 48; ++f)
        EXPECT_EQ(pary[0][static_cast<std::size_t>(f - 1)].Wartosc, kolejne[static_cast<std::size_t>(f)])
            << f;
}

} // namespace
} // namespace tarvomund
