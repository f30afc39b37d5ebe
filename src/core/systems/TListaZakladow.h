#pragma once

#include "systems/Kombinatoryka.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvomund {

// A set of distinct bets of k positions that yields them in ascending key order: the same order
// as a sorted list of KluczZakladu texts, at a fraction of its memory. Bets of up to eight
// positions are packed into one big-endian word (the first position the most significant byte),
// longer ones are kept as k bytes; an open-addressing table of indices finds duplicates.
class TListaZakladow {
public:
    explicit TListaZakladow(int k);

    // False when the bet was already in the list.
    bool Dodaj(const TZaklad& zaklad);
    // Takes a bet out; false when it was not in the list.
    bool Usun(const TZaklad& zaklad);
    bool Zawiera(const TZaklad& zaklad) const;
    std::size_t Ile() const { return ile_; }
    int K() const { return k_; }
    void Rezerwuj(std::size_t ile);

    // The bets in ascending lexicographic order (the order of their keys).
    std::vector<TZaklad> Posortowane() const;
    // Calls f(zaklad) for each bet in key order without copying them all out at once.
    template <typename F> void DlaKazdegoPosortowanego(F&& f) const
    {
        const std::vector<uint32_t> porzadek = PorzadekKluczy();
        for (uint32_t indeks : porzadek)
            f(Zaklad(indeks));
    }

private:
    bool Krotkie() const { return k_ <= 8; }
    uint64_t Slowo(const TZaklad& zaklad) const;
    TZaklad Zaklad(uint32_t indeks) const;
    bool Rowne(uint32_t indeks, const TZaklad& zaklad, uint64_t slowo) const;
    uint64_t Skrot(const TZaklad& zaklad, uint64_t slowo) const;
    uint64_t SkrotWpisu(uint32_t indeks) const;
    std::size_t Szukaj(const TZaklad& zaklad, uint64_t slowo) const;
    // Sorts the stored bets in place (packed words sort as numbers) and returns the identity
    // order; other lengths get an index order. The table is rebuilt after an in-place sort.
    std::vector<uint32_t> PorzadekKluczy() const;
    void Przebuduj(std::size_t rozmiar) const;

    static constexpr uint32_t Pusty = UINT32_MAX;
    int k_;
    std::size_t ile_ = 0;
    // Stored entries; removed ones stay until the next sort, marked in usuniete_.
    mutable std::vector<uint64_t> slowa_;
    mutable std::vector<uint8_t> dane_;
    mutable std::vector<bool> usuniete_;
    mutable std::vector<uint32_t> tablica_;
};

} // namespace tarvomund
