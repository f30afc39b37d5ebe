#pragma once

#include "systems/Kombinatoryka.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvomund {

// A set of distinct bets of k positions that yields them in ascending key order: the same order
// as a sorted list of KluczZakladu texts, at a fraction of its memory. Bets are packed k bytes
// each; an open-addressing table of indices finds duplicates.
class TListaZakladow {
public:
    explicit TListaZakladow(int k);

    // False when the bet was already in the list.
    bool Dodaj(const TZaklad& zaklad);
    bool Zawiera(const TZaklad& zaklad) const;
    std::size_t Ile() const { return ile_; }
    int K() const { return k_; }
    void Rezerwuj(std::size_t ile);

    // The bets in ascending lexicographic order (the order of their keys).
    std::vector<TZaklad> Posortowane() const;
    // Calls f(zaklad) for each bet in key order without copying them all out at once.
    template <typename F> void DlaKazdegoPosortowanego(F&& f) const
    {
        for (uint32_t indeks : PorzadekKluczy()) {
            TZaklad zaklad{};
            const uint8_t* bajty = dane_.data() + static_cast<std::size_t>(indeks) * static_cast<std::size_t>(k_);
            std::copy(bajty, bajty + k_, zaklad.begin());
            f(zaklad);
        }
    }

private:
    std::vector<uint32_t> PorzadekKluczy() const;
    std::size_t Skrot(const uint8_t* bajty) const;
    bool Rowne(uint32_t indeks, const uint8_t* bajty) const;
    std::size_t Szukaj(const uint8_t* bajty) const;
    void Powieksz();

    static constexpr uint32_t Pusty = UINT32_MAX;
    int k_;
    std::size_t ile_ = 0;
    std::vector<uint8_t> dane_;
    std::vector<uint32_t> tablica_;
};

} // namespace tarvomund
