#pragma once

#include "model/TObGraLista.h"
#include "model/TWynik.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarvomund {

// A statistic is up to 120 series of labelled values; at most 31 groups split the draws.
inline constexpr int MaxSeriiStatystyki = 120;
inline constexpr int MaxGrupStatystyki = 31;
inline constexpr int IleRodzajowStatystyki = 17;
inline constexpr int32_t MaxOdstepu = 9999;
// The slip grid of the slip statistic: columns and rows the division dialog allows.
inline constexpr int32_t MaxKolumnBlankietu = 99;
inline constexpr int32_t MaxRzedowBlankietu = 99;
inline constexpr int DnowTygodnia = 7;
inline constexpr int DniWMiesiacu = 31;
inline constexpr int MiesiecyWRoku = 12;
// The calendar the dates of a statistic may lie in: 01.01.0001 to 31.12.9999 as day counts.
inline constexpr double NajwczesniejszaData = -693593.0;
inline constexpr double NajpozniejszaData = 2958465.0;
// The most places a choice list has: one per number of a game.
inline constexpr int32_t MaxWyboru = 255;

// The stored code of each kind; the dialog numbers them from 1 in this order.
enum class TRodzajStatystyki : int32_t {
    Liczby = 0,
    KolejneLiczby = 1,
    Parzyste = 2,
    Nieparzyste = 3,
    Sumy = 4,
    KazdaZKazda = 5,
    ZadanaZKazda = 6,
    ParzysteZNieparzystymi = 7,
    ZadanaParzysta = 8,
    NieparzysteZParzystymi = 9,
    ZadanaNieparzysta = 10,
    PrzedzialyWszystkie = 11,
    PrzedzialJeden = 12,
    WPrzedziale = 13,
    Serie = 14,
    Odstepy = 15,
    Blankiet = 16,
};

enum class TGrupowanie : int32_t { Wszystkie = 0, DzienTygodnia = 1, DzienMiesiaca = 2, Miesiac = 3 };

enum class TPodzialBlankietu : int32_t {
    Kolumny = 0,
    Rzedy = 1,
    PolowkiPionowo = 2, // left and right
    PolowkiPoziomo = 3, // upper and lower
    Cwiartki = 4,
};

// What one statistic is computed from; the statistics file keeps it in its header.
struct TParametryStatystyki {
    int32_t Rodzaj = 0;
    double OdDaty = 0.0;
    double DoDaty = 0.0;
    int32_t Wybor1 = 0;     // 0-based index in the dialog's first choice list
    int32_t Grupowanie = 0; // TGrupowanie
    int32_t Wybor2 = 0;     // 0-based index in the second choice list (upper end of a range)
    int32_t Odstep = 1;     // spacing in draws
    int32_t PodzialBlankietu = 0;
    int32_t IleKolumn = 0;
    int32_t IleRzedow = 0;
    bool KierunekPoziomy = true; // shown by the division dialog, not used by the computation
    int32_t RzedyGorne = 0;
    int32_t KolumnyLewe = 0;

    bool operator==(const TParametryStatystyki&) const = default;

    // The preset of a new statistic of the game: kind 0 over all its draws, the slip grid from the game.
    static TParametryStatystyki DlaGry(const TObGraLista& gra);
    TRodzajStatystyki RodzajS() const { return static_cast<TRodzajStatystyki>(Rodzaj); }
};

using TSeriaStatystyki = std::vector<TWynik>;
using TWynikiStatystyki = std::array<TSeriaStatystyki, MaxSeriiStatystyki>;

// Kinds split by the weekday, the day of month or the month of the draw.
bool CzyGrupowana(int32_t rodzaj);
// 1, 7, 31 or 12 groups; an unknown grouping counts as all draws together.
int IleGrup(int32_t grupowanie);
// How many series the statistic has (never more than 120).
int IleSerii(const TParametryStatystyki& parametry, int32_t ileLiczb);

// The values the dialog's first choice list shows for the kind (set sizes, run lengths, the given
// number, the interval width, the lower end of a range); its index is what Wybor1 keeps. Empty for
// the kinds without that list.
std::vector<int32_t> WartosciWyboru1(int32_t rodzaj, int32_t ileLiczb, int32_t ileLosowanych);
// The second list (the upper end of the range of kind 13); empty for the other kinds.
std::vector<int32_t> WartosciWyboru2(int32_t rodzaj, int32_t ileLiczb);

// True when every field lies where the dialogs can put it, so a window can show it safely.
bool ParametryPoprawne(const TParametryStatystyki& parametry);

} // namespace tarvomund
