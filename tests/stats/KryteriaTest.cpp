#include "stats/Kryteria.h"

#include "wspolne/LosowaniaTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tarvomund {
namespace {

// One case: a criterion with its choices set on a fresh record, a number list and the answer.
struct TPrzypadek {
    const char* Opis;
    int Kryterium;
    std::function<void(TFiltr&)> Ustaw;
    std::vector<int> Liczby;
    bool Pasuje;
    int32_t IleLiczb = 49;
};

void Zakres(TFiltr& f, int od, int do_)
{
    f.ZakresOd = od - 1;
    f.ZakresDo = do_ - 1;
}

void Cyfry(std::array<bool, IleCyfr>& cyfry, std::initializer_list<int> wybrane)
{
    for (int c : wybrane)
        cyfry[static_cast<std::size_t>(c)] = true;
}

const std::vector<TPrzypadek>& Przypadki()
{
    static const std::vector<TPrzypadek> przypadki{
        // 1: a run of consecutive in-range numbers of length choice + 1.
        {"run of 3 found", 1, [](TFiltr& f) { f.IleKolejnych = 2; }, {4, 5, 6, 20, 33, 41}, true},
        {"two runs of 2 are no run of 3", 1, [](TFiltr& f) { f.IleKolejnych = 2; }, {4, 5, 7, 8, 20, 33}, false},
        {"run outside the number range ignored", 1,
         [](TFiltr& f) {
             f.IleKolejnych = 2;
             Zakres(f, 10, 49);
         },
         {4, 5, 6, 20, 33, 41}, false},
        {"run length 1: any two in-range numbers", 1, [](TFiltr&) {}, {3, 40}, true},
        {"run length 1: one in-range number is not enough", 1, [](TFiltr& f) { Zakres(f, 10, 49); }, {3, 40}, false},
        {"run at the end of the list", 1, [](TFiltr& f) { f.IleKolejnych = 3; }, {1, 9, 46, 47, 48, 49}, true},
        // 2, 3: at least choice + 1 in-range even or odd numbers.
        {"three even numbers", 2, [](TFiltr& f) { f.IleParzystych = 2; }, {2, 4, 6, 9, 11, 13}, true},
        {"two even numbers are too few", 2, [](TFiltr& f) { f.IleParzystych = 2; }, {2, 4, 7, 9, 11, 13}, false},
        {"only even numbers up to 10 count", 2,
         [](TFiltr& f) {
             f.IleParzystych = 2;
             Zakres(f, 1, 10);
         },
         {2, 4, 12, 14, 20, 30}, false},
        {"four odd numbers", 3, [](TFiltr& f) { f.IleNieparzystych = 3; }, {1, 3, 5, 7, 10, 12}, true},
        {"three odd numbers are too few", 3, [](TFiltr& f) { f.IleNieparzystych = 3; }, {1, 3, 5, 8, 10, 12}, false},
        // 4 to 6: one interval [1, w], [w + 1, 2w], ... holding choice + 1 numbers.
        {"three numbers in 1..10", 4,
         [](TFiltr& f) {
             f.PrzedzialWielkosc = 9;
             f.IleWPrzedziale = 2;
         },
         {1, 2, 3, 25, 30, 45}, true},
        {"two in each interval", 4,
         [](TFiltr& f) {
             f.PrzedzialWielkosc = 9;
             f.IleWPrzedziale = 2;
         },
         {1, 2, 11, 12, 21, 22}, false},
        {"intervals do not shift with the numbers", 4,
         [](TFiltr& f) {
             f.PrzedzialWielkosc = 9;
             f.IleWPrzedziale = 2;
         },
         {8, 9, 11, 12, 25, 40}, false},
        {"the last interval reaches past N", 4,
         [](TFiltr& f) {
             f.PrzedzialWielkosc = 9;
             f.IleWPrzedziale = 2;
         },
         {1, 15, 30, 47, 48, 49}, true},
        {"three even numbers in 11..20", 5,
         [](TFiltr& f) {
             f.PrzedzialParzystych = 9;
             f.IleParzystychWPrzedziale = 2;
         },
         {12, 13, 14, 15, 16, 30}, true},
        {"the odd ones do not count as even", 5,
         [](TFiltr& f) {
             f.PrzedzialParzystych = 9;
             f.IleParzystychWPrzedziale = 2;
         },
         {11, 12, 13, 14, 15, 30}, false},
        {"three odd numbers in 11..20", 6,
         [](TFiltr& f) {
             f.PrzedzialNieparzystych = 9;
             f.IleNieparzystychWPrzedziale = 2;
         },
         {11, 12, 13, 14, 15, 30}, true},
        {"odd numbers outside the range", 6,
         [](TFiltr& f) {
             f.PrzedzialNieparzystych = 9;
             f.IleNieparzystychWPrzedziale = 2;
             Zakres(f, 12, 49);
         },
         {11, 12, 13, 14, 15, 30}, false},
        // 7 to 9: the sum of all numbers, whatever the range.
        {"sum within a reversed range", 7,
         [](TFiltr& f) {
             f.SumaOd = 150;
             f.SumaDo = 100;
         },
         {10, 20, 30, 40, 11, 9}, true},
        {"sum above a reversed range", 7,
         [](TFiltr& f) {
             f.SumaOd = 150;
             f.SumaDo = 100;
         },
         {10, 20, 30, 40, 41, 19}, false},
        {"sum at the bound, range ignored", 7,
         [](TFiltr& f) {
             f.SumaOd = 21;
             f.SumaDo = 21;
             Zakres(f, 40, 49);
         },
         {1, 2, 3, 4, 5, 6}, true},
        {"even sum", 8, [](TFiltr&) {}, {1, 2, 3, 4, 5, 7}, true},
        {"odd sum is not even", 8, [](TFiltr&) {}, {1, 2, 3, 4, 5, 6}, false},
        {"odd sum", 9, [](TFiltr&) {}, {1, 2, 3, 4, 5, 6}, true},
        // 10: each chosen final digit alone reaches choice + 1.
        {"digit 3 twice", 10,
         [](TFiltr& f) {
             f.IleKoncowych = 1;
             Cyfry(f.CyfryKoncowe, {3, 7});
         },
         {3, 13, 17, 20, 30, 40}, true},
        {"one of each digit is not two", 10,
         [](TFiltr& f) {
             f.IleKoncowych = 1;
             Cyfry(f.CyfryKoncowe, {3, 7});
         },
         {3, 17, 20, 30, 40, 41}, false},
        {"no digit chosen never matches", 10, [](TFiltr&) {}, {3, 13, 17, 20, 30, 40}, false},
        {"final digit 0 outside the range", 10,
         [](TFiltr& f) {
             f.IleKoncowych = 2;
             Cyfry(f.CyfryKoncowe, {0});
             Zakres(f, 1, 25);
         },
         {10, 20, 30, 40, 41, 42}, false},
        // 11: leading digits of all numbers; 10..19 lead with 1, 100 and above never match.
        {"1 and 10..19 lead with 1", 11,
         [](TFiltr& f) {
             f.IlePoczatkowych = 2;
             Cyfry(f.CyfryPoczatkowe, {1});
         },
         {1, 10, 19, 20, 30, 40}, true},
        {"leading digits ignore the range", 11,
         [](TFiltr& f) {
             f.IlePoczatkowych = 1;
             Cyfry(f.CyfryPoczatkowe, {4});
             Zakres(f, 1, 10);
         },
         {1, 10, 19, 20, 41, 45}, true},
        {"three-digit numbers lead with 10 and more", 11,
         [](TFiltr& f) { Cyfry(f.CyfryPoczatkowe, {1}); }, {100, 105, 110, 120}, false, 150},
        {"digit 0 is never a leading digit", 11, [](TFiltr& f) { Cyfry(f.CyfryPoczatkowe, {0}); },
         {1, 2, 3, 4, 5, 6}, false},
        // 12: a constant increment of choice + 1, length choice + 1.
        {"step 10, three numbers", 12,
         [](TFiltr& f) {
             f.Przyrost = 9;
             f.IleZPrzyrostem = 2;
         },
         {1, 11, 21, 30, 41, 45}, true},
        {"step 10 broken", 12,
         [](TFiltr& f) {
             f.Przyrost = 9;
             f.IleZPrzyrostem = 2;
         },
         {1, 11, 30, 41, 45, 48}, false},
        {"step 5 with numbers between", 12,
         [](TFiltr& f) {
             f.Przyrost = 4;
             f.IleZPrzyrostem = 3;
         },
         {2, 7, 8, 12, 13, 17}, true},
        // Outside 1..12 nothing matches.
        {"criterion 0", 0, [](TFiltr&) {}, {1, 2, 3}, false},
        {"criterion 13", 13, [](TFiltr&) {}, {1, 2, 3}, false},
    };
    return przypadki;
}

TEST(Kryteria, TabelaPrzypadkow)
{
    for (const TPrzypadek& p : Przypadki()) {
        SCOPED_TRACE(p.Opis);
        TFiltr filtr;
        Zakres(filtr, 1, p.IleLiczb);
        p.Ustaw(filtr);
        std::vector<uint8_t> liczby(p.Liczby.begin(), p.Liczby.end());
        std::sort(liczby.begin(), liczby.end());
        const TTestKryterium test(p.Kryterium, filtr, filtr.SumaOd, filtr.SumaDo, p.IleLiczb);
        EXPECT_EQ(test.Pasuje(liczby.data(), static_cast<int>(liczby.size())), p.Pasuje);
    }
}

TEST(Kryteria, ZakresLiczbUkrywanyDlaSumIPoczatkowychCyfr)
{
    for (int k = 1; k <= IleKryteriowWspolnych; ++k)
        EXPECT_EQ(KryteriumZakresuLiczb(k), k != 7 && k != 8 && k != 9 && k != 11) << k;
    EXPECT_FALSE(KryteriumZakresuLiczb(0));
    EXPECT_FALSE(KryteriumZakresuLiczb(13));
    const bool wybrane[] = {false, false, true, true};
    EXPECT_EQ(WybraneKryterium(wybrane, 4), 3);
    EXPECT_EQ(WybraneKryterium(wybrane, 2), 0);
}

// "Already drawn": the sets of numbers and the definition number by number agree, over a date
// range with both ends included.
TEST(Kryteria, JuzWylosowanyMaskamiIPoLiczbie)
{
    using testy::Los;
    const std::vector<TObLos> losowania{Los({2001, 5, 12}, {1, 2, 3, 4, 5, 6}),
                                        Los({2001, 5, 19}, {10, 20, 30, 40, 41, 42}),
                                        Los({2001, 5, 26}, {7, 8, 9, 43, 44, 45})};
    const double od = DniZDaty({2001, 5, 19});
    const double do_ = DniZDaty({2001, 5, 26});
    struct TSprawdzenie {
        std::vector<int> Zaklad;
        int Prog;
        double Od;
        bool Wylosowany;
    };
    const TSprawdzenie przypadki[] = {
        {{1, 2, 3, 11, 12, 13}, 3, 0.0, true},  // three of the first draw
        {{1, 2, 3, 11, 12, 13}, 3, od, false},  // that draw lies before the range
        {{1, 2, 3, 11, 12, 13}, 4, 0.0, false}, // not four of any
        {{7, 8, 9, 43, 44, 45}, 6, od, true},   // the last day of the range counts
        {{20, 30}, 2, od, true},                // a bet shorter than the draws
    };
    for (const TSprawdzenie& p : przypadki) {
        const std::vector<uint8_t> zaklad(p.Zaklad.begin(), p.Zaklad.end());
        const int k = static_cast<int>(zaklad.size());
        EXPECT_EQ(WylosowanyZ(MaskaLiczb(zaklad.data(), k), MaskiLosowan(losowania, p.Od, do_, 6), p.Prog),
                  p.Wylosowany);
        EXPECT_EQ(WylosowanyZPoLiczbie(zaklad.data(), k, losowania, p.Od, do_, 6, p.Prog), p.Wylosowany);
    }

    // Random bets against a random history: both ways answer alike.
    std::mt19937 los(12);
    std::vector<TObLos> historia;
    std::vector<uint8_t> pula(49);
    for (int i = 0; i < 49; ++i)
        pula[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + 1);
    for (int d = 0; d < 300; ++d) {
        std::shuffle(pula.begin(), pula.end(), los);
        TObLos l;
        l.Data = 30000 + d;
        std::copy_n(pula.begin(), 6, l.Liczby.begin());
        historia.push_back(l);
    }
    const std::vector<TMaskaLiczb> maski = MaskiLosowan(historia, 30100, 30200, 6);
    int zgodnych = 0;
    for (int z = 0; z < 500; ++z) {
        std::shuffle(pula.begin(), pula.end(), los);
        const int prog = 1 + z % 4;
        const bool maskami = WylosowanyZ(MaskaLiczb(pula.data(), 8), maski, prog);
        zgodnych += maskami == WylosowanyZPoLiczbie(pula.data(), 8, historia, 30100, 30200, 6, prog);
    }
    EXPECT_EQ(zgodnych, 500);
}

} // namespace
} // namespace tarvomund
