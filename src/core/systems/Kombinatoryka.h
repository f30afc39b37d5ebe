#pragma once

#include "model/TInfoGryRec.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvomund {

// A bet buffer: entries 0..k-1 hold the bet, ascending positions 1..120; the rest is unused.
using TZaklad = std::array<uint8_t, MaxLiczbSystemu>;

// Counts of combinations are extended-precision floating-point values; callers round to the nearest.
long double Silnia(long double x);
long double Kombinacje(int n, int k);
// C(n, m) / C(k, m): the fewest k-number bets that could hold every m-subset of n numbers.
long double IlorazKombinacji(int k, int n, int m);
// The nearest integer of a count, held within the int64 range.
int64_t Zaokraglij(long double liczba);

// True when each of the first m entries of `podzbior` occurs among the first k entries of `zaklad`.
bool ZawieraWszystkie(int k, int m, const TZaklad& zaklad, const TZaklad& podzbior);
void SortujZaklad(TZaklad& zaklad, int k);

// "  1  5 12": each value right-aligned in 3 characters, so keys sort as text like bets by value.
std::string KluczZakladu(const TZaklad& zaklad, int k);
// Reads a key, also behind a prefix such as "7." (everything up to the first full stop is dropped).
TZaklad ZakladZKlucza(std::string_view tekst);
// "1,5,12"
std::string TekstZakladu(const TZaklad& zaklad, int k);
TZaklad ZakladZTekstu(std::string_view tekst);

// Lexicographic enumeration of the k-subsets of 1..n: take the current one, then advance.
class TKombGen {
public:
    TKombGen(int k, int n);
    void Pobierz(TZaklad& zaklad) const { zaklad = Kombinacja; }
    void Nastepna();

    TZaklad Kombinacja{};
    int n;
    int k;
    bool Koniec = false;
};

} // namespace tarvomund
