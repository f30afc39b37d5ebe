#pragma once

#include "model/TInfoGryRec.h"
#include "stats/MaskaLiczb.h"
#include "stats/TFiltry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarvomund {

// The twelve tests of a sorted number list (a draw's or a bet's numbers) that the bet filters and
// the searches share, numbered as the dialogs number them.
enum class TKryterium : int {
    Kolejne = 1,            // a run of consecutive numbers
    Parzyste,               // even numbers
    Nieparzyste,            // odd numbers
    WPrzedziale,            // numbers in one interval
    ParzysteWPrzedziale,    // even numbers in one interval
    NieparzysteWPrzedziale, // odd numbers in one interval
    SumaOdDo,               // the sum within a range
    SumaParzysta,
    SumaNieparzysta,
    CyfryKoncowe,    // numbers ending in a chosen digit
    CyfryPoczatkowe, // numbers beginning with a chosen digit
    StalyPrzyrost,   // numbers in constant increment
};
inline constexpr int IleKryteriowWspolnych = 12;

// True for the tests that look only at the numbers within the number range; the dialogs hide the
// range for the others (the sum tests and the leading digits take every number).
bool KryteriumZakresuLiczb(int kryterium);

// What a prepared test reads: the record's choices, the number range as numbers, the sum bounds
// in order and N, the game's count of numbers, which sets the intervals.
struct TDaneKryterium {
    const TKryteriaWspolne* Rekord = nullptr;
    int ZakresOd = 1; // lowest number of the range
    int ZakresDo = 0; // highest
    int32_t SumaOd = 0;
    int32_t SumaDo = 0;
    int32_t IleLiczb = 0;

    bool WZakresie(int liczba) const { return liczba >= ZakresOd && liczba <= ZakresDo; }
};

// One of the twelve tests, prepared once for a run from the record's choices: a choice c means
// "c + 1" (a run length, a count, a width or an increment); the number range is the record's
// 0-based ZakresOd..ZakresDo; a reversed sum range is put in order. The record must outlive the test.
class TTestKryterium {
public:
    TTestKryterium(int kryterium, const TKryteriaWspolne& rekord, int32_t sumaOd, int32_t sumaDo, int32_t ileLiczb);

    // The test of `ile` numbers sorted ascending. An unknown criterion never matches.
    bool Pasuje(const uint8_t* liczby, int ile) const;

    int Kryterium() const { return kryterium_; }
    const TDaneKryterium& Dane() const { return dane_; }

private:
    int kryterium_;
    TDaneKryterium dane_;
};

// What the filters and the search in a system test a bet's numbers with: one of the twelve shared
// criteria, or (`wylosowane` set) "already drawn": some draw of the record's date range shares at
// least IlePowtorzonych + 1 numbers with the bet.
class TTestZakladu {
public:
    TTestZakladu(int kryterium, bool wylosowane, const TKryteriaWspolne& rekord, int32_t sumaOd, int32_t sumaDo,
                 int32_t ilePowtorzonych, const TInfoGryRec& info, const std::vector<TObLos>& losowania);
    // `ile` numbers sorted ascending.
    bool Pasuje(const uint8_t* liczby, int ile) const;

private:
    TTestKryterium wspolne_;
    bool wylosowane_;
    std::vector<TMaskaLiczb> losowania_;
    int prog_;
};

// The position of the first chosen criterion (1-based) among `ile` flags; 0 when none is chosen.
int WybraneKryterium(const bool* kryteria, int ile);

} // namespace tarvomund
