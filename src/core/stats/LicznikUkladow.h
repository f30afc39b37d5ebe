#pragma once

#include "stats/ParametryStatystyki.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <queue>
#include <string>
#include <vector>

namespace tarvomund {

// Counting of number sets (the numbers a draw holds at m chosen positions, in position order) per
// group, without text keys: a set is an integer while it is counted, and labels ("3,17,25") are
// made once at the end, only for the entries that reach the series.

inline constexpr int IleWartosciBajtu = 256;
// The numbers a set may hold: entry y is 0 for a number that is never counted, otherwise its
// place 1..N' among the allowed numbers in ascending order.
using TIndeksLiczb = std::array<uint8_t, IleWartosciBajtu>;

// C(n, r) for n < 256 and r <= 30, saturated at the largest uint64.
uint64_t Dwumian(int n, int r);

// When every counted draw holds its numbers in ascending order, a set is a combination of the
// allowed numbers and its colex rank indexes one flat table of counters per group.
class TLicznikGesty {
public:
    TLicznikGesty(int m, const TIndeksLiczb& indeks, int grup);

    // How many counters one group needs: C(N', m).
    static uint64_t Rozmiar(int m, const TIndeksLiczb& indeks);

    void Dodaj(int grupa, const uint8_t* liczby, const uint8_t* pozycje)
    {
        uint64_t ranga = 0;
        for (int i = 0; i < m_; ++i) {
            const uint8_t x = indeks_[liczby[pozycje[i]]];
            if (x == 0)
                return;
            ranga += skladniki_[static_cast<std::size_t>(i) * IleWartosciBajtu + x];
        }
        ++liczniki_[static_cast<std::size_t>(grupa) * rozmiar_ + ranga];
    }

