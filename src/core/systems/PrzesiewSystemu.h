#pragma once

#include "model/TInfoGryRec.h"
#include "systems/TGenSys01.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace tarvomund {

// Whether a bet of the source stays: `numer` is its 1-based place in the source, `liczby` the
// numbers its positions stand for (through the source's own numbers), sorted ascending, `k` of them.
using TWarunekZakladu = std::function<bool(int32_t numer, const uint8_t* liczby, int k)>;

// The record of the window that receives a filtered or searched system: the source's record with
// no generation method (the game's name and parameters come with the window's set-up).
TInfoGryRec InfoWynikuPrzesiewu(const TInfoGryRec& zrodlo);

// What the filters and the search in a system share. The result window's store `wynik` holds a
// copy of the source system: it is copied to the scratch file `roboczy`, and `wynik` is written
// anew with the bets of the copy that the condition keeps, each once, in ascending order of their
// positions. Its header is the source's with the result window's game, name, game parameters, k
// and method (`info`), the bets written and their counts; n, guarantee and own numbers stay the
// source's, and so the own numbers are handed back.
//
// A stop ends the reading before the next bet and the writing after the bet being written. A
// copy or a source that cannot be read, or a bet size other than the window's, ends the run
// quietly (BladPliku, BezZmian) with the store as it was.
TWynikGeneracji PrzesiejSystem(const TInfoGryRec& info, const std::string& roboczy, const std::string& wynik,
                               const TWarunekZakladu& zostaw, const std::atomic<bool>& przerwij,
                               TRaportPostepu& postep);

} // namespace tarvomund
