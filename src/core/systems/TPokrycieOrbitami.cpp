#include "systems/TPokrycieOrbitami.h"

#include "systems/GrupyPokryc.h"
#include "systems/TCzesciBloku.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace tarvomund {

namespace {

constexpr uint32_t Zadna = std::numeric_limits<uint32_t>::max();
constexpr int MaxPunktow = 64;
// One move in so many adds a random orbit covering the chosen subset instead of the best one.
constexpr int SzumCo = 64;

// Binomials C(a, b) for a <= 64, b <= 64, held at UINT64_MAX where they would overflow.
class TDwumiany {
public:
    TDwumiany()
    {
        for (int a = 0; a <= MaxPunktow; ++a) {
            c_[Indeks(a, 0)] = 1;
            for (int b = 1; b <= a; ++b) {
                const uint64_t x = c_[Indeks(a - 1, b - 1)];
                const uint64_t y = b <= a - 1 ? c_[Indeks(a - 1, b)] : 0;
                c_[Indeks(a, b)] = x > std::numeric_limits<uint64_t>::max() - y ? std::numeric_limits<uint64_t>::max()
                                                                               : x + y;
            }
        }
    }
    uint64_t operator()(int a, int b) const { return b > a ? 0 : c_[Indeks(a, b)]; }
    // Colex rank of the subset in `maska`: C(s0, 1) + C(s1, 2) + ...
    uint64_t Ranga(uint64_t maska) const
    {
        uint64_t r = 0;
        for (int i = 1; maska; maska &= maska - 1, ++i)
            r += c_[Indeks(std::countr_zero(maska), i)];
        return r;
    }

private:
    static std::size_t Indeks(int a, int b) { return static_cast<std::size_t>(a) * (MaxPunktow + 1) + static_cast<std::size_t>(b); }
    std::array<uint64_t, (MaxPunktow + 1) * (MaxPunktow + 1)> c_{};
};

const TDwumiany& Dwumiany()
{
    static const TDwumiany dwumiany;
    return dwumiany;
}

uint64_t Obraz(uint64_t maska, const TPermutacja& g)
{
    uint64_t obraz = 0;
    for (; maska; maska &= maska - 1)
        obraz |= uint64_t{1} << g[static_cast<std::size_t>(std::countr_zero(maska))];
    return obraz;
}

// The next subset of as many numbers in colex order (Gosper's step); 0 after the last one of n numbers.
uint64_t Nastepny(uint64_t maska, int n)
{
    const uint64_t najnizszy = maska & (~maska + 1);
    const uint64_t wyzej = maska + najnizszy;
    if (wyzej == 0 || (n < 64 && wyzej >> n) != 0)
        return 0;
    return (((wyzej ^ maska) >> 2) / najnizszy) | wyzej;
}

} // namespace

bool TPokrycieOrbitami::Obsluguje(const TParametryPokrycia& p)
{
    return p.Poprawne() && p.m == p.t && p.n <= MaxPunktow && p.k < p.n && Dwumiany()(p.n, p.k) <= MaxZakladow &&
           TCzesciBloku::Mozliwe(p.n, p.k, p.t);
}

uint64_t TPokrycieOrbitami::Pamiec(const TParametryPokrycia& p, std::size_t rzadGrupy)
{
    const TDwumiany& c = Dwumiany();
    const uint64_t orbit = c(p.n, p.k) / std::max<std::size_t>(rzadGrupy, 1) + 1;
    constexpr uint64_t NaOrbite = sizeof(uint64_t) * 3 + sizeof(uint32_t) * 3 + 1;
    // Every orbit of t-subsets is listed with the orbits of bets covering it; the bit per bet is
    // given back once they are.
    return orbit * (NaOrbite + c(p.k, p.t) * sizeof(uint32_t)) + c(p.n, p.k) / 8;
}