    // f(count, key) for every counter above zero, in key order.
    template <class F> void Przegladaj(int grupa, F&& f) const
    {
        const uint32_t* poczatek = liczniki_.data() + static_cast<std::size_t>(grupa) * rozmiar_;
        for (std::size_t r = 0; r < rozmiar_; ++r)
            if (poczatek[r] != 0)
                f(poczatek[r], static_cast<uint64_t>(r));
    }
    std::string Etykieta(int grupa, uint64_t klucz) const;

private:
    int m_;
    std::size_t rozmiar_;
    TIndeksLiczb indeks_;
    int ileMiejsc_ = 0;                              // N'
    std::array<uint8_t, IleWartosciBajtu> liczba_{}; // place 1..N' -> number
    // C(x - 1, i + 1) for position i and place x: the colex rank is their sum over the set.
    std::vector<uint64_t> skladniki_;
    std::vector<uint32_t> liczniki_;
};

// Any order of numbers: the set's numbers packed a byte each into W words, counted in an
// open-addressing table per group.
template <int W> class TLicznikHaszowy {
public:
    TLicznikHaszowy(int m, const TIndeksLiczb& indeks, int grup) : m_(m), indeks_(indeks), grupy_(grup) {}

    void Dodaj(int grupa, const uint8_t* liczby, const uint8_t* pozycje)
    {
        TKlucz klucz{};
        for (int i = 0; i < m_; ++i) {
            const uint8_t y = liczby[pozycje[i]];
            if (indeks_[y] == 0)
                return;
            klucz[static_cast<std::size_t>(i / 8)] |= static_cast<uint64_t>(y) << (8 * (i % 8));
        }
        grupy_[static_cast<std::size_t>(grupa)].Zwieksz(klucz);
    }

    template <class F> void Przegladaj(int grupa, F&& f) const
    {
        const TTablica& t = grupy_[static_cast<std::size_t>(grupa)];
        for (std::size_t s = 0; s < t.Liczniki.size(); ++s)
            if (t.Liczniki[s] != 0)
                f(t.Liczniki[s], static_cast<uint64_t>(s));
    }

    std::string Etykieta(int grupa, uint64_t klucz) const
    {
        const TKlucz& k = grupy_[static_cast<std::size_t>(grupa)].Klucze[static_cast<std::size_t>(klucz)];
        std::string tekst;
        for (int i = 0; i < m_; ++i) {
            if (i > 0)
                tekst += ',';
            tekst += std::to_string((k[static_cast<std::size_t>(i / 8)] >> (8 * (i % 8))) & 0xFF);
        }
        return tekst;
    }

private:
    using TKlucz = std::array<uint64_t, W>;

    struct TTablica {
        std::vector<TKlucz> Klucze;
        std::vector<uint32_t> Liczniki; // 0 marks a free slot
        std::size_t Zajete = 0;

        static uint64_t Hasz(const TKlucz& k)
        {
            uint64_t h = 0x9E3779B97F4A7C15ULL;
            for (uint64_t slowo : k) {
                h ^= slowo + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
                h ^= h >> 31;
                h *= 0xBF58476D1CE4E5B9ULL;
                h ^= h >> 29;
            }
            return h;
        }

        void Zwieksz(const TKlucz& k)
        {
            if ((Zajete + 1) * 2 > Liczniki.size())
                Powieksz();
            const std::size_t maska = Liczniki.size() - 1;
            for (std::size_t s = Hasz(k) & maska;; s = (s + 1) & maska) {
                if (Liczniki[s] == 0) {
                    Klucze[s] = k;
                    Liczniki[s] = 1;
                    ++Zajete;
                    return;
                }
                if (Klucze[s] == k) {
                    ++Liczniki[s];
                    return;
                }
            }
        }

        void Powieksz()
        {
            std::vector<TKlucz> stare = std::move(Klucze);
            std::vector<uint32_t> stareLiczniki = std::move(Liczniki);
            const std::size_t rozmiar = stareLiczniki.empty() ? 1024 : stareLiczniki.size() * 2;
            Klucze.assign(rozmiar, TKlucz{});
            Liczniki.assign(rozmiar, 0);
            const std::size_t maska = rozmiar - 1;
            for (std::size_t i = 0; i < stareLiczniki.size(); ++i) {
                if (stareLiczniki[i] == 0)
                    continue;
                std::size_t s = Hasz(stare[i]) & maska;
                while (Liczniki[s] != 0)
                    s = (s + 1) & maska;
                Klucze[s] = stare[i];
                Liczniki[s] = stareLiczniki[i];
            }
        }
    };

    int m_;
    TIndeksLiczb indeks_;
    std::vector<TTablica> grupy_;
};

// The series of one group from counted sets: every set counted at least `prog` times, labelled,
// in label order; then, when `sortuj`, by value, largest first (equal values keep label order); then
// cut to `limit` entries. Labels are made only for the entries that can reach the series.
template <class L>
TSeriaStatystyki SeriaZLicznika(const L& licznik, int grupa, uint32_t prog, bool sortuj,
                                std::optional<std::size_t> limit)
{
    struct TWpis {
        uint32_t Ile;
        std::string Opis;
    };
    const auto wedlugWartosci = [](const TWpis& a, const TWpis& b) {
        return a.Ile != b.Ile ? a.Ile > b.Ile : a.Opis < b.Opis;
    };
    if (limit && *limit == 0)
        return {};
    // How many entries have each count: decides which counts can still reach a cut series. Small
    // counts go into a flat table, the rare large ones into a map.
    constexpr uint32_t IleMalych = 1 << 16;
    std::vector<uint64_t> male(IleMalych, 0);
    std::map<uint32_t, uint64_t, std::greater<>> duze;
    uint64_t wszystkich = 0;
    licznik.Przegladaj(grupa, [&](uint32_t ile, uint64_t) {
        if (ile < prog)
            return;
        if (ile < IleMalych)
            ++male[ile];
        else
            ++duze[ile];
        ++wszystkich;
    });
    std::vector<TWpis> wpisy;
    if (!sortuj || !limit || wszystkich <= *limit) {
        wpisy.reserve(static_cast<std::size_t>(wszystkich));
        licznik.Przegladaj(grupa, [&](uint32_t ile, uint64_t klucz) {
            if (ile >= prog)
                wpisy.push_back({ile, licznik.Etykieta(grupa, klucz)});
        });
        std::sort(wpisy.begin(), wpisy.end(), [](const TWpis& a, const TWpis& b) { return a.Opis < b.Opis; });
        if (sortuj)
            std::stable_sort(wpisy.begin(), wpisy.end(),
                             [](const TWpis& a, const TWpis& b) { return a.Ile > b.Ile; });
        if (limit && wpisy.size() > *limit)
            wpisy.resize(*limit);
    } else {
        // The count of the last entry the cut keeps: entries above it all stay, and of the entries
        // with that count only the first ones by label.
        uint64_t powyzej = 0;
        uint32_t graniczny = prog;
        bool znaleziony = false;
        const auto sprawdz = [&](uint32_t ile, uint64_t razy) {
            if (znaleziony || razy == 0)
                return;
            if (powyzej + razy >= *limit) {
                graniczny = ile;
                znaleziony = true;
                return;
            }
            powyzej += razy;
        };
        for (const auto& [ile, razy] : duze)
            sprawdz(ile, razy);
        for (uint32_t ile = IleMalych - 1; ile >= prog && ile > 0 && !znaleziony; --ile)
            sprawdz(ile, male[ile]);
        const std::size_t zRemisu = *limit - static_cast<std::size_t>(powyzej);
        std::priority_queue<std::string> remisy; // the largest label on top, so it goes first
        wpisy.reserve(*limit);
        licznik.Przegladaj(grupa, [&](uint32_t ile, uint64_t klucz) {
            if (ile > graniczny) {
                wpisy.push_back({ile, licznik.Etykieta(grupa, klucz)});
            } else if (ile == graniczny) {
                std::string opis = licznik.Etykieta(grupa, klucz);
                if (remisy.size() < zRemisu) {
                    remisy.push(std::move(opis));
                } else if (opis < remisy.top()) {
                    remisy.pop();
                    remisy.push(std::move(opis));
                }
            }
        });
        for (; !remisy.empty(); remisy.pop())
            wpisy.push_back({graniczny, remisy.top()});
        std::sort(wpisy.begin(), wpisy.end(), wedlugWartosci);
    }
    TSeriaStatystyki seria;
    seria.reserve(wpisy.size());
    for (TWpis& w : wpisy)
        seria.emplace_back(static_cast<int32_t>(w.Ile), std::move(w.Opis));
    return seria;
}

} // namespace tarvomund
