#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvomund {

// A view of one distinct hit configuration: Wpis(h) = how many bets have exactly h hits
// (h = 1..L), Ile = how many enumerated cases produced it.
struct TKonfiguracja {
    const int32_t* Wpisy = nullptr;
    int L = 0;
    int64_t Ile = 0;
    // The case at which it first appeared; keeps the first-stored order when counts tie.
    uint64_t Pierwszy = 0;

    int32_t Wpis(int h) const { return Wpisy[h - 1]; }
    std::vector<int32_t> Wektor() const { return {Wpisy, Wpisy + L}; }
};

// The distinct configurations of a guarantee run with their frequencies. Entries live in one flat
// array and are found through an open-addressing hash table, so adding costs the same however
// many are stored and no configuration needs an allocation of its own.
class TKonfig {
public:
    explicit TKonfig(int L, std::size_t limit = DomyslnyLimit);

    // Counts `ile` more cases with this configuration; a new one is stored with its first case.
    // False when a new configuration does not fit any more (the run then stops).
    bool Dodaj(const int32_t* wpisy, int64_t ile = 1, uint64_t pierwszy = 0);
    // Adds another collection's counts (a part of the same run enumerated elsewhere).
    bool Dolacz(const TKonfig& inny);
    // By frequency, descending; equal frequencies keep the order of their first appearance.
    void Sortuj();

    int L() const { return L_; }
    std::size_t Ile() const { return ile_.size(); }
    // In stored order, or in sorted order after Sortuj.
    TKonfiguracja operator[](std::size_t i) const;
    std::vector<TKonfiguracja> Lista() const;

    static constexpr std::size_t DomyslnyLimit = 20'000'000;

private:
    uint64_t Skrot(const int32_t* wpisy) const;
    bool DodajZeSkrotem(const int32_t* wpisy, uint64_t skrot, int64_t ile, uint64_t pierwszy);
    void Powieksz();

    int L_;
    std::size_t limit_;
    std::vector<int32_t> wpisy_;
    std::vector<int64_t> ile_;
    std::vector<uint64_t> pierwszy_;
    std::vector<uint64_t> skroty_;
    std::vector<uint32_t> porzadek_;
    std::vector<uint64_t> tablica_;
};

} // namespace tarvomund
