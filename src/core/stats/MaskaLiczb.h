#pragma once

#include "model/TObGraLista.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace tarvomund {

// A set of numbers (byte values 0..255) as four words, so that the numbers two sets share are
// counted with four population counts instead of number by number.
struct TMaskaLiczb {
    std::array<uint64_t, 4> Slowa{};

    void Dodaj(uint8_t liczba) { Slowa[liczba >> 6] |= uint64_t{1} << (liczba & 63); }
    bool Ma(uint8_t liczba) const { return (Slowa[liczba >> 6] >> (liczba & 63)) & 1; }
};

TMaskaLiczb MaskaLiczb(const uint8_t* liczby, int ile);

inline int WspolneLiczby(const TMaskaLiczb& a, const TMaskaLiczb& b)
{
    return std::popcount(a.Slowa[0] & b.Slowa[0]) + std::popcount(a.Slowa[1] & b.Slowa[1]) +
           std::popcount(a.Slowa[2] & b.Slowa[2]) + std::popcount(a.Slowa[3] & b.Slowa[3]);
}

// The draws dated within [od, do_] (both ends included), each as the set of its first
// `ileLosowanych` numbers, in list order.
std::vector<TMaskaLiczb> MaskiLosowan(const std::vector<TObLos>& losowania, double od, double do_, int ileLosowanych);

// "Already drawn": some of the draws shares at least `prog` numbers with the set.
bool WylosowanyZ(const TMaskaLiczb& liczby, const std::vector<TMaskaLiczb>& losowania, int prog);

// The same from its definition: for each draw of the range, its numbers one by one looked up among
// the `ile` numbers. Kept to check and to measure the sets against.
bool WylosowanyZPoLiczbie(const uint8_t* liczby, int ile, const std::vector<TObLos>& losowania, double od,
                          double do_, int ileLosowanych, int prog);

} // namespace tarvomund