TPokrycieOrbitami::TPokrycieOrbitami(const TParametryPokrycia& p, const TOrbity& orbity, uint64_t ziarno)
    : p_(p), losowe_(ziarno), orbity_(orbity)
{
    const TDwumiany& c = Dwumiany();
    const std::vector<TPermutacja>& grupa = orbity.Grupa().Elementy();
    const uint32_t jednostek = orbity.Ile();
    // Every bet in colex order; the first of an orbit met stands for it, its images are marked.
    std::vector<uint64_t> odwiedzone((c(p.n, p.k) + 63) / 64, 0);
    auto odwiedz = [&](uint64_t r) {
        const uint64_t bit = uint64_t{1} << (r & 63);
        const bool bylo = (odwiedzone[static_cast<std::size_t>(r >> 6)] & bit) != 0;
        odwiedzone[static_cast<std::size_t>(r >> 6)] |= bit;
        return !bylo;
    };
    const uint64_t pierwszyBlok = p.k == 64 ? ~uint64_t{0} : (uint64_t{1} << p.k) - 1;
    // Colex order: the rank of a bet is its place in the enumeration.
    uint64_t ranga = 0;
    for (uint64_t blok = pierwszyBlok; blok != 0; blok = Nastepny(blok, p.n), ++ranga) {
        if (!odwiedz(ranga))
            continue;
        uint32_t obrazow = 1;
        for (const TPermutacja& g : grupa)
            if (odwiedz(c.Ranga(Obraz(blok, g))))
                ++obrazow;
        reprezentant_.push_back(blok);
        koszt_.push_back(obrazow);
    }
    odwiedzone = {};
    const auto orbit = static_cast<uint32_t>(koszt_.size());

    // Which orbits of bets cover each orbit of t-subsets: counted, then filled in.
    wiersze_.resize(static_cast<std::size_t>(p.t));
    znacznik_.assign(jednostek, 0);
    pierwszyZ_.assign(jednostek + 1, 0);
    ocena_.resize(orbit);
    jednostekOrbity_.resize(orbit);
    for (uint32_t j = 0; j < orbit; ++j) {
        Jednostki(j);
        for (uint32_t e : jednostki_)
            ++pierwszyZ_[e + 1];
        jednostekOrbity_[j] = static_cast<uint32_t>(jednostki_.size());
        ocena_[j] = jednostekOrbity_[j];
    }
    for (uint32_t e = 0; e < jednostek; ++e)
        pierwszyZ_[e + 1] += pierwszyZ_[e];
    pokrywajace_.resize(pierwszyZ_.back());
    std::vector<uint32_t> wolne(pierwszyZ_.begin(), pierwszyZ_.end() - 1);
    for (uint32_t j = 0; j < orbit; ++j) {
        Jednostki(j);
        for (uint32_t e : jednostki_)
            pokrywajace_[wolne[e]++] = j;
    }

    zmiana_.assign(orbit, -2);
    wybrane_ = TZbiorIndeksow(orbit);
    licznik_.assign(jednostek, 0);
    xorPokrywajacych_.assign(jednostek, 0);
    waga_.assign(jednostek, 1);
    niepokryte_ = TZbiorIndeksow(jednostek);
    for (uint32_t e = 0; e < jednostek; ++e)
        niepokryte_.Dodaj(e);
}

void TPokrycieOrbitami::Jednostki(uint32_t j)
{
    const TDwumiany& c = Dwumiany();
    jednostki_.clear();
    if (++znak_ == 0) {
        std::fill(znacznik_.begin(), znacznik_.end(), 0);
        znak_ = 1;
    }
    int i = 0;
    for (uint64_t b = reprezentant_[j]; b; b &= b - 1, ++i) {
        const int q = std::countr_zero(b);
        for (int w = 0; w < p_.t; ++w)
            wiersze_[static_cast<std::size_t>(w)][static_cast<std::size_t>(i)] = c(q, w + 1);
    }
    ZbierzJednostki(0, 0, 0);
}

// The colex rank of a t-subset of the representative's points is the sum of C(its i-th point, i),
// gathered point by point.
void TPokrycieOrbitami::ZbierzJednostki(int poziom, int od, uint64_t ranga)
{
    if (poziom == p_.t) {
        const uint32_t e = orbity_.Jednostka(ranga);
        if (znacznik_[e] != znak_) {
            znacznik_[e] = znak_;
            jednostki_.push_back(e);
        }
        return;
    }
    const auto& wiersz = wiersze_[static_cast<std::size_t>(poziom)];
    for (int i = od; i <= p_.k - (p_.t - poziom); ++i)
        ZbierzJednostki(poziom + 1, i + 1, ranga + wiersz[static_cast<std::size_t>(i)]);
}

void TPokrycieOrbitami::Wybierz(uint32_t j)
{
    wybrane_.Dodaj(j);
    zakladow_ += koszt_[j];
    int64_t tylkoOna = 0;
    Jednostki(j);
    for (uint32_t e : jednostki_) {
        if (licznik_[e] == 0) {
            // Newly covered: no other orbit gains it any more.
            for (uint32_t z = pierwszyZ_[e]; z < pierwszyZ_[e + 1]; ++z)
                ocena_[pokrywajace_[z]] -= waga_[e];
            niepokryte_.Usun(e);
            tylkoOna += waga_[e];
        } else if (licznik_[e] == 1) {
            // Its one chosen orbit no longer covers it alone.
            ocena_[xorPokrywajacych_[e]] -= waga_[e];
        }
        ++licznik_[e];
        xorPokrywajacych_[e] ^= j;
    }
    ocena_[j] = tylkoOna;
}

