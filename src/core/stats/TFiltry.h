#pragma once

#include "model/TObGraLista.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvomund {

inline constexpr int IleCyfr = 10;

// The criteria the bet filters and the three searches share (the tests on runs, parity, intervals,
// digits and increments of a bet's or a draw's numbers), with the files and dates of a run.
// A choice c usually means "at least c + 1"; the owning dialogs give each its meaning.
struct TKryteriaWspolne {
    std::string PlikRoboczy;
    std::string PlikWyniku;
    double OdDaty = 0.0;
    double DoDaty = 0.0;
    int32_t ZakresOd = 0; // 0-based index of the lowest number of the range
    int32_t ZakresDo = 0; // 0-based index of the highest
    int32_t IleKolejnych = 0;
    int32_t IleParzystych = 0;
    int32_t IleNieparzystych = 0;
    int32_t IleWPrzedziale = 0;
    int32_t PrzedzialWielkosc = 0;
    int32_t IleParzystychWPrzedziale = 0;
    int32_t PrzedzialParzystych = 0;
    int32_t IleNieparzystychWPrzedziale = 0;
    int32_t PrzedzialNieparzystych = 0;
    int32_t IleKoncowych = 0;
    std::array<bool, IleCyfr> CyfryKoncowe{};
    int32_t IlePoczatkowych = 0;
    std::array<bool, IleCyfr> CyfryPoczatkowe{};
    int32_t IleZPrzyrostem = 0;
    int32_t Przyrost = 0;

    // The first-use defaults from a game: its first and last draw dates and its whole number range.
    void UstawDlaGry(const TObGraLista& gra);
};

// The bet filters: 14 criteria, the sum range, draws already drawn, and a range of bet positions.
struct TFiltr : TKryteriaWspolne {
    std::array<bool, 14> Kryteria{};
    int32_t SumaOd = 1;
    int32_t SumaDo = 1000;
    int32_t IlePowtorzonych = 0;
    int32_t PozycjaOd = 1;
    int32_t PozycjaDo = 1;
    static TFiltr DlaGry(const TObGraLista& gra);
};

// The search in the draw base: 16 criteria, with the day of the week, of the month and the month.
struct TFiltrSzukBaza : TKryteriaWspolne {
    std::array<bool, 16> Kryteria{};
    int32_t SumaOd = 1;
    int32_t SumaDo = 1000;
    int32_t IlePowtorzonych = 0;
    int32_t DzienTygodnia = 0; // 0 Sunday .. 6 Saturday
    int32_t DzienMiesiaca = 0; // 0..30 for days 1..31
    int32_t Miesiac = 0;       // 0..11
    static TFiltrSzukBaza DlaGry(const TObGraLista& gra);
};

// The search in the numbers base: 10 criteria and the size of never-drawn sets.
struct TFiltrSzukBazaL : TKryteriaWspolne {
    std::array<bool, 10> Kryteria{};
    int32_t IleNigdy = 0;
    static TFiltrSzukBazaL DlaGry(const TObGraLista& gra);
};

// The search in a system: the draw-base criteria 1..13.
struct TFiltrSzukSys : TKryteriaWspolne {
    std::array<bool, 13> Kryteria{};
    int32_t SumaOd = 1;
    int32_t SumaDo = 1000;
    int32_t IlePowtorzonych = 0;
    static TFiltrSzukSys DlaGry(const TObGraLista& gra);
};

enum class TPamietaneParametry { SzukajWBazie, SzukajWBazieLiczb, SzukajWSystemie, Filtry, Ile };

// The last-used records of the filters and the three searches, kept for the whole run: each is
// filled from the game of its first command, and every later command starts from the values the
// previous one left, whatever its game.
class TPamiecFiltrow {
public:
    TFiltr& Filtr(const TObGraLista& gra) { return Pobierz(filtr_, TPamietaneParametry::Filtry, gra); }
    TFiltrSzukBaza& SzukajWBazie(const TObGraLista& gra)
    {
        return Pobierz(szukajWBazie_, TPamietaneParametry::SzukajWBazie, gra);
    }
    TFiltrSzukBazaL& SzukajWBazieLiczb(const TObGraLista& gra)
    {
        return Pobierz(szukajWBazieLiczb_, TPamietaneParametry::SzukajWBazieLiczb, gra);
    }
    TFiltrSzukSys& SzukajWSystemie(const TObGraLista& gra)
    {
        return Pobierz(szukajWSystemie_, TPamietaneParametry::SzukajWSystemie, gra);
    }
    bool PierwszeUzycie(TPamietaneParametry p) const { return pierwsze_[static_cast<std::size_t>(p)]; }

private:
    template <typename T> T& Pobierz(T& rekord, TPamietaneParametry p, const TObGraLista& gra)
    {
        bool& pierwsze = pierwsze_[static_cast<std::size_t>(p)];
        if (pierwsze) {
            rekord = T::DlaGry(gra);
            pierwsze = false;
        }
        return rekord;
    }

    TFiltr filtr_;
    TFiltrSzukBaza szukajWBazie_;
    TFiltrSzukBazaL szukajWBazieLiczb_;
    TFiltrSzukSys szukajWSystemie_;
    std::array<bool, static_cast<std::size_t>(TPamietaneParametry::Ile)> pierwsze_{true, true, true, true};
};

} // namespace tarvomund
