#pragma once

#include "model/TInfoGryRec.h"
#include "systems/TGenSys01.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <string>
#include <vector>

namespace tarvomund {

// Why a composite, sum or difference cannot be made. Checked from the sources' parameters before
// any window or file is created.
enum class TBladArytmetyki {
    Brak,
    BrakSystemow,   // nothing to sum
    Pilkarski,      // a pool system has no numbers to combine
    InnaGra,        // made for a game of another shape than the first system
    InneK,          // another count of numbers per bet than the first system (sum, difference)
    PonadMaxLiczb,  // the result would need more than 120 numbers (or numbers per bet)
    PonadLiczbyGry, // the composite would hold more numbers than the game has
    ZaDuzoZakladow, // the composite's bet count is beyond what a system file counts
};

// Lowest, highest and normal numbers per bet, N, the drawn count and the pool flag agree: both
// systems were made for games of one shape.
bool TaSamaGra(const TInfoGryRec& a, const TInfoGryRec& b);

// The composite of A and B: k = kA + kB over n = nA + nB numbers, every bet of A with every bet of B.
TBladArytmetyki SprawdzZlozenie(const TInfoGryRec& a, const TInfoGryRec& b);
// A's record with k = kA + kB, n = nA + nB, bA * bB bets, method 0, guarantee 0 and the own numbers
// reset (position j shows j). Only meaningful when SprawdzZlozenie found nothing.
TInfoGryRec ParametryZlozenia(const TInfoGryRec& a, const TInfoGryRec& b);

// A sum or difference of these systems, the first being the reference: every system of the
// reference's game and k, and all their own numbers together at most 120.
TBladArytmetyki SprawdzSume(const std::vector<TInfoGryRec>& systemy);
// The first system's record with method 100 ("none"): its n, k, bets, guarantee and own numbers
// until the run replaces n, bets, counts and own numbers.
TInfoGryRec ParametrySumy(const TInfoGryRec& pierwszy);

// Writes into `plik` the composite of the systems in `plikA` and `plikB` under the header of
// `info` (ParametryZlozenia): for each bet a of A, each bet b of B, the bet a followed by b shifted
// by nA, so A's positions keep 1..nA and B's become nA + 1 .. nA + nB; lexicographic when A and B
// are. Polls `przerwij` before each bet of B. A source that cannot be read ends the run quietly
// with the bets written so far (BladPliku).
TWynikGeneracji ZlozSystemy(const TInfoGryRec& info, const std::string& plik, const std::string& plikA,
                            const std::string& plikB, const std::atomic<bool>& przerwij, TRaportPostepu& postep);

// Writes into `plik` the sum (the union) or the difference (the bets found an odd number of times)
// of the systems in `pliki`, compared in lottery numbers (each position through its system's own
// numbers) and renumbered over all numbers the systems use, ascending. The header is `info`
// (ParametrySumy) with n', the bets written, their counts and the new own numbers, which the result
// hands back too. Polls `przerwij` while reading; the bets collected are always written out.
TWynikGeneracji SumujSystemy(const TInfoGryRec& info, const std::string& plik, const std::vector<std::string>& pliki,
                             TTrybSumy tryb, const std::atomic<bool>& przerwij, TRaportPostepu& postep);

} // namespace tarvomund
