#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvomund {

// Most numbers a draw record can hold; a game's IleLosowanych is the meaningful part.
inline constexpr int MaxLiczbWLosowaniu = 30;

// Game ids 1..1000 are number lotteries, 1001..2000 pool games.
inline constexpr int32_t MaxIdGryLiczbowej = 1000;
inline constexpr int32_t MinIdGryPilkarskiej = 1001;
inline constexpr int32_t MaxIdGryPilkarskiej = 2000;

// One draw: the date as a day count since 30.12.1899 and the drawn numbers in the order read.
struct TObLos {
    double Data = 0.0;
    std::array<uint8_t, MaxLiczbWLosowaniu> Liczby{};
};

// One game with its parameters and its draw history, as read from its game file.
struct TObGraLista {
    int32_t Id = 0;
    int32_t KodGry = 0;
    std::string Nazwa; // UTF-8 in memory, Windows-1250 on disk, at most 50 characters
    std::string Plik;  // full path of the game file
    int32_t MinSkreslen = 0;
    int32_t MaxSkreslen = 0;
    int32_t NormSkreslen = 0;
    int32_t IleDodatkowych = 0;
    int32_t IleLiczb = 0;
    int32_t IleLosowanych = 0;
    int32_t IlePoziomo = 0;
    int32_t IlePionowo = 0;
    bool Kierunek = true;
    uint8_t Pilkarski = 0;
    std::vector<TObLos> Losowania;

    // Number games get the per-game menu entries; pool games and stray ids do not.
    bool CzyLiczbowa() const { return Id >= 1 && Id <= MaxIdGryLiczbowej; }
    bool CzyPilkarska() const { return Id >= MinIdGryPilkarskiej && Id <= MaxIdGryPilkarskiej; }
};

} // namespace tarvomund
