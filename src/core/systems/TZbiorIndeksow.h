#pragma once

#include "systems/Losowosc.h"

#include <cstdint>
#include <vector>

namespace tarvomund {

// A set of the numbers 0..n-1 with insertion, removal and a uniformly random member in constant
// time: the members stand in a list, and every number knows its place in it (-1 outside the set).
class TZbiorIndeksow {
public:
    explicit TZbiorIndeksow(uint32_t n = 0) : miejsce_(n, -1) { lista_.reserve(n); }

    void Dodaj(uint32_t x)
    {
        miejsce_[x] = static_cast<int32_t>(lista_.size());
        lista_.push_back(x);
    }
    // The last member takes the place of the one removed.
    void Usun(uint32_t x)
    {
        const auto i = static_cast<std::size_t>(miejsce_[x]);
        const uint32_t ostatni = lista_.back();
        lista_[i] = ostatni;
        miejsce_[ostatni] = static_cast<int32_t>(i);
        lista_.pop_back();
        miejsce_[x] = -1;
    }
    bool Zawiera(uint32_t x) const { return miejsce_[x] >= 0; }
    bool Pusty() const { return lista_.empty(); }
    std::size_t Ile() const { return lista_.size(); }
    // Needs a non-empty set.
    uint32_t Losowy(TLosowe& losowe) const
    {
        return lista_[static_cast<std::size_t>(losowe.Zakres(0, static_cast<int>(lista_.size()) - 1))];
    }
    std::vector<uint32_t>::const_iterator begin() const { return lista_.begin(); }
    std::vector<uint32_t>::const_iterator end() const { return lista_.end(); }
    uint32_t Ostatni() const { return lista_.back(); }

private:
    std::vector<int32_t> miejsce_;
    std::vector<uint32_t> lista_;
};

} // namespace tarvomund
