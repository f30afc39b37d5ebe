#include "systems/TListaZakladow.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace tarvomund {

namespace {

constexpr std::size_t PoczatkowyRozmiarTablicy = 64;

uint64_t Mieszaj(uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

} // namespace

TListaZakladow::TListaZakladow(int k) : k_(k), tablica_(PoczatkowyRozmiarTablicy, Pusty) {}

uint64_t TListaZakladow::Slowo(const TZaklad& zaklad) const
{
    uint64_t w = 0;
    for (int i = 0; i < k_ && i < 8; ++i)
        w |= static_cast<uint64_t>(zaklad[static_cast<std::size_t>(i)]) << (8 * (7 - i));
    return w;
}

TZaklad TListaZakladow::Zaklad(uint32_t indeks) const
{
    TZaklad zaklad{};
    if (Krotkie()) {
        const uint64_t w = slowa_[indeks];
        for (int i = 0; i < k_; ++i)
            zaklad[static_cast<std::size_t>(i)] = static_cast<uint8_t>(w >> (8 * (7 - i)));
    } else {
        const uint8_t* bajty = dane_.data() + static_cast<std::size_t>(indeks) * static_cast<std::size_t>(k_);
        std::copy(bajty, bajty + k_, zaklad.begin());
    }
    return zaklad;
}

bool TListaZakladow::Rowne(uint32_t indeks, const TZaklad& zaklad, uint64_t slowo) const
{
    if (Krotkie())
        return slowa_[indeks] == slowo;
    return std::memcmp(dane_.data() + static_cast<std::size_t>(indeks) * static_cast<std::size_t>(k_), zaklad.data(),
                       static_cast<std::size_t>(k_)) == 0;
}

uint64_t TListaZakladow::Skrot(const TZaklad& zaklad, uint64_t slowo) const
{
    if (Krotkie())
        return Mieszaj(slowo);
    uint64_t h = 0xcbf29ce484222325ULL;
    for (int i = 0; i < k_; ++i) {
        h ^= zaklad[static_cast<std::size_t>(i)];
        h *= 0x100000001b3ULL;
    }
    return Mieszaj(h);
}

uint64_t TListaZakladow::SkrotWpisu(uint32_t indeks) const
{
    if (Krotkie())
        return Mieszaj(slowa_[indeks]);
    const TZaklad zaklad = Zaklad(indeks);
    return Skrot(zaklad, 0);
}

std::size_t TListaZakladow::Szukaj(const TZaklad& zaklad, uint64_t slowo) const
{
    const std::size_t maska = tablica_.size() - 1;
    std::size_t miejsce = Skrot(zaklad, slowo) & maska;
    while (tablica_[miejsce] != Pusty && !Rowne(tablica_[miejsce], zaklad, slowo))
        miejsce = (miejsce + 1) & maska;
    return miejsce;
}

void TListaZakladow::Przebuduj(std::size_t rozmiar) const
{
    tablica_.assign(rozmiar, Pusty);
    const std::size_t maska = rozmiar - 1;
    const std::size_t wpisow = usuniete_.size();
    for (uint32_t indeks = 0; indeks < wpisow; ++indeks) {
        std::size_t miejsce = SkrotWpisu(indeks) & maska;
        while (tablica_[miejsce] != Pusty)
            miejsce = (miejsce + 1) & maska;
        tablica_[miejsce] = indeks;
    }
}

void TListaZakladow::Rezerwuj(std::size_t ile)
{
    if (Krotkie())
        slowa_.reserve(ile);
    else
        dane_.reserve(ile * static_cast<std::size_t>(k_));
    usuniete_.reserve(ile);
    std::size_t rozmiar = tablica_.size();
    while (rozmiar < ile * 2)
        rozmiar *= 2;
    if (rozmiar != tablica_.size())
        Przebuduj(rozmiar);
}

bool TListaZakladow::Dodaj(const TZaklad& zaklad)
{
    // The table stays at most half full, so probes stay short.
    if ((usuniete_.size() + 1) * 2 > tablica_.size())
        Przebuduj(tablica_.size() * 2);
    const uint64_t slowo = Krotkie() ? Slowo(zaklad) : 0;
    const std::size_t miejsce = Szukaj(zaklad, slowo);
    if (tablica_[miejsce] != Pusty) {
        // A removed bet comes back in its old place.
        if (!usuniete_[tablica_[miejsce]])
            return false;
        usuniete_[tablica_[miejsce]] = false;
        ++ile_;
        return true;
    }
    tablica_[miejsce] = static_cast<uint32_t>(usuniete_.size());
    if (Krotkie())
        slowa_.push_back(slowo);
    else
        dane_.insert(dane_.end(), zaklad.begin(), zaklad.begin() + k_);
    usuniete_.push_back(false);
    ++ile_;
    return true;
}

bool TListaZakladow::Usun(const TZaklad& zaklad)
{
    const std::size_t miejsce = Szukaj(zaklad, Krotkie() ? Slowo(zaklad) : 0);
    if (tablica_[miejsce] == Pusty || usuniete_[tablica_[miejsce]])
        return false;
    usuniete_[tablica_[miejsce]] = true;
    --ile_;
    return true;
}

bool TListaZakladow::Zawiera(const TZaklad& zaklad) const
{
    const std::size_t miejsce = Szukaj(zaklad, Krotkie() ? Slowo(zaklad) : 0);
    return tablica_[miejsce] != Pusty && !usuniete_[tablica_[miejsce]];
}

std::vector<uint32_t> TListaZakladow::PorzadekKluczy() const
{
    if (Krotkie()) {
        // Removed bets leave, the rest sorts as plain numbers in place; the table follows.
        std::size_t zostaje = 0;
        for (std::size_t i = 0; i < slowa_.size(); ++i)
            if (!usuniete_[i])
                slowa_[zostaje++] = slowa_[i];
        slowa_.resize(zostaje);
        std::sort(slowa_.begin(), slowa_.end());
        usuniete_.assign(zostaje, false);
        Przebuduj(tablica_.size());
        std::vector<uint32_t> porzadek(zostaje);
        std::iota(porzadek.begin(), porzadek.end(), 0u);
        return porzadek;
    }
    std::vector<uint32_t> porzadek;
    porzadek.reserve(ile_);
    for (uint32_t i = 0; i < usuniete_.size(); ++i)
        if (!usuniete_[i])
            porzadek.push_back(i);
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
