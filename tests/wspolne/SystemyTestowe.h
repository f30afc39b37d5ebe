#pragma once

#include "model/PlikSystemu.h"

#include <string>
#include <vector>

// System files for the tests: written from bets given as positions, read back with the checks
// every test wants (the header's count matches the bets).
namespace tarvomund::testy {

using TZakladTestowy = std::vector<int>;

// Writes `zaklady` (positions, k each) under `info`; the occurrence counts are recounted from the bets.
bool ZapiszSystemTestowy(const std::string& plik, TInfoGryRec info, const std::vector<TZakladTestowy>& zaklady);

struct TSystemZPliku {
    TNaglowekSystemu Naglowek;
    std::vector<TZakladTestowy> Zaklady;
};

// A number system of k out of n numbers for game 1 ("Lotto", 1..ileLiczb), own numbers 1..120.
TInfoGryRec InfoSystemuLiczbowego(int n, int k, int ileLiczb = 49);

// The record of a pool system of k matches, as the pool window sets one up.
TInfoGryRec InfoSystemuPilkarskiego(int k);

// Reads a system file back; a file that does not open, or holds fewer bets than its count, fails the test.
TSystemZPliku CzytajSystemTestowy(const std::string& plik);

} // namespace tarvomund::testy