void TPokrycieOrbitami::Porzuc(uint32_t j)
{
    wybrane_.Usun(j);
    zakladow_ -= koszt_[j];
    int64_t zysk = 0;
    Jednostki(j);
    for (uint32_t e : jednostki_) {
        --licznik_[e];
        xorPokrywajacych_[e] ^= j;
        if (licznik_[e] == 0) {
            for (uint32_t z = pierwszyZ_[e]; z < pierwszyZ_[e + 1]; ++z)
                ocena_[pokrywajace_[z]] += waga_[e];
            niepokryte_.Dodaj(e);
            zysk += waga_[e];
        } else if (licznik_[e] == 1) {
            ocena_[xorPokrywajacych_[e]] += waga_[e];
        }
    }
    // The loop counted its own gain once more for every subset it uncovered.
    ocena_[j] = zysk;
}

void TPokrycieOrbitami::Zachlannie()
{
    while (!niepokryte_.Pusty()) {
        const uint32_t e = niepokryte_.Losowy(losowe_);
        uint32_t najlepsza = Zadna;
        for (uint32_t z = pierwszyZ_[e]; z < pierwszyZ_[e + 1]; ++z) {
            const uint32_t j = pokrywajace_[z];
            if (najlepsza == Zadna || Wiecej(j, najlepsza))
                najlepsza = j;
        }
        Wybierz(najlepsza);
    }
}

void TPokrycieOrbitami::OdNowa()
{
    while (!wybrane_.Pusty())
        Porzuc(wybrane_.Ostatni());
    std::fill(waga_.begin(), waga_.end(), 1);
    std::copy(jednostekOrbity_.begin(), jednostekOrbity_.end(), ocena_.begin());
    std::fill(zmiana_.begin(), zmiana_.end(), -2);
    krok_ = 0;
    Zachlannie();
}

uint32_t TPokrycieOrbitami::NajmniejPotrzebny(bool pominZmienione)
{
    uint32_t wybrana = Zadna;
    int remisow = 0;
    for (uint32_t j : wybrane_) {
        if (pominZmienione && zmiana_[j] >= krok_ - 1)
            continue;
        if (wybrana == Zadna || Wiecej(wybrana, j)) {
            wybrana = j;
            remisow = 1;
        } else if (Rowne(wybrana, j) && losowe_.Zakres(0, remisow++) == 0) {
            wybrana = j;
        }
    }
    return wybrana;
}

bool TPokrycieOrbitami::UsunNajmniejPotrzebny()
{
    const uint32_t j = NajmniejPotrzebny(false);
    if (j == Zadna)
        return false;
    Porzuc(j);
    zmiana_[j] = krok_;
    return true;
}

void TPokrycieOrbitami::Krok()
{
    if (niepokryte_.Pusty())
        return;
    ++krok_;
    // An orbit added in the last move stays for this one, so that a move is not undone at once.
    const uint32_t porzucona = NajmniejPotrzebny(true);
    if (porzucona != Zadna) {
        Porzuc(porzucona);
        zmiana_[porzucona] = krok_;
    }
    const uint32_t e = niepokryte_.Losowy(losowe_);
    uint32_t dodana = Zadna;
    int remisow = 0;
    // Now and then a random orbit that covers the subset, so that the search does not circle.
    if (losowe_.Zakres(0, SzumCo - 1) == 0) {
        const uint32_t z = pierwszyZ_[e] + static_cast<uint32_t>(losowe_.Zakres(
                                               0, static_cast<int>(pierwszyZ_[e + 1] - pierwszyZ_[e]) - 1));
        if (zmiana_[pokrywajace_[z]] != krok_)
            dodana = pokrywajace_[z];
    }
    const bool losowa = dodana != Zadna;
    for (uint32_t z = pierwszyZ_[e]; z < pierwszyZ_[e + 1] && !losowa; ++z) {
        const uint32_t j = pokrywajace_[z];
        if (zmiana_[j] == krok_)
            continue;
        if (dodana == Zadna || Wiecej(j, dodana)) {
            dodana = j;
            remisow = 1;
        } else if (Rowne(j, dodana) && losowe_.Zakres(0, remisow++) == 0) {
            dodana = j;
        }
    }
    if (dodana != Zadna) {
        Wybierz(dodana);
        zmiana_[dodana] = krok_;
    }
    // What stays uncovered weighs more: every orbit that would cover it gains as much.
    for (uint32_t u : niepokryte_) {
        ++waga_[u];
        for (uint32_t z = pierwszyZ_[u]; z < pierwszyZ_[u + 1]; ++z)
            ++ocena_[pokrywajace_[z]];
    }
}

std::vector<TBlok> TPokrycieOrbitami::Bloki() const
{
    std::vector<TBlok> wynik;
    wynik.reserve(wybrane_.Ile());
    for (uint32_t j : wybrane_)
        wynik.push_back(BlokZMaski(reprezentant_[j], p_.k));
    return wynik;
}

} // namespace tarvomund
