#include "systems/TPrzeszukiwanieWagowe.h"

#include "systems/GrupyPokryc.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace tarvomund {

namespace {

constexpr int MaxPunktow = TCzesciBloku::MaxPunktow;

// Calls f with every r-subset of the numbers in `maska`, as a mask.
template <typename F> void DlaPodmasek(uint64_t maska, int r, F&& f)
{
    std::array<uint8_t, MaxPunktow> punkty{};
    int ile = 0;
    for (uint64_t b = maska; b; b &= b - 1)
        punkty[static_cast<std::size_t>(ile++)] = static_cast<uint8_t>(std::countr_zero(b));
    std::array<uint8_t, MaxPunktow> wybrane{};
    DlaKombinacji(punkty.data(), ile, r, wybrane.data(), [&] {
        uint64_t s = 0;
        for (int i = 0; i < r; ++i)
            s |= uint64_t{1} << wybrane[static_cast<std::size_t>(i)];
        f(s);
    });
}

uint64_t Maska(const TBlok& blok)
{
    return blok.maska[0];
}

// The best exchange weighed so far, ties broken at random.
struct TWyborRuchu {
    int64_t najlepszy = std::numeric_limits<int64_t>::min();
    int remisow = 0;
    std::size_t blok = 0;
    int x = -1;
    int y = -1;

    void Rozwaz(int64_t ocena, std::size_t i, int wx, int wy, TLosowe& losowe)
    {
        if (ocena > najlepszy) {
            najlepszy = ocena;
            remisow = 1;
        } else if (ocena < najlepszy || losowe.Zakres(0, remisow++) != 0) {
            return;
        }
        blok = i;
        x = wx;
        y = wy;
    }
    bool Jest() const { return x >= 0; }
};

} // namespace

bool TPrzeszukiwanieWagowe::Obsluguje(const TParametryPokrycia& p)
{
    return p.Poprawne() && p.m == p.t && p.k <= MaxKOptymalizacji && TCzesciBloku::Mozliwe(p.n, p.k, p.t) &&
           TRangi(p.n, p.t).Podzbiorow() <= MaxPodzbiorow;
}

TPrzeszukiwanieWagowe::TPrzeszukiwanieWagowe(const TParametryPokrycia& p, const TOrbity* orbity, uint64_t ziarno)
    : p_(p), orbity_(orbity), losowe_(ziarno), czesci_(p.k, p.t)
{
    const uint32_t podzbiorow = orbity ? orbity->Ile() : C(p.n, p.t);
    licznik_.assign(podzbiorow, 0);
    waga_.assign(podzbiorow, 1);
    niepokryte_ = TZbiorIndeksow(podzbiorow);
    for (uint32_t r = 0; r < podzbiorow; ++r)
        niepokryte_.Dodaj(r);
}

uint32_t TPrzeszukiwanieWagowe::Ranga(uint64_t maska) const
{
    // Colex rank, as everywhere in the optimiser: C(s0, 1) + C(s1, 2) + ...
    uint32_t r = 0;
    for (int i = 1; maska; maska &= maska - 1, ++i)
        r += C(std::countr_zero(maska), i);
    return r;
}

uint32_t TPrzeszukiwanieWagowe::Jednostka(uint32_t ranga) const
{
    return orbity_ ? orbity_->Jednostka(ranga) : ranga;
}

uint64_t TPrzeszukiwanieWagowe::Odranga(uint32_t ranga) const
{
    uint64_t maska = 0;
    int v = p_.n - 1;
    for (int i = p_.t; i >= 1; --i) {
        while (C(v, i) > ranga)
            --v;
        maska |= uint64_t{1} << v;
        ranga -= C(v, i);
        --v;
    }
    return maska;
}

void TPrzeszukiwanieWagowe::Zmien(uint64_t maska, int znak)
{
    DlaPodmasek(maska, p_.t, [&](uint64_t s) {
        const uint32_t r = Jednostka(Ranga(s));
        if (znak > 0) {
            if (licznik_[r]++ == 0)
                niepokryte_.Usun(r);
        } else if (--licznik_[r] == 0) {
            niepokryte_.Dodaj(r);
        }
    });
}

void TPrzeszukiwanieWagowe::UstawStale(const std::vector<TBlok>& stale)
{
    for (const TBlok& blok : stale)
        Zmien(Maska(blok), +1);
}

void TPrzeszukiwanieWagowe::UstawBloki(const std::vector<TBlok>& bloki)
{
    for (uint64_t maska : bloki_)
        Zmien(maska, -1);
    bloki_.clear();
    for (const TBlok& blok : bloki) {
        bloki_.push_back(Maska(blok));
        Zmien(bloki_.back(), +1);
    }
    tabu_.assign(bloki_.size() * MaxPunktow, 0);
    krok_ = 0;
}

void TPrzeszukiwanieWagowe::DodajLosowe(int ile)
{
    for (int b = 0; b < ile; ++b) {
        uint64_t maska = 0;
        while (std::popcount(maska) < p_.k)
            maska |= uint64_t{1} << losowe_.Zakres(0, p_.n - 1);
        bloki_.push_back(maska);
        Zmien(maska, +1);
    }
    tabu_.resize(bloki_.size() * MaxPunktow, 0);
}

