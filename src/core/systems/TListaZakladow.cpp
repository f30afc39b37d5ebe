#include "systems/TListaZakladow.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace tarvomund {

namespace {

constexpr std::size_t PoczatkowyRozmiarTablicy = 64;

} // namespace

TListaZakladow::TListaZakladow(int k) : k_(k), tablica_(PoczatkowyRozmiarTablicy, Pusty) {}

std::size_t TListaZakladow::Skrot(const uint8_t* bajty) const
{
    uint64_t h = 0xcbf29ce484222325ULL;
    for (int i = 0; i < k_; ++i) {
        h ^= bajty[i];
        h *= 0x100000001b3ULL;
    }
    return static_cast<std::size_t>(h ^ (h >> 29));
}

bool TListaZakladow::Rowne(uint32_t indeks, const uint8_t* bajty) const
{
    return std::memcmp(dane_.data() + static_cast<std::size_t>(indeks) * static_cast<std::size_t>(k_), bajty,
                       static_cast<std::size_t>(k_)) == 0;
}

std::size_t TListaZakladow::Szukaj(const uint8_t* bajty) const
{
    const std::size_t maska = tablica_.size() - 1;
    std::size_t miejsce = Skrot(bajty) & maska;
    while (tablica_[miejsce] != Pusty && !Rowne(tablica_[miejsce], bajty))
        miejsce = (miejsce + 1) & maska;
    return miejsce;
}

void TListaZakladow::Powieksz()
{
    std::vector<uint32_t> stara(tablica_.size() * 2, Pusty);
    tablica_.swap(stara);
    const std::size_t maska = tablica_.size() - 1;
    for (uint32_t indeks = 0; indeks < ile_; ++indeks) {
        std::size_t miejsce =
            Skrot(dane_.data() + static_cast<std::size_t>(indeks) * static_cast<std::size_t>(k_)) & maska;
        while (tablica_[miejsce] != Pusty)
            miejsce = (miejsce + 1) & maska;
        tablica_[miejsce] = indeks;
    }
}

void TListaZakladow::Rezerwuj(std::size_t ile)
{
    dane_.reserve(ile * static_cast<std::size_t>(k_));
    while (tablica_.size() < ile * 2)
        Powieksz();
}

bool TListaZakladow::Dodaj(const TZaklad& zaklad)
{
    // The table stays at most half full, so probes stay short.
    if ((ile_ + 1) * 2 > tablica_.size())
        Powieksz();
    const std::size_t miejsce = Szukaj(zaklad.data());
    if (tablica_[miejsce] != Pusty)
        return false;
    tablica_[miejsce] = static_cast<uint32_t>(ile_);
    dane_.insert(dane_.end(), zaklad.begin(), zaklad.begin() + k_);
    ++ile_;
    return true;
}

bool TListaZakladow::Zawiera(const TZaklad& zaklad) const
{
    return tablica_[Szukaj(zaklad.data())] != Pusty;
}

std::vector<uint32_t> TListaZakladow::PorzadekKluczy() const
{
    std::vector<uint32_t> porzadek(ile_);
    std::iota(porzadek.begin(), porzadek.end(), 0u);
    const auto k = static_cast<std::size_t>(k_);
    std::sort(porzadek.begin(), porzadek.end(), [this, k](uint32_t a, uint32_t b) {
        return std::memcmp(dane_.data() + a * k, dane_.data() + b * k, k) < 0;
    });
    return porzadek;
}

std::vector<TZaklad> TListaZakladow::Posortowane() const
{
    std::vector<TZaklad> wynik;
    wynik.reserve(ile_);
    DlaKazdegoPosortowanego([&wynik](const TZaklad& z) { wynik.push_back(z); });
    return wynik;
}

} // namespace tarvomund
