#pragma once

#include "model/TInfoGryRec.h"
#include "systems/Losowosc.h"
#include "systems/TRaportPostepu.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// The mark of a sure position in the third own-numbers array; only the balanced method honours it.
inline constexpr uint8_t ZnakPewnejPozycji = 100;

// A system window's sum mode (its TrybSumy): normal generation, sum or difference of systems.
enum class TTrybSumy : uint8_t { Brak = 0, Suma = 1, Roznica = 2 };

// What a generation hands back to its window (UstawWynik): n, the bets written and how often each
// position occurs in them.
struct TWynikGeneracji {
    int32_t n = 0;
    int32_t Zakladow = 0;
    std::array<int32_t, MaxLiczbSystemu> Wystapienia{};
    // The own numbers the system arithmetic wrote into the header (UstawWlasne); the six methods
    // keep the window's and leave this empty.
    std::optional<std::array<TTablicaLiczb, 3>> Wlasne;
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

    // Instead of the method of `info`: the composite of the systems in these two files (the
    // window's Zlozony with SystemA and SystemB)...
    void UstawZlozenie(std::string plikA, std::string plikB);
    // ... or their sum or difference (the window's TrybSumy over ListaSumowanych). The composite
    // goes first when both are set.
    void UstawSume(TTrybSumy tryb, std::vector<std::string> pliki);

    // Method 5 then hands its bets to the covering optimiser for this many seconds (0: the method
    // as it stands), to stop early at `cel` bets (a known lower bound; 0: the optimiser's own). The
    // stop flag ends the optimisation early with the best complete system found.
    void UstawOptymalizacje(double sekundy, int64_t cel = 0)
    {
        optymalizacja_ = sekundy;
        celOptymalizacji_ = cel;
    }

    // Optional: called after each bet goes into the file with the count written so far, so that a
    // caller can stop a run at an exact point.
    std::function<void(int32_t)> PoZapisie;

private:
    TInfoGryRec info_;
    std::string plik_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu postep_;
    TLosowe& losowe_;
    std::optional<std::array<std::string, 2>> zlozenie_;
    TTrybSumy trybSumy_ = TTrybSumy::Brak;
    std::vector<std::string> sumowane_;
    double optymalizacja_ = 0.0;
    int64_t celOptymalizacji_ = 0;
};

} // namespace tarvomund