std::vector<TBlok> TPrzeszukiwanieWagowe::Bloki() const
{
    std::vector<TBlok> wynik;
    wynik.reserve(bloki_.size());
    for (uint64_t maska : bloki_)
        wynik.push_back(BlokZMaski(maska, p_.k));
    return wynik;
}

int64_t TPrzeszukiwanieWagowe::Strata(uint64_t maska)
{
    // Tried on the counts: with orbits several subsets of one bet may fall into one unit.
    int64_t strata = 0;
    DlaPodmasek(maska, p_.t, [&](uint64_t s) {
        const uint32_t r = Jednostka(Ranga(s));
        if (--licznik_[r] == 0)
            strata += waga_[r];
    });
    DlaPodmasek(maska, p_.t, [&](uint64_t s) { ++licznik_[Jednostka(Ranga(s))]; });
    return strata;
}

bool TPrzeszukiwanieWagowe::UsunNajmniejPotrzebny()
{
    if (bloki_.empty())
        return false;
    std::size_t wybrany = 0;
    int64_t najmniej = std::numeric_limits<int64_t>::max();
    int remisow = 0;
    for (std::size_t i = 0; i < bloki_.size(); ++i) {
        const int64_t strata = Strata(bloki_[i]);
        if (strata < najmniej) {
            najmniej = strata;
            wybrany = i;
            remisow = 1;
        } else if (strata == najmniej && losowe_.Zakres(0, remisow++) == 0) {
            wybrany = i;
        }
    }
    Zmien(bloki_[wybrany], -1);
    bloki_[wybrany] = bloki_.back();
    bloki_.pop_back();
    std::copy_n(tabu_.end() - MaxPunktow, MaxPunktow, tabu_.begin() + static_cast<std::ptrdiff_t>(wybrany * MaxPunktow));
    tabu_.resize(bloki_.size() * MaxPunktow);
    return true;
}

void TPrzeszukiwanieWagowe::Wymien(std::size_t blok, int x, int y)
{
    Zmien(bloki_[blok], -1);
    bloki_[blok] = (bloki_[blok] & ~(uint64_t{1} << x)) | (uint64_t{1} << y);
    Zmien(bloki_[blok], +1);
    tabu_[blok * MaxPunktow + static_cast<std::size_t>(x)] = krok_ + Kadencja;
}

int TPrzeszukiwanieWagowe::Czesci(uint64_t blok)
{
    std::array<uint8_t, MaxKOptymalizacji> punkty{};
    int ile = 0;
    for (uint64_t b = blok; b; b &= b - 1)
        punkty[static_cast<std::size_t>(ile++)] = static_cast<uint8_t>(std::countr_zero(b));
    return czesci_.Wypelnij(punkty.data());
}

int64_t TPrzeszukiwanieWagowe::Probuj(int x, int y, int czesci)
{
    // The t-subsets through x are the (t - 1)-subsets R of the bet without x, plus x; those gained
    // are the same R plus y. A unit that goes to zero and back (or up and back) counts both ways.
    int64_t zmiana = 0;
    const uint64_t bitX = uint64_t{1} << x;
    auto ranga = [&](const TCzesciBloku::TCzesc& cz, int v) { return Jednostka(czesci_.Ranga(cz, v)); };
    for (int c = 0; c < czesci; ++c) {
        const TCzesciBloku::TCzesc& cz = czesci_[c];
        if (cz.maska & bitX)
            continue;
        const uint32_t ux = ranga(cz, x);
        if (--licznik_[ux] == 0)
            zmiana -= waga_[ux];
        const uint32_t uy = ranga(cz, y);
        if (licznik_[uy]++ == 0)
            zmiana += waga_[uy];
    }
    for (int c = 0; c < czesci; ++c) {
        const TCzesciBloku::TCzesc& cz = czesci_[c];
        if (cz.maska & bitX)
            continue;
        --licznik_[ranga(cz, y)];
        ++licznik_[ranga(cz, x)];
    }
    return zmiana;
}

void TPrzeszukiwanieWagowe::KrokNaOrbitach(uint64_t cel)
{
    // Every image of the chosen subset under the group is as good a target: the bets one exchange
    // away from some image are weighed, each exchange tried on the counts.
    const int t = p_.t;
    std::array<int, TCzesciBloku::MaxT> punkty{};
    int ile = 0;
    for (uint64_t b = cel; b; b &= b - 1)
        punkty[static_cast<std::size_t>(ile++)] = std::countr_zero(b);
    TWyborRuchu wybor;
    for (std::size_t i = 0; i < bloki_.size(); ++i) {
        const uint64_t blok = bloki_[i];
        int czesci = -1;
        for (const TPermutacja& g : orbity_->Grupa().Elementy()) {
            uint64_t obraz = 0;
            for (int j = 0; j < ile; ++j)
                obraz |= uint64_t{1} << g[static_cast<std::size_t>(punkty[static_cast<std::size_t>(j)])];
            if (std::popcount(blok & obraz) != t - 1)
                continue;
            const int y = std::countr_zero(obraz & ~blok);
            if (tabu_[i * MaxPunktow + static_cast<std::size_t>(y)] > krok_)
                continue;
            if (czesci < 0)
                czesci = Czesci(blok);
            for (uint64_t b = blok & ~obraz; b; b &= b - 1) {
                const int x = std::countr_zero(b);
                wybor.Rozwaz(Probuj(x, y, czesci), i, x, y, losowe_);
            }
        }
    }
    Wykonaj(wybor.Jest(), wybor.blok, wybor.x, wybor.y, cel);
}

