#pragma once

#include "model/TObGraLista.h"

#include <array>
#include <optional>
#include <string_view>

namespace tarvomund {

// What the parser made of one formatted line.
enum class TWynikWiersza : int {
    Losowanie = 0,   // a draw
    ZlaData = 1,     // no date, or not a date: also every line when the list is said to have no dates
    ZlaLiczba = 2,   // a number outside the game, not a number, or drawn twice in one line
    KrotkiWiersz = 5 // an empty line, or fewer numbers than the game draws
};

// The order of day (D), month (M) and year (R) in the date field.
enum class TKolejnoscDaty { DMR, DRM, MDR, MRD, RMD, RDM };
inline constexpr std::array<std::string_view, 6> NazwyKolejnosciDaty{"DMR", "DRM", "MDR", "MRD", "RMD", "RDM"};
std::optional<TKolejnoscDaty> KolejnoscDaty(std::string_view nazwa);

// How the lines of a list are built.
struct TUkladWiersza {
    int Szerokosc = 3;         // field width of the formatted line
    bool Numeracja = false;    // the first field is the draw's running number
    bool JestData = false;     // the date follows (the first field, or the second after a number)
    TKolejnoscDaty Kolejnosc = TKolejnoscDaty::DMR;
    int IleLosowanych = 6;     // numbers that follow the date
    int IleLiczb = 49;         // the game's numbers are 1..IleLiczb
};

// The date of a date field: exactly two characters that are not digits (spaces count) split it into
// three groups of digits read in the given order; the year is taken as written.
std::optional<double> DataZPola(std::string_view pole, TKolejnoscDaty kolejnosc);

// Reads one formatted line into `los` (date and numbers in the order of the line, the rest 0);
// `los` is filled only for TWynikWiersza::Losowanie.
TWynikWiersza RozbierzWiersz(std::string_view sformatowany, const TUkladWiersza& uklad, TObLos& los);

} // namespace tarvomund
