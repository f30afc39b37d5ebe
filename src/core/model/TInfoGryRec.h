#pragma once

#include "model/TObGraLista.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvomund {

// Per-number arrays (occurrence counts, own numbers) cover the numbers 1..120.
inline constexpr int MaxLiczbSystemu = 120;
inline constexpr int32_t BrakMetody = 100;
inline constexpr int32_t KodSystemuPilkarskiego = 1001;

using TTablicaLiczb = std::array<uint8_t, MaxLiczbSystemu>;

// The parameters of one system, copied whole between windows and dialogs.
struct TInfoGryRec {
    int32_t IdGry = 0;
    int32_t KodGry = 0;
    std::string Nazwa;   // UTF-8, at most 50 characters
    std::string PlikGry; // empty for a pool system
    std::array<int32_t, MaxLiczbSystemu> Wystapienia{};
    // Own-numbers block: Wlasne[1][i-1] is the number shown and printed for system number i.
    std::array<TTablicaLiczb, 3> Wlasne{};
    int32_t n = 0;
    int32_t k = 0;
    int32_t Zakladow = 0;
    int32_t Metoda = BrakMetody;
    int32_t Gwarancja = 0;
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

    // A fresh record for a game: identity and game parameters copied, own numbers 1..120.
    static TInfoGryRec DlaGry(const TObGraLista& gra);
    // The game's name, file, parameters and flags, as a window takes them on set-up; the identity
    // and the system's own fields stay.
    void UstawGre(const TObGraLista& gra);
    // Own numbers at creation: the first and second arrays hold i at entry i, the third 0.
    void UstawWlasneDomyslne();
};

} // namespace tarvomund