void TPrzeszukiwanieWagowe::Wykonaj(bool jest, std::size_t blok, int x, int y, uint64_t cel)
{
    if (jest)
        Wymien(blok, x, y);
    else
        KrokLosowy(cel);
    PodniesWagi();
}

void TPrzeszukiwanieWagowe::KrokLosowy(uint64_t cel)
{
    // No bet is one exchange away (or every such one is barred): a random bet takes a step towards
    // the subset.
    const auto wybrany = static_cast<std::size_t>(losowe_.Zakres(0, static_cast<int>(bloki_.size()) - 1));
    const uint64_t wolne = bloki_[wybrany] & ~cel;
    const uint64_t brak = cel & ~bloki_[wybrany];
    if (!wolne || !brak)
        return;
    auto losowy = [&](uint64_t maska) {
        int ktory = losowe_.Zakres(0, std::popcount(maska) - 1);
        for (; ktory > 0; --ktory)
            maska &= maska - 1;
        return std::countr_zero(maska);
    };
    Wymien(wybrany, losowy(wolne), losowy(brak));
}

void TPrzeszukiwanieWagowe::PodniesWagi()
{
    bool zaDuze = false;
    for (uint32_t r : niepokryte_)
        zaDuze |= ++waga_[r] > MaxWagi;
    if (zaDuze)
        for (uint32_t& w : waga_)
            w = w / 2 + 1;
}

void TPrzeszukiwanieWagowe::Krok()
{
    if (niepokryte_.Pusty() || bloki_.empty())
        return;
    ++krok_;
    const int t = p_.t;
    const uint32_t jednostka = niepokryte_.Losowy(losowe_);
    const uint64_t cel = Odranga(orbity_ ? static_cast<uint32_t>(orbity_->Reprezentant(jednostka)) : jednostka);
    if (orbity_) {
        KrokNaOrbitach(cel);
        return;
    }

    // For a bet B missing one number y of the chosen subset and a number x of B outside it, the
    // exchange loses the weight of the t-subsets through x that only B covers and gains the weight
    // of the uncovered t-subsets of B - x + y through y.
    TWyborRuchu wybor;
    std::array<int64_t, MaxPunktow> strata{};
    std::array<int64_t, MaxPunktow> zyskZ{};
    for (std::size_t i = 0; i < bloki_.size(); ++i) {
        const uint64_t blok = bloki_[i];
        if (std::popcount(blok & cel) != t - 1)
            continue;
        const int y = std::countr_zero(cel & ~blok);
        if (tabu_[i * MaxPunktow + static_cast<std::size_t>(y)] > krok_)
            continue;
        const uint64_t wolne = blok & ~cel;
        strata.fill(0);
        zyskZ.fill(0);
        int64_t zysk = 0;
        const int czesci = Czesci(blok);
        for (int c = 0; c < czesci; ++c) {
            const TCzesciBloku::TCzesc& cz = czesci_[c];
            // Each t-subset of the bet once: R with a number of the bet above all of R.
            const uint64_t powyzej = blok & ~((uint64_t{2} << (63 - std::countl_zero(cz.maska | 1))) - 1);
            for (uint64_t b = cz.maska ? powyzej : blok; b; b &= b - 1) {
                const int v = std::countr_zero(b);
                const uint32_t r = cz.przed[static_cast<std::size_t>(t - 1)] + C(v, t);
                if (licznik_[r] == 1) {
                    const uint64_t s = cz.maska | uint64_t{1} << v;
                    for (uint64_t x = s & wolne; x; x &= x - 1)
                        strata[static_cast<std::size_t>(std::countr_zero(x))] += waga_[r];
                }
            }
            const uint32_t r = czesci_.Ranga(cz, y);
            if (licznik_[r] == 0) {
                zysk += waga_[r];
                for (uint64_t x = cz.maska & wolne; x; x &= x - 1)
                    zyskZ[static_cast<std::size_t>(std::countr_zero(x))] += waga_[r];
            }
        }
        for (uint64_t b = wolne; b; b &= b - 1) {
            const int x = std::countr_zero(b);
            wybor.Rozwaz(zysk - zyskZ[static_cast<std::size_t>(x)] - strata[static_cast<std::size_t>(x)], i, x, y,
                         losowe_);
        }
    }
    Wykonaj(wybor.Jest(), wybor.blok, wybor.x, wybor.y, cel);
}

} // namespace tarvomund
