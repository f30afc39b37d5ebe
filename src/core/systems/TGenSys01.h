#pragma once

#include "model/TInfoGryRec.h"
#include "systems/Losowosc.h"
#include "systems/TRaportPostepu.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace tarvomund {

// The mark of a sure position in the third own-numbers array; only the balanced method honours it.
inline constexpr uint8_t ZnakPewnejPozycji = 100;

// What a generation hands back to its window (UstawWynik): n, the bets written and how often each
// position occurs in them.
struct TWynikGeneracji {
    int32_t n = 0;
    int32_t Zakladow = 0;
    std::array<int32_t, MaxLiczbSystemu> Wystapienia{};
    bool Przerwano = false;  // the stop flag ended the run early; the file still holds a valid system
    bool BladPliku = false;  // the file could not be written; the run ended quietly
};

// The number-system generator: writes the bets of `info` (n, k, bets, method, guarantee, own
// numbers with their sure marks) into `plik` in the system file layout, bets in ascending key
// order without duplicates, header last. Polls `przerwij`; reports progress as "%6.2f%%" texts.
class TGenSys01 {
public:
    TGenSys01(TInfoGryRec info, std::string plik, const std::atomic<bool>& przerwij, TPokazPostep postep,
              TLosowe& losowe);
    TWynikGeneracji Wykonaj();

    // Optional: called after each bet goes into the file with the count written so far, so that a
    // caller can stop a run at an exact point.
    std::function<void(int32_t)> PoZapisie;

private:
    TInfoGryRec info_;
    std::string plik_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu postep_;
    TLosowe& losowe_;
};

} // namespace tarvomund
