#pragma once

#include "systems/ParametryPokrycia.h"
#include "systems/TWyzarzaniePokrycia.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// A permutation of the points 0..n-1: entry i is the image of i.
using TPermutacja = std::array<uint8_t, MaxLiczbSystemu>;

// A group acting on the numbers, held as the list of all its elements (groups here are small:
// cyclic shifts, their products with a few fixed numbers, affine maps).
class TGrupa {
public:
    // The closure of the generators; nullopt when it would exceed `maxRzad` elements.
    static std::optional<TGrupa> Generuj(int n, const std::vector<TPermutacja>& generatory, std::size_t maxRzad,
                                         std::string opis);

    int N() const { return n_; }
    std::size_t Rzad() const { return elementy_.size(); }
    const std::vector<TPermutacja>& Elementy() const { return elementy_; }
    const std::string& Opis() const { return opis_; }

private:
    int n_ = 0;
    std::vector<TPermutacja> elementy_;
    std::string opis_;
};

// Generators of the groups worth trying for n numbers, by their kind: cyclic shifts of all or of
// all but a few numbers, shifts of several equal cycles, affine maps x -> ax + b modulo a prime and
// over the fields of 4, 8, 9, 16, 25, 27, ... elements, each with its description ("Z12", "Z11+1",
// "Z11:5+1", "GF(27):13+1", ...).
struct TKandydatGrupy {
    std::vector<TPermutacja> Generatory;
    std::string Opis;
};
std::vector<TKandydatGrupy> KandydaciGrup(int n);

// The orbits of the m-subsets under a group: every subset's orbit number and each orbit's
// first (lowest-ranked) subset.
class TOrbity {
public:
    TOrbity(const TRangi& rangi, TGrupa grupa);

    // The most m-subsets whose orbits are tabulated (4 bytes each).
    static constexpr uint64_t MaxPodzbiorow = uint64_t{1} << 24;

    uint32_t Jednostka(uint64_t ranga) const { return orbita_[static_cast<std::size_t>(ranga)]; }
    uint64_t Reprezentant(uint32_t jednostka) const { return reprezentant_[jednostka]; }
    uint32_t Ile() const { return static_cast<uint32_t>(reprezentant_.size()); }
    const TGrupa& Grupa() const { return grupa_; }

    // Every distinct image of the bets under the group, sorted.
    std::vector<TBlok> Rozwin(const std::vector<TBlok>& bloki, int k) const;

private:
    TGrupa grupa_;
    std::vector<uint32_t> orbita_;
    std::vector<uint64_t> reprezentant_;
};

} // namespace tarvomund
