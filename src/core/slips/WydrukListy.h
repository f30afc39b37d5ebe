#pragma once

#include "model/TInfoGryRec.h"

#include <cstdint>
#include <string>

namespace tarvomund {

// A system printed as a numbered list of its bets, in one to three columns per page. The texts and
// the page geometry live here; measuring text and painting are the painter's.

inline constexpr int MinKolumnListy = 1;
inline constexpr int MaxKolumnListy = 3;

struct TOpcjeListy {
    int Kolumn = MaxKolumnListy;
    int32_t Od = 1;            // first and last bet printed; swapped when reversed
    int32_t Do = 0;
    bool WlasneLiczby = true;  // "Twoje liczby podstawione do systemu": the user's numbers, not 1..n
};

// The title: the method's name, then " k/n/bets name" for a number system, " k/bets" for a pool one.
std::string TytulListy(const TInfoGryRec& info);
// One bet: "(" + its number right-aligned to the width of the bet count + ") " + the items joined
// by ",". A number item is right-aligned to the digits of the game's highest number; a pool item
// is "-", "1", "x" or "2".
std::string WierszListy(int32_t nrZakladu, const uint8_t* zaklad, const TInfoGryRec& info, bool wlasneLiczby);
// The widest line the list can hold, made of eights: the font is chosen so that it fills a column.
std::string WzorWierszaListy(const TInfoGryRec& info);

// Page geometry in device pixels for a printable area of W × H.
struct TGeometriaListy {
    int Margines = 0;  // top margin m
    int Lewy = 0;      // left margin o
    int Odstep = 0;    // gap between columns g
    int Szerokosc = 0; // usable width U
    int Kolumna = 0;   // column width C
    int Dol = 0;       // a line is printed while its bottom stays above this: H − 2m
    int LewyKolumny(int kolumna) const { return Lewy + kolumna * (Kolumna + Odstep); }
};
TGeometriaListy GeometriaListy(int szerokosc, int wysokosc, int kolumn);
// Lines of height h one column holds (at least one, so a page always moves on).
int WierszyWKolumnie(const TGeometriaListy& geometria, int wysokoscWiersza);

} // namespace tarvomund
