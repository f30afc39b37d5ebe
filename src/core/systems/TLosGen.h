#pragma once

#include "systems/Kombinatoryka.h"
#include "systems/Losowosc.h"
#include "systems/TListaZakladow.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace tarvomund {

// A uniformly drawn k-subset of 1..n, ascending.
TZaklad LosujZaklad(int k, int n, TLosowe& losowe);

// Distinct random bets that spread the positions evenly: each position has a quota of the
// B·k places of the B bets, and positions far below the largest remaining quota are refused
// until the refusals pile up. Sure positions get the quota B and stand in every bet.
class TLosGen {
public:
    TLosGen(int k, int ilePewnych, const TTablicaLiczb& pewne, int zakladow, int n, TLosowe& losowe);

    // The next distinct bet; its key is in Lista afterwards. The caller keeps B within the count
    // of distinct bets that can be formed, or sets a stop flag: once it is raised a draw gives up
    // (an empty bet, not in Lista) and Przerwany() tells so.
    TZaklad Losuj();
    TZaklad LosujZPewnymi();
    void UstawPrzerwij(const std::atomic<bool>* przerwij) { przerwij_ = przerwij; }
    bool Przerwany() const { return przerwany_; }

    TListaZakladow Lista;
    int32_t Limit(int pozycja) const { return limit_[static_cast<std::size_t>(pozycja - 1)]; }

private:
    TZaklad Wylosuj(bool zPewnymi);

    int k_;
    int n_;
    int ilePewnych_;
    TTablicaLiczb pewne_;
    std::array<int32_t, MaxLiczbSystemu> limit_{};
    TLosowe& losowe_;
    const std::atomic<bool>* przerwij_ = nullptr;
    bool przerwany_ = false;
};

// One multi-sign match of a pool bet: its signs ("1", "x", "2"), its match number (1-based)
// and which of its signs is current.
struct TTypowanie {
    explicit TTypowanie(std::string typy, uint8_t mecz = 0);
    std::string Typy;
    uint8_t Mecz;
    uint8_t Pozycja = 1;
    uint8_t IleTypow;
};

// The single-sign bets a pool bet with doubles and triples stands for, as an odometer over its
// multi-sign matches, the last fastest.
class TPermut {
public:
    explicit TPermut(std::vector<TTypowanie> lista);

    // Writes the current signs into the bet: byte Mecz (1-based) gets 1 for "1", 2 for "x", 3 for "2".
    void Pobierz(TZaklad& zaklad) const;
    bool Nastepna();

    int32_t IleZakladow = 1;
    bool Koniec = false;
    uint8_t IlePodwojnych = 0;
    uint8_t IlePotrojnych = 0;

private:
    std::vector<TTypowanie> lista_;
};

} // namespace tarvomund
