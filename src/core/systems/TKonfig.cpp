#include "systems/TKonfig.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace tarvomund {

namespace {

// A table slot holds the upper half of the entry's hash and its index, so most mismatches are
// decided in the table itself without touching the entries.
constexpr uint64_t Pusty = UINT64_MAX;

uint64_t Slot(uint64_t skrot, uint32_t indeks)
{
    return (skrot & 0xFFFFFFFF00000000ULL) | indeks;
}
constexpr std::size_t PoczatkowaTablica = 1024;

} // namespace

TKonfig::TKonfig(int L, std::size_t limit) : L_(L), limit_(limit), tablica_(PoczatkowaTablica, Pusty) {}

uint64_t TKonfig::Skrot(const int32_t* wpisy) const
{
    uint64_t h = 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < L_; ++i) {
        h ^= static_cast<uint32_t>(wpisy[i]);
        h *= 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 29;
    }
    return h;
}

void TKonfig::Powieksz()
{
    tablica_.assign(tablica_.size() * 2, Pusty);
    const std::size_t maska = tablica_.size() - 1;
    for (uint32_t i = 0; i < ile_.size(); ++i) {
        std::size_t miejsce = skroty_[i] & maska;
        while (tablica_[miejsce] != Pusty)
            miejsce = (miejsce + 1) & maska;
        tablica_[miejsce] = Slot(skroty_[i], i);
    }
}

bool TKonfig::Dodaj(const int32_t* wpisy, int64_t ile, uint64_t pierwszy)
{
    return DodajZeSkrotem(wpisy, Skrot(wpisy), ile, pierwszy);
}

bool TKonfig::DodajZeSkrotem(const int32_t* wpisy, uint64_t skrot, int64_t ile, uint64_t pierwszy)
{
    const auto L = static_cast<std::size_t>(L_);
    const std::size_t maska = tablica_.size() - 1;
    std::size_t miejsce = skrot & maska;
    const uint64_t gora = skrot & 0xFFFFFFFF00000000ULL;
    while (tablica_[miejsce] != Pusty) {
        const uint64_t slot = tablica_[miejsce];
        const auto i = static_cast<uint32_t>(slot);
        if ((slot & 0xFFFFFFFF00000000ULL) == gora && skroty_[i] == skrot &&
            std::equal(wpisy, wpisy + L, wpisy_.data() + i * L)) {
            ile_[i] += ile;
            pierwszy_[i] = std::min(pierwszy_[i], pierwszy);
            return true;
        }
        miejsce = (miejsce + 1) & maska;
    }
    if (ile_.size() >= limit_)
        return false;
    tablica_[miejsce] = Slot(skrot, static_cast<uint32_t>(ile_.size()));
    wpisy_.insert(wpisy_.end(), wpisy, wpisy + L);
    ile_.push_back(ile);
    pierwszy_.push_back(pierwszy);
    skroty_.push_back(skrot);
    porzadek_.push_back(static_cast<uint32_t>(porzadek_.size()));
    // The table stays at most half full, so probes stay short.
    if (ile_.size() * 2 > tablica_.size())
        Powieksz();
    return true;
}

bool TKonfig::Dolacz(const TKonfig& inny)
{
    for (uint32_t i = 0; i < inny.ile_.size(); ++i)
        if (!DodajZeSkrotem(inny.wpisy_.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(L_),
                            inny.skroty_[i], inny.ile_[i], inny.pierwszy_[i]))
            return false;
    return true;
}

void TKonfig::Sortuj()
{
    std::sort(porzadek_.begin(), porzadek_.end(), [this](uint32_t a, uint32_t b) {
        return ile_[a] != ile_[b] ? ile_[a] > ile_[b] : pierwszy_[a] < pierwszy_[b];
    });
}

TKonfiguracja TKonfig::operator[](std::size_t i) const
{
    const uint32_t j = porzadek_[i];
    return {wpisy_.data() + static_cast<std::size_t>(j) * static_cast<std::size_t>(L_), L_, ile_[j], pierwszy_[j]};
}

std::vector<TKonfiguracja> TKonfig::Lista() const
{
    std::vector<TKonfiguracja> lista;
    lista.reserve(Ile());
    for (std::size_t i = 0; i < Ile(); ++i)
        lista.push_back((*this)[i]);
    return lista;
}

} // namespace tarvomund
