#pragma once

#include <bitset>
#include <cstddef>

namespace tarvomund {

// Every command of the main window that can be enabled or disabled. A menu item and the toolbar
// button for the same command share one action, so one flag sets both.
enum class TPolecenie : std::size_t {
    Nowy,
    Wczytaj,
    Zapisz,
    ZapiszJako,
    Drukuj,
    Drukarka,
    Ustawienia,
    Koniec,
    ParametrySystemu,
    WlasneLiczby,
    Start,
    Stop,
    TestSystemu,
    Gwarancja,
    Rozklad,
    WlasneLubSystemowe,
    SumujSystemy,
    Filtry, // the 14 filter items and the filter button
    SzukajWSystemie,
    SzukajLosowan, // the per-game draw-base searches, menu and button
    SzukajLiczb,   // the per-game numbers-base searches, menu and button
    SzukajZadanych,
    StatStop, // the "S&tatystyka" menu items 0..12
    StatParametry,
    StatSiatka,
    StatLiniowy,
    StatSchodkowy,
    Stat3D,
    StatTabliczki,
    StatTabliczkiWartosc,
    StatSortujWartosc,
    StatSortujNaturalnie,
    StatDoKolekcji,
    StatPowieksz,
    StatPomniejsz,
    Losowania,
    Kolekcja,
    Biorytmy,
    EdytorBlankietow,
    ZmianaParametrowGry,
    Kaskada,
    Pionowo,
    Poziomo,
    ZmniejszWszystkie,
    ZamknijWszystkie,
    IndeksPomocy,
    OProgramie,
    PomocKontekstowa,
    OptymalizujSystem, // no caption in the text table: its own, beside "Obliczanie gwarancji dla systemu"
    Ile
};

inline constexpr std::size_t IlePolecen = static_cast<std::size_t>(TPolecenie::Ile);
inline constexpr std::size_t IleFlagStanu = 15;
inline constexpr std::size_t IlePozycjiStatystyki = 13;

using TWlaczone = std::bitset<IlePolecen>;
// A document window's remembered file state or task state: 15 flags.
using TStanFlag = std::bitset<IleFlagStanu>;

} // namespace tarvomund
